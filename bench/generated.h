#pragma once
// Large invented bleem!.INI and Compatibility.TXT files for the benchmarks: the same seed always
// gives the same bytes.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/cp1252.h"

namespace tolva::generated {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t below(std::uint64_t n) { return next() % n; }

private:
    std::uint64_t state_;
};

struct Entry {
    std::string id, title, flags;
};

struct Database {
    std::string ini;              ///< bleem!.INI bytes
    std::string txt;              ///< Compatibility.TXT bytes
    std::vector<Entry> entries;   ///< the active entries of ini, in file order
};

namespace detail {

template <std::size_t N>
std::string_view Pick(SplitMix64& rng, const std::array<std::string_view, N>& words) {
    return words[rng.below(N)];
}

inline std::string DiscID(SplitMix64& rng) {
    char text[16];
    std::snprintf(text, sizeof text, "%010llu",
                  static_cast<unsigned long long>(1000000000ull + rng.below(9000000000ull)));
    return text;
}

inline std::string AsciiCase(std::string text, bool upper) {
    for (char& c : text) {
        if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return text;
}

inline constexpr std::array<std::string_view, 24> kFirst = {
    "Crimson", "Neon", "Iron", "Phantom", "Silent", "Galactic", "Turbo", "Shadow",
    "Thunder", "Frozen", "Lunar", "Savage", "Mystic", "Rogue", "Atomic", "Velvet",
    "Caf\xe9", "Sk\xf6ll", "\x8a" "abre", "\xc9toile", "ninja", "Hyper", "Man\x9cuvre", "Solar"};
inline constexpr std::array<std::string_view, 20> kSecond = {
    "Racer", "Legacy", "Frontier", "Odyssey", "Assault", "Kingdom", "Tactics",
    "Rally", "Warriors", "Chronicles", "Arena", "Quest", "Striker", "Drift", "Saga",
    "Pinball", "Golf", "Circuit", "Dynasty", "Heist"};
inline constexpr std::array<std::string_view, 12> kSuffix = {
    "", "", "", "", " II", " 3", " 2000", " (Disc 1)", " (Disc 2)", " Deluxe",
    ": Director's Cut", " - Special Edition"};
inline constexpr std::array<std::string_view, 4> kOther = {"Championship", "Tournament", "Expedition", "Syndicate"};
inline constexpr std::array<std::string_view, 8> kPublishers = {
    "Kestrel Interactive", "Blue Lantern Games", "Orbital Softworks", "Marigold Entertainment",
    "Tin Soldier Studios", "Nordlicht Spiele", "Pixelforge", "Sakura Byte"};
inline constexpr std::array<std::string_view, 3> kRegions = {"USA", "Europe", "Japan"};
inline constexpr std::array<std::string_view, 6> kGenres = {"Racing", "Action", "Puzzle", "Sports", "RPG", "Shooter"};
inline constexpr std::array<std::string_view, 3> kD3D = {"Yes", "No", ""};
inline constexpr std::array<std::string_view, 6> kDetails = {
    "Runs at full speed.", "Minor slowdown in menus.", "Music skips during loading screens.",
    "Hangs after the second boss.", "Save screen flickers.", ""};
// The values each flags position 2 to 8 takes when it carries a remark.
inline constexpr std::array<std::string_view, 7> kRemarks = {"123567", "123", "1234", "123456", "0", "12", "0"};

}  // namespace detail

/// An entries-entry bleem!.INI and an entries-record Compatibility.TXT, CR LF, Windows-1252,
/// as a user could have them: Compatibility.TXT holds at most 4096 records (its header
/// included), and the comment lines and disabled entries are left out where they would take
/// bleem!.INI beyond the 16385 lines a change holds (a full database of 4096 entries has none).
inline Database GenerateDatabase(int entries, std::uint64_t seed = 1) {
    using namespace detail;
    constexpr std::size_t kRecordCapacity = 4096;
    constexpr long long kLineBudget = 16385;
    SplitMix64 rng(seed);
    std::vector<std::string> ini;
    if (3 + 4LL * entries <= kLineBudget) {
        ini = {"; bleem! game compatibility database",
               "; generated: " + std::to_string(entries) + " entries, seed " + std::to_string(seed)};
    }
    ini.push_back("Version=GEN-" + std::to_string(seed) + "-" + std::to_string(entries));
    std::vector<Entry> active;
    std::vector<std::string> txt = {"No|Title|Publisher|Product Code|Region|Genre|Status|D3D|Details|Notes"};
    for (int k = 0; k < entries; ++k) {
        const std::string first(Pick(rng, kFirst));
        const std::string base = first + " " + std::string(Pick(rng, kSecond));
        std::string title = base + std::string(Pick(rng, kSuffix));
        const std::uint64_t letterCase = rng.below(20);
        if (letterCase == 0) title = AsciiCase(title, false);
        if (letterCase == 1) title = AsciiCase(title, true);
        const std::string gameID = DiscID(rng);

        const std::uint64_t status = rng.below(10);
        std::string positions;
        for (std::string_view values : kRemarks) {
            if (rng.below(10) >= 7) {
                positions += values[rng.below(values.size())];
            } else {
                positions += '0';
            }
        }
        std::string flags;
        if (status < 5) {
            flags = (positions.substr(1) == "000000" ? "8" : "0") + positions + "H";
        } else if (status < 7) {
            flags = "40000000H";
        } else {
            flags = "0" + positions + "H";
        }

        if (rng.below(40) == 0) {
            const std::string disabledID = DiscID(rng);
            if (static_cast<long long>(ini.size()) + 4 + 4LL * (entries - k) <= kLineBudget)
                ini.insert(ini.end(), {"", ";ID=" + disabledID, ";Title=" + title, ";Flags=" + flags});
        }
        ini.insert(ini.end(), {"", "ID=" + gameID, "Title=" + title, "Flags=" + flags});
        active.push_back({gameID, title, flags});

        std::string recordTitle;
        std::string recordStatus = "Yes!";
        if (rng.below(10) < 8) {
            recordTitle = base;
            recordStatus = flags[0] == '8' ? "Yes!" : flags[0] == '4' ? "Not Yet" : "Partially";
        } else {
            recordTitle = first + " " + std::string(Pick(rng, kOther));
        }
        const std::string_view publisher = Pick(rng, kPublishers);
        const std::string_view region = Pick(rng, kRegions);
        const std::string_view genre = Pick(rng, kGenres);
        const std::string_view d3d = Pick(rng, kD3D);
        const std::string_view details = Pick(rng, kDetails);
        char code[16];
        std::snprintf(code, sizeof code, "SLUS-%05d", 90000 + k % 10000);
        std::string record = std::to_string(k + 1) + "|" + recordTitle + "|" + std::string(publisher) + "|" + code +
                             "|" + std::string(region) + "|" + std::string(genre) + "|" + recordStatus + "|" +
                             std::string(d3d) + "|" + std::string(details) + "|";
        if (txt.size() < kRecordCapacity) txt.push_back(std::move(record));
    }
    Database out;
    out.entries = std::move(active);
    for (const std::string& line : ini) out.ini += line + "\r\n";
    for (const std::string& line : txt) out.txt += line + "\r\n";
    return out;
}

/// The orders a bleem!.INI comes in. Users' files are sorted by title (the maintainers' file, and
/// any file after Clean Up) with additions and updates appended at the end.
enum class Shape { Random, Appended1, Appended5, Reversed };

/// db's active entries in shape's order, as bleem!.INI (version line, then the entries): Random
/// as generated; AppendedN sorted by upper-case title with N% of them, picked at random, taken
/// out and appended in random order; Reversed sorted the other way. The generator's titles
/// repeat exactly and in other letter cases, so every shape holds both kinds of twins.
inline Database Reshaped(Database db, Shape shape, std::uint64_t seed = 7) {
    std::vector<Entry>& entries = db.entries;
    if (shape != Shape::Random) {
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            return CompareCodePoints(UpperCase(a.title), UpperCase(b.title)) < 0;
        });
    }
    if (shape == Shape::Reversed) std::reverse(entries.begin(), entries.end());
    if (shape == Shape::Appended1 || shape == Shape::Appended5) {
        const std::size_t percent = shape == Shape::Appended1 ? 1 : 5;
        const std::size_t appended = std::min(entries.size(), std::max<std::size_t>(1, entries.size() * percent / 100));
        SplitMix64 rng(seed);
        // Move random picks to the back one by one: the back is then in random order too.
        for (std::size_t k = 0; k < appended; ++k) {
            const std::size_t pick = rng.below(entries.size() - k);
            std::rotate(entries.begin() + static_cast<std::ptrdiff_t>(pick),
                        entries.begin() + static_cast<std::ptrdiff_t>(pick) + 1, entries.end());
        }
    }
    const std::size_t version = std::min(db.ini.find("Version="), db.ini.size());
    db.ini = db.ini.substr(version, db.ini.find("\r\n", version) + 2 - version);
    for (const Entry& e : entries) db.ini += "\r\nID=" + e.id + "\r\nTitle=" + e.title + "\r\nFlags=" + e.flags + "\r\n";
    return db;
}

}  // namespace tolva::generated
