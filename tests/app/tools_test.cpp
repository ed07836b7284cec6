// Removing a game and cleaning up bleem!.INI through the real windows.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/mainwindow/mainform.h"
#include "app/tools/cleanupform.h"
#include "core/state.h"
#include "support/fakeplatform.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kHeader = "; my games\r\n; keep this\r\n\r\n";
const QByteArray kIni = kHeader + "Version=7\r\n\r\n" + Entry("0000000002", "Beta", "80000000H") + "; a note\r\n\r\n" +
                        Entry("0000000001", "Alpha", "40000000H") + "\r\n" + Entry("0000000003", "Gamma", "01211010H");
const QByteArray kTxt = "Header|Title|Publisher|Code|Region|x|Status|D3D|Details|\r\n"
                        "|Alpha|Nowhere Soft|SLUS-90001|U/C|x|Not Yet||Crashes at once|\r\n";

struct Run {
    TestPlatform t;
    ProgramState state;
    std::unique_ptr<MainFORM> main;

    explicit Run(const QByteArray& ini = kIni) {
        t.write("program/bleem!.INI", ini);
        t.write("program/Compatibility.TXT", kTxt);
        main = std::make_unique<MainFORM>(state, t.platform);
        if (!main->Form_Load()) qFatal("start-up failed");
    }
    QByteArray file() const { return t.read("program/bleem!.INI"); }
};

}  // namespace

class ToolsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void removeYesDisablesTheEntryAndClearsTheSearch() {
        Run run;
        run.main->findChild<QLineEdit*>("SearchTEXT")->setText("BE");
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->currentRow(), 1);
        bool disabledDuringConfirmation = true;
        run.t.prompter.onShow = [&](const Message&) { disabledDuringConfirmation = !run.main->isEnabled(); };
        run.main->findChild<QPushButton*>("RemoveBUTTON")->click();
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].text, QString("Are you sure that the game should be removed ?"));
        QCOMPARE(run.t.prompter.shown[0].title, QString("tolva!"));
        QCOMPARE(run.t.prompter.shown[0].icon, MsgIcon::Question);
        QCOMPARE(run.t.prompter.shown[0].buttons, MsgButtons::YesNo);
        QVERIFY(!disabledDuringConfirmation);
        const QByteArray expected = kHeader + "Version=7\r\n\r\n;ID=0000000002\r\n;Title=Beta\r\n;Flags=80000000H\r\n; a note\r\n\r\n" +
                                    Entry("0000000001", "Alpha", "40000000H") + "\r\n" +
                                    Entry("0000000003", "Gamma", "01211010H");
        QCOMPARE(run.file(), expected);
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 2);
        QCOMPARE(run.main->findChild<QLineEdit*>("SearchTEXT")->text(), QString());
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->currentRow(), 0);
        QVERIFY(run.main->isEnabled());
    }

    void removeNoChangesNothingButClearsTheSearch() {
        Run run;
        run.main->findChild<QLineEdit*>("SearchTEXT")->setText("GA");
        run.t.prompter.answers.enqueue(MsgAnswer::No);
        run.main->findChild<QAction*>("RemoveMENU")->trigger();
        QCOMPARE(run.file(), kIni);
        QCOMPARE(run.main->findChild<QLineEdit*>("SearchTEXT")->text(), QString());
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->currentRow(), 0);
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 3);
        QVERIFY(run.main->isEnabled());
    }

    void removeOfAnEntryGoneFromTheFileChangesNothing() {
        Run run;
        // Another program rewrote the file since it was loaded: the selected disc ID is gone.
        const QByteArray other = "Version=7\r\n\r\n" + Entry("0000000009", "Zeta", "80000000H");
        run.t.write("program/bleem!.INI", other);
        run.main->findChild<QPushButton*>("RemoveBUTTON")->click();
        QCOMPARE(run.file(), other);
        QVERIFY(run.t.prompter.shown.size() >= 2);
        QVERIFY(run.t.prompter.shown[1].text.contains("GLOBAL.RemoveGame"));
        QVERIFY(run.main->isEnabled());
    }

    void cleanUpFinishWithOptions() {
        Run run;
        run.main->findChild<QLineEdit*>("SearchTEXT")->setText("AL");  // shows Alpha, which joins it to its record
        QString captionMeanwhile;
        bool mainEnabledMeanwhile = true;
        QString searchMeanwhile = "unset";
        WhenShown("CleanUpFORM", [&](QWidget* window) {
            auto* form = static_cast<CleanUpFORM*>(window);
            captionMeanwhile = run.main->windowTitle();
            mainEnabledMeanwhile = run.main->isEnabled();
            searchMeanwhile = run.main->findChild<QLineEdit*>("SearchTEXT")->text();
            QCOMPARE(form->windowTitle(), QString("tolva! Clean Up"));
            QVERIFY(form->Option1->isChecked());
            form->Check1->setChecked(true);
            form->Check4->setChecked(true);
            form->Option2->setChecked(true);
            form->OkBUTTON->click();
        });
        run.main->findChild<QPushButton*>("CleanUpBUTTON")->click();
        QCOMPARE(captionMeanwhile, QString("tolva! Clean Up"));
        QVERIFY(!mainEnabledMeanwhile);
        QCOMPARE(searchMeanwhile, QString());
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
        QVERIFY(run.main->isEnabled());
        const QByteArray expected = kHeader + "Version=7\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H") +
                                    "; Nowhere Soft\r\n; Not Yet\r\n\r\n" + Entry("0000000002", "Beta", "80000000H") +
                                    "\r\n" + Entry("0000000003", "Gamma", "01211010H");
        QCOMPARE(run.file(), expected);
    }

    void cleanUpAbortAndFrameCloseWriteNothing() {
        for (bool byFrame : {false, true}) {
            Run run;
            WhenShown("CleanUpFORM", [&](QWidget* window) {
                auto* form = static_cast<CleanUpFORM*>(window);
                form->Check1->setChecked(true);
                if (byFrame)
                    form->close();
                else
                    form->AbortBUTTON->click();
            });
            run.main->findChild<QAction*>("CleanUpMENU")->trigger();
            QCOMPARE(run.file(), kIni);
            QCOMPARE(run.main->windowTitle(), QString("tolva!"));
            QVERIFY(run.main->isEnabled());
            QVERIFY(!TopLevel("CleanUpFORM"));
        }
    }

    void cleanUpAfterAnOverflowingLoadWritesNothing() {
        QByteArray ini;
        for (int i = 0; i < 4097; ++i)
            ini += Entry(QByteArray::number(1000000000 + i), "Game " + QByteArray::number(i), "80000000H");
        Run run(ini);
        const int messagesAtStart = static_cast<int>(run.t.prompter.shown.size());
        WhenShown("CleanUpFORM", [](QWidget* window) { static_cast<CleanUpFORM*>(window)->OkBUTTON->click(); });
        run.main->findChild<QPushButton*>("CleanUpBUTTON")->click();
        QCOMPARE(run.file(), ini);
        QCOMPARE(run.t.prompter.shown.size(), messagesAtStart + 1);
        QVERIFY(run.t.prompter.shown.last().text.contains("GLOBAL.CleanUpINI"));
        QVERIFY(run.main->isEnabled());
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
    }
};

QTEST_MAIN(ToolsTest)
#include "tools_test.moc"
