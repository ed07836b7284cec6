#include "app/platform/waiting.h"

#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace tolva {
namespace {

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

void WaitForWindow(QWidget* window, QWidget* behind) {
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
    while (watched && watched->isVisible()) loop.exec();
    if (watched) watched->removeEventFilter(&ending);
    if (aside) aside->setEnabled(wasEnabled);
}

}  // namespace tolva
