// The Add/Edit wizard's rules: the disc read from SYSTEM.CNF or a CUE sheet, the identity page,
// the page order, the remark pages, the graphics boxes and the status settled at Finish.
#include <gtest/gtest.h>

#include "core/games/flags.h"
#include "core/wizard/cuesheet.h"
#include "core/wizard/identity.h"
#include "core/wizard/pages.h"
#include "core/wizard/systemcnf.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

TEST(FindBootLine, TheFirstLineBeginningWithBootAfterSpaces) {
    const std::pair<std::string, const char*> cases[] = {
        {"TCB = 4\r\nBOOT = cdrom:\\SLUS_001.52;1\r\nBOOT = cdrom:\\OTHER_000.01;1\r\n", "BOOT = cdrom:\\SLUS_001.52;1"},
        {"VMODE = NTSC\n   boot=cdrom:\\slus_001.52;1\n", "   boot=cdrom:\\slus_001.52;1"},
        {"BoOt2 = cdrom0:\\SLPS_020.20;1", "BoOt2 = cdrom0:\\SLPS_020.20;1"},
        {"TCB = 4\rEVENT = 10\rBOOT=cdrom:\\A;1", "BOOT=cdrom:\\A;1"},
        {"", nullptr}, {"BOO\r\nB\r\n\r\n", nullptr}, {"REBOOT = cdrom:\\SLUS_001.52;1\r\n", nullptr},
        {"\tBOOT = cdrom:\\SLUS_001.52;1\r\n", nullptr},  // only spaces are trimmed, as bleem!'s reader does
    };
    for (const auto& [text, line] : cases) EXPECT_EQ(FindBootLine(text), line ? std::optional<std::string_view>(line) : std::nullopt) << text;
}

TEST(ProductCodeFromBootLine, CutsTheFileNameBetweenTheLastBackslashAndTheLastSemicolon) {
    const std::pair<const char*, const char*> cases[] = {
        {"BOOT = cdrom:\\SLUS_007.07;1", "SLUS-00707"}, {"  boot = cdrom:\\slus_001.52;1  ", "SLUS-00152"},
        {"BOOT = cdrom:\\DIR\\ SCES_123.45 ;1", "SCES-12345"}, {"BOOT = cdrom:\\SLES_019.03;1;x", "SLES-01903;1"},
        {"BOOT=cdrom:\\SLPS_020.2012;1", "SLPS-0202012"}, {"BOOT=cdrom:\\AB;1", "AB-"}, {"BOOT=cdrom:\\;1", "-"},
        {"BOOT=cdrom:\\SLUS_00;1", "SLUS-00"}, {"BOOT=cdrom:\\SLUS_001.;1", "SLUS-001"},
        {"BOOT = cdrom:SLUS_001.52;1", "BOOT-= CROM:SLUS_001.52"},  // without a backslash the line is the name
        {"BOOT = cdrom:\\SLUS_001.52", nullptr}, {"BOOT = cdrom:\\SLUS_001.52;1\\x", nullptr}, {"BOOT", nullptr}, {"", nullptr},
    };
    for (const auto& [line, code] : cases)
        EXPECT_EQ(ProductCodeFromBootLine(line), code ? std::optional<std::string>(code) : std::nullopt) << line;
}

// What each text gives: the disc ID of the first row holding its code, or why not.
TEST(IdentifyDisc, TheFirstRowOfTheCodeOrWhyNot) {
    const DiscIdentity found = IdentifyDisc("BOOT = cdrom:\\SLUS_001.52;1\r\nTCB = 4\r\n", "/cd/SYSTEM.CNF", DiscIDs());
    EXPECT_EQ(found.productCode + " " + found.discID + found.description, "SLUS-00152 0033330665");
    for (const auto& [text, said] :
         {std::pair{"", "empty"}, {"TCB = 4\r\n", "no BOOT line"}, {"BOOT = cdrom:\\SLUS_001.52\r\n", "BOOT line"}}) {
        const DiscIdentity id = IdentifyDisc(text, "/media/cd/system.cnf", DiscIDs());
        EXPECT_NE(id.description.find(said), std::string::npos) << id.description;
    }
    EXPECT_EQ(IdentifyDisc("BOOT = cdrom:\\ZZZZ_999.99;1", "/cd/SYSTEM.CNF", DiscIDs()).result, DiscRead::NotInTable);
}

TEST(ReadDiscIdentity, FindsTheBootFileInTheRootInAnyLetterCaseOrSaysWhyNot) {
    TempFolder root;
    root.write("system.cnf", "boot = cdrom:\\slus_001.52;1\r\n");
    EXPECT_EQ(ReadDiscIdentity(root.path(), DiscIDs()).discID, "0033330665");
    std::filesystem::remove(root.file("system.cnf"));
    const DiscIdentity missing = ReadDiscIdentity(root.path(), DiscIDs());
    EXPECT_EQ(missing.result, DiscRead::NoFile);
    EXPECT_NE(missing.description.find(JoinPath(root.path(), "SYSTEM.CNF") + ": No such file"), std::string::npos) << missing.description;
    root.write("SYSTEM.CNF", std::string(kSystemCnfLimit + 1, 'x'));
    EXPECT_EQ(ReadDiscIdentity(root.path(), DiscIDs()).result, DiscRead::Unreadable);  // the limit is ReadWholeFile's
}

TEST(ParseCueSheet, FilesAndTheirTracks) {
    const std::vector<CueFile> files = ParseCueSheet(
        "REM a comment\r\nFILE \"My Game (Track 1).bin\" BINARY\r\n  TRACK 01 mode2/2352\r\n    INDEX 01 00:00:00\r\n"
        "\tTRACK 02 AUDIO\n INDEX 00 00:00:00\n INDEX 01 01:02:03\nFILE track3.bin BINARY\n TRACK 3 AUDIO\n INDEX 01 00:60:00\nTRACK\n");
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "My Game (Track 1).bin");
    ASSERT_EQ(files[0].tracks.size(), 2u);
    EXPECT_EQ(files[0].tracks[0].number, 1);
    EXPECT_EQ(files[0].tracks[0].mode, "MODE2/2352");
    EXPECT_TRUE(IsDataTrack(files[0].tracks[0].mode));
    EXPECT_FALSE(IsDataTrack(files[0].tracks[1].mode));
    EXPECT_EQ(files[0].tracks[0].start, 0);
    EXPECT_EQ(files[0].tracks[1].start, (62 * 75) + 3);  // INDEX 01, in sectors; INDEX 00 is the pregap
    EXPECT_EQ(files[1].tracks[0].start, -1);            // no second has 60
    for (const auto& [mode, bytes] : {std::pair{"MODE2/2352", 2352}, {"MODE1/2048", 2048}, {"MODE2/2336", 2336},
                                      {"AUDIO", 2352}, {"MODE1/2047", 0}, {"MODE1/", 0}, {"", 0}})
        EXPECT_EQ(SectorBytes(mode), std::size_t(bytes)) << mode;
    EXPECT_EQ(files[1].name, "track3.bin");
    ASSERT_EQ(files[1].tracks.size(), 2u);  // a TRACK line without number or mode is kept, empty
    EXPECT_EQ(files[1].tracks[1].number, 0);
    EXPECT_TRUE(ParseCueSheet("TRACK 01 MODE1/2048\n").empty());  // a track before any FILE has no home
    // INDEX 01's time: one to six digits in each field, seconds below 60, frames below 75.
    for (const auto& [msf, start] : {std::pair{"1:2:3", 62 * 75 + 3LL}, {"999999:59:74", (999999LL * 60 + 59) * 75 + 74},
                                     {"000000:000059:000074", 59 * 75 + 74LL}, {"1234567:00:00", -1LL}, {"0:0000000:0", -1LL},
                                     {"0:0:0000000", -1LL}, {":0:0", -1LL}, {"0::0", -1LL}, {"0:0:", -1LL}, {"0:0", -1LL},
                                     {"0:0:0:0", -1LL}, {"0:59:75", -1LL}, {"-1:0:0", -1LL}, {"0:-1:0", -1LL},
                                     {"0:0:-1", -1LL}, {"0:0:1x", -1LL}, {"", -1LL}}) {
        const std::vector<CueFile> one = ParseCueSheet(std::string("FILE a.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 ") + msf);
        ASSERT_EQ(one.size(), 1u);
        EXPECT_EQ(one[0].tracks.at(0).start, start) << msf;
    }
}

TEST(IdentityPage, TheDiscIDBoxNextAndTheTexts) {
    for (const auto& [typed, kept] : {std::pair{"12ab34", "1234"}, {"00-33 33-06 65", "0033330665"}, {"123456789012", "1234567890"},
                                      {"\xb2\xb3 1\xbd", "1"}, {"", ""}, {"abc", ""}})
        EXPECT_EQ(FilterDiscID(typed), kept) << typed;
    EXPECT_TRUE(AcceptDiscIDKey(0, U'0') && AcceptDiscIDKey(9, U'9') && AcceptDiscIDKey(10, 8) && AcceptDiscIDKey(0, 8));
    EXPECT_TRUE(AcceptDiscIDKey(11, U'1'));  // a longer text set by the program is cut by the change rule
    EXPECT_FALSE(AcceptDiscIDKey(10, U'5'));
    for (char32_t other : {U'a', U'-', U' ', U'\r', char32_t{22}, U'\x7f', U'\u0663', U'/', U':'})
        EXPECT_FALSE(AcceptDiscIDKey(3, other)) << unsigned(other);
    for (const auto& [id, title, forward] : {std::tuple{"123456789", "Game", false}, {"1234567890", "", false}, {"1234567890", " ", true}})
        EXPECT_EQ(CanGoForward(id, title), forward) << id << "/" << title;
    GameTable games;
    for (const char* id : {"0000000001", "0000000002", "0000000002", "00000000031"}) AddGame(games, id, "T");
    for (const auto& [id, row] : {std::pair{"0000000002", 1}, {"0000000003", -1}, {"00000000031", 3}})
        EXPECT_EQ(FindDiscIDUser(games, id), row) << id;
    games.GameLast = 0;  // slots after the last entry do not count
    EXPECT_EQ(FindDiscIDUser(games, "0000000002"), -1);
    EXPECT_EQ(DuplicateDiscIDText("Alpha"), "This digit code is already used by another game\r\n\r\nAlpha");
    EXPECT_EQ(DiscIDNotFoundText("SLUS-99999"),
              "Tolva! wasn't able to find a DiscID for this cd.\r\nPlease get the ID using bleem! and mail it, "
              "together with the region code (SLUS-99999), to us.");
}

TEST(PageOrder, BackSkipsTheRemarksOfAGameThatDoesNotWork) {
    // Only the exact word of a game that does not work skips.
    for (const auto& [page, flags, previous] : {std::tuple{2, "80000000H", 1}, {3, "80000000H", 2}, {7, "40000000H", 6},
                                                {8, "40000000H", 2}, {8, "80000000H", 7}, {8, "40000001H", 7}})
        EXPECT_EQ(PreviousPage(page, flags), previous) << page << " " << flags;
    for (const auto& [page, name] : {std::pair{1, "Wizard1FORM"}, {8, "Wizard8FORM"}, {0, ""}, {9, ""}}) EXPECT_EQ(PageName(page), name);
}

std::string Preselected(int page, std::string_view flags) {
    const RemarkPage& p = *FindRemarkPage(page);
    const int k = PreselectedOption(p, flags);
    return k < 0 ? "(none)" : std::string(OptionCaption(p, p.options[std::size_t(k)]));
}

TEST(RemarkPages, EachAsksAboutItsPositionPreselectsTheStoredRemarkAndStoresOnlyThere) {
    const int positions[] = {7, 5, 4, 3};
    for (int page = 3; page <= 6; ++page) {
        const RemarkPage* p = FindRemarkPage(page);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->position, positions[page - 3]);
        for (std::size_t k = 0; k < p->options.size(); ++k) {  // how one position is set: SetFlagsPosition
            EXPECT_EQ(FlagsPosition(StoreRemark(*p, "87777777H", int(k)), p->position), char('0' + k));
            EXPECT_FALSE(OptionCaption(*p, p->options[k]).empty());
        }
    }
    for (const int other : {2, 7}) EXPECT_EQ(FindRemarkPage(other), nullptr) << other;
    // A word not in the nine-character form is brought into it first.
    for (const auto& [page, flags, caption] : {std::tuple{3, "80112020H", "D3D Graphical Problems"}, {4, "80112020H", "Minor Sound Problems"},
                                               {5, "80112020H", "Can Load but not Save"}, {6, "80112020H", "Must Skip opening MDEC's"},
                                               {6, "80000000H", "No problems"}, {4, "8H", "Perfect sound, no errors"},
                                               {5, " 80020000h ", "Can Save but not Load"}})
        EXPECT_EQ(Preselected(page, flags), caption) << page << " " << flags;
    // A new game walked through keeps its word; an unknown value preselects the first option,
    // except for movies, which preselect none and store nothing.
    std::string flags = "80000000H";
    for (int page = 3; page <= 6; ++page) flags = StoreRemark(*FindRemarkPage(page), flags, PreselectedOption(*FindRemarkPage(page), flags));
    EXPECT_EQ(flags, "80000000H");
    for (int page = 3; page <= 5; ++page) EXPECT_EQ(PreselectedOption(*FindRemarkPage(page), "89999999H"), 0);
    EXPECT_EQ(PreselectedOption(*FindRemarkPage(6), "89999999H"), -1);
    for (const int none : {-1, int(FindRemarkPage(6)->options.size())})
        EXPECT_EQ(StoreRemark(*FindRemarkPage(6), "89999999H", none), "89999999H") << none;
}

TEST(GraphicsBoxes, LoadFromPositionTwoExcludeTheirPairAndStoreTheirDigit) {
    const std::pair<char, std::uint8_t> rows[] = {{'0', 0}, {'1', kCheck1}, {'2', kCheck2}, {'3', kCheck1 | kCheck2}, {'4', 0},
                                                  {'5', kCheck3}, {'6', kCheck4}, {'7', kCheck3 | kCheck4}, {'9', 0}, {'A', 0}};
    for (const auto& [digit, boxes] : rows) {
        EXPECT_EQ(GraphicsBoxesOf(std::string("8") + digit + "000000H"), boxes) << digit;
        if (digit != '4' && boxes == 0 && digit != '0') continue;
        EXPECT_EQ(StoreGraphicsBoxes("84000000H", boxes), std::string("8") + (digit == '4' ? '0' : digit) + "000000H");
    }
    for (const auto& [boxes, ticked, left] : {std::tuple{kCheck1 | kCheck3, kCheck3, kCheck3}, {kCheck1 | kCheck3 | kCheck4, kCheck1, kCheck1},
                                              {kCheck2 | kCheck4, kCheck2, kCheck2}, {kCheck2, kCheck1, kCheck2},  // clearing one leaves the others
                                              {kCheck1 | kCheck2, kCheck2, kCheck1 | kCheck2}})
        EXPECT_EQ(ExcludeGraphicsBoxes(boxes, ticked), left) << boxes;
    EXPECT_EQ(StoreGraphicsBoxes("82000000H", kCheck1 | kCheck3), "82000000H");  // no digit: unchanged
}

TEST(SettleStatus, AWorkingGameWithRemarksWorksPartially) {
    for (const auto& [before, after] : {std::pair{"80000000H", "80000000H"}, {"87000000H", "87000000H"}, {"80002000H", "00002000H"},
                                        {"80000001H", "00000001H"}, {"80000100H", "00000100H"}, {"40002000H", "40002000H"},
                                        {"00000000H", "00000000H"}, {"8", "0"}, {"", ""}})
        EXPECT_EQ(SettleStatus(before), after) << before;
}

}  // namespace
}  // namespace tolva
