#pragma once
// The repair wizard's start page: what the wizard looks for, and "Start", which runs the search
// with the label of the running phase in bold.
#include <array>

#include "app/tools/repairwizard.h"
#include "app/tools/toolpage.h"

class QLabel;

namespace tolva {

class Repair1FORM : public ToolPage {
    Q_OBJECT

public:
    explicit Repair1FORM(RepairWizard& wizard);

protected:
    /// Start: the search, then page 2.
    void next() override;

private:
    bool searching_ = false;
    /// Index 0 the introduction, 1 "Suche nach :", 2 to 4 the phases, 5 the prompt.
    std::array<QLabel*, 6> LABEL{};
};

}  // namespace tolva
