// The Windows-1252 code page: characters, upper case and the order of titles; and lines.
#include "core/text/cp1252.h"

#include <gtest/gtest.h>

#include <random>

namespace tolva {
namespace {

TEST(Cp1252, EveryByteRoundTripsAndForeignCharactersHaveNoByte) {
    const std::pair<unsigned char, char16_t> known[] = {{0x80, u'\u20AC'}, {0x8A, u'\u0160'}, {0x9C, u'\u0153'}, {0x9F, u'\u0178'},
                                                        {0x96, u'\u2013'}, {0x81, u'\u0081'}, {0x41, u'A'}, {0xE9, u'\u00E9'}};
    for (const auto& [byte, unicode] : known) EXPECT_EQ(Cp1252ToUnicode(byte), unicode) << int(byte);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(UnicodeToCp1252(Cp1252ToUnicode(static_cast<unsigned char>(b))), b) << b;
    for (const char32_t foreign : {U'\u4E00', U'\u0100', U'\U0001F600', U'\u20AD', U'\u0080', U'\u009F'})
        EXPECT_EQ(UnicodeToCp1252(foreign), -1) << unsigned(foreign);
}

// Exactly the sixty lower-case letters change (a-z, à-þ but ÷, and š œ ž ÿ), to their upper
// case in the code page, and upper case is stable.
TEST(Cp1252, UpperCaseFollowsTheCodePagesLetters) {
    const std::pair<int, int> pairs[] = {{'a', 'A'}, {'z', 'Z'}, {0xE0, 0xC0}, {0xE9, 0xC9}, {0xFE, 0xDE},
                                         {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
    for (const auto& [lower, upper] : pairs) EXPECT_EQ(UpperCase1252(static_cast<unsigned char>(lower)), upper) << lower;
    int changed = 0;
    for (int b = 0; b < 256; ++b) {
        const unsigned char up = UpperCase1252(static_cast<unsigned char>(b));
        changed += up != b;
        EXPECT_EQ(UpperCase1252(up), up) << b;
        EXPECT_TRUE(up == b || (b >= 'a' && b <= 'z') || (b >= 0xE0 && b != 0xF7) || b == 0x9A || b == 0x9C || b == 0x9E) << b;
    }
    EXPECT_EQ(changed, 60);
    EXPECT_EQ(UpperCase(std::string("Caf\xE9 \x9C\xFF\xDF\0b", 10)), std::string("CAF\xC9 \x8C\x9F\xDF\0B", 10));
    for (const auto& [c, lower] : {std::pair{'A', 'a'}, {'Z', 'z'}, {'@', '@'}, {'[', '['}, {'a', 'a'}, {'\xC9', '\xC9'}})
        EXPECT_EQ(AsciiLower(c), lower) << c;  // only ASCII letters
}

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(CompareCodePoints, OrdersByCodePointAsUtf16Does) {
    EXPECT_LT(CompareCodePoints("\x81", "\xA0"), 0);  // unassigned U+0081 first
    EXPECT_LT(CompareCodePoints(std::string("A\0", 2), "A!"), 0);
    std::mt19937 rng(7);
    const std::string alphabet = "Aa \x80\x8A\x9F\xC0\xE9\xFF\x81";
    for (int round = 0; round < 20000; ++round) {
        std::string a(rng() % 7, ' '), b(rng() % 7, ' ');
        std::u16string ua, ub;
        for (char& c : a) ua += Cp1252ToUnicode(static_cast<unsigned char>(c = alphabet[rng() % alphabet.size()]));
        for (char& c : b) ub += Cp1252ToUnicode(static_cast<unsigned char>(c = alphabet[rng() % alphabet.size()]));
        ASSERT_EQ(Sign(CompareCodePoints(a, b)), Sign(ua.compare(ub))) << a << " vs " << b;
    }
}

TEST(Lines, SpacesAreTrimmedAndLinesEndAtCrLfLoneCrAndLoneLf) {
    for (const auto& [text, trimmed] : {std::pair{"  a b  ", "a b"}, {"\ta\t", "\ta\t"}, {" \t a", "\t a"}, {"     ", ""}, {"", ""}, {"x", "x"}})
        EXPECT_EQ(TrimSpaces(text), trimmed) << text;
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}}, {"a\r\n", {"a"}}, {"a\n\n", {"a", ""}}, {"\r\n", {""}}, {"", {}},
        {"a\r\r\nb", {"a", "", "b"}}, {"a\n\rb", {"a", "", "b"}}, {"\r", {""}}, {std::string("x\0y\r\n", 5), {std::string("x\0y", 3)}},
        {"one\r\ntwo\rthree\n\nfour\r\r\n\n\rfive", {"one", "two", "three", "", "four", "", "", "", "five"}},
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(SplitLines(text), lines) << text;  // LineReader's lines
}

}  // namespace
}  // namespace tolva
