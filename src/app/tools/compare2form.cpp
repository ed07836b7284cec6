#include "app/tools/compare2form.h"

#include <QPushButton>

#include "app/tools/compare3form.h"

namespace tolva {

Compare2FORM::Compare2FORM(ToolWizard& wizard)
    : ToolPage(wizard, QStringLiteral("Compare2FORM"), 2, QStringLiteral(" Compare [1/3]"), QStringLiteral("COMPARE")) {
    addPageButtons(QStringLiteral("Next >"));
    BackBUTTON->setEnabled(false);
    onClick(ForwardBUTTON, "ForwardBUTTON_Click", &Compare2FORM::ForwardBUTTON_Click);
}

void Compare2FORM::ForwardBUTTON_Click() { wizard_.GoTo(new Compare3FORM(wizard_)); }

}  // namespace tolva
