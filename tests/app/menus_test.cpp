// The main window's menu bar, the Help menu's web links, the splash window and "About...".
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <vector>

#include "app/mainwindow/mainform.h"
#include "app/mainwindow/splashform.h"
#include "app/platform/qtseams.h"
#include "app/platform/resources.h"
#include "core/endpoints.h"
#include "core/state.h"
#include "support/fakeplatform.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kIni = "Version=1\r\n\r\n" + Entry("0000000002", "Beta", "80000000H") + "\r\n" +
                        Entry("0000000001", "Alpha", "40000000H");

struct Run {
    TestPlatform t;
    ProgramState state;
    std::unique_ptr<MainFORM> main;

    explicit Run(bool load = true) {
        t.write("program/bleem!.INI", kIni);
        t.write("program/Compatibility.TXT", "Header|Title|\r\n");
        main = std::make_unique<MainFORM>(state, t.platform);
        if (load && !main->Form_Load()) qFatal("start-up failed");
    }
};

struct Item {
    const char* name;
    const char* caption;  // "-" for a separator
    bool enabled = true;
    bool checked = false;
};

struct Menu {
    const char* name;
    const char* caption;
    std::vector<Item> items;
};

const std::vector<Menu> kMenus = {
    {"FileMENU",
     "File",
     {{"NewMENU", "Add/Edit Item"}, {"RemoveMENU", "Remove Item"}, {"SEPARATOR1", "-"}, {"ExitMENU", "Exit"}}},
    {"FormatMENU",
     "Tools",
     {{"CleanUpMENU", "Clean Up"},
      {"RepairMENU", "Repair", false},
      {"CompareMENU", "Compare", false},
      {"SEPARATOR2", "-"},
      {"UpdateMENU", "Online Update (based on MSWINSCK)"},
      {"Update2MENU", "Online Update (based on MSINET)"},
      {"MailMENU", "Mail to Tolva!"},
      {"SEPERATOR4", "-"},
      {"GotoBleemMENU", "More information about the selected game"}}},
    {"SettingsMENU",
     "Settings",
     {{"OtherIniMENU", "Select another bleem!.ini file."},
      {"OtherTxtMENU", "Select another Compatibility.txt file."},
      {"SEPARATOR6", "-"},
      {"AcuMENU", "Automatic Compatibility Reload (Switch off for better performance)", true, true}}},
    {"HelpMENU",
     "Help",
     {{"HomepageMENU", "tolva! Homepage"},
      {"DownloadMENU", "Download section"},
      {"FaqMENU", "Frequently Asked Questions"},
      {"SupportMENU", "Support"},
      {"MessageboardMENU", "Dravik Message Board"},
      {"SEPARATOR3", "-"},
      {"DravikHpMENU", "Dravik Homepage"},
      {"bleemHpMENU", "bleem! Homepage"},
      {"CheaterMENU", nullptr},  // names the cheat tool; checked on its own
      {"SEPARATOR4", "-"},
      {"AboutMENU", "About..."}}},
};

/// Each Help entry and the address it opens.
std::vector<std::pair<QString, QString>> HelpLinks() {
    const QString site = QString::fromLatin1(kWebSite);
    return {{"HomepageMENU", site + "/"},
            {"DownloadMENU", site + "/download.htm"},
            {"FaqMENU", site + "/faq.htm"},
            {"SupportMENU", site + "/support.htm"},
            {"MessageboardMENU", QString::fromLatin1(kMessageBoard) + "/"},
            {"DravikHpMENU", QString::fromLatin1(kNewsSite) + "/"},
            {"bleemHpMENU", QString::fromLatin1(kEmulatorMaker) + "/"},
            {"CheaterMENU", QString::fromLatin1(kCheatTool) + "/"}};
}

QAction* Action(MainFORM& main, const QString& name) { return main.findChild<QAction*>(name); }

}  // namespace

class MenusTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theMenuTreeAsCreated() {
        Run run(false);
        const QList<QAction*> bar = run.main->menuBar()->actions();
        QCOMPARE(bar.size(), static_cast<qsizetype>(kMenus.size()));
        for (std::size_t m = 0; m < kMenus.size(); ++m) {
            const Menu& expected = kMenus[m];
            QMenu* menu = bar[static_cast<qsizetype>(m)]->menu();
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QString(expected.name));
            QCOMPARE(menu->title().remove('&'), QString(expected.caption));  // the mnemonic aside
            const QList<QAction*> items = menu->actions();
            QCOMPARE(items.size(), static_cast<qsizetype>(expected.items.size()));
            for (std::size_t k = 0; k < expected.items.size(); ++k) {
                const Item& want = expected.items[k];
                QAction* item = items[static_cast<qsizetype>(k)];
                const QString where = QString("%1 item %2").arg(expected.name).arg(k);
                QVERIFY2(item->objectName() == want.name, qPrintable(where + " is " + item->objectName()));
                const bool separator = want.caption && QString(want.caption) == "-";
                QVERIFY2(item->isSeparator() == separator, qPrintable(where));
                if (want.caption && !separator) QCOMPARE(item->text(), QString(want.caption));
                QVERIFY2(item->isEnabled() == want.enabled, qPrintable(where));
                QVERIFY2(item->isVisible(), qPrintable(where));
                QVERIFY2(item->isChecked() == want.checked, qPrintable(where));
                QVERIFY2(item->isCheckable() == want.checked, qPrintable(where));
            }
        }
        QVERIFY(run.main->findChild<QAction*>("CheaterMENU")->text().contains("CheatPal"));
        QVERIFY(QString::fromLatin1(kCheatTool).contains("cheatpal"));
    }

    void unavailableEntriesCannotBeChosen() {
        Run run;
        // Should a disabled entry run its wizard after all, Abort it rather than wait forever.
        WhenShown("Repair1FORM", [](QWidget* page) { page->close(); });
        WhenShown("Compare1FORM", [](QWidget* page) { page->close(); });
        run.main->findChild<QAction*>("RepairMENU")->trigger();
        run.main->findChild<QAction*>("CompareMENU")->trigger();
        QVERIFY(!TopLevel("Repair1FORM"));
        QVERIFY(!TopLevel("Compare1FORM"));
        QVERIFY(!run.state.wizard.WizardActive);
        QVERIFY(run.main->isEnabled());
    }

    void everyWebLinkOpensItsAddressAndSaysNothing() {
        for (bool gameSelected : {true, false}) {
            Run run(gameSelected);
            if (gameSelected) QCOMPARE(run.main->selectedRow(), 0);
            QCOMPARE(run.main->selectedRow() >= 0, gameSelected);
            for (const auto& [name, address] : HelpLinks()) {
                QAction* item = Action(*run.main, name);
                QVERIFY2(item, qPrintable(name));
                run.t.shell.opened.clear();
                item->trigger();
                QCOMPARE(run.t.shell.opened, QStringList{address});
            }
            QVERIFY(run.t.prompter.shown.isEmpty());
            QVERIFY(run.main->isEnabled());
            QVERIFY(!run.t.terminator.ended());
        }
    }

    void addressesLieUnderTheReservedDomain() {
        for (const auto& [name, address] : HelpLinks()) {
            const QUrl url(address);
            QVERIFY2(url.isValid() && url.scheme() == "http", qPrintable(address));
            QVERIFY2(url.host().endsWith(".example"), qPrintable(address));
        }
    }

    void splashTextIsTheBuildsReleaseAndRevision() {
        QCOMPARE(SplashFORM::VersionText("Release 5", 118), QString("Release 5\nBuild 118"));
        QCOMPARE(SplashFORM::VersionText("Beta", 7), QString("Beta\nBuild 7"));

        TestPlatform t;
        QtProgramInfo build;
        Platform platform = t.platform;
        platform.program = &build;
        SplashFORM splash(platform);
        const QString expected =
            QStringLiteral(TOLVA_RELEASE_NAME) + QStringLiteral("\nBuild ") + QString::number(TOLVA_REVISION);
        QCOMPARE(splash.VersionLABEL->text(), expected);
        QCOMPARE(build.revision(), TOLVA_REVISION);
        QVERIFY(splash.VersionLABEL->alignment() & Qt::AlignRight);
    }

    void splashLabelIsAsFarFromTheRightAsFromTheTop() {
        QCOMPARE(SplashFORM::RightAlignedLeft(480, 100, 12), 368);
        QCOMPARE(SplashFORM::RightAlignedLeft(300, 300, 0), 0);

        TestPlatform t;
        SplashFORM splash(t.platform);
        splash.show();
        const QSize logo = PictureSize("LOGO");
        if (!logo.isEmpty()) QCOMPARE(splash.size(), logo);  // the window takes the picture's size
        const QRect label = splash.VersionLABEL->geometry();
        QVERIFY(label.top() > 0);
        QVERIFY(label.width() >= splash.VersionLABEL->sizeHint().width());
        QCOMPARE(label.left(), SplashFORM::RightAlignedLeft(splash.width(), label.width(), label.top()));
        QCOMPARE(splash.width() - (label.left() + label.width()), label.top());
        QVERIFY(splash.rect().contains(label));
    }

    void aboutHidesTheMainWindowUntilTheSplashIsClickedAway() {
        for (const char* how : {"window", "label", "frame"}) {
            Run run;
            run.main->show();
            QVERIFY(QTest::qWaitForWindowExposed(run.main.get()));
            bool mainVisibleMeanwhile = true;
            QString labelMeanwhile;
            WhenShown("SplashFORM", [&](QWidget* window) {
                auto* splash = static_cast<SplashFORM*>(window);
                mainVisibleMeanwhile = run.main->isVisible();
                labelMeanwhile = splash->VersionLABEL->text();
                if (QString(how) == "window")
                    QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(5, splash->height() - 5));
                else if (QString(how) == "label")
                    QTest::mouseClick(splash->VersionLABEL, Qt::LeftButton);
                else
                    splash->close();
            });
            run.main->findChild<QAction*>("AboutMENU")->trigger();
            QVERIFY2(!mainVisibleMeanwhile, how);
            QCOMPARE(labelMeanwhile, QString("Release 5\nBuild 118"));  // the test platform's build
            QVERIFY2(run.main->isVisible(), how);
            QVERIFY2(!TopLevel("SplashFORM"), how);
            QVERIFY(run.t.prompter.shown.isEmpty());
        }
    }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
