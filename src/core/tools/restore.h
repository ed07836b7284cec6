#pragma once
// Putting a kept version of bleem!.INI back: a change like any other, through RewriteINI, so the
// bytes it replaces are kept in turn and the restore can itself be taken back.
#include <string>
#include <vector>

#include "core/database/writer.h"
#include "core/history/history.h"
#include "core/state.h"

namespace tolva {

/// The history of the bleem!.INI in IniPath, kept under HistoryPath.
IniHistory HistoryOf(const Folders& folders);

/// The versions kept of bleem!.INI in IniPath, newest first; none when HistoryPath is empty.
std::vector<KeptVersion> KeptVersions(const Folders& folders);

/// Whether bleem!.INI differs from what the program last wrote there: another program edited it
/// (or it cannot be read), and the user is asked before a version replaces it.
bool ChangedOutside(const Folders& folders);

/// Writes version's bytes to bleem!.INI, keeping the replaced bytes under label ("Undo Remove:
/// Neon Alley"). Failures go to sink as module; returns false when the sink answered Cancel.
bool RestoreVersion(ProgramState& state, const KeptVersion& version, const std::string& label,
                    const std::string& module, const FailureSink& sink);

}  // namespace tolva
