#include "core/wizard/systemcnf.h"

#include <filesystem>
#include <system_error>

#include "core/games/discids.h"
#include "core/text/cp1252.h"
#include "core/files/files.h"

namespace tolva {
namespace {

DiscIdentity Failed(DiscRead result, std::string description) {
    DiscIdentity identity;
    identity.result = result;
    identity.description = std::move(description);
    return identity;
}

// Characters first..first+count-1 (1-based) of text, as far as text reaches.
std::string_view Mid(std::string_view text, std::size_t first, std::size_t count = std::string_view::npos) {
    if (first > text.size()) return {};
    return text.substr(first - 1, count);
}

// The platform's words for a missing boot file: no such file, no medium, no access. Something
// there that is no regular file (a folder, a pipe) is never opened: a pipe would block.
std::string WhyNoFile(const std::string& path) {
    std::error_code ec;
    const std::filesystem::file_status status =
        std::filesystem::status(std::filesystem::path(std::u8string(path.begin(), path.end())), ec);
    if (ec) return ec.message();
    if (!std::filesystem::exists(status)) return std::make_error_code(std::errc::no_such_file_or_directory).message();
    return "not a regular file";
}

}  // namespace

std::optional<std::string_view> FindBootLine(std::string_view text) {
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) {
        const std::string_view trimmed = TrimSpaces(line);
        if (trimmed.size() >= 4 && UpperCase(trimmed.substr(0, 4)) == "BOOT") return line;
    }
    return std::nullopt;
}

std::optional<std::string> ProductCodeFromBootLine(std::string_view line) {
    const std::size_t semicolon = line.rfind(';');
    if (semicolon == std::string_view::npos) return std::nullopt;
    const std::size_t backslash = line.rfind('\\');
    const std::size_t start = backslash == std::string_view::npos ? 0 : backslash + 1;
    if (semicolon < start) return std::nullopt;
    const std::string name = UpperCase(TrimSpaces(line.substr(start, semicolon - start)));
    std::string code(Mid(name, 1, 4));
    code += '-';
    code += Mid(name, 6, 3);
    code += Mid(name, 10);
    return code;
}

DiscIdentity IdentifyDisc(std::string_view text, const std::string& path, const DiscIDTable& table) {
    if (text.empty()) return Failed(DiscRead::Empty, "cannot read " + path + ": the file is empty");
    const std::optional<std::string_view> bootLine = FindBootLine(text);
    if (!bootLine) return Failed(DiscRead::NoBootLine, "cannot read " + path + ": the file holds no BOOT line");
    std::optional<std::string> code = ProductCodeFromBootLine(*bootLine);
    if (!code) {
        return Failed(DiscRead::CannotCut, "cannot read " + path +
                                               ": its BOOT line names no file (no \";\" after the last \"\\\")");
    }
    DiscIdentity identity;
    identity.productCode = std::move(*code);
    identity.discID = DiscIDForProductCode(table, identity.productCode);
    identity.result = identity.discID.empty() ? DiscRead::NotInTable : DiscRead::Found;
    return identity;
}

DiscIdentity ReadDiscIdentity(const std::string& root, const DiscIDTable& table) {
    const std::string wanted = JoinPath(root, kSystemCnfName);
    const std::optional<std::string> path = LocateFile(wanted);
    if (!path) return Failed(DiscRead::NoFile, "cannot open " + wanted + ": " + WhyNoFile(wanted));
    const FileBytes file = ReadWholeFile(*path, kSystemCnfLimit);
    if (!file.ok) return Failed(DiscRead::Unreadable, file.error);
    return IdentifyDisc(file.bytes, *path, table);
}

}  // namespace tolva
