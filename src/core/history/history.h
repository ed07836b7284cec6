#pragma once
// The versions of bleem!.INI that the program replaced, kept so that every change can be taken
// back. Each bleem!.INI path has its own folder under the user's data folder; a version is the
// file's bytes just before a change, with the time and the label of that change, and every file
// of the history is written through ReplaceFile. The newest kKeptVersions stay.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/files.h"

namespace tolva {

inline constexpr std::size_t kKeptVersions = 20;

/// A version of bleem!.INI kept in the history (not the file's own version text, IniVersion).
struct KeptVersion {
    std::string file;       ///< where its bytes are kept
    std::int64_t time = 0;  ///< seconds since the epoch when the change replaced them
    std::string action;     ///< the change that replaced them: "Remove: Neon Alley"
};

/// The folder under root that keeps the versions of the bleem!.INI at iniPath.
std::string HistoryFolder(const std::string& root, const std::string& iniPath);

class IniHistory {
public:
    explicit IniHistory(std::string folder) : folder_(std::move(folder)) {}

    /// Keeps previous as the newest version under action, then removes the oldest beyond
    /// kKeptVersions. On failure nothing of the history changed and the error says why.
    /// ops: the low-level writes, as the change's own (tests kill or fail them).
    WriteOutcome Keep(std::string_view previous, const std::string& action, const FileOps& ops = {}) const;
    /// Notes the bytes the program has just written to the file, to see later edits by others.
    WriteOutcome Wrote(std::string_view bytes, const FileOps& ops = {}) const;
    /// Whether current differs from what the program last wrote (true when that is unknown).
    bool ChangedOutside(std::string_view current) const;
    /// The kept versions, newest first.
    std::vector<KeptVersion> Versions() const;

private:
    std::string folder_;
};

}  // namespace tolva
