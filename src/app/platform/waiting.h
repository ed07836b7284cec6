#pragma once
// Waiting for a window in front of another: the window behind stays disabled while a local event
// loop runs until the waited-for window is hidden or closed; activating the window behind brings
// the waited-for one back to the front. No busy loop.
#include <QObject>
#include <QPointer>
#include <functional>

class QEventLoop;
class QWidget;

namespace tolva {

struct Platform;

/// Runs loop until `over` answers true; the loop's own quits and the program's end wake it. When
/// the program ended meanwhile it throws ProgramEnd, so that nothing after the wait runs.
void Wait(Platform& platform, QEventLoop& loop, const std::function<bool()>& over);
/// Wakes every Wait under way (the program has ended).
void EndEveryWait();

/// While it lives, activating `behind` (from the task bar, say) brings the window `front` names
/// back to the front, when there is one and it is visible.
class FrontKeeper final : public QObject {
public:
    FrontKeeper(QWidget* behind, std::function<QWidget*()> front);
    ~FrontKeeper() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bringToFront();

    QPointer<QWidget> behind_;
    std::function<QWidget*()> front_;
};

/// Shows `window` without modality in front of `behind` (a tool window, or the splash), which is
/// disabled meanwhile, and returns once `window` is hidden or closed, with `behind` as it was.
/// Only the host puts the main window `behind`; tool windows run through MainHost::runWindow.
void WaitForWindow(Platform& platform, QWidget* window, QWidget* behind);

}  // namespace tolva
