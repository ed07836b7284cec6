// Whole runs of the Add/Edit wizard through its real pages on a real bleem!.INI: what the file
// gains, what the main window shows, how a run ends, and the disc identity page.
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QScreen>

#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

// Sorted, the list reads Alpha (row 0), beta (row 1), Gamma (row 2); a disabled entry and the
// comment lines must survive every change.
const QByteArray kIni = "; tolva! test database\r\nVersion=2001-03-04\r\n\r\n" + Entry("0000000002", "beta", "80000000H") +
                        "\r\n;ID=0000000009\r\n;Title=Old\r\n;Flags=80000000H\r\n\r\n" +
                        Entry("0000000001", "Alpha", "40000000H") + "\r\n" + Entry("0000000003", "Gamma", "01211010H");

QString Page(int n) { return QStringLiteral("Wizard%1FORM").arg(n); }

/// A walk through the wizard's pages by number.
struct Pages : Walk {
    using Walk::run;
    Pages& on(int page, std::function<void(QWidget*)> act) {
        Walk::on(Page(page), std::move(act));
        return *this;
    }
    Pages& forward(int from, int to) {
        for (int page = from; page <= to; ++page) on(page, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        return *this;
    }
    Pages& click(int page, const QStringList& buttons) {
        return on(page, [buttons](QWidget* p) {
            for (const QString& button : buttons) Click(p, button);
        });
    }
    bool run(const LoadedMain& run) { return Walk::run(run, "NewMENU"); }
};

void Fill(QWidget* page2, const QString& title, const QString& id) {
    Find<QLineEdit>(page2, "titleTEXT")->setText(title);
    Find<QLineEdit>(page2, "idTEXT")->setText(id);
}

bool NoPageOpen() {
    for (int n = 1; n <= 8; ++n)
        if (TopLevel(Page(n))) return false;
    return true;
}

/// Runs act on page 2 of an adding run, then aborts the run.
bool OnPage2(const LoadedMain& run, const std::function<void(QWidget*)>& act) {
    return Pages().forward(1, 1).on(2, [act](QWidget* p) {
        act(p);
        if (p->isVisible()) Click(p, "AbortBUTTON");
    }).run(run);
}

}  // namespace

class WizardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addingAWorkingGameWithASoundRemarkAppendsItsEntry() {
        LoadedMain run(kIni);
        QStringList captions;
        const auto caption = [&](QWidget* p) { captions << p->windowTitle() + " | " + run.main->windowTitle(); };
        Pages walk;
        walk.on(1, [&](QWidget* p) {
            caption(p);
            QVERIFY(Checked(p, "newOPTION"));
            QVERIFY(!Find(p, "BackBUTTON")->isEnabled());
            Click(p, "ForwardBUTTON");
        });
        walk.on(2, [&](QWidget* p) {
            caption(p);
            QVERIFY(!Find(p, "ForwardBUTTON")->isEnabled());
            QVERIFY(Checked(p, "runningCHECK"));
            Fill(p, "Delta Force", "1234567890");
            Click(p, "ForwardBUTTON");
        });
        for (int page = 3; page <= 7; ++page)
            walk.on(page, [&, page](QWidget* p) {
                caption(p);
                if (page == 4) {
                    QVERIFY(Checked(p, "Option4"));
                    QCOMPARE(Text(p, "Option1"), QString("Minor Sound Problems"));
                    Click(p, "Option1");
                }
                Click(p, "ForwardBUTTON");
            });
        walk.on(8, [&](QWidget* p) {
            caption(p);
            QCOMPARE(Text(p, "ForwardBUTTON"), QString("Finish"));
            QVERIFY(Find(p, "LoadLABEL")->isHidden());
            QVERIFY(!Checked(p, "Check1"));
            Click(p, "ForwardBUTTON");
        });
        QVERIFY(walk.run([&] { Click(run.main.get(), "NewBUTTON"); }));
        QStringList expected;
        for (int n = 1; n <= 8; ++n) expected << QString("tolva! Wizard [%1/8] | tolva! Wizard [%1/8]").arg(n);
        QCOMPARE(captions, expected);
        // Position 1 settled to "works partially" by the remark at position 5.
        QCOMPARE(run.file(), kIni + "\r\nID=1234567890\r\nTitle=Delta Force\r\nFlags=00002000H\r\n");
        QCOMPARE(run.list()->count(), 4);
        QCOMPARE(Text(run.main.get(), "SearchTEXT"), QString("DELTA FORCE"));
        QCOMPARE(run.selected(), QString("Delta Force"));
        QCOMPARE(Text(run.main.get(), "titleTEXT"), QString("Delta Force"));
        QVERIFY(run.main->isEnabled() && run.main->windowTitle() == "tolva!" && NoPageOpen());
        QVERIFY(run.t.prompter.shown.isEmpty());
    }

    void aGameThatDoesNotWorkSkipsTheRemarkPages() {
        LoadedMain run(kIni);
        run.t.prompter.answers << MsgAnswer::No;  // then Yes
        Pages walk;
        walk.forward(1, 1);
        walk.on(2, [&](QWidget* p) {
            Fill(p, "Epsilon", "5555555555");
            Click(p, "runningCHECK");
            Click(p, "ForwardBUTTON");  // "No": the game works after all, the page stays
            QVERIFY(p->isVisible() && Checked(p, "runningCHECK"));
            QCOMPARE(run.state.wizard.EditFlags, std::string("80000000H"));
            Click(p, "runningCHECK");
            Click(p, "ForwardBUTTON");
        });
        walk.on(8, [&](QWidget* p) {
            QCOMPARE(run.state.wizard.EditFlags, std::string("40000000H"));
            Click(p, "BackBUTTON");
        });
        walk.on(2, [](QWidget* p) {  // Back from page 8 comes here, showing what was stored
            QVERIFY(!Checked(p, "runningCHECK"));
            QCOMPARE(Text(p, "titleTEXT"), QString("Epsilon"));
            QCOMPARE(Text(p, "idTEXT"), QString("5555555555"));
            Click(p, "ForwardBUTTON");
        });
        walk.forward(8, 8);
        QVERIFY(walk.run(run));
        QCOMPARE(run.file(), kIni + "\r\nID=5555555555\r\nTitle=Epsilon\r\nFlags=40000000H\r\n");
        const Message asked = run.t.prompter.shown.value(0);
        QCOMPARE(asked.text, QString("Are you sure this game isn't working with bleem! ?"));
        QCOMPARE(asked.title, QString("tolva!"));
        QCOMPARE(asked.icon, MsgIcon::Question);
        QCOMPARE(asked.buttons, MsgButtons::YesNo);
        QCOMPARE(run.selected(), QString("Epsilon"));
        QCOMPARE(Text(run.main.get(), "NoTEXT").left(2), QString("2 "));
    }

    void changingAnEntryShowsItsFlagsAndRewritesOnlyItsLines() {
        LoadedMain run(kIni);
        run.list()->setCurrentRow(2);  // Gamma, 01211010H
        Pages walk;
        walk.on(1, [](QWidget* p) {
            QVERIFY(Find(p, "editOPTION")->isEnabled());
            Click(p, "editOPTION");
            Click(p, "ForwardBUTTON");
        });
        walk.on(2, [](QWidget* p) {
            QCOMPARE(Text(p, "titleTEXT"), QString("Gamma"));
            QCOMPARE(Text(p, "idTEXT"), QString("0000000003"));
            QVERIFY(Checked(p, "runningCHECK"));  // "0": works partially
            Click(p, "ForwardBUTTON");  // its own disc ID is no duplicate
        });
        // What each page shows of 01211010H, and what the run changes.
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
            QCOMPARE((QList<bool>{Checked(p, "Check1"), Checked(p, "Check2"), Checked(p, "Check3"), Checked(p, "Check4")}),
                     (QList<bool>{true, false, false, false}));
            Click(p, "ForwardBUTTON");
        });
        walk.forward(8, 8);
        QVERIFY(walk.run(run));
        QByteArray expected = kIni;
        QCOMPARE(run.file(), expected.replace("Flags=01211010H", "Flags=01216000H"));
        QVERIFY(run.t.prompter.shown.isEmpty());
        QCOMPARE(run.selected(), QString("Gamma"));
        // The wizard's state outlives the run: the next run offers changing again.
        QVERIFY(Pages().on(1, [](QWidget* p) {
            QVERIFY(Checked(p, "editOPTION"));
            Click(p, "AbortBUTTON");
        }).run(run));
    }


    void changingNeedsASelectedGame() {
        LoadedMain run(kIni);
        run.state.wizard.EditMode = true;  // the previous run changed a game
        run.list()->setCurrentRow(-1);
        QVERIFY(Pages().on(1, [](QWidget* p) {
            QVERIFY(!Find(p, "editOPTION")->isEnabled());
            QVERIFY(Checked(p, "newOPTION"));
            Click(p, "ForwardBUTTON");
        }).on(2, [](QWidget* p) {
            QCOMPARE(Text(p, "titleTEXT"), QString());
            Click(p, "AbortBUTTON");
        }).run(run));
        QVERIFY(!run.state.wizard.EditMode);
        QCOMPARE(run.state.wizard.EditFlags, std::string("00000000H"));
    }

    void abortOrFrameCloseOnAMiddlePageChangesNothing() {
        for (const bool frame : {false, true}) {
            LoadedMain run(kIni);
            run.list()->setCurrentRow(1);
            Pages walk;
            walk.forward(1, 1);
            walk.on(2, [](QWidget* p) {
                Fill(p, "Iota", "7777777777");
                Click(p, "ForwardBUTTON");
            });
            walk.click(3, {"Option2", "ForwardBUTTON"});
            walk.on(4, [frame](QWidget* p) { frame ? (void)p->close() : Click(p, "AbortBUTTON"); });
            QVERIFY(walk.run(run));
            QCOMPARE(run.file(), kIni);
            QCOMPARE(run.list()->currentRow(), 1);
            QVERIFY(run.main->isEnabled() && run.main->windowTitle() == "tolva!" && NoPageOpen());
            QVERIFY(!run.state.wizard.WizardActive);
            // Nothing is reset: the state keeps what the pages stored.
            QCOMPARE(run.state.wizard.EditTitle, std::string("Iota"));
            QCOMPARE(run.state.wizard.EditFlags, std::string("80000020H"));
        }
    }

    void backAndForthKeepsTheChoicesAndThePlace() {
        LoadedMain run(kIni);
        QRect first;
        Pages walk;
        walk.on(1, [&](QWidget* p) {
            first = QRect(p->pos(), p->size());
            Click(p, "ForwardBUTTON");
        });
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
        walk.click(5, {"Option3", "BackBUTTON"});
        walk.on(4, [&](QWidget* p) {
            QVERIFY(Checked(p, "Option7"));
            QCOMPARE(run.state.wizard.EditFlags, std::string("80026020H"));  // page 5 stored on Back
            Click(p, "BackBUTTON");
        });
        for (auto [page, option] : {std::pair{3, "Option2"}, {4, "Option7"}, {5, "Option3"}})
            walk.on(page, [option](QWidget* p) {
                QVERIFY(Checked(p, option));
                Click(p, "ForwardBUTTON");
            });
        walk.forward(6, 7);
        walk.click(8, {"BackBUTTON"});
        walk.click(7, {"AbortBUTTON"});
        QVERIFY(walk.run(run));
        QCOMPARE(run.file(), kIni);
        const QRect screen = run.main->screen()->geometry();  // the first page opens in the middle
        QCOMPARE(first.topLeft(), QPoint(screen.x() + screen.width() / 2 - first.width() / 2,
                                         screen.y() + screen.height() / 2 - first.height() / 2));
    }

    void advancedGraphicsPairsExcludeEachOther() {
        LoadedMain run(kIni);
        QStringList stored;
        const auto flags = [&](QWidget* p, const char* then) {
            stored << QString::fromStdString(run.state.wizard.EditFlags);
            Click(p, then);
        };
        Pages walk;
        walk.forward(1, 1);
        walk.on(2, [](QWidget* p) {
            Fill(p, "Lambda", "9999999999");
            Click(p, "ForwardBUTTON");
        });
        walk.forward(3, 6);
        walk.on(7, [](QWidget* p) {
            QVERIFY(!Checked(p, "Check1") && !Checked(p, "Check2") && !Checked(p, "Check3") && !Checked(p, "Check4"));
            QCOMPARE(Text(p, "Check2"), QString("\"Enable Frame Skip\" off"));
            Click(p, "Check1");
            Click(p, "Check3");
            QVERIFY(!Checked(p, "Check1") && Checked(p, "Check3"));
            Click(p, "ForwardBUTTON");
        });
        walk.on(8, [&](QWidget* p) { flags(p, "BackBUTTON"); });
        walk.click(7, {"Check4", "ForwardBUTTON"});
        walk.on(8, [&](QWidget* p) { flags(p, "BackBUTTON"); });
        walk.on(7, [](QWidget* p) {
            Click(p, "Check1");
            QVERIFY(Checked(p, "Check1") && !Checked(p, "Check3") && !Checked(p, "Check4"));
            Click(p, "BackBUTTON");  // Back stores as well
        });
        walk.on(6, [&](QWidget* p) { flags(p, "ForwardBUTTON"); });
        walk.on(7, [](QWidget* p) {
            Click(p, "Check2");
            Click(p, "Check1");  // clearing a box changes nothing else
            QVERIFY(!Checked(p, "Check1") && Checked(p, "Check2"));
            Click(p, "Check2");
            Click(p, "ForwardBUTTON");
        });
        walk.on(8, [&](QWidget* p) { flags(p, "AbortBUTTON"); });
        QVERIFY(walk.run(run));
        QCOMPARE(stored, (QStringList{"85000000H", "87000000H", "81000000H", "80000000H"}));

        // Loaded from the stored digit: "3" ticks both boxes of the first pair, "4" none.
        LoadedMain two("Version=1\r\n" + Entry("0000000031", "Both", "83000000H") + "\r\n" +
                       Entry("0000000032", "Four", "84000000H"));
        for (const int row : {0, 1}) {
            two.list()->setCurrentRow(row);
            QVERIFY(Pages().click(1, {"editOPTION", "ForwardBUTTON"}).forward(2, 6).on(7, [row](QWidget* p) {
                QCOMPARE((QList<bool>{Checked(p, "Check1"), Checked(p, "Check2"), Checked(p, "Check3"), Checked(p, "Check4")}),
                         (QList<bool>{row == 0, row == 0, false, false}));
                Click(p, "ForwardBUTTON");
            }).forward(8, 8).run(two));
        }
        QVERIFY(two.file().contains("Flags=83000000H") && two.file().contains("Flags=80000000H"));
    }

    void theMainWindowTakesNoInputAndASecondRunCannotStart() {
        LoadedMain run(kIni);
        QString activeAfter;
        QVERIFY(Pages().forward(1, 1).on(2, [&](QWidget* p) {
            QVERIFY(!run.main->isEnabled());
            QTest::keyClicks(run.get("SearchTEXT"), "GAM");
            QCOMPARE(Text(run.main.get(), "SearchTEXT"), QString());
            QTest::mouseClick(run.get("NewBUTTON"), Qt::LeftButton);
            run.trigger("NewMENU");  // returns at once instead of starting a second run
            QCOMPARE(run.main->windowTitle(), QString("tolva! Wizard [2/8]"));
            QVERIFY(!TopLevel(Page(1)));
            // Activating the main window (from the task bar, say) brings the page back.
            QTRY_COMPARE(QApplication::activeWindow(), p);
            run.main->activateWindow();
            QTest::qWait(50);
            QTRY_COMPARE(QApplication::activeWindow(), p);
            activeAfter = QApplication::activeWindow()->objectName();
            Click(p, "AbortBUTTON");
        }).run(run));
        QCOMPARE(activeAfter, Page(2));
        QVERIFY(run.main->isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), run.main.get());
    }

    void aFailedWriteIsReportedWithTheLoadLabelShown() {
        LoadedMain run(kIni);
        run.list()->setCurrentRow(2);  // Gamma
        QByteArray withoutGamma = kIni;
        withoutGamma.replace(Entry("0000000003", "Gamma", "01211010H"), "");
        bool labelShown = false;
        run.t.prompter.onShow = [&](const Message&) {
            if (QWidget* page = TopLevel(Page(8))) labelShown = Find(page, "LoadLABEL")->isVisible();
        };
        QVERIFY(Pages().click(1, {"editOPTION", "ForwardBUTTON"}).forward(2, 7).on(8, [&](QWidget* p) {
            run.writeFile(withoutGamma);  // someone else changed the file meanwhile
            Click(p, "ForwardBUTTON");
        }).run(run));
        QCOMPARE(run.file(), withoutGamma);
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].title, QString("tolva! Critical Error"));
        QVERIFY(run.t.prompter.shown[0].text.contains("Modul : GLOBAL.WriteINI"));
        QVERIFY(labelShown);
        QCOMPARE(run.list()->count(), 2);
        QVERIFY(run.main->isEnabled() && run.main->windowTitle() == "tolva!");
    }

    void finishWithCleanUpWaitsForTheCleanUpWindow() {
        LoadedMain run(kIni);
        Pages walk;
        walk.forward(1, 1);
        walk.on(2, [](QWidget* p) {
            Fill(p, "Aardvark", "1212121212");
            Click(p, "ForwardBUTTON");
        });
        walk.forward(3, 7).click(8, {"Check1", "ForwardBUTTON"});
        walk.Walk::on("CleanUpFORM", [&](QWidget* cleanUp) {
            QCOMPARE(run.main->windowTitle(), QString("tolva! Clean Up"));
            QVERIFY(!TopLevel(Page(8)) && run.state.wizard.WizardActive);
            Click(cleanUp, "OkBUTTON");
        });
        QVERIFY(walk.run(run));
        const QByteArray file = run.file();
        QVERIFY(!file.contains(";ID=0000000009"));  // disabled entries are gone
        QVERIFY(file.indexOf("Title=Aardvark") < file.indexOf("Title=Alpha"));  // sorted
        QCOMPARE(Text(run.main.get(), "SearchTEXT"), QString("AARDVARK"));
        QCOMPARE(run.selected(), QString("Aardvark"));
        QVERIFY(run.main->isEnabled() && run.main->windowTitle() == "tolva!");
    }

    // --- The disc identity page -----------------------------------------------------------------

    void theDiscIDBoxTakesTenDigitsAndNextNeedsATitle() {
        LoadedMain run(kIni);
        QVERIFY(OnPage2(run, [](QWidget* p) {
            auto* id = Find<QLineEdit>(p, "idTEXT");
            auto* title = Find<QLineEdit>(p, "titleTEXT");
            const auto canGoOn = [p] { return Find(p, "ForwardBUTTON")->isEnabled(); };
            QVERIFY(p->findChildren<QPushButton*>("driveBUTTON").isEmpty());  // no drive, no button
            QTest::keyClicks(id, "12ab34");
            QCOMPARE(id->text(), QString("1234"));
            id->clear();
            QApplication::clipboard()->setText("00-33 33-06 65");
            id->paste();
            QCOMPARE(id->text(), QString("0033330665"));
            // Ten digits: a further digit is refused wherever it would go, backspace still works.
            QTest::keyClick(id, Qt::Key_5);
            QTest::keyClick(id, Qt::Key_Home);
            QTest::keyClick(id, Qt::Key_5);
            QCOMPARE(id->text(), QString("0033330665"));
            QTest::keyClick(id, Qt::Key_End);
            QTest::keyClick(id, Qt::Key_Backspace);
            QCOMPARE(id->text(), QString("003333066"));
            id->clear();
            QApplication::clipboard()->setText("123456789012");
            id->paste();
            QCOMPARE(id->text(), QString("1234567890"));
            id->setText("98-76");
            QCOMPARE(id->text(), QString("9876"));

            id->setText("123456789");
            title->setText("Mu");
            QVERIFY(!canGoOn());
            QTest::keyClick(id, Qt::Key_0);
            QVERIFY(canGoOn());
            title->clear();
            QVERIFY(!canGoOn());
            QTest::keyClicks(title, "N");
            QVERIFY(canGoOn());
            QTest::keyClick(id, Qt::Key_Backspace);
            QVERIFY(!canGoOn());
        }));
    }

    void driveButtonsReadTheBootFile() {
        LoadedMain run(kIni);
        const QList<QPair<QString, QPair<QString, QByteArray>>> discs = {
            {"GOOD", {"SYSTEM.CNF", "BOOT = cdrom:\\SLUS_001.52;1\r\nTCB = 4\r\nEVENT = 10\r\n"}},
            {"lower", {"system.cnf", "VMODE = NTSC\r\n   boot=cdrom:\\slus_001.52;1\r\n"}},
            {"none", {"README.TXT", "nothing here"}},
            {"empty", {"SYSTEM.CNF", ""}},
            {"nosemi", {"SYSTEM.CNF", "BOOT = cdrom:\\SLUS_001.52\r\n"}},
            {"noslash", {"SYSTEM.CNF", "BOOT = cdrom:SLUS_001.52;1\r\n"}},
            {"unknown", {"SYSTEM.CNF", "BOOT = cdrom:\\ZZZZ_999.99;1\r\n"}},
            {"noboot", {"SYSTEM.CNF", "TCB = 4\r\nEVENT = 10\r\n"}}};
        for (const auto& [caption, file] : discs) {
            run.t.write("discs/" + caption + "/" + file.first, file.second);
            run.t.drives.drives.append({caption, run.t.path("discs/" + caption)});
        }
        QStringList captions, ids;
        QVERIFY(OnPage2(run, [&](QWidget* p) {
            const QList<QPushButton*> buttons = p->findChildren<QPushButton*>("driveBUTTON");
            for (QPushButton* button : buttons) {
                captions << button->text();
                Find<QLineEdit>(p, "idTEXT")->setText("12345");
                button->click();
                ids << Text(p, "idTEXT");
            }
            Find<QLineEdit>(p, "idTEXT")->clear();
            buttons.value(0)->setFocus();
            QTest::keyClick(buttons.value(0), Qt::Key_Return);  // Return is no click on a drive
            QCOMPARE(Text(p, "idTEXT"), QString());
        }));
        // One button per drive, in drive order, captioned by the drive.
        QCOMPARE(captions, (QStringList{"GOOD", "lower", "none", "empty", "nosemi", "noslash", "unknown", "noboot"}));
        // SLUS-00152 stands four times in the disc ID table: the first row wins. Every failure
        // leaves the box as it was.
        QCOMPARE(ids, (QStringList{"0033330665", "0033330665", "12345", "12345", "12345", "12345", "12345", "12345"}));
        const QList<Message>& shown = run.t.prompter.shown;
        QCOMPARE(shown.size(), 6);
        for (const Message& m : shown)
            QVERIFY(m.title == "tolva!" && m.icon == MsgIcon::Exclamation && m.buttons == MsgButtons::Ok);
        QVERIFY2(shown[0].text.contains("SYSTEM.CNF") && shown[0].text.contains("No such file"), qPrintable(shown[0].text));
        QVERIFY(shown[0].text.contains(run.t.path("discs/none")));
        QVERIFY(shown[1].text.contains("empty"));
        QVERIFY(shown[2].text.contains("BOOT line"));
        // Without "\" the code is built from the start of the line, which the table lacks.
        QCOMPARE(shown[3].text, QString("Tolva! wasn't able to find a DiscID for this cd.\r\nPlease get the ID using "
                                        "bleem! and mail it, together with the region code (BOOT-= CROM:SLUS_001.52), "
                                        "to us."));
        QVERIFY(shown[4].text.contains("region code (ZZZZ-99999)"));
        QVERIFY(shown[5].text.contains("no BOOT line"));
    }

    void aDiscIDInUseIsRefusedAndBackStoresNothing() {
        LoadedMain run(kIni);
        QVERIFY(Pages().forward(1, 1).on(2, [&](QWidget* p) {
            Fill(p, "Copy of beta", "0000000002");
            Click(p, "ForwardBUTTON");
            // The page stays with everything as typed, and nothing is stored.
            QVERIFY(p->isVisible());
            QCOMPARE(Text(p, "titleTEXT"), QString("Copy of beta"));
            QCOMPARE(Text(p, "idTEXT"), QString("0000000002"));
            QCOMPARE(run.state.wizard.EditID, std::string());
            Fill(p, "Nu", "1111111111");
            Click(p, "BackBUTTON");
        }).forward(1, 1).on(2, [](QWidget* p) {
            QCOMPARE(Text(p, "titleTEXT"), QString());
            QCOMPARE(Text(p, "idTEXT"), QString());
            Click(p, "AbortBUTTON");
        }).run(run));
        QCOMPARE(run.t.prompter.shown.size(), 1);
        const Message& m = run.t.prompter.shown[0];
        QCOMPARE(m.text, QString("This digit code is already used by another game\r\n\r\nbeta"));
        QVERIFY(m.title == "tolva!" && m.icon == MsgIcon::Critical && m.buttons == MsgButtons::Ok);
        QCOMPARE(run.file(), kIni);
    }

    void theInfoWindowDisablesThePageWhileItIsOpen() {
        LoadedMain run(kIni);
        QStringList seen;
        QVERIFY(OnPage2(run, [&](QWidget* p) {
            for (const bool frame : {false, true}) {
                QVERIFY(Walk().on("Info1FORM", [&, p, frame](QWidget* info) {
                    seen << info->windowTitle();
                    for (QLabel* label : info->findChildren<QLabel*>()) seen << label->text();
                    seen << QString::number(p->isEnabled());
                    frame ? (void)info->close() : Click(info, "OkBUTTON");
                }).run([p] { Click(p, "InfoBUTTON"); }));
                QVERIFY(p->isEnabled() && !TopLevel("Info1FORM"));
            }
        }));
        const QStringList once = {"A game is unplayable when :", "- the game doesn't even start",
                                  "- the game often crashes",    "- major graphic errors occur",
                                  "- the game runs really slow", "0"};
        QCOMPARE(seen, once + once);
    }
};

QTEST_MAIN(WizardTest)
#include "wizard_test.moc"
