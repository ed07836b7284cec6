#include "app/platform/resources.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QSaveFile>
#include <QStandardPaths>
#include <QIconEngine>
#include <QPainter>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The pictures live in a static library, whose resource initialiser the linker would drop
// unless something refers to it.
static void LoadPictureResources() { Q_INIT_RESOURCE(resources); }

namespace tolva {
namespace {

QString PathOf(const QString& name) {
    static std::once_flag loaded;
    std::call_once(loaded, LoadPictureResources);
    return QStringLiteral(":/images/") + name;
}

// Each picture's own size, noted when it is first read: the splash asks for its logo's size
// after drawing it, and reading the SVG again would cost as much as the drawing.
QHash<QString, QSize>& NaturalSizes() {
    static QHash<QString, QSize> sizes;
    return sizes;
}

// The pictures are SVG, drawn by Qt's SVG image plugin: the SVG library is loaded when a
// picture is first drawn, not at every start, where the pictures come from kept copies.
QImageReader SvgReader(const QString& name) { return QImageReader(PathOf(name), QByteArrayLiteral("svg")); }

}  // namespace

QSize PictureSize(const QString& name) {
    if (const auto known = NaturalSizes().constFind(name); known != NaturalSizes().cend()) return *known;
    const QSize size = SvgReader(name).size();
    NaturalSizes().insert(name, size);
    return size;
}

QPixmap Picture(const QString& name, qreal devicePixelRatio, QSize size) {
    // Drawn once per name, size and density: a row click shows two pictures, and SVG rendering
    // costs far more than the click's own work.
    static QHash<QString, QPixmap> drawn;
    const QString key = QStringLiteral("%1 %2x%3 %4").arg(name).arg(size.width()).arg(size.height()).arg(devicePixelRatio);
    if (const auto found = drawn.constFind(key); found != drawn.cend()) return *found;
    QImageReader reader = SvgReader(name);
    const QSize natural = reader.size();
    NaturalSizes().insert(name, natural);
    if (natural.isEmpty()) return {};
    if (size.isEmpty()) size = natural;
    reader.setScaledSize(size * devicePixelRatio);
    QImage image = reader.read();
    if (image.isNull()) return {};
    // As drawn: transparent corners or not, the picture keeps the plugin's format.
    QPixmap pixmap = QPixmap::fromImage(std::move(image), Qt::NoOpaqueDetection);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    drawn.insert(key, pixmap);
    return pixmap;
}

namespace {

// "w h" as two 32-bit numbers, then the premultiplied ARGB pixels row by row.
constexpr qint64 kKeptHeader = 2 * sizeof(qint32);

// Names the drawing: the picture's own bytes as the program holds them (compressed or not, so
// that naming it needs no decompression), the density, the size asked for and the Qt that drew it.
QString KeptName(const QString& name, qreal devicePixelRatio, QSize size) {
    const QResource source(PathOf(name));
    if (!source.isValid()) return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(source.data()), source.size()));
    hash.addData(QByteArray(qVersion()));
    const QString sized = size.isEmpty() ? QString() : QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());
    return QStringLiteral("%1-%2-%3%4.argb").arg(name, QString::fromLatin1(hash.result().toHex()),
                                                  QString::number(qRound(devicePixelRatio * 100)), sized);
}

QPixmap ReadKept(const QString& path, qreal devicePixelRatio) {
    // Read into memory of its own, not mapped: a copy another program cut short while it is
    // drawn must not end the program.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    qint32 size[2] = {};
    struct stat file {};
    const bool headed = ::fstat(fd, &file) == 0 && ::read(fd, size, kKeptHeader) == kKeptHeader;
    const qint64 pixels = qint64(size[0]) * size[1];
    if (!headed || size[0] <= 0 || size[1] <= 0 || pixels > (1 << 24) || file.st_size != kKeptHeader + 4 * pixels) {
        ::close(fd);
        return {};
    }
    QImage image(size[0], size[1], QImage::Format_ARGB32_Premultiplied);
    const bool whole = !image.isNull() && ::read(fd, image.bits(), std::size_t(4 * pixels)) == 4 * pixels;
    ::close(fd);
    if (!whole) return {};
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

QPixmap KeptPicture(const QString& name, qreal devicePixelRatio, const QString& folder, QSize size) {
    const QString kept = folder.isEmpty() ? QString() : KeptName(name, devicePixelRatio, size);
    if (kept.isEmpty()) return Picture(name, devicePixelRatio, size);
    const QString path = QDir(folder).filePath(kept);
    if (QPixmap pixmap = ReadKept(path, devicePixelRatio); !pixmap.isNull()) {
        if (size.isEmpty()) NaturalSizes().insert(name, pixmap.deviceIndependentSize().toSize());
        return pixmap;
    }
    const QPixmap pixmap = Picture(name, devicePixelRatio, size);
    if (!pixmap.isNull()) WriteKept(path, pixmap);
    return pixmap;
}

QPixmap CachedPicture(const QString& name, qreal devicePixelRatio, QSize size) {
    static QHash<QString, QPixmap> shown;
    const QString key = QStringLiteral("%1 %2x%3 %4").arg(name).arg(size.width()).arg(size.height()).arg(devicePixelRatio);
    if (const auto found = shown.constFind(key); found != shown.cend()) return *found;
    const QPixmap pixmap = KeptPicture(name, devicePixelRatio,
                                       QStandardPaths::writableLocation(QStandardPaths::CacheLocation), size);
    shown.insert(key, pixmap);
    return pixmap;
}

namespace {

// Draws the icon at the size the window system asks for, when it asks: drawing every size up
// front would hold up the first window. The sizes drawn are kept: on X the first window asks for
// four of them, and drawing them from SVG cost more than the rest of the splash.
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(QString name) : name_(std::move(name)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawPixmap(rect, CachedPicture(name_, painter->device()->devicePixelRatioF(), rect.size()));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override { return CachedPicture(name_, 1.0, size); }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        return CachedPicture(name_, scale, size / scale);
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
