#include "core/files/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <thread>
#include <vector>

#include "ini_test_files.h"

namespace tolva {
namespace {

using namespace tolva::testing;
namespace fs = std::filesystem;

const std::string kOld = "Version=1.0\r\n\r\nID=1111111111\r\nTitle=Old\r\nFlags=80000000H\r\n";
const std::string kNew = "Version=1.0\r\n\r\nID=2222222222\r\nTitle=New\r\nFlags=40000000H\r\n";

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

TEST(ReplaceFile, ReplacesTheContentAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.write("bleem!.INI", kOld);
    const WriteOutcome outcome = ReplaceFile(path, kNew);
    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(ReadFileBytes(path), kNew);
    EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"bleem!.INI"});
}

TEST(ReplaceFile, CreatesAFileThatIsNotThereYet) {
    TempFolder folder;
    const std::string path = folder.file("bleem!.INI");
    ASSERT_TRUE(ReplaceFile(path, kNew).ok);
    EXPECT_EQ(ReadFileBytes(path), kNew);
}

TEST(ReplaceFile, KeepsTheFilesMode) {
    TempFolder folder;
    const std::string path = folder.write("bleem!.INI", kOld);
    std::vector<mode_t> modes = {0640, 0604};
    // Only the superuser may write a file without write permission; anyone else is refused.
    if (::geteuid() == 0) modes.push_back(0444);
    for (const mode_t mode : modes) {
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(ReplaceFile(path, kNew).ok);
        EXPECT_EQ(ModeOf(path), mode);
    }
}

TEST(ReplaceFile, KeepsTheFilesOwnerWhereItMayChangeIt) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can give a file to another owner";
    TempFolder folder;
    const std::string path = folder.write("bleem!.INI", kOld);
    ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
    ASSERT_TRUE(ReplaceFile(path, kNew).ok);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 4322u);
}

TEST(ReplaceFile, ASymbolicLinkStaysALinkToTheRewrittenFile) {
    TempFolder folder;
    fs::create_directories(folder.file("real"));
    const std::string target = folder.write("real/bleem!.INI", kOld);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const std::string absoluteLink = folder.file("absolute.INI");
    const std::string relativeLink = folder.file("relative.INI");
    const std::string chainedLink = folder.file("chained.INI");
    fs::create_symlink(target, absoluteLink);
    fs::create_symlink("real/bleem!.INI", relativeLink);
    fs::create_symlink("relative.INI", chainedLink);

    for (const std::string& link : {absoluteLink, relativeLink, chainedLink}) {
        const std::string content = kNew + "; through " + link + "\r\n";
        ASSERT_TRUE(ReplaceFile(link, content).ok) << link;
        EXPECT_TRUE(fs::is_symlink(link)) << link;
        EXPECT_EQ(ReadFileBytes(target), content) << link;
        EXPECT_EQ(ModeOf(target), 0640u);
    }
    EXPECT_EQ(fs::read_symlink(relativeLink), fs::path("real/bleem!.INI"));
    EXPECT_EQ(FolderNames(folder.file("real")), std::vector<std::string>{"bleem!.INI"});
}

TEST(ReplaceFile, CompletesShortWrites) {
    TempFolder folder;
    const std::string path = folder.write("bleem!.INI", kOld);
    FileOps trickle;
    int calls = 0;
    trickle.write = [&calls](int fd, const char* data, std::size_t size) -> long {
        ++calls;
        return static_cast<long>(::write(fd, data, std::min<std::size_t>(size, 7)));
    };
    const std::string big(10000, 'x');
    ASSERT_TRUE(ReplaceFile(path, big, trickle).ok);
    EXPECT_EQ(ReadFileBytes(path), big);
    EXPECT_GE(calls, 10000 / 7);
}

// A full disk, a write that makes no progress, a failed flush to disk and a read-only file
// system each leave the original byte for byte and no temporary file behind. The disk is
// simulated through the injected writes so the test runs anywhere.
TEST(ReplaceFile, AFailingWriteLeavesTheOriginalUntouched) {
    struct Case {
        const char* name;
        FileOps ops;
        const char* reason;
    };
    FileOps stuck;
    stuck.write = [](int, const char*, std::size_t) -> long { return 0; };
    FileOps unsynced;
    unsynced.sync = [](int) {
        errno = EIO;
        return -1;
    };
    const std::vector<Case> cases = {
        {"full disk after 100 bytes", DiskWithRoom(100), "no space left on device"},
        {"full disk at once", DiskWithRoom(0), "no space left on device"},
        {"write without progress", stuck, "no space left on device"},
        {"read-only file system", FailingWrites(EROFS), "read-only file system"},
        {"flush to disk fails", unsynced, "input/output error"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string path = folder.write("bleem!.INI", kOld);
        const WriteOutcome outcome = ReplaceFile(path, std::string(5000, 'n'), c.ops);
        EXPECT_FALSE(outcome.ok) << c.name;
        EXPECT_NE(outcome.error.find(path), std::string::npos) << c.name << ": " << outcome.error;
        EXPECT_NE(outcome.error.find(c.reason), std::string::npos) << c.name << ": " << outcome.error;
        EXPECT_EQ(ReadFileBytes(path), kOld) << c.name;
        EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"bleem!.INI"}) << c.name;
    }
}

TEST(ReplaceFile, AnExceptionInTheMiddleLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.write("bleem!.INI", kOld);
    FileOps throwing;
    throwing.write = [](int, const char*, std::size_t) -> long { throw std::runtime_error("out of memory"); };
    EXPECT_THROW(ReplaceFile(path, kNew, throwing), std::runtime_error);
    EXPECT_EQ(ReadFileBytes(path), kOld);
    EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"bleem!.INI"});
}

TEST(ReplaceFile, ARealFullDiskLeavesTheOriginalUntouched) {
    TempFolder folder;
    const std::string disk = folder.file("disk");
    fs::create_directories(disk);
    SmallTmpfs tmpfs(disk, "64k");
    if (!tmpfs.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here; the injected full disk covers this";
    const std::string path = disk + "/bleem!.INI";
    const std::string original(20000, 'o');
    WriteFileBytes(path, original);
    const WriteOutcome outcome = ReplaceFile(path, std::string(60000, 'n'));
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.find("no space left on device"), std::string::npos) << outcome.error;
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_EQ(FolderNames(disk), std::vector<std::string>{"bleem!.INI"});
}

// The superuser writes through permission bits, so a read-only file cannot be made with chmod
// when the tests run as root; a file system remounted read-only refuses everyone.
TEST(ReplaceFile, AReadOnlyPlaceLeavesTheOriginalUntouched) {
    TempFolder folder;
    const std::string place = folder.file("place");
    fs::create_directories(place);
    const std::string path = place + "/bleem!.INI";
    WriteFileBytes(path, kOld);
    std::unique_ptr<SmallTmpfs> tmpfs;
    if (::geteuid() == 0) {
        tmpfs = std::make_unique<SmallTmpfs>(place, "64k");
        if (!tmpfs->mounted()) GTEST_SKIP() << "root ignores permission bits and no tmpfs can be mounted";
        WriteFileBytes(path, kOld);
        ASSERT_TRUE(tmpfs->makeReadOnly());
    } else {
        ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
        ASSERT_EQ(::chmod(place.c_str(), 0555), 0);
    }
    const WriteOutcome outcome = ReplaceFile(path, kNew);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.find(path), std::string::npos) << outcome.error;
    EXPECT_EQ(ReadFileBytes(path), kOld);
    EXPECT_EQ(FolderNames(place), std::vector<std::string>{"bleem!.INI"});
    ::chmod(place.c_str(), 0755);
}

TEST(ReplaceFile, RefusesWhatIsNotARegularFileInAFolder) {
    TempFolder folder;
    fs::create_directories(folder.file("bleem!.INI"));
    const WriteOutcome onFolder = ReplaceFile(folder.file("bleem!.INI"), kNew);
    EXPECT_FALSE(onFolder.ok);
    EXPECT_NE(onFolder.error.find("not a regular file"), std::string::npos) << onFolder.error;
    EXPECT_TRUE(fs::is_directory(folder.file("bleem!.INI")));

    const std::string notAFolder = folder.write("plain", kOld);
    const WriteOutcome inFile = ReplaceFile(notAFolder + "/bleem!.INI", kNew);
    EXPECT_FALSE(inFile.ok);
    EXPECT_NE(inFile.error.find(notAFolder + "/bleem!.INI"), std::string::npos) << inFile.error;
    EXPECT_EQ(ReadFileBytes(notAFolder), kOld);
}

std::string LargeContent(char mark) {
    std::string text;
    for (int k = 0; text.size() < 512 * 1024; ++k)
        text += "ID=" + std::to_string(1000000000 + k) + "\r\nTitle=Game " + mark + std::to_string(k) + "\r\n";
    return text;
}

// A process rewriting a large file over and over is killed at random moments; after each kill
// the file holds exactly one of the two contents, never a mixture, a cut or nothing.
TEST(ReplaceFile, AKilledWriterLeavesTheOldOrTheNewContent) {
    TempFolder folder;
    const std::string path = folder.file("bleem!.INI");
    const std::string first = LargeContent('a');
    const std::string second = LargeContent('b');
    WriteFileBytes(path, first);

    // Spread the kills over a few rewrites, whatever the disk's speed.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(ReplaceFile(path, second).ok);
    ASSERT_TRUE(ReplaceFile(path, first).ok);
    const auto cycle = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    const long spread = std::clamp<long>(static_cast<long>(cycle.count()) * 2, 2000, 40000);

    std::mt19937 random(12345);
    int sawFirst = 0;
    int sawSecond = 0;
    const int trials = 200;
    for (int trial = 0; trial < trials; ++trial) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                ReplaceFile(path, second);
                ReplaceFile(path, first);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % spread));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const std::string now = ReadFileBytes(path);
        ASSERT_TRUE(now == first || now == second) << "trial " << trial << ": " << now.size() << " bytes";
        (now == first ? sawFirst : sawSecond)++;
        for (const std::string& name : FolderNames(folder.path())) {
            if (name != "bleem!.INI") fs::remove(folder.file(name));
        }
    }
    EXPECT_EQ(sawFirst + sawSecond, trials);
    EXPECT_GT(sawSecond, 0) << "no kill came after a completed rewrite; the test did not exercise it";
}

}  // namespace
}  // namespace tolva
