// Codes as users and CUE sheets spell them: product codes in any spelling, the search by disc ID
// or product code when no title matches, and the FILE and TRACK lines of CUE sheets.
#include <gtest/gtest.h>

#include "core/database/gamelist.h"
#include "core/games/discids.h"
#include "core/wizard/cuesheet.h"

namespace tolva {
namespace {

TEST(NormalProductCode, EveryCommonSpellingAndWhatIsNone) {
    const struct {
        std::string_view typed, code;
    } kCases[] = {
        {"SLUS-00152", "SLUS-00152"}, {"SLUS_001.52", "SLUS-00152"}, {"SLUS00152", "SLUS-00152"},
        {"slus_001.52", "SLUS-00152"}, {"sLuS 00152", "SLUS-00152"}, {"SLUS-0015", ""},
        {"SLUS-001522", ""},          {"SLU5-00152", ""},           {"SLUS-0015A", ""},
        {"0033330665", ""},           {"", ""},                     {"S*US-00152", ""},
    };
    for (const auto& c : kCases) EXPECT_EQ(NormalProductCode(c.typed), c.code) << c.typed;
    EXPECT_TRUE(IsDiscID("0033330665"));
    EXPECT_FALSE(IsDiscID("003333066"));
    EXPECT_FALSE(IsDiscID("00333306651"));
}

TEST(FindGame, ADiscIDOrProductCodeFindsItsGameWhenNoTitleMatches) {
    auto state = std::make_unique<ProgramState>();
    InitDiscIDs(state->discIDs);
    GameTable& games = state->games;
    // Rows as ReadINI leaves them, sorted by title; the last game is joined to record 1.
    const char* rows[][2] = {{"0033330665 TRIBUTE", "1111111111"},
                             {"ALPHA", "0033330665"},
                             {"BETA", "0261992838"},
                             {"GAMMA", "5555555555"}};
    for (int i = 0; i < 4; ++i) {
        games.GameTitle[i] = games.GameTitleUpper[i] = rows[i][0];
        games.GameID[i] = rows[i][1];
    }
    games.GameLast = 3;
    games.GameTxtIndex[3] = 1;
    state->txt.TxtProductCode[1] = "SCES-99999";
    state->txt.TxtCount = 2;

    const struct {
        std::string_view typed;
        int row;
    } kCases[] = {
        {"BET", 2},         {"1111111111", 0},  {"0261992838", 2},  {"9999999999", -1},
        {"0033330665", 0},  // the title that begins with these digits wins over ALPHA's disc ID
        {"slus_001.52", 1},  // the first row whose disc ID the table pairs with the code
        {"SCES99999", 3},   {"sces-999.99", 3}, {"SLUS-99998", -1}, {"12345", -1},
    };
    for (const auto& c : kCases) EXPECT_EQ(FindGame(*state, c.typed), c.row) << c.typed;
    // The other disc IDs of SLUS-00152 are found too, whichever one bleem!.INI holds.
    games.GameID[1] = "2271434423";
    EXPECT_EQ(FindGame(*state, "SLUS00152"), 1);
}

TEST(ParseCueSheet, FilesAndTheirTracks) {
    const std::vector<CueFile> files = ParseCueSheet(
        "REM a comment\r\nFILE \"My Game (Track 1).bin\" BINARY\r\n  TRACK 01 mode2/2352\r\n    INDEX 01 00:00:00\r\n"
        "\tTRACK 02 AUDIO\nFILE track3.bin BINARY\n TRACK 3 AUDIO\nTRACK\n");
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "My Game (Track 1).bin");
    ASSERT_EQ(files[0].tracks.size(), 2u);
    EXPECT_EQ(files[0].tracks[0].number, 1);
    EXPECT_EQ(files[0].tracks[0].mode, "MODE2/2352");
    EXPECT_TRUE(IsDataTrack(files[0].tracks[0].mode));
    EXPECT_FALSE(IsDataTrack(files[0].tracks[1].mode));
    EXPECT_EQ(files[1].name, "track3.bin");
    ASSERT_EQ(files[1].tracks.size(), 2u);  // a TRACK line without number or mode is kept, empty
    EXPECT_EQ(files[1].tracks[1].number, 0);
    EXPECT_TRUE(ParseCueSheet("TRACK 01 MODE1/2048\n").empty());  // a track before any FILE has no home
}

}  // namespace
}  // namespace tolva
