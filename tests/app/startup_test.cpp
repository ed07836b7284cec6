// Start-up of the real main window on temporary folders and scripted settings.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/mainwindow/mainform.h"
#include "app/startup/searchform.h"
#include "core/state.h"
#include "support/fakeplatform.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kIni = "; a comment\r\nVersion=2001-03-04\r\n\r\n" + Entry("0000000002", "beta", "80000000H") +
                        "\r\n" + Entry("0000000001", "Alpha", "40000000H") + "\r\n" +
                        Entry("0000000003", "Gamma", "01211010H");
const QByteArray kTxt = "Header|Title|Publisher|Code|Region|x|Status|D3D|Details|\r\n"
                        "|Alpha|Nowhere Soft|SLUS-90001|U/C|x|Not Yet||Crashes at once|\r\n";

QString Sep() { return QDir::separator(); }

struct Run {
    TestPlatform t;
    ProgramState state;
    std::unique_ptr<MainFORM> main;
    bool loaded = false;

    void start() {
        main = std::make_unique<MainFORM>(state, t.platform);
        loaded = main->Form_Load();
    }
    QString iniPath() const { return QString::fromStdString(state.folders.IniPath); }
    QString txtPath() const { return QString::fromStdString(state.folders.TxtPath); }
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filesBesideTheProgramNeedNoSettings() {
        Run run;
        run.t.write("program/bleem!.INI", kIni);
        run.t.write("program/Compatibility.TXT", kTxt);
        run.start();
        QVERIFY(run.loaded);
        QCOMPARE(run.iniPath(), run.t.program.dir);
        QCOMPARE(run.txtPath(), run.t.program.dir);
        QVERIFY(!run.t.settings.reads.contains("INI Path"));
        QVERIFY(!run.t.settings.reads.contains("TXT Path"));
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 3);
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->item(0)->text(), QString("Alpha"));
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->currentRow(), 0);
        QCOMPARE(run.main->findChild<QLabel*>("versionTEXT")->text(), QString("2001-03-04"));
        QCOMPARE(run.main->findChild<QLabel*>("YesTEXT")->text(), QString("1 (33.3%)"));
        QCOMPARE(run.main->findChild<QLabel*>("NoTEXT")->text(), QString("1 (33.3%)"));
        QCOMPARE(run.main->findChild<QLabel*>("PartTEXT")->text(), QString("1 (33.3%)"));
        QCOMPARE(run.main->findChild<QLabel*>("TotalTEXT")->text(), QString("3"));
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
        QVERIFY(run.t.prompter.shown.isEmpty());
    }

    void storedIniPathWithAndWithoutTrailingSeparator() {
        for (bool trailing : {true, false}) {
            Run run;
            run.t.write("data/bleem!.INI", kIni);
            run.t.write("data/Compatibility.TXT", kTxt);
            const QString folder = run.t.path("data");
            run.t.settings.values["INI Path"] = trailing ? folder + Sep() : folder;
            run.start();
            QVERIFY(run.loaded);
            QCOMPARE(run.iniPath(), folder);
            // Compatibility.TXT beside bleem!.INI is found without the TXT setting.
            QCOMPARE(run.txtPath(), folder);
            QVERIFY(!run.t.settings.reads.contains("TXT Path"));
        }
    }

    void staleStoredPathOpensSearchWindowWithEmptyField() {
        Run run;
        run.t.write("moved/bleem!.INI", kIni);
        run.t.write("program/Compatibility.TXT", kTxt);
        run.t.settings.values["INI Path"] = run.t.path("gone");
        QString fieldAtOpening = "unset";
        bool okAtOpening = true;
        WhenShown("SearchFORM", [&](QWidget* window) {
            auto* search = static_cast<SearchFORM*>(window);
            fieldAtOpening = search->PathTEXT->text();
            okAtOpening = search->OkBUTTON->isEnabled();
            QCOMPARE(search->windowTitle(), QString("tolva!"));
            search->PathTEXT->setText(run.t.path("moved"));
            QVERIFY(search->OkBUTTON->isEnabled());
            search->SaveCHECK->setChecked(true);
            search->OkBUTTON->click();
        });
        run.start();
        QVERIFY(run.loaded);
        QCOMPARE(fieldAtOpening, QString());
        QVERIFY(!okAtOpening);
        QCOMPARE(run.iniPath(), run.t.path("moved") + Sep());
        QCOMPARE(run.t.settings.values["INI Path"], run.t.path("moved"));
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 3);
    }

    void abortAtStartUpEndsTheProgram() {
        Run run;
        run.t.write("program/Compatibility.TXT", kTxt);
        WhenShown("SearchFORM", [](QWidget* window) { static_cast<SearchFORM*>(window)->AbortBUTTON->click(); });
        run.start();
        QVERIFY(!run.loaded);
        QVERIFY(run.t.terminator.endedFlag);
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].title, QString("Aborted by user"));
        QCOMPARE(run.t.prompter.shown[0].text, QString("tolva! could not be started."));
        QCOMPARE(run.t.prompter.shown[0].icon, MsgIcon::Critical);
    }

    void closingTheSearchWindowByItsFrameIsAbort() {
        Run run;
        run.t.write("program/bleem!.INI", kIni);
        run.t.write("program/Compatibility.TXT", kTxt);
        run.start();
        WhenShown("SearchFORM", [](QWidget* window) { window->close(); });
        run.main->findChild<QAction*>("OtherIniMENU")->trigger();
        QVERIFY(!TopLevel("SearchFORM"));
        QVERIFY(run.main->isEnabled());
        QCOMPARE(run.iniPath(), run.t.program.dir);
        QVERIFY(!run.t.terminator.endedFlag);

        Run startUp;
        startUp.t.write("program/Compatibility.TXT", kTxt);
        WhenShown("SearchFORM", [](QWidget* window) { window->close(); });
        startUp.start();
        QVERIFY(!startUp.loaded);
        QVERIFY(startUp.t.terminator.endedFlag);
        QCOMPARE(startUp.t.prompter.shown.value(0).title, QString("Aborted by user"));
    }

    void compatibilitySearchWindowWhenNotFound() {
        Run run;
        run.t.write("program/bleem!.INI", kIni);
        run.t.write("elsewhere/Compatibility.TXT", kTxt);
        WhenShown("Search2FORM", [&](QWidget* window) {
            auto* search = static_cast<SearchFORM*>(window);
            QVERIFY(search->LABEL->text().contains("\"compatiblity.txt\""));
            search->PathTEXT->setText(run.t.path("elsewhere") + Sep());
            search->SaveCHECK->setChecked(false);
            search->OkBUTTON->click();
        });
        run.start();
        QVERIFY(run.loaded);
        QCOMPARE(run.txtPath(), run.t.path("elsewhere") + Sep());
        QVERIFY(!run.t.settings.values.contains("TXT Path"));
    }

    void txtUpdateSetting() {
        const QList<QPair<QString, bool>> cases = {{"false", false}, {"FALSE", false}, {"False", false},
                                                   {"True", true},   {"no", true},     {"", true}};
        for (const auto& [stored, on] : cases) {
            Run run;
            run.t.write("program/bleem!.INI", kIni);
            run.t.write("program/Compatibility.TXT", kTxt);
            if (!stored.isEmpty()) run.t.settings.values["TxtUpdate"] = stored;
            run.start();
            QVERIFY(run.loaded);
            QCOMPARE(run.state.folders.TxtUpdate, on);
            QCOMPARE(run.main->findChild<QAction*>("AcuMENU")->isChecked(), on);
            QCOMPARE(run.main->findChild<QLabel*>("PublisherLABEL")->isHidden(), !on);
            QCOMPARE(run.main->findChild<QLabel*>("DetailsTEXT")->isHidden(), !on);
            // Starting with the switch off hides six controls: the product code stays.
            QVERIFY(!run.main->findChild<QLabel*>("ProductCodeLABEL")->isHidden() || !on);
            // With the switch off the file is not read at all.
            QCOMPARE(run.state.txt.TxtCount > 0, on);
        }
    }

    void switchingCompatibilityOffHidesEightControls() {
        Run run;
        run.t.write("program/bleem!.INI", kIni);
        run.t.write("program/Compatibility.TXT", kTxt);
        run.start();
        run.main->findChild<QAction*>("AcuMENU")->trigger();
        QVERIFY(!run.main->findChild<QAction*>("AcuMENU")->isChecked());
        QCOMPARE(run.t.settings.values["TxtUpdate"], QString("False"));
        QVERIFY(run.main->findChild<QLabel*>("ProductCodeLABEL")->isHidden());
        QVERIFY(run.main->findChild<QLabel*>("ProductCodeTEXT")->isHidden());
        QVERIFY(run.main->findChild<QLabel*>("CountryLABEL")->isHidden());
        run.main->findChild<QAction*>("AcuMENU")->trigger();
        QVERIFY(run.main->findChild<QAction*>("AcuMENU")->isChecked());
        QCOMPARE(run.t.settings.values["TxtUpdate"], QString("True"));
        QVERIFY(!run.main->findChild<QLabel*>("CountryLABEL")->isHidden());
        QVERIFY(!run.main->findChild<QLabel*>("ProductCodeLABEL")->isHidden());
    }

    void secondCopyIsRefused() {
        Run run;
        run.t.instance.running = true;
        run.t.write("program/bleem!.INI", kIni);
        run.start();
        QVERIFY(!run.loaded);
        QVERIFY(run.t.terminator.endedFlag);
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].text, QString("tolva! is already in use"));
        QCOMPARE(run.t.prompter.shown[0].title, QString("tolva!"));
        QVERIFY(run.state.games.GameLast == -1);
    }

    void emptyDatabaseEndsTheProgram() {
        Run run;
        run.t.write("program/bleem!.INI", "Version=1\r\n; nothing else\r\n");
        run.t.write("program/Compatibility.TXT", kTxt);
        run.start();
        QVERIFY(!run.loaded);
        QVERIFY(run.t.terminator.endedFlag);
        QCOMPARE(run.t.prompter.shown.last().text, QString("bleem!'s game compatibility database is missing!"));
        QCOMPARE(run.t.prompter.shown.last().title, QString("tolva! Error"));
    }

    void garbageFileGivesAMessageAndNoCrash() {
        QByteArray garbage;
        for (int i = 0; i < 70000; ++i) garbage.append(static_cast<char>((i * 7919 + 13) % 256));
        Run run;
        const QString file = run.t.write("program/bleem!.INI", garbage);
        run.t.write("program/Compatibility.TXT", kTxt);
        run.start();
        // Whatever the bytes hold, the program either shows what it could read or ends with a
        // message; the file itself is never touched.
        QVERIFY(run.loaded || !run.t.prompter.shown.isEmpty());
        QCOMPARE(run.t.read("program/bleem!.INI"), garbage);
    }

    void tenMegabyteLineIsRead() {
        Run run;
        QByteArray ini = Entry("0000000001", "Alpha", "80000000H") + "; " + QByteArray(10 * 1024 * 1024, 'x') +
                         "\r\n" + Entry("0000000002", "Beta", "40000000H");
        run.t.write("program/bleem!.INI", ini);
        run.t.write("program/Compatibility.TXT", kTxt);
        run.start();
        QVERIFY(run.loaded);
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 2);
    }

    void moreThan4096EntriesAreCappedWithAMessage() {
        QByteArray ini;
        for (int i = 0; i < 4100; ++i)
            ini += Entry(QByteArray::number(1000000000 + i), "Game " + QByteArray::number(i), "80000000H");
        Run run;
        run.t.write("program/bleem!.INI", ini);
        run.t.write("program/Compatibility.TXT", kTxt);
        run.start();
        QVERIFY(run.loaded);
        QVERIFY(!run.t.prompter.shown.isEmpty());
        QCOMPARE(run.t.prompter.shown[0].title, QString("tolva! Critical Error"));
        QVERIFY(run.t.prompter.shown[0].text.contains("Modul : GLOBAL.ReadINI"));
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 4096);
        QVERIFY(run.state.games.Truncated);
    }

    void cancelInTheCommonErrorMessageEnds() {
        QByteArray ini = "Title=Orphan\r\n" + Entry("0000000001", "Alpha", "80000000H");
        Run run;
        run.t.write("program/bleem!.INI", ini);
        run.t.write("program/Compatibility.TXT", kTxt);
        run.t.prompter.answers.enqueue(MsgAnswer::Cancel);
        run.start();
        QVERIFY(!run.loaded);
        QVERIFY(run.t.terminator.endedFlag);
        const QString text = run.t.prompter.shown[0].text;
        QVERIFY(text.startsWith("Description : "));
        QVERIFY(text.contains("\r\nModul : GLOBAL.ReadINI\r\n\r\nplease contact me : tolva@tolva.example\r\n\r\nResume?"));
    }

    void otherIniMenuReloadsOnlyOnChange() {
        Run run;
        run.t.write("program/bleem!.INI", kIni);
        run.t.write("program/Compatibility.TXT", kTxt);
        run.t.write("second/bleem!.INI", Entry("0000000009", "Zeta", "80000000H"));
        run.start();
        QVERIFY(run.loaded);
        WhenShown("SearchFORM", [](QWidget* window) { static_cast<SearchFORM*>(window)->AbortBUTTON->click(); });
        run.main->findChild<QAction*>("OtherIniMENU")->trigger();
        QVERIFY(run.main->isEnabled());
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 3);
        QVERIFY(!run.t.terminator.endedFlag);

        bool mainDisabledMeanwhile = false;
        WhenShown("SearchFORM", [&](QWidget* window) {
            auto* search = static_cast<SearchFORM*>(window);
            mainDisabledMeanwhile = !run.main->isEnabled();
            QCOMPARE(search->PathTEXT->text(), run.t.program.dir);
            search->PathTEXT->setText(run.t.path("second"));
            search->OkBUTTON->click();
        });
        run.main->findChild<QAction*>("OtherIniMENU")->trigger();
        QVERIFY(mainDisabledMeanwhile);
        QVERIFY(run.main->isEnabled());
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 1);
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->item(0)->text(), QString("Zeta"));
    }

    void searchFolderPickedThroughTheDialog() {
        Run run;
        run.t.write("program/bleem!.INI", kIni);
        run.t.write("program/Compatibility.TXT", kTxt);
        run.t.write("picked/bleem!.INI", kIni);
        run.t.write("picked/other.txt", "x");
        run.start();
        run.t.chooser.picks.enqueue(run.t.path("picked/other.txt"));
        run.t.chooser.picks.enqueue(QString());  // cancelled
        WhenShown("SearchFORM", [&](QWidget* window) {
            auto* search = static_cast<SearchFORM*>(window);
            search->SearchBUTTON->click();
            QCOMPARE(search->PathTEXT->text(), run.t.path("picked") + Sep());
            QVERIFY(search->OkBUTTON->isEnabled());
            search->SearchBUTTON->click();
            QCOMPARE(search->PathTEXT->text(), run.t.path("picked") + Sep());
            search->AbortBUTTON->click();
        });
        run.main->findChild<QAction*>("OtherIniMENU")->trigger();
        QCOMPARE(run.t.chooser.folders.value(0), run.t.program.dir + Sep());
        QVERIFY(run.t.chooser.filters.value(0).startsWith("bleem!.INI (bleem!.INI"));
        QCOMPARE(run.iniPath(), run.t.program.dir);  // Abort keeps the old folder
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
