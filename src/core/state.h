#pragma once
// The program-wide state: one object owned by the application and handed by reference to every
// procedure that reads or changes it. Strings hold Windows-1252 bytes exactly as in the files;
// paths are UTF-8 in the platform's native form.
#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tolva {

/// Capacity of the game table and of the compatibility table.
inline constexpr int kTableCapacity = 4096;

/// The slots a table of `held` slots grows to so that it holds slot `at`: twice as many, at least
/// 64, no more than the capacity.
inline std::size_t SlotsToHold(std::size_t at, std::size_t held) {
    return std::max(at + 1, std::clamp<std::size_t>(2 * held, 64, kTableCapacity));
}

/// Title given to an entry without a Title line.
inline constexpr const char* kUnknownTitle = "*** Unknown ***";

/// The active entries of bleem!.INI, sorted by upper-case title. Slots 0..GameLast are meaningful.
struct GameTable {
    GameTable() = default;
    /// A table of fewer slots, for entries known to be fewer than the capacity (an update's).
    explicit GameTable(std::size_t slots)
        : GameID(slots), GameTitle(slots), GameFlags(slots), GameTitleUpper(slots), GameTitleKey(slots),
          GameTxtIndex(slots, 0), GameTwin(slots, 0) {}

    /// Grows every column to hold slot `at` (a read fills the table from slot 0 up).
    void makeRoomFor(std::size_t at) {
        if (at < GameID.size()) return;
        const std::size_t slots = SlotsToHold(at, GameID.size());
        for (auto* column : {&GameID, &GameTitle, &GameFlags, &GameTitleUpper, &GameTitleKey}) column->resize(slots);
        GameTxtIndex.resize(slots, 0);
        GameTwin.resize(slots, 0);
    }

    std::vector<std::string> GameID = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> GameTitle = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> GameFlags = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> GameTitleUpper = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> GameTitleKey = std::vector<std::string>(kTableCapacity);
    std::vector<std::int32_t> GameTxtIndex = std::vector<std::int32_t>(kTableCapacity, 0);
    /// How many entries before this one in the file have its disc ID and title: tells the joins
    /// of duplicate entries apart (the table's order among equal titles can change with a re-read).
    std::vector<std::int32_t> GameTwin = std::vector<std::int32_t>(kTableCapacity, 0);
    std::int32_t GameLast = -1;
    std::string IniVersion;
    /// The last ReadINI met more entries than the table holds, or could not read the file
    /// whole: nothing may be written back from this table.
    bool Truncated = false;

    int count() const { return GameLast + 1; }
};

/// The records of Compatibility.TXT; record 0 is the empty record.
struct CompatibilityTable {
    CompatibilityTable() = default;
    /// A table of fewer slots; the first is record 0, the empty record.
    explicit CompatibilityTable(std::size_t slots)
        : TxtTitle(slots), TxtPublisher(slots), TxtProductCode(slots), TxtRegion(slots), TxtGenre(slots),
          TxtStatus(slots), TxtD3D(slots), TxtDetails(slots), TxtTitleUpper(slots) {}

    /// Grows every column to hold record `at`, as GameTable::makeRoomFor does.
    void makeRoomFor(std::size_t at) {
        if (at < TxtTitle.size()) return;
        const std::size_t slots = SlotsToHold(at, TxtTitle.size());
        for (auto* column : {&TxtTitle, &TxtPublisher, &TxtProductCode, &TxtRegion, &TxtGenre, &TxtStatus, &TxtD3D,
                             &TxtDetails, &TxtTitleUpper})
            column->resize(slots);
    }

    std::vector<std::string> TxtTitle = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> TxtPublisher = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> TxtProductCode = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> TxtRegion = std::vector<std::string>(kTableCapacity);
    /// Field 5, the genre: kept for the games table, read by nothing of the main window's.
    std::vector<std::string> TxtGenre = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> TxtStatus = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> TxtD3D = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> TxtDetails = std::vector<std::string>(kTableCapacity);
    std::vector<std::string> TxtTitleUpper = std::vector<std::string>(kTableCapacity);
    std::int32_t TxtCount = 0;
    /// Every join made since the file was read, by its game's disc ID, title and GameTwin: a
    /// re-read of bleem!.INI moves entries to other slots, and this gives each one its own join back.
    std::map<std::tuple<std::string, std::string, std::int32_t>, std::int32_t> TxtJoins;

    /// The record a join names, or 0 (no record) when it names the empty record or none of the
    /// records read: whatever a slot holds, nothing past them is ever read.
    std::int32_t recordOf(std::int32_t join) const {
        return join > 0 && join < std::min(TxtCount, kTableCapacity) ? join : 0;
    }
};

/// Number of rows of the disc ID table.
inline constexpr int kDiscIDCount = 1551;

/// Pairs each disc ID with its product code: every row is the ten-digit disc ID followed
/// directly by the product code. Filled once by InitDiscIDs, read-only afterwards.
struct DiscIDTable {
    std::vector<std::string> rows;
    /// Marks the rows whose disc ID had to be invented (parallel to rows; a table without marks
    /// has none): they never answer a lookup by product code.
    std::vector<bool> inventedDiscID;
    /// Row indexes ordered by disc ID, equal disc IDs in index order: a join looks its game up
    /// here instead of scanning 1551 rows.
    std::vector<std::int32_t> byDiscID;
};

/// Where bleem!'s files are and whether the compatibility data is used.
struct Folders {
    std::string AppPath;  ///< the program's folder, always ending in the native separator
    std::string IniPath;  ///< folder of bleem!.INI, as NormalFolder keeps it (no trailing separator)
    std::string TxtPath;  ///< folder of Compatibility.TXT, the same way
    bool TxtUpdate = true;  ///< "Automatic Compatibility Reload" is on
    std::string HistoryPath;  ///< the user's folder keeping bleem!.INI's versions; empty: none kept
};

/// Shared by the Add/Edit wizard's pages, the entry writer and the tool wizards.
struct WizardState {
    bool WizardActive = false;
    bool EditMode = false;
    std::string EditTitle;
    std::string EditID;
    std::string EditFlags;
    int ActivePage = 0;
};

/// Handed from the download windows to the update processing.
struct UpdateValues {
    std::string DownloadText;
    bool DownloadDone = false;
};

/// bleem!.INI and Compatibility.TXT as the program last read or wrote them (none until read):
/// bytes on disk that differ were written by another program since.
struct FilesSeen {
    std::optional<std::string> ini;
    std::optional<std::string> txt;
};

struct ProgramState {
    // The tables grow to what the files hold as they are read: 4096 empty slots of every column
    // cost a start on a small file more than reading it. Record 0, the empty record, is there
    // from the start (the details view shows it when the compatibility data is off).
    GameTable games{0};
    CompatibilityTable txt{1};
    DiscIDTable discIDs;
    Folders folders;
    WizardState wizard;
    UpdateValues update;
    FilesSeen seen;
};

}  // namespace tolva
