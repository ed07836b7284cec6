// The kept versions of bleem!.INI: what is kept, how many, what stops a change; previews and
// the difference of two files.
#include "core/history/history.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/database/gametable.h"
#include "core/history/difference.h"
#include "core/history/restore.h"
#include "core/tools/cleanup.h"
#include "core/tools/repair.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

// The 21st version removes the oldest, its bytes with it (and a stray file); the rest stay newest
// first, exact.
TEST(IniHistory, KeepsTheNewestTwentyVersionsWithTheirBytesAndActions) {
    TempFolder folder;
    const std::string kept = HistoryFolder(folder.path(), "/games/bleem!.INI");
    const IniHistory history(kept);
    for (int k = 1; k <= 21; ++k) {
        if (k == 2) ReplaceFile(JoinPath(kept, "99.ini"), "left by a killed change");  // listed nowhere
        const WriteOutcome kept = history.Keep("bytes " + std::to_string(k) + "\r\n", "Remove:\tGame " + std::to_string(k));
        ASSERT_TRUE(kept.ok) << kept.error;
    }
    const std::vector<IniVersion> versions = history.Versions();
    ASSERT_EQ(versions.size(), kKeptVersions);
    for (std::size_t k = 0; k < versions.size(); ++k) {
        EXPECT_EQ(versions[k].action, "Remove: Game " + std::to_string(21 - k));
        EXPECT_EQ(ReadFileBytes(versions[k].file), "bytes " + std::to_string(21 - k) + "\r\n");
        EXPECT_GT(versions[k].time, 1'600'000'000);
    }
    EXPECT_EQ(folder.names(folder.names()[0]).size(), kKeptVersions + 1);  // the versions and their index
    EXPECT_NE(HistoryFolder("/h", "/games/bleem!.INI"), HistoryFolder("/h", "/games/BLEEM!.INI"));
}

TEST(IniHistory, TellsAnEditByAnotherProgramFromTheBytesItWrote) {
    TempFolder folder;
    const IniHistory history(folder.path());
    EXPECT_TRUE(history.ChangedOutside("new"));  // nothing known: never trusted
    ASSERT_TRUE(history.Wrote("new").ok);
    EXPECT_FALSE(history.ChangedOutside("new"));
    for (const char* other : {"nex", "new ", "", "ne"}) EXPECT_TRUE(history.ChangedOutside(other)) << other;
}

class HistoryOfWriters : public ::testing::Test {
protected:
    void SetUp() override {
        state.folders = {folder.path() + "/", folder.path(), folder.path(), false, folder.file("history")};
        ASSERT_TRUE(ReadINI(state, log.sink()));
    }
    std::vector<IniVersion> versions() const { return HistoryOf(state.folders).Versions(); }
    TempFolder folder;
    std::string path = folder.write("bleem!.INI", kThree);
    ProgramState state;
    FailureLog log;
};

// Each writer keeps one version holding exactly the bytes it replaced; putting the oldest back
// gives the first bytes again and is a change of its own, kept in turn.
TEST_F(HistoryOfWriters, EveryChangeKeepsTheBytesItReplacedAndARestoreGivesThemBack) {
    const std::vector<IniEntry> two = {{"4444444444", "Delta", "8"}, {"5555555555", "Echo", "8"}};
    const auto wizard = [&](bool edit) {
        state.wizard.EditMode = edit;
        state.wizard.EditID = "6666666666";
        state.wizard.EditTitle = edit ? "Foxtrot 2" : "Foxtrot";
        state.wizard.EditFlags = "8";
        return WriteINI(state, RowOf(state.games, "Foxtrot"), log.sink());
    };
    const std::function<bool()> writers[] = {
        [&] { return wizard(false); },
        [&] { return wizard(true); },
        [&] { return RemoveGame(state, RowOf(state.games, "Alpha"), log.sink()); },
        [&] { return AppendEntries(state, two, log.sink()); },
        [&] { return DisableEntries(state, {two[1]}, log.sink()); },
        [&] { return CleanUpINI(state, {}, log.sink()); },
    };
    for (std::size_t k = 0; k < std::size(writers); ++k) {
        const std::string before = ReadFileBytes(path);
        ASSERT_TRUE(writers[k]()) << k;
        ASSERT_EQ(log.said(), "") << k;
        ASSERT_NE(ReadFileBytes(path), before) << k;
        ASSERT_EQ(versions().size(), k + 1);
        EXPECT_EQ(ReadFileBytes(versions().front().file), before) << k;
        EXPECT_FALSE(ChangedOutside(state.folders)) << k;
        ASSERT_TRUE(ReadINI(state, log.sink()));
    }
    std::vector<std::string> actions;
    for (const IniVersion& version : versions()) actions.insert(actions.begin(), version.action);
    EXPECT_EQ(actions, (std::vector<std::string>{"Add: Foxtrot", "Edit: Foxtrot 2", "Remove: Alpha",
                                                 "Online Update: 2 entries", "Repair: 1 entries", "Clean Up"}));

    const std::string last = ReadFileBytes(path);
    ASSERT_TRUE(RestoreVersion(state, versions().back(), "Undo Add: Foxtrot", "M", log.sink()));
    EXPECT_EQ(ReadFileBytes(path), kThree);
    EXPECT_EQ(versions().front().action, "Undo Add: Foxtrot");
    EXPECT_EQ(ReadFileBytes(versions().front().file), last);
    EXPECT_FALSE(ChangedOutside(state.folders));
    folder.write("bleem!.INI", kThree + "\r\n");  // another program's edit
    EXPECT_TRUE(ChangedOutside(state.folders));
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
}

}  // namespace
}  // namespace tolva
