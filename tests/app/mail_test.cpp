// "Mail to Tolva!" through the real windows and a real socket: Debian's aiosmtpd stores the mail
// on a loopback port, a scripted responder refuses the recipient, a silent peer never answers,
// and a port nobody listens on refuses the connection.
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <functional>

#ifdef Q_OS_LINUX
#include <signal.h>
#include <sys/prctl.h>
#endif

#include "app/mail/mail2form.h"
#include "app/mail/mailform.h"
#include "app/mainwindow/mainform.h"
#include "core/state.h"
#include "support/fakeplatform.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kTxt =
    "Header|Title|Publisher|Code|Region|x|Status|D3D|Details|\r\n"
    "|Alpha|Nowhere Soft|SLUS-90001|U/C|x|Not Yet||Crashes at once|\r\n";
const QByteArray kHyphens(89, '-');
const QString kPython = QStringLiteral("/usr/bin/python3");

/// Every test ends within this time even when a window never closes by itself.
constexpr int kTestMilliseconds = 60000;

struct Run {
    TestPlatform t;
    ProgramState state;
    std::unique_ptr<MainFORM> main;

    explicit Run(const QByteArray& ini) {
        t.write("program/bleem!.INI", ini);
        t.write("program/Compatibility.TXT", kTxt);
        main = std::make_unique<MainFORM>(state, t.platform);
        if (!main->Form_Load()) qFatal("start-up failed");
    }
};

/// Closes any mail window still open once the test has run out of time, so that the program's
/// wait ends and the test fails instead of hanging.
class Watchdog {
public:
    Watchdog() {
        timer_.setInterval(100);
        clock_.start();
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (clock_.elapsed() < kTestMilliseconds) return;
            fired = true;
            for (const char* name : {"MailFORM", "Mail2FORM"})
                if (QWidget* window = TopLevel(QString::fromLatin1(name))) window->close();
        });
        timer_.start();
    }
    bool fired = false;

private:
    QTimer timer_;
    QElapsedTimer clock_;
};

quint16 FreePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) qFatal("no free loopback port");
    return probe.serverPort();
}

void PointMailAt(quint16 port) { qputenv("TOLVA_MAIL_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(port)); }

/// Debian's own SMTP server, storing every mail it accepts in a maildir.
class Aiosmtpd {
public:
    ~Aiosmtpd() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

    static bool available() {
        return QProcess::execute(kPython, {QStringLiteral("-c"), QStringLiteral("import aiosmtpd")}) == 0;
    }

    /// Starts the server on a free port and returns once it accepts connections ("" on success).
    QString start(const QString& maildir) {
        port = FreePort();
#ifdef Q_OS_LINUX
        // Ends with the test even when the test itself crashes.
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
        process_.start(kPython, {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                                 QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("-c"),
                                 QStringLiteral("aiosmtpd.handlers.Mailbox"), maildir});
        if (!process_.waitForStarted(5000)) return QStringLiteral("aiosmtpd did not start");
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 15000) {
            if (process_.state() == QProcess::NotRunning)
                return QStringLiteral("aiosmtpd ended: ") + QString::fromLocal8Bit(process_.readAllStandardError());
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port);
            if (probe.waitForConnected(200) && probe.waitForReadyRead(2000)) {
                probe.abort();
                return {};
            }
            QTest::qWait(50);
        }
        return QStringLiteral("aiosmtpd never accepted a connection");
    }

    quint16 port = 0;

private:
    QProcess process_;
};

/// A hand-driven SMTP peer: it greets, records every command line and answers from a script.
class ScriptedPeer {
public:
    explicit ScriptedPeer(QByteArray greeting, std::function<QByteArray(const QByteArray&)> answer = {})
        : greeting_(std::move(greeting)), answer_(std::move(answer)) {
        if (!server_.listen(QHostAddress::LocalHost, 0)) qFatal("cannot listen on loopback");
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            QTcpSocket* client = server_.nextPendingConnection();
            ++connections;
            QObject::connect(client, &QTcpSocket::disconnected, &server_, [this] { clientClosed = true; });
            QObject::connect(client, &QTcpSocket::readyRead, &server_, [this, client] { read(client); });
            if (!greeting_.isEmpty()) client->write(greeting_);
        });
    }
    quint16 port() const { return server_.serverPort(); }

    QList<QByteArray> received;
    int connections = 0;
    bool clientClosed = false;

private:
    void read(QTcpSocket* client) {
        while (client->canReadLine()) {
            QByteArray line = client->readLine();
            if (line.endsWith("\r\n")) line.chop(2);
            received.append(line);
            const QByteArray reply = answer_ ? answer_(line) : QByteArray();
            if (reply.isEmpty()) continue;
            client->write(reply);
            if (reply.startsWith("221")) client->disconnectFromHost();
        }
    }

    QTcpServer server_;
    QByteArray greeting_;
    std::function<QByteArray(const QByteArray&)> answer_;
};

/// Records every text StatusTEXT shows, in order.
void RecordStatus(MailFORM* mail, QStringList& statuses) {
    statuses.append(mail->StatusTEXT->text());
    QObject::connect(mail->StatusTEXT, &QLineEdit::textChanged, mail,
                     [&statuses](const QString& text) { statuses.append(text); });
}

bool InputsEnabled(MailFORM* mail) {
    return mail->NickTEXT->isEnabled() || mail->UserMailTEXT->isEnabled() || mail->CommentTEXT->isEnabled() ||
           mail->OkBUTTON->isEnabled();
}

/// The one mail stored in the maildir's "new" folder.
QByteArray StoredMail(const QString& maildir) {
    const QDir folder(maildir + QStringLiteral("/new"));
    const QStringList files = folder.entryList(QDir::Files);
    if (files.size() != 1) return {};
    QFile file(folder.filePath(files.first()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace

class MailTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        qunsetenv("TOLVA_MAIL_SERVER");
        qunsetenv("TOLVA_MAILBOX");
    }

    void mailReachesARealServerByteForByte() {
        if (!Aiosmtpd::available()) QSKIP("Debian's python3-aiosmtpd is not installed");
        // Enough entries that the message leaves in many pieces; one title needs Windows-1252.
        QByteArray ini = "Version=2001-03-04\r\n\r\n" + Entry("0000000002", "Caf\xe9 Racer", "80000000H") + "\r\n" +
                         Entry("0000000001", "Alpha", "40000000H") + "\r\n";
        QByteArray entries =
            "ID=0000000001\r\nTitle=Alpha\r\nFlags=40000000H\r\n\r\n"
            "ID=0000000002\r\nTitle=Caf\xe9 Racer\r\nFlags=80000000H\r\n\r\n";
        for (int k = 1; k <= 1500; ++k) {
            const QByteArray id = QByteArray::number(1000000000 + k);
            const QByteArray title = "Game " + QByteArray::number(k).rightJustified(4, '0');
            ini += Entry(id, title, "01211010H") + "\r\n";
            entries += "ID=" + id + "\r\nTitle=" + title + "\r\nFlags=01211010H\r\n\r\n";
        }
        Run run(ini);
        Aiosmtpd server;
        const QString maildir = run.t.path("maildir");
        const QString failure = server.start(maildir);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        PointMailAt(server.port);
        Watchdog watchdog;

        run.main->findChild<QLineEdit*>("SearchTEXT")->setText("Gam");
        QStringList statuses;
        bool mailVisibleAtNotice = true;
        bool mainEnabledAtNotice = true;
        QString captionAtNotice;
        WhenShown("MailFORM", [&](QWidget* window) {
            auto* mail = qobject_cast<MailFORM*>(window);
            QVERIFY(mail);
            QCOMPARE(mail->windowTitle(), QString("tolva! Mail"));
            QCOMPARE(run.main->windowTitle(), QString("tolva! Mail"));
            QVERIFY(!run.main->isEnabled());
            QCOMPARE(run.main->findChild<QLineEdit*>("SearchTEXT")->text(), QString());
            QVERIFY(mail->AbortBUTTON->isEnabled() && InputsEnabled(mail));
            RecordStatus(mail, statuses);
            mail->NickTEXT->setText(QString::fromUtf8("Zo\u00eb"));
            mail->UserMailTEXT->setText("zoe@home.example");
            // A line of its own holding "." would end the message early if it were not doubled.
            mail->CommentTEXT->setPlainText(QString::fromUtf8("First line\n.\n.hidden\n..two\nOmega \u03a9 \u20ac"));
            mail->OkBUTTON->click();
            QVERIFY(!InputsEnabled(mail));
            QVERIFY(!mail->AbortBUTTON->isEnabled());
            QCOMPARE(mail->StatusTEXT->text(), QString("Connecting to the Mail Server ..."));
            QTRY_VERIFY_WITH_TIMEOUT(!mail->isVisible(), 20000);
            WhenShown("Mail2FORM", [&, mail](QWidget* notice) {
                mailVisibleAtNotice = mail->isVisible();
                mainEnabledAtNotice = run.main->isEnabled();
                captionAtNotice = run.main->windowTitle();
                qobject_cast<Mail2FORM*>(notice)->OkBUTTON->click();
            });
        });
        run.main->findChild<QAction*>("MailMENU")->trigger();
        QVERIFY(!watchdog.fired);
        QCOMPARE(statuses,
                 QStringList({"(Your bleem!.ini will be sent automatically)", "Connecting to the Mail Server ...",
                              "Mail Server is ready...", "Sending Rset to server...", "Sending FROM command...",
                              "Sending RCPT command...", "Sending DATA command...",
                              "Sending Quit command to disconnecting from mail server..."}));
        QVERIFY(!mailVisibleAtNotice);
        QVERIFY(!mainEnabledAtNotice);
        QCOMPARE(captionAtNotice, QString("tolva! Mail"));
        QVERIFY(run.main->isEnabled());
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));

        // The server has stored the mail before it accepted it.
        const QByteArray stored = StoredMail(maildir);
        QVERIFY2(!stored.isEmpty(), "no single mail in the maildir");
        // The maildir keeps lines ending in LF and adds its own envelope headers after ours.
        const qsizetype split = stored.indexOf("\n\n");
        QVERIFY(split > 0);
        QList<QByteArray> header = stored.left(split).split('\n');
        QList<QByteArray> envelope;
        for (qsizetype k = header.size() - 1; k >= 0; --k)
            if (header[k].startsWith("X-")) envelope.prepend(header.takeAt(k));
        QCOMPARE(header, QList<QByteArray>({"Date: 04 Mar 01 13:05:09", "To: tolva@tolva.example",
                                            "From: tolva@tolva.example", "Subject: [Tolva!AutomaticMail]", "Cc: "}));
        QVERIFY(envelope.contains("X-MailFrom: tolva@tolva.example"));
        QVERIFY(envelope.contains("X-RcptTo: tolva@tolva.example"));
        const QByteArray body = "--- tolva - Release 5 ---\r\nName : Zo\xeb\r\nMail : zoe@home.example\r\n" + kHyphens +
                                "\r\nFirst line\r\n.\r\n.hidden\r\n..two\r\nOmega ? \x80\r\n" + kHyphens +
                                "\r\nVERSION=2001-03-04\r\n\r\n" + entries;
        const QByteArray storedBody = stored.mid(split + 2);
        QCOMPARE(storedBody.size(), QByteArray(body).replace("\r\n", "\n").size());
        QVERIFY(storedBody == QByteArray(body).replace("\r\n", "\n"));
    }

    void refusedRecipientEndsInErrorThenGoodbye() {
        Run run("Version=1\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H"));
        qputenv("TOLVA_MAILBOX", "maintainers@tolva.example");
        ScriptedPeer peer("220 peer.test ready\r\n", [](const QByteArray& line) -> QByteArray {
            if (line.startsWith("HELO")) return "250-peer.test\r\n250 HELP\r\n";  // a multi-line reply
            if (line.startsWith("RSET") || line.startsWith("MAIL")) return "250 OK\r\n";
            if (line.startsWith("RCPT")) return "550 5.1.1 no such mailbox\r\n";
            if (line.startsWith("QUIT")) return "221 Bye\r\n";
            return "500 unexpected\r\n";
        });
        PointMailAt(peer.port());
        Watchdog watchdog;

        QStringList statuses;
        bool mainEnabledBeforeClose = true;
        bool mainEnabledAtNotice = false;
        WhenShown("MailFORM", [&](QWidget* window) {
            auto* mail = qobject_cast<MailFORM*>(window);
            RecordStatus(mail, statuses);
            mail->OkBUTTON->click();
            QTRY_COMPARE_WITH_TIMEOUT(mail->StatusTEXT->text(), QString("Disconnected from mail server after error..."),
                                      20000);
            QTRY_VERIFY_WITH_TIMEOUT(peer.clientClosed, 5000);
            // The window stays open after the error, inputs disabled, until the user leaves it.
            QVERIFY(mail->isVisible());
            QVERIFY(!InputsEnabled(mail));
            QCOMPARE(mail->dialogueState(), 0);
            mainEnabledBeforeClose = run.main->isEnabled();
            QVERIFY(mail->AbortBUTTON->isEnabled());
            WhenShown("Mail2FORM", [&](QWidget* notice) {
                mainEnabledAtNotice = run.main->isEnabled();
                notice->close();  // the frame's close button is OK
            });
            mail->AbortBUTTON->click();
        });
        run.main->findChild<QAction*>("MailMENU")->trigger();
        QVERIFY(!watchdog.fired);
        QCOMPARE(peer.received, QList<QByteArray>({"HELO 127.0.0.1", "RSET", "MAIL FROM:<maintainers@tolva.example>",
                                                   "RCPT TO:<maintainers@tolva.example>", "QUIT"}));
        QCOMPARE(statuses,
                 QStringList({"(Your bleem!.ini will be sent automatically)", "Connecting to the Mail Server ...",
                              "Mail Server is ready...", "Sending Rset to server...", "Sending FROM command...",
                              "Sending RCPT command...", "Error sending mail...",
                              "Disconnected from mail server after error..."}));
        QVERIFY(!mainEnabledBeforeClose);
        QVERIFY(mainEnabledAtNotice);  // Abort gave the main window back already
        QVERIFY(run.main->isEnabled());
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
    }

    void noServerListeningShowsTheErrorAndLetsTheUserClose() {
        Run run("Version=1\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H"));
        PointMailAt(FreePort());
        Watchdog watchdog;
        QString statusAfterFailure;
        bool abortAvailable = false;
        bool inputsEnabled = true;
        WhenShown("MailFORM", [&](QWidget* window) {
            auto* mail = qobject_cast<MailFORM*>(window);
            mail->OkBUTTON->click();
            QTRY_VERIFY_WITH_TIMEOUT(mail->AbortBUTTON->isEnabled(), 20000);
            statusAfterFailure = mail->StatusTEXT->text();
            abortAvailable = mail->AbortBUTTON->isEnabled();
            inputsEnabled = InputsEnabled(mail);
            QVERIFY(!run.main->isEnabled());
            WhenShown("Mail2FORM", [](QWidget* notice) { qobject_cast<Mail2FORM*>(notice)->OkBUTTON->click(); });
            mail->close();
        });
        run.main->findChild<QAction*>("MailMENU")->trigger();
        QVERIFY(!watchdog.fired);
        QCOMPARE(statusAfterFailure, QString("Error sending mail..."));
        QVERIFY(abortAvailable);
        QVERIFY(!inputsEnabled);
        QVERIFY(run.main->isEnabled());
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
    }

    void silentServerTimesOut() {
        Run run("Version=1\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H"));
        ScriptedPeer peer(QByteArray{});  // accepts, then says nothing at all
        PointMailAt(peer.port());
        Watchdog watchdog;
        qint64 waited = 0;
        QString status;
        WhenShown("MailFORM", [&](QWidget* window) {
            auto* mail = qobject_cast<MailFORM*>(window);
            mail->setReplyTimeout(std::chrono::milliseconds(400));
            QElapsedTimer clock;
            clock.start();
            mail->OkBUTTON->click();
            QTRY_VERIFY_WITH_TIMEOUT(mail->AbortBUTTON->isEnabled(), 20000);
            waited = clock.elapsed();
            status = mail->StatusTEXT->text();
            QTRY_VERIFY_WITH_TIMEOUT(peer.clientClosed, 5000);  // the connection is given up
            QVERIFY(mail->isVisible());
            WhenShown("Mail2FORM", [](QWidget* notice) { qobject_cast<Mail2FORM*>(notice)->OkBUTTON->click(); });
            mail->AbortBUTTON->click();
        });
        run.main->findChild<QAction*>("MailMENU")->trigger();
        QVERIFY(!watchdog.fired);
        QCOMPARE(peer.connections, 1);
        QCOMPARE(status, QString("Error sending mail..."));
        QVERIFY2(waited >= 350, qPrintable(QString::number(waited)));
        QVERIFY(run.main->isEnabled());
    }

    void closingTheWindowWhileSendingDropsTheConnection() {
        Run run("Version=1\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H"));
        // Greets and then hangs after HELO: the dialogue is in the middle when the user leaves.
        ScriptedPeer peer("220 peer.test ready\r\n", [](const QByteArray&) { return QByteArray(); });
        PointMailAt(peer.port());
        Watchdog watchdog;
        bool mainEnabledAtNotice = false;
        bool droppedAtClose = false;
        QString captionAtNotice;
        WhenShown("MailFORM", [&](QWidget* window) {
            auto* mail = qobject_cast<MailFORM*>(window);
            mail->OkBUTTON->click();
            QTRY_COMPARE_WITH_TIMEOUT(peer.received, QList<QByteArray>({"HELO 127.0.0.1"}), 20000);
            QCOMPARE(mail->dialogueState(), 6);
            WhenShown("Mail2FORM", [&](QWidget* notice) {
                // The closed mail window still exists here: the connection must be gone already.
                droppedAtClose = QTest::qWaitFor([&] { return peer.clientClosed; }, 5000);
                mainEnabledAtNotice = run.main->isEnabled();
                captionAtNotice = run.main->windowTitle();
                qobject_cast<Mail2FORM*>(notice)->OkBUTTON->click();
            });
            mail->close();  // through the frame: Abort
        });
        run.main->findChild<QAction*>("MailMENU")->trigger();
        QVERIFY(!watchdog.fired);
        QVERIFY(droppedAtClose);
        QVERIFY(mainEnabledAtNotice);
        QCOMPARE(captionAtNotice, QString("tolva! Mail"));
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
    }

    void abortSendsNothingAndTheNoticeLinksToTheMaker() {
        Run run("Version=1\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H"));
        ScriptedPeer peer("220 peer.test ready\r\n");
        PointMailAt(peer.port());
        Watchdog watchdog;
        run.main->findChild<QLineEdit*>("SearchTEXT")->setText("Alp");

        QString initialStatus;
        bool mainEnabledAfterAbort = false;
        QStringList noticeTexts;
        QString noticeCaption;
        QString linkText;
        Qt::CursorShape linkCursor = Qt::ArrowCursor;
        QStringList openedByClick;
        bool secondRunOpened = true;
        bool noticeStillVisible = false;
        bool mainEnabledAfterOk = false;
        WhenShown("MailFORM", [&](QWidget* window) {
            auto* mail = qobject_cast<MailFORM*>(window);
            initialStatus = mail->StatusTEXT->text();
            QVERIFY(mail->findChild<QLabel*>("PICTUREBOX"));
            WhenShown("Mail2FORM", [&](QWidget* window2) {
                auto* notice = qobject_cast<Mail2FORM*>(window2);
                mainEnabledAfterAbort = run.main->isEnabled();
                noticeCaption = notice->windowTitle();
                for (QLabel* label : notice->findChildren<QLabel*>())
                    if (!label->text().isEmpty()) noticeTexts.append(label->text());
                linkText = notice->WebLABEL->text();
                linkCursor = notice->WebLABEL->cursor().shape();
                QTest::mouseClick(notice->WebLABEL, Qt::LeftButton);
                openedByClick = run.t.shell.opened;
                notice->WebLABEL->setFocus();
                QTest::keyClick(notice->WebLABEL, Qt::Key_Space);
                // The main window is available again; asking for a second mail brings this one forward.
                run.main->findChild<QAction*>("MailMENU")->trigger();
                secondRunOpened = TopLevel("MailFORM") != nullptr;
                noticeStillVisible = notice->isVisible();
                notice->OkBUTTON->click();
                mainEnabledAfterOk = run.main->isEnabled();
            });
            mail->AbortBUTTON->click();
        });
        run.main->findChild<QAction*>("MailMENU")->trigger();
        QVERIFY(!watchdog.fired);
        QCOMPARE(initialStatus, QString("(Your bleem!.ini will be sent automatically)"));
        QCOMPARE(peer.connections, 0);
        QCOMPARE(run.main->findChild<QLineEdit*>("SearchTEXT")->text(), QString());
        QVERIFY(mainEnabledAfterAbort);
        QCOMPARE(noticeCaption, QString("tolva! Mail"));
        QCOMPARE(noticeTexts,
                 QStringList({"How does it work?",
                              "It's easy! Just submit 15 complete compatibility reports for games that are not on "
                              "bleem!'s Game List. Working or not, the bleem!-team need to know!",
                              "If you help bleem! out by testing your games you can get this t-shirt FREE!",
                              "WHOOOOHOOOO!\nFREE SWAG!", "Click here for more info :", "http://www.bleem.example"}));
        QCOMPARE(linkText, QString("http://www.bleem.example"));
        QVERIFY(linkCursor == Qt::BitmapCursor || linkCursor == Qt::PointingHandCursor);
        QCOMPARE(openedByClick, QStringList({"http://www.bleem.example"}));
        QCOMPARE(run.t.shell.opened, QStringList({"http://www.bleem.example", "http://www.bleem.example"}));
        QVERIFY(!secondRunOpened);
        QVERIFY(noticeStillVisible);
        QVERIFY(mainEnabledAfterOk);
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
    }
};

QTEST_MAIN(MailTest)
#include "mail_test.moc"
