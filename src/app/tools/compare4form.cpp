#include "app/tools/compare4form.h"

#include <QPushButton>

#include "app/tools/compare3form.h"

namespace tolva {

Compare4FORM::Compare4FORM(ToolWizard& wizard)
    : ToolFinishPage(wizard, QStringLiteral("Compare4FORM"), 4, QStringLiteral(" Compare [3/3]"),
                     QStringLiteral("COMPARE")) {
    onClick(BackBUTTON, "BackBUTTON_Click", &Compare4FORM::BackBUTTON_Click);
}

void Compare4FORM::BackBUTTON_Click() { wizard_.GoTo(new Compare3FORM(wizard_)); }

}  // namespace tolva
