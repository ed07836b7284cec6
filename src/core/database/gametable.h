#pragma once
// Reading bleem!.INI into the game table, and the exchange sort that orders it.
#include <string>
#include <string_view>

#include "core/failure.h"
#include "core/state.h"

namespace tolva {

/// Rebuilds the game table and IniVersion from IniPath/bleem!.INI, then sorts it.
/// Returns false when the sink answered Cancel (the caller ends the program).
bool ReadINI(ProgramState& state, const FailureSink& sink);

/// The same on bytes already read (tests, fuzzing and benchmarks use it directly).
bool ReadINIText(GameTable& games, std::string_view bytes, const FailureSink& sink);

/// The exchange sort by GameTitleUpper, giving exactly the order of the literal double loop.
void SortGames(GameTable& games);

/// Exchanges two texts without copying their characters.
void SwapStrings(std::string& a, std::string& b) noexcept;

/// The wildcard match of the search box: "?" one character, "*" one or more, no backtracking.
bool CheckIfSame(std::string text, std::string pattern);

}  // namespace tolva
