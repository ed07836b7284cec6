// The online update end to end through both download routes (1: the socket, 2: the HTTP
// transfer): against Python's http.server on loopback, and against servers written here that
// misbehave — silent, endless, lying about the length, dripping, resetting.
#include <QPointer>
#include <QProgressBar>
#include <QTcpSocket>

#include "app/update/updateini.h"
#include "core/update/http_download.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;
using namespace std::chrono_literals;

namespace {

constexpr auto kStall = 300ms;  // the shortened wait for a byte
const QByteArray kKnown = "\r\n" + Entry("0000000001", "Alpha", "80000000H") + "\r\n" + Entry("0000000002", "beta", "40000000H");
const QByteArray kIni = "; the user's database\r\nVersion=2001-03-04\r\n" + kKnown;
const QByteArray kUpdateTxt = "Header|Title|Publisher|Code|Region|x|Status|D3D|Details|\r\n"
                              "|Alpha|Nowhere Soft|SLUS-90001|U/C|x|Yes!||Fine|\r\n";

/// An update with one known and four new entries, the new ones out of title order.
QByteArray WithNewEntries(const QByteArray& version = "2001-05-01") {
    return "[bleem!]\r\nVersion=" + version + "\r\n\r\n" + Entry("0000000001", "Alpha", "80000000H") + "\r\n" +
           Entry("0000000013", "Bravo", "") + "\r\n" + Entry("0000000010", "delta", "80000000H") + "\r\n" +
           Entry("0000000012", "echo", "01000000H") + "\r\n" + Entry("0000000011", "Charlie", "40000000H");
}

const QString kLatest = "You're already using the latest ini update.";
const QString kFailedToConnect =
    "tolva! failed to connect to the server.\n\nPlease establish a internet connection first, before you run "
    "tolva! Online Update. When you have any further problems, please check your modem and internet settings.";
const QString kDisclaimer =
    "We are not responsible for any incorrect information; all information is directly coming from bleem!, inc. "
    "or sent to us by tolva! users via the 'Mail to tolva!' function. However, if you find an entry to be "
    "incorrect, please send us a corrected entry.\nThank you for your support.";

/// The main window, and what the program showed at each message box.
struct Run : LoadedMain {
    explicit Run(const QByteArray& ini = kIni) : LoadedMain(ini, kUpdateTxt) {
        t.prompter.onShow = [this](const Message&) {
            mainVisible << main->isVisible();
            downloadVisible << (TopLevel("DownloadFORM") || TopLevel("DownloadFORM2"));
            captions << main->windowTitle();
        };
    }
    ~Run() { qunsetenv("TOLVA_UPDATE_SERVER"); }
    /// The update through a route from server ("host:port"); returns how long it took.
    qint64 update(int route, const QByteArray& server, std::chrono::milliseconds stall = kDownloadStall) {
        qputenv("TOLVA_UPDATE_SERVER", server);
        QElapsedTimer clock;
        clock.start();
        Guarded(t.platform, [&] { UpdateINI(*main, route, stall); });  // as the menu entry runs it
        return clock.elapsed();
    }
    /// The update through a route, with the list of new entries served by atList, which ends it.
    bool update(int route, const QByteArray& server, const std::function<void(QWidget*)>& atList) {
        return Walk().on("UpdateFORM", atList).run([&] { update(route, server); });
    }
    QWidget* form() const { return TopLevel("UpdateFORM"); }
    QListWidget* rows() const { return Find<QListWidget>(form(), "updLIST"); }
    void tick(int row, bool on = true) const { rows()->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked); }
    /// Ended in the failure path: the reason, then "failed to connect", the file untouched.
    void failed(const QString& reason) const {
        const QList<Message>& shown = t.prompter.shown;
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown[0].text.contains(reason, Qt::CaseInsensitive), qPrintable(shown[0].text));
        QCOMPARE(shown[0].icon, MsgIcon::Critical);
        QCOMPARE(shown[1].title, QString("tolva! Can't connect"));
        QCOMPARE(shown[1].text, kFailedToConnect);
        QVERIFY(!mainVisible.value(1, true));
        QVERIFY(back());
        QCOMPARE(file(), kIni);
    }
    QList<bool> mainVisible, downloadVisible;
    QStringList captions;
};

/// Python's http.server publishing an update; one that does not start ends the binary, as every
/// test of it would only fail on it.
struct HttpServer : PythonServer {
    explicit HttpServer(const QByteArray* update = nullptr) {
        if (update) {
            QFile out(dir.filePath("update.ini"));
            if (!out.open(QIODevice::WriteOnly) || out.write(*update) != update->size()) qFatal("cannot publish");
        }
        const QString failure = start("http.server", {"%1", "--bind", "127.0.0.1", "--directory", dir.path()});
        if (!failure.isEmpty()) qFatal("%s", qPrintable(failure));
    }
    QTemporaryDir dir;
};

/// A server that answers each request (per connection) with answer(request) in pieces, gapMs
/// apart, then closes.
LoopbackServer::Serve Answer(std::function<QList<QByteArray>(const QByteArray&)> answer, int gapMs = 20) {
    return [answer, gapMs](LoopbackServer& server, QTcpSocket*) {
        server.onRead = [answer, gapMs](QTcpSocket* client) {
            const QByteArray request = client->property("received").toByteArray();
            if (!request.endsWith("\r\n\r\n") || client->property("answered").toBool()) return;
            client->setProperty("answered", true);
            auto pieces = std::make_shared<QList<QByteArray>>(answer(request));
            LoopbackServer::Every(client, gapMs, [client, pieces] {
                if (pieces->isEmpty()) client->disconnectFromHost();
                else client->write(pieces->takeFirst());
            });
        };
    };
}
LoopbackServer::Serve Answer(QList<QByteArray> pieces, int gapMs = 20) {
    return Answer([pieces](const QByteArray&) { return pieces; }, gapMs);
}

/// Rows over both routes, "socket, case" and "transfer, case", for each case served.
void Routes(const QStringList& cases = {QString()}) {
    QTest::addColumn<int>("route");
    QTest::addColumn<QString>("served");
    for (const QString& served : cases)
        for (const int route : {1, 2})
            QTest::newRow(qPrintable(QString(route == 1 ? "socket" : "transfer") + (served.isEmpty() ? "" : ", " + served)))
                << route << served;
}

}  // namespace

class UpdateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newEntriesAreOfferedAndFinishAppendsTheTickedOnes_data() { Routes(); }
    void newEntriesAreOfferedAndFinishAppendsTheTickedOnes() {
        QFETCH(int, route);
        // The transfer's run: a file whose last line has no line break, and every row ticked.
        const QByteArray update = WithNewEntries(route == 1 ? "2001-05-01" : "2001-99");  // 3 characters agree
        HttpServer server(&update);
        QByteArray ini = kIni;
        if (route == 2) ini.chop(2);
        Run run(ini);
        run.get<QLineEdit>("SearchTEXT")->setText("al");
        QPointer<QWidget> form;
        QVERIFY(run.update(route, server.endpoint(), [&](QWidget* list) {
            form = list;
            QVERIFY(!run.main->isVisible());  // hidden while the list is open
            QCOMPARE(run.main->windowTitle(), QString("tolva! Online Update"));
            QCOMPARE(Text(run.main.get(), "SearchTEXT"), QString());
            QCOMPARE(form->windowTitle(), QString("tolva! Online Update"));
            QCOMPARE(Text(form, "EntriesLABEL"), QString("4"));
            QCOMPARE(Rows(run.rows()), QStringList({"Bravo (Partially)", "Charlie (Not Yet)", "delta (Yes!)", "echo (Partially)"}));
            QVERIFY(!Checked(form, "Check1"));
            if (route == 1) {
                run.tick(3);  // ticked out of order, written in list order
                run.tick(1);
            } else {
                Click(form, "MarkAllBUTTON");
            }
            Click(form, "OkBUTTON");
        }));
        QCOMPARE(run.t.prompter.shown, Said({{"tolva!", kDisclaimer}}));
        QCOMPARE(run.mainVisible, QList<bool>{false});
        QCOMPARE(run.downloadVisible, QList<bool>{false});  // closed before the disclaimer
        QCOMPARE(run.captions, QStringList{"tolva! Online Update"});
        QCOMPARE(run.file(), route == 1 ? ini + "\r\n" + Entry("0000000011", "Charlie", "40000000H") + "\r\n" +
                                              Entry("0000000012", "echo", "01000000H")
                                        : ini + "\r\n\r\n" + Entry("0000000013", "Bravo", "") + "\r\n" +
                                              Entry("0000000011", "Charlie", "40000000H") + "\r\n" +
                                              Entry("0000000010", "delta", "80000000H") + "\r\n" +
                                              Entry("0000000012", "echo", "01000000H"));
        QCOMPARE(Rows(run.list()), route == 1 ? QStringList({"Alpha", "beta", "Charlie", "echo"})
                                              : QStringList({"Alpha", "beta", "Bravo", "Charlie", "delta", "echo"}));
        QVERIFY(run.back());
        QTRY_VERIFY(!form);  // the window is gone, so the next run starts afresh
    }

    // A title wider than the list is cut in its middle, as the list draws it within its width:
    // the status word stays in sight, and the whole row is in its tooltip.
    void aLongTitleKeepsItsStatusWordInSight() {
        const QByteArray update = "Version=2001-05-01\r\n\r\n" + Entry("0000000013", "Bravo " + QByteArray(300, 'o'), "01000000H");
        HttpServer server(&update);
        Run run;
        QVERIFY(run.update(1, server.endpoint(), [&](QWidget* form) {
            QListWidget* list = run.rows();
            const QModelIndex row = list->model()->index(0, 0);
            const QString text = row.data().toString();
            QCOMPARE(row.data(Qt::ToolTipRole).toString(), text);
            QStyleOptionViewItem option;
            option.initFrom(list);
            const QRect rect = list->visualRect(row);
            QVERIFY2(rect.left() >= 0 && rect.right() < list->viewport()->width(), "the row runs out of sight");
            const int room = rect.width() - list->itemDelegateForIndex(row)->sizeHint(option, row).width() + list->fontMetrics().horizontalAdvance(text);
            const QString shown = list->fontMetrics().elidedText(text, list->textElideMode(), room);
            QVERIFY2(shown.startsWith("Bravo") && shown.endsWith("o (Partially)") && shown.size() < text.size(), qPrintable(shown));
            Click(form, "AbortBUTTON");
        }));
    }

    void theLatestOrAWrongVersionChangesNothing_data() { Routes(); }
    void theLatestOrAWrongVersionChangesNothing() {
        QFETCH(int, route);
        const QByteArray latest = "Version=1999-01-01\r\n" + kKnown;  // all known: whatever the version
        HttpServer server(&latest);
        Run run;
        run.update(route, server.endpoint());
        QCOMPARE(run.t.prompter.shown, Said({{"tolva! - No update available", kLatest}}));
        QCOMPARE(run.mainVisible, QList<bool>{false});
        QCOMPARE(run.downloadVisible, QList<bool>{true});
        QVERIFY(run.back());
        QCOMPARE(run.file(), kIni);

        const QByteArray wrong = WithNewEntries("2101-03-04");  // differs in the third character
        HttpServer other(&wrong);
        run.t.prompter.shown.clear();
        run.update(route, other.endpoint());  // Yes, as No, takes nothing; the text is the core's
        const Message asked = run.t.prompter.shown.value(0);
        QCOMPARE(asked.title, QString("tolva! Update - Wrong file version"));
        QVERIFY(asked.icon == MsgIcon::Exclamation && asked.buttons == MsgButtons::YesNo);
        QVERIFY(run.back());
        QCOMPARE(run.file(), kIni);
    }

    void aServerDownOrAMissingFileFailsToConnect_data() { Routes(); }
    void aServerDownOrAMissingFileFailsToConnect() {
        QFETCH(int, route);
        {
            Run down;
            const QByteArray server = "127.0.0.1:" + QByteArray::number(FreePort());
            down.update(route, server);
            const Message first = down.t.prompter.shown.value(0);
            if (route == 1)
                QCOMPARE(first, (Message{"tolva! Can't connect", "While processing the ini-update an error occured.\n\nSource : " +
                                                                     server + "\nDescription : Connection refused",
                                         MsgIcon::Critical}));
            else
                QVERIFY(first.title == "tolva! Critical Error" && first.text.contains("\r\nModul : DownloadFORM2.Form_Load\r\n"));
            down.failed("refused");
        }

        HttpServer server;  // serves an empty folder: 404
        Run missing;
        missing.update(route, server.endpoint());
        missing.failed(route == 1 ? "Source : " : "Modul : DownloadFORM2.Form_Load");
        const QString text = missing.t.prompter.shown.value(0).text;
        QVERIFY2(text.contains("404") || text.contains("not found", Qt::CaseInsensitive), qPrintable(text));
    }

    void cancelInTheTransfersErrorEndsTheProgram() {
        Run run;
        run.t.prompter.answers << MsgAnswer::Cancel;
        run.update(2, "127.0.0.1:" + QByteArray::number(FreePort()));
        QVERIFY(run.t.terminator.ended());
        QCOMPARE(run.t.prompter.shown.size(), 1);  // no "failed to connect" after the end
    }

    // Direct, its request and the progress; through http_proxy, the whole address; no_proxy spares a host.
    void theSocketRouteSendsItsRequestAndFollowsTheProgress() {
        const QByteArray body = "Version=2001-03-04\r\n" + kKnown;
        const QByteArray header = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                                  QByteArray::number(body.size()) + "\r\n\r\n";
        // The header split inside its empty line, the body in two pieces.
        LoopbackServer server(Answer({header.left(header.size() - 3), header.right(3) + body.left(10), body.mid(10)}));
        LoopbackServer proxy(Answer({header + body}));
        Run run;
        int maximum = -1, value = -1;
        run.t.prompter.onShow = [&](const Message&) {
            if (QWidget* download = TopLevel("DownloadFORM")) {
                maximum = Find<QProgressBar>(download, "ProgressBar")->maximum();
                value = Find<QProgressBar>(download, "ProgressBar")->value();
            }
        };
        run.update(1, server.endpoint());
        QCOMPARE(server.received, QByteArray("GET /update.ini HTTP/1.0\r\nUser-Agent: Mozilla/3.0 (Win95; I)\r\n"
                                             "Host: " + server.endpoint() + "\r\nAccept: */*\r\n\r\n"));
        QCOMPARE(maximum, header.size() + body.size());
        QCOMPARE(value, maximum);
        qputenv("http_proxy", "http://" + proxy.endpoint());
        run.update(1, "www.tolva.example");
        QCOMPARE(proxy.received, QByteArray("GET http://www.tolva.example/update.ini HTTP/1.0\r\nUser-Agent: Mozilla/3.0 "
                                            "(Win95; I)\r\nHost: www.tolva.example\r\nAccept: */*\r\n\r\n"));
        qputenv("no_proxy", "localhost, 127.0.0.1");
        run.update(1, server.endpoint());
        qunsetenv("http_proxy");
        qunsetenv("no_proxy");
        QCOMPARE(server.connections, 2);
        QCOMPARE(proxy.connections, 1);
        for (const Message& shown : run.t.prompter.shown) QCOMPARE(shown.text, kLatest);
        QCOMPARE(run.t.prompter.shown.size(), 3);
        QVERIFY(run.back());
    }

    // Both routes follow a redirect (Host: with the port on every request) and give up on a
    // redirect loop; what the bytes themselves may be is the core's.
    void redirectsAreFollowedUpToALimitOnBothRoutes_data() { Routes({"redirect", "redirect loop"}); }
    void redirectsAreFollowedUpToALimitOnBothRoutes() {
        QFETCH(int, route);
        QFETCH(QString, served);
        const QByteArray body = "Version=2001-03-04\r\n" + kKnown + "\r\n" + Entry("9876543210", "Zulu", "80000000H");
        QByteArrayList paths;
        LoopbackServer server(Answer([&](const QByteArray& request) -> QList<QByteArray> {
            paths << request.split(' ').value(1);
            if (served == "redirect loop" || paths.size() == 1)
                return {"HTTP/1.0 302 Found\r\nLocation: /moved.ini\r\nConnection: close\r\n\r\n"};
            return {"HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body};
        }));
        Run run;
        QStringList rows;
        if (served == "redirect loop")
            run.update(route, server.endpoint());
        else
            QVERIFY(run.update(route, server.endpoint(), [&](QWidget* form) {
                rows = Rows(run.rows());
                form->close();
            }));
        QCOMPARE(server.received.count("\r\nHost: " + server.endpoint() + "\r\n"), paths.size());
        if (served == "redirect loop") {
            QCOMPARE(paths.size(), 1 + kMaxRedirects);
            QVERIFY(run.t.prompter.shown.first().text.contains("elsewhere more than 5 times"));  // the cause
            QCOMPARE(run.t.prompter.shown.last().text, kFailedToConnect);
            QVERIFY(run.back());
            QCOMPARE(run.file(), kIni);
            return;
        }
        QCOMPARE(paths.join(" "), QByteArray("/update.ini /moved.ini"));
        QCOMPARE(rows, QStringList({"Zulu (Yes!)"}));
    }

    // The download window while it waits: the main window hidden; Cancel or the frame ends at once.
    void cancelEndsAtOnceAndSaysSo_data() { Routes({"button", "frame"}); }
    void cancelEndsAtOnceAndSaysSo() {
        QFETCH(int, route);
        QFETCH(QString, served);
        LoopbackServer server;  // silent
        Run run;
        QStringList shown;
        qint64 took = 0;
        QVERIFY(Walk().on(route == 1 ? "DownloadFORM" : "DownloadFORM2", [&](QWidget* window) {
            shown << window->windowTitle() << Text(window, "Label1") << QString::number(run.main->isVisible());
            QTimer::singleShot(100, window, [window, served] {
                served == "frame" ? void(window->close()) : Click(window, "CancelBUTTON");
            });
        }).run([&] { took = run.update(route, server.endpoint(), 20s); }));
        QCOMPARE(shown, QStringList({"tolva! Online Update",
                                     "tolva! will now connect to the server to transfer the latest update information.", "0"}));
        QVERIFY2(took < 5000, qPrintable(QString::number(took)));
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].text, QString("The update was cancelled. Nothing was changed."));
        QVERIFY(run.back());
        QCOMPARE(run.file(), kIni);
    }

    // Silence, a length the body never reaches, a byte now and then (each well within the wait for
    // a byte: only the limit on the whole download ends it), a reset in the middle of the body.
    void aServerThatNeverCompletesFailsToConnect_data() {
        QTest::addColumn<int>("route");
        QTest::addColumn<QString>("served");
        QTest::addColumn<QString>("reason");
        const QString silence = "no answer from the server for 300 milliseconds";
        const QString tooBig = "announced 2147483648 bytes, more than an update can be";  // refused at once
        const struct {
            const char* served;
            QString socket, transfer;  // the transfer waits for the missing bytes
        } rows[] = {{"silent", silence, silence},
                    {"huge, then silence", tooBig, silence},
                    {"huge, then close", tooBig, "closed"},
                    {"dripping", "took longer than", "took longer than"},
                    {"reset", "", ""}};
        for (const auto& r : rows) {
            QTest::newRow(qPrintable(QString("socket, ") + r.served)) << 1 << QString(r.served) << r.socket;
            QTest::newRow(qPrintable(QString("transfer, ") + r.served)) << 2 << QString(r.served) << r.transfer;
        }
    }
    void aServerThatNeverCompletesFailsToConnect() {
        QFETCH(int, route);
        QFETCH(QString, served);
        QFETCH(QString, reason);
        LoopbackServer server([served](LoopbackServer&, QTcpSocket* client) {
            if (served == "silent") return;
            const QByteArray length = served == "dripping" ? "100000" : served == "reset" ? "1000" : "2147483648";
            client->write("HTTP/1.0 200 OK\r\nContent-Length: " + length + "\r\n\r\n");
            if (served != "dripping") client->write("Version=2001-03-04\r\n\r\nID=0000000009\r\n");
            if (served == "huge, then close") client->disconnectFromHost();
            if (served == "dripping") LoopbackServer::Every(client, 50, [client] { client->write("x"); });
            if (served == "reset") {
                client->flush();
                QTimer::singleShot(50, client, [client] { LoopbackServer::Reset(client); });
            }
        });
        Run run;
        const qint64 took = run.update(route, server.endpoint(), kStall);
        const qint64 limit = std::chrono::milliseconds(kStall).count() * kDownloadDeadlineStalls;
        const qint64 atLeast = served == "silent" ? 250 : served == "dripping" ? limit * 19 / 20 : 0;  // coarse timers
        QVERIFY2(took >= atLeast && took < limit + 5000, qPrintable(QString::number(took)));
        if (served == "silent") QCOMPARE(server.connections, 1);  // no second try after a stall
        const QString text = run.t.prompter.shown.value(0).text;
        if (served == "reset")
            QVERIFY2(route == 1 ? text.contains("of 1000 bytes") || text.contains("reset", Qt::CaseInsensitive)
                                : text.contains("cannot download"), qPrintable(text));
        run.failed(reason);
    }

    void tickingMarkingAndLeavingTheList() {
        const QByteArray update = WithNewEntries();
        HttpServer server(&update);
        Run run;
        for (const bool byFrame : {true, false}) {
            QVERIFY(run.update(2, server.endpoint(), [&](QWidget* form) {
                QCOMPARE(Ticks(run.rows()), QList<bool>(4, false));  // a fresh list each time
                // Marking all or nothing keeps the current row, the first, the last or none.
                for (const int current : {run.rows()->currentRow(), 0, 3, -1, 2}) {  // the focus may have made one
                    run.rows()->setCurrentRow(current);
                    Click(form, "MarkAllBUTTON");
                    QCOMPARE(Ticks(run.rows()), QList<bool>(4, true));
                    QCOMPARE(run.rows()->currentRow(), current);
                    Click(form, "MarkNothingBUTTON");
                    QCOMPARE(Ticks(run.rows()), QList<bool>(4, false));
                    QCOMPARE(run.rows()->currentRow(), current);
                }
                QVERIFY(!Find(form, "OkBUTTON")->isEnabled() && !Find(form, "PreviewBUTTON")->isEnabled());
                Click(form, "OkBUTTON");  // does nothing while disabled
                QVERIFY(form->isVisible());
                run.tick(3);
                QVERIFY(Find(form, "OkBUTTON")->isEnabled() && Find(form, "PreviewBUTTON")->isEnabled());
                Leave(form, byFrame);
            }));
            QVERIFY(run.back());
            QCOMPARE(run.file(), kIni);
        }
    }

    void finishWithCleanUpSortsTheFile() {
        const QByteArray update = WithNewEntries();
        HttpServer server(&update);
        Run run("; the user's database\r\nVersion=2001-03-04\r\n\r\n" + Entry("0000000002", "beta", "40000000H") +
                "\r\n" + Entry("0000000001", "Alpha", "80000000H"));
        QVERIFY(Walk().on("UpdateFORM", [&](QWidget* form) {
            run.tick(0);
            Click(form, "Check1");
            Click(form, "OkBUTTON");
        }).on("CleanUpFORM", [&](QWidget* cleanUp) {
            QVERIFY(!run.main->isVisible());
            QCOMPARE(run.main->windowTitle(), QString("tolva! Clean Up"));
            Click(cleanUp, "OkBUTTON");
        }).run([&] { run.update(1, server.endpoint()); }));
        QVERIFY(run.back());
        const QByteArray cleaned = run.file();
        QVERIFY2(cleaned.indexOf("Title=Alpha") < cleaned.indexOf("Title=beta") &&
                     cleaned.indexOf("Title=beta") < cleaned.indexOf("Title=Bravo"), cleaned.constData());
        QCOMPARE(Rows(run.list()), QStringList({"Alpha", "beta", "Bravo"}));
    }

};

QTEST_MAIN(UpdateTest)
#include "update_test.moc"
