#include "app/wizard/wizardpage.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "app/host/mainhost.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "app/wizard/wizardrun.h"
#include "core/state.h"
#include "core/wizard/pages.h"

namespace tolva {
namespace {

// The texts wrap at one width on every page, so a page's size does not depend on its words.
constexpr int kColumnWidth = 440;

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

WizardPage::WizardPage(WizardRun& run, int number)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      run_(run),
      number_(number) {
    setObjectName(QString::fromLatin1(PageName(number).data()));
    setWindowIcon(ProgramIcon());

    PICTUREBOX = new QLabel(this);
    PICTUREBOX->setObjectName(QStringLiteral("PICTUREBOX"));
    PICTUREBOX->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PICTUREBOX->setAccessibleName(QStringLiteral("Wizard"));
    PICTUREBOX->setFixedSize(PictureSize(QStringLiteral("WIZARD")));

    BackBUTTON = Button(this, "BackBUTTON", QStringLiteral("< Back"));
    ForwardBUTTON = Button(this, "ForwardBUTTON", QStringLiteral("Next >"));
    AbortBUTTON = Button(this, "AbortBUTTON", QStringLiteral("Abort"));

    auto* columns = new QHBoxLayout;
    columns->addWidget(PICTUREBOX, 0, Qt::AlignTop);
    auto* column = new QWidget(this);
    column->setFixedWidth(kColumnWidth);
    content_ = new QVBoxLayout(column);
    content_->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(column, 0, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BackBUTTON);
    buttons->addWidget(ForwardBUTTON);
    buttons->addSpacing(12);
    buttons->addWidget(AbortBUTTON);

    auto* page = new QVBoxLayout(this);
    page->addLayout(columns, 1);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);  // fixed size: no resizing, no maximising

    connect(ForwardBUTTON, &QPushButton::clicked, this, &WizardPage::ForwardBUTTON_Click);
    connect(BackBUTTON, &QPushButton::clicked, this, &WizardPage::BackBUTTON_Click);
    connect(AbortBUTTON, &QPushButton::clicked, this, &WizardPage::AbortBUTTON_Click);
}

QLabel* WizardPage::addText(const QString& text) {
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    content_->addWidget(label);
    return label;
}

void WizardPage::Form_Load() {
    guarded("Form_Load", [this] {
        wizard().ActivePage = number_;
        const QString suffix = QStringLiteral(" Wizard [%1/%2]").arg(number_).arg(kLastPage);
        main().setCaptionSuffix(suffix);
        setWindowTitle(kTitle + suffix);
        PICTUREBOX->setPixmap(Picture(QStringLiteral("WIZARD"), devicePixelRatioF()));
        load();
    });
}

void WizardPage::ForwardBUTTON_Click() {
    guarded("ForwardBUTTON_Click", [this] { next(); });
}

void WizardPage::BackBUTTON_Click() {
    guarded("BackBUTTON_Click", [this] { back(); });
}

void WizardPage::AbortBUTTON_Click() {
    guarded("AbortBUTTON_Click", [this] { run_.end(); });
}

bool WizardPage::guarded(const char* handler, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& failure) {
        const QString module = objectName() + QLatin1Char('.') + QString::fromLatin1(handler);
        ShowCommonError(platform(), this, Failure{failure.what(), module.toStdString()});
    }
    if (!ended()) return true;
    run_.end();  // the program is over: let the waiting loop go
    return false;
}

bool WizardPage::ended() const { return run_.platform().ended(); }

void WizardPage::closeEvent(QCloseEvent* event) {
    // Closing through the frame is Abort; a page that cannot be left (Finish under way, the Info
    // window open) stays.
    event->ignore();
    if (isVisible() && AbortBUTTON->isEnabled() && isEnabled() && run_.current() == this) AbortBUTTON_Click();
}

MainHost& WizardPage::main() { return run_.main(); }
ProgramState& WizardPage::state() { return run_.state(); }
WizardState& WizardPage::wizard() { return run_.state().wizard; }
Platform& WizardPage::platform() { return run_.platform(); }

}  // namespace tolva
