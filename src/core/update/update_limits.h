#pragma once
// The update's limits on the user's side: an update is checked against the whole game table, and
// the entries it adds must still fit in the table on the next load. Either rule broken means the
// update writes nothing and says why.
#include <cstddef>
#include <optional>

#include "core/state.h"
#include "core/update/update_processing.h"

namespace tolva {

/// Refuses the update before it starts when the game table was not read whole: entries beyond
/// the table would be offered again as new.
std::optional<UpdateMessage> RefuseUpdateForTable(const GameTable& games);

/// Refuses Finish when appending `adding` entries would take bleem!.INI beyond the table's
/// capacity (the next load would cut it short and block every later write).
std::optional<UpdateMessage> RefuseAppend(const GameTable& games, std::size_t adding);

}  // namespace tolva
