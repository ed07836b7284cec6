#pragma once
// Clean Up: bleem!.INI rewritten from the game table, sorted, without stray comments and
// disabled entries, optionally with compatibility data as comment lines beside each entry.
#include <string_view>

#include "core/database/writer.h"
#include "core/failure.h"
#include "core/state.h"

namespace tolva {

/// Where the comment lines go: "before" (Option1) or "or after" (Option2) the entry.
enum class CommentPlace { Before, After };

/// The boxes of the clean-up window: which compatibility fields become comment lines.
struct CleanUpOptions {
    bool Publisher = false;    ///< Check1 "Publisher": TxtPublisher
    bool ProductCode = false;  ///< Check2 "Product Code": TxtProductCode
    bool Country = false;      ///< Check3 "Country": TxtRegion
    bool Works = false;        ///< Check4 "Works?": TxtStatus
    bool D3D = false;          ///< Check5 "D3D Enhanced?": TxtD3D
    bool Details = false;      ///< Check6 "Details": TxtDetails
    CommentPlace Place = CommentPlace::Before;
};

/// The cleaned file: the old file's leading comment lines (and the line ending them when it is
/// blank), "Version=" IniVersion, then every entry in table order. Refused (ok false) when the
/// table was not read whole or the comment block exceeds the line buffer.
EditedText CleanUpText(std::string_view file, const GameTable& games, const CompatibilityTable& txt,
                       const CleanUpOptions& options);

/// Clean Up as a change of bleem!.INI, kept as "Clean Up"; it reads state when it runs.
IniChange CleanUpChange(const ProgramState& state, const CleanUpOptions& options);

/// Rewrites bleem!.INI in IniPath by CleanUpText through RewriteINI. Failures are named
/// "GLOBAL.CleanUpINI". Returns false when the sink answered Cancel. No reload follows: the file
/// then holds the table as it is.
bool CleanUpINI(ProgramState& state, const CleanUpOptions& options, const FailureSink& sink,
               const RewriteSeams& seams = {});

}  // namespace tolva
