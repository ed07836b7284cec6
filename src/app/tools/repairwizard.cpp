#include "app/tools/repairwizard.h"

#include <QFont>
#include <algorithm>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform/controls.h"
#include "app/platform/text.h"
#include "app/tools/repair1form.h"
#include "app/tools/repair2form.h"
#include "app/tools/repair5form.h"

namespace tolva {

RepairWizard::RepairWizard(MainHost& main)
    : PageRun(main, PagesInOrder({[this] { return new Repair1FORM(*this); },
                                  [this] { return new Repair2FORM(*this); },
                                  [this] {
                                      return new RepairListPage(*this, 3,
                                                                QStringLiteral("Die folgenden Einträge haben eine falsche DiscID :"),
                                                                QStringLiteral("Falsche Disc-IDs"), &WrongIDLines);
                                  },
                                  [this] {
                                      return new RepairListPage(*this, 4,
                                                                QStringLiteral("Die folgenden Einträge haben eine falsche Flags :"),
                                                                QStringLiteral("Falsche Flags"), &WrongFlagsLines);
                                  },
                                  [this] { return new Repair5FORM(*this); }})) {}

QFont RepairListFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

RepairListPage::RepairListPage(RepairWizard& wizard, int number, const QString& intro, const QString& heading,
                               LinesOf linesOf)
    : ToolPage(wizard, kRepairWizard, number), linesOf_(std::move(linesOf)) {
    Label3 = addText(intro, "Label3");
    LABEL = addText(heading, "LABEL", true);
    Label2 = addText(QStringLiteral("Wählen Sie einen Eintrag aus der Liste aus, und klicken Sie dann auf "
                                    "\"Delete\" um den Eintrag zu löschen."),
                     "Label2");
    GameLIST = new QListWidget(this);
    GameLIST->setObjectName(QStringLiteral("GameLIST"));
    GameLIST->setFont(RepairListFont());
    GameLIST->setSelectionMode(QAbstractItemView::SingleSelection);
    GameLIST->setAccessibleName(heading);
    GameLIST->setAccessibleDescription(Label2->text());
    GameLIST->setMinimumHeight(180);
    content()->addWidget(GameLIST);
    Command1 = NamedButton(this, "Command1", tr("Delete"));
    content()->addWidget(Command1, 0, Qt::AlignRight);
    addPageButtons(tr("Next >"));
    fill();
    on(Command1, &QPushButton::clicked, "Command1_Click", [this] { Command1_Click(); });
}

void RepairListPage::fill() {
    lines_ = linesOf_(run<RepairWizard>().store, run<RepairWizard>().marked);
    GameLIST->clear();
    for (const RepairLine& line : lines_) GameLIST->addItem(FromFile(line.text));
}

void RepairListPage::Command1_Click() {
    const int row = GameLIST->currentRow();
    if (row < 0 || row >= static_cast<int>(lines_.size()) || !GameLIST->currentItem()->isSelected()) return;
    run<RepairWizard>().marked.insert(lines_[static_cast<std::size_t>(row)].entry);
    fill();
    GameLIST->setCurrentRow(std::min(row, GameLIST->count() - 1));
}

}  // namespace tolva
