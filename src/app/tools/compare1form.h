#pragma once
// The compare wizard's start page. The wizard has the page chain and the finishing page of the
// repair wizard; its two middle pages hold only their buttons.
#include <array>

#include "app/tools/toolwizard.h"

class QLabel;

namespace tolva {

class MainHost;

class Compare1FORM : public ToolPage {
    Q_OBJECT

public:
    explicit Compare1FORM(ToolWizard& wizard);

    /// CompareMENU: runs the wizard and returns when it has ended.
    static void Start(MainHost& main);

    void OkBUTTON_Click();

    /// Index 0 the introduction, 5 the prompt; the others are not used on this page.
    std::array<QLabel*, 6> LABEL{};
};

}  // namespace tolva
