#include "app/host/mainhost.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <functional>
#include <QWidget>

#include "app/host/toolwindow.h"
#include "app/platform/messages.h"
#include "app/platform/waiting.h"

namespace tolva {
namespace {

/// The main window's look before a blocking run, given back when the run finishes (a run inside
/// another gives back what the outer run had set).
struct Aside {
    bool visible;
    bool enabled;
    QString suffix;
};

}  // namespace

void MainHost::runWindow(ToolWindow* window, WindowMode mode) {
    if (mode == WindowMode::Companion) {
        for (const QPointer<ToolWindow>& open : std::as_const(companions_)) {
            if (open && !open->isFinished() && open->objectName() == window->objectName()) {
                delete window;
                open->raise();
                open->activateWindow();
                return;
            }
        }
        companions_.removeAll(nullptr);
        companions_.append(window);
        window->show();
        window->raise();
        window->activateWindow();
        return;
    }

    ++blocking_;
    QWidget* main = mainWindow();
    const Aside before{main->isVisible(), main->isEnabled(), suffix_};
    if (mode == WindowMode::BlockingHidden)
        main->hide();
    else
        main->setEnabled(false);
    // The companions wait too: a restore from the history, say, would change the file under a
    // wizard's feet.
    QList<QPointer<ToolWindow>> waiting;
    for (const QPointer<ToolWindow>& open : std::as_const(companions_))
        if (open && open->isEnabled()) {
            open->setEnabled(false);
            waiting.append(open);
        }
    setCaptionSuffix(window->suffix());

    QEventLoop loop;
    QPointer<ToolWindow> front(window);
    bool over = false;
    const auto giveBack = [&] {
        if (over) return;
        over = true;
        if (platform().ended()) return;  // nothing comes back for a program that is over
        setCaptionSuffix(before.suffix);
        main->setEnabled(before.enabled);
        // What ran may have written the file without a reload (Clean Up writes the table as it
        // is): the companions that waited look again.
        for (const QPointer<ToolWindow>& companion : std::as_const(waiting)) {
            if (!companion) continue;
            companion->setEnabled(true);
            companion->tableChanged();
        }
        if (before.visible) {
            main->show();
            main->activateWindow();
        }
    };
    // The main window comes back before the last window goes, so that it takes the focus.
    std::function<void(ToolWindow*)> watch = [&](ToolWindow* w) {
        QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
        QObject::connect(w, &ToolWindow::mainReleased, &loop, [main] { main->setEnabled(true); });
        QObject::connect(w, &ToolWindow::finished, &loop, [&, w] {
            if (ToolWindow* next = w->successor()) {
                front = next;
                watch(next);
                setCaptionSuffix(next->suffix());
                if (!next->isVisible()) next->show();
                next->raise();
                next->activateWindow();
                return;
            }
            giveBack();
            loop.quit();
        });
    };
    watch(window);
    const FrontKeeper keeper(main, [&front]() -> QWidget* { return front.data(); });
    window->show();
    window->raise();
    window->activateWindow();
    Wait(platform(), loop, [&] { return over || !front; });
    giveBack();  // a window deleted without finishing gives the main window back all the same
    if (--blocking_ == 0) blockingEnded();
}

void MainHost::whileBusy(const std::function<void()>& work) {
    // What a question covered is drawn before the work (no input is taken meanwhile: a second
    // Remove must not start inside this one). The window is disabled after that, not drawn
    // disabled: drawn once more, enabled, with what the work changed, it is ready a whole repaint
    // sooner.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    struct Busy {
        QPointer<QWidget> main;
        bool enabled;
        ~Busy() {
            if (main) main->setEnabled(enabled);
        }
    } busy{mainWindow(), mainWindow()->isEnabled()};
    busy.main->setEnabled(false);
    work();
}

void MainHost::setCaptionSuffix(const QString& suffix) {
    suffix_ = suffix;
    showCaption(kTitle + suffix);
}

void MainHost::tellCompanions() {
    companions_.removeAll(nullptr);
    for (const QPointer<ToolWindow>& open : std::as_const(companions_))
        if (!open->isFinished()) open->tableChanged();
}

}  // namespace tolva
