// The repair and compare wizards driven page by page through their real windows.
#include <QScreen>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <map>

#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kHeader = "; repair test\r\n\r\nVersion=9\r\n\r\n";
const QByteArray kAlpha = Entry("1111111111", "Alpha", "80000000H");
const QByteArray kBeta = Entry("1111111111", "Beta", "01211010H");
const QByteArray kDelta = Entry("123456789", "Delta", "80000000H");
const QByteArray kEpsilon = Entry("2222222222", "Epsilon", "90000000H");
const QByteArray kGamma = Entry("1111111111", "Gamma", "80000000H");
// Table order: Alpha 0, Beta 1, Delta 2, Epsilon 3, Gamma 4. Alpha, Beta and Gamma share a disc
// ID; Delta's has nine digits; Epsilon's status digit is not one of 0, 4, 8.
const QByteArray kIni = kHeader + kGamma + "\r\n" + kAlpha + "\r\n" + kDelta + "\r\n" + kEpsilon + "\r\n" + kBeta;
const QString kSep(34, '-');

QByteArray Disabled(const QByteArray& entry) {
    QByteArray out;
    for (const QByteArray& line : entry.split('\n'))
        if (!line.isEmpty()) out += ";" + line + "\n";
    return out;
}

QListWidget* List(QWidget* page) { return Find<QListWidget>(page, "GameLIST"); }

/// The labels named LABEL in the order of their index; one without an index comes first.
QList<QLabel*> Labels(QWidget* page) {
    std::map<int, QLabel*> byIndex;
    for (QLabel* label : page->findChildren<QLabel*>("LABEL")) {
        const QVariant index = label->property("index");
        byIndex[index.isValid() ? index.toInt() : -1 - static_cast<int>(byIndex.size())] = label;
    }
    QList<QLabel*> labels;
    for (const auto& [index, label] : byIndex) labels << label;
    return labels;
}
QStringList Texts(const QList<QLabel*>& labels) {
    QStringList texts;
    for (const QLabel* label : labels) texts << label->text();
    return texts;
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

/// The repair run from its start to its finish page, clicking on through pages first to last.
Walk& Through(Walk& walk, int first, int last) {
    for (int k = first; k <= last; ++k) walk.press(QString("Repair%1FORM").arg(k), k == 1 ? "OkBUTTON" : "ForwardBUTTON");
    return walk;
}

}  // namespace

class RepairTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void repairShowsEveryPageAndAbortOnPage3LeavesAllAsItWas() {
        LoadedMain run(kIni);
        QStringList captions, texts, bold;
        QList<QStringList> lists;
        bool mainEverEnabled = false;
        QRect startPlace;
        const auto note = [&](QWidget* page) {
            captions << page->windowTitle() + " | " + run.main->windowTitle();
            mainEverEnabled = mainEverEnabled || run.main->isEnabled();
            if (page->objectName() == "Repair1FORM") return;
            lists << Rows(List(page));
            QVERIFY(Find<QLabel>(page, "LABEL")->font().bold());  // a list's heading
        };
        Walk walk;
        walk.on("Repair1FORM", [&](QWidget* page) {
            note(page);
            texts << Texts(Labels(page)) << Text(page, "OkBUTTON") << Text(page, "AbortBUTTON");
            QVERIFY(page->findChild<QLabel*>("PICTUREBOX"));
            startPlace = QRect(page->pos(), page->size());
            QTimer look;  // the lines in bold whenever the search lets events run, each change once
            QObject::connect(&look, &QTimer::timeout, page, [&bold, lines = Labels(page)] {
                QString now;
                for (const QLabel* line : lines) now += line->font().bold() ? line->text() + ";" : "";
                if (bold.isEmpty() || bold.last() != now) bold << now;
            });
            look.start(0);
            Click(page, "OkBUTTON");
        });
        walk.on("Repair2FORM", [&](QWidget* page) {
            note(page);
            texts << Text(page, "Label1") << Text(page, "LABEL") << Text(page, "Label2") << Text(page, "ForwardBUTTON");
            QVERIFY(!Find(page, "BackBUTTON")->isEnabled());
            QVERIFY(List(page)->font().fixedPitch());
            Click(page, "ForwardBUTTON");
        });
        walk.on("Repair3FORM", [&](QWidget* page) {
            note(page);
            texts << Text(page, "Label3") << Text(page, "LABEL") << Text(page, "Label2") << Text(page, "Command1");
            List(page)->setCurrentRow(0);
            List(page)->clearSelection();
            Click(page, "Command1");  // a current line that is not selected is not deleted
            Click(page, "ForwardBUTTON");
        });
        walk.on("Repair4FORM", [&](QWidget* page) {
            note(page);
            texts << Text(page, "Label3") << Text(page, "LABEL");
            Click(page, "AbortBUTTON");
        });
        run.get<QLineEdit>("SearchTEXT")->setText("GA");
        QVERIFY(walk.run(run, "RepairMENU"));
        QCOMPARE(captions, (QStringList{"tolva! Repair | tolva! Repair", "tolva! Repair [1/4] | tolva! Repair [1/4]",
                                        "tolva! Repair [2/4] | tolva! Repair [2/4]",
                                        "tolva! Repair [3/4] | tolva! Repair [3/4]"}));
        QVERIFY(!mainEverEnabled);
        const QRect screen = run.main->screen()->geometry();
        QCOMPARE(startPlace.topLeft(), QPoint(screen.width() / 2 - startPlace.width() / 2,
                                              screen.height() / 2 - startPlace.height() / 2));
        QCOMPARE(texts, (QStringList{
                            "Dieser Wizard hilft Ihnen, Fehler in der bleem!.ini zu finden und zu korrigieren.",
                            "Suche nach :", "Doppelten Einträgen", "Falschen Disc-IDs", "Falschen Flags",
                            "Klicken Sie auf Start, um die Suche zu starten.", "Start", "Abort",
                            "Die folgenden doppelten Einträge wurden gefunden :", "Doppelten Einträgen",
                            "Bitte wählen Sie die Einträge aus der Liste aus, die Sie löschen möchten.", "Next >",
                            "Die folgenden Einträge haben eine falsche DiscID :", "Falsche Disc-IDs",
                            "Wählen Sie einen Eintrag aus der Liste aus, und klicken Sie dann auf \"Delete\" um den "
                            "Eintrag zu löschen.",
                            "Delete", "Die folgenden Einträge haben eine falsche Flags :", "Falsche Flags"}));
        QCOMPARE(lists, (QList<QStringList>{{"Alpha", "Beta", kSep, "Alpha", "Gamma", kSep, "Beta", "Gamma"},
                                            {"123456789   Delta"},
                                            {"90000000H  Epsilon"}}));
        QCOMPARE(bold, (QStringList{"Doppelten Einträgen;", "Falschen Disc-IDs;", "Falschen Flags;"}));
        QCOMPARE(run.file(), kIni);
        QCOMPARE(run.list()->count(), 5);
        QVERIFY(run.back());
    }

    void ticksAndDeletesAreKeptAcrossPagesAndDisabledAtFinish() {
        LoadedMain run(kIni);
        QList<QList<bool>> ticks;
        QPoint movedTo(40, 50), page2At;
        QStringList afterDelete, finish;
        Walk walk;
        Through(walk, 1, 1);
        walk.on("Repair2FORM", [&](QWidget* page) {
            PressSpace(List(page), 1);  // Beta of the first pair
            ticks << Ticks(List(page));
            ClickTick(List(page), 3);  // Alpha of the second pair, ticked and unticked
            ticks << Ticks(List(page));
            ClickTick(List(page), 3);
            ticks << Ticks(List(page));
            page->move(movedTo);
            Click(page, "ForwardBUTTON");
        });
        walk.on("Repair3FORM", [&](QWidget* page) {
            page2At = page->pos();
            List(page)->setCurrentRow(0, QItemSelectionModel::Deselect);  // current, not selected: kept
            Click(page, "Command1");
            QCOMPARE(List(page)->count(), 1);
            List(page)->setCurrentRow(0);
            Click(page, "Command1");
            afterDelete = Rows(List(page));
            Click(page, "BackBUTTON");
        });
        walk.on("Repair2FORM", [&](QWidget* page) {
            ticks << Ticks(List(page));
            Click(page, "ForwardBUTTON");
        });
        walk.on("Repair3FORM", [&](QWidget* page) {
            afterDelete << Rows(List(page));
            Click(page, "Command1");  // nothing selected: nothing happens
            Click(page, "ForwardBUTTON");
        });
        Through(walk, 4, 4);
        walk.on("Repair5FORM", [&](QWidget* page) {
            finish << page->windowTitle() << Texts(page->findChildren<QLabel*>("LABEL")) << Text(page, "Check1")
                   << Text(page, "ForwardBUTTON");
            QVERIFY(!Checked(page, "Check1"));
            Click(page, "BackBUTTON");
        });
        QVERIFY(Through(walk, 4, 5).run(run, "RepairMENU"));
        using Ticked = QList<bool>;
        const Ticked beta{false, true, false, false, false, false, true, false};
        QCOMPARE(ticks, (QList<Ticked>{beta, {true, true, false, true, false, false, true, false}, beta, beta}));
        QCOMPARE(page2At, movedTo);
        QVERIFY(afterDelete.isEmpty());
        QCOMPARE(finish, (QStringList{"tolva! Repair [4/4]",
                                      "The tolva! wizard has now all the information needed to update the bleem! "
                                      "database with your game information. Click 'Finish' to complete setup.",
                                      "Activate the following option when you want to sort the ini afterwards :",
                                      "Clean Up the ini afterwards", "Finish"}));
        QCOMPARE(run.file(), kHeader + kGamma + "\r\n" + kAlpha + "\r\n" + Disabled(kDelta) + "\r\n" + kEpsilon + "\r\n" +
                                 Disabled(kBeta));
        QCOMPARE(Rows(run.list()), (QStringList{"Alpha", "Epsilon", "Gamma"}));
        QVERIFY(run.t.prompter.shown.isEmpty());
        QVERIFY(run.back());
    }

    void finishWithCleanUpWaitsForIt() {
        for (int k = 0; k < 3; ++k) {
            const bool cleanUpFinish = k != 1, marked = k < 2;  // nothing marked: Clean Up follows all the same
            LoadedMain run(kIni);
            Walk walk;
            Through(walk, 1, 1).on("Repair2FORM", [&](QWidget* page) {
                if (marked) PressSpace(List(page), 4);  // Gamma
                Click(page, "ForwardBUTTON");
            });
            Through(walk, 3, 4);
            QPointer<QWidget> finish;
            walk.on("Repair5FORM", [&](QWidget* page) {
                finish = page;
                Click(page, "Check1");
                Click(page, "ForwardBUTTON");
            });
            walk.on("CleanUpFORM", [&](QWidget* cleanUp) {
                QCOMPARE(run.main->windowTitle(), QString("tolva! Clean Up"));
                QVERIFY(finish && !finish->isVisible());
                for (const char* name : {"ForwardBUTTON", "BackBUTTON", "AbortBUTTON", "Check1"})
                    QVERIFY2(!Find(finish, name)->isEnabled(), name);
                QVERIFY(run.state.wizard.WizardActive);
                Click(cleanUp, cleanUpFinish ? "OkBUTTON" : "AbortBUTTON");
            });
            QVERIFY(walk.run(run, "RepairMENU"));
            // Gamma is disabled first; Clean Up then writes the reloaded table, without it.
            const QByteArray kept = kHeader + kAlpha + "\r\n" + kBeta + "\r\n" + kDelta + "\r\n" + kEpsilon;
            QCOMPARE(run.file(), !marked       ? kept + "\r\n" + kGamma
                                 : cleanUpFinish ? kept
                                               : kHeader + Disabled(kGamma) + "\r\n" + kAlpha + "\r\n" + kDelta + "\r\n" +
                                                     kEpsilon + "\r\n" + kBeta);
            QCOMPARE(run.list()->count(), marked ? 4 : 5);
            QVERIFY(run.back());
        }
    }

    void abortDuringTheSearchStopsIt() {
        LoadedMain run(kIni);
        bool listShown = true;
        QVERIFY(Walk().on("Repair1FORM", [&](QWidget* page) {
            QTimer::singleShot(0, page, [page] { Click(page, "AbortBUTTON"); });
            Click(page, "OkBUTTON");
            listShown = TopLevel("Repair2FORM") != nullptr;
        }).run(run, "RepairMENU"));
        QVERIFY(!listShown);
        QCOMPARE(run.file(), kIni);
        QVERIFY(run.back());
    }

    // Another program's change is read in before the disabling writes anything, and said so; the
    // Clean Up asked for afterwards does not follow a finish that wrote nothing.
    void aFileChangedMeanwhileIsReloadedAndNothingIsWritten() {
        LoadedMain run(kIni);
        const QByteArray changed = QByteArray(kIni).replace("Title=Beta", "Title=Bet");  // another program's edit
        Walk walk;
        Through(walk, 1, 1).on("Repair2FORM", [&](QWidget* page) {
            PressSpace(List(page), 1);
            run.writeFile(changed);
            Click(page, "ForwardBUTTON");
        });
        QVERIFY(Through(walk, 3, 4).on("Repair5FORM", [](QWidget* page) {
            Click(page, "Check1");
            Click(page, "ForwardBUTTON");
        }).run(run, "RepairMENU"));
        QVERIFY(!TopLevel("CleanUpFORM"));
        QCOMPARE(run.file(), changed);
        QVERIFY(run.saidOnce("bleem!.INI was changed by another program since it was read."));
        QVERIFY(Rows(run.list()).contains("Bet") && !run.state.wizard.WizardActive);
    }

    // Finish writes nothing of its own; its page (and Clean Up from it) is Repair's finish page.
    void compareWalksItsPagesAndFinishWritesNothing() {
        LoadedMain run(kIni);
        QStringList captions, texts;
        const auto note = [&](QWidget* page) {
            captions << page->windowTitle() + " | " + run.main->windowTitle();
            QVERIFY(!run.main->isEnabled());
        };
        Walk walk;
        walk.on("Compare1FORM", [&](QWidget* page) {
            note(page);
            texts << Texts(Labels(page)) << Text(page, "OkBUTTON");
            Click(page, "OkBUTTON");
        });
        walk.on("Compare2FORM", [&](QWidget* page) {
            note(page);
            QVERIFY(!Find(page, "BackBUTTON")->isEnabled());
            Click(page, "ForwardBUTTON");
        });
        walk.on("Compare3FORM", [&](QWidget* page) {
            note(page);
            Click(page, "BackBUTTON");
        });
        walk.press("Compare2FORM", "ForwardBUTTON").press("Compare3FORM", "ForwardBUTTON");
        walk.on("Compare4FORM", [&](QWidget* page) {
            note(page);
            Click(page, "ForwardBUTTON");
        });
        QVERIFY(walk.run(run, "CompareMENU"));
        QCOMPARE(captions, (QStringList{"tolva! Compare | tolva! Compare", "tolva! Compare [1/3] | tolva! Compare [1/3]",
                                        "tolva! Compare [2/3] | tolva! Compare [2/3]",
                                        "tolva! Compare [3/3] | tolva! Compare [3/3]"}));
        QCOMPARE(texts, (QStringList{"Dieser Wizard hilft Ihnen, zwei INI-Dateien mit einander zu verbinden.",
                                     "Klicken Sie auf Start, um den Vorgang zu starten.", "Start"}));
        QCOMPARE(run.file(), kIni);
        QVERIFY(run.t.prompter.shown.isEmpty());
        QVERIFY(run.back());
    }
};

QTEST_MAIN(RepairTest)
#include "repair_test.moc"
