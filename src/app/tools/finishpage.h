#pragma once
// The last page of the repair and compare wizards: optional Clean Up afterwards, and "Finish".
#include "app/pages/pagerun.h"

class QCheckBox;

namespace tolva {

class ToolFinishPage : public Page {
    Q_OBJECT

public:
    ToolFinishPage(PageRun& run, const QString& name, int number, const QString& suffix, const QString& picture);

protected:
    /// Finish: the page's controls are disabled, finishWork runs, then Clean Up when Check1 is
    /// ticked, then the run ends.
    void next() override;
    void back() override;
    /// What the wizard writes before the optional Clean Up; false skips the Clean Up.
    virtual bool finishWork() { return true; }
    QCheckBox* Check1 = nullptr;
};

}  // namespace tolva
