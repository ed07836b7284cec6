// The list, the search box and the details view of the real main window.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "app/mainwindow/mainform.h"
#include "core/state.h"
#include "support/fakeplatform.h"

using namespace tolva;
using namespace tolva::test;

namespace {

// Disc ID 0172831837 stands in the disc ID table with SLPS-00982.
const QByteArray kIni = "Version=3\r\n" + Entry("0172831837", "Ocean Odyssey", "01211010H") +
                        Entry("1111111111", "Final Quest VII", "80005000H") +
                        Entry("2222222222", "Final Fury", "40000000H") +
                        Entry("3333333333", "Zebra Zone", "80000000H") +
                        Entry("4444444444", "Fin", "07000000H");
const QByteArray kTxt =
    "Header|Title|Publisher|Product Code|Region|x|Status|D3D|Details|\r\n"
    "|Deep Sea Trip (JP)|Wave Works|SLPS-00982|J|x|Partially|yes|Minor glitches in the menus|\r\n"
    "|FINAL QUEST VII|Big Square|SLUS-90010|U/C|x|Yes!||Runs fine|\r\n"
    "|Final Fury Special|Fury Inc|SLUS-90011|PAL|x|Yes!|yes|wrong status, never joined|\r\n";

struct Run {
    TestPlatform t;
    ProgramState state;
    std::unique_ptr<MainFORM> main;

    explicit Run(const QString& txtUpdate = QString()) {
        t.write("program/bleem!.INI", kIni);
        t.write("program/Compatibility.TXT", kTxt);
        if (!txtUpdate.isEmpty()) t.settings.values["TxtUpdate"] = txtUpdate;
        main = std::make_unique<MainFORM>(state, t.platform);
        if (!main->Form_Load()) qFatal("start-up failed");
        main->show();
    }
    void select(const QString& title) {
        const auto items = main->GameLIST->findItems(title, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        main->GameLIST->setCurrentItem(items.first());
    }
    QString picture(QLabel* label) const { return label->property("picture").toString(); }
};

}  // namespace

class DetailsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void joinedByProductCodeShowsEverything() {
        Run run;
        run.select("Ocean Odyssey");
        MainFORM& m = *run.main;
        QCOMPARE(m.titleTEXT->text(), QString("Ocean Odyssey"));
        QCOMPARE(m.idTEXT->text(), QString("0172831837"));
        QCOMPARE(m.ProductCodeTEXT->text(), QString("SLPS-00982"));
        QCOMPARE(m.PublisherTEXT->text(), QString("Wave Works"));
        QCOMPARE(m.CountryTEXT->text(), QString("J"));
        QCOMPARE(m.DetailsTEXT->text(), QString("Minor glitches in the menus"));
        QCOMPARE(run.picture(m.StatusPICTURE), QString("PART"));
        QVERIFY(!m.StatusPICTURE->pixmap().isNull());
        QVERIFY(m.d3dPICTURE->isVisible());
        QCOMPARE(run.picture(m.d3dPICTURE), QString("D3D"));
        QVERIFY(m.Check1->isChecked());
        QVERIFY(!m.Check2->isChecked() && !m.Check3->isChecked() && !m.Check4->isChecked());
        QCOMPARE(m.OtherTEXT->text(), QString("Some Video Sequences do not display"));
        QCOMPARE(m.MemCardTEXT->text(), QString("Game Saves can be loaded, but not saved"));
        QCOMPARE(m.SoundTEXT->text(), QString("No sound effects and/or music will be heard"));
        QCOMPARE(m.GraphicsTEXT->text(), QString("Some graphics may exhibit minor flaws"));
    }

    void titlePrefixJoinNeedsStatusAgreement() {
        Run run;
        run.select("Final Quest VII");  // works; its record says "Yes!" with an empty D3D field
        MainFORM& m = *run.main;
        QCOMPARE(m.PublisherTEXT->text(), QString("Big Square"));
        QCOMPARE(m.ProductCodeTEXT->text(), QString("SLUS-90010"));
        QCOMPARE(run.picture(m.d3dPICTURE), QString("NOD3D"));
        QCOMPARE(run.picture(m.StatusPICTURE), QString("YES"));
        QCOMPARE(m.SoundTEXT->text(), QString("Some sound effects and/or music may exhibit flaws (Minor choppiness)"));
        // A remark of the previous game never stays behind.
        QCOMPARE(m.OtherTEXT->text(), QString());
        QVERIFY(!m.Check1->isChecked());

        run.select("Final Fury");  // does not work; the only prefix record says "Yes!"
        QCOMPARE(m.PublisherTEXT->text(), QString());
        QCOMPARE(m.ProductCodeTEXT->text(), QString());
        QCOMPARE(run.picture(m.StatusPICTURE), QString("NO"));
        QVERIFY(m.d3dPICTURE->isVisible());
        QCOMPARE(run.picture(m.d3dPICTURE), QString("NOD3D"));
        QCOMPARE(m.SoundTEXT->text(), QString());
    }

    void unjoinedWorkingGameHasNoDirect3DPicture() {
        Run run;
        run.select("Zebra Zone");
        QVERIFY(!run.main->d3dPICTURE->isVisible());
        QCOMPARE(run.main->PublisherTEXT->text(), QString());
        QCOMPARE(run.picture(run.main->StatusPICTURE), QString("YES"));
    }

    void switchOffHidesCompatibilityData() {
        Run run("False");
        MainFORM& m = *run.main;
        for (const QString& title : {QString("Ocean Odyssey"), QString("Final Fury"), QString("Final Quest VII")}) {
            run.select(title);
            QCOMPARE(m.ProductCodeTEXT->text(), QString());
            QVERIFY(m.ProductCodeTEXT->isHidden());
            QVERIFY(!m.d3dPICTURE->isVisible());
            QVERIFY(m.PublisherLABEL->isHidden());
        }
        m.AcuMENU->trigger();  // on again: the fields come back, the table stays empty until restart
        run.select("Final Fury");
        QVERIFY(!m.PublisherLABEL->isHidden());
        QCOMPARE(run.picture(m.d3dPICTURE), QString("NOD3D"));
    }

    void advancedGraphicsBoxes() {
        Run run;
        run.select("Fin");  // position 2 is "7": the software-mode pair
        QVERIFY(!run.main->Check1->isChecked());
        QVERIFY(!run.main->Check2->isChecked());
        QVERIFY(run.main->Check3->isChecked());
        QVERIFY(run.main->Check4->isChecked());
        QCOMPARE(run.main->Check3->text(), QString("Alternate Display Mode :\r\nSoftware Mode = On, D3D = Off"));
    }

    void searchSelectsColoursAndKeepsSelection() {
        Run run;
        MainFORM& m = *run.main;
        QTest::keyClicks(m.SearchTEXT, "fin");
        QCOMPARE(m.SearchTEXT->text(), QString("FIN"));
        QCOMPARE(m.GameLIST->currentItem()->text(), QString("Fin"));  // "FIN " before "FINAL..."
        QCOMPARE(m.SearchTEXT->palette().color(QPalette::Text), QColor(0, 0, 255));
        QTest::keyClicks(m.SearchTEXT, "al q");
        QCOMPARE(m.GameLIST->currentItem()->text(), QString("Final Quest VII"));
        QTest::keyClicks(m.SearchTEXT, "x");
        QCOMPARE(m.SearchTEXT->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(m.GameLIST->currentItem()->text(), QString("Final Quest VII"));
        QTest::keyClick(m.SearchTEXT, Qt::Key_Escape);
        QCOMPARE(m.SearchTEXT->text(), QString());
        QCOMPARE(m.GameLIST->currentRow(), 0);
        m.SearchTEXT->setText("F?NAL F");
        QCOMPARE(m.GameLIST->currentItem()->text(), QString("Final Fury"));
        m.SearchTEXT->setText("*QUEST");
        QCOMPARE(m.GameLIST->currentItem()->text(), QString("Final Quest VII"));
    }

    void typingInTheListMovesToTheSearchBox() {
        Run run;
        MainFORM& m = *run.main;
        m.GameLIST->setFocus();
        QTest::keyClicks(m.GameLIST, "z");
        QCOMPARE(m.focusWidget(), static_cast<QWidget*>(m.SearchTEXT));
        QTest::keyClicks(m.SearchTEXT, "e");
        QCOMPARE(m.SearchTEXT->text(), QString("ZE"));
        QCOMPARE(m.GameLIST->currentItem()->text(), QString("Zebra Zone"));
        m.GameLIST->setFocus();
        QTest::keyClick(m.GameLIST, Qt::Key_Escape);
        QCOMPARE(m.SearchTEXT->text(), QString());
        QCOMPARE(m.GameLIST->currentRow(), 0);
        QCOMPARE(m.focusWidget(), static_cast<QWidget*>(m.GameLIST));
    }

    void moreInformationOpensTheGamePage() {
        Run run;
        run.select("Ocean Odyssey");
        run.main->GotoBleemMENU->trigger();
        QCOMPARE(run.t.shell.opened, QStringList{"http://games.psxinfo.example/cgi-bin/detailed2.cgi?prodcode=SLPS-00982"});
        run.select("Final Quest VII");  // only the joined record knows its code
        run.main->GotoBleemMENU->trigger();
        QCOMPARE(run.t.shell.opened.last(), QString("http://games.psxinfo.example/cgi-bin/detailed2.cgi?prodcode=SLUS-90010"));
        run.select("Zebra Zone");
        run.main->GotoBleemMENU->trigger();
        QCOMPARE(run.t.shell.opened.size(), 2);
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].icon, MsgIcon::Information);
        QVERIFY(run.t.prompter.shown[0].text.startsWith("Tolva! needs the region code of this game"));
    }
};

QTEST_MAIN(DetailsTest)
#include "details_test.moc"
