// The two Online Update entries of the Tools menu.
#include <QAction>

#include "app/mainwindow/mainform.h"
#include "app/update/updateini.h"
#include "app/platform/guarded.h"

namespace tolva {

void MainFORM::UpdateMENU_Click() { UpdateINI(*this, 1); }

void MainFORM::Update2MENU_Click() { UpdateINI(*this, 2); }

void MainFORM::connectUpdate() {
    OnSignal(platform_, UpdateMENU, &QAction::triggered, this, [this] { UpdateMENU_Click(); });
    OnSignal(platform_, Update2MENU, &QAction::triggered, this, [this] { Update2MENU_Click(); });
}

}  // namespace tolva
