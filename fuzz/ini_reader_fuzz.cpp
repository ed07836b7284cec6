// bleem!.INI as any file might hold it: the reader never fails, the table it leaves is within its
// capacity and in title order, and the fast exchange sort gives exactly the order of the literal
// double loop, ties included.
#include <algorithm>
#include <random>
#include <utility>

#include "core/database/gametable.h"
#include "core/database/iniline.h"
#include "core/text/cp1252.h"
#include "fuzz_support.h"
#include "../tests/core/support.h"

using namespace tolva;
using namespace tolva::fuzz;
using tolva::testing::LiteralExchangeSort;

namespace {

// The literal exchange loop is quadratic: it checks the fast sort on small tables only.
constexpr int kLiteralLimit = 100;

// Reused between inputs, as building a table of full capacity costs more than a read: the
// reader must not depend on what an earlier read left behind.
GameTable& Table(int which) {
    static GameTable tables[3];
    return tables[which];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = AsText(data, size);
    const AtEnd release{[] { for (int k = 0; k < 3; ++k) ReleaseTexts(Table(k), Table(0).count()); }};
    GameTable& games = Table(0);
    // A last byte of 0x7F answers the first failure with Cancel, as the user may.
    const bool cancel = size > 0 && data[size - 1] == 0x7F;
    int failures = 0;
    const bool carried = ReadINIText(games, bytes, [&](const Failure& failure) {
        FUZZ_CHECK(!failure.description.empty());
        FUZZ_CHECK(failure.module == kReadINIModule);
        ++failures;
        return cancel ? Resolution::Cancel : Resolution::Resume;
    });
    FUZZ_CHECK(carried || (cancel && failures == 1));
    FUZZ_CHECK(games.GameLast >= -1 && games.GameLast < kTableCapacity);
    if (!carried) return 0;

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

    if (games.count() < 2 || games.count() > kLiteralLimit) return 0;
    // Shuffle the sorted entries in a way the input decides, then sort both ways and compare.
    GameTable& fast = Table(1);
    GameTable& literal = Table(2);
    fast.GameLast = games.GameLast;
    std::vector<int> order(games.count());
    for (int i = 0; i < games.count(); ++i) order[i] = i;
    std::minstd_rand random(static_cast<unsigned>(size * 2654435761u + (size ? data[size / 2] : 0)));
    std::shuffle(order.begin(), order.end(), random);
    for (int i = 0; i < games.count(); ++i) {
        const int from = order[i];
        fast.GameID[i] = games.GameID[from];
        fast.GameTitle[i] = games.GameTitle[from];
        fast.GameTitleUpper[i] = games.GameTitleUpper[from];
        fast.GameFlags[i] = games.GameFlags[from];
        fast.GameTitleKey[i] = std::to_string(from);  // tells equal titles apart
        fast.GameTxtIndex[i] = from;
    }
    literal.GameLast = fast.GameLast;
    for (int i = 0; i < games.count(); ++i) {
        literal.GameID[i] = fast.GameID[i];
        literal.GameTitle[i] = fast.GameTitle[i];
        literal.GameTitleUpper[i] = fast.GameTitleUpper[i];
        literal.GameFlags[i] = fast.GameFlags[i];
        literal.GameTitleKey[i] = fast.GameTitleKey[i];
        literal.GameTxtIndex[i] = fast.GameTxtIndex[i];
    }
    SortGames(fast);
    LiteralExchangeSort(literal);
    for (int i = 0; i < games.count(); ++i) {
        FUZZ_CHECK(fast.GameTxtIndex[i] == literal.GameTxtIndex[i]);
        FUZZ_CHECK(fast.GameTitleKey[i] == literal.GameTitleKey[i]);
        FUZZ_CHECK(fast.GameID[i] == literal.GameID[i]);
        FUZZ_CHECK(fast.GameTitle[i] == literal.GameTitle[i]);
        FUZZ_CHECK(fast.GameFlags[i] == literal.GameFlags[i]);
    }
    return 0;
}
