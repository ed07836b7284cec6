// The edits of bleem!.INI as texts, and the writers that put them through the atomic replacement.
#include "core/database/writer.h"

#include <gtest/gtest.h>

#include "core/database/gametable.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

TEST(AppendEntriesText, EndsAnUnfinishedLastLineThenAddsEachEntryAfterAnEmptyLine) {
    const IniEntry entry{"1234567890", "New Game", "80000000H"};
    const struct {
        std::string file, between;
    } cases[] = {{"Version=1.0\r\nFlags=8\r\n", ""}, {"Version=1.0\nFlags=8", "\r\n"}, {"V\nF\n", ""},
                 {"V\rF\r", ""},                     {"", ""},                          {"; odd\n  id = 5 \rTitle=x", "\r\n"}};
    for (const auto& c : cases) {
        const EditedText out = AppendEntriesText(c.file, {entry, {"1", "B", ""}});
        ASSERT_TRUE(out.ok);
        EXPECT_EQ(out.bytes,
                  c.file + c.between + "\r\nID=1234567890\r\nTitle=New Game\r\nFlags=80000000H\r\n\r\nID=1\r\nTitle=B\r\nFlags=\r\n");
    }
    // A value with a line break would add an entry of its own.
    for (const IniEntry& bad : {IniEntry{"1", "X\r\nID=9", "8"}, IniEntry{"1\n", "X", "8"}, IniEntry{"1", "X", "8\r"}}) {
        for (const EditedText& out : {AppendEntriesText("ID=5\r\n", {entry, bad}), ChangeEntryText("ID=1\r\nTitle=A\r\nFlags=8", "1", bad)}) {
            EXPECT_FALSE(out.ok);
            EXPECT_NE(out.error.find("line break"), std::string::npos) << out.error;
        }
    }
}

// Comments, a disabled entry, keys in another case and every line ending: only the three lines
// of the edited entry change, every line then ends in CR LF. A removal finds the same entry.
TEST(ChangeEntryText, ChangesOnlyTheLastActiveEntryWithTheOldDiscID) {
    const std::string file =
        "; bleem! database\r\n;ID=3333333333\n;Title=Gone\n;Flags=8\n\r\nID=1111111111\rTitle=Alpha\rFlags=8\r"
        "  id = 3333333333 \r\n; between\r\nflags = 4\r\nTITLE=Gamma\r\n\r\nID=3333333333\r\nTitle=Again\r\nFlags=0";
    const EditedText out = ChangeEntryText(file, "3333333333", {"7777777777", "Gamma 2", "80000000H"});
    ASSERT_TRUE(out.ok) << out.error;
    EXPECT_EQ(out.bytes,
              "; bleem! database\r\n;ID=3333333333\r\n;Title=Gone\r\n;Flags=8\r\n\r\nID=1111111111\r\nTitle=Alpha\r\n"
              "Flags=8\r\n  id = 3333333333 \r\n; between\r\nflags = 4\r\nTITLE=Gamma\r\n\r\nID=7777777777\r\n"
              "Title=Gamma 2\r\nFlags=80000000H\r\n");
    EXPECT_TRUE(DisableEntryText(file, "3333333333").bytes.ends_with("\r\n;ID=3333333333\r\n;Title=Again\r\n;Flags=0\r\n"));
    const EditedText first = ChangeEntryText(file, "1111111111", {"1", "A", "4"});
    ASSERT_TRUE(first.ok) << first.error;
    EXPECT_NE(first.bytes.find("\r\nID=1\r\nTitle=A\r\nFlags=4\r\n  id = 3333333333 \r\n"), std::string::npos);
}

// Whenever the ordinal Title or Flags line would not be the entry's own, nothing is changed:
// the old program would have overwritten another entry's line.
TEST(ChangeEntryText, RefusesWhenTheEntryCannotBeFoundSafely) {
    const struct {
        const char* name;
        std::string file;
        const char* said;
    } cases[] = {
        {"disc ID absent", "ID=1\r\nTitle=A\r\nFlags=8\r\n", "no active entry has the disc ID 2"},
        {"only disabled", "ID=1\r\nTitle=A\r\nFlags=8\r\n;ID=2\r\n;Title=B\r\n;Flags=8\r\n", "no active entry has the disc ID 2"},
        {"an earlier entry lacks its Title", "ID=1\r\nFlags=8\r\nID=2\r\nTitle=B\r\nFlags=8\r\nID=3\r\nTitle=C\r\nFlags=8\r\n", "Title line"},
        {"the entry lacks its Title", "ID=1\r\nTitle=A\r\nFlags=8\r\nID=2\r\nFlags=8\r\nID=3\r\nTitle=C\r\n", "Title line"},
        {"the last entry lacks its Flags", "ID=1\r\nTitle=A\r\nFlags=8\r\nID=2\r\nTitle=B\r\n", "Flags line"},
        {"two Flags lines before", "ID=1\r\nTitle=A\r\nFlags=8\r\nFlags=4\r\nID=2\r\nTitle=B\r\nFlags=8\r\n", "Flags line"},
        {"two Title lines", "ID=1\r\nTitle=A\r\nFlags=8\r\nID=2\r\nTitle=B\r\nTitle=C\r\nFlags=8\r\n", "Title line"},
        {"a Title before the first entry", "Title=Stray\r\nID=2\r\nTitle=B\r\nFlags=8\r\n", "Title line"},
    };
    for (const auto& c : cases) {
        for (const EditedText& out : {ChangeEntryText(c.file, "2", {"2", "X", "0"}), DisableEntryText(c.file, "2")}) {
            EXPECT_FALSE(out.ok) << c.name;
            EXPECT_NE(out.error.find(c.said), std::string::npos) << c.name << ": " << out.error;
        }
    }
    std::string file = "ID=1\r\nTitle=A\r\nFlags=8\r\n";  // the line buffer holds 16385 lines
    for (std::size_t k = 3; k < kIniLineCapacity; ++k) file += ";\r\n";
    EXPECT_TRUE(ChangeEntryText(file, "1", {"1", "B", "8"}).ok);
    const EditedText over = DisableEntryText(file + ";", "1");
    EXPECT_NE(over.error.find("16386 lines, more than the 16385"), std::string::npos) << over.error;
}

class WriterProcedure : public ::testing::Test, protected IniInFolder {};

// The versions they keep, and their actions, are the history's tests.
TEST_F(WriterProcedure, AppendChangeAndRemoveWriteTheFile) {
    state.wizard = {true, false, "Delta", "4444444444", "80000000H", 8};
    ASSERT_TRUE(WriteINI(state, -1, log.sink()));
    EXPECT_EQ(ReadFileBytes(path), kThree + "\r\n\r\nID=4444444444\r\nTitle=Delta\r\nFlags=80000000H\r\n");
    state.wizard = {true, true, "Beta Remix", "5555555555", "00200000H", 8};
    ASSERT_TRUE(WriteINI(state, RowOf(state.games, "beta"), log.sink()));
    ASSERT_TRUE(RemoveGame(state, RowOf(state.games, "Alpha"), log.sink()));
    EXPECT_EQ(log.said(), "");
    EXPECT_EQ(ReadFileBytes(path),
              "; my games\r\nVersion=1.0\r\n\r\nID=5555555555\r\nTitle=Beta Remix\r\nFlags=00200000H\r\n\r\n"
              ";ID=1111111111\r\n;Title=Alpha\r\n;Flags=80000000H\r\n\r\nID=3333333333\r\nTitle=Gamma\r\nFlags=00000000H\r\n"
              "\r\nID=4444444444\r\nTitle=Delta\r\nFlags=80000000H\r\n");
}

// Each refusal names the procedure and the file and leaves the file as it is; Cancel stops the
// procedure. A seam that cannot keep the previous bytes stops the change too.
TEST_F(WriterProcedure, WhatCannotBeWrittenSafelyIsNotWritten) {
    const std::string behind = "Version=1.0\r\n\r\nID=9999999999\r\nTitle=Other\r\nFlags=8\r\n";
    folder.write("bleem!.INI", behind);  // the entries were removed by another program
    state.wizard = {true, true, "Alpha", "1111111111", "40000000H", 8};
    ASSERT_TRUE(WriteINI(state, RowOf(state.games, "Alpha"), log.sink()));
    ASSERT_TRUE(ReadINI(state, log.sink()));  // the window's reload: Other is row 0 now
    log.answer = Resolution::Cancel;
    RewriteSeams fullHistory;
    fullHistory.keepPrevious = [](std::string_view, const std::string&) { return WriteOutcome{false, "no room"}; };
    EXPECT_FALSE(RemoveGame(state, 0, log.sink(), fullHistory));
    EXPECT_FALSE(RemoveGame(state, 3, log.sink()));
    EXPECT_FALSE(WriteINI(state, -1, log.sink()));
    EXPECT_FALSE(WriteINI(state, 0, log.sink(), DiskWithRoom(10)));
    EXPECT_FALSE(RemoveGame(state, 0, log.sink(), FailingWrites(EROFS)));
    state.games.Truncated = true;
    EXPECT_FALSE(WriteINI(state, 0, log.sink()));
    EXPECT_EQ(ReadFileBytes(path), behind);
    const std::string unchanged = "; the file was left unchanged\n";
    EXPECT_EQ(log.said(),
              "GLOBAL.WriteINI: cannot change the entry in " + path + ": no active entry has the disc ID 1111111111" + unchanged +
              "GLOBAL.RemoveGame: cannot remove the entry from " + path + ": no room" + unchanged +
              "GLOBAL.RemoveGame: cannot remove an entry from " + path + ": no game is selected\n"
              "GLOBAL.WriteINI: cannot change an entry of " + path + ": no game is selected\n"
              "GLOBAL.WriteINI: cannot write " + path + ": no space left on device" + unchanged +
              "GLOBAL.RemoveGame: cannot write " + path + ": read-only file system" + unchanged +
              "GLOBAL.WriteINI: cannot write " + path + ": " + TruncatedTableReason() + unchanged);
}

TEST_F(WriterProcedure, AMissingFileIsReportedAndNotCreatedAndAnotherLetterCaseIsFound) {
    std::filesystem::rename(path, folder.file("BLEEM!.ini"));
    ASSERT_TRUE(RemoveGame(state, RowOf(state.games, "Gamma"), log.sink()));
    EXPECT_EQ(log.said(), "");
    EXPECT_NE(ReadFileBytes(folder.file("BLEEM!.ini")).find(";ID=3333333333"), std::string::npos);
    std::filesystem::remove(folder.file("BLEEM!.ini"));
    log.answer = Resolution::Cancel;
    state.wizard = {true, false, "Delta", "4444444444", "8", 8};
    EXPECT_FALSE(WriteINI(state, 0, log.sink()));
    EXPECT_EQ(log.said(), "GLOBAL.WriteINI: cannot open " + path + ": No such file or directory; nothing was written\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{});
}

TEST_F(WriterProcedure, AppendEntriesGoesThroughTheFileEvenAfterAPartialLoad) {
    state.games.Truncated = true;  // appending keeps every old byte
    ASSERT_TRUE(AppendEntries(state, {{"6", "Zeta", "8"}, {"7", "Eta", "4"}}, log.sink()));
    EXPECT_EQ(ReadFileBytes(path), kThree + "\r\n\r\nID=6\r\nTitle=Zeta\r\nFlags=8\r\n\r\nID=7\r\nTitle=Eta\r\nFlags=4\r\n");
}

}  // namespace
}  // namespace tolva
