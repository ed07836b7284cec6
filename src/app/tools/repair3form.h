#pragma once
// The repair wizard's page 2: the entries whose disc ID is not a ten-digit number.
#include "app/tools/repairwizard.h"

namespace tolva {

class Repair3FORM : public RepairListPage {
    Q_OBJECT

public:
    explicit Repair3FORM(RepairWizard& wizard);

    void BackBUTTON_Click();
    void ForwardBUTTON_Click();
};

}  // namespace tolva
