#include "core/tools/cleanup.h"

#include <algorithm>
#include <array>

#include "core/text/cp1252.h"
#include "core/files/files.h"

namespace tolva {
namespace {

constexpr const char* kCleanUpModule = "GLOBAL.CleanUpINI";
constexpr const char* kCrLf = "\r\n";

bool IsComment(std::string_view line) {
    const auto start = line.find_first_not_of(' ');
    return start != std::string_view::npos && line[start] == ';';
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

/// The leading comment lines, and the line that ends them only when it is blank: a version or
/// entry line there would be repeated before the new version line and load twice.
/// Reads only as far as the block goes, however long the file behind it.
std::vector<std::string_view> Header(std::string_view file) {
    std::vector<std::string_view> header;
    LineReader reader(file);
    std::string_view line;
    while (reader.next(line)) {
        if (IsComment(line)) {
            header.push_back(line);
            continue;
        }
        if (IsBlank(line)) header.push_back(line);
        break;
    }
    return header;
}

void AppendComments(std::string& out, const CompatibilityTable& txt, std::int32_t record,
                    const CleanUpOptions& options) {
    // A record outside the table read stands for no record at all, like the empty record 0.
    if (txt.recordOf(record) == 0) return;
    const auto r = static_cast<std::size_t>(record);
    const std::array<std::pair<bool, const std::string*>, 6> fields{{
        {options.Publisher, &txt.TxtPublisher[r]},
        {options.ProductCode, &txt.TxtProductCode[r]},
        {options.Country, &txt.TxtRegion[r]},
        {options.Works, &txt.TxtStatus[r]},
        {options.D3D, &txt.TxtD3D[r]},
        {options.Details, &txt.TxtDetails[r]},
    }};
    for (const auto& [ticked, value] : fields) {
        if (!ticked || value->empty()) continue;
        out += "; ";
        out += *value;
        out += kCrLf;
    }
}

void AppendLine(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    out += value;
    out += kCrLf;
}

}  // namespace

EditedText CleanUpText(std::string_view file, const GameTable& games, const CompatibilityTable& txt,
                       const CleanUpOptions& options) {
    EditedText result;
    if (games.Truncated) {
        result.error = TruncatedTableReason();
        return result;
    }
    const std::vector<std::string_view> header = Header(file);
    if (header.size() > kIniLineCapacity) {
        result.error = "its leading comment block has more than " + std::to_string(kIniLineCapacity) +
                       " lines, more than Clean Up can hold";
        return result;
    }

    const int last = std::min(games.GameLast, kTableCapacity - 1);
    std::string& out = result.bytes;
    out.reserve(file.size() + static_cast<std::size_t>(last + 1) * 16);
    for (const auto line : header) AppendLine(out, line, {});
    AppendLine(out, "Version=", games.IniVersion);
    for (int i = 0; i <= last; ++i) {
        const auto k = static_cast<std::size_t>(i);
        out += kCrLf;
        if (options.Place == CommentPlace::Before) AppendComments(out, txt, games.GameTxtIndex[k], options);
        AppendLine(out, "ID=", games.GameID[k]);
        AppendLine(out, "Title=", games.GameTitle[k]);
        AppendLine(out, "Flags=", games.GameFlags[k]);
        if (options.Place == CommentPlace::After) AppendComments(out, txt, games.GameTxtIndex[k], options);
    }
    result.ok = true;
    return result;
}

IniChange CleanUpChange(const ProgramState& state, const CleanUpOptions& options) {
    return {"Clean Up", "cannot clean up", kCleanUpModule, [&state, options](std::string_view bytes) {
                // The table holds the file as last read: written over another program's change,
                // it would throw that change away.
                if (state.seen.ini && bytes != *state.seen.ini) {
                    EditedText refused;
                    refused.error = "another program has changed it since it was last read";
                    return refused;
                }
                return CleanUpText(bytes, state.games, state.txt, options);
            }};
}

bool CleanUpINI(ProgramState& state, const CleanUpOptions& options, const FailureSink& sink,
               const RewriteSeams& seams) {
    return RewriteINI(state, CleanUpChange(state, options), sink, seams);
}

}  // namespace tolva
