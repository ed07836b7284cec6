// Clean Up: bleem!.INI rewritten from the table, with compatibility data as comment lines.
#include "core/tools/cleanup.h"

#include <gtest/gtest.h>

#include "core/database/gametable.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

const std::string kFile =
    "; bleem! game database\r\n; keep this\n\r\nVersion=1.0\r\n\r\nID=2222222222\r\nTitle=beta\r\nFlags=40000000H\r\n"
    "; a stray remark\r\n;ID=9999999999\r\n;Title=Disabled\r\nOther=kept nowhere\r\n\r\nID=1111111111\r\nTitle=Alpha\r\n"
    "Flags=80000000H\r\n\r\nID=3333333333\r\nFlags=0\r\n";
const std::string kHeader = "; bleem! game database\r\n; keep this\r\n\r\nVersion=1.0\r\n";
const std::string kUnknown = "\r\nID=3333333333\r\nTitle=*** Unknown ***\r\nFlags=0\r\n";
const std::string kAlpha = "ID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n";
const std::string kBeta = "\r\nID=2222222222\r\nTitle=beta\r\nFlags=40000000H\r\n";

/// The table read from file, Alpha joined to record 1 of a compatibility table.
struct Loaded {
    GameTable games;
    CompatibilityTable txt;
    explicit Loaded(const std::string& file = kFile) {
        FailureLog log;
        EXPECT_TRUE(ReadINIText(games, file, log.sink()));
        txt.TxtCount = 2;
        txt.TxtTitle[1] = "Alpha";
        txt.TxtPublisher[1] = "Kestrel Interactive";
        txt.TxtProductCode[1] = "SLUS-00001";
        txt.TxtRegion[1] = "USA";
        txt.TxtStatus[1] = "Yes!";
        txt.TxtD3D[1] = "blank";
        if (const int alpha = RowOf(games, "Alpha"); alpha >= 0) games.GameTxtIndex[alpha] = 1;
    }
    std::string clean(const std::string& file, const CleanUpOptions& options = {}) const {
        const EditedText out = CleanUpText(file, games, txt, options);
        EXPECT_TRUE(out.ok) << out.error;
        return out.bytes;
    }
};

TEST(CleanUpText, TheHeaderTheVersionAndTheEntriesInTableOrderWithTheTickedComments) {
    const Loaded loaded;
    EXPECT_EQ(loaded.clean(kFile), kHeader + kUnknown + "\r\n" + kAlpha + kBeta);
    CleanUpOptions options{.Publisher = true, .Works = true, .Details = true};  // empty details: no line
    const std::string comments = "; Kestrel Interactive\r\n; Yes!\r\n";
    EXPECT_EQ(loaded.clean(kFile, options), kHeader + kUnknown + "\r\n" + comments + kAlpha + kBeta);
    options.Place = CommentPlace::After;
    EXPECT_EQ(loaded.clean(kFile, options), kHeader + kUnknown + "\r\n" + kAlpha + comments + kBeta);
    // Every box, in its fixed order; an entry not joined or joined outside the table gets none.
    const CleanUpOptions all{true, true, true, true, true, true, CommentPlace::Before};
    const std::string every = "\r\n; Kestrel Interactive\r\n; SLUS-00001\r\n; USA\r\n; Yes!\r\n; blank\r\n";
    EXPECT_EQ(loaded.clean("", all), "Version=1.0\r\n" + kUnknown + every + kAlpha + kBeta);
    Loaded wild;
    wild.txt.TxtPublisher[2] = "beyond the records read";
    for (const std::int32_t index : {2, -1, 5000}) {
        wild.games.GameTxtIndex[1] = index;
        EXPECT_EQ(wild.clean("", all), "Version=1.0\r\n" + kUnknown + "\r\n" + kAlpha + kBeta) << index;
    }
}

TEST(CleanUpText, OnlyTheLeadingCommentsAndTheLineEndingThemWhenBlankAreKept) {
    const Loaded loaded("Version=2\r\nID=1\r\nTitle=A\r\nFlags=8\r\n");
    const std::string entry = "\r\nID=1\r\nTitle=A\r\nFlags=8\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"ID=1\r\nTitle=A\r\n", "Version=2\r\n"},  // the ID line ending the block would load twice
        {"; c\r\nVersion=1.0\r\nID=1\r\n", "; c\r\nVersion=2\r\n"},
        {"  ; a\r\n   \r\n; not header\r\n", "  ; a\r\n   \r\nVersion=2\r\n"},
        {"; one\r\n; two\n;three", "; one\r\n; two\r\n;three\r\nVersion=2\r\n"},
    };
    for (const auto& [file, header] : cases) EXPECT_EQ(loaded.clean(file), header + entry) << file;
    GameTable empty;
    empty.IniVersion = "1.0";
    EXPECT_EQ(CleanUpText(kFile, empty, {}, {}).bytes, kHeader);
}

TEST(CleanUpText, RefusesATableNotReadWholeOrACommentBlockBeyondTheLineBuffer) {
    Loaded loaded;
    std::string file;
    for (std::size_t k = 0; k < kIniLineCapacity; ++k) file += ";\r\n";
    EXPECT_TRUE(CleanUpText(file, loaded.games, loaded.txt, {}).ok);
    const EditedText over = CleanUpText(file + ";", loaded.games, loaded.txt, {});
    EXPECT_NE(over.error.find("16385"), std::string::npos) << over.error;
    loaded.games.Truncated = true;
    EXPECT_EQ(CleanUpText(kFile, loaded.games, loaded.txt, {}).error, TruncatedTableReason());
}

TEST(CleanUpINI, RewritesTheFileOrSaysWhyNot) {
    IniInFolder place(kFile);
    auto& [folder, path, state, log] = place;
    ASSERT_TRUE(CleanUpINI(state, {}, log.sink()));
    const std::string cleaned = ReadFileBytes(path);
    EXPECT_EQ(cleaned, kHeader + kUnknown + "\r\n" + kAlpha + kBeta);
    EXPECT_EQ(log.said(), "");
    log.answer = Resolution::Cancel;
    EXPECT_FALSE(CleanUpINI(state, {}, log.sink(), DiskWithRoom(40)));
    EXPECT_EQ(log.said(), "GLOBAL.CleanUpINI: cannot write " + path + ": no space left on device; the file was left unchanged\n");
    EXPECT_EQ(ReadFileBytes(path), cleaned);  // the full disk, not another program: its own bytes were noted
    folder.write("bleem!.INI", cleaned + "; theirs\r\n");
    log = FailureLog();
    EXPECT_TRUE(CleanUpINI(state, {}, log.sink()));
    EXPECT_EQ(log.said(), "GLOBAL.CleanUpINI: cannot clean up " + path + ": another program has changed it since it was last read; the file was left unchanged\n");
    EXPECT_EQ(ReadFileBytes(path), cleaned + "; theirs\r\n");
}

}  // namespace
}  // namespace tolva
