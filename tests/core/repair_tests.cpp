// The repair search on hand-made tables, the lists of the wizard's pages and the disabling of
// the entries the user marked.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/database/gametable.h"
#include "core/tools/repair.h"
#include "ini_test_files.h"

namespace tolva {
namespace {

using testing::FailureLog;
using testing::ReadFileBytes;
using testing::TempFolder;

struct Game {
    std::string id;
    std::string title;
    std::string flags = "80000000H";
};

GameTable Table(const std::vector<Game>& games) {
    GameTable table;
    for (const Game& game : games) {
        ++table.GameLast;
        const auto at = static_cast<std::size_t>(table.GameLast);
        table.GameID[at] = game.id;
        table.GameTitle[at] = game.title;
        table.GameFlags[at] = game.flags;
    }
    return table;
}

RepairStore Search(const std::vector<Game>& games) {
    RepairStore store;
    EXPECT_TRUE(RunRepairSearch(Table(games), store, {}));
    return store;
}

std::vector<std::string> Texts(const std::vector<RepairLine>& lines) {
    std::vector<std::string> texts;
    for (const RepairLine& line : lines) texts.push_back(line.text);
    return texts;
}

const std::string kSep(kRepairSeparator);

TEST(RepairDuplicates, TwoEntriesSharingADiscIDGiveOnePairWithoutSeparator) {
    const RepairStore store = Search({{"1111111111", "Alpha"}, {"2222222222", "Beta"}, {"1111111111", "Gamma"}});
    ASSERT_EQ(store.DupCount(), 1);
    EXPECT_EQ(store.DupFirst[0], 0);
    EXPECT_EQ(store.DupSecond[0], 2);
    EXPECT_EQ(Texts(DuplicateLines(store)), (std::vector<std::string>{"Alpha", "Gamma"}));
}

TEST(RepairDuplicates, ThreeEntriesSharingADiscIDGiveThreePairsOnEightLines) {
    const RepairStore store = Search({{"1111111111", "Alpha"},
                                      {"1111111111", "Beta"},
                                      {"3333333333", "Delta"},
                                      {"1111111111", "Gamma"},
                                      {"3333333334", "Omega"}});
    ASSERT_EQ(store.DupCount(), 3);
    EXPECT_EQ(store.DupFirst, (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(store.DupSecond, (std::vector<int>{1, 3, 3}));
    const std::vector<RepairLine> lines = DuplicateLines(store);
    EXPECT_EQ(Texts(lines),
              (std::vector<std::string>{"Alpha", "Beta", kSep, "Alpha", "Gamma", kSep, "Beta", "Gamma"}));
    EXPECT_EQ(kSep, std::string(34, '-'));
    EXPECT_EQ(lines[2].entry, -1);
    EXPECT_EQ(lines[3].entry, 0);
    EXPECT_EQ(lines[7].entry, 3);
}

TEST(RepairDuplicates, DiscIDsDifferingOnlyInABlankOrLetterCaseAreNotDuplicates) {
    const RepairStore store = Search({{"1234567890", "A"},
                                      {"1234567890 ", "B"},
                                      {"12345 67890", "C"},
                                      {" 1234567890", "D"},
                                      {"abc", "E"},
                                      {"ABC", "F"}});
    EXPECT_EQ(store.DupCount(), 0);
    EXPECT_TRUE(DuplicateLines(store).empty());
}

TEST(RepairDuplicates, PairsBeyondTheStoreAreCountedNotKept) {
    std::vector<Game> games;
    for (int i = 0; i < 66; ++i) games.push_back({"1111111111", "Game " + std::to_string(i)});
    const RepairStore store = Search(games);  // 66 * 65 / 2 = 2145 pairs
    EXPECT_EQ(store.DupCount(), 2048);
    EXPECT_EQ(store.DupDropped, 2145u - 2048u);
    EXPECT_EQ(store.DupFirst.back(), 51);  // the pairs kept are the first ones in pair order
    EXPECT_EQ(store.DupSecond.back(), 59);
    EXPECT_EQ(DuplicateLines(store).size(), 2048u * 3 - 1);
}

TEST(RepairNumber, ReadsLikeTheNumberReadingOfTheDiscIDTest) {
    EXPECT_EQ(ReadNumber("4294967295"), 4294967295.0);
    EXPECT_EQ(ReadNumber(" 1 2 3 "), 123.0);
    EXPECT_EQ(ReadNumber("12ab34"), 12.0);
    EXPECT_EQ(ReadNumber("-17"), -17.0);
    EXPECT_EQ(ReadNumber("+17"), 17.0);
    EXPECT_EQ(ReadNumber("1.5E3"), 1500.0);
    EXPECT_EQ(ReadNumber("1.5e-1"), 0.15);
    EXPECT_EQ(ReadNumber(".5"), 0.5);
    EXPECT_EQ(ReadNumber("7."), 7.0);
    EXPECT_EQ(ReadNumber("1E"), 1.0);   // an exponent without digits is not read
    EXPECT_EQ(ReadNumber("1E+x"), 1.0);
    EXPECT_EQ(ReadNumber("1,000"), 1.0);
    EXPECT_EQ(ReadNumber(""), 0.0);
    EXPECT_EQ(ReadNumber("abc"), 0.0);
    EXPECT_EQ(ReadNumber("-"), 0.0);
    EXPECT_EQ(ReadNumber("."), 0.0);
    EXPECT_TRUE(std::isinf(ReadNumber("1E400")));
    EXPECT_TRUE(std::isinf(ReadNumber("9E99999999999999999999")));
    EXPECT_EQ(ReadNumber("1E-400"), 0.0);
    EXPECT_EQ(ReadNumber(std::string(400, '9') + "E-400"), 1.0);  // long mantissas round
}

TEST(RepairNumber, WritesTheShortestForm) {
    EXPECT_EQ(NumberText(4294967295.0), "4294967295");
    EXPECT_EQ(NumberText(172831837.0), "172831837");
    EXPECT_EQ(NumberText(0.0), "0");
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(-5.0), "-5");
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(999999999999999.0), "999999999999999");  // fifteen digits: no exponent
    EXPECT_EQ(NumberText(1e15), "1E+15");                          // sixteen digits: exponent
    EXPECT_EQ(NumberText(12345678901234567.0), "1.23456789012346E+16");
}

TEST(RepairDiscIDs, TheEdgeCasesOfTheTest) {
    EXPECT_FALSE(WrongDiscID("4294967295"));
    EXPECT_FALSE(WrongDiscID("1234567890"));
    EXPECT_TRUE(WrongDiscID("123456789"));    // nine digits
    EXPECT_TRUE(WrongDiscID("12345678901"));  // eleven digits
    EXPECT_TRUE(WrongDiscID(""));
    EXPECT_TRUE(WrongDiscID("0172831837"));   // reads as nine digits
    EXPECT_TRUE(WrongDiscID("SLUS-00707"));
    // Blanks are skipped and reading stops at the first other character.
    EXPECT_FALSE(WrongDiscID("12345 67890"));
    EXPECT_FALSE(WrongDiscID("1234567890abc"));
    EXPECT_FALSE(WrongDiscID("1234567890.0"));
    // Ten characters that are not ten digits do not pass.
    EXPECT_TRUE(WrongDiscID("-123456789"));
    EXPECT_TRUE(WrongDiscID("12345.6789"));
    EXPECT_TRUE(WrongDiscID("1E400"));
}

TEST(RepairDiscIDs, WrongOnesAreRecordedInTableOrder) {
    const RepairStore store = Search({{"4294967295", "A"},
                                      {"123456789", "B"},
                                      {"12345678901", "C"},
                                      {"", "D"},
                                      {"0172831837", "E"},
                                      {"1000000000", "F"}});
    EXPECT_EQ(store.WrongID, (std::vector<int>{1, 2, 3, 4}));
}

TEST(RepairFlags, PositionRules) {
    const struct {
        const char* flags;
        std::vector<int> wrong;
    } cases[] = {
        {"80000000H", {}},
        {"90000000H", {1}},
        {"84000000H", {2}},
        {"80000100H", {6}},
        {"8000000H", {8}},  // one short: position 8 holds the "H"
        {"00000000H", {}},
        {"40000000H", {}},
        {"87000000H", {}},  // position 2 does not depend on the status
        {"08000000H", {2}},
        {"01211010H", {}},  // works partially, with remarks
        {"03346020H", {}},  // the highest remark of every position
        {"00400000H", {3}},
        {"00050000H", {4}},
        {"00007000H", {5}},
        {"00000030H", {7}},
        {"00000001H", {8}},
        {"80100000H", {3}},  // a working game carries no remark
        {"40000010H", {7}},  // nor does one that does not work
        {"80110110H", {3, 4, 6, 7}},
        {"80000000X", {}},   // the ninth character is not examined
        {"8H", {2, 3, 4, 5, 6, 7, 8}},
        {"", {1, 2, 3, 4, 5, 6, 7, 8}},
        {"a0000000H", {1}},
    };
    for (const auto& c : cases) EXPECT_EQ(WrongFlagsPositions(c.flags), c.wrong) << c.flags;
}

TEST(RepairFlags, AnEntryIsRecordedOnceWhateverNumberOfPositionsFail) {
    const RepairStore store = Search({{"1000000001", "A", "80000000H"},
                                      {"1000000002", "B", "99999999H"},
                                      {"1000000003", "C", "01211010H"},
                                      {"1000000004", "D", "84000000H"}});
    EXPECT_EQ(store.WrongFlags, (std::vector<int>{1, 3}));
}

TEST(RepairSearch, AnnouncesThePhasesInOrderAndStopsWhenTold) {
    const GameTable table = Table({{"1", "A", "9"}, {"1", "B", "9"}});
    RepairStore store;
    std::vector<RepairPhase> phases;
    EXPECT_TRUE(RunRepairSearch(table, store, [&](RepairPhase phase) {
        phases.push_back(phase);
        return true;
    }));
    EXPECT_EQ(phases, (std::vector<RepairPhase>{RepairPhase::Duplicates, RepairPhase::WrongIDs, RepairPhase::WrongFlags}));
    EXPECT_EQ(store.DupCount(), 1);
    EXPECT_EQ(store.WrongIDCount(), 2);
    EXPECT_EQ(store.WrongFlagsCount(), 2);

    // A new search starts from nothing, and one left in its second phase finds no wrong IDs.
    EXPECT_FALSE(RunRepairSearch(table, store, [](RepairPhase phase) { return phase != RepairPhase::WrongIDs; }));
    EXPECT_EQ(store.DupCount(), 1);
    EXPECT_EQ(store.WrongIDCount(), 0);
    EXPECT_EQ(store.WrongFlagsCount(), 0);
}

TEST(RepairSearch, CopiesOnlyTheLoadedEntries) {
    GameTable table = Table({{"1000000001", "A"}});
    table.GameID[1] = "1000000001";  // a stale slot beyond GameLast
    RepairStore store;
    RunRepairSearch(table, store, {});
    EXPECT_EQ(store.entries(), 1);
    EXPECT_EQ(store.DupCount(), 0);
    RunRepairSearch(GameTable{}, store, {});
    EXPECT_EQ(store.entries(), 0);
}

TEST(RepairPage1, TheSeparatorNeverKeepsATickAndAnEntryTicksAllItsLines) {
    const RepairStore store = Search({{"1111111111", "Alpha"}, {"1111111111", "Beta"}, {"1111111111", "Gamma"}});
    const std::vector<RepairLine> lines = DuplicateLines(store);
    ASSERT_EQ(lines.size(), 8u);
    std::set<int> marked;
    ClickDuplicateLine(lines[2], marked);  // the separator
    EXPECT_TRUE(marked.empty());
    EXPECT_FALSE(LineTicked(lines[2], marked));

    ClickDuplicateLine(lines[1], marked);  // Beta of the first pair
    EXPECT_EQ(marked, (std::set<int>{1}));
    for (std::size_t k = 0; k < lines.size(); ++k)
        EXPECT_EQ(LineTicked(lines[k], marked), lines[k].text == "Beta") << k;

    ClickDuplicateLine(lines[5], marked);  // the separator again, with a tick elsewhere
    EXPECT_EQ(marked, (std::set<int>{1}));
    ClickDuplicateLine(lines[6], marked);  // Beta of the third pair unticks it everywhere
    EXPECT_TRUE(marked.empty());
}

TEST(RepairPages, WrongEntriesAreListedInColumnsUntilMarked) {
    const RepairStore store = Search({{"123", "Short ID", "80000000H"},
                                      {"1234567890", "Fine", "80000000H"},
                                      {"123456789012345", "Long ID", "9H"}});
    EXPECT_EQ(Texts(WrongIDLines(store, {})),
              (std::vector<std::string>{"123" + std::string(14, ' ') + "Short ID", "123456789012345  Long ID"}));
    EXPECT_EQ(Texts(WrongFlagsLines(store, {})), (std::vector<std::string>{"9H" + std::string(9, ' ') + "Long ID"}));
    const std::vector<RepairLine> afterMark = WrongIDLines(store, {0});
    ASSERT_EQ(afterMark.size(), 1u);
    EXPECT_EQ(afterMark[0].entry, 2);
    EXPECT_TRUE(WrongFlagsLines(store, {2}).empty());
}

TEST(RepairPages, MarkedEntriesAreTakenAsLoaded) {
    const RepairStore store = Search({{"1", "A", "x"}, {"2", "B", "y"}, {"3", "C", "z"}});
    const std::vector<IniEntry> entries = MarkedEntries(store, {2, 0, 7});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].ID, "1");
    EXPECT_EQ(entries[1].Title, "C");
    EXPECT_EQ(entries[1].Flags, "z");
}

const std::string kTwins =
    "; header\r\nVersion=3\r\n\r\nID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n"
    "\r\nID=1111111111\r\nTitle=Beta\r\nFlags=40000000H\r\n"
    "\r\nid = 2222222222\r\n  TITLE=Gamma\r\nTitle=Gamma 2\r\nFlags=0\r\n"
    "\r\nID=3333333333\r\nFlags=9\r\n";

TEST(RepairDisable, DisablesTheMatchingBlockEvenWhenItIsNotTheLastWithItsDiscID) {
    const EditedText edited = DisableEntriesText(kTwins, {{"1111111111", "Alpha", "80000000H"}});
    ASSERT_TRUE(edited.ok) << edited.error;
    EXPECT_EQ(edited.bytes,
              "; header\r\nVersion=3\r\n\r\n;ID=1111111111\r\n;Title=Alpha\r\n;Flags=80000000H\r\n"
              "\r\nID=1111111111\r\nTitle=Beta\r\nFlags=40000000H\r\n"
              "\r\nid = 2222222222\r\n  TITLE=Gamma\r\nTitle=Gamma 2\r\nFlags=0\r\n"
              "\r\nID=3333333333\r\nFlags=9\r\n");
    GameTable reread;
    ASSERT_TRUE(ReadINIText(reread, edited.bytes, [](const Failure&) { return Resolution::Cancel; }));
    EXPECT_EQ(reread.GameLast, 2);
}

TEST(RepairDisable, EveryKeyLineOfTheBlockIsDisabledAndUntitledEntriesAreFound) {
    const EditedText edited =
        DisableEntriesText(kTwins, {{"2222222222", "Gamma 2", "0"}, {"3333333333", kUnknownTitle, "9"}});
    ASSERT_TRUE(edited.ok) << edited.error;
    EXPECT_EQ(edited.bytes,
              "; header\r\nVersion=3\r\n\r\nID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n"
              "\r\nID=1111111111\r\nTitle=Beta\r\nFlags=40000000H\r\n"
              "\r\n;id = 2222222222\r\n;  TITLE=Gamma\r\n;Title=Gamma 2\r\n;Flags=0\r\n"
              "\r\n;ID=3333333333\r\n;Flags=9\r\n");
}

TEST(RepairDisable, IdenticalEntriesAreDisabledOnePerRequest) {
    const std::string twice = "ID=1\r\nTitle=A\r\nFlags=8\r\nID=1\r\nTitle=A\r\nFlags=8\r\n";
    const EditedText once = DisableEntriesText(twice, {{"1", "A", "8"}});
    ASSERT_TRUE(once.ok);
    EXPECT_EQ(once.bytes, "ID=1\r\nTitle=A\r\nFlags=8\r\n;ID=1\r\n;Title=A\r\n;Flags=8\r\n");
    const EditedText both = DisableEntriesText(twice, {{"1", "A", "8"}, {"1", "A", "8"}});
    ASSERT_TRUE(both.ok);
    EXPECT_EQ(both.bytes, ";ID=1\r\n;Title=A\r\n;Flags=8\r\n;ID=1\r\n;Title=A\r\n;Flags=8\r\n");
    EXPECT_FALSE(DisableEntriesText(twice, {{"1", "A", "8"}, {"1", "A", "8"}, {"1", "A", "8"}}).ok);
}

TEST(RepairDisable, AnEntryChangedSinceTheLoadRefusesTheWholeChange) {
    const EditedText edited =
        DisableEntriesText(kTwins, {{"1111111111", "Alpha", "80000000H"}, {"1111111111", "Beta", "80000000H"}});
    EXPECT_FALSE(edited.ok);
    EXPECT_NE(edited.error.find("1111111111"), std::string::npos);
    EXPECT_NE(edited.error.find("Beta"), std::string::npos);
    EXPECT_TRUE(edited.bytes.empty());
}

TEST(RepairDisable, AFileBeyondTheLineBufferIsRefused) {
    std::string big;
    for (std::size_t k = 0; k < kIniLineCapacity; ++k) big += "; line\r\n";
    big += "ID=1\r\nTitle=A\r\nFlags=8\r\n";
    EXPECT_FALSE(DisableEntriesText(big, {{"1", "A", "8"}}).ok);
}

struct IniFolder {
    TempFolder folder;
    ProgramState state;
    FailureLog log;

    explicit IniFolder(const std::string& bytes) {
        folder.write("bleem!.INI", bytes);
        state.folders.IniPath = folder.path();
    }
    std::string file() const { return ReadFileBytes(folder.file("bleem!.INI")); }
};

TEST(RepairDisable, WritesTheFileAndReportsNothingOnSuccess) {
    IniFolder ini(kTwins);
    EXPECT_TRUE(DisableEntries(ini.state, {{"1111111111", "Beta", "40000000H"}}, ini.log.sink()));
    EXPECT_TRUE(ini.log.failures.empty());
    EXPECT_NE(ini.file().find(";ID=1111111111\r\n;Title=Beta\r\n;Flags=40000000H\r\n"), std::string::npos);
    EXPECT_NE(ini.file().find("\r\nID=1111111111\r\nTitle=Alpha"), std::string::npos);
}

TEST(RepairDisable, NothingToDisableLeavesTheFileAlone) {
    IniFolder ini("ID=1\nTitle=A\nFlags=8");  // would gain CR LF endings on any rewrite
    EXPECT_TRUE(DisableEntries(ini.state, {}, ini.log.sink()));
    EXPECT_EQ(ini.file(), "ID=1\nTitle=A\nFlags=8");
}

TEST(RepairDisable, RefusalsReachTheSinkAndLeaveTheFileUnchanged) {
    IniFolder ini(kTwins);
    ini.log.answer = Resolution::Cancel;
    EXPECT_FALSE(DisableEntries(ini.state, {{"9999999999", "Nobody", ""}}, ini.log.sink()));
    ASSERT_EQ(ini.log.failures.size(), 1u);
    EXPECT_TRUE(ini.log.failures[0].module.empty());
    EXPECT_NE(ini.log.failures[0].description.find("left unchanged"), std::string::npos);
    EXPECT_EQ(ini.file(), kTwins);

    ini.state.games.Truncated = true;
    ini.log.answer = Resolution::Resume;
    EXPECT_TRUE(DisableEntries(ini.state, {{"1111111111", "Beta", "40000000H"}}, ini.log.sink()));
    EXPECT_EQ(ini.log.failures.size(), 2u);
    EXPECT_EQ(ini.file(), kTwins);

    ini.state.games.Truncated = false;
    ini.state.folders.IniPath = ini.folder.file("gone");
    EXPECT_TRUE(DisableEntries(ini.state, {{"1111111111", "Beta", "40000000H"}}, ini.log.sink()));
    EXPECT_EQ(ini.log.failures.size(), 3u);
}

}  // namespace
}  // namespace tolva
