#pragma once
// The compare wizard's page 2.
#include "app/pages/pagerun.h"

namespace tolva {

class Compare3FORM : public Page {
    Q_OBJECT

public:
    explicit Compare3FORM(PageRun& run);

protected:
    void next() override { run().goTo(4); }
    void back() override { run().goTo(2); }
};

}  // namespace tolva
