#pragma once
// The repair wizard's page 3: the entries whose flags word breaks a digit rule.
#include "app/tools/repairwizard.h"

namespace tolva {

class Repair4FORM : public RepairListPage {
    Q_OBJECT

public:
    explicit Repair4FORM(RepairWizard& wizard)
        : RepairListPage(wizard, QStringLiteral("Repair4FORM"), 4, QStringLiteral(" Repair [3/4]"),
                         QStringLiteral("Die folgenden Einträge haben eine falsche Flags :"), QStringLiteral("Falsche Flags"), &WrongFlagsLines) {}
};

}  // namespace tolva
