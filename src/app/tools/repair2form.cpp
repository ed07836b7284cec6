#include "app/tools/repair2form.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform/text.h"

namespace tolva {

Repair2FORM::Repair2FORM(RepairWizard& wizard)
    : ToolPage(wizard, kRepairWizard, 2) {
    Label1 = addText(QStringLiteral("Die folgenden doppelten Einträge wurden gefunden :"), "Label1");
    LABEL = addText(QStringLiteral("Doppelten Einträgen"), "LABEL", true);
    Label2 = addText(QStringLiteral("Bitte wählen Sie die Einträge aus der Liste aus, die Sie löschen möchten."),
                     "Label2");
    GameLIST = new QListWidget(this);
    GameLIST->setObjectName(QStringLiteral("GameLIST"));
    GameLIST->setFont(RepairListFont());
    GameLIST->setAccessibleName(LABEL->text());
    GameLIST->setAccessibleDescription(Label2->text());
    GameLIST->setMinimumHeight(180);
    content()->addWidget(GameLIST);
    addPageButtons(tr("Next >"));
    BackBUTTON->setEnabled(false);

    // Rebuilt from the stored pairs each time the page is shown; the ticks come from the marks.
    lines_ = DuplicateLines(run<RepairWizard>().store);
    showing_ = true;
    for (const RepairLine& line : lines_) {
        auto* item = new QListWidgetItem(FromFile(line.text), GameLIST);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    showing_ = false;
    showTicks();

    connect(GameLIST, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        Guarded(platform(), [&] { guarded("GameLIST_Click", [this, item] { GameLIST_Click(GameLIST->row(item)); }); });
    });
}

void Repair2FORM::showTicks() {
    showing_ = true;
    for (int row = 0; row < GameLIST->count(); ++row) {
        const bool ticked = LineTicked(lines_[static_cast<std::size_t>(row)], run<RepairWizard>().marked);
        QListWidgetItem* item = GameLIST->item(row);
        if ((item->checkState() == Qt::Checked) != ticked) item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    showing_ = false;
}

void Repair2FORM::GameLIST_Click(int row) {
    if (showing_ || row < 0 || row >= static_cast<int>(lines_.size())) return;
    const RepairLine& line = lines_[static_cast<std::size_t>(row)];
    const bool ticked = GameLIST->item(row)->checkState() == Qt::Checked;
    if (ticked != LineTicked(line, run<RepairWizard>().marked)) ClickDuplicateLine(line, run<RepairWizard>().marked);
    showTicks();
}

}  // namespace tolva
