#pragma once
// The disc ID table: bleem! knows a disc by its disc ID, Compatibility.TXT and the game
// information pages by its product code. Lookups answer as a scan in index order would, so the
// first of several matching rows wins; the lookups by disc ID go through the table's index.
#include <string>
#include <string_view>
#include <vector>

#include "core/state.h"

namespace tolva {

/// Fills all rows of the table in index order, and its index by disc ID (once, at start-up).
void InitDiscIDs(DiscIDTable& table);

/// The disc ID of a row: its first ten characters.
std::string_view RowDiscID(std::string_view row);

/// The product code of a row: its text from the eleventh character on.
std::string_view RowProductCode(std::string_view row);

/// The product code of the first row with this disc ID, or "" when none has it.
std::string ProductCodeForDiscID(const DiscIDTable& table, std::string_view discID);

/// The product codes of every row with this disc ID, in index order (views into the table).
std::vector<std::string_view> ProductCodesForDiscID(const DiscIDTable& table, std::string_view discID);

/// The disc ID of the first row with this product code whose disc ID is not invented, or "".
std::string DiscIDForProductCode(const DiscIDTable& table, std::string_view productCode);

/// The disc IDs of every row with this product code whose disc ID is not invented, in index order.
std::vector<std::string> DiscIDsForProductCode(const DiscIDTable& table, std::string_view productCode);

/// A product code in any common spelling ("SLUS-00707", "slus_007.07", "SLUS00707"): four
/// letters and five digits, with "-", "_", "." or " " anywhere between, written as "SLUS-00707";
/// "" when the text is no product code.
std::string NormalProductCode(std::string_view text);

/// Whether text is a disc ID: exactly ten digits.
bool IsDiscID(std::string_view text);

/// The game information page of a product code; bytes that have no place in an address are
/// percent-encoded, so a code read from Compatibility.TXT cannot change the address's meaning.
std::string GameInfoAddress(std::string_view productCode);

/// The product code "More information about the selected game" uses for game i: the disc ID
/// table's first match, else, while TxtUpdate is on, the joined record's code; "" when unknown
/// (or i is no entry).
std::string MoreInformationCode(const ProgramState& state, int i);

/// GameInfoAddress of MoreInformationCode, or "" when the code is not known.
std::string MoreInformationAddress(const ProgramState& state, int i);

}  // namespace tolva
