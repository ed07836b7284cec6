#include "core/update/update_limits.h"

#include <algorithm>
#include <string>

#include "core/database/writer.h"

namespace tolva {

std::optional<UpdateMessage> RefuseUpdateForTable(const GameTable& games) {
    if (!games.Truncated) return std::nullopt;
    return UpdateMessage{" Online Update",
                         "Your bleem!.ini cannot be updated: " + TruncatedTableReason() +
                             ".\n\nThe update was not started; nothing was changed.",
                         UpdateIcon::Exclamation, UpdateButtons::Ok};
}

std::optional<UpdateMessage> RefuseAppend(const GameTable& games, std::size_t adding) {
    const std::size_t present = static_cast<std::size_t>(games.count());
    const std::size_t capacity = static_cast<std::size_t>(kTableCapacity);
    if (present + adding <= capacity) return std::nullopt;
    const std::size_t room = capacity - std::min(present, capacity);
    return UpdateMessage{" Online Update",
                         "Your bleem!.ini holds " + std::to_string(present) + " entries; adding the " +
                             std::to_string(adding) + " marked entries would take it beyond the " +
                             std::to_string(capacity) + " entries tolva! can read.\n\nPlease mark at most " +
                             std::to_string(room) + " entries. Nothing was written.",
                         UpdateIcon::Exclamation, UpdateButtons::Ok};
}

}  // namespace tolva
