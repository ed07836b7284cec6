#pragma once
// The flags word of a bleem!.INI entry: eight one-character codes followed by "H"
// ("80000000H"). Position 1 is the status, 2 the advanced graphics settings, 3 other problems
// (movies and CD-ROM), 4 memory cards, 5 sound, 7 graphics; 6 and 8 carry nothing. The meaning
// of every value lives in one table (FlagsChoices) that the details view and the wizard share.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tolva {

/// Length of the form the program writes: eight positions and the "H".
inline constexpr std::size_t kFlagsLength = 9;

/// The word a new entry starts from.
inline constexpr std::string_view kEmptyFlags = "00000000H";

/// The positions that carry a remark text in the details view.
inline constexpr int kOtherPosition = 3;
inline constexpr int kMemCardPosition = 4;
inline constexpr int kSoundPosition = 5;
inline constexpr int kGraphicsPosition = 7;
/// The position of the advanced graphics settings (the four check boxes).
inline constexpr int kGraphicsSettingsPosition = 2;

/// The overall status, from position 1 alone: "8" works, "4" does not, anything else partially.
enum class GameStatus { Works, DoesNotWork, Partial };

/// Bits of the four advanced graphics boxes: bit 0 ticks Check1 ... bit 3 ticks Check4.
inline constexpr std::uint8_t kCheck1 = 1, kCheck2 = 2, kCheck3 = 4, kCheck4 = 8;

/// One value of one position: what the wizard calls it and what the details view shows.
struct FlagsChoice {
    int position;            ///< 1 to 8
    char value;              ///< the character stored at that position
    std::string_view choice; ///< the name of the choice in the wizard ("" when it has none)
    std::string_view shown;  ///< the remark shown in the details view ("" for none)
    std::uint8_t boxes;      ///< position 2 only: the advanced graphics boxes it ticks
};

/// Every value of positions 2, 3, 4, 5 and 7 that the program writes or interprets.
std::span<const FlagsChoice> FlagsChoices();

/// The row for a value at a position, or nullptr when the table does not list it.
const FlagsChoice* FindFlagsChoice(int position, char value);

/// The position 2 row whose boxes are exactly these, or nullptr (no row ticks Check1 and Check3).
const FlagsChoice* FindGraphicsSettings(std::uint8_t boxes);

/// The character at a position (1-based), or '\0' when the word is shorter.
char FlagsPosition(std::string_view flags, int position);

/// The stored word as the details view reads it: trimmed and upper case; a word not ending in
/// "H" is read as a decimal number and written as eight hexadecimal digits and "H" ("128" gives
/// "00000080H"). Empty, non-numeric and unconvertible (2^31 and above) words read as 0.
std::string NormaliseFlags(std::string_view stored);

/// The stored word in the nine-character form: normalised, then cut or padded with "0" after its
/// last position so that every position keeps its place ("8H" gives "80000000H").
std::string CanonicalFlags(std::string_view stored);

/// The word with one position (1 to 8) replaced; the word is brought into the nine-character
/// form first, so the value lands at its position whatever form was stored.
std::string SetFlagsPosition(std::string_view flags, int position, char value);

/// The status a position 1 character stands for.
GameStatus StatusOf(char position1);

/// The name of the status picture: "YES", "NO" or "PART".
std::string_view StatusBitmap(GameStatus status);

/// What the details view shows for a flags word.
struct DecodedFlags {
    GameStatus status = GameStatus::Partial;
    std::array<bool, 4> checks{};  ///< Check1 to Check4
    std::string_view graphics;     ///< position 7
    std::string_view sound;        ///< position 5
    std::string_view memCard;      ///< position 4
    std::string_view other;        ///< position 3
};

/// Decodes a stored word (normalised on a copy first). The texts point into FlagsChoices().
DecodedFlags DecodeFlags(std::string_view stored);

}  // namespace tolva
