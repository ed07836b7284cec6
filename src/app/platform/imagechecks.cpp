// How an NRG file holds together: it ends in a footer, "NERO" and a 32-bit offset (Nero 5) or
// "NER5" and a 64-bit one (Nero 5.5 on), both big-endian, that points at a list of chunks (four
// letters, a 32-bit length, the data) ended by "END!". One chunk lists the tracks (CUES, CUEX,
// ETNF or ETN2), a DAOI or DAOX chunk describes them again, and a few hold small values. libcdio
// copies the list into a buffer and walks it by the lengths it finds, indexes its table of 100
// tracks by the counts, and asserts the rest; we walk it first, the same way, and refuse any
// file on which that walk would leave the buffer, the table, or an assertion.
#include "app/platform/imagechecks.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/text/cp1252.h"

namespace tolva {
namespace {

constexpr std::size_t kSector = 2048;
constexpr std::uint64_t kVolumeDescriptorSector = 16;
constexpr int kMaxTracks = 99;  // a CD's, and the size of libcdio's track table less the lead-out
// libcdio asserts that a footer with its chunks fits in 4096 bytes.
constexpr std::uint64_t kNrgFooterLimit = 4096;
// A game CD's root lists a few dozen names in a sector or two; far larger is no CD's.
constexpr std::uint64_t kRootDirectoryLimit = 1024 * 1024;

std::uint64_t BigEndian(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t k = 0; k < count; ++k) value = (value << 8) | static_cast<unsigned char>(bytes[at + k]);
    return value;
}

std::uint64_t LittleEndian(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t k = count; k-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + k]);
    return value;
}

// The tracks a CUES or CUEX list makes (8 bytes an entry: type, track, address type and
// control, a byte, the address), as the driver counts them; -1 where it would read past the
// list or fail an assertion.
int CueListTracks(std::string_view list, bool cuex) {
    if (list.size() % 8 != 0) return -1;
    const std::size_t entries = list.size() / 8;
    const auto track = [&](std::size_t entry) { return list[entry * 8 + 1]; };
    int tracks = 0;
    if (!cuex) {
        // Pairs from entry 1 on, each naming one track twice.
        if (entries < 2) return -1;
        for (std::size_t entry = 1; entry + 1 < entries; entry += 2, ++tracks)
            if (track(entry) != track(entry + 1)) return -1;
        return tracks;
    }
    // The lead-in at -150, then pairs from entry 2 on, each naming a track and the next, by
    // block address or by minutes, seconds and frames.
    if (entries < 2 || entries % 2 != 0 || BigEndian(list, 4, 4) != 0xFFFFFF6Au) return -1;
    for (std::size_t entry = 2; entry < entries; entry += 2, ++tracks) {
        const unsigned address = static_cast<unsigned char>(list[entry * 8 + 2]) >> 4;
        if (address > 1 || track(entry) == track(entry + 1)) return -1;
    }
    return tracks;
}

// The tracks an ETNF (20 bytes an entry, 32-bit) or ETN2 (32 bytes, 64-bit) list makes: each its
// offset in the file, its length, its mode and its first sector. -1 where a mode is unknown, a
// length or offset is not whole sectors of it, or the data reaches into the footer.
int EtnListTracks(std::string_view list, bool etn2, std::uint64_t footer) {
    const std::size_t entry = etn2 ? 32 : 20, wide = etn2 ? 8 : 4;
    if (list.size() % entry != 0) return -1;
    for (std::size_t at = 0; at < list.size(); at += entry) {
        const std::uint64_t offset = BigEndian(list, at, wide), length = BigEndian(list, at + wide, wide);
        const std::uint64_t mode = BigEndian(list, at + 2 * wide, 4), first = BigEndian(list, at + 2 * wide + 4, 4);
        std::uint64_t bytes = 0;
        switch (mode) {
            case 0: case 2: bytes = 2048; break;     // MODE1, MODE2 Form 1
            case 3: case 6: case 0x20: bytes = 2336; break;  // MODE2, mixed, raw
            case 7: bytes = 2352; break;             // audio
            default: return -1;
        }
        if (etn2 && (mode == 6 || mode == 0x20)) return -1;
        if (length % bytes != 0 || first * bytes != offset || offset > footer || length > footer - offset) return -1;
    }
    return static_cast<int>(list.size() / entry);
}

bool NrgChunksHoldTogether(std::string_view chunks, std::uint64_t footer) {
    int tracks = 0;
    bool listed = false;
    for (std::size_t at = 0;;) {
        if (chunks.size() - at < 8) return false;
        const std::string_view id = chunks.substr(at, 4);
        const std::uint64_t length = BigEndian(chunks, at + 4, 4);
        if (length > chunks.size() - at - 8) return false;
        const std::string_view data = chunks.substr(at + 8, length);
        if (id == "END!") return listed;
        if (id == "CUES" || id == "CUEX" || id == "ETNF" || id == "ETN2") {
            if (listed) return false;  // the driver asserts a single track list
            listed = true;
            tracks = id[0] == 'C' ? CueListTracks(data, id == "CUEX") : EtnListTracks(data, id == "ETN2", footer);
            if (tracks < 1 || tracks > kMaxTracks) return false;
        } else if (id == "DAOI" || id == "DAOX") {
            // 22 bytes of header, then an entry (30 or 42 bytes) for each track known so far,
            // and the first one read in any case.
            if (length < 22 + static_cast<std::uint64_t>(std::max(tracks, 1)) * (id == "DAOX" ? 42 : 30)) return false;
        } else if (id == "SINF" || id == "MTYP") {
            if (length != 4) return false;
        } else if (id == "CDTX" || id == "NERO" || id == "NER5") {
            // The driver frees CD-TEXT it cannot parse twice; a game disc holds none.
            return false;
        }
        at += 8 + length;
    }
}

}  // namespace

std::string ReadAt(const std::string& path, std::uint64_t offset, std::size_t size) {
    std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
    std::string bytes(size, '\0');
    if (!in.seekg(static_cast<std::streamoff>(offset))) return {};
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

Layout FindLayout(const std::string& path, std::uint64_t start) {
    // Type 1, "CD001", version 1 and the zero byte after it: what libiso9660 needs to see.
    static constexpr std::string_view kDescriptor("\x01" "CD001" "\x01\x00", 8);
    for (const Layout layout : {Layout{2048, 0}, Layout{2352, 16}, Layout{2352, 24}}) {  // cooked, MODE1, MODE2
        if (ReadAt(path, start + kVolumeDescriptorSector * layout.sector + layout.header, kDescriptor.size()) == kDescriptor)
            return layout;
    }
    return {};
}

bool RootFits(std::string_view descriptor, std::uint64_t sectors) {
    if (descriptor.size() < kSector || LittleEndian(descriptor, 128, 2) != kSector) return false;
    const std::uint64_t extent = LittleEndian(descriptor, 156 + 2, 4), bytes = LittleEndian(descriptor, 156 + 10, 4);
    // Both fields are 32 bits wide, so their sum cannot wrap.
    return bytes > 0 && bytes <= kRootDirectoryLimit && extent + (bytes + kSector - 1) / kSector <= sectors;
}

Extent RootDirectory(std::string_view descriptor) {
    return {LittleEndian(descriptor, 156 + 2, 4), LittleEndian(descriptor, 156 + 10, 4)};
}

RootSearch FindRootFile(std::string_view directory, std::string_view name, Extent& file) {
    constexpr std::size_t kFixedPart = 33;  // a record's bytes before its name
    bool found = false;
    std::size_t at = 0;
    while (at < directory.size()) {
        const std::size_t length = static_cast<unsigned char>(directory[at]);
        const std::size_t sectorEnd = std::min(directory.size(), (at / kSector + 1) * kSector);
        if (length == 0) {  // the rest of the sector is padding
            at = sectorEnd;
            continue;
        }
        if (length <= kFixedPart || length > sectorEnd - at) return RootSearch::Damaged;
        const std::string_view record = directory.substr(at, length);
        const std::size_t nameLength = static_cast<unsigned char>(record[32]);
        if (nameLength > length - kFixedPart) return RootSearch::Damaged;
        std::string_view stored = record.substr(kFixedPart, nameLength);
        stored = stored.substr(0, stored.find(';'));
        const bool isDirectory = (static_cast<unsigned char>(record[25]) & 0x02) != 0;
        if (!isDirectory && (stored == name || (!found && UpperCase(stored) == UpperCase(name)))) {
            file = {LittleEndian(record, 2, 4), LittleEndian(record, 10, 4)};
            found = true;
            if (stored == name) return RootSearch::Found;
        }
        at += length;
    }
    return found ? RootSearch::Found : RootSearch::Missing;
}

bool HasNrgFooter(const std::string& path, std::uint64_t size) {
    if (size < 12) return false;
    const std::string tail = ReadAt(path, size - 12, 12);
    return tail.size() == 12 && (tail.compare(4, 4, "NERO") == 0 || tail.compare(0, 4, "NER5") == 0);
}

bool NrgHoldsTogether(const std::string& path, std::uint64_t size) {
    if (!HasNrgFooter(path, size)) return false;
    const std::string tail = ReadAt(path, size - 12, 12);
    // The driver looks for "NERO" first.
    const bool old = tail.compare(4, 4, "NERO") == 0;
    const std::uint64_t footer = old ? BigEndian(tail, 8, 4) : BigEndian(tail, 4, 8);
    const std::uint64_t magic = size - (old ? 8 : 12);
    if (footer >= magic || size - footer > kNrgFooterLimit) return false;
    const std::string chunks = ReadAt(path, footer, static_cast<std::size_t>(magic - footer));
    return chunks.size() == magic - footer && NrgChunksHoldTogether(chunks, footer);
}

bool CueFitsTheDriver(std::string_view sheet) {
    int tracks = 0;
    for (std::size_t at = sheet.find("TRACK"); at != std::string_view::npos; at = sheet.find("TRACK", at + 5))
        if (++tracks > kMaxTracks) return false;
    return true;
}

}  // namespace tolva
