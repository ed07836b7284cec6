#pragma once
// Page 5: the remark about memory cards (flags position 4).
#include "app/wizard/remarkform.h"

namespace tolva {

class Wizard5FORM : public RemarkForm {
    Q_OBJECT

public:
    explicit Wizard5FORM(PageRun& run) : RemarkForm(run, 5) {}
};

}  // namespace tolva
