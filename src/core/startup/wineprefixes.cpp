#include "core/startup/wineprefixes.h"

#include <algorithm>
#include <optional>
#include <set>
#include <system_error>

#include "core/text/cp1252.h"

namespace tolva {
namespace fs = std::filesystem;
namespace {

/// Folders listed below a search root: the root itself, its folders and theirs.
constexpr int kDeepestLevel = 2;
/// How often the clock is read while one large folder is listed.
constexpr std::size_t kEntriesBetweenClockReads = 512;

bool IsFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool IsBleemIni(const fs::path& name) {
    std::string text = name.string();
    std::transform(text.begin(), text.end(), text.begin(), AsciiLower);
    return text == "bleem!.ini";
}

/// The folders directly inside parent, sorted; none when it cannot be read.
std::vector<fs::path> Subfolders(const fs::path& parent) {
    std::vector<fs::path> folders;
    std::error_code ec;
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (it->is_directory(kind)) folders.push_back(it->path());
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

class Search {
public:
    explicit Search(const WineSearchLimits& limits)
        : limits_(limits), deadline_(std::chrono::steady_clock::now() + limits.time) {}

    /// Lists root and the folders below it down to kDeepestLevel; false once a limit is reached.
    bool walk(const fs::path& root) {
        std::vector<fs::path> level{root};
        for (int depth = 0; depth <= kDeepestLevel && !level.empty(); ++depth) {
            std::vector<fs::path> next;
            for (const fs::path& folder : level) {
                if (!listed_.insert(folder).second) continue;  // a Program Files folder, listed already
                if (!list(folder, depth < kDeepestLevel ? &next : nullptr)) return false;
            }
            std::sort(next.begin(), next.end());
            level = std::move(next);
        }
        return true;
    }

    WineSearchResult result;

private:
    bool outOfTime() const { return std::chrono::steady_clock::now() >= deadline_; }

    bool list(const fs::path& folder, std::vector<fs::path>* subfolders) {
        if (result.listed >= limits_.folders || outOfTime()) return false;
        ++result.listed;
        bool found = false;
        std::size_t entries = 0;
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (++entries % kEntriesBetweenClockReads == 0 && outOfTime()) return false;
            std::error_code kind;
            if (subfolders && it->is_directory(kind)) {
                subfolders->push_back(it->path());
            } else if (!found && IsBleemIni(it->path().filename()) && it->is_regular_file(kind)) {
                found = true;
                result.folders.push_back(folder.string());
            }
        }
        return true;
    }

    WineSearchLimits limits_;
    std::chrono::steady_clock::time_point deadline_;
    std::set<fs::path> listed_;
};

}  // namespace

std::vector<fs::path> WinePrefixes(const WineHome& where) {
    std::vector<fs::path> candidates;
    if (!where.winePrefix.empty()) candidates.emplace_back(where.winePrefix);
    if (!where.home.empty()) {
        const fs::path home = where.home;
        const fs::path data = where.dataHome.empty() ? home / ".local" / "share" : fs::path(where.dataHome);
        candidates.push_back(home / ".wine");
        const auto each = [&](const fs::path& parent, const std::optional<fs::path>& inside = {}) {
            for (const fs::path& folder : Subfolders(parent)) candidates.push_back(inside ? folder / *inside : folder);
        };
        each(home / "Games");  // Lutris installs each game into a prefix of its own here
        each(data / "bottles" / "bottles");
        each(home / ".var/app/com.usebottles.bottles/data/bottles/bottles");
        each(home / ".PlayOnLinux" / "wineprefix");
        for (const fs::path& steam : {data / "Steam", home / ".steam" / "steam",
                                      home / ".var/app/com.valvesoftware.Steam/.local/share/Steam"})
            each(steam / "steamapps" / "compatdata", fs::path("pfx"));
    }
    // ~/.steam/steam usually links to ~/.local/share/Steam, and $WINEPREFIX is often ~/.wine.
    std::vector<fs::path> prefixes;
    std::set<fs::path> seen;
    for (const fs::path& candidate : candidates) {
        if (!IsFolder(candidate / "drive_c")) continue;
        std::error_code ec;
        fs::path same = fs::canonical(candidate, ec);
        if (ec) same = candidate;
        if (seen.insert(same).second) prefixes.push_back(candidate);
    }
    return prefixes;
}

WineSearchResult FindBleemInPrefixes(const std::vector<fs::path>& prefixes, const WineSearchLimits& limits) {
    Search search(limits);
    for (const fs::path& prefix : prefixes) {
        const fs::path drive = prefix / "drive_c";
        for (const fs::path& root : {drive / "Program Files", drive / "Program Files (x86)", drive}) {
            if (!search.walk(root)) {
                search.result.stopped = true;
                return std::move(search.result);
            }
        }
    }
    return std::move(search.result);
}

}  // namespace tolva
