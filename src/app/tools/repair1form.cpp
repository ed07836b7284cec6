#include "app/tools/repair1form.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "app/host/mainhost.h"
#include "core/state.h"

namespace tolva {

Repair1FORM::Repair1FORM(RepairWizard& wizard)
    : ToolPage(wizard, kRepairWizard, 1) {
    LABEL[0] = addText(QStringLiteral("Dieser Wizard hilft Ihnen, Fehler in der bleem!.ini zu finden und zu "
                                      "korrigieren."),
                       "LABEL");
    LABEL[1] = addText(QStringLiteral("Suche nach :"), "LABEL");
    LABEL[2] = addText(QStringLiteral("Doppelten Einträgen"), "LABEL");
    LABEL[3] = addText(QStringLiteral("Falschen Disc-IDs"), "LABEL");
    LABEL[4] = addText(QStringLiteral("Falschen Flags"), "LABEL");
    LABEL[5] = addText(QStringLiteral("Klicken Sie auf Start, um die Suche zu starten."), "LABEL");
    for (int index = 2; index <= 4; ++index) LABEL[static_cast<std::size_t>(index)]->setIndent(16);
    for (std::size_t index = 0; index < LABEL.size(); ++index) LABEL[index]->setProperty("index", static_cast<int>(index));
    addStartButtons();
}

namespace {

void SetBold(QLabel* label, bool bold) {
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

}  // namespace

void Repair1FORM::next() {
    if (searching_) return;  // a second click while the search lets events run
    searching_ = true;
    const QPointer<Repair1FORM> self(this);
    QLabel* phaseLine = nullptr;  // the line of the phase being searched, in bold
    const bool done = RunRepairSearch(state().games, run<RepairWizard>().store, [&](RepairPhase phase) {
        if (phaseLine) SetBold(phaseLine, false);
        phaseLine = LABEL[2 + static_cast<std::size_t>(phase)];
        SetBold(phaseLine, true);
        QCoreApplication::processEvents();  // show the phase; the page stays responsive here only
        return self && run<RepairWizard>().active() && run<RepairWizard>().current() == this;
    });
    if (!self) return;
    searching_ = false;
    if (!done) return;  // left during the search (Abort)
    run<RepairWizard>().marked.clear();
    run<RepairWizard>().goTo(2);
}

}  // namespace tolva
