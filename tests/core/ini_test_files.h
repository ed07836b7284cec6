#pragma once
// Helpers for the tests of the writers of bleem!.INI: whole-file reads and writes, a failure
// sink that records what it is told, and the low-level writes of a failing disk.
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/files/files.h"
#include "core/failure.h"
#include "temp_folder.h"

namespace tolva::testing {

/// Names in a folder, to see that no temporary file is left behind.
inline std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        out.push_back(entry.path().filename().string());
    return out;
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// Records every failure and answers with a fixed resolution.
struct FailureLog {
    std::vector<Failure> failures;
    Resolution answer = Resolution::Resume;

    FailureSink sink() {
        return [this](const Failure& failure) {
            failures.push_back(failure);
            return answer;
        };
    }
};

/// Writes that store at most room bytes in all, then report a full disk, as a real one does.
inline FileOps DiskWithRoom(std::size_t room) {
    auto left = std::make_shared<std::size_t>(room);
    FileOps ops;
    ops.write = [left](int fd, const char* data, std::size_t size) -> long {
        if (*left == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t take = std::min(size, *left);
        const long written = static_cast<long>(::write(fd, data, take));
        if (written > 0) *left -= static_cast<std::size_t>(written);
        return written;
    };
    return ops;
}

/// Writes that fail at once with error, as on a read-only or vanished file system.
inline FileOps FailingWrites(int error) {
    FileOps ops;
    ops.write = [error](int, const char*, std::size_t) -> long {
        errno = error;
        return -1;
    };
    return ops;
}

/// A tmpfs of the given size mounted on a folder for a test, when this process may mount one.
class SmallTmpfs {
public:
    SmallTmpfs(const std::string& folder, const std::string& size) : folder_(folder) {
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
    }
    ~SmallTmpfs() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool mounted() const { return mounted_; }
    bool makeReadOnly() {
        return ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    std::string folder_;
    bool mounted_ = false;
};

}  // namespace tolva::testing
