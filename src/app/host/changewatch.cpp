#include "app/host/changewatch.h"

#include <QFileInfo>
#include <QWidget>

#include "app/platform/coretext.h"
#include "app/platform/guarded.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "core/database/compatibility.h"
#include "core/database/writer.h"
#include "core/files/files.h"
#include "core/state.h"

namespace tolva {
namespace {

QString FileName(WatchedFile file) {
    return QString::fromLatin1(file == WatchedFile::Ini ? kIniFileName : kTxtFileName);
}

}  // namespace

/// Every message box of the program passes here, so a look waits while one is open.
class ChangeWatch::CountingPrompter final : public Prompter {
public:
    CountingPrompter(Prompter* inner, ChangeWatch& watch) : inner_(inner), watch_(watch) {}
    MsgAnswer ask(QWidget* owner, const QString& title, const QString& text, MsgIcon icon,
                  MsgButtons buttons) override {
        ++open;
        const MsgAnswer answer = inner_->ask(owner, title, text, icon, buttons);
        if (--open == 0) watch_.resume();
        return answer;
    }
    int open = 0;

private:
    Prompter* inner_;
    ChangeWatch& watch_;
};

ChangeWatch::ChangeWatch(ProgramState& state, Platform& platform, QObject* parent)
    : QObject(parent), state_(state), platform_(platform), inner_(platform.prompter),
      prompter_(std::make_unique<CountingPrompter>(platform.prompter, *this)) {
    setObjectName(QStringLiteral("ChangeWatch"));
    platform_.prompter = prompter_.get();
    settle_.setSingleShot(true);
    OnSignal(platform_, &settle_, &QTimer::timeout, this, [this] { look(); });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &ChangeWatch::noticed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &ChangeWatch::noticed);
}

ChangeWatch::~ChangeWatch() { platform_.prompter = inner_; }

void ChangeWatch::follow() {
    const QString ini = FromPath(IniFilePath(state_.folders));
    const QString txt = FromPath(TxtFilePath(state_.folders));
    if (ini == iniPath_ && txt == txtPath_) return;
    if (!txtPath_.isEmpty() && txt != txtPath_) state_.seen.txt.reset();
    iniPath_ = ini;
    txtPath_ = txt;
    rewatch();
}

void ChangeWatch::rewatch() {
    // A replacement by rename leaves a watch on the old file, and a deleted file is dropped from
    // the watch: the files are watched afresh each time, their folders see them come back.
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    for (const QString& path : {iniPath_, txtPath_}) {
        const QFileInfo file(path);
        if (file.exists()) watcher_.addPath(path);
        if (!watcher_.directories().contains(file.absolutePath())) watcher_.addPath(file.absolutePath());
    }
}

void ChangeWatch::noticed() {
    rewatch();
    settle_.start(kSettleMs);
}

bool ChangeWatch::waiting() const { return looking_ || prompter_->open > 0 || (held && held()); }

void ChangeWatch::resume() {
    if (pending_ && !waiting()) settle_.start(0);
}

void ChangeWatch::look() {
    if (platform_.ended()) return;
    if (waiting()) {
        pending_ = true;
        Q_EMIT heldBack();
        return;
    }
    pending_ = false;
    looking_ = true;
    examine(WatchedFile::Ini);
    examine(WatchedFile::Txt);
    looking_ = false;
    resume();  // a notice that came while a reload's message was open
}

void ChangeWatch::examine(WatchedFile file) {
    const bool ini = file == WatchedFile::Ini;
    const std::optional<std::string>& seen = ini ? state_.seen.ini : state_.seen.txt;
    // Compatibility.TXT is read again only where a start would read it.
    if (!seen || (!ini && !state_.folders.TxtUpdate)) return;
    const std::string path = ini ? IniFilePath(state_.folders) : TxtFilePath(state_.folders);
    FileBytes now = ReadWholeFile(path);
    // An empty file is an editor half-way through its save, or a loss: either way not a database.
    if (now.ok && now.bytes.empty()) now = {false, {}, "cannot read " + path + ": the file is empty"};
    bool& gone = gone_[ini ? 0 : 1];
    if (!now.ok) {
        if (!gone) {
            gone = true;
            platform_.prompter->ask(qobject_cast<QWidget*>(parent()), kTitle,
                                    tr("%1 was deleted or cannot be read any more (%2).\r\n\r\nThe list stays as it was, "
                                       "and nothing is written in the file's place.")
                                        .arg(FileName(file), CoreText(FromPath(now.error))),
                                    MsgIcon::Exclamation, MsgButtons::Ok);
        }
        Q_EMIT settled(file, false);
        return;
    }
    gone = false;
    const bool theirs = now.bytes != *seen;
    if (theirs) {
        Q_EMIT changed(file);
        reload(file);
    }
    Q_EMIT settled(file, theirs);
}

}  // namespace tolva
