#pragma once
// The repair wizard's search of the game table for three kinds of fault: entries sharing a disc
// ID, disc IDs that are not ten-digit numbers, and flags words that break the digit rules. The
// search only reads. The entries the user marks on the wizard's pages are disabled at its Finish,
// all in one atomic rewrite of bleem!.INI.
#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/files.h"
#include "core/database/writer.h"
#include "core/failure.h"
#include "core/state.h"

namespace tolva {

/// Findings of one kind the work storage keeps at most; further ones are only counted.
inline constexpr std::size_t kRepairCapacity = 2048;

/// The line between two duplicate pairs on the wizard's page 2 (34 hyphens).
inline constexpr std::string_view kRepairSeparator = "----------------------------------";

/// The work storage of one search: copies of the table taken when it starts, and the positions
/// (game table indexes) of what it found, in ascending order.
struct RepairStore {
    std::vector<std::string> RepairTitle;
    std::vector<std::string> RepairID;
    std::vector<std::string> RepairFlags;
    std::vector<int> DupFirst;   ///< pair k: DupFirst[k] < DupSecond[k]
    std::vector<int> DupSecond;
    std::vector<int> WrongID;
    std::vector<int> WrongFlags;
    /// Findings beyond kRepairCapacity, counted but not kept.
    std::size_t DupDropped = 0;
    std::size_t WrongIDDropped = 0;
    std::size_t WrongFlagsDropped = 0;

    int DupCount() const { return static_cast<int>(DupFirst.size()); }
    int WrongIDCount() const { return static_cast<int>(WrongID.size()); }
    int WrongFlagsCount() const { return static_cast<int>(WrongFlags.size()); }
    int entries() const { return static_cast<int>(RepairID.size()); }
};

/// The phases of the search, in the order they run.
enum class RepairPhase { Duplicates, WrongIDs, WrongFlags };

/// Copies title, disc ID and flags of entries 0..GameLast and clears every finding.
void CopyForRepair(const GameTable& games, RepairStore& store);

/// Every pair of entries with exactly the same disc ID text, ordered by first, then second entry.
void FindDuplicates(RepairStore& store);
/// Every entry whose disc ID fails WrongDiscID.
void FindWrongIDs(RepairStore& store);
/// Every entry whose flags word fails a position rule, once per entry.
void FindWrongFlags(RepairStore& store);

/// The whole search. announce is called before each phase; when it answers false the search
/// stops there (the wizard was left meanwhile) and the result is false.
bool RunRepairSearch(const GameTable& games, RepairStore& store,
                     const std::function<bool(RepairPhase)>& announce);

/// A text read as a number: blanks (spaces and tabs) anywhere are skipped; then an optional
/// sign, digits, an optional decimal point with digits and an optional exponent; reading stops
/// at the first other character. A text without a number reads as 0; beyond the range of a
/// double it reads as an infinity of its sign.
double ReadNumber(std::string_view text);

/// A number in its shortest decimal form: no leading zeros, a sign only when negative, fifteen
/// significant digits, the exponent form ("1E+16") only beyond fifteen digits.
std::string NumberText(double value);

/// A disc ID is wrong unless the number read from it, written back, is exactly ten digits
/// ("0172831837" reads as nine digits and is wrong; "4294967295" passes).
bool WrongDiscID(std::string_view id);

/// The positions (1 to 8) whose character breaks its rule, in ascending order; empty when the
/// word passes. The ninth character is not examined.
std::vector<int> WrongFlagsPositions(std::string_view flags);

/// One line of a page's list (pages 2 to 4, after the search on page 1): its text and the entry it stands for (-1 for the separator).
struct RepairLine {
    std::string text;
    int entry = -1;
};

/// Page 2: the two titles of every duplicate pair, pairs divided by the separator line (none
/// after the last pair).
std::vector<RepairLine> DuplicateLines(const RepairStore& store);

/// Page 3: each entry with a wrong disc ID, not yet marked, as its disc ID and title in columns.
std::vector<RepairLine> WrongIDLines(const RepairStore& store, const std::set<int>& marked);

/// Page 4: each entry with a wrong flags word, not yet marked, as its flags word and title.
std::vector<RepairLine> WrongFlagsLines(const RepairStore& store, const std::set<int>& marked);

/// A click on a line of page 2 ticks its entry, or unticks it when it was ticked; every line of
/// that entry follows. The separator line never keeps a tick.
void ClickDuplicateLine(const RepairLine& line, std::set<int>& marked);

/// Whether a line of page 2 shows a tick.
inline bool LineTicked(const RepairLine& line, const std::set<int>& marked) {
    return line.entry >= 0 && marked.count(line.entry) > 0;
}

/// The marked entries as they were loaded: disc ID, title and flags of each.
std::vector<IniEntry> MarkedEntries(const RepairStore& store, const std::set<int>& marked);

/// The file with each given entry disabled: ";" before its ID line and before every Title and
/// Flags line of its block (so no line of it is read as another entry's). An entry is found as
/// the last block whose values, read as the loader reads them, equal it and that no earlier
/// given entry claimed. Refused, changing nothing, when any entry is not found or the file holds
/// more lines than the line buffer.
EditedText DisableEntriesText(std::string_view file, const std::vector<IniEntry>& entries);

/// Disables the entries in bleem!.INI through RewriteINI. Failures go to sink without a module
/// (the caller names its handler). Returns false when the sink answered Cancel.
bool DisableEntries(ProgramState& state, const std::vector<IniEntry>& entries, const FailureSink& sink,
                    const RewriteSeams& seams = {});

}  // namespace tolva
