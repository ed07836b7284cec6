#include "core/wizard/cuesheet.h"

#include <algorithm>
#include <charconv>

#include "core/text/cp1252.h"

namespace tolva {
namespace {

// CUE sheets indent with spaces or tabs.
std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The first word of text (up to a space or tab), and what follows it, trimmed.
std::string_view TakeWord(std::string_view& text) {
    text = Trim(text);
    std::size_t end = 0;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
    const std::string_view word = text.substr(0, end);
    text = Trim(text.substr(end));
    return word;
}

// FILE "name with spaces.bin" BINARY, or FILE name.bin BINARY.
std::string FileName(std::string_view rest) {
    if (!rest.empty() && rest.front() == '"') {
        const std::size_t close = rest.find('"', 1);
        return std::string(rest.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    }
    const std::size_t lastSpace = rest.find_last_of(" \t");
    return std::string(Trim(lastSpace == std::string_view::npos ? rest : rest.substr(0, lastSpace)));
}

// "mm:ss:ff" as sectors (75 a second), each field one to six digits; -1 unless it is one. A sign
// is no digit: a negative field would make a start before the disc.
long long Sectors(std::string_view msf) {
    long long parts[3] = {};
    for (int k = 0; k < 3; ++k) {
        const std::size_t colon = k < 2 ? msf.find(':') : msf.size();
        if (colon == std::string_view::npos || colon == 0 || colon > 6 || msf.front() == '-') return -1;
        const auto [end, ec] = std::from_chars(msf.data(), msf.data() + colon, parts[k]);
        if (ec != std::errc() || end != msf.data() + colon) return -1;
        msf.remove_prefix(std::min(colon + 1, msf.size()));
    }
    if (parts[1] >= 60 || parts[2] >= 75) return -1;
    return (parts[0] * 60 + parts[1]) * 75 + parts[2];
}

}  // namespace

std::vector<CueFile> ParseCueSheet(std::string_view text) {
    std::vector<CueFile> files;
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) {
        std::string_view rest = line;
        const std::string keyword = UpperCase(TakeWord(rest));
        if (keyword == "FILE") {
            files.push_back({FileName(rest), {}});
        } else if (keyword == "TRACK" && !files.empty()) {
            const std::string_view number = TakeWord(rest);
            CueTrack track;
            std::from_chars(number.data(), number.data() + number.size(), track.number);  // 0 when no number
            track.mode = UpperCase(TakeWord(rest));
            files.back().tracks.push_back(std::move(track));
        } else if (keyword == "INDEX" && !files.empty() && !files.back().tracks.empty()) {
            if (TakeWord(rest) == "01") files.back().tracks.back().start = Sectors(TakeWord(rest));
        }
    }
    return files;
}

std::size_t SectorBytes(std::string_view mode) {
    if (mode == "AUDIO") return 2352;
    if (mode == "CDG") return 2448;
    if (!IsDataTrack(mode)) return 0;
    std::size_t bytes = 0;
    const std::string_view digits = mode.substr(6);
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), bytes);
    if (ec != std::errc() || end != digits.data() + digits.size()) return 0;
    for (const std::size_t known : {2048, 2324, 2336, 2352})
        if (bytes == known) return bytes;
    return 0;
}

bool IsDataTrack(std::string_view mode) { return mode.starts_with("MODE1/") || mode.starts_with("MODE2/"); }

}  // namespace tolva
