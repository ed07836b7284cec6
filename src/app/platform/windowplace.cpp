#include "app/platform/windowplace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "app/platform/seams.h"

namespace tolva {
namespace {

// A place is "x,y,width,height" (the frame's corner, the inside's size), with ",maximized" when
// the window was; a splitter's sizes are its panes' widths (or heights), comma-separated.
QString PlaceText(const QRect& place, bool maximized) {
    QString text = QStringLiteral("%1,%2,%3,%4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
    return maximized ? text + QStringLiteral(",maximized") : text;
}

QList<int> Numbers(const QString& text) {
    QList<int> numbers;
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int number = part.toInt(&ok);
        if (!ok) break;
        numbers << number;
    }
    return numbers;
}

class PlaceKeeper final : public QObject {
public:
    PlaceKeeper(QWidget* window, SettingsStore* settings) : QObject(window), window_(window), settings_(settings) {
        // Moving and resizing come in bursts: the place is stored once the burst is over.
        store_.setSingleShot(true);
        store_.setInterval(300);
        connect(&store_, &QTimer::timeout, this, &PlaceKeeper::save);
        window->installEventFilter(this);
        for (QSplitter* splitter : window->findChildren<QSplitter*>())
            connect(splitter, &QSplitter::splitterMoved, &store_, [this] { store_.start(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        switch (event->type()) {
            case QEvent::Show:
                if (!shown_) restore();
                shown_ = true;
                break;
            case QEvent::Move:
            case QEvent::Resize:
                if (shown_ && window_->isVisible()) store_.start();
                break;
            case QEvent::Hide:
                if (shown_) save();
                break;
            default: break;
        }
        return false;
    }

private:
    QString key(const QString& part) const { return window_->objectName() + QLatin1Char('/') + part; }

    // What the frame adds around the inside: known once the window system has framed the window,
    // else the style's title bar and border as a fair guess.
    QMargins frame() const {
        if (const QWindow* handle = window_->windowHandle(); handle && !handle->frameMargins().isNull())
            return handle->frameMargins();
        const int border = window_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        return {border, window_->style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border};
    }

    void restore() {
        if (QLayout* layout = window_->layout(); layout && layout->hasHeightForWidth()) {
            const int least = layout->totalMinimumHeightForWidth(window_->minimumSizeHint().width());
            if (least > window_->minimumHeight()) window_->setMinimumHeight(least);
        }
        const QString stored = settings_ ? settings_->readWindow(key(QStringLiteral("geometry"))) : QString();
        const QList<int> place = Numbers(stored);
        const bool remembered = place.size() == 4 && place[2] > 0 && place[3] > 0;
        // Placed at the size it will have: a stored size may be below what the window takes now
        // (stored while it spoke a language of shorter words).
        const QSize size = remembered ? QSize(place[2], place[3]).expandedTo(window_->minimumSizeHint()) : window_->size();
        const QPoint corner = remembered ? QPoint(place[0], place[1]) : window_->pos();

        QList<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
        const QMargins margins = frame();
        const QRect outer = OntoScreen(QRect(corner, size.grownBy(margins)), screens);
        const QSize inside = outer.size().shrunkBy(margins).expandedTo(window_->minimumSize());
        if (inside != window_->size()) window_->resize(inside);
        // A window never placed lets the window system choose, unless it would hang off the screen.
        if (remembered || window_->testAttribute(Qt::WA_Moved) || outer.topLeft() != corner) window_->move(outer.topLeft());
        if (remembered && stored.endsWith(QStringLiteral(",maximized")))
            window_->setWindowState(window_->windowState() | Qt::WindowMaximized);

        for (QSplitter* splitter : window_->findChildren<QSplitter*>()) {
            if (!settings_) break;
            const QList<int> sizes = Numbers(settings_->readWindow(key(splitter->objectName())));
            if (sizes.size() == splitter->count()) splitter->setSizes(sizes);
        }
    }

    void save() {
        store_.stop();
        if (!settings_) return;
        // A maximised window keeps the place it comes back to when it is no longer maximised.
        const bool maximized = window_->isMaximized();
        QRect place(window_->pos(), window_->size());
        if (maximized) {
            const QMargins margins = frame();
            place = window_->normalGeometry().translated(-margins.left(), -margins.top());
        }
        settings_->writeWindow(key(QStringLiteral("geometry")), PlaceText(place, maximized));
        for (const QSplitter* splitter : window_->findChildren<QSplitter*>()) {
            QStringList sizes;
            for (int size : splitter->sizes()) sizes << QString::number(size);
            settings_->writeWindow(key(splitter->objectName()), sizes.join(QLatin1Char(',')));
        }
    }

    QWidget* window_;
    SettingsStore* settings_;
    QTimer store_;
    bool shown_ = false;
};

}  // namespace

void KeepPlace(QWidget* window, SettingsStore* settings) { new PlaceKeeper(window, settings); }

QRect OntoScreen(QRect place, const QList<QRect>& screens) {
    if (screens.isEmpty()) return place;
    QRect best = screens.first();
    qint64 bestOverlap = 0;
    for (const QRect& screen : screens) {
        const QRect overlap = screen.intersected(place);
        const qint64 area = qint64(overlap.width()) * overlap.height();
        if (area > bestOverlap) {
            best = screen;
            bestOverlap = area;
        }
    }
    place.setSize(place.size().boundedTo(best.size()));
    place.moveLeft(std::clamp(place.left(), best.left(), best.right() - place.width() + 1));
    place.moveTop(std::clamp(place.top(), best.top(), best.bottom() - place.height() + 1));
    return place;
}

}  // namespace tolva
