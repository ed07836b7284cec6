#pragma once
// Small file helpers on UTF-8 paths in the platform's native form.
#include <cstddef>
#include <optional>
#include <string>

namespace tolva {

/// The platform's path separator as text.
const std::string& NativeSeparator();

/// folder + separator + name; a doubled separator is harmless, as on every file system here.
std::string JoinPath(const std::string& folder, const std::string& name);

/// Whether the text ends in the native separator.
bool EndsWithSeparator(const std::string& path);

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

}  // namespace tolva
