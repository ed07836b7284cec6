#pragma once
// Finding bleem!.INI inside the Wine prefixes where Linux users install Windows programs. A
// prefix may hold a whole game library, so the search is bounded: it lists only drive_c and its
// Program Files folders down to two levels, within a budget of folders and a time limit.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace tolva {

/// The parts of the environment that say where a user's prefixes are.
struct WineHome {
    std::string home;        ///< $HOME
    std::string winePrefix;  ///< $WINEPREFIX; empty when unset
    std::string dataHome;    ///< $XDG_DATA_HOME; empty means ~/.local/share
};

/// Every prefix (a folder with a drive_c) that exists, each once: $WINEPREFIX, ~/.wine, Lutris's
/// ~/Games/*, the bottles of Bottles (native and Flatpak), PlayOnLinux's wineprefix/*, and the
/// pfx of each of Steam's Proton compatdata folders.
std::vector<std::filesystem::path> WinePrefixes(const WineHome& where);

struct WineSearchLimits {
    std::size_t folders = 20000;  ///< most folders listed in all
    std::chrono::milliseconds time{1000};
};

struct WineSearchResult {
    std::vector<std::string> folders;  ///< each folder holding a bleem!.INI (any letter case), in order found
    std::size_t listed = 0;            ///< folders listed
    bool stopped = false;              ///< a limit ended the search before it was complete
};

/// Looks for bleem!.INI in each prefix: in the Program Files folders first, then in drive_c,
/// each down to two levels of folders below it. Unreadable folders are passed over.
WineSearchResult FindBleemInPrefixes(const std::vector<std::filesystem::path>& prefixes,
                                     const WineSearchLimits& limits = {});

}  // namespace tolva
