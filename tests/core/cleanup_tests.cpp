#include "core/tools/cleanup.h"

#include <gtest/gtest.h>

#include "core/database/gametable.h"
#include "ini_test_files.h"

namespace tolva {
namespace {

using namespace tolva::testing;

// A loaded table as ReadINI leaves it, and one compatibility record (1) joined to Alpha.
struct Loaded {
    GameTable games;
    CompatibilityTable txt;

    explicit Loaded(const std::string& file) {
        FailureLog log;
        EXPECT_TRUE(ReadINIText(games, file, log.sink()));
        EXPECT_TRUE(log.failures.empty());
        txt.TxtCount = 2;
        txt.TxtTitle[1] = "Alpha";
        txt.TxtPublisher[1] = "Kestrel Interactive";
        txt.TxtProductCode[1] = "SLUS-00001";
        txt.TxtRegion[1] = "USA";
        txt.TxtStatus[1] = "Yes!";
        txt.TxtD3D[1] = "blank";
        txt.TxtDetails[1] = "";
        for (int i = 0; i <= games.GameLast; ++i) {
            if (games.GameTitle[static_cast<std::size_t>(i)] == "Alpha") games.GameTxtIndex[static_cast<std::size_t>(i)] = 1;
        }
    }
    std::string clean(const std::string& file, const CleanUpOptions& options = {}) const {
        const EditedText out = CleanUpText(file, games, txt, options);
        EXPECT_TRUE(out.ok) << out.error;
        return out.bytes;
    }
};

const std::string kFile =
    "; bleem! game database\r\n"
    "; keep this\n"
    "\r\n"
    "Version=1.0\r\n"
    "\r\n"
    "ID=2222222222\r\n"
    "Title=beta\r\n"
    "Flags=40000000H\r\n"
    "; a stray remark\r\n"
    "\r\n"
    ";ID=9999999999\r\n"
    ";Title=Disabled\r\n"
    ";Flags=80000000H\r\n"
    "Other=kept nowhere\r\n"
    "\r\n"
    "ID=1111111111\r\n"
    "Title=Alpha\r\n"
    "Flags=80000000H\r\n"
    "\r\n"
    "ID=3333333333\r\n"
    "Flags=0\r\n";

const std::string kHeader = "; bleem! game database\r\n; keep this\r\n\r\nVersion=1.0\r\n";

TEST(CleanUpText, WithNoBoxTickedWritesTheHeaderTheVersionAndTheEntriesInTableOrder) {
    const Loaded loaded(kFile);
    EXPECT_EQ(loaded.clean(kFile),
              kHeader +
                  "\r\nID=3333333333\r\nTitle=*** Unknown ***\r\nFlags=0\r\n"
                  "\r\nID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n"
                  "\r\nID=2222222222\r\nTitle=beta\r\nFlags=40000000H\r\n");
}

TEST(CleanUpText, PublisherAndWorksGoBeforeOrAfterTheJoinedEntry) {
    const Loaded loaded(kFile);
    CleanUpOptions options;
    options.Publisher = true;
    options.Works = true;
    options.Details = true;  // empty in the record: writes no line
    const std::string alpha = "ID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n";
    const std::string comments = "; Kestrel Interactive\r\n; Yes!\r\n";
    const std::string unknown = "\r\nID=3333333333\r\nTitle=*** Unknown ***\r\nFlags=0\r\n";
    const std::string beta = "\r\nID=2222222222\r\nTitle=beta\r\nFlags=40000000H\r\n";

    options.Place = CommentPlace::Before;
    EXPECT_EQ(loaded.clean(kFile, options), kHeader + unknown + "\r\n" + comments + alpha + beta);
    options.Place = CommentPlace::After;
    EXPECT_EQ(loaded.clean(kFile, options), kHeader + unknown + "\r\n" + alpha + comments + beta);
}

TEST(CleanUpText, EveryBoxInItsFixedOrderAndTheBlankD3DRemark) {
    const Loaded loaded("Version=2\r\nID=1\r\nTitle=Alpha\r\nFlags=8\r\n");
    CleanUpOptions all;
    all.Details = all.D3D = all.Works = all.Country = all.ProductCode = all.Publisher = true;
    EXPECT_EQ(loaded.clean("ID=1\r\n", all),
              "Version=2\r\n\r\n; Kestrel Interactive\r\n; SLUS-00001\r\n; USA\r\n; Yes!\r\n; blank\r\n"
              "ID=1\r\nTitle=Alpha\r\nFlags=8\r\n");
    CleanUpOptions d3d;
    d3d.D3D = true;
    EXPECT_EQ(loaded.clean("", d3d), "Version=2\r\n\r\n; blank\r\nID=1\r\nTitle=Alpha\r\nFlags=8\r\n");
}

TEST(CleanUpText, AnEntryNotJoinedOrJoinedOutsideTheTableGetsNoComments) {
    Loaded loaded("ID=1\r\nTitle=Unjoined\r\nFlags=8\r\n");
    CleanUpOptions all;
    all.Details = all.D3D = all.Works = all.Country = all.ProductCode = all.Publisher = true;
    const std::string plain = "Version=\r\n\r\nID=1\r\nTitle=Unjoined\r\nFlags=8\r\n";
    EXPECT_EQ(loaded.clean("", all), plain);
    for (const std::int32_t wild : {2, -1, 5000}) {
        loaded.games.GameTxtIndex[0] = wild;
        EXPECT_EQ(loaded.clean("", all), plain) << wild;
    }
}

TEST(CleanUpText, AFileWithoutAVersionLineGetsAnEmptyOne) {
    const std::string file = "ID=1\r\nTitle=A\r\nFlags=8\r\n";
    const Loaded loaded(file);
    // The ID line ends the (empty) comment block and is not copied: it would load twice.
    EXPECT_EQ(loaded.clean(file), "Version=\r\n\r\nID=1\r\nTitle=A\r\nFlags=8\r\n");
}

TEST(CleanUpText, AVersionLineEndingTheCommentsIsNotRepeated) {
    const std::string file = "; comment\r\nVersion=1.0\r\nID=1\r\nTitle=A\r\nFlags=8\r\n";
    const Loaded loaded(file);
    EXPECT_EQ(loaded.clean(file), "; comment\r\nVersion=1.0\r\n\r\nID=1\r\nTitle=A\r\nFlags=8\r\n");
    // An indented comment is still a comment; a line of spaces ends the block and is kept.
    EXPECT_EQ(loaded.clean("  ; a\r\n   \r\n; not header\r\n"), "  ; a\r\n   \r\nVersion=1.0\r\n\r\nID=1\r\nTitle=A\r\nFlags=8\r\n");
}

TEST(CleanUpText, AFileOfCommentsOnlyKeepsThemAllAndGetsNoEntries) {
    const std::string file = "; one\r\n; two\n;three";
    GameTable games;
    games.IniVersion = "1.0";
    const EditedText out = CleanUpText(file, games, CompatibilityTable{}, {});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.bytes, "; one\r\n; two\r\n;three\r\nVersion=1.0\r\n");
}

TEST(CleanUpText, AnEmptyTableLeavesTheHeaderAndTheVersionLine) {
    GameTable games;
    games.IniVersion = "1.0";
    const EditedText out = CleanUpText(kFile, games, CompatibilityTable{}, {});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.bytes, kHeader);
}

TEST(CleanUpText, RefusesATableThatWasNotReadWhole) {
    Loaded loaded(kFile);
    loaded.games.Truncated = true;
    const EditedText out = CleanUpText(kFile, loaded.games, loaded.txt, {});
    EXPECT_FALSE(out.ok);
    EXPECT_NE(out.error.find("not read whole"), std::string::npos) << out.error;
}

TEST(CleanUpText, RefusesACommentBlockBeyondTheLineBuffer) {
    std::string file;
    for (std::size_t k = 0; k < kIniLineCapacity; ++k) file += ";\r\n";
    GameTable games;
    EXPECT_TRUE(CleanUpText(file, games, CompatibilityTable{}, {}).ok);
    file += ";\r\n";
    const EditedText out = CleanUpText(file, games, CompatibilityTable{}, {});
    EXPECT_FALSE(out.ok);
    EXPECT_NE(out.error.find("16385"), std::string::npos) << out.error;
}

class CleanUpProcedure : public ::testing::Test {
protected:
    void SetUp() override {
        path = folder.write("bleem!.INI", kFile);
        state.folders.IniPath = folder.path();
        ASSERT_TRUE(ReadINI(state, log.sink()));
    }
    TempFolder folder;
    std::string path;
    ProgramState state;
    FailureLog log;
};

TEST_F(CleanUpProcedure, RewritesTheFileSoThatItLoadsToTheSameTable) {
    ASSERT_TRUE(CleanUpINI(state, {}, log.sink()));
    EXPECT_TRUE(log.failures.empty());
    const std::string cleaned = ReadFileBytes(path);
    EXPECT_EQ(cleaned.find("Disabled"), std::string::npos);
    ProgramState again;
    again.folders = state.folders;
    ASSERT_TRUE(ReadINI(again, log.sink()));
    ASSERT_EQ(again.games.GameLast, state.games.GameLast);
    for (std::size_t i = 0; i <= 2; ++i) {
        EXPECT_EQ(again.games.GameID[i], state.games.GameID[i]);
        EXPECT_EQ(again.games.GameTitle[i], state.games.GameTitle[i]);
        EXPECT_EQ(again.games.GameFlags[i], state.games.GameFlags[i]);
    }
    // A second clean-up of a clean file changes nothing.
    ASSERT_TRUE(CleanUpINI(again, {}, log.sink()));
    EXPECT_EQ(ReadFileBytes(path), cleaned);
}

TEST_F(CleanUpProcedure, FailuresLeaveTheFileUntouchedAndNameCleanUpINI) {
    log.answer = Resolution::Cancel;
    EXPECT_FALSE(CleanUpINI(state, {}, log.sink(), DiskWithRoom(40)));
    state.games.Truncated = true;
    EXPECT_FALSE(CleanUpINI(state, {}, log.sink()));
    ASSERT_EQ(log.failures.size(), 2u);
    for (const Failure& failure : log.failures) {
        EXPECT_EQ(failure.module, "GLOBAL.CleanUpINI");
        EXPECT_NE(failure.description.find(path), std::string::npos) << failure.description;
    }
    EXPECT_NE(log.failures[1].description.find("not read whole"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(path), kFile);
}

}  // namespace
}  // namespace tolva
