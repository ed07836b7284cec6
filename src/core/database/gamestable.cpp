#include "core/database/gamestable.h"

#include "core/database/compatibility.h"
#include "core/text/cp1252.h"

namespace tolva {
namespace {

constexpr std::array<const char*, kGamesColumns> kColumnNames = {
    "Title", "Disc ID", "Status", "Product Code", "Publisher", "Region", "Genre", "Direct3D", "Details"};

std::size_t Slot(int i) { return static_cast<std::size_t>(i); }

bool NeedsQuotes(std::string_view cell, char separator) {
    if (cell.empty()) return false;
    return cell.front() == ' ' || cell.back() == ' ' ||
           cell.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos;
}

std::vector<std::vector<std::string_view>> Cells(const JoinedGames& games, const std::vector<int>& rows) {
    std::vector<std::vector<std::string_view>> cells;
    cells.reserve(rows.size());
    for (const int row : rows) {
        std::vector<std::string_view>& line = cells.emplace_back();
        for (int c = 0; c < kGamesColumns; ++c) line.push_back(games.cell(row, static_cast<GamesColumn>(c)));
    }
    return cells;
}

}  // namespace

GameStatus StatusOf(std::string_view flags) {
    const char first = flags.empty() ? '\0' : flags.front();
    return first == '8' ? GameStatus::Yes : first == '4' ? GameStatus::NotYet : GameStatus::Partial;
}

const char* StatusWord(GameStatus status) {
    switch (status) {
    case GameStatus::Yes: return "Yes";
    case GameStatus::Partial: return "Partial";
    case GameStatus::NotYet: return "Not Yet";
    }
    return "";
}

const char* ColumnName(GamesColumn column) { return kColumnNames[static_cast<std::size_t>(column)]; }

std::int32_t JoinedGames::record(int row) const {
    if (!tables.folders.TxtUpdate) return 0;
    return tables.txt.recordOf(tables.games.GameTxtIndex[Slot(row)]);
}

std::string_view JoinedGames::cell(int row, GamesColumn column) const {
    const GameTable& games = tables.games;
    const CompatibilityTable& txt = tables.txt;
    const auto k = static_cast<std::size_t>(record(row));
    switch (column) {
    case GamesColumn::Title: return games.GameTitle[Slot(row)];
    case GamesColumn::DiscID: return games.GameID[Slot(row)];
    case GamesColumn::Status: return StatusWord(StatusOf(games.GameFlags[Slot(row)]));
    case GamesColumn::ProductCode: return txt.TxtProductCode[k];
    case GamesColumn::Publisher: return txt.TxtPublisher[k];
    case GamesColumn::Region: return txt.TxtRegion[k];
    case GamesColumn::Genre: return txt.TxtGenre[k];
    case GamesColumn::Details: return txt.TxtDetails[k];
    case GamesColumn::Direct3D: {
        // As the details view decides its picture.
        if (!tables.folders.TxtUpdate) return "";
        if (!txt.TxtD3D[k].empty()) return txt.TxtD3D[k] == "blank" ? "No" : "Yes";
        const std::string& flags = games.GameFlags[Slot(row)];
        return !flags.empty() && flags.front() == '4' ? "No" : "";
    }
    }
    return "";
}

JoinedGames JoinEveryGame(const ProgramState& state) {
    JoinedGames joined;
    ProgramState& copy = joined.tables;
    copy.games = state.games;
    copy.txt = state.txt;
    copy.discIDs = state.discIDs;
    copy.folders = state.folders;
    if (copy.folders.TxtUpdate) JoinEveryEntry(copy);
    return joined;
}

ShownGames FilterGames(const JoinedGames& games, const GamesFilter& filter) {
    ShownGames result{MatchingRows(games.tables, filter.search), {}};
    const auto holds = [&](int row, GamesColumn column, const std::optional<std::string>& wanted) {
        return !wanted || games.cell(row, column) == *wanted;
    };
    for (int row = 0; row < games.count(); ++row) {
        char& shown = result.shown[Slot(row)];
        const GameStatus status = StatusOf(games.tables.games.GameFlags[Slot(row)]);
        const std::string_view d3d = games.cell(row, GamesColumn::Direct3D);
        shown = shown && filter.statuses[static_cast<std::size_t>(status)] &&
                holds(row, GamesColumn::Region, filter.region) && holds(row, GamesColumn::Genre, filter.genre) &&
                (filter.direct3d == GamesFilter::Direct3D::Any ||
                 d3d == (filter.direct3d == GamesFilter::Direct3D::Yes ? "Yes" : "No"));
        if (!shown) continue;
        ++(status == GameStatus::Yes ? result.counts.YesCount
           : status == GameStatus::NotYet ? result.counts.NoCount
                                           : result.counts.PartCount);
    }
    return result;
}

std::string DelimitedText(const std::vector<std::vector<std::string_view>>& rows, char separator,
                          std::string_view lineEnd) {
    std::string text;
    for (const std::vector<std::string_view>& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) text += separator;
            const std::string_view cell = row[c];
            if (!NeedsQuotes(cell, separator)) {
                text += cell;
                continue;
            }
            text += '"';
            for (const char ch : cell) {
                if (ch == '"') text += '"';
                text += ch;
            }
            text += '"';
        }
        text += lineEnd;
    }
    return text;
}

std::string GamesCsv(const JoinedGames& games, const std::vector<int>& rows, const std::vector<std::string>& header) {
    std::vector<std::vector<std::string_view>> cells = Cells(games, rows);
    if (header.size() == kColumnNames.size())
        cells.insert(cells.begin(), std::vector<std::string_view>(header.begin(), header.end()));
    else
        cells.insert(cells.begin(), std::vector<std::string_view>(kColumnNames.begin(), kColumnNames.end()));
    return CsvExport(cells, true);
}

std::string CsvExport(const std::vector<std::vector<std::string_view>>& rows, bool cp1252) {
    const std::string text = DelimitedText(rows, ',', "\r\n");
    return "\xEF\xBB\xBF" + (cp1252 ? Cp1252ToUtf8(text) : text);
}

std::string GamesTsv(const JoinedGames& games, const std::vector<int>& rows) {
    return DelimitedText(Cells(games, rows), '\t', "\n");
}

}  // namespace tolva
