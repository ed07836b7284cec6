#pragma once
// Page 1: the choice between adding a game and changing the one selected in the main list.
#include "app/wizard/wizardpage.h"

class QRadioButton;

namespace tolva {

class Wizard1FORM : public WizardPage {
    Q_OBJECT

public:
    explicit Wizard1FORM(PageRun& run);

protected:
    void load() override;
    void next() override;
    void back() override {}

private:
    QRadioButton* newOPTION = nullptr;
    QRadioButton* editOPTION = nullptr;
};

}  // namespace tolva
