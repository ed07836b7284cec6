#include "core/database/compatibility.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/games/discids.h"
#include "core/text/cp1252.h"
#include "core/files/files.h"

namespace tolva {
namespace {

constexpr const char* kReadModule = "GLOBAL.ReadTXT";

// A line is a record when it holds this many "|"; fields 1 to 8 lie between them.
constexpr int kPipes = 9;

enum class Verdict { Works, DoesNotWork, Unknown };

Verdict RecordStatus(std::string_view status) {
    if (status == "Yes!" || status == "Partially") return Verdict::Works;
    if (status == "Not Yet") return Verdict::DoesNotWork;
    return Verdict::Unknown;  // agrees with no game
}

Verdict GameStatusOf(std::string_view flags) {
    const std::string_view word = TrimSpaces(flags);
    return !word.empty() && word.front() == '4' ? Verdict::DoesNotWork : Verdict::Works;
}

// Fields 1 to 8 of a record line, or nothing when the line has fewer than nine "|".
std::optional<std::array<std::string_view, kPipes>> SplitRecord(std::string_view line) {
    std::array<std::size_t, kPipes> at{};
    std::size_t from = 0;
    for (std::size_t& p : at) {
        p = line.find('|', from);
        if (p == std::string_view::npos) return std::nullopt;
        from = p + 1;
    }
    std::array<std::string_view, kPipes> fields{};
    for (int k = 1; k < kPipes; ++k) {
        fields[static_cast<std::size_t>(k)] = TrimSpaces(line.substr(at[k - 1] + 1, at[k] - at[k - 1] - 1));
    }
    return fields;
}

void ClearRecord(CompatibilityTable& txt, std::size_t j) {
    for (auto* column : {&txt.TxtTitle, &txt.TxtPublisher, &txt.TxtProductCode, &txt.TxtRegion,
                         &txt.TxtGenre, &txt.TxtStatus, &txt.TxtD3D, &txt.TxtDetails, &txt.TxtTitleUpper}) {
        (*column)[j].clear();
    }
}

std::size_t Slot(int i) { return static_cast<std::size_t>(i); }

// The entries 0..GameLast, never beyond the table.
int LastEntry(const GameTable& games) { return games.GameLast < kTableCapacity ? games.GameLast : kTableCapacity - 1; }

// A join is remembered for the entry's identity: its disc ID, its title, and, for duplicate
// entries, its place among them in the file.
auto Identity(const GameTable& games, int i) {
    return std::make_tuple(games.GameID[Slot(i)], games.GameTitle[Slot(i)], games.GameTwin[Slot(i)]);
}

void SetJoin(ProgramState& state, int i, std::int32_t j) {
    state.games.GameTxtIndex[Slot(i)] = j;
    state.txt.TxtJoins[Identity(state.games, i)] = j;
}

}  // namespace

bool ReadTXT(ProgramState& state, const FailureSink& sink) {
    const std::string path = TxtFilePath(state.folders);
    std::string bytes;
    const std::optional<std::string> found = LocateFile(path);
    std::string error;
    if (!found) {
        error = "cannot open " + path + ": no such file";
    } else {
        FileBytes file = ReadWholeFile(*found);
        if (file.ok) bytes = std::move(file.bytes);
        else error = file.error;
    }
    if (!error.empty() && sink(Failure{error, kReadModule}) == Resolution::Cancel) return false;
    const bool resumed = ReadTXTText(state.games, state.txt, bytes, sink, found ? *found : path);
    if (error.empty()) state.seen.txt = std::move(bytes);
    return resumed;
}

bool ReadTXTText(GameTable& games, CompatibilityTable& txt, std::string_view bytes,
                 const FailureSink& sink, const std::string& path) {
    for (int i = 0; i <= LastEntry(games); ++i) {
        games.GameTitleKey[Slot(i)] = games.GameTitleUpper[Slot(i)];
        games.GameTxtIndex[Slot(i)] = 0;
    }
    txt.TxtJoins.clear();
    txt.TxtCount = 0;
    bool overflowReported = false;
    for (std::string_view line : SplitLines(bytes)) {
        const auto fields = SplitRecord(line);
        if (!fields) continue;
        if (txt.TxtCount >= kTableCapacity) {
            // Reported once; the records that do not fit are left out, never stored beyond.
            if (!overflowReported) {
                overflowReported = true;
                const Failure failure{path + " holds more than " + std::to_string(kTableCapacity) +
                                          " records: the records after the " + std::to_string(kTableCapacity) +
                                          "th are left out",
                                      kReadModule};
                if (sink(failure) == Resolution::Cancel) return false;
            }
            continue;
        }
        const std::size_t j = static_cast<std::size_t>(txt.TxtCount);
        txt.makeRoomFor(j);
        const auto& f = *fields;
        txt.TxtTitle[j] = f[1];
        txt.TxtTitleUpper[j] = UpperCase(f[1]);
        txt.TxtPublisher[j] = f[2];
        txt.TxtProductCode[j] = f[3];
        txt.TxtRegion[j] = f[4];
        txt.TxtGenre[j] = f[5];
        txt.TxtStatus[j] = f[6];
        txt.TxtD3D[j] = f[7].empty() ? std::string("blank") : std::string(f[7]);
        txt.TxtDetails[j] = f[8];
        ++txt.TxtCount;
    }
    txt.makeRoomFor(0);
    ClearRecord(txt, 0);  // record 0, normally the header line, stands for "no record"
    return true;
}

void ReloadTXT(ProgramState& state) {
    CompatibilityTable& txt = state.txt;
    // A title join is the only change a record's key sees: the others are kept as read.
    for (std::int32_t j = 0; j < txt.TxtCount; ++j) {
        std::string& key = txt.TxtTitleUpper[static_cast<std::size_t>(j)];
        if (key == kConsumedTitle) key = UpperCase(txt.TxtTitle[static_cast<std::size_t>(j)]);
    }
    RestoreJoins(state.games, txt);
}

void RestoreJoins(GameTable& games, const CompatibilityTable& txt) {
    // One key whose strings keep their storage from entry to entry: no allocation per entry.
    std::tuple<std::string, std::string, std::int32_t> identity;
    for (int i = 0; i <= LastEntry(games); ++i) {
        games.GameTitleKey[Slot(i)] = games.GameTitleUpper[Slot(i)];
        if (txt.TxtJoins.empty()) {
            games.GameTxtIndex[Slot(i)] = 0;
            continue;
        }
        // Only JoinGame stores a join, always a record read since the joins were last cleared.
        std::get<0>(identity).assign(games.GameID[Slot(i)]);
        std::get<1>(identity).assign(games.GameTitle[Slot(i)]);
        std::get<2>(identity) = games.GameTwin[Slot(i)];
        const auto joined = txt.TxtJoins.find(identity);
        games.GameTxtIndex[Slot(i)] = joined != txt.TxtJoins.end() ? joined->second : 0;
    }
}

std::int32_t JoinGame(ProgramState& state, int i) {
    GameTable& games = state.games;
    CompatibilityTable& txt = state.txt;
    if (i < 0 || i > LastEntry(games)) return 0;
    if (const std::int32_t current = txt.recordOf(games.GameTxtIndex[Slot(i)]); current != 0) return current;
    games.GameTxtIndex[Slot(i)] = 0;

    // By product code: every row with the game's disc ID, in order, and the first record
    // holding its code. Record 0 is the empty record, so the search starts at 1.
    for (std::string_view code : ProductCodesForDiscID(state.discIDs, games.GameID[Slot(i)])) {
        for (std::int32_t j = 1; j < txt.TxtCount; ++j) {
            if (txt.TxtProductCode[static_cast<std::size_t>(j)] == code) {
                SetJoin(state, i, j);
                return j;
            }
        }
    }

    // By title: the longest record title that begins the game's title key, and among equally
    // long ones the first, provided the statuses agree. One pass over the records gives the
    // same answer as trying every prefix length from the longest down.
    const std::string& key = games.GameTitleKey[Slot(i)];
    const Verdict game = GameStatusOf(games.GameFlags[Slot(i)]);
    std::int32_t best = 0;
    std::size_t bestLength = 0;
    for (std::int32_t j = 1; j < txt.TxtCount; ++j) {
        const std::string& title = txt.TxtTitleUpper[static_cast<std::size_t>(j)];
        if (title.size() <= bestLength || title.size() > key.size() || title == kConsumedTitle) continue;
        if (key.compare(0, title.size(), title) != 0) continue;
        if (RecordStatus(txt.TxtStatus[static_cast<std::size_t>(j)]) != game) continue;
        best = j;
        bestLength = title.size();
    }
    if (best == 0) return 0;
    txt.TxtTitleUpper[static_cast<std::size_t>(best)] = kConsumedTitle;
    SetJoin(state, i, best);
    return best;
}

void JoinEveryEntry(ProgramState& state) {
    GameTable& games = state.games;
    CompatibilityTable& txt = state.txt;
    const std::int32_t records = std::clamp(txt.TxtCount, 0, kTableCapacity);
    // The first record of each product code, and the records of each title with the title
    // lengths longest first: what JoinGame's scans would find, found by lookups.
    std::unordered_map<std::string_view, std::int32_t> byCode;
    // Keys of their own: a title join overwrites the key it consumes.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::string, std::vector<std::int32_t>, Hash, std::equal_to<>> byTitle;
    std::vector<std::size_t> lengths;
    for (std::int32_t j = 1; j < records; ++j) {
        byCode.try_emplace(txt.TxtProductCode[static_cast<std::size_t>(j)], j);
        const std::string& title = txt.TxtTitleUpper[static_cast<std::size_t>(j)];
        if (title.empty() || title == kConsumedTitle) continue;
        byTitle[title].push_back(j);
        lengths.push_back(title.size());
    }
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    lengths.erase(std::unique(lengths.begin(), lengths.end()), lengths.end());

    for (int i = 0; i <= LastEntry(games); ++i) {
        if (games.GameTxtIndex[Slot(i)] != 0) continue;
        std::int32_t found = 0;
        for (std::string_view code : ProductCodesForDiscID(state.discIDs, games.GameID[Slot(i)])) {
            if (const auto at = byCode.find(code); at != byCode.end()) {
                found = at->second;
                break;
            }
        }
        if (found == 0) {
            const std::string_view key = games.GameTitleKey[Slot(i)];
            const Verdict game = GameStatusOf(games.GameFlags[Slot(i)]);
            for (const std::size_t length : lengths) {
                if (length > key.size()) continue;
                const auto at = byTitle.find(key.substr(0, length));
                if (at == byTitle.end()) continue;
                for (const std::int32_t j : at->second) {
                    std::string& title = txt.TxtTitleUpper[static_cast<std::size_t>(j)];
                    if (title != kConsumedTitle && RecordStatus(txt.TxtStatus[static_cast<std::size_t>(j)]) == game) {
                        title = kConsumedTitle;
                        found = j;
                        break;
                    }
                }
                if (found != 0) break;
            }
        }
        if (found != 0) SetJoin(state, i, found);
    }
}

}  // namespace tolva
