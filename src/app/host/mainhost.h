#pragma once
// What a secondary window may ask of the main window: the program's state and seams, the owner
// of its dialogs, the selected game, the search box's two moves, failures, the reload after a
// change and the caption. The main window implements it; no window reaches into its controls.
#include <QString>

#include "app/platform/seams.h"
#include "core/failure.h"

class QWidget;

namespace tolva {

struct ProgramState;

class MainHost {
public:
    virtual ~MainHost() = default;

    virtual ProgramState& state() = 0;
    virtual Platform& platform() = 0;
    /// The main window: the owner of dialogs, and the window a tool window stands in front of.
    virtual QWidget* ownerWindow() = 0;

    /// The selected row of the game list (= game table index), -1 when none.
    virtual int selectedRow() const = 0;
    /// Shows a game through the search box: its title typed there, or the search run again when
    /// the box holds it already (an unchanged text sends no change of its own).
    virtual void showGame(const QString& title) = 0;
    /// Empties the search box (no search runs when it is empty already).
    virtual void clearSearch() = 0;
    /// Rewrites the list, the counts and the view from the game table.
    virtual void WriteList() = 0;

    /// A failure sink that reports through the common error message under `module`.
    virtual FailureSink sinkFor(const char* module) = 0;
    /// After bleem!.INI or its folder changed: the tables read again and the list rewritten. The
    /// writers never reload; their callers run this once the user carries on from the write.
    /// False when a failure stopped it or the program ended.
    virtual bool reloadAfterChange(const char* module) = 0;

    /// The main window's caption is the title, or the title and the suffix of the running tool.
    virtual void setCaptionSuffix(const QString& suffix) = 0;

    bool ended() { return platform().ended(); }
};

/// The steps around a tool window, for as long as it lives: the main window disabled (or
/// hidden), the tool's suffix in its caption. On leaving, unless the program ended meanwhile,
/// the caption comes back and a disabled main window is enabled; a hidden one comes back with
/// the tool's own ending (its message, or its last window's Finish or Abort).
class ToolWindowGuard {
public:
    enum class Main { Disabled, Hidden };

    ToolWindowGuard(MainHost& host, const QString& suffix, Main how = Main::Disabled);
    ~ToolWindowGuard();
    ToolWindowGuard(const ToolWindowGuard&) = delete;
    ToolWindowGuard& operator=(const ToolWindowGuard&) = delete;

private:
    MainHost& host_;
    Main how_;
};

}  // namespace tolva
