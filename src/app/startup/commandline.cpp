#include "app/startup/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/platform/messages.h"
#include "app/platform/seams.h"
#include "app/platform/text.h"
#include "app/startup/folders.h"
#include "core/files/folders.h"
#include "core/state.h"

namespace tolva {
namespace {

// Every option is declared here; ParseCommandLine turns what was given into StartOptions.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QCoreApplication::translate("CommandLine", "Show these options and end.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, QCoreApplication::translate("CommandLine", "Show the version and end.")};
    QCommandLineOption identify{QStringLiteral("identify"),
                                QCoreApplication::translate("CommandLine", "Print the product code, disc ID and bleem!.INI title of each disc image "
                                               "or drive named instead of FOLDER, one line each, and end.")};
    QCommandLineOption ini{QStringLiteral("ini"),
                           QCoreApplication::translate("CommandLine", "With --identify: read bleem!.INI from <folder> instead of where it is "
                                          "usually found."),
                           QCoreApplication::translate("CommandLine", "folder")};

    void addTo(QCommandLineParser& parser) const {
        parser.setApplicationDescription(
            QCoreApplication::translate("CommandLine", "A companion for the game database files of bleem!: bleem!.INI and Compatibility.TXT."));
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(identify);
        parser.addOption(ini);
        parser.addPositionalArgument(
            QCoreApplication::translate("CommandLine", "FOLDER"),
            QCoreApplication::translate("CommandLine", "Open the bleem!.INI of this folder (and the Compatibility.TXT beside it) for this run, "
                           "leaving the stored settings as they are."),
            QCoreApplication::translate("CommandLine", "[FOLDER | --identify FILE-OR-DEVICE...]"));
    }
};

CommandLine Finish(int exitCode, const QString& output) {
    CommandLine line;
    line.finish = true;
    line.exitCode = exitCode;
    line.output = output;
    return line;
}

CommandLine Misuse(const QString& what) {
    return Finish(1, QCoreApplication::translate("CommandLine", "tolva: %1\nTry 'tolva --help' for the options.\n").arg(what));
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const Options options;
    options.addTo(parser);
    if (!parser.parse(arguments)) return Misuse(parser.errorText());
    if (parser.isSet(options.help)) return Finish(0, parser.helpText());
    if (parser.isSet(options.version))
        return Finish(0, kTitle + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    const QStringList folders = parser.positionalArguments();
    if (parser.isSet(options.identify)) {
        if (folders.isEmpty()) return Misuse(QCoreApplication::translate("CommandLine", "--identify needs at least one disc image or drive"));
        CommandLine line;
        line.identify.discs = folders;
        line.identify.iniFolder = parser.value(options.ini);
        return line;
    }
    if (parser.isSet(options.ini)) return Misuse(QCoreApplication::translate("CommandLine", "--ini goes with --identify"));
    if (folders.size() > 1) return Misuse(QCoreApplication::translate("CommandLine", "one FOLDER at most, not %1").arg(folders.size()));

    CommandLine line;
    if (!folders.isEmpty()) line.options.folder = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(folders.front()).absoluteFilePath()));
    return line;
}

void UseStartFolder(const StartOptions& options, Folders& folders, Platform& platform) {
    if (options.folder.isEmpty()) return;
    const QString found = FindFolder(platform, {options.folder}, kIniFileName);
    if (found.isEmpty()) {
        platform.prompter->ask(nullptr, kTitle,
                               QCoreApplication::translate("CommandLine", "There is no %1 in %2.\n\n"
                                              "tolva! looks for it where it usually does.")
                                   .arg(QLatin1String(kIniFileName), options.folder),
                               MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    folders.IniPath = ToPath(found);
    if (!FindFolder(platform, {found}, kTxtFileName).isEmpty()) folders.TxtPath = folders.IniPath;
}

}  // namespace tolva
