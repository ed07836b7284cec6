// SYSTEM.CNF as any disc might hold it: finding the BOOT line and cutting the product code out of
// it never fail, and a disc is only ever identified by a row of the disc ID table that holds its
// code. (How the code is cut is the table of ProductCodeFromBootLine's core test.)
#include "core/text/cp1252.h"
#include "core/wizard/systemcnf.h"
#include "fuzz_support.h"

TOLVA_FUZZ_TARGET(text) {
    const DiscIdentity identity = IdentifyDisc(text, "/media/cdrom/SYSTEM.CNF", DiscIDs());
    if (identity.result != DiscRead::Found && identity.result != DiscRead::NotInTable) {
        FUZZ_CHECK(identity.description.find("SYSTEM.CNF") != std::string::npos);
        FUZZ_CHECK(identity.discID.empty());
    }
    FUZZ_CHECK((identity.result == DiscRead::Empty) == text.empty());

    const std::optional<std::string_view> line = FindBootLine(text);
    FUZZ_CHECK(line.has_value() == (identity.result != DiscRead::Empty && identity.result != DiscRead::NoBootLine));
    if (!line) return;
    FUZZ_CHECK(line->data() >= text.data() && line->data() + line->size() <= text.data() + text.size());
    FUZZ_CHECK(line->find_first_of("\r\n") == std::string_view::npos);
    const std::string_view trimmed = TrimSpaces(*line);
    FUZZ_CHECK(trimmed.size() >= 4 && UpperCase(trimmed.substr(0, 4)) == "BOOT");

    const std::optional<std::string> code = ProductCodeFromBootLine(*line);
    FUZZ_CHECK(code.has_value() == (identity.result != DiscRead::CannotCut));
    if (!code) return;
    FUZZ_CHECK(identity.productCode == *code);
    const std::string byCode = DiscIDForProductCode(DiscIDs(), *code);
    FUZZ_CHECK(identity.result == DiscRead::Found ? identity.discID.size() == 10 && byCode == identity.discID : byCode.empty());
}
