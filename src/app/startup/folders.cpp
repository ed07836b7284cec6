#include "app/startup/folders.h"

#include "app/platform/seams.h"
#include "app/platform/text.h"
#include "core/files/folders.h"

namespace tolva {

QString FindFolder(Platform& platform, const QStringList& folders, const char* name) {
    std::vector<std::string> paths;
    for (const QString& folder : folders) paths.push_back(ToPath(folder));
    const FileExists exists = [&platform](const std::string& path) { return platform.files->exists(FromPath(path)); };
    return FromPath(FindFileFolder(paths, name, exists));
}

QString FindStartFolder(Platform& platform, const char* name, const QString& key, const QString& beside) {
    const QString found = FindFolder(platform, {platform.program->folder(), beside}, name);
    if (!found.isEmpty()) return found;
    return FindFolder(platform, {platform.settings->read(key, QString())}, name);
}

}  // namespace tolva
