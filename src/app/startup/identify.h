#pragma once
// "tolva --identify": which game each disc image or drive holds, one line each, without a window.
#include <QString>
#include <QStringList>

class QTextStream;

namespace tolva {

struct Platform;

/// One line per disc on out: its path, product code, disc ID (or "not in the disc ID table") and
/// the title of the bleem!.INI entry with that disc ID (or "not in bleem!.INI"), tab-separated; a
/// disc that cannot be read gets its reason on err. bleem!.INI is read from iniFolder, or found as
/// at start-up when that is empty. Returns the exit status: 0 when every disc was read, else 1.
int IdentifyDiscs(const QStringList& discs, const QString& iniFolder, Platform& platform, QTextStream& out,
                  QTextStream& err);

}  // namespace tolva
