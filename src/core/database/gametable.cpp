// Reading bleem!.INI, the exchange sort and the wildcard match.
//
// How the sort gets the exact order of the exchange procedure quickly. The procedure is
//     for i in 0..GameLast: for j in i..GameLast: if Upper(j) < Upper(i): exchange entries i, j
// and the order it leaves among equal keys depends on every exchange it makes, so it has to be
// run as written. What it looks at, though, is only whether one key is less than another:
//  1. Give each key a dense rank (equal keys the same rank, a smaller key a smaller rank).
//     "rank(j) < rank(i)" answers exactly as "Upper(j) < Upper(i)" at every step, so running the
//     same loop on ranks makes the same exchanges. Each entry becomes one number, its rank above
//     its index, and "less" compares the rank half only.
//  2. Pass i carries the element now at i along the table: at each j it either keeps it or,
//     meeting a smaller rank, leaves it at j and carries that one on; at the end of the pass the
//     carried element lands at i. Pass i + 1 reads position j only after pass i has left it for
//     good, so eight passes can sweep the table together, each stepping at j right after the one
//     before it: every pass sees the very values it would see run alone. The steps are written
//     without branches; the exchanges of this procedure are too frequent to predict.
//  3. The strings are then moved once along the resulting permutation, each by swapping (no
//     characters copied). The join columns move with their entries, so that a join made before
//     a re-read still belongs to the same game.
#include "core/database/gametable.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <map>
#include <numeric>
#include <utility>
#include <vector>

#include "core/database/compatibility.h"
#include "core/database/iniline.h"
#include "core/text/cp1252.h"
#include "core/files/files.h"

namespace tolva {
namespace {

void ExchangeEntries(GameTable& games, int a, int b) {
    SwapStrings(games.GameTitle[a], games.GameTitle[b]);
    SwapStrings(games.GameTitleUpper[a], games.GameTitleUpper[b]);
    SwapStrings(games.GameFlags[a], games.GameFlags[b]);
    SwapStrings(games.GameID[a], games.GameID[b]);
    SwapStrings(games.GameTitleKey[a], games.GameTitleKey[b]);
    std::swap(games.GameTxtIndex[a], games.GameTxtIndex[b]);
    std::swap(games.GameTwin[a], games.GameTwin[b]);
}

// The number of meaningful slots, never more than the columns hold.
int EntryCount(const GameTable& games) {
    const int slots = static_cast<int>(std::min({games.GameID.size(), games.GameTitle.size(),
                                                 games.GameFlags.size(), games.GameTitleUpper.size(),
                                                 games.GameTitleKey.size(), games.GameTxtIndex.size(),
                                                 games.GameTwin.size()}));
    return std::clamp(games.GameLast + 1, 0, slots);
}

// An element is its rank in the high half and its entry's index in the low half.
static_assert(kTableCapacity <= 0x10000, "ranks and indexes are packed in 16 bits each");
constexpr std::uint32_t kRankBits = 0xFFFF0000u;

// One step of a pass at one position: a smaller rank there is exchanged with the carried element.
// Written as a masked exchange so that no branch depends on the comparison.
inline void Step(std::uint32_t& carried, std::uint32_t& here) {
    const std::uint32_t less = 0u - static_cast<std::uint32_t>(here < (carried & kRankBits));
    const std::uint32_t change = (carried ^ here) & less;
    carried ^= change;
    here ^= change;
}

// Passes i .. i + sizeof...(K) - 1 of the exchange loop, sweeping the table together.
template <std::size_t... K>
void PassesTogether(std::uint32_t* a, int i, int n, std::index_sequence<K...>) {
    constexpr int kCount = sizeof...(K);
    std::uint32_t carried[kCount];
    // The first positions: pass i + k starts at i + k with what the passes before it left there.
    for (int j = i; j < i + kCount; ++j) {
        std::uint32_t here = a[j];
        for (int k = 0; k < j - i; ++k) Step(carried[k], here);
        carried[j - i] = here;
    }
    for (int j = i + kCount; j < n; ++j) {
        std::uint32_t here = a[j];
        (Step(carried[K], here), ...);
        a[j] = here;
    }
    for (int k = 0; k < kCount; ++k) a[i + k] = carried[k];
}

void ExchangePasses(std::uint32_t* a, int n) {
    constexpr int kTogether = 8;
    int i = 0;
    for (; i + kTogether <= n; i += kTogether) PassesTogether(a, i, n, std::make_index_sequence<kTogether>{});
    for (; i < n; ++i) {
        std::uint32_t carried = a[i];
        for (int j = i + 1; j < n; ++j) Step(carried, a[j]);
        a[i] = carried;
    }
}

// GameTwin of every entry, in file order: how many entries before it share its disc ID and title.
void CountTwins(GameTable& games) {
    std::map<std::pair<std::string_view, std::string_view>, std::int32_t> seen;
    for (int i = 0; i < EntryCount(games); ++i) {
        games.GameTwin[i] = seen[{games.GameID[i], games.GameTitle[i]}]++;
    }
}

}  // namespace

void SwapStrings(std::string& a, std::string& b) noexcept { a.swap(b); }

void SortGames(GameTable& games) {
    const int n = std::min(EntryCount(games), kTableCapacity);
    if (n < 2) return;

    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return CompareCodePoints(games.GameTitleUpper[a], games.GameTitleUpper[b]) < 0;
    });
    std::vector<std::uint32_t> packed(n);
    std::uint32_t rank = 0;
    for (int k = 0; k < n; ++k) {
        if (k > 0 && CompareCodePoints(games.GameTitleUpper[order[k - 1]], games.GameTitleUpper[order[k]]) != 0) {
            ++rank;
        }
        packed[order[k]] = (rank << 16) | static_cast<std::uint32_t>(order[k]);
    }
    ExchangePasses(packed.data(), n);
    std::vector<int> from(n);  // from[pos] is the entry that ends at pos
    for (int k = 0; k < n; ++k) from[k] = static_cast<int>(packed[k] & 0xFFFFu);

    // Move the entries along the permutation, one cycle at a time, by exchanges.
    std::vector<bool> placed(n, false);
    for (int start = 0; start < n; ++start) {
        if (placed[start]) continue;
        int pos = start;
        while (true) {
            placed[pos] = true;
            const int source = from[pos];
            if (source == start) break;
            ExchangeEntries(games, pos, source);
            pos = source;
        }
    }
}

bool ReadINIText(GameTable& games, std::string_view bytes, const FailureSink& sink) {
    return ReadINIText(games, bytes, sink, "bleem!.INI");
}

bool ReadINIText(GameTable& games, std::string_view bytes, const FailureSink& sink,
                 const std::string& fileName) {
    games.GameLast = -1;
    games.Truncated = false;
    const int capacity = std::min(kTableCapacity, static_cast<int>(games.GameID.size()));
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
                if (games.GameLast + 1 >= capacity) {
                    overflowing = true;
                    games.Truncated = true;
                    if (!report(where() + ": the game table holds " + std::to_string(capacity) +
                                " entries; this entry and the ones after it are not loaded")) {
                        return false;
                    }
                    break;
                }
                const int at = ++games.GameLast;
                games.GameID[at] = IniLineValue(line);
                games.GameTitle[at] = kUnknownTitle;
                games.GameTitleUpper[at] = UpperCase(kUnknownTitle);
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
                    games.GameTitleUpper[games.GameLast] = UpperCase(games.GameTitle[games.GameLast]);
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
    const std::string path = JoinPath(state.folders.IniPath, "bleem!.INI");
    try {
        const std::string located = LocateFile(path).value_or(path);
        const FileBytes file = ReadWholeFile(located);
        if (!file.ok) {
            games.GameLast = -1;
            games.Truncated = true;
            return sink(Failure{file.error, kReadINIModule}) == Resolution::Resume;
        }
        const bool resumed = ReadINIText(games, file.bytes, sink, located);
        // Every entry gets its own join back, whatever TxtUpdate says: Clean Up and the details
        // view read the joins while the switch is off too.
        RestoreJoins(games, state.txt);
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
