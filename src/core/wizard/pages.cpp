#include "core/wizard/pages.h"

#include <array>

#include "core/games/flags.h"
#include "core/wizard/identity.h"

namespace tolva {
namespace {

constexpr std::array<std::string_view, kLastPage> kPageNames = {
    "Wizard1FORM", "Wizard2FORM", "Wizard3FORM", "Wizard4FORM",
    "Wizard5FORM", "Wizard6FORM", "Wizard7FORM", "Wizard8FORM",
};

constexpr RemarkOption kGraphicsOptions[] = {
    {"Option3", '0', "This means that the game runs as good as on a real playstation or even better."},
    {"Option1", '1', "The game has small graphics errors, e.g. translucency problems, corrupt loading/title screens etc."},
    {"Option2", '2',
     "The game has graphics problems running in D3D, e.g. menus or parts of the screen don't display, parts of "
     "the screen are flickering, screens don't update etc."},
};

constexpr RemarkOption kSoundOptions[] = {
    {"Option4", '0', ""},
    {"Option3", '1', ""},
    {"Option1", '2', "The game has small sound errors, e.g. muffled sound, low sounds, distorted speech/sound, etc."},
    {"Option2", '3', "The game has sound errors, e.g. real choppy MDEC sound, missing or cut off sounds, etc."},
    {"Option5", '4', ""},
    {"Option6", '5', ""},
    {"Option7", '6', ""},
};

constexpr RemarkOption kMemCardOptions[] = {
    {"Option5", '0', ""},
    {"Option4", '1', ""},
    {"Option3", '2', ""},
    {"Option1", '3', "The memory card function will be disabled"},
    {"Option2", '4', ""},
};

constexpr RemarkOption kOtherOptions[] = {
    {"Option4", '0', ""},
    {"Option3", '1', ""},
    {"Option1", '2', "Movies skip automatically."},
    {"Option2", '3',
     "Since a PC CD-Rom is much faster than the one a PSX uses, some games may experience problems because the "
     "data got transferred too fast."},
};

const RemarkPage kRemarkPages[] = {
    {3, kGraphicsPosition, "Please rate the graphic quality of this game using bleem! :", kGraphicsOptions, 0, "",
     "Attention : Any Major graphics problems will usually make the game fail, you shouldn't rate this game as "
     "compatible."},
    {4, kSoundPosition, "Please rate the sound quality of this game using bleem! :", kSoundOptions, 0, "", ""},
    {5, kMemCardPosition, "Does this game support the memory cards ?", kMemCardOptions, 0, "", ""},
    // Nothing is chosen for movies until the user says so: a stored remark there is kept.
    {6, kOtherPosition, "MDEC and CD-ROM Problems", kOtherOptions, -1,
     "When bleem! crashes during a movie, choose one of the following options :", ""},
};

constexpr std::uint8_t kFirstPair = kCheck1 | kCheck2;
constexpr std::uint8_t kSecondPair = kCheck3 | kCheck4;

}  // namespace

std::string_view PageName(int page) {
    if (page < kFirstPage || page > kLastPage) return {};
    return kPageNames[static_cast<std::size_t>(page - 1)];
}

int PreviousPage(int page, std::string_view editFlags) {
    if (page == kLastPage) return editFlags == kNotWorkingFlags ? 2 : 7;
    return page > kFirstPage ? page - 1 : kFirstPage;
}

const RemarkPage* FindRemarkPage(int page) {
    for (const RemarkPage& p : kRemarkPages) {
        if (p.page == page) return &p;
    }
    return nullptr;
}

std::string_view OptionCaption(const RemarkPage& page, const RemarkOption& option) {
    const FlagsChoice* choice = FindFlagsChoice(page.position, option.digit);
    return choice ? choice->choice : std::string_view{};
}

int PreselectedOption(const RemarkPage& page, std::string_view editFlags) {
    const char value = FlagsPosition(CanonicalFlags(editFlags), page.position);
    for (std::size_t k = 0; k < page.options.size(); ++k) {
        if (page.options[k].digit == value) return static_cast<int>(k);
    }
    return page.preset;
}

std::string StoreRemark(const RemarkPage& page, std::string_view editFlags, int selected) {
    if (selected < 0 || static_cast<std::size_t>(selected) >= page.options.size()) return std::string(editFlags);
    return SetFlagsPosition(editFlags, page.position, page.options[static_cast<std::size_t>(selected)].digit);
}

std::uint8_t GraphicsBoxesOf(std::string_view editFlags) {
    const FlagsChoice* choice =
        FindFlagsChoice(kGraphicsSettingsPosition, FlagsPosition(CanonicalFlags(editFlags), kGraphicsSettingsPosition));
    return choice ? choice->boxes : 0;
}

std::uint8_t ExcludeGraphicsBoxes(std::uint8_t boxes, std::uint8_t clicked) {
    if ((boxes & clicked) == 0) return boxes;  // a box that became cleared changes nothing else
    if (clicked & kFirstPair) return static_cast<std::uint8_t>(boxes & ~kSecondPair);
    if (clicked & kSecondPair) return static_cast<std::uint8_t>(boxes & ~kFirstPair);
    return boxes;
}

std::string StoreGraphicsBoxes(std::string_view editFlags, std::uint8_t boxes) {
    const FlagsChoice* row = FindGraphicsSettings(boxes);
    if (!row) return std::string(editFlags);
    return SetFlagsPosition(editFlags, kGraphicsSettingsPosition, row->value);
}

std::string SettleStatus(std::string_view editFlags) {
    std::string word(editFlags);
    if (FlagsPosition(word, 1) != '8') return word;
    // Positions 3 to 8; a shorter word cannot show six "0" and so carries a remark.
    const std::string_view remarks = word.size() > 2 ? std::string_view(word).substr(2, 6) : std::string_view{};
    if (remarks != "000000") word[0] = '0';
    return word;
}

}  // namespace tolva
