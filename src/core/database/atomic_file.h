#pragma once
// Replacing a whole file so that it holds either its old or its new content, whatever happens:
// a crash, a kill, a full disk or a failing write leave the old bytes in place.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tolva {

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
