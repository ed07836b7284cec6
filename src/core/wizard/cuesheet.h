#pragma once
// What a CUE sheet says about a disc image: the files that hold its sectors and the tracks in
// each, so that a missing BIN is named before the image is opened, and the data track is known.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolva {

/// A CUE sheet is a few dozen short lines; anything larger is not one.
inline constexpr std::size_t kCueSheetLimit = 64u * 1024u;

struct CueTrack {
    int number = 0;
    std::string mode;  ///< as written, in upper case: "MODE2/2352", "MODE1/2048", "AUDIO"
    long long start = -1;  ///< INDEX 01 in sectors from the start of its file; -1 when none
};

struct CueFile {
    std::string name;  ///< as written (quotes removed); relative to the CUE sheet's folder
    std::vector<CueTrack> tracks;
};

/// The FILE and TRACK lines of a CUE sheet, in order; every other line is skipped. A FILE
/// name is quoted ("My Game.bin") or the text up to the file type.
std::vector<CueFile> ParseCueSheet(std::string_view text);

/// The bytes a sector of a track mode takes in its file ("MODE2/2352": 2352, "AUDIO": 2352);
/// 0 for a mode no CD has.
std::size_t SectorBytes(std::string_view mode);

/// Whether a track mode holds data sectors (MODE1/..., MODE2/...) rather than audio.
bool IsDataTrack(std::string_view mode);

}  // namespace tolva
