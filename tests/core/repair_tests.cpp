// The repair search on hand-made tables, the lists of the wizard's pages and the disabling of
// the entries the user marked.
#include "core/tools/repair.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/database/gametable.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;
using Texts = std::vector<std::string>;

RepairStore Search(const std::vector<std::array<std::string, 3>>& games) {
    GameTable table;
    for (const auto& [id, title, flags] : games) AddGame(table, id, title, flags);
    RepairStore store;
    EXPECT_TRUE(RunRepairSearch(table, store, {}));
    return store;
}

Texts TextsOf(const std::vector<RepairLine>& lines) {
    Texts texts;
    for (const RepairLine& line : lines) texts.push_back(line.text);
    return texts;
}

TEST(RepairDuplicates, EveryPairSharingADiscIDExactlyInPairOrder) {
    const std::string sep(kRepairSeparator);
    EXPECT_EQ(sep, std::string(34, '-'));
    const RepairStore store = Search({{"1111111111", "Alpha", "8"}, {"1111111111", "Beta", "8"}, {"3333333333", "Delta", "8"},
                                      {"1111111111", "Gamma", "8"}, {"3333333334", "Omega", "8"}, {"1234567890 ", "B", "8"},
                                      {" 1234567890", "D", "8"}, {"abc", "E", "8"}, {"ABC", "F", "8"}, {"1234567890", "G", "8"}});
    EXPECT_EQ(store.DupFirst, (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(store.DupSecond, (std::vector<int>{1, 3, 3}));
    const std::vector<RepairLine> lines = DuplicateLines(store);
    EXPECT_EQ(TextsOf(lines), (Texts{"Alpha", "Beta", sep, "Alpha", "Gamma", sep, "Beta", "Gamma"}));
    // (Each line's entry is what RepairPages ticks by.)
    std::vector<std::array<std::string, 3>> many;  // 66 * 65 / 2 = 2145 pairs: the first 2048 kept
    for (int i = 0; i < 66; ++i) many.push_back({"1111111111", "Game " + std::to_string(i), "8"});
    const RepairStore full = Search(many);
    EXPECT_EQ(full.DupCount(), 2048);
    EXPECT_EQ(full.DupDropped, 2145u - 2048u);
    EXPECT_EQ(std::pair(full.DupFirst.back(), full.DupSecond.back()), std::pair(51, 59));  // the last pair kept
    EXPECT_EQ(DuplicateLines(full).size(), 2048u * 3 - 1);
    const RepairStore most = Search(std::vector<std::array<std::string, 3>>(2049, {"1", "W", "8"}));  // 2049 wrong IDs and flags: 2048 kept
    EXPECT_EQ(std::vector<std::size_t>({most.WrongID.size(), most.WrongIDDropped, most.WrongFlags.size(), most.WrongFlagsDropped}),
              std::vector<std::size_t>({2048, 1, 2048, 1}));
}

TEST(RepairNumber, ReadsAndWritesNumbersAsTheDiscIDTestDoes) {
    const std::pair<std::string, double> read[] = {
        {"4294967295", 4294967295.0}, {" 1 2 3 ", 123.0}, {"12ab34", 12.0}, {"-17", -17.0}, {"+17", 17.0},
        {"1.5E3", 1500.0}, {"1.5e-1", 0.15}, {".5", 0.5}, {"7.", 7.0}, {"1E", 1.0}, {"1E+x", 1.0}, {"1,000", 1.0},
        {"", 0.0}, {"abc", 0.0}, {"-", 0.0}, {".", 0.0}, {"1E-400", 0.0}, {std::string(400, '9') + "E-400", 1.0}, {std::string(400, '9') + "E-10", HUGE_VAL},
        {"2e+2", 200.0}, {"0.25E1", 2.5}, {"1e0", 1.0}, {"1ee2", 1.0}, {"7x3", 7.0}};
    for (const auto& [text, value] : read) EXPECT_EQ(ReadNumber(text), value) << text;
    EXPECT_TRUE(std::isinf(ReadNumber("1E400")));
    EXPECT_TRUE(std::isinf(ReadNumber("9E99999999999999999999")));
    const std::pair<double, const char*> written[] = {
        {4294967295.0, "4294967295"}, {0.0, "0"}, {-0.0, "0"}, {-5.0, "-5"}, {0.5, "0.5"},
        {999999999999999.0, "999999999999999"}, {1e15, "1E+15"}, {12345678901234567.0, "1.23456789012346E+16"},
        {0.0001, "0.0001"}, {1.5e-7, "1.5E-07"}};
    for (const auto& [value, text] : written) EXPECT_EQ(NumberText(value), text) << value;
}

TEST(RepairDiscIDs, TenDigitsReadAsANumberOfTenDigits) {
    for (const char* right : {"4294967295", "1234567890", "12345 67890", "1234567890abc", "1234567890.0", "1000000000", "1E9"})
        EXPECT_FALSE(WrongDiscID(right)) << right;
    for (const char* wrong : {"123456789", "12345678901", "", "0172831837", "SLUS-00707", "-123456789", "12345.6789",
                              "1E400", "9999999999.5"})
        EXPECT_TRUE(WrongDiscID(wrong)) << wrong;
    const RepairStore store = Search({{"4294967295", "A", "8"}, {"123456789", "B", "8"}, {"12345678901", "C", "8"},
                                      {"", "D", "8"}, {"0172831837", "E", "8"}, {"1000000000", "F", "8"}});
    EXPECT_EQ(store.WrongID, (std::vector<int>{1, 2, 3, 4}));
}

TEST(RepairFlags, PositionRules) {
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"80000000H", {}}, {"90000000H", {1}}, {"84000000H", {2}}, {"80000100H", {6}},
        {"8000000H", {8}},  // one short: position 8 holds the "H"
        {"00000000H", {}}, {"40000000H", {}}, {"87000000H", {}}, {"08000000H", {2}}, {"01211010H", {}},
        {"03346020H", {}},  // the highest remark of every position
        {"00400000H", {3}}, {"00050000H", {4}}, {"00007000H", {5}}, {"00000030H", {7}}, {"00000001H", {8}},
        {"80100000H", {3}},  // a working game carries no remark
        {"40000010H", {7}},  // nor does one that does not work
        {"80110110H", {3, 4, 6, 7}}, {"80000000X", {}}, {"8H", {2, 3, 4, 5, 6, 7, 8}},
        {"", {1, 2, 3, 4, 5, 6, 7, 8}}, {"a0000000H", {1}}, {"0/:00000H", {2, 3}}};
    for (const auto& [flags, wrong] : cases) EXPECT_EQ(WrongFlagsPositions(flags), wrong) << flags;
    const RepairStore store = Search({{"1000000001", "A", "80000000H"}, {"1000000002", "B", "99999999H"},
                                      {"1000000003", "C", "01211010H"}, {"1000000004", "D", "84000000H"}});
    EXPECT_EQ(store.WrongFlags, (std::vector<int>{1, 3}));  // once, however many positions fail
}

TEST(RepairSearch, AnnouncesThePhasesInOrderAndStopsWhenTold) {
    GameTable table;
    AddGame(table, "1", "A", "9");
    AddGame(table, "1", "B", "9");
    table.GameID[2] = "1";  // a stale slot beyond GameLast is not copied
    RepairStore store;
    std::vector<RepairPhase> phases;
    EXPECT_TRUE(RunRepairSearch(table, store, [&](RepairPhase phase) {
        phases.push_back(phase);
        return true;
    }));
    EXPECT_EQ(phases, (std::vector<RepairPhase>{RepairPhase::Duplicates, RepairPhase::WrongIDs, RepairPhase::WrongFlags}));
    EXPECT_EQ(store.entries(), 2);
    EXPECT_EQ(std::vector<int>({store.DupCount(), store.WrongIDCount(), store.WrongFlagsCount()}), std::vector<int>({1, 2, 2}));
    // A new search starts from nothing; one stopped in its second phase finds no wrong IDs.
    EXPECT_FALSE(RunRepairSearch(table, store, [](RepairPhase phase) { return phase != RepairPhase::WrongIDs; }));
    EXPECT_EQ(std::vector<int>({store.DupCount(), store.WrongIDCount(), store.WrongFlagsCount()}), std::vector<int>({1, 0, 0}));
    EXPECT_FALSE(RunRepairSearch(table, store, [](RepairPhase phase) { return phase != RepairPhase::WrongFlags; }));
    EXPECT_EQ(std::vector<int>({store.DupCount(), store.WrongIDCount(), store.WrongFlagsCount()}), std::vector<int>({1, 2, 0}));
    EXPECT_FALSE(RunRepairSearch(table, store, [](RepairPhase) { return false; }));
    EXPECT_EQ(store.DupCount(), 0);
}

TEST(RepairPages, TicksListsAndMarkedEntries) {
    const RepairStore store = Search({{"1111111111", "Alpha", "8"}, {"1111111111", "Beta", "8"}, {"1111111111", "Gamma", "8"}});
    const std::vector<RepairLine> lines = DuplicateLines(store);
    std::set<int> marked;
    ClickDuplicateLine(lines[2], marked);  // the separator never keeps a tick
    EXPECT_TRUE(marked.empty());
    ClickDuplicateLine(lines[1], marked);  // Beta of the first pair ticks Beta everywhere
    for (std::size_t k = 0; k < lines.size(); ++k) EXPECT_EQ(LineTicked(lines[k], marked), lines[k].text == "Beta") << k;
    ClickDuplicateLine(lines[6], marked);  // and of the third unticks it everywhere
    EXPECT_TRUE(marked.empty());
    ClickDuplicateLine(lines[0], marked);  // the table's first entry too
    EXPECT_EQ(marked, std::set<int>{0});
    marked.clear();
    const RepairStore wrong = Search({{"123", "Short ID", "80000000H"}, {"1234567890", "Fine", "80000000H"},
                                      {"123456789012345", "Long ID", "9H"}});
    EXPECT_EQ(TextsOf(WrongIDLines(wrong, {})), (Texts{"123" + std::string(14, ' ') + "Short ID", "123456789012345  Long ID"}));
    EXPECT_EQ(TextsOf(WrongFlagsLines(wrong, {})), (Texts{"9H" + std::string(9, ' ') + "Long ID"}));
    EXPECT_EQ(WrongIDLines(wrong, {0}).at(0).entry, 2);
    EXPECT_TRUE(WrongFlagsLines(wrong, {2}).empty());
    const std::vector<IniEntry> entries = MarkedEntries(wrong, {2, 0, 7});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].ID + entries[0].Title + entries[0].Flags, "123Short ID80000000H");
    EXPECT_EQ(entries[1].ID + entries[1].Title + entries[1].Flags, "123456789012345Long ID9H");
}

const std::string kTwins = "; header\r\nVersion=3\r\n\r\nID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n"
    "\r\nID=1111111111\r\nTitle=Beta\r\nFlags=40000000H\r\n"
    "\r\nid = 2222222222\r\n  TITLE=Gamma\r\nTitle=Gamma 2\r\nFlags=0\r\n"
    "\r\nID=3333333333\r\nFlags=9\r\n";

// The block matching the entry as loaded is disabled, every key line of it, even when it is not
// the last with its disc ID; an untitled entry is found by the unknown title.
TEST(RepairDisable, DisablesTheBlocksMatchingTheLoadedEntries) {
    const EditedText edited = DisableEntriesText(
        kTwins, {{"1111111111", "Alpha", "80000000H"}, {"2222222222", "Gamma 2", "0"}, {"3333333333", kUnknownTitle, "9"}});
    ASSERT_TRUE(edited.ok) << edited.error;
    EXPECT_EQ(edited.bytes, "; header\r\nVersion=3\r\n\r\n;ID=1111111111\r\n;Title=Alpha\r\n;Flags=80000000H\r\n"
              "\r\nID=1111111111\r\nTitle=Beta\r\nFlags=40000000H\r\n"
              "\r\n;id = 2222222222\r\n;  TITLE=Gamma\r\n;Title=Gamma 2\r\n;Flags=0\r\n"
              "\r\n;ID=3333333333\r\n;Flags=9\r\n");
    const std::string twice = "ID=1\r\nTitle=A\r\nFlags=8\r\nID=1\r\nTitle=A\r\nFlags=8\r\n";  // one per request
    EXPECT_EQ(DisableEntriesText(twice, {{"1", "A", "8"}}).bytes, "ID=1\r\nTitle=A\r\nFlags=8\r\n;ID=1\r\n;Title=A\r\n;Flags=8\r\n");
    EXPECT_EQ(DisableEntriesText(twice, {{"1", "A", "8"}, {"1", "A", "8"}}).bytes,
              ";ID=1\r\n;Title=A\r\n;Flags=8\r\n;ID=1\r\n;Title=A\r\n;Flags=8\r\n");
    EXPECT_FALSE(DisableEntriesText(twice, {{"1", "A", "8"}, {"1", "A", "8"}, {"1", "A", "8"}}).ok);
    // An entry changed since the load refuses the whole change.
    const EditedText changed = DisableEntriesText(kTwins, {{"1111111111", "Alpha", "80000000H"}, {"1111111111", "Beta", "8"}});
    EXPECT_FALSE(changed.ok);
    EXPECT_NE(changed.error.find("1111111111"), std::string::npos) << changed.error;
    EXPECT_NE(changed.error.find("Beta"), std::string::npos) << changed.error;
    EXPECT_TRUE(changed.bytes.empty());
    std::string big;
    for (std::size_t k = 0; k < kIniLineCapacity; ++k) big += ";\r\n";
    EXPECT_FALSE(DisableEntriesText(big + "ID=1\r\nTitle=A\r\nFlags=8\r\n", {{"1", "A", "8"}}).ok);
}

TEST(RepairDisable, WritesTheFileOrSaysWhyNot) {
    IniInFolder place(kTwins);
    auto& [folder, path, state, log] = place;
    EXPECT_TRUE(DisableEntries(state, {{"1111111111", "Beta", "40000000H"}}, log.sink()));
    EXPECT_EQ(log.said(), "");
    const std::string disabled = ReadFileBytes(path);
    EXPECT_NE(disabled.find("\r\nID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n\r\n;ID=1111111111\r\n;Title=Beta\r\n"),
              std::string::npos) << disabled;
    folder.write("bleem!.INI", "ID=1\nTitle=A\nFlags=8");  // would gain CR LF endings on any rewrite
    EXPECT_TRUE(DisableEntries(state, {}, log.sink()));
    EXPECT_EQ(ReadFileBytes(path), "ID=1\nTitle=A\nFlags=8");
    log.answer = Resolution::Cancel;
    EXPECT_FALSE(DisableEntries(state, {{"9999999999", "Nobody", ""}}, log.sink()));
    EXPECT_FALSE(DisableEntries(state, {{"1", "A", "8"}}, log.sink(), FailingWrites(EROFS)));
    state.folders.IniPath = folder.file("gone");
    EXPECT_FALSE(DisableEntries(state, {{"1", "A", "8"}}, log.sink()));
    ASSERT_EQ(log.failures.size(), 3u) << log.said();
    EXPECT_TRUE(log.failures[0].module.empty());
    for (int k = 0; k < 2; ++k) EXPECT_NE(log.failures[k].description.find("left unchanged"), std::string::npos) << log.said();
    EXPECT_NE(log.failures[2].description.find("nothing was written"), std::string::npos) << log.said();
    EXPECT_EQ(ReadFileBytes(path), "ID=1\nTitle=A\nFlags=8");
}

}  // namespace
}  // namespace tolva
