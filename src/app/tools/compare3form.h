#pragma once
// The compare wizard's page 2.
#include "app/tools/toolwizard.h"

namespace tolva {

class Compare3FORM : public ToolPage {
    Q_OBJECT

public:
    explicit Compare3FORM(ToolWizard& wizard);

    void BackBUTTON_Click();
    void ForwardBUTTON_Click();
};

}  // namespace tolva
