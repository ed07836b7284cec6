// tolva!: builds the real platform seams and starts the main window.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/mainwindow/mainform.h"
#include "app/platform/qtseams.h"
#include "app/startup/commandline.h"
#include "core/state.h"

namespace {

void Name() {
    QCoreApplication::setApplicationName(QStringLiteral("tolva!"));
    QCoreApplication::setOrganizationName(QStringLiteral("tolva!"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVA_VERSION));
}

}  // namespace

int main(int argc, char* argv[]) {
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
    // The main window is hidden while some tools run, and closing it ends the program itself:
    // the last visible window closing must not end it behind the user's back.
    QApplication::setQuitOnLastWindowClosed(false);

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

    auto state = std::make_unique<tolva::ProgramState>();
    tolva::UseStartFolder(line.options, state->folders, platform);
    tolva::MainFORM main(*state, platform);
    if (!main.Form_Load()) return 0;
    main.show();

    // TOLVA_SCREENSHOT=file.png: save a picture of the main window once it has painted, then end
    // (scripts/run uses it on machines without a display).
    const QString screenshot = qEnvironmentVariable("TOLVA_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, &main, [&main, screenshot] {
            main.grab().save(screenshot);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
