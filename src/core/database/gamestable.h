#pragma once
// The games table: every entry of the game table beside its compatibility record. The joins are
// made on a copy of the tables, so the main window's GameTxtIndex values and consumed title keys,
// and with them its details and what Clean Up writes, stay exactly as they were. The copy keeps
// the joins already made and the keys already consumed, then joins every other entry in table
// order, as the details view would if the rows were clicked from the top down.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/database/gamelist.h"
#include "core/state.h"

namespace tolva {

/// The summary's three kinds, decided by the flags word's first character as the counts are.
enum class GameStatus { Yes, Partial, NotYet };
GameStatus StatusOf(std::string_view flags);
/// "Yes", "Partial", "Not Yet": the summary's words.
const char* StatusWord(GameStatus status);

enum class GamesColumn { Title, DiscID, Status, ProductCode, Publisher, Region, Genre, Direct3D, Details };
inline constexpr int kGamesColumns = 9;
/// The column's header: "Title", "Disc ID", ..., "Details".
const char* ColumnName(GamesColumn column);

/// The copy of the tables with every entry joined.
struct JoinedGames {
    ProgramState tables;

    int count() const { return tables.games.count(); }
    /// The record row joins; 0 (the empty record) when none or when the compatibility data is off.
    std::int32_t record(int row) const;
    /// What the table shows in a cell (Windows-1252). Direct3D reads as the details view's
    /// picture: "Yes" for Direct3D, "No" for no Direct3D, "" when it shows none.
    std::string_view cell(int row, GamesColumn column) const;
};

/// Copies the tables from state and joins every entry not joined yet, row 0 first; state is
/// only read. With the compatibility data switched off nothing is joined.
JoinedGames JoinEveryGame(const ProgramState& state);

/// Which rows the table shows.
struct GamesFilter {
    /// Yes and No: the Direct3D column says so; a row that says nothing is shown only with Any.
    enum class Direct3D { Any, Yes, No };
    std::string search;                         ///< the search box's text, Windows-1252
    std::array<bool, 3> statuses{true, true, true};  ///< Yes, Partial, Not Yet shown
    std::optional<std::string> region, genre;   ///< a value the column must hold; none: any
    Direct3D direct3d = Direct3D::Any;
};

struct ShownGames {
    std::vector<char> shown;  ///< per row of the table
    SummaryCounts counts;     ///< of the shown rows
};
ShownGames FilterGames(const JoinedGames& games, const GamesFilter& filter);

/// Rows of cells as delimited text: a cell holding the separator, a quote, a line break, or a
/// space at either end is quoted, its quotes doubled (RFC 4180); each line ends in lineEnd.
std::string DelimitedText(const std::vector<std::vector<std::string_view>>& rows, char separator,
                          std::string_view lineEnd);

/// Rows (a header row first) in the exports' CSV form: UTF-8 with a byte-order mark, commas, CR LF;
/// cp1252 says the cells hold Windows-1252 bytes, else they are UTF-8 already.
std::string CsvExport(const std::vector<std::vector<std::string_view>>& rows, bool cp1252);

/// The export of rows (in that order): UTF-8 with a byte-order mark, a header row, commas, CR LF.
/// The header row is header (Windows-1252, a name per column) when given, else the columns' names.
std::string GamesCsv(const JoinedGames& games, const std::vector<int>& rows, const std::vector<std::string>& header = {});

/// rows as tab-separated lines for the clipboard (Windows-1252, no header, LF).
std::string GamesTsv(const JoinedGames& games, const std::vector<int>& rows);

}  // namespace tolva
