#pragma once
// The repair wizard's page 2: the duplicate pairs found by the search, each as its two titles,
// with a tick in front of every line for the entries to disable.
#include <vector>

#include "app/tools/repairwizard.h"
#include "app/tools/toolpage.h"

class QLabel;
class QListWidget;

namespace tolva {

class Repair2FORM : public ToolPage {
    Q_OBJECT

public:
    explicit Repair2FORM(RepairWizard& wizard);

    /// A line's tick was set or cleared: its entry follows on every line; the separator line
    /// gets its tick cleared again.
    void GameLIST_Click(int row);

private:
    void showTicks();

    std::vector<RepairLine> lines_;
    bool showing_ = false;
    QLabel* Label1 = nullptr;
    QLabel* LABEL = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* GameLIST = nullptr;
};

}  // namespace tolva
