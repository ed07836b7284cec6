// The writers of bleem!.INI on any file: a removal and Clean Up either refuse and say why, or
// give a file that reads back as exactly the old entries with that one difference, keeps every
// other line byte for byte, and ends every line in CR LF.
// Input: an options byte, the INI's bytes, a NUL and Compatibility.TXT's bytes.
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

}  // namespace

TOLVA_FUZZ_TARGET(input) {
    std::string_view rest = input;
    const std::optional<unsigned char> taken = TakeByte(rest);
    if (!taken) return;
    const unsigned char options = *taken;
    const std::vector<std::string_view> fields = NulFields(rest, 2);
    const std::string_view ini = fields[0];

    ProgramState& state = SharedState();
    const ReleaseAtEnd release;
    GameTable& games = state.games;
    ReadINIText(games, ini, Resume);
    const EntrySet before = EntriesOf(games);

    // (An addition keeps the old bytes and reads back with the entries added: update_fuzz. A
    // change finds its entry as the removal does; the values it writes are its core tests'.)
    if (games.count() == 0 || games.Truncated) return;

    // The entry the user selected: one the input picks.
    const int row = static_cast<int>(options) % games.count();
    const std::string gameID = games.GameID[row];

    // Removal: exactly one entry with that disc ID fewer, and it is the last one the file has.
    const EditedText removed = DisableEntryText(ini, gameID);
    if (removed.ok) {
        FUZZ_CHECK(EndsEveryLineInCrLf(removed.bytes));
        // Lines agree except at the three of the entry.
        const std::vector<std::string_view> old = SplitLineViews(ini), now = SplitLineViews(removed.bytes);
        FUZZ_CHECK(old.size() == now.size());
        std::size_t changed = 0;
        for (std::size_t k = 0; k < old.size(); ++k) changed += old[k] != now[k];
        FUZZ_CHECK(changed <= 3);
        const EntrySet after = Reread(removed.bytes);
        std::vector<std::string> gone;
        std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(gone));
        FUZZ_CHECK(after.size() + 1 == before.size() && gone.size() == 1 && gone[0].starts_with(gameID + '\n'));
    } else {
        FUZZ_CHECK(!removed.error.empty());
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
