#include "core/games/discids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "core/endpoints.h"
#include "ini_test_files.h"

namespace tolva {
namespace {

const DiscIDTable& Table() {
    static const DiscIDTable table = [] {
        DiscIDTable t;
        InitDiscIDs(t);
        return t;
    }();
    return table;
}

const std::string& Row(int k) { return Table().rows.at(static_cast<std::size_t>(k)); }

constexpr struct {
    int index;
    std::string_view row;
} kKnownRows[] = {
    {0, "0002126656SLPS-02020"},    {7, "0099269388SLES-01903"},    {10, "0172831837SLPS-00982"},
    {338, "4285073898SLES-02238"},  {339, "0000290548SLUS-00010"},  {350, "0033330665SLUS-00152"},
    {376, "0099269388SLES-61903"},  {414, "0261992838SLUS-00152"},  {624, "0969511290SLUS-00152"},
    {985, "2271434423SLUS-00152"},  {1549, "4294667405SLUS-00370"}, {1550, "2213760177SLPS-02553"},
};

TEST(DiscIDTable, KnownRowsStandAtTheirIndexes) {
    ASSERT_EQ(Table().rows.size(), 1551u);
    for (const auto& known : kKnownRows) EXPECT_EQ(Row(known.index), known.row) << known.index;
}

TEST(DiscIDTable, EveryRowIsADiscIDFollowedByAProductCode) {
    for (int k = 0; k < kDiscIDCount; ++k) {
        const std::string& row = Row(k);
        SCOPED_TRACE(k);
        ASSERT_EQ(row.size(), 20u);
        EXPECT_TRUE(std::all_of(row.begin(), row.begin() + 10, [](char c) { return c >= '0' && c <= '9'; }));
        EXPECT_LE(std::stoull(row.substr(0, 10)), 4294967295ull);
        EXPECT_TRUE(std::all_of(row.begin() + 10, row.begin() + 14, [](char c) { return c >= 'A' && c <= 'Z'; }));
        EXPECT_EQ(row[14], '-');
        EXPECT_TRUE(std::all_of(row.begin() + 15, row.end(), [](char c) { return c >= '0' && c <= '9'; }));
    }
}

TEST(DiscIDTable, TwoAscendingRunsAndALoneRow) {
    for (int k = 1; k <= 338; ++k) EXPECT_LT(RowDiscID(Row(k - 1)), RowDiscID(Row(k))) << k;
    for (int k = 340; k <= 1549; ++k) EXPECT_LT(RowDiscID(Row(k - 1)), RowDiscID(Row(k))) << k;
    // The second run starts again from the smallest disc ID of the whole table.
    for (int k = 0; k < kDiscIDCount; ++k) EXPECT_LE(RowDiscID(Row(339)), RowDiscID(Row(k)));
    EXPECT_GT(RowDiscID(Row(338)), RowDiscID(Row(339)));
    EXPECT_GT(RowDiscID(Row(1549)), RowDiscID(Row(1550)));
}

TEST(DiscIDTable, PrefixCounts) {
    std::map<std::string, int> counts;
    for (const std::string& row : Table().rows) ++counts[row.substr(10, 4)];
    const std::map<std::string, int> expected = {{"SLUS", 703}, {"SLES", 276}, {"SLPS", 253}, {"SCUS", 139},
                                                 {"SCPS", 68},  {"SCES", 64},  {"SLPM", 47},  {"SIPS", 1}};
    EXPECT_EQ(counts, expected);
}

TEST(DiscIDTable, DoubledDiscIDsAndProductCodes) {
    std::map<std::string, std::set<std::string>> codesOfID;
    std::map<std::string, int> idCount;
    std::map<std::string, std::vector<int>> rowsOfCode;
    for (int k = 0; k < kDiscIDCount; ++k) {
        const std::string id(RowDiscID(Row(k)));
        const std::string code(RowProductCode(Row(k)));
        ++idCount[id];
        codesOfID[id].insert(code);
        rowsOfCode[code].push_back(k);
    }
    int doubledIDs = 0;
    for (const auto& [id, n] : idCount) {
        if (n < 2) continue;
        ++doubledIDs;
        EXPECT_EQ(n, 2) << id;
        EXPECT_EQ(codesOfID[id].size(), 2u) << id << " has one product code twice";
    }
    EXPECT_EQ(doubledIDs, 12);

    int doubledCodes = 0;
    for (const auto& [code, rows] : rowsOfCode) doubledCodes += rows.size() > 1;
    EXPECT_EQ(doubledCodes, 36);
    EXPECT_EQ(rowsOfCode["SLUS-00152"], (std::vector<int>{350, 414, 624, 985}));
    EXPECT_GE(rowsOfCode["SLUS-00707"].size(), 2u);
}

TEST(DiscIDTable, PlaceholderCodesAreOutsideEveryRealRange) {
    // A code read from a real disc must never find an invented disc ID: every row that is not
    // known carries a code numbered 90000 or above (SLUS-00707 is known to stand twice).
    std::set<int> known;
    for (const auto& k : kKnownRows) known.insert(k.index);
    int placeholders = 0;
    for (int k = 0; k < kDiscIDCount; ++k) {
        if (known.count(k) || RowProductCode(Row(k)) == "SLUS-00707") continue;
        ++placeholders;
        EXPECT_GE(std::stoi(Row(k).substr(15)), 90000) << k;
    }
    EXPECT_EQ(placeholders, kDiscIDCount - 12 - 2);
}

TEST(DiscIDLookup, FirstMatchAndAllMatches) {
    EXPECT_EQ(ProductCodeForDiscID(Table(), "0099269388"), "SLES-01903");
    EXPECT_EQ(ProductCodesForDiscID(Table(), "0099269388"),
              (std::vector<std::string_view>{"SLES-01903", "SLES-61903"}));
    EXPECT_EQ(ProductCodeForDiscID(Table(), "0172831837"), "SLPS-00982");
    // The lone last row is found although it breaks the order.
    EXPECT_EQ(ProductCodeForDiscID(Table(), "2213760177"), "SLPS-02553");
    EXPECT_EQ(DiscIDForProductCode(Table(), "SLPS-02553"), "2213760177");
    // One code in four rows: the first wins.
    EXPECT_EQ(DiscIDForProductCode(Table(), "SLUS-00152"), "0033330665");
    const int firstOf707 = static_cast<int>(
        std::find_if(Table().rows.begin(), Table().rows.end(),
                     [](const std::string& r) { return RowProductCode(r) == "SLUS-00707"; }) -
        Table().rows.begin());
    EXPECT_EQ(DiscIDForProductCode(Table(), "SLUS-00707"), RowDiscID(Row(firstOf707)));
}

// The index must answer exactly as the scan in index order does, doubled disc IDs included and
// for IDs just beside the table's own.
TEST(DiscIDLookup, TheIndexAnswersAsTheScanInIndexOrder) {
    DiscIDTable scanned = Table();
    scanned.byDiscID.clear();
    std::set<std::string> probes = {"", "0", "0000000000", "9999999999", "4294967296", "00992693880"};
    for (const std::string& row : Table().rows) {
        std::string id(RowDiscID(row));
        probes.insert(id);
        probes.insert(id.substr(0, 9));
        id.back() = static_cast<char>(id.back() == '9' ? '0' : id.back() + 1);
        probes.insert(id);
    }
    int doubled = 0;
    for (const std::string& probe : probes) {
        SCOPED_TRACE(probe);
        const std::vector<std::string_view> all = ProductCodesForDiscID(scanned, probe);
        ASSERT_EQ(ProductCodesForDiscID(Table(), probe), all);
        ASSERT_EQ(ProductCodeForDiscID(Table(), probe), ProductCodeForDiscID(scanned, probe));
        doubled += all.size() > 1;
    }
    EXPECT_GT(doubled, 0);  // the table's doubled disc IDs were among the probes
}

TEST(DiscIDLookup, ComparisonsAreExact) {
    EXPECT_EQ(ProductCodeForDiscID(Table(), "99269388"), "");
    EXPECT_EQ(ProductCodeForDiscID(Table(), "0099269388 "), "");
    EXPECT_EQ(ProductCodeForDiscID(Table(), "009926938"), "");
    EXPECT_EQ(ProductCodeForDiscID(Table(), ""), "");
    EXPECT_TRUE(ProductCodesForDiscID(Table(), "1").empty());
    EXPECT_EQ(DiscIDForProductCode(Table(), "slus-00152"), "");
    EXPECT_EQ(DiscIDForProductCode(Table(), "SLUS-0015"), "");
    EXPECT_EQ(DiscIDForProductCode(Table(), ""), "");
    // Before the table is filled nothing is found.
    EXPECT_EQ(ProductCodeForDiscID(DiscIDTable{}, "0099269388"), "");
}

TEST(GameInfoAddress, ProductCodeFollowsTheQuery) {
    EXPECT_EQ(GameInfoAddress("SLPS-00982"),
              std::string(kGameInfoSite) + "/cgi-bin/detailed2.cgi?prodcode=SLPS-00982");
    // A code taken from Compatibility.TXT cannot add parameters or leave the query.
    EXPECT_EQ(GameInfoAddress("A&b=1 #/\xE9"),
              std::string(kGameInfoSite) + "/cgi-bin/detailed2.cgi?prodcode=A%26b%3D1%20%23%2F%E9");
}

// A game table of one entry and, when a code is given, a joined record holding it.
ProgramState OneGame(const std::string& discID, const std::string& joinedCode) {
    ProgramState state;
    InitDiscIDs(state.discIDs);
    state.games.GameLast = 0;
    state.games.GameID[0] = discID;
    state.games.GameTitle[0] = "Some Game";
    state.txt.TxtCount = 3;
    state.txt.TxtProductCode[2] = joinedCode;
    state.games.GameTxtIndex[0] = joinedCode.empty() ? 0 : 2;
    return state;
}

TEST(MoreInformation, DiscIDTableFirstThenTheJoinedRecord) {
    // The disc ID table wins over the joined record.
    ProgramState state = OneGame("0099269388", "SCUS-94163");
    EXPECT_EQ(MoreInformationCode(state, 0), "SLES-01903");

    // Unknown disc ID: the joined record's code, only while the compatibility data is used.
    state = OneGame("1234567890", "SCUS-94163");
    EXPECT_EQ(MoreInformationCode(state, 0), "SCUS-94163");
    EXPECT_EQ(MoreInformationAddress(state, 0), GameInfoAddress("SCUS-94163"));
    state.folders.TxtUpdate = false;
    EXPECT_EQ(MoreInformationCode(state, 0), "");
    EXPECT_EQ(MoreInformationAddress(state, 0), "");
    state.folders.TxtUpdate = true;
    state.games.GameID[0] = "2213760177";
    EXPECT_EQ(MoreInformationCode(state, 0), "SLPS-02553");

    // Neither knows it: no address.
    state = OneGame("1234567890", "");
    EXPECT_EQ(MoreInformationAddress(state, 0), "");
    // No such entry, or a join index outside the table.
    EXPECT_EQ(MoreInformationCode(state, 1), "");
    EXPECT_EQ(MoreInformationCode(state, -1), "");
    state.games.GameTxtIndex[0] = 9;
    EXPECT_EQ(MoreInformationCode(state, 0), "");
}

TEST(DiscIDTable, GeneratorReproducesTheTable) {
    if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed";
    const std::filesystem::path folder =
        std::filesystem::path(TOLVA_FIXTURES).parent_path().parent_path() / "src" / "core" / "games";
    testing::TempFolder temp;
    const std::string output = temp.file("discid_data.inc");
    const std::string command = "python3 '" + (folder / "gen_discids.py").string() + "' '" + output + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(testing::ReadFileBytes(output), testing::ReadFileBytes((folder / "discid_data.inc").string()))
        << "discid_data.inc was edited by hand";
}

}  // namespace
}  // namespace tolva
