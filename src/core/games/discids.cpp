#include "core/games/discids.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "core/endpoints.h"
#include "core/text/cp1252.h"

namespace tolva {
namespace {

constexpr std::size_t kDiscIDLength = 10;

// Whether a row's disc ID is known or had to be invented (the generator marks each row).
constexpr bool kKnownDiscID = false;
constexpr bool kInventedDiscID = true;

struct Row {
    const char* text;
    bool inventedDiscID;
};

constexpr std::array<Row, kDiscIDCount> kRows = {{
#include "core/games/discid_data.inc"
}};

}  // namespace

std::string_view RowDiscID(std::string_view row) { return row.substr(0, kDiscIDLength); }

namespace {

// The rows holding this disc ID, in index order: a range of the index. Callers scan the rows
// instead when the table has no index (one not filled by InitDiscIDs).
std::pair<const std::int32_t*, const std::int32_t*> RowsWithDiscID(const DiscIDTable& table,
                                                                   std::string_view discID) {
    const std::int32_t* first = table.byDiscID.data();
    const std::int32_t* last = first + table.byDiscID.size();
    const auto below = [&](std::int32_t row, std::string_view id) {
        return RowDiscID(table.rows[static_cast<std::size_t>(row)]) < id;
    };
    const auto above = [&](std::string_view id, std::int32_t row) {
        return id < RowDiscID(table.rows[static_cast<std::size_t>(row)]);
    };
    first = std::lower_bound(first, last, discID, below);
    return {first, std::upper_bound(first, last, discID, above)};
}

bool Indexed(const DiscIDTable& table) { return table.byDiscID.size() == table.rows.size(); }

}  // namespace

void InitDiscIDs(DiscIDTable& table) {
    table.rows.clear();
    table.inventedDiscID.clear();
    for (const Row& row : kRows) {
        table.rows.emplace_back(row.text);
        table.inventedDiscID.push_back(row.inventedDiscID);
    }
    table.byDiscID.resize(table.rows.size());
    std::iota(table.byDiscID.begin(), table.byDiscID.end(), 0);
    std::stable_sort(table.byDiscID.begin(), table.byDiscID.end(), [&](std::int32_t a, std::int32_t b) {
        return RowDiscID(table.rows[static_cast<std::size_t>(a)]) < RowDiscID(table.rows[static_cast<std::size_t>(b)]);
    });
}

std::string_view RowProductCode(std::string_view row) {
    return row.size() > kDiscIDLength ? row.substr(kDiscIDLength) : std::string_view{};
}

std::vector<std::string_view> ProductCodesForDiscID(const DiscIDTable& table, std::string_view discID) {
    std::vector<std::string_view> codes;
    if (Indexed(table)) {
        const auto [first, last] = RowsWithDiscID(table, discID);
        for (const std::int32_t* row = first; row != last; ++row)
            codes.push_back(RowProductCode(table.rows[static_cast<std::size_t>(*row)]));
        return codes;
    }
    for (const std::string& row : table.rows) {
        if (RowDiscID(row) == discID) codes.push_back(RowProductCode(row));
    }
    return codes;
}

std::string ProductCodeForDiscID(const DiscIDTable& table, std::string_view discID) {
    const std::vector<std::string_view> codes = ProductCodesForDiscID(table, discID);
    return codes.empty() ? std::string() : std::string(codes.front());
}

std::string DiscIDForProductCode(const DiscIDTable& table, std::string_view productCode) {
    const std::vector<std::string> ids = DiscIDsForProductCode(table, productCode);
    return ids.empty() ? std::string() : ids.front();
}

std::vector<std::string> DiscIDsForProductCode(const DiscIDTable& table, std::string_view productCode) {
    std::vector<std::string> ids;
    for (std::size_t k = 0; k < table.rows.size(); ++k) {
        // A real disc must never be given a disc ID that was made up.
        if (k < table.inventedDiscID.size() && table.inventedDiscID[k]) continue;
        if (RowProductCode(table.rows[k]) == productCode) ids.emplace_back(RowDiscID(table.rows[k]));
    }
    return ids;
}

std::string NormalProductCode(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (c == '-' || c == '_' || c == '.' || c == ' ') continue;
        if (kept.size() == 9) return {};
        kept += c;
    }
    constexpr std::size_t kLetters = 4;
    if (kept.size() != 9) return {};
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const auto c = static_cast<unsigned char>(kept[i]);
        const bool ok = i < kLetters ? ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) : (c >= '0' && c <= '9');
        if (!ok) return {};
        kept[i] = static_cast<char>(UpperCase1252(c));
    }
    return kept.substr(0, kLetters) + '-' + kept.substr(kLetters);
}

bool IsDiscID(std::string_view text) {
    return text.size() == kDiscIDLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string GameInfoAddress(std::string_view productCode) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = std::string(kGameInfoSite) + kGameInfoPath;
    for (char c : productCode) {
        const auto b = static_cast<unsigned char>(c);
        const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                           b == '-' || b == '.' || b == '_' || b == '~';
        if (plain) {
            address += c;
        } else {
            address += '%';
            address += kHex[b >> 4];
            address += kHex[b & 0xF];
        }
    }
    return address;
}

std::string MoreInformationCode(const ProgramState& state, int i) {
    const GameTable& games = state.games;
    if (i < 0 || i > games.GameLast || i >= kTableCapacity) return {};
    std::string code = ProductCodeForDiscID(state.discIDs, games.GameID[static_cast<std::size_t>(i)]);
    if (code.empty() && state.folders.TxtUpdate) {
        const std::int32_t k = state.txt.recordOf(games.GameTxtIndex[static_cast<std::size_t>(i)]);
        if (k != 0) code = state.txt.TxtProductCode[static_cast<std::size_t>(k)];
    }
    return code;
}

std::string MoreInformationAddress(const ProgramState& state, int i) {
    const std::string code = MoreInformationCode(state, i);
    return code.empty() ? std::string{} : GameInfoAddress(code);
}

}  // namespace tolva
