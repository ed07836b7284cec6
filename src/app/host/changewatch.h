#pragma once
// Watches bleem!.INI and Compatibility.TXT for another program's changes. Every notice (the file
// written, replaced by a rename, deleted, its folder changed) starts a short settling time, so
// that an editor's burst of writes is looked at once; then each file's bytes are compared with
// those the program last read or wrote: equal bytes (our own writes) are ignored, others are
// handed to the host to reload. While a blocking window or a message box is open the look waits
// until it closes. Where the platform cannot watch, nothing depends on it: Clean Up compares the
// bytes itself before writing.
#include <QFileSystemWatcher>
#include <QTimer>
#include <functional>

#include "app/platform/seams.h"

namespace tolva {

struct ProgramState;

enum class WatchedFile { Ini, Txt };

class ChangeWatch : public QObject {
    Q_OBJECT

public:
    /// Message boxes are counted through platform's prompter, which this replaces until it goes.
    ChangeWatch(ProgramState& state, Platform& platform, QObject* parent);
    ~ChangeWatch() override;

    /// Whether a window that holds reloads back is open (the host's blocking runs).
    std::function<bool()> held;
    /// Reads the file another program changed again (the host's reload).
    std::function<void(WatchedFile)> reload;

    /// Watches the files of the folders the program uses now; nothing happens when they are the
    /// ones watched already. A Compatibility.TXT of another folder is read at the next start only.
    void follow();
    /// A window that held the look back has closed: a waiting look runs now.
    void resume();

    /// Milliseconds a burst of notices must be quiet before the files are looked at.
    static constexpr int kSettleMs = 200;

Q_SIGNALS:
    /// The file holds bytes another program wrote; reload follows at once.
    void changed(tolva::WatchedFile file);
    /// A look at a file is done; reloaded: it was changed by another program and handed on.
    void settled(tolva::WatchedFile file, bool reloaded);
    /// A look was put off until the window that holds it back closes.
    void heldBack();

private:
    class CountingPrompter;

    void noticed();
    void rewatch();
    void look();
    void examine(WatchedFile file);
    bool waiting() const;

    ProgramState& state_;
    Platform& platform_;
    Prompter* inner_;
    std::unique_ptr<CountingPrompter> prompter_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString iniPath_, txtPath_;
    bool pending_ = false;
    bool looking_ = false;
    bool gone_[2] = {false, false};  ///< a file's disappearance has been told (one message each time)
};

}  // namespace tolva
