#include "core/database/gamelist.h"

#include <algorithm>
#include <cstdint>

#include "core/database/gametable.h"
#include "core/games/discids.h"
#include "core/text/cp1252.h"

namespace tolva {
namespace {

int RowCount(const GameTable& games) {
    const int slots = static_cast<int>(std::min(games.GameFlags.size(), games.GameTitleUpper.size()));
    return std::clamp(games.GameLast + 1, 0, slots);
}

// The search's pattern: typed upper-cased, "*" and the end mark.
std::string Pattern(std::string_view typed) {
    std::string pattern = UpperCase(typed);
    pattern += '*';
    pattern += '\0';
    return pattern;
}

// A row's key, the space and the end mark, into one buffer reused for every row.
void MarkRow(std::string& row, const std::string& key) {
    row.assign(key);
    row += ' ';
    row += '\0';
}

}  // namespace

SummaryCounts CountGames(const GameTable& games) {
    SummaryCounts counts;
    const int rows = RowCount(games);
    for (int i = 0; i < rows; ++i) {
        const std::string& flags = games.GameFlags[i];
        const char first = flags.empty() ? '\0' : flags.front();
        if (first == '8') {
            ++counts.YesCount;
        } else if (first == '4') {
            ++counts.NoCount;
        } else {
            ++counts.PartCount;
        }
    }
    return counts;
}

std::string Percent(int n, int total, char decimalSeparator) {
    if (n <= 0 || total <= 0) return "0";
    // Tenths of a percent in whole numbers, so that a half (1 of 16 = 6.25) is seen exactly and
    // goes to the even neighbour instead of wherever binary floating point would put it.
    const std::int64_t scaled = static_cast<std::int64_t>(n) * 1000;
    std::int64_t tenths = scaled / total;
    const std::int64_t twiceRest = (scaled % total) * 2;
    if (twiceRest > total || (twiceRest == total && tenths % 2 == 1)) ++tenths;
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + tenths % 10);
    }
    return text;
}

std::string CountCaption(int n, int total, char decimalSeparator) {
    return std::to_string(n) + " (" + Percent(n, total, decimalSeparator) + "%)";
}

int FindFirstMatch(const GameTable& games, std::string_view typed) {
    const std::string pattern = Pattern(typed);
    std::string row;
    row.reserve(256);
    const int rows = RowCount(games);
    for (int i = 0; i < rows; ++i) {
        MarkRow(row, games.GameTitleUpper[i]);
        if (CheckIfSameMarked(row, pattern)) return i;
    }
    return -1;
}

}  // namespace tolva

namespace tolva {

namespace {

// Whether row i has this disc ID (when typed is one) or this product code, the joined record's
// or the disc ID table's.
bool FoundByCode(const ProgramState& state, int i, bool discID, std::string_view typed, const std::string& code) {
    const auto slot = static_cast<std::size_t>(i);
    if (discID) return state.games.GameID[slot] == typed;
    const CompatibilityTable& txt = state.txt;
    const std::int32_t k = txt.recordOf(state.games.GameTxtIndex[slot]);
    if (k != 0 && NormalProductCode(txt.TxtProductCode[static_cast<std::size_t>(k)]) == code)
        return true;
    for (std::string_view known : ProductCodesForDiscID(state.discIDs, state.games.GameID[slot]))
        if (known == code) return true;
    return false;
}

}  // namespace

int FindGame(const ProgramState& state, std::string_view typed) {
    const int title = FindFirstMatch(state.games, typed);
    if (title >= 0) return title;
    const bool discID = IsDiscID(typed);
    const std::string code = discID ? std::string() : NormalProductCode(typed);
    if (!discID && code.empty()) return -1;
    const int rows = RowCount(state.games);
    for (int i = 0; i < rows; ++i)
        if (FoundByCode(state, i, discID, typed, code)) return i;
    return -1;
}

std::vector<char> MatchingRows(const ProgramState& state, std::string_view typed) {
    const int rows = RowCount(state.games);
    std::vector<char> found(static_cast<std::size_t>(rows), typed.empty() ? 1 : 0);
    if (typed.empty()) return found;
    const std::string pattern = Pattern(typed);
    const bool discID = IsDiscID(typed);
    const std::string code = discID ? std::string() : NormalProductCode(typed);
    std::string row;
    for (int i = 0; i < rows; ++i) {
        MarkRow(row, state.games.GameTitleUpper[static_cast<std::size_t>(i)]);
        found[static_cast<std::size_t>(i)] = CheckIfSameMarked(row, pattern) ||
                                             ((discID || !code.empty()) && FoundByCode(state, i, discID, typed, code));
    }
    return found;
}

}  // namespace tolva
