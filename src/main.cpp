// tolva!: builds the real platform seams and starts the main window.
#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <cstring>
#include <cstdio>

#include "app/mainwindow/mainform.h"
#include "app/platform/endwhenshown.h"
#include "app/platform/environment.h"
#include "app/platform/imagereader.h"
#include "app/platform/qtseams.h"
#include "app/platform/text.h"
#include "app/startup/identify.h"
#include "app/startup/commandline.h"
#include "core/state.h"

namespace {

void Name() {
    QCoreApplication::setApplicationName(QStringLiteral("tolva!"));
    QCoreApplication::setOrganizationName(QStringLiteral("tolva!"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVA_VERSION));
}

// The program as its own disc image reader.
std::vector<std::string> ReaderCommand() {
    return {tolva::ToPath(QCoreApplication::applicationFilePath()), tolva::kReadImagesOption};
}

bool WantsIdentify(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--identify") == 0) return true;
    }
    return false;
}

// tolva --identify FILE-OR-DEVICE... [--ini FOLDER]: prints which game each disc holds. It runs
// without a display, so it needs no windowing at all.
int Identify(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    Name();
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption identify(QStringLiteral("identify"),
                                      QStringLiteral("Print the product code, disc ID and bleem!.INI title of each "
                                                     "disc image or drive, one line each."));
    const QCommandLineOption ini(QStringLiteral("ini"), QStringLiteral("Read bleem!.INI from <folder>."),
                                 QStringLiteral("folder"));
    parser.addOption(identify);
    parser.addOption(ini);
    parser.addPositionalArgument(QStringLiteral("FILE-OR-DEVICE"), QStringLiteral("Disc images or drives."),
                                 QStringLiteral("FILE-OR-DEVICE..."));
    parser.process(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    tolva::QtSettingsStore settings;
    tolva::QtFileSystem files;
    tolva::QtProgramInfo program;
    tolva::ImageReader images(ReaderCommand());
    tolva::Platform platform;
    platform.images = &images;
    platform.settings = &settings;
    platform.files = &files;
    platform.program = &program;
    if (parser.positionalArguments().isEmpty()) {
        err << "tolva: --identify needs at least one disc image or drive\n";
        return 1;
    }
    return tolva::IdentifyDiscs(parser.positionalArguments(), parser.value(ini), platform, out, err);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The reader reads before anything else starts: it needs no Qt at all.
    if (argc > 1 && std::strcmp(argv[1], tolva::kReadImagesOption) == 0)
        return tolva::ServeImageReads(std::vector<std::string>(argv + 1, argv + argc));
    if (WantsIdentify(argc, argv)) return Identify(argc, argv);
    // The command line is read before the window system is reached: help, version and mistakes
    // are answered on a console without a display.
    tolva::CommandLine line;
    {
        QCoreApplication console(argc, argv);
        Name();
        line = tolva::ParseCommandLine(QCoreApplication::arguments());
    }
    if (line.finish) {
        std::fputs(line.output.toLocal8Bit().constData(), line.exitCode == 0 ? stdout : stderr);
        return line.exitCode;
    }

    QApplication app(argc, argv);
    Name();

    tolva::QtPrompter prompter;
    tolva::QtSettingsStore settings;
    tolva::QtInstanceGuard instance;
    tolva::QtFileSystem files;
    tolva::QtFileChooser chooser;
    tolva::QtShell shell;
    tolva::QtClock clock;
    tolva::QtDriveQuery drives;
    tolva::QtProgramInfo program;
    tolva::QtTerminator terminator;
    tolva::Platform platform{&prompter, &settings, &instance, &files, &chooser,
                             &shell,    &clock,    &drives,   &program, &terminator};
    tolva::ImageReader images(ReaderCommand());
    platform.images = &images;

    auto state = std::make_unique<tolva::ProgramState>();
    tolva::UseStartFolder(line.options, state->folders, platform);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    state->folders.HistoryPath = QDir::toNativeSeparators(data + QStringLiteral("/history")).toStdString();
    tolva::MainFORM main(*state, platform);
    if (!main.Form_Load()) return 0;
    main.show();
    if (tolva::EndWhenShown()) tolva::EndWhenExposed(main.windowHandle());

    const QString screenshot = tolva::ScreenshotFile();
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, &main, [&main, screenshot] {
            main.grab().save(screenshot);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
