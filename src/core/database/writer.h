#pragma once
// The writers of bleem!.INI: adding, changing and disabling entries. Every change goes through
// ReplaceFile, so the file holds either its old or its new content, and a change that cannot be
// made safely (entry not found, entries not shaped as the program writes them, a file beyond the
// line buffer, a game table that was not read whole) changes nothing and says why.
#include <string>
#include <string_view>
#include <vector>

#include "core/files/files.h"
#include "core/failure.h"
#include "core/state.h"

namespace tolva {

/// Lines a change or removal holds at most, as the program's line buffer always did.
inline constexpr std::size_t kIniLineCapacity = 16385;

/// The name of the game database file inside IniPath.
inline constexpr const char* kIniFileName = "bleem!.INI";

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

/// The path of bleem!.INI in IniPath: the exact name, else the same name in another letter case,
/// else the exact name (which then does not exist).
std::string IniFilePath(const Folders& folders);

/// Why nothing is written back after a load that did not read the whole file (Truncated).
std::string TruncatedTableReason();

/// Appends entries to the file at path through the atomic replacement (the update's Finish).
WriteOutcome AppendEntries(const std::string& path, const std::vector<IniEntry>& entries,
                           const FileOps& ops = {});

// ops replaces the low-level writes in tests (a full disk, a read-only file); callers omit it.

/// Writes the wizard's entry: appended when EditMode is off, else the entry of selectedRow
/// changed. Then reloads (ReloadAfterChange). Failures go to sink as "GLOBAL.WriteINI".
/// Returns false when the sink answered Cancel (the caller ends the program).
bool WriteINI(ProgramState& state, int selectedRow, const FailureSink& sink, const FileOps& ops = {});

/// Disables the entry of selectedRow, then reloads (ReloadAfterChange). Failures go to sink as
/// "GLOBAL.RemoveGame". Returns false when the sink answered Cancel.
bool RemoveGame(ProgramState& state, int selectedRow, const FailureSink& sink, const FileOps& ops = {});

/// What follows every change of bleem!.INI: ReadINI, then ReloadTXT when TxtUpdate is on. The
/// caller refills the list (WriteList). Returns false when the sink answered Cancel.
bool ReloadAfterChange(ProgramState& state, const FailureSink& sink);

}  // namespace tolva
