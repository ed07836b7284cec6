#include "app/host/toolwindow.h"

#include <QCloseEvent>

#include "app/host/mainhost.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "app/platform/windowplace.h"
#include "core/state.h"

namespace tolva {

ToolWindow::ToolWindow(MainHost& host, const char* name, const QString& suffix, Qt::WindowFlags flags,
                       bool remembered)
    : QWidget(nullptr, flags), host_(host), suffix_(suffix) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitle + suffix);
    setWindowIcon(ProgramIcon());
    if (remembered) KeepPlace(this, host.platform().settings);
}

void ToolWindow::finish() {
    if (finished_) return;
    finished_ = true;
    Q_EMIT finished();
    close();
}

void ToolWindow::handOver(ToolWindow* next) {
    successor_ = next;
    finish();
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    // Only the window a user can reach answers its frame: one behind a message box of its own does
    // not. Qt ignores a close() inside this event, so an abort that finished closes through it.
    // Abort may end the program (a start-up without a folder): behind the boundary, as every
    // handler. A program that has ended keeps no window, whatever stood in front of it.
    if (host_.platform().ended())
        finished_ = true;
    else if (!finished_ && isVisible() && isEnabled() && !Guarded(host_.platform(), [this] { abort(); }))
        finish();
    event->setAccepted(finished_);
}

}  // namespace tolva
