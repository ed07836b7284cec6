#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/database/gametable.h"
#include "core/text/cp1252.h"
#include "core/files/files.h"
#include "exchange_reference.h"
#include "generated.h"
#include "temp_folder.h"

namespace tolva {
namespace {

using testing::TempFolder;

// Records what ReadINI reports and answers with a fixed choice.
struct RecordingSink {
    Resolution answer = Resolution::Resume;
    std::vector<Failure> failures;
    FailureSink sink() {
        return [this](const Failure& failure) {
            failures.push_back(failure);
            return answer;
        };
    }
};

std::vector<std::string> Column(const GameTable& games, const std::vector<std::string>& column) {
    return std::vector<std::string>(column.begin(), column.begin() + games.count());
}
std::vector<std::string> Titles(const GameTable& g) { return Column(g, g.GameTitle); }
std::vector<std::string> IDs(const GameTable& g) { return Column(g, g.GameID); }

// Lines joined with CR LF, as the program writes them.
std::string Ini(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

GameTable Load(const std::string& text, RecordingSink& sink) {
    GameTable games;
    EXPECT_TRUE(ReadINIText(games, text, sink.sink()));
    return games;
}

GameTable Load(const std::string& text) {
    RecordingSink sink;
    GameTable games = Load(text, sink);
    EXPECT_TRUE(sink.failures.empty()) << sink.failures.front().description;
    return games;
}

// ---- reading ----------------------------------------------------------------------------------

TEST(ReadINI, LoadsTheThreeEntryExampleInTitleOrder) {
    const GameTable games = Load(Ini({"ID=2", "Title=beta", "ID=1", "Title=Alpha", "ID=3"}));
    ASSERT_EQ(games.GameLast, 2);
    EXPECT_EQ(Titles(games), (std::vector<std::string>{"*** Unknown ***", "Alpha", "beta"}));
    EXPECT_EQ(IDs(games), (std::vector<std::string>{"3", "1", "2"}));
    EXPECT_EQ(games.GameTitleUpper[1], "ALPHA");
    EXPECT_EQ(games.GameTitleUpper[0], "*** UNKNOWN ***");
    EXPECT_EQ(games.GameFlags[0], "");
}

// One entry's lines and the values they give: keys in any case after spaces, prefix keys, values
// after the first "=" or the whole trimmed line.
TEST(ReadINI, HowALineGivesItsValue) {
    struct Case {
        std::vector<std::string> lines;
        std::string id, title, flags;
    };
    const std::vector<Case> cases = {
        {{"   id  =  1234567890  ", "  tItLe=  Neon Racer ", " FLAGS  =  80000000H "},
         "1234567890", "Neon Racer", "80000000H"},
        {{"IDENT=1111111111", "Titles=Prefix Title", "Flagship=01000000H"}, "1111111111", "Prefix Title", "01000000H"},
        {{"  ID 1234567890  ", "Title=A=B = C ", "Flags"}, "ID 1234567890", "A=B = C", "Flags"},
        {{"ID=", "Title=", "Flags=   "}, "", "", ""},
    };
    for (const Case& c : cases) {
        const GameTable games = Load(Ini(c.lines));
        ASSERT_EQ(games.GameLast, 0) << c.lines.front();
        EXPECT_EQ(games.GameID[0], c.id);
        EXPECT_EQ(games.GameTitle[0], c.title);
        EXPECT_EQ(games.GameTitleUpper[0], UpperCase(c.title));
        EXPECT_EQ(games.GameFlags[0], c.flags);
    }
    EXPECT_EQ(Load(Ini({"Versionless = 7.1 "})).IniVersion, "7.1");
}

TEST(ReadINI, TabsAreNotSkippedAndCommentsAndDisabledEntriesCountForNothing) {
    const GameTable games = Load(Ini({"; Version=9", "\tID=1", " \tID=2", ";ID=3", ";Title=Disabled", ";Flags=80000000H",
                                      "  ;ID=4", "ID=5", "Title=Kept", "\tTitle=Tab", ";Title=Gone", "Flags=4"}));
    ASSERT_EQ(games.GameLast, 0);
    EXPECT_EQ(games.GameID[0], "5");
    EXPECT_EQ(games.GameTitle[0], "Kept");
    EXPECT_EQ(games.GameFlags[0], "4");
    EXPECT_EQ(games.IniVersion, "");
}

TEST(ReadINI, LaterTitleAndFlagsLinesWinInAnyOrder) {
    const GameTable games = Load(Ini({"ID=1", "Flags=1", "Title=First", "Flags=2", "Title=Second", "", "ID=2",
                                      "Flags=80000000H"}));
    ASSERT_EQ(games.GameLast, 1);
    EXPECT_EQ(Titles(games), (std::vector<std::string>{"*** Unknown ***", "Second"}));
    EXPECT_EQ(games.GameFlags[1], "2");
    EXPECT_EQ(games.GameFlags[0], "80000000H");
}

TEST(ReadINI, TitleOrFlagsBeforeTheFirstIDIsReportedOncePerValueAndSkipped) {
    RecordingSink sink;
    const GameTable games = Load(Ini({"; header", "Title=Orphan", "Flags=80000000H", "ID=1", "Title=Real"}), sink);
    ASSERT_EQ(sink.failures.size(), 2u);
    EXPECT_EQ(sink.failures[0].module, "GLOBAL.ReadINI");
    EXPECT_EQ(sink.failures[0].description,
              "bleem!.INI, line 2: the Title line comes before the first ID line and belongs to no entry");
    EXPECT_EQ(sink.failures[1].description,
              "bleem!.INI, line 3: the Flags line comes before the first ID line and belongs to no entry");
    ASSERT_EQ(games.GameLast, 0);
    EXPECT_EQ(games.GameTitle[0], "Real");
    EXPECT_EQ(games.GameFlags[0], "");
    EXPECT_FALSE(games.Truncated);
}

TEST(ReadINI, CancelStopsAtTheFirstFailure) {
    RecordingSink sink;
    sink.answer = Resolution::Cancel;
    GameTable games;
    EXPECT_FALSE(ReadINIText(games, Ini({"Title=Orphan", "Flags=0", "ID=1"}), sink.sink()));
    EXPECT_EQ(sink.failures.size(), 1u);
    EXPECT_EQ(games.GameLast, -1);
    EXPECT_TRUE(games.Truncated);
}

TEST(ReadINI, VersionIsKeptAcrossReadsUntilAFileHasOne) {
    GameTable games;
    RecordingSink sink;
    ASSERT_TRUE(ReadINIText(games, Ini({"Version=1.0", "Version = 1.5 "}), sink.sink()));
    EXPECT_EQ(games.GameLast, -1);
    EXPECT_EQ(games.IniVersion, "1.5");
    ASSERT_TRUE(ReadINIText(games, Ini({"ID=1"}), sink.sink()));
    EXPECT_EQ(games.IniVersion, "1.5");
    EXPECT_EQ(games.GameLast, 0);
    ASSERT_TRUE(ReadINIText(games, Ini({"VERSION=2"}), sink.sink()));
    EXPECT_EQ(games.IniVersion, "2");
    EXPECT_EQ(games.GameLast, -1);
    EXPECT_TRUE(sink.failures.empty());
}

TEST(ReadINI, EveryLineEndingEndsALine) {
    const std::vector<std::string> lines = {"Version=3", "ID=2", "Title=beta", "Flags=4", "ID=1", "Title=Alpha"};
    for (const std::string ending : {"\r\n", "\r", "\n"}) {
        std::string text;
        for (const std::string& line : lines) text += line + ending;
        text.resize(text.size() - ending.size());  // and a last line without an ending
        const GameTable games = Load(text);
        EXPECT_EQ(Titles(games), (std::vector<std::string>{"Alpha", "beta"})) << "ending " << ending.size();
        EXPECT_EQ(games.GameFlags[1], "4");
        EXPECT_EQ(games.IniVersion, "3");
    }
    const GameTable mixed = Load("ID=1\rTitle=Lone CR\nFlags=8\r\nID=2\n\rTitle=After LF CR");
    EXPECT_EQ(Titles(mixed), (std::vector<std::string>{"After LF CR", "Lone CR"}));
    EXPECT_EQ(mixed.GameFlags[1], "8");
}

TEST(ReadINI, LoadedEntriesStartWithoutAJoin) {
    GameTable games;
    games.GameTitleKey[0] = "STALE";
    games.GameTxtIndex[0] = 7;
    games.GameTitleKey[1] = "STALE";
    games.GameTxtIndex[1] = 9;
    RecordingSink sink;
    ASSERT_TRUE(ReadINIText(games, Ini({"ID=1", "Title=B", "ID=2", "Title=A"}), sink.sink()));
    for (int i = 0; i <= games.GameLast; ++i) {
        EXPECT_EQ(games.GameTitleKey[i], "");
        EXPECT_EQ(games.GameTxtIndex[i], 0);
    }
}

TEST(ReadINI, AnEmptyFileIsReportedAndLeavesAnEmptyTable) {
    RecordingSink sink;
    GameTable games = Load(Ini({"ID=1"}), sink);
    ASSERT_EQ(games.GameLast, 0);
    EXPECT_TRUE(ReadINIText(games, "", sink.sink()));
    ASSERT_EQ(sink.failures.size(), 1u);
    EXPECT_EQ(sink.failures[0].description, "cannot read the first line of bleem!.INI: the file is empty");
    EXPECT_EQ(sink.failures[0].module, "GLOBAL.ReadINI");
    EXPECT_EQ(games.GameLast, -1);

    sink.answer = Resolution::Cancel;
    EXPECT_FALSE(ReadINIText(games, "", sink.sink()));
}

// ---- bad input --------------------------------------------------------------------------------

TEST(ReadINIBadInput, BinaryGarbageNeverOverrunsTheTable) {
    std::mt19937 rng(1234);
    // Random bytes with key fragments sprinkled in, so that many lines classify.
    const std::vector<std::string> fragments = {"\r\nID=", "\nTitle=", "\rFlags=", "\nVersion=", "\0", "=", " "};
    for (int round = 0; round < 20; ++round) {
        std::string garbage;
        while (garbage.size() < 200000) {
            if (rng() % 8 == 0) {
                garbage += fragments[rng() % fragments.size()];
            } else {
                garbage += static_cast<char>(rng() & 0xFF);
            }
        }
        RecordingSink sink;
        GameTable games;
        ASSERT_TRUE(ReadINIText(games, garbage, sink.sink()));
        ASSERT_LE(games.GameLast, kTableCapacity - 1);
        EXPECT_EQ(games.Truncated, !sink.failures.empty() && sink.failures.back().description.find("holds 4096") !=
                                                                    std::string::npos);
        for (int i = 1; i <= games.GameLast; ++i) {
            ASSERT_LE(CompareCodePoints(games.GameTitleUpper[i - 1], games.GameTitleUpper[i]), 0);
        }
    }
}

TEST(ReadINIBadInput, ATenMegabyteLineIsReadWhole) {
    const std::string huge(10 * 1024 * 1024, 'x');
    const GameTable games = Load("ID=1\r\nTitle=" + huge + "\r\nFlags=80000000H\r\n" + huge + "\r\nID=2\r\nTitle=a\r\n");
    ASSERT_EQ(games.GameLast, 1);
    EXPECT_EQ(games.GameTitle[0], "a");
    EXPECT_EQ(games.GameTitle[1].size(), huge.size());
    EXPECT_EQ(games.GameFlags[1], "80000000H");
}

std::string NumberedEntries(int count, int from = 0) {
    std::string text;
    for (int k = from; k < from + count; ++k) {
        text += "ID=" + std::to_string(1000000000 + k) + "\r\nTitle=Game " + std::to_string(k) + "\r\nFlags=80000000H\r\n";
    }
    return text;
}

TEST(ReadINIBadInput, MoreThan4096EntriesAreCappedReportedOnceAndMarked) {
    const std::string text = NumberedEntries(kTableCapacity) + "ID=9999999999\r\nTitle=CLOBBER\r\nFlags=CLOBBER\r\n" +
                             NumberedEntries(50, 5000) + "Version=after the overflow\r\n";
    RecordingSink sink;
    GameTable games;
    ASSERT_TRUE(ReadINIText(games, text, sink.sink()));
    ASSERT_EQ(sink.failures.size(), 1u);
    EXPECT_EQ(sink.failures[0].description, "bleem!.INI, line 12289: the game table holds 4096 entries; "
                                            "this entry and the ones after it are not loaded");
    EXPECT_EQ(games.GameLast, kTableCapacity - 1);
    EXPECT_TRUE(games.Truncated);
    EXPECT_EQ(games.IniVersion, "after the overflow");
    std::set<std::string> ids(games.GameID.begin(), games.GameID.end());
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(kTableCapacity));
    EXPECT_EQ(ids.count("9999999999"), 0u);
    EXPECT_EQ(ids.count("1000005000"), 0u);
    for (int i = 0; i < kTableCapacity; ++i) {
        ASSERT_NE(games.GameTitle[i], "CLOBBER");
        ASSERT_EQ(games.GameFlags[i], "80000000H");
    }

    // A file that fits afterwards is whole again.
    ASSERT_TRUE(ReadINIText(games, NumberedEntries(3), sink.sink()));
    EXPECT_FALSE(games.Truncated);
    EXPECT_EQ(games.GameLast, 2);
}

TEST(ReadINIBadInput, CancelOnOverflowStops) {
    RecordingSink sink;
    sink.answer = Resolution::Cancel;
    GameTable games;
    EXPECT_FALSE(ReadINIText(games, NumberedEntries(kTableCapacity + 2), sink.sink()));
    EXPECT_EQ(sink.failures.size(), 1u);
    EXPECT_TRUE(games.Truncated);
    EXPECT_EQ(games.GameLast, kTableCapacity - 1);
}

TEST(ReadINIBadInput, AGeneratedFileOf5000EntriesKeepsTheFirst4096) {
    const generated::Database db = generated::GenerateDatabase(5000);
    RecordingSink sink;
    GameTable games;
    ASSERT_TRUE(ReadINIText(games, db.ini, sink.sink()));
    EXPECT_EQ(sink.failures.size(), 1u);
    EXPECT_EQ(games.count(), kTableCapacity);
    EXPECT_TRUE(games.Truncated);
}

// ---- from disk --------------------------------------------------------------------------------

TEST(ReadINIFile, ReadsBleemIniFromIniPathInAnyLetterCase) {
    TempFolder dir;
    dir.write("BLEEM!.ini", Ini({"Version=disk", "ID=1", "Title=On Disk"}));
    ProgramState state;
    state.folders.IniPath = dir.path();
    RecordingSink sink;
    ASSERT_TRUE(ReadINI(state, sink.sink()));
    EXPECT_TRUE(sink.failures.empty());
    ASSERT_EQ(state.games.GameLast, 0);
    EXPECT_EQ(state.games.GameTitle[0], "On Disk");
    EXPECT_EQ(state.games.IniVersion, "disk");
}

TEST(ReadINIFile, AMissingFileIsReportedByNameAndEmptiesTheTable) {
    TempFolder dir;
    ProgramState state;
    state.folders.IniPath = dir.path();
    RecordingSink sink;
    ASSERT_TRUE(ReadINIText(state.games, Ini({"ID=1"}), sink.sink()));
    ASSERT_TRUE(ReadINI(state, sink.sink()));
    ASSERT_EQ(sink.failures.size(), 1u);
    EXPECT_EQ(sink.failures[0].description,
              "cannot open " + JoinPath(dir.path(), "bleem!.INI") + ": No such file or directory");
    EXPECT_EQ(sink.failures[0].module, "GLOBAL.ReadINI");
    EXPECT_EQ(state.games.GameLast, -1);
    EXPECT_TRUE(state.games.Truncated);

    sink.answer = Resolution::Cancel;
    EXPECT_FALSE(ReadINI(state, sink.sink()));
}

TEST(ReadINIFile, AFolderInPlaceOfTheFileIsReported) {
    TempFolder dir;
    std::filesystem::create_directory(dir.file("bleem!.INI"));
    ProgramState state;
    state.folders.IniPath = dir.path();
    RecordingSink sink;
    ASSERT_TRUE(ReadINI(state, sink.sink()));
    ASSERT_EQ(sink.failures.size(), 1u);
    EXPECT_EQ(sink.failures[0].description, "cannot open " + JoinPath(dir.path(), "bleem!.INI") + ": Is a directory");
    EXPECT_EQ(state.games.GameLast, -1);
}

TEST(ReadINIFile, AnEmptyFileIsReportedWithItsPath) {
    TempFolder dir;
    const std::string path = dir.write("bleem!.INI", "");
    ProgramState state;
    state.folders.IniPath = dir.path();
    RecordingSink sink;
    ASSERT_TRUE(ReadINI(state, sink.sink()));
    ASSERT_EQ(sink.failures.size(), 1u);
    EXPECT_EQ(sink.failures[0].description, "cannot read the first line of " + path + ": the file is empty");
}

TEST(ReadINIFile, TheSampleDatabaseLoadsCleanly) {
    ProgramState state;
    state.folders.IniPath = TOLVA_SAMPLE;
    RecordingSink sink;
    ASSERT_TRUE(ReadINI(state, sink.sink()));
    EXPECT_TRUE(sink.failures.empty());
    EXPECT_GE(state.games.count(), 35);
    EXPECT_FALSE(state.games.IniVersion.empty());
    std::set<char> statuses;
    for (int i = 0; i < state.games.count(); ++i) {
        EXPECT_EQ(state.games.GameID[i].size(), 10u) << state.games.GameTitle[i];
        EXPECT_NE(state.games.GameTitle[i], kUnknownTitle);
        statuses.insert(state.games.GameFlags[i].empty() ? ' ' : state.games.GameFlags[i][0]);
    }
    EXPECT_TRUE(statuses.count('8') && statuses.count('4') && statuses.count('0'));
}

// ---- the exchange sort ------------------------------------------------------------------------

void ExpectSameTable(const GameTable& a, const GameTable& b) {
    ASSERT_EQ(a.GameLast, b.GameLast);
    EXPECT_EQ(IDs(a), IDs(b));
    EXPECT_EQ(Titles(a), Titles(b));
    EXPECT_EQ(Column(a, a.GameTitleUpper), Column(b, b.GameTitleUpper));
    EXPECT_EQ(Column(a, a.GameFlags), Column(b, b.GameFlags));
    EXPECT_EQ(Column(a, a.GameTitleKey), Column(b, b.GameTitleKey));
    EXPECT_TRUE(std::equal(a.GameTxtIndex.begin(), a.GameTxtIndex.begin() + a.count(), b.GameTxtIndex.begin()));
}

TEST(SortGames, EqualKeysEndInTheExchangeProceduresOrderNotAStableOne) {
    GameTable games = Load(Ini({"ID=b1", "Title=B", "ID=b2", "Title=b", "ID=a", "Title=A"}));
    // i=0 takes A from the end, sending the first B there: the two Bs end reversed.
    EXPECT_EQ(IDs(games), (std::vector<std::string>{"a", "b2", "b1"}));
}

TEST(SortGames, MatchesTheExchangeProcedureOnRandomTablesFullOfEqualKeys) {
    std::mt19937 rng(42);
    // Few distinct words so that keys repeat and differ only in case; accented letters and
    // bytes of the 0x80-0x9F range where byte order and code point order disagree.
    const std::vector<std::string> words = {"a", "A", "b", "B", "ab", "Ab", "aB", "\xE9", "\xC9", "\x80", "\xFF",
                                            "\x9F", "\x9C", "\x8C", "\x81", " ", "*", "1", ""};
    for (int round = 0; round < 3000; ++round) {
        GameTable games;
        const int n = static_cast<int>(rng() % 48);
        for (int i = 0; i < n; ++i) {
            std::string title;
            for (int w = static_cast<int>(rng() % 3); w >= 0; --w) title += words[rng() % words.size()];
            games.GameID[i] = std::to_string(i);
            games.GameTitle[i] = title;
            games.GameTitleUpper[i] = UpperCase(title);
            games.GameFlags[i] = "f" + std::to_string(i);
            games.GameTitleKey[i] = "k" + std::to_string(i);
            games.GameTxtIndex[i] = i * 3;
        }
        games.GameLast = n - 1;
        GameTable expected = games;
        testing::LiteralExchangeSort(expected);
        SortGames(games);
        ExpectSameTable(games, expected);
        if (::testing::Test::HasFailure()) FAIL() << "round " << round << ", " << n << " entries";
    }
}

TEST(SortGames, MatchesTheExchangeProcedureOnAFullGeneratedTable) {
    const generated::Database db = generated::GenerateDatabase(kTableCapacity, 3);
    RecordingSink sink;
    GameTable games;
    ASSERT_TRUE(ReadINIText(games, db.ini, sink.sink()));
    ASSERT_EQ(games.count(), kTableCapacity);
    GameTable unsorted = testing::UnsortedTable(db);
    testing::LiteralExchangeSort(unsorted);
    ExpectSameTable(games, unsorted);
}

TEST(SortGames, JoinColumnsTravelWithTheirEntries) {
    GameTable games = Load(Ini({"ID=3", "Title=C", "ID=1", "Title=A", "ID=2", "Title=B"}));
    // A join made now must still be this game's after a re-sort that moves it.
    for (int i = 0; i < games.count(); ++i) {
        games.GameTitleKey[i] = "KEY OF " + games.GameID[i];
        games.GameTxtIndex[i] = std::stoi(games.GameID[i]) * 10;
    }
    std::swap(games.GameTitle[0], games.GameTitle[2]);
    std::swap(games.GameTitleUpper[0], games.GameTitleUpper[2]);
    std::swap(games.GameID[0], games.GameID[2]);  // title, key and ID of entries 0 and 2 trade places...
    std::swap(games.GameTitleKey[0], games.GameTitleKey[2]);
    std::swap(games.GameTxtIndex[0], games.GameTxtIndex[2]);
    SortGames(games);  // ...and the sort brings them back, join and all
    for (int i = 0; i < games.count(); ++i) {
        EXPECT_EQ(games.GameTitleKey[i], "KEY OF " + games.GameID[i]);
        EXPECT_EQ(games.GameTxtIndex[i], std::stoi(games.GameID[i]) * 10);
    }
    EXPECT_EQ(IDs(games), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(SortGames, TitlesDifferingOnlyInCaseSitTogether) {
    const GameTable games = Load(Ini({"ID=1", "Title=neon racer", "ID=2", "Title=Neon Rally", "ID=3",
                                      "Title=NEON RACER", "ID=4", "Title=Neon Racer 2"}));
    EXPECT_EQ(Column(games, games.GameTitleUpper),
              (std::vector<std::string>{"NEON RACER", "NEON RACER", "NEON RACER 2", "NEON RALLY"}));
    EXPECT_EQ(IDs(games), (std::vector<std::string>{"1", "3", "4", "2"}));
}

TEST(SwapStrings, ExchangesWithoutCopyingTheCharacters) {
    std::string a(100, 'a');
    std::string b(200, 'b');
    const char* aData = a.data();
    const char* bData = b.data();
    SwapStrings(a, b);
    EXPECT_EQ(a, std::string(200, 'b'));
    EXPECT_EQ(b, std::string(100, 'a'));
    EXPECT_EQ(a.data(), bData);
    EXPECT_EQ(b.data(), aData);
}

// ---- the wildcard match -----------------------------------------------------------------------

// The matcher written the way it is described, with 1-based Mid and InStr on copies of the texts,
// as an independent check of the implementation.
bool ReferenceCheckIfSame(std::string text, std::string pattern) {
    text += '\0';
    pattern += '\0';
    const long lt = static_cast<long>(text.size());
    const long lp = static_cast<long>(pattern.size());
    auto mid = [](const std::string& s, long start, long length) {
        if (start > static_cast<long>(s.size())) return std::string();
        return s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
    };
    auto inStr = [](long start, const std::string& s, const std::string& find) -> long {
        if (start > static_cast<long>(s.size())) return 0;
        if (find.empty()) return start;
        const std::size_t at = s.find(find, static_cast<std::size_t>(start - 1));
        return at == std::string::npos ? 0 : static_cast<long>(at) + 1;
    };
    long i = 0, j = 0;
    while (true) {
        ++i;
        ++j;
        if (i > lt && j > lp) return true;
        if (i > lt || j > lp) return false;
        const std::string c = mid(text, i, 1);
        const std::string p = mid(pattern, j, 1);
        if (p == "?") continue;
        if (p != "*") {
            if (p == c) continue;
            return false;
        }
        const long q = inStr(j + 1, pattern, "?");
        const long s = inStr(j + 1, pattern, "*");
        long k = 0;
        if (q == 0 && s == 0) {
            k = inStr(i + 1, text, mid(pattern, j + 1, lp));
        } else {
            const long w = q == 0 ? s : s == 0 ? q : std::min(q, s);
            k = inStr(i + 1, text, mid(pattern, j + 1, w - j - 1));
        }
        if (k == 0) return false;
        i = k - 1;
    }
}

TEST(CheckIfSame, TableOfCases) {
    struct Case {
        std::string text, pattern;
        bool match;
    };
    const std::vector<Case> cases = {
        {"FINAL FANTASY VII ", "F?NAL*", true},
        {"FANAL ", "F?NAL*", true},
        {"FINAL FANTASY VII ", "*FANTASY*", true},
        {"FANTASY ZONE ", "*FANTASY*", false},      // "*" needs at least one character before
        {"ABC", "AB*C", false},                     // the same
        {"ABXC", "AB*C", true},
        {"ABXYC", "AB*C", true},
        {"FINAL FANTASY ", "FINAL FANTASY*", true},  // a whole title: the space is what "*" takes
        {"FINAL FANTASY", "FINAL FANTASY*", false},
        {"ANY TITLE ", "*", true},                   // the empty search
        {" ", "*", true},
        {"", "*", false},
        {"", "", true},
        {"A", "", false},
        {"", "A", false},
        {"ABC", "ABC", true},
        {"ABC", "ABD", false},
        {"ABC", "AB", false},
        {"AB", "ABC", false},
        {"ABC", "A?C", true},
        {"AC", "A?C", false},
        {"AXBCEBYD", "A*B?D", false},  // only the first B after "*" is tried: no backtracking
        {"AXBYD", "A*B?D", true},
        {"AXBXBC", "A*BC", true},      // the rest of the pattern, end mark included, is found
        {"ABC", "A**", true},          // each "*" takes one character
        {"AB", "A**", false},
        {"ABC", "*?", false},          // "*" then "?" leaves C for the end mark
        {"AB", "*?", true},
        {"A*B", "A*B", true},
        {"fin ", "FIN*", false},       // exact comparison: the caller upper-cases
        {std::string("A\0B", 3), "A*", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckIfSame(c.text, c.pattern), c.match) << '"' << c.text << "\" against \"" << c.pattern << '"';
        EXPECT_EQ(ReferenceCheckIfSame(c.text, c.pattern), c.match) << "reference: " << c.text << " / " << c.pattern;
    }
}

TEST(CheckIfSame, AgreesWithTheDescribedStepsOnRandomInput) {
    std::mt19937 rng(99);
    const std::string alphabet = std::string("AB?*\0", 5);
    auto draw = [&](int maxLength) {
        std::string s;
        for (int k = static_cast<int>(rng() % (maxLength + 1)); k > 0; --k) s += alphabet[rng() % alphabet.size()];
        return s;
    };
    for (int round = 0; round < 200000; ++round) {
        const std::string text = draw(9);
        const std::string pattern = draw(7);
        ASSERT_EQ(CheckIfSame(text, pattern), ReferenceCheckIfSame(text, pattern))
            << "text of " << text.size() << " and pattern of " << pattern.size() << " characters, round " << round;
    }
}

TEST(CheckIfSame, MarkedTextsGiveTheSameAnswer) {
    for (const auto& [text, pattern] : std::vector<std::pair<std::string, std::string>>{
             {"FINAL FANTASY ", "F?NAL*"}, {"ABC", "AB*C"}, {"AB", "*?"}, {"", ""}}) {
        EXPECT_EQ(CheckIfSameMarked(text + '\0', pattern + '\0'), CheckIfSame(text, pattern));
    }
}

}  // namespace
}  // namespace tolva
