#include "app/tools/repair5form.h"

#include "app/host/mainhost.h"
#include "core/state.h"

namespace tolva {

Repair5FORM::Repair5FORM(RepairWizard& wizard)
    : ToolFinishPage(wizard, kRepairWizard) {}

bool Repair5FORM::finishWork() {
    const std::vector<IniEntry> entries = MarkedEntries(run<RepairWizard>().store, run<RepairWizard>().marked);
    if (entries.empty()) return true;  // nothing chosen: the file stays as it is
    if (main().reloadIfChangedElsewhere(this)) return false;
    const char* const module = "Repair5FORM.ForwardBUTTON_Click";
    if (!DisableEntries(state(), entries, main().sinkFor(module))) return false;
    run<RepairWizard>().marked.clear();
    return main().reloadAfterChange(module);
}

}  // namespace tolva
