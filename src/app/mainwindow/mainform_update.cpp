// The update entries of the Tools menu, and the Servers window they (and the mail) use.
#include <QAction>

#include "app/mainwindow/mainform.h"
#include "app/servers/serversform.h"
#include "app/update/updateini.h"
#include "app/platform/guarded.h"

namespace tolva {

void MainFORM::UpdateMENU_Click() { UpdateINI(*this, 1); }

void MainFORM::Update2MENU_Click() { UpdateINI(*this, 2); }

void MainFORM::MergeUpdateMENU_Click() {
    const QString path = platform_.chooser->chooseExisting(
        this, tr("Update files (*.ini *.INI *.txt *.TXT);;All files (*)"), QString());
    if (!path.isEmpty()) MergeUpdateFile(*this, path);
}

void MainFORM::ServersMENU_Click() { runWindow(new ServersFORM(*this), WindowMode::Companion); }

void MainFORM::connectUpdate() {
    OnSignals(platform_, this, &QAction::triggered,
              {{MergeUpdateMENU, &MainFORM::MergeUpdateMENU_Click},
               {ServersMENU, &MainFORM::ServersMENU_Click},
               {UpdateMENU, &MainFORM::UpdateMENU_Click},
               {Update2MENU, &MainFORM::Update2MENU_Click}});
}

}  // namespace tolva
