#include "app/tools/toolwizard.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <exception>

#include "app/host/mainhost.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "app/platform/waiting.h"
#include "app/tools/cleanupform.h"
#include "core/state.h"

namespace tolva {
namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

bool ToolWizard::active() const { return main_.state().wizard.WizardActive; }

void ToolWizard::Run(ToolPage* first) {
    first->ensurePolished();  // its final size, so that it can be centred before it shows
    first->layout()->activate();
    first->adjustSize();
    const QRect screen = main_.ownerWindow()->screen()->geometry();
    first->move(screen.left() + screen.width() / 2 - first->width() / 2,
                screen.top() + screen.height() / 2 - first->height() / 2);
    current_ = first;
    first->show();
    first->raise();
    first->activateWindow();
    const ToolWindowGuard aside(main_, first->windowTitle().mid(kTitle.size()));
    main_.state().wizard.WizardActive = true;

    QEventLoop loop;
    const FrontKeeper keeper(main_.ownerWindow(), [this]() -> QWidget* { return active() ? current() : nullptr; });
    loop_ = &loop;
    if (active()) loop.exec();
    loop_ = nullptr;
    if (main_.ended()) return;

    main_.ownerWindow()->activateWindow();
    main_.clearSearch();
}

void ToolWizard::GoTo(ToolPage* target) {
    QPointer<ToolPage> leaving = current_;
    if (leaving) target->move(leaving->pos());
    current_ = target;
    target->show();
    target->raise();
    target->activateWindow();
    if (leaving) leaving->leave();
}

void ToolWizard::End() {
    main_.state().wizard.WizardActive = false;
    main_.ownerWindow()->setEnabled(true);
    if (current_) current_->leave();
    if (loop_) loop_->quit();
}

void ToolWizard::Stop() {
    main_.state().wizard.WizardActive = false;
    if (current_) current_->leave();
    if (loop_) loop_->quit();
}

ToolPage::ToolPage(ToolWizard& wizard, const QString& name, int number, const QString& suffix,
                   const QString& picture)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      wizard_(wizard) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    wizard.main().state().wizard.ActivePage = number;
    setWindowTitle(kTitle + suffix);
    wizard.main().setCaptionSuffix(suffix);
    setWindowIcon(wizard.main().ownerWindow()->windowIcon());

    PICTUREBOX = new QLabel(this);
    PICTUREBOX->setObjectName(QStringLiteral("PICTUREBOX"));
    PICTUREBOX->setPixmap(Picture(picture, devicePixelRatioF()));
    PICTUREBOX->setAccessibleName(picture.left(1) + picture.mid(1).toLower());

    outer_ = new QVBoxLayout(this);
    outer_->setSizeConstraint(QLayout::SetFixedSize);  // a page is not resized
    auto* columns = new QHBoxLayout;
    columns->addWidget(PICTUREBOX, 0, Qt::AlignTop);
    content_ = new QVBoxLayout;
    columns->addLayout(content_, 1);
    outer_->addLayout(columns, 1);
}

QLabel* ToolPage::addText(const char* name, const QString& text, bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setMinimumWidth(360);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    content_->addWidget(label);
    return label;
}

void ToolPage::addStartButtons() {
    content_->addStretch(1);
    auto* row = new QHBoxLayout;
    OkBUTTON = Button(this, "OkBUTTON", QStringLiteral("Start"));
    OkBUTTON->setDefault(true);
    AbortBUTTON = Button(this, "AbortBUTTON", QStringLiteral("Abort"));
    row->addStretch(1);
    row->addWidget(OkBUTTON);
    row->addWidget(AbortBUTTON);
    outer_->addLayout(row);
    onClick(AbortBUTTON, "AbortBUTTON_Click", &ToolPage::AbortBUTTON_Click);
}

void ToolPage::addPageButtons(const QString& forwardCaption) {
    content_->addStretch(1);
    auto* row = new QHBoxLayout;
    BackBUTTON = Button(this, "BackBUTTON", QStringLiteral("< Back"));
    ForwardBUTTON = Button(this, "ForwardBUTTON", forwardCaption);
    ForwardBUTTON->setDefault(true);
    AbortBUTTON = Button(this, "AbortBUTTON", QStringLiteral("Abort"));
    row->addStretch(1);
    row->addWidget(BackBUTTON);
    row->addWidget(ForwardBUTTON);
    row->addSpacing(12);
    row->addWidget(AbortBUTTON);
    outer_->addLayout(row);
    onClick(AbortBUTTON, "AbortBUTTON_Click", &ToolPage::AbortBUTTON_Click);
}

void ToolPage::AbortBUTTON_Click() {
    if (wizard_.current() == this)
        wizard_.End();
    else
        leave();
}

void ToolPage::leave() {
    leaving_ = true;
    close();
}

bool ToolPage::ended() {
    if (!wizard_.main().platform().ended()) return false;
    wizard_.Stop();
    return true;
}

void ToolPage::guarded(const char* handler, const std::function<void()>& body) {
    const QString module = objectName() + QLatin1Char('.') + QLatin1String(handler);
    MainHost& main = wizard_.main();
    try {
        body();
    } catch (const std::exception& failure) {
        ShowCommonError(main.platform(), this, Failure{failure.what(), module.toStdString()});
        if (main.platform().ended()) wizard_.Stop();
    }
}

void ToolPage::closeEvent(QCloseEvent* event) {
    if (!leaving_) {
        leaving_ = true;  // the frame's close button is Abort, and this close completes it
        AbortBUTTON_Click();
    }
    event->accept();
}

ToolFinishPage::ToolFinishPage(ToolWizard& wizard, const QString& name, int number, const QString& suffix,
                               const QString& picture)
    : ToolPage(wizard, name, number, suffix, picture) {
    addText("LABEL", QStringLiteral("The tolva! wizard has now all the information needed to update the bleem! "
                                    "database with your game information. Click 'Finish' to complete setup."));
    addText("LABEL", QStringLiteral("Activate the following option when you want to sort the ini afterwards :"));
    Check1 = new QCheckBox(QStringLiteral("Clean Up the ini afterwards"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    content()->addWidget(Check1);
    addPageButtons(QStringLiteral("Finish"));
    onClick(ForwardBUTTON, "ForwardBUTTON_Click", &ToolFinishPage::ForwardBUTTON_Click);
}

void ToolFinishPage::ForwardBUTTON_Click() {
    for (QWidget* control : {static_cast<QWidget*>(ForwardBUTTON), static_cast<QWidget*>(BackBUTTON),
                             static_cast<QWidget*>(AbortBUTTON), static_cast<QWidget*>(Check1)})
        control->setEnabled(false);
    const bool carryOn = finishWork();
    if (ended()) return;
    if (carryOn && Check1->isChecked()) {
        CleanUpFORM::RunFromPage(wizard_.main(), this);
        if (ended()) return;
    }
    wizard_.End();
}

}  // namespace tolva
