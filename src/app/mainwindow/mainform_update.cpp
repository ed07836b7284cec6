// The two Online Update entries of the Tools menu.
#include <QAction>

#include "app/mainwindow/mainform.h"
#include "app/update/updateini.h"

namespace tolva {

void MainFORM::UpdateMENU_Click() { RunOnlineUpdate(*this, 1); }

void MainFORM::Update2MENU_Click() { RunOnlineUpdate(*this, 2); }

void MainFORM::connectUpdate() {
    connect(UpdateMENU, &QAction::triggered, this, &MainFORM::UpdateMENU_Click);
    connect(Update2MENU, &QAction::triggered, this, &MainFORM::Update2MENU_Click);
}

}  // namespace tolva
