#pragma once
// Every platform interface the windows use goes through one of these seams, so that tests can
// script the user's answers and the outside world, and the real program wires the Qt versions.
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace tolva {

class ImageReader;

/// What every seam below is: an interface the real program and the tests each implement, deleted
/// through it.
struct Seam {
    virtual ~Seam() = default;
};

enum class MsgIcon { Critical, Exclamation, Question, Information };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgAnswer { Ok, Cancel, Yes, No };

/// Message boxes: title, text, icon, buttons → the button pressed.
struct Prompter : Seam {
    virtual MsgAnswer ask(QWidget* owner, const QString& title, const QString& text, MsgIcon icon,
                          MsgButtons buttons) = 0;
};

/// The per-user store of string settings, section "Settings".
struct SettingsStore : Seam {
    virtual QString read(const QString& key, const QString& fallback) = 0;
    virtual void write(const QString& key, const QString& value) = 0;
    /// The windows' remembered places ("MainFORM/geometry"), in a group of their own, "Window",
    /// so that the program's own settings stay exactly as they are; "" when none is stored.
    virtual QString readWindow(const QString& key) = 0;
    virtual void writeWindow(const QString& key, const QString& value) = 0;
    /// A setting of a window beside the system's own, in a group of that window's
    /// ("DiscCollection", "Servers": never a password); "" when none is stored. By default kept
    /// with the windows' places.
    virtual QString readGroup(const QString& group, const QString& key) { return readWindow(group + QLatin1Char('/') + key); }
    virtual void writeGroup(const QString& group, const QString& key, const QString& value) {
        writeWindow(group + QLatin1Char('/') + key, value);
    }
};

/// The desktop's keyring (a Secret Service), where a remembered password lives.
class Keyring {
public:
    virtual ~Keyring() = default;
    /// The password kept for account; nothing when none is kept or no keyring answers.
    virtual std::optional<QString> read(const QString& account) = 0;
    /// Keeps password for account (an empty one removes it); false when no keyring answers.
    virtual bool write(const QString& account, const QString& password) = 0;
    /// Passwords given in this run but kept in no keyring: they go with the program.
    QMap<QString, QString> heldForRun;
};

/// Whether another copy of the program is running already.
struct InstanceGuard : Seam {
    virtual bool anotherIsRunning() = 0;
};

/// File existence as the program asks it: the exact name, then any letter case in that folder.
struct FileSystem : Seam {
    virtual bool exists(const QString& path) = 0;
};

/// The platform's open-file chooser, modal over owner; returns the chosen path or "".
struct FileChooser : Seam {
    virtual QString chooseExisting(QWidget* owner, const QString& nameFilters,
                                   const QString& folder) = 0;
    /// The platform's save-file chooser, starting at suggested; "" when the user cancels (and
    /// for a program run that never writes files of its own choosing).
    virtual QString chooseNew(QWidget* owner, const QString& nameFilters, const QString& suggested) {
        (void)owner, (void)nameFilters, (void)suggested;
        return {};
    }
    /// The platform's folder chooser, starting at folder; "" when the user cancels.
    virtual QString chooseFolder(QWidget* owner, const QString& folder) {
        (void)owner, (void)folder;
        return {};
    }
};

/// The shell's "Open" action on a web address; its result is ignored.
struct Shell : Seam {
    virtual void open(const QString& address) = 0;
};

struct Clock : Seam {
    virtual QDateTime now() = 0;
};

/// The game discs the drive buttons read, with their captions: a mounted volume's root folder,
/// or the device of an optical drive read directly.
struct Drive {
    QString caption;
    QString root;
};
struct DriveQuery : Seam {
    virtual QList<Drive> cdromDrives() = 0;
};

/// The program's folder and build version.
struct ProgramInfo : Seam {
    virtual QString folder() = 0;  ///< without a trailing separator
    virtual QString releaseName() = 0;
    virtual int revision() = 0;
};

/// The program's last act, reached only through Guarded: the real one ends the process, the
/// tests' one remembers it (and every wait of the program then returns by throwing ProgramEnd).
struct Terminator : Seam {
    virtual void endProgram() = 0;
    virtual bool ended() const = 0;
};

/// The seams one program run uses; owned by main() or by a test.
struct Platform {
    Prompter* prompter = nullptr;
    SettingsStore* settings = nullptr;
    InstanceGuard* instance = nullptr;
    FileSystem* files = nullptr;
    FileChooser* chooser = nullptr;
    Shell* shell = nullptr;
    Clock* clock = nullptr;
    DriveQuery* drives = nullptr;
    ProgramInfo* program = nullptr;
    Terminator* terminator = nullptr;
    ImageReader* images = nullptr;  ///< reads disc image files apart from the program
    Keyring* keyring = nullptr;

    bool ended() const { return terminator->ended(); }
};

/// Ends the program from wherever it is asked (Exit, Cancel on the common error message, ...):
/// the code between here and the handler's boundary unwinds, and nothing after the request runs.
/// Not a std::exception, so that no catch of failures takes it.
struct ProgramEnd {};
[[noreturn]] inline void EndProgram() { throw ProgramEnd{}; }

/// The boundary of every handler Qt calls: runs body, and turns a ProgramEnd into the program's
/// end (Terminator::endProgram), which never crosses Qt's event loop. False when the program ended.
bool Guarded(Platform& platform, const std::function<void()>& body);

}  // namespace tolva
