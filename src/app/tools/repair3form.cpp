#include "app/tools/repair3form.h"

#include <QPushButton>

#include "app/tools/repair2form.h"
#include "app/tools/repair4form.h"

namespace tolva {

Repair3FORM::Repair3FORM(RepairWizard& wizard)
    : RepairListPage(wizard, QStringLiteral("Repair3FORM"), 3, QStringLiteral(" Repair [2/4]"),
                     QStringLiteral("Die folgenden Einträge haben eine falsche DiscID :"),
                     QStringLiteral("Falsche Disc-IDs"), &WrongIDLines) {
    onClick(BackBUTTON, "BackBUTTON_Click", &Repair3FORM::BackBUTTON_Click);
    onClick(ForwardBUTTON, "ForwardBUTTON_Click", &Repair3FORM::ForwardBUTTON_Click);
}

void Repair3FORM::BackBUTTON_Click() { run_.GoTo(new Repair2FORM(run_)); }

void Repair3FORM::ForwardBUTTON_Click() { run_.GoTo(new Repair4FORM(run_)); }

}  // namespace tolva
