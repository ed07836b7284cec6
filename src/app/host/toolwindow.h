#pragma once
// A window of the program's own beside the main window: its name, caption, icon and remembered
// place, closing through the frame as its Abort (Escape clicks Abort, see access.h), and a `finished` signal when it is
// done. The host runs it, blocking or as a companion (MainHost::runWindow); the window itself
// never touches the main window.
#include <QWidget>

namespace tolva {

class MainHost;

class ToolWindow : public QWidget {
    Q_OBJECT

public:
    /// name: the objectName (and the place's key); suffix: what follows the title in its caption
    /// and, while it blocks, in the main window's.
    /// remembered: the window keeps its place through the settings (a wizard's pages are placed by
    /// their run instead).
    ToolWindow(MainHost& host, const char* name, const QString& suffix, Qt::WindowFlags flags = Qt::Window,
               bool remembered = true);

    const QString& suffix() const { return suffix_; }
    bool isFinished() const { return finished_; }
    /// The game table changed under a companion: it follows.
    virtual void tableChanged() {}

    /// Ends the window: `finished` (the host restores the main window before this one goes), then
    /// hidden and deleted. A second call does nothing.
    void finish();
    /// Ends the window and hands its run to `next`, which the host shows (unless shown already).
    void handOver(ToolWindow* next);
    ToolWindow* successor() const { return successor_; }

Q_SIGNALS:
    void finished();
    /// The main window may be used while this run goes on (a notice after an abandoned task).
    void mainReleased();

protected:
    /// What the frame's close button does; by default the window simply finishes. A
    /// window that may not be left now (its Finish is under way) does nothing.
    virtual void abort() { finish(); }

    MainHost& host() const { return host_; }

    void closeEvent(QCloseEvent* event) override;

private:
    MainHost& host_;
    QString suffix_;
    bool finished_ = false;
    ToolWindow* successor_ = nullptr;
};

}  // namespace tolva
