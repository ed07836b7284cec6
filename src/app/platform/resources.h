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

QIcon ProgramIcon();  ///< ICON2
QCursor HandCursor();  ///< HAND, hot spot at the fingertip

}  // namespace tolva
