#include "core/history/history.h"

#include <charconv>
#include <chrono>
#include <filesystem>
#include <set>
#include <system_error>

#include "core/text/cp1252.h"

namespace tolva {
namespace fs = std::filesystem;

namespace {

constexpr const char* kIndexName = "versions";
constexpr const char* kWrittenName = "written";

fs::path ToPath(const std::string& utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

/// A fingerprint of bytes: their length and FNV-1a hash, enough to tell an edit from none.
std::string Fingerprint(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char hex[17] = {};
    std::to_chars(hex, hex + 16, hash, 16);
    return std::to_string(bytes.size()) + ":" + hex;
}

/// An index line holds "number<TAB>time<TAB>action"; the action's own tabs and breaks become spaces.
std::string IndexLine(long number, std::int64_t time, std::string action) {
    for (char& c : action)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return std::to_string(number) + '\t' + std::to_string(time) + '\t' + action + '\n';
}

struct IndexEntry {
    long number = 0;
    KeptVersion version;
};

/// The index, oldest first; lines that do not parse are dropped.
std::vector<IndexEntry> ReadIndex(const std::string& folder) {
    std::vector<IndexEntry> out;
    const FileBytes index = ReadWholeFile(JoinPath(folder, kIndexName));
    if (!index.ok) return out;
    std::string_view rest = index.bytes;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos) continue;
        IndexEntry entry;
        const auto [n, nError] = std::from_chars(line.data(), line.data() + tab1, entry.number);
        const auto [t, tError] = std::from_chars(line.data() + tab1 + 1, line.data() + tab2, entry.version.time);
        if (nError != std::errc() || n != line.data() + tab1 || tError != std::errc() || t != line.data() + tab2)
            continue;
        entry.version.action = std::string(line.substr(tab2 + 1));
        entry.version.file = JoinPath(folder, std::to_string(entry.number) + ".ini");
        out.push_back(std::move(entry));
    }
    return out;
}

WriteOutcome NotKept(const std::string& why) {
    return {false, "cannot keep the previous version, so the change could not be taken back: " + why};
}

}  // namespace

std::string HistoryFolder(const std::string& root, const std::string& iniPath) {
    std::string name = Fingerprint(iniPath);
    name[name.find(':')] = '-';
    return JoinPath(root, name);
}

WriteOutcome IniHistory::Keep(std::string_view previous, const std::string& action, const FileOps& ops) const {
    std::error_code error;
    fs::create_directories(ToPath(folder_), error);
    if (error) return NotKept("cannot create the folder " + folder_ + ": " + error.message());

    std::vector<IndexEntry> index = ReadIndex(folder_);
    const long number = index.empty() ? 1 : index.back().number + 1;
    const std::string file = JoinPath(folder_, std::to_string(number) + ".ini");
    if (const WriteOutcome kept = ReplaceFile(file, previous, ops); !kept.ok) return NotKept(kept.error);

    const auto now = std::chrono::system_clock::now().time_since_epoch();
    index.push_back({number, {file, std::chrono::duration_cast<std::chrono::seconds>(now).count(), action}});
    const std::size_t dropped = index.size() > kKeptVersions ? index.size() - kKeptVersions : 0;
    std::string text;
    for (std::size_t k = dropped; k < index.size(); ++k)
        text += IndexLine(index[k].number, index[k].version.time, index[k].version.action);
    if (const WriteOutcome listed = ReplaceFile(JoinPath(folder_, kIndexName), text, ops); !listed.ok) {
        fs::remove(ToPath(file), error);
        return NotKept(listed.error);
    }
    // The dropped versions go, and with them what a killed change left: an unlisted version, a
    // temporary file. The folder is the history's own.
    std::set<std::string> keep = {kIndexName, kWrittenName};
    for (std::size_t k = dropped; k < index.size(); ++k) keep.insert(std::to_string(index[k].number) + ".ini");
    std::vector<fs::path> stale;
    for (const auto& item : fs::directory_iterator(ToPath(folder_), error))
        if (!keep.count(item.path().filename().string())) stale.push_back(item.path());
    for (const fs::path& path : stale) fs::remove(path, error);
    return {true, {}};
}

WriteOutcome IniHistory::Wrote(std::string_view bytes, const FileOps& ops) const {
    return ReplaceFile(JoinPath(folder_, kWrittenName), Fingerprint(bytes), ops);
}

bool IniHistory::ChangedOutside(std::string_view current) const {
    const FileBytes written = ReadWholeFile(JoinPath(folder_, kWrittenName));
    return !written.ok || written.bytes != Fingerprint(current);
}

std::vector<KeptVersion> IniHistory::Versions() const {
    std::vector<KeptVersion> out;
    const std::vector<IndexEntry> index = ReadIndex(folder_);
    for (auto entry = index.rbegin(); entry != index.rend(); ++entry) out.push_back(entry->version);
    return out;
}

}  // namespace tolva
