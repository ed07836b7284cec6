#include "app/mainwindow/splashform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPainter>
#include <QStandardPaths>

#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "app/host/mainhost.h"

namespace tolva {

SplashFORM::SplashFORM(MainHost& host)
    : ToolWindow(host, "SplashFORM", QString(), Qt::SplashScreen | Qt::FramelessWindowHint, false) {
    const Platform& platform = host.platform();
    logo_ = KeptPicture(QStringLiteral("LOGO"), devicePixelRatioF(),
                        QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    const QSize size = PictureSize(QStringLiteral("LOGO"));
    setFixedSize(size.isEmpty() ? QSize(480, 300) : size);

    VersionLABEL = new QLabel(VersionText(platform.program->releaseName(), platform.program->revision()), this);
    VersionLABEL->setObjectName(QStringLiteral("VersionLABEL"));
    VersionLABEL->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // White over the logo in every state, the label's background left unpainted: a palette, as a
    // style sheet would cost the splash a style of its own.
    QPalette white = VersionLABEL->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    VersionLABEL->setPalette(white);
    VersionLABEL->adjustSize();
    const int top = 12;
    VersionLABEL->move(RightAlignedLeft(width(), VersionLABEL->width(), top), top);
    setAccessibleName(kTitle + QLatin1Char(' ') + VersionLABEL->text());
    setFocusPolicy(Qt::StrongFocus);  // About is closed from the keyboard as by a click
}

QString SplashFORM::VersionText(const QString& releaseName, int revision) {
    return releaseName + QLatin1Char('\n') + tr("Build %1").arg(revision);
}

void SplashFORM::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    finish();
}

void SplashFORM::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            event->accept();
            finish();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void SplashFORM::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (logo_.isNull()) {
        painter.fillRect(rect(), QColor(40, 40, 70));
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, kTitle);
    } else {
        painter.drawPixmap(0, 0, logo_);
    }
}

}  // namespace tolva
