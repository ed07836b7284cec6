#pragma once
// What the core tests share: a temp folder, whole-file bytes, a failure sink that records, the
// low-level writes of a failing disk, and the exchange sort as the program once wrote it.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/failure.h"
#include "core/files/files.h"
#include "core/state.h"
#include "core/text/cp1252.h"

namespace tolva::testing {

/// A fresh folder under the system's temp folder for one test, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> serial{0};
        path_ = std::filesystem::temp_directory_path() /
                ("tolva-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path() const { return path_.string(); }
    std::string file(std::string_view name) const { return (path_ / name).string(); }
    /// Writes bytes exactly as given to name inside the folder and returns its path.
    std::string write(std::string_view name, std::string_view bytes) const {
        const std::string target = file(name);
        std::ofstream(target, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
        return target;
    }
    /// Every name in the folder, sorted (to see that no temporary file is left behind).
    std::vector<std::string> names(const std::string& sub = {}) const {
        std::vector<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(sub.empty() ? path_ : path_ / sub))
            out.push_back(entry.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    std::filesystem::path path_;
};

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
    /// Every description, one a line, each after its module.
    std::string said() const {
        std::string out;
        for (const Failure& f : failures) out += f.module + ": " + f.description + "\n";
        return out;
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
        const long written = static_cast<long>(::write(fd, data, std::min(size, *left)));
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

/// Puts an entry straight into the table, as a loaded bleem!.INI would leave it (unsorted).
inline int AddGame(GameTable& g, const std::string& id, const std::string& title, const std::string& flags = "80000000H") {
    const int at = ++g.GameLast;
    g.GameID[at] = id;
    g.GameTitle[at] = title;
    g.GameTitleUpper[at] = UpperCase(title);
    g.GameFlags[at] = flags;
    return at;
}

/// A column's loaded slots.
inline std::vector<std::string> Column(const GameTable& g, const std::vector<std::string>& column) {
    return {column.begin(), column.begin() + g.count()};
}

/// The exchange sort written out as the program runs it, on the strings themselves: the
/// reference that SortGames must agree with, in the tests and in the benchmark that times both.
inline void LiteralExchangeSort(GameTable& g) {
    for (int i = 0; i <= g.GameLast; ++i) {
        for (int j = i; j <= g.GameLast; ++j) {
            if (CompareCodePoints(g.GameTitleUpper[j], g.GameTitleUpper[i]) < 0) {
                std::swap(g.GameTitle[i], g.GameTitle[j]);
                std::swap(g.GameTitleUpper[i], g.GameTitleUpper[j]);
                std::swap(g.GameFlags[i], g.GameFlags[j]);
                std::swap(g.GameID[i], g.GameID[j]);
                std::swap(g.GameTitleKey[i], g.GameTitleKey[j]);
                std::swap(g.GameTxtIndex[i], g.GameTxtIndex[j]);
            }
        }
    }
}

}  // namespace tolva::testing
