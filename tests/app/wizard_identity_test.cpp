// The wizard's disc identity page: the disc ID box, the drive buttons reading SYSTEM.CNF from
// game CDs (temporary folders standing in for mounted discs), the Info window and the refusal of
// a disc ID that another game uses.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/wizardwalk.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kIni = "Version=2001-03-04\r\n\r\n" + Entry("0000000002", "beta", "80000000H") + "\r\n" +
                        Entry("0000000001", "Alpha", "40000000H");

struct Run : LoadedMain {
    Run() : LoadedMain(kIni) {}
    /// A folder standing for a mounted game CD, holding these files.
    void disc(const QString& caption, const QList<QPair<QString, QByteArray>>& files) {
        const QString root = t.path("discs/" + caption);
        QDir().mkpath(root);
        for (const auto& [name, bytes] : files) t.write("discs/" + caption + "/" + name, bytes);
        t.drives.drives.append({caption, root});
    }
};

QLineEdit* IdText(QWidget* page) { return Find<QLineEdit>(page, "idTEXT"); }
bool CanGoOn(QWidget* page) { return Find<QPushButton>(page, "ForwardBUTTON")->isEnabled(); }

// Runs `act` on page 2 of an adding run, then aborts the run.
void OnPage2(Run& run, const std::function<void(QWidget*)>& act) {
    WizardWalk walk(run.state);
    walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
    walk.on(2, [&](QWidget* p) {
        act(p);
        if (p->isVisible()) Click(p, "AbortBUTTON");
    });
    QVERIFY(walk.run(*run.main));
}

}  // namespace

class WizardIdentityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theDiscIDBoxTakesDigitsOnly() {
        Run run;
        OnPage2(run, [](QWidget* p) {
            QLineEdit* id = IdText(p);
            QTest::keyClicks(id, "12ab34");
            QCOMPARE(id->text(), QString("1234"));

            id->clear();
            QApplication::clipboard()->setText("00-33 33-06 65");
            id->paste();
            QCOMPARE(id->text(), QString("0033330665"));

            // Ten digits: a further digit is refused wherever it would go, backspace still works.
            QTest::keyClick(id, Qt::Key_5);
            QCOMPARE(id->text(), QString("0033330665"));
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
        });
    }

    void nextNeedsTenDigitsAndATitle() {
        Run run;
        OnPage2(run, [](QWidget* p) {
            QLineEdit* id = IdText(p);
            QLineEdit* title = Find<QLineEdit>(p, "titleTEXT");
            QVERIFY(!CanGoOn(p));
            id->setText("123456789");
            title->setText("Mu");
            QVERIFY(!CanGoOn(p));
            QTest::keyClick(id, Qt::Key_0);
            QVERIFY(CanGoOn(p));
            title->clear();
            QVERIFY(!CanGoOn(p));
            QTest::keyClicks(title, "N");
            QVERIFY(CanGoOn(p));
            QTest::keyClick(id, Qt::Key_Backspace);
            QVERIFY(!CanGoOn(p));
        });
    }

    void driveButtonsReadTheBootFile() {
        Run run;
        const QByteArray good = "BOOT = cdrom:\\SLUS_001.52;1\r\nTCB = 4\r\nEVENT = 10\r\n";
        run.disc("GOOD", {{"SYSTEM.CNF", good}});
        run.disc("lower", {{"system.cnf", "VMODE = NTSC\r\n   boot=cdrom:\\slus_001.52;1\r\n"}});
        run.disc("none", {{"README.TXT", "nothing here"}});
        run.disc("empty", {{"SYSTEM.CNF", ""}});
        run.disc("nosemi", {{"SYSTEM.CNF", "BOOT = cdrom:\\SLUS_001.52\r\n"}});
        run.disc("noslash", {{"SYSTEM.CNF", "BOOT = cdrom:SLUS_001.52;1\r\n"}});
        run.disc("unknown", {{"SYSTEM.CNF", "BOOT = cdrom:\\ZZZZ_999.99;1\r\n"}});
        run.disc("noboot", {{"SYSTEM.CNF", "TCB = 4\r\nEVENT = 10\r\n"}});

        QStringList captions;
        QStringList ids;
        OnPage2(run, [&](QWidget* p) {
            const QList<QPushButton*> buttons = p->findChildren<QPushButton*>("driveBUTTON");
            for (QPushButton* button : buttons) captions << button->text();
            for (QPushButton* button : buttons) {
                IdText(p)->setText("12345");
                button->click();
                ids << IdText(p)->text();
            }
        });

        // One button per drive, in drive order, captioned by the drive.
        QCOMPARE(captions, (QStringList{"GOOD", "lower", "none", "empty", "nosemi", "noslash", "unknown", "noboot"}));
        // SLUS-00152 stands four times in the disc ID table: the first row wins. Every failure
        // leaves the box as it was.
        QCOMPARE(ids, (QStringList{"0033330665", "0033330665", "12345", "12345", "12345", "12345", "12345", "12345"}));

        const QList<Message>& shown = run.t.prompter.shown;
        QCOMPARE(shown.size(), 6);
        for (const Message& m : shown) {
            QCOMPARE(m.title, QString("tolva!"));
            QCOMPARE(m.icon, MsgIcon::Exclamation);
            QCOMPARE(m.buttons, MsgButtons::Ok);
        }
        QVERIFY2(shown[0].text.contains("SYSTEM.CNF") && shown[0].text.contains("No such file"), qPrintable(shown[0].text));
        QVERIFY2(shown[0].text.contains(run.t.path("discs/none")), qPrintable(shown[0].text));
        QVERIFY2(shown[1].text.contains("empty"), qPrintable(shown[1].text));
        QVERIFY2(shown[2].text.contains("BOOT line"), qPrintable(shown[2].text));
        // Without "\" the code is built from the start of the line, which the table lacks.
        QCOMPARE(shown[3].text, QString("Tolva! wasn't able to find a DiscID for this cd.\r\nPlease get the ID using "
                                        "bleem! and mail it, together with the region code (BOOT-= CROM:SLUS_001.52), "
                                        "to us."));
        QVERIFY(shown[4].text.contains("region code (ZZZZ-99999)"));
        QVERIFY2(shown[5].text.contains("no BOOT line"), qPrintable(shown[5].text));
    }

    void withoutADriveThereIsNoDriveButton() {
        Run run;
        OnPage2(run, [](QWidget* p) { QVERIFY(p->findChildren<QPushButton*>("driveBUTTON").isEmpty()); });
    }

    void aDiscIDInUseIsRefusedWhenAdding() {
        Run run;
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        walk.on(2, [&](QWidget* p) {
            Find<QLineEdit>(p, "titleTEXT")->setText("Copy of beta");
            IdText(p)->setText("0000000002");
            Click(p, "ForwardBUTTON");
            // The page stays with everything as typed, and nothing is stored.
            QCOMPARE(run.state.wizard.ActivePage, 2);
            QVERIFY(p->isVisible());
            QCOMPARE(Find<QLineEdit>(p, "titleTEXT")->text(), QString("Copy of beta"));
            QCOMPARE(IdText(p)->text(), QString("0000000002"));
            QCOMPARE(run.state.wizard.EditTitle, std::string());
            QCOMPARE(run.state.wizard.EditID, std::string());
            Click(p, "AbortBUTTON");
        });
        QVERIFY(walk.run(*run.main));
        QCOMPARE(run.t.prompter.shown.size(), 1);
        const Message& m = run.t.prompter.shown[0];
        QCOMPARE(m.text, QString("This digit code is already used by another game\r\n\r\nbeta"));
        QCOMPARE(m.title, QString("tolva!"));
        QCOMPARE(m.icon, MsgIcon::Critical);
        QCOMPARE(m.buttons, MsgButtons::Ok);
        QCOMPARE(run.file(), kIni);
    }

    void backFromPage2StoresNothing() {
        Run run;
        WizardWalk walk(run.state);
        walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        walk.on(2, [](QWidget* p) {
            Find<QLineEdit>(p, "titleTEXT")->setText("Nu");
            IdText(p)->setText("1111111111");
            Click(p, "BackBUTTON");
        });
        walk.on(1, [](QWidget* p) { Click(p, "ForwardBUTTON"); });
        walk.on(2, [](QWidget* p) {
            QCOMPARE(Find<QLineEdit>(p, "titleTEXT")->text(), QString());
            QCOMPARE(IdText(p)->text(), QString());
            Click(p, "AbortBUTTON");
        });
        QVERIFY(walk.run(*run.main));
    }

    void theInfoWindowDisablesThePageWhileItIsOpen() {
        Run run;
        QStringList seen;
        OnPage2(run, [&](QWidget* p) {
            for (const bool throughFrame : {false, true}) {
                WhenShown("Info1FORM", [&, p, throughFrame](QWidget* info) {
                    seen << info->windowTitle();
                    for (QLabel* label : info->findChildren<QLabel*>()) seen << label->text();
                    seen << QString::number(p->isEnabled());
                    if (throughFrame) {
                        info->close();
                    } else {
                        Click(info, "OkBUTTON");
                    }
                });
                Click(p, "InfoBUTTON");
                QVERIFY(p->isEnabled());
                QVERIFY(!TopLevel("Info1FORM"));
            }
        });
        const QStringList once = {"A game is unplayable when :", "- the game doesn't even start",
                                  "- the game often crashes",    "- major graphic errors occur",
                                  "- the game runs really slow", "0"};
        QCOMPARE(seen, once + once);
    }
};

QTEST_MAIN(WizardIdentityTest)
#include "wizard_identity_test.moc"
