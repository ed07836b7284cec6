// Every way the program writes bleem!.INI, put through what the world can do to a write: the
// process killed at each step of it, a full disk, a read-only file and a read-only folder. After
// each, the file holds exactly its old or exactly its new bytes, and a failure says what and why.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "core/database/compatibility.h"
#include "core/database/gametable.h"
#include "core/database/writer.h"
#include "core/tools/cleanup.h"
#include "ini_fixtures.h"

namespace tolva {
namespace {

using namespace tolva::testing;

constexpr uid_t kNobody = 65534;  // whom the permission tests run as when the tests run as root

// A database of a realistic size with bare LF line ends, so that every writer's new file
// differs from the old one all through.
const std::string kDatabase = "; my bleem! games\n\nVersion=2000.11\n\n" + Entries(2000, 0, "\n") +
                              ";ID=9999999999\n;Title=Disabled\n;Flags=80000000H\n";
const std::string kTxt = kTxtHeader + TxtRecord("Game 1", "SLUS-90001", "Yes!") + TxtRecord("Game 2", "X", "Not Yet");

/// One procedure that writes bleem!.INI, as a window calls it; failures go to the sink.
struct WritePath {
    const char* name;
    std::function<void(ProgramState&, const FailureSink&, const FileOps&)> run;
};

const WritePath kWritePaths[] = {
    {"edit", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
         state.wizard = {true, true, "Game 7 Special", "7777777777", "82000000H", 8};
         WriteINI(state, 5, sink, ops);
     }},
    {"remove", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) { RemoveGame(state, 5, sink, ops); }},
    {"append", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
         state.wizard = {true, false, "A New Game", "8888888888", "80000000H", 8};
         WriteINI(state, 5, sink, ops);
     }},
    {"cleanup", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
         CleanUpINI(state, {true, false, false, true, false, false, CommentPlace::After}, sink, ops);
     }},
    {"finish", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
         AppendEntries(state, {{"5555555555", "Update", "8"}}, sink, ops);
     }},
};

/// A folder (or a folder inside it) holding the two files, and the program's state after
/// start-up from it.
struct Place {
    TempFolder folder;
    std::string sub, dir, ini;
    ProgramState state;

    explicit Place(const std::string& inside = {})
        : sub(inside.empty() ? "" : inside + "/"), dir(inside.empty() ? folder.path() : folder.file(inside)),
          ini(dir + "/" + kIniFileName) {
        std::filesystem::create_directories(dir);
        state.folders.IniPath = state.folders.TxtPath = dir;
    }
    void load() {
        folder.write(sub + kIniFileName, kDatabase);
        folder.write(sub + kTxtFileName, kTxt);
        InitDiscIDs(state.discIDs);
        FailureLog log;
        ASSERT_TRUE(ReadINI(state, log.sink()));
        ASSERT_TRUE(ReadTXT(state, log.sink()));
        for (int i = 0; i <= state.games.GameLast; ++i) JoinGame(state, i);
        ASSERT_EQ(log.said(), "");
    }
    std::vector<std::string> strays() const {
        std::vector<std::string> names = folder.names(sub);
        std::erase_if(names, [](const std::string& n) { return n == kIniFileName || n == kTxtFileName; });
        return names;
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
    reference.load();
    FailureLog log;
    int steps = 0;
    path.run(reference.state, log.sink(), StepOps(&steps, 0));
    ASSERT_EQ(log.said(), "");
    const std::string after = ReadFileBytes(reference.ini);
    ASSERT_NE(after, kDatabase);
    ASSERT_GE(steps, 3) << "a write in several pieces, then the sync";

    Place place;
    place.load();
    for (int k = 1; k <= steps + 1; ++k) {
        place.folder.write(kIniFileName, kDatabase);
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
        EXPECT_EQ(ReadFileBytes(place.ini), k <= steps ? kDatabase : after) << path.name << ", killed at step " << k;
        for (const std::string& stray : place.strays()) {
            EXPECT_EQ(stray.rfind(std::string(".") + kIniFileName + ".", 0), 0u) << stray;
            std::filesystem::remove(place.folder.file(stray));
        }
    }
}

TEST_P(EveryWritePath, AFullDiskLeavesTheFileAndSaysSo) {
    const WritePath& path = GetParam();
    Place place("disk");
    std::filesystem::create_directories(place.folder.file("disk"));
    // A tmpfs too small for the old file and a new one beside it, else a disk full through the
    // injected writes.
    SmallTmpfs tmpfs(place.folder.file("disk"), std::to_string(kDatabase.size() * 3 / 2 + 8192));
    place.load();
    const FileOps ops = tmpfs.mounted() ? FileOps{} : DiskWithRoom(kDatabase.size() / 2);
    FailureLog log;
    path.run(place.state, log.sink(), ops);
    EXPECT_EQ(ReadFileBytes(place.ini), kDatabase);
    ASSERT_EQ(log.failures.size(), 1u) << log.said();
    EXPECT_NE(log.said().find(place.ini + ": no space left on device; the file was left unchanged"), std::string::npos)
        << log.said();
    EXPECT_EQ(place.strays(), std::vector<std::string>{});
}

/// Runs the path in a child process as a user whom permission bits bind (the tests may run as
/// root) and returns the failures it reported, or nothing when it could not become that user.
std::optional<std::string> FailuresAsUnprivilegedUser(const WritePath& path, ProgramState& state) {
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(3);
        FailureLog log;
        path.run(state, log.sink(), {});
        const std::string said = log.said();
        ::_exit(::write(channel[1], said.data(), said.size()) == ssize_t(said.size()) ? 0 : 4);
    }
    ::close(channel[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) said.append(buffer, std::size_t(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return said;
}

TEST_P(EveryWritePath, AReadOnlyFileOrFolderIsLeftAsItIsAndSaysSo) {
    for (const bool folderReadOnly : {false, true}) {
        Place place;
        place.load();
        ASSERT_EQ(::chmod(place.ini.c_str(), folderReadOnly ? 0666 : 0444), 0);
        ASSERT_EQ(::chmod(place.folder.path().c_str(), folderReadOnly ? 0555 : 0777), 0);
        const std::optional<std::string> said = FailuresAsUnprivilegedUser(GetParam(), place.state);
        ::chmod(place.folder.path().c_str(), 0755);
        if (!said) GTEST_SKIP() << "cannot run as an unprivileged user here; injected failures cover this";
        EXPECT_EQ(ReadFileBytes(place.ini), kDatabase);
        const std::string cause = folderReadOnly ? place.ini + ": cannot create a temporary file in " +
                                                       place.folder.path() + ": permission denied"
                                                 : place.ini + ": permission denied";
        EXPECT_NE(said->find(cause + "; the file was left unchanged\n"), std::string::npos) << *said;
        EXPECT_EQ(std::count(said->begin(), said->end(), '\n'), 1) << *said;
        EXPECT_EQ(place.strays(), std::vector<std::string>{});
        EXPECT_EQ(ReadFileBytes(place.ini), kDatabase);
    }
}

}  // namespace
}  // namespace tolva
