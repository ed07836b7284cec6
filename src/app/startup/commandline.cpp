#include "app/startup/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>

#include "app/platform/messages.h"
#include "app/platform/seams.h"
#include "app/platform/text.h"
#include "app/startup/folders.h"
#include "core/files/folders.h"
#include "core/state.h"

namespace tolva {
namespace {

// Every option is declared here for the help text; ParseCommandLine reads the arguments itself,
// so that a mistake ends with status 2 as usage errors do.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QCoreApplication::translate("CommandLine", "Show these options and end.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, QCoreApplication::translate("CommandLine", "Show the version and end.")};
    QCommandLineOption identify{QStringLiteral("identify"),
                                QCoreApplication::translate("CommandLine", "Print a table of the discs named instead of FOLDER (disc images, drives, "
                                               "or folders of images, walked with their subfolders): file, product "
                                               "code, disc IDs, title, where the title comes from, status in "
                                               "bleem!.INI, and why a disc cannot be read; then end. Status 0 when "
                                               "every disc was read, 1 when some could not be, 2 for wrong usage.")};
    QCommandLineOption ini{QStringLiteral("ini"),
                           QCoreApplication::translate("CommandLine", "With --identify: read bleem!.INI from <folder> instead of where it is "
                                          "usually found."),
                           QCoreApplication::translate("CommandLine", "folder")};
    QCommandLineOption txt{QStringLiteral("txt"),
                           QCoreApplication::translate("CommandLine", "With --identify: read Compatibility.TXT from <folder> instead of where it "
                                          "is usually found."),
                           QCoreApplication::translate("CommandLine", "folder")};
    QCommandLineOption format{QStringLiteral("format"),
                              QCoreApplication::translate("CommandLine", "With --identify: tsv (a header line, then tab-separated lines; the "
                                             "default) or json (an array of objects)."),
                              QStringLiteral("tsv|json")};

    void addTo(QCommandLineParser& parser) const {
        parser.setApplicationDescription(
            QCoreApplication::translate("CommandLine", "A companion for the game database files of bleem!: bleem!.INI and Compatibility.TXT.\n\n"
                           "Example: tolva --identify ~/Games/PSX --ini ~/bleem --format json"));
        for (const QCommandLineOption* option : {&help, &version, &identify, &ini, &txt, &format}) parser.addOption(*option);
        parser.addPositionalArgument(
            QCoreApplication::translate("CommandLine", "FOLDER"),
            QCoreApplication::translate("CommandLine", "Open the bleem!.INI of this folder (and the Compatibility.TXT beside it) for this run, "
                           "leaving the stored settings as they are."),
            QCoreApplication::translate("CommandLine", "[FOLDER | --identify DISC-OR-FOLDER... [--ini FOLDER] [--txt FOLDER] [--format tsv|json]]"));
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
    return Finish(2, QCoreApplication::translate("CommandLine", "tolva: %1\nTry 'tolva --help' for the options.\n").arg(what));
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    bool help = false, version = false, identify = false, options = true;
    QMap<QString, QString> values;  // --ini, --txt, --format
    QStringList folders;
    for (int k = 1; k < arguments.size(); ++k) {
        const QString& argument = arguments[k];
        if (!options || argument == QLatin1String("-") || !argument.startsWith(QLatin1Char('-'))) {
            folders << argument;
        } else if (argument == QLatin1String("--")) {
            options = false;
        } else if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            help = true;
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            version = true;
        } else if (argument == QLatin1String("--identify")) {
            identify = true;
        } else {
            const QString name = argument.section(QLatin1Char('='), 0, 0);
            if (name != QLatin1String("--ini") && name != QLatin1String("--txt") && name != QLatin1String("--format"))
                return Misuse(QCoreApplication::translate("CommandLine", "Unknown option '%1'.").arg(name.mid(name.startsWith(QLatin1String("--")) ? 2 : 1)));
            if (argument.contains(QLatin1Char('='))) {
                values[name] = argument.section(QLatin1Char('='), 1);
            } else if (k + 1 < arguments.size()) {
                values[name] = arguments[++k];
            } else {
                return Misuse(QCoreApplication::translate("CommandLine", "Missing value after '%1'.").arg(name));
            }
        }
    }
    if (help) {
        QCommandLineParser parser;
        Options().addTo(parser);
        return Finish(0, parser.helpText());
    }
    if (version) return Finish(0, kTitle + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    if (identify) {
        if (folders.isEmpty()) return Misuse(QCoreApplication::translate("CommandLine", "--identify needs at least one disc image, drive or folder"));
        const QString format = values.value(QStringLiteral("--format"), QStringLiteral("tsv"));
        if (format != QLatin1String("tsv") && format != QLatin1String("json"))
            return Misuse(QCoreApplication::translate("CommandLine", "--format takes tsv or json, not '%1'").arg(format));
        CommandLine line;
        line.identify.discs = folders;
        line.identify.iniFolder = values.value(QStringLiteral("--ini"));
        line.identify.txtFolder = values.value(QStringLiteral("--txt"));
        line.identify.json = format == QLatin1String("json");
        return line;
    }
    if (!values.isEmpty()) return Misuse(QCoreApplication::translate("CommandLine", "%1 goes with --identify").arg(values.firstKey()));
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
