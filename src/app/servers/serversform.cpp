#include "app/servers/serversform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/host/mainhost.h"
#include "app/platform/controls.h"
#include "app/platform/environment.h"
#include "app/platform/guarded.h"
#include "app/platform/messages.h"
#include "app/platform/servers.h"
#include "app/platform/text.h"
#include "app/update/downloadform2.h"
#include "core/update/update_processing.h"

namespace tolva {
namespace {

/// SecurityCOMBO's rows, in the order they are offered.
constexpr SmtpSecurity kSecurityRows[] = {SmtpSecurity::StartTls, SmtpSecurity::Tls, SmtpSecurity::None};
constexpr int kSuggestedPorts[] = {kSubmissionPort, kSubmissionsPort, 25};

/// A field with its buddy label at (row, column) of grid: label, then field.
template <class Field>
Field* Labelled(QGridLayout* grid, int row, int column, QWidget* parent, const char* name, const QString& caption) {
    auto* field = new Field(parent);
    field->setObjectName(QString::fromLatin1(name));
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    return field;
}

}  // namespace

ServersFORM::ServersFORM(MainHost& host) : ToolWindow(host, "ServersFORM", tr(" Servers")) {
    setWindowTitle(kTitle + tr(" Servers"));
    auto* content = new QVBoxLayout(this);

    // Two columns of fields, so that the window fits a small screen at a large scale.
    auto* update = new QGroupBox(tr("Update source"), this);
    auto* updateGrid = new QGridLayout(update);
    UpdateMaintainersOPTION = Named<QRadioButton>(update, "UpdateMaintainersOPTION", tr("The maintainers' server"));
    UpdateAddressOPTION = Named<QRadioButton>(update, "UpdateAddressOPTION", tr("This web address:"));
    UpdateAddressTEXT = new QLineEdit(update);
    UpdateAddressTEXT->setObjectName(QStringLiteral("UpdateAddressTEXT"));
    UpdateAddressTEXT->setAccessibleName(tr("Web address of the update file"));
    UpdateAddressTEXT->setPlaceholderText(QStringLiteral("https://"));
    UpdateTestBUTTON = NamedButton(update, "UpdateTestBUTTON", tr("Test"));
    UpdateTestBUTTON->setAccessibleName(tr("Test the update address"));
    updateGrid->addWidget(UpdateMaintainersOPTION, 0, 0, 1, 3);
    updateGrid->addWidget(UpdateAddressOPTION, 1, 0);
    updateGrid->addWidget(UpdateAddressTEXT, 1, 1);
    updateGrid->addWidget(UpdateTestBUTTON, 1, 2);
    updateGrid->setColumnStretch(1, 1);
    auto* updateChoice = new QButtonGroup(update);
    updateChoice->addButton(UpdateMaintainersOPTION);
    updateChoice->addButton(UpdateAddressOPTION);
    content->addWidget(update);

    auto* mail = new QGroupBox(tr("Mail"), this);
    auto* grid = new QGridLayout(mail);
    MailMaintainersOPTION = Named<QRadioButton>(mail, "MailMaintainersOPTION", tr("The maintainers' server"));
    MailOwnOPTION = Named<QRadioButton>(mail, "MailOwnOPTION", tr("My mail server"));
    auto* mailChoice = new QButtonGroup(mail);
    mailChoice->addButton(MailMaintainersOPTION);
    mailChoice->addButton(MailOwnOPTION);
    grid->addWidget(MailMaintainersOPTION, 0, 0, 1, 2);
    grid->addWidget(MailOwnOPTION, 0, 2, 1, 2);
    HostTEXT = Labelled<QLineEdit>(grid, 1, 0, mail, "HostTEXT", tr("Host:"));
    PortTEXT = Labelled<QLineEdit>(grid, 1, 2, mail, "PortTEXT", tr("Port:"));
    PortTEXT->setValidator(new QIntValidator(1, 65535, PortTEXT));
    SecurityCOMBO = Labelled<QComboBox>(grid, 2, 0, mail, "SecurityCOMBO", tr("Security:"));
    SecurityCOMBO->addItems({tr("STARTTLS (port 587)"), tr("TLS from the start (port 465)"), tr("None")});
    UserTEXT = Labelled<QLineEdit>(grid, 3, 0, mail, "UserTEXT", tr("User name:"));
    PasswordTEXT = Labelled<QLineEdit>(grid, 3, 2, mail, "PasswordTEXT", tr("Password:"));
    PasswordTEXT->setEchoMode(QLineEdit::Password);
    SenderTEXT = Labelled<QLineEdit>(grid, 4, 0, mail, "SenderTEXT", tr("Sender address:"));
    SenderTEXT->setToolTip(tr("The address the mail comes from; your server must accept it as yours"));
    RecipientTEXT = Labelled<QLineEdit>(grid, 4, 2, mail, "RecipientTEXT", tr("Recipient:"));
    RememberCHECK = Named<QCheckBox>(mail, "RememberCHECK", tr("Remember password"));
    RememberCHECK->setToolTip(tr("Kept in the desktop's keyring, never in the settings file"));
    grid->addWidget(RememberCHECK, 5, 0, 1, 3);
    MailTestBUTTON = NamedButton(mail, "MailTestBUTTON", tr("Test login"));
    MailTestBUTTON->setAccessibleName(tr("Test the mail server"));
    grid->addWidget(MailTestBUTTON, 5, 3, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    content->addWidget(mail);

    ResultLABEL = WrappedLabel(this, QString(), "ResultLABEL");
    ResultLABEL->setAccessibleName(tr("Test result"));
    ResultLABEL->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ResultLABEL->setFocusPolicy(Qt::TabFocus);
    content->addWidget(ResultLABEL);
    OkBUTTON = NamedButton(this, "OkBUTTON", tr("OK"));
    OkBUTTON->setDefault(true);
    CancelBUTTON = NamedButton(this, "CancelBUTTON", tr("Cancel"));
    AddButtonRow(content, {OkBUTTON, CancelBUTTON});
    setMinimumWidth(440);

    TrustEnvironmentCertificates();
    socket_ = new QSslSocket(this);
    socket_->setObjectName(QStringLiteral("TestSOCKET"));
    replyTimer_ = new QTimer(this);
    replyTimer_->setSingleShot(true);
    Platform& platform = this->host().platform();
    WatchCertificates(socket_, platform, this);
    connect(socket_, &QSslSocket::readyRead, this, [this] { mailTestArrived(); });
    connect(socket_, &QSslSocket::encrypted, this, [this] {
        if (dialogue_) socket_->write(QByteArray::fromStdString(dialogue_->tlsStarted().send));
    });
    const auto fail = [this](const std::string& why) {
        if (!dialogue_) return;
        dialogue_->failed(why);
        mailTestEnded();
    };
    connect(socket_, &QSslSocket::errorOccurred, this, [this, fail] { fail(ToFile(socket_->errorString())); });
    connect(socket_, &QSslSocket::disconnected, this, [this] {
        if (dialogue_) dialogue_->closed();
        mailTestEnded();
    });
    connect(replyTimer_, &QTimer::timeout, this,
            [this, fail] { fail("no reply from the server for " + WaitText(std::chrono::milliseconds(replyWait_))); });

    for (QRadioButton* option : {UpdateMaintainersOPTION, UpdateAddressOPTION, MailMaintainersOPTION, MailOwnOPTION})
        connect(option, &QRadioButton::toggled, this, [this] { enableFields(); });
    connect(SecurityCOMBO, &QComboBox::currentIndexChanged, this, [this] { securityChanged(); });
    OnSignal(platform, CancelBUTTON, &QPushButton::clicked, this, [this] { abort(); });
    OnSignals(platform, this, &QPushButton::clicked,
              {{OkBUTTON, &ServersFORM::OkBUTTON_Click},
               {UpdateTestBUTTON, &ServersFORM::UpdateTestBUTTON_Click},
               {MailTestBUTTON, &ServersFORM::MailTestBUTTON_Click}});

    ServerChoice choice = ReadServerChoice(*platform.settings);
    showChoice(choice);
    const QString account = PasswordAccount(choice);
    if (platform.keyring->heldForRun.contains(account))
        PasswordTEXT->setText(platform.keyring->heldForRun.value(account));
    else if (choice.rememberPassword && !choice.user.isEmpty())
        PasswordTEXT->setText(platform.keyring->read(account).value_or(QString()));
}

ServersFORM::~ServersFORM() { socket_->disconnect(this); }

void ServersFORM::setReplyTimeout(int ms) { replyWait_ = ms; }

void ServersFORM::abort() {
    if (!fetching_) finish();
}

ServerChoice ServersFORM::shown() const {
    ServerChoice choice;
    if (UpdateAddressOPTION->isChecked()) choice.updateAddress = UpdateAddressTEXT->text().trimmed();
    choice.ownMail = MailOwnOPTION->isChecked();
    choice.host = HostTEXT->text().trimmed();
    choice.port = PortTEXT->text().toInt();
    choice.security = kSecurityRows[std::max(0, SecurityCOMBO->currentIndex())];
    choice.user = UserTEXT->text();
    choice.rememberPassword = RememberCHECK->isChecked();
    choice.sender = SenderTEXT->text().trimmed();
    choice.recipient = RecipientTEXT->text().trimmed();
    return choice;
}

void ServersFORM::showChoice(const ServerChoice& choice) {
    (choice.updateAddress.isEmpty() ? UpdateMaintainersOPTION : UpdateAddressOPTION)->setChecked(true);
    UpdateAddressTEXT->setText(choice.updateAddress);
    (choice.ownMail ? MailOwnOPTION : MailMaintainersOPTION)->setChecked(true);
    HostTEXT->setText(choice.host);
    for (int row = 0; row < 3; ++row)
        if (kSecurityRows[row] == choice.security) SecurityCOMBO->setCurrentIndex(row);
    PortTEXT->setText(QString::number(choice.port));
    UserTEXT->setText(choice.user);
    RememberCHECK->setChecked(choice.rememberPassword);
    SenderTEXT->setText(choice.sender);
    RecipientTEXT->setText(choice.recipient);
    enableFields();
}

void ServersFORM::enableFields() {
    UpdateAddressTEXT->setEnabled(UpdateAddressOPTION->isChecked());
    UpdateTestBUTTON->setEnabled(UpdateAddressOPTION->isChecked());
    for (QWidget* field : std::initializer_list<QWidget*>{HostTEXT, PortTEXT, SecurityCOMBO, UserTEXT, PasswordTEXT,
                                                          RememberCHECK, SenderTEXT, RecipientTEXT, MailTestBUTTON})
        field->setEnabled(MailOwnOPTION->isChecked());
}

void ServersFORM::securityChanged() {
    // A port the previous choice suggested follows the new one; a port of the user's own stays.
    for (const int port : kSuggestedPorts)
        if (PortTEXT->text().toInt() == port)
            PortTEXT->setText(QString::number(kSuggestedPorts[std::max(0, SecurityCOMBO->currentIndex())]));
}

bool ServersFORM::usable(ServerChoice& choice) {
    Platform& platform = host().platform();
    const auto refuse = [&](const QString& text) {
        platform.prompter->ask(this, kTitle, text, MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    };
    if (UpdateAddressOPTION->isChecked()) {
        const QUrl address(choice.updateAddress, QUrl::StrictMode);
        const QString scheme = address.scheme().toLower();
        if (!address.isValid() || address.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
            return refuse(tr("The update's web address must be a whole address beginning with http:// or https://."));
    }
    if (!choice.ownMail) return true;
    if (choice.host.isEmpty() || choice.port < 1 || choice.sender.isEmpty() || choice.recipient.isEmpty())
        return refuse(tr("Your mail server needs its host, its port, the sender address and the recipient."));
    if (choice.security == SmtpSecurity::None && !IsLoopback(choice.host)) {
        const MsgAnswer answer = platform.prompter->ask(
            this, kTitle,
            tr("Without TLS, your user name, your password and the mail travel unprotected to %1. Use no "
               "encryption anyway?").arg(choice.host),
            MsgIcon::Exclamation, MsgButtons::YesNo);
        if (answer != MsgAnswer::Yes) return false;
        choice.plainConfirmed = true;
    }
    return true;
}

void ServersFORM::OkBUTTON_Click() {
    if (fetching_) return;
    ServerChoice choice = shown();
    if (!usable(choice)) return;
    Platform& platform = host().platform();
    WriteServerChoice(*platform.settings, choice);
    if (choice.ownMail && !choice.user.isEmpty()) {
        const QString account = PasswordAccount(choice);
        const QString password = PasswordTEXT->text();
        const bool kept = platform.keyring->write(account, choice.rememberPassword ? password : QString());
        if (!password.isEmpty()) platform.keyring->heldForRun.insert(account, password);
        if (choice.rememberPassword && !kept)
            platform.prompter->ask(this, kTitle,
                                   tr("No keyring answers on this desktop: the password is kept only until tolva! "
                                      "ends, and asked for again after that."),
                                   MsgIcon::Information, MsgButtons::Ok);
    }
    finish();
}

void ServersFORM::showResult(const QString& text) {
    ResultLABEL->setText(text);
    Q_EMIT tested();
}

void ServersFORM::UpdateTestBUTTON_Click() {
    ServerChoice choice = shown();
    if (!usable(choice)) return;
    UpdateTestBUTTON->setEnabled(false);
    showResult(tr("Fetching the update..."));
    DownloadFORM2 fetcher(host(), QUrl(choice.updateAddress), kDownloadStall, true);
    fetching_ = true;
    const DownloadFORM2::Fetched fetched = fetcher.fetch();
    fetching_ = false;
    UpdateTestBUTTON->setEnabled(true);
    if (!fetched.ok)
        showResult(tr("The update cannot be fetched: %1").arg(FromFile(fetched.error)));
    else if (!IsUpdateFile(fetched.body))
        showResult(tr("The address answers, but with no update file (it holds no Version and no ID line)."));
    else
        showResult(tr("The address answers with an update file of %1 bytes.").arg(fetched.body.size()));
}

void ServersFORM::MailTestBUTTON_Click() {
    ServerChoice choice = shown();
    if (!usable(choice) || dialogue_) return;
    MailTestBUTTON->setEnabled(false);
    ResultLABEL->setText(tr("Logging in to %1...").arg(choice.host));
    dialogue_ = std::make_unique<SmtpDialogue>(choice.host.toStdString(), std::string(), std::vector<std::string>{},
                                               [] { return MailDate{}; },
                                               MailAccount(choice, PasswordTEXT->text(), {}, true));
    replyTimer_->start(replyWait_);
    ConnectMailServer(*socket_, choice);
}

void ServersFORM::mailTestArrived() {
    const QByteArray bytes = socket_->readAll();
    if (!dialogue_) return;
    replyTimer_->start(replyWait_);
    const SmtpAction action = dialogue_->feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    socket_->write(action.send.data(), static_cast<qint64>(action.send.size()));
    if (action.startTls) socket_->startClientEncryption();
    if (action.closeSocket) socket_->disconnectFromHost();
    if (dialogue_->ended() || dialogue_->state() == kSmtpErrorState) mailTestEnded();
}

void ServersFORM::mailTestEnded() {
    if (!dialogue_) return;
    replyTimer_->stop();
    const std::unique_ptr<SmtpDialogue> dialogue = std::move(dialogue_);
    if (socket_->state() != QAbstractSocket::UnconnectedState) socket_->disconnectFromHost();
    MailTestBUTTON->setEnabled(true);
    if (dialogue->verified())
        showResult(tr("The server accepts the settings: the login worked, and nothing was sent."));
    else
        showResult(tr("The test failed: %1").arg(FromFile(dialogue->failure().empty() ? "the server ended the dialogue"
                                                                                      : dialogue->failure())));
}

}  // namespace tolva
