#include "core/wizard/cuesheet.h"

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
        }
    }
    return files;
}

bool IsDataTrack(std::string_view mode) { return mode.starts_with("MODE1/") || mode.starts_with("MODE2/"); }

}  // namespace tolva
