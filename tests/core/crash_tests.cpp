// Every writer of bleem!.INI killed at each step of its write (keeping the previous version
// included): the file holds exactly its old or its new bytes, and with the new ones the history
// holds the old, named by the writer's action. (Failed writes: each writer's tests, files_tests.cpp.)
#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <functional>

#include "core/database/compatibility.h"
#include "core/database/gametable.h"
#include "core/database/writer.h"
#include "core/tools/restore.h"
#include "core/tools/cleanup.h"
#include "core/tools/repair.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;

// A database of a realistic size with bare LF line ends, so that every writer's new file
// differs from the old one all through.
const std::string kDatabase = "; my bleem! games\n\nVersion=2000.11\n\n" + Entries(2000, 0, "\n") +
                              ";ID=9999999999\n;Title=Disabled\n;Flags=80000000H\n";
const std::string kTxt = kTxtHeader + TxtRecord("Game 1", "SLUS-90001", "Yes!") + TxtRecord("Game 2", "X", "Not Yet");

/// One procedure that writes bleem!.INI, as a window calls it; failures go to the sink. The
/// version it keeps is named by its action.
struct WritePath {
    const char* name;
    const char* action;
    std::function<void(ProgramState&, const FailureSink&, const FileOps&)> run;
};

const WritePath kWritePaths[] = {
    {"edit", "Edit: Game 7 Special", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
         state.wizard = {true, true, "Game 7 Special", "7777777777", "82000000H", 8};
         WriteINI(state, 5, sink, ops);
     }},
    {"remove", "Remove: Game 1001", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
         RemoveGame(state, 5, sink, ops);
     }},
    {"append", "Add: A New Game", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
         state.wizard = {true, false, "A New Game", "8888888888", "80000000H", 8};
         WriteINI(state, 5, sink, ops);
     }},
    {"cleanup", "Clean Up", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
         CleanUpINI(state, {true, false, false, true, false, false, CommentPlace::After}, sink, ops);
     }},
    {"finish", "Online Update: 1 entries", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
         AppendEntries(state, {{"5555555555", "Update", "8"}}, sink, ops);
     }},
    {"disable", "Repair: 1 entries", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
         const GameTable& g = state.games;
         DisableEntries(state, {{g.GameID[5], g.GameTitle[5], g.GameFlags[5]}}, sink, ops);
     }},
};

/// A folder holding the two files, and the program's state after start-up from it.
struct Place {
    TempFolder folder, history;
    std::string ini = folder.write(kIniFileName, kDatabase);
    ProgramState state;
    Place() {
        folder.write(kTxtFileName, kTxt);
        state.folders.IniPath = state.folders.TxtPath = folder.path();
        state.folders.HistoryPath = history.path();
        InitDiscIDs(state.discIDs);
        FailureLog log;
        EXPECT_TRUE(ReadINI(state, log.sink()) && ReadTXT(state, log.sink()));
        for (int i = 0; i <= state.games.GameLast; ++i) JoinGame(state, i);
        EXPECT_EQ(log.said(), "");
    }
};

class EveryWritePath : public ::testing::TestWithParam<WritePath> {};
INSTANTIATE_TEST_SUITE_P(Writers, EveryWritePath, ::testing::ValuesIn(kWritePaths),
                         [](const auto& info) { return std::string(info.param.name); });

/// The replacement's writes (in pieces of at most 16 KiB) and its sync, counted as steps; at step
/// killAt the process writes half of what it was given and is killed.
FileOps StepOps(int* steps, int killAt) {
    FileOps ops;
    ops.write = [=](int fd, const char* data, std::size_t size) -> long {
        if (++*steps == killAt) {
            [[maybe_unused]] auto half = ::write(fd, data, size / 2);
            ::raise(SIGKILL);
        }
        return static_cast<long>(::write(fd, data, std::min<std::size_t>(size, 16384)));
    };
    ops.sync = [=](int fd) {
        if (++*steps == killAt) ::raise(SIGKILL);
        return ::fsync(fd);
    };
    return ops;
}

// The writer runs in a child process that is killed at its k-th step, for k over every step of
// the write, and once more after it returned: the file is the old one until the rename and the
// new one after it, never a mixture, a cut or nothing.
TEST_P(EveryWritePath, AKillAtAnyStepLeavesTheOldOrTheNewFile) {
    const WritePath& path = GetParam();
    Place reference;
    FailureLog log;
    int steps = 0;
    path.run(reference.state, log.sink(), StepOps(&steps, 0));
    ASSERT_EQ(log.said(), "");
    const std::string after = ReadFileBytes(reference.ini);
    ASSERT_NE(after, kDatabase);
    ASSERT_GE(steps, 3) << "a write in several pieces, then the sync";
    const std::vector<KeptVersion> kept = KeptVersions(reference.state.folders);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ReadFileBytes(kept[0].file), kDatabase);
    EXPECT_EQ(kept[0].action, path.action);
    EXPECT_FALSE(ChangedOutside(reference.state.folders));  // the new bytes are known as the program's own
    Place place;
    bool turned = false;  // the file held the new bytes at an earlier step
    for (int k = 1; k <= steps + 1; ++k) {
        place.folder.write(kIniFileName, kDatabase);
        std::filesystem::remove_all(place.history.path());
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int counted = 0;
            path.run(place.state, [](const Failure&) { return Resolution::Resume; }, StepOps(&counted, k));
            ::raise(SIGKILL);  // killed after the write returned
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << path.name << ", step " << k;
        const std::string now = ReadFileBytes(place.ini);
        const std::string at = std::string(path.name) + ", killed at step " + std::to_string(k);
        EXPECT_TRUE(now == after || now == kDatabase) << at;
        EXPECT_TRUE(now == after || (!turned && k <= steps)) << at << ": old after new, or after the write";
        if (now == after) {
            const std::vector<KeptVersion> versions = KeptVersions(place.state.folders);
            EXPECT_TRUE(!versions.empty() && ReadFileBytes(versions[0].file) == kDatabase) << at;
            turned = true;
        }
        for (const std::string& name : place.folder.names()) {
            if (name == kIniFileName || name == kTxtFileName) continue;
            EXPECT_EQ(name.rfind(std::string(".") + kIniFileName + ".", 0), 0u) << name;  // the temporary file
            std::filesystem::remove(place.folder.file(name));
        }
    }
}

}  // namespace
}  // namespace tolva
