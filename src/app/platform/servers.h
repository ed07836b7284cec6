#pragma once
// The servers the user chose in the Servers window (settings group "Servers"; the password only
// in the keyring), and what the update and the mail need of them: the password, the SMTP account
// and the trust in a certificate the system's store does not vouch for.
#include <QList>
#include <QString>
#include <optional>

#include "core/mail/smtp.h"

class QSslCertificate;
class QSslError;
class QSslSocket;
class QWidget;

namespace tolva {

struct Platform;
class SettingsStore;

/// Ports the security choices suggest: STARTTLS submission, TLS from the start, plain.
inline constexpr int kSubmissionPort = 587;
inline constexpr int kSubmissionsPort = 465;

struct ServerChoice {
    QString updateAddress;  ///< "" for the maintainers' server
    bool ownMail = false;   ///< false: the maintainers' server
    QString host;
    int port = kSubmissionPort;
    SmtpSecurity security = SmtpSecurity::StartTls;
    bool plainConfirmed = false;  ///< the user accepted a connection without TLS
    QString user;
    bool rememberPassword = false;
    QString sender;
    QString recipient;
};

ServerChoice ReadServerChoice(SettingsStore& settings);
void WriteServerChoice(SettingsStore& settings, const ServerChoice& choice);

/// The keyring entry of the mail server's password: "user@host:port".
QString PasswordAccount(const ServerChoice& choice);

/// Whether host is this machine (a plain connection to it leaves no wire).
bool IsLoopback(const QString& host);

/// The mail server's password: given in this run, kept in the keyring, or asked for now (held
/// for the run). Nothing when the user declines to give one.
std::optional<QString> MailPassword(Platform& platform, QWidget* owner, const ServerChoice& choice);

/// The dialogue's account for the choice; replyTo is the mail window's address.
SmtpAccount MailAccount(const ServerChoice& choice, const QString& password, const QString& replyTo, bool loginOnly);

/// Connects socket to the chosen server: TLS from the start or a plain connection.
void ConnectMailServer(QSslSocket& socket, const ServerChoice& choice);

/// "AB:CD:...": the certificate's SHA-256 fingerprint as people compare it.
QString Fingerprint(const QSslCertificate& certificate);

/// A TLS connection to host met errors with the certificate peer: true when this very
/// certificate was trusted for host before, or the user trusts it now (kept in the settings);
/// false otherwise, after telling host and reason.
bool TrustCertificate(Platform& platform, QWidget* owner, const QString& host, const QSslCertificate& peer,
                      const QList<QSslError>& errors);

/// Lets socket's certificate errors be judged by TrustCertificate.
void WatchCertificates(QSslSocket* socket, Platform& platform, QWidget* owner);

/// SSL_CERT_FILE: certificates that TLS is to trust beside the system's store, as OpenSSL's own
/// programs read it (Qt 6.4 looks only in the system's folders). Added once, by the first window
/// that makes a TLS connection, before it makes its socket (a socket copies the trust it is made with).
void TrustEnvironmentCertificates();

}  // namespace tolva
