#include "app/tools/repair1form.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "app/host/mainhost.h"
#include "core/state.h"
#include "app/tools/repair2form.h"

namespace tolva {

Repair1FORM::Repair1FORM(RepairWizard& wizard)
    : ToolPage(wizard, QStringLiteral("Repair1FORM"), 1, QStringLiteral(" Repair"), QStringLiteral("REPAIR")),
      run_(wizard) {
    LABEL[0] = addText("LABEL", QStringLiteral("Dieser Wizard hilft Ihnen, Fehler in der bleem!.ini zu finden und zu "
                                               "korrigieren."));
    LABEL[1] = addText("LABEL", QStringLiteral("Suche nach :"));
    LABEL[2] = addText("LABEL", QStringLiteral("Doppelten Einträgen"));
    LABEL[3] = addText("LABEL", QStringLiteral("Falschen Disc-IDs"));
    LABEL[4] = addText("LABEL", QStringLiteral("Falschen Flags"));
    LABEL[5] = addText("LABEL", QStringLiteral("Klicken Sie auf Start, um die Suche zu starten."));
    for (int index = 2; index <= 4; ++index) LABEL[static_cast<std::size_t>(index)]->setIndent(16);
    for (std::size_t index = 0; index < LABEL.size(); ++index) LABEL[index]->setProperty("index", static_cast<int>(index));
    addStartButtons();
    onClick(OkBUTTON, "OkBUTTON_Click", &Repair1FORM::OkBUTTON_Click);
}

void Repair1FORM::Start(MainHost& main) {
    RepairWizard wizard(main);
    wizard.Run(new Repair1FORM(wizard));
}

void Repair1FORM::setBold(int index, bool bold) {
    QLabel* label = LABEL[static_cast<std::size_t>(index)];
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

void Repair1FORM::OkBUTTON_Click() {
    if (searching_) return;  // a second click while the search lets events run
    searching_ = true;
    const QPointer<Repair1FORM> self(this);
    int boldLabel = -1;
    const bool done = RunRepairSearch(run_.main().state().games, run_.store, [&](RepairPhase phase) {
        if (boldLabel >= 0) setBold(boldLabel, false);
        boldLabel = 2 + static_cast<int>(phase);
        setBold(boldLabel, true);
        QCoreApplication::processEvents();  // show the phase; the page stays responsive here only
        return self && run_.active() && run_.current() == this;
    });
    if (!self) return;
    searching_ = false;
    if (boldLabel >= 0) setBold(boldLabel, false);
    if (!done) return;  // left during the search (Abort)
    run_.marked.clear();
    run_.GoTo(new Repair2FORM(run_));
}

}  // namespace tolva
