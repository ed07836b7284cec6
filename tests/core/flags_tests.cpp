// The flags word: its status, graphics settings and remarks, and the forms it is stored in.
#include "core/games/flags.h"

#include <gtest/gtest.h>

#include <map>

namespace tolva {
namespace {

using Boxes = std::array<bool, 4>;

std::string WordWith(int position, char value) { return SetFlagsPosition("00000000H", position, value); }

// The remark of each position's character, from the choices table, in that position's field
// only; a character without a choice shows nothing. (The texts themselves: the mixed word below.)
TEST(DecodeFlags, EveryRemarkAppearsInItsOwnFieldOnly) {
    const std::map<int, std::string_view DecodedFlags::*> fields = {
        {3, &DecodedFlags::other}, {4, &DecodedFlags::memCard}, {5, &DecodedFlags::sound}, {7, &DecodedFlags::graphics}};
    int shown = 0;
    for (int position = 3; position <= 8; ++position) {
        for (const char value : std::string("0123456789ABZ -")) {
            const FlagsChoice* choice = FindFlagsChoice(position, value);
            const DecodedFlags d = DecodeFlags(WordWith(position, value));
            shown += choice && !choice->shown.empty();
            for (const auto& [at, field] : fields)
                EXPECT_EQ(d.*field, at == position && choice ? choice->shown : "") << WordWith(position, value);
        }
    }
    EXPECT_EQ(shown, 15);
}

TEST(DecodeFlags, StatusFromPositionOneAndGraphicsBoxesFromPositionTwo) {
    const std::tuple<char, GameStatus, std::string_view> statuses[] = {
        {'8', GameStatus::Works, "YES"}, {'4', GameStatus::DoesNotWork, "NO"}, {'0', GameStatus::Partial, "PART"},
        {'9', GameStatus::Partial, "PART"}, {'X', GameStatus::Partial, "PART"}};
    for (const auto& [value, status, bitmap] : statuses) {
        EXPECT_EQ(DecodeFlags(WordWith(1, value)).status, status) << value;
        EXPECT_EQ(StatusBitmap(status), bitmap);
    }
    // Which boxes each character of position 2 ticks is GraphicsBoxesOf's table (wizard_tests.cpp).
    // Lower case and spaces decode like the trimmed upper-case word; decimal 128 is 00000080H; a
    // short word or none shows its status and nothing else.
    const DecodedFlags mixed = DecodeFlags("  01211010h ");
    EXPECT_EQ(mixed.status, GameStatus::Partial);
    EXPECT_EQ(mixed.checks, (Boxes{true, false, false, false}));
    EXPECT_EQ(std::string(mixed.other) + "|" + std::string(mixed.memCard) + "|" + std::string(mixed.sound) + "|" + std::string(mixed.graphics),
              "Some Video Sequences do not display|Game Saves can be loaded, but not saved|"
              "No sound effects and/or music will be heard|Some graphics may exhibit minor flaws");
    for (const char* word : {"128", "8H", "", "87222222H"}) {
        const DecodedFlags d = DecodeFlags(word);
        EXPECT_EQ(d.status, word[0] == '8' ? GameStatus::Works : GameStatus::Partial) << word;
        EXPECT_EQ(d.checks, (std::string_view(word) == "87222222H" ? Boxes{false, false, true, true} : Boxes{})) << word;
        EXPECT_EQ(d.graphics, std::string_view(word) == "87222222H" ? "Direct3D Enhancements may exhibit some flaws" : "") << word;
    }
}

TEST(NormaliseFlags, TheHFormIsKeptDecimalIsConvertedAndTheCanonicalFormHasNinePlaces) {
    const struct {
        std::string_view stored, normalised, canonical;
    } cases[] = {
        {"80000000H", "80000000H", "80000000H"}, {" 80112020h  ", "80112020H", "80112020H"},
        {"8H", "8H", "80000000H"},               {"4h", "4H", "40000000H"},
        {"128H", "128H", "12800000H"},           {"H", "H", "00000000H"},
        {"128", "00000080H", "00000080H"},       {"  0121 ", "00000079H", "00000079H"},
        {"0", "00000000H", "00000000H"},         {"", "00000000H", "00000000H"},
        {"   ", "00000000H", "00000000H"},       {"abc", "00000000H", "00000000H"},
        {"255xyz", "000000FFH", "000000FFH"},    {"-5", "00000000H", "00000000H"},
        {"2147483647", "7FFFFFFFH", "7FFFFFFFH"}, {"2147483648", "00000000H", "00000000H"},
        {"99999999999999999999999999999", "00000000H", "00000000H"},
        {"801120200H", "801120200H", "80112020H"},  // a ninth digit has no position
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormaliseFlags(c.stored), c.normalised) << c.stored;
        EXPECT_EQ(CanonicalFlags(c.stored), c.canonical) << c.stored;
        EXPECT_EQ(CanonicalFlags(c.canonical), c.canonical) << c.stored;
    }
}

TEST(SetFlagsPosition, ReplacesOneCharacterOfTheCanonicalForm) {
    const std::tuple<std::string_view, int, char, std::string_view> cases[] = {
        {"80000000H", 5, '6', "80006000H"}, {"80000000H", 1, '4', "40000000H"}, {"80000000H", 8, '1', "80000001H"},
        {"80000909H", 7, '2', "80000929H"}, {"8H", 3, '2', "80200000H"},        {"128", 2, '5', "05000080H"},
        {"80000000H", 9, '1', "80000000H"}, {"80000000H", 0, '1', "80000000H"}, {"80000000H", -3, '1', "80000000H"},
    };
    for (const auto& [word, position, value, expected] : cases)
        EXPECT_EQ(SetFlagsPosition(word, position, value), expected) << word << " " << position;
    EXPECT_EQ(FlagsPosition("80112020H", 3), '1');
    EXPECT_EQ(FlagsPosition("8H", 3), '\0');
}

}  // namespace
}  // namespace tolva
