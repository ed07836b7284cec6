#pragma once
// Pages 3 to 6: one question about how the game runs, answered by one option of a group; each
// option stands for one digit at the page's flags position. The page preselects the option of
// the stored digit and writes the chosen digit back on Next and on Back alike, so going back and
// forth keeps the choices.
#include <QList>

#include "app/wizard/wizardpage.h"

class QButtonGroup;
class QRadioButton;

namespace tolva {

struct RemarkPage;

class RemarkForm : public WizardPage {
    Q_OBJECT

public:
    RemarkForm(PageRun& run, int number);

protected:
    void load() override;
    void next() override;
    void back() override;

private:
    void store();

    const RemarkPage& page_;
    QButtonGroup* group_ = nullptr;
    /// The options top to bottom, named as the page names them ("Option3", ...).
    QList<QRadioButton*> options;
};

}  // namespace tolva
