#pragma once
// What a secondary window may ask of the main window: the program's state and seams, the parent
// of its dialogs, the selected game, the search box's two moves, failures, the reload after a
// change, and the run of a tool window. The main window implements it; no window reaches into its
// controls, and only the run here enables, disables, hides or shows it.
#include <QList>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

#include "app/platform/seams.h"
#include "core/failure.h"

class QWidget;

namespace tolva {

struct ProgramState;
class ToolWindow;

/// How a tool window stands beside the main window.
enum class WindowMode {
    Blocking,        ///< the main window disabled until the run ends
    BlockingHidden,  ///< the main window hidden until the run ends
    Companion,       ///< the main window stays usable; one window of each kind
};

class MainHost {
public:
    virtual ~MainHost() = default;

    virtual ProgramState& state() = 0;
    virtual Platform& platform() = 0;
    /// The parent of message boxes and file choosers.
    virtual QWidget* dialogParent() = 0;

    /// The selected row of the game list (= game table index), -1 when none.
    virtual int selectedRow() const = 0;
    /// Shows a game through the search box: its title typed there, or the search run again when
    /// the box holds it already (an unchanged text sends no change of its own).
    virtual void showGame(const QString& title) = 0;
    /// Empties the search box (no search runs when it is empty already).
    virtual void clearSearch() = 0;
    /// Selects that very row of the game list (a twin's own, not the first of its title), shows
    /// its details and brings the main window to the front.
    virtual void selectRow(int row) = 0;

    /// A failure sink that reports through the common error message under `module`.
    virtual FailureSink sinkFor(const char* module) = 0;
    /// After bleem!.INI or its folder changed: the tables read again, the list rewritten and the
    /// companions told. The writers never reload; their callers run this once the user carries on
    /// from the write. False when a failure stopped it or the program ended.
    virtual bool reloadAfterChange(const char* module) = 0;

    /// Runs the Add wizard with the disc image at path read on its page 2, as "Disc image..."
    /// reads one; the companions follow the new entry when it is written.
    virtual void addGame(const QString& image) = 0;

    /// What a kind of companion keeps between its openings while the program runs (the disc
    /// collection's reads, for one), made on first use.
    template <class Kept>
    Kept& kept() {
        std::shared_ptr<void>& slot = kept_[std::type_index(typeid(Kept))];
        if (!slot) slot = std::make_shared<Kept>();
        return *static_cast<Kept*>(slot.get());
    }

    /// The main window's caption is the title, or the title and the suffix of the running tool.
    void setCaptionSuffix(const QString& suffix);

    /// Runs a tool window. Blocking: the main window stands aside (disabled or hidden) with the
    /// window's suffix in its caption and the open companions disabled, the call waits without
    /// blocking the event loop until the run has finished (a window may hand the run over to its
    /// successor), and the main window and the companions come back as they were, the
    /// companions told to look again. Companion: shown beside the main window and returns at
    /// once; an open window of the same kind (objectName) comes to the front instead, and this
    /// one goes.
    void runWindow(ToolWindow* window, WindowMode mode);
    /// Runs work with the main window disabled (what covered it drawn first, not drawn disabled);
    /// it comes back as it was, also when the work failed.
    void whileBusy(const std::function<void()>& work);
    /// The open companion windows are told that the game table changed.
    void tellCompanions();
    /// Whether a blocking run is open (a reload caused by another program waits for its end).
    bool blocking() const { return blocking_ > 0; }
    /// Before a rewrite from the table (Clean Up, the repair's disabling): when another program
    /// has changed bleem!.INI since it was read, reloads it and says so; true then, and the
    /// caller writes nothing, leaving the user to carry on on the current table. owner: the
    /// parent of the message.
    virtual bool reloadIfChangedElsewhere(QWidget* owner) = 0;

protected:
    virtual QWidget* mainWindow() = 0;
    virtual void showCaption(const QString& caption) = 0;
    /// The last blocking run has ended.
    virtual void blockingEnded() {}

private:
    QString suffix_;
    int blocking_ = 0;
    QList<QPointer<ToolWindow>> companions_;
    std::unordered_map<std::type_index, std::shared_ptr<void>> kept_;
};

}  // namespace tolva
