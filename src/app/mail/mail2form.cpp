#include "app/mail/mail2form.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/host/mainhost.h"
#include "app/platform/controls.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "core/endpoints.h"
#include "app/platform/guarded.h"

namespace tolva {
Mail2FORM::Mail2FORM(MainHost& main) : ToolWindow(main, "Mail2FORM", tr(" Mail")), main_(main) {
    PICTUREBOX = PictureBox(this, tr("T-shirt"));

    auto* content = new QVBoxLayout;
    QLabel* heading = WrappedLabel(this, tr("How does it work?"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    content->addWidget(heading);
    content->addWidget(
        WrappedLabel(this, tr("It's easy! Just submit 15 complete compatibility reports for games that "
                                          "are not on bleem!'s Game List. Working or not, the bleem!-team need to "
                                          "know!")));
    content->addWidget(
        WrappedLabel(this, tr("If you help bleem! out by testing your games you can get this t-shirt "
                                          "FREE!")));
    SwagLABEL = WrappedLabel(this, QString(), "SwagLABEL");
    SwagLABEL->setFont(bold);
    SwagLABEL->setAlignment(Qt::AlignCenter);
    content->addWidget(SwagLABEL);
    content->addStretch(1);

    auto* link = new QHBoxLayout;
    Label1 = WrappedLabel(this, tr("Click here for more info :"), "Label1");
    Label1->setWordWrap(false);
    WebLABEL = WrappedLabel(this, QString::fromLatin1(kMakerPage), "WebLABEL");
    WebLABEL->setWordWrap(false);
    QFont underlined = WebLABEL->font();
    underlined.setUnderline(true);
    WebLABEL->setFont(underlined);
    WebLABEL->setForegroundRole(QPalette::Link);
    WebLABEL->setCursor(HandCursor());
    // Reachable from the keyboard too: Tab to it, then Enter or Space opens it.
    WebLABEL->setFocusPolicy(Qt::StrongFocus);
    WebLABEL->setAccessibleName(WebLABEL->text());
    WebLABEL->setAccessibleDescription(Label1->text());
    WebLABEL->setToolTip(Label1->text());
    WebLABEL->installEventFilter(this);
    Label1->setBuddy(WebLABEL);
    link->addWidget(Label1);
    link->addWidget(WebLABEL);
    link->addStretch(1);
    content->addLayout(link);

    OkBUTTON = NamedButton(this, "OkBUTTON", QStringLiteral("OK"));
    OkBUTTON->setDefault(true);
    AddButtonRow(content, {OkBUTTON});
    PictureBeside(this, PICTUREBOX, content);

    OnSignal(main_.platform(), OkBUTTON, &QPushButton::clicked, this, [this] { OkBUTTON_Click(); });

    // Form_Load
    setWindowTitle(kTitle + tr(" Mail"));
    PICTUREBOX->setPixmap(Picture(QStringLiteral("MAIL2"), devicePixelRatioF()));
    SwagLABEL->setText(tr("WHOOOOHOOOO!\nFREE SWAG!"));
}

void Mail2FORM::OkBUTTON_Click() { finish(); }

void Mail2FORM::WebLABEL_Click() { main_.platform().shell->open(QString::fromLatin1(kMakerPage)); }

bool Mail2FORM::eventFilter(QObject* watched, QEvent* event) {
    if (watched == WebLABEL) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            WebLABEL->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            WebLABEL_Click();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                WebLABEL_Click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tolva
