#include "app/platform/waiting.h"

#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include "app/platform/seams.h"

namespace tolva {
namespace {

/// The waits under way, innermost last: the program's end wakes them all.
QList<QEventLoop*>& Waits() {
    static QList<QEventLoop*> waits;
    return waits;
}

/// Ends the wait when the waited-for window is hidden, closed or destroyed.
class EndFilter final : public QObject {
public:
    explicit EndFilter(QEventLoop& loop) : loop_(loop) {}

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Hide || type == QEvent::Close || type == QEvent::Destroy) loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

}  // namespace

FrontKeeper::FrontKeeper(QWidget* behind, std::function<QWidget*()> front) : behind_(behind), front_(std::move(front)) {
    if (behind) behind->installEventFilter(this);
}

FrontKeeper::~FrontKeeper() {
    if (behind_) behind_->removeEventFilter(this);
}

bool FrontKeeper::eventFilter(QObject* watched, QEvent* event) {
    // Queued: the activation of the window behind must be complete before another one takes it.
    if (watched == behind_ && event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &FrontKeeper::bringToFront);
    return QObject::eventFilter(watched, event);
}

void FrontKeeper::bringToFront() {
    QWidget* front = front_();
    if (!front || !front->isVisible()) return;
    front->raise();
    front->activateWindow();
}

void Wait(Platform& platform, QEventLoop& loop, const std::function<bool()>& over) {
    Waits().append(&loop);
    while (!over() && !platform.ended()) loop.exec();
    Waits().removeOne(&loop);
    if (platform.ended()) EndProgram();
}

void EndEveryWait() {
    for (QEventLoop* loop : std::as_const(Waits())) loop->quit();
}

void WaitForWindow(Platform& platform, QWidget* window, QWidget* behind) {
    QPointer<QWidget> watched(window);
    QPointer<QWidget> aside(behind);
    const bool wasEnabled = behind && behind->isEnabled();
    if (behind) behind->setEnabled(false);
    QEventLoop loop;
    EndFilter ending(loop);
    window->installEventFilter(&ending);
    const FrontKeeper keeper(behind, [watched] { return watched.data(); });
    window->show();
    window->raise();
    window->activateWindow();
    struct Restore {  // also when the program ended under the wait
        QPointer<QWidget>& watched;
        QPointer<QWidget>& aside;
        EndFilter& ending;
        bool wasEnabled;
        ~Restore() {
            if (watched) watched->removeEventFilter(&ending);
            if (aside) aside->setEnabled(wasEnabled);
        }
    } restore{watched, aside, ending, wasEnabled};
    Wait(platform, loop, [&watched] { return !watched || !watched->isVisible(); });
}

}  // namespace tolva
