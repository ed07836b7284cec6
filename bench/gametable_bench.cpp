// Loading and sorting a full game table, against the exchange loop run on the strings, and the
// slowest search of the list (no row matches).
#include <benchmark/benchmark.h>

#include <string>

#include "exchange_reference.h"
#include "generated.h"
#include "core/database/gamelist.h"
#include "core/database/gametable.h"

namespace tolva {
namespace {

const generated::Database& FullDatabase() {
    static const generated::Database db = generated::GenerateDatabase(kTableCapacity);
    return db;
}

Resolution Resume(const Failure&) { return Resolution::Resume; }

bool SameOrder(const GameTable& a, const GameTable& b) {
    if (a.GameLast != b.GameLast) return false;
    for (int i = 0; i <= a.GameLast; ++i) {
        if (a.GameID[i] != b.GameID[i] || a.GameTitle[i] != b.GameTitle[i] || a.GameFlags[i] != b.GameFlags[i]) {
            return false;
        }
    }
    return true;
}

const generated::Database& Shaped(generated::Shape shape) {
    using generated::Shape;
    static const generated::Database shaped[] = {
        generated::Reshaped(FullDatabase(), Shape::Random), generated::Reshaped(FullDatabase(), Shape::Appended1),
        generated::Reshaped(FullDatabase(), Shape::Appended5), generated::Reshaped(FullDatabase(), Shape::Reversed)};
    return shaped[static_cast<int>(shape)];
}

// ReadINIText on 4096 entries in each shape: classification, upper case and the sort.
void BM_ReadAndSort4096(benchmark::State& state, generated::Shape shape) {
    const generated::Database& db = Shaped(shape);
    GameTable games;
    for (auto _ : state) {
        ReadINIText(games, db.ini, Resume);
        benchmark::DoNotOptimize(games.GameTitle.data());
    }
    if (games.count() != kTableCapacity) state.SkipWithError("the generated file did not load whole");
    state.SetItemsProcessed(state.iterations() * kTableCapacity);
}

// SortGames alone on the table as read, before its sort.
void BM_SortGames4096(benchmark::State& state, generated::Shape shape) {
    const GameTable unsorted = testing::UnsortedTable(Shaped(shape));
    GameTable games;
    SortWork work;
    for (auto _ : state) {
        state.PauseTiming();
        games = unsorted;
        state.ResumeTiming();
        work = SortGames(games);
        benchmark::DoNotOptimize(games.GameTitle.data());
    }
    // Which passes ran, so a change in speed can be told from a change of route.
    state.counters["sparse"] = work.sparsePasses;
    state.counters["dense"] = work.densePasses;
    state.counters["looked"] = static_cast<double>(work.sparseBlocks + work.sparseStepped);
}

#define TOLVA_SHAPES(bm)                                                    \
    BENCHMARK_CAPTURE(bm, random, generated::Shape::Random)                 \
        ->Unit(benchmark::kMillisecond);                                    \
    BENCHMARK_CAPTURE(bm, sorted_1pc_appended, generated::Shape::Appended1) \
        ->Unit(benchmark::kMillisecond);                                    \
    BENCHMARK_CAPTURE(bm, sorted_5pc_appended, generated::Shape::Appended5) \
        ->Unit(benchmark::kMillisecond);                                    \
    BENCHMARK_CAPTURE(bm, reversed, generated::Shape::Reversed)->Unit(benchmark::kMillisecond)
TOLVA_SHAPES(BM_ReadAndSort4096);
TOLVA_SHAPES(BM_SortGames4096);

// The exchange loop as written, comparing the strings at every step; checked once to give the
// same order as SortGames.
void BM_LiteralExchangeSort4096(benchmark::State& state) {
    const GameTable unsorted = testing::UnsortedTable(FullDatabase());
    GameTable fast = unsorted;
    SortGames(fast);
    GameTable games;
    bool checked = false;
    for (auto _ : state) {
        state.PauseTiming();
        games = unsorted;
        state.ResumeTiming();
        testing::LiteralExchangeSort(games);
        benchmark::DoNotOptimize(games.GameTitle.data());
        if (!checked) {
            checked = true;
            if (!SameOrder(games, fast)) state.SkipWithError("SortGames and the literal loop disagree");
        }
    }
}
BENCHMARK(BM_LiteralExchangeSort4096)->Unit(benchmark::kMillisecond);

// The search when nothing matches: every row is tried, and "*" makes each try scan the title.
void BM_FindFirstMatchNoMatch4096(benchmark::State& state) {
    GameTable games;
    ReadINIText(games, FullDatabase().ini, Resume);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindFirstMatch(games, "*QXZ"));
    }
    if (FindFirstMatch(games, "*QXZ") != -1) state.SkipWithError("a row matched");
}
BENCHMARK(BM_FindFirstMatchNoMatch4096)->Unit(benchmark::kMicrosecond);

// The search for a typed prefix that no title has: most rows fail at the first character.
void BM_FindFirstMatchNoPrefix4096(benchmark::State& state) {
    GameTable games;
    ReadINIText(games, FullDatabase().ini, Resume);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindFirstMatch(games, "Q"));
    }
}
BENCHMARK(BM_FindFirstMatchNoPrefix4096)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tolva
