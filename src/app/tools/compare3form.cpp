#include "app/tools/compare3form.h"

#include <QPushButton>

#include "app/tools/compare2form.h"
#include "app/tools/compare4form.h"

namespace tolva {

Compare3FORM::Compare3FORM(ToolWizard& wizard)
    : ToolPage(wizard, QStringLiteral("Compare3FORM"), 3, QStringLiteral(" Compare [2/3]"), QStringLiteral("COMPARE")) {
    addPageButtons(QStringLiteral("Next >"));
    onClick(BackBUTTON, "BackBUTTON_Click", &Compare3FORM::BackBUTTON_Click);
    onClick(ForwardBUTTON, "ForwardBUTTON_Click", &Compare3FORM::ForwardBUTTON_Click);
}

void Compare3FORM::BackBUTTON_Click() { wizard_.GoTo(new Compare2FORM(wizard_)); }

void Compare3FORM::ForwardBUTTON_Click() { wizard_.GoTo(new Compare4FORM(wizard_)); }

}  // namespace tolva
