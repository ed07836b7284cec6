// Whole runs of the Add/Edit wizard through its real pages, on a real bleem!.INI in a temporary
// folder: what the file gains, what the main window shows, and how a run ends.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include "support/wizardwalk.h"

using namespace tolva;
using namespace tolva::test;

namespace {

// Sorted, the list reads Alpha (row 0), beta (row 1), Gamma (row 2); a disabled entry and the
// comment lines must survive every change.
const QByteArray kIni = "; tolva! test database\r\nVersion=2001-03-04\r\n\r\n" +
                        Entry("0000000002", "beta", "80000000H") +
                        "\r\n;ID=0000000009\r\n;Title=Old\r\n;Flags=80000000H\r\n\r\n" +
                        Entry("0000000001", "Alpha", "40000000H") + "\r\n" +
                        Entry("0000000003", "Gamma", "01211010H");

struct Run : LoadedMain {
    explicit Run(const QByteArray& ini = kIni) : LoadedMain(ini) {}
    QString selectedTitle() const { return main->findChild<QListWidget*>("GameLIST")->currentItem()->text(); }
};

bool Checked(QWidget* page, const char* name) { return Find<QAbstractButton>(page, name)->isChecked(); }

void Fill(QWidget* page2, const QString& title, const QString& id) {
    Find<QLineEdit>(page2, "titleTEXT")->setText(title);
    Find<QLineEdit>(page2, "idTEXT")->setText(id);
}

// Counts the activations of a window.
class ActivationCounter : public QObject {
public:
    explicit ActivationCounter(QWidget* window) : window_(window) { window->installEventFilter(this); }
    ~ActivationCounter() override { window_->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) ++count;
        return false;
    }
    int count = 0;

private:
    QWidget* window_;
};

// Pages 3 to 7 as they come, without touching anything.
WizardWalk& Through(WizardWalk& walk, int from, int to) {
    for (int page = from; page <= to; ++page) walk.on(page, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
    return walk;
}

}  // namespace

class WizardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addingAWorkingGameWithASoundRemarkAppendsItsEntry() {
        Run run;
        QStringList captions;
        auto caption = [&](QWidget* page) { captions << page->windowTitle() + " | " + run.main->windowTitle(); };
        WizardWalk walk(run.state);
        walk.on(1, [&](QWidget* p) {
            caption(p);
            QVERIFY(Checked(p, "newOPTION"));
            QVERIFY(!Find<QPushButton>(p, "BackBUTTON")->isEnabled());
            Click(p, "ForwardBUTTON");
        });
        walk.on(2, [&](QWidget* p) {
            caption(p);
            QVERIFY(!Find<QPushButton>(p, "ForwardBUTTON")->isEnabled());
            QVERIFY(Checked(p, "runningCHECK"));
            Fill(p, "Delta Force", "1234567890");
            Click(p, "ForwardBUTTON");
        });
        walk.on(3, [&](QWidget* p) {
            caption(p);
            Click(p, "ForwardBUTTON");
        });
        walk.on(4, [&](QWidget* p) {
            caption(p);
            QVERIFY(Checked(p, "Option4"));
            QCOMPARE(Find<QRadioButton>(p, "Option1")->text(), QString("Minor Sound Problems"));
            Click(p, "Option1");
            Click(p, "ForwardBUTTON");
        });
        for (int page = 5; page <= 7; ++page) {
            walk.on(page, [&](QWidget* p) {
                caption(p);
                Click(p, "ForwardBUTTON");
            });
        }
        walk.on(8, [&](QWidget* p) {
            caption(p);
            QCOMPARE(Find<QPushButton>(p, "ForwardBUTTON")->text(), QString("Finish"));
            QVERIFY(Find<QLabel>(p, "LoadLABEL")->isHidden());
            QVERIFY(!Checked(p, "Check1"));
            Click(p, "ForwardBUTTON");
        });
        QVERIFY(walk.run(*run.main));

        QStringList expected;
        for (int n = 1; n <= 8; ++n) expected << QString("tolva! Wizard [%1/8] | tolva! Wizard [%1/8]").arg(n);
        QCOMPARE(captions, expected);
        // Position 1 settled to "works partially" by the remark at position 5.
        QCOMPARE(run.file(), kIni + "\r\nID=1234567890\r\nTitle=Delta Force\r\nFlags=00002000H\r\n");
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 4);
        QCOMPARE(run.main->findChild<QLineEdit*>("SearchTEXT")->text(), QString("DELTA FORCE"));
        QCOMPARE(run.selectedTitle(), QString("Delta Force"));
        QCOMPARE(run.main->findChild<QLabel*>("titleTEXT")->text(), QString("Delta Force"));
        QVERIFY(run.main->isEnabled());
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
        QVERIFY(!run.state.wizard.WizardActive);
        QVERIFY(OpenWizardPages().isEmpty());
        QVERIFY(run.t.prompter.shown.isEmpty());
    }

    void aGameThatDoesNotWorkSkipsTheRemarkPages() {
        Run run;
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        walk.on(2, [](QWidget* p) {
            Fill(p, "Epsilon", "5555555555");
            Click(p, "runningCHECK");
            Click(p, "ForwardBUTTON");
        });
        walk.on(8, [&](QWidget* p) {
            QCOMPARE(run.state.wizard.EditFlags, std::string("40000000H"));
            Click(p, "BackBUTTON");
        });
        walk.on(2, [](QWidget* p) {
            // Back from page 8 returns here, showing what was stored.
            QVERIFY(!Checked(p, "runningCHECK"));
            QCOMPARE(Find<QLineEdit>(p, "titleTEXT")->text(), QString("Epsilon"));
            QCOMPARE(Find<QLineEdit>(p, "idTEXT")->text(), QString("5555555555"));
            Click(p, "ForwardBUTTON");
        });
        walk.on(8, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        QVERIFY(walk.run(*run.main));

        QCOMPARE(walk.visited, (QList<int>{1, 2, 8, 2, 8}));
        QCOMPARE(run.file(), kIni + "\r\nID=5555555555\r\nTitle=Epsilon\r\nFlags=40000000H\r\n");
        QCOMPARE(run.t.prompter.shown.size(), 2);
        const Message& asked = run.t.prompter.shown[0];
        QCOMPARE(asked.text, QString("Are you sure this game isn't working with bleem! ?"));
        QCOMPARE(asked.title, QString("tolva!"));
        QCOMPARE(asked.icon, MsgIcon::Question);
        QCOMPARE(asked.buttons, MsgButtons::YesNo);
        QCOMPARE(run.selectedTitle(), QString("Epsilon"));
        QCOMPARE(run.main->findChild<QLabel*>("NoTEXT")->text().left(2), QString("2 "));
    }

    void answeringNoKeepsTheGameWorkingOnPage2() {
        Run run;
        run.t.prompter.answers.enqueue(MsgAnswer::No);
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        walk.on(2, [&](QWidget* p) {
            Fill(p, "Zeta", "6666666666");
            Click(p, "runningCHECK");
            Click(p, "ForwardBUTTON");
            QCOMPARE(run.state.wizard.ActivePage, 2);
            QVERIFY(Checked(p, "runningCHECK"));
            QCOMPARE(run.state.wizard.EditFlags, std::string("80000000H"));
            Click(p, "ForwardBUTTON");
        });
        walk.on(3, [](QWidget* p) { Click(p, "AbortBUTTON"); });
        QVERIFY(walk.run(*run.main));
        QCOMPARE(run.file(), kIni);
    }

    void changingAnEntryRewritesOnlyItsThreeLines() {
        Run run;
        run.main->findChild<QListWidget*>("GameLIST")->setCurrentRow(2);  // Gamma, 01211010H
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) {
            QVERIFY(Find<QRadioButton>(p, "editOPTION")->isEnabled());
            Click(p, "editOPTION");
            Click(p, "ForwardBUTTON");
        });
        walk.on(2, [](QWidget* p) {
            QCOMPARE(Find<QLineEdit>(p, "titleTEXT")->text(), QString("Gamma"));
            QCOMPARE(Find<QLineEdit>(p, "idTEXT")->text(), QString("0000000003"));
            QVERIFY(Checked(p, "runningCHECK"));  // "0": works partially
            QVERIFY(Find<QPushButton>(p, "ForwardBUTTON")->isEnabled());
            Click(p, "ForwardBUTTON");  // its own disc ID is no duplicate
        });
        walk.on(3, [](QWidget* p) {
            QVERIFY(Checked(p, "Option1"));  // Minor Graphics Problems
            Click(p, "Option3");
            Click(p, "ForwardBUTTON");
        });
        walk.on(4, [](QWidget* p) {
            QVERIFY(Checked(p, "Option3"));  // Sound is missing
            Click(p, "Option7");
            Click(p, "ForwardBUTTON");
        });
        walk.on(5, [](QWidget* p) {
            QVERIFY(Checked(p, "Option4"));  // Can Load but not Save
            Click(p, "ForwardBUTTON");
        });
        walk.on(6, [](QWidget* p) {
            QVERIFY(Checked(p, "Option1"));  // Opening MDEC's do not display
            Click(p, "ForwardBUTTON");
        });
        walk.on(7, [](QWidget* p) {
            QVERIFY(Checked(p, "Check1"));
            QVERIFY(!Checked(p, "Check2") && !Checked(p, "Check3") && !Checked(p, "Check4"));
            Click(p, "ForwardBUTTON");
        });
        walk.on(8, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        QVERIFY(walk.run(*run.main));

        QByteArray expected = kIni;
        expected.replace("Flags=01211010H", "Flags=01216000H");
        QCOMPARE(run.file(), expected);
        QVERIFY(run.t.prompter.shown.isEmpty());
        QCOMPARE(run.selectedTitle(), QString("Gamma"));

        // The wizard state outlives the run: the next run offers changing again.
        WizardWalk again(run.state);
        again.on(1, [](QWidget* p) {
            QVERIFY(Checked(p, "editOPTION"));
            Click(p, "AbortBUTTON");
        });
        QVERIFY(again.run(*run.main));
    }

    void changingAnEntryWithAnotherFormOfFlagsWordAndDiscID() {
        // Decimal words: 65536 is 00010000H ("Can Load but not Save"), 1073741824 is 40000000H
        // (does not work). Pages read positions of the nine-character form.
        const QByteArray theta = Entry("00-000-000-07x", "Theta", "65536");
        const QByteArray ini = "Version=1\r\n" + Entry("0000000008", "Omega", "1073741824") + "\r\n" + theta;
        Run run(ini);
        run.main->findChild<QListWidget*>("GameLIST")->setCurrentRow(0);  // Omega
        WizardWalk notWorking(run.state);
        notWorking.on(1, [](QWidget* p) {
            Click(p, "editOPTION");
            Click(p, "ForwardBUTTON");
        });
        notWorking.on(2, [](QWidget* p) {
            QVERIFY(!Checked(p, "runningCHECK"));
            Click(p, "AbortBUTTON");
        });
        QVERIFY(notWorking.run(*run.main));

        run.main->findChild<QListWidget*>("GameLIST")->setCurrentRow(1);  // Theta
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) {
            Click(p, "editOPTION");
            Click(p, "ForwardBUTTON");
        });
        walk.on(2, [](QWidget* p) {
            QCOMPARE(Find<QLineEdit>(p, "idTEXT")->text(), QString("0000000007"));
            Click(p, "ForwardBUTTON");
        });
        Through(walk, 3, 4);
        walk.on(5, [](QWidget* p) {
            QVERIFY(Checked(p, "Option4"));
            Click(p, "ForwardBUTTON");
        });
        Through(walk, 6, 8);
        QVERIFY(walk.run(*run.main));
        QCOMPARE(run.file(), "Version=1\r\n" + Entry("0000000008", "Omega", "1073741824") + "\r\n" +
                                 Entry("0000000007", "Theta", "00010000H"));
    }

    void changingNeedsASelectedGame() {
        Run run;
        run.state.wizard.EditMode = true;  // the previous run changed a game
        run.main->findChild<QListWidget*>("GameLIST")->setCurrentRow(-1);
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) {
            QVERIFY(!Find<QRadioButton>(p, "editOPTION")->isEnabled());
            QVERIFY(Checked(p, "newOPTION"));
            Click(p, "ForwardBUTTON");
        });
        walk.on(2, [](QWidget* p) {
            QCOMPARE(Find<QLineEdit>(p, "titleTEXT")->text(), QString());
            Click(p, "AbortBUTTON");
        });
        QVERIFY(walk.run(*run.main));
        QVERIFY(!run.state.wizard.EditMode);
        QCOMPARE(run.state.wizard.EditFlags, std::string("00000000H"));
    }

    void abortOnAMiddlePageChangesNothing() {
        for (const bool throughFrame : {false, true}) {
            Run run;
            run.main->findChild<QListWidget*>("GameLIST")->setCurrentRow(1);
            WizardWalk walk(run.state);
            walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
            walk.on(2, [](QWidget* p) {
                Fill(p, "Iota", "7777777777");
                Click(p, "ForwardBUTTON");
            });
            walk.on(3, [](QWidget* p) {
                Click(p, "Option2");
                Click(p, "ForwardBUTTON");
            });
            walk.on(4, [&](QWidget* p) {
                if (throughFrame) {
                    p->close();
                } else {
                    Click(p, "AbortBUTTON");
                }
            });
            QVERIFY(walk.run(*run.main));
            QCOMPARE(run.file(), kIni);
            QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 3);
            QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->currentRow(), 1);
            QVERIFY(run.main->isEnabled());
            QCOMPARE(run.main->windowTitle(), QString("tolva!"));
            QVERIFY(!run.state.wizard.WizardActive);
            QVERIFY(OpenWizardPages().isEmpty());
            // Nothing is reset: the state keeps what the pages stored.
            QCOMPARE(run.state.wizard.EditTitle, std::string("Iota"));
            QCOMPARE(run.state.wizard.EditFlags, std::string("80000020H"));
        }
    }

    void backAndForthKeepsTheChoicesAndThePlace() {
        Run run;
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        walk.on(2, [](QWidget* p) {
            Fill(p, "Kappa", "8888888888");
            Click(p, "ForwardBUTTON");
        });
        walk.on(3, [](QWidget* p) {
            p->move(137, 91);  // the user drags the page away
            Click(p, "Option2");
            Click(p, "ForwardBUTTON");
        });
        walk.on(4, [](QWidget* p) {
            QCOMPARE(p->pos(), QPoint(137, 91));
            Click(p, "Option7");
            Click(p, "ForwardBUTTON");
        });
        walk.on(5, [](QWidget* p) {
            Click(p, "Option3");
            Click(p, "BackBUTTON");
        });
        walk.on(4, [&](QWidget* p) {
            QVERIFY(Checked(p, "Option7"));
            QCOMPARE(run.state.wizard.EditFlags, std::string("80026020H"));  // page 5 stored on Back
            Click(p, "BackBUTTON");
        });
        walk.on(3, [](QWidget* p) {
            QVERIFY(Checked(p, "Option2"));
            Click(p, "ForwardBUTTON");
        });
        walk.on(4, [](QWidget* p) {
            QVERIFY(Checked(p, "Option7"));
            Click(p, "ForwardBUTTON");
        });
        walk.on(5, [](QWidget* p) {
            QVERIFY(Checked(p, "Option3"));
            Click(p, "ForwardBUTTON");
        });
        Through(walk, 6, 7);
        walk.on(8, [](QWidget* p) { Click(p, "BackBUTTON"); });
        walk.on(7, [](QWidget* p) { Click(p, "AbortBUTTON"); });
        QVERIFY(walk.run(*run.main));

        QCOMPARE(run.file(), kIni);
    }

    void firstPageOpensInTheMiddleOfTheScreen() {
        Run run;
        QRect placed;
        WizardWalk walk(run.state);
        walk.on(1, [&](QWidget* p) {
            placed = QRect(p->pos(), p->size());
            Click(p, "AbortBUTTON");
        });
        QVERIFY(walk.run(*run.main));
        const QRect screen = run.main->screen()->geometry();
        QCOMPARE(placed.x(), screen.x() + screen.width() / 2 - placed.width() / 2);
        QCOMPARE(placed.y(), screen.y() + screen.height() / 2 - placed.height() / 2);
    }

    void advancedGraphicsPairsExcludeEachOther() {
        Run run;
        QStringList stored;
        auto flags = [&] { stored << QString::fromStdString(run.state.wizard.EditFlags); };
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        walk.on(2, [](QWidget* p) {
            Fill(p, "Lambda", "9999999999");
            Click(p, "ForwardBUTTON");
        });
        Through(walk, 3, 6);
        walk.on(7, [](QWidget* p) {
            QVERIFY(!Checked(p, "Check1") && !Checked(p, "Check2") && !Checked(p, "Check3") && !Checked(p, "Check4"));
            QCOMPARE(Find<QCheckBox>(p, "Check2")->text(), QString("\"Enable Frame Skip\" off"));
            Click(p, "Check1");
            Click(p, "Check3");
            QVERIFY(!Checked(p, "Check1") && Checked(p, "Check3"));
            Click(p, "ForwardBUTTON");
        });
        walk.on(8, [&](QWidget* p) {
            flags();
            Click(p, "BackBUTTON");
        });
        walk.on(7, [](QWidget* p) {
            QVERIFY(Checked(p, "Check3") && !Checked(p, "Check4"));
            Click(p, "Check4");
            Click(p, "ForwardBUTTON");
        });
        walk.on(8, [&](QWidget* p) {
            flags();
            Click(p, "BackBUTTON");
        });
        walk.on(7, [](QWidget* p) {
            Click(p, "Check1");
            QVERIFY(Checked(p, "Check1") && !Checked(p, "Check3") && !Checked(p, "Check4"));
            Click(p, "BackBUTTON");  // Back stores as well
        });
        walk.on(6, [&](QWidget* p) {
            flags();
            Click(p, "ForwardBUTTON");
        });
        walk.on(7, [](QWidget* p) {
            QVERIFY(Checked(p, "Check1"));
            Click(p, "Check2");
            Click(p, "Check1");  // clearing a box changes nothing else
            QVERIFY(!Checked(p, "Check1") && Checked(p, "Check2"));
            Click(p, "Check2");
            Click(p, "ForwardBUTTON");
        });
        walk.on(8, [&](QWidget* p) {
            flags();
            Click(p, "AbortBUTTON");
        });
        QVERIFY(walk.run(*run.main));
        QCOMPARE(stored, (QStringList{"85000000H", "87000000H", "81000000H", "80000000H"}));
    }

    void advancedGraphicsLoadFromTheStoredDigit() {
        const QByteArray ini = "Version=1\r\n" + Entry("0000000031", "Both", "83000000H") + "\r\n" +
                               Entry("0000000032", "Four", "84000000H");
        for (const int row : {0, 1}) {
            Run run(ini);
            run.main->findChild<QListWidget*>("GameLIST")->setCurrentRow(row);
            WizardWalk walk(run.state);
            walk.on(1, [](QWidget* p) {
                Click(p, "editOPTION");
                Click(p, "ForwardBUTTON");
            });
            Through(walk, 2, 6);
            walk.on(7, [&](QWidget* p) {
                // "3" ticks both boxes of the first pair; "4" has no row and ticks none.
                QCOMPARE(Checked(p, "Check1"), row == 0);
                QCOMPARE(Checked(p, "Check2"), row == 0);
                QVERIFY(!Checked(p, "Check3") && !Checked(p, "Check4"));
                Click(p, "ForwardBUTTON");
            });
            walk.on(8, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
            QVERIFY(walk.run(*run.main));
            QVERIFY(run.file().contains(row == 0 ? "Flags=83000000H" : "Flags=80000000H"));
        }
    }

    void theMainWindowTakesNoInputAndASecondWizardCannotStart() {
        Run run;
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        walk.on(2, [&](QWidget* p) {
            QVERIFY(!run.main->isEnabled());
            QTest::keyClicks(run.main->findChild<QLineEdit*>("SearchTEXT"), "GAM");
            QCOMPARE(run.main->findChild<QLineEdit*>("SearchTEXT")->text(), QString());
            QTest::mouseClick(run.main->findChild<QPushButton*>("NewBUTTON"), Qt::LeftButton);
            run.main->findChild<QAction*>("NewMENU")->trigger();  // returns at once instead of starting a second run
            QCOMPARE(OpenWizardPages(), QList<QWidget*>{p});
            QCOMPARE(run.state.wizard.ActivePage, 2);
            QCOMPARE(run.main->windowTitle(), QString("tolva! Wizard [2/8]"));
            Click(p, "AbortBUTTON");
        });
        QVERIFY(walk.run(*run.main));
        QVERIFY(run.main->isEnabled());

        // The menu entry starts the wizard as the button does.
        WizardWalk byMenu(run.state);
        byMenu.on(1, [](QWidget* p) { Click(p, "AbortBUTTON"); });
        QVERIFY(byMenu.run([&] { run.main->findChild<QAction*>("NewMENU")->trigger(); }));
    }

    void activatingTheMainWindowBringsThePageBack() {
        Run run;
        QString activeAfter;
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        walk.on(2, [&](QWidget* p) {
            QTRY_COMPARE(QApplication::activeWindow(), p);
            ActivationCounter mainActivated(run.main.get());
            run.main->activateWindow();  // from the task bar, say
            QTRY_VERIFY(mainActivated.count > 0);
            QTRY_COMPARE(QApplication::activeWindow(), p);
            activeAfter = QApplication::activeWindow()->objectName();
            Click(p, "AbortBUTTON");
        });
        QVERIFY(walk.run(*run.main));
        QCOMPARE(activeAfter, QString("Wizard2FORM"));
        QTRY_COMPARE(QApplication::activeWindow(), run.main.get());  // and the main window has it back after
    }

    void loadLabelIsVisibleWhileTheEntryIsWritten() {
        Run run;
        run.main->findChild<QListWidget*>("GameLIST")->setCurrentRow(2);  // Gamma
        QByteArray withoutGamma = kIni;
        withoutGamma.replace(Entry("0000000003", "Gamma", "01211010H"), "");
        bool labelShownDuringFailure = false;
        run.t.prompter.onShow = [&](const Message&) {
            if (QWidget* page = TopLevel("Wizard8FORM"))
                labelShownDuringFailure = Find<QLabel>(page, "LoadLABEL")->isVisible();
        };
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) {
            Click(p, "editOPTION");
            Click(p, "ForwardBUTTON");
        });
        Through(walk, 2, 7);
        walk.on(8, [&](QWidget* p) {
            run.writeFile(withoutGamma);  // someone else changed the file meanwhile
            Click(p, "ForwardBUTTON");
        });
        QVERIFY(walk.run(*run.main));
        // The entry cannot be found: nothing is written, the failure is reported, the run ends.
        QCOMPARE(run.file(), withoutGamma);
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].title, QString("tolva! Critical Error"));
        QVERIFY(run.t.prompter.shown[0].text.contains("Modul : GLOBAL.WriteINI"));
        QVERIFY(labelShownDuringFailure);
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 2);
        QVERIFY(run.main->isEnabled());
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
    }

    void finishWithCleanUpWaitsForTheCleanUpWindow() {
        Run run;
        bool sawCleanUp = false;
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        walk.on(2, [](QWidget* p) {
            Fill(p, "Aardvark", "1212121212");
            Click(p, "ForwardBUTTON");
        });
        Through(walk, 3, 7);
        walk.on(8, [&](QWidget* p) {
            Click(p, "Check1");
            WhenShown("CleanUpFORM", [&, p](QWidget* cleanUp) {
                sawCleanUp = true;
                QCOMPARE(run.main->windowTitle(), QString("tolva! Clean Up"));
                QVERIFY(!p->isVisible());
                QVERIFY(run.state.wizard.WizardActive);
                Click(cleanUp, "OkBUTTON");
            });
            Click(p, "ForwardBUTTON");
        });
        QVERIFY(walk.run(*run.main));
        QVERIFY(sawCleanUp);
        const QByteArray file = run.file();
        QVERIFY(!file.contains(";ID=0000000009"));  // disabled entries are gone
        QVERIFY(file.indexOf("Title=Aardvark") < file.indexOf("Title=Alpha"));  // sorted
        QVERIFY(file.contains("Flags=80000000H\r\n"));
        QCOMPARE(run.main->findChild<QLineEdit*>("SearchTEXT")->text(), QString("AARDVARK"));
        QCOMPARE(run.selectedTitle(), QString("Aardvark"));
        QVERIFY(run.main->isEnabled());
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
    }
};

QTEST_MAIN(WizardTest)
#include "wizard_test.moc"
