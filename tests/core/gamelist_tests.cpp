#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/database/gamelist.h"
#include "core/database/gametable.h"
#include "generated.h"
#include "temp_folder.h"

namespace tolva {
namespace {

GameTable WithFlags(const std::vector<std::string>& flags) {
    GameTable games;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        games.GameID[i] = std::to_string(1000000000 + i);
        games.GameFlags[i] = flags[i];
    }
    games.GameLast = static_cast<int>(flags.size()) - 1;
    return games;
}

GameTable WithTitles(const std::vector<std::string>& titles) {
    std::string text;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        text += "ID=" + std::to_string(1000000000 + i) + "\r\nTitle=" + titles[i] + "\r\n";
    }
    GameTable games;
    EXPECT_TRUE(ReadINIText(games, text, [](const Failure&) { return Resolution::Resume; }));
    return games;
}

// ---- counts and captions ----------------------------------------------------------------------

TEST(CountGames, ByTheFirstCharacterOfTheFlagsAsWritten) {
    const GameTable games = WithFlags({"80000000H", "8", "40000000H", "4", "00000000H", "", " 80000000H", "H", "9"});
    const SummaryCounts counts = CountGames(games);
    EXPECT_EQ(counts.YesCount, 2);
    EXPECT_EQ(counts.NoCount, 2);
    EXPECT_EQ(counts.PartCount, 5);  // the leading space makes " 8..." partial
    EXPECT_EQ(counts.total(), 9);
}

TEST(CountGames, AnEmptyTableCountsNothing) {
    EXPECT_EQ(CountGames(GameTable{}).total(), 0);
}

TEST(CountCaption, FortyTenAndTwentyFive) {
    std::vector<std::string> flags;
    flags.insert(flags.end(), 40, "80000000H");
    flags.insert(flags.end(), 10, "40000000H");
    flags.insert(flags.end(), 20, "01000000H");
    flags.insert(flags.end(), 5, "");
    const SummaryCounts c = CountGames(WithFlags(flags));
    ASSERT_EQ(c.total(), 75);
    EXPECT_EQ(CountCaption(c.YesCount, c.total()), "40 (53.3%)");
    EXPECT_EQ(CountCaption(c.NoCount, c.total()), "10 (13.3%)");
    EXPECT_EQ(CountCaption(c.PartCount, c.total()), "25 (33.3%)");
    EXPECT_EQ(CountCaption(c.YesCount, c.total(), ','), "40 (53,3%)");
}

TEST(CountCaption, OneWorkingGame) {
    const SummaryCounts c = CountGames(WithFlags({"80000000H"}));
    EXPECT_EQ(CountCaption(c.YesCount, c.total()), "1 (100%)");
    EXPECT_EQ(CountCaption(c.NoCount, c.total()), "0 (0%)");
    EXPECT_EQ(CountCaption(c.PartCount, c.total()), "0 (0%)");
}

TEST(CountCaption, AllEmptyFlagsArePartial) {
    const SummaryCounts c = CountGames(WithFlags({"", "", ""}));
    EXPECT_EQ(CountCaption(c.PartCount, c.total()), "3 (100%)");
    EXPECT_EQ(CountCaption(c.YesCount, c.total()), "0 (0%)");
}

TEST(Percent, RoundsHalvesToEvenAndWritesTheShortestForm) {
    struct Case { int n, total; const char* text; };
    for (Case c : {Case{1, 8, "12.5"}, Case{1, 16, "6.2"}, Case{3, 16, "18.8"}, Case{5, 16, "31.2"},
                   Case{7, 16, "43.8"}, Case{1, 400, "0.2"}, Case{3, 400, "0.8"}, Case{1, 2000, "0"},
                   Case{3, 2000, "0.2"}, Case{1, 3, "33.3"}, Case{2, 3, "66.7"}, Case{40, 75, "53.3"},
                   Case{1, 2, "50"}, Case{1, 1, "100"}, Case{0, 5, "0"}, Case{0, 0, "0"}, Case{1999, 2000, "100"},
                   Case{4095, 4096, "100"}, Case{4091, 4096, "99.9"}}) {
        EXPECT_EQ(Percent(c.n, c.total), c.text) << c.n << " of " << c.total;
    }
    EXPECT_EQ(Percent(1, 8, ','), "12,5");
}

// ---- search -----------------------------------------------------------------------------------

class Search : public ::testing::Test {
protected:
    // Sorted: ALPHA, FANTASY ZONE, FINAL FANTASY TACTICS, FINAL FANTASY VII, ÉTOILE RACER.
    GameTable games = WithTitles({"Final Fantasy VII", "final fantasy tactics", "Fantasy Zone", "Alpha",
                                  "\xC9toile Racer"});
    int Row(const std::string& upperTitle) {
        for (int i = 0; i < games.count(); ++i) {
            if (games.GameTitleUpper[i] == upperTitle) return i;
        }
        return -2;
    }
};

TEST_F(Search, FindsTheFirstTitleBeginningWithTheTypedText) {
    EXPECT_EQ(FindFirstMatch(games, "fin"), Row("FINAL FANTASY TACTICS"));
    EXPECT_EQ(FindFirstMatch(games, "FINAL FANTASY V"), Row("FINAL FANTASY VII"));
    EXPECT_EQ(FindFirstMatch(games, "finx"), -1);
}

TEST_F(Search, AWholeTitleStillMatchesItself) {
    EXPECT_EQ(FindFirstMatch(games, "Final Fantasy VII"), Row("FINAL FANTASY VII"));
    EXPECT_EQ(FindFirstMatch(games, "alpha"), Row("ALPHA"));
}

TEST_F(Search, WildcardsInTheTypedText) {
    EXPECT_EQ(FindFirstMatch(games, "F?NAL"), Row("FINAL FANTASY TACTICS"));
    EXPECT_EQ(FindFirstMatch(games, "*FANTASY"), Row("FINAL FANTASY TACTICS"));  // not FANTASY ZONE
    EXPECT_EQ(FindFirstMatch(games, "?"), 0);
}

TEST_F(Search, TypedAccentedLettersAreUpperCasedByTheCodePage) {
    EXPECT_EQ(FindFirstMatch(games, "\xE9toile"), Row("\xC9TOILE RACER"));
}

TEST_F(Search, AnEmptyBoxMatchesTheFirstRowAndAnEmptyTableNothing) {
    EXPECT_EQ(FindFirstMatch(games, ""), 0);
    EXPECT_EQ(FindFirstMatch(GameTable{}, ""), -1);
    EXPECT_EQ(FindFirstMatch(GameTable{}, "A"), -1);
}

TEST(SearchGenerated, EveryLoadedTitleFindsAnEntryWithTheSameKey) {
    const generated::Database db = generated::GenerateDatabase(500, 11);
    GameTable games;
    ASSERT_TRUE(ReadINIText(games, db.ini, [](const Failure&) { return Resolution::Resume; }));
    for (int i = 0; i < games.count(); ++i) {
        const int row = FindFirstMatch(games, games.GameTitle[i]);
        ASSERT_GE(row, 0) << games.GameTitle[i];
        // The first row whose key starts with this title: never after the entry itself.
        EXPECT_LE(row, i);
        EXPECT_EQ(games.GameTitleUpper[row].compare(0, games.GameTitleUpper[i].size(), games.GameTitleUpper[i]), 0);
    }
}

// ---- the generator ----------------------------------------------------------------------------

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(Generator, TheScriptAndItsTwinWriteTheSameBytes) {
    if (std::system("python3 -c 'import sys' >/dev/null 2>&1") != 0) GTEST_SKIP() << "no python3 here";
    testing::TempFolder dir;
    const std::string command =
        std::string("python3 '") + TOLVA_TOOLS + "/gen_database.py' '" + dir.path() + "' --entries 300 --seed 5";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const generated::Database db = generated::GenerateDatabase(300, 5);
    EXPECT_EQ(ReadAll(dir.file("bleem!.INI")), db.ini);
    EXPECT_EQ(ReadAll(dir.file("Compatibility.TXT")), db.txt);
}

TEST(Generator, WritesTheEntriesItIsAskedFor) {
    const generated::Database db = generated::GenerateDatabase(1000);
    GameTable games;
    ASSERT_TRUE(ReadINIText(games, db.ini, [](const Failure&) { return Resolution::Resume; }));
    EXPECT_EQ(games.count(), 1000);
    EXPECT_EQ(games.IniVersion, "GEN-1-1000");
    const SummaryCounts counts = CountGames(games);
    EXPECT_GT(counts.YesCount, 0);
    EXPECT_GT(counts.NoCount, 0);
    EXPECT_GT(counts.PartCount, 0);
}

}  // namespace
}  // namespace tolva
