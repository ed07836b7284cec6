// The Servers window and what it changes: the mail through the user's own server (STARTTLS or TLS,
// PLAIN or LOGIN, certificates trusted or not), the update from an https address and from a file,
// and the password kept out of the settings. The servers are aiosmtpd and Python's http.server
// on loopback (tests/app/servers.py), with a certificate authority made by openssl for the run
// and trusted through SSL_CERT_FILE.
#include <QComboBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QSettings>
#include <QSslCertificate>

#include "app/platform/keyring.h"
#include "app/platform/servers.h"
#include "app/update/updateini.h"
#include "core/update/http_download.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kIni = "Version=2001-03-04\r\n\r\n" + Entry("0000000001", "Alpha", "80000000H");
const QByteArray kUpdate = "Version=2001-05-01\r\n" + Entry("0000000001", "Alpha", "80000000H") + "\r\n" +
                           Entry("0000000012", "echo", "01000000H") + "\r\n" + Entry("0000000011", "Charlie", "");

const QString kScript = QStringLiteral(QT_TESTCASE_SOURCEDIR "/app/servers.py");
QTemporaryDir* certs = nullptr;  // the run's CA, certificates and the servers' records

QString Certs(const QString& name) { return certs->filePath(name); }

/// A server of servers.py: mode, on a free port, with certificate cert (server, self, self2).
struct Server : PythonServer {
    Server(const QString& mode, const QString& cert = "server") {
        const QString failure = start(kScript, {mode, "%1", certs->path(), cert});
        if (!failure.isEmpty()) qFatal("%s", qPrintable(failure));
    }
    QByteArray record(const char* kind) const {
        QFile file(Certs(QString("%1-%2").arg(kind).arg(port)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

struct Run : LoadedMain {
    explicit Run(const QByteArray& ini = kIni) : LoadedMain(ini) {}
    /// The user's own mail server on port, as the Servers window keeps it.
    void ownMail(int port, SmtpSecurity security, const QString& password) {
        ServerChoice choice{{}, true, "127.0.0.1", port, security, false, "tolva", true, "s@x.example", "r@y.example"};
        WriteServerChoice(t.settings, choice);
        t.keyring.kept[PasswordAccount(choice)] = password;
    }
    /// Sends the mail; the status it ended with (the notice closed).
    QString mail() {
        QString status;
        const bool walked = Walk().on("MailFORM", [&](QWidget* mail) {
            Find<QLineEdit>(mail, "UserMailTEXT")->setText("me@home.example");
            Click(mail, "OkBUTTON");
            const QPointer<QWidget> window(mail);
            (void)QTest::qWaitFor([&] { return !window->isVisible() || Find(window, "OkBUTTON")->isEnabled(); }, 20000);
            status = Text(window, "StatusTEXT");
            if (window->isVisible()) window->close();
        }).press("Mail2FORM", "OkBUTTON").run(*this, "MailMENU");
        return walked ? status : "not walked";
    }
    /// The update run by the first menu entry (the list answered with all ticked), or merged.
    QByteArray update(const QString& file = {}) {
        Walk().on("UpdateFORM", [](QWidget* list) {
            Click(list, "MarkAllBUTTON");
            Click(list, "OkBUTTON");
        }).run([&] { Guarded(t.platform, [&] { file.isEmpty() ? UpdateINI(*main, 1) : MergeUpdateFile(*main, file); }); });
        return this->file();
    }
};

QString Shown(const Run& run) {
    QStringList texts;
    for (const Message& message : run.t.prompter.shown) texts << message.text;
    return texts.join("\n--\n");
}

}  // namespace

class ServersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        certs = new QTemporaryDir;
        QCOMPARE(QProcess::execute("/usr/bin/python3", {kScript, "certs", certs->path()}), 0);
        qputenv("SSL_CERT_FILE", Certs("ca.pem").toLocal8Bit());
        QFile update(Certs("update.ini"));
        QVERIFY(update.open(QIODevice::WriteOnly) && update.write(kUpdate) == kUpdate.size());
    }
    void cleanupTestCase() { delete certs; }

    void mailThroughTheOwnServer_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("security");
        QTest::addColumn<QString>("cert");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("trusted");  // the certificate whose fingerprint was trusted before
        QTest::addColumn<QString>("said");     // in the status or a message; "" when delivered
        const int starttls = int(SmtpSecurity::StartTls), tls = int(SmtpSecurity::Tls);
        QTest::newRow("STARTTLS, PLAIN") << "starttls" << starttls << "server" << "secret" << "" << "";
        QTest::newRow("TLS, PLAIN") << "tls" << tls << "server" << "secret" << "" << "";
        QTest::newRow("TLS, LOGIN") << "tls-login" << tls << "server" << "secret" << "" << "";
        QTest::newRow("wrong password") << "tls" << tls << "server" << "wrong" << ""
                                        << "Error sending mail... 535 5.7.8 Authentication credentials invalid";
        QTest::newRow("no STARTTLS") << "plain" << starttls << "server" << "secret" << ""
                                     << "the server offers no STARTTLS, and nothing goes to it unprotected";
        QTest::newRow("untrusted") << "tls" << tls << "self" << "secret" << ""
                                   << "The certificate of 127.0.0.1 cannot be trusted: The certificate is self-signed";
        QTest::newRow("trusted fingerprint") << "tls" << tls << "self" << "secret" << "self" << "";
        QTest::newRow("trusted when asked") << "tls" << tls << "self" << "secret" << "asked" << "";
        QTest::newRow("changed certificate") << "tls" << tls << "self2" << "secret" << "self"
                                             << "It is not the certificate you trusted for this server before.";
    }
    void mailThroughTheOwnServer() {
        QFETCH(QString, mode);
        QFETCH(int, security);
        QFETCH(QString, cert);
        QFETCH(QString, password);
        QFETCH(QString, trusted);
        QFETCH(QString, said);
        Server server(mode, cert);
        Run run;
        run.ownMail(server.port, SmtpSecurity(security), password);
        const QString key = "Servers/TrustedCertificates/127.0.0.1", self = Fingerprint(QSslCertificate::fromPath(Certs("self.pem"))[0]);
        if (trusted == "self") run.t.settings.windows[key] = self;
        run.t.prompter.answers.enqueue(trusted == "asked" ? MsgAnswer::Yes : MsgAnswer::No);  // else trust nothing new
        const QString status = run.mail();
        const QByteArray mail = server.record("mail");
        if (said.isEmpty()) {
            QVERIFY2(mail.startsWith("s@x.example\nr@y.example\n"), qPrintable(status + " / " + Shown(run)));
            QVERIFY(mail.contains("\r\nTo: r@y.example\r\nFrom: s@x.example\r\nReply-To: me@home.example\r\n"));
            QVERIFY(mail.contains("\r\nID=0000000001\r\nTitle=Alpha\r\n"));
            QCOMPARE(run.t.prompter.shown.size(), trusted == "asked" ? 1 : 0);
            QCOMPARE(run.t.settings.windows.value(key), trusted.isEmpty() ? "" : self);  // kept once trusted
            return;
        }
        QVERIFY2((status + Shown(run)).contains(said), qPrintable(status + " / " + Shown(run)));
        QCOMPARE(mail, QByteArray());
        // A credential reached only the server that refused it.
        QCOMPARE(server.record("credentials").isEmpty(), !password.startsWith("wrong"));
    }

    void theServersWindowKeepsItsChoiceButNeverThePassword() {
        const QTemporaryDir home;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
        QtSettingsStore store;
        Run run;
        run.t.platform.settings = &store;
        run.trigger("ServersMENU");
        QWidget* window = TopLevel("ServersFORM");
        QVERIFY(window && run.main->isEnabled());  // a companion
        Find<QRadioButton>(window, "MailOwnOPTION")->setChecked(true);
        Find<QComboBox>(window, "SecurityCOMBO")->setCurrentIndex(1);
        QCOMPARE(Text(window, "PortTEXT"), QString::number(kSubmissionsPort));
        for (const auto& [field, text] : {std::pair{"HostTEXT", "127.0.0.1"}, {"UserTEXT", "tolva"}, {"PasswordTEXT", "pw-9f3k"},
                                          {"SenderTEXT", "s@x.example"}, {"RecipientTEXT", "r@y.example"}})
            Find<QLineEdit>(window, field)->setText(text);
        Find<QCheckBox>(window, "RememberCHECK")->setChecked(true);
        Click(window, "OkBUTTON");
        QFile file(store.location());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray kept = file.readAll();
        QVERIFY2(kept.contains("[Servers]") && kept.contains("MailUser=tolva") && kept.contains("MailSecurity=tls"), kept);
        QVERIFY(!kept.contains("pw-9f3k"));
        QCOMPARE(run.t.keyring.kept.value("tolva@127.0.0.1:465"), QString("pw-9f3k"));
        run.t.platform.settings = &run.t.settings;
    }

    // OK keeps a whole choice; one missing or malformed part is named, and nothing is kept.
    void okKeepsOnlyAWholeChoice() {
        const QString address = "The update's web address must be a whole address beginning with http:// or https://.";
        const QString mail = "Your mail server needs its host, its port, the sender address and the recipient.";
        const struct { const char* field; QString text; QString says; } cases[] = {
            {"PortTEXT", "1", ""}, {"PortTEXT", "65535", ""}, {"PortTEXT", "0", mail}, {"PortTEXT", "", mail},
            {"HostTEXT", " ", mail}, {"SenderTEXT", "", mail}, {"RecipientTEXT", " ", mail},
            {"UpdateAddressTEXT", "http://127.0.0.1/u.ini", ""}, {"UpdateAddressTEXT", "HTTPS://example.org/u.ini", ""},
            {"UpdateAddressTEXT", "ftp://example.org/u.ini", address}, {"UpdateAddressTEXT", "https:///u.ini", address},
            {"UpdateAddressTEXT", "update.ini", address}, {"UpdateAddressTEXT", "", address},
        };
        for (const auto& c : cases) {
            Run run;
            run.ownMail(587, SmtpSecurity::StartTls, "pw");
            run.t.settings.windows["Servers/UpdateAddress"] = "https://example.org/update.ini";
            const QMap<QString, QString> before = run.t.settings.windows;
            run.trigger("ServersMENU");
            QWidget* window = TopLevel("ServersFORM");
            Find<QLineEdit>(window, c.field)->setText(c.text);
            Click(window, "OkBUTTON");
            QStringList said;
            for (const Message& m : run.t.prompter.shown) said << m.text;
            QCOMPARE(said, c.says.isEmpty() ? QStringList() : QStringList{c.says});
            QCOMPARE(window->isVisible(), !c.says.isEmpty());
            QCOMPARE(run.t.settings.windows == before, !c.says.isEmpty());
            if (window->isVisible()) window->close();
        }
    }

    // A plain connection nobody confirmed (a settings file edited by hand) gets STARTTLS asked for,
    // unless the server is this machine; a confirmed one and the protected ones keep their choice.
    void anUnconfirmedPlainConnectionAsksForTls() {
        const auto security = [](SmtpSecurity chosen, bool confirmed, const char* host) {
            ServerChoice choice{{}, true, host, 25, chosen, confirmed, "tolva", true, "s@x.example", "r@y.example"};
            return MailAccount(choice, "secret", {}, false).security;
        };
        QCOMPARE(security(SmtpSecurity::None, false, "mail.example"), SmtpSecurity::StartTls);
        QCOMPARE(security(SmtpSecurity::None, true, "mail.example"), SmtpSecurity::None);
        QCOMPARE(security(SmtpSecurity::None, false, "127.0.0.1"), SmtpSecurity::None);
        QCOMPARE(security(SmtpSecurity::Tls, false, "mail.example"), SmtpSecurity::Tls);
    }

    // "Test" logs in and says goodbye, or fetches the address, and says how it went.
    void testSendsNothingAndSaysHowItWent_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("result");
        QTest::newRow("login") << "starttls" << "secret" << "The server accepts the settings";
        QTest::newRow("wrong password") << "starttls" << "wrong" << "The test failed: 535 5.7.8 Authentication credentials invalid";
        // An error reply ends the test at once, though the server neither closes nor says more.
        QTest::newRow("refused at the greeting") << "refusing" << "" << "The test failed: 554 5.7.1 Not you";
        QTest::newRow("update") << "https" << "" << QString("The address answers with an update file of %1 bytes.").arg(kUpdate.size());
    }
    void testSendsNothingAndSaysHowItWent() {
        QFETCH(QString, mode);
        QFETCH(QString, password);
        QFETCH(QString, result);
        LoopbackServer refusing(LoopbackServer::Lines("220 x.example ESMTP\r\n",
                                                      [](const QByteArray&) { return "554 5.7.1 Not you\r\n"; }));
        std::optional<Server> server;  // the refusing one is a loopback server of this test's own
        if (mode != "refusing") server.emplace(mode);
        Run run;
        if (!server) run.ownMail(refusing.endpoint().split(':').last().toInt(), SmtpSecurity::None, password);
        else run.ownMail(server->port, SmtpSecurity::StartTls, password);
        if (server) run.t.settings.windows["Servers/UpdateAddress"] = QString("https://127.0.0.1:%1/update.ini").arg(server->port);
        run.trigger("ServersMENU");
        QWidget* window = TopLevel("ServersFORM");
        const QString test = mode == "https" ? "UpdateTestBUTTON" : "MailTestBUTTON";
        Click(window, test);
        QVERIFY(mode == "https" || !Find(window, test)->isEnabled());  // one login at a time
        QVERIFY2(QTest::qWaitFor([&] { return Text(window, "ResultLABEL").startsWith(result); }, 20000),
                 qPrintable(Text(window, "ResultLABEL")));
        QVERIFY(Find(window, test)->isEnabled());
        QCOMPARE(server ? server->record("mail") : QByteArray(refusing.received.contains("MAIL FROM") ? "MAIL" : ""), QByteArray());
        window->close();
    }

    // The https address, the socket route and the file append the same bytes; a redirect to
    // http, a slow body cancelled, an untrusted server and a file that is no update change nothing.
    void theUpdateFromAnAddressOrAFile() {
        PythonServer plain;
        QCOMPARE(plain.start("http.server", {"%1", "--bind", "127.0.0.1", "--directory", certs->path()}), QString());
        QByteArray expected;
        {
            Run socket;
            qputenv("TOLVA_UPDATE_SERVER", plain.endpoint());
            expected = socket.update();
            qunsetenv("TOLVA_UPDATE_SERVER");
        }
        QVERIFY(expected.size() > kIni.size());
        Server https("https"), untrusted("https", "self");
        const auto at = [](const Server& server, const char* path) {
            return QString("https://127.0.0.1:%1/%2").arg(server.port).arg(path);
        };
        for (const QString& file : {QString(), Certs("update.ini")}) {  // from the address, then merged
            Run run;
            run.t.settings.windows["Servers/UpdateAddress"] = at(https, "update.ini");
            QCOMPARE(run.update(file), expected);
        }
        for (const qsizetype extra : {0, 1}) {  // a file of the download's limit is merged, one a byte larger not read
            Run run;
            QFile big(Certs("big.ini"));
            QVERIFY(big.open(QIODevice::WriteOnly));
            QFile served(Certs("update.ini"));
            QVERIFY(served.open(QIODevice::ReadOnly));
            const QByteArray update = served.readAll();
            big.write(update + "\r\n" + QByteArray(kMaxBodyBytes - update.size() - 2 + extra, 'x'));
            big.close();
            const QByteArray merged = run.update(big.fileName());
            QCOMPARE(merged, extra ? kIni : expected);
            if (extra) QCOMPARE(Shown(run), "big.ini: the file holds more than 8388608 bytes, more than an update can be");
        }
        const struct { QString address; QString said; } refused[] = {
            {at(https, "to-http"), "from a protected (https) address to an unprotected one"},
            {at(https, "slow"), "cancelled"},
            {at(untrusted, "update.ini"), "The certificate of 127.0.0.1 cannot be trusted"},
            {"", "server.pem is no update file: it holds no Version line and no ID line."},
        };
        for (const auto& c : refused) {
            Run run;
            run.t.settings.windows["Servers/UpdateAddress"] = c.address;
            if (c.said.contains("certificate")) run.t.prompter.answers.enqueue(MsgAnswer::No);
            QTimer cancel;  // the slow body's window is served whenever its bytes flow
            QObject::connect(&cancel, &QTimer::timeout, &cancel, [&] {
                if (QWidget* download = TopLevel("DownloadFORM2"))
                    if (Find<QProgressBar>(download, "ProgressBar")->value() > 0) Click(download, "CancelBUTTON");
            });
            cancel.start(50);
            QCOMPARE(run.update(c.address.isEmpty() ? Certs("server.pem") : QString()), kIni);
            QVERIFY2(Shown(run).contains(c.said), qPrintable(Shown(run)));
            QVERIFY2(run.back(), qPrintable(c.said));
        }
    }

    // The real keyring, where a Secret Service answers (ctest starts one for this test).
    void theDesktopKeyringKeepsThePassword() {
        QtKeyring keyring(QStringLiteral("tolva! test"));
        if (!keyring.write("probe@127.0.0.1:587", "pw-7"))
            QSKIP("no Secret Service answers on this session bus, so the real keyring cannot be tried");
        QCOMPARE(keyring.read("probe@127.0.0.1:587"), std::optional<QString>("pw-7"));
        QVERIFY(keyring.write("probe@127.0.0.1:587", ""));
        QTest::failOnWarning(QRegularExpression("^keyring: "));  // an entry not there is no failure to report
        QCOMPARE(keyring.read("probe@127.0.0.1:587"), std::nullopt);
    }
};

QTEST_MAIN(ServersTest)
#include "servers_test.moc"
