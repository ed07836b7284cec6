// The real platform on this machine: Qt's message boxes, the settings file, the single-instance
// lock and the program's end, as the program uses them (the window tests use scripted ones).
#include <QAbstractButton>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>


#include "app/host/online.h"
#include "app/platform/qtseams.h"
#include "app/platform/windowplace.h"

using namespace tolva;

class SeamsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each kind of box shows its icon and buttons, its text as plain text, and answers as pressed;
    // Escape answers as closing the box does.
    void messageBoxesAnswerAsTheirButtonsSay() {
        using B = QMessageBox::StandardButton;
        const struct { MsgIcon icon; MsgButtons buttons; QMessageBox::Icon shown; QMessageBox::StandardButtons offered;
                       int press; MsgAnswer answer; } cases[] = {
            {MsgIcon::Critical, MsgButtons::Ok, QMessageBox::Critical, B::Ok, B::Ok, MsgAnswer::Ok},
            {MsgIcon::Information, MsgButtons::Ok, QMessageBox::Information, B::Ok, Qt::Key_Escape, MsgAnswer::Ok},
            {MsgIcon::Exclamation, MsgButtons::OkCancel, QMessageBox::Warning, B::Ok | B::Cancel, B::Ok, MsgAnswer::Ok},
            {MsgIcon::Exclamation, MsgButtons::OkCancel, QMessageBox::Warning, B::Ok | B::Cancel, B::Cancel, MsgAnswer::Cancel},
            {MsgIcon::Information, MsgButtons::OkCancel, QMessageBox::Information, B::Ok | B::Cancel, Qt::Key_Escape, MsgAnswer::Cancel},
            {MsgIcon::Question, MsgButtons::YesNo, QMessageBox::Question, B::Yes | B::No, B::Yes, MsgAnswer::Yes},
            {MsgIcon::Question, MsgButtons::YesNo, QMessageBox::Question, B::Yes | B::No, B::No, MsgAnswer::No},
            {MsgIcon::Critical, MsgButtons::YesNo, QMessageBox::Critical, B::Yes | B::No, Qt::Key_Escape, MsgAnswer::No},
        };
        for (const auto& c : cases) {
            QtPrompter prompter;
            bool seen = false;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QMessageBox::StandardButtons offered;
            Qt::TextFormat format = Qt::AutoText;
            QString title, text;
            QTimer::singleShot(0, [&] {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    auto* box = qobject_cast<QMessageBox*>(w);
                    if (!box || !box->isVisible()) continue;
                    seen = true;
                    icon = box->icon();
                    offered = box->standardButtons();
                    format = box->textFormat();
                    title = box->windowTitle();
                    text = box->text();
                    if (c.press == Qt::Key_Escape) QTest::keyClick(box, Qt::Key_Escape);
                    else if (QAbstractButton* button = box->button(QMessageBox::StandardButton(c.press))) button->click();
                    else box->done(-1);  // a box without that button: closed unanswered
                }
            });
            QCOMPARE(prompter.ask(nullptr, "tolva!", "/home/<b>me</b>/bleem!.INI", c.icon, c.buttons), c.answer);
            QVERIFY(seen);
            QCOMPARE(icon, c.shown);
            QCOMPARE(offered, c.offered);
            QCOMPARE(format, Qt::PlainText);
            QCOMPARE(title, QString("tolva!"));
            QCOMPARE(text, QString("/home/<b>me</b>/bleem!.INI"));
        }
    }

    // Settings, window places and groups are kept apart in one file, each written at once: a
    // second store (the next start) reads what the first wrote.
    void settingsKeepTheirPartsApartInTheFile() {
        const QTemporaryDir home;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
        QtSettingsStore first;
        first.write("Key", "setting");
        first.writeWindow("Key", "window");
        first.writeGroup("Servers", "Key", "group");
        QtSettingsStore next;
        QCOMPARE(next.location(), first.location());
        QVERIFY(next.location().startsWith(home.path()));
        QCOMPARE(next.read("Key", "none"), QString("setting"));
        QCOMPARE(next.read("Other", "none"), QString("none"));
        QCOMPARE(next.readWindow("Key"), QString("window"));
        QCOMPARE(next.readGroup("Servers", "Key"), QString("group"));
        QCOMPARE(next.readGroup("Servers", "Other"), QString());
        QFile file(first.location());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (const char* line : {"[Settings]", "[Window]", "[Servers]", "Key=setting", "Key=window", "Key=group"})
            QVERIFY2(lines.contains(line), line);
    }

    // A remembered place comes onto the screen that shows most of it, whole, moved no further
    // than it must; off every screen it comes onto the first.
    void aPlaceComesOntoTheScreenThatShowsMostOfIt() {
        const QList<QRect> screens = {{0, 0, 1280, 720}, {1280, 0, 1920, 1080}};
        const struct { QRect place; QRect comes; } cases[] = {
            {{100, 100, 400, 300}, {100, 100, 400, 300}},
            {{880, 420, 400, 300}, {880, 420, 400, 300}},      // touching the corner from inside
            {{881, 421, 400, 300}, {880, 420, 400, 300}},      // a pixel past it, still mostly on the first
            {{1200, 100, 400, 300}, {1280, 100, 400, 300}},    // mostly on the second
            {{2900, 800, 400, 300}, {2800, 780, 400, 300}},    // past the second's far corner
            {{-100, -50, 400, 300}, {0, 0, 400, 300}},
            {{0, 0, 2000, 1000}, {0, 0, 1280, 720}},           // larger than the screen it is mostly on
            {{5000, 5000, 400, 300}, {880, 420, 400, 300}},    // on no screen
        };
        for (const auto& c : cases) QCOMPARE(OntoScreen(c.place, screens), c.comes);
        QCOMPARE(OntoScreen({5000, 5000, 400, 300}, {}), QRect(5000, 5000, 400, 300));
    }

    // One copy holds the lock while it runs, whether the other copy locks as this one does or
    // through a QLockFile, and until it ends, however it ends; a lock file left by a copy that
    // ended is taken, whatever it holds.
    void aSecondCopyFindsTheLockHeldUntilTheFirstEnds() {
        QTemporaryDir dir;
        const QString path = dir.filePath("tolva!.lock");
        QFile left(path);
        QVERIFY(left.open(QIODevice::WriteOnly) && left.write("1\ntolva\nnowhere\n" + QByteArray(300, 'x')) > 0);
        left.close();
        {
            QtInstanceGuard first(path);
            QVERIFY(!first.anotherIsRunning());
            QVERIFY(left.open(QIODevice::ReadOnly));  // its own note, over the longer one left
            QCOMPARE(left.readAll(), QByteArray::number(QCoreApplication::applicationPid()) + "\nseams_test\n" +
                                         QSysInfo::machineHostName().toUtf8() + "\n");
            QVERIFY(!first.anotherIsRunning());  // asked again, it still holds its own lock
            QtInstanceGuard second(path);
            QVERIFY(second.anotherIsRunning());
            QLockFile older(path);
            QVERIFY(!older.tryLock(0) && !older.removeStaleLockFile());
        }
        QLockFile older(path);  // the note names this very process: a QLockFile must be told it is free
        QVERIFY(older.removeStaleLockFile() && older.tryLock(0));
        QVERIFY(QtInstanceGuard(path).anotherIsRunning());
        older.unlock();
        QVERIFY(!QtInstanceGuard(path).anotherIsRunning());

        const pid_t child = fork();
        if (child == 0) {
            QtInstanceGuard killed(path);
            if (!killed.anotherIsRunning()) raise(SIGKILL);
            _exit(1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        QVERIFY(!QtInstanceGuard(path).anotherIsRunning());  // what the killed copy held is free
    }

    // The end is at once, with status 0 and what was written still delivered.
    void theProgramEndsAtOnceWithWhatItWrote() {
        int pipeEnds[2];
        QCOMPARE(pipe(pipeEnds), 0);
        const pid_t child = fork();
        if (child == 0) {
            dup2(pipeEnds[1], STDOUT_FILENO);
            std::printf("last words");
            QtTerminator().endProgram();
            std::printf(" and more");
            _exit(3);
        }
        close(pipeEnds[1]);
        char said[64] = {};
        QCOMPARE(read(pipeEnds[0], said, sizeof said - 1), qsizetype(10));
        close(pipeEnds[0]);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(QByteArray(said), QByteArray("last words"));
    }

    // The first of the user's languages that the program speaks wins, English included: a second
    // language never wins over English put first.
    void theUsersFirstLanguageTheProgramSpeaksWins() {
        for (const auto& [languages, heard] : {std::pair{"en:de", "Show these options and end."}, {"de:en", "Optionen:"},
                                               {"fr:de", "Optionen:"}, {"fr", "Show these options and end."}}) {
            QProcess tolva;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("LANGUAGE", languages);
            env.insert("LANG", "de_DE.UTF-8");
            tolva.setProcessEnvironment(env);
            tolva.start(TOLVA_PROGRAM, {"--help"});
            QVERIFY(tolva.waitForFinished(30000));
            QVERIFY2(tolva.readAllStandardOutput().contains(heard), languages);
        }
    }

    // The network part opens from beside the program, else from where the package puts it, else
    // from the library path; the first file of its name found is the one, and if it is no
    // library, what is wrong with it is said.
    void theNetworkPartOpensFromItsFirstCopyFound() {
        const QString module = QStringLiteral(TOLVA_ONLINE_MODULE);
        QTemporaryDir beside, installed, empty;
        const QString bin = installed.filePath("bin");
        const QString besideCopy = QDir(beside.path()).filePath(module);
        const QString installedCopy = QDir::cleanPath(QDir(bin).filePath(TOLVA_ONLINE_MODULE_DIR "/" TOLVA_ONLINE_MODULE));
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(QFileInfo(installedCopy).absolutePath()));
        for (const QString& path : {besideCopy, installedCopy}) {
            QFile copy(path);
            QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write("not a library\n") > 0);
        }
        for (const QString& folder : {QFileInfo(QStringLiteral(TOLVA_PROGRAM)).absolutePath(), empty.path()})
            QCOMPARE(OpenOnlineModule(folder, nullptr), tolva_online_windows());
        for (const auto& [folder, copy] : {std::pair{beside.path(), besideCopy}, {bin, installedCopy}}) {
            QString why;
            QVERIFY(!OpenOnlineModule(folder, &why));
            QVERIFY2(why.contains(copy), qPrintable(why));
        }
    }
};

QTEST_MAIN(SeamsTest)
#include "seams_test.moc"
