// The Add/Edit wizard's start: the button and the menu entry do the same.
#include <QAction>
#include <QPushButton>

#include "app/mainwindow/mainform.h"
#include "app/wizard/wizardpage.h"

namespace tolva {

void MainFORM::NewBUTTON_Click() {
    // One wizard at a time: the main window is disabled while one runs, and this refuses the rest.
    if (state_.wizard.WizardActive) return;
    WizardRun run(*this);
    if (run.Run()) setFocus(Qt::OtherFocusReason);
}

void MainFORM::connectWizard() {
    connect(NewBUTTON, &QPushButton::clicked, this, &MainFORM::NewBUTTON_Click);
    connect(NewMENU, &QAction::triggered, this, &MainFORM::NewBUTTON_Click);
}

}  // namespace tolva
