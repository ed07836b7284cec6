#pragma once
// Where the two database files are. The folder variables (IniPath, TxtPath) hold a folder in one
// form, the one NormalFolder gives, whoever found it: start-up, the command line, the folder
// windows or `tolva --identify`. A folder is "found" when it holds the file as LocateFile finds it.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tolva {

struct Folders;

/// The game database file inside IniPath.
inline constexpr const char* kIniFileName = "bleem!.INI";
/// The compatibility records inside TxtPath.
inline constexpr const char* kTxtFileName = "Compatibility.TXT";

/// A folder as the folder variables keep it: without trailing separators (a root stays whole).
/// On Windows a "/" becomes the native "\". "" stays "".
std::string NormalFolder(std::string_view folder);

/// Whether a file is at a path (the exact name, or the same name in another letter case).
using FileExists = std::function<bool(const std::string& path)>;

/// The first of folders that holds the file called name, as NormalFolder gives it; "" when none
/// does. An empty folder is no folder (it is never taken for the root).
std::string FindFileFolder(const std::vector<std::string>& folders, std::string_view name, const FileExists& exists);

/// The file called name in folder: the exact name, or its spelling on disk in another letter case.
std::string FileInFolder(std::string_view folder, std::string_view name);

/// bleem!.INI in IniPath, and Compatibility.TXT in TxtPath, as FileInFolder finds them.
std::string IniFilePath(const Folders& folders);
std::string TxtFilePath(const Folders& folders);

}  // namespace tolva
