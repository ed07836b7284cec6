#include "core/database/compatibility.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/database/gametable.h"
#include "core/games/discids.h"
#include "core/text/cp1252.h"
#include "ini_test_files.h"

namespace tolva {
namespace {

using testing::FailureLog;

const std::string kHeader = "ID|Title|Publisher|Code|Region|Genre|Status|D3D|Details|\r\n";

std::string Record(const std::string& title, const std::string& code, const std::string& status,
                   const std::string& d3d = "") {
    return "n|" + title + "|Publisher of " + title + "|" + code + "|U/C|genre|" + status + "|" + d3d +
           "|details of " + title + "|\r\n";
}

// Puts games straight into the table, as a loaded bleem!.INI would leave it.
void AddGame(ProgramState& state, const std::string& id, const std::string& title, const std::string& flags) {
    GameTable& g = state.games;
    const auto i = static_cast<std::size_t>(++g.GameLast);
    g.GameID[i] = id;
    g.GameTitle[i] = title;
    g.GameTitleUpper[i] = UpperCase(title);
    g.GameFlags[i] = flags;
}

void LoadTXT(ProgramState& state, const std::string& text) {
    FailureLog recorder;
    ASSERT_TRUE(ReadTXTText(state.games, state.txt, text, recorder.sink()));
    ASSERT_TRUE(recorder.failures.empty());
}

ProgramState WithDiscIDs() {
    ProgramState state;
    InitDiscIDs(state.discIDs);
    return state;
}

TEST(ReadTXT, ARecordNeedsNinePipes) {
    ProgramState state;
    LoadTXT(state, kHeader +
                       "0|eight|pipes|only|x|x|Yes!|x|x\r\n"                 // skipped, takes no number
                       "0|  Spaced Title  | Pub |SLUS-00001| U/C |x| Yes! ||  Some details  |\r\n"
                       "0|||||||||\r\n"                                      // nine pipes, all empty
                       "0|Ten|P|SLUS-00002|J|x|Not Yet|D3D|D|after|the ninth\r\n");
    const CompatibilityTable& t = state.txt;
    ASSERT_EQ(t.TxtCount, 4);
    EXPECT_EQ(t.TxtTitle[1], "Spaced Title");
    EXPECT_EQ(t.TxtTitleUpper[1], "SPACED TITLE");
    EXPECT_EQ(t.TxtPublisher[1], "Pub");
    EXPECT_EQ(t.TxtProductCode[1], "SLUS-00001");
    EXPECT_EQ(t.TxtRegion[1], "U/C");
    EXPECT_EQ(t.TxtStatus[1], "Yes!");
    EXPECT_EQ(t.TxtD3D[1], "blank");
    EXPECT_EQ(t.TxtDetails[1], "Some details");

    EXPECT_EQ(t.TxtTitle[2], "");
    EXPECT_EQ(t.TxtD3D[2], "blank");
    EXPECT_EQ(t.TxtDetails[2], "");

    EXPECT_EQ(t.TxtTitle[3], "Ten");
    EXPECT_EQ(t.TxtD3D[3], "D3D");
    EXPECT_EQ(t.TxtDetails[3], "D");  // the text after the ninth "|" is not read
}

TEST(ReadTXT, HeaderOnlyGivesTheEmptyRecordAlone) {
    ProgramState state;
    LoadTXT(state, "H0|H1|H2|H3|H4|H5|H6|H7|H8|\r\n");
    const CompatibilityTable& t = state.txt;
    EXPECT_EQ(t.TxtCount, 1);
    for (const auto* column : {&t.TxtTitle, &t.TxtPublisher, &t.TxtProductCode, &t.TxtRegion, &t.TxtStatus,
                               &t.TxtD3D, &t.TxtDetails, &t.TxtTitleUpper}) {
        EXPECT_EQ((*column)[0], "");
    }
}

TEST(ReadTXT, LinesEndAtCrLfLoneCrAndLoneLf) {
    ProgramState state;
    LoadTXT(state, "h|h|h|h|h|h|h|h|h|\r\na|A|p|c|r|g|Yes!|d|x|\rb|B|p|c|r|g|Yes!|d|x|\nc|C|p|c|r|g|Yes!|d|x|");
    ASSERT_EQ(state.txt.TxtCount, 4);
    EXPECT_EQ(state.txt.TxtTitle[1], "A");
    EXPECT_EQ(state.txt.TxtTitle[2], "B");
    EXPECT_EQ(state.txt.TxtTitle[3], "C");
    EXPECT_EQ(state.txt.TxtDetails[3], "x");
}

TEST(ReadTXT, CapacityIsReportedOnceAndNeverExceeded) {
    std::string text = kHeader;
    for (int k = 1; k < kTableCapacity + 5; ++k) text += Record("Game " + std::to_string(k), "C", "Yes!");
    ProgramState state;
    FailureLog recorder;
    EXPECT_TRUE(ReadTXTText(state.games, state.txt, text, recorder.sink(), "/db/Compatibility.TXT"));
    EXPECT_EQ(state.txt.TxtCount, kTableCapacity);
    EXPECT_EQ(state.txt.TxtTitle[kTableCapacity - 1], "Game 4095");
    EXPECT_EQ(state.txt.TxtTitle.size(), static_cast<std::size_t>(kTableCapacity));
    ASSERT_EQ(recorder.failures.size(), 1u);
    EXPECT_EQ(recorder.failures[0].module, "GLOBAL.ReadTXT");
    EXPECT_NE(recorder.failures[0].description.find("/db/Compatibility.TXT"), std::string::npos);

    FailureLog cancel{{}, Resolution::Cancel};
    EXPECT_FALSE(ReadTXTText(state.games, state.txt, text, cancel.sink()));

    // Header and 4095 records fill the table exactly: no failure.
    text.resize(text.find("n|Game 4096|"));
    LoadTXT(state, text);
    EXPECT_EQ(state.txt.TxtCount, kTableCapacity);
}

TEST(ReadTXT, ResetsEveryJoinAndTitleKey) {
    ProgramState state = WithDiscIDs();
    AddGame(state, "1", "Final Game", "80000000H");
    LoadTXT(state, kHeader + Record("Final Game", "SLUS-00001", "Yes!"));
    ASSERT_EQ(JoinGame(state, 0), 1);
    state.games.GameTitleKey[0] = "SOMETHING ELSE";

    LoadTXT(state, kHeader + Record("Final Game", "SLUS-00001", "Yes!"));
    EXPECT_EQ(state.games.GameTxtIndex[0], 0);
    EXPECT_EQ(state.games.GameTitleKey[0], "FINAL GAME");
    EXPECT_TRUE(state.txt.TxtJoins.empty());
}

TEST(ReadTXT, FromTheFolderAndItsFailures) {
    const std::string fixtures = std::string(TOLVA_FIXTURES) + "/txt_join";
    ProgramState state;
    state.folders.TxtPath = fixtures;
    FailureLog recorder;
    EXPECT_TRUE(ReadTXT(state, recorder.sink()));
    EXPECT_TRUE(recorder.failures.empty());
    EXPECT_EQ(state.txt.TxtCount, 4);
    EXPECT_EQ(state.txt.TxtTitle[1], "Final Game");

    // The name in another letter case is found too.
    testing::TempFolder folder;
    folder.write("compatibility.txt", kHeader + Record("Lower", "C", "Yes!"));
    state.folders.TxtPath = folder.path();
    EXPECT_TRUE(ReadTXT(state, recorder.sink()));
    EXPECT_EQ(state.txt.TxtTitle[1], "Lower");

    // Missing file: reported naming the file; Resume goes on with an empty table.
    testing::TempFolder empty;
    state.folders.TxtPath = empty.path();
    AddGame(state, "1", "Game", "80000000H");
    state.games.GameTxtIndex[0] = 1;
    EXPECT_TRUE(ReadTXT(state, recorder.sink()));
    ASSERT_EQ(recorder.failures.size(), 1u);
    EXPECT_EQ(recorder.failures[0].module, "GLOBAL.ReadTXT");
    EXPECT_NE(recorder.failures[0].description.find(empty.path()), std::string::npos);
    EXPECT_EQ(state.txt.TxtCount, 0);
    EXPECT_EQ(state.games.GameTxtIndex[0], 0);

    FailureLog cancel{{}, Resolution::Cancel};
    EXPECT_FALSE(ReadTXT(state, cancel.sink()));
}

TEST(Join, ByProductCodeDespiteDifferentTitles) {
    ProgramState state = WithDiscIDs();
    AddGame(state, "0172831837", "Totally Different Name", "40000000H");  // SLPS-00982
    LoadTXT(state, kHeader + Record("Totally Different", "SLUS-00001", "Not Yet") +
                       Record("Racer Deluxe", "SLPS-00982", "Yes!"));
    EXPECT_EQ(JoinGame(state, 0), 2);
    EXPECT_EQ(state.games.GameTxtIndex[0], 2);
    // A record joined by its code is not consumed, and statuses do not matter.
    EXPECT_EQ(state.txt.TxtTitleUpper[2], "RACER DELUXE");
}

TEST(Join, TriesEveryRowOfTheDiscIDInOrder) {
    // 0099269388 is SLES-01903 first and SLES-61903 second.
    ProgramState state = WithDiscIDs();
    AddGame(state, "0099269388", "X", "80000000H");
    LoadTXT(state, kHeader + Record("A", "SLES-61903", "Yes!"));
    EXPECT_EQ(JoinGame(state, 0), 1);

    ProgramState both = WithDiscIDs();
    AddGame(both, "0099269388", "X", "80000000H");
    LoadTXT(both, kHeader + Record("A", "SLES-61903", "Yes!") + Record("B", "SLES-01903", "Yes!"));
    EXPECT_EQ(JoinGame(both, 0), 2);  // the first row's code wins over the record order
}

TEST(Join, TitlePrefixNeedsAgreeingStatus) {
    const struct {
        std::string flags, status;
        int expected;
    } cases[] = {
        {"80000000H", "Yes!", 1},      {"00100000H", "Partially", 1}, {"  40000000H", "Not Yet", 1},
        {"40000000H", "Yes!", 0},      {"80000000H", "Not Yet", 0},   {"", "Yes!", 1},
        {"80000000H", "Maybe", 0},     {"40000000H", "Maybe", 0},     {"80000000H", "yes!", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags + " / " + c.status);
        ProgramState state = WithDiscIDs();
        AddGame(state, "5", "Final Game (Disc 1)", c.flags);
        LoadTXT(state, kHeader + Record("Final Game", "SLUS-00001", c.status));
        EXPECT_EQ(JoinGame(state, 0), c.expected);
        EXPECT_EQ(state.txt.TxtTitleUpper[1], c.expected ? std::string(kConsumedTitle) : "FINAL GAME");
    }
}

TEST(Join, LongestTitleWinsThenTheFirstRecord) {
    ProgramState state = WithDiscIDs();
    AddGame(state, "5", "Final Game 2: Return", "80000000H");
    LoadTXT(state, kHeader + Record("Final", "A", "Yes!") + Record("Final Game 2", "B", "Yes!") +
                       Record("Final Game 2", "C", "Yes!") + Record("Final Game 2: Return of", "D", "Yes!") +
                       Record("Final Game 2: Return", "E", "Not Yet"));
    // The exact title disagrees, the longer one is no prefix: the first "FINAL GAME 2" wins.
    EXPECT_EQ(JoinGame(state, 0), 2);
}

TEST(Join, RecordIsConsumedByTheFirstGameAndReturnsAfterReloadTXT) {
    ProgramState state = WithDiscIDs();
    AddGame(state, "5", "Final Game (Disc 1)", "80000000H");
    AddGame(state, "6", "Final Game (Disc 2)", "80000000H");
    LoadTXT(state, kHeader + Record("Final Game", "SLUS-00001", "Yes!"));
    EXPECT_EQ(JoinGame(state, 1), 1);  // the first one shown takes it
    EXPECT_EQ(JoinGame(state, 0), 0);
    EXPECT_EQ(JoinGame(state, 0), 0);  // tried again on every showing, still taken

    ReloadTXT(state);
    EXPECT_EQ(state.txt.TxtTitleUpper[1], "FINAL GAME");
    EXPECT_EQ(state.games.GameTxtIndex[1], 1);  // kept
    EXPECT_EQ(JoinGame(state, 0), 1);
}

TEST(Join, SecondGameFallsBackToAShorterTitleOrItsProductCode) {
    ProgramState state = WithDiscIDs();
    AddGame(state, "5", "Final Game (Disc 1)", "80000000H");
    AddGame(state, "6", "Final Game (Disc 2)", "80000000H");
    AddGame(state, "0172831837", "Final Game (Disc 3)", "40000000H");  // SLPS-00982
    LoadTXT(state, kHeader + Record("Final Game", "SLPS-00982", "Yes!") + Record("Final", "SLUS-00001", "Yes!"));
    EXPECT_EQ(JoinGame(state, 0), 1);
    EXPECT_EQ(JoinGame(state, 1), 2);  // "FINAL GAME" is taken: the next longest prefix
    EXPECT_EQ(JoinGame(state, 2), 1);  // a consumed record still joins through its code
}

TEST(Join, AJoinedGameIsNotJoinedAgain) {
    ProgramState state = WithDiscIDs();
    AddGame(state, "5", "Final Game", "80000000H");
    LoadTXT(state, kHeader + Record("Final Game", "A", "Yes!") + Record("Final Game", "B", "Yes!"));
    ASSERT_EQ(JoinGame(state, 0), 1);
    ReloadTXT(state);
    EXPECT_EQ(JoinGame(state, 0), 1);
    EXPECT_EQ(state.txt.TxtTitleUpper[1], "FINAL GAME");  // not consumed a second time
}

TEST(Join, NothingToJoin) {
    ProgramState state = WithDiscIDs();
    EXPECT_EQ(JoinGame(state, 0), 0);  // no entry
    AddGame(state, "0172831837", "Racer", "80000000H");
    EXPECT_EQ(JoinGame(state, 0), 0);  // Compatibility.TXT not read
    EXPECT_EQ(JoinGame(state, -1), 0);
    EXPECT_EQ(JoinGame(state, 1), 0);
    LoadTXT(state, kHeader);
    EXPECT_EQ(JoinGame(state, 0), 0);  // the header record never joins
    // A title key that is empty (a table read before Compatibility.TXT) joins no title.
    LoadTXT(state, kHeader + Record("Racer", "X", "Yes!"));
    state.games.GameTitleKey[0].clear();
    EXPECT_EQ(JoinGame(state, 0), 0);
}

// The join as the literal double loop over prefix lengths and records, to hold the one-pass
// version to the same answers, consumption included.
int ReferenceJoin(const ProgramState& state, int i, std::vector<std::string>& titleUpper) {
    const GameTable& g = state.games;
    const CompatibilityTable& t = state.txt;
    for (const std::string& row : state.discIDs.rows) {
        if (row.substr(0, 10) != g.GameID[i]) continue;
        for (int j = 0; j < t.TxtCount; ++j) {
            if (t.TxtProductCode[j] == row.substr(10)) return j;
        }
    }
    const std::string& key = g.GameTitleKey[i];
    const std::string_view flags = TrimSpaces(g.GameFlags[i]);
    const bool gameWorks = flags.empty() || flags[0] != '4';
    for (std::size_t length = key.size(); length >= 1; --length) {
        for (int j = 0; j < t.TxtCount; ++j) {
            if (key.substr(0, length) != titleUpper[j]) continue;
            const std::string& status = t.TxtStatus[j];
            if (status != "Yes!" && status != "Partially" && status != "Not Yet") continue;
            if ((status != "Not Yet") == gameWorks) {
                titleUpper[j] = "***clear***";
                return j;
            }
        }
    }
    return 0;
}

TEST(Join, AgreesWithTheLiteralDoubleLoop) {
    std::mt19937 random(20260);
    auto pick = [&](std::initializer_list<const char*> from) {
        return std::string(*(from.begin() + random() % from.size()));
    };
    for (int round = 0; round < 200; ++round) {
        ProgramState state = WithDiscIDs();
        const int games = 1 + static_cast<int>(random() % 12);
        for (int k = 0; k < games; ++k) {
            std::string title;
            for (int n = static_cast<int>(random() % 7); n > 0; --n) title += pick({"a", "B", " ", "c"});
            AddGame(state, pick({"0099269388", "0172831837", "1", "2"}), title,
                    pick({"80000000H", "40000000H", " 4", "0", ""}));
        }
        std::string text = kHeader;
        const int records = static_cast<int>(random() % 15);
        for (int k = 0; k < records; ++k) {
            std::string title;
            for (int n = static_cast<int>(random() % 4); n > 0; --n) title += pick({"A", "b", " ", "C"});
            text += Record(title, pick({"SLES-01903", "SLES-61903", "SLPS-00982", "X"}),
                           pick({"Yes!", "Partially", "Not Yet", "Maybe"}));
        }
        LoadTXT(state, text);
        std::vector<std::string> titleUpper(state.txt.TxtTitleUpper.begin(), state.txt.TxtTitleUpper.end());
        for (int n = 0; n < games * 2; ++n) {
            const int i = static_cast<int>(random() % static_cast<unsigned>(games));
            if (state.games.GameTxtIndex[i] != 0) continue;  // the view joins only unjoined games
            SCOPED_TRACE("round " + std::to_string(round) + ", game " + std::to_string(i));
            const int expected = ReferenceJoin(state, i, titleUpper);
            ASSERT_EQ(JoinGame(state, i), expected);
            ASSERT_EQ(std::vector<std::string>(state.txt.TxtTitleUpper.begin(), state.txt.TxtTitleUpper.end()),
                      titleUpper);
        }
    }
}

// Copies the fixture pair into a temp folder and loads both, as start-up does.
void StartUp(ProgramState& state, const testing::TempFolder& folder) {
    const std::filesystem::path fixtures = std::string(TOLVA_FIXTURES) + "/txt_join";
    std::filesystem::copy_file(fixtures / "bleem!.INI", folder.file("bleem!.INI"));
    std::filesystem::copy_file(fixtures / "Compatibility.TXT", folder.file("Compatibility.TXT"));
    state.folders.IniPath = folder.path();
    state.folders.TxtPath = folder.path();
    InitDiscIDs(state.discIDs);
    FailureLog recorder;
    ASSERT_TRUE(ReadINI(state, recorder.sink()));
    ASSERT_TRUE(ReadTXT(state, recorder.sink()));
    ASSERT_TRUE(recorder.failures.empty());
}

int EntryWithID(const GameTable& games, const std::string& id) {
    for (int i = 0; i <= games.GameLast; ++i) {
        if (games.GameID[i] == id) return i;
    }
    return -1;
}

// The reload rule after a change of bleem!.INI: ReadINI, then ReloadTXT.
void Reload(ProgramState& state) {
    FailureLog recorder;
    ASSERT_TRUE(ReadINI(state, recorder.sink()));
    ReloadTXT(state);
    ASSERT_TRUE(recorder.failures.empty());
}

TEST(JoinFollowsItsGame, AfterAnEntryIsAddedAboveIt) {
    ProgramState state;
    testing::TempFolder folder;
    StartUp(state, folder);
    ASSERT_EQ(state.games.GameTitle[0], "Broken Quest");
    ASSERT_EQ(state.games.GameTitle[2], "Final Game (Disc 1)");
    EXPECT_EQ(JoinGame(state, 0), 3);  // by title, both not working
    EXPECT_EQ(JoinGame(state, 1), 2);  // by product code, titles differ
    EXPECT_EQ(JoinGame(state, 2), 1);  // by title prefix

    // A new entry sorts above all three and moves each of them one slot down.
    {
        std::ofstream ini(folder.file("bleem!.INI"), std::ios::binary | std::ios::app);
        ini << "\r\nID=3333333333\r\nTitle=Aardvark Adventure\r\nFlags=80000000H\r\n";
    }
    Reload(state);
    ASSERT_EQ(state.games.GameLast, 3);
    ASSERT_EQ(state.games.GameTitle[0], "Aardvark Adventure");
    EXPECT_EQ(state.games.GameTxtIndex[EntryWithID(state.games, "3333333333")], 0);
    EXPECT_EQ(state.games.GameTxtIndex[EntryWithID(state.games, "2222222222")], 3);
    EXPECT_EQ(state.games.GameTxtIndex[EntryWithID(state.games, "0172831837")], 2);
    EXPECT_EQ(state.games.GameTxtIndex[EntryWithID(state.games, "1111111111")], 1);
    EXPECT_EQ(state.games.GameTitleKey[0], "AARDVARK ADVENTURE");
    EXPECT_EQ(JoinGame(state, 0), 0);  // nothing fits the new game

    // An entry whose title changed is a different game: it is joined afresh.
    {
        std::ofstream ini(folder.file("bleem!.INI"), std::ios::binary | std::ios::trunc);
        ini << "ID=1111111111\r\nTitle=Final Game (Disc 2)\r\nFlags=80000000H\r\n"
               "ID=2222222222\r\nTitle=Broken Quest\r\nFlags=40000000H\r\n";
    }
    Reload(state);
    ASSERT_EQ(state.games.GameTitle[1], "Final Game (Disc 2)");
    EXPECT_EQ(state.games.GameTxtIndex[0], 3);
    EXPECT_EQ(state.games.GameTxtIndex[1], 0);
    EXPECT_EQ(JoinGame(state, 1), 1);  // the consumed record came back with ReloadTXT
}

TEST(JoinFollowsItsGame, RestoreGivesNothingToEntriesNeverJoined) {
    ProgramState state = WithDiscIDs();
    AddGame(state, "5", "Final Game", "80000000H");
    AddGame(state, "6", "Other", "80000000H");
    LoadTXT(state, kHeader + Record("Final Game", "A", "Yes!"));
    ASSERT_EQ(JoinGame(state, 0), 1);
    // A re-read that leaves stale values in the slots, and swaps the two entries.
    std::swap(state.games.GameID[0], state.games.GameID[1]);
    std::swap(state.games.GameTitle[0], state.games.GameTitle[1]);
    std::swap(state.games.GameTitleUpper[0], state.games.GameTitleUpper[1]);
    state.games.GameTitleKey[0] = "STALE";
    RestoreJoins(state.games, state.txt);
    EXPECT_EQ(state.games.GameTxtIndex[0], 0);
    EXPECT_EQ(state.games.GameTxtIndex[1], 1);
    EXPECT_EQ(state.games.GameTitleKey[0], "OTHER");
    EXPECT_EQ(state.games.GameTitleKey[1], "FINAL GAME");
}

}  // namespace
}  // namespace tolva
