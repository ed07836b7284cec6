#pragma once
// What every fuzz target adds to the test fixtures it shares with the core tests: the entry
// point, a check that turns a broken promise of the code into a crash the fuzzer keeps, state
// kept between inputs, and the release of what that state holds.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "../tests/core/support.h"
#include "core/state.h"

/// A promise of the code under test; a broken one aborts, so libFuzzer records the input.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

/// libFuzzer's entry point around a body that sees the input as the text `text`. The body is a
/// function of tolva::fuzz, so it names the code under test and the shared fixtures unqualified.
#define TOLVA_FUZZ_TARGET(text)                                                         \
    namespace tolva::fuzz {                                                             \
    static void FuzzOne(std::string_view text);                                         \
    }                                                                                   \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
        tolva::fuzz::FuzzOne({reinterpret_cast<const char*>(data), size});              \
        return 0;                                                                       \
    }                                                                                   \
    void tolva::fuzz::FuzzOne(std::string_view text)

namespace tolva::fuzz {

using namespace tolva::testing;

/// The first byte of text, taken off it; none when text is empty.
inline std::optional<unsigned char> TakeByte(std::string_view& text) {
    if (text.empty()) return std::nullopt;
    const auto byte = static_cast<unsigned char>(text.front());
    text.remove_prefix(1);
    return byte;
}

/// Answers every failure with Resume, as a user who always goes on.
inline Resolution Resume(const Failure& failure) {
    FUZZ_CHECK(!failure.description.empty());
    return Resolution::Resume;
}

/// The program's state with its disc ID table, reused between inputs: building tables of full
/// capacity costs more than a read, and the code must not depend on what an earlier input left.
inline ProgramState& SharedState() {
    static ProgramState* state = [] {
        auto* made = new ProgramState;
        InitDiscIDs(made->discIDs);
        return made;
    }();
    return *state;
}

/// A second game table, reused likewise, for reading a written file back.
inline GameTable& RereadTable() {
    static GameTable* table = new GameTable;
    return *table;
}

/// Gives back, at the end of the scope however it returns, the heap blocks that the texts of the
/// shared state and the reread table hold. libFuzzer takes an input that leaves more blocks
/// allocated than it found for a possible leak and scans the whole heap, which costs more than the
/// input itself. An earlier reread of the same input may have held one entry more than the last.
struct ReleaseAtEnd {
    ~ReleaseAtEnd() {
        const auto release = [](std::vector<std::string>& column, int rows) {
            for (int k = 0; k < std::min(rows, static_cast<int>(column.size())); ++k) std::string().swap(column[k]);
        };
        ProgramState& state = SharedState();
        for (GameTable* games : {&state.games, &RereadTable()}) {
            const int rows = std::max(state.games.count() + 1, games->count());
            for (auto* column :
                 {&games->GameID, &games->GameTitle, &games->GameFlags, &games->GameTitleUpper, &games->GameTitleKey})
                release(*column, rows);
            std::string().swap(games->IniVersion);
        }
        CompatibilityTable& txt = state.txt;
        for (auto* column : {&txt.TxtTitle, &txt.TxtPublisher, &txt.TxtProductCode, &txt.TxtRegion, &txt.TxtStatus,
                             &txt.TxtD3D, &txt.TxtDetails, &txt.TxtTitleUpper})
            release(*column, txt.TxtCount);
        txt.TxtJoins.clear();
    }
};

}  // namespace tolva::fuzz
