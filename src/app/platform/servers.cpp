#include "app/platform/servers.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHostAddress>
#include <QInputDialog>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QStringList>
#include <mutex>

#include "app/platform/guarded.h"
#include "app/platform/messages.h"
#include "app/platform/seams.h"

namespace tolva {
namespace {


constexpr const char* kSecurityNames[] = {"none", "starttls", "tls"};

const QString kServersGroup = QStringLiteral("Servers");

QString TrustKey(const QString& host) { return QStringLiteral("TrustedCertificates/") + host; }

}  // namespace

ServerChoice ReadServerChoice(SettingsStore& settings) {
    ServerChoice choice;
    const auto read = [&](const char* key) { return settings.readGroup(kServersGroup, QLatin1String(key)); };
    choice.updateAddress = read("UpdateAddress").trimmed();
    choice.ownMail = read("MailServer") == QLatin1String("own");
    choice.host = read("MailHost").trimmed();
    const QString security = read("MailSecurity");
    for (int k = 0; k < 3; ++k)
        if (security == QLatin1String(kSecurityNames[k])) choice.security = static_cast<SmtpSecurity>(k);
    bool number = false;
    const int port = read("MailPort").toInt(&number);
    choice.port = number && port > 0 && port < 65536 ? port
                  : choice.security == SmtpSecurity::Tls ? kSubmissionsPort : kSubmissionPort;
    choice.plainConfirmed = read("PlainConfirmed") == QLatin1String("1");
    choice.user = read("MailUser");
    choice.rememberPassword = read("RememberPassword") == QLatin1String("1");
    choice.sender = read("Sender").trimmed();
    choice.recipient = read("Recipient").trimmed();
    return choice;
}

void WriteServerChoice(SettingsStore& settings, const ServerChoice& choice) {
    const auto write = [&](const char* key, const QString& value) { settings.writeGroup(kServersGroup, QLatin1String(key), value); };
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    write("UpdateAddress", choice.updateAddress);
    write("MailServer", choice.ownMail ? QStringLiteral("own") : QStringLiteral("maintainers"));
    write("MailHost", choice.host);
    write("MailPort", QString::number(choice.port));
    write("MailSecurity", QLatin1String(kSecurityNames[static_cast<int>(choice.security)]));
    write("PlainConfirmed", flag(choice.plainConfirmed));
    write("MailUser", choice.user);
    write("RememberPassword", flag(choice.rememberPassword));
    write("Sender", choice.sender);
    write("Recipient", choice.recipient);
}

QString PasswordAccount(const ServerChoice& choice) {
    return choice.user + QLatin1Char('@') + choice.host + QLatin1Char(':') + QString::number(choice.port);
}

bool IsLoopback(const QString& host) {
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || QHostAddress(host).isLoopback();
}

std::optional<QString> MailPassword(Platform& platform, QWidget* owner, const ServerChoice& choice) {
    if (choice.user.isEmpty()) return QString();
    const QString account = PasswordAccount(choice);
    Keyring& keyring = *platform.keyring;
    if (keyring.heldForRun.contains(account)) return keyring.heldForRun.value(account);
    if (choice.rememberPassword)
        if (auto kept = keyring.read(account)) return kept;
    bool given = false;
    const QString password = QInputDialog::getText(
        owner, kTitle, QCoreApplication::translate("Servers", "Password of %1 on %2:").arg(choice.user, choice.host), QLineEdit::Password, {}, &given);
    if (!given) return std::nullopt;
    keyring.heldForRun.insert(account, password);
    return password;
}

SmtpAccount MailAccount(const ServerChoice& choice, const QString& password, const QString& replyTo, bool loginOnly) {
    SmtpAccount account;
    account.security = choice.security;
    // A plain connection nobody confirmed (a settings file edited by hand) still gets no password
    // in the clear: STARTTLS is asked for instead.
    if (choice.security == SmtpSecurity::None && !choice.plainConfirmed && !IsLoopback(choice.host))
        account.security = SmtpSecurity::StartTls;
    account.user = choice.user.toStdString();
    account.password = password.toStdString();
    account.sender = choice.sender.toStdString();
    account.recipient = choice.recipient.toStdString();
    account.replyTo = replyTo.toStdString();
    account.loginOnly = loginOnly;
    return account;
}

void ConnectMailServer(QSslSocket& socket, const ServerChoice& choice) {
    const auto port = static_cast<quint16>(choice.port);
    if (choice.security == SmtpSecurity::Tls)
        socket.connectToHostEncrypted(choice.host, port);
    else
        socket.connectToHost(choice.host, port);
}

QString Fingerprint(const QSslCertificate& certificate) {
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

bool TrustCertificate(Platform& platform, QWidget* owner, const QString& host, const QSslCertificate& peer,
                      const QList<QSslError>& errors) {
    const QString fingerprint = Fingerprint(peer);
    const QString trusted = platform.settings->readGroup(kServersGroup, TrustKey(host));
    if (!peer.isNull() && trusted == fingerprint) return true;
    QStringList reasons;
    for (const QSslError& error : errors) reasons.append(error.errorString());
    reasons.removeDuplicates();
    QString text = QCoreApplication::translate("Servers", "The certificate of %1 cannot be trusted: %2.").arg(host, reasons.join(QStringLiteral("; ")));
    if (!trusted.isEmpty())
        text += QLatin1Char(' ') + QCoreApplication::translate("Servers", "It is not the certificate you trusted for this server before.");
    if (peer.isNull()) {
        platform.prompter->ask(owner, kTitle, text, MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    text += QStringLiteral("\n\n") + QCoreApplication::translate("Servers", "Its SHA-256 fingerprint is:\n%1\n\nTrust exactly this certificate for %2?")
                                          .arg(fingerprint, host);
    if (platform.prompter->ask(owner, kTitle, text, MsgIcon::Exclamation, MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    platform.settings->writeGroup(kServersGroup, TrustKey(host), fingerprint);
    return true;
}

void WatchCertificates(QSslSocket* socket, Platform& platform, QWidget* owner) {
    QObject::connect(socket, &QSslSocket::sslErrors, owner, [socket, &platform, owner](const QList<QSslError>& errors) {
        Guarded(platform, [&] {
            if (TrustCertificate(platform, owner, socket->peerName(), socket->peerCertificate(), errors))
                socket->ignoreSslErrors(errors);
        });
    });
}

void TrustEnvironmentCertificates() {
    // Once per process, and only when a window is about to connect: parsing a whole CA bundle
    // took longer than the rest of the start-up together.
    static std::once_flag trusted;
    std::call_once(trusted, [] {
        const QString file = qEnvironmentVariable("SSL_CERT_FILE");
        if (file.isEmpty()) return;
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(file);
        QSslConfiguration::setDefaultConfiguration(tls);
    });
}

}  // namespace tolva
