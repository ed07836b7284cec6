#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/text/cp1252.h"
#include "core/files/files.h"
#include "temp_folder.h"

namespace tolva {
namespace {

using testing::TempFolder;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

// ---- code page --------------------------------------------------------------------------------

TEST(Cp1252, MapsTheHighControlRangeToTheCodePagesCharacters) {
    EXPECT_EQ(Cp1252ToUnicode(0x80), u'\u20AC');  // €
    EXPECT_EQ(Cp1252ToUnicode(0x8A), u'\u0160');  // Š
    EXPECT_EQ(Cp1252ToUnicode(0x9C), u'\u0153');  // œ
    EXPECT_EQ(Cp1252ToUnicode(0x9F), u'\u0178');  // Ÿ
    EXPECT_EQ(Cp1252ToUnicode(0x96), u'\u2013');  // en dash
    EXPECT_EQ(Cp1252ToUnicode(0x81), u'\u0081');  // unassigned: itself
    EXPECT_EQ(Cp1252ToUnicode(0x41), u'A');
    EXPECT_EQ(Cp1252ToUnicode(0xE9), u'\u00E9');
}

TEST(Cp1252, EveryByteRoundTripsAndForeignCharactersHaveNoByte) {
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(UnicodeToCp1252(Cp1252ToUnicode(static_cast<unsigned char>(b))), b) << "byte " << b;
    }
    EXPECT_EQ(UnicodeToCp1252(U'\u20AC'), 0x80);
    EXPECT_EQ(UnicodeToCp1252(U'\u4E00'), -1);
    EXPECT_EQ(UnicodeToCp1252(U'\u0100'), -1);  // Ā is Latin but not in this code page
    EXPECT_EQ(UnicodeToCp1252(U'\U0001F600'), -1);
}

TEST(Cp1252, UpperCaseFollowsTheCodePagesLetters) {
    struct Case { int lower, upper; };
    for (Case c : {Case{'a', 'A'}, Case{'z', 'Z'}, Case{0xE0, 0xC0}, Case{0xE9, 0xC9}, Case{0xFE, 0xDE},
                   Case{0x9A, 0x8A}, Case{0x9C, 0x8C}, Case{0x9E, 0x8E}, Case{0xFF, 0x9F}}) {
        EXPECT_EQ(UpperCase1252(static_cast<unsigned char>(c.lower)), c.upper) << "byte " << c.lower;
    }
    // Not letters with an upper case of their own in the code page: unchanged.
    for (int same : {0xF7 /* ÷ */, 0xDF /* ß */, 0xB5 /* µ */, 0xAA /* ª */, int{'1'}, int{'*'}, int{'A'}, 0xC0, 0x8A, 0x80}) {
        EXPECT_EQ(UpperCase1252(static_cast<unsigned char>(same)), same) << "byte " << same;
    }
}

TEST(Cp1252, ExactlyTheSixtyLowerCaseLettersChangeAndUpperCaseIsStable) {
    int changed = 0;
    for (int b = 0; b < 256; ++b) {
        const unsigned char up = UpperCase1252(static_cast<unsigned char>(b));
        if (up != b) ++changed;
        EXPECT_EQ(UpperCase1252(up), up) << "byte " << b;
    }
    EXPECT_EQ(changed, 26 + 30 + 4);  // a-z, à-þ but ÷, and š œ ž ÿ
}

TEST(Cp1252, UpperCaseOfAText) {
    EXPECT_EQ(UpperCase("Final Fant" + Bytes({0xE9}) + "sie " + Bytes({0x9C, 0xFF, 0xDF})),
              "FINAL FANT" + Bytes({0xC9}) + "SIE " + Bytes({0x8C, 0x9F, 0xDF}));
    EXPECT_EQ(UpperCase(""), "");
    EXPECT_EQ(UpperCase(std::string("a\0b", 3)), std::string("A\0B", 3));
}

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(CompareCodePoints, OrdersByCodePointNotByByte) {
    EXPECT_GT(CompareCodePoints(Bytes({0x80}), Bytes({0xFF})), 0);  // € U+20AC after ÿ U+00FF
    EXPECT_GT(CompareCodePoints(Bytes({0x9F}), Bytes({0xFF})), 0);  // Ÿ U+0178 after ÿ
    EXPECT_GT(CompareCodePoints(Bytes({0x8A}), Bytes({0xE9})), 0);  // Š U+0160 after é
    EXPECT_LT(CompareCodePoints(Bytes({0x81}), Bytes({0xA0})), 0);  // unassigned U+0081 first
    EXPECT_LT(CompareCodePoints(" ", "!"), 0);
    EXPECT_LT(CompareCodePoints("!", "*"), 0);
    EXPECT_LT(CompareCodePoints("*", "0"), 0);
    EXPECT_LT(CompareCodePoints("9", "A"), 0);
    EXPECT_LT(CompareCodePoints("Z", Bytes({0xC0})), 0);
}

TEST(CompareCodePoints, APrefixComesFirstAndEqualTextsAreEqual) {
    EXPECT_LT(CompareCodePoints("ABC", "ABCD"), 0);
    EXPECT_GT(CompareCodePoints("ABCD", "ABC"), 0);
    EXPECT_LT(CompareCodePoints("", "A"), 0);
    EXPECT_EQ(CompareCodePoints("", ""), 0);
    EXPECT_EQ(CompareCodePoints("ABC", "ABC"), 0);
    EXPECT_LT(CompareCodePoints(std::string("A\0", 2), "A!"), 0);
}

TEST(CompareCodePoints, AgreesWithUtf16OrderOnRandomTexts) {
    std::mt19937 rng(7);
    // Bytes drawn mostly from a small alphabet so that long common prefixes occur.
    const std::string alphabet = "Aa " + Bytes({0x80, 0x8A, 0x9F, 0xC0, 0xE9, 0xFF, 0x81});
    for (int round = 0; round < 20000; ++round) {
        std::string a, b;
        for (int k = std::uniform_int_distribution<>(0, 6)(rng); k > 0; --k) {
            a += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
        }
        for (int k = std::uniform_int_distribution<>(0, 6)(rng); k > 0; --k) {
            b += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
        }
        std::u16string ua, ub;
        for (char c : a) ua += Cp1252ToUnicode(static_cast<unsigned char>(c));
        for (char c : b) ub += Cp1252ToUnicode(static_cast<unsigned char>(c));
        ASSERT_EQ(Sign(CompareCodePoints(a, b)), Sign(ua.compare(ub))) << a << " vs " << b;
    }
}

TEST(TrimSpaces, RemovesSpacesOnlyAtBothEnds) {
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimSpaces(" \t a"), "\t a");
    EXPECT_EQ(TrimSpaces("     "), "");
    EXPECT_EQ(TrimSpaces(""), "");
    EXPECT_EQ(TrimSpaces("x"), "x");
}

TEST(SplitLines, EndsLinesAtCrLfLoneCrAndLoneLf) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\r\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF then CR: two breaks
    EXPECT_EQ(SplitLines("\r"), (Lines{""}));
    EXPECT_EQ(SplitLines(std::string("x\0y\r\n", 5)), (Lines{std::string("x\0y", 3)}));
}

TEST(SplitLines, TheLineReaderGivesTheSameLines) {
    const std::string text = "one\r\ntwo\rthree\n\nfour\r\r\n\n\rfive";
    std::vector<std::string> read;
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) read.emplace_back(line);
    EXPECT_EQ(read, SplitLines(text));
    EXPECT_EQ(read.size(), 9u);  // one two three "" four "" "" "" five
    EXPECT_FALSE(reader.next(line));
}

// ---- files ------------------------------------------------------------------------------------

TEST(Paths, JoinWithTheNativeSeparator) {
    const std::string sep = NativeSeparator();
    ASSERT_EQ(sep.size(), 1u);
    EXPECT_EQ(JoinPath("folder", "bleem!.INI"), "folder" + sep + "bleem!.INI");
    EXPECT_TRUE(EndsWithSeparator("folder" + sep));
    EXPECT_FALSE(EndsWithSeparator("folder"));
    EXPECT_FALSE(EndsWithSeparator(""));
}

TEST(LocateFile, FindsTheExactNameFirstThenAnyLetterCase) {
    TempFolder dir;
    const std::string wanted = JoinPath(dir.path(), "bleem!.INI");
    EXPECT_FALSE(LocateFile(wanted).has_value());

    dir.write("BLEEM!.ini", "other case");
    EXPECT_EQ(LocateFile(wanted), JoinPath(dir.path(), "BLEEM!.ini"));

    dir.write("bleem!.INI", "exact");
    EXPECT_EQ(LocateFile(wanted), wanted);
}

TEST(LocateFile, IgnoresFoldersAndMissingFolders) {
    TempFolder dir;
    std::filesystem::create_directory(dir.file("Compatibility.TXT"));
    EXPECT_FALSE(LocateFile(JoinPath(dir.path(), "Compatibility.TXT")).has_value());
    EXPECT_FALSE(LocateFile(JoinPath(dir.path(), "compatibility.txt")).has_value());
    EXPECT_FALSE(LocateFile(JoinPath(dir.file("no such folder"), "bleem!.INI")).has_value());
    EXPECT_FALSE(LocateFile("").has_value());
}

TEST(LocateFile, FoldsAccentedLettersOfUtf8Names) {
    TempFolder dir;
    dir.write("\xC3\x89TOILE.INI", "x");  // "ÉTOILE.INI" in UTF-8
    EXPECT_EQ(LocateFile(JoinPath(dir.path(), "\xC3\xA9toile.ini")), JoinPath(dir.path(), "\xC3\x89TOILE.INI"));
    EXPECT_FALSE(LocateFile(JoinPath(dir.path(), "etoile.ini")).has_value());
}

TEST(ReadWholeFile, ReadsEveryByteAsItIs) {
    TempFolder dir;
    const std::string bytes = std::string("a\0b\r\nc\xFF", 7);
    const FileBytes file = ReadWholeFile(dir.write("f.bin", bytes));
    ASSERT_TRUE(file.ok) << file.error;
    EXPECT_EQ(file.bytes, bytes);
    EXPECT_EQ(file.error, "");
}

TEST(ReadWholeFile, ReportsMissingFilesAndFoldersByNameAndCause) {
    TempFolder dir;
    const std::string missing = dir.file("bleem!.INI");
    FileBytes file = ReadWholeFile(missing);
    EXPECT_FALSE(file.ok);
    EXPECT_EQ(file.error, "cannot open " + missing + ": No such file or directory");

    file = ReadWholeFile(dir.path());
    EXPECT_FALSE(file.ok);
    EXPECT_EQ(file.error, "cannot open " + dir.path() + ": Is a directory");
}

TEST(ReadWholeFile, RefusesAFileOverTheLimit) {
    TempFolder dir;
    const std::string path = dir.write("big", std::string(11, 'x'));
    const FileBytes over = ReadWholeFile(path, 10);
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.error, "cannot read " + path + ": the file is larger than 10 bytes");
    EXPECT_TRUE(over.bytes.empty());

    const FileBytes at = ReadWholeFile(path, 11);
    EXPECT_TRUE(at.ok);
    EXPECT_EQ(at.bytes.size(), 11u);
}

TEST(ReadWholeFile, ReportsAFileItMayNotRead) {
    TempFolder dir;
    const std::string path = dir.write("locked", "secret");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    const FileBytes file = ReadWholeFile(path);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    if (file.ok) GTEST_SKIP() << "this user reads files whatever their permissions (root)";
    EXPECT_EQ(file.error, "cannot open " + path + ": Permission denied");
}

}  // namespace
}  // namespace tolva
