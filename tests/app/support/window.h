#pragma once
// What every window test shares: the main window loaded on files in a temporary folder, controls
// found by their names, walks through the windows the program waits for, and servers on loopback.
#include <QAbstractButton>
#include <QAction>
#include <QByteArray>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/mainwindow/gamelistview.h"
#include "app/mainwindow/mainform.h"
#include "core/state.h"
#include "fakeplatform.h"

namespace tolva::test {

/// A Compatibility.TXT holding one record (Alpha's).
extern const QByteArray kTxt;

/// The named control of a window; a missing one fails the test and ends the binary, as the
/// window is then wrong and every later step would only crash on it.
template <class T = QWidget>
T* Find(const QObject* window, const QString& name) {
    T* child = window->findChild<T*>(name);
    if (!child) qFatal("%s has no %s", qPrintable(window->objectName()), qPrintable(name));
    return child;
}
void Click(const QObject* window, const QString& button);
bool Checked(const QObject* window, const QString& button);
QString Text(const QObject* window, const QString& control);  // a label's, a field's or a button's
QStringList Rows(const QListWidget* list);
QStringList Rows(const GameListView* list);
QList<bool> Ticks(const QListWidget* list);
/// Leaves a window by its Abort button, or by the frame's close button (Abort as well).
void Leave(QWidget* window, bool byFrame);

/// Closes every window but the main one (the frame's close is Abort everywhere) once the time is
/// up, and fails the test: a program waiting for a window that no step serves ends instead of
/// hanging the suite.
class Watchdog {
public:
    explicit Watchdog(int ms = 60000);

private:
    QTimer timer_;
};

/// The main window started (and shown) on bleem!.INI and Compatibility.TXT in the program folder.
struct LoadedMain {
    LoadedMain() = default;  // nothing written: the test prepares t, then calls start()
    explicit LoadedMain(const QByteArray& ini, const QByteArray& txt = kTxt);
    ~LoadedMain();  // closes what a failed or ended run left open
    /// Writes bleem!.INI and Compatibility.TXT into the program folder.
    void prepare(const QByteArray& ini, const QByteArray& txt = kTxt) const;
    bool start();  // false when the program ended during start-up

    QByteArray file() const { return t.read(QStringLiteral("program/bleem!.INI")); }
    void writeFile(const QByteArray& bytes) const { t.write(QStringLiteral("program/bleem!.INI"), bytes); }
    template <class T = QWidget>
    T* get(const QString& name) const { return Find<T>(main.get(), name); }
    GameListView* list() const { return get<GameListView>(QStringLiteral("GameLIST")); }
    void trigger(const QString& action) const;
    void select(const QString& title) const;
    QString selected() const;
    /// Exactly one message was shown, and its text begins with start.
    bool saidOnce(const QString& start) const { return t.prompter.shown.size() == 1 && t.prompter.shown[0].text.startsWith(start); }
    /// After a tool: the main window shown, enabled, captioned "tolva!", the search box empty,
    /// no other window open.
    bool back() const;

    TestPlatform t;
    ProgramState state;
    std::unique_ptr<MainFORM> main;
    Watchdog dog;
};

/// A run through windows the program waits for, step by step: each step waits until its window
/// is shown and enabled, then acts on it. A step that never comes closes the open windows and
/// fails the test. Steps run from their own timer event, so a step may open a window the next
/// step serves while it waits.
class Walk {
public:
    Walk& on(const QString& window, std::function<void(QWidget*)> act);
    Walk& press(const QString& window, const QString& button) {
        return on(window, [button](QWidget* w) { Click(w, button); });
    }
    /// Runs start (a click, a menu entry) until it returns; whether every step ran.
    bool run(const std::function<void()>& start);
    bool run(const LoadedMain& run, const QString& action) {
        return this->run([&] { run.trigger(action); });
    }

private:
    struct Step {
        QString window;
        std::function<void(QWidget*)> act;
    };
    QList<Step> steps_;
};

/// A free TCP port on loopback (nothing listens on it once this returns).
quint16 FreePort();

/// A server written here, on loopback: hands each connection to serve, records what it gets.
class LoopbackServer {
public:
    using Serve = std::function<void(LoopbackServer&, QTcpSocket*)>;
    explicit LoopbackServer(Serve serve = {});
    QByteArray endpoint() const { return "127.0.0.1:" + QByteArray::number(server_.serverPort()); }

    /// Greets, then answers each received line with answer(line) ("" says nothing); 221 closes.
    static Serve Lines(QByteArray greeting, std::function<QByteArray(const QByteArray&)> answer = {});
    /// Runs step every ms milliseconds while the client is connected.
    static void Every(QTcpSocket* client, int ms, std::function<void()> step);
    /// Ends the connection with a reset (RST) instead of an orderly close.
    static void Reset(QTcpSocket* client);

    std::function<void(QTcpSocket*)> onRead;
    QByteArray received;
    int connections = 0;
    bool clientClosed = false;

private:
    QTcpServer server_;
    Serve serve_;
};

/// A Python server (`python3 -m module args`, or a script.py, "%1" standing for the port) on a free loopback
/// port; start() returns "" once it accepts connections, else why not.
class PythonServer {
public:
    ~PythonServer();
    QString start(const QString& module, QStringList args);
    QByteArray endpoint() const { return "127.0.0.1:" + QByteArray::number(port); }
    quint16 port = 0;

private:
    QProcess process_;
};

}  // namespace tolva::test
