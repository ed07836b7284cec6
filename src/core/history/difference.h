#pragma once
// The difference between two texts of bleem!.INI, line by line, as the history window and the
// previews show it.
#include <cstddef>
#include <string>
#include <string_view>

namespace tolva {

/// Unchanged lines shown around each group of changed ones.
inline constexpr std::size_t kDifferenceContext = 2;

/// after compared with before in the unified form: each group of changes headed "@@ -a,n +b,m @@"
/// (first line and count in before, then in after), removed lines after "-", added ones after
/// "+", unchanged ones around them after " "; every line ends in LF. Lines end at CR LF, CR or LF
/// alike, so a file whose only change is its line ends shows none. Empty when no line differs.
std::string LineDifference(std::string_view before, std::string_view after);

}  // namespace tolva
