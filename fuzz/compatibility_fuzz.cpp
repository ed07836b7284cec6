// Compatibility.TXT and bleem!.INI as any files might hold them (the input's first NUL divides
// the INI's bytes from the TXT's): reading and joining never fail, every join names a record that
// was read, a title join agrees with the game's title and status, and after the INI is read again
// (which moves entries) each game gets its own join back, duplicate entries included.
#include <map>
#include <set>
#include <tuple>

#include "core/database/compatibility.h"
#include "core/database/gametable.h"
#include "core/text/cp1252.h"
#include "fuzz_support.h"

using namespace tolva;
using namespace tolva::fuzz;

TOLVA_FUZZ_TARGET(input) {
    const auto [ini, txtBytes] = SplitAtNul(input);
    ProgramState& state = SharedState();
    const ReleaseAtEnd release;
    ReadINIText(state.games, ini, Resume);
    FUZZ_CHECK(ReadTXTText(state.games, state.txt, txtBytes, Resume));
    const CompatibilityTable& txt = state.txt;
    FUZZ_CHECK(txt.TxtCount >= 0 && txt.TxtCount <= kTableCapacity);
    FUZZ_CHECK(txt.TxtTitle[0].empty() && txt.TxtProductCode[0].empty());

    const GameTable& games = state.games;
    // Duplicate entries (one disc ID and title) are told apart by their place in the file.
    const auto identity = [&games](int i) { return std::make_tuple(games.GameID[i], games.GameTitle[i], games.GameTwin[i]); };
    std::map<std::tuple<std::string, std::string, std::int32_t>, std::int32_t> joined;
    std::set<std::int32_t> titleJoins;
    for (int i = 0; i <= games.GameLast; ++i) {
        const std::int32_t j = JoinGame(state, i);
        FUZZ_CHECK(j >= 0 && (j == 0 || j < txt.TxtCount));
        FUZZ_CHECK(games.GameTxtIndex[i] == j);
        FUZZ_CHECK(joined.emplace(identity(i), j).second);
        if (j == 0) continue;
        FUZZ_CHECK(JoinGame(state, i) == j);  // a join, once made, stays
        // The record of the first of the game's product codes that some record holds, if any.
        std::int32_t byCode = 0;
        for (std::string_view code : ProductCodesForDiscID(state.discIDs, games.GameID[i])) {
            for (std::int32_t r = 1; r < txt.TxtCount && byCode == 0; ++r)
                if (txt.TxtProductCode[r] == code) byCode = r;
            if (byCode != 0) break;
        }
        if (byCode != 0) {
            FUZZ_CHECK(j == byCode);
        } else {
            // A title join: the record's title begins the game's, and no other game took it.
            const std::string title = UpperCase(txt.TxtTitle[j]);
            FUZZ_CHECK(txt.TxtTitleUpper[j] == kConsumedTitle);
            FUZZ_CHECK(!title.empty() && games.GameTitleKey[i].starts_with(title));
            FUZZ_CHECK(titleJoins.insert(j).second);
        }
    }
    FUZZ_CHECK(JoinGame(state, -1) == 0 && JoinGame(state, games.GameLast + 1) == 0);

    // Read the same INI again and give the joins back: each game keeps its own record, and a
    // game that was not joined is not joined now.
    ReadINIText(state.games, ini, Resume);
    ReloadTXT(state);
    for (int i = 0; i <= games.GameLast; ++i) FUZZ_CHECK(games.GameTxtIndex[i] == joined.at(identity(i)));
}
