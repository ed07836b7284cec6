// Compatibility.TXT read into its table, and the join of each game to its record.
#include "core/database/compatibility.h"

#include <gtest/gtest.h>

#include "core/database/gametable.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

void LoadTXT(ProgramState& state, const std::string& text) {
    FailureLog log;
    ASSERT_TRUE(ReadTXTText(state.games, state.txt, text, log.sink()));
    ASSERT_EQ(log.said(), "");
}

/// A state with the disc ID table, games given as {disc ID, title, flags}, and records.
ProgramState With(const std::vector<std::array<std::string, 3>>& games, const std::string& records) {
    ProgramState state;
    state.discIDs = DiscIDs();
    for (const auto& [id, title, flags] : games) AddGame(state.games, id, title, flags);
    LoadTXT(state, kTxtHeader + records);
    return state;
}

// A file whose rows fill the table exactly, at its first grown size and at its capacity, is read
// and reloaded within it: the last record's consumed key is given back.
TEST(ReloadTXT, AFileThatFillsTheTableExactly) {
    for (const int rows : {64, kTableCapacity}) {
        ProgramState state;
        std::string text = kTxtHeader;
        for (int k = 1; k < rows; ++k) text += TxtRecord("Game " + std::to_string(k), "SLUS-00001", "Yes!");
        LoadTXT(state, text);
        ASSERT_EQ(state.txt.TxtCount, rows);
        state.txt.TxtTitleUpper[std::size_t(rows - 1)] = kConsumedTitle;
        ReloadTXT(state);
        EXPECT_EQ(state.txt.TxtTitleUpper[std::size_t(rows - 1)], "GAME " + std::to_string(rows - 1));
    }
}

TEST(ReadTXT, ARecordNeedsNinePipesAndEveryLineEndingEndsOne) {
    ProgramState state;
    LoadTXT(state, "H0|H1|H2|H3|H4|H5|H6|H7|H8|\r\n" "0|eight|pipes|only|x|x|Yes!|x|x\r\n"
                   "0|  Spaced \xE9  | Pub |SLUS-00001| U/C |x| Yes! ||  Some details  |\r"
                   "0|||||||||\n"
                   "0|Ten|P|SLUS-00002|J|x|Not Yet|D3D|D|after|the ninth");
    const CompatibilityTable& t = state.txt;
    ASSERT_EQ(t.TxtCount, 4);
    const std::vector<std::vector<std::string>> expected = {
        {"", "", "", "", "", "", "", "", ""},
        {"Spaced \xE9", "Pub", "SLUS-00001", "U/C", "x", "Yes!", "blank", "Some details", "SPACED \xC9"},
        {"", "", "", "", "", "", "blank", "", ""},
        {"Ten", "P", "SLUS-00002", "J", "x", "Not Yet", "D3D", "D", "TEN"},
    };
    for (std::size_t r = 0; r < expected.size(); ++r)
        EXPECT_EQ((std::vector<std::string>{t.TxtTitle[r], t.TxtPublisher[r], t.TxtProductCode[r], t.TxtRegion[r],
                                            t.TxtGenre[r], t.TxtStatus[r], t.TxtD3D[r], t.TxtDetails[r], t.TxtTitleUpper[r]}),
                  expected[r]) << r;
}

TEST(ReadTXT, CapacityIsReportedOnceAndNeverExceeded) {
    std::string text = kTxtHeader;
    for (int k = 1; k < kTableCapacity; ++k) text += TxtRecord("Game " + std::to_string(k), "C", "Yes!");
    ProgramState state;
    LoadTXT(state, text);  // the header and 4095 records fill the table exactly
    EXPECT_EQ(state.txt.TxtCount, kTableCapacity);
    text += TxtRecord("One too many", "C", "Yes!") + TxtRecord("Two", "C", "Yes!");
    FailureLog log;
    EXPECT_TRUE(ReadTXTText(state.games, state.txt, text, log.sink(), "/db/Compatibility.TXT"));
    EXPECT_EQ(state.txt.TxtCount, kTableCapacity);
    EXPECT_EQ(state.txt.TxtTitle[kTableCapacity - 1], "Game 4095");
    ASSERT_EQ(log.failures.size(), 1u);
    EXPECT_EQ(log.failures[0].module, "GLOBAL.ReadTXT");
    EXPECT_NE(log.said().find("/db/Compatibility.TXT"), std::string::npos);
    log.answer = Resolution::Cancel;
    EXPECT_FALSE(ReadTXTText(state.games, state.txt, text, log.sink()));
}

TEST(ReadTXT, FromTheFolderInAnyLetterCaseResettingEveryJoin) {
    ProgramState state = With({{"1", "Lower Game", "80000000H"}}, TxtRecord("Lower", "C", "Yes!"));
    ASSERT_EQ(JoinGame(state, 0), 1);
    TempFolder folder;
    folder.write("compatibility.txt", kTxtHeader + TxtRecord("Lower", "C", "Yes!") + TxtRecord("Other", "D", "Yes!"));
    state.folders.TxtPath = folder.path();
    FailureLog log;
    EXPECT_TRUE(ReadTXT(state, log.sink()));
    EXPECT_EQ(state.txt.TxtCount, 3);
    EXPECT_EQ(state.games.GameTxtIndex[0], 0);
    EXPECT_EQ(state.games.GameTitleKey[0], "LOWER GAME");
    EXPECT_TRUE(state.txt.TxtJoins.empty());
    EXPECT_EQ(state.txt.TxtTitleUpper[1], "LOWER");  // the consumed record is back
    std::filesystem::remove(folder.file("compatibility.txt"));  // missing: Resume goes on, empty
    EXPECT_TRUE(ReadTXT(state, log.sink()));
    EXPECT_EQ(log.said(), "GLOBAL.ReadTXT: cannot open " + folder.file("Compatibility.TXT") + ": no such file\n");
    EXPECT_EQ(state.txt.TxtCount, 0);
    log.answer = Resolution::Cancel;
    EXPECT_FALSE(ReadTXT(state, log.sink()));
}

TEST(Join, ByProductCodeFirstThroughEveryRowOfTheDiscIDInOrder) {
    // 0172831837 is SLPS-00982; 0099269388 is SLES-01903 first and SLES-61903 second.
    const std::string records = TxtRecord("Totally Different", "A", "Not Yet") + TxtRecord("Racer", "SLPS-00982", "Yes!") +
                                TxtRecord("A", "SLES-61903", "Yes!") + TxtRecord("B", "SLES-01903", "Yes!");
    ProgramState state = With({{"0172831837", "Totally Different", "40000000H"}, {"0099269388", "X", "8"}}, records);
    EXPECT_EQ(JoinGame(state, 0), 2);
    EXPECT_EQ(state.txt.TxtTitleUpper[2], "RACER");  // a join by code consumes nothing
    EXPECT_EQ(JoinGame(state, 1), 4);
    ProgramState second = With({{"0099269388", "X", "8"}}, TxtRecord("A", "SLES-61903", "Yes!"));
    EXPECT_EQ(JoinGame(second, 0), 1);
}

TEST(Join, ATitlePrefixNeedsAnAgreeingStatus) {
    const struct {
        std::string flags, status;
        int expected;
    } cases[] = {
        {"80000000H", "Yes!", 1}, {"00100000H", "Partially", 1}, {"  40000000H", "Not Yet", 1}, {"40000000H", "Yes!", 0},
        {"80000000H", "Not Yet", 0}, {"", "Yes!", 1}, {"80000000H", "Maybe", 0}, {"40000000H", "Maybe", 0},
        {"80000000H", "yes!", 0},   {"40000000H", "Partially", 0},
    };
    for (const auto& c : cases) {
        ProgramState state = With({{"5", "Final Game (Disc 1)", c.flags}}, TxtRecord("Final Game", "S", c.status));
        EXPECT_EQ(JoinGame(state, 0), c.expected) << c.flags << " / " << c.status;
        EXPECT_EQ(state.txt.TxtTitleUpper[1], c.expected ? std::string(kConsumedTitle) : "FINAL GAME");
    }
}

// (ReloadTXT giving a consumed record back and keeping joins: FollowsItsGameThroughEveryReadOfTheFile.)
TEST(Join, TheLongestTitleWinsThenTheFirstRecord) {
    const auto make = [] {
        return With({{"5", "Final Game 2: Return", "8"}, {"6", "Final Game 2: Return", "8"},
                     {"0172831837", "Final Game 2 (Disc 3)", "4"}, {"7", "Final Game 2: Return", "8"},
                     {"8", "Final Game 2: Return", "4"}},
                    TxtRecord("Final", "A", "Yes!") + TxtRecord("Final Game 2", "B", "Yes!") +
                        TxtRecord("Final Game 2", "SLPS-00982", "Yes!") + TxtRecord("Final Game 2: Return of", "D", "Yes!") +
                        TxtRecord("Final Game 2: Return", "E", "Not Yet"));
    };
    ProgramState state = make();
    EXPECT_EQ(JoinGame(state, 1), 2);  // the first one shown takes the first longest prefix
    EXPECT_EQ(JoinGame(state, 0), 3);  // then the next
    EXPECT_EQ(JoinGame(state, 3), 1);  // then a shorter one
    EXPECT_EQ(JoinGame(state, 2), 3);  // a consumed record still joins through its code
    EXPECT_EQ(JoinGame(state, 4), 5);  // the whole title is a prefix too
    // Joining every entry at once finds what joining each in table order finds: past a longer
    // title of another status, and a title as long as the entry's own.
    ProgramState each = make();
    ProgramState all = make();
    for (int i = 0; i <= each.games.GameLast; ++i) JoinGame(each, i);
    JoinEveryEntry(all);
    EXPECT_EQ(all.games.GameTxtIndex, each.games.GameTxtIndex);
    EXPECT_EQ(all.txt.TxtTitleUpper, each.txt.TxtTitleUpper);
    EXPECT_EQ(std::vector<std::int32_t>(all.games.GameTxtIndex.begin(), all.games.GameTxtIndex.begin() + 5),
              (std::vector<std::int32_t>{2, 3, 3, 1, 5}));
}

// A join names a record only inside the records read, whatever TxtCount claims.
TEST(Join, NamesARecordOnlyInsideTheRecordsRead) {
    CompatibilityTable txt;
    for (const auto& [count, join, record] : {std::tuple{3, 1, 1}, {3, 2, 2}, {3, 3, 0}, {3, 0, 0}, {3, -1, 0}, {0, 0, 0},
                                              {kTableCapacity + 5, kTableCapacity - 1, kTableCapacity - 1},
                                              {kTableCapacity + 5, kTableCapacity, 0}}) {
        txt.TxtCount = count;
        EXPECT_EQ(txt.recordOf(join), record) << count << " / " << join;
    }
}

TEST(Join, NothingToJoin) {
    ProgramState state = With({{"0172831837", "Racer", "8"}}, "");
    EXPECT_EQ(JoinGame(state, 0), 0);  // the header record never joins
    LoadTXT(state, kTxtHeader + TxtRecord("Racer", "X", "Yes!"));
    state.games.GameTitleKey[0].clear();  // a table read before Compatibility.TXT joins no title
    EXPECT_EQ(JoinGame(state, 0), 0);
}

// A re-read of bleem!.INI moves entries to other slots; each keeps its own join through every
// read, with or without ReloadTXT, duplicate entries (one disc ID and title, as the update offers
// them) included even when a new entry reverses their order; a game never joined stays unjoined;
// one whose title changed has none, and only ReloadTXT gives back the record its join consumed.
TEST(Join, FollowsItsGameThroughEveryReadOfTheFile) {
    for (const bool reloadTXT : {true, false}) {
        SCOPED_TRACE(reloadTXT ? "with ReloadTXT" : "without");
        TempFolder folder;
        ProgramState state = With({}, "");
        state.folders.IniPath = folder.path();
        const std::vector<std::string> twins = {"ID=0000000001", "Title=Twin Game", "Flags=80000000H",
                                                "ID=0000000001", "Title=Twin Game", "Flags=80000001H"};
        std::vector<std::string> lines = twins;
        lines.insert(lines.end(), {"ID=1111111111", "Title=Final Game (Disc 1)", "Flags=80000003H", "ID=0172831837",
                                   "Title=Racer Deluxe", "Flags=80000004H", "ID=2222222222", "Title=Broken Quest",
                                   "Flags=40000005H"});
        folder.write("bleem!.INI", Ini(lines));
        FailureLog log;
        ASSERT_TRUE(ReadINI(state, log.sink()));
        LoadTXT(state, kTxtHeader + TxtRecord("Twin Game", "X", "Yes!") + TxtRecord("Twin Game", "Y", "Yes!") +
                           TxtRecord("Final Game", "A", "Yes!") + TxtRecord("Racer", "SLPS-00982", "Yes!") +
                           TxtRecord("Broken Quest", "B", "Not Yet"));
        const auto joinOf = [&](char mark) {  // the entry whose flags end in mark before the "H"
            for (int i = 0; i <= state.games.GameLast; ++i)
                if (state.games.GameFlags[i][7] == mark) return state.games.GameTxtIndex[i];
            return -1;
        };
        const auto twinOrder = [&] {
            std::string order;
            for (int i = 0; i <= state.games.GameLast; ++i)
                if (state.games.GameTitle[i] == "Twin Game") order += state.games.GameFlags[i][7];
            return order;
        };
        for (int i = 0; i <= state.games.GameLast; ++i) JoinGame(state, i);
        const std::string orderBefore = twinOrder();
        // The first twin in the table takes the first record.
        const std::pair<int, int> twins01 = orderBefore == "01" ? std::pair(1, 2) : std::pair(2, 1);
        ASSERT_EQ(std::vector<int>({joinOf('0'), joinOf('1'), joinOf('3'), joinOf('4'), joinOf('5')}),
                  std::vector<int>({twins01.first, twins01.second, 3, 4, 5}));

        lines = twins;
        lines.insert(lines.end(), {"ID=0000000002", "Title=Aardvark", "Flags=80000002H", "ID=2222222222",
                                   "Title=Broken Quest", "Flags=40000005H", "ID=1111111111", "Title=Final Game (Disc 2)",
                                   "Flags=80000003H", "ID=0172831837", "Title=Racer Deluxe", "Flags=80000004H"});
        folder.write("bleem!.INI", Ini(lines));
        ASSERT_TRUE(ReadINI(state, log.sink()));
        if (reloadTXT) ReloadTXT(state);
        ASSERT_NE(twinOrder(), orderBefore);  // the twins changed places in the table
        EXPECT_EQ(std::vector<int>({joinOf('0'), joinOf('1'), joinOf('2'), joinOf('3'), joinOf('4'), joinOf('5')}),
                  std::vector<int>({twins01.first, twins01.second, 0, 0, 4, 5}));
        EXPECT_EQ(JoinGame(state, RowOf(state.games, "Final Game (Disc 2)")), reloadTXT ? 3 : 0);
        EXPECT_EQ(log.said(), "");
    }
}

}  // namespace
}  // namespace tolva
