#pragma once
// The repair wizard's page 3: the entries whose flags word breaks a digit rule.
#include "app/tools/repairwizard.h"

namespace tolva {

class Repair4FORM : public RepairListPage {
    Q_OBJECT

public:
    explicit Repair4FORM(RepairWizard& wizard);

    void BackBUTTON_Click();
    void ForwardBUTTON_Click();
};

}  // namespace tolva
