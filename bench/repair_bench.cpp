// The repair search on a full table: 4096 distinct entries (every ID, flags word and pair looked
// at once), and 4096 entries sharing one disc ID (8,386,560 pairs, of which 2048 are kept).
#include <benchmark/benchmark.h>

#include <string>

#include "core/tools/repair.h"

namespace {

tolva::GameTable FullTable(bool oneDiscID) {
    tolva::GameTable games;
    games.GameLast = tolva::kTableCapacity - 1;
    for (int i = 0; i < tolva::kTableCapacity; ++i) {
        const auto at = static_cast<std::size_t>(i);
        games.GameID[at] = oneDiscID ? "1000000000" : std::to_string(1000000000 + i * 7);
        games.GameTitle[at] = "Game title number " + std::to_string(i);
        games.GameFlags[at] = i % 3 == 0 ? "80000000H" : "01211010H";
    }
    return games;
}

void BM_RepairSearch(benchmark::State& state) {
    const tolva::GameTable games = FullTable(state.range(0) != 0);
    tolva::RepairStore store;
    for (auto _ : state) {
        tolva::RunRepairSearch(games, store, {});
        benchmark::DoNotOptimize(store.DupCount());
    }
    state.counters["pairs"] = static_cast<double>(store.DupCount()) + static_cast<double>(store.DupDropped);
}
BENCHMARK(BM_RepairSearch)->Arg(0)->Arg(1)->ArgNames({"oneDiscID"})->Unit(benchmark::kMillisecond);

}  // namespace
