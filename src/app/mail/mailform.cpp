#include "app/mail/mailform.h"

#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSslSocket>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif
#ifdef __linux__
#include <linux/sockios.h>
#include <sys/ioctl.h>
#endif

#include "app/host/mainhost.h"
#include "app/mail/mail2form.h"
#include "app/platform/controls.h"
#include "app/platform/coretext.h"
#include "app/platform/environment.h"
#include "app/platform/guarded.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "app/platform/servers.h"
#include "app/platform/text.h"
#include "app/update/updatemessages.h"
#include "core/mail/message.h"
#include "core/state.h"
#include "core/update/http_download.h"

namespace tolva {
namespace {

MailDate LocalDate(const QDateTime& when) {
    const QDateTime local = when.toLocalTime();
    const QDate day = local.date();
    const QTime time = local.time();
    return {day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second()};
}

/// Bytes the system still holds to send on the socket (sent but not yet acknowledged included);
/// 0 where the system cannot tell.
qint64 QueuedBytes(const QTcpSocket& socket) {
#ifdef __linux__
    int queued = 0;
    if (::ioctl(static_cast<int>(socket.socketDescriptor()), SIOCOUTQ, &queued) == 0) return queued;
#else
    Q_UNUSED(socket);
#endif
    return 0;
}

/// Closes at once with a reset, throwing away what the system has not sent yet: a cancelled
/// message must not be completed by its final "." going out after all.
void DropHard(QTcpSocket& socket) {
#ifdef Q_OS_UNIX
    const struct linger hard {1, 0};
    ::setsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
#endif
    const QSignalBlocker quiet(&socket);
    socket.abort();
}

}  // namespace

QNetworkProxy MailProxy(const std::string& host) {
    const ProxyEnvironment environment = AllProxy();
    const QUrl proxy(QString::fromStdString(environment.proxy));
    const QString scheme = proxy.scheme().toLower();
    if ((scheme != QLatin1String("socks5") && scheme != QLatin1String("socks5h")) || proxy.host().isEmpty() ||
        ProxySpares(host, environment.noProxy))
        return QNetworkProxy(QNetworkProxy::NoProxy);
    QNetworkProxy socks(QNetworkProxy::Socks5Proxy, proxy.host(), static_cast<quint16>(proxy.port(1080)),
                        proxy.userName(), proxy.password());
    if (scheme == QLatin1String("socks5")) socks.setCapabilities(socks.capabilities() & ~QNetworkProxy::HostNameLookupCapability);
    return socks;
}

MailFORM::MailFORM(MainHost& main) : ToolWindow(main, "MailFORM", tr(" Mail")), main_(main) {
    // Kept until the notice goes: the goodbye to the server may still be on its way.
    setAttribute(Qt::WA_DeleteOnClose, false);

    PICTUREBOX = PictureBox(this, tr("Mail"));

    auto* content = new QVBoxLayout;
    content->addWidget(
        WrappedLabel(this, tr("This wizard allows you to send your bleem!.ini, your comments and "
                                          "your bug reports regarding tolva! directly to the tolva! team.")));
    content->addWidget(
        WrappedLabel(this, tr("If you have added any new entries to your bleem!.ini, which aren't "
                                          "available via the Update tool, we will add your name to the "
                                          "Readme.TXT.")));

    auto* fields = new QGridLayout;
    auto* nickLabel = WrappedLabel(this, tr("Name :"));
    NickTEXT = new QLineEdit(this);
    NickTEXT->setObjectName(QStringLiteral("NickTEXT"));
    nickLabel->setBuddy(NickTEXT);
    auto* mailLabel = WrappedLabel(this, tr("E-Mail :"));
    UserMailTEXT = new QLineEdit(this);
    UserMailTEXT->setObjectName(QStringLiteral("UserMailTEXT"));
    mailLabel->setBuddy(UserMailTEXT);
    fields->addWidget(nickLabel, 0, 0);
    fields->addWidget(NickTEXT, 0, 1);
    fields->addWidget(mailLabel, 1, 0);
    fields->addWidget(UserMailTEXT, 1, 1);
    fields->setColumnStretch(1, 1);
    content->addLayout(fields);

    auto* commentLabel = WrappedLabel(this, tr("Comments && Suggestions :"));  // a buddy takes "&" as a mnemonic
    CommentTEXT = new QPlainTextEdit(this);
    CommentTEXT->setObjectName(QStringLiteral("CommentTEXT"));
    CommentTEXT->setTabChangesFocus(true);
    commentLabel->setBuddy(CommentTEXT);
    CommentTEXT->setAccessibleName(tr("Comments & Suggestions"));
    content->addWidget(commentLabel);
    content->addWidget(CommentTEXT, 1);

    StatusTEXT = new QLineEdit(this);
    StatusTEXT->setObjectName(QStringLiteral("StatusTEXT"));
    StatusTEXT->setReadOnly(true);
    StatusTEXT->setFocusPolicy(Qt::NoFocus);
    StatusTEXT->setAccessibleName(tr("Status"));
    content->addWidget(StatusTEXT);
    ProgressBar = Uncaptioned<QProgressBar>(this, "ProgressBar", tr("Mail sent"));
    ProgressBar->hide();  // until the message goes out
    content->addWidget(ProgressBar);

    OkBUTTON = NamedButton(this, "OkBUTTON", tr("Finish"));
    OkBUTTON->setDefault(true);
    AbortBUTTON = NamedButton(this, "AbortBUTTON", tr("Abort"));
    AddButtonRow(content, {OkBUTTON, AbortBUTTON});
    PictureBeside(this, PICTUREBOX, content);
    resize(560, 420);

    TrustEnvironmentCertificates();
    MSWINSCK = new QSslSocket(this);
    MSWINSCK->setObjectName(QStringLiteral("MSWINSCK"));
    replyTimer_ = new QTimer(this);
    replyTimer_->setSingleShot(true);
    deadlineTimer_ = new QTimer(this);
    deadlineTimer_->setSingleShot(true);
    deadlineTimer_->setTimerType(Qt::PreciseTimer);  // a limit, not a hint
    queueTimer_ = new QTimer(this);
    queueTimer_->setInterval(100);

    OnSignal(main_.platform(), OkBUTTON, &QPushButton::clicked, this, [this] { OkBUTTON_Click(); });
    OnSignal(main_.platform(), AbortBUTTON, &QPushButton::clicked, this, [this] { AbortBUTTON_Click(); });
    connect(MSWINSCK, &QTcpSocket::readyRead, this, &MailFORM::MSWINSCK_DataArrival);
    connect(MSWINSCK, &QSslSocket::encrypted, this, [this] {
        if (dialogue_) apply(dialogue_->tlsStarted());  // after STARTTLS: greet again
    });
    WatchCertificates(MSWINSCK, main_.platform(), this);
    connect(MSWINSCK, &QTcpSocket::disconnected, this, &MailFORM::MSWINSCK_Close);
    connect(MSWINSCK, &QTcpSocket::errorOccurred, this, &MailFORM::MSWINSCK_Error);
    connect(MSWINSCK, &QTcpSocket::bytesWritten, this, &MailFORM::MSWINSCK_SendProgress);
    connect(queueTimer_, &QTimer::timeout, this, &MailFORM::watchQueue);
    connect(replyTimer_, &QTimer::timeout, this, &MailFORM::ReplyTimedOut);
    connect(deadlineTimer_, &QTimer::timeout, this, &MailFORM::ReplyTimedOut);  // inactive then

    // Form_Load
    setWindowTitle(kTitle + tr(" Mail"));
    setStatus(kMailStatusStart);
    PICTUREBOX->setPixmap(Picture(QStringLiteral("MAIL"), devicePixelRatioF()));
}

MailFORM::~MailFORM() {
    // The socket, a child, reports its own end while this window is half taken down: not to us.
    MSWINSCK->disconnect(this);
}

void MailFORM::setReplyTimeout(std::chrono::milliseconds timeout, std::chrono::milliseconds finalReply) {
    replyWait_ = timeout;
    finalReplyWait_ = finalReply;
}

int MailFORM::dialogueState() const { return dialogue_ ? dialogue_->state() : 0; }

void MailFORM::setStatus(const std::string& text) {
    StatusTEXT->setText(CoreText(FromFile(text)));
    StatusTEXT->setToolTip(StatusTEXT->text());  // whole where the window is too narrow for it
    StatusTEXT->setCursorPosition(0);
}

bool MailFORM::sending() const { return dialogue_ && !dialogue_->ended() && dialogue_->state() != kSmtpErrorState; }

void MailFORM::setInputsEnabled(bool enabled) {
    for (QWidget* input : {static_cast<QWidget*>(CommentTEXT), static_cast<QWidget*>(NickTEXT),
                           static_cast<QWidget*>(UserMailTEXT), static_cast<QWidget*>(OkBUTTON)})
        input->setEnabled(enabled);
}

void MailFORM::OkBUTTON_Click() {
    if (dialogue_ && !dialogue_->unsent()) return;  // sending already, or sent
    setInputsEnabled(false);
    setStatus(kMailStatusConnecting);
    {
        const QSignalBlocker quiet(MSWINSCK);  // a failed attempt's connection ends unheard
        MSWINSCK->abort();
    }
    written_ = left_ = queued_ = messageSize_ = 0;
    messageStart_ = -1;
    awaitingFinalReply_ = false;
    ProgressBar->hide();

    Platform& platform = main_.platform();
    const MailInputs inputs{ToFile(NickTEXT->text()), ToFile(UserMailTEXT->text()), ToFile(CommentTEXT->toPlainText())};
    Endpoint server = MailServer();
    const ServerChoice choice = ReadServerChoice(*platform.settings);
    std::optional<SmtpAccount> account;
    if (choice.ownMail) {
        const auto password = MailPassword(platform, this, choice);
        if (!password) {
            setInputsEnabled(true);
            setStatus(kMailStatusCancelled);
            return;
        }
        account = MailAccount(choice, *password, UserMailTEXT->text(), false);
        server = {choice.host.toStdString(), choice.port};
    }
    dialogue_ = std::make_unique<SmtpDialogue>(
        server.host, MaintainersMailbox(),
        MailBodyLines(inputs, main_.state().games, ToFile(platform.program->releaseName())),
        [&platform] { return LocalDate(platform.clock->now()); }, account);
    // A connection that never completes counts as a reply that never comes.
    replyTimer_->start(replyWait_);
    deadlineTimer_->start(replyWait_ * kMailDeadlineReplies);
    MSWINSCK->setProxy(MailProxy(server.host));
    if (choice.ownMail)
        ConnectMailServer(*MSWINSCK, choice);
    else
        MSWINSCK->connectToHost(QString::fromStdString(server.host), static_cast<quint16>(server.port));
}

void MailFORM::AbortBUTTON_Click() {
    // While sending, Abort cancels and keeps the window, so the user sees it and may try again.
    if (sending()) {
        apply(dialogue_->cancel());
        return;
    }
    abort();
}

void MailFORM::abort() {
    abortSending();
    toNotice(true);
}

void MailFORM::toNotice(bool abandoned) {
    auto* notice = new Mail2FORM(main_);
    connect(notice, &QObject::destroyed, this, &QObject::deleteLater);
    if (abandoned) Q_EMIT mainReleased();
    handOver(notice);
}

void MailFORM::abortSending() {
    replyTimer_->stop();
    deadlineTimer_->stop();
    queueTimer_->stop();
    // Leaving in the middle: a polite goodbye when between commands, a hard drop otherwise.
    if (sending() && MSWINSCK->state() == QAbstractSocket::ConnectedState) {
        const SmtpAction goodbye = dialogue_->cancel();
        if (!goodbye.dropHard) {
            MSWINSCK->write(goodbye.send.data(), static_cast<qint64>(goodbye.send.size()));
            MSWINSCK->flush();
        } else {
            DropHard(*MSWINSCK);
        }
    }
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
    if (!dialogue_) return;
    const std::string wait = WaitText(std::chrono::milliseconds(replyTimer_->interval()));
    const bool stuck = left_ < written_ || queued_ > 0;  // still sending when the wait ran out
    const bool inAll = !awaitingFinalReply_ && !deadlineTimer_->isActive();  // the dialogue's limit ran out
    apply(dialogue_->failed(inAll ? std::string("the server took too long in all")
                                  : (stuck ? "the server took none of the mail for " : "no reply from the server for ") + wait));
}

void MailFORM::MSWINSCK_SendProgress(qint64 bytes) {
    left_ += bytes;
    if (!dialogue_ || dialogue_->ended()) return;
    replyTimer_->start();  // bytes are leaving: that is no silence
    if (MSWINSCK->bytesToWrite() == 0) watchQueue();
}

void MailFORM::watchQueue() {
    const qint64 queued = left_ == written_ ? QueuedBytes(*MSWINSCK) : 0;
    if (queued < queued_ && dialogue_ && !dialogue_->ended()) replyTimer_->start();
    queued_ = queued;
    if (queued > 0)
        queueTimer_->start();
    else
        queueTimer_->stop();
    if (messageStart_ >= 0)
        ProgressBar->setValue(static_cast<int>(std::clamp<qint64>(left_ - queued - messageStart_, 0, messageSize_)));
    if (queued == 0 && left_ == written_ && !awaitingFinalReply_ && dialogue_ && dialogue_->awaitingFinalReply()) {
        // All of the message has left: a relay may take minutes to pass it on before the server
        // answers, so its reply gets the protocol's wait, and the dialogue's limit ends here.
        awaitingFinalReply_ = true;
        deadlineTimer_->stop();
        replyTimer_->start(finalReplyWait_);
        apply(dialogue_->messageLeft());
    }
}

void MailFORM::apply(const SmtpAction& action) {
    if (action.message) {
        messageStart_ = written_;
        messageSize_ = static_cast<qint64>(action.send.size());
        ProgressBar->setRange(0, static_cast<int>(std::min<qint64>(messageSize_, std::numeric_limits<int>::max())));
        ProgressBar->setValue(0);
        ProgressBar->show();
        // The whole dialogue's limit grows by the time a slow uplink needs for the message.
        deadlineTimer_->start(deadlineTimer_->remainingTime() + messageSize_ * 1000 / kMailSlowestUplinkBytesPerSecond);
    }
    if (!action.send.empty() && !action.dropHard) {
        written_ += static_cast<qint64>(action.send.size());
        MSWINSCK->write(action.send.data(), static_cast<qint64>(action.send.size()));
    }
    if (action.startTls) MSWINSCK->startClientEncryption();
    if (action.status) {
        // After a failure the reason stands beside the status: the server's reply, or ours.
        const std::string& why = dialogue_->failure();
        setStatus(why.empty() ? *action.status : *action.status + " " + why);
    }
    if (dialogue_->ended()) {
        replyTimer_->stop();
        deadlineTimer_->stop();
        queueTimer_->stop();
    }
    if (action.dropHard) {
        DropHard(*MSWINSCK);
    } else if (action.closeSocket) {
        // Leaving the connection after the last command: what was written still goes out first.
        if (MSWINSCK->state() == QAbstractSocket::ConnectedState)
            MSWINSCK->disconnectFromHost();
        else
            MSWINSCK->abort();
    }
    if (action.closeWindow) {
        toNotice(false);
        return;
    }
    // Once the mail is known not to go, the typed texts may be sent again.
    if (dialogue_->unsent()) setInputsEnabled(true);
}

}  // namespace tolva
