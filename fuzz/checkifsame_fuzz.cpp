// The search box's wildcard match on any text and pattern: the input's first byte chooses how
// they are cut from the rest (at its first NUL, or by a length byte, which lets both hold NULs),
// and the match must agree with the procedure written out step by step, on 1-based positions and
// searches, as the program always ran it. Both forms of the call must agree as well.
#include "core/database/gametable.h"
#include "fuzz_support.h"

using namespace tolva;
using namespace tolva::fuzz;

namespace {

// The position (1-based) of the first occurrence of what in text at or after position from, or 0.
std::size_t InStr(std::size_t from, const std::string& text, const std::string& what) {
    if (from < 1 || from > text.size() + 1) return 0;
    const std::size_t at = text.find(what, from - 1);
    return at == std::string::npos ? 0 : at + 1;
}

bool ReferenceMatch(std::string text, std::string pattern) {
    text += '\0';
    pattern += '\0';
    std::size_t i = 0;
    std::size_t j = 0;
    for (;;) {
        ++i;
        ++j;
        const bool pastText = i > text.size();
        const bool pastPattern = j > pattern.size();
        if (pastText && pastPattern) return true;
        if (pastText || pastPattern) return false;
        const char c = text[i - 1];
        const char p = pattern[j - 1];
        if (p == '?') continue;
        if (p != '*') {
            if (p == c) continue;
            return false;
        }
        const std::size_t question = InStr(j + 1, pattern, "?");
        const std::size_t star = InStr(j + 1, pattern, "*");
        std::size_t k = 0;
        if (question == 0 && star == 0) {
            k = InStr(i + 1, text, pattern.substr(j));
        } else {
            const std::size_t w = question == 0 ? star : star == 0 ? question : std::min(question, star);
            const std::string segment = pattern.substr(j, w - j - 1);
            if (segment.empty()) k = i + 1 <= text.size() ? i + 1 : 0;
            else k = InStr(i + 1, text, segment);
        }
        if (k == 0) return false;
        i = k - 1;
    }
}

}  // namespace

TOLVA_FUZZ_TARGET(input) {
    std::string_view rest = input;
    const std::optional<unsigned char> how = TakeByte(rest);
    if (!how) return;
    std::string text;
    std::string pattern;
    if (*how % 2 == 0) {
        const auto [first, second] = SplitAtNul(rest);
        text = first;
        pattern = second;
    } else if (const std::optional<unsigned char> length = TakeByte(rest)) {
        text = rest.substr(0, *length);
        pattern = rest.substr(text.size());
    }
    const bool expected = ReferenceMatch(text, pattern);
    FUZZ_CHECK(CheckIfSame(text, pattern) == expected);
    std::string markedText = text + '\0';
    std::string markedPattern = pattern + '\0';
    FUZZ_CHECK(CheckIfSameMarked(markedText, markedPattern) == expected);
    // The search's own use: a title and a space against the typed text and "*".
    if (text.find_first_of("?*") == std::string::npos) FUZZ_CHECK(CheckIfSame(text + " ", text + "*"));
}
