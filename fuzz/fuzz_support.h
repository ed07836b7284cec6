#pragma once
// What every fuzz target shares: the input seen as text, the ways a target cuts it into parts,
// and a check that turns a broken promise of the code into a crash the fuzzer keeps.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/games/discids.h"
#include "core/state.h"

namespace tolva::fuzz {

/// The program's disc ID table, filled once for every input.
inline const DiscIDTable& DiscIDs() {
    static const DiscIDTable table = [] {
        DiscIDTable made;
        InitDiscIDs(made);
        return made;
    }();
    return table;
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

/// A promise of the code under test; a broken one aborts, so libFuzzer records the input.
#define FUZZ_CHECK(condition)                                                               \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)

/// The text before the first NUL and the text after it (empty when there is none).
inline std::pair<std::string_view, std::string_view> SplitAtNul(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul == std::string_view::npos) return {text, {}};
    return {text.substr(0, nul), text.substr(nul + 1)};
}

/// The first `count` NUL-separated fields; missing ones are empty, the last takes the rest.
inline std::vector<std::string_view> NulFields(std::string_view text, std::size_t count) {
    std::vector<std::string_view> fields;
    for (std::size_t k = 0; k + 1 < count; ++k) {
        const auto [head, tail] = SplitAtNul(text);
        fields.push_back(head);
        text = tail;
    }
    fields.push_back(text);
    return fields;
}

/// The pieces a network peer might deliver: the input's first byte is the separator, and the
/// rest is cut at every occurrence of it (the separator itself is dropped). Empty pieces stay,
/// as a socket may report a read of nothing.
inline std::vector<std::string_view> Pieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    if (text.empty()) return pieces;
    const char separator = text.front();
    text.remove_prefix(1);
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        pieces.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    pieces.push_back(text);
    return pieces;
}

/// The pieces joined again: what the peer sent in all.
inline std::string Joined(const std::vector<std::string_view>& pieces) {
    std::string all;
    for (const std::string_view piece : pieces) all.append(piece);
    return all;
}

/// Runs a callable when the scope ends, however the target returns.
template <class F>
struct AtEnd {
    F action;
    ~AtEnd() { action(); }
};
template <class F>
AtEnd(F) -> AtEnd<F>;

/// Gives back the heap blocks that texts in the first `rows` slots of a reused column hold.
/// libFuzzer takes an input that leaves more blocks allocated than it found for a possible leak
/// and scans the whole heap, which costs more than the input itself when tables of full capacity
/// live between inputs; a target keeping tables calls this at the end of every input for the
/// slots it used.
inline void ReleaseTexts(std::vector<std::string>& column, int rows) {
    const std::size_t end = std::min(column.size(), static_cast<std::size_t>(std::max(rows, 0)));
    for (std::size_t k = 0; k < end; ++k) std::string().swap(column[k]);
}

inline void ReleaseTexts(GameTable& games, int rows) {
    for (auto* column : {&games.GameID, &games.GameTitle, &games.GameFlags, &games.GameTitleUpper, &games.GameTitleKey})
        ReleaseTexts(*column, rows);
    std::string().swap(games.IniVersion);
}

inline void ReleaseTexts(CompatibilityTable& txt) {
    for (auto* column : {&txt.TxtTitle, &txt.TxtPublisher, &txt.TxtProductCode, &txt.TxtRegion, &txt.TxtStatus,
                         &txt.TxtD3D, &txt.TxtDetails, &txt.TxtTitleUpper})
        ReleaseTexts(*column, txt.TxtCount);
    txt.TxtJoins.clear();
}

}  // namespace tolva::fuzz
