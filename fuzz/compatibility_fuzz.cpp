// Compatibility.TXT and bleem!.INI as any files might hold them (the input's first NUL divides
// the INI's bytes from the TXT's): reading and joining never fail, every join names a record that
// was read, and a title join agrees with the game's title. (That each game gets its own join back
// when a read of the INI moves entries is the core test Join.FollowsItsGameThroughEveryReadOfTheFile.)
#include <algorithm>
#include <set>

#include "core/database/compatibility.h"
#include "core/database/gametable.h"
#include "core/text/cp1252.h"
#include "fuzz_support.h"

TOLVA_FUZZ_TARGET(input) {
    const std::vector<std::string_view> parts = NulFields(input, 2);
    const std::string_view ini = parts[0], txtBytes = parts[1];
    ProgramState& state = SharedState();
    const ReleaseAtEnd release;
    ReadINIText(state.games, ini, Resume);
    FUZZ_CHECK(ReadTXTText(state.games, state.txt, txtBytes, Resume));
    const CompatibilityTable& txt = state.txt;
    FUZZ_CHECK(txt.TxtCount >= 0 && txt.TxtCount <= kTableCapacity);
    FUZZ_CHECK(txt.TxtTitle[0].empty() && txt.TxtProductCode[0].empty());

    const GameTable& games = state.games;
    std::set<std::int32_t> titleJoins;
    for (int i = 0; i <= games.GameLast; ++i) {
        const std::int32_t j = JoinGame(state, i);
        FUZZ_CHECK(j >= 0 && (j == 0 || j < txt.TxtCount));
        FUZZ_CHECK(games.GameTxtIndex[i] == j);
        if (j == 0) continue;
        FUZZ_CHECK(JoinGame(state, i) == j);  // a join, once made, stays
        // A join by one of the game's product codes (which record of which code: the core test
        // Join.ByProductCodeFirstThroughEveryRowOfTheDiscIDInOrder), or else by title: the
        // record's title begins the game's, and no other game took it.
        const std::vector<std::string_view> codes = ProductCodesForDiscID(state.discIDs, games.GameID[i]);
        if (std::find(codes.begin(), codes.end(), txt.TxtProductCode[j]) != codes.end()) continue;
        const std::string title = UpperCase(txt.TxtTitle[j]);
        FUZZ_CHECK(txt.TxtTitleUpper[j] == kConsumedTitle);
        FUZZ_CHECK(!title.empty() && games.GameTitleKey[i].starts_with(title));
        FUZZ_CHECK(titleJoins.insert(j).second);
    }
    FUZZ_CHECK(JoinGame(state, -1) == 0 && JoinGame(state, games.GameLast + 1) == 0);
}
