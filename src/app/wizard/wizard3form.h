#pragma once
// Page 3: the remark about graphics (flags position 7).
#include "app/wizard/remarkform.h"

namespace tolva {

class Wizard3FORM : public RemarkForm {
    Q_OBJECT

public:
    explicit Wizard3FORM(PageRun& run) : RemarkForm(run, 3) {}
};

}  // namespace tolva
