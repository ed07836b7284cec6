// The update processing at full capacity: a 4096-entry update against a 4096-entry game table,
// half of whose disc IDs are new, titles in scrambled order. The entries go without blank lines
// between them so that 4096 of them fit in the update's 16384 lines.
#include <benchmark/benchmark.h>

#include <string>

#include "core/update/update_processing.h"

namespace {

std::string Title(int i) {
    // A scrambled order so the sort has real work; some titles repeat in other letter cases.
    const int key = (i * 2654435761u) % 100000;
    return (i % 7 == 0 ? "the game " : "The Game ") + std::to_string(key);
}

void BM_ReadUpdate(benchmark::State& state) {
    tolva::GameTable games;
    games.IniVersion = "1.0.0";
    for (int i = 0; i < tolva::kTableCapacity; ++i) {
        ++games.GameLast;
        games.GameID[i] = std::to_string(1000000000 + 2 * i);  // even IDs are known
        games.GameTitle[i] = Title(2 * i);
        games.GameFlags[i] = "80000000H";
    }
    std::string text = "[bleem!]\r\nVersion=1.0.1\r\n";
    for (int i = 0; i < tolva::kTableCapacity; ++i) {
        text += "ID=" + std::to_string(1000000000 + i) + "\r\nTitle=" + Title(i) + "\r\nFlags=" +
                (i % 3 == 0 ? "80000000H" : "40120000H") + "\r\n";
    }
    for (auto _ : state) {
        tolva::UpdateResult result = tolva::ReadUpdate(text, games);
        benchmark::DoNotOptimize(result);
        if (result.update.UpdCount != tolva::kTableCapacity / 2) {
            state.SkipWithError("the update was not read whole");
            break;
        }
    }
}
BENCHMARK(BM_ReadUpdate)->Unit(benchmark::kMillisecond);

}  // namespace
