#pragma once
// Waiting for a secondary window: the window behind stays disabled (or hidden) while a local
// event loop runs until the waited-for window is hidden or closed; activating the window behind
// brings the waited-for one back to the front. No busy loop.
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace tolva {

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

/// Shows `window` without modality and returns once it is hidden or closed, or once `keepWaiting`
/// (when given) answers false after a window of the run was hidden. `behind` may be null.
void WaitForWindow(QWidget* window, QWidget* behind, const std::function<bool()>& keepWaiting = {});

}  // namespace tolva
