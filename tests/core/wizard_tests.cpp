#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "core/games/discids.h"
#include "core/games/flags.h"
#include "core/wizard/identity.h"
#include "core/wizard/pages.h"
#include "core/wizard/systemcnf.h"
#include "temp_folder.h"

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

// ---------------------------------------------------------------------------------------------
// The boot line of SYSTEM.CNF.

TEST(FindBootLine, TakesTheFirstLineThatBeginsWithBoot) {
    const std::string text = "TCB = 4\r\nBOOT = cdrom:\\SLUS_001.52;1\r\nBOOT = cdrom:\\OTHER_000.01;1\r\n";
    ASSERT_TRUE(FindBootLine(text));
    EXPECT_EQ(*FindBootLine(text), "BOOT = cdrom:\\SLUS_001.52;1");
}

TEST(FindBootLine, LowerCaseAndLeadingSpacesStillCount) {
    EXPECT_EQ(FindBootLine("VMODE = NTSC\n   boot=cdrom:\\slus_001.52;1\n").value_or("none"),
              "   boot=cdrom:\\slus_001.52;1");
    EXPECT_EQ(FindBootLine("BoOt2 = cdrom0:\\SLPS_020.20;1").value_or("none"), "BoOt2 = cdrom0:\\SLPS_020.20;1");
}

TEST(FindBootLine, TheLastLineCountsWithoutALineBreak) {
    EXPECT_EQ(FindBootLine("TCB = 4\rEVENT = 10\rBOOT=cdrom:\\A;1").value_or("none"), "BOOT=cdrom:\\A;1");
}

TEST(FindBootLine, NoLineBeginningWithBoot) {
    EXPECT_FALSE(FindBootLine(""));
    EXPECT_FALSE(FindBootLine("BOO\r\nB\r\n\r\n"));
    EXPECT_FALSE(FindBootLine("REBOOT = cdrom:\\SLUS_001.52;1\r\n"));
    // Only spaces are trimmed, as bleem!'s own reader does.
    EXPECT_FALSE(FindBootLine("\tBOOT = cdrom:\\SLUS_001.52;1\r\n"));
}

TEST(ProductCodeFromBootLine, CutsTheFileNameIntoTheCode) {
    EXPECT_EQ(ProductCodeFromBootLine("BOOT = cdrom:\\SLUS_007.07;1").value_or("none"), "SLUS-00707");
    EXPECT_EQ(ProductCodeFromBootLine("  boot = cdrom:\\slus_001.52;1  ").value_or("none"), "SLUS-00152");
    // Spaces around the name go; the last "\" and the last ";" bound it.
    EXPECT_EQ(ProductCodeFromBootLine("BOOT = cdrom:\\DIR\\ SCES_123.45 ;1").value_or("none"), "SCES-12345");
    // The last ";" ends the name, even a second one.
    EXPECT_EQ(ProductCodeFromBootLine("BOOT = cdrom:\\SLES_019.03;1;x").value_or("none"), "SLES-01903;1");
    // Characters 10 to the end all belong to the code.
    EXPECT_EQ(ProductCodeFromBootLine("BOOT=cdrom:\\SLPS_020.2012;1").value_or("none"), "SLPS-0202012");
}

TEST(ProductCodeFromBootLine, ShortNamesGiveShortCodes) {
    EXPECT_EQ(ProductCodeFromBootLine("BOOT=cdrom:\\AB;1").value_or("none"), "AB-");
    EXPECT_EQ(ProductCodeFromBootLine("BOOT=cdrom:\\;1").value_or("none"), "-");
    EXPECT_EQ(ProductCodeFromBootLine("BOOT=cdrom:\\SLUS_00;1").value_or("none"), "SLUS-00");
    EXPECT_EQ(ProductCodeFromBootLine("BOOT=cdrom:\\SLUS_001.;1").value_or("none"), "SLUS-001");
}

TEST(ProductCodeFromBootLine, WithoutBackslashTheNameStartsTheLine) {
    EXPECT_EQ(ProductCodeFromBootLine("BOOT = cdrom:SLUS_001.52;1").value_or("none"), "BOOT-= CROM:SLUS_001.52");
}

TEST(ProductCodeFromBootLine, LinesThatCannotBeCut) {
    EXPECT_FALSE(ProductCodeFromBootLine("BOOT = cdrom:\\SLUS_001.52"));
    EXPECT_FALSE(ProductCodeFromBootLine("BOOT = cdrom:\\SLUS_001.52;1\\x"));
    EXPECT_FALSE(ProductCodeFromBootLine("BOOT"));
    EXPECT_FALSE(ProductCodeFromBootLine(""));
}

TEST(IdentifyDisc, FindsTheFirstRowOfACodeThatStandsSeveralTimes) {
    // SLUS-00152 stands four times in the table; the first in table order wins.
    const DiscIdentity id = IdentifyDisc("BOOT = cdrom:\\SLUS_001.52;1\r\nTCB = 4\r\n", "/cd/SYSTEM.CNF", Table());
    EXPECT_EQ(id.result, DiscRead::Found);
    EXPECT_EQ(id.productCode, "SLUS-00152");
    EXPECT_EQ(id.discID, "0033330665");
    EXPECT_TRUE(id.description.empty());
}

TEST(IdentifyDisc, EveryFailureIsItsOwnKindAndNamesTheFile) {
    struct Case {
        std::string text;
        DiscRead result;
        std::string said;
    };
    const Case cases[] = {
        {"", DiscRead::Empty, "empty"},
        {"TCB = 4\r\nEVENT = 10\r\n", DiscRead::NoBootLine, "no BOOT line"},
        {"BOOT = cdrom:\\SLUS_001.52\r\n", DiscRead::CannotCut, "BOOT line"},
        {"BOOT = cdrom:\\SLUS_001.52;1\\x\r\n", DiscRead::CannotCut, "BOOT line"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const DiscIdentity id = IdentifyDisc(c.text, "/media/cd/system.cnf", Table());
        EXPECT_EQ(id.result, c.result);
        EXPECT_NE(id.description.find("/media/cd/system.cnf"), std::string::npos) << id.description;
        EXPECT_NE(id.description.find(c.said), std::string::npos) << id.description;
        EXPECT_TRUE(id.discID.empty());
    }
}

TEST(IdentifyDisc, ACodeTheTableLacksKeepsTheCode) {
    const DiscIdentity noBackslash = IdentifyDisc("BOOT = cdrom:SLUS_001.52;1", "f", Table());
    EXPECT_EQ(noBackslash.result, DiscRead::NotInTable);
    EXPECT_EQ(noBackslash.productCode, "BOOT-= CROM:SLUS_001.52");
    const DiscIdentity unknown = IdentifyDisc("BOOT = cdrom:\\ZZZZ_999.99;1", "f", Table());
    EXPECT_EQ(unknown.result, DiscRead::NotInTable);
    EXPECT_EQ(unknown.productCode, "ZZZZ-99999");
    EXPECT_TRUE(unknown.discID.empty());
}

// Random boot files of the characters that matter: whatever they hold, cutting stays inside the
// text and a derived code is made only of the name's own characters and one "-".
TEST(IdentifyDisc, ArbitraryBytesNeverLeaveTheText) {
    std::mt19937 random(20240601);
    const std::string alphabet = "BOTbot \\;:_.\r\nSLU0159\t\xe9";
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 40, ' ');
        for (char& c : text) c = alphabet[random() % alphabet.size()];
        const DiscIdentity id = IdentifyDisc(text, "f", Table());
        if (id.result == DiscRead::Found || id.result == DiscRead::NotInTable) {
            ASSERT_LE(id.productCode.size(), text.size() + 1) << text;
            ASSERT_NE(id.productCode.find('-'), std::string::npos) << text;
        } else {
            ASSERT_FALSE(id.description.empty()) << text;
        }
    }
}

TEST(ReadDiscIdentity, FindsTheBootFileInTheRootInAnyLetterCase) {
    testing::TempFolder exact;
    exact.write("SYSTEM.CNF", "BOOT = cdrom:\\SLUS_001.52;1\r\n");
    EXPECT_EQ(ReadDiscIdentity(exact.path(), Table()).discID, "0033330665");

    testing::TempFolder lower;
    lower.write("system.cnf", "boot = cdrom:\\slus_001.52;1\r\n");
    const DiscIdentity id = ReadDiscIdentity(lower.path(), Table());
    EXPECT_EQ(id.result, DiscRead::Found);
    EXPECT_EQ(id.discID, "0033330665");
}

TEST(ReadDiscIdentity, ReportsAMissingOrUnusableFile) {
    testing::TempFolder none;
    const DiscIdentity missing = ReadDiscIdentity(none.path(), Table());
    EXPECT_EQ(missing.result, DiscRead::NoFile);
    EXPECT_NE(missing.description.find("SYSTEM.CNF"), std::string::npos) << missing.description;
    EXPECT_NE(missing.description.find("No such file"), std::string::npos) << missing.description;

    const DiscIdentity noRoot = ReadDiscIdentity(none.file("not-mounted"), Table());
    EXPECT_EQ(noRoot.result, DiscRead::NoFile);

    testing::TempFolder folder;
    std::filesystem::create_directory(folder.file("SYSTEM.CNF"));
    EXPECT_EQ(ReadDiscIdentity(folder.path(), Table()).result, DiscRead::NoFile);

    testing::TempFolder huge;
    huge.write("SYSTEM.CNF", std::string(kSystemCnfLimit + 1, 'x'));
    const DiscIdentity tooBig = ReadDiscIdentity(huge.path(), Table());
    EXPECT_EQ(tooBig.result, DiscRead::Unreadable);
    EXPECT_FALSE(tooBig.description.empty());

    testing::TempFolder empty;
    empty.write("SYSTEM.CNF", "");
    EXPECT_EQ(ReadDiscIdentity(empty.path(), Table()).result, DiscRead::Empty);
}

// ---------------------------------------------------------------------------------------------
// The disc ID box and Next of the identity page.

TEST(FilterDiscID, KeepsTheFirstTenDigits) {
    EXPECT_EQ(FilterDiscID("12ab34"), "1234");
    EXPECT_EQ(FilterDiscID("00-33 33-06 65"), "0033330665");
    EXPECT_EQ(FilterDiscID("123456789012"), "1234567890");
    EXPECT_EQ(FilterDiscID("\xb2\xb3 1\xbd"), "1");  // superscripts and fractions are no digits
    EXPECT_EQ(FilterDiscID(""), "");
    EXPECT_EQ(FilterDiscID("abc"), "");
}

TEST(AcceptDiscIDKey, DigitsUpToTenAndBackspace) {
    EXPECT_TRUE(AcceptDiscIDKey(0, U'0'));
    EXPECT_TRUE(AcceptDiscIDKey(9, U'9'));
    EXPECT_FALSE(AcceptDiscIDKey(10, U'5'));
    EXPECT_TRUE(AcceptDiscIDKey(10, 8));
    EXPECT_TRUE(AcceptDiscIDKey(0, 8));
    // Only exactly ten blocks: a longer text (set by the program) is cut by the change rule.
    EXPECT_TRUE(AcceptDiscIDKey(11, U'1'));
    for (char32_t other : {U'a', U'-', U' ', U'\r', char32_t{22}, U'\x7f', U'\u0663'}) {
        EXPECT_FALSE(AcceptDiscIDKey(3, other)) << static_cast<unsigned>(other);
    }
}

TEST(CanGoForward, NeedsTenDigitsAndATitle) {
    EXPECT_FALSE(CanGoForward("123456789", "Game"));
    EXPECT_FALSE(CanGoForward("1234567890", ""));
    EXPECT_TRUE(CanGoForward("1234567890", "Game"));
    EXPECT_TRUE(CanGoForward("1234567890", " "));  // any title that is not empty
}

TEST(FindDiscIDUser, FirstExactMatchInTableOrder) {
    GameTable games;
    games.GameID[0] = "0000000001";
    games.GameID[1] = "0000000002";
    games.GameID[2] = "0000000002";
    games.GameID[3] = "00000000031";
    games.GameLast = 3;
    EXPECT_EQ(FindDiscIDUser(games, "0000000002"), 1);
    EXPECT_EQ(FindDiscIDUser(games, "0000000003"), -1);
    EXPECT_EQ(FindDiscIDUser(games, "00000000031"), 3);
    games.GameLast = 0;  // slots after the last entry do not count
    EXPECT_EQ(FindDiscIDUser(games, "0000000002"), -1);
    games.GameLast = -1;
    EXPECT_EQ(FindDiscIDUser(games, "0000000001"), -1);
}

TEST(IdentityTexts, AsTheUserReadsThem) {
    EXPECT_EQ(DuplicateDiscIDText("Alpha"), "This digit code is already used by another game\r\n\r\nAlpha");
    EXPECT_EQ(DiscIDNotFoundText("SLUS-99999"),
              "Tolva! wasn't able to find a DiscID for this cd.\r\nPlease get the ID using bleem! and mail it, "
              "together with the region code (SLUS-99999), to us.");
}

// ---------------------------------------------------------------------------------------------
// Page order.

TEST(PreviousPage, FollowsTheChainAndSkipsBackOverTheRemarksOfAGameThatDoesNotWork) {
    EXPECT_EQ(PreviousPage(2, "80000000H"), 1);
    EXPECT_EQ(PreviousPage(3, "80000000H"), 2);
    EXPECT_EQ(PreviousPage(7, "40000000H"), 6);
    EXPECT_EQ(PreviousPage(8, "40000000H"), 2);
    EXPECT_EQ(PreviousPage(8, "80000000H"), 7);
    EXPECT_EQ(PreviousPage(8, "40000001H"), 7);  // only the exact word skips
    EXPECT_EQ(PageName(1), "Wizard1FORM");
    EXPECT_EQ(PageName(8), "Wizard8FORM");
    EXPECT_EQ(PageName(0), "");
    EXPECT_EQ(PageName(9), "");
}

// ---------------------------------------------------------------------------------------------
// Remark pages 3 to 6.

std::string CaptionPreselected(int page, std::string_view flags) {
    const RemarkPage& p = *FindRemarkPage(page);
    const int k = PreselectedOption(p, flags);
    return k < 0 ? "(none)" : std::string(OptionCaption(p, p.options[static_cast<std::size_t>(k)]));
}

TEST(RemarkPages, EachAsksAboutItsPositionWithDigitsInOrderAndKnownCaptions) {
    const int positions[] = {0, 0, 0, 7, 5, 4, 3};
    for (int page = 3; page <= 6; ++page) {
        SCOPED_TRACE(page);
        const RemarkPage* p = FindRemarkPage(page);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->position, positions[page]);
        std::set<std::string_view> names;
        for (std::size_t k = 0; k < p->options.size(); ++k) {
            EXPECT_EQ(p->options[k].digit, static_cast<char>('0' + k));
            EXPECT_FALSE(OptionCaption(*p, p->options[k]).empty());
            names.insert(p->options[k].name);
        }
        EXPECT_EQ(names.size(), p->options.size());
    }
    EXPECT_EQ(FindRemarkPage(2), nullptr);
    EXPECT_EQ(FindRemarkPage(7), nullptr);
}

TEST(RemarkPages, PreselectTheStoredRemarks) {
    EXPECT_EQ(CaptionPreselected(3, "80112020H"), "D3D Graphical Problems");
    EXPECT_EQ(CaptionPreselected(4, "80112020H"), "Minor Sound Problems");
    EXPECT_EQ(CaptionPreselected(5, "80112020H"), "Can Load but not Save");
    EXPECT_EQ(CaptionPreselected(6, "80112020H"), "Must Skip opening MDEC's");
}

TEST(RemarkPages, ANewGameWalkedThroughKeepsItsWord) {
    std::string flags = "80000000H";
    for (int page = 3; page <= 6; ++page) {
        const RemarkPage& p = *FindRemarkPage(page);
        flags = StoreRemark(p, flags, PreselectedOption(p, flags));
    }
    EXPECT_EQ(flags, "80000000H");
}

TEST(RemarkPages, AnUnknownValuePreselectsTheFirstOptionExceptForMovies) {
    const std::string flags = "89999999H";
    for (int page = 3; page <= 5; ++page) {
        const RemarkPage& p = *FindRemarkPage(page);
        EXPECT_EQ(PreselectedOption(p, flags), 0);
        const std::string stored = StoreRemark(p, flags, 0);
        EXPECT_EQ(FlagsPosition(stored, p.position), '0');
    }
    const RemarkPage& movies = *FindRemarkPage(6);
    EXPECT_EQ(PreselectedOption(movies, flags), -1);
    EXPECT_EQ(StoreRemark(movies, flags, -1), flags);
    EXPECT_EQ(CaptionPreselected(6, "80000000H"), "No problems");
}

TEST(RemarkPages, StoringChangesOnlyThePagesPosition) {
    for (int page = 3; page <= 6; ++page) {
        const RemarkPage& p = *FindRemarkPage(page);
        for (std::size_t k = 0; k < p.options.size(); ++k) {
            const std::string stored = StoreRemark(p, "87777777H", static_cast<int>(k));
            for (int position = 1; position <= 9; ++position) {
                const char expected = position == p.position ? p.options[k].digit : "87777777H"[position - 1];
                EXPECT_EQ(FlagsPosition(stored, position), expected) << page << " " << position;
            }
        }
    }
}

TEST(RemarkPages, AWordNotInTheNineCharacterFormIsBroughtIntoItFirst) {
    // "8H" means position 1 "8" and nothing else; decimal 128 is 00000080H.
    EXPECT_EQ(CaptionPreselected(4, "8H"), "Perfect sound, no errors");
    EXPECT_EQ(StoreRemark(*FindRemarkPage(4), "8H", 6), "80006000H");
    EXPECT_EQ(StoreRemark(*FindRemarkPage(3), "128", 1), "00000010H");
    EXPECT_EQ(CaptionPreselected(5, " 80020000h "), "Can Save but not Load");
}

// ---------------------------------------------------------------------------------------------
// Page 7: advanced graphics settings.

TEST(GraphicsBoxes, LoadFromPosition2) {
    const struct {
        char digit;
        std::uint8_t boxes;
    } rows[] = {{'0', 0},      {'1', kCheck1}, {'2', kCheck2}, {'3', kCheck1 | kCheck2}, {'4', 0},
                {'5', kCheck3}, {'6', kCheck4}, {'7', kCheck3 | kCheck4}, {'9', 0}, {'A', 0}};
    for (const auto& row : rows) {
        std::string flags = "80000000H";
        flags[1] = row.digit;
        EXPECT_EQ(GraphicsBoxesOf(flags), row.boxes) << flags;
    }
}

TEST(GraphicsBoxes, PairsExcludeEachOther) {
    std::uint8_t boxes = ExcludeGraphicsBoxes(kCheck1, kCheck1);
    boxes = ExcludeGraphicsBoxes(boxes | kCheck3, kCheck3);
    EXPECT_EQ(boxes, kCheck3);
    EXPECT_EQ(StoreGraphicsBoxes("80000000H", boxes), "85000000H");

    boxes = ExcludeGraphicsBoxes(kCheck3 | kCheck4, kCheck4);
    EXPECT_EQ(StoreGraphicsBoxes("80000000H", boxes), "87000000H");
    boxes = ExcludeGraphicsBoxes(boxes | kCheck1, kCheck1);
    EXPECT_EQ(boxes, kCheck1);
    EXPECT_EQ(StoreGraphicsBoxes("87000000H", boxes), "81000000H");

    // Clearing a box leaves the others as they are.
    EXPECT_EQ(ExcludeGraphicsBoxes(kCheck2, kCheck1), kCheck2);
    EXPECT_EQ(ExcludeGraphicsBoxes(kCheck1 | kCheck2, kCheck2), kCheck1 | kCheck2);
}

TEST(GraphicsBoxes, StoringEveryCombinationWithARow) {
    EXPECT_EQ(StoreGraphicsBoxes("84000000H", 0), "80000000H");
    EXPECT_EQ(StoreGraphicsBoxes("80000000H", kCheck1 | kCheck2), "83000000H");
    EXPECT_EQ(StoreGraphicsBoxes("80000000H", kCheck2), "82000000H");
    EXPECT_EQ(StoreGraphicsBoxes("80000000H", kCheck4), "86000000H");
    // Mixed pairs have no digit: the word stays as it was.
    EXPECT_EQ(StoreGraphicsBoxes("82000000H", kCheck1 | kCheck3), "82000000H");
}

// ---------------------------------------------------------------------------------------------
// Finish.

TEST(SettleStatus, AWorkingGameWithRemarksWorksPartially) {
    EXPECT_EQ(SettleStatus("80000000H"), "80000000H");
    EXPECT_EQ(SettleStatus("87000000H"), "87000000H");  // position 2 does not count
    EXPECT_EQ(SettleStatus("80002000H"), "00002000H");
    EXPECT_EQ(SettleStatus("80000001H"), "00000001H");  // nor do positions 6 and 8 escape it
    EXPECT_EQ(SettleStatus("80000100H"), "00000100H");
    EXPECT_EQ(SettleStatus("40000000H"), "40000000H");
    EXPECT_EQ(SettleStatus("40002000H"), "40002000H");
    EXPECT_EQ(SettleStatus("00000000H"), "00000000H");
    EXPECT_EQ(SettleStatus("8"), "0");
    EXPECT_EQ(SettleStatus(""), "");
}

}  // namespace
}  // namespace tolva
