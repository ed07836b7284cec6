// "Mail to Tolva!" through the real windows and real sockets: Debian's aiosmtpd stores the mail on
// a loopback port behind a slow uplink; servers written here refuse the recipient, stay silent,
// send junk or repeat their greeting for ever; and a port nobody listens on refuses the connection.
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <sys/socket.h>
#include <QTcpSocket>

#include "app/mail/mailform.h"
#include "core/mail/smtp.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;
using namespace std::chrono_literals;

namespace {

constexpr auto kReplyWait = 400ms;  // the shortened wait for a reply
const QByteArray kIni = "Version=1\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H");
const QStringList kSent = {"(Your bleem!.ini will be sent automatically)", "Connecting to the Mail Server ...",
                           "Mail Server is ready...", "Sending Rset to server...", "Sending FROM command...",
                           "Sending RCPT command..."};

bool InputsEnabled(QWidget* mail) {
    for (const char* name : {"NickTEXT", "UserMailTEXT", "CommentTEXT", "OkBUTTON"})
        if (Find(mail, name)->isEnabled()) return true;
    return false;
}

/// Records every text StatusTEXT shows, in order.
void RecordStatus(QWidget* mail, QStringList& statuses) {
    auto* status = Find<QLineEdit>(mail, "StatusTEXT");
    statuses << status->text();
    QObject::connect(status, &QLineEdit::textChanged, mail, [&statuses](const QString& text) { statuses << text; });
}

/// A slow uplink on loopback: passes the server's replies on at once and our bytes at `bytes`
/// every `ms`, by default 1 KB a quarter second with small buffers, so that what is not yet
/// passed on waits on our side; or, as a relay does, taking all of them at once.
class SlowRelay {
public:
    explicit SlowRelay(quint16 to, qint64 bytes = 1024, int ms = 250, bool takesAtOnce = false) {
        if (!server_.listen(QHostAddress::LocalHost, 0)) qFatal("cannot listen on loopback");
        const int small = 4096;  // taken over by every accepted connection
        if (!takesAtOnce)
            ::setsockopt(static_cast<int>(server_.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [=, this] {
            QTcpSocket* client = server_.nextPendingConnection();
            client->setReadBufferSize(takesAtOnce ? 0 : 1024);
            auto* upstream = new QTcpSocket(client);
            upstream->connectToHost(QHostAddress::LocalHost, to);
            QObject::connect(upstream, &QTcpSocket::readyRead, client, [=] { client->write(upstream->readAll()); });
            QObject::connect(upstream, &QTcpSocket::disconnected, client, [=] { client->disconnectFromHost(); });
            QObject::connect(client, &QTcpSocket::disconnected, upstream, [=] {
                upstream->write(client->readAll());
                upstream->disconnectFromHost();
            });
            auto* pace = new QTimer(client);
            QObject::connect(pace, &QTimer::timeout, client, [=] {
                if (upstream->state() == QAbstractSocket::ConnectedState) upstream->write(client->read(bytes));
            });
            pace->start(ms);
        });
    }
    quint16 port() const { return server_.serverPort(); }

private:
    QTcpServer server_;
};

struct Run : LoadedMain {
    explicit Run(const QByteArray& ini = kIni) : LoadedMain(ini) {}
    ~Run() {
        qunsetenv("TOLVA_MAIL_SERVER");
        qunsetenv("TOLVA_MAILBOX");
    }
    void pointAt(const QByteArray& endpoint) const { qputenv("TOLVA_MAIL_SERVER", endpoint); }
};

/// What the mail window showed once the dialogue had ended, and how long that took.
struct Ending {
    QString status;
    QStringList statuses;  // every one shown since Finish
    qint64 waited = -1;
    bool inputsEnabled = false;
};

/// Sends the mail to endpoint with the given reply wait, waits until Finish is offered again and
/// lingerMs longer, then leaves through the frame (Abort, which also ends a dialogue that never
/// ended) and the notice.
Ending MailTo(Run& run, const QByteArray& endpoint, std::chrono::milliseconds wait, int lingerMs = 0) {
    run.pointAt(endpoint);
    Ending ending;
    const bool walked = Walk().on("MailFORM", [&](QWidget* mail) {
        qobject_cast<MailFORM*>(mail)->setReplyTimeout(wait);
        QElapsedTimer clock;
        clock.start();
        Click(mail, "OkBUTTON");
        RecordStatus(mail, ending.statuses);
        if (QTest::qWaitFor([&] { return Find(mail, "OkBUTTON")->isEnabled(); }, 30000)) ending.waited = clock.elapsed();
        QTest::qWait(lingerMs);
        ending.status = Text(mail, "StatusTEXT");
        ending.inputsEnabled = InputsEnabled(mail);
        QVERIFY(!run.main->isEnabled());
        mail->close();
    }).press("Mail2FORM", "OkBUTTON").run(run, "MailMENU");
    if (!walked) ending.waited = -1;
    return ending;
}

}  // namespace

class MailTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Only a SOCKS proxy of all_proxy carries raw mail; socks5h lets the proxy resolve the name.
    void onlyASocksProxyCarriesTheMail() {
        const struct { const char* all; const char* spared; QNetworkProxy::ProxyType type; int port; bool names; } cases[] = {
            {"socks5h://127.0.0.1:1081", "", QNetworkProxy::Socks5Proxy, 1081, true},
            {"SOCKS5://127.0.0.1", "", QNetworkProxy::Socks5Proxy, 1080, false},
            {"http://127.0.0.1:3128", "", QNetworkProxy::NoProxy, 0, false},
            {"socks5://", "", QNetworkProxy::NoProxy, 0, false},
            {"socks5://127.0.0.1", "mail.example", QNetworkProxy::NoProxy, 0, false},
        };
        for (const auto& c : cases) {
            qputenv("all_proxy", c.all);
            qputenv("no_proxy", c.spared);
            const QNetworkProxy proxy = MailProxy("mail.example");
            QCOMPARE(proxy.type(), c.type);
            QCOMPARE(proxy.port(), c.port);
            QCOMPARE(bool(proxy.capabilities() & QNetworkProxy::HostNameLookupCapability), c.names);
        }
        qunsetenv("all_proxy");
        qunsetenv("no_proxy");
    }

    // Through a slow uplink the message takes about 20 s to leave, ten times the wait for a
    // reply, and a web proxy in http_proxy refuses everything: the mail goes direct, is accepted,
    // and stored once, byte for byte.
    void theMailReachesARealServerByteForByte() {
        PythonServer server;
        const QTemporaryDir folder;
        const QString maildir = folder.filePath("maildir");
        const QString failure = server.start("aiosmtpd", {"-n", "-l", "127.0.0.1:%1", "-c", "aiosmtpd.handlers.Mailbox", maildir});
        if (!failure.isEmpty()) {
            // scripts/install-deps installs it: where the test command says so, its absence fails.
            if (qEnvironmentVariableIntValue("TOLVA_REQUIRE_AIOSMTPD")) QFAIL(qPrintable(failure));
            QSKIP(qPrintable("Debian's python3-aiosmtpd is needed: " + failure));
        }
        // Enough entries that the message leaves in many pieces; one title needs Windows-1252.
        QByteArray ini = "Version=2001-03-04\r\n\r\n" + Entry("0000000002", "Caf\xe9 Racer", "80000000H") + "\r\n" +
                         Entry("0000000001", "Alpha", "40000000H") + "\r\n";
        QByteArray entries = "ID=0000000001\r\nTitle=Alpha\r\nFlags=40000000H\r\n\r\n"
                             "ID=0000000002\r\nTitle=Caf\xe9 Racer\r\nFlags=80000000H\r\n\r\n";
        for (int k = 1; k <= 1500; ++k) {
            const QByteArray title = "Game " + QByteArray::number(k).rightJustified(4, '0');
            const QByteArray entry = Entry(QByteArray::number(1000000000 + k), title, "01211010H");
            ini += entry + "\r\n";
            entries += entry + "\r\n";
        }
        Run run(ini);
        SlowRelay uplink(server.port);
        LoopbackServer proxy(LoopbackServer::Lines("HTTP/1.0 403 Forbidden\r\n\r\n"));
        qputenv("http_proxy", "http://" + proxy.endpoint());
        run.pointAt("127.0.0.1:" + QByteArray::number(uplink.port()));
        run.get<QLineEdit>("SearchTEXT")->setText("Gam");
        QStringList statuses;
        QPointer<QWidget> mailWindow;
        QString atNotice;
        int progressMaximum = 0;
        QTimer notice;  // sending outlasts a walk's step: the notice is served whenever it comes
        QObject::connect(&notice, &QTimer::timeout, &notice, [&] {
            QWidget* window = TopLevel("Mail2FORM");
            if (!window || !mailWindow) return;
            atNotice = QString("%1 %2 %3").arg(mailWindow->isVisible()).arg(run.main->isEnabled()).arg(run.main->windowTitle());
            progressMaximum = Find<QProgressBar>(mailWindow, "ProgressBar")->maximum();
            window->close();  // the frame's close button is OK
        });
        notice.start(50);
        QVERIFY(Walk().on("MailFORM", [&](QWidget* mail) {
            mailWindow = mail;
            qobject_cast<MailFORM*>(mail)->setReplyTimeout(2s);
            QCOMPARE(mail->windowTitle(), QString("tolva! Mail"));
            QCOMPARE(run.main->windowTitle(), QString("tolva! Mail"));
            QVERIFY(!run.main->isEnabled());
            QCOMPARE(Text(run.main.get(), "SearchTEXT"), QString());
            QVERIFY(Find(mail, "AbortBUTTON")->isEnabled() && InputsEnabled(mail));
            QVERIFY(mail->findChild<QLabel*>("PICTUREBOX"));
            RecordStatus(mail, statuses);
            Find<QLineEdit>(mail, "NickTEXT")->setText(QString::fromUtf8("Zo\u00eb"));
            Find<QLineEdit>(mail, "UserMailTEXT")->setText("zoe@home.example");
            // A line of its own holding "." would end the message early if it were not doubled.
            Find<QPlainTextEdit>(mail, "CommentTEXT")->setPlainText(QString::fromUtf8("First line\n.\n.hidden\n..two\nOmega \u03a9 \u20ac"));
            Click(mail, "OkBUTTON");
            QVERIFY(!InputsEnabled(mail) && Find(mail, "AbortBUTTON")->isEnabled());  // Abort cancels
        }).run(run, "MailMENU"));
        qunsetenv("http_proxy");
        QCOMPARE(atNotice, QString("0 0 tolva! Mail"));  // the mail window hidden, the main window still waiting
        statuses.removeAll("Waiting for the server's reply...");  // shown or not, as the reply's timing has it
        QCOMPARE(statuses, kSent + QStringList({"Sending DATA command...",
                                                "Sending Quit command to disconnecting from mail server..."}));
        QCOMPARE(proxy.connections, 0);
        QVERIFY(run.back());

        // The maildir keeps lines ending in LF and adds its own envelope headers ("X-") after ours.
        const QStringList files = QDir(maildir + "/new").entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QFile file(maildir + "/new/" + files[0]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        const qsizetype split = stored.indexOf("\n\n");
        QList<QByteArray> header = stored.left(split).split('\n');
        QList<QByteArray> envelope;
        for (qsizetype k = header.size() - 1; k >= 0; --k)
            if (header[k].startsWith("X-")) envelope.prepend(header.takeAt(k));
        QCOMPARE(header, QList<QByteArray>({"Date: 04 Mar 01 13:05:09", "To: tolva@tolva.example",
                                            "From: tolva@tolva.example", "Subject: [Tolva!AutomaticMail]", "Cc: "}));
        QVERIFY(envelope.contains("X-MailFrom: tolva@tolva.example") && envelope.contains("X-RcptTo: tolva@tolva.example"));
        const QByteArray hyphens(89, '-');
        QByteArray body = "--- tolva - Release 5 ---\r\nName : Zo\xeb\r\nMail : zoe@home.example\r\n" + hyphens +
                          "\r\nFirst line\r\n.\r\n.hidden\r\n..two\r\nOmega ? \x80\r\n" + hyphens +
                          "\r\nVERSION=2001-03-04\r\n\r\n" + entries;
        QVERIFY(progressMaximum > body.size());
        QVERIFY(stored.mid(split + 2) == body.replace("\r\n", "\n"));
    }

    // A relay takes the whole message at once and passes it on at 400 bytes a second, slower
    // than the dialogue's limit allows for: once all of it has left, the reply is awaited beyond
    // the wait for a reply and the dialogue's limit, with Abort available, and the mail arrives.
    void theReplyToTheMessageIsAwaitedWhileARelayPassesItOn() {
        PythonServer server;
        const QTemporaryDir folder;
        const QString failure = server.start("aiosmtpd", {"-n", "-l", "127.0.0.1:%1", "-c", "aiosmtpd.handlers.Mailbox",
                                                          folder.filePath("maildir")});
        if (!failure.isEmpty()) {
            if (qEnvironmentVariableIntValue("TOLVA_REQUIRE_AIOSMTPD")) QFAIL(qPrintable(failure));
            QSKIP(qPrintable("Debian's python3-aiosmtpd is needed: " + failure));
        }
        QByteArray ini = "Version=1\r\n";  // a message of about 4 KB
        for (int k = 0; k < 120; ++k) ini += Entry(QByteArray::number(1000000000 + k), "G", "8");
        Run run(ini);
        SlowRelay relay(server.port, 8, 20, true);
        run.pointAt("127.0.0.1:" + QByteArray::number(relay.port()));
        constexpr auto wait = 300ms;
        QStringList statuses;
        QElapsedTimer clock;
        qint64 waited = -1;
        QTimer notice;  // the notice comes while the program still waits: served whenever it does
        QObject::connect(&notice, &QTimer::timeout, &notice, [] { if (QWidget* n = TopLevel("Mail2FORM")) n->close(); });
        notice.start(50);
        QVERIFY(Walk().on("MailFORM", [&](QWidget* mail) {
            qobject_cast<MailFORM*>(mail)->setReplyTimeout(wait);
            auto* status = Find<QLineEdit>(mail, "StatusTEXT");
            QObject::connect(status, &QLineEdit::textChanged, mail, [&, mail](const QString& text) {
                statuses << text + (Find(mail, "AbortBUTTON")->isEnabled() ? "" : " (no Abort)");
                if (text.startsWith("Sending Quit")) waited = clock.elapsed();
            });
            clock.start();
            Click(mail, "OkBUTTON");
        }).run(run, "MailMENU"));
        QCOMPARE(statuses.mid(statuses.size() - 3), QStringList({"Sending DATA command...", "Waiting for the server's reply...",
                                                                 "Sending Quit command to disconnecting from mail server..."}));
        // Beyond the dialogue's limit: its replies' share, and the message's (with its header) at 1 KB/s.
        QVERIFY2(waited > std::chrono::milliseconds(wait).count() * kMailDeadlineReplies + ini.size() + 1000, qPrintable(QString::number(waited)));
        QCOMPARE(QDir(folder.filePath("maildir/new")).entryList(QDir::Files).size(), 1);
        QVERIFY(run.back());
    }

    // Abort while the message leaves drops the connection before its final "." and says so; the
    // comment stays, a second Finish sends again, and Abort between commands takes leave with QUIT.
    void abortWhileSendingCancelsAndTheCommentStays() {
        QByteArray ini = "Version=1\r\n";  // the table's 4096 entries, each as short as an entry can be
        for (int k = 0; k < 4096; ++k) ini += Entry(QByteArray::number(1000000000 + k), "G", "8");
        Run run(ini);
        LoopbackServer peer(LoopbackServer::Lines("220 peer.test ready\r\n", [](const QByteArray& line) -> QByteArray {
            if (line == "DATA") return "354 go ahead\r\n";
            return line.contains(':') || line.startsWith("HELO") || line == "RSET" ? "250 OK\r\n" : "";
        }));
        SlowRelay uplink(QUrl("http://" + peer.endpoint()).port());
        run.pointAt("127.0.0.1:" + QByteArray::number(uplink.port()));
        QVERIFY(Walk().on("MailFORM", [&](QWidget* mail) {
            auto* progress = Find<QProgressBar>(mail, "ProgressBar");
            Find<QPlainTextEdit>(mail, "CommentTEXT")->setPlainText("keep me");
            Click(mail, "OkBUTTON");
            QTRY_VERIFY_WITH_TIMEOUT(progress->isVisible() && progress->value() > 4096, 20000);
            Click(mail, "AbortBUTTON");
            QCOMPARE(Text(mail, "StatusTEXT"), QString("Sending cancelled..."));
            QVERIFY(mail->isVisible() && InputsEnabled(mail));
            QCOMPARE(Find<QPlainTextEdit>(mail, "CommentTEXT")->toPlainText(), QString("keep me"));
            QTRY_VERIFY_WITH_TIMEOUT(peer.clientClosed, 5000);
            QVERIFY(!peer.received.contains("\r\n.\r\n"));
            peer.received.clear();
            Click(mail, "OkBUTTON");
            QTRY_VERIFY_WITH_TIMEOUT(peer.received.contains("RSET"), 20000);
            Click(mail, "AbortBUTTON");
            QTRY_VERIFY_WITH_TIMEOUT(peer.received.contains("QUIT"), 20000);
            Click(mail, "AbortBUTTON");
        }).on("Mail2FORM", [](QWidget* notice) { notice->close(); }).run(run, "MailMENU"));
        QCOMPARE(peer.connections, 2);
        QVERIFY(run.back());
    }

    void noServerListeningShowsTheError() {
        Run run;
        const Ending ending = MailTo(run, "127.0.0.1:" + QByteArray::number(FreePort()), 20s);
        QCOMPARE(ending.status, QString("Error sending mail... Connection refused"));
        QVERIFY(run.back());
    }

    void closingTheWindowWhileSendingDropsTheConnection() {
        Run run;
        // Greets and then says nothing after HELO: the dialogue is in the middle when the user leaves.
        LoopbackServer peer(LoopbackServer::Lines("220 peer.test ready\r\n"));
        run.pointAt(peer.endpoint());
        QVERIFY(Walk().on("MailFORM", [&](QWidget* mail) {
            Click(mail, "OkBUTTON");
            QTRY_COMPARE_WITH_TIMEOUT(peer.received, QByteArray("HELO 127.0.0.1\r\n"), 20000);
            QVERIFY(Find(mail, "AbortBUTTON")->isEnabled());  // Abort would cancel; the frame closes
            mail->close();
        }).on("Mail2FORM", [&](QWidget* notice) {
            // The closed mail window still exists here: the connection must be gone already.
            QVERIFY(QTest::qWaitFor([&] { return peer.clientClosed; }, 5000));
            QVERIFY(run.main->isEnabled());
            QCOMPARE(run.main->windowTitle(), QString("tolva! Mail"));
            Click(notice, "OkBUTTON");
        }).run(run, "MailMENU"));
        QVERIFY(run.back());
    }

    void abortSendsNothingAndTheNoticeLinksToTheMaker() {
        Run run;
        LoopbackServer peer(LoopbackServer::Lines("220 peer.test ready\r\n"));
        run.pointAt(peer.endpoint());
        QStringList texts;
        QVERIFY(Walk().on("MailFORM", [&](QWidget* mail) {
            QCOMPARE(Text(mail, "StatusTEXT"), QString("(Your bleem!.ini will be sent automatically)"));
            Click(mail, "AbortBUTTON");
        }).on("Mail2FORM", [&](QWidget* notice) {
            QVERIFY(run.main->isEnabled());
            QCOMPARE(notice->windowTitle(), QString("tolva! Mail"));
            for (QLabel* label : notice->findChildren<QLabel*>())  // bold as a heading, underlined as a link
                if (!label->text().isEmpty())
                    texts << QString(label->font().bold() ? "*" : "") + (label->font().underline() ? "_" : "") + label->text();
            auto* link = Find<QLabel>(notice, "WebLABEL");
            QVERIFY(link->cursor().shape() == Qt::BitmapCursor || link->cursor().shape() == Qt::PointingHandCursor);
            QTest::mouseClick(link, Qt::LeftButton);
            QCOMPARE(run.t.shell.opened, QStringList{"http://www.bleem.example"});
            QTest::mouseClick(link, Qt::RightButton);  // no other button opens it
            link->setFocus();
            QTest::keyClick(link, Qt::Key_A);  // nor another key
            QCOMPARE(run.t.shell.opened.size(), 1);
            for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(link, key);
            // Asking for a second mail meanwhile brings this notice forward instead.
            run.trigger("MailMENU");
            QVERIFY(!TopLevel("MailFORM") && notice->isVisible());
            Click(notice, "OkBUTTON");
        }).run(run, "MailMENU"));
        QCOMPARE(peer.connections, 0);
        QCOMPARE(texts, QStringList({"*How does it work?",
                                     "It's easy! Just submit 15 complete compatibility reports for games that are not "
                                     "on bleem!'s Game List. Working or not, the bleem!-team need to know!",
                                     "If you help bleem! out by testing your games you can get this t-shirt FREE!",
                                     "*WHOOOOHOOOO!\nFREE SWAG!", "Click here for more info :", "_http://www.bleem.example"}));
        QCOMPARE(run.t.shell.opened, QStringList(4, "http://www.bleem.example"));
        QVERIFY(run.back());
    }

    // Silence, or lines none of which is a reply the dialogue can act on: the wait for a reply
    // runs on regardless and ends the dialogue, long before the limit on the whole dialogue.
    void silenceAndJunkMeetTheWaitForAReply_data() {
        QTest::addColumn<QByteArray>("greeting");
        QTest::addColumn<QByteArray>("junk");
        QTest::newRow("silence") << QByteArray() << QByteArray();
        QTest::newRow("garbage") << QByteArray() << QByteArray("\x01\xff HTTP/1.0 200 OK -1 x\r\n");
        QTest::newRow("a greeting that never ends") << QByteArray() << QByteArray("220-still greeting\r\n");
        QTest::newRow("codes the table does not know") << QByteArray("220 hello\r\n") << QByteArray("199 wait\r\n");
    }
    void silenceAndJunkMeetTheWaitForAReply() {
        QFETCH(QByteArray, greeting);
        QFETCH(QByteArray, junk);
        LoopbackServer server([greeting, junk](LoopbackServer&, QTcpSocket* client) {
            client->write(greeting);
            if (!junk.isEmpty()) LoopbackServer::Every(client, 20, [client, junk] { client->write(junk); });
        });
        Run run;
        const Ending ending = MailTo(run, server.endpoint(), kReplyWait);
        QCOMPARE(ending.status, QString("Error sending mail... no reply from the server for 400 milliseconds"));
        QVERIFY(ending.inputsEnabled);
        QVERIFY2(ending.waited >= 350 && ending.waited < 2000, qPrintable(QString::number(ending.waited)));
        QVERIFY(QTest::qWaitFor([&] { return server.clientClosed; }, 5000));
        QCOMPARE(server.connections, 1);
        QVERIFY(run.back());
    }

    // Every line a greeting, which the dialogue answers each time: the wait for a reply restarts,
    // and only the limit on the whole dialogue ends it — once.
    void aGreetingRepeatedForEverMeetsTheDialoguesLimit() {
        LoopbackServer server([](LoopbackServer&, QTcpSocket* client) {
            LoopbackServer::Every(client, 50, [client] { client->write("220 hello again\r\n"); });
        });
        Run run;
        const qint64 limit = std::chrono::milliseconds(kReplyWait).count() * kMailDeadlineReplies;
        // The limit passes once more after the end: nothing happens.
        const Ending ending = MailTo(run, server.endpoint(), kReplyWait, static_cast<int>(limit) + 500);
        QVERIFY2(ending.waited >= limit * 19 / 20 && ending.waited < limit + 3000, qPrintable(QString::number(ending.waited)));
        QCOMPARE(ending.statuses, QStringList({"Connecting to the Mail Server ...", "Mail Server is ready...",
                                               "Error sending mail... the server took too long in all"}));
        QVERIFY(server.received.count("HELO") > 1);
        QVERIFY(server.clientClosed);
        QVERIFY(run.back());
    }
};

QTEST_MAIN(MailTest)
#include "mail_test.moc"
