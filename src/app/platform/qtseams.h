#pragma once
// The real platform: Qt's message boxes, settings, lock file, file chooser and shell.
#include <QSettings>
#include <memory>

#include "app/platform/seams.h"

namespace tolva {

class QtPrompter final : public Prompter {
public:
    MsgAnswer ask(QWidget* owner, const QString& title, const QString& text, MsgIcon icon,
                  MsgButtons buttons) override;
};

/// QSettings in INI format, user scope, organisation and application "tolva!".
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    QString read(const QString& key, const QString& fallback) override;
    void write(const QString& key, const QString& value) override;
    QString readWindow(const QString& key) override;
    void writeWindow(const QString& key, const QString& value) override;
    QString readGroup(const QString& group, const QString& key) override;
    void writeGroup(const QString& group, const QString& key, const QString& value) override;
    QString location() const;

private:
    QSettings settings_;
};

/// A lock file in the user's runtime folder, held by a lock the system drops when the holder ends:
/// a crashed copy leaves nothing to take over. The file names its holder (process id, program,
/// host) as a QLockFile does, and a QLockFile on it sees it held, as this guard sees theirs.
class QtInstanceGuard final : public InstanceGuard {
public:
    explicit QtInstanceGuard(const QString& lockPath = {});
    ~QtInstanceGuard() override;
    QtInstanceGuard(const QtInstanceGuard&) = delete;
    QtInstanceGuard& operator=(const QtInstanceGuard&) = delete;
    bool anotherIsRunning() override;

private:
    QString path_;
    int held_ = -1;  // the lock file while this copy holds it
};

class QtFileSystem final : public FileSystem {
public:
    bool exists(const QString& path) override;
};

class QtFileChooser final : public FileChooser {
public:
    QString chooseExisting(QWidget* owner, const QString& nameFilters,
                           const QString& folder) override;
    QString chooseNew(QWidget* owner, const QString& nameFilters, const QString& suggested) override;
    QString chooseFolder(QWidget* owner, const QString& folder) override;
};

class QtShell final : public Shell {
public:
    void open(const QString& address) override;
};

class QtClock final : public Clock {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

/// On Linux the mounted iso9660 and udf volumes, in mount order, then the optical drives
/// without a mounted disc (read directly).
class QtDriveQuery final : public DriveQuery {
public:
    QList<Drive> cdromDrives() override;
};

class QtProgramInfo final : public ProgramInfo {
public:
    QString folder() override;
    QString releaseName() override;
    int revision() override;
};

class QtTerminator final : public Terminator {
public:
    void endProgram() override;
    bool ended() const override { return false; }
};

}  // namespace tolva
