// The update's limits against the user's game table.
#include "core/update/update_limits.h"

#include <gtest/gtest.h>

namespace tolva {
namespace {

GameTable TableOf(int entries) {
    GameTable games;
    games.GameLast = entries - 1;
    return games;
}

TEST(RefuseUpdateForTable, OnlyATableReadShortIsRefused) {
    GameTable games = TableOf(kTableCapacity);
    EXPECT_FALSE(RefuseUpdateForTable(games));
    games.Truncated = true;
    const auto message = RefuseUpdateForTable(games);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->icon, UpdateIcon::Exclamation);
    EXPECT_EQ(message->titleSuffix, " Online Update");
    EXPECT_NE(message->text.find("nothing was changed"), std::string::npos);
    EXPECT_NE(message->text.find("4096"), std::string::npos);
}

TEST(RefuseAppend, TheTableMayFillUpExactly) {
    EXPECT_FALSE(RefuseAppend(TableOf(0), kTableCapacity));
    EXPECT_FALSE(RefuseAppend(TableOf(4090), 6));
    EXPECT_FALSE(RefuseAppend(TableOf(kTableCapacity), 0));
}

TEST(RefuseAppend, OneBeyondIsRefusedAndNamesTheRoomLeft) {
    const auto message = RefuseAppend(TableOf(4090), 7);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->icon, UpdateIcon::Exclamation);
    EXPECT_NE(message->text.find("holds 4090 entries; adding the 7 marked entries"), std::string::npos);
    EXPECT_NE(message->text.find("Please mark at most 6 entries. Nothing was written."), std::string::npos);
}

TEST(RefuseAppend, AFullTableLeavesNoRoom) {
    const auto message = RefuseAppend(TableOf(kTableCapacity), 1);
    ASSERT_TRUE(message);
    EXPECT_NE(message->text.find("Please mark at most 0 entries."), std::string::npos);
}

}  // namespace
}  // namespace tolva
