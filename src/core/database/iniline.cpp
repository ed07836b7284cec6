#include "core/database/iniline.h"

#include "core/text/cp1252.h"

namespace tolva {
namespace {

bool StartsWithKey(std::string_view text, std::string_view key) {
    if (text.size() < key.size()) return false;
    for (std::size_t k = 0; k < key.size(); ++k) {
        if (UpperCase1252(static_cast<unsigned char>(text[k])) != static_cast<unsigned char>(key[k])) return false;
    }
    return true;
}

}  // namespace

IniKey ClassifyIniLine(std::string_view line) {
    const auto start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) return IniKey::None;
    line.remove_prefix(start);
    if (StartsWithKey(line, "VERSION")) return IniKey::Version;
    if (StartsWithKey(line, "ID")) return IniKey::ID;
    if (StartsWithKey(line, "TITLE")) return IniKey::Title;
    if (StartsWithKey(line, "FLAGS")) return IniKey::Flags;
    return IniKey::None;
}

std::string_view IniLineValue(std::string_view line) {
    const auto equals = line.find('=');
    return TrimSpaces(equals == std::string_view::npos ? line : line.substr(equals + 1));
}

int ActiveEntries(std::string_view file) {
    int count = 0;
    for (const std::string_view line : SplitLineViews(file)) count += ClassifyIniLine(line) == IniKey::ID;
    return count;
}

}  // namespace tolva
