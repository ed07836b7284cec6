// The update processing on hand-made update texts against hand-made game tables, and its limits.
#include "core/update/update_processing.h"

#include <gtest/gtest.h>

#include "core/update/update_limits.h"
#include "support.h"

namespace tolva {
namespace {

using Rows = std::vector<std::string>;

GameTable Table(const std::string& version, const Rows& ids) {
    GameTable games;
    games.IniVersion = version;
    for (const std::string& id : ids) testing::AddGame(games, id, "Known " + id);
    games.GameID[ids.size()] = "0000000002";  // a stale slot beyond GameLast: no disc ID it holds is known
    return games;
}

std::string Entry(const std::string& id, const std::string& title, const std::string& flags, const char* eol = "\r\n") {
    return eol + std::string("ID=") + id + eol + "Title=" + title + eol + "Flags=" + flags + eol;
}

// The texts of the messages are checked where the user sees them (tests/app/update_test.cpp).
TEST(ReadUpdate, OutcomeOfEachKindOfDownload) {
    const std::string entries = Entry("7", "New", "8");
    const struct {
        std::string text, version;
        UpdateOutcome outcome;
    } cases[] = {
        {"", "1.2", UpdateOutcome::FailedToConnect},
        {"<html><body>Please log in</body></html>\r\nTitle=x\r\n", "1.0", UpdateOutcome::FailedToConnect},  // no Version, no ID
        {"version=1.0\r\n", "1.0", UpdateOutcome::AlreadyLatest},
        {"Version=9.9\r\n" + Entry("1", "One", "8"), "1.0", UpdateOutcome::AlreadyLatest},  // whatever the version
        {"Version=1.2 beta\r\n" + entries, "1.2.7", UpdateOutcome::NewEntries},  // the first three characters count
        {"Version=1.3\r\n" + entries, "1.2.7", UpdateOutcome::WrongFileVersion},
        {entries, "1.2", UpdateOutcome::WrongFileVersion},  // no version line differs from one
        {"Version=0.1\r\nVERSION = 1.2\r\n" + entries, "1.2", UpdateOutcome::NewEntries},  // the later line wins
    };
    for (const auto& c : cases) {
        const UpdateResult result = ReadUpdate(c.text, Table(c.version, {"1"}));
        EXPECT_EQ(result.outcome, c.outcome) << c.text;
        EXPECT_EQ(IsUpdateFile(c.text), c.outcome != UpdateOutcome::FailedToConnect) << c.text;  // a Version or an ID line
        EXPECT_EQ(result.rows.empty(), c.outcome == UpdateOutcome::FailedToConnect || c.outcome == UpdateOutcome::AlreadyLatest) << c.text;
    }
    const UpdateResult wrong = ReadUpdate("Version=1.3\r\n" + entries, Table("1.2.7", {}));
    EXPECT_EQ(wrong.message.buttons, UpdateButtons::YesNo);
    EXPECT_NE(wrong.message.text.find("Your version :1.2.7\nThe version on the server :1.3\n"), std::string::npos);
}

// Only disc IDs the table lacks are offered (compared exactly, every entry with one: update_fuzz),
// sorted by the upper case of the title ("É" after Z); keys are read like the INI file's; the
// status word follows the first Flags character.
TEST(ReadUpdate, OffersEveryEntryWithANewDiscIDSortedByUpperCaseTitle) {
    const struct {
        std::string text;
        Rows known, rows;
    } cases[] = {
        {"[update]\r\nVersion=1.2.0\r\n" + Entry("0000000001", "Known game", "80000000H") + Entry("0000000003", "zeta", "40000000H") +
             Entry("0000000002", "Alpha", "80000000H") + Entry("0000000004", "beta", ""),
         {"0000000001"}, {"Alpha (Yes!)", "beta (Partially)", "zeta (Not Yet)"}},
        {"Version=1.0\r\nTitle=Orphan before any ID\r\n   id =  0000000042  \r\n  tItLe=  Spaced Out  \r\nFLAGS= 80000000H\r\n"
         ";ID=0000000043\r\n;Title=Disabled\r\n" + Entry("1", "\xE9t\xE9", "8") + Entry("2", "Zorro", "8") + Entry("3", "eagle", "8"),
         {}, {"eagle (Yes!)", "Spaced Out (Yes!)", "Zorro (Yes!)", "\xE9t\xE9 (Yes!)"}},
    };
    for (const auto& c : cases) {
        const UpdateResult result = ReadUpdate(c.text, Table("1.0", c.known));
        EXPECT_EQ(result.rows, c.rows) << c.text;
        EXPECT_EQ(result.update.UpdCount, int(c.rows.size()));
    }
    const UpdateResult first = ReadUpdate(cases[0].text, Table("1.2.9", {"0000000001"}));
    ASSERT_EQ(first.outcome, UpdateOutcome::NewEntries);
    EXPECT_EQ(first.update.UpdLast, 3);
    EXPECT_EQ(first.update.UpdTitleUpper[0], "ALPHA");
    EXPECT_EQ(first.update.ServerVersion, "1.2.0");
    const UpdateResult spaced = ReadUpdate(cases[1].text, Table("1.0", {}));
    EXPECT_EQ(spaced.update.UpdID[spaced.update.UpdRow[1]], "0000000042");
    EXPECT_EQ(spaced.update.UpdTitleUpper[spaced.update.UpdRow[3]], "\xC9T\xC9");
    EXPECT_EQ(UpdateRowText("A", "00000000H"), "A (Partially)");
}

TEST(ReadUpdate, OverCapacityIsRefused) {
    std::string manyLines = "Version=1.0\r\n" + Entry("1", "One", "8");
    for (int i = 0; i < kUpdateLineCapacity; ++i) manyLines += ";\r\n";
    const UpdateResult tooLong = ReadUpdate(manyLines, Table("1.0", {}));
    EXPECT_EQ(tooLong.outcome, UpdateOutcome::Refused);
    EXPECT_NE(tooLong.message.text.find("16384 lines"), std::string::npos);
    EXPECT_TRUE(tooLong.rows.empty());
    std::string manyEntries = "Version=1.0\n";
    for (int i = 0; i <= kTableCapacity; ++i) manyEntries += "ID=" + std::to_string(i) + "\n";
    const UpdateResult tooMany = ReadUpdate(manyEntries, Table("1.0", {}));
    EXPECT_EQ(tooMany.outcome, UpdateOutcome::Refused);
    EXPECT_NE(tooMany.message.text.find("4096 entries"), std::string::npos);
    // Exactly at both capacities is fine.
    std::string full;
    for (int i = 0; i < kTableCapacity; ++i) full += "ID=" + std::to_string(i) + "\n";
    for (int i = kTableCapacity; i < kUpdateLineCapacity - 1; ++i) full += "\n";
    full += "Version=1.0\n";
    const UpdateResult atCapacity = ReadUpdate(full, Table("1.0", {}));
    EXPECT_EQ(atCapacity.outcome, UpdateOutcome::NewEntries);
    EXPECT_EQ(atCapacity.update.UpdCount, kTableCapacity);
}

TEST(CheckedEntries, GivesTheCheckedRowsInRowOrder) {
    const std::string text = "Version=1.0\r\n" + Entry("3", "Cee", "4") + Entry("1", "Known", "8") + Entry("2", "Bee", "8") + Entry("4", "Dee", "");
    const UpdateResult result = ReadUpdate(text, Table("1.0", {"1"}));
    ASSERT_EQ(result.rows, (Rows{"Bee (Yes!)", "Cee (Not Yet)", "Dee (Partially)"}));
    auto checked = [&](const std::vector<bool>& marks) {
        std::string out;
        for (const IniEntry& e : CheckedEntries(result.update, marks)) out += e.ID + "," + e.Title + "," + e.Flags + ";";
        return out;
    };
    EXPECT_EQ(checked({true, false, true}), "2,Bee,8;4,Dee,;");
    EXPECT_EQ(checked({false, false, false}), "");
    EXPECT_EQ(checked({false, true}), "3,Cee,4;");  // fewer marks than rows
    EXPECT_EQ(checked({true, true, true, true, true}), "2,Bee,8;3,Cee,4;4,Dee,;");  // or more
}

TEST(UpdateLimits, ATableReadShortIsRefusedAndTheTableMayFillUpExactly) {
    GameTable games = Table("1.0", {});
    games.GameLast = kTableCapacity - 1;
    EXPECT_FALSE(RefuseUpdateForTable(games));
    EXPECT_FALSE(RefuseAppend(games, 0));
    games.Truncated = true;
    const auto refused = RefuseUpdateForTable(games);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->icon, UpdateIcon::Exclamation);
    EXPECT_EQ(refused->titleSuffix, " Online Update");
    EXPECT_NE(refused->text.find("4096"), std::string::npos);
    EXPECT_NE(refused->text.find("nothing was changed"), std::string::npos);
    EXPECT_NE(RefuseAppend(games, 1)->text.find("Please mark at most 0 entries."), std::string::npos);
    games.GameLast = 4089;
    EXPECT_FALSE(RefuseAppend(games, 6));
    const auto beyond = RefuseAppend(games, 7);
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->icon, UpdateIcon::Exclamation);
    EXPECT_NE(beyond->text.find("holds 4090 entries; adding the 7 marked entries"), std::string::npos) << beyond->text;
    EXPECT_NE(beyond->text.find("Please mark at most 6 entries. Nothing was written."), std::string::npos) << beyond->text;
}

}  // namespace
}  // namespace tolva
