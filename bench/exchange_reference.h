#pragma once
// A generated database as a table that has not been sorted, for timing the exchange sort as the
// program once wrote it (tests/core/support.h) against SortGames.
#include <utility>

#include "../tests/core/support.h"

#include "core/state.h"
#include "core/text/cp1252.h"
#include "generated.h"

namespace tolva::testing {

/// The generated entries in file order, as a table that has not been sorted.
inline GameTable UnsortedTable(const generated::Database& db) {
    GameTable table;
    for (const generated::Entry& entry : db.entries) {
        if (table.GameLast + 1 >= kTableCapacity) break;
        const int at = ++table.GameLast;
        table.GameID[at] = entry.id;
        table.GameTitle[at] = entry.title;
        table.GameTitleUpper[at] = UpperCase(entry.title);
        table.GameFlags[at] = entry.flags;
    }
    return table;
}

}  // namespace tolva::testing
