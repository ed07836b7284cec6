#include "app/tools/compare1form.h"

#include <QLabel>
#include <QPushButton>

#include "app/tools/compare2form.h"

namespace tolva {

Compare1FORM::Compare1FORM(ToolWizard& wizard)
    : ToolPage(wizard, QStringLiteral("Compare1FORM"), 1, QStringLiteral(" Compare"), QStringLiteral("COMPARE")) {
    LABEL[0] = addText("LABEL", QStringLiteral("Dieser Wizard hilft Ihnen, zwei INI-Dateien mit einander zu verbinden."));
    LABEL[5] = addText("LABEL", QStringLiteral("Klicken Sie auf Start, um den Vorgang zu starten."));
    LABEL[0]->setProperty("index", 0);
    LABEL[5]->setProperty("index", 5);
    addStartButtons();
    onClick(OkBUTTON, "OkBUTTON_Click", &Compare1FORM::OkBUTTON_Click);
}

void Compare1FORM::Start(MainHost& main) {
    ToolWizard wizard(main);
    wizard.Run(new Compare1FORM(wizard));
}

void Compare1FORM::OkBUTTON_Click() { wizard_.GoTo(new Compare2FORM(wizard_)); }

}  // namespace tolva
