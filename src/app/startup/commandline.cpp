#include "app/startup/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/platform/messages.h"
#include "app/platform/seams.h"
#include "app/platform/text.h"
#include "core/state.h"

namespace tolva {
namespace {

// Every option is declared here; ParseCommandLine turns what was given into StartOptions.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show these options and end.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and end.")};

    void addTo(QCommandLineParser& parser) const {
        parser.setApplicationDescription(
            QStringLiteral("A companion for the game database files of bleem!: bleem!.INI and Compatibility.TXT."));
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(
            QStringLiteral("FOLDER"),
            QStringLiteral("Open the bleem!.INI of this folder (and the Compatibility.TXT beside it) for this run, "
                           "leaving the stored settings as they are."),
            QStringLiteral("[FOLDER]"));
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
    return Finish(1, QStringLiteral("tolva: %1\nTry 'tolva --help' for the options.\n").arg(what));
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
    if (folders.size() > 1) return Misuse(QStringLiteral("one FOLDER at most, not %1").arg(folders.size()));

    CommandLine line;
    if (!folders.isEmpty()) line.options.folder = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(folders.front()).absoluteFilePath()));
    return line;
}

void UseStartFolder(const StartOptions& options, Folders& folders, Platform& platform) {
    if (options.folder.isEmpty()) return;
    if (!platform.files->exists(options.folder + QDir::separator() + QStringLiteral("bleem!.INI"))) {
        platform.prompter->ask(nullptr, kTitle,
                               QStringLiteral("There is no bleem!.INI in %1.\n\n"
                                              "tolva! looks for it where it usually does.")
                                   .arg(options.folder),
                               MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    folders.IniPath = ToPath(options.folder);
    if (platform.files->exists(options.folder + QDir::separator() + QStringLiteral("Compatibility.TXT")))
        folders.TxtPath = folders.IniPath;
}

}  // namespace tolva
