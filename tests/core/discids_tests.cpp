// The disc ID table, its lookups, product codes in any spelling and the "More Information"
// address built from it.
#include "core/games/discids.h"

#include <gtest/gtest.h>

#include <set>

#include "core/endpoints.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

const std::string& Row(int k) { return DiscIDs().rows.at(std::size_t(k)); }

constexpr struct {
    int index;
    std::string_view row;
} kKnownRows[] = {
    {0, "0002126656SLPS-02020"},    {7, "0099269388SLES-01903"},    {10, "0172831837SLPS-00982"},
    {338, "4285073898SLES-02238"},  {339, "0000290548SLUS-00010"},  {350, "0033330665SLUS-00152"},
    {376, "0099269388SLES-61903"},  {414, "0261992838SLUS-00152"},  {624, "0969511290SLUS-00152"},
    {985, "2271434423SLUS-00152"},  {1549, "4294667405SLUS-00370"}, {1550, "2213760177SLPS-02553"},
};

// Known rows at their indexes; every other row's disc ID is invented and marked so, and never
// answers a lookup by product code (a real disc must never get an invented disc ID). The rows'
// form is the generator's (TheGeneratorReproducesTheTable).
TEST(DiscIDTable, KnownRowsStandAtTheirIndexesAndInventedOnesAnswerNoProductCode) {
    ASSERT_EQ(DiscIDs().rows.size(), std::size_t(kDiscIDCount));
    std::set<int> known;
    for (const auto& k : kKnownRows) {
        EXPECT_EQ(Row(k.index), k.row) << k.index;
        known.insert(k.index);
    }
    for (int k = 0; k < kDiscIDCount; ++k) {
        const bool invented = DiscIDs().inventedDiscID.at(std::size_t(k));
        EXPECT_EQ(invented, known.count(k) == 0) << k;
        EXPECT_TRUE(!invented || DiscIDForProductCode(DiscIDs(), RowProductCode(Row(k))) != RowDiscID(Row(k))) << k;
    }
}

TEST(DiscIDLookup, FirstMatchAllMatchesAndExactComparisons) {
    const DiscIDTable& t = DiscIDs();
    EXPECT_EQ(ProductCodeForDiscID(t, "0099269388"), "SLES-01903");
    EXPECT_EQ(ProductCodesForDiscID(t, "0099269388"), (std::vector<std::string_view>{"SLES-01903", "SLES-61903"}));
    EXPECT_EQ(ProductCodeForDiscID(t, "2213760177"), "SLPS-02553");  // the lone last row
    EXPECT_EQ(DiscIDForProductCode(t, "SLPS-02553"), "2213760177");
    EXPECT_EQ(DiscIDForProductCode(t, "SLUS-00152"), "0033330665");  // one code in four rows: the first
    EXPECT_EQ(DiscIDForProductCode(t, "SLES-61903"), "0099269388");
    EXPECT_EQ(DiscIDForProductCode(t, "SLUS-00707"), "");  // it stands only in rows of invented disc IDs
    for (const char* code : {"slus-00152", "SLUS-0015", ""}) EXPECT_EQ(DiscIDForProductCode(t, code), "") << code;
    EXPECT_EQ(ProductCodeForDiscID(DiscIDTable{}, "0099269388"), "");  // before the table is filled
    EXPECT_EQ(DiscIDForProductCode(DiscIDTable{{"0099269388SLES-01903"}, {}, {}}, "SLES-01903"), "0099269388");  // no marks, none invented
}

// The index must answer exactly as the scan in index order does, doubled disc IDs included and
// for IDs just beside the table's own.
TEST(DiscIDLookup, TheIndexAnswersAsTheScanInIndexOrder) {
    DiscIDTable scanned = DiscIDs();
    scanned.byDiscID.clear();
    std::set<std::string> probes = {"", "0", "0000000000", "9999999999", "4294967296", "00992693880"};
    for (const std::string& row : DiscIDs().rows) {
        std::string id(RowDiscID(row));
        probes.insert(id);
        probes.insert(id.substr(0, 9));
        id.back() = char(id.back() == '9' ? '0' : id.back() + 1);
        probes.insert(id);
    }
    for (const std::string& probe : probes) {
        ASSERT_EQ(ProductCodesForDiscID(DiscIDs(), probe), ProductCodesForDiscID(scanned, probe)) << probe;
        ASSERT_EQ(ProductCodeForDiscID(DiscIDs(), probe), ProductCodeForDiscID(scanned, probe)) << probe;
    }
}

TEST(NormalProductCode, EveryCommonSpellingAndWhatIsNone) {
    const struct {
        std::string_view typed, code;
    } kCases[] = {
        {"SLUS-00152", "SLUS-00152"}, {"SLUS_001.52", "SLUS-00152"}, {"SLUS00152", "SLUS-00152"},
        {"slus_001.52", "SLUS-00152"}, {"sLuS 00152", "SLUS-00152"}, {"SLUS-0015", ""},
        {"SLUS-001522", ""},          {"SLU5-00152", ""},           {"SLUS-0015A", ""},
        {"0033330665", ""},           {"", ""},                     {"S*US-00152", ""},
        {"AZaz_009.99", "AZAZ-00999"},
    };
    for (const auto& c : kCases) EXPECT_EQ(NormalProductCode(c.typed), c.code) << c.typed;
    for (const auto& [text, id] : {std::pair{"0033330665", true}, {"003333066", false}, {"00333306651", false},
                                   {"003333066A", false}, {"0033/30665", false}})
        EXPECT_EQ(IsDiscID(text), id) << text;
}

TEST(MoreInformation, DiscIDTableFirstThenTheJoinedRecordWhileTheCompatibilityDataIsUsed) {
    EXPECT_EQ(GameInfoAddress("SLPS-00982"), std::string(kGameInfoSite) + "/cgi-bin/detailed2.cgi?prodcode=SLPS-00982");
    // A code taken from Compatibility.TXT cannot add parameters or leave the query.
    EXPECT_EQ(GameInfoAddress("AZaz09&b=1 #/\xE9~_.-@[`{:"),
              std::string(kGameInfoSite) + "/cgi-bin/detailed2.cgi?prodcode=AZaz09%26b%3D1%20%23%2F%E9~_.-%40%5B%60%7B%3A");
    ProgramState state;
    state.discIDs = DiscIDs();
    AddGame(state.games, "0099269388", "Some Game");
    state.txt.TxtCount = 3;
    state.txt.makeRoomFor(2);
    state.txt.TxtProductCode[0] = "SCES-00000";  // record 0 stands for "no record", whatever it holds
    state.txt.TxtProductCode[2] = "SCUS-94163";
    state.games.GameTxtIndex[0] = 2;
    EXPECT_EQ(MoreInformationCode(state, 0), "SLES-01903");
    state.games.GameID[0] = "1234567890";
    EXPECT_EQ(MoreInformationCode(state, 0), "SCUS-94163");
    EXPECT_EQ(MoreInformationAddress(state, 0), GameInfoAddress("SCUS-94163"));
    state.folders.TxtUpdate = false;
    EXPECT_EQ(MoreInformationAddress(state, 0), "");
    state.folders.TxtUpdate = true;
    for (const int index : {0, 3, -1}) {
        state.games.GameTxtIndex[0] = index;
        EXPECT_EQ(MoreInformationAddress(state, 0), "") << index;
    }
    state.games.GameID[1] = "0099269388";  // a slot past the last entry is no entry, whatever it holds
    for (const int row : {1, -1}) EXPECT_EQ(MoreInformationCode(state, row), "") << row;
}

}  // namespace
}  // namespace tolva
