#pragma once
// The compare wizard's start page. The wizard has the page run and the finishing page of the
// repair wizard; its two middle pages hold only their buttons.
#include <array>

#include "app/pages/pagerun.h"

class QLabel;

namespace tolva {

/// The compare wizard: pages 1 (start) to 4 (Finish).
class CompareWizard : public PageRun {
public:
    explicit CompareWizard(MainHost& main);
};

/// The start page.
class Compare1FORM : public Page {
    Q_OBJECT

public:
    explicit Compare1FORM(PageRun& run);

    /// CompareMENU: runs the wizard and returns when it has ended.
    static void Start(MainHost& main);

protected:
    void next() override { run().goTo(2); }

private:
    /// Index 0 the introduction, 5 the prompt; the others are not used on this page.
    std::array<QLabel*, 6> LABEL{};
};

}  // namespace tolva
