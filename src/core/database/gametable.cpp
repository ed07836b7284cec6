// Reading bleem!.INI, the exchange sort and the wildcard match.
//
// How the sort gets the exact order of the exchange procedure quickly. The procedure is
//     for i in 0..GameLast: for j in i..GameLast: if Upper(j) < Upper(i): exchange entries i, j
// and the order it leaves among equal keys depends on every exchange it makes, so it has to be
// run as written. What it looks at, though, is only whether one key is less than another:
//  1. Give each key a dense rank (equal keys the same rank, a smaller key a smaller rank).
//     "rank(j) < rank(i)" answers exactly as "Upper(j) < Upper(i)" at every step, so running the
//     same loop on ranks makes the same exchanges. Each entry becomes one number, its rank above
//     its index, and "less" compares the rank half only. The ranks come from the keys' sorted
//     order, found by merging the sorted run the table starts with into the rest sorted: users'
//     files are sorted by title with additions at the end.
//  2. Pass i carries the element now at i along the table: at each j it either keeps it or,
//     meeting a smaller rank, leaves it at j and carries that one on; at the end of the pass the
//     carried element lands at i. Only the elements below the carried one matter, so a pass
//     jumps from one exchange to the next: the table is cut into blocks, each with a lower bound
//     of its ranks, and a pass looks only into blocks whose bound is below what it carries,
//     comparing several elements at a time there. On a sorted file with a few entries appended,
//     every pass makes its few exchanges among those and skips the rest.
//  3. Where exchanges are dense (random or reversed files leave long descending runs behind the
//     passes), jumping costs more than stepping: there eight passes sweep the table together,
//     each stepping at j right after the one before it. Pass i + 1 reads position j only after
//     pass i has left it for good, so every pass sees the very values it would see run alone;
//     the eight steps of one moment are independent and are made at once, in SIMD lanes. The
//     steps are written without branches, as such exchanges are too frequent to predict. What
//     the passes just made measured chooses the way of the next ones.
//  4. The strings are then moved once along the resulting permutation, each by a move (no
//     characters copied). The join columns move with their entries, so that a join made before
//     a re-read still belongs to the same game.
#include "core/database/gametable.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <exception>
#include <functional>
#include <numeric>
#include <tuple>
#include <utility>
#include <vector>

#include "core/database/compatibility.h"
#include "core/database/iniline.h"
#include "core/text/cp1252.h"
#include "core/files/files.h"
#include "core/files/folders.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tolva {
namespace {

// Moves every entry to its place along the permutation, one cycle at a time: each value is moved
// once (no characters copied), the cycle's first held aside until its last place is free.
template <class T>
void MoveAlong(std::vector<T>& column, const std::vector<int>& from) {
    std::vector<bool> placed(from.size(), false);
    for (int start = 0; start < static_cast<int>(from.size()); ++start) {
        if (placed[start] || from[start] == start) continue;
        T first = std::move(column[start]);
        int pos = start;
        for (; from[pos] != start; pos = from[pos]) {
            placed[pos] = true;
            column[pos] = std::move(column[from[pos]]);
        }
        placed[pos] = true;
        column[pos] = std::move(first);
    }
}

// The number of meaningful slots, never more than the columns hold.
int EntryCount(const GameTable& games) {
    const int slots = static_cast<int>(std::min({games.GameID.size(), games.GameTitle.size(),
                                                 games.GameFlags.size(), games.GameTitleUpper.size(),
                                                 games.GameTitleKey.size(), games.GameTxtIndex.size(),
                                                 games.GameTwin.size()}));
    return std::clamp(games.GameLast + 1, 0, slots);
}

// An element is its rank in the high half and its entry's index in the low half. Ranks stay
// below 2^15, so elements compare alike as signed and unsigned numbers.
static_assert(kTableCapacity <= 0x8000, "ranks and indexes are packed in 16 bits each, below the sign bit");
constexpr std::uint32_t kRankBits = 0xFFFF0000u;

// One step of a pass at one position: a smaller rank there is exchanged with the carried element.
// Written as a masked exchange so that no branch depends on the comparison.
inline void Step(std::uint32_t& carried, std::uint32_t& here) {
    const std::uint32_t less = 0u - static_cast<std::uint32_t>(here < (carried & kRankBits));
    const std::uint32_t change = (carried ^ here) & less;
    carried ^= change;
    here ^= change;
}

// Elements per block of the sparse passes; passes of a dense sweep.
constexpr int kBlock = 32;
constexpr int kLanes = 8;

// The first k in [from, to) with p[k] below key, or to.
int FirstBelow(const std::uint32_t* p, int from, int to, std::uint32_t key) {
#if defined(__SSE2__)
    const __m128i bound = _mm_set1_epi32(static_cast<int>(key));
    for (; from + 8 <= to; from += 8) {
        const __m128i low = _mm_cmplt_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from)), bound);
        const __m128i high = _mm_cmplt_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from + 4)), bound);
        const int found = _mm_movemask_ps(_mm_castsi128_ps(low)) | _mm_movemask_ps(_mm_castsi128_ps(high)) << 4;
        if (found != 0) return from + std::countr_zero(static_cast<unsigned>(found));
    }
#endif
    while (from < to && p[from] >= key) ++from;
    return from;
}

// A bit for each element of a full block below key.
std::uint32_t BelowMask(const std::uint32_t* p, std::uint32_t key) {
    std::uint32_t below = 0;
#if defined(__SSE2__)
    const __m128i bound = _mm_set1_epi32(static_cast<int>(key));
    for (int q = 0; q < kBlock / 4; ++q) {
        const __m128i less = _mm_cmplt_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4 * q)), bound);
        below |= static_cast<std::uint32_t>(_mm_movemask_ps(_mm_castsi128_ps(less))) << (4 * q);
    }
#else
    for (int k = 0; k < kBlock; ++k) below |= static_cast<std::uint32_t>(p[k] < key) << k;
#endif
    return below;
}

// A lower bound of every block's elements: exact when computed, and still a lower bound after an
// exchange, which only ever puts a larger element into a block beyond the pass's start.
class BlockBounds {
public:
    BlockBounds(const std::uint32_t* a, int n) : a_(a), n_(n), low_(static_cast<std::size_t>((n + kBlock - 1) / kBlock)) {
        computeFrom(0);
    }
    int count() const { return static_cast<int>(low_.size()); }
    /// The first block from block on whose bound is below key, or count().
    int firstBelow(int block, std::uint32_t key) const { return FirstBelow(low_.data(), block, count(), key); }
    void compute(int block) {
        const int from = block * kBlock;
        low_[static_cast<std::size_t>(block)] = *std::min_element(a_ + from, a_ + std::min(n_, from + kBlock));
    }
    void computeFrom(int block) {
        for (int b = block; b < count(); ++b) compute(b);
    }

private:
    const std::uint32_t* a_;
    int n_;
    std::vector<std::uint32_t> low_;
};

// Pass i, looking only into blocks that may hold an element below the carried one: a block with
// one such element makes one exchange, one with more is stepped through from the first. Returns
// the elements stepped through in those blocks, the measure of how dense the exchanges are;
// blocks counts the blocks looked into.
int SparsePass(std::uint32_t* a, int i, int n, BlockBounds& bounds, std::int64_t& blocks) {
    std::uint32_t carried = a[i];
    // The block the pass starts in holds positions it has passed: it is stepped through.
    const int first = (i + 1) / kBlock;
    for (int k = i + 1; k < std::min(n, (first + 1) * kBlock); ++k) Step(carried, a[k]);
    int stepped = 0;
    for (int b = bounds.firstBelow(first + 1, carried & kRankBits); b < bounds.count();
         b = bounds.firstBelow(b + 1, carried & kRankBits)) {
        ++blocks;
        const int from = b * kBlock;
        const int to = std::min(n, from + kBlock);
        const std::uint32_t below = to - from == kBlock ? BelowMask(a + from, carried & kRankBits) : ~0u;
        if (below == 0) {
            bounds.compute(b);  // its bound had fallen behind its elements
            continue;
        }
        int k = from + std::countr_zero(below);
        if (std::has_single_bit(below)) {
            std::swap(carried, a[k]);  // nothing else in the block is below, let alone below that
            continue;
        }
        stepped += to - k;
        for (; k < to; ++k) Step(carried, a[k]);
    }
    a[i] = carried;
    return stepped;
}

#if defined(__SSE2__)
constexpr bool kDenseSweeps = true;

// Passes i .. i + 7 as a wavefront: lane k is pass i + k, stepping at position t - k at time t,
// right after lane k - 1 has left that position. Every lane starts out carrying and seeing an
// element above all others, so a lane takes its first real element as its carried one and
// passes nothing on from the positions before it. Returns the exchanges of the last pass.
int DenseSweep(std::uint32_t* a, int i, int n) {
    constexpr std::int32_t kAbove = 0x7FFFFFFF;
    const __m128i rankBits = _mm_set1_epi32(static_cast<std::int32_t>(kRankBits));
    __m128i carried0 = _mm_set1_epi32(kAbove), carried1 = carried0, here0 = carried0, here1 = carried0;
    int lastExchanges = 0;
    const auto step = [&](std::int32_t element) {
        here1 = _mm_or_si128(_mm_slli_si128(here1, 4), _mm_srli_si128(here0, 12));
        here0 = _mm_or_si128(_mm_slli_si128(here0, 4), _mm_cvtsi32_si128(element));
        const __m128i less0 = _mm_cmplt_epi32(here0, _mm_and_si128(carried0, rankBits));
        const __m128i less1 = _mm_cmplt_epi32(here1, _mm_and_si128(carried1, rankBits));
        const __m128i change0 = _mm_and_si128(_mm_xor_si128(carried0, here0), less0);
        const __m128i change1 = _mm_and_si128(_mm_xor_si128(carried1, here1), less1);
        carried0 = _mm_xor_si128(carried0, change0);
        here0 = _mm_xor_si128(here0, change0);
        carried1 = _mm_xor_si128(carried1, change1);
        here1 = _mm_xor_si128(here1, change1);
        lastExchanges += _mm_movemask_ps(_mm_castsi128_ps(less1)) >> 3;
    };
    // What the last lane left at position t - kLanes, read before time t's step. The positions
    // i .. i + 7 receive the carried elements at the end instead.
    const auto left = [&] { return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(here1, 12))); };
    int t = i;
    for (; t < i + 2 * kLanes && t < n; ++t) step(static_cast<std::int32_t>(a[t]));
    for (; t < n; ++t) {
        a[t - kLanes] = left();
        step(static_cast<std::int32_t>(a[t]));
    }
    for (; t < n + kLanes - 1; ++t) {
        if (t - kLanes >= i + kLanes) a[t - kLanes] = left();
        step(kAbove);
    }
    a[n - 1] = left();
    alignas(16) std::uint32_t carried[kLanes];
    _mm_store_si128(reinterpret_cast<__m128i*>(carried), carried0);
    _mm_store_si128(reinterpret_cast<__m128i*>(carried + 4), carried1);
    std::copy(carried, carried + kLanes, a + i);
    return lastExchanges;
}
#else
// Without SSE2 every pass is a sparse one.
constexpr bool kDenseSweeps = false;
int DenseSweep(std::uint32_t*, int, int) { return 0; }
#endif

// Each pass is sparse or part of a dense sweep, chosen by what the passes just before measured:
// a sparse pass that stepped through a sixth of what remains is costlier than its share of a
// sweep; a sweep whose last pass exchanged at fewer than one in 48 remaining positions makes
// way for sparse passes again.
SortWork ExchangePasses(std::uint32_t* a, int n) {
    SortWork work;
    BlockBounds bounds(a, n);
    bool dense = false;
    int measured = 0;
    for (int i = 0; i < n;) {
        const int remaining = n - i;
        if (kDenseSweeps && i + kLanes <= n && (dense ? measured * 48 > remaining : measured * 6 > remaining)) {
            measured = DenseSweep(a, i, n);
            i += kLanes;
            work.densePasses += kLanes;
            dense = true;
            continue;
        }
        if (dense) bounds.computeFrom((i + 1) / kBlock + 1);
        dense = false;
        measured = SparsePass(a, i, n, bounds, work.sparseBlocks);
        work.sparseStepped += measured;
        ++work.sparsePasses;
        ++i;
    }
    return work;
}

// GameTwin of every entry, in file order: how many entries before it share its disc ID and title.
// Sorted by a hash of both first, so that only entries with equal hashes compare their texts;
// twins then follow each other in file order.
void CountTwins(GameTable& games) {
    const int n = EntryCount(games);
    std::vector<std::pair<std::size_t, int>> byHash(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        byHash[i] = {std::hash<std::string_view>{}(games.GameID[i]) * 31 + std::hash<std::string_view>{}(games.GameTitle[i]), i};
    }
    std::sort(byHash.begin(), byHash.end());
    const auto same = [&](int a, int b) { return games.GameID[a] == games.GameID[b] && games.GameTitle[a] == games.GameTitle[b]; };
    for (auto run = byHash.begin(); run != byHash.end();) {
        const auto end = std::find_if(run, byHash.end(), [&](const auto& e) { return e.first != run->first; });
        // Texts whose hashes collide are kept apart, each text's entries still in file order.
        if (end - run > 1) std::stable_sort(run, end, [&](const auto& a, const auto& b) {
            return std::tie(games.GameID[a.second], games.GameTitle[a.second]) <
                   std::tie(games.GameID[b.second], games.GameTitle[b.second]);
        });
        for (auto e = run; e != end; ++e)
            games.GameTwin[e->second] = e != run && same(e[-1].second, e->second) ? games.GameTwin[e[-1].second] + 1 : 0;
        run = end;
    }
}

}  // namespace

void SwapStrings(std::string& a, std::string& b) noexcept { a.swap(b); }

SortWork SortGames(GameTable& games) {
    const int n = std::min(EntryCount(games), kTableCapacity);
    if (n < 2) return {};

    const auto less = [&](int a, int b) {
        return CompareCodePoints(games.GameTitleUpper[a], games.GameTitleUpper[b]) < 0;
    };
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    int run = 1;
    while (run < n && !less(run, run - 1)) ++run;
    std::sort(order.begin() + run, order.end(), less);
    std::inplace_merge(order.begin(), order.begin() + run, order.end(), less);
    std::vector<std::uint32_t> packed(n);
    std::uint32_t rank = 0;
    for (int k = 0; k < n; ++k) {
        if (k > 0 && less(order[k - 1], order[k])) ++rank;
        packed[order[k]] = (rank << 16) | static_cast<std::uint32_t>(order[k]);
    }
    const SortWork work = ExchangePasses(packed.data(), n);
    std::vector<int> from(n);  // from[pos] is the entry that ends at pos
    for (int k = 0; k < n; ++k) from[k] = static_cast<int>(packed[k] & 0xFFFFu);

    // The join columns move with their entries.
    for (auto column : {&GameTable::GameTitle, &GameTable::GameTitleUpper, &GameTable::GameFlags, &GameTable::GameID,
                        &GameTable::GameTitleKey})
        MoveAlong(games.*column, from);
    MoveAlong(games.GameTxtIndex, from);
    MoveAlong(games.GameTwin, from);
    return work;
}

bool ReadINIText(GameTable& games, std::string_view bytes, const FailureSink& sink) {
    return ReadINIText(games, bytes, sink, kIniFileName);
}

bool ReadINIText(GameTable& games, std::string_view bytes, const FailureSink& sink,
                 const std::string& fileName) {
    games.GameLast = -1;
    games.Truncated = false;
    auto report = [&](std::string description) {
        const bool resume = sink(Failure{std::move(description), kReadINIModule}) == Resolution::Resume;
        if (!resume) games.Truncated = true;
        return resume;
    };

    if (bytes.empty()) return report("cannot read the first line of " + fileName + ": the file is empty");

    // After the table is full, the lines of every further entry are passed over.
    bool overflowing = false;
    LineReader reader(bytes);
    std::string_view line;
    long long lineNumber = 0;
    while (reader.next(line)) {
        ++lineNumber;
        const auto where = [&] { return fileName + ", line " + std::to_string(lineNumber); };
        const IniKey key = ClassifyIniLine(line);
        switch (key) {
            case IniKey::Version:
                games.IniVersion = IniLineValue(line);
                break;
            case IniKey::ID: {
                if (overflowing) break;
                if (games.GameLast + 1 >= kTableCapacity) {
                    overflowing = true;
                    games.Truncated = true;
                    if (!report(where() + ": the game table holds " + std::to_string(kTableCapacity) +
                                " entries; this entry and the ones after it are not loaded")) {
                        return false;
                    }
                    break;
                }
                const int at = ++games.GameLast;
                games.makeRoomFor(static_cast<std::size_t>(at));
                games.GameID[at] = IniLineValue(line);
                games.GameTitle[at] = kUnknownTitle;
                UpperCaseInto(games.GameTitleUpper[at], kUnknownTitle);
                games.GameFlags[at].clear();
                games.GameTitleKey[at].clear();
                games.GameTxtIndex[at] = 0;
                break;
            }
            case IniKey::Title:
            case IniKey::Flags: {
                if (overflowing) break;
                const bool title = key == IniKey::Title;
                if (games.GameLast < 0) {
                    if (!report(where() + (title ? ": the Title line" : ": the Flags line") +
                                " comes before the first ID line and belongs to no entry")) {
                        return false;
                    }
                    break;
                }
                if (title) {
                    games.GameTitle[games.GameLast] = IniLineValue(line);
                    UpperCaseInto(games.GameTitleUpper[games.GameLast], games.GameTitle[games.GameLast]);
                } else {
                    games.GameFlags[games.GameLast] = IniLineValue(line);
                }
                break;
            }
            case IniKey::None:
                break;
        }
    }

    CountTwins(games);
    SortGames(games);
    return true;
}

bool ReadINI(ProgramState& state, const FailureSink& sink) {
    GameTable& games = state.games;
    const std::string path = IniFilePath(state.folders);
    try {
        FileBytes file = ReadWholeFile(path);
        if (!file.ok) {
            games.GameLast = -1;
            games.Truncated = true;
            return sink(Failure{file.error, kReadINIModule}) == Resolution::Resume;
        }
        const bool resumed = ReadINIText(games, file.bytes, sink, path);
        // Every entry gets its own join back, whatever TxtUpdate says: Clean Up and the details
        // view read the joins while the switch is off too.
        RestoreJoins(games, state.txt);
        state.seen.ini = std::move(file.bytes);
        return resumed;
    } catch (const std::exception& error) {
        // Running out of memory on a huge file, say: report it like any other failed read.
        games.GameLast = -1;
        games.Truncated = true;
        return sink(Failure{"cannot read " + path + ": " + error.what(), kReadINIModule}) == Resolution::Resume;
    }
}

// CheckIfSame. Positions count from 1 as the matcher is described; both texts end in a NUL end
// mark. "?" takes any one character. A "*" takes the character it stands against and then
// skips to the first place where the literal text after it (up to the next "?" or "*", or the
// rest of the pattern with its end mark) occurs; that first place is the only one tried. Every
// step moves j forward by one, so the loop ends after at most the pattern's length steps.
bool CheckIfSameMarked(std::string_view text, std::string_view pattern) {
    const std::size_t textEnd = text.size();
    const std::size_t patternEnd = pattern.size();
    std::size_t i = 0;
    std::size_t j = 0;
    while (true) {
        ++i;
        ++j;
        const bool pastText = i > textEnd;
        const bool pastPattern = j > patternEnd;
        if (pastText || pastPattern) return pastText && pastPattern;
        const char c = text[i - 1];
        const char p = pattern[j - 1];
        if (p == '?') continue;
        if (p != '*') {
            if (p == c) continue;
            return false;
        }
        // pattern.find(x, j) searches from position j + 1, the character after the "*".
        const std::size_t nextWild = std::min(pattern.find('?', j), pattern.find('*', j));
        const std::string_view segment =
            nextWild == std::string_view::npos ? pattern.substr(j) : pattern.substr(j, nextWild - j);
        std::size_t k = 0;
        if (segment.empty()) {
            if (i + 1 > textEnd) return false;
            k = i + 1;
        } else {
            const std::size_t found = text.find(segment, i);  // from position i + 1
            if (found == std::string_view::npos) return false;
            k = found + 1;
        }
        i = k - 1;
    }
}

bool CheckIfSame(std::string text, std::string pattern) {
    text.push_back('\0');
    pattern.push_back('\0');
    return CheckIfSameMarked(text, pattern);
}

}  // namespace tolva
