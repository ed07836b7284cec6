#include "core/games/flags.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tolva {
namespace {

// The word "00000000H" with one position replaced, built by hand so that the tests do not lean
// on SetFlagsPosition.
std::string WordWith(int position, char value) {
    std::string word = "00000000H";
    word[static_cast<std::size_t>(position) - 1] = value;
    return word;
}

struct Remarks {
    std::string_view graphics, sound, memCard, other;
};

Remarks RemarksOf(const DecodedFlags& d) { return {d.graphics, d.sound, d.memCard, d.other}; }

struct RemarkCase {
    int position;
    char value;
    std::string_view text;
};

// Every remark of the details view, as the users read it.
constexpr RemarkCase kRemarkCases[] = {
    {3, '1', "Some Videos may not play - to skip them, press START and/or X"},
    {3, '2', "Some Video Sequences do not display"},
    {3, '3', "Some CDROM/DVDROM Units are incompatible with this game"},
    {4, '1', "Game Saves can be loaded, but not saved"},
    {4, '2', "Game Saves can be saved, but not loaded"},
    {4, '3', "Memory Cards will automatically be disabled to operate"},
    {4, '4', "Game Saves can be loaded and saved for some game functions only"},
    {5, '1', "No sound effects and/or music will be heard"},
    {5, '2', "Some sound effects and/or music may exhibit minor flaws"},
    {5, '3', "Some sound effects and/or music may exhibit flaws (Major Sound Problems)"},
    {5, '4', "Some sound effects and/or music may exhibit flaws (Repeating sound)"},
    {5, '5', "Some sound effects and/or music may exhibit flaws (Minor choppiness)"},
    {5, '6', "Some sound effects and/or music may exhibit flaws (Major choppiness)"},
    {7, '1', "Some graphics may exhibit minor flaws"},
    {7, '2', "Direct3D Enhancements may exhibit some flaws"},
};

TEST(DecodeFlags, EveryRemarkAppearsInItsOwnFieldOnly) {
    for (const RemarkCase& c : kRemarkCases) {
        SCOPED_TRACE(WordWith(c.position, c.value));
        const Remarks r = RemarksOf(DecodeFlags(WordWith(c.position, c.value)));
        EXPECT_EQ(r.other, c.position == 3 ? c.text : "");
        EXPECT_EQ(r.memCard, c.position == 4 ? c.text : "");
        EXPECT_EQ(r.sound, c.position == 5 ? c.text : "");
        EXPECT_EQ(r.graphics, c.position == 7 ? c.text : "");
    }
}

TEST(DecodeFlags, UnlistedValuesAndSilentPositionsShowNothing) {
    // Every character at every remark position that the table does not list, and any value at
    // positions 6 and 8, which carry nothing.
    const std::string values = "0123456789ABCDEFZ -";
    for (int position : {3, 4, 5, 6, 7, 8}) {
        for (char value : values) {
            bool listed = false;
            for (const RemarkCase& c : kRemarkCases) listed |= c.position == position && c.value == value;
            if (listed) continue;
            SCOPED_TRACE(WordWith(position, value));
            const Remarks r = RemarksOf(DecodeFlags(WordWith(position, value)));
            EXPECT_EQ(r.other, "");
            EXPECT_EQ(r.memCard, "");
            EXPECT_EQ(r.sound, "");
            EXPECT_EQ(r.graphics, "");
        }
    }
}

TEST(DecodeFlags, StatusComesFromPositionOneAlone) {
    const struct {
        char value;
        GameStatus status;
        std::string_view bitmap;
    } cases[] = {
        {'8', GameStatus::Works, "YES"},       {'4', GameStatus::DoesNotWork, "NO"},
        {'0', GameStatus::Partial, "PART"},    {'1', GameStatus::Partial, "PART"},
        {'9', GameStatus::Partial, "PART"},    {'X', GameStatus::Partial, "PART"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const DecodedFlags d = DecodeFlags(WordWith(1, c.value));
        EXPECT_EQ(d.status, c.status);
        EXPECT_EQ(StatusBitmap(d.status), c.bitmap);
    }
    // Remarks elsewhere do not change the status.
    EXPECT_EQ(DecodeFlags("87222222H").status, GameStatus::Works);
}

TEST(DecodeFlags, PositionTwoTicksTheAdvancedGraphicsBoxes) {
    using Boxes = std::array<bool, 4>;
    const struct {
        char value;
        Boxes boxes;
    } cases[] = {
        {'0', {false, false, false, false}}, {'1', {true, false, false, false}},
        {'2', {false, true, false, false}},  {'3', {true, true, false, false}},
        {'4', {false, false, false, false}},  // software mode only, with neither setting
        {'5', {false, false, true, false}},  {'6', {false, false, false, true}},
        {'7', {false, false, true, true}},   {'8', {false, false, false, false}},
        {'9', {false, false, false, false}}, {'A', {false, false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(DecodeFlags(WordWith(2, c.value)).checks, c.boxes);
    }
}

TEST(DecodeFlags, WorkedExamples) {
    const DecodedFlags works = DecodeFlags("80000000H");
    EXPECT_EQ(works.status, GameStatus::Works);
    EXPECT_EQ(works.checks, (std::array<bool, 4>{}));
    EXPECT_EQ(works.graphics, "");
    EXPECT_EQ(works.sound, "");
    EXPECT_EQ(works.memCard, "");
    EXPECT_EQ(works.other, "");

    const DecodedFlags mixed = DecodeFlags("01211010H");
    EXPECT_EQ(mixed.status, GameStatus::Partial);
    EXPECT_EQ(mixed.checks, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(mixed.other, "Some Video Sequences do not display");
    EXPECT_EQ(mixed.memCard, "Game Saves can be loaded, but not saved");
    EXPECT_EQ(mixed.sound, "No sound effects and/or music will be heard");
    EXPECT_EQ(mixed.graphics, "Some graphics may exhibit minor flaws");

    // Lower case and surrounding spaces decode like the trimmed upper-case word.
    const DecodedFlags loose = DecodeFlags("  01211010h ");
    EXPECT_EQ(loose.status, mixed.status);
    EXPECT_EQ(loose.checks, mixed.checks);
    EXPECT_EQ(RemarksOf(loose).other, mixed.other);
    EXPECT_EQ(RemarksOf(loose).graphics, mixed.graphics);

    // 128 is 00000080H: position 1 "0" (partially), position 8 "8", which carries nothing.
    const DecodedFlags decimal = DecodeFlags("128");
    EXPECT_EQ(decimal.status, GameStatus::Partial);
    EXPECT_EQ(decimal.checks, (std::array<bool, 4>{}));
    EXPECT_EQ(decimal.graphics, "");

    // A short word shows its status and nothing else.
    const DecodedFlags shortWord = DecodeFlags("8H");
    EXPECT_EQ(shortWord.status, GameStatus::Works);
    EXPECT_EQ(shortWord.checks, (std::array<bool, 4>{}));
    EXPECT_EQ(shortWord.sound, "");

    // No Flags line at all.
    const DecodedFlags empty = DecodeFlags("");
    EXPECT_EQ(empty.status, GameStatus::Partial);
    EXPECT_EQ(empty.other, "");
}

TEST(NormaliseFlags, HFormIsKeptDecimalIsConverted) {
    const struct {
        std::string_view stored, normalised;
    } cases[] = {
        {"80000000H", "80000000H"},
        {" 80112020h  ", "80112020H"},
        {"8H", "8H"},                    // ends in H: used as it is
        {"128H", "128H"},
        {"128", "00000080H"},
        {"0", "00000000H"},
        {"", "00000000H"},
        {"   ", "00000000H"},
        {"abc", "00000000H"},            // non-numeric reads as 0
        {"255xyz", "000000FFH"},         // the leading numeric part
        {"-5", "00000000H"},             // a sign is not a number the system writes
        {"2147483647", "7FFFFFFFH"},     // the largest convertible value
        {"2147483648", "00000000H"},     // 2^31: unreadable, read as 0
        {"4294967296", "00000000H"},
        {"99999999999999999999999999999", "00000000H"},  // no overflow on the way
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(NormaliseFlags(c.stored), c.normalised);
    }
}

TEST(CanonicalFlags, BringsEveryWordIntoTheNineCharacterForm) {
    const struct {
        std::string_view stored, canonical;
    } cases[] = {
        {"80112020H", "80112020H"},
        {"8H", "80000000H"},             // missing positions are "no remark"
        {"4h", "40000000H"},
        {"H", "00000000H"},
        {"", "00000000H"},
        {"128", "00000080H"},
        {"801120200H", "80112020H"},     // a ninth digit has no position
        {"  0121 ", "00000079H"},        // decimal 121
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const std::string canonical = CanonicalFlags(c.stored);
        EXPECT_EQ(canonical, c.canonical);
        EXPECT_EQ(CanonicalFlags(canonical), canonical);
    }
}

TEST(SetFlagsPosition, ReplacesOneCharacterAndKeepsTheRest) {
    EXPECT_EQ(SetFlagsPosition("80000000H", 5, '6'), "80006000H");
    EXPECT_EQ(SetFlagsPosition("80000000H", 1, '4'), "40000000H");
    EXPECT_EQ(SetFlagsPosition("80000000H", 8, '1'), "80000001H");
    // Positions 6 and 8 stay as read when another position changes.
    EXPECT_EQ(SetFlagsPosition("80000909H", 7, '2'), "80000929H");
    // A word in another form is brought into shape first, so the value lands at its position.
    EXPECT_EQ(SetFlagsPosition("8H", 3, '2'), "80200000H");
    EXPECT_EQ(SetFlagsPosition("128", 2, '5'), "05000080H");
    // The "H" and positions outside 1 to 8 are never written.
    EXPECT_EQ(SetFlagsPosition("80000000H", 9, '1'), "80000000H");
    EXPECT_EQ(SetFlagsPosition("80000000H", 0, '1'), "80000000H");
    EXPECT_EQ(SetFlagsPosition("80000000H", -3, '1'), "80000000H");
}

TEST(FlagsChoices, AdvancedGraphicsBoxesGiveTheirDigit) {
    const struct {
        std::uint8_t boxes;
        char digit;
    } cases[] = {
        {0, '0'},        {kCheck1, '1'}, {kCheck2, '2'}, {kCheck1 | kCheck2, '3'},
        {kCheck3, '5'},  {kCheck4, '6'}, {kCheck3 | kCheck4, '7'},
    };
    for (const auto& c : cases) {
        const FlagsChoice* row = FindGraphicsSettings(c.boxes);
        ASSERT_NE(row, nullptr) << int(c.boxes);
        EXPECT_EQ(row->value, c.digit);
        // Decoding the digit ticks the same boxes again.
        const auto checks = DecodeFlags(WordWith(2, c.digit)).checks;
        for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(checks[k], ((c.boxes >> k) & 1) != 0);
    }
    EXPECT_EQ(FindGraphicsSettings(kCheck1 | kCheck3), nullptr);
    EXPECT_EQ(FindGraphicsSettings(kCheck2 | kCheck4), nullptr);
}

}  // namespace
}  // namespace tolva
