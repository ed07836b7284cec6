// Every way the program writes bleem!.INI, put through what the world can do to a write: the
// process killed at any moment, a read-only file, a read-only folder and a full disk. After each,
// the file holds exactly its old or exactly its new bytes, and a failure says what and why.
// The atomic replacement's own tests (atomic_file_tests.cpp) cover ReplaceFile alone; these run
// the whole procedures that the windows call.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <random>
#include <thread>

#include "core/database/compatibility.h"
#include "core/database/gametable.h"
#include "core/database/writer.h"
#include "core/games/discids.h"
#include "core/tools/cleanup.h"
#include "ini_test_files.h"

namespace tolva {
namespace {

using namespace tolva::testing;
namespace fs = std::filesystem;

constexpr int kKillTrials = 200;

/// The unprivileged user the permission tests run as when the tests run as root.
constexpr uid_t kNobody = 65534;

// A database of a realistic size, written with bare LF line ends and loose spacing, so that
// every writer's new file differs from the old one all through.
std::string Database() {
    std::string text = "; my bleem! games\n; kept by hand\n\nVersion=2000.11\n";
    for (int k = 0; k < 2000; ++k) {
        text += "\nID=" + std::to_string(1000000000 + k * 7919) + "\nTitle=Game " + std::to_string(k) +
                "\nFlags=" + (k % 3 == 0 ? "40000000H" : "80000000H") + "\n";
        if (k % 500 == 0) text += ";ID=9999999999\n;Title=Disabled\n;Flags=80000000H\n";
    }
    return text;
}

const std::string kTxt =
    "No|Title|Publisher|Product Code|Region|Genre|Status|D3D|Details|\r\n"
    "1|Game 1|Pub One|SLUS-90001|USA|Racing|Yes!|Yes|Fine.|\r\n"
    "2|Game 2|Pub Two|SLUS-90002|EUR|RPG|Yes!||Slow.|\r\n";

/// One procedure that writes bleem!.INI, as a window calls it; failures go to the sink.
struct WritePath {
    const char* name;
    std::function<void(ProgramState&, const FailureSink&, const FileOps&)> run;
};

void ForwardOutcome(const WriteOutcome& outcome, const FailureSink& sink) {
    if (!outcome.ok) sink(Failure{outcome.error, "UpdateFORM.FinishBUTTON_Click"});
}

const std::vector<WritePath>& WritePaths() {
    static const std::vector<WritePath> paths = {
        {"edit", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
             state.wizard = {true, true, "Game 7 Special", "7777777777", "82000000H", 8};
             WriteINI(state, 5, sink, ops);
         }},
        {"remove", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
             RemoveGame(state, 5, sink, ops);
         }},
        {"append", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
             state.wizard = {true, false, "A New Game", "8888888888", "80000000H", 8};
             WriteINI(state, 5, sink, ops);
         }},
        {"cleanup", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
             CleanUpOptions options;
             options.Publisher = true;
             options.Works = true;
             CleanUpINI(state, options, sink, ops);
         }},
        {"finish", [](ProgramState& state, const FailureSink& sink, const FileOps& ops) {
             const std::vector<IniEntry> entries = {{"5555555555", "Update One", "80000000H"},
                                                    {"6666666666", "Update Two", "40000000H"}};
             ForwardOutcome(AppendEntries(IniFilePath(state.folders), entries, ops), sink);
         }},
    };
    return paths;
}

/// The program's state after start-up with the database in folder: read, joined.
void LoadInto(ProgramState& state, const std::string& folder) {
    state.folders.IniPath = folder;
    state.folders.TxtPath = folder;
    state.folders.TxtUpdate = true;
    if (state.discIDs.rows.empty()) InitDiscIDs(state.discIDs);
    FailureLog log;
    ASSERT_TRUE(ReadINI(state, log.sink()));
    ASSERT_TRUE(ReadTXT(state, log.sink()));
    for (int i = 0; i <= state.games.GameLast; ++i) JoinGame(state, i);
    ASSERT_TRUE(log.failures.empty()) << log.failures[0].description;
}

/// A folder holding the two files, and the state loaded from it.
struct Place {
    TempFolder folder;
    std::string ini;
    ProgramState state;

    explicit Place(const std::string& bytes = Database()) {
        ini = folder.write(kIniFileName, bytes);
        folder.write(kTxtFileName, kTxt);
        LoadInto(state, folder.path());
    }
    /// Removes what a killed writer left beside the two files (its temporary file).
    void sweep() const {
        for (const std::string& name : FolderNames(folder.path()))
            if (name != kIniFileName && name != kTxtFileName) fs::remove(folder.file(name));
    }
    std::vector<std::string> strays() const {
        std::vector<std::string> names = FolderNames(folder.path());
        std::erase_if(names, [](const std::string& name) { return name == kIniFileName || name == kTxtFileName; });
        return names;
    }
};

void PrintTo(const WritePath& path, std::ostream* out) { *out << path.name; }

class EveryWritePath : public ::testing::TestWithParam<WritePath> {};

INSTANTIATE_TEST_SUITE_P(Writers, EveryWritePath, ::testing::ValuesIn(WritePaths()),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Killed at a random moment -----------------------------------------------------------------

// The writer runs in a child process that tells the parent, through a pipe, the instant it
// starts; the parent kills it with SIGKILL after a random delay spread over the write's length
// (measured first), then reads the file.
TEST_P(EveryWritePath, AKillAtAnyMomentLeavesTheOldOrTheNewFile) {
    const WritePath& path = GetParam();
    const std::string before = Database();

    // The new bytes and the write's length, from an undisturbed run in a place of its own.
    Place reference(before);
    FailureLog log;
    const auto start = std::chrono::steady_clock::now();
    path.run(reference.state, log.sink(), {});
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(log.failures.empty()) << log.failures[0].description;
    const std::string after = ReadFileBytes(reference.ini);
    ASSERT_NE(after, before);
    const long spread = std::clamp<long>(
        static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(took).count()) * 2, 500, 200000);

    Place place(before);
    std::mt19937 random(20011);
    int sawOld = 0;
    int sawNew = 0;
    for (int trial = 0; trial < kKillTrials; ++trial) {
        WriteFileBytes(place.ini, before);
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            const char go = 1;
            if (::write(ready[1], &go, 1) != 1) ::_exit(2);
            path.run(place.state, [](const Failure&) { return Resolution::Resume; }, {});
            ::_exit(0);
        }
        ::close(ready[1]);
        char go = 0;
        ASSERT_EQ(::read(ready[0], &go, 1), 1);
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % spread));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);

        const std::string now = ReadFileBytes(place.ini);
        ASSERT_TRUE(now == before || now == after)
            << path.name << ", trial " << trial << ": " << now.size() << " bytes, neither the old "
            << before.size() << " nor the new " << after.size();
        (now == before ? sawOld : sawNew)++;
        place.sweep();
    }
    // Both sides of the replacement were hit, or the test proved nothing.
    EXPECT_GT(sawOld, 0) << path.name;
    EXPECT_GT(sawNew, 0) << path.name;
}

// --- A full disk -------------------------------------------------------------------------------

/// A tmpfs too small for the old file and a new one beside it, when this process may mount one.
class FullDisk {
public:
    FullDisk(const std::string& folder, const std::string& bytes) {
        fs::create_directories(folder);
        tmpfs_ = std::make_unique<SmallTmpfs>(folder, std::to_string(bytes.size() + bytes.size() / 2 + 8192));
        if (!tmpfs_->mounted()) return;
        WriteFileBytes(folder + "/" + kIniFileName, bytes);
        WriteFileBytes(folder + "/" + kTxtFileName, kTxt);
        ok_ = ReadFileBytes(folder + "/" + kIniFileName) == bytes;
    }
    bool ready() const { return ok_; }

private:
    std::unique_ptr<SmallTmpfs> tmpfs_;
    bool ok_ = false;
};

TEST_P(EveryWritePath, AFullDiskLeavesTheFileAndSaysSo) {
    const WritePath& path = GetParam();
    const std::string before = Database();
    TempFolder outer;
    const std::string folder = outer.file("disk");
    FullDisk disk(folder, before);
    FileOps ops;
    if (!disk.ready()) {
        // No tmpfs can be mounted here: the disk fills up through the injected writes instead.
        fs::create_directories(folder);
        WriteFileBytes(folder + "/" + kIniFileName, before);
        WriteFileBytes(folder + "/" + kTxtFileName, kTxt);
        ops = DiskWithRoom(before.size() / 2);
    }
    ProgramState state;
    LoadInto(state, folder);
    const int entries = state.games.count();
    FailureLog log;
    path.run(state, log.sink(), ops);

    const std::string file = folder + "/" + kIniFileName;
    EXPECT_EQ(ReadFileBytes(file), before);
    ASSERT_EQ(log.failures.size(), 1u) << path.name;
    const std::string& said = log.failures[0].description;
    EXPECT_NE(said.find(file), std::string::npos) << said;
    EXPECT_NE(said.find("no space left on device"), std::string::npos) << said;
    EXPECT_NE(said.find("left unchanged"), std::string::npos) << said;
    EXPECT_EQ(state.games.count(), entries) << "the reload after the failure shows the file as it is";
    EXPECT_EQ(FolderNames(folder).size(), 2u) << "no temporary file is left behind";
}

// --- Read-only file and folder -----------------------------------------------------------------

/// Runs work in a child process as a user whom permission bits bind: the tests run as root,
/// who writes through any permission bits, so the child drops to an unprivileged user first.
/// Returns what work returned, or nothing when the child could not become that user.
std::optional<std::string> AsUnprivilegedUser(const std::function<std::string()>& work) {
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(3);
        const std::string result = work();
        std::string_view rest = result;
        while (!rest.empty()) {
            const ssize_t sent = ::write(channel[1], rest.data(), rest.size());
            if (sent <= 0) ::_exit(4);
            rest.remove_prefix(static_cast<std::size_t>(sent));
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) result.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return result;
}

/// Runs the path as an unprivileged user and returns the failures it reported, one a line.
std::optional<std::string> FailuresAsUnprivilegedUser(const WritePath& path, ProgramState& state) {
    return AsUnprivilegedUser([&] {
        std::string said;
        path.run(state, [&](const Failure& failure) {
            said += failure.module + ": " + failure.description + "\n";
            return Resolution::Resume;
        }, {});
        return said;
    });
}

TEST_P(EveryWritePath, AReadOnlyFileIsLeftAsItIsAndSaysSo) {
    const WritePath& path = GetParam();
    Place place;
    const std::string before = ReadFileBytes(place.ini);
    // The folder is open to everyone, so only the file's own mode stands in the way.
    ASSERT_EQ(::chmod(place.folder.path().c_str(), 0777), 0);
    ASSERT_EQ(::chmod(place.ini.c_str(), 0444), 0);
    const std::optional<std::string> said = FailuresAsUnprivilegedUser(path, place.state);
    if (!said) GTEST_SKIP() << "cannot run as an unprivileged user here; the injected failing writes of writer_tests cover this";

    EXPECT_EQ(ReadFileBytes(place.ini), before);
    EXPECT_NE(said->find(place.ini + ": permission denied"), std::string::npos) << *said;
    EXPECT_NE(said->find("left unchanged"), std::string::npos) << *said;
    EXPECT_EQ(std::count(said->begin(), said->end(), '\n'), 1) << *said;
    EXPECT_TRUE(place.strays().empty());
    struct stat info {};
    ASSERT_EQ(::stat(place.ini.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
}

TEST_P(EveryWritePath, AReadOnlyFolderIsLeftAsItIsAndSaysSo) {
    const WritePath& path = GetParam();
    Place place;
    const std::string before = ReadFileBytes(place.ini);
    // The file is open to everyone, so only the folder's mode stands in the way.
    ASSERT_EQ(::chmod(place.ini.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(place.folder.path().c_str(), 0555), 0);
    const std::optional<std::string> said = FailuresAsUnprivilegedUser(path, place.state);
    ::chmod(place.folder.path().c_str(), 0755);
    if (!said) GTEST_SKIP() << "cannot run as an unprivileged user here; the injected failing writes of writer_tests cover this";

    EXPECT_EQ(ReadFileBytes(place.ini), before);
    EXPECT_NE(said->find(place.ini), std::string::npos) << *said;
    EXPECT_NE(said->find("cannot create a temporary file in " + place.folder.path() + ": permission denied"),
              std::string::npos) << *said;
    EXPECT_EQ(std::count(said->begin(), said->end(), '\n'), 1) << *said;
    EXPECT_TRUE(place.strays().empty());
}

}  // namespace
}  // namespace tolva
