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
        const auto items = main->findChild<QListWidget*>("GameLIST")->findItems(title, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        main->findChild<QListWidget*>("GameLIST")->setCurrentItem(items.first());
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
        QCOMPARE(m.findChild<QLabel*>("titleTEXT")->text(), QString("Ocean Odyssey"));
        QCOMPARE(m.findChild<QLabel*>("idTEXT")->text(), QString("0172831837"));
        QCOMPARE(m.findChild<QLabel*>("ProductCodeTEXT")->text(), QString("SLPS-00982"));
        QCOMPARE(m.findChild<QLabel*>("PublisherTEXT")->text(), QString("Wave Works"));
        QCOMPARE(m.findChild<QLabel*>("CountryTEXT")->text(), QString("J"));
        QCOMPARE(m.findChild<QLabel*>("DetailsTEXT")->text(), QString("Minor glitches in the menus"));
        QCOMPARE(run.picture(m.findChild<QLabel*>("StatusPICTURE")), QString("PART"));
        QVERIFY(!m.findChild<QLabel*>("StatusPICTURE")->pixmap().isNull());
        QVERIFY(m.findChild<QLabel*>("d3dPICTURE")->isVisible());
        QCOMPARE(run.picture(m.findChild<QLabel*>("d3dPICTURE")), QString("D3D"));
        QVERIFY(m.findChild<QCheckBox*>("Check1")->isChecked());
        QVERIFY(!m.findChild<QCheckBox*>("Check2")->isChecked() && !m.findChild<QCheckBox*>("Check3")->isChecked() && !m.findChild<QCheckBox*>("Check4")->isChecked());
        QCOMPARE(m.findChild<QLabel*>("OtherTEXT")->text(), QString("Some Video Sequences do not display"));
        QCOMPARE(m.findChild<QLabel*>("MemCardTEXT")->text(), QString("Game Saves can be loaded, but not saved"));
        QCOMPARE(m.findChild<QLabel*>("SoundTEXT")->text(), QString("No sound effects and/or music will be heard"));
        QCOMPARE(m.findChild<QLabel*>("GraphicsTEXT")->text(), QString("Some graphics may exhibit minor flaws"));
    }

    void titlePrefixJoinNeedsStatusAgreement() {
        Run run;
        run.select("Final Quest VII");  // works; its record says "Yes!" with an empty D3D field
        MainFORM& m = *run.main;
        QCOMPARE(m.findChild<QLabel*>("PublisherTEXT")->text(), QString("Big Square"));
        QCOMPARE(m.findChild<QLabel*>("ProductCodeTEXT")->text(), QString("SLUS-90010"));
        QCOMPARE(run.picture(m.findChild<QLabel*>("d3dPICTURE")), QString("NOD3D"));
        QCOMPARE(run.picture(m.findChild<QLabel*>("StatusPICTURE")), QString("YES"));
        QCOMPARE(m.findChild<QLabel*>("SoundTEXT")->text(), QString("Some sound effects and/or music may exhibit flaws (Minor choppiness)"));
        // A remark of the previous game never stays behind.
        QCOMPARE(m.findChild<QLabel*>("OtherTEXT")->text(), QString());
        QVERIFY(!m.findChild<QCheckBox*>("Check1")->isChecked());

        run.select("Final Fury");  // does not work; the only prefix record says "Yes!"
        QCOMPARE(m.findChild<QLabel*>("PublisherTEXT")->text(), QString());
        QCOMPARE(m.findChild<QLabel*>("ProductCodeTEXT")->text(), QString());
        QCOMPARE(run.picture(m.findChild<QLabel*>("StatusPICTURE")), QString("NO"));
        QVERIFY(m.findChild<QLabel*>("d3dPICTURE")->isVisible());
        QCOMPARE(run.picture(m.findChild<QLabel*>("d3dPICTURE")), QString("NOD3D"));
        QCOMPARE(m.findChild<QLabel*>("SoundTEXT")->text(), QString());
    }

    void unjoinedWorkingGameHasNoDirect3DPicture() {
        Run run;
        run.select("Zebra Zone");
        QVERIFY(!run.main->findChild<QLabel*>("d3dPICTURE")->isVisible());
        QCOMPARE(run.main->findChild<QLabel*>("PublisherTEXT")->text(), QString());
        QCOMPARE(run.picture(run.main->findChild<QLabel*>("StatusPICTURE")), QString("YES"));
    }

    void switchOffHidesCompatibilityData() {
        Run run("False");
        MainFORM& m = *run.main;
        for (const QString& title : {QString("Ocean Odyssey"), QString("Final Fury"), QString("Final Quest VII")}) {
            run.select(title);
            QCOMPARE(m.findChild<QLabel*>("ProductCodeTEXT")->text(), QString());
            QVERIFY(m.findChild<QLabel*>("ProductCodeTEXT")->isHidden());
            QVERIFY(!m.findChild<QLabel*>("d3dPICTURE")->isVisible());
            QVERIFY(m.findChild<QLabel*>("PublisherLABEL")->isHidden());
        }
        m.findChild<QAction*>("AcuMENU")->trigger();  // on again: the fields come back, the table stays empty until restart
        run.select("Final Fury");
        QVERIFY(!m.findChild<QLabel*>("PublisherLABEL")->isHidden());
        QCOMPARE(run.picture(m.findChild<QLabel*>("d3dPICTURE")), QString("NOD3D"));
    }

    void advancedGraphicsBoxes() {
        Run run;
        run.select("Fin");  // position 2 is "7": the software-mode pair
        QVERIFY(!run.main->findChild<QCheckBox*>("Check1")->isChecked());
        QVERIFY(!run.main->findChild<QCheckBox*>("Check2")->isChecked());
        QVERIFY(run.main->findChild<QCheckBox*>("Check3")->isChecked());
        QVERIFY(run.main->findChild<QCheckBox*>("Check4")->isChecked());
        QCOMPARE(run.main->findChild<QCheckBox*>("Check3")->text(), QString("Alternate Display Mode :\r\nSoftware Mode = On, D3D = Off"));
    }

    void searchSelectsColoursAndKeepsSelection() {
        Run run;
        MainFORM& m = *run.main;
        QTest::keyClicks(m.findChild<QLineEdit*>("SearchTEXT"), "fin");
        QCOMPARE(m.findChild<QLineEdit*>("SearchTEXT")->text(), QString("FIN"));
        QCOMPARE(m.findChild<QListWidget*>("GameLIST")->currentItem()->text(), QString("Fin"));  // "FIN " before "FINAL..."
        QCOMPARE(m.findChild<QLineEdit*>("SearchTEXT")->palette().color(QPalette::Text), QColor(0, 0, 255));
        QTest::keyClicks(m.findChild<QLineEdit*>("SearchTEXT"), "al q");
        QCOMPARE(m.findChild<QListWidget*>("GameLIST")->currentItem()->text(), QString("Final Quest VII"));
        QTest::keyClicks(m.findChild<QLineEdit*>("SearchTEXT"), "x");
        QCOMPARE(m.findChild<QLineEdit*>("SearchTEXT")->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(m.findChild<QListWidget*>("GameLIST")->currentItem()->text(), QString("Final Quest VII"));
        QTest::keyClick(m.findChild<QLineEdit*>("SearchTEXT"), Qt::Key_Escape);
        QCOMPARE(m.findChild<QLineEdit*>("SearchTEXT")->text(), QString());
        QCOMPARE(m.findChild<QListWidget*>("GameLIST")->currentRow(), 0);
        m.findChild<QLineEdit*>("SearchTEXT")->setText("F?NAL F");
        QCOMPARE(m.findChild<QListWidget*>("GameLIST")->currentItem()->text(), QString("Final Fury"));
        m.findChild<QLineEdit*>("SearchTEXT")->setText("*QUEST");
        QCOMPARE(m.findChild<QListWidget*>("GameLIST")->currentItem()->text(), QString("Final Quest VII"));
    }

    void typingInTheListMovesToTheSearchBox() {
        Run run;
        MainFORM& m = *run.main;
        m.findChild<QListWidget*>("GameLIST")->setFocus();
        QTest::keyClicks(m.findChild<QListWidget*>("GameLIST"), "z");
        QCOMPARE(m.focusWidget(), static_cast<QWidget*>(m.findChild<QLineEdit*>("SearchTEXT")));
        QTest::keyClicks(m.findChild<QLineEdit*>("SearchTEXT"), "e");
        QCOMPARE(m.findChild<QLineEdit*>("SearchTEXT")->text(), QString("ZE"));
        QCOMPARE(m.findChild<QListWidget*>("GameLIST")->currentItem()->text(), QString("Zebra Zone"));
        m.findChild<QListWidget*>("GameLIST")->setFocus();
        QTest::keyClick(m.findChild<QListWidget*>("GameLIST"), Qt::Key_Escape);
        QCOMPARE(m.findChild<QLineEdit*>("SearchTEXT")->text(), QString());
        QCOMPARE(m.findChild<QListWidget*>("GameLIST")->currentRow(), 0);
        QCOMPARE(m.focusWidget(), static_cast<QWidget*>(m.findChild<QListWidget*>("GameLIST")));
    }

    void moreInformationOpensTheGamePage() {
        Run run;
        run.select("Ocean Odyssey");
        run.main->findChild<QAction*>("GotoBleemMENU")->trigger();
        QCOMPARE(run.t.shell.opened, QStringList{"http://games.psxinfo.example/cgi-bin/detailed2.cgi?prodcode=SLPS-00982"});
        run.select("Final Quest VII");  // only the joined record knows its code
        run.main->findChild<QAction*>("GotoBleemMENU")->trigger();
        QCOMPARE(run.t.shell.opened.last(), QString("http://games.psxinfo.example/cgi-bin/detailed2.cgi?prodcode=SLUS-90010"));
        run.select("Zebra Zone");
        run.main->findChild<QAction*>("GotoBleemMENU")->trigger();
        QCOMPARE(run.t.shell.opened.size(), 2);
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QCOMPARE(run.t.prompter.shown[0].icon, MsgIcon::Information);
        QVERIFY(run.t.prompter.shown[0].text.startsWith("Tolva! needs the region code of this game"));
    }
};

QTEST_MAIN(DetailsTest)
#include "details_test.moc"
