#pragma once
// How one line of bleem!.INI is read: its key by a case-insensitive prefix after leading spaces,
// and its value after the first "=".
#include <string_view>

namespace tolva {

enum class IniKey { None, Version, ID, Title, Flags };

/// The key a line starts with after leading spaces ("IDENT" counts as ID, ";ID=" as nothing).
IniKey ClassifyIniLine(std::string_view line);

/// Everything after the first "=" without surrounding spaces; the whole trimmed line without one.
std::string_view IniLineValue(std::string_view line);

/// The active entries (ID lines) of a bleem!.INI's bytes, as the history window lists them.
int ActiveEntries(std::string_view file);

}  // namespace tolva
