// The repair and compare wizards driven page by page through their real windows.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QtTest>
#include <array>
#include <stdexcept>
#include <functional>
#include <vector>

#include "app/mainwindow/mainform.h"
#include "app/tools/cleanupform.h"
#include "app/tools/compare1form.h"
#include "app/tools/compare2form.h"
#include "app/tools/compare3form.h"
#include "app/tools/compare4form.h"
#include "app/tools/repair1form.h"
#include "app/tools/repair2form.h"
#include "app/tools/repair3form.h"
#include "app/tools/repair4form.h"
#include "app/tools/repair5form.h"
#include "core/state.h"
#include "support/fakeplatform.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kHeader = "; repair test\r\n\r\n";
const QByteArray kAlpha = Entry("1111111111", "Alpha", "80000000H");
const QByteArray kBeta = Entry("1111111111", "Beta", "01211010H");
const QByteArray kDelta = Entry("123456789", "Delta", "80000000H");
const QByteArray kEpsilon = Entry("2222222222", "Epsilon", "90000000H");
const QByteArray kGamma = Entry("1111111111", "Gamma", "80000000H");
// Table order: Alpha 0, Beta 1, Delta 2, Epsilon 3, Gamma 4. Alpha, Beta and Gamma share a disc
// ID; Delta's has nine digits; Epsilon's status digit is not one of 0, 4, 8.
const QByteArray kIni = kHeader + "Version=9\r\n\r\n" + kGamma + "\r\n" + kAlpha + "\r\n" + kDelta + "\r\n" + kEpsilon +
                        "\r\n" + kBeta;
const QByteArray kCleaned = kHeader + "Version=9\r\n\r\n" + kAlpha + "\r\n" + kBeta + "\r\n" + kDelta + "\r\n" +
                            kEpsilon + "\r\n" + kGamma;
const QString kSep(34, '-');

QByteArray Disabled(const QByteArray& entry) {
    QByteArray out;
    for (const QByteArray& line : entry.split('\n'))
        if (!line.isEmpty()) out += ";" + line + "\n";
    return out;
}

struct Run {
    TestPlatform t;
    ProgramState state;
    std::unique_ptr<MainFORM> main;

    explicit Run(const QByteArray& ini = kIni) {
        t.write("program/bleem!.INI", ini);
        t.write("program/Compatibility.TXT", "Header|Title|\r\n");
        main = std::make_unique<MainFORM>(state, t.platform);
        if (!main->Form_Load()) qFatal("start-up failed");
    }
    QByteArray file() const { return t.read("program/bleem!.INI"); }

    /// After a run: the main window is back to normal and no page is left open.
    void expectEnded() const {
        QVERIFY(!state.wizard.WizardActive);
        QVERIFY(main->isEnabled());
        QCOMPARE(main->windowTitle(), QString("tolva!"));
        QCOMPARE(main->findChild<QLineEdit*>("SearchTEXT")->text(), QString());
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(window == main.get() || !window->isVisible(), qPrintable(window->objectName()));
    }
};

/// Should a step fail, the wizard would wait for ever: close every window but the main one
/// (which Aborts the pages) and let the test report what went wrong.
struct Watchdog {
    QTimer timer;
    bool fired = false;
    explicit Watchdog(QWidget* main) {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this, main] {
            fired = true;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window != main && window->isVisible()) window->close();
        });
        timer.start(20000);
    }
};

using Step = std::pair<QString, std::function<void(QWidget*)>>;

/// Acts on each window as it is shown, in order.
void Walk(std::vector<Step> steps, std::size_t k = 0) {
    if (k >= steps.size()) return;
    WhenShown(steps[k].first, [steps, k](QWidget* window) {
        steps[k].second(window);
        Walk(steps, k + 1);
    });
}

template <typename Page>
std::function<void(QWidget*)> Click(QPushButton* Page::*button) {
    return [button](QWidget* window) { (static_cast<Page*>(window)->*button)->click(); };
}

QStringList Items(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
}

QList<bool> Ticks(const QListWidget* list) {
    QList<bool> ticks;
    for (int row = 0; row < list->count(); ++row) ticks << (list->item(row)->checkState() == Qt::Checked);
    return ticks;
}

/// A mouse click on the check box in front of a line.
void ClickTick(QListWidget* list, int row) {
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualItemRect(list->item(row));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect tick = list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, tick.center());
}

void PressSpace(QListWidget* list, int row) {
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Space);
}

QStringList LabelTexts(QWidget* page, const char* name) {
    QStringList texts;
    for (const QLabel* label : page->findChildren<QLabel*>(name)) texts << label->text();
    return texts;
}

const QString kFinishText = "The tolva! wizard has now all the information needed to update the bleem! database "
                            "with your game information. Click 'Finish' to complete setup.";
const QString kFinishOption = "Activate the following option when you want to sort the ini afterwards :";

/// A page whose Start fails inside, as an unexpected run-time failure would.
class FailingPage : public RunPage {
public:
    explicit FailingPage(PageRun& run) : RunPage(run, "Test1FORM", 1, " Test", "REPAIR") { addStartButtons(); }

protected:
    void next() override { throw std::runtime_error("the disk is on fire"); }
};

}  // namespace

class RepairTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void repairShowsEveryPageAndAbortOnPage3LeavesAllAsItWas() {
        Run run;
        Watchdog dog(run.main.get());
        run.main->findChild<QLineEdit*>("SearchTEXT")->setText("GA");
        QStringList captions, mainCaptions, startTexts, page1Texts, page2Texts, page3Texts;
        QList<int> activePages;
        bool mainEverEnabled = false;
        QRect startPlace;
        QStringList page1, page2, page3;
        bool page1BackDisabled = false;
        const auto note = [&](QWidget* page) {
            captions << page->windowTitle();
            mainCaptions << run.main->windowTitle();
            activePages << run.state.wizard.ActivePage;
            mainEverEnabled = mainEverEnabled || run.main->isEnabled() || !run.state.wizard.WizardActive;
        };
        Walk({{"Repair1FORM",
               [&](QWidget* window) {
                   note(window);
                   auto* page = static_cast<Repair1FORM*>(window);
                   for (QLabel* label : page->LABEL) startTexts << label->text();
                   QCOMPARE(page->OkBUTTON->text(), QString("Start"));
                   QCOMPARE(page->AbortBUTTON->text(), QString("Abort"));
                   QVERIFY(page->findChild<QLabel*>("PICTUREBOX"));
                   startPlace = QRect(page->pos(), page->size());  // pos: the frame's corner
                   page->OkBUTTON->click();
               }},
              {"Repair2FORM",
               [&](QWidget* window) {
                   note(window);
                   auto* page = static_cast<Repair2FORM*>(window);
                   page1Texts << page->Label1->text() << page->LABEL->text() << page->Label2->text();
                   page1 = Items(page->GameLIST);
                   page1BackDisabled = !page->BackBUTTON->isEnabled();
                   QCOMPARE(page->ForwardBUTTON->text(), QString("Next >"));
                   QVERIFY(page->GameLIST->font().fixedPitch());
                   page->ForwardBUTTON->click();
               }},
              {"Repair3FORM",
               [&](QWidget* window) {
                   note(window);
                   auto* page = static_cast<Repair3FORM*>(window);
                   page2Texts << page->Label3->text() << page->LABEL->text() << page->Label2->text()
                              << page->Command1->text();
                   page2 = Items(page->GameLIST);
                   page->ForwardBUTTON->click();
               }},
              {"Repair4FORM", [&](QWidget* window) {
                   note(window);
                   auto* page = static_cast<Repair4FORM*>(window);
                   page3Texts << page->Label3->text() << page->LABEL->text();
                   page3 = Items(page->GameLIST);
                   page->AbortBUTTON->click();
               }}});
        run.main->RepairMENU_Click();
        QVERIFY(!dog.fired);

        QCOMPARE(captions,
                 (QStringList{"tolva! Repair", "tolva! Repair [1/4]", "tolva! Repair [2/4]", "tolva! Repair [3/4]"}));
        QCOMPARE(mainCaptions, captions);
        QCOMPARE(activePages, (QList<int>{1, 2, 3, 4}));
        QVERIFY(!mainEverEnabled);
        const QRect screen = run.main->screen()->geometry();
        QCOMPARE(startPlace.topLeft(), QPoint(screen.width() / 2 - startPlace.width() / 2,
                                              screen.height() / 2 - startPlace.height() / 2));

        QCOMPARE(startTexts, (QStringList{"Dieser Wizard hilft Ihnen, Fehler in der bleem!.ini zu finden und zu korrigieren.",
                                          "Suche nach :", "Doppelten Einträgen", "Falschen Disc-IDs", "Falschen Flags",
                                          "Klicken Sie auf Start, um die Suche zu starten."}));
        QCOMPARE(page1Texts, (QStringList{"Die folgenden doppelten Einträge wurden gefunden :", "Doppelten Einträgen",
                                          "Bitte wählen Sie die Einträge aus der Liste aus, die Sie löschen möchten."}));
        QCOMPARE(page2Texts, (QStringList{"Die folgenden Einträge haben eine falsche DiscID :", "Falsche Disc-IDs",
                                          "Wählen Sie einen Eintrag aus der Liste aus, und klicken Sie dann auf "
                                          "\"Delete\" um den Eintrag zu löschen.",
                                          "Delete"}));
        QCOMPARE(page3Texts, (QStringList{"Die folgenden Einträge haben eine falsche Flags :", "Falsche Flags"}));

        QCOMPARE(page1, (QStringList{"Alpha", "Beta", kSep, "Alpha", "Gamma", kSep, "Beta", "Gamma"}));
        QVERIFY(page1BackDisabled);
        QCOMPARE(page2, QStringList{"123456789   Delta"});
        QCOMPARE(page3, QStringList{"90000000H  Epsilon"});

        QCOMPARE(run.file(), kIni);
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 5);
        run.expectEnded();
    }

    void ticksAndDeletesAreKeptAcrossPagesAndDisabledAtFinish() {
        Run run;
        Watchdog dog(run.main.get());
        QList<bool> afterSpace, afterSeparator, afterMouse, afterMouseAgain, onReturn;
        QPoint movedTo(40, 50), page2At;
        QStringList page2AfterDelete, page2OnSecondVisit, page3, finishTexts;
        QString finishCaption;
        Walk({{"Repair1FORM", Click(&Repair1FORM::OkBUTTON)},
              {"Repair2FORM",
               [&](QWidget* window) {
                   auto* page = static_cast<Repair2FORM*>(window);
                   PressSpace(page->GameLIST, 1);  // Beta of the first pair
                   afterSpace = Ticks(page->GameLIST);
                   PressSpace(page->GameLIST, 2);  // the separator
                   afterSeparator = Ticks(page->GameLIST);
                   ClickTick(page->GameLIST, 3);  // Alpha of the second pair, ticked and unticked
                   afterMouse = Ticks(page->GameLIST);
                   ClickTick(page->GameLIST, 3);
                   afterMouseAgain = Ticks(page->GameLIST);
                   page->move(movedTo);
                   page->ForwardBUTTON->click();
               }},
              {"Repair3FORM",
               [&](QWidget* window) {
                   auto* page = static_cast<Repair3FORM*>(window);
                   page2At = page->pos();
                   page->GameLIST->setCurrentRow(0);
                   page->Command1->click();
                   page2AfterDelete = Items(page->GameLIST);
                   page->BackBUTTON->click();
               }},
              {"Repair2FORM",
               [&](QWidget* window) {
                   auto* page = static_cast<Repair2FORM*>(window);
                   onReturn = Ticks(page->GameLIST);
                   page->ForwardBUTTON->click();
               }},
              {"Repair3FORM",
               [&](QWidget* window) {
                   auto* page = static_cast<Repair3FORM*>(window);
                   page2OnSecondVisit = Items(page->GameLIST);
                   page->Command1->click();  // nothing selected: nothing happens
                   page->ForwardBUTTON->click();
               }},
              {"Repair4FORM",
               [&](QWidget* window) {
                   page3 = Items(static_cast<Repair4FORM*>(window)->GameLIST);
                   static_cast<Repair4FORM*>(window)->ForwardBUTTON->click();
               }},
              {"Repair5FORM",
               [&](QWidget* window) {
                   auto* page = static_cast<Repair5FORM*>(window);
                   finishCaption = page->windowTitle();
                   finishTexts = LabelTexts(page, "LABEL");
                   finishTexts << page->Check1->text() << page->ForwardBUTTON->text();
                   QVERIFY(!page->Check1->isChecked());
                   page->BackBUTTON->click();
               }},
              {"Repair4FORM", Click(&Repair4FORM::ForwardBUTTON)},
              {"Repair5FORM", Click(&Repair5FORM::ForwardBUTTON)}});
        run.main->RepairMENU_Click();
        QVERIFY(!dog.fired);

        using Ticked = QList<bool>;
        QCOMPARE(afterSpace, (Ticked{false, true, false, false, false, false, true, false}));
        QCOMPARE(afterSeparator, afterSpace);
        QCOMPARE(afterMouse, (Ticked{true, true, false, true, false, false, true, false}));
        QCOMPARE(afterMouseAgain, afterSpace);
        QCOMPARE(onReturn, afterSpace);
        QCOMPARE(page2At, movedTo);
        QVERIFY(page2AfterDelete.isEmpty());
        QVERIFY(page2OnSecondVisit.isEmpty());
        QCOMPARE(page3, QStringList{"90000000H  Epsilon"});
        QCOMPARE(finishCaption, QString("tolva! Repair [4/4]"));
        QCOMPARE(finishTexts, (QStringList{kFinishText, kFinishOption, "Clean Up the ini afterwards", "Finish"}));

        const QByteArray expected = kHeader + "Version=9\r\n\r\n" + kGamma + "\r\n" + kAlpha + "\r\n" +
                                    Disabled(kDelta) + "\r\n" + kEpsilon + "\r\n" + Disabled(kBeta);
        QCOMPARE(run.file(), expected);
        QCOMPARE(Items(run.main->findChild<QListWidget*>("GameLIST")), (QStringList{"Alpha", "Epsilon", "Gamma"}));
        QVERIFY(run.t.prompter.shown.isEmpty());
        run.expectEnded();
    }

    void finishWithCleanUpWaitsForIt() {
        for (bool cleanUpFinish : {true, false}) {
            Run run;
            Watchdog dog(run.main.get());
            QString captionDuringCleanUp;
            bool pageHidden = false, controlsDisabled = false, stillActive = false;
            Walk({{"Repair1FORM", Click(&Repair1FORM::OkBUTTON)},
                  {"Repair2FORM",
                   [&](QWidget* window) {
                       auto* page = static_cast<Repair2FORM*>(window);
                       PressSpace(page->GameLIST, 4);  // Gamma
                       page->ForwardBUTTON->click();
                   }},
                  {"Repair3FORM", Click(&Repair3FORM::ForwardBUTTON)},
                  {"Repair4FORM", Click(&Repair4FORM::ForwardBUTTON)},
                  {"Repair5FORM", [&](QWidget* window) {
                       QPointer<Repair5FORM> page = static_cast<Repair5FORM*>(window);
                       page->Check1->setChecked(true);
                       WhenShown("CleanUpFORM", [&, page](QWidget* cleanUp) {
                           captionDuringCleanUp = run.main->windowTitle();
                           pageHidden = page && !page->isVisible();
                           controlsDisabled = page && !page->ForwardBUTTON->isEnabled() &&
                                              !page->BackBUTTON->isEnabled() && !page->AbortBUTTON->isEnabled() &&
                                              !page->Check1->isEnabled();
                           stillActive = run.state.wizard.WizardActive;
                           auto* form = static_cast<CleanUpFORM*>(cleanUp);
                           (cleanUpFinish ? form->OkBUTTON : form->AbortBUTTON)->click();
                       });
                       page->ForwardBUTTON->click();
                   }}});
            run.main->RepairMENU_Click();
            QVERIFY(!dog.fired);
            QCOMPARE(captionDuringCleanUp, QString("tolva! Clean Up"));
            QVERIFY(pageHidden);
            QVERIFY(controlsDisabled);
            QVERIFY(stillActive);
            // Gamma is disabled first; Clean Up then writes the reloaded table, without it.
            const QByteArray disabledOnly = kHeader + "Version=9\r\n\r\n" + Disabled(kGamma) + "\r\n" + kAlpha + "\r\n" +
                                            kDelta + "\r\n" + kEpsilon + "\r\n" + kBeta;
            const QByteArray cleaned = kHeader + "Version=9\r\n\r\n" + kAlpha + "\r\n" + kBeta + "\r\n" + kDelta + "\r\n" +
                                       kEpsilon;
            QCOMPARE(run.file(), cleanUpFinish ? cleaned : disabledOnly);
            QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 4);
            run.expectEnded();
        }
    }

    void frameCloseIsAbortOnEveryKindOfPage() {
        for (const char* name : {"Repair1FORM", "Repair2FORM", "Repair3FORM", "Repair5FORM"}) {
            Run run;
            Watchdog dog(run.main.get());
            const std::vector<Step> chain{{"Repair1FORM", Click(&Repair1FORM::OkBUTTON)},
                                          {"Repair2FORM", Click(&Repair2FORM::ForwardBUTTON)},
                                          {"Repair3FORM", Click(&Repair3FORM::ForwardBUTTON)},
                                          {"Repair4FORM", Click(&Repair4FORM::ForwardBUTTON)},
                                          {"Repair5FORM", {}}};
            std::vector<Step> steps;
            for (const Step& step : chain) {
                if (step.first != name) {
                    steps.push_back(step);
                    continue;
                }
                steps.push_back({name, [](QWidget* window) {
                                     auto* list = window->findChild<QListWidget*>("GameLIST");
                                     if (list && list->count() > 1) PressSpace(list, 0);  // must not be acted on
                                     window->close();
                                 }});
                break;
            }
            Walk(steps);
            run.main->RepairMENU_Click();
            QVERIFY2(!dog.fired, name);
            QCOMPARE(run.file(), kIni);
            QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 5);
            run.expectEnded();
        }
    }

    void theRunningPhaseIsBoldAndAbortDuringTheSearchStopsIt() {
        {
            Run run;
            Watchdog dog(run.main.get());
            std::vector<std::array<bool, 3>> seen;
            std::array<bool, 3> afterSearch{true, true, true};
            Walk({{"Repair1FORM",
                   [&](QWidget* window) {
                       auto* page = static_cast<Repair1FORM*>(window);
                       const auto bold = [page] {
                           return std::array<bool, 3>{page->LABEL[2]->font().bold(), page->LABEL[3]->font().bold(),
                                                      page->LABEL[4]->font().bold()};
                       };
                       QVERIFY(!bold()[0] && !bold()[1] && !bold()[2]);
                       // Each zero timer runs in the next round of events: one per phase.
                       QTimer::singleShot(0, page, [&, page, bold] {
                           seen.push_back(bold());
                           QTimer::singleShot(0, page, [&, page, bold] {
                               seen.push_back(bold());
                               QTimer::singleShot(0, page, [&, bold] { seen.push_back(bold()); });
                           });
                       });
                       page->OkBUTTON->click();
                       afterSearch = bold();
                   }},
                  {"Repair2FORM", Click(&Repair2FORM::AbortBUTTON)}});
            run.main->RepairMENU_Click();
            QVERIFY(!dog.fired);
            using Phase = std::array<bool, 3>;
            QCOMPARE(seen.size(), std::size_t{3});
            QVERIFY(seen[0] == (Phase{true, false, false}));
            QVERIFY(seen[1] == (Phase{false, true, false}));
            QVERIFY(seen[2] == (Phase{false, false, true}));
            QVERIFY(afterSearch == (Phase{false, false, false}));
            run.expectEnded();
        }
        {
            Run run;
            Watchdog dog(run.main.get());
            bool page1Shown = false;
            Walk({{"Repair1FORM", [&](QWidget* window) {
                       auto* page = static_cast<Repair1FORM*>(window);
                       QTimer::singleShot(0, page, [page] { page->AbortBUTTON->click(); });
                       page->OkBUTTON->click();
                       page1Shown = TopLevel("Repair2FORM") != nullptr;
                   }}});
            run.main->RepairMENU_Click();
            QVERIFY(!dog.fired);
            QVERIFY(!page1Shown);
            QCOMPARE(run.file(), kIni);
            run.expectEnded();
        }
    }

    void withoutDuplicatesPage1IsEmpty() {
        Run run(Entry("1000000001", "One", "80000000H") + "\r\n" + Entry("1000000002", "Two", "80000000H"));
        Watchdog dog(run.main.get());
        QStringList page1{"unset"}, page2{"unset"}, page3{"unset"};
        Walk({{"Repair1FORM", Click(&Repair1FORM::OkBUTTON)},
              {"Repair2FORM",
               [&](QWidget* window) {
                   page1 = Items(static_cast<Repair2FORM*>(window)->GameLIST);
                   static_cast<Repair2FORM*>(window)->ForwardBUTTON->click();
               }},
              {"Repair3FORM",
               [&](QWidget* window) {
                   page2 = Items(static_cast<Repair3FORM*>(window)->GameLIST);
                   static_cast<Repair3FORM*>(window)->ForwardBUTTON->click();
               }},
              {"Repair4FORM",
               [&](QWidget* window) {
                   page3 = Items(static_cast<Repair4FORM*>(window)->GameLIST);
                   static_cast<Repair4FORM*>(window)->ForwardBUTTON->click();
               }},
              {"Repair5FORM", Click(&Repair5FORM::ForwardBUTTON)}});
        run.main->RepairMENU_Click();
        QVERIFY(!dog.fired);
        QVERIFY(page1.isEmpty());
        QVERIFY(page2.isEmpty());
        QVERIFY(page3.isEmpty());
        QVERIFY(run.t.prompter.shown.isEmpty());
        run.expectEnded();
    }

    void anEntryChangedMeanwhileIsReportedAndNothingIsWritten() {
        Run run;
        Watchdog dog(run.main.get());
        QByteArray changed = kIni;
        changed.replace("Title=Beta", "Title=Bet");  // another program edits the file meanwhile
        Walk({{"Repair1FORM", Click(&Repair1FORM::OkBUTTON)},
              {"Repair2FORM",
               [&](QWidget* window) {
                   auto* page = static_cast<Repair2FORM*>(window);
                   PressSpace(page->GameLIST, 1);
                   run.t.write("program/bleem!.INI", changed);
                   page->ForwardBUTTON->click();
               }},
              {"Repair3FORM", Click(&Repair3FORM::ForwardBUTTON)},
              {"Repair4FORM", Click(&Repair4FORM::ForwardBUTTON)},
              {"Repair5FORM", Click(&Repair5FORM::ForwardBUTTON)}});
        run.main->RepairMENU_Click();
        QVERIFY(!dog.fired);
        QCOMPARE(run.file(), changed);
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QVERIFY(run.t.prompter.shown[0].text.contains("Modul : Repair5FORM.ForwardBUTTON_Click"));
        QVERIFY(run.t.prompter.shown[0].text.contains("Beta"));
        QCOMPARE(Items(run.main->findChild<QListWidget*>("GameLIST")), (QStringList{"Alpha", "Bet", "Delta", "Epsilon", "Gamma"}));
        run.expectEnded();
    }

    void aFailureInAHandlerShowsTheCommonErrorMessage() {
        for (MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Cancel}) {
            Run run;
            Watchdog dog(run.main.get());
            run.t.prompter.answers.enqueue(answer);
            bool openAfterOk = false;
            Walk({{"Test1FORM", [&](QWidget* window) {
                       auto* page = static_cast<FailingPage*>(window);
                       page->OkBUTTON->click();
                       openAfterOk = page->isVisible() && run.state.wizard.WizardActive;
                       if (openAfterOk) page->AbortBUTTON->click();
                   }}});
            PageRun wizard(*run.main, [&wizard](int) { return new FailingPage(wizard); });
            wizard.Run();
            QVERIFY(!dog.fired);
            QCOMPARE(run.t.prompter.shown.size(), 1);
            const Message& shown = run.t.prompter.shown[0];
            QCOMPARE(shown.title, QString("tolva! Critical Error"));
            QVERIFY(shown.text.startsWith("Description : the disk is on fire\r\nModul : Test1FORM.OkBUTTON_Click\r\n"));
            QCOMPARE(openAfterOk, answer == MsgAnswer::Ok);  // OK carries on with the page open
            QCOMPARE(run.t.terminator.ended(), answer == MsgAnswer::Cancel);
            QVERIFY(!run.state.wizard.WizardActive);
        }
    }

    void activatingTheMainWindowBringsThePageBack() {
        Run run;
        Watchdog dog(run.main.get());
        run.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(run.main.get()));
        QWidget* activeAfter = nullptr;
        Walk({{"Compare1FORM", [&](QWidget* page) {
                   QVERIFY(QTest::qWaitForWindowActive(page));
                   run.main->activateWindow();
                   QTest::qWait(50);
                   QTRY_COMPARE(QApplication::activeWindow(), page);
                   activeAfter = QApplication::activeWindow();
                   static_cast<Compare1FORM*>(page)->AbortBUTTON->click();
               }}});
        run.main->CompareMENU_Click();
        QVERIFY(!dog.fired);
        QVERIFY(activeAfter != nullptr);
        run.expectEnded();
    }

    void menuEntriesRunTheirWizardsOnceAvailable() {
        Run run;
        Watchdog dog(run.main.get());
        QStringList shown;
        Walk({{"Repair1FORM", [&](QWidget* page) {
                   shown << page->objectName();
                   static_cast<Repair1FORM*>(page)->AbortBUTTON->click();
               }}});
        run.main->findChild<QAction*>("RepairMENU")->setEnabled(true);
        run.main->findChild<QAction*>("RepairMENU")->trigger();
        Walk({{"Compare1FORM", [&](QWidget* page) {
                   shown << page->objectName();
                   page->close();
               }}});
        run.main->findChild<QAction*>("CompareMENU")->setEnabled(true);
        run.main->findChild<QAction*>("CompareMENU")->trigger();
        QVERIFY(!dog.fired);
        QCOMPARE(shown, (QStringList{"Repair1FORM", "Compare1FORM"}));
        run.expectEnded();
    }

    void compareWalksItsPagesAndFinishChangesNothing() {
        Run run;
        Watchdog dog(run.main.get());
        QStringList captions, startTexts, finishTexts;
        QList<int> activePages;
        bool page1BackDisabled = false;
        const auto note = [&](QWidget* page) {
            captions << page->windowTitle();
            QCOMPARE(run.main->windowTitle(), page->windowTitle());
            QVERIFY(!run.main->isEnabled());
            activePages << run.state.wizard.ActivePage;
        };
        Walk({{"Compare1FORM",
               [&](QWidget* window) {
                   note(window);
                   auto* page = static_cast<Compare1FORM*>(window);
                   startTexts << page->LABEL[0]->text() << page->LABEL[5]->text() << page->OkBUTTON->text();
                   page->OkBUTTON->click();
               }},
              {"Compare2FORM",
               [&](QWidget* window) {
                   note(window);
                   auto* page = static_cast<Compare2FORM*>(window);
                   page1BackDisabled = !page->BackBUTTON->isEnabled();
                   page->ForwardBUTTON->click();
               }},
              {"Compare3FORM",
               [&](QWidget* window) {
                   note(window);
                   static_cast<Compare3FORM*>(window)->BackBUTTON->click();
               }},
              {"Compare2FORM", Click(&Compare2FORM::ForwardBUTTON)},
              {"Compare3FORM", Click(&Compare3FORM::ForwardBUTTON)},
              {"Compare4FORM", [&](QWidget* window) {
                   note(window);
                   auto* page = static_cast<Compare4FORM*>(window);
                   finishTexts = LabelTexts(page, "LABEL");
                   finishTexts << page->Check1->text() << page->ForwardBUTTON->text();
                   page->ForwardBUTTON->click();
               }}});
        run.main->CompareMENU_Click();
        QVERIFY(!dog.fired);
        QCOMPARE(captions, (QStringList{"tolva! Compare", "tolva! Compare [1/3]", "tolva! Compare [2/3]",
                                        "tolva! Compare [3/3]"}));
        QCOMPARE(activePages, (QList<int>{1, 2, 3, 4}));
        QVERIFY(page1BackDisabled);
        QCOMPARE(startTexts, (QStringList{"Dieser Wizard hilft Ihnen, zwei INI-Dateien mit einander zu verbinden.",
                                          "Klicken Sie auf Start, um den Vorgang zu starten.", "Start"}));
        QCOMPARE(finishTexts, (QStringList{kFinishText, kFinishOption, "Clean Up the ini afterwards", "Finish"}));
        QCOMPARE(run.file(), kIni);
        QCOMPARE(run.main->findChild<QListWidget*>("GameLIST")->count(), 5);
        QVERIFY(run.t.prompter.shown.isEmpty());
        run.expectEnded();
    }

    void compareFinishWithCleanUpAndAbortOnTheMiddlePage() {
        for (bool cleanUpFinish : {true, false}) {
            Run run;
            Watchdog dog(run.main.get());
            bool cleanUpShown = false;
            Walk({{"Compare1FORM", Click(&Compare1FORM::OkBUTTON)},
                  {"Compare2FORM", Click(&Compare2FORM::ForwardBUTTON)},
                  {"Compare3FORM", Click(&Compare3FORM::ForwardBUTTON)},
                  {"Compare4FORM", [&](QWidget* window) {
                       auto* page = static_cast<Compare4FORM*>(window);
                       page->Check1->setChecked(true);
                       WhenShown("CleanUpFORM", [&](QWidget* cleanUp) {
                           cleanUpShown = run.state.wizard.WizardActive && !run.main->isEnabled();
                           auto* form = static_cast<CleanUpFORM*>(cleanUp);
                           (cleanUpFinish ? form->OkBUTTON : form->AbortBUTTON)->click();
                       });
                       page->ForwardBUTTON->click();
                   }}});
            run.main->CompareMENU_Click();
            QVERIFY(!dog.fired);
            QVERIFY(cleanUpShown);
            QCOMPARE(run.file(), cleanUpFinish ? kCleaned : kIni);
            run.expectEnded();
        }
        for (const char* how : {"Abort", "frame"}) {
            Run run;
            Watchdog dog(run.main.get());
            Walk({{"Compare1FORM", Click(&Compare1FORM::OkBUTTON)},
                  {"Compare2FORM", Click(&Compare2FORM::ForwardBUTTON)},
                  {"Compare3FORM", [&](QWidget* window) {
                       if (QString(how) == "Abort")
                           static_cast<Compare3FORM*>(window)->AbortBUTTON->click();
                       else
                           window->close();
                   }}});
            run.main->CompareMENU_Click();
            QVERIFY2(!dog.fired, how);
            QCOMPARE(run.file(), kIni);
            run.expectEnded();
        }
    }
};

QTEST_MAIN(RepairTest)
#include "repair_test.moc"
