// The join at its worst: 4096 records with long titles, a game whose disc ID stands twice in the
// disc ID table with codes no record holds, and whose long title almost matches every record
// (the same first 250 characters, then a difference), so every scan runs to its end.
#include <benchmark/benchmark.h>

#include <string>

#include "core/database/compatibility.h"
#include "core/games/discids.h"

namespace {

void BM_JoinWorstCase(benchmark::State& state) {
    tolva::ProgramState program;
    tolva::InitDiscIDs(program.discIDs);
    const std::string common(250, 'A');
    program.games.GameLast = 0;
    program.games.GameID[0] = "0099269388";
    program.games.GameTitle[0] = common + "GAME OF THE YEAR EDITION";
    program.games.GameTitleUpper[0] = program.games.GameTitle[0];
    program.games.GameTitleKey[0] = program.games.GameTitle[0];
    program.games.GameFlags[0] = "80000000H";
    tolva::CompatibilityTable& txt = program.txt;
    txt.TxtCount = tolva::kTableCapacity;
    for (int j = 1; j < tolva::kTableCapacity; ++j) {
        txt.TxtTitle[j] = common + "GAMF" + std::to_string(j);
        txt.TxtTitleUpper[j] = txt.TxtTitle[j];
        txt.TxtProductCode[j] = "SLUS-" + std::to_string(10000 + j);
        txt.TxtStatus[j] = "Yes!";
    }
    for (auto _ : state) {
        const std::int32_t k = tolva::JoinGame(program, 0);
        benchmark::DoNotOptimize(k);
        if (k != 0) state.SkipWithError("joined a record that does not fit");
    }
}
BENCHMARK(BM_JoinWorstCase)->Unit(benchmark::kMicrosecond);

}  // namespace
