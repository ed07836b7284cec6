// Disc images as any file might hold them, read as the wizard and --identify read them: the CUE
// sheet parser and the reader (libcdio underneath) end every input in a result, and every
// failure names the file. The first byte picks what the rest becomes: a CUE sheet with a BIN of
// the same bytes, or the sectors from the volume descriptor on of an ISO or raw (2352) image.
#include "app/platform/discimage.h"
#include "core/wizard/cuesheet.h"
#include "fuzz_support.h"

TOLVA_FUZZ_TARGET(input) {
    static const TempFolder folder;
    std::string_view rest = input;
    const std::optional<unsigned char> kind = TakeByte(rest);
    if (!kind) return;
    std::string path;
    switch (*kind % 3) {
        case 0:
            for (const CueFile& file : ParseCueSheet(rest)) {
                for (const CueTrack& track : file.tracks) FUZZ_CHECK(track.mode.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos);
            }
            folder.write("game.bin", rest);
            path = folder.write("game.cue", rest);
            break;
        case 1: path = folder.write("game.iso", std::string(16 * 2048, '\0').append(rest)); break;
        default: path = folder.write("game.img", std::string(16 * 2352, '\0').append(rest)); break;
    }
    const DiscIdentity identity = ReadDiscAt(path, DiscIDs());
    if (identity.result == DiscRead::Found || identity.result == DiscRead::NotInTable) {
        FUZZ_CHECK(!identity.productCode.empty());
        FUZZ_CHECK(DiscIDForProductCode(DiscIDs(), identity.productCode) == identity.discID);
    } else {
        FUZZ_CHECK(identity.description.find(path) != std::string::npos);
    }
}
