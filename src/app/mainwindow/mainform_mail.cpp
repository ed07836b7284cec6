// "Mail to Tolva!": the mail window, then the notice window, with the main window waiting.
#include <QAction>
#include <QApplication>

#include "app/mail/mail2form.h"
#include "app/host/online.h"
#include "app/mainwindow/mainform.h"
#include "app/platform/guarded.h"

namespace tolva {

void MainFORM::MailMENU_Click() {
    // After "Abort" the main window is available while the notice shows; a second run would
    // nest inside the first, so the open window comes to the front instead.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if ((window->inherits("tolva::MailFORM") || qobject_cast<Mail2FORM*>(window)) && window->isVisible()) {
            window->raise();
            window->activateWindow();
            return;
        }
    }
    const OnlineWindows* windows = online();
    if (!windows) return;
    clearSearch();
    runWindow(windows->mail(*this), WindowMode::Blocking);  // the notice follows in its place
}

void MainFORM::connectMail() { OnSignal(platform_, MailMENU, &QAction::triggered, this, [this] { MailMENU_Click(); }); }

}  // namespace tolva
