#include "core/wizard/identity.h"

namespace tolva {
namespace {

constexpr char32_t kBackspace = 8;

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FilterDiscID(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (digits.size() == kDiscIDLength) break;
        if (IsDigit(static_cast<unsigned char>(c))) digits.push_back(c);
    }
    return digits;
}

bool AcceptDiscIDKey(std::size_t length, char32_t keyCode) {
    if (keyCode == kBackspace) return true;
    return IsDigit(keyCode) && length != kDiscIDLength;
}

bool CanGoForward(std::string_view discID, std::string_view title) {
    return discID.size() >= kDiscIDLength && !title.empty();
}

int FindDiscIDUser(const GameTable& games, std::string_view discID) {
    for (int i = 0; i <= games.GameLast && i < kTableCapacity; ++i) {
        if (games.GameID[static_cast<std::size_t>(i)] == discID) return i;
    }
    return -1;
}

std::string DuplicateDiscIDText(std::string_view title) {
    return "This digit code is already used by another game\r\n\r\n" + std::string(title);
}

std::string DiscIDNotFoundText(std::string_view productCode) {
    return "Tolva! wasn't able to find a DiscID for this cd.\r\n"
           "Please get the ID using bleem! and mail it, together with the region code (" +
           std::string(productCode) + "), to us.";
}

}  // namespace tolva
