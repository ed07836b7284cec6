#include "app/pages/pagerun.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <exception>

#include "app/host/mainhost.h"
#include "app/platform/controls.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "core/state.h"

namespace tolva {

PageRun::PageRun(MainHost& main, PageMaker make) : main_(main), make_(std::move(make)) {}

PageRun::~PageRun() {
    // No page may outlive the run it refers to: one still standing (the program ended under it)
    // or left but not yet deleted goes now, when none of its handlers can be running.
    state().wizard.WizardActive = false;
    delete current_.data();
    for (const QPointer<Page>& page : std::as_const(retired_)) delete page.data();
}

ProgramState& PageRun::state() { return main_.state(); }
Platform& PageRun::platform() { return main_.platform(); }
bool PageRun::active() const { return main_.state().wizard.WizardActive; }

Page* PageRun::create(int number) {
    Page* created = make_(number);
    current_ = created;
    created->Form_Load();
    created->adjustSize();
    return created;
}

void PageRun::Run() {
    Page* first = create(1);
    // The first page always opens in the middle of the screen.
    const QRect screen = main_.dialogParent()->screen()->geometry();
    first->move(screen.x() + screen.width() / 2 - first->width() / 2,
                screen.y() + screen.height() / 2 - first->height() / 2);
    state().wizard.WizardActive = true;
    main_.runWindow(first, WindowMode::Blocking);
}

void PageRun::goTo(int number) {
    Page* from = current_;
    const QPoint place = from ? from->pos() : QPoint();  // a page the user has moved is replaced where it stands
    Page* target = create(number);
    if (!from) return;
    target->move(place);
    retired_.append(from);
    from->handOver(target);
}

void PageRun::end() {
    state().wizard.WizardActive = false;
    Page* page = current_;
    current_ = nullptr;
    if (!page) return;
    retired_.append(page);
    page->finish();
}

Page::Page(PageRun& run, const QString& name, int number, const QString& suffix, const QString& picture,
                 int column)
    : ToolWindow(run.main(), name.toLatin1().constData(), suffix,
                 Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                     Qt::MSWindowsFixedSizeDialogHint,
                 false),
      run_(run),
      number_(number) {

    PICTUREBOX = PictureBox(this, picture == QLatin1String("REPAIR")    ? tr("Repair")
                                  : picture == QLatin1String("COMPARE") ? tr("Compare")
                                                                        : tr("Wizard"), picture);
    PICTUREBOX->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PICTUREBOX->setFixedSize(PictureSize(picture));

    auto* columns = new QHBoxLayout;
    columns->addWidget(PICTUREBOX, 0, Qt::AlignTop);
    auto* texts = new QWidget(this);
    // The texts wrap at one width on every page of a wizard, so a page's size does not depend on
    // its words.
    if (column > 0)
        texts->setFixedWidth(column);
    else
        texts->setMinimumWidth(360);
    content_ = new QVBoxLayout(texts);
    content_->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(texts, 1, Qt::AlignTop);

    buttons_ = new QHBoxLayout;
    buttons_->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns, 1);
    page->addLayout(buttons_);
    page->setSizeConstraint(QLayout::SetFixedSize);  // fixed size: no resizing, no maximising
}

QLabel* Page::addText(const QString& text, const char* name, bool bold) {
    QLabel* label = WrappedLabel(this, text, name ? name : "");
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    content_->addWidget(label);
    return label;
}

QPushButton* Page::addButton(const char* name, const QString& caption) {
    QPushButton* button = NamedButton(this, name, caption);
    button->setAutoDefault(false);
    buttons_->addWidget(button);
    return button;
}

void Page::addStartButtons() {
    OkBUTTON = addButton("OkBUTTON", tr("Start"));
    OkBUTTON->setDefault(true);
    AbortBUTTON = addButton("AbortBUTTON", tr("Abort"));
    on(OkBUTTON, &QPushButton::clicked, "OkBUTTON_Click", [this] { next(); });
    on(AbortBUTTON, &QPushButton::clicked, "AbortBUTTON_Click", [this] { run_.end(); });
}

void Page::addPageButtons(const QString& forwardCaption) {
    BackBUTTON = addButton("BackBUTTON", tr("< Back"));
    ForwardBUTTON = addButton("ForwardBUTTON", forwardCaption);
    ForwardBUTTON->setDefault(true);
    buttons_->addSpacing(12);
    AbortBUTTON = addButton("AbortBUTTON", tr("Abort"));
    on(ForwardBUTTON, &QPushButton::clicked, "ForwardBUTTON_Click", [this] { next(); });
    on(BackBUTTON, &QPushButton::clicked, "BackBUTTON_Click", [this] { back(); });
    on(AbortBUTTON, &QPushButton::clicked, "AbortBUTTON_Click", [this] { run_.end(); });
}

void Page::Form_Load() {
    guarded("Form_Load", [this] {
        state().wizard.ActivePage = number_;
        setWindowTitle(kTitle + suffix());
        load();
    });
}

void Page::guarded(const char* handler, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& failure) {
        const QString module = objectName() + QLatin1Char('.') + QString::fromLatin1(handler);
        ShowCommonError(platform(), this, Failure{failure.what(), module.toStdString()});
    }
}

void Page::abort() {
    if (AbortBUTTON && AbortBUTTON->isEnabled() && run_.current() == this) AbortBUTTON->click();
}

MainHost& Page::main() { return run_.main(); }
ProgramState& Page::state() { return run_.state(); }
Platform& Page::platform() { return run_.platform(); }

}  // namespace tolva
