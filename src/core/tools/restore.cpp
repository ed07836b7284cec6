#include "core/tools/restore.h"

namespace tolva {

IniHistory HistoryOf(const Folders& folders) {
    return IniHistory(HistoryFolder(folders.HistoryPath, IniFilePath(folders)));
}

std::vector<KeptVersion> KeptVersions(const Folders& folders) {
    if (folders.HistoryPath.empty()) return {};
    return HistoryOf(folders).Versions();
}

bool ChangedOutside(const Folders& folders) {
    const FileBytes current = ReadWholeFile(IniFilePath(folders));
    return !current.ok || HistoryOf(folders).ChangedOutside(current.bytes);
}

bool RestoreVersion(ProgramState& state, const KeptVersion& version, const std::string& label,
                    const std::string& module, const FailureSink& sink) {
    // The version is the whole file: it needs nothing from the table, even one not read whole.
    const IniChange restore{label, "cannot put the earlier version back into", module,
                            [&](std::string_view) {
                                const FileBytes kept = ReadWholeFile(version.file);
                                return EditedText{kept.ok, kept.bytes, kept.error};
                            },
                            true};
    return RewriteINI(state, restore, sink);
}

}  // namespace tolva
