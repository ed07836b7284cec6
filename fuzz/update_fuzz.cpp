// The update text as any server might send it, against a bleem!.INI that the input also gives
// (the first NUL divides the INI's bytes from the update's): the processing never fails, its
// outcome agrees with its rows, the rows are exactly the entries the table lacks,
// and appending the checked entries keeps every old byte and adds exactly those entries.
#include <algorithm>
#include <set>

#include "core/database/gametable.h"
#include "core/database/writer.h"
#include "core/text/cp1252.h"
#include "core/update/update_processing.h"
#include "fuzz_support.h"

TOLVA_FUZZ_TARGET(input) {
    const std::vector<std::string_view> parts = NulFields(input, 2);
    const std::string_view ini = parts[0], text = parts[1];
    const ReleaseAtEnd release;
    GameTable& games = SharedState().games;
    ReadINIText(games, ini, Resume);

    const UpdateResult result = ReadUpdate(text, games);
    const UpdateData& update = result.update;
    FUZZ_CHECK(!result.message.text.empty());
    // Which texts are no update at all is the core test's table of outcomes.
    if (result.outcome == UpdateOutcome::Refused || result.outcome == UpdateOutcome::FailedToConnect) return;

    FUZZ_CHECK(update.UpdLast >= -1 && update.UpdLast < kTableCapacity);
    FUZZ_CHECK(update.UpdCount == static_cast<std::int32_t>(update.UpdRow.size()) && result.rows.size() == update.UpdRow.size());
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
    if (update.UpdCount == 0) return;

    // Check every other row, append them, and read the file back.
    std::vector<bool> checked(update.UpdCount);
    for (std::int32_t r = 0; r < update.UpdCount; ++r) checked[r] = r % 2 == 0;
    const std::vector<IniEntry> entries = CheckedEntries(update, checked);
    FUZZ_CHECK(entries.size() == static_cast<std::size_t>((update.UpdCount + 1) / 2));
    const EditedText appended = AppendEntriesText(ini, entries);
    FUZZ_CHECK(appended.ok);  // values read from lines hold no line break
    FUZZ_CHECK(std::string_view(appended.bytes).substr(0, ini.size()) == ini);

    GameTable& after = RereadTable();
    ReadINIText(after, appended.bytes, Resume);
    if (games.Truncated || games.count() + entries.size() > static_cast<std::size_t>(kTableCapacity)) return;
    EntrySet expected = EntriesOf(games);
    for (const IniEntry& entry : entries) expected.insert(EntryKey(entry.ID, entry.Title, entry.Flags));
    FUZZ_CHECK(EntriesOf(after) == expected);
}
