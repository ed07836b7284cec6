// The counts under the list and the search box's first match.
#include "core/database/gamelist.h"

#include <gtest/gtest.h>

#include "core/database/gametable.h"
#include "ini_fixtures.h"

namespace tolva {
namespace {

using namespace tolva::testing;

TEST(CountGames, ByTheFirstCharacterOfTheFlagsAsWritten) {
    GameTable games;
    for (const char* flags : {"80000000H", "8", "40000000H", "4", "00000000H", "", " 80000000H", "H", "9"})
        AddGame(games, "1", "T", flags);
    const SummaryCounts counts = CountGames(games);
    EXPECT_EQ(counts.YesCount, 2);
    EXPECT_EQ(counts.NoCount, 2);
    EXPECT_EQ(counts.PartCount, 5);  // the leading space makes " 8..." partial
    EXPECT_EQ(counts.total(), 9);
    EXPECT_EQ(CountGames(GameTable{}).total(), 0);
}

TEST(Percent, RoundsHalvesToEvenAndWritesTheShortestForm) {
    const struct {
        int n, total;
        const char* text;
    } cases[] = {{1, 8, "12.5"},  {1, 16, "6.2"},  {3, 16, "18.8"}, {5, 16, "31.2"}, {7, 16, "43.8"},
                 {1, 400, "0.2"}, {3, 400, "0.8"}, {1, 2000, "0"},  {3, 2000, "0.2"}, {1, 3, "33.3"},
                 {2, 3, "66.7"},  {40, 75, "53.3"}, {1, 2, "50"},   {1, 1, "100"},   {0, 5, "0"},
                 {0, 0, "0"},     {1999, 2000, "100"}, {4091, 4096, "99.9"}, {10, 1, "1000"}};
    for (const auto& c : cases) EXPECT_EQ(Percent(c.n, c.total), c.text) << c.n << " of " << c.total;
    EXPECT_EQ(Percent(1, 8, ','), "12,5");
    EXPECT_EQ(CountCaption(40, 75), "40 (53.3%)");
    EXPECT_EQ(CountCaption(40, 75, ','), "40 (53,3%)");
    EXPECT_EQ(CountCaption(0, 1), "0 (0%)");
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

}  // namespace
}  // namespace tolva
