// The replacement writes the new bytes into a fresh file beside the target and renames it over
// the target only once every byte is written and on disk. rename() within one folder is atomic,
// so a reader (or the next start after a crash) sees either the whole old or the whole new file.
#include "core/files/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <random>
#include <system_error>
#include <utility>

#include "core/text/cp1252.h"

namespace tolva {
namespace {

/// Links followed before giving up, as the kernel's own limit for path lookups.
constexpr int kMaxLinkDepth = 40;

/// Attempts at a free temporary name before giving up (a clash needs another writer anyway).
constexpr int kMaxTempAttempts = 100;

std::string Reason(int error) {
    std::string text = std::system_category().message(error);
    if (!text.empty()) text[0] = AsciiLower(text[0]);
    return text;
}

WriteOutcome Fail(const std::string& what) {
    return {false, what + "; the file was left unchanged"};
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct Resolved {
    bool ok = false;
    std::string target;  ///< the file finally named, which need not exist yet
    int error = 0;
};

/// Follows symbolic links until a path that is not a link (or does not exist).
Resolved FollowLinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT) return {true, current, 0};
            return {false, current, errno};
        }
        if (!S_ISLNK(info.st_mode)) return {true, current, 0};
        std::string link(static_cast<std::size_t>(info.st_size) + 256, '\0');
        const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length < 0) return {false, current, errno};
        link.resize(static_cast<std::size_t>(length));
        if (link.empty()) return {false, current, ENOENT};
        current = link[0] == '/' ? link : FolderOf(current) + "/" + link;
    }
    return {false, current, ELOOP};
}

/// A temporary file in folder created exclusively, so no other file is ever overwritten.
int CreateTemporary(const std::string& folder, const std::string& name, mode_t mode,
                    std::string& tempPath) {
    // Seeded once per thread: a random device opened for every write costs more than the name.
    thread_local std::mt19937_64 random = [] {
        std::random_device seed;
        return std::mt19937_64(static_cast<std::uint64_t>(seed()) << 32 ^ seed() ^ static_cast<std::uint64_t>(::getpid()));
    }();
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int attempt = 0; attempt < kMaxTempAttempts; ++attempt) {
        std::string suffix;
        for (std::uint64_t bits = random(), i = 0; i < 10; ++i, bits /= 36) suffix += kDigits[bits % 36];
        std::string candidate = folder + "/." + name + "." + suffix + ".tmp";
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) tempPath = std::move(candidate);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

/// The temporary file until it has been renamed: closed and removed on every other way out,
/// exceptions included.
struct TemporaryFile {
    int fd = -1;
    std::string path;
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd >= 0) ::close(fd);
        if (!path.empty()) ::unlink(path.c_str());
    }
};

int WriteAll(int fd, std::string_view bytes, const FileOps& ops) {
    while (!bytes.empty()) {
        const long written = ops.write ? ops.write(fd, bytes.data(), bytes.size())
                                       : static_cast<long>(::write(fd, bytes.data(), bytes.size()));
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        // A write that makes no progress is a full device; retrying would spin for ever.
        if (written == 0) return ENOSPC;
        if (static_cast<std::size_t>(written) > bytes.size()) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

}  // namespace

WriteOutcome ReplaceFile(const std::string& path, std::string_view bytes, const FileOps& ops) {
    const Resolved resolved = FollowLinks(path);
    if (!resolved.ok) return Fail("cannot write " + path + ": " + Reason(resolved.error));
    const std::string& target = resolved.target;

    struct stat original {};
    const bool exists = ::stat(target.c_str(), &original) == 0;
    if (exists && !S_ISREG(original.st_mode))
        return Fail("cannot write " + path + ": it is not a regular file");
    // Renaming over a file needs no write access to it, only to its folder: without this check
    // a file the user made read-only would quietly be replaced.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        const int error = errno;
        return Fail("cannot write " + path + ": " + Reason(error));
    }

    const std::string folder = FolderOf(target);
    TemporaryFile temp;
    // A new file gets the usual 0666 less the umask; an existing one's mode is copied below.
    temp.fd = CreateTemporary(folder, NameOf(target), exists ? 0600 : 0666, temp.path);
    if (temp.fd < 0) {
        const int error = errno;
        return Fail("cannot write " + path + ": cannot create a temporary file in " + folder + ": " +
                    Reason(error));
    }
    auto failed = [](const std::string& what, int error) { return Fail(what + ": " + Reason(error)); };

    if (const int error = WriteAll(temp.fd, bytes, ops)) return failed("cannot write " + path, error);
    if (exists) {
        // Owner first: changing it may clear set-id bits that the mode then restores. Only the
        // superuser may give a file away, so a refused owner change is not a failure.
        if (::fchown(temp.fd, original.st_uid, original.st_gid) != 0 && errno != EPERM && errno != EINVAL) {
            const int error = errno;
            return failed("cannot keep the owner of " + path, error);
        }
        if (::fchmod(temp.fd, original.st_mode & 07777) != 0) {
            const int error = errno;
            return failed("cannot keep the permissions of " + path, error);
        }
    }
    if ((ops.sync ? ops.sync(temp.fd) : ::fsync(temp.fd)) != 0) {
        const int error = errno;
        return failed("cannot write " + path + " to disk", error);
    }
    if (const int fd = std::exchange(temp.fd, -1); ::close(fd) != 0) {
        const int error = errno;
        return failed("cannot write " + path, error);
    }
    if (::rename(temp.path.c_str(), target.c_str()) != 0) {
        const int error = errno;
        return failed("cannot replace " + path, error);
    }
    temp.path.clear();

    // Make the rename itself durable. The new content is in place whatever this answers, so a
    // folder that cannot be synced (some file systems refuse) is not reported as a failed write.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return {true, {}};
}

}  // namespace tolva
