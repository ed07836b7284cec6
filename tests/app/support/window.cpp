#include "window.h"

#include <sys/socket.h>

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTcpSocket>
#include <mutex>
#include <string_view>
#include <typeinfo>

#ifdef Q_OS_LINUX
#include <signal.h>
#include <sys/prctl.h>

#include "app/platform/access.h"
#include "app/platform/language.h"
#endif

namespace tolva::test {
namespace {

constexpr int kStepWaitMs = 10000;  // the longest a step waits for its window

void CloseAllButMain() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !qobject_cast<QMainWindow*>(window)) window->close();
}

// Each of the program's own item models (a view's, and a proxy's source) is checked by Qt's model
// tester from the moment its view shows: rows, columns, parents, sorting and filtering must stay
// consistent through every reset and change a test drives.
class ModelChecks final : public QObject {
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* view = qobject_cast<QAbstractItemView*>(object);
        if (event->type() != QEvent::Show || !view) return false;
        for (QAbstractItemModel* m = view->model(); m;) {
            const bool ours = std::string_view(typeid(*m).name()).find("tolva") != std::string_view::npos;
            if (ours && !m->findChild<QAbstractItemModelTester*>(QString(), Qt::FindDirectChildrenOnly))
                new QAbstractItemModelTester(m, QAbstractItemModelTester::FailureReportingMode::QtTest, m);
            const auto* proxy = qobject_cast<QAbstractProxyModel*>(m);
            m = proxy ? proxy->sourceModel() : nullptr;
        }
        return false;
    }
};

}  // namespace

const QByteArray kTxt = "Header|Title|Publisher|Code|Region|x|Status|D3D|Details|\r\n"
                        "|Alpha|Nowhere Soft|SLUS-90001|U/C|x|Not Yet||Crashes at once|\r\n";

void Click(const QObject* window, const QString& button) { Find<QAbstractButton>(window, button)->click(); }
bool Checked(const QObject* window, const QString& button) { return Find<QAbstractButton>(window, button)->isChecked(); }

QString Text(const QObject* window, const QString& control) {
    QWidget* w = Find(window, control);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* field = qobject_cast<QLineEdit*>(w)) return field->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return WithoutAccessKey(button->text());  // as shown
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) return edit->toPlainText();
    qFatal("%s has no text", qPrintable(control));
}

QStringList Rows(const QListWidget* list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row) rows << list->item(row)->text();
    return rows;
}

QStringList Rows(const GameListView* list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row) rows << list->text(row);
    return rows;
}

QList<bool> Ticks(const QListWidget* list) {
    QList<bool> ticks;
    for (int row = 0; row < list->count(); ++row) ticks << (list->item(row)->checkState() == Qt::Checked);
    return ticks;
}

void Leave(QWidget* window, bool byFrame) { byFrame ? (void)window->close() : Click(window, QStringLiteral("AbortBUTTON")); }

Watchdog::Watchdog(int ms) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [] {
        QTest::qFail("the program still waited when the test's time was up", __FILE__, __LINE__);
        CloseAllButMain();
    });
    timer_.start(ms);
}

LoadedMain::LoadedMain(const QByteArray& ini, const QByteArray& txt) {
    prepare(ini, txt);
    if (!start()) qFatal("the main window did not load");
}

void LoadedMain::prepare(const QByteArray& ini, const QByteArray& txt) const {
    writeFile(ini);
    t.write(QStringLiteral("program/Compatibility.TXT"), txt);
}

LoadedMain::~LoadedMain() { CloseAllButMain(); }

bool LoadedMain::start() {
    static std::once_flag checked;
    std::call_once(checked, [] { qApp->installEventFilter(new ModelChecks); });
    main = std::make_unique<MainFORM>(state, t.platform);
    if (!main->Form_Load()) return false;
    main->show();
    return true;
}

void LoadedMain::trigger(const QString& action) const {
    QAction* entry = get<QAction>(action);
    entry->setEnabled(true);  // Repair and Compare wait for a release that enables them
    entry->trigger();
}

void LoadedMain::select(const QString& title) const {
    const int row = static_cast<int>(Rows(list()).indexOf(title));
    if (row < 0) qFatal("no game %s", qPrintable(title));
    list()->setCurrentRow(row);
}

QString LoadedMain::selected() const { return list()->text(list()->currentRow()); }

bool LoadedMain::back() const {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != main.get() && window->isVisible()) return false;
    return main->isVisible() && main->isEnabled() && main->windowTitle() == QStringLiteral("tolva!") &&
           Text(main.get(), QStringLiteral("SearchTEXT")).isEmpty();
}

Walk& Walk::on(const QString& window, std::function<void(QWidget*)> act) {
    steps_.append({window, std::move(act)});
    return *this;
}

bool Walk::run(const std::function<void()>& start) {
    qsizetype next = 0;
    bool gaveUp = false;
    QElapsedTimer waiting;
    waiting.start();
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        if (QTest::currentTestFailed()) {  // a failed step: end the run instead of waiting on
            poll.stop();
            CloseAllButMain();
            return;
        }
        if (next >= steps_.size()) return;
        const Step& step = steps_[next];
        QWidget* window = TopLevel(step.window);
        if (window && window->isEnabled()) {
            ++next;
            waiting.restart();
            QPointer<QWidget> target = window;
            QTimer::singleShot(0, &poll, [target, act = step.act] {
                if (target && act) act(target);
            });
        } else if (waiting.elapsed() > kStepWaitMs) {
            gaveUp = true;
            poll.stop();
            QTest::qFail(qPrintable(QStringLiteral("%1 never came").arg(step.window)), __FILE__, __LINE__);
            CloseAllButMain();
        }
    });
    poll.start();
    start();
    return !gaveUp && next == steps_.size();
}

quint16 FreePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) qFatal("no free loopback port");
    return probe.serverPort();
}

LoopbackServer::LoopbackServer(Serve serve) : serve_(std::move(serve)) {
    if (!server_.listen(QHostAddress::LocalHost, 0)) qFatal("cannot listen on loopback");
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        while (QTcpSocket* client = server_.nextPendingConnection()) {
            ++connections;
            QObject::connect(client, &QTcpSocket::disconnected, &server_, [this] { clientClosed = true; });
            QObject::connect(client, &QTcpSocket::readyRead, &server_, [this, client] {
                const QByteArray bytes = client->readAll();
                received += bytes;
                client->setProperty("received", client->property("received").toByteArray() + bytes);
                if (onRead) onRead(client);
            });
            if (serve_) serve_(*this, client);
        }
    });
}

LoopbackServer::Serve LoopbackServer::Lines(QByteArray greeting, std::function<QByteArray(const QByteArray&)> answer) {
    return [greeting, answer](LoopbackServer& server, QTcpSocket* client) {
        client->write(greeting);
        auto answered = std::make_shared<qsizetype>(0);
        server.onRead = [&server, answer, answered](QTcpSocket* peer) {
            const QList<QByteArray> lines = server.received.split('\n');
            for (; *answered < lines.size() - 1; ++*answered) {  // the last piece may still be arriving
                const QByteArray reply = answer ? answer(lines[*answered].trimmed()) : QByteArray();
                peer->write(reply);
                if (reply.startsWith("221")) peer->disconnectFromHost();
            }
        };
    };
}

void LoopbackServer::Every(QTcpSocket* client, int ms, std::function<void()> step) {
    auto* timer = new QTimer(client);
    QObject::connect(timer, &QTimer::timeout, client, [client, step = std::move(step)] {
        if (client->state() == QAbstractSocket::ConnectedState) step();
    });
    timer->start(ms);
}

void LoopbackServer::Reset(QTcpSocket* client) {
    const struct linger hard {1, 0};
    ::setsockopt(static_cast<int>(client->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    client->abort();
}

PythonServer::~PythonServer() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) process_.kill();
    process_.waitForFinished(3000);
}

QString PythonServer::start(const QString& module, QStringList args) {
    port = FreePort();
    for (QString& arg : args)
        if (arg.contains(QStringLiteral("%1"))) arg = arg.arg(port);
#ifdef Q_OS_LINUX
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });  // ends with a crashed test
#endif
    // A path to a script runs the script; a name, the module.
    const QStringList program = module.endsWith(QStringLiteral(".py")) ? QStringList{module} : QStringList{QStringLiteral("-m"), module};
    process_.start(QStringLiteral("/usr/bin/python3"), program + args);
    if (!process_.waitForStarted(5000)) return module + QStringLiteral(" did not start");
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        if (process_.state() == QProcess::NotRunning)
            return module + QStringLiteral(" ended: ") + QString::fromLocal8Bit(process_.readAllStandardError());
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(200)) return {};
        QTest::qWait(50);
    }
    return module + QStringLiteral(" never accepted a connection");
}

}  // namespace tolva::test

// The windows speak the language the test's environment names, as the program's do: English
// for every test but the German runs (LANGUAGE=de).
static void UseTheTestsLanguage() { tolva::UseUserLanguage(); }
Q_COREAPP_STARTUP_FUNCTION(UseTheTestsLanguage)
