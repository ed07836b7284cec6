#pragma once
// The exchange sort written out as the program runs it, on the strings themselves: the reference
// that SortGames must agree with, in the tests and in the benchmark that times both.
#include <utility>

#include "core/state.h"
#include "core/text/cp1252.h"
#include "generated.h"

namespace tolva::testing {

inline void LiteralExchangeSort(GameTable& g) {
    for (int i = 0; i <= g.GameLast; ++i) {
        for (int j = i; j <= g.GameLast; ++j) {
            if (CompareCodePoints(g.GameTitleUpper[j], g.GameTitleUpper[i]) < 0) {
                std::swap(g.GameTitle[i], g.GameTitle[j]);
                std::swap(g.GameTitleUpper[i], g.GameTitleUpper[j]);
                std::swap(g.GameFlags[i], g.GameFlags[j]);
                std::swap(g.GameID[i], g.GameID[j]);
                std::swap(g.GameTitleKey[i], g.GameTitleKey[j]);
                std::swap(g.GameTxtIndex[i], g.GameTxtIndex[j]);
            }
        }
    }
}

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
