#pragma once
// Waiting for a secondary window: the window behind stays disabled (or hidden) while a local
// event loop runs until the waited-for window is hidden or closed; activating the window behind
// brings the waited-for one back to the front. No busy loop.
#include <functional>

class QWidget;

namespace tolva {

/// Shows `window` without modality and returns once it is hidden or closed, or once `keepWaiting`
/// (when given) answers false after a window of the run was hidden. `behind` may be null.
void WaitForWindow(QWidget* window, QWidget* behind, const std::function<bool()>& keepWaiting = {});

}  // namespace tolva
