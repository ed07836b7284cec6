#include "app/wizard/wizard1form.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/host/mainhost.h"
#include "app/platform/controls.h"
#include "core/games/flags.h"
#include "core/state.h"

namespace tolva {

Wizard1FORM::Wizard1FORM(PageRun& run) : WizardPage(run, 1) {
    QLabel* welcome = addText(tr("Welcome to the tolva!-Wizard"));
    QFont heading = welcome->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    welcome->setFont(heading);
    addText(tr("Using this wizard, you're easily able to add new games to the bleem.ini and to edit existing games."));
    content()->addSpacing(12);
    addText(tr("Please choose :"));
    newOPTION = Named<QRadioButton>(this, "newOPTION", tr("Add a new game to the database"));
    editOPTION = Named<QRadioButton>(this, "editOPTION", tr("Change current information"));
    content()->addWidget(newOPTION);
    content()->addWidget(editOPTION);
    content()->addStretch(1);
    BackBUTTON->setEnabled(false);
}

void Wizard1FORM::load() {
    // Changing needs a selected game; without one only adding is offered.
    const bool canChange = main().selectedRow() >= 0;
    editOPTION->setEnabled(canChange);
    if (wizard().EditMode && canChange) {
        editOPTION->setChecked(true);
    } else {
        newOPTION->setChecked(true);
    }
}

void Wizard1FORM::next() {
    WizardState& w = wizard();
    const int row = main().selectedRow();
    if (editOPTION->isChecked() && row >= 0 && row <= state().games.GameLast) {
        const auto i = static_cast<std::size_t>(row);
        w.EditMode = true;
        w.EditTitle = state().games.GameTitle[i];
        w.EditID = state().games.GameID[i];
        // Pages change single positions: a word stored in another form gets the form they expect.
        w.EditFlags = CanonicalFlags(state().games.GameFlags[i]);
    } else {
        w.EditMode = false;
        w.EditTitle.clear();
        w.EditID.clear();
        w.EditFlags = std::string(kEmptyFlags);
    }
    run().goTo(2);
}

}  // namespace tolva
