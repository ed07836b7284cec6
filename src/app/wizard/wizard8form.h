#pragma once
// Page 8: Finish settles the status, writes the entry into bleem!.INI, optionally cleans the file
// up, selects the written game in the main list through the search box, and ends the run.
#include "app/wizard/wizardpage.h"

class QCheckBox;
class QLabel;

namespace tolva {

class Wizard8FORM : public WizardPage {
    Q_OBJECT

public:
    explicit Wizard8FORM(PageRun& run);

protected:
    void next() override;
    void back() override;

private:
    QLabel* LoadLABEL = nullptr;
    QCheckBox* Check1 = nullptr;
};

}  // namespace tolva
