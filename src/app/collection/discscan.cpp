#include "app/collection/discscan.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string_view>

#include "app/platform/imagechecks.h"
#include "app/platform/imagereader.h"
#include "core/database/gamestable.h"
#include "core/files/folders.h"
#include "core/games/discids.h"
#include "core/text/cp1252.h"
#include "core/wizard/cuesheet.h"
#include "core/wizard/identity.h"

namespace tolva {
namespace fs = std::filesystem;

const std::array<const char*, kDiscColumns> kDiscColumnNames = {"File",   "Product Code", "Disc ID", "Title",
                                                                "Source", "Status",       "Reason"};

namespace {

// The extensions of images, and of the formats that are discs but cannot be read yet.
constexpr std::array<std::string_view, 6> kImageExtensions = {".iso", ".bin", ".img", ".cue", ".nrg", ".mdf"};
constexpr std::array<std::pair<std::string_view, const char*>, 5> kLaterFormats = {
    {{".chd", "CHD images"}, {".pbp", "PBP images"}, {".ecm", "ECM images"}, {".7z", "7z archives"}, {".zip", "ZIP archives"}}};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

fs::path FsPath(const std::string& path) { return fs::path(std::u8string(path.begin(), path.end())); }

std::string Text(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Size and modification time of one file, "" when it cannot be seen.
std::string StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return "?;";
    return std::to_string(info.st_size) + ':' + std::to_string(info.st_mtim.tv_sec) + '.' +
           std::to_string(info.st_mtim.tv_nsec) + ';';
}

// The files a CUE sheet names, as paths beside it.
std::vector<std::string> NamedByCue(const std::string& cue) {
    std::vector<std::string> named;
    for (const CueFile& file : ParseCueSheet(ReadAt(cue, 0, kCueSheetLimit)))
        named.push_back(Text((FsPath(cue).parent_path() / FsPath(file.name)).lexically_normal()));
    return named;
}

const char* LaterFormat(const std::string& path) {
    const std::string lower = Lower(Text(FsPath(path).extension()));
    for (const auto& [extension, format] : kLaterFormats)
        if (lower == extension) return format;
    return nullptr;
}

std::string Reason(const std::string& path, const std::string& description) {
    for (const char* verb : {"cannot read ", "cannot open "}) {
        const std::string prefix = verb + path + ": ";
        if (description.starts_with(prefix)) return description.substr(prefix.size());
    }
    return description;
}

std::string OneLine(std::string cell) {
    std::replace_if(cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return cell;
}

std::string Json(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string JsonOrNull(const std::string& text) { return text.empty() ? "null" : Json(text); }

}  // namespace

DiscFile DiscFileAt(const std::string& path) {
    DiscFile disc{path, path, StampOf(path), {}};
    if (const char* format = LaterFormat(path)) disc.format = format;
    if (Lower(Text(FsPath(path).extension())) == ".cue")
        for (const std::string& bin : NamedByCue(path)) disc.stamp += StampOf(bin);
    return disc;
}

std::vector<DiscFile> FindDiscFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    const fs::path root = FsPath(folder);
    for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string lower = Lower(Text(it->path().extension()));
        if (LaterFormat(Text(it->path())) ||
            std::find(kImageExtensions.begin(), kImageExtensions.end(), lower) != kImageExtensions.end())
            files.push_back(Text(it->path()));
    }
    // A CUE sheet's BIN files are its disc, not discs of their own.
    std::set<std::string> named;
    for (const std::string& file : files)
        if (Lower(Text(FsPath(file).extension())) == ".cue")
            for (const std::string& bin : NamedByCue(file)) named.insert(Lower(bin));
    std::vector<DiscFile> discs;
    for (const std::string& file : files) {
        if (named.count(Lower(file))) continue;
        DiscFile disc = DiscFileAt(file);
        disc.relative = Text(FsPath(file).lexically_relative(root));
        discs.push_back(std::move(disc));
    }
    std::sort(discs.begin(), discs.end(), [](const DiscFile& a, const DiscFile& b) { return a.relative < b.relative; });
    return discs;
}

DiscIdentity ReadDiscFile(ImageReader& reader, const DiscFile& disc, const DiscIDTable& table) {
    if (disc.format.empty()) return ReadDiscOrImage(reader, disc.path, table);
    DiscIdentity identity;
    identity.result = DiscRead::Unreadable;
    identity.description = "cannot read " + disc.path + ": " + disc.format + " cannot be read yet";
    return identity;
}

const DiscIdentity* DiscCache::find(const DiscFile& disc) const {
    const auto kept = discs.find(disc.path);
    return kept != discs.end() && kept->second.first == disc.stamp ? &kept->second.second : nullptr;
}

TxtByCode IndexTxt(const CompatibilityTable& txt) {
    TxtByCode byCode;
    for (std::int32_t k = 1; k < txt.TxtCount; ++k) byCode.try_emplace(NormalProductCode(txt.TxtProductCode[std::size_t(k)]), k);
    return byCode;
}

DiscRow DescribeDisc(const DiscFile& disc, const DiscIdentity& identity, const ProgramState& state, const TxtByCode& txt,
                     bool iniRead) {
    DiscRow row;
    row.file = disc.relative;
    if (identity.result != DiscRead::Found && identity.result != DiscRead::NotInTable) {
        row.reason = Reason(disc.path, identity.description);
        return row;
    }
    row.productCode = identity.productCode;
    row.discIDs = DiscIDsForProductCode(state.discIDs, identity.productCode);
    for (const std::string& id : row.discIDs) {
        if (!iniRead || row.entry >= 0) break;
        row.entry = FindDiscIDUser(state.games, id);
    }
    if (row.entry >= 0) {
        const auto slot = static_cast<std::size_t>(row.entry);
        row.title = Cp1252ToUtf8(state.games.GameTitle[slot]);
        row.source = TitleSource::Ini;
        row.status = StatusWord(StatusOf(state.games.GameFlags[slot]));
        return row;
    }
    if (const auto record = txt.find(identity.productCode); record != txt.end()) {
        row.title = Cp1252ToUtf8(state.txt.TxtTitle[std::size_t(record->second)]);
        row.source = TitleSource::Txt;
    }
    if (iniRead) row.status = kNotInIni;
    return row;
}

std::array<std::string, kDiscColumns> DiscCells(const DiscRow& row) {
    std::string ids;
    for (const std::string& id : row.discIDs) ids += (ids.empty() ? "" : " ") + id;
    const char* source = row.source == TitleSource::Ini ? kIniFileName : row.source == TitleSource::Txt ? kTxtFileName : "";
    return {row.file, row.productCode, ids, row.title, source, row.status, row.reason};
}

std::string DiscsTsv(const std::vector<DiscRow>& rows) {
    std::string text;
    for (const char* name : kDiscColumnNames) text += std::string(text.empty() ? "" : "\t") + name;
    text += '\n';
    for (const DiscRow& row : rows) {
        const auto cells = DiscCells(row);
        for (int c = 0; c < kDiscColumns; ++c) text += (c ? "\t" : "") + OneLine(cells[static_cast<std::size_t>(c)]);
        text += '\n';
    }
    return text;
}

std::string DiscsJson(const std::vector<DiscRow>& rows) {
    std::string text = "[";
    for (const DiscRow& row : rows) {
        const auto cells = DiscCells(row);
        std::string ids;
        for (const std::string& id : row.discIDs) ids += (ids.empty() ? "" : ", ") + Json(id);
        text += std::string(text.size() > 1 ? "," : "") + "\n  {\"file\": " + Json(row.file) +
                ", \"product_code\": " + Json(row.productCode) + ", \"disc_ids\": [" + ids + "], \"title\": " +
                Json(row.title) + ", \"title_source\": " + JsonOrNull(cells[4]) + ", \"status\": " + Json(row.status) +
                ", \"error\": " + JsonOrNull(row.reason) + '}';
    }
    return text + (rows.empty() ? "]\n" : "\n]\n");
}

std::string DiscsCsv(const std::vector<DiscRow>& rows) {
    std::vector<std::array<std::string, kDiscColumns>> cells;
    for (const DiscRow& row : rows) cells.push_back(DiscCells(row));
    std::vector<std::vector<std::string_view>> views{{kDiscColumnNames.begin(), kDiscColumnNames.end()}};
    for (const auto& line : cells) views.emplace_back(line.begin(), line.end());
    return CsvExport(views, false);
}

}  // namespace tolva
