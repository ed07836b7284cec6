#include "app/tools/repairwizard.h"

#include <QFont>
#include <algorithm>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform/text.h"

namespace tolva {

QFont RepairListFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

RepairListPage::RepairListPage(RepairWizard& wizard, const QString& name, int number, const QString& suffix,
                               const QString& intro, const QString& heading, LinesOf linesOf)
    : ToolPage(wizard, name, number, suffix, QStringLiteral("REPAIR")), run_(wizard), linesOf_(std::move(linesOf)) {
    Label3 = addText("Label3", intro);
    LABEL = addText("LABEL", heading, true);
    Label2 = addText("Label2", QStringLiteral("Wählen Sie einen Eintrag aus der Liste aus, und klicken Sie dann auf "
                                              "\"Delete\" um den Eintrag zu löschen."));
    GameLIST = new QListWidget(this);
    GameLIST->setObjectName(QStringLiteral("GameLIST"));
    GameLIST->setFont(RepairListFont());
    GameLIST->setSelectionMode(QAbstractItemView::SingleSelection);
    GameLIST->setAccessibleName(heading);
    GameLIST->setAccessibleDescription(Label2->text());
    GameLIST->setMinimumHeight(180);
    content()->addWidget(GameLIST);
    Command1 = new QPushButton(QStringLiteral("Delete"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    content()->addWidget(Command1, 0, Qt::AlignRight);
    addPageButtons(QStringLiteral("Next >"));
    fill();
    onClick(Command1, "Command1_Click", &RepairListPage::Command1_Click);
}

void RepairListPage::fill() {
    lines_ = linesOf_(run_.store, run_.marked);
    GameLIST->clear();
    for (const RepairLine& line : lines_) GameLIST->addItem(FromFile(line.text));
}

void RepairListPage::Command1_Click() {
    const int row = GameLIST->currentRow();
    if (row < 0 || row >= static_cast<int>(lines_.size()) || !GameLIST->currentItem()->isSelected()) return;
    run_.marked.insert(lines_[static_cast<std::size_t>(row)].entry);
    fill();
    GameLIST->setCurrentRow(std::min(row, GameLIST->count() - 1));
}

}  // namespace tolva
