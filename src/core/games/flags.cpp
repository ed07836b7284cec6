#include "core/games/flags.h"

#include <algorithm>
#include <cstdint>

#include "core/text/cp1252.h"

namespace tolva {
namespace {

constexpr FlagsChoice kChoices[] = {
    {2, '0', "", "", 0},
    {2, '1', "Alternate Display Mode on", "", kCheck1},
    {2, '2', "Enable Frame Skip off", "", kCheck2},
    {2, '3', "", "", kCheck1 | kCheck2},
    {2, '5', "Alternate Display Mode : On in Software Mode, Off in D3D", "", kCheck3},
    {2, '6', "Frame Skip : Off in Software Mode / On in D3D", "", kCheck4},
    {2, '7', "", "", kCheck3 | kCheck4},

    {3, '0', "No problems", "", 0},
    {3, '1', "Must Skip opening MDEC's",
     "Some Videos may not play - to skip them, press START and/or X", 0},
    {3, '2', "Opening MDEC's do not display", "Some Video Sequences do not display", 0},
    {3, '3', "Some CD-ROM drives may not be able to play this game.",
     "Some CDROM/DVDROM Units are incompatible with this game", 0},

    {4, '0', "No problems, load and save works properly", "", 0},
    {4, '1', "Can Load but not Save", "Game Saves can be loaded, but not saved", 0},
    {4, '2', "Can Save but not Load", "Game Saves can be saved, but not loaded", 0},
    {4, '3', "Cannot Save or Load", "Memory Cards will automatically be disabled to operate", 0},
    {4, '4', "Some parts can save and load, but not other parts",
     "Game Saves can be loaded and saved for some game functions only", 0},

    {5, '0', "Perfect sound, no errors", "", 0},
    {5, '1', "Sound is missing", "No sound effects and/or music will be heard", 0},
    {5, '2', "Minor Sound Problems", "Some sound effects and/or music may exhibit minor flaws", 0},
    {5, '3', "Major Sound Problems",
     "Some sound effects and/or music may exhibit flaws (Major Sound Problems)", 0},
    {5, '4', "Repeating sound",
     "Some sound effects and/or music may exhibit flaws (Repeating sound)", 0},
    {5, '5', "Minor choppiness",
     "Some sound effects and/or music may exhibit flaws (Minor choppiness)", 0},
    {5, '6', "Major choppiness",
     "Some sound effects and/or music may exhibit flaws (Major choppiness)", 0},

    {7, '0', "Perfect display, no errors", "", 0},
    {7, '1', "Minor Graphics Problems", "Some graphics may exhibit minor flaws", 0},
    {7, '2', "D3D Graphical Problems", "Direct3D Enhancements may exhibit some flaws", 0},
};

// The largest value that still fits eight hexadecimal digits of a signed 32-bit number.
constexpr std::uint64_t kLargestConvertible = 0x7FFFFFFF;

// The leading decimal digits of text; 0 when there are none or the value does not convert.
std::uint32_t LeadingDecimal(std::string_view text) {
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > kLargestConvertible) return 0;  // checked every digit: never overflows
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

std::span<const FlagsChoice> FlagsChoices() { return kChoices; }

const FlagsChoice* FindFlagsChoice(int position, char value) {
    for (const FlagsChoice& c : kChoices) {
        if (c.position == position && c.value == value) return &c;
    }
    return nullptr;
}

const FlagsChoice* FindGraphicsSettings(std::uint8_t boxes) {
    for (const FlagsChoice& c : kChoices) {
        if (c.position == kGraphicsSettingsPosition && c.boxes == boxes) return &c;
    }
    return nullptr;
}

char FlagsPosition(std::string_view flags, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > flags.size()) return '\0';
    return flags[static_cast<std::size_t>(position) - 1];
}

std::string NormaliseFlags(std::string_view stored) {
    std::string word = UpperCase(TrimSpaces(stored));
    if (!word.empty() && word.back() == 'H') return word;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::uint32_t value = LeadingDecimal(word);
    std::string out(kFlagsLength, '0');
    out.back() = 'H';
    for (int k = 7; k >= 0 && value != 0; --k, value >>= 4) out[static_cast<std::size_t>(k)] = kHex[value & 0xF];
    return out;
}

std::string CanonicalFlags(std::string_view stored) {
    std::string word = NormaliseFlags(stored);
    word.pop_back();  // the "H": a normalised word always ends in it
    word.resize(kFlagsLength - 1, '0');
    word.push_back('H');
    return word;
}

std::string SetFlagsPosition(std::string_view flags, int position, char value) {
    std::string word = CanonicalFlags(flags);
    if (position >= 1 && position <= static_cast<int>(kFlagsLength) - 1) {
        word[static_cast<std::size_t>(position) - 1] = value;
    }
    return word;
}

GameStatus StatusOf(char position1) {
    if (position1 == '8') return GameStatus::Works;
    if (position1 == '4') return GameStatus::DoesNotWork;
    return GameStatus::Partial;
}

std::string_view StatusBitmap(GameStatus status) {
    switch (status) {
        case GameStatus::Works: return "YES";
        case GameStatus::DoesNotWork: return "NO";
        case GameStatus::Partial: break;
    }
    return "PART";
}

DecodedFlags DecodeFlags(std::string_view stored) {
    const std::string word = NormaliseFlags(stored);
    DecodedFlags out;
    out.status = StatusOf(FlagsPosition(word, 1));
    if (const FlagsChoice* c = FindFlagsChoice(kGraphicsSettingsPosition, FlagsPosition(word, 2))) {
        for (std::size_t k = 0; k < out.checks.size(); ++k) out.checks[k] = (c->boxes >> k) & 1;
    }
    auto text = [&](int position) -> std::string_view {
        const FlagsChoice* c = FindFlagsChoice(position, FlagsPosition(word, position));
        return c ? c->shown : std::string_view{};
    };
    out.graphics = text(kGraphicsPosition);
    out.sound = text(kSoundPosition);
    out.memCard = text(kMemCardPosition);
    out.other = text(kOtherPosition);
    return out;
}

}  // namespace tolva
