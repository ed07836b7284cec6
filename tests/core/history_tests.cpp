// The kept versions of bleem!.INI: what is kept, how many, what stops a change; previews and
// the difference of two files.
#include "core/history/history.h"

#include <gtest/gtest.h>

#include "core/database/gametable.h"
#include "core/database/writer.h"
#include "core/history/difference.h"
#include "core/tools/restore.h"
#include "core/tools/cleanup.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

// The 21st version removes the oldest, its bytes with it (and a stray file); the rest stay newest
// first, exact. Bytes it did not write itself are another program's edit.
TEST(IniHistory, KeepsTheNewestTwentyVersionsAndKnowsTheBytesItWrote) {
    TempFolder folder;
    const std::string kept = HistoryFolder(folder.path(), "/games/bleem!.INI");
    const IniHistory history(kept);
    for (int k = 1; k <= 21; ++k) {
        if (k == 2) ReplaceFile(JoinPath(kept, "99.ini"), "left by a killed change");  // listed nowhere
        const WriteOutcome kept = history.Keep("bytes " + std::to_string(k) + "\r\n", std::string("Remove:") + "\t\r\n"[k % 3] + "Game " + std::to_string(k));
        ASSERT_TRUE(kept.ok) << kept.error;
    }
    const std::vector<KeptVersion> versions = history.Versions();
    ASSERT_EQ(versions.size(), kKeptVersions);
    for (std::size_t k = 0; k < versions.size(); ++k) {
        EXPECT_EQ(versions[k].action, "Remove: Game " + std::to_string(21 - k));
        EXPECT_EQ(ReadFileBytes(versions[k].file), "bytes " + std::to_string(21 - k) + "\r\n");
        EXPECT_GT(versions[k].time, 1'600'000'000);
    }
    EXPECT_EQ(folder.names(folder.names()[0]).size(), kKeptVersions + 1);  // the versions and their index
    const std::string index = JoinPath(kept, "versions");  // a number or a time not all digits: no version
    ASSERT_TRUE(ReplaceFile(index, ReadFileBytes(index) + "5x\t1\ta\n\t1\ta\n5\t\ta\n5\t1x\ta\n").ok);
    EXPECT_EQ(history.Versions().size(), kKeptVersions);
    EXPECT_NE(HistoryFolder("/h", "/games/bleem!.INI"), HistoryFolder("/h", "/games/BLEEM!.INI"));
    EXPECT_TRUE(history.ChangedOutside("new"));  // nothing known: never trusted
    ASSERT_TRUE(history.Wrote("new").ok);
    EXPECT_FALSE(history.ChangedOutside("new"));
    for (const char* other : {"nex", "new ", "", "ne"}) EXPECT_TRUE(history.ChangedOutside(other)) << other;
}

class HistoryOfWriters : public ::testing::Test, protected IniInFolder {
protected:
    void SetUp() override { state.folders.HistoryPath = folder.file("history"); }
    std::vector<KeptVersion> versions() const { return HistoryOf(state.folders).Versions(); }
};

// Putting a version back gives its bytes again and is a change of its own, kept in turn. (What
// each writer keeps, and under which action, is crash_tests.cpp's reference run.)
TEST_F(HistoryOfWriters, ARestoreGivesTheKeptBytesBackAndIsKeptInTurn) {
    ASSERT_TRUE(RemoveGame(state, RowOf(state.games, "Alpha"), log.sink()));
    ASSERT_TRUE(AppendEntries(state, {{"4444444444", "Delta", "8"}}, log.sink()));
    const std::string last = ReadFileBytes(path);
    ASSERT_EQ(versions().size(), 2u);
    ASSERT_TRUE(RestoreVersion(state, versions().back(), "Undo Remove: Alpha", "M", log.sink()));
    EXPECT_EQ(ReadFileBytes(path), kThree);
    EXPECT_EQ(versions().size(), 3u);
    EXPECT_EQ(versions().front().action, "Undo Remove: Alpha");
    EXPECT_EQ(ReadFileBytes(versions().front().file), last);
    EXPECT_FALSE(ChangedOutside(state.folders));
    EXPECT_EQ(log.said(), "");
}

TEST_F(HistoryOfWriters, AChangeWhoseVersionCannotBeKeptIsNotMade) {
    state.folders.HistoryPath = JoinPath(folder.write("plain file", "x"), "history");
    EXPECT_TRUE(RemoveGame(state, RowOf(state.games, "Alpha"), log.sink()));
    EXPECT_NE(log.said().find("cannot keep the previous version"), std::string::npos) << log.said();
    EXPECT_EQ(ReadFileBytes(path), kThree);
    EXPECT_TRUE(KeptVersions(state.folders).empty());
}

// A preview is the change's own edit, written nowhere.
TEST_F(HistoryOfWriters, APreviewShowsWhatTheChangeWritesAndWritesNothing) {
    const IniPreview preview = PreviewINI(state, CleanUpChange(state, {}));
    ASSERT_TRUE(preview.ok) << preview.error;
    EXPECT_EQ(preview.before, kThree);
    EXPECT_TRUE(versions().empty());
    ASSERT_TRUE(CleanUpINI(state, {}, log.sink()));
    EXPECT_EQ(ReadFileBytes(path), preview.after);
    state.games.Truncated = true;
    EXPECT_FALSE(PreviewINI(state, CleanUpChange(state, {})).ok);
}

TEST(LineDifference, ShowsRemovedAndAddedLinesAmidTheirContext) {
    const std::string before = Ini({"a", "b", "c", "d", "e", "f", "g", "h", "i"});
    const struct {
        std::string after, difference;
    } cases[] = {
        {before, ""},
        {"a\nb\rc\nd\ne\nf\ng\nh\ni", ""},  // line ends alone are no difference
        {Ini({"a", "b", "c", ";d", "e", "f", "g", "h", "i", "j"}),
         "@@ -2,5 +2,5 @@\n b\n c\n-d\n+;d\n e\n f\n@@ -8,2 +8,3 @@\n h\n i\n+j\n"},
        {Ini({"x", "c", "b", "d", "e", "f", "h", "g", "i"}),
         "@@ -1,9 +1,9 @@\n-a\n-b\n+x\n c\n+b\n d\n e\n f\n-g\n h\n+g\n i\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(LineDifference(before, c.after), c.difference) << c.after;
    // Without lines unique to both sides, the longest common subsequence: of up to 256 by 256
    // lines (here after the anchor "U", 255 alternating lines on each side and a last one).
    EXPECT_EQ(LineDifference(Ini({"x", "x", "z", "z"}), Ini({"y", "y", "x", "x", "w", "w"})), "@@ -1,4 +1,6 @@\n+y\n+y\n x\n x\n-z\n-z\n+w\n+w\n");
    EXPECT_EQ(LineDifference(Ini({"k", "q", "p", "E"}), Ini({"E", "p", "E"})), "@@ -1,4 +1,3 @@\n-k\n-q\n+E\n p\n E\n");
    EXPECT_EQ(LineDifference(Ini({"b", "c", "a", "b", "a"}), Ini({"a", "b"})), "@@ -1,5 +1,2 @@\n-b\n-c\n a\n b\n-a\n");
    EXPECT_EQ(LineDifference(Ini({"A", "B"}), Ini({"A", "X", "A", "B"})), "@@ -1,2 +1,4 @@\n A\n+X\n+A\n B\n");
    std::vector<std::string> a = {"a", "U"}, b = {"b", "U"};
    for (int k = 0; k < 255; ++k) a.push_back(k % 2 ? "q" : "p"), b.push_back(k % 2 ? "p" : "q");
    EXPECT_EQ(LineDifference(Ini(a) + "end\r\n", Ini(b) + "END\r\n"),
              "@@ -1,5 +1,4 @@\n-a\n+b\n U\n-p\n q\n p\n@@ -256,3 +255,4 @@\n q\n p\n-end\n+q\n+END\n");
}

}  // namespace
}  // namespace tolva
