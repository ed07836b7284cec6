#pragma once
// Scripted stand-ins for the platform seams: the tests answer message boxes, pick files, hold
// settings in memory and see the program end without the test process ending.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QQueue>
#include <QTemporaryDir>
#include <functional>

#include "app/platform/imagereader.h"
#include "app/platform/qtseams.h"
#include "app/platform/seams.h"

namespace tolva::test {

struct Message {
    QString title, text;
    MsgIcon icon = MsgIcon::Information;
    MsgButtons buttons = MsgButtons::Ok;
    bool operator==(const Message&) const = default;
};
char* toString(const Message& message);  // for QCOMPARE
/// The messages a test expects, in order (QCOMPARE's macro takes no braced list).
inline QList<Message> Said(std::initializer_list<Message> messages) { return messages; }

struct ScriptedPrompter final : Prompter {
    MsgAnswer ask(QWidget*, const QString& title, const QString& text, MsgIcon icon, MsgButtons buttons) override;
    /// Answers in order; once empty, OK (or Yes for a question).
    QQueue<MsgAnswer> answers;
    QList<Message> shown;
    /// Runs while a message is "shown" (the window behind is in its waiting state then).
    std::function<void(const Message&)> onShow;
};

struct MemorySettings final : SettingsStore {
    QString read(const QString& key, const QString& fallback) override {
        reads.append(key);
        return values.value(key, fallback);
    }
    void write(const QString& key, const QString& value) override { values[key] = value; }
    QString readWindow(const QString& key) override { return windows.value(key); }
    void writeWindow(const QString& key, const QString& value) override { windows[key] = value; }
    QMap<QString, QString> values;
    QMap<QString, QString> windows;  // the windows' places and groups, apart from the settings
    QStringList reads;
};

struct MemoryKeyring final : Keyring {
    std::optional<QString> read(const QString& account) override {
        return kept.contains(account) ? std::optional(kept[account]) : std::nullopt;
    }
    bool write(const QString& account, const QString& password) override { return kept[account] = password, true; }
    QMap<QString, QString> kept;
};

struct FakeInstance final : InstanceGuard {
    bool anotherIsRunning() override { return running; }
    bool running = false;
};

struct ScriptedChooser final : FileChooser {
    QString chooseExisting(QWidget*, const QString& nameFilters, const QString& folder) override {
        filters.append(nameFilters);
        folders.append(folder);
        return picks.isEmpty() ? QString() : picks.dequeue();
    }
    QString chooseNew(QWidget*, const QString& nameFilters, const QString& suggested) override {
        return chooseExisting(nullptr, nameFilters, suggested);
    }
    QQueue<QString> picks;
    QStringList filters, folders;
};

struct RecordingShell final : Shell {
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

struct FixedClock final : Clock {
    QDateTime now() override { return when; }
    QDateTime when = QDateTime(QDate(2001, 3, 4), QTime(13, 5, 9));
};

struct FolderDrives final : DriveQuery {
    QList<Drive> cdromDrives() override { return drives; }
    QList<Drive> drives;
};

struct FakeProgram final : ProgramInfo {
    QString folder() override { return dir; }
    QString releaseName() override { return QStringLiteral("Release 5"); }
    int revision() override { return 118; }
    QString dir;
};

struct RecordingTerminator final : Terminator {
    /// Remembers the end; the program's windows go, as they would with its process.
    void endProgram() override;
    bool ended() const override { return endedFlag; }
    bool endedFlag = false;
};

/// One test's platform: a temporary program folder and every seam scripted.
struct TestPlatform {
    TestPlatform();
    ScriptedPrompter prompter;
    MemorySettings settings;
    FakeInstance instance;
    QtFileSystem files;
    ScriptedChooser chooser;
    RecordingShell shell;
    FixedClock clock;
    FolderDrives drives;
    FakeProgram program;
    RecordingTerminator terminator;
    MemoryKeyring keyring;
    ImageReader images{{TOLVA_PROGRAM, kReadImagesOption}};  // the program itself reads
    Platform platform;
    QTemporaryDir dir;

    /// A path inside the temporary folder (created folders included).
    QString path(const QString& relative) const;
    /// Writes bytes to a file inside the temporary folder, making its folders.
    QString write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
};

/// The visible top-level window of that objectName, or null.
QWidget* TopLevel(const QString& objectName);

/// "ID=..\r\nTitle=..\r\nFlags=..\r\n" entries for hand-made files.
QByteArray Entry(const QByteArray& id, const QByteArray& title, const QByteArray& flags);

}  // namespace tolva::test
