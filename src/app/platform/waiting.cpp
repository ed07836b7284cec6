#include "app/platform/waiting.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace tolva {
namespace {

class WaitFilter final : public QObject {
public:
    WaitFilter(QEventLoop& loop, QWidget* window, QWidget* behind) : loop_(loop), window_(window), behind_(behind) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && (event->type() == QEvent::Hide || event->type() == QEvent::Close ||
                                   event->type() == QEvent::Destroy)) {
            loop_.quit();
        } else if (watched == behind_ && event->type() == QEvent::WindowActivate && window_ &&
                   window_->isVisible()) {
            window_->raise();
            window_->activateWindow();
        }
        return false;
    }

private:
    QEventLoop& loop_;
    QPointer<QWidget> window_;
    QPointer<QWidget> behind_;
};

}  // namespace

void WaitForWindow(QWidget* window, QWidget* behind, const std::function<bool()>& keepWaiting) {
    QPointer<QWidget> watched(window);
    QEventLoop loop;
    WaitFilter filter(loop, window, behind);
    window->installEventFilter(&filter);
    if (behind) behind->installEventFilter(&filter);
    window->show();
    window->raise();
    window->activateWindow();
    while (watched && watched->isVisible()) {
        loop.exec();
        if (keepWaiting && !keepWaiting()) break;
    }
    if (watched) watched->removeEventFilter(&filter);
    if (behind) behind->removeEventFilter(&filter);
}

}  // namespace tolva
