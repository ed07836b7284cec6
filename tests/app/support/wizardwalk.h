#pragma once
// Walks a run of the Add/Edit wizard through its real pages: each step waits until its page is
// the open one and then acts on it by its controls' names, while the main window waits in the
// wizard's own loop. A step that never comes aborts the run, so a broken flow fails the test
// instead of hanging it.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/mainwindow/mainform.h"
#include "core/state.h"
#include "fakeplatform.h"

namespace tolva::test {

/// The main window started on a bleem!.INI (and a small Compatibility.TXT) in the program folder.
struct LoadedMain {
    explicit LoadedMain(const QByteArray& ini);
    QByteArray file() const;
    void writeFile(const QByteArray& bytes) const;

    TestPlatform t;
    ProgramState state;
    std::unique_ptr<MainFORM> main;
};

/// The named control of a window; a missing one ends the test run, as the window is then wrong.
template <class T>
T* Find(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("%s has no %s", qPrintable(window->objectName()), name);
    return child;
}

class WizardWalk {
public:
    explicit WizardWalk(ProgramState& state) : state_(state) {}

    /// Adds a step: when page (1 to 8) is open, act on it.
    WizardWalk& on(int page, std::function<void(QWidget*)> act);

    /// Starts the wizard with `start` (a click on NewBUTTON, say) and returns when it is over.
    /// Returns whether every step ran.
    bool run(const std::function<void()>& start);
    bool run(MainFORM& main);

    /// The pages the steps acted on, in order.
    QList<int> visited;

private:
    struct Step {
        int page;
        std::function<void(QWidget*)> act;
    };
    ProgramState& state_;
    QList<Step> steps_;
};

/// The visible wizard page windows (any of the eight).
QList<QWidget*> OpenWizardPages();

/// Clicks the named button of a window (it must exist).
void Click(QWidget* window, const char* name);

}  // namespace tolva::test
