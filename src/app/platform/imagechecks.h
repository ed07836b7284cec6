#pragma once
// What libcdio trusts in an image, checked by us before it sees the file: the NRG driver takes
// the footer's offset and every chunk's length and count as they stand, and the BIN/CUE driver
// keeps at most 99 tracks. The ISO 9660 root directory is walked by our own code, since
// libiso9660's listing trusts each record's name length and reads past its buffer. A file that
// fails is damaged or cut short. No Qt here.
#include <cstdint>
#include <string>
#include <string_view>

namespace tolva {

/// Up to size bytes of the file at path from offset; fewer where the file ends.
std::string ReadAt(const std::string& path, std::uint64_t offset, std::size_t size);

/// Where a sector layout puts the primary volume descriptor: none, 2048-byte sectors from the
/// file's first byte, or raw 2352-byte sectors with the data behind a MODE1 (16) or MODE2
/// Form 1 (24) header.
struct Layout {
    std::size_t sector = 0;  ///< 0: no volume descriptor where a layout puts one
    std::size_t header = 0;
};
Layout FindLayout(const std::string& path, std::uint64_t start = 0);

/// Whether the primary volume descriptor (2048 bytes) names a root directory that lies within
/// a disc of `sectors` sectors and is small enough to read whole.
bool RootFits(std::string_view descriptor, std::uint64_t sectors);

/// Where a file or directory lies on the disc: its first 2048-byte sector and its size in bytes.
struct Extent {
    std::uint64_t sector = 0;
    std::uint64_t size = 0;
};

/// The root directory that a primary volume descriptor names.
Extent RootDirectory(std::string_view descriptor);

enum class RootSearch { Found, Missing, Damaged };

/// A file among the records of a root directory read as whole 2048-byte sectors: the exact name
/// first, then any letter case; a name's version (";1") is no part of it, and directories are
/// passed over. Damaged when a record runs past its sector or its name past the record.
RootSearch FindRootFile(std::string_view directory, std::string_view name, Extent& file);

/// Whether the last bytes of a file of `size` bytes read as a Nero footer ("NERO" or "NER5").
bool HasNrgFooter(const std::string& path, std::uint64_t size);

/// Whether an NRG file's footer and chunks hold together: the footer's offset inside the file
/// and its chunks inside the footer, ended by "END!", one track list of 1 to 99 tracks whose
/// data lies before the footer, every length and count the driver reads within its chunk, and
/// no CD-TEXT (the driver frees what it cannot parse of it twice).
bool NrgHoldsTogether(const std::string& path, std::uint64_t size);

/// Whether a CUE sheet stays within what libcdio's BIN/CUE driver holds: it counts every
/// "TRACK" as a track and keeps 99.
bool CueFitsTheDriver(std::string_view sheet);

}  // namespace tolva
