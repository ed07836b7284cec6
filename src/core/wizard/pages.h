#pragma once
// The wizard's pages 3 to 8 as data and rules: each remark page asks one question whose options
// stand for the digits of one flags position; page 7 ticks the advanced graphics boxes of
// position 2; the finish page settles the status at position 1. The pages change single
// positions of the working word and keep the rest.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tolva {

/// The first and the last page of the wizard.
inline constexpr int kFirstPage = 1;
inline constexpr int kLastPage = 8;

/// The window name of a page ("Wizard3FORM"), "" for a number that is no page.
std::string_view PageName(int page);

/// The page that Back leads to: page 8 returns to page 2 for a game that does not work.
int PreviousPage(int page, std::string_view editFlags);

/// One option of a remark page, top to bottom; its caption is the wizard's name of its flags
/// value (FlagsChoices).
struct RemarkOption {
    std::string_view name;  ///< the option's control name ("Option3")
    char digit;             ///< the value it stands for at the page's position
    std::string_view note;  ///< the text under it, "" for none
};

struct RemarkPage {
    int page;                    ///< 3 to 6
    int position;                ///< the flags position it asks about
    std::string_view heading;
    std::span<const RemarkOption> options;
    int preset;                  ///< the option selected when the page is created, -1 for none
    std::string_view interlude;  ///< text between the first and the second option, "" for none
    std::string_view footer;     ///< text below the options, "" for none
};

/// The remark page of that number (3 to 6), or nullptr.
const RemarkPage* FindRemarkPage(int page);

/// The caption of an option: the wizard's name of its value at the page's position.
std::string_view OptionCaption(const RemarkPage& page, const RemarkOption& option);

/// The option a page selects on load: the one whose digit stands at its position of the working
/// word, else the page's preset.
int PreselectedOption(const RemarkPage& page, std::string_view editFlags);

/// The working word after leaving the page with `selected` chosen (-1: none, word unchanged).
std::string StoreRemark(const RemarkPage& page, std::string_view editFlags, int selected);

/// The advanced graphics boxes (kCheck1..kCheck4) that position 2 of the working word ticks; a
/// value without a row (such as "4") ticks none.
std::uint8_t GraphicsBoxesOf(std::string_view editFlags);

/// The boxes after `clicked` (one of kCheck1..kCheck4) has changed to its state in `boxes`: a box
/// of one pair that becomes ticked clears both boxes of the other pair.
std::uint8_t ExcludeGraphicsBoxes(std::uint8_t boxes, std::uint8_t clicked);

/// The working word with position 2 set to the digit of exactly these boxes; unchanged when no
/// digit stands for them.
std::string StoreGraphicsBoxes(std::string_view editFlags, std::uint8_t boxes);

/// Position 1 as Finish settles it: a working game ("8") with any remark in positions 3 to 8
/// works partially ("0"); every other word is kept.
std::string SettleStatus(std::string_view editFlags);

}  // namespace tolva
