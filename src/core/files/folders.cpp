#include "core/files/folders.h"

#include <filesystem>

#include "core/files/files.h"
#include "core/state.h"

namespace tolva {
namespace {

constexpr bool kWindows = std::filesystem::path::preferred_separator == '\\';

// A root that loses its separator changes meaning: "/" becomes "", "C:\" the drive's current folder.
bool IsRoot(std::string_view folder) {
    return folder.size() == 1 || (kWindows && folder.size() == 3 && folder[1] == ':');
}

}  // namespace

std::string NormalFolder(std::string_view folder) {
    std::string normal(folder);
    const char separator = NativeSeparator().front();
    if (kWindows)
        for (char& c : normal)
            if (c == '/') c = separator;
    while (!normal.empty() && normal.back() == separator && !IsRoot(normal)) normal.pop_back();
    return normal;
}

std::string FindFileFolder(const std::vector<std::string>& folders, std::string_view name, const FileExists& exists) {
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        std::string normal = NormalFolder(folder);
        if (exists(JoinPath(normal, std::string(name)))) return normal;
    }
    return {};
}

std::string FileInFolder(std::string_view folder, std::string_view name) {
    const std::string path = JoinPath(NormalFolder(folder), std::string(name));
    return LocateFile(path).value_or(path);
}

std::string IniFilePath(const Folders& folders) { return FileInFolder(folders.IniPath, kIniFileName); }

std::string TxtFilePath(const Folders& folders) { return FileInFolder(folders.TxtPath, kTxtFileName); }

}  // namespace tolva
