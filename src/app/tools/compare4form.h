#pragma once
// The compare wizard's page 3: Finish writes nothing of its own and cleans up when asked to.
#include "app/tools/toolwizard.h"

namespace tolva {

class Compare4FORM : public ToolFinishPage {
    Q_OBJECT

public:
    explicit Compare4FORM(ToolWizard& wizard);

    void BackBUTTON_Click();
};

}  // namespace tolva
