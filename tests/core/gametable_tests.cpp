// Reading bleem!.INI into the game table, the exchange sort and the search box's wildcard match.
#include "core/database/gametable.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "support.h"
#include "../../bench/generated.h"

namespace tolva {
namespace {

using namespace tolva::testing;
using Texts = std::vector<std::string>;

GameTable Load(const std::string& text, FailureLog* log = nullptr) {
    FailureLog own;
    GameTable games(0);  // grown as the program's own table is
    EXPECT_TRUE(ReadINIText(games, text, (log ? *log : own).sink()));
    EXPECT_EQ(own.said(), "");
    return games;
}

// Keys in any case after spaces, prefix keys, values after the first "=" or the whole trimmed
// line; tabs are not skipped, comments and disabled lines count for nothing; later Title and
// Flags lines win; every line ending ends a line.
TEST(ReadINI, HowLinesGiveTheirValuesAndEnd) {
    const struct {
        Texts lines;
        std::string id, title, flags, version;
    } cases[] = {
        {{"   id  =  1234567890  ", "  tItLe=  Neon \xE9 ", " FLAGS  =  80000000H "}, "1234567890", "Neon \xE9", "80000000H", ""},
        {{"IDENT=1", "Titles=Prefix", "Flagship=01000000H", "Versionless = 7.1 "}, "1", "Prefix", "01000000H", "7.1"},
        {{"  ID 1234567890  ", "Title=A=B = C ", "Flags"}, "ID 1234567890", "A=B = C", "Flags", ""},
        {{"ID=", "Title=", "Flags=   "}, "", "", "", ""},
        {{"; Version=9", "\tID=1", ";ID=3", ";Title=Disabled", "  ;ID=4", "ID=5", "Title=Kept", "\tTitle=Tab",
          ";Title=Gone", "Flags=4"}, "5", "Kept", "4", ""},
        {{"ID=1", "TITLE=T", "Tile=x", "IX=2", "fLaGs=5", "Flog=9", "VERSIONX=6", "VERSIO=8", "Vxrsion=7", "I"},
         "1", "T", "5", "6"},  // every letter of the key counts, in either case
        {{"ID=1", "Flags=1", "Title=First", "Flags=2", "Title=Second", "VERSION=2", "version = 3 "}, "1", "Second", "2", "3"},
    };
    for (const auto& c : cases) {
        const GameTable games = Load(Ini(c.lines));
        ASSERT_EQ(games.GameLast, 0) << c.lines.front();
        EXPECT_EQ(games.GameID[0], c.id);
        EXPECT_EQ(games.GameTitle[0], c.title);
        EXPECT_EQ(games.GameFlags[0], c.flags);
        EXPECT_EQ(games.IniVersion, c.version);
    }
    // Which bytes end a line is LineReader's (text_tests.cpp). A line has no length limit.
    const std::string huge(4 << 20, 'x');
    EXPECT_EQ(Load("ID=1\r\nTitle=" + huge + "\r\nFlags=8\r\n" + huge + "\r\nID=2\r\nTitle=a\r\n").GameTitle[1], huge);
}

TEST(ReadINI, TitleOrFlagsBeforeTheFirstIDIsReportedAndSkipped) {
    FailureLog log;
    const GameTable games = Load(Ini({"; header", "Title=Orphan", "Flags=80000000H", "ID=1", "Title=Real"}), &log);
    EXPECT_EQ(log.said(),
              "GLOBAL.ReadINI: bleem!.INI, line 2: the Title line comes before the first ID line and belongs to no entry\n"
              "GLOBAL.ReadINI: bleem!.INI, line 3: the Flags line comes before the first ID line and belongs to no entry\n");
    ASSERT_EQ(games.GameLast, 0);
    EXPECT_EQ(games.GameTitle[0], "Real");
    EXPECT_EQ(games.GameFlags[0], "");
    EXPECT_FALSE(games.Truncated);
    log.answer = Resolution::Cancel;  // Cancel stops at the first failure, with nothing loaded
    GameTable cancelled;
    EXPECT_FALSE(ReadINIText(cancelled, Ini({"Title=Orphan", "Flags=0", "ID=1"}), log.sink()));
    EXPECT_EQ(log.failures.size(), 3u);
    EXPECT_EQ(cancelled.GameLast, -1);
    EXPECT_TRUE(cancelled.Truncated);
}

TEST(ReadINI, ARereadStartsFreshButKeepsTheVersionUntilAFileHasOne) {
    GameTable games;
    FailureLog log;
    games.GameTitleKey[0] = games.GameTitleKey[1] = "STALE";
    games.GameTxtIndex[0] = games.GameTxtIndex[1] = 7;
    ASSERT_TRUE(ReadINIText(games, Ini({"Version=1.5", "ID=1", "Title=B", "ID=2", "Title=A"}), log.sink()));
    EXPECT_EQ(Column(games, games.GameTitleKey), (Texts{"", ""}));
    EXPECT_EQ(games.GameTxtIndex[0] + games.GameTxtIndex[1], 0);
    ASSERT_TRUE(ReadINIText(games, Ini({"ID=1"}), log.sink()));
    EXPECT_EQ(games.IniVersion, "1.5");
    EXPECT_EQ(games.GameLast, 0);
    EXPECT_EQ(log.said(), "");  // an empty file: FromIniPathInAnyLetterCaseOrWhyNot
}

TEST(ReadINI, MoreThan4096EntriesAreCappedReportedOnceAndMarked) {
    const std::string text = Entries(kTableCapacity) + "ID=9999999999\r\nTitle=CLOBBER\r\nFlags=CLOBBER\r\n" +
                             Entries(50, 5000) + "Version=after the overflow\r\n";
    FailureLog log;
    GameTable games = Load(text, &log);
    EXPECT_EQ(log.said(), "GLOBAL.ReadINI: bleem!.INI, line 12289: the game table holds 4096 entries; "
                          "this entry and the ones after it are not loaded\n");
    EXPECT_EQ(games.GameLast, kTableCapacity - 1);
    EXPECT_TRUE(games.Truncated);
    EXPECT_EQ(games.IniVersion, "after the overflow");
    const std::set<std::string> ids(games.GameID.begin(), games.GameID.end()), titles(games.GameTitle.begin(), games.GameTitle.end());
    EXPECT_EQ(ids.size(), std::size_t(kTableCapacity));
    EXPECT_EQ(ids.count("9999999999") + ids.count("1000005000") + titles.count("CLOBBER"), 0u);
    EXPECT_TRUE(ReadINIText(games, Entries(3), log.sink()));  // a file that fits is whole again
    EXPECT_FALSE(games.Truncated);
    EXPECT_EQ(games.GameLast, 2);
    log.answer = Resolution::Cancel;
    EXPECT_FALSE(ReadINIText(games, Entries(kTableCapacity + 2), log.sink()));
    EXPECT_EQ(games.GameLast, kTableCapacity - 1);
}

TEST(ReadINI, FromIniPathInAnyLetterCaseOrWhyNot) {
    TempFolder dir;
    ProgramState state;
    state.folders.IniPath = dir.path();
    FailureLog log;
    const std::string path = JoinPath(dir.path(), "bleem!.INI");
    ASSERT_TRUE(ReadINIText(state.games, Ini({"ID=1"}), log.sink()));
    ASSERT_TRUE(ReadINI(state, log.sink()));
    EXPECT_EQ(state.games.GameLast, -1);
    EXPECT_TRUE(state.games.Truncated);
    dir.write("BLEEM!.ini", "");
    ASSERT_TRUE(ReadINI(state, log.sink()));
    EXPECT_EQ(log.said(), "GLOBAL.ReadINI: cannot open " + path + ": No such file or directory\n"
                          "GLOBAL.ReadINI: cannot read the first line of " + dir.file("BLEEM!.ini") + ": the file is empty\n");
    log.answer = Resolution::Cancel;
    std::filesystem::remove(dir.file("BLEEM!.ini"));
    EXPECT_FALSE(ReadINI(state, log.sink()));
    dir.write("BLEEM!.ini", Ini({"Version=disk", "ID=1", "Title=On Disk"}));
    ASSERT_TRUE(ReadINI(state, log.sink()));
    EXPECT_EQ(state.games.GameTitle[0], "On Disk");
    EXPECT_FALSE(state.games.Truncated);
    state.folders.IniPath = TOLVA_SAMPLE;  // the sample database loads cleanly
    ASSERT_TRUE(ReadINI(state, log.sink()));
    EXPECT_EQ(log.failures.size(), 3u);
    EXPECT_GE(state.games.count(), 35);
}

// SortGames against the loop as written, on a table as read; the joins move with their entries.
SortWork ExpectTheLiteralLoopsOrder(GameTable games, std::int64_t* exchanges = nullptr) {
    for (int i = 0; i <= games.GameLast; ++i) {
        games.GameTitleKey[i] = "k" + std::to_string(i);
        games.GameTxtIndex[i] = i * 3;
    }
    GameTable expected = games;
    const std::int64_t made = LiteralExchangeSort(expected);
    if (exchanges) *exchanges = made;
    const SortWork work = SortGames(games);
    for (const auto column : {&GameTable::GameID, &GameTable::GameTitle, &GameTable::GameTitleUpper,
                              &GameTable::GameFlags, &GameTable::GameTitleKey})
        EXPECT_EQ(Column(games, games.*column), Column(expected, expected.*column));
    EXPECT_EQ(games.GameTxtIndex, expected.GameTxtIndex);
    return work;
}

TEST(SortGames, AgreesWithTheExchangeProcedureOnRandomTablesFullOfEqualKeys) {
    std::mt19937 rng(42);
    // Keys that repeat and differ only in case, and bytes where byte and code point order disagree.
    const Texts words = {"a", "A", "b", "ab", "aB", "\xE9", "\xC9", "\x80", "\xFF", "\x9F", "\x9C", "\x81", " ", "1", ""};
    for (int round = 0; round < 1500; ++round) {
        GameTable games;
        for (int i = 0, n = int(rng() % 40); i < n; ++i) {
            std::string title;
            for (int w = int(rng() % 3); w >= 0; --w) title += words[rng() % words.size()];
            AddGame(games, std::to_string(i), title, "f" + std::to_string(i));
        }
        SCOPED_TRACE(round);
        ExpectTheLiteralLoopsOrder(games);
    }
}

// Files as users have them (sorted, a few entries appended) as well as random and reversed ones,
// without equal titles, with exact twins and with twins that differ in letter case.
TEST(SortGames, AgreesWithTheExchangeProcedureOnEveryShapeOfFile) {
    using generated::Shape;
    const Texts suffixes = {"", "\x80", "\xFF", " caf\xE9", " CAF\xC9"};
    std::mt19937 rng(7);
    for (const int size : {0, 1, 2, 3, 17, 4096}) {
        for (const int ties : {0, 1, 2}) {
            generated::Database db;
            for (int k = 0; k < size; ++k) {
                const int base = ties == 0 ? k : k % std::max(1, size / 4);
                db.entries.push_back({std::to_string(k), "Game " + std::to_string(base) +
                                      (ties == 2 ? suffixes[3 + k % 2] : suffixes[base % 3]), "f"});
            }
            std::shuffle(db.entries.begin(), db.entries.end(), rng);
            for (const Shape shape : {Shape::Random, Shape::Appended1, Shape::Appended5, Shape::Reversed}) {
                GameTable games;
                for (const generated::Entry& e : generated::Reshaped(db, shape).entries) AddGame(games, e.id, e.title);
                SCOPED_TRACE(::testing::Message() << size << " entries, ties " << ties << ", shape " << int(shape));
                std::int64_t exchanges = 0;
                const SortWork work = ExpectTheLiteralLoopsOrder(games, &exchanges);
                EXPECT_EQ(work.sparsePasses + work.densePasses, size < 2 ? 0 : size);
                if (size < 4096) continue;
                // A file sorted but for its last entries costs in proportion to the exchanges
                // they make, pass by pass; one out of order throughout is swept eight passes at once.
                if (shape == Shape::Appended1) { EXPECT_GT(work.sparsePasses, size * 9 / 10); }
                if (shape == Shape::Appended1 || shape == Shape::Appended5) {
                    EXPECT_LT(work.sparseBlocks + work.sparseStepped, 8 * exchanges);
                }
#if defined(__SSE2__)
                if (shape == Shape::Random || shape == Shape::Reversed) {
                    EXPECT_GT(work.densePasses, size * 19 / 20);
                    EXPECT_LT(work.sparseBlocks + work.sparseStepped, 6 * size);  // a sweep is not left too early
                }
#endif
            }
        }
    }
}

TEST(CheckIfSame, TableOfCases) {
    const struct {
        std::string text, pattern;
        bool match;
    } cases[] = {
        {"FINAL FANTASY VII ", "F?NAL*", true}, {"FINAL FANTASY VII ", "*FANTASY*", true},
        {"FANTASY ZONE ", "*FANTASY*", false},  // "*" needs at least one character
        {"ABC", "AB*C", false},  {"ABXYC", "AB*C", true}, {"FINAL FANTASY", "FINAL FANTASY*", false},
        {" ", "*", true},        {"", "*", false},        {"", "", true},       {"A", "", false},
        {"", "A", false},        {"ABC", "ABC", true},    {"ABC", "ABD", false}, {"ABC", "AB", false},
        {"AB", "ABC", false},    {"AB", "AB?", false},    {"ABC", "A?C", true},    {"AC", "A?C", false},
        {"AXBCEBYD", "A*B?D", false},  // only the first B after "*" is tried: no backtracking
        {"AXBYD", "A*B?D", true}, {"AXBXBC", "A*BC", true}, {"ABC", "A**", true}, {"AB", "A**", false},
        {"ABC", "*?", false},    {"AB", "*?", true},      {"fin ", "FIN*", false}, {std::string("A\0B", 3), "A*", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckIfSame(c.text, c.pattern), c.match) << c.text << " / " << c.pattern;
        EXPECT_EQ(CheckIfSameMarked(c.text + '\0', c.pattern + '\0'), c.match) << c.text << " / " << c.pattern;
    }
}

}  // namespace
}  // namespace tolva
