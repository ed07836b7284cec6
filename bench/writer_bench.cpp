// The writers of bleem!.INI on a full-size file: Clean Up (the new bytes alone, and with the
// atomic write), and WriteINI appending and changing an entry, with the reload (ReadINI) the
// window then runs and without.
// The files live on /dev/shm when it is there, so the figures are the program's own work; the
// "Disk" variants add what the disk's fsync costs on this machine.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "generated.h"
#include "core/database/compatibility.h"
#include "core/database/gametable.h"
#include "core/database/writer.h"
#include "core/files/files.h"
#include "core/tools/cleanup.h"

namespace tolva {
namespace {

namespace fs = std::filesystem;

Resolution Resume(const Failure&) { return Resolution::Resume; }

/// A private folder for one benchmark, on tmpfs or on the disk.
class BenchFolder {
public:
    explicit BenchFolder(bool onDisk) {
        const fs::path shm = "/dev/shm";
        const fs::path base = !onDisk && fs::is_directory(shm) ? shm : fs::temp_directory_path();
        path_ = base / ("tolva-bench-" + std::to_string(::getpid()));
        fs::create_directories(path_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string path() const { return path_.string(); }
    std::string write(const std::string& bytes) const {
        const std::string file = (path_ / kIniFileName).string();
        if (!ReplaceFile(file, bytes).ok) return {};
        return file;
    }

private:
    fs::path path_;
};

/// A loaded state of entries games, every entry joined so Clean Up writes its comment lines.
void Load(ProgramState& state, const generated::Database& db) {
    ReadINIText(state.games, db.ini, Resume);
    ReadTXTText(state.games, state.txt, db.txt, Resume);
    for (int i = 0; i <= state.games.GameLast; ++i) JoinGame(state, i);
}

CleanUpOptions AllBoxes() {
    CleanUpOptions options;
    options.Publisher = options.ProductCode = options.Country = true;
    options.Works = options.D3D = options.Details = true;
    return options;
}

void BM_CleanUpText4096(benchmark::State& bench) {
    const generated::Database db = generated::GenerateDatabase(kTableCapacity);
    ProgramState state;
    Load(state, db);
    const CleanUpOptions options = AllBoxes();
    for (auto _ : bench) {
        const EditedText out = CleanUpText(db.ini, state.games, state.txt, options);
        benchmark::DoNotOptimize(out.bytes.data());
    }
    if (state.games.count() != kTableCapacity) bench.SkipWithError("the generated file did not load whole");
}
BENCHMARK(BM_CleanUpText4096)->Unit(benchmark::kMillisecond);

void BM_CleanUpINI4096(benchmark::State& bench, bool onDisk) {
    const generated::Database db = generated::GenerateDatabase(kTableCapacity);
    BenchFolder folder(onDisk);
    ProgramState state;
    state.folders.IniPath = folder.path();
    Load(state, db);
    if (folder.write(db.ini).empty()) bench.SkipWithError("cannot write the benchmark's file");
    const CleanUpOptions options = AllBoxes();
    int failures = 0;
    const FailureSink sink = [&failures](const Failure&) {
        ++failures;
        return Resolution::Resume;
    };
    for (auto _ : bench) CleanUpINI(state, options, sink);
    if (failures > 0) bench.SkipWithError("CleanUpINI reported a failure");
}
BENCHMARK_CAPTURE(BM_CleanUpINI4096, Tmpfs, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CleanUpINI4096, Disk, true)->Unit(benchmark::kMillisecond);

// Appending to a file of 4095 entries, so that the reload's table (4096) is still whole.
void BM_WriteINIAppend(benchmark::State& bench, bool onDisk) {
    const generated::Database db = generated::GenerateDatabase(kTableCapacity - 1);
    BenchFolder folder(onDisk);
    ProgramState state;
    state.folders.IniPath = folder.path();
    state.wizard.EditMode = false;
    state.wizard.EditID = "1234567890";
    state.wizard.EditTitle = "Benchmark Racer";
    state.wizard.EditFlags = "80000000H";
    int failures = 0;
    const FailureSink sink = [&failures](const Failure&) {
        ++failures;
        return Resolution::Resume;
    };
    for (auto _ : bench) {
        bench.PauseTiming();
        folder.write(db.ini);
        bench.ResumeTiming();
        if (WriteINI(state, 0, sink)) ReadINI(state, sink);
    }
    if (failures > 0 || state.games.count() != kTableCapacity) bench.SkipWithError("WriteINI did not append");
}
BENCHMARK_CAPTURE(BM_WriteINIAppend, Tmpfs, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteINIAppend, Disk, true)->Unit(benchmark::kMillisecond);

// Changing the flags of the entry in the middle of a 4096-entry file.
void BM_WriteINIChange(benchmark::State& bench, bool onDisk) {
    // A generated full database fits the line buffer of a change.
    const std::string file = generated::GenerateDatabase(kTableCapacity).ini;
    BenchFolder folder(onDisk);
    ProgramState state;
    state.folders.IniPath = folder.path();
    folder.write(file);
    ReadINIText(state.games, file, Resume);
    const int row = kTableCapacity / 2;
    state.wizard.EditMode = true;
    state.wizard.EditID = state.games.GameID[row];
    state.wizard.EditTitle = state.games.GameTitle[row];
    int failures = 0;
    const FailureSink sink = [&failures](const Failure&) {
        ++failures;
        return Resolution::Resume;
    };
    bool toggle = false;
    for (auto _ : bench) {
        state.wizard.EditFlags = (toggle = !toggle) ? "00200000H" : "80000000H";
        if (WriteINI(state, row, sink)) ReadINI(state, sink);
    }
    if (failures > 0) bench.SkipWithError("WriteINI reported a failure");
}
BENCHMARK_CAPTURE(BM_WriteINIChange, Tmpfs, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteINIChange, Disk, true)->Unit(benchmark::kMillisecond);

// WriteINI's own work without the reload that follows it (ReadINI, measured by its own
// benchmark): read the file, make the new bytes, replace the file.
void BM_WriteINIWithoutReload(benchmark::State& bench, bool change) {
    GameTable games;
    const generated::Database db = generated::GenerateDatabase(change ? kTableCapacity : kTableCapacity - 1);
    ReadINIText(games, db.ini, Resume);
    const std::string& file = db.ini;
    const std::string gameID = games.GameID[kTableCapacity / 2];
    BenchFolder folder(false);
    const std::string path = folder.write(file);
    const IniEntry entry{gameID, "Changed", "00200000H"};
    for (auto _ : bench) {
        if (!change) {
            bench.PauseTiming();
            folder.write(file);
            bench.ResumeTiming();
        }
        const FileBytes read = ReadWholeFile(path);
        const EditedText edited = change ? ChangeEntryText(read.bytes, gameID, entry) : AppendEntriesText(read.bytes, {entry});
        if (!edited.ok || !ReplaceFile(path, edited.bytes).ok) {
            bench.SkipWithError("the write failed");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_WriteINIWithoutReload, Append, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteINIWithoutReload, Change, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolva
