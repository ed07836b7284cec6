#include "app/wizard/wizard2form.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/host/mainhost.h"
#include "app/platform/coretext.h"
#include "app/platform/controls.h"
#include "app/platform/discimage.h"
#include "app/platform/imagereader.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "app/platform/waiting.h"
#include "app/startup/dialog.h"
#include "app/wizard/info1form.h"
#include "core/games/flags.h"
#include "core/state.h"
#include "core/wizard/identity.h"
#include "core/wizard/systemcnf.h"

namespace tolva {
namespace {

// A drive button is 375 by 285 twips, and the buttons stand 120 twips apart.
constexpr int kDriveButtonWidth = 25;
constexpr int kDriveButtonHeight = 19;
constexpr int kDriveButtonGap = 8;

constexpr char32_t kBackspaceCode = 8;

// The character a key types as the text box's key handler sees it; 0 for keys that type none
// (arrows, Delete, Home, Tab: they move or edit and never reach that handler).
char32_t TypedCode(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Backspace: return kBackspaceCode;
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return 0;
        default: break;
    }
    const QString text = event->text();
    if (!text.isEmpty()) return text.toUcs4().value(0);
    if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) {
        return static_cast<char32_t>(event->key() - Qt::Key_A + 1);  // Ctrl+V is character 22
    }
    return 0;
}

}  // namespace

Wizard2FORM::Wizard2FORM(PageRun& run) : WizardPage(run, 2) {
    QLabel* titleLabel = addText(tr("Please enter the game's name : (required)"));
    titleTEXT = Uncaptioned<QLineEdit>(this, "titleTEXT", tr("Game name"));
    titleLabel->setBuddy(titleTEXT);
    content()->addWidget(titleTEXT);

    QLabel* idLabel = addText(tr("Please enter the 10 digit code which is required by bleem! to detect the game's name and the flags:"));
    idTEXT = Uncaptioned<QLineEdit>(this, "idTEXT", tr("10 digit code"));
    idTEXT->setFixedWidth(idTEXT->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
    idLabel->setBuddy(idTEXT);
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(idTEXT);
    idRow->addWidget(new QLabel(tr("(required)"), this));
    idRow->addSpacing(kDriveButtonGap);
    const QList<Drive> drives = platform().drives->cdromDrives();
    for (int index = 0; index < drives.size(); ++index) {
        QPushButton* button = NamedButton(this, "driveBUTTON", drives[index].caption);
        button->setProperty("index", index);
        button->setAutoDefault(false);
        button->setMinimumSize(kDriveButtonWidth, kDriveButtonHeight);
        button->setAccessibleDescription(tr("Read the 10 digit code from the game CD in this drive"));
        button->setToolTip(button->accessibleDescription());
        idRow->addWidget(button);
        idRow->addSpacing(kDriveButtonGap);
        driveBUTTON.append(button);
        driveRoots_.append(drives[index].root);
        on(button, &QPushButton::clicked, "driveBUTTON_Click", [this, index] { driveBUTTON_Click(index); });
    }
    ImageBUTTON = new QPushButton(tr("Disc image..."), this);
    ImageBUTTON->setObjectName(QStringLiteral("ImageBUTTON"));
    ImageBUTTON->setAutoDefault(false);
    ImageBUTTON->setToolTip(tr("Read the 10 digit code from a disc image (%1); dropping one here does the same")
                                .arg(QString::fromLatin1(kDiscImageFormats)));
    ImageBUTTON->setAccessibleDescription(ImageBUTTON->toolTip());
    idRow->addWidget(ImageBUTTON);
    on(ImageBUTTON, &QPushButton::clicked, "ImageBUTTON_Click", [this] { ImageBUTTON_Click(); });
    setAcceptDrops(true);
    idRow->addStretch(1);
    content()->addLayout(idRow);

    addText(tr("10 Digit Code can be found in Bleem! on the \"THIS GAME HASN'T BEEN TESTED SCREEN\" Just "
                           "click the \"b\" on the screen."));
    content()->addSpacing(8);
    addText(tr("Leave the following option checked when the game works with bleem!, and when it's "
                           "playable. Click on the info button to see when a game is 'unplayable'."));
    runningCHECK = Named<QCheckBox>(this, "runningCHECK", tr("This game works with bleem!"));
    runningCHECK->setChecked(true);
    InfoBUTTON = NamedButton(this, "InfoBUTTON", tr("Info"));
    InfoBUTTON->setAutoDefault(false);
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(runningCHECK);
    checkRow->addWidget(InfoBUTTON);
    checkRow->addStretch(1);
    content()->addLayout(checkRow);
    content()->addStretch(1);

    idTEXT->installEventFilter(this);
    on(idTEXT, &QLineEdit::textChanged, "IDTEXT_Change", [this] { idTEXT_Change(); });
    on(titleTEXT, &QLineEdit::textChanged, "titleTEXT_Change", [this] { titleTEXT_Change(); });
    on(InfoBUTTON, &QPushButton::clicked, "InfoBUTTON_Click", [this] { InfoBUTTON_Click(); });
}

void Wizard2FORM::load() {
    const WizardState& w = wizard();
    titleTEXT->setText(FromFile(w.EditTitle));
    idTEXT->setText(FromFile(w.EditID));
    const char status = FlagsPosition(w.EditFlags, 1);
    if (status == '4') runningCHECK->setChecked(false);
    if (status == '8') runningCHECK->setChecked(true);
    enableForward();
    // A disc handed to the wizard (the disc collection's "Add...") is read once, on arrival.
    if (QString& image = run<WizardRun>().image; !image.isEmpty()) readDisc(std::exchange(image, QString()));
}

void Wizard2FORM::enableForward() {
    ForwardBUTTON->setEnabled(CanGoForward(ToFile(idTEXT->text()), ToFile(titleTEXT->text())));
}

void Wizard2FORM::idTEXT_Change() {
    const QString digits = FromFile(FilterDiscID(ToFile(idTEXT->text())));
    if (digits != idTEXT->text()) {
        idTEXT->setText(digits);  // runs this rule once more, on the digits
        return;
    }
    enableForward();
}

void Wizard2FORM::titleTEXT_Change() {
    // bleem!.INI holds Windows-1252 only: a character it lacks is refused here, never written as "?".
    if (const QString refused = DropOutsideCp1252(titleTEXT); !refused.isEmpty()) report(OutsideCp1252Text(refused));
    enableForward();
}

bool Wizard2FORM::idTEXT_KeyPress(QKeyEvent* event) {
    const char32_t code = TypedCode(event);
    if (code == 0) return false;
    return !AcceptDiscIDKey(static_cast<std::size_t>(idTEXT->text().size()), code);
}

bool Wizard2FORM::eventFilter(QObject* watched, QEvent* event) {
    if (watched == idTEXT && event->type() == QEvent::KeyPress) return idTEXT_KeyPress(static_cast<QKeyEvent*>(event));
    return WizardPage::eventFilter(watched, event);
}

void Wizard2FORM::report(const QString& text) {
    platform().prompter->ask(this, kTitle, text, MsgIcon::Exclamation, MsgButtons::Ok);
}

void Wizard2FORM::driveBUTTON_Click(int index) {
    if (index >= 0 && index < driveRoots_.size()) readDisc(driveRoots_[index]);
}

void Wizard2FORM::ImageBUTTON_Click() {
    const QString filter = tr("Disc images|%1|Alle Dateien (*.*)|*.*").arg(QString::fromLatin1(kDiscImagePatterns));
    const QString path = Dialog(*platform().chooser, this).OpenFile(filter);
    if (!path.isEmpty()) readDisc(path);
}

void Wizard2FORM::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) event->acceptProposedAction();
}

void Wizard2FORM::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    readDisc(urls.front().toLocalFile());
}

void Wizard2FORM::readDisc(const QString& path) {
    // Reading a disc reports its own failures, and idTEXT keeps what it held. An image is read
    // by the reader process, so a damaged one costs a message, never the program.
    try {
        const DiscIdentity identity = ReadDiscOrImage(*platform().images, ToPath(path), state().discIDs);
        switch (identity.result) {
            case DiscRead::Found: idTEXT->setText(FromFile(identity.discID)); break;
            case DiscRead::NotInTable: report(CoreText(FromFile(DiscIDNotFoundText(identity.productCode)))); break;
            default: report(CoreText(QString::fromUtf8(identity.description))); break;  // names the file's path
        }
    } catch (const std::exception& failure) {
        report(QString::fromUtf8(failure.what()));
    }
}

void Wizard2FORM::InfoBUTTON_Click() {
    auto* info = new Info1FORM;
    info->move(geometry().center() - QPoint(info->sizeHint().width() / 2, info->sizeHint().height() / 2));
    WaitForWindow(platform(), info, this);
    activateWindow();
    InfoBUTTON->setFocus(Qt::OtherFocusReason);  // the keyboard goes on where it was
}

void Wizard2FORM::next() {
    WizardState& w = wizard();
    const std::string id = ToFile(idTEXT->text());
    if (!w.EditMode) {
        const int user = FindDiscIDUser(state().games, id);
        if (user >= 0) {
            platform().prompter->ask(this, kTitle,
                                     CoreText(FromFile(DuplicateDiscIDText(state().games.GameTitle[static_cast<std::size_t>(user)]))),
                                     MsgIcon::Critical, MsgButtons::Ok);
            return;
        }
    }
    w.EditTitle = ToFile(titleTEXT->text());
    w.EditID = id;
    if (!runningCHECK->isChecked()) {
        const MsgAnswer answer =
            platform().prompter->ask(this, kTitle, tr("Are you sure this game isn't working with bleem! ?"),
                                     MsgIcon::Question, MsgButtons::YesNo);
        if (answer == MsgAnswer::Yes) {
            w.EditFlags = std::string(kNotWorkingFlags);  // every remark of an existing word is dropped
            run().goTo(8);
        } else {
            w.EditFlags = std::string(kWorkingFlags);
            runningCHECK->setChecked(true);
        }
        return;
    }
    w.EditFlags = SetFlagsPosition(w.EditFlags, 1, '8');
    run().goTo(3);
}

void Wizard2FORM::back() { run().goTo(1); }

}  // namespace tolva
