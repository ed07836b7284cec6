// How the lines are matched (patience matching): equal lines at the start and the end of a range
// match; in between, the lines that occur exactly once on each side anchor the match, taken in
// the longest run that keeps their order on both sides, and the ranges between anchors are
// matched the same way. A range without such lines is matched by the longest common subsequence
// when it is small, else all of it counts as removed and added. Lines of bleem!.INI are nearly
// all unique (disc IDs, titles), so this follows the entries the way a reader does, in time
// near-linear in the file even when Clean Up rewrites all of it.
#include "core/history/difference.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/text/cp1252.h"

namespace tolva {
namespace {

using Lines = std::vector<std::string_view>;
using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;  // matched (before, after) lines

/// A range without anchors is compared cell by cell up to this many cells.
constexpr std::size_t kSmallRange = 1u << 16;

void MatchSmall(const Lines& a, std::size_t a0, std::size_t a1, const Lines& b, std::size_t b0, std::size_t b1,
                Pairs& out) {
    const std::size_t n = a1 - a0, m = b1 - b0;
    std::vector<std::size_t> length((n + 1) * (m + 1), 0);  // LCS of a[i..], b[j..]
    const auto at = [m](std::size_t i, std::size_t j) { return i * (m + 1) + j; };
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            length[at(i, j)] = a[a0 + i] == b[b0 + j] ? length[at(i + 1, j + 1)] + 1
                                                      : std::max(length[at(i + 1, j)], length[at(i, j + 1)]);
    for (std::size_t i = 0, j = 0; i < n && j < m;) {
        if (a[a0 + i] == b[b0 + j]) {
            out.emplace_back(a0 + i++, b0 + j++);
        } else if (length[at(i + 1, j)] >= length[at(i, j + 1)]) {
            ++i;
        } else {
            ++j;
        }
    }
}

/// The lines occurring once in a[a0, a1) and once in b[b0, b1), in before's order, longest
/// run in after's order kept.
Pairs Anchors(const Lines& a, std::size_t a0, std::size_t a1, const Lines& b, std::size_t b0, std::size_t b1) {
    struct Seen {
        int inA = 0, inB = 0;
        std::size_t atA = 0, atB = 0;
    };
    std::unordered_map<std::string_view, Seen> seen;
    for (std::size_t i = a0; i < a1; ++i) {
        Seen& s = seen[a[i]];
        ++s.inA;
        s.atA = i;
    }
    for (std::size_t j = b0; j < b1; ++j) {
        const auto found = seen.find(b[j]);
        if (found == seen.end()) continue;
        ++found->second.inB;
        found->second.atB = j;
    }
    Pairs unique;
    for (std::size_t i = a0; i < a1; ++i) {
        const Seen& s = seen[a[i]];
        if (s.inA == 1 && s.inB == 1) unique.emplace_back(i, s.atB);
    }
    // Patience sorting: tails[k] is the pair ending the best run of length k + 1; back links rebuild it.
    std::vector<std::size_t> tails, before(unique.size());
    for (std::size_t k = 0; k < unique.size(); ++k) {
        const auto pile = std::lower_bound(tails.begin(), tails.end(), unique[k].second,
                                           [&](std::size_t t, std::size_t atB) { return unique[t].second < atB; });
        before[k] = pile == tails.begin() ? k : *(pile - 1);
        if (pile == tails.end()) {
            tails.push_back(k);
        } else {
            *pile = k;
        }
    }
    Pairs run;
    if (tails.empty()) return run;
    for (std::size_t k = tails.back();; k = before[k]) {
        run.push_back(unique[k]);
        if (before[k] == k) break;
    }
    std::reverse(run.begin(), run.end());
    return run;
}

void Match(const Lines& a, std::size_t a0, std::size_t a1, const Lines& b, std::size_t b0, std::size_t b1,
           Pairs& out) {
    while (a0 < a1 && b0 < b1 && a[a0] == b[b0]) out.emplace_back(a0++, b0++);
    std::size_t same = 0;
    while (a1 - same > a0 && b1 - same > b0 && a[a1 - same - 1] == b[b1 - same - 1]) ++same;
    a1 -= same;
    b1 -= same;
    if (a0 < a1 && b0 < b1) {
        const Pairs anchors = Anchors(a, a0, a1, b, b0, b1);
        if (!anchors.empty()) {
            for (const auto& [i, j] : anchors) {
                Match(a, a0, i, b, b0, j, out);
                out.emplace_back(i, j);
                a0 = i + 1;
                b0 = j + 1;
            }
            Match(a, a0, a1, b, b0, b1, out);
        } else if ((a1 - a0) * (b1 - b0) <= kSmallRange) {
            MatchSmall(a, a0, a1, b, b0, b1, out);
        }
    }
    for (std::size_t k = 0; k < same; ++k) out.emplace_back(a1 + k, b1 + k);
}

/// One line of the result: ' ', '-' or '+', and the line numbers it stands at on each side.
struct Step {
    char mark;
    std::size_t a, b;
};

}  // namespace

std::string LineDifference(std::string_view before, std::string_view after) {
    const Lines a = SplitLineViews(before), b = SplitLineViews(after);
    Pairs matched;
    Match(a, 0, a.size(), b, 0, b.size(), matched);
    matched.emplace_back(a.size(), b.size());  // the end, matched by nothing

    std::vector<Step> steps;
    std::size_t i = 0, j = 0;
    for (const auto& [mi, mj] : matched) {
        for (; i < mi; ++i) steps.push_back({'-', i, j});
        for (; j < mj; ++j) steps.push_back({'+', i, j});
        if (i < a.size() && j < b.size()) steps.push_back({' ', i++, j++});
    }

    std::string out;
    for (std::size_t k = 0; k < steps.size();) {
        if (steps[k].mark == ' ') {
            ++k;
            continue;
        }
        // A group runs on while fewer than twice the context of unchanged lines part its changes.
        const std::size_t first = k - std::min(k, kDifferenceContext);
        std::size_t end = k;
        while (end < steps.size()) {
            std::size_t unchanged = 0;
            while (end + unchanged < steps.size() && steps[end + unchanged].mark == ' ') ++unchanged;
            if (end + unchanged == steps.size() || unchanged > 2 * kDifferenceContext) {
                end += std::min(unchanged, kDifferenceContext);
                break;
            }
            end += unchanged;
            while (end < steps.size() && steps[end].mark != ' ') ++end;
        }
        std::size_t inA = 0, inB = 0;
        for (std::size_t s = first; s < end; ++s) {
            inA += steps[s].mark != '+';
            inB += steps[s].mark != '-';
        }
        out += "@@ -" + std::to_string(steps[first].a + 1) + "," + std::to_string(inA) + " +" +
               std::to_string(steps[first].b + 1) + "," + std::to_string(inB) + " @@\n";
        for (std::size_t s = first; s < end; ++s) {
            out += steps[s].mark;
            out += steps[s].mark == '+' ? b[steps[s].b] : a[steps[s].a];
            out += '\n';
        }
        k = end;
    }
    return out;
}

}  // namespace tolva
