#include "app/tools/repair5form.h"

#include <QPushButton>

#include "app/host/mainhost.h"
#include "core/state.h"
#include "app/tools/repair4form.h"

namespace tolva {

Repair5FORM::Repair5FORM(RepairWizard& wizard)
    : ToolFinishPage(wizard, QStringLiteral("Repair5FORM"), 5, QStringLiteral(" Repair [4/4]"),
                     QStringLiteral("REPAIR")),
      run_(wizard) {
    onClick(BackBUTTON, "BackBUTTON_Click", &Repair5FORM::BackBUTTON_Click);
}

void Repair5FORM::BackBUTTON_Click() { run_.GoTo(new Repair4FORM(run_)); }

bool Repair5FORM::finishWork() {
    const std::vector<IniEntry> entries = MarkedEntries(run_.store, run_.marked);
    if (entries.empty()) return true;  // nothing chosen: the file stays as it is
    MainHost& main = run_.main();
    const char* const module = "Repair5FORM.ForwardBUTTON_Click";
    if (!DisableEntries(main.state(), entries, main.sinkFor(module)) || main.platform().ended()) return false;
    run_.marked.clear();
    return main.reloadAfterChange(module);
}

}  // namespace tolva
