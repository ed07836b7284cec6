// The online update end to end: both download routes against a real HTTP server on loopback
// (Python's http.server), and the socket route against small misbehaving servers written here.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/mainwindow/mainform.h"
#include "app/update/updateform.h"
#include "app/update/updateini.h"
#include "core/state.h"
#include "support/fakeplatform.h"

using namespace tolva;
using namespace tolva::test;
using namespace std::chrono_literals;

namespace {

const QByteArray kIniHead = "; the user's database\r\nVersion=2001-03-04\r\n";
const QByteArray kKnown = "\r\n" + Entry("0000000001", "Alpha", "80000000H") + "\r\n" +
                          Entry("0000000002", "beta", "40000000H");
const QByteArray kTxt = "Header|Title|Publisher|Code|Region|x|Status|D3D|Details|\r\n"
                        "|Alpha|Nowhere Soft|SLUS-90001|U/C|x|Yes!||Fine|\r\n";

/// An update with one known and four new entries, the new ones out of title order.
QByteArray UpdateWithNewEntries(const QByteArray& version = "2001-05-01") {
    return "[bleem!]\r\nVersion=" + version + "\r\n\r\n" + Entry("0000000001", "Alpha", "80000000H") + "\r\n" +
           Entry("0000000013", "Bravo", "") + "\r\n" + Entry("0000000010", "delta", "80000000H") + "\r\n" +
           Entry("0000000012", "echo", "01000000H") + "\r\n" + Entry("0000000011", "Charlie", "40000000H");
}
const QStringList kNewRows = {"Bravo (Partially)", "Charlie (Not Yet)", "delta (Yes!)", "echo (Partially)"};

const QString kFailedToConnect =
    "tolva! failed to connect to the server.\n\nPlease establish a internet connection first, before you run "
    "tolva! Online Update. When you have any further problems, please check your modem and internet settings.";
const QString kDisclaimer =
    "We are not responsible for any incorrect information; all information is directly coming from bleem!, inc. "
    "or sent to us by tolva! users via the 'Mail to tolva!' function. However, if you find an entry to be "
    "incorrect, please send us a corrected entry.\nThank you for your support.";

quint16 FreePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

bool Accepts(quint16 port, int withinMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < withinMs) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(200)) return true;
        QTest::qWait(50);
    }
    return false;
}

/// Python's http.server serving a temporary folder on a free loopback port.
struct HttpServer {
    QTemporaryDir dir;
    QProcess process;
    quint16 port = FreePort();
    bool ready = false;

    HttpServer() {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("/usr/bin/python3"),
                      {"-m", "http.server", QString::number(port), "--bind", "127.0.0.1", "--directory", dir.path()});
        ready = process.waitForStarted(5000) && Accepts(port, 10000);
    }
    ~HttpServer() {
        process.kill();
        process.waitForFinished(3000);
    }
    void publish(const QByteArray& update) const {
        QFile out(dir.filePath("update.ini"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(update);
    }
    QByteArray endpoint() const { return "127.0.0.1:" + QByteArray::number(port); }
};

/// A peer written here: records what it is sent and answers with scripted pieces.
struct ScriptedServer {
    enum class Behaviour { Silent, EndlessHeader, Answer };
    QTcpServer server;
    Behaviour behaviour;
    QList<QByteArray> pieces;  // Answer: sent one by one, gapMs apart, then the connection closes
    int gapMs = 20;
    QByteArray request;
    int connections = 0;
    std::function<QList<QByteArray>(const QByteArray& request)> answerFor;  // Answer: per request

    explicit ScriptedServer(Behaviour b, QList<QByteArray> answer = {}) : behaviour(b), pieces(std::move(answer)) {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] { accept(); });
    }
    QByteArray endpoint() const { return "127.0.0.1:" + QByteArray::number(server.serverPort()); }

    void accept() {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            ++connections;
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            if (behaviour == Behaviour::Silent) continue;
            if (behaviour == Behaviour::EndlessHeader) {
                socket->write("HTTP/1.0 200 OK\r\n");
                auto* drip = new QTimer(socket);
                QObject::connect(drip, &QTimer::timeout, socket, [socket] {
                    if (socket->state() == QAbstractSocket::ConnectedState)
                        socket->write("X-Padding: " + QByteArray(1000, 'x') + "\r\n");
                });
                drip->start(5);
                continue;
            }
            auto mine = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, mine] {
                const QByteArray bytes = socket->readAll();
                request += bytes;
                *mine += bytes;
                if (!mine->contains("\r\n\r\n") || socket->findChild<QTimer*>()) return;
                const QList<QByteArray> answer = answerFor ? answerFor(*mine) : pieces;
                auto* sender = new QTimer(socket);
                auto next = std::make_shared<int>(0);
                QObject::connect(sender, &QTimer::timeout, socket, [socket, sender, next, answer] {
                    if (*next < answer.size()) {
                        socket->write(answer[(*next)++]);
                        return;
                    }
                    sender->stop();
                    socket->disconnectFromHost();
                });
                sender->start(gapMs);
            });
        }
    }
};

struct Run {
    TestPlatform t;
    ProgramState state;
    std::unique_ptr<MainFORM> main;
    // What the program showed at each message box.
    QList<bool> mainVisible;
    QList<bool> downloadVisible;
    QStringList captions;

    /// Loads bleem!.INI and shows the main window; the update then asks `server` ("host:port").
    bool start(const QByteArray& ini, const QByteArray& server) {
        qputenv("TOLVA_UPDATE_SERVER", server);
        t.write("program/bleem!.INI", ini);
        t.write("program/Compatibility.TXT", kTxt);
        main = std::make_unique<MainFORM>(state, t.platform);
        if (!main->Form_Load()) return false;
        main->show();
        t.prompter.shown.clear();
        t.prompter.onShow = [this](const Message&) {
            mainVisible.append(main->isVisible());
            downloadVisible.append(TopLevel("DownloadFORM") || TopLevel("DownloadFORM2"));
            captions.append(main->windowTitle());
        };
        return true;
    }
    void update(int route) { (route == 1 ? main->findChild<QAction*>("UpdateMENU") : main->findChild<QAction*>("Update2MENU"))->trigger(); }
    QByteArray ini() const { return t.read("program/bleem!.INI"); }
    QStringList titles() const {
        QStringList list;
        for (int row = 0; row < main->findChild<QListWidget*>("GameLIST")->count(); ++row) list.append(main->findChild<QListWidget*>("GameLIST")->item(row)->text());
        return list;
    }
    UpdateFORM* form() const { return qobject_cast<UpdateFORM*>(TopLevel("UpdateFORM")); }
    /// Back in the main window after an ending: shown, titled, no update window left.
    bool backInMain() const { return main->isVisible() && main->windowTitle() == "tolva!" && !form(); }
};

QStringList Rows(const QListWidget* list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row) rows.append(list->item(row)->text());
    return rows;
}

void Check(UpdateFORM* form, int row, bool checked) {
    form->updLIST->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

/// count entries, each after an empty line, or packed without one.
QByteArray ManyEntries(int count, int firstId, bool packed = false) {
    QByteArray entries;
    for (int i = 0; i < count; ++i)
        entries += (packed ? "" : "\r\n") + Entry(QByteArray::number(firstId + i), "Game " + QByteArray::number(100000 + i), "80000000H");
    return entries;
}

}  // namespace

class UpdateTest : public QObject {
    Q_OBJECT

    QTimer watchdog;

private Q_SLOTS:
    void initTestCase() {
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, this, [] { qFatal("an update test hung"); });
    }
    void init() { watchdog.start(60000); }
    void cleanup() {
        watchdog.stop();
        qunsetenv("TOLVA_UPDATE_SERVER");
        // A failed test may leave its windows open; the next one starts without them.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "UpdateFORM" || window->objectName() == "CleanUpFORM") {
                window->hide();
                window->deleteLater();
            }
        }
        QTest::qWait(1);  // deferred deletions of closed windows
    }

    void newEntriesAreOfferedAndFinishAppendsTheCheckedOnes_data() { Routes(); }
    void newEntriesAreOfferedAndFinishAppendsTheCheckedOnes() {
        QFETCH(int, route);
        HttpServer server;
        QVERIFY(server.ready);
        server.publish(UpdateWithNewEntries());
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
        const QByteArray before = run.ini();
        run.main->findChild<QLineEdit*>("SearchTEXT")->setText("al");

        run.update(route);

        QCOMPARE(run.t.prompter.shown.size(), 1);
        const Message disclaimer = run.t.prompter.shown[0];
        QCOMPARE(disclaimer.title, QString("tolva!"));
        QCOMPARE(disclaimer.text, kDisclaimer);
        QCOMPARE(disclaimer.icon, MsgIcon::Information);
        QCOMPARE(disclaimer.buttons, MsgButtons::Ok);
        QVERIFY(!run.mainVisible[0]);
        QVERIFY(!run.downloadVisible[0]);  // closed before the disclaimer
        QCOMPARE(run.captions[0], QString("tolva! Online Update"));
        QCOMPARE(run.main->findChild<QLineEdit*>("SearchTEXT")->text(), QString());

        QPointer<UpdateFORM> form = run.form();
        QVERIFY(form);
        QVERIFY(!run.main->isVisible());  // hidden while the list is open
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
        QCOMPARE(form->windowTitle(), QString("tolva! Online Update"));
        QCOMPARE(form->EntriesLABEL->text(), QString("4"));
        QCOMPARE(Rows(form->updLIST), kNewRows);
        QVERIFY(!form->Check1->isChecked());
        QVERIFY(!form->OkBUTTON->isEnabled());

        // Checked out of order; written in list order.
        Check(form, 3, true);
        Check(form, 1, true);
        QVERIFY(form->OkBUTTON->isEnabled());
        form->OkBUTTON->click();

        QCOMPARE(run.ini(), before + "\r\n" + Entry("0000000011", "Charlie", "40000000H") + "\r\n" +
                                Entry("0000000012", "echo", "01000000H"));
        QCOMPARE(run.titles(), QStringList({"Alpha", "beta", "Charlie", "echo"}));
        QVERIFY(run.backInMain());
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QTRY_VERIFY(!form);  // the window is gone, so the next run starts afresh
    }

    void finishCompletesAnUnfinishedLastLineAndMarkAllWritesEveryRow_data() { Routes(); }
    void finishCompletesAnUnfinishedLastLineAndMarkAllWritesEveryRow() {
        QFETCH(int, route);
        HttpServer server;
        QVERIFY(server.ready);
        server.publish(UpdateWithNewEntries("2001-99"));  // agrees in its first three characters
        Run run;
        QByteArray ini = kIniHead + kKnown;
        ini.chop(2);  // "Flags=40000000H" without its line break
        QVERIFY(run.start(ini, server.endpoint()));
        run.update(route);
        UpdateFORM* form = run.form();
        QVERIFY(form);
        form->MarkAllBUTTON->click();
        form->OkBUTTON->click();
        QCOMPARE(run.ini(), ini + "\r\n\r\n" + Entry("0000000013", "Bravo", "") + "\r\n" +
                                Entry("0000000011", "Charlie", "40000000H") + "\r\n" +
                                Entry("0000000010", "delta", "80000000H") + "\r\n" +
                                Entry("0000000012", "echo", "01000000H"));
        QCOMPARE(run.titles(), QStringList({"Alpha", "beta", "Bravo", "Charlie", "delta", "echo"}));
        QVERIFY(run.backInMain());
    }

    void allEntriesKnownIsTheLatestWhateverTheVersion_data() { Routes(); }
    void allEntriesKnownIsTheLatestWhateverTheVersion() {
        QFETCH(int, route);
        HttpServer server;
        QVERIFY(server.ready);
        server.publish("Version=1999-01-01\r\n" + kKnown);
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
        const QByteArray before = run.ini();
        run.update(route);
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].title, QString("tolva! - No update available"));
        QCOMPARE(run.t.prompter.shown[0].text, QString("You're already using the latest ini update."));
        QCOMPARE(run.t.prompter.shown[0].icon, MsgIcon::Information);
        QCOMPARE(run.t.prompter.shown[0].buttons, MsgButtons::Ok);
        QVERIFY(!run.mainVisible[0]);
        QVERIFY(run.downloadVisible[0]);
        QVERIFY(run.backInMain());
        QVERIFY(!TopLevel("DownloadFORM") && !TopLevel("DownloadFORM2"));
        QCOMPARE(run.ini(), before);
    }

    void wrongFileVersionEndsEitherAnswer_data() { Routes(); }
    void wrongFileVersionEndsEitherAnswer() {
        QFETCH(int, route);
        HttpServer server;
        QVERIFY(server.ready);
        server.publish(UpdateWithNewEntries("2101-03-04"));  // differs in the third character
        for (const MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
            Run run;
            QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
            const QByteArray before = run.ini();
            run.t.prompter.answers.enqueue(answer);
            run.update(route);
            QCOMPARE(run.t.prompter.shown.size(), 1);
            const Message shown = run.t.prompter.shown[0];
            QCOMPARE(shown.title, QString("tolva! Update - Wrong file version"));
            QCOMPARE(shown.text, QString("Your ini file doesn't match with the current version on the server.\n"
                                         "Please check if a new bleem! version is avaible\n"
                                         "Your version :2001-03-04\n"
                                         "The version on the server :2101-03-04\n"));
            QCOMPARE(shown.icon, MsgIcon::Exclamation);
            QCOMPARE(shown.buttons, MsgButtons::YesNo);
            QVERIFY(run.backInMain());
            QCOMPARE(run.ini(), before);
        }
    }

    void serverDownFailsToConnect_data() { Routes(); }
    void serverDownFailsToConnect() {
        QFETCH(int, route);
        Run run;
        const quint16 port = FreePort();
        QVERIFY(run.start(kIniHead + kKnown, "127.0.0.1:" + QByteArray::number(port)));
        run.update(route);
        const QList<Message>& shown = run.t.prompter.shown;
        QCOMPARE(shown.size(), 2);
        if (route == 1) {
            QCOMPARE(shown[0].title, QString("tolva! Can't connect"));
            QCOMPARE(shown[0].icon, MsgIcon::Critical);
            QCOMPARE(shown[0].text, "While processing the ini-update an error occured.\n\nSource : 127.0.0.1:" +
                                        QString::number(port) + "\nDescription : Connection refused");
        } else {
            QCOMPARE(shown[0].title, QString("tolva! Critical Error"));
            QVERIFY2(shown[0].text.contains("\r\nModul : DownloadFORM2.Form_Load\r\n"), qPrintable(shown[0].text));
            QVERIFY(shown[0].text.contains("refused"));
        }
        QCOMPARE(shown[1].title, QString("tolva! Can't connect"));
        QCOMPARE(shown[1].text, kFailedToConnect);
        QCOMPARE(shown[1].icon, MsgIcon::Critical);
        QVERIFY(!run.mainVisible[1]);
        QVERIFY(run.backInMain());
    }

    void missingFileFailsToConnect_data() { Routes(); }
    void missingFileFailsToConnect() {
        QFETCH(int, route);
        HttpServer server;  // serves an empty folder: 404
        QVERIFY(server.ready);
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
        const QByteArray before = run.ini();
        run.update(route);
        const QList<Message>& shown = run.t.prompter.shown;
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown[0].text.contains("404") || shown[0].text.contains("not found", Qt::CaseInsensitive),
                 qPrintable(shown[0].text));
        QVERIFY(shown[0].text.contains(route == 1 ? "Source : " : "Modul : DownloadFORM2.Form_Load"));
        QCOMPARE(shown[1].text, kFailedToConnect);
        QVERIFY(run.backInMain());
        QCOMPARE(run.ini(), before);
    }

    void cancelInTheTransferErrorEndsTheProgram() {
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, "127.0.0.1:" + QByteArray::number(FreePort())));
        run.t.prompter.answers.enqueue(MsgAnswer::Cancel);
        run.update(2);
        QVERIFY(run.t.terminator.endedFlag);
        QCOMPARE(run.t.prompter.shown.size(), 1);  // no "failed to connect" after the end
    }

    void socketRouteSendsTheRequestAndFollowsTheProgress() {
        const QByteArray body = "Version=2001-03-04\r\n" + kKnown;
        const QByteArray header = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                                  QByteArray::number(body.size()) + "\r\n\r\n";
        // The header split inside its empty line, the body in two pieces.
        ScriptedServer server(ScriptedServer::Behaviour::Answer,
                              {header.left(header.size() - 3), header.right(3) + body.left(10), body.mid(10)});
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
        int progressMaximum = -1;
        int progressValue = -1;
        run.t.prompter.onShow = [&](const Message&) {
            if (QWidget* download = TopLevel("DownloadFORM")) {
                progressMaximum = download->findChild<QProgressBar*>("ProgressBar")->maximum();
                progressValue = download->findChild<QProgressBar*>("ProgressBar")->value();
            }
        };
        run.update(1);
        QCOMPARE(server.request, QByteArray("GET /update.ini HTTP/1.0\r\nUser-Agent: Mozilla/3.0 (Win95; I)\r\n"
                                            "Host: " + server.endpoint() + "\r\nAccept: */*\r\n\r\n"));
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].text, QString("You're already using the latest ini update."));
        QCOMPARE(progressMaximum, header.size() + body.size());
        QCOMPARE(progressValue, progressMaximum);
        QVERIFY(run.backInMain());
    }

    // The same served bytes end alike on both routes: a chunked body cut inside a disc ID, a
    // redirect (Host: with the port on every request), a redirect loop, a page that is no update.
    void servedBytesEndAlikeOnBothRoutes_data() {
        QTest::addColumn<int>("route");
        QTest::addColumn<QString>("served");
        for (const char* served : {"chunked", "redirect", "redirect loop", "html"}) {
            QTest::newRow(qPrintable(QString("socket, %1").arg(served))) << 1 << QString(served);
            QTest::newRow(qPrintable(QString("transfer, %1").arg(served))) << 2 << QString(served);
        }
    }
    void servedBytesEndAlikeOnBothRoutes() {
        QFETCH(int, route);
        QFETCH(QString, served);
        const QByteArray body = "Version=2001-03-04\r\n" + kKnown + "\r\n" + Entry("9876543210", "Zulu", "80000000H");
        const qsizetype cut = body.indexOf("98765") + 5;
        const QByteArray chunked = "HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + QByteArray::number(cut, 16) +
                                   ";x=1\r\n" + body.left(cut) + "\r\n" + QByteArray::number(body.size() - cut, 16) +
                                   "\r\n" + body.mid(cut) + "\r\n0\r\nX-Trailer: 1\r\n\r\n";
        const QByteArray whole = "HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
        ScriptedServer server(ScriptedServer::Behaviour::Answer);
        QByteArrayList paths;
        server.answerFor = [&](const QByteArray& request) -> QList<QByteArray> {
            const QByteArray path = request.split(' ').value(1);
            paths.append(path);
            if (served == "html") return {"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html>Sign in first</html>\r\n"};
            if (served == "redirect loop" || (served == "redirect" && path == "/update.ini"))
                return {"HTTP/1.0 302 Found\r\nLocation: /moved.ini\r\nConnection: close\r\n\r\n"};
            if (served == "redirect") return {whole};
            return {chunked.left(60), chunked.mid(60, cut), chunked.mid(60 + cut)};
        };
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
        const QByteArray before = run.ini();
        run.update(route);
        QCOMPARE(server.request.count("\r\nHost: " + server.endpoint() + "\r\n"), paths.size());
        if (served == "html" || served == "redirect loop") {
            QCOMPARE(run.t.prompter.shown.last().text, kFailedToConnect);
            QCOMPARE(paths.size(), served == "html" ? 1 : 6);
            QVERIFY(run.backInMain());
            QCOMPARE(run.ini(), before);
            return;
        }
        QCOMPARE(paths.join(" "), QByteArray(served == "redirect" ? "/update.ini /moved.ini" : "/update.ini"));
        UpdateFORM* form = run.form();
        QVERIFY(form);
        QCOMPARE(Rows(form->updLIST), QStringList({"Zulu (Yes!)"}));
        form->MarkAllBUTTON->click();
        form->OkBUTTON->click();
        QCOMPARE(run.ini(), before + "\r\n" + Entry("9876543210", "Zulu", "80000000H"));
    }

    void aSlowButSteadyAnswerWithoutLengthEndsAtTheClose() {
        // Each piece comes within the stall time, the whole answer takes far longer.
        const QByteArray body = "Version=2001-03-04\n" + kKnown + "\r\n" + Entry("0000000007", "Zulu", "80000000H");
        ScriptedServer server(ScriptedServer::Behaviour::Answer,
                              {"HTTP/1.0 200 OK\r\n", "Server: drip\r\n\r\n", body.left(20), body.mid(20, 30),
                               body.mid(50), ""});
        server.gapMs = 150;
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
        QElapsedTimer clock;
        clock.start();
        RunOnlineUpdate(*run.main, 1, 700ms);
        QVERIFY(clock.elapsed() > 700);  // longer than the stall time, yet not cut short
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].text, kDisclaimer);  // the body ended at the close, whole
        UpdateFORM* form = run.form();
        QVERIFY(form);
        QCOMPARE(Rows(form->updLIST), QStringList({"Zulu (Yes!)"}));
        form->AbortBUTTON->click();
        QVERIFY(run.backInMain());
    }

    void silentServerEndsWithinTheTimeOut_data() { Routes(); }
    void silentServerEndsWithinTheTimeOut() {
        QFETCH(int, route);
        ScriptedServer server(ScriptedServer::Behaviour::Silent);
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
        bool hiddenWhileWaiting = false;
        QString label;
        QString caption;
        WhenShown(route == 1 ? "DownloadFORM" : "DownloadFORM2", [&](QWidget* window) {
            hiddenWhileWaiting = !run.main->isVisible();
            label = window->findChild<QLabel*>("Label1")->text();
            caption = window->windowTitle();
        });
        QElapsedTimer clock;
        clock.start();
        RunOnlineUpdate(*run.main, route, 300ms);
        QVERIFY2(clock.elapsed() >= 250 && clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(server.connections, 1);
        QVERIFY(hiddenWhileWaiting);
        QCOMPARE(label, QString("tolva! will now connect to the server to transfer the latest update information."));
        QCOMPARE(caption, QString("tolva! Online Update"));
        const QList<Message>& shown = run.t.prompter.shown;
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown[0].text.contains("no answer from the server for 300 milliseconds"), qPrintable(shown[0].text));
        QCOMPARE(shown[1].text, kFailedToConnect);
        QVERIFY(run.backInMain());
    }

    void endlessHeaderEnds_data() { Routes(); }
    void endlessHeaderEnds() {
        QFETCH(int, route);
        ScriptedServer server(ScriptedServer::Behaviour::EndlessHeader);
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
        QElapsedTimer clock;
        clock.start();
        RunOnlineUpdate(*run.main, route, 300ms);
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
        const QList<Message>& shown = run.t.prompter.shown;
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().text, kFailedToConnect);
        QVERIFY(run.backInMain());
    }

    void markAllUnmarkAllAndTheFinishButton() {
        HttpServer server;
        QVERIFY(server.ready);
        server.publish(UpdateWithNewEntries());
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
        const QByteArray before = run.ini();
        run.update(2);
        UpdateFORM* form = run.form();
        QVERIFY(form);

        form->MarkAllBUTTON->click();  // no current row yet
        QCOMPARE(form->checkedRows(), std::vector<bool>(4, true));
        QCOMPARE(form->updLIST->currentRow(), -1);
        QVERIFY(form->OkBUTTON->isEnabled());
        form->MarkNothingBUTTON->click();
        QCOMPARE(form->checkedRows(), std::vector<bool>(4, false));
        QVERIFY(!form->OkBUTTON->isEnabled());

        form->updLIST->setCurrentRow(2);
        form->MarkAllBUTTON->click();
        QCOMPARE(form->checkedRows(), std::vector<bool>(4, true));
        QCOMPARE(form->updLIST->currentRow(), 2);
        for (int row = 0; row < 3; ++row) Check(form, row, false);
        QVERIFY(form->OkBUTTON->isEnabled());  // one row left
        Check(form, 3, false);
        QVERIFY(!form->OkBUTTON->isEnabled());
        form->OkBUTTON->click();  // does nothing while disabled
        QVERIFY(form->isVisible());

        Check(form, 0, true);
        form->close();  // the frame's close button is Abort
        QVERIFY(run.backInMain());
        QCOMPARE(run.ini(), before);
        QCOMPARE(run.titles(), QStringList({"Alpha", "beta"}));

        run.update(2);
        form = run.form();
        QVERIFY(form);
        QCOMPARE(form->checkedRows(), std::vector<bool>(4, false));  // a fresh list
        form->AbortBUTTON->click();
        QVERIFY(run.backInMain());
        QCOMPARE(run.ini(), before);
    }

    void finishWithCleanUpSortsTheFile() {
        HttpServer server;
        QVERIFY(server.ready);
        server.publish(UpdateWithNewEntries());
        Run run;
        QVERIFY(run.start(kIniHead + "\r\n" + Entry("0000000002", "beta", "40000000H") + "\r\n" +
                          Entry("0000000001", "Alpha", "80000000H"), server.endpoint()));
        run.update(1);
        UpdateFORM* form = run.form();
        QVERIFY(form);
        Check(form, 0, true);
        form->Check1->setChecked(true);
        bool mainHidden = false;
        QString caption;
        WhenShown("CleanUpFORM", [&](QWidget* window) {
            mainHidden = !run.main->isVisible();
            caption = run.main->windowTitle();
            window->findChild<QPushButton*>("OkBUTTON")->click();
        });
        form->OkBUTTON->click();
        QVERIFY(mainHidden);
        QCOMPARE(caption, QString("tolva! Clean Up"));
        QVERIFY(run.backInMain());
        QVERIFY(run.main->isEnabled());
        const QByteArray cleaned = run.ini();
        const qsizetype alpha = cleaned.indexOf("Title=Alpha");
        const qsizetype beta = cleaned.indexOf("Title=beta");
        const qsizetype bravo = cleaned.indexOf("Title=Bravo");
        QVERIFY2(alpha >= 0 && alpha < beta && beta < bravo, cleaned.constData());
        QCOMPARE(run.titles(), QStringList({"Alpha", "beta", "Bravo"}));
    }

    void aTableReadShortIsNotUpdated() {
        ScriptedServer server(ScriptedServer::Behaviour::Silent);
        Run run;
        // The load's own message is answered OK.
        QVERIFY(run.start(kIniHead + ManyEntries(4100, 1000000000), server.endpoint()));
        QVERIFY(run.state.games.Truncated);
        const QByteArray before = run.ini();
        run.update(1);
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].title, QString("tolva! Online Update"));
        QVERIFY(run.t.prompter.shown[0].text.contains("nothing was changed"));
        QCOMPARE(server.connections, 0);
        QVERIFY(run.backInMain());
        QCOMPARE(run.ini(), before);
    }

    void anUpdateBeyondItsCapacityIsRefused() {
        HttpServer server;
        QVERIFY(server.ready);
        server.publish("Version=2001-03-04\r\n" + ManyEntries(4097, 2000000000, true));  // within the lines
        Run run;
        QVERIFY(run.start(kIniHead + kKnown, server.endpoint()));
        const QByteArray before = run.ini();
        run.update(1);
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QVERIFY2(run.t.prompter.shown[0].text.contains("4096 entries"), qPrintable(run.t.prompter.shown[0].text));
        QVERIFY(run.backInMain());
        QCOMPARE(run.ini(), before);
    }

    void entriesBeyondTheTableAreNotWritten() {
        HttpServer server;
        QVERIFY(server.ready);
        server.publish(UpdateWithNewEntries());
        Run run;
        QVERIFY(run.start(kIniHead + ManyEntries(4094, 1000000000), server.endpoint()));
        QVERIFY(!run.state.games.Truncated);
        const QByteArray before = run.ini();
        run.update(2);
        UpdateFORM* form = run.form();
        QVERIFY(form);
        Check(form, 0, true);
        Check(form, 1, true);
        Check(form, 2, true);
        form->OkBUTTON->click();
        QCOMPARE(run.t.prompter.shown.size(), 2);
        QVERIFY(run.t.prompter.shown[1].text.contains("Please mark at most 2 entries. Nothing was written."));
        QCOMPARE(run.ini(), before);
        QVERIFY(form->isVisible());  // the user may unmark some
        Check(form, 0, false);
        form->OkBUTTON->click();
        QVERIFY(run.backInMain());
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 4096);
        // Alpha is new to this table too: the rows are Alpha, Bravo, Charlie, delta, echo.
        QCOMPARE(run.ini(), before + "\r\n" + Entry("0000000013", "Bravo", "") + "\r\n" +
                                Entry("0000000011", "Charlie", "40000000H"));
    }

private:
    static void Routes() {
        QTest::addColumn<int>("route");
        QTest::newRow("socket") << 1;
        QTest::newRow("transfer") << 2;
    }
};

QTEST_MAIN(UpdateTest)
#include "update_test.moc"
