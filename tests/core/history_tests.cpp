// The kept versions of bleem!.INI: what is kept, how many, and what stops a change.
#include "core/history/history.h"

#include <gtest/gtest.h>

#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

// The 21st version removes the oldest, its bytes with it; the rest stay newest first, exact.
TEST(IniHistory, KeepsTheNewestTwentyVersionsWithTheirBytesAndActions) {
    TempFolder folder;
    const IniHistory history(HistoryFolder(folder.path(), "/games/bleem!.INI"));
    for (int k = 1; k <= 21; ++k) {
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

TEST(IniHistory, AHistoryThatCannotBeWrittenSaysWhyAndKeepsNothing) {
    TempFolder folder;
    const IniHistory history(JoinPath(folder.write("plain file", "x"), "history"));
    const WriteOutcome kept = history.Keep("old", "Clean Up");
    EXPECT_FALSE(kept.ok);
    EXPECT_NE(kept.error.find("cannot keep the previous version"), std::string::npos) << kept.error;
    EXPECT_TRUE(history.Versions().empty());
}

TEST(IniHistory, TellsAnEditByAnotherProgramFromTheBytesItWrote) {
    TempFolder folder;
    const IniHistory history(folder.path());
    EXPECT_TRUE(history.ChangedOutside("new"));  // nothing known: never trusted
    ASSERT_TRUE(history.Wrote("new").ok);
    EXPECT_FALSE(history.ChangedOutside("new"));
    for (const char* other : {"nex", "new ", "", "ne"}) EXPECT_TRUE(history.ChangedOutside(other)) << other;
}

}  // namespace
}  // namespace tolva
