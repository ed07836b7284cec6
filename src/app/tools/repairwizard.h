#pragma once
// One run of the repair wizard: the work storage of its search and the entries the user marked
// on its pages, which Finish disables. Pages 3 (the entries whose disc ID is not a ten-digit
// number) and 4 (those whose flags word breaks a digit rule) are each a RepairListPage.
#include <QString>
#include <functional>
#include <set>
#include <vector>

#include "app/platform/widgetsfwd.h"
#include "app/tools/toolpage.h"
#include "core/tools/repair.h"

namespace tolva {

/// The repair wizard: pages 1 (the search) to 5 (Finish).
class RepairWizard : public PageRun {
public:
    explicit RepairWizard(MainHost& main);

    RepairStore store;
    /// Game table positions (as at the search) of the entries to disable at Finish.
    std::set<int> marked;
};

/// The font of the wizard's lists: fixed pitch, so that columns line up.
QFont RepairListFont();

/// A page listing the entries of one kind of fault, with "Delete" to mark the selected one.
class RepairListPage : public ToolPage {
    Q_OBJECT

public:
    using LinesOf = std::function<std::vector<RepairLine>(const RepairStore&, const std::set<int>&)>;

    RepairListPage(RepairWizard& wizard, int number, const QString& intro, const QString& heading, LinesOf linesOf);

    /// Marks the entry of the selected line for Finish and takes the line off the list.
    void Command1_Click();

private:
    void fill();

    LinesOf linesOf_;
    std::vector<RepairLine> lines_;

protected:
    QLabel* Label3 = nullptr;
    QLabel* LABEL = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* GameLIST = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace tolva
