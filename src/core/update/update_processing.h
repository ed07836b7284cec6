#pragma once
// The update processing: the downloaded update text (bleem!.INI's shape: a version line and
// entries of ID, Title and Flags lines) is read, sorted by upper-case title, and its entries whose
// disc ID the game table lacks are offered as the rows of UpdateFORM, after the version check.
// The window shows the outcome's message and rows; the entries of the rows the user checks are
// handed to the appending writer.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/database/writer.h"
#include "core/state.h"

namespace tolva {

/// Lines an update may hold; a longer one is refused rather than read in part.
inline constexpr int kUpdateLineCapacity = 16384;

enum class UpdateIcon { Critical, Exclamation, Information };
enum class UpdateButtons { Ok, YesNo };

/// A message box as the window shows it: title = the program's title + titleSuffix. Texts are
/// Windows-1252; line breaks are "\n".
struct UpdateMessage {
    std::string titleSuffix;
    std::string text;
    UpdateIcon icon = UpdateIcon::Information;
    UpdateButtons buttons = UpdateButtons::Ok;
};

/// The update's entries sorted by UpdTitleUpper (slots 0..UpdLast), and the rows of the update
/// list: row r shows entry UpdRow[r], for r below UpdCount.
struct UpdateData {
    std::vector<std::string> UpdID;
    std::vector<std::string> UpdTitle;
    std::vector<std::string> UpdTitleUpper;
    std::vector<std::string> UpdFlags;
    std::int32_t UpdLast = -1;
    std::string ServerVersion;  ///< the last VERSION line's value
    std::vector<std::int32_t> UpdRow;
    std::int32_t UpdCount = 0;
};

enum class UpdateOutcome {
    FailedToConnect,   ///< nothing was downloaded, or no update file (no Version, no ID line)
    Refused,           ///< more lines or entries than the update may hold
    AlreadyLatest,     ///< every entry is in the game table already
    WrongFileVersion,  ///< new entries, but made for another bleem! version
    NewEntries,        ///< show the disclaimer, then UpdateFORM with the rows
};

struct UpdateResult {
    UpdateOutcome outcome = UpdateOutcome::FailedToConnect;
    /// The box to show: the outcome's message, or for NewEntries the disclaimer shown before
    /// UpdateFORM opens.
    UpdateMessage message;
    UpdateData update;
    /// The texts of updLIST's rows, in order: title + " (" + status word + ")".
    std::vector<std::string> rows;
};

/// UpdateINI's processing: reads DownloadText and decides what the update offers against the
/// game table. (UpdateINI itself, with its route number, is the window side's.)
UpdateResult ReadUpdate(std::string_view DownloadText, const GameTable& games);

/// Whether text is an update file at all: it holds a Version or an ID line.
bool IsUpdateFile(std::string_view text);

/// The message for a file that is no update file (the update from a file).
UpdateMessage NoUpdateFileMessage(std::string_view name);

/// The row text of an entry: "Title (Yes!)", "Title (Not Yet)" or "Title (Partially)".
std::string UpdateRowText(std::string_view title, std::string_view flags);

/// The entries of the checked rows (checked[r] for row r), in row order, for AppendEntries.
std::vector<IniEntry> CheckedEntries(const UpdateData& update, const std::vector<bool>& checked);

/// The message after the user cancelled the download.
UpdateMessage UpdateCancelledMessage();

/// The message of a socket error during the download ("tolva! Can't connect", critical).
UpdateMessage DownloadErrorMessage(std::string_view source, std::string_view description);

}  // namespace tolva
