#pragma once
// The pages of the repair and compare wizards are numbered as their runs move between them: page
// `number` is named <Name><number>FORM (its objectName), and its caption counts the pages after
// the start page (" Repair [2/4]" on page 3), the start page's naming the wizard alone.
#include <functional>
#include <vector>

#include "app/host/mainhost.h"
#include "app/pages/pagerun.h"

namespace tolva {

struct ToolWizard {
    const char* name;  ///< "Repair": pages Repair1FORM to Repair<last>FORM, picture REPAIR
    int last;
};
inline constexpr ToolWizard kRepairWizard{"Repair", 5};
inline constexpr ToolWizard kCompareWizard{"Compare", 4};

/// Page `number` of a tool wizard; Next and Back go to the neighbouring pages unless it says
/// otherwise.
class ToolPage : public Page {
    Q_OBJECT

public:
    ToolPage(PageRun& run, const ToolWizard& wizard, int number);

protected:
    void next() override { run().goTo(number() + 1); }
    void back() override { run().goTo(number() - 1); }
};

/// Makes page `number` of a run with the number-th of makers.
PageRun::PageMaker PagesInOrder(std::vector<std::function<Page*()>> makers);

/// A tool wizard's menu entry: runs it, returns once it has ended, and empties the search box.
template <class Wizard>
void RunToolWizard(MainHost& main) {
    Wizard wizard(main);
    wizard.Run();
    main.clearSearch();
}

}  // namespace tolva
