#pragma once
// A folder tree of disc images as a list of discs: which files are discs (a CUE sheet and the BIN
// files it names are one), what each disc is (read through the image reader, or kept from an
// earlier scan while its files keep their size and time), and what bleem!.INI and
// Compatibility.TXT say about it. The disc collection window and `tolva --identify` share all of
// it, and its text forms (TSV, JSON, CSV) are for scripts: always English. No Qt here, so that a
// worker thread can run it on its own copies.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/state.h"
#include "core/wizard/systemcnf.h"

namespace tolva {

class ImageReader;

/// A file that is one disc.
struct DiscFile {
    std::string path;      ///< as it is opened
    std::string relative;  ///< as it is shown: relative to the scanned folder
    std::string stamp;     ///< the sizes and modification times of the disc's files
    std::string format;    ///< a format that cannot be read yet ("CHD", "ZIP"); empty for an image
};

/// The discs of folder and its subfolders, in the order of their relative paths. An image is a
/// file ending .iso .bin .img .cue .nrg or .mdf (any letter case) that no CUE sheet beside it
/// names; .chd .pbp .ecm .7z and .zip files are discs that cannot be read yet.
std::vector<DiscFile> FindDiscFiles(const std::string& folder);

/// The disc at path named on its own (a file or a device), stamped as FindDiscFiles would.
DiscFile DiscFileAt(const std::string& path);

/// What a disc is: read through the reader (a device or mounted folder read directly), or the
/// reason why not, without the reader, for a format that cannot be read yet.
DiscIdentity ReadDiscFile(ImageReader& reader, const DiscFile& disc, const DiscIDTable& table);

/// What earlier scans read, by path; an entry counts while the disc's stamp is unchanged.
struct DiscCache {
    std::map<std::string, std::pair<std::string, DiscIdentity>> discs;
    /// The identity kept for disc, or nullptr when its files changed or it was never read.
    const DiscIdentity* find(const DiscFile& disc) const;
    void keep(const DiscFile& disc, const DiscIdentity& identity) { discs[disc.path] = {disc.stamp, identity}; }
};

/// Where a disc's title comes from.
enum class TitleSource { None, Ini, Txt };

/// One row of the collection; text is UTF-8.
struct DiscRow {
    std::string file;
    std::string productCode;
    std::vector<std::string> discIDs;  ///< every disc ID the disc ID table gives the code
    std::string title;
    TitleSource source = TitleSource::None;
    std::string status;  ///< "Yes", "Partial", "Not Yet", "not in bleem!.INI", or empty (unread, no bleem!.INI)
    std::string reason;  ///< why the disc cannot be read; empty when it was read
    int entry = -1;      ///< the bleem!.INI entry of the disc, -1 when none
};

/// The status of a disc that bleem!.INI lacks.
inline constexpr const char* kNotInIni = "not in bleem!.INI";

/// Compatibility.TXT's records by product code as NormalProductCode writes it, the first of each.
using TxtByCode = std::unordered_map<std::string, std::int32_t>;
TxtByCode IndexTxt(const CompatibilityTable& txt);

/// The row of a disc read as identity; txt is IndexTxt of state's records. iniRead: bleem!.INI
/// was read into state (without it the entry, its title and the status stay empty).
DiscRow DescribeDisc(const DiscFile& disc, const DiscIdentity& identity, const ProgramState& state, const TxtByCode& txt,
                     bool iniRead);

inline constexpr int kDiscColumns = 7;
/// "File", "Product Code", "Disc ID", "Title", "Source", "Status", "Reason".
extern const std::array<const char*, kDiscColumns> kDiscColumnNames;
/// The row's cells in those columns (several disc IDs apart by spaces).
std::array<std::string, kDiscColumns> DiscCells(const DiscRow& row);

/// A header line, then one line per row, cells apart by tabs (tabs and line breaks inside a cell
/// become spaces).
std::string DiscsTsv(const std::vector<DiscRow>& rows);
/// An array of objects with the keys file, product_code, disc_ids, title, title_source, status
/// and error; title_source and error are null when there is none.
std::string DiscsJson(const std::vector<DiscRow>& rows);
/// The rows as the games table exports: a header, CSV, UTF-8.
std::string DiscsCsv(const std::vector<DiscRow>& rows);

}  // namespace tolva
