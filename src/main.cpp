// tolva!: builds the real platform seams and starts the main window.
#include <QApplication>
#include <QTimer>

#include "app/mainwindow/mainform.h"
#include "app/platform/environment.h"
#include "app/platform/qtseams.h"
#include "core/state.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolva!"));
    QApplication::setOrganizationName(QStringLiteral("tolva!"));
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
    tolva::MainFORM main(*state, platform);
    if (!main.Form_Load()) return 0;
    main.show();

    const QString screenshot = tolva::ScreenshotFile();
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, &main, [&main, screenshot] {
            main.grab().save(screenshot);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
