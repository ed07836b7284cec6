// The counts under the list, the search box's first match, and the search by disc ID or
// product code when no title matches.
#include "core/database/gamelist.h"

#include <gtest/gtest.h>

#include "core/database/gametable.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

TEST(CountGames, ByTheFirstCharacterOfTheFlagsAsWritten) {
    GameTable games;
    for (const char* flags : {"80000000H", "8", "40000000H", "4", "00000000H", "", " 80000000H", "H", "9"})
        AddGame(games, "1", "T", flags);
    const SummaryCounts counts = CountGames(games);
    // Yes, No, Partially, all: the leading space makes " 8..." partial.
    EXPECT_EQ(std::vector<int>({counts.YesCount, counts.NoCount, counts.PartCount, counts.total()}), std::vector<int>({2, 2, 5, 9}));
    EXPECT_EQ(CountGames(GameTable{}).total(), 0);
}

TEST(Percent, RoundsHalvesToEvenAndWritesTheShortestForm) {
    const struct {
        int n, total;
        const char* text;
    } cases[] = {{1, 8, "12.5"},  {1, 16, "6.2"},  {3, 16, "18.8"}, {5, 16, "31.2"}, {7, 16, "43.8"},
                 {1, 400, "0.2"}, {3, 400, "0.8"}, {1, 2000, "0"},  {3, 2000, "0.2"}, {1, 3, "33.3"},
                 {2, 3, "66.7"},  {40, 75, "53.3"}, {1, 2, "50"},   {1, 1, "100"},   {0, 5, "0"},
                 {0, 0, "0"}, {1, 0, "0"},     {1999, 2000, "100"}, {4091, 4096, "99.9"}, {10, 1, "1000"}};
    for (const auto& c : cases) EXPECT_EQ(Percent(c.n, c.total), c.text) << c.n << " of " << c.total;
    EXPECT_EQ(CountCaption(40, 75, ','), "40 (53,3%)");
}

TEST(FindFirstMatch, TheFirstTitleBeginningWithTheTypedTextWildcardsIncluded) {
    GameTable games;
    FailureLog log;
    ASSERT_TRUE(ReadINIText(games, Ini({"ID=1", "Title=Final Fantasy VII", "ID=2", "Title=final fantasy tactics", "ID=3",
                                        "Title=Fantasy Zone", "ID=4", "Title=Alpha", "ID=5", "Title=\xC9toile Racer"}),
                            log.sink()));
    // Sorted: ALPHA, FANTASY ZONE, FINAL FANTASY TACTICS, FINAL FANTASY VII, ÉTOILE RACER.
    const std::pair<const char*, int> cases[] = {
        {"fin", 2}, {"FINAL FANTASY V", 3}, {"finx", -1}, {"Final Fantasy VII", 3}, {"alpha", 0}, {"F?NAL", 2},
        {"*FANTASY", 2},  // "*" takes at least one character: not FANTASY ZONE
        {"?", 0},  {"", 0},  {"\xE9toile", 4},  // typed accented letters are upper-cased by the code page
        {"\xC9TOILE RACER", 4}, {"\xC9TOILE RACERS", -1},
    };
    for (const auto& [typed, row] : cases) EXPECT_EQ(FindFirstMatch(games, typed), row) << typed;
    EXPECT_EQ(FindFirstMatch(GameTable{}, ""), -1);
    games.GameTitleUpper[5] = "STALE";  // slots after the last entry are never searched
    EXPECT_EQ(FindFirstMatch(games, "STALE"), -1);
}

TEST(FindGame, ADiscIDOrProductCodeFindsItsGameWhenNoTitleMatches) {
    auto state = std::make_unique<ProgramState>();
    InitDiscIDs(state->discIDs);
    GameTable& games = state->games;
    // Rows as ReadINI leaves them, sorted by title; the last game is joined to record 1.
    for (const auto& [title, id] : {std::pair{"0033330665 TRIBUTE", "1111111111"}, {"ALPHA", "0033330665"},
                                    {"BETA", "0261992838"}, {"GAMMA", "5555555555"}})
        AddGame(games, id, title);
    games.GameTxtIndex[3] = 1;
    state->txt.makeRoomFor(2);
    state->txt.TxtProductCode[1] = "SCES-99999";
    state->txt.TxtCount = 3;
    games.GameID[4] = "9999999999", games.GameTxtIndex[4] = 2;  // a stale slot after the last row, never found
    state->txt.TxtProductCode[2] = "SLUS-99998";

    const struct {
        std::string_view typed;
        int row;
    } kCases[] = {
        {"BET", 2},         {"1111111111", 0},  {"0261992838", 2},  {"9999999999", -1},
        {"0033330665", 0},  // the title that begins with these digits wins over ALPHA's disc ID
        {"slus_001.52", 1},  // the first row whose disc ID the table pairs with the code
        {"SCES99999", 3},   {"sces-999.99", 3}, {"SLUS-99998", -1}, {"12345", -1},
    };
    for (const auto& c : kCases) EXPECT_EQ(FindGame(*state, c.typed), c.row) << c.typed;
    // The other disc IDs of SLUS-00152 are found too, whichever one bleem!.INI holds.
    games.GameID[1] = "2271434423";
    EXPECT_EQ(FindGame(*state, "SLUS00152"), 1);
}

}  // namespace
}  // namespace tolva
