#pragma once
// The summary counts, their captions, and the search over the game list.
#include <string>
#include <string_view>
#include <vector>

#include "core/state.h"

namespace tolva {

struct SummaryCounts {
    int YesCount = 0;
    int NoCount = 0;
    int PartCount = 0;
    int total() const { return YesCount + NoCount + PartCount; }
};

/// Counts each entry by the first character of its flags word as written: 8, 4, anything else.
SummaryCounts CountGames(const GameTable& games);

/// n / total × 100 rounded half to even to one decimal, shortest form: "53.3", "100", "0", "12.5".
std::string Percent(int n, int total, char decimalSeparator = '.');

/// "40 (53.3%)".
std::string CountCaption(int n, int total, char decimalSeparator = '.');

/// The first row whose upper-case title followed by a space matches the upper case of typed
/// followed by "*"; -1 when none does. typed is Windows-1252.
int FindFirstMatch(const GameTable& games, std::string_view typed);

/// The row the search box selects: the first title match; when no title matches and typed is a
/// disc ID or a product code in any spelling, the first row with that disc ID, or whose product
/// code (its joined Compatibility.TXT record's, or the disc ID table's) is that code; -1 when none.
int FindGame(const ProgramState& state, std::string_view typed);

/// For every row, whether the search box's rules find it with typed: its title matches, or
/// typed is its disc ID or its product code in any spelling. Empty typed finds every row.
std::vector<char> MatchingRows(const ProgramState& state, std::string_view typed);

}  // namespace tolva
