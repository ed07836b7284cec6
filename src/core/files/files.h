#pragma once
// Reading and replacing whole files on UTF-8 paths in the platform's native form. A replacement
// holds either the old or the new content, whatever happens: a crash, a kill, a full disk or a
// failing write leave the old bytes in place.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tolva {

/// The platform's path separator as text.
const std::string& NativeSeparator();

/// folder + separator + name; a folder that ends in the separator gets no second one.
std::string JoinPath(const std::string& folder, const std::string& name);

/// The file at path if it exists: the exact name first, then the same name in any letter case
/// within that folder. Folders do not count.
std::optional<std::string> LocateFile(const std::string& path);

struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string error;  ///< worded for a person, naming the file and the cause
};

/// Largest file the program reads: far above any real database, small enough to be safe.
inline constexpr std::size_t kMaxFileBytes = 64u * 1024u * 1024u;

/// Reads a whole file. A file larger than limit is refused (ok false, error says so).
FileBytes ReadWholeFile(const std::string& path, std::size_t limit = kMaxFileBytes);

// Replacing a file.


/// The outcome of a write: ok, or why not, worded for a person and naming the file.
struct WriteOutcome {
    bool ok = false;
    std::string error;
};

/// The system calls of the replacement that tests replace to simulate a failing disk.
/// An empty member means the real call.
struct FileOps {
    /// Like write(2): the number of bytes written (possibly fewer than size), or -1 with errno.
    std::function<long(int fd, const char* data, std::size_t size)> write;
    /// Like fsync(2): 0, or -1 with errno.
    std::function<int(int fd)> sync;
};

/// Replaces the file at path by bytes through a temporary file in the same folder: every write
/// checked, synced, mode (and owner where allowed) kept, renamed over the target. A symbolic link
/// is followed and its target replaced, so the link stays a link. On failure the temporary file
/// is removed and the file is left as it was.
WriteOutcome ReplaceFile(const std::string& path, std::string_view bytes, const FileOps& ops = {});

}  // namespace tolva
