#pragma once
// The rules of the wizard's disc identity page: what the disc ID box accepts, when the page may
// be left forwards, and which entry already uses a disc ID.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/state.h"

namespace tolva {

/// Digits of a disc ID.
inline constexpr std::size_t kDiscIDLength = 10;

/// The flags word of a game that does not work, and of one just confirmed to work.
inline constexpr std::string_view kNotWorkingFlags = "40000000H";
inline constexpr std::string_view kWorkingFlags = "80000000H";

/// The text of the disc ID box after any change: its digits "0"-"9" only, the first ten of them.
std::string FilterDiscID(std::string_view text);

/// Whether a key reaches a disc ID box of `length` characters: keyCode is the character the key
/// types (8 for backspace, control characters for control keys). A digit is accepted unless the box
/// holds exactly ten characters, backspace always, every other character never.
bool AcceptDiscIDKey(std::size_t length, char32_t keyCode);

/// Next is available exactly when the disc ID has at least ten characters and the title is not empty.
bool CanGoForward(std::string_view discID, std::string_view title);

/// The first entry of the table, in table order, whose disc ID is exactly discID; -1 when none.
int FindDiscIDUser(const GameTable& games, std::string_view discID);

/// The refusal of a disc ID that the entry of that title already uses.
std::string DuplicateDiscIDText(std::string_view title);

/// The notice for a product code that the disc ID table does not hold.
std::string DiscIDNotFoundText(std::string_view productCode);

}  // namespace tolva
