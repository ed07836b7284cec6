#pragma once
// A game disc's identity wherever the disc is: a mounted disc's root folder, a disc image file
// (ISO, BIN/CUE, NRG, a bare BIN or IMG) or an optical drive read directly, mounted or not.
// Images and drives are read through libcdio. No Qt here: the fuzz targets link this file.
#include <string>
#include <vector>

#include "core/state.h"
#include "core/wizard/systemcnf.h"

namespace tolva {

/// The image formats that can be read, as the messages name them.
inline constexpr const char* kDiscImageFormats = "ISO, BIN/CUE, NRG, or a bare BIN or IMG";

/// File name patterns of those formats, as the open-file dialog takes them.
inline constexpr const char* kDiscImagePatterns = "*.iso;*.cue;*.bin;*.img;*.nrg";

/// Reads SYSTEM.CNF from the disc at path and identifies it. Every failure comes back as a
/// result whose description names path and the cause; nothing is written.
DiscIdentity ReadDiscAt(const std::string& path, const DiscIDTable& table);

/// The device paths of the optical drives libcdio finds, each once (links resolved); none when
/// libcdio cannot be loaded.
std::vector<std::string> OpticalDrives();

/// The drives of a device list ended by nullptr, each by its real path and once: /dev/cdrom and
/// /dev/sr0 are one drive. A name that does not resolve stays as it is.
std::vector<std::string> DistinctDrives(const char* const* devices);

}  // namespace tolva
