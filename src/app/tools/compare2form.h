#pragma once
// The compare wizard's page 1: Back is not available.
#include "app/pages/pagerun.h"

namespace tolva {

class Compare2FORM : public Page {
    Q_OBJECT

public:
    explicit Compare2FORM(PageRun& run);

protected:
    void next() override { run().goTo(3); }
};

}  // namespace tolva
