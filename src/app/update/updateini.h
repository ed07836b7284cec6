#pragma once
// The online update from the main window: download through one of the two routes, read the
// update, and either end with a message or offer the new entries in UpdateFORM.
#include <chrono>

#include "app/update/downloadform.h"

namespace tolva {

class MainHost;


/// Route 1 (socket) for mode 1, route 2 (HTTP transfer) otherwise. Called with the main window
/// hidden; returns with it shown again after an ending message, or with UpdateFORM open.
/// stall: the wait without progress that ends either download (tests shorten it).
void UpdateINI(MainHost& main, int mode, std::chrono::milliseconds stall = kDownloadStall);

/// The menu entries' steps: empty the search box, hide the main window, " Online Update" in its
/// caption, UpdateINI, the caption back.
void RunOnlineUpdate(MainHost& main, int mode, std::chrono::milliseconds stall = kDownloadStall);

}  // namespace tolva
