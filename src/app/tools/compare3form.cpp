#include "app/tools/compare3form.h"

#include <QPushButton>

namespace tolva {

Compare3FORM::Compare3FORM(PageRun& run)
    : Page(run, QStringLiteral("Compare3FORM"), 3, QStringLiteral(" Compare [2/3]"), QStringLiteral("COMPARE")) {
    addPageButtons(QStringLiteral("Next >"));
}

}  // namespace tolva
