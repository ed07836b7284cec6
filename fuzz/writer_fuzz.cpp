// The writers of bleem!.INI on any file: a change, a removal, an addition and Clean Up either
// refuse and say why, or give a file that reads back as exactly the old entries with that one
// difference, keeps every other line byte for byte, and ends every line in CR LF.
// Input: an options byte, then NUL-separated fields: the INI's bytes, Compatibility.TXT's bytes,
// and the new entry's disc ID, title and flags.
#include <algorithm>
#include <iterator>

#include "core/database/compatibility.h"
#include "core/database/gametable.h"
#include "core/database/writer.h"
#include "core/text/cp1252.h"
#include "core/tools/cleanup.h"
#include "fuzz_support.h"

using namespace tolva;
using namespace tolva::fuzz;

namespace {

EntrySet Reread(std::string_view bytes) {
    ReadINIText(RereadTable(), bytes, Resume);
    return EntriesOf(RereadTable());
}

// Lines of before and after agree except at the three of the entry, which must differ only there.
void CheckOtherLinesKept(std::string_view before, std::string_view after, std::size_t expectChanged) {
    const std::vector<std::string_view> old = SplitLineViews(before);
    const std::vector<std::string_view> now = SplitLineViews(after);
    FUZZ_CHECK(old.size() == now.size());
    std::size_t changed = 0;
    for (std::size_t k = 0; k < old.size(); ++k) changed += old[k] != now[k];
    FUZZ_CHECK(changed <= expectChanged);
}

// A value as the reader gives it back: what the writer is handed always reads back as itself.
bool ReadsBackAsItself(std::string_view value) {
    return value.find_first_of("\r\n") == std::string_view::npos && TrimSpaces(value) == value;
}

}  // namespace

TOLVA_FUZZ_TARGET(input) {
    std::string_view rest = input;
    const std::optional<unsigned char> taken = TakeByte(rest);
    if (!taken) return;
    const unsigned char options = *taken;
    const std::vector<std::string_view> fields = NulFields(rest, 5);
    const std::string_view ini = fields[0];
    const IniEntry entry{std::string(fields[2]), std::string(fields[3]), std::string(fields[4])};
    const bool entryBreaks = entry.ID.find_first_of("\r\n") != std::string::npos ||
                             entry.Title.find_first_of("\r\n") != std::string::npos ||
                             entry.Flags.find_first_of("\r\n") != std::string::npos;
    const bool entryReadsBack = ReadsBackAsItself(entry.ID) && ReadsBackAsItself(entry.Title) &&
                                ReadsBackAsItself(entry.Flags);

    ProgramState& state = SharedState();
    const ReleaseAtEnd release;
    GameTable& games = state.games;
    ReadINIText(games, ini, Resume);
    const EntrySet before = EntriesOf(games);
    const bool fits = !games.Truncated && games.count() < kTableCapacity;

    // Addition: the old bytes stay, one entry more.
    const EditedText added = AppendEntriesText(ini, {entry});
    FUZZ_CHECK(added.ok != entryBreaks);
    if (added.ok) {
        FUZZ_CHECK(std::string_view(added.bytes).substr(0, ini.size()) == ini);
        if (fits && entryReadsBack) {
            EntrySet expected = before;
            expected.insert(EntryKey(entry.ID, entry.Title, entry.Flags));
            FUZZ_CHECK(Reread(added.bytes) == expected);
        }
    }
    if (games.count() == 0 || games.Truncated) return;

    // The entry the user selected: one the input picks.
    const int row = static_cast<int>(options) % games.count();
    const std::string gameID = games.GameID[row];

    // Removal: exactly one entry with that disc ID fewer, and it is the last one the file has.
    const EditedText removed = DisableEntryText(ini, gameID);
    if (removed.ok) {
        FUZZ_CHECK(EndsEveryLineInCrLf(removed.bytes));
        CheckOtherLinesKept(ini, removed.bytes, 3);
        const EntrySet after = Reread(removed.bytes);
        std::vector<std::string> gone;
        std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(gone));
        FUZZ_CHECK(after.size() + 1 == before.size() && gone.size() == 1 && gone[0].starts_with(gameID + '\n'));
    } else {
        FUZZ_CHECK(!removed.error.empty());
    }

    // Change: that entry's values replaced, every other entry as it was.
    const EditedText changed = ChangeEntryText(ini, gameID, entry);
    if (changed.ok) {
        FUZZ_CHECK(!entryBreaks);
        FUZZ_CHECK(EndsEveryLineInCrLf(changed.bytes));
        CheckOtherLinesKept(ini, changed.bytes, 3);
        FUZZ_CHECK(removed.ok);  // both find the entry the same way
        if (entryReadsBack) {
            const EntrySet after = Reread(changed.bytes);
            FUZZ_CHECK(after.size() == before.size());
            FUZZ_CHECK(after.contains(EntryKey(entry.ID, entry.Title, entry.Flags)));
        }
    } else {
        FUZZ_CHECK(!changed.error.empty());
        FUZZ_CHECK(entryBreaks || !removed.ok);
    }

    // Clean Up: every entry and the version kept, in table order, comments as the options say.
    ReadTXTText(games, state.txt, fields[1], Resume);
    for (int i = 0; i <= games.GameLast; ++i) JoinGame(state, i);
    const CleanUpOptions cleanUp{bool(options & 1), bool(options & 2), bool(options & 4), bool(options & 8),
                                 bool(options & 16), bool(options & 32), options & 64 ? CommentPlace::After : CommentPlace::Before};
    const EditedText cleaned = CleanUpText(ini, games, state.txt, cleanUp);
    FUZZ_CHECK(cleaned.ok);
    FUZZ_CHECK(EndsEveryLineInCrLf(cleaned.bytes));
    const std::string version = games.IniVersion;
    Reread(cleaned.bytes);
    const GameTable& reread = RereadTable();
    FUZZ_CHECK(reread.count() == games.count());
    for (int i = 0; i <= games.GameLast; ++i) {
        FUZZ_CHECK(EntryKey(reread.GameID[i], reread.GameTitle[i], reread.GameFlags[i]) ==
                   EntryKey(games.GameID[i], games.GameTitle[i], games.GameFlags[i]));
    }
    FUZZ_CHECK(reread.IniVersion == version);
}
