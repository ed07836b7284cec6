#include "core/startup/wineprefixes.h"

#include <gtest/gtest.h>

#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;
namespace fs = std::filesystem;

fs::path Make(const fs::path& folder) {
    fs::create_directories(folder);
    return folder;
}

TEST(WinePrefixes, EveryKindOfPrefixOnce) {
    TempFolder temp;
    const fs::path home = temp.path();
    const std::vector<fs::path> expected = {
        home / ".wine",
        home / "Games" / "bleem",
        home / ".local/share/bottles/bottles" / "Games",
        home / ".PlayOnLinux/wineprefix" / "bleem",
        home / ".local/share/Steam/steamapps/compatdata/1234" / "pfx",
    };
    for (const fs::path& prefix : expected) Make(prefix / "drive_c");
    Make(home / "Games" / "native");  // no drive_c: not a prefix
    fs::create_directory_symlink(home / ".local/share/Steam", Make(home / ".steam") / "steam");
    // $WINEPREFIX naming ~/.wine and Steam reached by its link are each found once.
    EXPECT_EQ(WinePrefixes({home.string(), (home / ".wine").string(), ""}), expected);
    EXPECT_EQ(WinePrefixes({"", "", ""}), std::vector<fs::path>{});
}

TEST(WinePrefixes, BleemIniInProgramFilesAndTheTopOfDriveC) {
    TempFolder temp;
    const fs::path drive = Make(fs::path(temp.path()) / "drive_c");
    const std::vector<std::string> found = {
        Make(drive / "Program Files" / "bleem" / "v1").string(),
        Make(drive / "Program Files (x86)" / "bleem!").string(),
        Make(drive / "bleem").string(),
        Make(drive / "games" / "bleem").string(),
    };
    const std::vector<std::string> names = {"bleem!.INI", "BLEEM!.ini", "bleem!.ini", "Bleem!.Ini"};
    for (std::size_t i = 0; i < found.size(); ++i) temp.write((fs::path(found[i]) / names[i]).string(), "");
    temp.write((fs::path(found[0]) / names[1]).string(), "");  // a second spelling: the folder still once
    temp.write((Make(drive / "games" / "old" / "bleem") / "bleem!.INI").string(), "");  // too deep
    temp.write((Make(drive / "Program Files/a/b/c") / "bleem!.INI").string(), "");      // likewise
    Make(drive / "users" / "bleem!.INI");                                                  // a folder
    const WineSearchResult result = FindBleemInPrefixes({temp.path()});
    EXPECT_EQ(result.folders, found);
    EXPECT_FALSE(result.stopped);
}

TEST(WinePrefixes, LargePrefixStopsWithinItsLimits) {
    TempFolder temp;
    const fs::path drive = Make(fs::path(temp.path()) / "drive_c");
    for (int i = 0; i < 2000; ++i) Make(drive / ("game" + std::to_string(i)));
    temp.write((drive / "game999" / "bleem!.INI").string(), "");

    const WineSearchResult whole = FindBleemInPrefixes({temp.path()}, {10000, std::chrono::minutes(1)});
    EXPECT_EQ(whole.folders, std::vector<std::string>{(drive / "game999").string()});
    EXPECT_FALSE(whole.stopped);

    const WineSearchResult budget = FindBleemInPrefixes({temp.path()}, {500, std::chrono::minutes(1)});
    EXPECT_TRUE(budget.stopped);
    EXPECT_EQ(budget.listed, 500u);
    EXPECT_TRUE(budget.folders.empty());

    const WineSearchResult time = FindBleemInPrefixes({temp.path()}, {10000, std::chrono::milliseconds(0)});
    EXPECT_TRUE(time.stopped);
    EXPECT_EQ(time.listed, 0u);
}

}  // namespace
}  // namespace tolva
