#pragma once
// The program's pictures by name ("YES", "LOGO", "HAND", ...), drawn from the SVG sources
// compiled into the program, at the screen's pixel density.
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tolva {

/// The picture's own size in logical pixels (empty for an unknown name).
QSize PictureSize(const QString& name);

/// The picture at its own size (or at `size` when given), crisp for devicePixelRatio.
QPixmap Picture(const QString& name, qreal devicePixelRatio, QSize size = {});

/// Picture(name, devicePixelRatio, size), kept in folder between runs: the splash's logo costs
/// more to draw than the rest of the start. Drawn afresh (and kept again) when the kept copy is
/// missing, damaged, or from another version of the picture or of Qt; folder "" keeps nothing.
QPixmap KeptPicture(const QString& name, qreal devicePixelRatio, const QString& folder, QSize size = {});

/// KeptPicture in the user's cache folder, read once a run: the first game's pictures and the
/// program's icon are shown at start without drawing their SVGs.
QPixmap CachedPicture(const QString& name, qreal devicePixelRatio, QSize size = {});

QIcon ProgramIcon();  ///< ICON2
QCursor HandCursor();  ///< HAND, hot spot at the fingertip

}  // namespace tolva
