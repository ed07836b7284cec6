#pragma once
// The repair wizard's page 5: Finish disables the entries marked on the pages before, then
// cleans up when asked to.
#include "app/tools/finishpage.h"
#include "app/tools/repairwizard.h"

namespace tolva {

class Repair5FORM : public ToolFinishPage {
    Q_OBJECT

public:
    explicit Repair5FORM(RepairWizard& wizard);

protected:
    bool finishWork() override;
};

}  // namespace tolva
