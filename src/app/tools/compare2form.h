#pragma once
// The compare wizard's page 1.
#include "app/tools/toolwizard.h"

namespace tolva {

class Compare2FORM : public ToolPage {
    Q_OBJECT

public:
    explicit Compare2FORM(ToolWizard& wizard);

    void ForwardBUTTON_Click();
};

}  // namespace tolva
