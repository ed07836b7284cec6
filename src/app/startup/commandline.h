#pragma once
// The command line: tolva [FOLDER], --identify DISC-OR-FOLDER... [--ini FOLDER] [--txt FOLDER]
// [--format tsv|json], --help and --version. It is read before any window exists, so that all
// but FOLDER work on a console without a display.
#include <QString>
#include <QStringList>

#include "app/startup/identify.h"

namespace tolva {

struct Folders;
struct Platform;

/// What the command line asks of this run.
struct StartOptions {
    QString folder;  ///< FOLDER: where bleem!.INI is, for this run only; empty when not given
};

/// Options to start with, or text to print and an exit code to end with at once.
struct CommandLine {
    StartOptions options;
    IdentifyOptions identify;
    bool finish = false;
    int exitCode = 0;  ///< 2 for wrong usage
    QString output;  ///< for standard output when exitCode is 0, for standard error otherwise
};

/// Reads arguments (the program's name first). The version printed is the application's.
CommandLine ParseCommandLine(const QStringList& arguments);

/// Makes the folder of options the folder of bleem!.INI for this run, and of Compatibility.TXT
/// when that lies beside it; the stored settings stay as they are. A folder without bleem!.INI
/// is named in a message, and start-up looks for the files as usual.
void UseStartFolder(const StartOptions& options, Folders& folders, Platform& platform);

}  // namespace tolva
