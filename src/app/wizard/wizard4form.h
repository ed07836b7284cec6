#pragma once
// Page 4: the remark about sound (flags position 5).
#include "app/wizard/remarkform.h"

namespace tolva {

class Wizard4FORM : public RemarkForm {
    Q_OBJECT

public:
    explicit Wizard4FORM(PageRun& run) : RemarkForm(run, 4) {}
};

}  // namespace tolva
