// How a disc is read: a folder is a mounted disc (its SYSTEM.CNF is an ordinary file); a device
// is opened through libcdio's device driver and an NRG through its NRG driver, and the ISO 9660
// root is read from the first track; every other file is an image of bare sectors, 2048 bytes
// each (ISO) or raw 2352 bytes, which we read ourselves once we have found the primary volume
// descriptor where one of those layouts puts it. A CUE sheet names the BIN that holds the data
// track: read as bare sectors when the track begins the BIN (every game CD's rip), else through
// libcdio's BIN/CUE driver. The root directory is always walked by our own code; whatever libcdio
// trusts in the file is checked first (imagechecks.h); a reader process of our own keeps what it
// might still do away from the windows (imagereader.h).
#include "app/platform/discimage.h"

#include "app/platform/imagechecks.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <dlfcn.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>

#include "core/files/files.h"
#include "core/text/cp1252.h"
#include "core/wizard/cuesheet.h"

namespace tolva {
namespace {

constexpr std::size_t kSector = 2048;
constexpr std::size_t kVolumeDescriptorSector = 16;

// libcdio's default handler ends the process on an error and aborts on an assertion: ours stays
// quiet, and every failure reaches the caller as a result worded by us.
void QuietLog(cdio_log_level_t, const char[]) {}

// libcdio is opened with the first disc read, not linked: most runs read no disc, and a linked
// library is loaded at every start. Without it, or with one that lacks a function, no drive is
// found and what only it reads fails by name; folders and bare sectors are still read by us.
struct Libcdio {
    decltype(&cdio_open) open = nullptr;
    decltype(&cdio_open_cue) openCue = nullptr;
    decltype(&cdio_open_nrg) openNrg = nullptr;
    decltype(&cdio_destroy) destroy = nullptr;
    decltype(&cdio_get_devices) devices = nullptr;
    decltype(&cdio_free_device_list) freeDevices = nullptr;
    decltype(&cdio_get_disc_last_lsn) lastLsn = nullptr;
    decltype(&cdio_get_first_track_num) firstTrack = nullptr;
    decltype(&cdio_get_track_format) trackFormat = nullptr;
    decltype(&cdio_read_data_sectors) readSectors = nullptr;
    std::string failure;  // why there is no library, empty when there is
};

template <class Function>
bool Resolve(void* library, const char* name, Function& into) {
    into = reinterpret_cast<Function>(::dlsym(library, name));
    return into != nullptr;
}

// Opened once and never closed: a CdIo_t may outlive any one read.
const Libcdio& LoadLibcdio() {
    static Libcdio cdio;
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        void* library = ::dlopen(TOLVA_CDIO_SONAME, RTLD_NOW | RTLD_LOCAL);
        decltype(&cdio_log_set_handler) setLogHandler = nullptr;
        if (library && Resolve(library, "cdio_open", cdio.open) && Resolve(library, "cdio_open_cue", cdio.openCue) &&
            Resolve(library, "cdio_open_nrg", cdio.openNrg) && Resolve(library, "cdio_destroy", cdio.destroy) &&
            Resolve(library, "cdio_get_devices", cdio.devices) &&
            Resolve(library, "cdio_free_device_list", cdio.freeDevices) &&
            Resolve(library, "cdio_get_disc_last_lsn", cdio.lastLsn) &&
            Resolve(library, "cdio_get_first_track_num", cdio.firstTrack) &&
            Resolve(library, "cdio_get_track_format", cdio.trackFormat) &&
            Resolve(library, "cdio_read_data_sectors", cdio.readSectors) &&
            Resolve(library, "cdio_log_set_handler", setLogHandler)) {
            setLogHandler(QuietLog);
            return;
        }
        const char* why = ::dlerror();
        cdio.failure = std::string("it is read through libcdio, which cannot be loaded (") +
                       (why ? why : TOLVA_CDIO_SONAME) + ")";
    });
    return cdio;
}

// Only a library that loaded opens a disc, so one that is open can be closed.
struct CloseCdio {
    void operator()(CdIo_t* cdio) const { LoadLibcdio().destroy(cdio); }
};
using Cdio = std::unique_ptr<CdIo_t, CloseCdio>;

DiscIdentity Failed(DiscRead result, std::string description) {
    DiscIdentity identity;
    identity.result = result;
    identity.description = std::move(description);
    return identity;
}

DiscIdentity Unreadable(const std::string& path, const std::string& why) {
    return Failed(DiscRead::Unreadable, "cannot read " + path + ": " + why);
}

std::string NoImage() {
    return std::string("it holds no ISO 9660 file system, so it is no image of a game CD (the formats that work: ") +
           kDiscImageFormats + ")";
}

const char* kDamaged = "the disc image is damaged or cut short";

std::filesystem::path FsPath(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

bool EndsWithNoCase(const std::string& text, std::string_view suffix) {
    return text.size() >= suffix.size() && UpperCase(text.substr(text.size() - suffix.size())) == UpperCase(suffix);
}

// Reads the root directory the volume descriptor names and SYSTEM.CNF in it through a sector
// reader, then identifies the disc. Nothing is read outside a disc of `sectors` sectors.
template <class ReadSectors>
DiscIdentity IdentifyFromRoot(std::string_view descriptor, std::uint64_t sectors, const std::string& path,
                              const DiscIDTable& table, ReadSectors readSectors) {
    const auto sectorsOf = [](std::uint64_t bytes) { return (bytes + kSector - 1) / kSector; };
    if (!RootFits(descriptor, sectors)) return Unreadable(path, kDamaged);
    const Extent root = RootDirectory(descriptor);
    std::string directory(sectorsOf(root.size) * kSector, '\0');
    if (!readSectors(directory.data(), root.sector, sectorsOf(root.size))) return Unreadable(path, kDamaged);
    Extent file;
    const RootSearch search = FindRootFile(directory, kSystemCnfName, file);
    if (search == RootSearch::Damaged) return Unreadable(path, kDamaged);
    if (search == RootSearch::Missing) {
        return Failed(DiscRead::NoFile, std::string("cannot open ") + kSystemCnfName + " on " + path +
                                            ": the disc's root holds no such file");
    }
    const std::string where = std::string(kSystemCnfName) + " on " + path;
    if (file.size > kSystemCnfLimit) return Unreadable(where, "the file is too large to be a boot file");
    const std::uint64_t count = sectorsOf(file.size);
    if (file.sector + count > sectors) return Unreadable(path, kDamaged);  // 32-bit fields: no wrap
    std::string bytes(count * kSector, '\0');
    if (count > 0 && !readSectors(bytes.data(), file.sector, count)) return Unreadable(path, kDamaged);
    bytes.resize(file.size);
    return IdentifyDisc(bytes, where, table);
}

// An image of bare sectors, read by us at the places its layout gives.
DiscIdentity ReadBareImage(const std::string& path, std::uint64_t size, const DiscIDTable& table) {
    const Layout layout = FindLayout(path);
    if (layout.sector == 0) return Unreadable(path, NoImage());
    const auto at = [&](std::uint64_t sector) { return sector * layout.sector + layout.header; };
    const std::string descriptor = ReadAt(path, at(kVolumeDescriptorSector), kSector);
    return IdentifyFromRoot(descriptor, size / layout.sector, path, table, [&](char* into, std::uint64_t first, std::uint64_t count) {
        // Cooked sectors lie side by side and are read at once; raw ones one by one.
        const std::uint64_t run = layout.sector == kSector ? count : 1;
        for (std::uint64_t k = 0; k < count; k += run) {
            const std::string sectors = ReadAt(path, at(first + k), run * kSector);
            if (sectors.size() != run * kSector) return false;
            std::copy(sectors.begin(), sectors.end(), into + k * kSector);
        }
        return true;
    });
}

// A disc that libcdio opens as a CD (a drive, a CUE sheet's BINs, an NRG) with open(library):
// the file system of its first track, which is the data track on every game CD.
template <class Open>
DiscIdentity ReadCdio(const std::string& path, const DiscIDTable& table, Open open, const char* unopened = kDamaged) {
    const Libcdio& lib = LoadLibcdio();
    if (!lib.failure.empty()) return Unreadable(path, lib.failure);
    const Cdio cdio(open(lib));
    if (!cdio) return Unreadable(path, unopened);
    const track_t first = lib.firstTrack(cdio.get());
    if (first == CDIO_INVALID_TRACK || lib.trackFormat(cdio.get(), first) == TRACK_FORMAT_AUDIO)
        return Unreadable(path, "its first track holds no data");
    std::string descriptor(kSector, '\0');
    const lsn_t last = lib.lastLsn(cdio.get());
    if (last == CDIO_INVALID_LSN ||
        lib.readSectors(cdio.get(), descriptor.data(), kVolumeDescriptorSector, kSector, 1) != DRIVER_OP_SUCCESS ||
        !descriptor.starts_with(std::string_view("\x01" "CD001" "\x01", 7)))
        return Unreadable(path, kDamaged);
    return IdentifyFromRoot(descriptor, static_cast<std::uint64_t>(last), path, table,
                            [&](char* into, std::uint64_t first, std::uint64_t count) {
                                return lib.readSectors(cdio.get(), into, static_cast<lsn_t>(first), kSector,
                                                       static_cast<std::uint32_t>(count)) == DRIVER_OP_SUCCESS;
                            });
}

DiscIdentity ReadCueImage(const std::string& path, const DiscIDTable& table) {
    const FileBytes sheet = ReadWholeFile(path, kCueSheetLimit);
    if (!sheet.ok) return Failed(DiscRead::Unreadable, sheet.error);
    if (!CueFitsTheDriver(sheet.bytes)) return Unreadable(path, kDamaged);
    std::optional<std::pair<std::string, std::uint64_t>> dataFile;  // the BIN that begins with the data track
    bool data = false;
    for (const CueFile& file : ParseCueSheet(sheet.bytes)) {
        // The sheet names its BINs relative to its own folder.
        const std::u8string named = (FsPath(path).parent_path() / FsPath(file.name)).u8string();
        const std::string bin(named.begin(), named.end());
        std::error_code ec;
        if (!std::filesystem::is_regular_file(FsPath(bin), ec)) {
            const std::error_code why = ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory);
            return Unreadable(path, "the file it names, " + bin + ", cannot be opened: " + why.message());
        }
        // Every track begins inside its BIN, and a data track holds its volume descriptor there.
        const std::uint64_t size = std::filesystem::file_size(FsPath(bin), ec);
        for (const CueTrack& track : file.tracks) {
            const std::uint64_t bytes = SectorBytes(track.mode), start = static_cast<std::uint64_t>(track.start);
            const std::uint64_t needed = IsDataTrack(track.mode) ? kVolumeDescriptorSector + 1 : 1;
            if (ec || track.start < 0 || bytes == 0 || start > size / bytes || needed > size / bytes - start)
                return Unreadable(path, kDamaged);
        }
        if (!data && !file.tracks.empty() && IsDataTrack(file.tracks.front().mode) && file.tracks.front().start == 0)
            dataFile.emplace(bin, size);
        for (const CueTrack& track : file.tracks) data = data || IsDataTrack(track.mode);
    }
    if (!data) return Unreadable(path, "the CUE sheet names no data track");
    // A BIN that begins with the data track is an image of bare sectors; libcdio's BIN/CUE
    // driver would read a MODE1/2048 track as if its sectors were 2352 bytes.
    if (dataFile) {
        DiscIdentity identity = ReadBareImage(dataFile->first, dataFile->second, table);
        if (!identity.description.empty()) identity.description += " (named by " + path + ")";
        return identity;
    }
    return ReadCdio(path, table, [&](const Libcdio& lib) { return lib.openCue(path.c_str()); });
}

// Nero images end in a pointer to their track list, behind "NER5" (or "NERO" in old ones).
bool IsNrg(const std::string& path, std::uint64_t size) {
    return EndsWithNoCase(path, ".nrg") || HasNrgFooter(path, size);
}

DiscIdentity ReadNrg(const std::string& path, std::uint64_t size, const DiscIDTable& table) {
    if (!NrgHoldsTogether(path, size)) return Unreadable(path, kDamaged);
    return ReadCdio(path, table, [&](const Libcdio& lib) { return lib.openNrg(path.c_str()); });
}

}  // namespace

DiscIdentity ReadDiscAt(const std::string& path, const DiscIDTable& table) {
    LoadLibcdio();  // its log handler ours before anything is read
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return Failed(DiscRead::Unreadable, "cannot open " + path + ": " + std::strerror(errno));
    if (S_ISDIR(info.st_mode)) return ReadDiscIdentity(path, table);
    if (S_ISBLK(info.st_mode) || S_ISCHR(info.st_mode)) {
        return ReadCdio(path, table, [&](const Libcdio& lib) { return lib.open(path.c_str(), DRIVER_DEVICE); },
                        "the drive holds no disc, or it cannot be read");
    }
    if (!S_ISREG(info.st_mode)) return Unreadable(path, "it is no disc image and no drive");
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size == 0) return Unreadable(path, "the file is empty, so it is no disc image");
    if (ReadAt(path, 0, 8) == "MComprHD") {
        return Unreadable(path, std::string("CHD images cannot be read; the formats that work are ") + kDiscImageFormats +
                                    " (a CHD image can be turned into BIN/CUE first)");
    }
    if (EndsWithNoCase(path, ".cue")) return ReadCueImage(path, table);
    if (IsNrg(path, size)) return ReadNrg(path, size, table);
    return ReadBareImage(path, size, table);
}

std::vector<std::string> OpticalDrives() {
    const Libcdio& lib = LoadLibcdio();
    if (!lib.failure.empty()) return {};
    char** list = lib.devices(DRIVER_DEVICE);
    std::vector<std::string> drives = DistinctDrives(list);
    if (list) lib.freeDevices(list);
    return drives;
}

std::vector<std::string> DistinctDrives(const char* const* devices) {
    std::vector<std::string> drives;
    for (const char* const* device = devices; device && *device; ++device) {
        std::error_code ec;
        const std::filesystem::path real = std::filesystem::canonical(FsPath(*device), ec);
        const std::u8string name = ec ? FsPath(*device).u8string() : real.u8string();
        std::string text(name.begin(), name.end());
        if (std::find(drives.begin(), drives.end(), text) == drives.end()) drives.push_back(std::move(text));
    }
    return drives;
}

}  // namespace tolva
