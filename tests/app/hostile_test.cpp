// Servers that attack the program instead of serving it, on loopback: for the update download an
// endless header, a 2 GB Content-Length with a short body, a byte now and then, a reset in the
// middle of the body; for the mail, garbage and endless replies, a close in the middle of DATA and
// a megabyte without a line end. Each attack ends within the (shortened) time-out with the
// program's message, the main window back, and the machines holding no more than their limits.
// The silent server and the refused connection are in update_test and mail_test.
#include <sys/socket.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/mail/mail2form.h"
#include "app/mail/mailform.h"
#include "app/mainwindow/mainform.h"
#include "app/update/downloadform.h"
#include "app/update/updateini.h"
#include "core/mail/smtp.h"
#include "core/state.h"
#include "core/update/http_download.h"
#include "support/fakeplatform.h"

using namespace tolva;
using namespace tolva::test;
using namespace std::chrono_literals;

namespace {

constexpr auto kStall = 300ms;                // the update's shortened wait for a byte
constexpr auto kReplyWait = 400ms;            // the mail's shortened wait for a reply
constexpr int kTestMilliseconds = 30000;      // every test ends by then, passed or failed

const QByteArray kIni = "Version=2001-03-04\r\n\r\n" + Entry("0000000001", "Alpha", "80000000H") + "\r\n" +
                        Entry("0000000002", "beta", "40000000H");
const QByteArray kTxt = "Header|Title|Publisher|Code|Region|x|Status|D3D|Details|\r\n";
const QString kFailedToConnect =
    "tolva! failed to connect to the server.\n\nPlease establish a internet connection first, before you run "
    "tolva! Online Update. When you have any further problems, please check your modem and internet settings.";

/// A loopback server that hands every connection it accepts to `serve`.
class HostileServer {
public:
    explicit HostileServer(std::function<void(HostileServer&, QTcpSocket*)> serve) : serve_(std::move(serve)) {
        if (!server_.listen(QHostAddress::LocalHost, 0)) qFatal("cannot listen on loopback");
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* client = server_.nextPendingConnection()) {
                ++connections;
                QObject::connect(client, &QTcpSocket::disconnected, &server_, [this] { clientClosed = true; });
                QObject::connect(client, &QTcpSocket::readyRead, &server_, [this, client] {
                    received += client->readAll();
                    if (onRead) onRead(client);
                });
                serve_(*this, client);
            }
        });
    }
    QByteArray endpoint() const { return "127.0.0.1:" + QByteArray::number(server_.serverPort()); }

    /// Runs step every ms milliseconds while the client is connected.
    static void Every(QTcpSocket* client, int ms, std::function<void()> step) {
        auto* timer = new QTimer(client);
        QObject::connect(timer, &QTimer::timeout, client, [client, step = std::move(step)] {
            if (client->state() == QAbstractSocket::ConnectedState) step();
        });
        timer->start(ms);
    }

    /// Ends the connection with a reset (RST) instead of an orderly close.
    static void Reset(QTcpSocket* client) {
        const struct linger hard {1, 0};
        ::setsockopt(static_cast<int>(client->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        client->abort();
    }

    int connections = 0;
    bool clientClosed = false;
    QByteArray received;
    std::function<void(QTcpSocket*)> onRead;

private:
    QTcpServer server_;
    std::function<void(HostileServer&, QTcpSocket*)> serve_;
};

struct Run {
    TestPlatform t;
    ProgramState state;
    std::unique_ptr<MainFORM> main;

    Run() {
        t.write("program/bleem!.INI", kIni);
        t.write("program/Compatibility.TXT", kTxt);
        main = std::make_unique<MainFORM>(state, t.platform);
        if (!main->Form_Load()) qFatal("start-up failed");
        main->show();
        t.prompter.shown.clear();
    }
    QByteArray ini() const { return t.read("program/bleem!.INI"); }
    bool backInMain() const {
        return main->isVisible() && main->isEnabled() && main->windowTitle() == "tolva!" && !TopLevel("UpdateFORM") &&
               !TopLevel("DownloadFORM") && !TopLevel("DownloadFORM2") && !TopLevel("MailFORM");
    }
};

/// The update through one route against server; returns how long it took.
qint64 UpdateFrom(Run& run, const HostileServer& server, int route) {
    qputenv("TOLVA_UPDATE_SERVER", server.endpoint());
    QElapsedTimer clock;
    clock.start();
    RunOnlineUpdate(*run.main, route, kStall);
    return clock.elapsed();
}

/// The longest an update may take against any server: its whole-download limit, and slack.
qint64 UpdateBound() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(kStall).count() * kDownloadDeadlineStalls + 5000;
}

/// The update ended in its failure path: the reason, then "failed to connect", main window back,
/// the file untouched.
void CheckFailedUpdate(const Run& run, const QByteArray& before, const QString& reason) {
    const QList<Message>& shown = run.t.prompter.shown;
    QCOMPARE(shown.size(), 2);
    QVERIFY2(shown[0].text.contains(reason, Qt::CaseInsensitive), qPrintable(shown[0].text));
    QCOMPARE(shown[0].icon, MsgIcon::Critical);
    QCOMPARE(shown[1].text, kFailedToConnect);
    QVERIFY(run.backInMain());
    QCOMPARE(run.ini(), before);
}

/// What the mail window showed once the dialogue had ended, and how long that took.
struct MailEnding {
    QString status;
    qint64 waited = -1;
    bool abortAvailable = false;
};

/// Sends the mail to server with the given reply wait, waits for the dialogue to end, then
/// leaves through Abort as the user would.
MailEnding MailTo(Run& run, const HostileServer& server, std::chrono::milliseconds wait) {
    qputenv("TOLVA_MAIL_SERVER", server.endpoint());
    MailEnding ending;
    WhenShown("MailFORM", [&](QWidget* window) {
        auto* mail = qobject_cast<MailFORM*>(window);
        mail->setReplyTimeout(wait);
        QElapsedTimer clock;
        clock.start();
        mail->OkBUTTON->click();
        if (QTest::qWaitFor([&] { return mail->AbortBUTTON->isEnabled(); }, kTestMilliseconds / 2)) {
            ending.waited = clock.elapsed();
            ending.abortAvailable = true;
        }
        ending.status = mail->StatusTEXT->text();
        WhenShown("Mail2FORM", [](QWidget* notice) { qobject_cast<Mail2FORM*>(notice)->OkBUTTON->click(); });
        mail->close();  // through the frame: Abort, which also ends a dialogue that never ended
    });
    run.main->findChild<QAction*>("MailMENU")->trigger();
    return ending;
}

/// An SMTP server as far as the DATA command: the usual replies in order, then what `data` does.
void SmtpUntilData(HostileServer& server, QTcpSocket* client, std::function<void(QTcpSocket*)> data) {
    client->write("220 hostile.test ready\r\n");
    auto answered = std::make_shared<int>(0);
    server.onRead = [&server, answered, data = std::move(data)](QTcpSocket* peer) {
        const QList<QByteArray> commands = server.received.split('\n');
        // Every complete line but the last piece, which may still be arriving.
        for (int k = *answered; k < commands.size() - 1; ++k, ++*answered) {
            const QByteArray line = commands[k].trimmed();
            if (line == "DATA") {
                peer->write("354 go ahead\r\n");
                data(peer);
                return;
            }
            peer->write("250 ok\r\n");
        }
    };
}

}  // namespace

class HostileTest : public QObject {
    Q_OBJECT

    QTimer watchdog;

private Q_SLOTS:
    void initTestCase() {
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, this, [] { qFatal("a hostile server held the program past the test's time"); });
    }
    void init() { watchdog.start(kTestMilliseconds + 10000); }
    void cleanup() {
        watchdog.stop();
        qunsetenv("TOLVA_UPDATE_SERVER");
        qunsetenv("TOLVA_MAIL_SERVER");
        QTest::qWait(1);
    }

    // --- The machines on their own: what they hold stays within their named limits -----------

    void machinesHoldNoMoreThanTheirLimits() {
        const std::string piece(4096, 'x');
        HttpDownload download;
        download.feed("HTTP/1.0 200 OK\r\n");
        while (!download.finished()) {
            QVERIFY(download.received() <= static_cast<std::int64_t>(kMaxHeaderBytes));
            download.feed(piece);
        }
        QCOMPARE(download.state(), HttpDownload::State::Failed);
        QVERIFY(download.received() <= static_cast<std::int64_t>(kMaxHeaderBytes + piece.size()));

        SmtpDialogue dialogue("mail.test", "box@test", {}, [] { return MailDate{}; });
        std::size_t fed = 0;
        while (!dialogue.ended() && fed < 1024 * 1024) {
            dialogue.feed(piece);
            fed += piece.size();
        }
        QVERIFY(dialogue.ended());
        QVERIFY(fed <= kMaxReplyLine + piece.size());
        QCOMPARE(dialogue.state(), kSmtpErrorState);
    }

    // --- The update download --------------------------------------------------------------------

    void endlessHeaderIsCutAtItsLimit() {
        HostileServer server([](HostileServer&, QTcpSocket* client) {
            client->write("HTTP/1.0 200 OK\r\n");
            HostileServer::Every(client, 1, [client] { client->write("X-Padding: " + QByteArray(2000, 'x') + "\r\n"); });
        });
        Run run;
        const QByteArray before = run.ini();
        std::int64_t heldAtFailure = -1;
        QPointer<DownloadFORM> form;
        WhenShown("DownloadFORM", [&](QWidget* window) { form = qobject_cast<DownloadFORM*>(window); });
        run.t.prompter.onShow = [&](const Message&) {
            if (form && heldAtFailure < 0) heldAtFailure = form->download().received();
        };
        const qint64 took = UpdateFrom(run, server, 1);
        QVERIFY2(took < UpdateBound(), qPrintable(QString::number(took)));
        CheckFailedUpdate(run, before, QString("runs beyond %1 bytes").arg(kMaxHeaderBytes));
        // Everything received before the failure was held: no more than the limit and one read.
        QVERIFY2(heldAtFailure > 0 && heldAtFailure <= static_cast<std::int64_t>(kMaxHeaderBytes) + 64 * 1024,
                 qPrintable(QString::number(heldAtFailure)));
    }

    void hugeContentLengthWithAShortBody_data() {
        QTest::addColumn<int>("route");
        QTest::addColumn<bool>("closes");
        QTest::newRow("socket, then silence") << 1 << false;
        QTest::newRow("socket, then close") << 1 << true;
        QTest::newRow("transfer, then silence") << 2 << false;
        QTest::newRow("transfer, then close") << 2 << true;
    }
    void hugeContentLengthWithAShortBody() {
        QFETCH(int, route);
        QFETCH(bool, closes);
        HostileServer server([closes](HostileServer&, QTcpSocket* client) {
            client->write("HTTP/1.0 200 OK\r\nContent-Length: 2147483648\r\n\r\nVersion=2001-03-04\r\n");
            if (closes) client->disconnectFromHost();
        });
        Run run;
        const QByteArray before = run.ini();
        const qint64 took = UpdateFrom(run, server, route);
        QVERIFY2(took < UpdateBound(), qPrintable(QString::number(took)));
        // The socket route refuses the length at once; the transfer waits for the missing bytes.
        const QString reason = route == 1 ? "announced 2147483648 bytes, more than an update can be"
                               : closes   ? "closed"  // Qt's "Connection closed", or ours when Qt calls it done
                                          : "no answer from the server for 300 milliseconds";
        if (route == 2) {
            QVERIFY2(run.t.prompter.shown.size() == 2, qPrintable(run.t.prompter.shown.value(0).text));
            QCOMPARE(run.t.prompter.shown[0].title, QString("tolva! Critical Error"));
            QVERIFY2(run.t.prompter.shown[0].text.contains(reason, Qt::CaseInsensitive), qPrintable(run.t.prompter.shown[0].text));
            QCOMPARE(run.t.prompter.shown[1].text, kFailedToConnect);
            QVERIFY(run.backInMain());
            QCOMPARE(run.ini(), before);
        } else {
            CheckFailedUpdate(run, before, reason);
        }
    }

    // A byte now and then, each well within the wait for a byte: only the limit on the whole
    // download ends it.
    void aByteNowAndThenEndsAtTheDownloadsLimit_data() {
        QTest::addColumn<int>("route");
        QTest::newRow("socket") << 1;
        QTest::newRow("transfer") << 2;
    }
    void aByteNowAndThenEndsAtTheDownloadsLimit() {
        QFETCH(int, route);
        HostileServer server([](HostileServer&, QTcpSocket* client) {
            client->write("HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\n");
            HostileServer::Every(client, 50, [client] { client->write("x"); });
        });
        Run run;
        const QByteArray before = run.ini();
        const qint64 took = UpdateFrom(run, server, route);
        const qint64 limit = std::chrono::duration_cast<std::chrono::milliseconds>(kStall).count() * kDownloadDeadlineStalls;
        // Qt's coarse timers may fire up to a twentieth early.
        QVERIFY2(took >= limit * 19 / 20 && took < UpdateBound(), qPrintable(QString::number(took)));
        QCOMPARE(run.t.prompter.shown.size(), 2);
        QVERIFY2(run.t.prompter.shown[0].text.contains("took longer than"), qPrintable(run.t.prompter.shown[0].text));
        QCOMPARE(run.t.prompter.shown[1].text, kFailedToConnect);
        QVERIFY(run.backInMain());
        QCOMPARE(run.ini(), before);
    }

    void aResetInTheMiddleOfTheBody_data() {
        QTest::addColumn<int>("route");
        QTest::newRow("socket") << 1;
        QTest::newRow("transfer") << 2;
    }
    void aResetInTheMiddleOfTheBody() {
        QFETCH(int, route);
        HostileServer server([](HostileServer&, QTcpSocket* client) {
            client->write("HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\nVersion=2001-03-04\r\n\r\nID=0000000009\r\n");
            client->flush();
            QTimer::singleShot(50, client, [client] { HostileServer::Reset(client); });
        });
        Run run;
        const QByteArray before = run.ini();
        const qint64 took = UpdateFrom(run, server, route);
        QVERIFY2(took < UpdateBound(), qPrintable(QString::number(took)));
        const QList<Message>& shown = run.t.prompter.shown;
        QCOMPARE(shown.size(), 2);
        if (route == 1)
            QVERIFY2(shown[0].text.contains("of 1000 bytes") ||
                         shown[0].text.contains("reset", Qt::CaseInsensitive),
                     qPrintable(shown[0].text));
        else
            QVERIFY2(shown[0].text.contains("cannot download"), qPrintable(shown[0].text));
        QCOMPARE(shown[1].text, kFailedToConnect);
        QVERIFY(run.backInMain());
        QCOMPARE(run.ini(), before);
    }

    // --- The mail -------------------------------------------------------------------------------

    // Lines keep coming, none of them a reply the dialogue can act on: the wait for a reply runs
    // on regardless and ends the dialogue.
    void junkRepliesMeetTheTimeOut_data() {
        QTest::addColumn<QByteArray>("greeting");
        QTest::addColumn<QByteArray>("junk");
        QTest::newRow("garbage") << QByteArray() << QByteArray("\x01\xff HTTP/1.0 200 OK -1 x\r\n");
        QTest::newRow("no greeting, blank lines") << QByteArray() << QByteArray("\r\n");
        QTest::newRow("a greeting that never ends") << QByteArray() << QByteArray("220-still greeting\r\n");
        QTest::newRow("codes the table does not know") << QByteArray("220 hello\r\n") << QByteArray("199 wait\r\n");
    }
    void junkRepliesMeetTheTimeOut() {
        QFETCH(QByteArray, greeting);
        QFETCH(QByteArray, junk);
        HostileServer server([greeting, junk](HostileServer&, QTcpSocket* client) {
            client->write(greeting);
            HostileServer::Every(client, 20, [client, junk] { client->write(junk); });
        });
        Run run;
        const MailEnding ending = MailTo(run, server, kReplyWait);
        QVERIFY(ending.abortAvailable);
        QCOMPARE(ending.status, QString("Error sending mail..."));
        QVERIFY2(ending.waited >= 350 && ending.waited < 10000, qPrintable(QString::number(ending.waited)));
        QVERIFY(QTest::qWaitFor([&] { return server.clientClosed; }, 5000));
        QVERIFY(run.backInMain());
    }

    // Every line a greeting, which the dialogue answers each time: the wait for a reply restarts,
    // and only the limit on the whole dialogue ends it.
    void aGreetingRepeatedForEverMeetsTheDialoguesLimit() {
        HostileServer server([](HostileServer&, QTcpSocket* client) {
            HostileServer::Every(client, 50, [client] { client->write("220 hello again\r\n"); });
        });
        Run run;
        const MailEnding ending = MailTo(run, server, kReplyWait);
        const qint64 limit = std::chrono::duration_cast<std::chrono::milliseconds>(kReplyWait).count() * kMailDeadlineReplies;
        QVERIFY(ending.abortAvailable);
        QCOMPARE(ending.status, QString("Error sending mail..."));
        QVERIFY2(ending.waited >= limit * 19 / 20 && ending.waited < limit + 5000, qPrintable(QString::number(ending.waited)));
        QVERIFY(server.received.count("HELO") > 1);
        QVERIFY(QTest::qWaitFor([&] { return server.clientClosed; }, 5000));
        QVERIFY(run.backInMain());
    }

    void aMegabyteWithoutALineEndEndsAtTheLineLimit() {
        HostileServer server([](HostileServer&, QTcpSocket* client) {
            client->write("220" + QByteArray(1024 * 1024, 'x'));
        });
        Run run;
        // A long wait for a reply: the line limit, not the clock, must end this.
        const MailEnding ending = MailTo(run, server, 20s);
        QVERIFY(ending.abortAvailable);
        QCOMPARE(ending.status, QString("Error sending mail..."));
        QVERIFY2(ending.waited < 10000, qPrintable(QString::number(ending.waited)));
        QVERIFY(QTest::qWaitFor([&] { return server.clientClosed; }, 5000));
        QVERIFY(!server.received.contains("HELO"));
        QVERIFY(run.backInMain());
    }

    void aCloseInTheMiddleOfDataEndsInError() {
        HostileServer server([](HostileServer& self, QTcpSocket* client) {
            SmtpUntilData(self, client, [](QTcpSocket* peer) {
                // Takes a little of the message, then hangs up without a word.
                QTimer::singleShot(30, peer, [peer] { peer->disconnectFromHost(); });
            });
        });
        Run run;
        const MailEnding ending = MailTo(run, server, 20s);
        QVERIFY(ending.abortAvailable);
        QCOMPARE(ending.status, QString("Error sending mail..."));
        QVERIFY2(ending.waited < 10000, qPrintable(QString::number(ending.waited)));
        QVERIFY(server.received.contains("DATA\r\n"));
        QVERIFY(!server.received.contains("QUIT"));
        QVERIFY(run.backInMain());
    }
};

QTEST_MAIN(HostileTest)
#include "hostile_test.moc"
