// Disc images as any file might hold them, read as the wizard and --identify read them: the CUE
// sheet parser and the reader (libcdio underneath) end every input in a result, and every
// failure names the file. The first byte picks what the rest becomes: a CUE sheet with a BIN of
// the same bytes, or the sectors from the volume descriptor on of an ISO or raw (2352) image.
#include <unistd.h>

#include <fstream>

#include "app/platform/discimage.h"
#include "core/wizard/cuesheet.h"
#include "fuzz_support.h"

using namespace tolva;
using namespace tolva::fuzz;

namespace {

std::string Folder() {
    static const std::string folder = [] {
        char name[] = "/tmp/discimage_fuzz.XXXXXX";
        return std::string(mkdtemp(name) ? name : "/tmp");
    }();
    return folder;
}

std::string Write(const std::string& name, std::string_view head, std::string_view bytes) {
    const std::string path = Folder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << head << bytes;
    return path;
}

}  // namespace

TOLVA_FUZZ_TARGET(input) {
    std::string_view rest = input;
    const std::optional<unsigned char> kind = TakeByte(rest);
    if (!kind) return;
    std::string path;
    switch (*kind % 3) {
        case 0:
            for (const CueFile& file : ParseCueSheet(rest)) {
                for (const CueTrack& track : file.tracks) FUZZ_CHECK(track.mode.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos);
            }
            Write("game.bin", {}, rest);
            path = Write("game.cue", {}, rest);
            break;
        case 1: path = Write("game.iso", std::string(16 * 2048, '\0'), rest); break;
        default: path = Write("game.img", std::string(16 * 2352, '\0'), rest); break;
    }
    const DiscIdentity identity = ReadDiscAt(path, DiscIDs());
    if (identity.result == DiscRead::Found || identity.result == DiscRead::NotInTable) {
        FUZZ_CHECK(!identity.productCode.empty());
        FUZZ_CHECK(DiscIDForProductCode(DiscIDs(), identity.productCode) == identity.discID);
    } else {
        FUZZ_CHECK(identity.description.find(path) != std::string::npos);
    }
}
