#pragma once
// "tolva --identify": which game each disc image, drive or folder of images holds, as a table
// for scripts (TSV or JSON, always English), without a window.
#include <QString>
#include <QStringList>

class QTextStream;

namespace tolva {

struct Platform;

/// What --identify asks.
struct IdentifyOptions {
    QStringList discs;  ///< disc images, drives, mounted discs, or folders to walk; empty when not given
    QString iniFolder;  ///< --ini: the folder of bleem!.INI; empty: found as at start-up
    QString txtFolder;  ///< --txt: the folder of Compatibility.TXT; empty: found as at start-up
    bool json = false;  ///< --format json
};

/// The rows of every disc on out, as DiscsTsv or DiscsJson writes them; a folder holding no
/// SYSTEM.CNF is walked as the disc collection walks it. When bleem!.INI cannot be read, err
/// says so once and its columns stay empty. Returns the exit status: 0 when every disc was
/// read, else 1.
int IdentifyDiscs(const IdentifyOptions& options, Platform& platform, QTextStream& out, QTextStream& err);

}  // namespace tolva
