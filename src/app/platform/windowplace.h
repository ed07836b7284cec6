#pragma once
// Windows come back where the user left them: position, size, maximised or not, and the sizes
// of their splitters, remembered under the window's objectName in a settings group of their own.
// A remembered place that lies off every screen (a monitor unplugged, a smaller screen) is brought
// back onto one, and no window opens larger than its screen.
#include <QList>
#include <QRect>

class QWidget;

namespace tolva {

struct SettingsStore;

/// From now on window keeps its place through settings: restored when it is first shown, stored
/// whenever it moves, changes size or hides; with no settings it is only made to fit its screen.
/// Its least height also holds its wrapped texts whole at its least width, which a window's own
/// minimum does not.
void KeepPlace(QWidget* window, SettingsStore* settings);

/// place (a window's outer rectangle) moved, and shrunk where it must, to lie within the screen
/// it overlaps most, or within the first screen when it overlaps none.
QRect OntoScreen(QRect place, const QList<QRect>& screens);

}  // namespace tolva
