// The games table's copy: every entry joined in table order without touching the main window's
// joins, its cells, its filters with their totals, and its CSV and tab-separated texts.
#include "core/database/gamestable.h"

#include <gtest/gtest.h>

#include "core/database/compatibility.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

/// Three games racing for two records by title, one joined by product code (0172831837 is
/// SLPS-00982), two that join nothing; the rows are in table order.
ProgramState Racing() {
    ProgramState state;
    state.discIDs = DiscIDs();
    for (const auto& [id, title, flags] :
         std::vector<std::array<std::string, 3>>{{"1000000001", "Alpha 1", "80000000H"}, {"1000000002", "Alpha 2", "21000000H"},
                                                 {"1000000003", "Alpha 3", "41000000H"}, {"0172831837", "Beta", "20000000H"},
                                                 {"1000000005", "Zeta", "40000000H"}, {"1000000006", "Omega", "8"}})
        AddGame(state.games, id, title, flags);
    FailureLog log;
    EXPECT_TRUE(ReadTXTText(state.games, state.txt,
                            kTxtHeader + "n|Alpha|Kestrel|SLUS-1|USA|Action|Yes!|Yes|Fine|\r\n"
                                         "n|Alpha|Orbital|SLUS-2|Europe|Action|Partially||Slow|\r\n"
                                         "n|Beta|Pub, Inc.|SLPS-00982|Japan|Racing|Yes!|D3D|Fast|\r\n",
                            log.sink()));
    return state;
}

std::vector<std::int32_t> Joins(const ProgramState& state) {
    return {state.games.GameTxtIndex.begin(), state.games.GameTxtIndex.begin() + state.games.count()};
}

// The table joins as clicking every row from the top down would, keeping what the main window
// joined already, and the main window's joins, consumed keys and remembered joins stay as they were.
TEST(JoinEveryGame, JoinsTopDownOnACopyKeepingTheMainWindowsJoins) {
    for (const int clickedFirst : {-1, 1, 2}) {
        ProgramState state = Racing();
        if (clickedFirst >= 0) JoinGame(state, clickedFirst);
        const ProgramState before = state;
        ProgramState clicked = state;
        for (int i = 0; i < clicked.games.count(); ++i) JoinGame(clicked, i);

        const JoinedGames table = JoinEveryGame(state);
        EXPECT_EQ(Joins(table.tables), Joins(clicked)) << clickedFirst;
        EXPECT_EQ(Joins(state), Joins(before));
        EXPECT_EQ(state.txt.TxtTitleUpper, before.txt.TxtTitleUpper);
        EXPECT_EQ(state.txt.TxtJoins, before.txt.TxtJoins);
    }
    EXPECT_EQ(Joins(JoinEveryGame(Racing()).tables), (std::vector<std::int32_t>{1, 2, 0, 3, 0, 0}));
}

TEST(JoinedGames, CellsShowTheSummarysWordsTheRecordAndTheDetailsViewsDirect3D) {
    ProgramState state = Racing();
    const auto row = [](const JoinedGames& table, int r) {
        std::vector<std::string> cells;
        for (int c = 0; c < kGamesColumns; ++c) cells.emplace_back(table.cell(r, static_cast<GamesColumn>(c)));
        return cells;
    };
    const JoinedGames on = JoinEveryGame(state);
    using Row = std::vector<std::string>;
    EXPECT_EQ(row(on, 0), (Row{"Alpha 1", "1000000001", "Yes", "SLUS-1", "Kestrel", "USA", "Action", "Yes", "Fine"}));
    EXPECT_EQ(row(on, 1), (Row{"Alpha 2", "1000000002", "Partial", "SLUS-2", "Orbital", "Europe", "Action", "No", "Slow"}));
    EXPECT_EQ(row(on, 3), (Row{"Beta", "0172831837", "Partial", "SLPS-00982", "Pub, Inc.", "Japan", "Racing", "Yes", "Fast"}));
    EXPECT_EQ(row(on, 4), (Row{"Zeta", "1000000005", "Not Yet", "", "", "", "", "No", ""}));  // no record, flags "4"
    EXPECT_EQ(row(on, 5)[7], "");  // no record: no picture
    state.folders.TxtUpdate = false;  // switched off: the compatibility columns are empty, nothing is joined
    const JoinedGames off = JoinEveryGame(state);
    EXPECT_EQ(row(off, 3), (Row{"Beta", "0172831837", "Partial", "", "", "", "", "", ""}));
    EXPECT_EQ(row(off, 4)[7], "");
    EXPECT_EQ(Joins(off.tables), Joins(state));
}

TEST(FilterGames, EachFilterAloneAndCombinedWithTheTotalsOfTheShownRows) {
    const JoinedGames table = JoinEveryGame(Racing());
    using D3D = GamesFilter::Direct3D;
    const auto with = [](auto change) {
        GamesFilter f;
        change(f);
        return f;
    };
    const struct {
        const char* what;
        GamesFilter filter;
        std::string shown;  // a character per row
        SummaryCounts counts;
    } cases[] = {
        {"nothing", {}, "111111", {2, 2, 2}},
        {"title", with([](GamesFilter& f) { f.search = "alpha"; }), "111000", {1, 1, 1}},
        {"wildcard", with([](GamesFilter& f) { f.search = "A?PHA*2"; }), "010000", {0, 0, 1}},
        {"disc ID", with([](GamesFilter& f) { f.search = "0172831837"; }), "000100", {0, 0, 1}},
        {"product code spelt otherwise", with([](GamesFilter& f) { f.search = "slps_009.82"; }), "000100", {0, 0, 1}},
        {"statuses", with([](GamesFilter& f) { f.statuses = {true, false, true}; }), "101011", {2, 2, 0}},
        {"region", with([](GamesFilter& f) { f.region = "USA"; }), "100000", {1, 0, 0}},
        {"no region", with([](GamesFilter& f) { f.region = ""; }), "001011", {1, 2, 0}},
        {"genre", with([](GamesFilter& f) { f.genre = "Action"; }), "110000", {1, 0, 1}},
        {"Direct3D", with([](GamesFilter& f) { f.direct3d = D3D::Yes; }), "100100", {1, 0, 1}},
        {"no Direct3D", with([](GamesFilter& f) { f.direct3d = D3D::No; }), "011010", {0, 2, 1}},
        {"combined", with([](GamesFilter& f) { f.search = "a"; f.statuses = {false, true, true}; f.direct3d = D3D::No; }),
         "011000", {0, 1, 1}},
        {"none left", with([](GamesFilter& f) { f.genre = "Racing"; f.statuses = {true, false, true}; }), "000000", {0, 0, 0}},
    };
    for (const auto& c : cases) {
        const ShownGames shown = FilterGames(table, c.filter);
        std::string flags;
        for (const char s : shown.shown) flags += s ? '1' : '0';
        EXPECT_EQ(flags, c.shown) << c.what;
        EXPECT_EQ(std::tuple(shown.counts.YesCount, shown.counts.NoCount, shown.counts.PartCount),
                  std::tuple(c.counts.YesCount, c.counts.NoCount, c.counts.PartCount)) << c.what;
    }
}

TEST(GamesCsv, Rfc4180InUtf8WithAByteOrderMarkAndAHeader) {
    ProgramState state;
    for (const std::string title : {"Say \"Hi\"", "One, Two", " Spaced", "Caf\xE9 \xDF \xB5 \x80", "Plain"})
        AddGame(state.games, "1234567890", title, "80000000H");
    state.folders.TxtUpdate = false;
    const JoinedGames table = JoinEveryGame(state);
    EXPECT_EQ(GamesCsv(table, {3, 0, 1, 2}),
              "\xEF\xBB\xBF" "Title,Disc ID,Status,Product Code,Publisher,Region,Genre,Direct3D,Details\r\n"
              "Caf\xC3\xA9 \xC3\x9F \xC2\xB5 \xE2\x82\xAC,1234567890,Yes,,,,,,\r\n"
              "\"Say \"\"Hi\"\"\",1234567890,Yes,,,,,,\r\n"
              "\"One, Two\",1234567890,Yes,,,,,,\r\n"
              "\" Spaced\",1234567890,Yes,,,,,,\r\n");
    EXPECT_EQ(GamesTsv(table, {4, 1}), "Plain\t1234567890\tYes\t\t\t\t\t\t\nOne, Two\t1234567890\tYes\t\t\t\t\t\t\n");
    EXPECT_EQ(DelimitedText({{"a\tb", "c\nd", "e\r", "end "}}, '\t', "\n"), "\"a\tb\"\t\"c\nd\"\t\"e\r\"\t\"end \"\n");
}

}  // namespace
}  // namespace tolva
