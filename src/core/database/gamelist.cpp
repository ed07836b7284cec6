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
    std::string pattern = UpperCase(typed);
    pattern += '*';
    pattern += '\0';
    // One buffer for every row: the row's key, the space and the end mark.
    std::string row;
    row.reserve(256);
    const int rows = RowCount(games);
    for (int i = 0; i < rows; ++i) {
        row.assign(games.GameTitleUpper[i]);
        row += ' ';
        row += '\0';
        if (CheckIfSameMarked(row, pattern)) return i;
    }
    return -1;
}

}  // namespace tolva

namespace tolva {

int FindGame(const ProgramState& state, std::string_view typed) {
    const GameTable& games = state.games;
    const int title = FindFirstMatch(games, typed);
    if (title >= 0) return title;
    const int rows = RowCount(games);
    if (IsDiscID(typed)) {
        for (int i = 0; i < rows; ++i) {
            if (games.GameID[static_cast<std::size_t>(i)] == typed) return i;
        }
        return -1;
    }
    const std::string code = NormalProductCode(typed);
    if (code.empty()) return -1;
    const CompatibilityTable& txt = state.txt;
    for (int i = 0; i < rows; ++i) {
        const std::int32_t k = games.GameTxtIndex[static_cast<std::size_t>(i)];
        if (k > 0 && k < txt.TxtCount && NormalProductCode(txt.TxtProductCode[static_cast<std::size_t>(k)]) == code)
            return i;
        for (std::string_view known : ProductCodesForDiscID(state.discIDs, games.GameID[static_cast<std::size_t>(i)])) {
            if (known == code) return i;
        }
    }
    return -1;
}

}  // namespace tolva
