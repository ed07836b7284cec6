// What the user feels: tolva!'s main window on a full database (4096 entries, 4096 records),
// each action timed from the user's input to the window being ready again (handler returned,
// pending events processed, list refresh included), and the process start-up of tolva! against
// a bare Qt Widgets window of the same size and a plain list program reading the same file,
// alternating, so all meet the same machine.
//
//   tolva_window_bench [RUNS [PART...]]   (RUNS: samples per figure, 15 when not given; PART:
//                                         actions, add, update, huge, table, scan, startup; all when none;
//                                         shape=random|appended1|appended5|reversed: the order
//                                         of bleem!.INI, appended1 when not given)
//   tolva_window_bench --write-database FOLDER   (only writes the full database there)
//
// The in-process actions run on the offscreen platform; the start-up comparison runs offscreen
// and, when DISPLAY names an X server, on it as well. TOLVA_BENCH_BEFORE may name another build
// of tolva!, started in turn with the others, so that two builds meet the same machine too.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTableView>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <spawn.h>
#include <string>
#include <fcntl.h>
#include <unistd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

#include "../generated.h"
#include "app/collection/discscan.h"
#include "app/host/changewatch.h"
#include "app/mainwindow/gamelistview.h"
#include "app/host/toolwindow.h"
#include "app/mainwindow/mainform.h"
#include "app/platform/imagereader.h"
#include "app/platform/qtseams.h"
#include "app/platform/seams.h"
#include "core/state.h"

extern char** environ;

namespace tolva::bench {
namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

/// The process's CPU time: on a machine shared with other work it varies less than the wall
/// clock, and the gap between the two is waiting (the disk, the scheduler).
double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Sample {
    double wall, cpu;
};

struct Figures {
    std::vector<double> samples, cpu;
    void add(Sample s) {
        samples.push_back(s.wall);
        cpu.push_back(s.cpu);
    }
    double median() const { return Median(samples); }
};

void Report(const char* what, const Figures& figures, const char* target) {
    const auto [low, high] = std::minmax_element(figures.samples.begin(), figures.samples.end());
    std::printf("%-46s median %8.2f ms  min %8.2f  max %8.2f  CPU median %8.2f   target %s\n", what,
                figures.median(), *low, *high, Median(figures.cpu), target);
}

// The user's side of the seams: every question answered Yes, settings in memory, bleem!'s files
// in a folder of the benchmark's own.
struct YesPrompter final : Prompter {
    MsgAnswer ask(QWidget*, const QString&, const QString&, MsgIcon, MsgButtons buttons) override {
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                                           : MsgAnswer::Yes;
    }
};
struct MemorySettings final : SettingsStore {
    QString read(const QString& key, const QString& fallback) override { return values.value(key, fallback); }
    void write(const QString& key, const QString& value) override { values[key] = value; }
    QString readWindow(const QString& key) override { return values.value(QStringLiteral("Window/") + key); }
    void writeWindow(const QString& key, const QString& value) override { values[QStringLiteral("Window/") + key] = value; }
    QMap<QString, QString> values;
};
struct NoOther final : InstanceGuard {
    bool anotherIsRunning() override { return false; }
};
struct NoChooser final : FileChooser {
    QString chooseExisting(QWidget*, const QString&, const QString&) override { return {}; }
};
struct NoShell final : Shell {
    void open(const QString&) override {}
};
struct NoDrives final : DriveQuery {
    QList<Drive> cdromDrives() override { return {}; }
};
struct Folder final : ProgramInfo {
    QString folder() override { return dir; }
    QString releaseName() override { return QStringLiteral("Release 5"); }
    int revision() override { return 118; }
    QString dir;
};
struct Stays final : Terminator {
    void endProgram() override { ended_ = true; }
    bool ended() const override { return ended_; }
    bool ended_ = false;
};

}  // namespace

void Write(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(path));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

namespace {

/// The main window started on a database written into a folder of its own.
class Session {
public:
    Session(std::string ini, std::string txt) : ini_(std::move(ini)), txt_(std::move(txt)) {
        program_.dir = dir_.path();
        platform_ = Platform{&prompter_, &settings_, &instance_, &files_, &chooser_,
                             &shell_,    &clock_,    &drives_,   &program_, &terminator_};
        platform_.images = &images_;
        restoreFiles();
    }

    QString file(const char* name) const { return QDir(dir_.path()).filePath(QString::fromLatin1(name)); }
    void restoreFiles() const {
        Write(file("bleem!.INI"), ini_);
        Write(file("Compatibility.TXT"), txt_);
    }

    /// Start-up as the program runs it: the window made, loaded, shown and exposed.
    MainFORM& start() {
        main_.reset();
        state_ = std::make_unique<ProgramState>();
        state_->folders.HistoryPath = QDir(dir_.path()).filePath(QStringLiteral("history")).toStdString();
        main_ = std::make_unique<MainFORM>(*state_, platform_);
        if (!main_->Form_Load()) qFatal("the main window did not load");
        main_->show();
        if (!QTest::qWaitForWindowExposed(main_.get())) qFatal("the main window was never shown");
        return *main_;
    }
    MainFORM& main() { return *main_; }
    template <class T>
    T* get(const char* name) {
        auto* control = main_->findChild<T*>(QString::fromLatin1(name));
        if (!control) qFatal("no %s", name);
        return control;
    }

    /// The files as they were and the window reloaded on them, outside the timing.
    void reset() {
        restoreFiles();
        main_->reloadAfterChange("bench");
        QCoreApplication::processEvents();
    }

private:
    std::string ini_, txt_;
    QTemporaryDir dir_;
    YesPrompter prompter_;
    MemorySettings settings_;
    NoOther instance_;
    QtFileSystem files_;
    NoChooser chooser_;
    NoShell shell_;
    QtClock clock_;
    NoDrives drives_;
    Folder program_;
    Stays terminator_;
    ImageReader images_{{TOLVA_BINARY, kReadImagesOption}};
    Platform platform_;
    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<MainFORM> main_;
};

/// Times act, then the events it left pending: the window ready for the next input.
Sample Timed(const std::function<void()>& act) {
    const auto start = Clock::now();
    const double cpu = CpuMilliseconds();
    act();
    QCoreApplication::processEvents();
    return {MillisecondsSince(start), CpuMilliseconds() - cpu};
}

/// A window the action opens and how the user answers it; the timed one starts the clock.
struct Answer {
    const char* window;
    std::function<void(QWidget*)> act;
    bool timed = false;
};

/// Runs open, answering each window as it is shown (from the event loop its opener waits in),
/// timing from the timed answer's input to open's return.
Sample TimedThrough(const std::function<void()>& open, std::vector<Answer> answers) {
    Clock::time_point start{};
    double cpu = 0;
    std::size_t next = 0;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (next == answers.size()) return poll.stop();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            const Answer& answer = answers[next];
            if (top->objectName() == QLatin1String(answer.window) && top->isVisible() && top->isEnabled()) {
                ++next;
                if (answer.timed) {
                    start = Clock::now();
                    cpu = CpuMilliseconds();
                }
                answer.act(top);
                return;
            }
        }
    });
    poll.start();
    open();
    QCoreApplication::processEvents();
    if (start == Clock::time_point{}) qFatal("the timed window never opened");
    return {MillisecondsSince(start), CpuMilliseconds() - cpu};
}

void Click(QWidget* window, const char* button) {
    auto* control = window->findChild<QPushButton*>(QString::fromLatin1(button));
    if (!control) qFatal("no %s", button);
    control->click();
}

/// One keystroke typed into an emptied search box, `runs` times.
Figures Keystrokes(QLineEdit* search, int runs) {
    Figures keystroke;
    for (int k = 0; k < runs; ++k) {
        search->clear();
        QCoreApplication::processEvents();
        keystroke.add(Timed([&] { QTest::keyClick(search, 'N'); }));
    }
    return keystroke;
}

void Actions(int runs, generated::Shape shape) {
    const generated::Database db = generated::Reshaped(generated::GenerateDatabase(4096), shape);
    Session session(db.ini, db.txt);

    Figures startUp;
    for (int k = 0; k < runs; ++k) startUp.add(Timed([&] { session.start(); }));
    Report("start-up in process (made, loaded, exposed)", startUp, "-");

    MainFORM& main = session.main();
    auto* search = session.get<QLineEdit>("SearchTEXT");
    auto* list = session.get<GameListView>("GameLIST");

    const Figures keystroke = Keystrokes(search, runs);
    Report("search keystroke", keystroke, "<= 16 ms");
    search->clear();

    Figures click;
    for (int k = 0; k < runs; ++k) {
        const int row = (k * 257) % list->count();
        click.add(Timed([&] { list->setCurrentRow(row); }));
    }
    Report("row click (details and join)", click, "<= 16 ms");

    Figures remove;
    for (int k = 0; k < runs; ++k) {
        list->setCurrentRow(100 + k);
        QCoreApplication::processEvents();
        remove.add(Timed([&] { main.RemoveBUTTON_Click(); }));
        session.reset();
    }
    Report("Remove", remove, "<= 16 ms");

    Figures undo;
    for (int k = 0; k < runs; ++k) {
        list->setCurrentRow(100 + k);
        main.RemoveBUTTON_Click();
        QCoreApplication::processEvents();
        undo.add(Timed([&] { main.UndoMENU_Click(); }));
        if (list->count() != 4096) qFatal("Undo did not bring the entry back");
        session.reset();
    }
    Report("Undo of a Remove", undo, "<= 16 ms");

    Figures cleanUp;
    for (int k = 0; k < runs; ++k) {
        cleanUp.add(TimedThrough([&] { main.CleanUpBUTTON_Click(); },
                                               {{"CleanUpFORM", [](QWidget* w) { Click(w, "OkBUTTON"); }, true}}));
        session.reset();
    }
    Report("Clean Up's Finish", cleanUp, "<= 16 ms");

    // Another program appends an entry: the watch hands the change on (as its look does once the
    // bytes differ from those last read), and the list and details are shown again, the selected
    // game found anew. The look's own comparison is one read of the file besides.
    auto* watch = main.findChild<ChangeWatch*>(QStringLiteral("ChangeWatch"));
    Figures outside;
    for (int k = 0; k < runs; ++k) {
        list->setCurrentRow(100 + k);
        Write(session.file("bleem!.INI"), db.ini + "\r\nID=9999999999\r\nTitle=Outside\r\nFlags=0\r\n");
        QCoreApplication::processEvents();
        outside.add(Timed([&] { watch->reload(WatchedFile::Ini); }));
        session.reset();
    }
    Report("reload after another program's change", outside, "<= Remove");
}

/// The wizard's Finish adding a game to a database one entry short of full.
void Add(int runs, generated::Shape shape) {
    const generated::Database db = generated::Reshaped(generated::GenerateDatabase(4095), shape);
    Session session(db.ini, db.txt);
    MainFORM& main = session.start();
    const auto forward = [](QWidget* page) { Click(page, "ForwardBUTTON"); };
    Figures add;
    for (int k = 0; k < runs; ++k) {
        std::vector<Answer> pages = {{"Wizard1FORM", forward}, {"Wizard2FORM", [](QWidget* page) {
                                          page->findChild<QLineEdit*>(QStringLiteral("titleTEXT"))->setText(
                                              QStringLiteral("Benchmark Racer"));
                                          page->findChild<QLineEdit*>(QStringLiteral("idTEXT"))->setText(
                                              QStringLiteral("1234567890"));
                                          Click(page, "ForwardBUTTON");
                                      }}};
        for (const char* page : {"Wizard3FORM", "Wizard4FORM", "Wizard5FORM", "Wizard6FORM", "Wizard7FORM"})
            pages.push_back({page, forward});
        pages.push_back({"Wizard8FORM", forward, true});
        add.add(TimedThrough([&] { main.NewBUTTON_Click(); }, pages));
        session.reset();
    }
    Report("Add: the wizard's Finish (4095 entries)", add, "<= 16 ms");
}

/// An HTTP server on loopback that answers every request with one file, as a web server would.
class FileServer {
public:
    explicit FileServer(QByteArray body) : body_(std::move(body)) {
        if (!server_.listen(QHostAddress::LocalHost)) qFatal("the update server did not start");
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* client = server_.nextPendingConnection()) {
                QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
                QObject::connect(client, &QTcpSocket::readyRead, [this, client] {
                    client->setProperty("request", client->property("request").toByteArray() + client->readAll());
                    if (!client->property("request").toByteArray().contains("\r\n\r\n")) return;
                    client->write("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                                  QByteArray::number(body_.size()) + "\r\n\r\n" + body_);
                    client->disconnectFromHost();
                });
            }
        });
    }
    QByteArray endpoint() const { return "127.0.0.1:" + QByteArray::number(server_.serverPort()); }

private:
    QByteArray body_;
    QTcpServer server_;
};

/// The update's Finish taking 64 new entries into a database of 4032 in the given shape: the
/// update is served from loopback and downloaded by the socket route, every new entry marked,
/// then Finish is timed until the main window is back with its list refreshed.
void Update(int runs, generated::Shape shape) {
    const generated::Database db = generated::GenerateDatabase(4096);
    constexpr std::size_t kKnown = 4096 - 64;
    generated::Database known = db;
    known.entries.resize(kKnown);
    const std::string ini = generated::Reshaped(known, shape).ini;
    QByteArray update = "[bleem!]\r\nVersion=GEN-1-4096\r\n";  // without blank lines, as 4096 must fit
    for (const generated::Entry& e : db.entries)
        update += QByteArray::fromStdString("ID=" + e.id + "\r\nTitle=" + e.title + "\r\nFlags=" + e.flags + "\r\n");
    FileServer server(update);
    qputenv("TOLVA_UPDATE_SERVER", server.endpoint());
    Session session(ini, db.txt);
    MainFORM& main = session.start();
    Figures finish;
    for (int k = 0; k < runs; ++k) {
        // The list runs blocking: it is served from the run's own loop, once shown.
        QTimer serve;
        QObject::connect(&serve, &QTimer::timeout, &serve, [&] {
            QWidget* form = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == QLatin1String("UpdateFORM") && top->isVisible()) form = top;
            if (!form) return;
            serve.stop();
            const QString offered = form->findChild<QLabel*>(QStringLiteral("EntriesLABEL"))->text();
            if (offered != QString::number(db.entries.size() - kKnown)) qFatal("%s new entries offered", qPrintable(offered));
            Click(form, "MarkAllBUTTON");
            QCoreApplication::processEvents();
            finish.add(Timed([&] { Click(form, "OkBUTTON"); }));
        });
        serve.start(10);
        main.UpdateMENU_Click();  // returns once the list has finished
        if (serve.isActive()) qFatal("the update offered no new entries");
        if (!main.isVisible() || session.get<GameListView>("GameLIST")->count() != static_cast<int>(db.entries.size()))
            qFatal("the main window is not back with every entry");
        session.reset();
    }
    qunsetenv("TOLVA_UPDATE_SERVER");
    Report("update's Finish, 64 new entries", finish, "<= 16 ms");
}

/// A row click on a 5 MB title among a few games: what cannot be shown whole is shown cut.
void HugeTitle(int runs) {
    const std::string huge = "Zz" + std::string(5 * 1024 * 1024, 'W');
    const std::string ini = "Version=HUGE\r\n\r\nID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n"
                            "\r\nID=2222222222\r\nTitle=" + huge + "\r\nFlags=80000000H\r\n";
    Session session(ini, "No|Title\r\n");
    session.start();
    auto* list = session.get<GameListView>("GameLIST");
    Figures click;
    for (int k = 0; k < runs; ++k) {
        list->setCurrentRow(0);
        QCoreApplication::processEvents();
        click.add(Timed([&] { list->setCurrentRow(1); }));
    }
    Report("row click on a 5 MB title", click, "< 100 ms");
}

/// The games table beside the main window on the full database: opening it (every entry joined),
/// its refresh after a Remove (it joins again), a click on a column header, a filter keystroke.
void GamesTable(int runs) {
    const generated::Database db = generated::GenerateDatabase(4096);
    Session session(db.ini, db.txt);
    MainFORM& main = session.start();
    const auto window = [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("GamesTableFORM") && top->isVisible()) return top;
        qFatal("the games table is not open");
    };
    Figures open;
    for (int k = 0; k < runs; ++k) {
        open.add(Timed([&] { main.GamesTableMENU_Click(); }));
        window()->close();
        QCoreApplication::processEvents();
    }
    Report("games table: opening, every entry joined", open, "<= 150 ms");

    main.GamesTableMENU_Click();
    QCoreApplication::processEvents();
    auto* table = window()->findChild<QTableView*>(QStringLiteral("GamesTABLE"));
    auto* search = window()->findChild<QLineEdit*>(QStringLiteral("SearchTEXT"));
    if (table->model()->rowCount() != 4096) qFatal("the games table shows %d rows", table->model()->rowCount());
    Figures refresh;
    for (int k = 0; k < runs; ++k) {
        session.get<GameListView>("GameLIST")->setCurrentRow(100 + k);
        main.RemoveBUTTON_Click();  // the main window's part is timed in "Remove"
        QCoreApplication::processEvents();
        refresh.add(Timed([&] { static_cast<ToolWindow*>(window())->tableChanged(); }));
        session.reset();
    }
    Report("games table: refresh after Remove", refresh, "<= 150 ms");

    QHeaderView* header = table->horizontalHeader();
    Figures sort;
    for (int k = 0; k < runs; ++k) {
        // A fresh copy and a new column each time: the click works out the column's order.
        static_cast<ToolWindow*>(window())->tableChanged();
        QCoreApplication::processEvents();
        const int column = 1 + k % 8;
        sort.add(Timed([&] {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(column) + 4, 4));
        }));
    }
    Report("games table: sort click", sort, "<= 16 ms");

    const Figures keystroke = Keystrokes(search, runs);
    Report("games table: filter keystroke", keystroke, "<= 16 ms");
}

/// The disc collection beside the main window on the full database, scanning 500 small images
/// (copies of one ISO that xorriso makes, 50 to a folder, warm in the page cache), none of them
/// read before: the scan from the click to its end, and a search keystroke in the main window
/// while a scan runs.
void Scan(int runs) {
    const generated::Database db = generated::GenerateDatabase(4096);
    Session session(db.ini, db.txt);
    MainFORM& main = session.start();
    QTemporaryDir images;
    QDir().mkpath(images.filePath(QStringLiteral("root")));
    Write(images.filePath(QStringLiteral("root/SYSTEM.CNF")), "BOOT = cdrom:\\SLUS_001.52;1\r\n");
    const QString iso = images.filePath(QStringLiteral("one.iso"));
    if (QProcess::execute(QStringLiteral("xorriso"), {QStringLiteral("-as"), QStringLiteral("mkisofs"), QStringLiteral("-quiet"),
                                                      QStringLiteral("-o"), iso, images.filePath(QStringLiteral("root"))}) != 0)
        qFatal("xorriso made no image");
    QFile made(iso);
    if (!made.open(QIODevice::ReadOnly)) qFatal("no image");
    const QByteArray bytes = made.readAll();
    constexpr int kImages = 500;
    for (int k = 0; k < kImages; ++k) {
        const QString folder = images.filePath(QStringLiteral("discs/%1").arg(k / 50));
        QDir().mkpath(folder);
        Write(folder + QStringLiteral("/%1.iso").arg(k), bytes.toStdString());
    }
    main.DiscCollectionMENU_Click();
    QCoreApplication::processEvents();
    QWidget* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("DiscCollectionFORM") && top->isVisible()) window = top;
    if (!window) qFatal("the disc collection is not open");
    window->findChild<QLineEdit*>(QStringLiteral("FolderTEXT"))->setText(images.filePath(QStringLiteral("discs")));
    auto* scan = window->findChild<QPushButton*>(QStringLiteral("ScanBUTTON"));
    auto* table = window->findChild<QTableView*>(QStringLiteral("DiscsTABLE"));
    auto* search = session.get<QLineEdit>("SearchTEXT");
    Report("search keystroke, no scan running", Keystrokes(search, runs), "<= 16 ms");
    Figures whole, keystroke;
    for (int k = 0; k < runs; ++k) {
        main.kept<DiscCache>().discs.clear();  // every image read again
        const bool typing = k % 2 == 1;  // every other scan with keystrokes, so each figure has its own
        const auto start = Clock::now();
        const double cpu = CpuMilliseconds();
        scan->click();
        while (!scan->isEnabled()) {
            if (typing) {
                search->clear();
                QCoreApplication::processEvents();
                keystroke.add(Timed([&] { QTest::keyClick(search, 'N'); }));
            } else {
                QTest::qWait(1);
            }
        }
        if (table->model()->rowCount() != kImages) qFatal("the scan shows %d rows", table->model()->rowCount());
        if (!typing) whole.add({MillisecondsSince(start), CpuMilliseconds() - cpu});
    }
    Report("disc collection: scan of 500 images", whole, "<= 5000 ms (100 images/s)");
    std::printf("%-46s %8.0f images/s\n", "disc collection: images read per second", kImages * 1000.0 / whole.median());
    Report("search keystroke while a scan runs", keystroke, "<= 16 ms");
}

struct Run {
    double ms;     // from spawn to the window's report that it is shown
    double cpuMs;  // the child's own user and system time
    long peakKiB;
};

/// One process from spawn to its end (it ends the moment its window is exposed, printing its
/// peak memory: a spawned child's own rusage would start from this process's size).
Run Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv) {
    std::vector<std::string> env = extraEnv;  // first, so that they win over the inherited ones
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    std::vector<char*> args, envp;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    args.push_back(nullptr);
    envp.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) qFatal("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0) qFatal("cannot start %s", args[0]);
    close(out[1]);
    std::string printed;
    char buffer[256];
    double ms = -1;
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        printed.append(buffer, static_cast<std::size_t>(n));
        // The window is on the screen when its report arrives. The exit after it is no part of
        // the start: closing a file watch waits for the kernel's grace period, 5-15 ms of sleep.
        if (ms < 0 && printed.find('\n', printed.find("peak-kib ")) != std::string::npos) ms = MillisecondsSince(start);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    close(out[0]);
    posix_spawn_file_actions_destroy(&actions);
    const auto at = printed.find("peak-kib ");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos) qFatal("%s did not end well", args[0]);
    return {ms, cpuMs, std::strtol(printed.c_str() + at + 9, nullptr, 10)};
}

/// tolva! (and the build TOLVA_BENCH_BEFORE names, if any), the bare window and the plain list
/// program started in turn on the same folder, each figure the median of runs starts.
void StartUpAgainstFloors(int runs, const char* platform, const QString& folder, QSize size, const char* what) {
    // A runtime folder of its own: a copy of tolva! running elsewhere on the machine (a test's)
    // holds the lock in the shared one, and a start would stop at "already in use".
    const QString runtime = folder + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const std::vector<std::string> env = {std::string("QT_QPA_PLATFORM=") + platform, "TOLVA_END_WHEN_SHOWN=1",
                                          "XDG_CONFIG_HOME=" + folder.toStdString() + "/config",
                                          "XDG_RUNTIME_DIR=" + runtime.toStdString()};
    const std::string width = std::to_string(size.width()), height = std::to_string(size.height());
    std::vector<std::pair<const char*, std::vector<std::string>>> programs = {
        {"tolva!", {TOLVA_BINARY, folder.toStdString()}},
        {"bare window", {TOLVA_BARE_WINDOW, width, height}},
        {"plain list", {TOLVA_PLAIN_LIST, folder.toStdString(), width, height}}};
    if (!qEnvironmentVariableIsEmpty("TOLVA_BENCH_BEFORE"))
        programs.push_back({"tolva! before", {qEnvironmentVariable("TOLVA_BENCH_BEFORE").toStdString(), folder.toStdString()}});
    for (const auto& program : programs) Spawn(program.second, env);  // warm the page cache for all
    std::vector<Figures> ms(programs.size()), cpu(programs.size()), kib(programs.size());
    for (int k = 0; k < runs; ++k) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const Run run = Spawn(programs[p].second, env);
            ms[p].samples.push_back(run.ms);
            cpu[p].samples.push_back(run.cpuMs);
            kib[p].samples.push_back(static_cast<double>(run.peakKiB));
        }
    }
    const double plain = ms[2].median(), plainCpu = cpu[2].median();
    std::printf("start-up on %s, %s (wall to the window shown, and the process's CPU to its end, median of %d):\n", platform, what, runs);
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::printf("  %-14s %7.1f ms %.2f x  CPU %6.1f ms %.2f x plain list (target <= 1.3)  peak %6.0f KiB (%.2f x bare window)\n",
                    programs[p].first, ms[p].median(), ms[p].median() / plain, cpu[p].median(),
                    cpu[p].median() / plainCpu, kib[p].median(), kib[p].median() / kib[1].median());
    }
}

void StartUps(int runs, generated::Shape shape) {
    const generated::Database db = generated::Reshaped(generated::GenerateDatabase(4096), shape);
    QTemporaryDir full, sample;
    for (const char* name : {"bleem!.INI", "Compatibility.TXT"}) {
        QFile::copy(QStringLiteral(TOLVA_SAMPLE "/") + QLatin1String(name), QDir(sample.path()).filePath(QLatin1String(name)));
    }
    Write(QDir(full.path()).filePath(QStringLiteral("bleem!.INI")), db.ini);
    Write(QDir(full.path()).filePath(QStringLiteral("Compatibility.TXT")), db.txt);
    QSize size;
    {
        Session session(db.ini, db.txt);
        size = session.start().size();
    }
    for (const char* platform : {"offscreen", "xcb"}) {
        if (std::string(platform) == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY")) continue;
        StartUpAgainstFloors(runs, platform, full.path(), size, "4096 entries");
        StartUpAgainstFloors(runs, platform, sample.path(), size, "the sample");
    }
}

}  // namespace
}  // namespace tolva::bench

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string(argv[1]) == "--write-database") {
        const tolva::generated::Database db = tolva::generated::GenerateDatabase(4096);
        tolva::bench::Write(QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("bleem!.INI")), db.ini);
        tolva::bench::Write(QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("Compatibility.TXT")), db.txt);
        return 0;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    using tolva::generated::Shape;
    Shape shape = Shape::Appended1;
    const std::vector<std::pair<std::string, Shape>> shapes = {
        {"shape=random", Shape::Random}, {"shape=appended1", Shape::Appended1},
        {"shape=appended5", Shape::Appended5}, {"shape=reversed", Shape::Reversed}};
    int partsNamed = 0;
    for (int k = 2; k < argc; ++k) {
        const auto named = std::find_if(shapes.begin(), shapes.end(), [&](const auto& s) { return s.first == argv[k]; });
        if (named != shapes.end()) shape = named->second;
        else ++partsNamed;
    }
    const auto part = [&](const char* name) {
        return partsNamed == 0 || std::find_if(argv + 2, argv + argc, [name](const char* a) {
                                      return std::string(a) == name;
                                  }) != argv + argc;
    };
    if (part("actions")) tolva::bench::Actions(runs, shape);
    if (part("add")) tolva::bench::Add(runs, shape);
    if (part("update")) tolva::bench::Update(runs, shape);
    if (part("huge")) tolva::bench::HugeTitle(runs);
    if (part("table")) tolva::bench::GamesTable(runs);
    if (part("scan")) tolva::bench::Scan(runs);
    if (part("startup")) tolva::bench::StartUps(runs, shape);
    return 0;
}
