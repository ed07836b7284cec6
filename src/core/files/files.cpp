#include "core/files/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/text/cp1252.h"

namespace tolva {
namespace fs = std::filesystem;

namespace {

fs::path ToPath(const std::string& utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string FromPath(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

// A file name folded for the case-insensitive match: UTF-8 decoded, each character taken to its
// Windows-1252 upper case when the code page has it. Bytes that are not valid UTF-8 stand for
// themselves (shifted out of the code point range) so that such names still compare exactly.
std::u32string FoldName(std::string_view name) {
    std::u32string out;
    std::size_t k = 0;
    while (k < name.size()) {
        const unsigned char b = static_cast<unsigned char>(name[k]);
        char32_t cp = 0;
        std::size_t len = 0;
        if (b < 0x80) {
            cp = b;
            len = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            len = 4;
        }
        bool valid = len > 0 && k + len <= name.size();
        for (std::size_t m = 1; valid && m < len; ++m) {
            const unsigned char c = static_cast<unsigned char>(name[k + m]);
            if ((c & 0xC0) != 0x80) valid = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!valid) {
            out.push_back(0x110000 + b);
            ++k;
            continue;
        }
        const int byte = UnicodeToCp1252(cp);
        if (byte >= 0) cp = Cp1252ToUnicode(UpperCase1252(static_cast<unsigned char>(byte)));
        out.push_back(cp);
        k += len;
    }
    return out;
}

std::string LimitText(std::size_t limit) {
    constexpr std::size_t kMiB = 1024u * 1024u;
    if (limit >= kMiB && limit % kMiB == 0) return std::to_string(limit / kMiB) + " MB";
    return std::to_string(limit) + " bytes";
}

FileBytes Failed(std::string error) {
    FileBytes result;
    result.error = std::move(error);
    return result;
}

}  // namespace

const std::string& NativeSeparator() {
    static const std::string separator(1, static_cast<char>(fs::path::preferred_separator));
    return separator;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.ends_with(NativeSeparator())) return folder + name;
    return folder + NativeSeparator() + name;
}

std::optional<std::string> LocateFile(const std::string& path) {
    std::error_code ec;
    const fs::path wanted = ToPath(path);
    if (fs::is_regular_file(wanted, ec)) return path;

    const fs::path name = wanted.filename();
    if (name.empty()) return std::nullopt;
    const fs::path folder = wanted.parent_path();
    const std::u32string key = FoldName(FromPath(name));

    // Several names may differ only in case; take the smallest so the choice does not depend on
    // the order in which the folder happens to list them.
    std::optional<std::string> best;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder,
                              fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string candidate = FromPath(it->path().filename());
        if (FoldName(candidate) != key) continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        if (!best || candidate < *best) best = candidate;
    }
    if (!best) return std::nullopt;
    return folder.empty() ? *best : FromPath(folder / ToPath(*best));
}

FileBytes ReadWholeFile(const std::string& path, std::size_t limit) {
    const fs::path file = ToPath(path);
    std::error_code ec;
    if (fs::is_directory(file, ec)) {
        return Failed("cannot open " + path + ": " +
                      std::make_error_code(std::errc::is_a_directory).message());
    }
#ifdef _WIN32
    std::FILE* stream = _wfopen(file.c_str(), L"rb");
#else
    std::FILE* stream = std::fopen(file.c_str(), "rb");
#endif
    if (stream == nullptr) {
        return Failed("cannot open " + path + ": " + std::generic_category().message(errno));
    }

    FileBytes result;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (!ec && size <= limit) result.bytes.reserve(static_cast<std::size_t>(size));

    // Read up to one byte past the limit: the size reported beforehand may be wrong (a pipe, a
    // file still growing), so the limit is enforced on what actually arrives.
    std::vector<char> chunk(64 * 1024);
    bool tooLarge = false;
    while (true) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), stream);
        if (got > 0) {
            if (result.bytes.size() + got > limit) {
                tooLarge = true;
                break;
            }
            result.bytes.append(chunk.data(), got);
        }
        if (got < chunk.size()) break;
    }
    const bool readError = !tooLarge && std::ferror(stream) != 0;
    const int readErrno = errno;
    std::fclose(stream);

    if (tooLarge) return Failed("cannot read " + path + ": the file is larger than " + LimitText(limit));
    if (readError) return Failed("cannot read " + path + ": " + std::generic_category().message(readErrno));
    result.ok = true;
    return result;
}

}  // namespace tolva
