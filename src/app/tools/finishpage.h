#pragma once
// The last page of the repair and compare wizards: optional Clean Up afterwards, and "Finish".
#include "app/tools/toolpage.h"

class QCheckBox;

namespace tolva {

class ToolFinishPage : public ToolPage {
    Q_OBJECT

public:
    ToolFinishPage(PageRun& run, const ToolWizard& wizard);

protected:
    /// Finish: the page's controls are disabled, finishWork runs, then Clean Up when Check1 is
    /// ticked, then the run ends.
    void next() override;
    /// What the wizard writes before the optional Clean Up; false skips the Clean Up.
    virtual bool finishWork() { return true; }
    QCheckBox* Check1 = nullptr;
};

}  // namespace tolva
