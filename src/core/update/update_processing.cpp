#include "core/update/update_processing.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "core/database/gametable.h"
#include "core/database/iniline.h"
#include "core/text/cp1252.h"

namespace tolva {
namespace {

UpdateResult Ending(UpdateOutcome outcome, UpdateMessage message) {
    UpdateResult result;
    result.outcome = outcome;
    result.message = std::move(message);
    return result;
}

UpdateMessage FailedToConnectMessage() {
    return {" Can't connect",
            "tolva! failed to connect to the server.\n\nPlease establish a internet connection "
            "first, before you run tolva! Online Update. When you have any further problems, "
            "please check your modem and internet settings.",
            UpdateIcon::Critical, UpdateButtons::Ok};
}

UpdateMessage RefusedMessage(const std::string& what) {
    return {" Online Update",
            "The update on the server holds more than " + what +
                ", more than tolva! can take.\n\nNothing was changed.",
            UpdateIcon::Exclamation, UpdateButtons::Ok};
}

UpdateMessage AlreadyLatestMessage() {
    return {" - No update available", "You're already using the latest ini update.",
            UpdateIcon::Information, UpdateButtons::Ok};
}

UpdateMessage WrongVersionMessage(const std::string& iniVersion, const std::string& serverVersion) {
    return {" Update - Wrong file version",
            "Your ini file doesn't match with the current version on the server.\n"
            "Please check if a new bleem! version is avaible\n"
            "Your version :" + iniVersion + "\n"
            "The version on the server :" + serverVersion + "\n",
            UpdateIcon::Exclamation, UpdateButtons::YesNo};
}

UpdateMessage DisclaimerMessage() {
    return {"",
            "We are not responsible for any incorrect information; all information is directly "
            "coming from bleem!, inc. or sent to us by tolva! users via the 'Mail to tolva!' "
            "function. However, if you find an entry to be incorrect, please send us a corrected "
            "entry.\nThank you for your support.",
            UpdateIcon::Information, UpdateButtons::Ok};
}

/// Reads the update's entries into a table of bleem!.INI's shape, so that the game table's
/// exchange sort orders them. Title and Flags lines before the first ID line belong to no entry
/// and are skipped. False when there are more entries than the table holds.
bool ReadEntries(const std::vector<std::string_view>& lines, GameTable& entries,
                 std::string& serverVersion) {
    const int slots = static_cast<int>(entries.GameID.size());
    for (const std::string_view line : lines) {
        const IniKey key = ClassifyIniLine(line);
        if (key == IniKey::None) continue;
        const std::string_view value = IniLineValue(line);
        switch (key) {
        case IniKey::Version:
            serverVersion = value;
            break;
        case IniKey::ID:
            if (entries.GameLast + 1 >= slots) return false;
            ++entries.GameLast;
            entries.GameID[entries.GameLast] = value;
            break;
        case IniKey::Title:
            if (entries.GameLast < 0) break;
            entries.GameTitle[entries.GameLast] = value;
            entries.GameTitleUpper[entries.GameLast] = UpperCase(value);
            break;
        case IniKey::Flags:
            if (entries.GameLast >= 0) entries.GameFlags[entries.GameLast] = value;
            break;
        case IniKey::None:
            break;
        }
    }
    return true;
}

/// Moves the sorted columns into the update's own, keeping only the entries read.
void TakeEntries(GameTable& entries, UpdateData& update) {
    const std::size_t count = static_cast<std::size_t>(entries.GameLast + 1);
    const auto take = [count](std::vector<std::string>& column) {
        column.resize(count);
        return std::move(column);
    };
    update.UpdID = take(entries.GameID);
    update.UpdTitle = take(entries.GameTitle);
    update.UpdTitleUpper = take(entries.GameTitleUpper);
    update.UpdFlags = take(entries.GameFlags);
    update.UpdLast = entries.GameLast;
}

}  // namespace

bool IsUpdateFile(std::string_view text) {
    for (const std::string_view line : SplitLineViews(text)) {
        const IniKey key = ClassifyIniLine(line);
        if (key == IniKey::ID || key == IniKey::Version) return true;
    }
    return false;
}

UpdateMessage NoUpdateFileMessage(std::string_view name) {
    return {" Merge Update File",
            std::string(name) + " is no update file: it holds no Version line and no ID line.\n\nNothing was changed.",
            UpdateIcon::Exclamation, UpdateButtons::Ok};
}

UpdateResult ReadUpdate(std::string_view DownloadText, const GameTable& games) {
    if (DownloadText.empty()) return Ending(UpdateOutcome::FailedToConnect, FailedToConnectMessage());

    const std::vector<std::string_view> lines = SplitLineViews(DownloadText);
    if (lines.size() > static_cast<std::size_t>(kUpdateLineCapacity))
        return Ending(UpdateOutcome::Refused,
                      RefusedMessage(std::to_string(kUpdateLineCapacity) + " lines"));

    // A table just large enough: the update is processed on every download, and most hold far
    // fewer entries than the capacity.
    std::size_t ids = 0;
    bool version = false;
    for (const std::string_view line : lines) {
        const IniKey key = ClassifyIniLine(line);
        ids += key == IniKey::ID;
        version = version || key == IniKey::Version;
    }
    // Not an update file (a login page of a hotel's network, say): nothing usable arrived.
    if (ids == 0 && !version) return Ending(UpdateOutcome::FailedToConnect, FailedToConnectMessage());
    GameTable entries(std::min(ids, static_cast<std::size_t>(kTableCapacity)));
    std::string serverVersion;
    if (!ReadEntries(lines, entries, serverVersion))
        return Ending(UpdateOutcome::Refused,
                      RefusedMessage(std::to_string(kTableCapacity) + " entries"));
    SortGames(entries);

    UpdateResult result;
    UpdateData& update = result.update;
    TakeEntries(entries, update);
    update.ServerVersion = std::move(serverVersion);

    std::unordered_set<std::string_view> known;
    known.reserve(static_cast<std::size_t>(games.count()));
    for (int g = 0; g <= games.GameLast && g < static_cast<int>(games.GameID.size()); ++g)
        known.insert(games.GameID[g]);
    for (std::int32_t a = 0; a <= update.UpdLast; ++a) {
        if (known.contains(update.UpdID[a])) continue;
        update.UpdRow.push_back(a);
        result.rows.push_back(UpdateRowText(update.UpdTitle[a], update.UpdFlags[a]));
    }
    update.UpdCount = static_cast<std::int32_t>(update.UpdRow.size());

    if (update.UpdCount == 0) {
        result.outcome = UpdateOutcome::AlreadyLatest;
        result.message = AlreadyLatestMessage();
    } else if (std::string_view(update.ServerVersion).substr(0, 3) !=
               std::string_view(games.IniVersion).substr(0, 3)) {
        result.outcome = UpdateOutcome::WrongFileVersion;
        result.message = WrongVersionMessage(games.IniVersion, update.ServerVersion);
    } else {
        result.outcome = UpdateOutcome::NewEntries;
        result.message = DisclaimerMessage();
    }
    return result;
}

std::string UpdateRowText(std::string_view title, std::string_view flags) {
    const char status = flags.empty() ? '\0' : flags.front();
    const char* word = status == '8' ? "Yes!" : status == '4' ? "Not Yet" : "Partially";
    std::string text(title);
    text.append(" (").append(word).append(")");
    return text;
}

std::vector<IniEntry> CheckedEntries(const UpdateData& update, const std::vector<bool>& checked) {
    std::vector<IniEntry> entries;
    for (std::int32_t r = 0; r < update.UpdCount && r < static_cast<std::int32_t>(checked.size());
         ++r) {
        if (!checked[r]) continue;
        const std::int32_t a = update.UpdRow[r];
        entries.push_back({update.UpdID[a], update.UpdTitle[a], update.UpdFlags[a]});
    }
    return entries;
}

UpdateMessage UpdateCancelledMessage() {
    return {" Online Update", "The update was cancelled. Nothing was changed.", UpdateIcon::Information,
            UpdateButtons::Ok};
}

UpdateMessage DownloadErrorMessage(std::string_view source, std::string_view description) {
    std::string text = "While processing the ini-update an error occured.\n\nSource : ";
    text.append(source).append("\nDescription : ").append(description);
    return {" Can't connect", std::move(text), UpdateIcon::Critical, UpdateButtons::Ok};
}

}  // namespace tolva
