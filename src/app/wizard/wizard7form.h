#pragma once
// Page 7: the advanced graphics settings the game needs, as four boxes in two pairs that exclude
// each other, stored as one digit at flags position 2.
#include "app/wizard/wizardpage.h"

class QCheckBox;

namespace tolva {

class Wizard7FORM : public WizardPage {
    Q_OBJECT

public:
    explicit Wizard7FORM(PageRun& run);

    /// The rule of the pairs after a click on box (1 to 4) has changed it.
    void Check_Click(int box);

protected:
    void load() override;
    void next() override;
    void back() override;

private:
    std::uint8_t boxes() const;
    void setBoxes(std::uint8_t boxes);
    void store();
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
};

}  // namespace tolva
