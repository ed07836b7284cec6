#include "app/platform/resources.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QSaveFile>
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

// "w h" as two 32-bit numbers, then the premultiplied ARGB pixels row by row.
constexpr qint64 kKeptHeader = 2 * sizeof(qint32);

// Names the drawing: the picture's own bytes, the density and the Qt that drew it.
QString KeptName(const QString& name, qreal devicePixelRatio) {
    QFile source(PathOf(name));
    if (!source.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(source.readAll());
    hash.addData(QByteArray(qVersion()));
    return QStringLiteral("%1-%2-%3.argb").arg(name, QString::fromLatin1(hash.result().toHex()),
                                                QString::number(qRound(devicePixelRatio * 100)));
}

QPixmap ReadKept(const QString& path, qreal devicePixelRatio) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || file.size() < kKeptHeader) return {};
    qint32 size[2] = {};
    if (file.read(reinterpret_cast<char*>(size), kKeptHeader) != kKeptHeader) return {};
    const qint64 pixels = qint64(size[0]) * size[1];
    if (size[0] <= 0 || size[1] <= 0 || pixels > (1 << 24) || file.size() != kKeptHeader + 4 * pixels) return {};
    QImage image(size[0], size[1], QImage::Format_ARGB32_Premultiplied);  // rows of 4 * width bytes
    if (image.isNull() || file.read(reinterpret_cast<char*>(image.bits()), 4 * pixels) != 4 * pixels) return {};
    // As drawn: an opaque picture keeps the format it was drawn in.
    QPixmap pixmap = QPixmap::fromImage(std::move(image), Qt::NoOpaqueDetection);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

void WriteKept(const QString& path, const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    const qint32 size[2] = {image.width(), image.height()};
    file.write(reinterpret_cast<const char*>(size), kKeptHeader);
    file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    file.commit();  // a copy not kept is drawn again next time
}

}  // namespace

QPixmap KeptPicture(const QString& name, qreal devicePixelRatio, const QString& folder) {
    const QString kept = folder.isEmpty() ? QString() : KeptName(name, devicePixelRatio);
    if (kept.isEmpty()) return Picture(name, devicePixelRatio);
    const QString path = QDir(folder).filePath(kept);
    if (QPixmap pixmap = ReadKept(path, devicePixelRatio); !pixmap.isNull()) {
        NaturalSizes().insert(name, pixmap.deviceIndependentSize().toSize());
        return pixmap;
    }
    const QPixmap pixmap = Picture(name, devicePixelRatio);
    if (!pixmap.isNull()) WriteKept(path, pixmap);
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
