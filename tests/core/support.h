#pragma once
// What the core tests, the fuzz targets and the benchmarks share: a temp folder, whole-file
// bytes, a failure sink that records, the low-level writes of a failing disk, the exchange sort
// as the program once wrote it, bleem!.INI texts (and one read from a folder) and
// Compatibility.TXT records, the disc ID table filled once, and the ways an input is cut into
// the parts a test feeds.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/database/gametable.h"
#include "core/failure.h"
#include "core/files/files.h"
#include "core/games/discids.h"
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
    g.makeRoomFor(static_cast<std::size_t>(at));
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
inline std::int64_t LiteralExchangeSort(GameTable& g) {
    std::int64_t exchanges = 0;
    for (int i = 0; i <= g.GameLast; ++i) {
        for (int j = i; j <= g.GameLast; ++j) {
            if (CompareCodePoints(g.GameTitleUpper[j], g.GameTitleUpper[i]) < 0) {
                ++exchanges;
                std::swap(g.GameTitle[i], g.GameTitle[j]);
                std::swap(g.GameTitleUpper[i], g.GameTitleUpper[j]);
                std::swap(g.GameFlags[i], g.GameFlags[j]);
                std::swap(g.GameID[i], g.GameID[j]);
                std::swap(g.GameTitleKey[i], g.GameTitleKey[j]);
                std::swap(g.GameTxtIndex[i], g.GameTxtIndex[j]);
            }
        }
    }
    return exchanges;
}

/// Lines joined with CR LF, as the program writes them.
inline std::string Ini(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

/// count entries "Game k" with disc IDs 1000000000 + k, from k = from.
inline std::string Entries(int count, int from = 0, const char* eol = "\r\n") {
    std::string text;
    for (int k = from; k < from + count; ++k)
        text += std::string("ID=") + std::to_string(1000000000 + k) + eol + "Title=Game " + std::to_string(k) + eol +
                "Flags=" + (k % 3 ? "80000000H" : "40000000H") + eol;
    return text;
}

/// Three entries out of title order, a comment header and an unfinished last line.
const std::string kThree = "; my games\r\nVersion=1.0\r\n\r\nID=2222222222\r\nTitle=beta\r\nFlags=40000000H\r\n\r\n"
    "ID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n\r\nID=3333333333\r\nTitle=Gamma\r\nFlags=00000000H";

/// bleem!.INI holding `bytes` in a folder of its own, and the program's state that read it.
struct IniInFolder {
    explicit IniInFolder(const std::string& bytes = kThree) : path(folder.write("bleem!.INI", bytes)) {
        state.folders.IniPath = folder.path();
        state.folders.TxtUpdate = false;
        ReadINI(state, log.sink());
    }
    TempFolder folder;
    std::string path;
    ProgramState state;
    FailureLog log;
};

const std::string kTxtHeader = "ID|Title|Publisher|Code|Region|Genre|Status|D3D|Details|\r\n";

/// One record of Compatibility.TXT.
inline std::string TxtRecord(const std::string& title, const std::string& code, const std::string& status) {
    return "n|" + title + "|Publisher of " + title + "|" + code + "|U/C|genre|" + status + "||details of " + title + "|\r\n";
}

inline const DiscIDTable& DiscIDs() {
    static const DiscIDTable table = [] {
        DiscIDTable t;
        InitDiscIDs(t);
        return t;
    }();
    return table;
}

/// The row of the first entry with this title, -1 when none.
inline int RowOf(const GameTable& g, const std::string& title) {
    for (int i = 0; i <= g.GameLast; ++i) if (g.GameTitle[i] == title) return i;
    return -1;
}

/// One entry as "ID\nTitle\nFlags", and every loaded entry so, order aside.
using EntrySet = std::multiset<std::string>;
inline std::string EntryKey(std::string_view id, std::string_view title, std::string_view flags) {
    return std::string(id) + '\n' + std::string(title) + '\n' + std::string(flags);
}
inline EntrySet EntriesOf(const GameTable& g) {
    EntrySet entries;
    for (int i = 0; i <= g.GameLast; ++i) entries.insert(EntryKey(g.GameID[i], g.GameTitle[i], g.GameFlags[i]));
    return entries;
}

/// Whether every line break is CR LF and the text, unless empty, ends in one.
inline bool EndsEveryLineInCrLf(std::string_view bytes) {
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (bytes[k] == '\n' && (k == 0 || bytes[k - 1] != '\r')) return false;
        if (bytes[k] == '\r' && (k + 1 == bytes.size() || bytes[k + 1] != '\n')) return false;
    }
    return bytes.empty() || bytes.ends_with("\r\n");
}

/// The first `count` NUL-separated fields; missing ones are empty, the last takes the rest.
inline std::vector<std::string_view> NulFields(std::string_view text, std::size_t count) {
    std::vector<std::string_view> fields;
    for (std::size_t k = 0; k + 1 < count; ++k) {
        const std::size_t nul = std::min(text.find('\0'), text.size());
        fields.push_back(text.substr(0, nul));
        text.remove_prefix(std::min(nul + 1, text.size()));
    }
    fields.push_back(text);
    return fields;
}

/// The pieces a network peer might deliver: the first byte is the separator, and the rest is cut
/// at every occurrence of it (dropped). Empty pieces stay, as a socket may read nothing.
inline std::vector<std::string_view> Pieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    if (text.empty()) return pieces;
    const char separator = text.front();
    text.remove_prefix(1);
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        pieces.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    pieces.push_back(text);
    return pieces;
}

/// The pieces joined again: what the peer sent in all.
inline std::string Joined(const std::vector<std::string_view>& pieces) {
    std::string all;
    for (const std::string_view piece : pieces) all.append(piece);
    return all;
}

}  // namespace tolva::testing
