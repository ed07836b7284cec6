#pragma once
// Page 6: the remark about movies and the CD-ROM drive (flags position 3).
#include "app/wizard/remarkform.h"

namespace tolva {

class Wizard6FORM : public RemarkForm {
    Q_OBJECT

public:
    explicit Wizard6FORM(PageRun& run) : RemarkForm(run, 6) {}
};

}  // namespace tolva
