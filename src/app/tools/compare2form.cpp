#include "app/tools/compare2form.h"

#include <QPushButton>

namespace tolva {

Compare2FORM::Compare2FORM(PageRun& run)
    : Page(run, QStringLiteral("Compare2FORM"), 2, QStringLiteral(" Compare [1/3]"), QStringLiteral("COMPARE")) {
    addPageButtons(QStringLiteral("Next >"));
    BackBUTTON->setEnabled(false);
}

}  // namespace tolva
