#pragma once
// The repair wizard's page 2: the entries whose disc ID is not a ten-digit number.
#include "app/tools/repairwizard.h"

namespace tolva {

class Repair3FORM : public RepairListPage {
    Q_OBJECT

public:
    explicit Repair3FORM(RepairWizard& wizard)
        : RepairListPage(wizard, QStringLiteral("Repair3FORM"), 3, QStringLiteral(" Repair [2/4]"),
                         QStringLiteral("Die folgenden Einträge haben eine falsche DiscID :"), QStringLiteral("Falsche Disc-IDs"), &WrongIDLines) {}
};

}  // namespace tolva
