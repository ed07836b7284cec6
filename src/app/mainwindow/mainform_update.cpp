// The update entries of the Tools menu, and the Servers window they (and the mail) use.
#include <QAction>

#include "app/mainwindow/mainform.h"
#include "app/host/online.h"
#include "app/platform/guarded.h"
#include "app/platform/messages.h"

namespace tolva {

const OnlineWindows* MainFORM::online() {
    QString why;
    const OnlineWindows* windows = OnlineModule(&why);
    if (!windows)
        platform_.prompter->ask(this, tr("%1 Error").arg(kTitle),
                                tr("The network part of %1 could not be opened:\n%2").arg(kTitle, why),
                                MsgIcon::Critical, MsgButtons::Ok);
    return windows;
}

void MainFORM::UpdateMENU_Click() {
    if (const OnlineWindows* windows = online()) windows->update(*this, 1);
}

void MainFORM::Update2MENU_Click() {
    if (const OnlineWindows* windows = online()) windows->update(*this, 2);
}

void MainFORM::MergeUpdateMENU_Click() {
    const QString path = platform_.chooser->chooseExisting(
        this, tr("Update files (*.ini *.INI *.txt *.TXT);;All files (*)"), QString());
    if (path.isEmpty()) return;
    if (const OnlineWindows* windows = online()) windows->mergeUpdateFile(*this, path);
}

void MainFORM::ServersMENU_Click() {
    if (const OnlineWindows* windows = online()) runWindow(windows->servers(*this), WindowMode::Companion);
}

void MainFORM::connectUpdate() {
    OnSignals(platform_, this, &QAction::triggered,
              {{MergeUpdateMENU, &MainFORM::MergeUpdateMENU_Click},
               {ServersMENU, &MainFORM::ServersMENU_Click},
               {UpdateMENU, &MainFORM::UpdateMENU_Click},
               {Update2MENU, &MainFORM::Update2MENU_Click}});
}

}  // namespace tolva
