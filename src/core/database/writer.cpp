// An entry is found as the program always found it: its ID line is the last active ID line with
// the disc ID, and its Title and Flags lines are those with the same ordinal among their kind.
// That only holds when every entry up to it has exactly one Title and one Flags line, so the
// ordinal lines are checked to lie inside the entry (between its ID line and the next) and to be
// its only ones; otherwise the change would land on another entry's lines, and nothing is done.
#include "core/database/writer.h"

#include <exception>

#include "core/database/gametable.h"
#include "core/database/iniline.h"
#include "core/history/history.h"
#include "core/text/cp1252.h"
#include "core/files/files.h"

namespace tolva {
namespace {

constexpr const char* kWriteModule = "GLOBAL.WriteINI";
constexpr const char* kRemoveModule = "GLOBAL.RemoveGame";
constexpr const char* kCrLf = "\r\n";
constexpr const char* kUnchanged = "; the file was left unchanged";

EditedText Refuse(std::string why) {
    EditedText result;
    result.error = std::move(why);
    return result;
}

EditedText Made(std::string bytes) {
    EditedText result;
    result.ok = true;
    result.bytes = std::move(bytes);
    return result;
}

/// The line made inactive: ";" in front. Built by appending, which copies the line once; prepending
/// to a temporary (";" + std::string(line)) moves it again, and GCC 12 at -O3 misreads that move
/// as an overlapping copy (-Wrestrict).
std::string Disabled(std::string_view line) {
    std::string disabled;
    disabled.reserve(line.size() + 1);
    disabled += ';';
    disabled += line;
    return disabled;
}

/// A value with a line break would split into lines of its own, one of them perhaps a key.
bool HasLineBreak(std::string_view value) {
    return value.find_first_of("\r\n") != std::string_view::npos;
}

std::string LineBreakError(const IniEntry& entry) {
    if (HasLineBreak(entry.ID)) return "the disc ID contains a line break";
    if (HasLineBreak(entry.Title)) return "the title contains a line break";
    if (HasLineBreak(entry.Flags)) return "the flags word contains a line break";
    return {};
}

struct EntryLines {
    std::size_t id = 0;
    std::size_t title = 0;
    std::size_t flags = 0;
};

/// The one line of kind key with the given ordinal, if it lies in [begin, end) and no other line
/// of that kind does.
bool FindOwnLine(const std::vector<IniKey>& kinds, IniKey key, std::size_t ordinal,
                 std::size_t begin, std::size_t end, std::size_t& found) {
    std::size_t seen = 0;
    bool located = false;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        if (kinds[k] != key) continue;
        const bool inside = k >= begin && k < end;
        if (seen == ordinal) {
            if (!inside) return false;
            found = k;
            located = true;
        } else if (inside) {
            return false;
        }
        ++seen;
    }
    return located;
}

/// Finds the entry's three lines, or says why they cannot be trusted.
EditedText LocateEntry(const std::vector<std::string_view>& lines, std::string_view gameID,
                       EntryLines& entry) {
    if (lines.size() > kIniLineCapacity) {
        return Refuse("the file has " + std::to_string(lines.size()) + " lines, more than the " +
                      std::to_string(kIniLineCapacity) + " a change can hold");
    }
    std::vector<IniKey> kinds(lines.size());
    std::size_t ids = 0;
    std::size_t ordinal = 0;
    bool found = false;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        kinds[k] = ClassifyIniLine(lines[k]);
        if (kinds[k] != IniKey::ID) continue;
        if (IniLineValue(lines[k]) == gameID) {
            entry.id = k;
            ordinal = ids;
            found = true;
        }
        ++ids;
    }
    if (!found) return Refuse("no active entry has the disc ID " + std::string(gameID));

    // The entry's own lines lie after its ID line, up to the next ID line.
    const std::size_t begin = entry.id + 1;
    std::size_t end = begin;
    while (end < lines.size() && kinds[end] != IniKey::ID) ++end;
    const char* const hint = " (Clean Up writes every entry so again)";
    if (!FindOwnLine(kinds, IniKey::Title, ordinal, begin, end, entry.title)) {
        return Refuse("the entry with the disc ID " + std::string(gameID) +
                      " cannot be told apart safely: it or an entry before it does not have "
                      "exactly one Title line" + hint);
    }
    if (!FindOwnLine(kinds, IniKey::Flags, ordinal, begin, end, entry.flags)) {
        return Refuse("the entry with the disc ID " + std::string(gameID) +
                      " cannot be told apart safely: it or an entry before it does not have "
                      "exactly one Flags line" + hint);
    }
    return Made({});
}

std::string JoinLines(const std::vector<std::string_view>& lines) {
    std::string out;
    std::size_t size = 0;
    for (const auto line : lines) size += line.size() + 2;
    out.reserve(size);
    for (const auto line : lines) {
        out += line;
        out += kCrLf;
    }
    return out;
}

void AppendEntry(std::string& out, const IniEntry& entry) {
    out += kCrLf;
    out += "ID=" + entry.ID + kCrLf;
    out += "Title=" + entry.Title + kCrLf;
    out += "Flags=" + entry.Flags + kCrLf;
}

/// Reports a failure to the sink; true when the procedure may carry on.
bool Carry(const FailureSink& sink, const std::string& module, const std::string& description) {
    return sink(Failure{description, module}) == Resolution::Resume;
}

/// The change made, or why not; the file is as it was on failure.
WriteOutcome Rewrite(ProgramState& state, const IniChange& change, const RewriteSeams& seams) {
    IniPreview made = PreviewINI(state, change);
    if (!made.ok) return {false, made.error};
    try {
        const std::string& historyPath = state.folders.HistoryPath;
        const IniHistory history(historyPath.empty() ? std::string() : HistoryFolder(historyPath, made.path));
        const KeepPrevious keep = seams.keepPrevious   ? seams.keepPrevious
                                  : historyPath.empty() ? KeepPrevious()
                                                        : [&](std::string_view bytes, const std::string& action) {
                                                              return history.Keep(bytes, action, seams.ops);
                                                          };
        if (keep) {
            if (const WriteOutcome kept = keep(made.before, change.action); !kept.ok) {
                return {false, change.refusal + " " + made.path + ": " + kept.error + kUnchanged};
            }
        }
        const WriteOutcome written = ReplaceFile(made.path, made.after, seams.ops);
        // Not noting the new bytes only makes a later undo ask whether another program wrote them.
        if (written.ok && !historyPath.empty()) history.Wrote(made.after, seams.ops);
        if (written.ok) state.seen.ini = std::move(made.after);  // our own bytes, not another program's
        return written;
    } catch (const std::exception& error) {
        // Running out of memory on a huge file, say; the replacement has removed its temporary file.
        return {false, change.refusal + " " + made.path + ": " + error.what() + kUnchanged};
    }
}

bool ValidRow(const GameTable& games, int row) {
    return row >= 0 && row <= games.GameLast && row < kTableCapacity;
}

}  // namespace

EditedText AppendEntriesText(std::string_view file, const std::vector<IniEntry>& entries) {
    for (const IniEntry& entry : entries) {
        if (const std::string error = LineBreakError(entry); !error.empty()) return Refuse(error);
    }
    std::string out;
    out.reserve(file.size() + 2 + entries.size() * 64);
    out += file;
    // A lone CR ends a line as well as LF does, so only a last line with neither is unfinished.
    if (!file.empty() && file.back() != '\n' && file.back() != '\r') out += kCrLf;
    for (const IniEntry& entry : entries) AppendEntry(out, entry);
    return Made(std::move(out));
}

EditedText ChangeEntryText(std::string_view file, std::string_view gameID, const IniEntry& entry) {
    if (const std::string error = LineBreakError(entry); !error.empty()) return Refuse(error);
    std::vector<std::string_view> lines = SplitLineViews(file);
    EntryLines at;
    if (EditedText located = LocateEntry(lines, gameID, at); !located.ok) return located;
    const std::string id = "ID=" + entry.ID;
    const std::string title = "Title=" + entry.Title;
    const std::string flags = "Flags=" + entry.Flags;
    lines[at.id] = id;
    lines[at.title] = title;
    lines[at.flags] = flags;
    return Made(JoinLines(lines));
}

EditedText DisableEntryText(std::string_view file, std::string_view gameID) {
    std::vector<std::string_view> lines = SplitLineViews(file);
    EntryLines at;
    if (EditedText located = LocateEntry(lines, gameID, at); !located.ok) return located;
    const std::string id = Disabled(lines[at.id]);
    const std::string title = Disabled(lines[at.title]);
    const std::string flags = Disabled(lines[at.flags]);
    lines[at.id] = id;
    lines[at.title] = title;
    lines[at.flags] = flags;
    return Made(JoinLines(lines));
}

std::string TruncatedTableReason() {
    return "it was not read whole when last loaded (more than " + std::to_string(kTableCapacity) +
           " entries, or a read error), and writing now could lose what was not read";
}

std::optional<std::string> RefuseChange(const ProgramState& state, std::string_view refusal) {
    if (!state.games.Truncated) return std::nullopt;
    return std::string(refusal) + " " + IniFilePath(state.folders) + ": " + TruncatedTableReason() + kUnchanged;
}

IniPreview PreviewINI(const ProgramState& state, const IniChange& change) {
    IniPreview preview;
    preview.path = IniFilePath(state.folders);
    if (!change.keepsEveryByte) {
        if (std::optional<std::string> refused = RefuseChange(state, "cannot write")) {
            preview.error = std::move(*refused);
            return preview;
        }
    }
    try {
        FileBytes file = ReadWholeFile(preview.path);
        if (!file.ok) {
            preview.error = file.error + "; nothing was written";
            return preview;
        }
        EditedText edited = change.edit(file.bytes);
        if (!edited.ok) {
            preview.error = change.refusal + " " + preview.path + ": " + edited.error + kUnchanged;
            return preview;
        }
        preview.before = std::move(file.bytes);
        preview.after = std::move(edited.bytes);
        preview.ok = true;
    } catch (const std::exception& error) {
        preview.error = change.refusal + " " + preview.path + ": " + error.what() + kUnchanged;
    }
    return preview;
}

bool RewriteINI(ProgramState& state, const IniChange& change, const FailureSink& sink,
                const RewriteSeams& seams) {
    const WriteOutcome written = Rewrite(state, change, seams);
    return written.ok || Carry(sink, change.module, written.error);
}

bool WriteINI(ProgramState& state, int selectedRow, const FailureSink& sink, const RewriteSeams& seams) {
    const WizardState& wizard = state.wizard;
    const IniEntry entry{wizard.EditID, wizard.EditTitle, wizard.EditFlags};
    if (!wizard.EditMode) {
        const IniChange add{"Add: " + entry.Title, "cannot add the entry to", kWriteModule,
                            [&](std::string_view bytes) { return AppendEntriesText(bytes, {entry}); }};
        return RewriteINI(state, add, sink, seams);
    }
    if (!ValidRow(state.games, selectedRow)) {
        const std::string why = "cannot change an entry of " + IniFilePath(state.folders) + ": no game is selected";
        return Carry(sink, kWriteModule, why);
    }
    const std::string gameID = state.games.GameID[static_cast<std::size_t>(selectedRow)];
    const IniChange edit{"Edit: " + entry.Title, "cannot change the entry in", kWriteModule,
                         [&](std::string_view bytes) { return ChangeEntryText(bytes, gameID, entry); }};
    return RewriteINI(state, edit, sink, seams);
}

bool RemoveGame(ProgramState& state, int selectedRow, const FailureSink& sink, const RewriteSeams& seams) {
    if (!ValidRow(state.games, selectedRow)) {
        const std::string why = "cannot remove an entry from " + IniFilePath(state.folders) + ": no game is selected";
        return Carry(sink, kRemoveModule, why);
    }
    const auto row = static_cast<std::size_t>(selectedRow);
    const std::string gameID = state.games.GameID[row];
    const IniChange remove{"Remove: " + state.games.GameTitle[row], "cannot remove the entry from", kRemoveModule,
                           [&](std::string_view bytes) { return DisableEntryText(bytes, gameID); }};
    return RewriteINI(state, remove, sink, seams);
}

IniChange AppendChange(std::vector<IniEntry> entries) {
    const std::string action = "Online Update: " + std::to_string(entries.size()) + " entries";
    return {action, "cannot add the entries to", {},
            [entries = std::move(entries)](std::string_view bytes) { return AppendEntriesText(bytes, entries); }, true};
}

bool AppendEntries(ProgramState& state, const std::vector<IniEntry>& entries, const FailureSink& sink,
                   const RewriteSeams& seams) {
    return RewriteINI(state, AppendChange(entries), sink, seams);
}

}  // namespace tolva
