#pragma once
// The folders of bleem!.INI and Compatibility.TXT, found through the platform's seams by the
// core's one rule (FindFileFolder): start-up, the command line, the folder windows and
// `tolva --identify` all find them here.
#include <QString>
#include <QStringList>

namespace tolva {

struct Platform;

/// The first of folders that holds the file called name; "" when none does.
QString FindFolder(Platform& platform, const QStringList& folders, const char* name);

/// The folder of name as start-up finds it: the program's folder, then beside (for
/// Compatibility.TXT, the folder of bleem!.INI), then the folder stored under the setting key,
/// which is read only when the others do not hold the file.
QString FindStartFolder(Platform& platform, const char* name, const QString& key, const QString& beside = {});

}  // namespace tolva
