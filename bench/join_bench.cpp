// The join at its worst: 4096 records with long titles, a game whose disc ID stands twice in the
// disc ID table with codes no record holds, and whose long title almost matches every record
// (the same first 250 characters, then a difference), so every scan runs to its end. The games
// table joins every entry so: 4096 such games at once, and the generated full database.
#include <benchmark/benchmark.h>

#include <string>

#include "core/database/compatibility.h"
#include "core/database/gamestable.h"
#include "core/database/gametable.h"
#include "core/games/discids.h"
#include "generated.h"

namespace {

tolva::ProgramState WorstCase(int games) {
    tolva::ProgramState program;
    tolva::InitDiscIDs(program.discIDs);
    const std::string common(250, 'A');
    program.games.GameLast = games - 1;
    for (int i = 0; i < games; ++i) {
        program.games.GameID[i] = "0099269388";
        program.games.GameTitle[i] = common + "GAME OF THE YEAR EDITION " + std::to_string(i);
        program.games.GameTitleUpper[i] = program.games.GameTitle[i];
        program.games.GameTitleKey[i] = program.games.GameTitle[i];
        program.games.GameFlags[i] = "80000000H";
    }
    tolva::CompatibilityTable& txt = program.txt;
    txt.TxtCount = tolva::kTableCapacity;
    for (int j = 1; j < tolva::kTableCapacity; ++j) {
        txt.TxtTitle[j] = common + "GAMF" + std::to_string(j);
        txt.TxtTitleUpper[j] = txt.TxtTitle[j];
        txt.TxtProductCode[j] = "SLUS-" + std::to_string(10000 + j);
        txt.TxtStatus[j] = "Yes!";
    }
    return program;
}

void BM_JoinWorstCase(benchmark::State& state) {
    tolva::ProgramState program = WorstCase(1);
    for (auto _ : state) {
        const std::int32_t k = tolva::JoinGame(program, 0);
        benchmark::DoNotOptimize(k);
        if (k != 0) state.SkipWithError("joined a record that does not fit");
    }
}
BENCHMARK(BM_JoinWorstCase)->Unit(benchmark::kMicrosecond);

// The table's joins as clicking every row from the top down would make them.
bool SameAsClicking(const tolva::ProgramState& program) {
    tolva::ProgramState clicked = program;
    for (int i = 0; i < clicked.games.count(); ++i)
        if (clicked.games.GameTxtIndex[i] == 0) tolva::JoinGame(clicked, i);
    return tolva::JoinEveryGame(program).tables.games.GameTxtIndex == clicked.games.GameTxtIndex;
}

// The games table's join of 4096 such games (no target: the case no real database comes near).
void BM_JoinEveryGameWorstCase(benchmark::State& state) {
    const tolva::ProgramState program = WorstCase(tolva::kTableCapacity);
    if (!SameAsClicking(program)) state.SkipWithError("the table joined otherwise than clicking would");
    for (auto _ : state) benchmark::DoNotOptimize(tolva::JoinEveryGame(program));
}
BENCHMARK(BM_JoinEveryGameWorstCase)->Unit(benchmark::kMillisecond);

// The games table's copy and join on the generated full database (4096 entries, 4096 records).
void BM_JoinEveryGame4096(benchmark::State& state) {
    const tolva::generated::Database db = tolva::generated::GenerateDatabase(4096);
    tolva::ProgramState program;
    tolva::InitDiscIDs(program.discIDs);
    tolva::ReadINIText(program.games, db.ini, [](const tolva::Failure&) { return tolva::Resolution::Resume; });
    tolva::ReadTXTText(program.games, program.txt, db.txt, [](const tolva::Failure&) { return tolva::Resolution::Resume; });
    if (!SameAsClicking(program)) state.SkipWithError("the table joined otherwise than clicking would");
    for (auto _ : state) benchmark::DoNotOptimize(tolva::JoinEveryGame(program));
}
BENCHMARK(BM_JoinEveryGame4096)->Unit(benchmark::kMillisecond);

}  // namespace
