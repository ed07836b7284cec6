// The Add/Edit wizard's start: the button and the menu entry do the same.
#include <QAction>
#include <QPushButton>

#include "app/mainwindow/mainform.h"
#include "app/wizard/wizardpage.h"
#include "app/platform/guarded.h"

namespace tolva {

void MainFORM::NewBUTTON_Click() { addGame({}); }

void MainFORM::addGame(const QString& image) {
    // One wizard at a time: the main window is disabled while one runs, and this refuses the rest.
    if (state_.wizard.WizardActive) return;
    // Refused before page 1: the user would fill every page only to be refused at Finish.
    if (refusedBeforeChange("Cannot add or change a game in")) return;
    WizardRun run(*this, image);
    run.Run();
    setFocus(Qt::OtherFocusReason);
}

void MainFORM::connectWizard() {
    OnSignal(platform_, NewBUTTON, &QPushButton::clicked, this, [this] { NewBUTTON_Click(); });
    OnSignal(platform_, NewMENU, &QAction::triggered, this, [this] { NewBUTTON_Click(); });
}

}  // namespace tolva
