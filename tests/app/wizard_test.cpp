// Whole runs of the Add/Edit wizard through its real pages on a real bleem!.INI: what the file
// gains, what the main window shows, how a run ends, and the disc identity page. The pages' rules
// (flags per page, the graphics pairs, the disc ID box) are proven in the core; here, that the
// pages follow them.
#include <QApplication>
#include <QClipboard>
#include <QPushButton>

#include "app/platform/access.h"
#include "app/platform/text.h"
#include "core/wizard/identity.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

// Sorted, the list reads Alpha (row 0), beta (row 1), Gamma (row 2); a disabled entry and the
// comment lines must survive every change.
const QByteArray kIni = "; tolva! test database\r\nVersion=2001-03-04\r\n\r\n" + Entry("0000000002", "beta", "80000000H") +
                        "\r\n;ID=0000000009\r\n;Title=Old\r\n;Flags=80000000H\r\n\r\n" +
                        Entry("0000000001", "Alpha", "40000000H") + "\r\n" + Entry("0000000003", "Gamma", "01011010H");

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
    /// Page 1 as it comes, then page 2 filled with a new game.
    Pages& add(const QString& title, const QString& id) {
        forward(1, 1);
        return on(2, [title, id](QWidget* p) {
            Fill(p, title, id);
            Click(p, "ForwardBUTTON");
        });
    }
    /// Page 1 changing the selected game.
    Pages& change() { return click(1, {"editOPTION", "ForwardBUTTON"}); }
    bool run(const LoadedMain& run) { return Walk::run(run, "NewMENU"); }

    static void Fill(QWidget* page2, const QString& title, const QString& id) {
        Find<QLineEdit>(page2, "titleTEXT")->setText(title);
        Find<QLineEdit>(page2, "idTEXT")->setText(id);
    }
};

QList<bool> Boxes(QWidget* page7) {
    return {Checked(page7, "Check1"), Checked(page7, "Check2"), Checked(page7, "Check3"), Checked(page7, "Check4")};
}

/// The run ended: the main window takes input again, captioned as ever, and no page is open.
bool Ended(const LoadedMain& run) {
    for (int n = 1; n <= 8; ++n)
        if (TopLevel(Page(n))) return false;
    return run.main->isEnabled() && run.main->windowTitle() == "tolva!";
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
        Pages walk;
        for (int page = 1; page <= 8; ++page)
            walk.on(page, [&, page](QWidget* p) {
                captions << p->windowTitle() + " | " + run.main->windowTitle();
                if (page == 1) QVERIFY(Checked(p, "newOPTION") && !Find(p, "BackBUTTON")->isEnabled());
                if (page == 2) {
                    QVERIFY(!Find(p, "ForwardBUTTON")->isEnabled() && Checked(p, "runningCHECK"));
                    Pages::Fill(p, "Delta Force", "1234567890");
                }
                if (page == 4) {
                    QVERIFY(Checked(p, "Option4"));
                    QCOMPARE(Text(p, "Option1"), QString("Minor Sound Problems"));
                    Click(p, "Option1");
                }
                if (page == 8) {
                    QCOMPARE(Text(p, "ForwardBUTTON"), QString("Finish"));
                    QVERIFY(Find(p, "LoadLABEL")->isHidden() && !Checked(p, "Check1"));
                }
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
        QVERIFY(Ended(run));
        QVERIFY(run.t.prompter.shown.isEmpty());
    }

    void aGameThatDoesNotWorkSkipsTheRemarkPages() {
        LoadedMain run(kIni);
        run.t.prompter.answers << MsgAnswer::No;  // then Yes
        Pages walk;
        walk.forward(1, 1);
        walk.on(2, [&](QWidget* p) {
            Pages::Fill(p, "Epsilon", "5555555555");
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
        QVERIFY(walk.forward(8, 8).run(run));
        QCOMPARE(run.file(), kIni + "\r\nID=5555555555\r\nTitle=Epsilon\r\nFlags=40000000H\r\n");
        const Message asked{"tolva!", "Are you sure this game isn't working with bleem! ?", MsgIcon::Question, MsgButtons::YesNo};
        QCOMPARE(run.t.prompter.shown, QList<Message>(3, asked));  // on each Next from page 2
        QCOMPARE(run.selected(), QString("Epsilon"));
        QCOMPARE(Text(run.main.get(), "NoTEXT").left(2), QString("2 "));
    }

    // Each page shows its part of Gamma's 01011010H; the run rewrites only Gamma's lines.
    void changingAnEntryShowsItsFlagsAndRewritesOnlyItsLines() {
        LoadedMain run(kIni);
        run.list()->setCurrentRow(2);
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
        const struct {
            int page;
            const char *shown, *then;
        } remarks[] = {{3, "Option1", "Option3"}, {4, "Option3", "Option7"}, {5, "Option4", nullptr}, {6, "Option4", nullptr}};
        for (const auto& r : remarks)
            walk.on(r.page, [r](QWidget* p) {
                QVERIFY2(Checked(p, r.shown), r.shown);
                if (r.then) Click(p, r.then);
                Click(p, "ForwardBUTTON");
            });
        walk.on(7, [](QWidget* p) {
            QCOMPARE(Boxes(p), (QList<bool>{true, false, false, false}));
            Click(p, "ForwardBUTTON");
        });
        QVERIFY(walk.forward(8, 8).run(run));
        QByteArray expected = kIni;
        QCOMPARE(run.file(), expected.replace("Flags=01011010H", "Flags=01016000H"));
        QVERIFY(run.t.prompter.shown.isEmpty());
        QCOMPARE(run.selected(), QString("Gamma"));
        // The wizard's state outlives the run: the next run offers changing again, but only with a
        // game selected.
        QVERIFY(Pages().on(1, [](QWidget* p) {
            QVERIFY(Checked(p, "editOPTION"));
            Click(p, "AbortBUTTON");
        }).run(run));
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
            QVERIFY(Pages().add("Iota", "7777777777").click(3, {"Option2", "ForwardBUTTON"}).on(4, [frame](QWidget* p) {
                Leave(p, frame);
            }).run(run));
            QCOMPARE(run.file(), kIni);
            QCOMPARE(run.list()->currentRow(), 1);
            QVERIFY(Ended(run) && !run.state.wizard.WizardActive);
            // Nothing is reset: the state keeps what the pages stored.
            QCOMPARE(run.state.wizard.EditTitle, std::string("Iota"));
            QCOMPARE(run.state.wizard.EditFlags, std::string("80000020H"));
        }
    }

    // A ticked box clears its pair's other one; the boxes are stored on Forward and on Back.
    void advancedGraphicsPairsExcludeEachOther() {
        LoadedMain run(kIni);
        QStringList stored;
        Pages walk;
        walk.add("Lambda", "9999999999").forward(3, 6);
        walk.on(7, [](QWidget* p) {
            QCOMPARE(Boxes(p), QList<bool>(4, false));
            QCOMPARE(Text(p, "Check2"), QString("\"Enable Frame Skip\" off"));
            // Each box ticked clears the other pair and keeps its own partner; one cleared changes nothing else.
            const QList<std::pair<int, QString>> clicks = {{3, "0010"}, {4, "0011"}, {1, "1000"}, {2, "1100"},
                                                           {4, "0001"}, {3, "0011"}, {2, "0100"}, {2, "0000"},
                                                           {3, "0010"}};
            for (const auto& [box, expected] : clicks) {
                Click(p, "Check" + QString::number(box));
                QString shown;
                for (bool on : Boxes(p)) shown += on ? '1' : '0';
                QCOMPARE(shown, expected);
            }
            Click(p, "ForwardBUTTON");
        });
        walk.on(8, [&](QWidget* p) {
            stored << QString::fromStdString(run.state.wizard.EditFlags);
            Click(p, "BackBUTTON");
        });
        walk.click(7, {"Check4", "BackBUTTON"});
        walk.on(6, [&](QWidget* p) {
            stored << QString::fromStdString(run.state.wizard.EditFlags);
            Click(p, "AbortBUTTON");
        });
        QVERIFY(walk.run(run));
        QCOMPARE(stored, (QStringList{"85000000H", "87000000H"}));
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

    // Gamma is gone from the file when Finish writes: the common error, with the load label shown
    // and the page's buttons off meanwhile; Cancel in it ends the program.
    void aFailedWriteIsReportedWithTheLoadLabelShown() {
        for (const MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Cancel}) {
            LoadedMain run(kIni);
            run.list()->setCurrentRow(2);
            run.t.prompter.answers << answer;
            QByteArray withoutGamma = kIni;
            withoutGamma.replace(Entry("0000000003", "Gamma", "01011010H"), "");
            bool shownBusy = false;
            QPoint optionAt;  // the page's controls keep their places while "Loading ..." shows
            run.t.prompter.onShow = [&](const Message&) {
                QWidget* p = TopLevel(Page(8));
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                shownBusy = p && Find(p, "LoadLABEL")->isVisible() && !Find(p, "ForwardBUTTON")->isEnabled() &&
                            !Find(p, "AbortBUTTON")->isEnabled() && Find(p, "Check1")->pos() == optionAt;
            };
            QVERIFY(Pages().change().forward(2, 7).on(8, [&](QWidget* p) {
                optionAt = Find(p, "Check1")->pos();
                run.writeFile(withoutGamma);  // someone else changed the file meanwhile
                Click(p, "ForwardBUTTON");
            }).run(run));
            QCOMPARE(run.file(), withoutGamma);
            QVERIFY(run.t.prompter.shown.size() == 1 && run.t.prompter.shown[0].title == "tolva! Critical Error");
            QVERIFY(run.t.prompter.shown[0].text.contains("Modul : GLOBAL.WriteINI"));
            QVERIFY(shownBusy);
            QCOMPARE(run.t.terminator.ended(), answer == MsgAnswer::Cancel);
            if (answer == MsgAnswer::Ok) QVERIFY(run.list()->count() == 2 && Ended(run));
        }
    }

    void finishWithCleanUpWaitsForTheCleanUpWindow() {
        LoadedMain run(kIni);
        Pages walk;
        walk.add("Aardvark", "1212121212").forward(3, 7).click(8, {"Check1", "ForwardBUTTON"});
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
        QVERIFY(Ended(run));
    }

    // --- The disc identity page -----------------------------------------------------------------

    // The boxes' rules are the core's and the code page's; here, that keys and pastes reach them.
    void theBoxesFilterWhatIsTypedAndNextNeedsBoth() {
        LoadedMain run(kIni);
        QVERIFY(OnPage2(run, [](QWidget* p) {
            auto* id = Find<QLineEdit>(p, "idTEXT");
            auto* title = Find<QLineEdit>(p, "titleTEXT");
            QVERIFY(p->findChildren<QPushButton*>("driveBUTTON").isEmpty());  // no drive, no button
            QTest::keyClicks(id, "12ab34");
            QCOMPARE(id->text(), QString("1234"));
            id->clear();
            QApplication::clipboard()->setText("00-33 33-06 65");
            id->paste();
            QCOMPARE(id->text(), QString("0033330665"));
            // A full box takes no further digit, not even over a selection; Backspace still works.
            QTest::keyClick(id, Qt::Key_5);
            id->selectAll();
            QTest::keyClick(id, Qt::Key_5);
            QCOMPARE(id->text(), QString("0033330665"));
            QTest::keyClick(id, Qt::Key_Backspace);
            QCOMPARE(id->text(), QString());
            id->paste();
            QVERIFY(!Find(p, "ForwardBUTTON")->isEnabled());
            title->insert(QString::fromUtf8("Greek \u03a9mega \u65e5\u00e9"));  // pasted
            QTest::sendKeyEvent(QTest::Click, title, Qt::Key_unknown, QString::fromUtf8("\u0394"), Qt::NoModifier);
            QCOMPARE(title->text(), QString::fromUtf8("Greek mega \u00e9"));
            QVERIFY(Find(p, "ForwardBUTTON")->isEnabled());
        }));
        QCOMPARE(run.t.prompter.shown,
                 Said({{"tolva!", OutsideCp1252Text(QString::fromUtf8("\u03a9\u65e5")), MsgIcon::Exclamation},
                       {"tolva!", OutsideCp1252Text(QString::fromUtf8("\u0394")), MsgIcon::Exclamation}}));
    }

    // One button per drive, captioned by it, reads SYSTEM.CNF in its root; a failure says why
    // and leaves the box as it was (a disc not in the table: as an image does, in discimage_test).
    void driveButtonsReadTheBootFile() {
        LoadedMain run(kIni);
        const QList<QPair<QString, QByteArray>> discs = {{"GOOD", "BOOT = cdrom:\\SLUS_001.52;1\r\n"}, {"none", {}}};
        for (const auto& [caption, boot] : discs) {
            run.t.write("discs/" + caption + (boot.isNull() ? "/README.TXT" : "/SYSTEM.CNF"), boot);
            run.t.drives.drives.append({caption, run.t.path("discs/" + caption)});
        }
        QStringList captions, ids;
        QVERIFY(OnPage2(run, [&](QWidget* p) {
            const QList<QPushButton*> buttons = p->findChildren<QPushButton*>("driveBUTTON");
            for (QPushButton* button : buttons) {
                captions << WithoutAccessKey(button->text());
                Find<QLineEdit>(p, "idTEXT")->setText("12345");
                button->click();
                ids << Text(p, "idTEXT");
            }
            Find<QLineEdit>(p, "idTEXT")->clear();
            buttons.value(0)->setFocus();
            QTest::keyClick(buttons.value(0), Qt::Key_Return);  // Return is no click on a drive
            QCOMPARE(Text(p, "idTEXT"), QString());
        }));
        QCOMPARE(captions, (QStringList{"GOOD", "none"}));
        QCOMPARE(ids, (QStringList{"0033330665", "12345"}));  // SLUS-00152's first row
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QVERIFY(run.t.prompter.shown[0].text.contains(QDir(run.t.path("discs/none")).filePath("SYSTEM.CNF")));
        QCOMPARE(run.t.prompter.shown[0].icon, MsgIcon::Exclamation);
    }

    // The first game of the table counts as well.
    void aDiscIDInUseIsRefusedAndBackStoresNothing() {
        LoadedMain run(kIni);
        QVERIFY(Pages().forward(1, 1).on(2, [&](QWidget* p) {
            Pages::Fill(p, "Copy of Alpha", "0000000001");
            Click(p, "ForwardBUTTON");
            // The page stays with everything as typed, and nothing is stored.
            QVERIFY(p->isVisible());
            QCOMPARE(Text(p, "titleTEXT"), QString("Copy of Alpha"));
            QCOMPARE(Text(p, "idTEXT"), QString("0000000001"));
            QCOMPARE(run.state.wizard.EditID, std::string());
            Pages::Fill(p, "Nu", "1111111111");
            Click(p, "BackBUTTON");
        }).forward(1, 1).on(2, [](QWidget* p) {
            QCOMPARE(Text(p, "titleTEXT"), QString());
            QCOMPARE(Text(p, "idTEXT"), QString());
            Click(p, "AbortBUTTON");
        }).run(run));
        QCOMPARE(run.t.prompter.shown,
                 Said({{"tolva!", QString::fromLatin1(DuplicateDiscIDText("Alpha")), MsgIcon::Critical}}));
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
