// The update text as any server might send it, against a bleem!.INI that the input also gives
// (the first NUL divides the INI's bytes from the update's): the processing never fails, its
// outcome agrees with its rows, the rows are exactly the entries the table lacks, and appending
// the checked entries keeps every old byte and adds exactly those entries.
#include <algorithm>
#include <set>

#include "core/database/gametable.h"
#include "core/database/writer.h"
#include "core/text/cp1252.h"
#include "core/update/update_processing.h"
#include "fuzz_support.h"

using namespace tolva;
using namespace tolva::fuzz;

namespace {

Resolution Resume(const Failure&) { return Resolution::Resume; }

GameTable& Table(int which) {
    static GameTable tables[2];
    return tables[which];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [ini, text] = SplitAtNul(AsText(data, size));
    const AtEnd release{[] { ReleaseTexts(Table(0), Table(0).count()), ReleaseTexts(Table(1), Table(1).count()); }};
    GameTable& games = Table(0);
    ReadINIText(games, ini, Resume);

    const UpdateResult result = UpdateINI(text, games);
    const UpdateData& update = result.update;
    if (text.empty()) {
        FUZZ_CHECK(result.outcome == UpdateOutcome::FailedToConnect);
        return 0;
    }
    FUZZ_CHECK(result.outcome != UpdateOutcome::FailedToConnect);
    FUZZ_CHECK(!result.message.text.empty());
    if (result.outcome == UpdateOutcome::Refused) return 0;

    FUZZ_CHECK(update.UpdLast >= -1 && update.UpdLast < kTableCapacity);
    FUZZ_CHECK(static_cast<std::int32_t>(update.UpdID.size()) == update.UpdLast + 1);
    FUZZ_CHECK(update.UpdCount == static_cast<std::int32_t>(update.UpdRow.size()));
    FUZZ_CHECK(result.rows.size() == update.UpdRow.size());
    FUZZ_CHECK((update.UpdCount == 0) == (result.outcome == UpdateOutcome::AlreadyLatest));
    for (std::int32_t a = 1; a <= update.UpdLast; ++a)
        FUZZ_CHECK(CompareCodePoints(update.UpdTitleUpper[a - 1], update.UpdTitleUpper[a]) <= 0);

    std::set<std::string> known;
    for (int g = 0; g <= games.GameLast; ++g) known.insert(games.GameID[g]);
    std::int32_t lacking = 0;
    for (std::int32_t a = 0; a <= update.UpdLast; ++a) lacking += !known.contains(update.UpdID[a]);
    FUZZ_CHECK(lacking == update.UpdCount);
    for (std::int32_t r = 0; r < update.UpdCount; ++r) {
        const std::int32_t a = update.UpdRow[r];
        FUZZ_CHECK(a >= 0 && a <= update.UpdLast && (r == 0 || a > update.UpdRow[r - 1]));
        FUZZ_CHECK(!known.contains(update.UpdID[a]));
        FUZZ_CHECK(result.rows[r] == UpdateRowText(update.UpdTitle[a], update.UpdFlags[a]));
    }
    if (update.UpdCount == 0) return 0;

    // Check every other row, append them, and read the file back.
    std::vector<bool> checked(update.UpdCount);
    for (std::int32_t r = 0; r < update.UpdCount; ++r) checked[r] = r % 2 == 0;
    const std::vector<IniEntry> entries = CheckedEntries(update, checked);
    FUZZ_CHECK(entries.size() == static_cast<std::size_t>((update.UpdCount + 1) / 2));
    const EditedText appended = AppendEntriesText(ini, entries);
    FUZZ_CHECK(appended.ok);  // values read from lines hold no line break
    FUZZ_CHECK(std::string_view(appended.bytes).substr(0, ini.size()) == ini);

    GameTable& after = Table(1);
    ReadINIText(after, appended.bytes, Resume);
    if (games.Truncated || games.count() + entries.size() > static_cast<std::size_t>(kTableCapacity)) return 0;
    FUZZ_CHECK(static_cast<std::size_t>(after.count()) == games.count() + entries.size());
    std::multiset<std::string> before;
    for (int g = 0; g <= games.GameLast; ++g) before.insert(games.GameID[g] + '\n' + games.GameTitle[g] + '\n' + games.GameFlags[g]);
    for (const IniEntry& entry : entries) before.insert(entry.ID + '\n' + entry.Title + '\n' + entry.Flags);
    std::multiset<std::string> now;
    for (int g = 0; g <= after.GameLast; ++g) now.insert(after.GameID[g] + '\n' + after.GameTitle[g] + '\n' + after.GameFlags[g]);
    FUZZ_CHECK(before == now);
    return 0;
}
