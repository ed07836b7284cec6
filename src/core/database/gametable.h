#pragma once
// Reading bleem!.INI into the game table, and the exchange sort that orders it.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/failure.h"
#include "core/state.h"

namespace tolva {

/// Rebuilds the game table and IniVersion from IniPath/bleem!.INI, sorts it and gives every
/// entry the join remembered for it (RestoreJoins).
/// Returns false when the sink answered Cancel (the caller ends the program).
bool ReadINI(ProgramState& state, const FailureSink& sink);

/// The same on bytes already read (tests, fuzzing and benchmarks use it directly).
bool ReadINIText(GameTable& games, std::string_view bytes, const FailureSink& sink);

/// The same, naming fileName in the failures it reports.
bool ReadINIText(GameTable& games, std::string_view bytes, const FailureSink& sink,
                 const std::string& fileName);

/// The module named in ReadINI's failures.
inline constexpr const char* kReadINIModule = "GLOBAL.ReadINI";

/// What the exchange sort did. Each pass either jumps from block to block of the elements that
/// may be exchanged (sparse) or steps through all that remain, eight passes at once (dense);
/// which one follows how many exchanges the passes before it made, so a nearly sorted table
/// costs in proportion to its exchanges.
struct SortWork {
    int sparsePasses = 0;
    int densePasses = 0;
    std::int64_t sparseBlocks = 0;   ///< blocks the sparse passes looked into
    std::int64_t sparseStepped = 0;  ///< elements they stepped through one by one
};

/// The exchange sort by GameTitleUpper, giving exactly the order of the literal double loop.
SortWork SortGames(GameTable& games);

/// Exchanges two texts without copying their characters.
void SwapStrings(std::string& a, std::string& b) noexcept;

/// The wildcard match of the search box: "?" one character, "*" one or more, no backtracking.
bool CheckIfSame(std::string text, std::string pattern);

/// CheckIfSame on texts that already end with the NUL end mark, so a caller testing many rows
/// can reuse one buffer instead of copying each row.
bool CheckIfSameMarked(std::string_view text, std::string_view pattern);

}  // namespace tolva
