// Disc images as any file might hold them, read as the wizard and --identify read them: the CUE
// sheet parser, our checks of what libcdio trusts, and the reader (libcdio underneath) end every
// input in a result, and every failure names the file. The first byte picks what the rest
// becomes: a CUE sheet and, after a NUL, its BIN of raw (2352) or cooked (2048) sectors; or an
// ISO, a raw image or an NRG. The zero sectors before a volume descriptor come with every image,
// so the input holds only the bytes that matter. libcdio is linked as the system ships it, not
// instrumented: a fault inside it shows as a crash, and one of its assertions as an abort.
#include <cdio/logging.h>

#include "app/platform/discimage.h"
#include "core/wizard/cuesheet.h"
#include "fuzz_support.h"

namespace {

// An assertion of libcdio that our checks let through: a fault the checks must stop.
void AbortOnAssertion(cdio_log_level_t level, const char message[]) {
    if (level == CDIO_LOG_ASSERT) {
        std::fprintf(stderr, "libcdio assertion: %s\n", message);
        std::abort();
    }
}

// The image's text, its buffer kept between inputs: a fresh 37 KB block per input would cost
// more in page faults than the read itself.
std::string& ZeroSectors(std::size_t bytes) {
    static std::string image;
    image.assign(16 * bytes, '\0');
    return image;
}

}  // namespace

TOLVA_FUZZ_TARGET(input) {
    static const TempFolder folder;
    static const bool handler = [] {
        (void)ReadDiscAt(folder.path() + "/none", DiscIDs());  // installs the program's handler first
        cdio_log_set_handler(AbortOnAssertion);
        return true;
    }();
    (void)handler;
    std::string_view rest = input;
    const std::optional<unsigned char> kind = TakeByte(rest);
    if (!kind) return;
    std::string path;
    switch (*kind % 5) {
        case 0:
        case 1: {
            const std::string_view sheet = rest.substr(0, rest.find('\0'));
            const std::string_view bin = rest.substr(std::min(rest.size(), sheet.size() + 1));
            for (const CueFile& file : ParseCueSheet(sheet)) {
                for (const CueTrack& track : file.tracks) FUZZ_CHECK(track.mode.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos);
            }
            folder.write("game.bin", ZeroSectors(*kind % 5 == 0 ? 2352 : 2048).append(bin));
            path = folder.write("game.cue", sheet);
            break;
        }
        case 2: path = folder.write("game.iso", ZeroSectors(2048).append(rest)); break;
        case 3: path = folder.write("game.img", ZeroSectors(2352).append(rest)); break;
        default: path = folder.write("game.nrg", ZeroSectors(2336).append(rest)); break;  // Mode 2 as Nero keeps it
    }
    const DiscIdentity identity = ReadDiscAt(path, DiscIDs());
    if (identity.result == DiscRead::Found || identity.result == DiscRead::NotInTable) {
        FUZZ_CHECK(!identity.productCode.empty());
        FUZZ_CHECK(DiscIDForProductCode(DiscIDs(), identity.productCode) == identity.discID);
    } else {
        FUZZ_CHECK(identity.description.find(path) != std::string::npos);
    }
}
