#include "core/database/writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/database/gametable.h"
#include "ini_test_files.h"

namespace tolva {
namespace {

using namespace tolva::testing;

const IniEntry kNewEntry{"1234567890", "New Game", "80000000H"};
const std::string kNewLines = "\r\nID=1234567890\r\nTitle=New Game\r\nFlags=80000000H\r\n";

// --- Appending ------------------------------------------------------------------------------

TEST(AppendEntriesText, AddsOneEmptyLineBeforeAnEntryAfterAFinishedLastLine) {
    const std::string file = "Version=1.0\r\n\r\nID=1\r\nTitle=A\r\nFlags=8\r\n";
    const EditedText out = AppendEntriesText(file, {kNewEntry});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.bytes, file + kNewLines);
}

TEST(AppendEntriesText, FinishesALastLineWithoutALineBreakFirst) {
    const std::string file = "Version=1.0\r\n\r\nID=1\r\nTitle=A\r\nFlags=8";
    const EditedText out = AppendEntriesText(file, {kNewEntry});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.bytes, file + "\r\n" + kNewLines);
}

TEST(AppendEntriesText, ALoneLineFeedOrCarriageReturnAlreadyFinishesTheLastLine) {
    for (const std::string ending : {"\n", "\r"}) {
        const std::string file = "Version=1.0" + ending + "Flags=8" + ending;
        const EditedText out = AppendEntriesText(file, {kNewEntry});
        ASSERT_TRUE(out.ok);
        EXPECT_EQ(out.bytes, file + kNewLines);
    }
}

TEST(AppendEntriesText, AppendsSeveralEntriesInTheirOrderAndKeepsEveryOldByte) {
    const std::string file = "; odd\n  id = 5 \rTitle=x";
    const EditedText out =
        AppendEntriesText(file, {{"1", "B", "0"}, {"2", "A", "4"}});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.bytes, file + "\r\n\r\nID=1\r\nTitle=B\r\nFlags=0\r\n\r\nID=2\r\nTitle=A\r\nFlags=4\r\n");
}

TEST(AppendEntriesText, RefusesValuesWithALineBreak) {
    // A title "X\r\nID=9" would add a second entry to the file.
    for (const IniEntry& bad : {IniEntry{"1", "X\r\nID=9", "8"}, IniEntry{"1\n", "X", "8"},
                                IniEntry{"1", "X", "8\r"}}) {
        const EditedText out = AppendEntriesText("ID=5\r\n", {kNewEntry, bad});
        EXPECT_FALSE(out.ok);
        EXPECT_NE(out.error.find("line break"), std::string::npos) << out.error;
    }
}

// --- Changing -------------------------------------------------------------------------------

// Comments, a disabled entry, an entry with keys in another case and lines ending in LF or a lone
// CR: only the three lines of the edited entry change; every line then ends in CR LF.
TEST(ChangeEntryText, ChangesOnlyTheEntrysThreeLinesAmidCommentsAndDisabledEntries) {
    const std::string file =
        "; bleem! database\r\n"
        "Version=1.0\r\n"
        "\r\n"
        ";ID=2222222222\n"
        ";Title=Gone\n"
        ";Flags=80000000H\n"
        "\r\n"
        "ID=1111111111\r"
        "Title=Alpha\r"
        "Flags=80000000H\r"
        "; a remark\r\n"
        "\r\n"
        "  id = 3333333333 \r\n"
        "; between\r\n"
        "flags = 40000000H\r\n"
        "TITLE=Gamma\r\n"
        "\r\n"
        "ID=4444444444\r\n"
        "Title=Delta\r\n"
        "Flags=0\r\n";
    const EditedText out = ChangeEntryText(file, "3333333333", {"3333333333", "Gamma 2", "80000000H"});
    ASSERT_TRUE(out.ok) << out.error;
    EXPECT_EQ(out.bytes,
              "; bleem! database\r\n"
              "Version=1.0\r\n"
              "\r\n"
              ";ID=2222222222\r\n"
              ";Title=Gone\r\n"
              ";Flags=80000000H\r\n"
              "\r\n"
              "ID=1111111111\r\n"
              "Title=Alpha\r\n"
              "Flags=80000000H\r\n"
              "; a remark\r\n"
              "\r\n"
              "ID=3333333333\r\n"
              "; between\r\n"
              "Flags=80000000H\r\n"
              "Title=Gamma 2\r\n"
              "\r\n"
              "ID=4444444444\r\n"
              "Title=Delta\r\n"
              "Flags=0\r\n");
}

TEST(ChangeEntryText, TheOldDiscIDFindsTheEntryAndTheNewOneIsWritten) {
    const std::string file = "ID=1\r\nTitle=A\r\nFlags=8\r\n\r\nID=2\r\nTitle=B\r\nFlags=4";
    const EditedText out = ChangeEntryText(file, "2", {"7777777777", "B", "4"});
    ASSERT_TRUE(out.ok) << out.error;
    EXPECT_EQ(out.bytes, "ID=1\r\nTitle=A\r\nFlags=8\r\n\r\nID=7777777777\r\nTitle=B\r\nFlags=4\r\n");
}

TEST(ChangeEntryText, OfTwoActiveEntriesWithOneDiscIDTheLastIsChanged) {
    const std::string file = "ID=5\r\nTitle=First\r\nFlags=8\r\nID=5\r\nTitle=Second\r\nFlags=8\r\nID=6\r\nTitle=C\r\nFlags=0\r\n";
    const EditedText out = ChangeEntryText(file, "5", {"5", "Changed", "4"});
    ASSERT_TRUE(out.ok) << out.error;
    EXPECT_EQ(out.bytes, "ID=5\r\nTitle=First\r\nFlags=8\r\nID=5\r\nTitle=Changed\r\nFlags=4\r\nID=6\r\nTitle=C\r\nFlags=0\r\n");
}

// Whenever the ordinal Title or Flags line would not be the entry's own, nothing is changed:
// the old program would have overwritten another entry's line.
TEST(ChangeEntryText, RefusesWhenTheEntryCannotBeFoundSafely) {
    struct Case {
        const char* name;
        std::string file;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"disc ID absent", "ID=1\r\nTitle=A\r\nFlags=8\r\n", "no active entry has the disc ID 2"},
        {"only a disabled entry has it", "ID=1\r\nTitle=A\r\nFlags=8\r\n;ID=2\r\n;Title=B\r\n;Flags=8\r\n",
         "no active entry has the disc ID 2"},
        {"an earlier entry lacks its Title line",
         "ID=1\r\nFlags=8\r\nID=2\r\nTitle=B\r\nFlags=8\r\nID=3\r\nTitle=C\r\nFlags=8\r\n", "Title line"},
        {"the entry lacks its Title line", "ID=1\r\nTitle=A\r\nFlags=8\r\nID=2\r\nFlags=8\r\nID=3\r\nTitle=C\r\n",
         "Title line"},
        {"an earlier entry has two Flags lines",
         "ID=1\r\nTitle=A\r\nFlags=8\r\nFlags=4\r\nID=2\r\nTitle=B\r\nFlags=8\r\n", "Flags line"},
        {"the entry has two Title lines", "ID=1\r\nTitle=A\r\nFlags=8\r\nID=2\r\nTitle=B\r\nTitle=C\r\nFlags=8\r\n",
         "Title line"},
        {"a Title line before the first entry", "Title=Stray\r\nID=2\r\nTitle=B\r\nFlags=8\r\n", "Title line"},
    };
    for (const Case& c : cases) {
        const EditedText changed = ChangeEntryText(c.file, "2", {"2", "X", "0"});
        EXPECT_FALSE(changed.ok) << c.name;
        EXPECT_NE(changed.error.find(c.expected), std::string::npos) << c.name << ": " << changed.error;
        const EditedText disabled = DisableEntryText(c.file, "2");
        EXPECT_FALSE(disabled.ok) << c.name;
    }
}

TEST(ChangeEntryText, HoldsAtMostTheLineBufferOf16385Lines) {
    std::string file = "ID=1\r\nTitle=A\r\nFlags=8\r\n";
    for (std::size_t k = 3; k < kIniLineCapacity; ++k) file += "; filler\r\n";
    ASSERT_TRUE(ChangeEntryText(file, "1", {"1", "B", "8"}).ok);
    file += "; one line too many\r\n";
    const EditedText out = ChangeEntryText(file, "1", {"1", "B", "8"});
    EXPECT_FALSE(out.ok);
    EXPECT_NE(out.error.find("16386 lines, more than the 16385"), std::string::npos) << out.error;
}

// --- Disabling ------------------------------------------------------------------------------

TEST(DisableEntryText, PutsASemicolonBeforeTheSecondOfThreeEntriesOnly) {
    const std::string file =
        "Version=1.0\r\n\r\nID=1\r\nTitle=A\r\nFlags=8\r\n\r\n  ID=2\r\nTitle=B\r\nFlags=4\r\n\r\nID=3\r\nTitle=C\r\nFlags=0";
    const EditedText out = DisableEntryText(file, "2");
    ASSERT_TRUE(out.ok) << out.error;
    EXPECT_EQ(out.bytes,
              "Version=1.0\r\n\r\nID=1\r\nTitle=A\r\nFlags=8\r\n\r\n;  ID=2\r\n;Title=B\r\n;Flags=4\r\n\r\n"
              "ID=3\r\nTitle=C\r\nFlags=0\r\n");
}

TEST(DisableEntryText, DisabledLinesDoNotCountForTheOrdinals) {
    const std::string file = ";ID=1\r\n;Title=A\r\n;Flags=8\r\nID=1\r\nTitle=A2\r\nFlags=0\r\n";
    const EditedText out = DisableEntryText(file, "1");
    ASSERT_TRUE(out.ok) << out.error;
    EXPECT_EQ(out.bytes, ";ID=1\r\n;Title=A\r\n;Flags=8\r\n;ID=1\r\n;Title=A2\r\n;Flags=0\r\n");
}

// --- The procedures on a real file ----------------------------------------------------------

const std::string kThree =
    "; my games\r\nVersion=1.0\r\n\r\nID=2222222222\r\nTitle=beta\r\nFlags=40000000H\r\n\r\n"
    "ID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n\r\nID=3333333333\r\nTitle=Gamma\r\nFlags=00000000H";

class WriterProcedure : public ::testing::Test {
protected:
    void SetUp() override {
        path = folder.write("bleem!.INI", kThree);
        state.folders.IniPath = folder.path();
        state.folders.TxtUpdate = false;
        ASSERT_TRUE(ReadINI(state, log.sink()));
        ASSERT_EQ(state.games.GameLast, 2);
    }
    int RowOf(const std::string& title) const {
        for (int i = 0; i <= state.games.GameLast; ++i)
            if (state.games.GameTitle[static_cast<std::size_t>(i)] == title) return i;
        return -1;
    }

    TempFolder folder;
    std::string path;
    ProgramState state;
    FailureLog log;
};

TEST_F(WriterProcedure, WriteINIAppendsTheWizardsEntryAndReloads) {
    state.wizard.EditMode = false;
    state.wizard.EditID = "4444444444";
    state.wizard.EditTitle = "Delta";
    state.wizard.EditFlags = "80000000H";
    ASSERT_TRUE(WriteINI(state, 0, log.sink()));
    EXPECT_TRUE(log.failures.empty());
    EXPECT_EQ(ReadFileBytes(path), kThree + "\r\n\r\nID=4444444444\r\nTitle=Delta\r\nFlags=80000000H\r\n");
    EXPECT_EQ(state.games.GameLast, 3);
    EXPECT_EQ(state.games.GameID[static_cast<std::size_t>(RowOf("Delta"))], "4444444444");
}

TEST_F(WriterProcedure, WriteINIChangesTheSelectedEntry) {
    state.wizard.EditMode = true;
    state.wizard.EditID = "5555555555";
    state.wizard.EditTitle = "Beta Remix";
    state.wizard.EditFlags = "00200000H";
    ASSERT_TRUE(WriteINI(state, RowOf("beta"), log.sink()));
    EXPECT_TRUE(log.failures.empty());
    EXPECT_EQ(ReadFileBytes(path),
              "; my games\r\nVersion=1.0\r\n\r\nID=5555555555\r\nTitle=Beta Remix\r\nFlags=00200000H\r\n\r\n"
              "ID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n\r\nID=3333333333\r\nTitle=Gamma\r\nFlags=00000000H\r\n");
    ASSERT_GE(RowOf("Beta Remix"), 0);
    EXPECT_EQ(RowOf("beta"), -1);
}

TEST_F(WriterProcedure, RemoveGameDisablesTheSelectedEntryAndReloads) {
    ASSERT_TRUE(RemoveGame(state, RowOf("Alpha"), log.sink()));
    EXPECT_TRUE(log.failures.empty());
    EXPECT_EQ(ReadFileBytes(path),
              "; my games\r\nVersion=1.0\r\n\r\nID=2222222222\r\nTitle=beta\r\nFlags=40000000H\r\n\r\n"
              ";ID=1111111111\r\n;Title=Alpha\r\n;Flags=80000000H\r\n\r\nID=3333333333\r\nTitle=Gamma\r\nFlags=00000000H\r\n");
    EXPECT_EQ(state.games.GameLast, 1);
    EXPECT_EQ(RowOf("Alpha"), -1);
}

// The entry was removed from the file by another program after the table was loaded.
TEST_F(WriterProcedure, AnEntryMissingFromTheFileChangesNothingAndSaysSo) {
    const std::string changedBehind = "Version=1.0\r\n\r\nID=9999999999\r\nTitle=Other\r\nFlags=8\r\n";
    folder.write("bleem!.INI", changedBehind);
    const int row = RowOf("Alpha");
    state.wizard.EditMode = true;
    state.wizard.EditID = "1111111111";
    state.wizard.EditTitle = "Alpha";
    state.wizard.EditFlags = "40000000H";
    ASSERT_TRUE(WriteINI(state, row, log.sink()));
    ASSERT_EQ(log.failures.size(), 1u);
    EXPECT_EQ(log.failures[0].module, "GLOBAL.WriteINI");
    EXPECT_NE(log.failures[0].description.find("1111111111"), std::string::npos);
    EXPECT_NE(log.failures[0].description.find(path), std::string::npos);
    EXPECT_EQ(ReadFileBytes(path), changedBehind);
    // Resume carries on with the reload, which now shows the file as it is.
    EXPECT_EQ(state.games.GameLast, 0);

    ASSERT_TRUE(RemoveGame(state, 0, log.sink()));  // Other is found and removed normally
    EXPECT_EQ(log.failures.size(), 1u);
}

TEST_F(WriterProcedure, RemovingAMissingEntryNamesRemoveGame) {
    const std::string changedBehind = "ID=9999999999\r\nTitle=Other\r\nFlags=8\r\n";
    folder.write("bleem!.INI", changedBehind);
    log.answer = Resolution::Cancel;
    EXPECT_FALSE(RemoveGame(state, RowOf("Gamma"), log.sink()));
    ASSERT_EQ(log.failures.size(), 1u);
    EXPECT_EQ(log.failures[0].module, "GLOBAL.RemoveGame");
    EXPECT_EQ(ReadFileBytes(path), changedBehind);
}

TEST_F(WriterProcedure, NothingIsWrittenFromATableThatWasNotReadWhole) {
    state.games.Truncated = true;
    state.wizard.EditMode = true;
    state.wizard.EditID = "1111111111";
    state.wizard.EditTitle = "Alpha";
    state.wizard.EditFlags = "40000000H";
    log.answer = Resolution::Cancel;
    EXPECT_FALSE(WriteINI(state, RowOf("Alpha"), log.sink()));
    EXPECT_FALSE(RemoveGame(state, RowOf("Alpha"), log.sink()));
    ASSERT_EQ(log.failures.size(), 2u);
    EXPECT_EQ(log.failures[0].module, "GLOBAL.WriteINI");
    EXPECT_EQ(log.failures[1].module, "GLOBAL.RemoveGame");
    EXPECT_NE(log.failures[0].description.find("not read whole"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(path), kThree);
}

// Tests run as root, where permission bits stop no write; the full disk and the read-only
// file system are simulated through the injected writes (ReplaceFile's own tests use real ones).
TEST_F(WriterProcedure, AFailedWriteLeavesTheFileUntouchedAndNamesTheProcedure) {
    state.wizard.EditMode = false;
    state.wizard.EditID = "4444444444";
    state.wizard.EditTitle = "Delta";
    state.wizard.EditFlags = "80000000H";
    ASSERT_TRUE(WriteINI(state, 0, log.sink(), DiskWithRoom(10)));
    ASSERT_TRUE(RemoveGame(state, RowOf("Alpha"), log.sink(), FailingWrites(EROFS)));
    ASSERT_EQ(log.failures.size(), 2u);
    EXPECT_EQ(log.failures[0].module, "GLOBAL.WriteINI");
    EXPECT_NE(log.failures[0].description.find("no space left on device"), std::string::npos);
    EXPECT_EQ(log.failures[1].module, "GLOBAL.RemoveGame");
    EXPECT_NE(log.failures[1].description.find("read-only file system"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(path), kThree);
    EXPECT_EQ(state.games.GameLast, 2);
}

TEST_F(WriterProcedure, AMissingFileIsReportedAndNotCreated) {
    std::filesystem::remove(path);
    state.wizard.EditMode = false;
    state.wizard.EditID = "4444444444";
    log.answer = Resolution::Cancel;
    EXPECT_FALSE(WriteINI(state, 0, log.sink()));
    ASSERT_EQ(log.failures.size(), 1u);
    EXPECT_EQ(log.failures[0].module, "GLOBAL.WriteINI");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(WriterProcedure, FindsTheFileInAnotherLetterCase) {
    std::filesystem::rename(path, folder.file("BLEEM!.ini"));
    ASSERT_TRUE(RemoveGame(state, RowOf("Gamma"), log.sink()));
    EXPECT_TRUE(log.failures.empty());
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_NE(ReadFileBytes(folder.file("BLEEM!.ini")).find(";ID=3333333333"), std::string::npos);
}

TEST_F(WriterProcedure, AppendEntriesGoesThroughTheFileAndFinishesItsLastLine) {
    const WriteOutcome outcome = AppendEntries(path, {{"6", "Zeta", "8"}, {"7", "Eta", "4"}});
    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(ReadFileBytes(path), kThree + "\r\n\r\nID=6\r\nTitle=Zeta\r\nFlags=8\r\n\r\nID=7\r\nTitle=Eta\r\nFlags=4\r\n");
    const WriteOutcome full = AppendEntries(path, {{"8", "Theta", "8"}}, DiskWithRoom(3));
    EXPECT_FALSE(full.ok);
    EXPECT_NE(full.error.find(path), std::string::npos);
}

}  // namespace
}  // namespace tolva
