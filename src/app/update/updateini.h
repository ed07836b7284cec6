#pragma once
// The online update from the main window: download through one of the two routes, read the
// update, and either end with a message or offer the new entries in UpdateFORM.
#include <QString>
#include <chrono>

#include "app/update/downloadform.h"

namespace tolva {

class MainHost;

/// The program's UpdateINI with its route number, run as the menu entries' steps: empty the
/// search box; then, with the main window hidden and " Online Update" in its caption, the
/// download through route 1 (socket) for mode 1 or route 2 (HTTP transfer) otherwise, the update
/// read (the core's ReadUpdate), and either an ending message or the new entries offered in
/// UpdateFORM. Returns once the run is over. stall: the wait without progress that ends either
/// download (tests shorten it).
void UpdateINI(MainHost& main, int mode, std::chrono::milliseconds stall = kDownloadStall);

/// Tools -> "Merge Update File...": the update read from the file at path, with the download's
/// limits, then the same processing, list and Finish as after a download. A file that is no update
/// file is refused with its own message.
void MergeUpdateFile(MainHost& main, const QString& path);

}  // namespace tolva
