#include "core/text/cp1252.h"

#include <array>

namespace tolva {
namespace {

// Code points of bytes 0x80-0x9F; the five bytes the code page leaves unassigned keep their value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

struct Tables {
    std::array<char16_t, 256> unicode{};
    std::array<unsigned char, 256> upper{};
};

constexpr Tables MakeTables() {
    Tables t;
    for (int b = 0; b < 256; ++b) {
        t.unicode[b] = (b >= 0x80 && b <= 0x9F) ? kHighControls[b - 0x80] : static_cast<char16_t>(b);
        unsigned char u = static_cast<unsigned char>(b);
        if (b >= 'a' && b <= 'z') u = static_cast<unsigned char>(b - 0x20);
        // à-þ map to À-Þ; ÷ is not a letter and ß has no single upper-case letter here.
        if (b >= 0xE0 && b <= 0xFE && b != 0xF7) u = static_cast<unsigned char>(b - 0x20);
        t.upper[b] = u;
    }
    t.upper[0x9A] = 0x8A;  // š → Š
    t.upper[0x9C] = 0x8C;  // œ → Œ
    t.upper[0x9E] = 0x8E;  // ž → Ž
    t.upper[0xFF] = 0x9F;  // ÿ → Ÿ
    return t;
}

constexpr Tables kTables = MakeTables();

}  // namespace

char16_t Cp1252ToUnicode(unsigned char byte) { return kTables.unicode[byte]; }

int UnicodeToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
    for (int i = 0; i < static_cast<int>(kHighControls.size()); ++i) {
        if (kHighControls[i] == codePoint) return 0x80 + i;
    }
    return -1;
}

unsigned char UpperCase1252(unsigned char byte) { return kTables.upper[byte]; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void UpperCaseInto(std::string& out, std::string_view text) {
    out.assign(text);
    for (char& c : out) c = static_cast<char>(kTables.upper[static_cast<unsigned char>(c)]);
}

std::string UpperCase(std::string_view text) {
    std::string out;
    UpperCaseInto(out, text);
    return out;
}

int CompareCodePoints(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t k = 0; k < n; ++k) {
        const unsigned char x = static_cast<unsigned char>(a[k]);
        const unsigned char y = static_cast<unsigned char>(b[k]);
        if (x != y) {
            const char16_t cx = kTables.unicode[x];
            const char16_t cy = kTables.unicode[y];
            if (cx != cy) return cx < cy ? -1 : 1;
        }
    }
    return (a.size() > b.size()) - (a.size() < b.size());  // the shorter of a prefix and its text first
}

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool LineReader::next(std::string_view& line) {
    const std::size_t size = text_.size();
    if (pos_ >= size) return false;
    std::size_t end = pos_;
    while (end < size && text_[end] != '\r' && text_[end] != '\n') ++end;
    line = text_.substr(pos_, end - pos_);
    if (end + 1 < size && text_[end] == '\r' && text_[end + 1] == '\n') ++end;
    pos_ = end + 1;
    return true;
}

std::vector<std::string_view> SplitLineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) lines.push_back(line);
    return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
    const std::vector<std::string_view> views = SplitLineViews(text);
    return std::vector<std::string>(views.begin(), views.end());
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char byte : bytes) {
        const char16_t c = Cp1252ToUnicode(static_cast<unsigned char>(byte));
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace tolva
