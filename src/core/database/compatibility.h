#pragma once
// Compatibility.TXT: the emulator maker's records, read into the compatibility table, and the
// join that gives a game of the game table its record: by product code through the disc ID
// table first, else by the longest record title that begins the game's title with an agreeing
// status. A title join consumes its record until ReloadTXT. Joins are remembered by the game's
// disc ID, title and place among its duplicates in the file, so every read of bleem!.INI, which
// moves entries, gives each its own back and never joins a game that was not joined.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/failure.h"
#include "core/files/folders.h"
#include "core/state.h"

namespace tolva {

/// The title key of a record that a title join has taken.
inline constexpr std::string_view kConsumedTitle = "***clear***";

/// Reads TxtPath/Compatibility.TXT into the compatibility table and resets every game's join.
/// Returns false when the sink answered Cancel (the caller ends the program).
bool ReadTXT(ProgramState& state, const FailureSink& sink);

/// The same on bytes already read; path only names the file in failures.
bool ReadTXTText(GameTable& games, CompatibilityTable& txt, std::string_view bytes,
                 const FailureSink& sink, const std::string& path = kTxtFileName);

/// Makes every record available to title joins again and gives every entry its own join back
/// (run after each re-read of bleem!.INI).
void ReloadTXT(ProgramState& state);

/// Gives every entry of a freshly read game table the join remembered for its identity (disc ID,
/// title, GameTwin) and its title key; entries never joined get record 0. Idempotent.
void RestoreJoins(GameTable& games, const CompatibilityTable& txt);

/// The record of game i: its join if it has one, else the join is run now (it may set
/// GameTxtIndex and consume a record). 0 when no record fits or i is no entry.
std::int32_t JoinGame(ProgramState& state, int i);

/// JoinGame for every entry whose GameTxtIndex is 0, row 0 first, with the same outcome; records
/// are looked up by exact title (once per length a record title has) and by product code
/// instead of scanned per entry.
void JoinEveryEntry(ProgramState& state);

}  // namespace tolva
