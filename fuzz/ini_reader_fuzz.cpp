// bleem!.INI as any file might hold it: the reader never fails, every ID line makes an entry
// while there is room, and the table it leaves is within its capacity and in title order.
// (SortGames against the literal exchange loop is the core tests' SortGames test.)
#include "core/database/gametable.h"
#include "core/database/iniline.h"
#include "core/text/cp1252.h"
#include "fuzz_support.h"

TOLVA_FUZZ_TARGET(bytes) {
    // Reused between inputs: the reader must not depend on what an earlier read left behind.
    GameTable& games = SharedState().games;
    const ReleaseAtEnd release;
    // (What Cancel stops is the core tests'.)
    FUZZ_CHECK(ReadINIText(games, bytes, [](const Failure& failure) {
        FUZZ_CHECK(failure.module == kReadINIModule);
        return Resume(failure);
    }));
    FUZZ_CHECK(games.GameLast >= -1 && games.GameLast < kTableCapacity);

    // Every ID line makes an entry while there is room; beyond it the table says it was cut.
    LineReader reader(bytes);
    std::string_view line;
    long ids = 0;
    while (reader.next(line)) ids += ClassifyIniLine(line) == IniKey::ID;
    FUZZ_CHECK(ids == games.count() || (ids > kTableCapacity && games.Truncated && games.count() == kTableCapacity));
    FUZZ_CHECK(games.Truncated == (ids > kTableCapacity));

    for (int i = 0; i <= games.GameLast; ++i) {
        FUZZ_CHECK(games.GameTitleUpper[i] == UpperCase(games.GameTitle[i]));
        if (i > 0) FUZZ_CHECK(CompareCodePoints(games.GameTitleUpper[i - 1], games.GameTitleUpper[i]) <= 0);
    }
}
