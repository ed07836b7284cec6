#include "app/mail/mailform.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>
#include <QVBoxLayout>

#include "app/host/mainhost.h"
#include "app/platform/controls.h"
#include "app/platform/environment.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "app/platform/text.h"
#include "app/update/updatemessages.h"
#include "core/mail/message.h"
#include "core/state.h"

namespace tolva {
namespace {

MailDate LocalDate(const QDateTime& when) {
    const QDateTime local = when.toLocalTime();
    const QDate day = local.date();
    const QTime time = local.time();
    return {day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second()};
}

}  // namespace

MailFORM::MailFORM(MainHost& main) : QWidget(nullptr, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("MailFORM"));
    setWindowIcon(main.ownerWindow()->windowIcon());

    PICTUREBOX = new QLabel(this);
    PICTUREBOX->setObjectName(QStringLiteral("PICTUREBOX"));
    PICTUREBOX->setAccessibleName(QStringLiteral("Mail"));

    auto* content = new QVBoxLayout;
    content->addWidget(
        WrappedLabel(this, QStringLiteral("This wizard allows you to send your bleem!.ini, your comments and "
                                          "your bug reports regarding tolva! directly to the tolva! team.")));
    content->addWidget(
        WrappedLabel(this, QStringLiteral("If you have added any new entries to your bleem!.ini, which aren't "
                                          "available via the Update tool, we will add your name to the "
                                          "Readme.TXT.")));

    auto* fields = new QGridLayout;
    auto* nickLabel = WrappedLabel(this, QStringLiteral("Name :"));
    NickTEXT = new QLineEdit(this);
    NickTEXT->setObjectName(QStringLiteral("NickTEXT"));
    nickLabel->setBuddy(NickTEXT);
    auto* mailLabel = WrappedLabel(this, QStringLiteral("E-Mail :"));
    UserMailTEXT = new QLineEdit(this);
    UserMailTEXT->setObjectName(QStringLiteral("UserMailTEXT"));
    mailLabel->setBuddy(UserMailTEXT);
    fields->addWidget(nickLabel, 0, 0);
    fields->addWidget(NickTEXT, 0, 1);
    fields->addWidget(mailLabel, 1, 0);
    fields->addWidget(UserMailTEXT, 1, 1);
    fields->setColumnStretch(1, 1);
    content->addLayout(fields);

    auto* commentLabel = WrappedLabel(this, QStringLiteral("Comments && Suggestions :"));  // a buddy takes "&" as a mnemonic
    CommentTEXT = new QPlainTextEdit(this);
    CommentTEXT->setObjectName(QStringLiteral("CommentTEXT"));
    CommentTEXT->setTabChangesFocus(true);
    commentLabel->setBuddy(CommentTEXT);
    CommentTEXT->setAccessibleName(QStringLiteral("Comments & Suggestions"));
    content->addWidget(commentLabel);
    content->addWidget(CommentTEXT, 1);

    StatusTEXT = new QLineEdit(this);
    StatusTEXT->setObjectName(QStringLiteral("StatusTEXT"));
    StatusTEXT->setReadOnly(true);
    StatusTEXT->setFocusPolicy(Qt::NoFocus);
    StatusTEXT->setAccessibleName(QStringLiteral("Status"));
    content->addWidget(StatusTEXT);

    OkBUTTON = NamedButton(this, "OkBUTTON", QStringLiteral("Finish"));
    OkBUTTON->setDefault(true);
    AbortBUTTON = NamedButton(this, "AbortBUTTON", QStringLiteral("Abort"));
    AddButtonRow(content, {OkBUTTON, AbortBUTTON});
    PictureBeside(this, PICTUREBOX, content);
    resize(560, 420);

    MSWINSCK = new QTcpSocket(this);
    MSWINSCK->setObjectName(QStringLiteral("MSWINSCK"));
    replyTimer_ = new QTimer(this);
    replyTimer_->setSingleShot(true);
    replyTimer_->setInterval(std::chrono::seconds(kMailReplySeconds));
    deadlineTimer_ = new QTimer(this);
    deadlineTimer_->setSingleShot(true);
    deadlineTimer_->setTimerType(Qt::PreciseTimer);  // a limit, not a hint
    deadlineTimer_->setInterval(std::chrono::seconds(kMailReplySeconds) * kMailDeadlineReplies);

    connect(OkBUTTON, &QPushButton::clicked, this, &MailFORM::OkBUTTON_Click);
    connect(AbortBUTTON, &QPushButton::clicked, this, &MailFORM::AbortBUTTON_Click);
    connect(MSWINSCK, &QTcpSocket::readyRead, this, &MailFORM::MSWINSCK_DataArrival);
    connect(MSWINSCK, &QTcpSocket::disconnected, this, &MailFORM::MSWINSCK_Close);
    connect(MSWINSCK, &QTcpSocket::errorOccurred, this, &MailFORM::MSWINSCK_Error);
    connect(replyTimer_, &QTimer::timeout, this, &MailFORM::ReplyTimedOut);
    connect(deadlineTimer_, &QTimer::timeout, this, &MailFORM::ReplyTimedOut);

    // Form_Load
    setWindowTitle(kTitle + QStringLiteral(" Mail"));
    setStatus(kMailStatusStart);
    PICTUREBOX->setPixmap(Picture(QStringLiteral("MAIL"), devicePixelRatioF()));
}

MailFORM::~MailFORM() {
    // The socket, a child, reports its own end while this window is half taken down: not to us.
    MSWINSCK->disconnect(this);
}

void MailFORM::setReplyTimeout(std::chrono::milliseconds timeout) {
    replyTimer_->setInterval(timeout);
    deadlineTimer_->setInterval(timeout * kMailDeadlineReplies);
}

int MailFORM::dialogueState() const { return dialogue_ ? dialogue_->state() : 0; }

void MailFORM::setStatus(const std::string& text) { StatusTEXT->setText(FromFile(text)); }

void MailFORM::OkBUTTON_Click() {
    if (dialogue_) return;  // sending already
    for (QWidget* input :
         {static_cast<QWidget*>(CommentTEXT), static_cast<QWidget*>(NickTEXT), static_cast<QWidget*>(UserMailTEXT),
          static_cast<QWidget*>(OkBUTTON), static_cast<QWidget*>(AbortBUTTON)})
        input->setEnabled(false);
    setStatus(kMailStatusConnecting);

    Platform& platform = main_.platform();
    const MailInputs inputs{ToFile(NickTEXT->text()), ToFile(UserMailTEXT->text()), ToFile(CommentTEXT->toPlainText())};
    const Endpoint server = MailServer();
    dialogue_ = std::make_unique<SmtpDialogue>(
        server.host, MaintainersMailbox(),
        MailBodyLines(inputs, main_.state().games, ToFile(platform.program->releaseName())),
        [&platform] { return LocalDate(platform.clock->now()); });
    // A connection that never completes counts as a reply that never comes.
    replyTimer_->start();
    deadlineTimer_->start();
    MSWINSCK->connectToHost(QString::fromStdString(server.host), static_cast<quint16>(server.port));
}

void MailFORM::AbortBUTTON_Click() {
    abortSending();
    main_.ownerWindow()->setEnabled(true);
    closing_ = true;
    close();
}

void MailFORM::closeEvent(QCloseEvent* event) {
    // The frame's close button is Abort, whether before, during or after sending.
    if (!closing_) {
        abortSending();
        main_.ownerWindow()->setEnabled(true);
        closing_ = true;
    }
    event->accept();
}

void MailFORM::abortSending() {
    replyTimer_->stop();
    deadlineTimer_->stop();
    MSWINSCK->disconnect(this);
    MSWINSCK->abort();
}

void MailFORM::MSWINSCK_DataArrival() {
    const QByteArray bytes = MSWINSCK->readAll();
    if (!dialogue_) return;
    const int before = dialogue_->state();
    const SmtpAction action = dialogue_->feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    // Only a reply the dialogue acts on restarts the wait: a server that keeps sending lines it
    // cannot act on (garbage, an endless multi-line reply) still meets the time-out.
    if (!dialogue_->ended() && (!action.send.empty() || dialogue_->state() != before)) replyTimer_->start();
    apply(action);
}

void MailFORM::MSWINSCK_Close() {
    if (dialogue_) apply(dialogue_->closed());
}

void MailFORM::MSWINSCK_Error() {
    // A refused or lost connection; the server's own close after its goodbye ends quietly.
    if (dialogue_) apply(dialogue_->failed(ToFile(MSWINSCK->errorString())));
}

void MailFORM::ReplyTimedOut() {
    if (dialogue_) apply(dialogue_->failed("no reply from the server for " + WaitText(std::chrono::milliseconds(replyTimer_->interval()))));
}

void MailFORM::apply(const SmtpAction& action) {
    if (!action.send.empty()) MSWINSCK->write(action.send.data(), static_cast<qint64>(action.send.size()));
    if (action.status) setStatus(*action.status);
    if (dialogue_->ended()) {
        replyTimer_->stop();
        deadlineTimer_->stop();
    }
    if (action.closeSocket) {
        // Leaving the connection after the last command: what was written still goes out first.
        if (MSWINSCK->state() == QAbstractSocket::ConnectedState)
            MSWINSCK->disconnectFromHost();
        else
            MSWINSCK->abort();
    }
    if (action.closeWindow) {
        closing_ = true;
        close();
        return;
    }
    // Once the dialogue has failed the user leaves through "Abort"; the inputs stay as they are.
    if (dialogue_->ended() || dialogue_->state() == kSmtpErrorState) AbortBUTTON->setEnabled(true);
}

}  // namespace tolva
