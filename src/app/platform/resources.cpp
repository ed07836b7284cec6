#include "app/platform/resources.h"

#include <QHash>
#include <QIconEngine>
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

// Each picture's own size, noted when it is first read: the splash asks for its logo's size
// after drawing it, and reading the SVG again would cost as much as the drawing.
QHash<QString, QSize>& NaturalSizes() {
    static QHash<QString, QSize> sizes;
    return sizes;
}

}  // namespace

QSize PictureSize(const QString& name) {
    if (const auto known = NaturalSizes().constFind(name); known != NaturalSizes().cend()) return *known;
    QSvgRenderer renderer(PathOf(name));
    const QSize size = renderer.isValid() ? renderer.defaultSize() : QSize();
    NaturalSizes().insert(name, size);
    return size;
}

QPixmap Picture(const QString& name, qreal devicePixelRatio, QSize size) {
    // Drawn once per name, size and density: a row click shows two pictures, and SVG rendering
    // costs far more than the click's own work.
    static QHash<QString, QPixmap> drawn;
    const QString key = QStringLiteral("%1 %2x%3 %4").arg(name).arg(size.width()).arg(size.height()).arg(devicePixelRatio);
    if (const auto found = drawn.constFind(key); found != drawn.cend()) return *found;
    QSvgRenderer renderer(PathOf(name));
    NaturalSizes().insert(name, renderer.isValid() ? renderer.defaultSize() : QSize());
    if (!renderer.isValid()) return {};
    if (size.isEmpty()) size = renderer.defaultSize();
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    drawn.insert(key, pixmap);
    return pixmap;
}

namespace {

// Draws the icon at the size the window system asks for, when it asks: drawing every size up
// front would hold up the first window.
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(QString name) : name_(std::move(name)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawPixmap(rect, Picture(name_, painter->device()->devicePixelRatioF(), rect.size()));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override { return Picture(name_, 1.0, size); }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        return Picture(name_, scale, size / scale);
    }
    QIconEngine* clone() const override { return new PictureIconEngine(name_); }
    QString key() const override { return QStringLiteral("tolva-picture"); }

private:
    QString name_;
};

}  // namespace

QIcon ProgramIcon() {
    static const QIcon icon(new PictureIconEngine(QStringLiteral("ICON2")));
    return icon;
}

QCursor HandCursor() {
    const QPixmap hand = Picture(QStringLiteral("HAND"), 2.0, {32, 32});
    if (hand.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 10, 1);  // fingertip
}

}  // namespace tolva
