// Reading, finding and atomically replacing files on their own; crash_tests.cpp puts every
// writer of bleem!.INI through kills, full disks and read-only places.
#include "core/files/files.h"
#include "core/files/folders.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <set>
#include <stdexcept>

#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::string kOld = "ID=1111111111\r\nTitle=Old\r\n";
const std::string kNew = "ID=2222222222\r\nTitle=New\r\n";

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

/// What ReplaceFile says in a child process that first became as `become` makes it, or nothing
/// when the child cannot be made so here.
std::optional<std::string> ReplaceInChild(const std::string& path, bool (*become)()) {
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        if (!become()) ::_exit(3);
        const std::string error = ReplaceFile(path, kNew).error;
        ::_exit(::write(channel[1], error.data(), error.size()) == ssize_t(error.size()) ? 0 : 4);
    }
    ::close(channel[1]);
    std::string said(4096, '\0');
    said.resize(std::size_t(std::max<ssize_t>(0, ::read(channel[0], said.data(), said.size()))));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return said;
}

/// A user whom permission bits bind (the tests may run as root, who writes through them).
bool Unprivileged() { return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0); }

/// Root of a user namespace that maps only itself, as in a sandbox: files of other owners read as
/// owned by the overflow user, whom no owner change can name.
bool InSandbox() {
    const auto put = [](const char* file, std::string_view text) {
        const int fd = ::open(file, O_WRONLY);
        const bool ok = fd >= 0 && ::write(fd, text.data(), text.size()) == ssize_t(text.size());
        if (fd >= 0) ::close(fd);
        return ok;
    };
    const std::string self = "0 " + std::to_string(::geteuid()) + " 1";
    const std::string group = "0 " + std::to_string(::getegid()) + " 1";
    return ::unshare(CLONE_NEWUSER) == 0 && put("/proc/self/setgroups", "deny") && put("/proc/self/uid_map", self) &&
           put("/proc/self/gid_map", group);
}

TEST(ReplaceFile, ReplacesOrCreatesKeepingModeAndOwnerAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.file("bleem!.INI");
    ASSERT_TRUE(ReplaceFile(path, kOld).ok);
    EXPECT_EQ(ReadFileBytes(path), kOld);
    const mode_t umask = ::umask(0);
    ::umask(umask);
    EXPECT_EQ(ModeOf(path), 0666u & ~umask);
    std::vector<mode_t> modes = {0640, 0604};
    if (::geteuid() == 0) modes.push_back(0444);  // only the superuser writes a read-only file
    for (const mode_t mode : modes) {
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(ReplaceFile(path, kNew + char('0' + mode % 8)).ok);
        EXPECT_EQ(ReadFileBytes(path), kNew + char('0' + mode % 8));
        EXPECT_EQ(ModeOf(path), mode);
    }
    EXPECT_EQ(folder.names(), Names{"bleem!.INI"});
    // Started with standard input closed, a program's first new descriptor is 0: the write still
    // works, whatever errno held, and gives 0 back. Temporaries left by killed writes never block.
    for (const char c : std::string_view("0123456789abcdefghijklmnopqrstuvwxyz")) folder.write(std::string(".bleem!.INI.") + c + ".tmp", "");
    const int input = ::dup(0);
    ::close(0);
    errno = EEXIST;
    const WriteOutcome closedInput = ReplaceFile(path, kOld);
    const int next = ::open("/dev/null", O_RDONLY);
    ::dup2(input, 0);
    ::close(input);
    EXPECT_TRUE(closedInput.ok && next == 0 && folder.names().size() == 37) << closedInput.error;
    if (::geteuid() != 0) return;  // only the superuser can give a file to another owner
    ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
    ASSERT_TRUE(ReplaceFile(path, kOld).ok);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 4322u);
    // In a sandbox another user's file, writable by all, is replaced though its owner cannot be
    // named there (the owner change is refused as invalid).
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    const std::optional<std::string> sandboxed = ReplaceInChild(path, InSandbox);
    if (!sandboxed) GTEST_SKIP() << "no user namespace can be made here";
    EXPECT_EQ(*sandboxed, "");
    EXPECT_EQ(ReadFileBytes(path), kNew);
}

TEST(ReplaceFile, ASymbolicLinkStaysALinkToTheRewrittenFile) {
    TempFolder folder;
    fs::create_directories(folder.file("real"));
    const std::string target = folder.write("real/bleem!.INI", kOld);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink(target, folder.file("absolute"));
    fs::create_symlink("real/bleem!.INI", folder.file("relative"));
    fs::create_symlink("relative", folder.file("chained"));
    for (const char* link : {"absolute", "relative", "chained"}) {
        ASSERT_TRUE(ReplaceFile(folder.file(link), kNew + link).ok) << link;
        EXPECT_TRUE(fs::is_symlink(folder.file(link))) << link;
        EXPECT_EQ(ReadFileBytes(target), kNew + link);
        EXPECT_EQ(ModeOf(target), 0640u);
    }
    EXPECT_EQ(folder.names("real"), Names{"bleem!.INI"});
    // A link to nothing yet creates its target; a loop of links is refused.
    fs::create_symlink("real/new.INI", folder.file("dangling"));
    ASSERT_TRUE(ReplaceFile(folder.file("dangling"), kNew).ok);
    EXPECT_EQ(ReadFileBytes(folder.file("real/new.INI")), kNew);
    fs::create_symlink("loop2", folder.file("loop1"));
    fs::create_symlink("loop1", folder.file("loop2"));
    const WriteOutcome loop = ReplaceFile(folder.file("loop1"), kNew);
    EXPECT_FALSE(loop.ok);
    EXPECT_NE(loop.error.find("too many levels of symbolic links"), std::string::npos) << loop.error;
}

TEST(ReplaceFile, CompletesShortWritesAndRetriesInterruptedOnes) {
    TempFolder folder;
    const std::string path = folder.write("bleem!.INI", kOld);
    FileOps trickle;
    int calls = 0;
    trickle.write = [&calls](int fd, const char* data, std::size_t size) -> long {
        if (++calls % 5 == 0) {
            errno = EINTR;
            return -1;
        }
        return static_cast<long>(::write(fd, data, std::min<std::size_t>(size, 7)));
    };
    const std::string big(10000, 'x');
    ASSERT_TRUE(ReplaceFile(path, big, trickle).ok);
    EXPECT_EQ(ReadFileBytes(path), big);
    EXPECT_GE(calls, 10000 / 7);
}

// Each failure leaves the original byte for byte, no temporary file, and says what and why.
TEST(ReplaceFile, AFailingWriteLeavesTheOriginalUntouched) {
    FileOps stuck, unsynced, overlong;
    stuck.write = [](int, const char*, std::size_t) -> long { return 0; };
    unsynced.sync = [](int) {
        errno = EIO;
        return -1;
    };
    overlong.write = [](int, const char*, std::size_t size) -> long { return long(size) + 1; };
    const struct {
        const char* name;
        FileOps ops;
        const char* reason;
    } cases[] = {
        {"full disk after 100 bytes", DiskWithRoom(100), ": no space left on device; the file was left unchanged"},
        {"full disk at once", DiskWithRoom(0), "no space left on device"},
        {"write without progress", stuck, "no space left on device"},
        {"write claiming too much", overlong, "input/output error"},
        {"read-only file system", FailingWrites(EROFS), "read-only file system"},
        {"flush to disk fails", unsynced, "to disk: input/output error"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder.write("bleem!.INI", kOld);
        const WriteOutcome outcome = ReplaceFile(path, std::string(5000, 'n'), c.ops);
        EXPECT_FALSE(outcome.ok) << c.name;
        EXPECT_NE(outcome.error.find("cannot write " + path), std::string::npos) << c.name << ": " << outcome.error;
        EXPECT_NE(outcome.error.find(c.reason), std::string::npos) << c.name << ": " << outcome.error;
        EXPECT_EQ(ReadFileBytes(path), kOld) << c.name;
        EXPECT_EQ(folder.names(), Names{"bleem!.INI"}) << c.name;
    }
    TempFolder folder;
    const std::string path = folder.write("bleem!.INI", kOld);
    FileOps throwing;
    throwing.write = [](int, const char*, std::size_t) -> long { throw std::runtime_error("out of memory"); };
    EXPECT_THROW(ReplaceFile(path, kNew, throwing), std::runtime_error);
    EXPECT_EQ(ReadFileBytes(path), kOld);
    EXPECT_EQ(folder.names(), Names{"bleem!.INI"});
}

// Renaming over a file needs no write access to it: a file the user made read-only must not be
// replaced quietly.
TEST(ReplaceFile, AReadOnlyFileOrFolderIsLeftAsItIsAndSaysSo) {
    for (const bool folderReadOnly : {false, true}) {
        TempFolder folder;
        const std::string path = folder.write("bleem!.INI", kOld);
        ASSERT_EQ(::chmod(path.c_str(), folderReadOnly ? 0666 : 0444), 0);
        ASSERT_EQ(::chmod(folder.path().c_str(), folderReadOnly ? 0555 : 0777), 0);
        const std::optional<std::string> said = ReplaceInChild(path, Unprivileged);
        ::chmod(folder.path().c_str(), 0755);
        if (!said) GTEST_SKIP() << "cannot run as an unprivileged user here";
        EXPECT_EQ(*said, "cannot write " + path + ": " + (folderReadOnly ? "cannot create a temporary file in " + folder.path() + ": " : "") +
                             "permission denied; the file was left unchanged");
        EXPECT_EQ(ReadFileBytes(path), kOld);
        EXPECT_EQ(folder.names(), Names{"bleem!.INI"});
        EXPECT_EQ(ModeOf(path), folderReadOnly ? 0666u : 0444u);
    }
}

TEST(ReplaceFile, RefusesWhatIsNotARegularFileInAFolder) {
    TempFolder folder;
    fs::create_directories(folder.file("bleem!.INI"));
    const WriteOutcome onFolder = ReplaceFile(folder.file("bleem!.INI"), kNew);
    EXPECT_NE(onFolder.error.find("it is not a regular file"), std::string::npos) << onFolder.error;
    EXPECT_TRUE(fs::is_directory(folder.file("bleem!.INI")));
    const std::string plain = folder.write("plain", kOld);
    const WriteOutcome inFile = ReplaceFile(plain + "/bleem!.INI", kNew);
    EXPECT_FALSE(inFile.ok);
    EXPECT_NE(inFile.error.find(plain + "/bleem!.INI: not a directory"), std::string::npos) << inFile.error;
    EXPECT_EQ(ReadFileBytes(plain), kOld);
}

TEST(ReadWholeFile, EveryByteOrWhyNot) {
    TempFolder dir;
    const std::string bytes("a\0b\r\nc\xFF", 7);
    const FileBytes file = ReadWholeFile(dir.write("f.bin", bytes));
    EXPECT_TRUE(file.ok);
    EXPECT_EQ(file.bytes, bytes);
    EXPECT_EQ(file.error, "");
    const std::string missing = dir.file("bleem!.INI");
    const struct {
        std::string path;
        std::size_t limit;
        std::string error;
    } cases[] = {
        {missing, kMaxFileBytes, "cannot open " + missing + ": No such file or directory"},
        {dir.path(), kMaxFileBytes, "cannot open " + dir.path() + ": Is a directory"},
        {dir.file("f.bin"), 6, "cannot read " + dir.file("f.bin") + ": the file is larger than 6 bytes"},
        {dir.write("m", std::string((1 << 20) + 2, 'm')), 1 << 20,
         "cannot read " + dir.file("m") + ": the file is larger than 1 MB"},
        {dir.file("m"), (1 << 20) + 1, "cannot read " + dir.file("m") + ": the file is larger than 1048577 bytes"},
    };
    for (const auto& c : cases) {
        const FileBytes refused = ReadWholeFile(c.path, c.limit);
        EXPECT_FALSE(refused.ok);
        EXPECT_EQ(refused.error, c.error);
        EXPECT_TRUE(refused.bytes.empty());
    }
    EXPECT_TRUE(ReadWholeFile(dir.file("f.bin"), 7).ok);  // exactly at the limit
    EXPECT_TRUE(ReadWholeFile("/dev/null").ok);  // a device has no size to reserve
    EXPECT_EQ(ReadWholeFile(dir.file("m"), (1 << 20) + 2).bytes.size(), (1u << 20) + 2);
}

TEST(LocateFile, TheExactNameFirstThenAnyLetterCaseOfTheCodePage) {
    TempFolder dir;
    const std::string wanted = JoinPath(dir.path(), "bleem!.INI");
    EXPECT_EQ(LocateFile(wanted), std::nullopt);
    dir.write("BLEEM!.ini", "other case");
    dir.write("Bleem!.ini", "other case, chosen by name");
    EXPECT_EQ(LocateFile(wanted), JoinPath(dir.path(), "BLEEM!.ini"));
    dir.write("bleem!.INI", "exact");
    EXPECT_EQ(LocateFile(wanted), wanted);
    dir.write("\xC3\x89TOILE.INI", "x");  // "ÉTOILE.INI" in UTF-8
    EXPECT_EQ(LocateFile(JoinPath(dir.path(), "\xC3\xA9toile.ini")), JoinPath(dir.path(), "\xC3\x89TOILE.INI"));
    EXPECT_EQ(LocateFile(JoinPath(dir.path(), "etoile.ini")), std::nullopt);
    // Bytes that are not UTF-8 stand for themselves: 0x80 alone is not U+0080.
    dir.write("\xC2\x80\xF0\x9F\x98\x80.INI", "x");
    EXPECT_EQ(LocateFile(JoinPath(dir.path(), "\x80\xF0\x9F\x98\x80.ini")), std::nullopt);
    EXPECT_NE(LocateFile(JoinPath(dir.path(), "\xC2\x80\xF0\x9F\x98\x80.ini")), std::nullopt);
    EXPECT_EQ(LocateFile(JoinPath(dir.path(), "\xC2\x80\xF0\x9F\x98.ini")), std::nullopt);
    dir.write("\xC3\x89X.INI", "x");  // a lead byte before a byte that cannot continue it is no "é"
    EXPECT_EQ(LocateFile(JoinPath(dir.path(), "\xC3)x.ini")), std::nullopt);
    dir.write("\x80\x81\x81.INI", "x");  // nor do continuation bytes alone make a letter ("A" as three)
    EXPECT_EQ(LocateFile(JoinPath(dir.path(), "a.ini")), std::nullopt);
    std::filesystem::create_directory(dir.file("Compatibility.TXT"));  // folders do not count
    EXPECT_EQ(LocateFile(JoinPath(dir.path(), "compatibility.txt")), std::nullopt);
    EXPECT_EQ(LocateFile(JoinPath(dir.file("no such folder"), "bleem!.INI")), std::nullopt);
    EXPECT_EQ(LocateFile(""), std::nullopt);
}


// Every finder of the two files keeps the folder in one form, so a folder typed with or without a
// trailing separator names the same file, and the same kept history.
TEST(FindFileFolder, TheFirstFolderHoldingTheFileInOneForm) {
    if (NativeSeparator() != "/") GTEST_SKIP() << "the cases are written with \"/\" folders";
    const std::set<std::string> files = {"/a/bleem!.INI", "/b/bleem!.INI", "/bleem!.INI", "a:/bleem!.INI"};
    const FileExists exists = [&files](const std::string& path) { return files.count(path) > 0; };
    const struct {
        std::vector<std::string> folders;
        std::string found;
    } cases[] = {
        {{"/a"}, "/a"}, {{"/a//"}, "/a"}, {{"", "/c", "/b/", "/a"}, "/b"},  // "" is not the root
        {{"///"}, "/"}, {{"", "/c"}, ""},  {{}, ""},
        {{"a://"}, "a:"},  // a drive's root only where there are drives
    };
    for (const auto& c : cases) EXPECT_EQ(FindFileFolder(c.folders, kIniFileName, exists), c.found) << c.folders.size();
    Folders folders;
    folders.IniPath = folders.TxtPath = "/x//";
    EXPECT_EQ(IniFilePath(folders), "/x/bleem!.INI");
    EXPECT_EQ(TxtFilePath(folders), "/x/Compatibility.TXT");
}

}  // namespace
}  // namespace tolva
