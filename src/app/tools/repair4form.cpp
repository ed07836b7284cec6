#include "app/tools/repair4form.h"

#include <QPushButton>

#include "app/tools/repair3form.h"
#include "app/tools/repair5form.h"

namespace tolva {

Repair4FORM::Repair4FORM(RepairWizard& wizard)
    : RepairListPage(wizard, QStringLiteral("Repair4FORM"), 4, QStringLiteral(" Repair [3/4]"),
                     QStringLiteral("Die folgenden Einträge haben eine falsche Flags :"),
                     QStringLiteral("Falsche Flags"), &WrongFlagsLines) {
    onClick(BackBUTTON, "BackBUTTON_Click", &Repair4FORM::BackBUTTON_Click);
    onClick(ForwardBUTTON, "ForwardBUTTON_Click", &Repair4FORM::ForwardBUTTON_Click);
}

void Repair4FORM::BackBUTTON_Click() { run_.GoTo(new Repair3FORM(run_)); }

void Repair4FORM::ForwardBUTTON_Click() { run_.GoTo(new Repair5FORM(run_)); }

}  // namespace tolva
