// tolva!: builds the real platform seams and starts the main window.
#include <QApplication>
#include <QTextStream>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/mainwindow/mainform.h"
#include "app/platform/endwhenshown.h"
#include "app/platform/environment.h"
#include "app/platform/imagereader.h"
#include "app/platform/keyring.h"
#include "app/platform/language.h"
#include "app/platform/qtseams.h"
#include "app/platform/style.h"
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

// tolva --identify: prints which game each disc holds, without a window.
int Identify(const tolva::IdentifyOptions& options) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    tolva::QtSettingsStore settings;
    tolva::QtFileSystem files;
    tolva::QtProgramInfo program;
    tolva::ImageReader images(ReaderCommand());
    tolva::Platform platform;
    platform.images = &images;
    tolva::QtKeyring keyring;
    platform.keyring = &keyring;
    platform.settings = &settings;
    platform.files = &files;
    platform.program = &program;
    return tolva::IdentifyDiscs(options, platform, out, err);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The reader reads before anything else starts: it needs no Qt at all.
    if (argc > 1 && std::strcmp(argv[1], tolva::kReadImagesOption) == 0)
        return tolva::ServeImageReads(std::vector<std::string>(argv + 1, argv + argc));
    // The command line is read before the window system is reached: help, version, --identify
    // and mistakes are answered on a console without a display.
    tolva::CommandLine line;
    {
        QCoreApplication console(argc, argv);
        Name();
        tolva::UseUserLanguage();  // --help and the mistakes; --identify's output stays as it is
        line = tolva::ParseCommandLine(QCoreApplication::arguments());
        if (!line.finish && !line.identify.discs.isEmpty()) return Identify(line.identify);
    }
    if (line.finish) {
        std::fputs(line.output.toLocal8Bit().constData(), line.exitCode == 0 ? stdout : stderr);
        return line.exitCode;
    }

    QApplication app(argc, argv);
    QApplication::setStyle(tolva::ProgramStyle());
    Name();
    tolva::UseUserLanguage();

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
    tolva::QtKeyring keyring;
    platform.keyring = &keyring;

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
