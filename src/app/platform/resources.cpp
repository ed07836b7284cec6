#include "app/platform/resources.h"

#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library, whose resource initialiser the linker would drop
// unless something refers to it.
static void LoadPictureResources() { Q_INIT_RESOURCE(resources); }

namespace tolva {
namespace {

QString PathOf(const QString& name) {
    static const bool loaded = (LoadPictureResources(), true);
    (void)loaded;
    return QStringLiteral(":/images/") + name;
}

}  // namespace

QSize PictureSize(const QString& name) {
    QSvgRenderer renderer(PathOf(name));
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

QPixmap Picture(const QString& name, qreal devicePixelRatio, QSize size) {
    QSvgRenderer renderer(PathOf(name));
    if (!renderer.isValid()) return {};
    if (size.isEmpty()) size = renderer.defaultSize();
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Picture(QStringLiteral("ICON2"), 1.0, {side, side}));
    return icon;
}

QCursor HandCursor() {
    const QPixmap hand = Picture(QStringLiteral("HAND"), 2.0, {32, 32});
    if (hand.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 10, 1);  // fingertip
}

}  // namespace tolva
