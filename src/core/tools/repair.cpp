// How the search works. It runs on copies of the table's three columns, so nothing the user does
// between its phases can change what one phase sees. Duplicates group the entries by their exact
// disc ID text and list, for every entry, the later entries of its group: the same pairs, in the
// same order (by first entry, then second), as comparing every pair, without the 8.4 million
// comparisons of a full table. The disc ID test reads the ID as a number and writes it back; the
// flags test checks one character per position.
#include "core/tools/repair.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <unordered_map>

#include "core/database/iniline.h"
#include "core/games/flags.h"
#include "core/text/cp1252.h"
#include "core/files/files.h"

namespace tolva {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

/// Records a finding, or only counts it once the store is full.
void Keep(std::vector<int>& found, std::size_t& dropped, int entry) {
    if (found.size() < kRepairCapacity)
        found.push_back(entry);
    else
        ++dropped;
}

/// Exponents are clamped far beyond any double's range, so a long exponent cannot overflow.
constexpr long kExponentClamp = 100000;

/// The power of ten of the first significant digit, for telling overflow from underflow.
long Magnitude(const std::string& intDigits, const std::string& fracDigits, long exponent) {
    const auto firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string::npos) return static_cast<long>(intDigits.size() - firstInt) + exponent;
    const auto firstFrac = fracDigits.find_first_not_of('0');
    return -static_cast<long>(firstFrac == std::string::npos ? 0 : firstFrac) + exponent;
}

std::string Padded(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

/// Lines "column  title" for the entries of one finding that are not marked yet.
std::vector<RepairLine> ColumnLines(const RepairStore& store, const std::vector<int>& found,
                                    const std::vector<std::string>& column, std::size_t minimumWidth,
                                    const std::set<int>& marked) {
    std::size_t width = minimumWidth;
    for (const int entry : found) width = std::max(width, column[static_cast<std::size_t>(entry)].size() + 2);
    std::vector<RepairLine> lines;
    for (const int entry : found) {
        if (marked.count(entry)) continue;
        const auto at = static_cast<std::size_t>(entry);
        lines.push_back({Padded(column[at], width) + store.RepairTitle[at], entry});
    }
    return lines;
}

/// One entry of the file as the loader reads it: the block from its ID line to the next.
struct Block {
    std::vector<std::size_t> keyLines;  // the ID line and every Title and Flags line
    std::string_view id;
    std::string_view title = kUnknownTitle;
    std::string_view flags;
    bool claimed = false;
};

EditedText Refuse(std::string why) {
    EditedText result;
    result.error = std::move(why);
    return result;
}

}  // namespace

void CopyForRepair(const GameTable& games, RepairStore& store) {
    const auto count = static_cast<std::size_t>(std::clamp(games.GameLast + 1, 0, kTableCapacity));
    store = RepairStore{};
    store.RepairTitle.assign(games.GameTitle.begin(), games.GameTitle.begin() + static_cast<long>(count));
    store.RepairID.assign(games.GameID.begin(), games.GameID.begin() + static_cast<long>(count));
    store.RepairFlags.assign(games.GameFlags.begin(), games.GameFlags.begin() + static_cast<long>(count));
}

void FindDuplicates(RepairStore& store) {
    store.DupFirst.clear();
    store.DupSecond.clear();
    store.DupDropped = 0;
    std::unordered_map<std::string_view, std::vector<int>> groups;
    std::vector<std::size_t> placeInGroup(store.RepairID.size());
    for (std::size_t i = 0; i < store.RepairID.size(); ++i) {
        std::vector<int>& group = groups[store.RepairID[i]];
        placeInGroup[i] = group.size();
        group.push_back(static_cast<int>(i));
    }
    for (std::size_t i = 0; i < store.RepairID.size(); ++i) {
        const std::vector<int>& group = groups[store.RepairID[i]];
        for (std::size_t k = placeInGroup[i] + 1; k < group.size(); ++k) {
            if (store.DupFirst.size() < kRepairCapacity) {
                store.DupFirst.push_back(static_cast<int>(i));
                store.DupSecond.push_back(group[k]);
            } else {
                ++store.DupDropped;
            }
        }
    }
}

void FindWrongIDs(RepairStore& store) {
    store.WrongID.clear();
    store.WrongIDDropped = 0;
    for (std::size_t i = 0; i < store.RepairID.size(); ++i)
        if (WrongDiscID(store.RepairID[i])) Keep(store.WrongID, store.WrongIDDropped, static_cast<int>(i));
}

void FindWrongFlags(RepairStore& store) {
    store.WrongFlags.clear();
    store.WrongFlagsDropped = 0;
    for (std::size_t i = 0; i < store.RepairFlags.size(); ++i)
        if (!WrongFlagsPositions(store.RepairFlags[i]).empty())
            Keep(store.WrongFlags, store.WrongFlagsDropped, static_cast<int>(i));
}

bool RunRepairSearch(const GameTable& games, RepairStore& store, const std::function<bool(RepairPhase)>& announce) {
    CopyForRepair(games, store);
    if (announce && !announce(RepairPhase::Duplicates)) return false;
    FindDuplicates(store);
    if (announce && !announce(RepairPhase::WrongIDs)) return false;
    FindWrongIDs(store);
    if (announce && !announce(RepairPhase::WrongFlags)) return false;
    FindWrongFlags(store);
    return true;
}

double ReadNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t') s.push_back(c);

    std::size_t k = 0;
    bool negative = false;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) negative = s[k++] == '-';
    std::string intDigits;
    std::string fracDigits;
    while (k < s.size() && IsDigit(s[k])) intDigits.push_back(s[k++]);
    if (k < s.size() && s[k] == '.') {
        ++k;
        while (k < s.size() && IsDigit(s[k])) fracDigits.push_back(s[k++]);
    }
    if (intDigits.empty() && fracDigits.empty()) return 0.0;

    long exponent = 0;
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        std::size_t m = k + 1;
        bool exponentNegative = false;
        if (m < s.size() && (s[m] == '+' || s[m] == '-')) exponentNegative = s[m++] == '-';
        while (m < s.size() && IsDigit(s[m])) exponent = std::min(exponent * 10 + (s[m++] - '0'), kExponentClamp);
        if (exponentNegative) exponent = -exponent;
    }

    const std::string plain = (intDigits.empty() ? std::string("0") : intDigits) +
                              (fracDigits.empty() ? std::string() : "." + fracDigits) + "e" +
                              std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = Magnitude(intDigits, fracDigits, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

std::string NumberText(double value) {
    if (value == 0.0) return "0";  // negative zero too
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (std::isnan(value)) return "NaN";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

bool WrongDiscID(std::string_view id) {
    const std::string written = NumberText(ReadNumber(id));
    // Ten characters alone would let "-123456789" or "12345.6789" pass as a ten-digit number.
    return written.size() != 10 || !std::all_of(written.begin(), written.end(), IsDigit);
}

std::vector<int> WrongFlagsPositions(std::string_view flags) {
    const char status = FlagsPosition(flags, 1);
    // A remark is consistent only with "works partially": a working entry keeps "8" only while
    // positions 3 to 8 are all "0", and a non-working one is written as "40000000H".
    const auto remark = [status](char value, char highest) {
        return value == '0' || (value >= '1' && value <= highest && status == '0');
    };
    const auto oneOf = [](char value, std::string_view allowed) {
        return value != '\0' && allowed.find(value) != std::string_view::npos;
    };
    const auto passes = [&](int position, char value) {
        switch (position) {
            case 1: return oneOf(value, "048");
            case 2: return oneOf(value, "0123567");
            case 3: return remark(value, '3');
            case 4: return remark(value, '4');
            case 5: return remark(value, '6');
            case 7: return remark(value, '2');
            default: return value == '0';  // 6 and 8 carry nothing
        }
    };
    std::vector<int> wrong;
    for (int position = 1; position <= 8; ++position)
        if (!passes(position, FlagsPosition(flags, position))) wrong.push_back(position);
    return wrong;
}

std::vector<RepairLine> DuplicateLines(const RepairStore& store) {
    std::vector<RepairLine> lines;
    for (int k = 0; k < store.DupCount(); ++k) {
        if (k > 0) lines.push_back({std::string(kRepairSeparator), -1});
        const int first = store.DupFirst[static_cast<std::size_t>(k)];
        const int second = store.DupSecond[static_cast<std::size_t>(k)];
        lines.push_back({store.RepairTitle[static_cast<std::size_t>(first)], first});
        lines.push_back({store.RepairTitle[static_cast<std::size_t>(second)], second});
    }
    return lines;
}

std::vector<RepairLine> WrongIDLines(const RepairStore& store, const std::set<int>& marked) {
    return ColumnLines(store, store.WrongID, store.RepairID, 12, marked);
}

std::vector<RepairLine> WrongFlagsLines(const RepairStore& store, const std::set<int>& marked) {
    return ColumnLines(store, store.WrongFlags, store.RepairFlags, 11, marked);
}

void ClickDuplicateLine(const RepairLine& line, std::set<int>& marked) {
    if (line.entry < 0) return;
    if (!marked.erase(line.entry)) marked.insert(line.entry);
}

std::vector<IniEntry> MarkedEntries(const RepairStore& store, const std::set<int>& marked) {
    std::vector<IniEntry> entries;
    for (const int entry : marked) {
        if (entry < 0 || entry >= store.entries()) continue;
        const auto at = static_cast<std::size_t>(entry);
        entries.push_back({store.RepairID[at], store.RepairTitle[at], store.RepairFlags[at]});
    }
    return entries;
}

EditedText DisableEntriesText(std::string_view file, const std::vector<IniEntry>& entries) {
    const std::vector<std::string_view> lines = SplitLineViews(file);
    if (lines.size() > kIniLineCapacity) {
        return Refuse("the file has " + std::to_string(lines.size()) + " lines, more than the " +
                      std::to_string(kIniLineCapacity) + " a change can hold");
    }
    std::vector<Block> blocks;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const IniKey key = ClassifyIniLine(lines[k]);
        if (key == IniKey::ID) {
            Block block;
            block.keyLines.push_back(k);
            block.id = IniLineValue(lines[k]);
            blocks.push_back(std::move(block));
        } else if ((key == IniKey::Title || key == IniKey::Flags) && !blocks.empty()) {
            Block& block = blocks.back();
            block.keyLines.push_back(k);
            (key == IniKey::Title ? block.title : block.flags) = IniLineValue(lines[k]);
        }
    }

    std::vector<bool> disable(lines.size(), false);
    for (const IniEntry& entry : entries) {
        auto found = std::find_if(blocks.rbegin(), blocks.rend(), [&entry](const Block& block) {
            return !block.claimed && block.id == entry.ID && block.title == entry.Title && block.flags == entry.Flags;
        });
        if (found == blocks.rend()) {
            return Refuse("the entry with the disc ID " + entry.ID + " titled \"" + entry.Title +
                          "\" is no longer in the file as it was loaded");
        }
        found->claimed = true;
        for (const std::size_t k : found->keyLines) disable[k] = true;
    }

    EditedText result;
    result.ok = true;
    result.bytes.reserve(file.size() + entries.size() * 3 + lines.size() * 2);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (disable[k]) result.bytes += ';';
        result.bytes += lines[k];
        result.bytes += "\r\n";
    }
    return result;
}

bool DisableEntries(ProgramState& state, const std::vector<IniEntry>& entries, const FailureSink& sink,
                    const RewriteSeams& seams) {
    if (entries.empty()) return true;
    const IniChange disable{"Repair: " + std::to_string(entries.size()) + " entries", "cannot disable the entries in",
                            {}, [&](std::string_view bytes) { return DisableEntriesText(bytes, entries); }};
    return RewriteINI(state, disable, sink, seams);
}

}  // namespace tolva
