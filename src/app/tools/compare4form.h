#pragma once
// The compare wizard's page 3: Finish writes nothing of its own and cleans up when asked to.
#include "app/tools/finishpage.h"

namespace tolva {

class Compare4FORM : public ToolFinishPage {
    Q_OBJECT

public:
    explicit Compare4FORM(PageRun& run)
        : ToolFinishPage(run, QStringLiteral("Compare4FORM"), 4, QStringLiteral(" Compare [3/3]"),
                         QStringLiteral("COMPARE")) {}
};

}  // namespace tolva
