#pragma once
// The writers of bleem!.INI: adding, changing and disabling entries. Every change of the file,
// these and Clean Up and the repair wizard's alike, goes through RewriteINI, so the file holds
// either its old or its new content, and a change that cannot be made safely (entry not found,
// entries not shaped as the program writes them, a file beyond the line buffer, a game table that
// was not read whole) changes nothing and says why. No writer reloads the table: the caller runs
// the reload rule once the user carries on.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/files.h"
#include "core/files/folders.h"
#include "core/failure.h"
#include "core/state.h"

namespace tolva {

/// Lines a change or removal holds at most, as the program's line buffer always did.
inline constexpr std::size_t kIniLineCapacity = 16385;

/// One entry as written: "ID=", "Title=" and "Flags=" followed by these values.
struct IniEntry {
    std::string ID;
    std::string Title;
    std::string Flags;
};

/// A file's new content, or why it cannot be made (ok false; worded for a person, without the
/// file's name, which the caller adds).
struct EditedText {
    bool ok = false;
    std::string bytes;
    std::string error;
};

/// The file with entries appended: an unfinished last line is ended with CR LF, then each entry
/// follows as an empty line and its three lines, all ending in CR LF. The old bytes are kept.
EditedText AppendEntriesText(std::string_view file, const std::vector<IniEntry>& entries);

/// The file with the entry of disc ID gameID (the last active ID line with that value) given the
/// values of entry; every line then ends in CR LF, other lines unchanged.
EditedText ChangeEntryText(std::string_view file, std::string_view gameID, const IniEntry& entry);

/// The file with the ID, Title and Flags lines of the entry of disc ID gameID disabled by ";".
EditedText DisableEntryText(std::string_view file, std::string_view gameID);

/// Why nothing is written back after a load that did not read the whole file (Truncated).
std::string TruncatedTableReason();

/// The refusal of a change to bleem!.INI before it begins, after a load that did not read the
/// whole file: what cannot be done ("cannot add an entry to"), the path and why; nullopt when
/// the file was read whole.
std::optional<std::string> RefuseChange(const ProgramState& state, std::string_view refusal);

/// Keeps the bytes a change is about to replace, under a label naming the change ("Add: <title>",
/// "Edit: <title>", "Remove: <title>", "Clean Up", "Repair: 2 entries", "Online Update: 3
/// entries"; titles as the file holds them). A failure stops the change and leaves the file as it was.
using KeepPrevious = std::function<WriteOutcome(std::string_view previous, const std::string& action)>;

/// What a rewrite is given besides its edit. Callers omit it; tests replace the low-level writes
/// (a full disk, a read-only file), which is why a FileOps alone converts to it.
struct RewriteSeams {
    FileOps ops;
    KeepPrevious keepPrevious;  ///< empty: the previous bytes are not kept

    RewriteSeams() = default;
    RewriteSeams(FileOps fileOps) : ops(std::move(fileOps)) {}  // NOLINT(google-explicit-constructor)
};

/// One change of bleem!.INI: the new bytes made from the old ones.
struct IniChange {
    std::string action;   ///< the label the previous bytes are kept under
    std::string refusal;  ///< how a refusal begins, naming what failed: "cannot remove the entry from"
    std::string module;   ///< the name a failure carries ("GLOBAL.RemoveGame"); empty: the sink names it
    std::function<EditedText(std::string_view file)> edit;
    bool keepsEveryByte = false;  ///< an append: safe even after a load that did not read the whole file
};

/// What a change would make of bleem!.INI, written or not.
struct IniPreview {
    bool ok = false;
    std::string path;    ///< the file
    std::string before;  ///< its bytes now
    std::string after;   ///< its bytes once changed
    std::string error;   ///< why the change cannot be made (ok false), worded for a person
};

/// The first half of RewriteINI, which writes nothing: the file read whole and change.edit
/// applied, refused as RewriteINI refuses. A preview shows exactly what the change would write.
IniPreview PreviewINI(const ProgramState& state, const IniChange& change);

/// The one way bleem!.INI (in IniPath) changes: reads the file whole, applies change.edit, hands
/// the old bytes to seams.keepPrevious (by default, when HistoryPath is set, to the file's history,
/// which also notes the bytes written), then replaces the file through ReplaceFile. Refused while
/// the table is Truncated unless the change keeps every byte. A failure (worded for a person,
/// naming the file) goes to sink and leaves the file as it was. Returns false when the sink
/// answered Cancel (the caller ends the program); true when the user carries on, with the file
/// changed or, after a failure, as it was. It does not reload: the caller then runs the reload
/// rule (ReadINI, ReloadTXT when TxtUpdate is on, WriteList), except after Clean Up, which writes
/// the table as it is. Every writer below and Clean Up and the repair wizard's disabling are such
/// changes and answer the same.
bool RewriteINI(ProgramState& state, const IniChange& change, const FailureSink& sink,
                const RewriteSeams& seams = {});

/// Writes the wizard's entry: appended when EditMode is off, else the entry of selectedRow
/// changed. Failures are named "GLOBAL.WriteINI".
bool WriteINI(ProgramState& state, int selectedRow, const FailureSink& sink, const RewriteSeams& seams = {});

/// Disables the entry of selectedRow. Failures are named "GLOBAL.RemoveGame".
bool RemoveGame(ProgramState& state, int selectedRow, const FailureSink& sink,
                const RewriteSeams& seams = {});

/// The update's Finish as a change: entries appended, kept as "Online Update: N entries".
IniChange AppendChange(std::vector<IniEntry> entries);

/// Appends entries to bleem!.INI in IniPath (the update's Finish). Failures carry no module: the
/// caller's sink names its handler.
bool AppendEntries(ProgramState& state, const std::vector<IniEntry>& entries, const FailureSink& sink,
                   const RewriteSeams& seams = {});

}  // namespace tolva
