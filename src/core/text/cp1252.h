#pragma once
// Windows-1252 text: the files' bytes are kept as they are; upper case and ordering follow the
// code page's letters and the Unicode code points of its characters.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolva {

/// The Unicode code point of one Windows-1252 byte (the five unassigned bytes map to themselves).
char16_t Cp1252ToUnicode(unsigned char byte);

/// The Windows-1252 byte of a code point, or -1 when the code page has no such character.
int UnicodeToCp1252(char32_t codePoint);

/// Windows-1252 bytes as UTF-8 (for files other programs read: an export).
std::string Cp1252ToUtf8(std::string_view bytes);

/// Upper case of one byte by the code page's letters (a-z, à-þ but ÷, š œ ž ÿ); others unchanged.
unsigned char UpperCase1252(unsigned char byte);

/// Lower case of an ASCII letter; every other byte unchanged (for names that protocols and file
/// systems compare without case: header names, bleem!.INI, system messages).
char AsciiLower(char c);

/// Upper case of a Windows-1252 text.
std::string UpperCase(std::string_view text);

/// The same into out, reusing its storage (a re-read fills the same table slots again).
void UpperCaseInto(std::string& out, std::string_view text);

/// Ordinal comparison by code point, a proper prefix before the longer text: <0, 0 or >0.
int CompareCodePoints(std::string_view a, std::string_view b);

/// The text without leading and trailing spaces (spaces only, not tabs).
std::string_view TrimSpaces(std::string_view text);

/// Cuts text into lines at CR LF, at a lone CR and at a lone LF; the break is not kept. A final
/// line without a break counts; a text ending in a break has no empty line after it.
std::vector<std::string> SplitLines(std::string_view text);

/// The same lines as views into text, for readers that need no copies (text must outlive them).
std::vector<std::string_view> SplitLineViews(std::string_view text);

/// Walks the lines of a text one by one, split as SplitLines does, without copying or keeping them.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    /// The next line into line; false after the last one.
    bool next(std::string_view& line);

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace tolva
