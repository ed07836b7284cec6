#pragma once
// The compare wizard: its start page, two middle pages that hold only their buttons (Back not
// available on the first), and the finishing page of the repair wizard, which writes nothing of
// its own here and cleans up when asked to.
#include <array>

#include "app/tools/toolpage.h"

class QLabel;

namespace tolva {

/// The compare wizard: pages 1 (start) to 4 (Finish).
class CompareWizard : public PageRun {
public:
    explicit CompareWizard(MainHost& main);
};

/// Page 1, the start page.
class Compare1FORM : public ToolPage {
    Q_OBJECT

public:
    explicit Compare1FORM(PageRun& run);

private:
    /// Index 0 the introduction, 5 the prompt; the others are not used on this page.
    std::array<QLabel*, 6> LABEL{};
};

}  // namespace tolva
