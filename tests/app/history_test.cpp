// Taking changes back through the real windows: Undo after each kind of change, the history
// window's difference and Restore, and Clean Up's preview against what Finish writes.
#include <QPlainTextEdit>

#include "app/host/changewatch.h"
#include "app/update/updateform.h"
#include "core/history/difference.h"
#include "core/history/history.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kIni = "; my games\r\nVersion=2001-03-04\r\n\r\n" + Entry("0000000002", "beta", "80000000H") +
                        "; a note\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H") + "\r\n" +
                        Entry("0000000003", "Gamma", "01211010H");

/// The main window on kIni, keeping the history in its temporary folder.
struct Kept : LoadedMain {
    Kept() {
        t.write(QStringLiteral("program/bleem!.INI"), kIni);
        t.write(QStringLiteral("program/Compatibility.TXT"), kTxt);
        state.folders.HistoryPath = t.path(QStringLiteral("history")).toStdString();
        if (!start()) qFatal("the main window did not start");
    }
    QAction* undo() const { return get<QAction>(QStringLiteral("UndoMENU")); }
    QString difference(QWidget* window) const { return Find<QPlainTextEdit>(window, "DifferenceTEXT")->toPlainText(); }
};

void Forward(QWidget* page) { Click(page, "ForwardBUTTON"); }

/// Each change the user makes, and the name Undo then gives it.
const struct {
    const char* action;
    std::function<void(Kept&)> change;
} kChanges[] = {
    {"Remove: beta",
     [](Kept& run) {
         run.select("beta");
         run.t.prompter.answers << MsgAnswer::Yes;
         run.trigger("RemoveMENU");
     }},
    {"Clean Up", [](Kept& run) { QVERIFY(Walk().on("CleanUpFORM", [](QWidget* w) { Click(w, "OkBUTTON"); }).run(run, "CleanUpMENU")); }},
    {"Edit: Gamma 2",
     [](Kept& run) {
         run.select("Gamma");
         Walk walk;
         walk.on("Wizard1FORM", [](QWidget* p) {
             Click(p, "editOPTION");
             Forward(p);
         });
         walk.on("Wizard2FORM", [](QWidget* p) {
             Find<QLineEdit>(p, "titleTEXT")->setText("Gamma 2");
             Forward(p);
         });
         for (int page = 3; page <= 8; ++page) walk.on(QStringLiteral("Wizard%1FORM").arg(page), Forward);
         QVERIFY(walk.run(run, "NewMENU"));
     }},
    {"Online Update: 1 entries",
     [](Kept& run) {
         const UpdateResult offer = ReadUpdate("Version=2001-03-04\r\nID=0000000007\r\nTitle=Delta\r\nFlags=8\r\n", run.state.games);
         auto* form = new UpdateFORM(*run.main, offer.update, offer.rows);
         form->show();
         Find<QListWidget>(form, "updLIST")->item(0)->setCheckState(Qt::Checked);
         Click(form, "OkBUTTON");
     }},
};

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Undo (Ctrl+Z) puts the exact bytes and the list back, is itself undone, and asks first when
    // another program wrote the file since. Neither the change nor its undo reloads by the watch.
    void undoTakesBackEachKindOfChange() {
        for (const auto& [action, change] : kChanges) {
            Kept run;
            QSignalSpy reloads(run.get<ChangeWatch>("ChangeWatch"), &ChangeWatch::changed),
                looks(run.get<ChangeWatch>("ChangeWatch"), &ChangeWatch::settled);
            const QStringList rows = Rows(run.list());
            QVERIFY(!run.undo()->isEnabled());
            change(run);
            QTRY_VERIFY_WITH_TIMEOUT(!looks.isEmpty(), 2000);
            const QByteArray changed = run.file();
            QVERIFY2(changed != kIni, action);
            QCOMPARE(run.undo()->text(), QString("Undo ") + action);
            run.main->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(run.main.get()));
            QTest::keyClick(run.get("SearchTEXT"), Qt::Key_Z, Qt::ControlModifier);  // nothing typed to undo there
            QCOMPARE(run.file(), kIni);
            QCOMPARE(Rows(run.list()), rows);
            QCOMPARE(run.undo()->text(), QString("Undo Undo ") + action);
            const qsizetype looked = looks.size();
            QTRY_VERIFY_WITH_TIMEOUT(looks.size() > looked, 2000);
            QCOMPARE(reloads.size(), 0);
            run.writeFile(kIni + "; theirs\r\n");
            const qsizetype asked = run.t.prompter.shown.size();
            run.t.prompter.answers << MsgAnswer::No;
            run.undo()->trigger();
            QVERIFY(run.t.prompter.shown.value(asked).text.contains("changed by another program"));
            QCOMPARE(run.file(), kIni + "; theirs\r\n");
        }
    }

    // Beside a usable main window, the history follows every change (the chosen version stays
    // chosen), waits while a blocking window runs, and restores a version as Undo does.
    void theHistoryWindowFollowsChangesAndRestoresAVersion() {
        Kept run;
        kChanges[0].change(run);
        run.trigger("HistoryMENU");
        QWidget* w = TopLevel("HistoryFORM");
        QVERIFY(w && w->isVisible() && run.main->isEnabled());
        auto* versions = Find<QListWidget>(w, "VersionLIST");
        const auto row = [&](int k) { return versions->item(k)->text(); };
        QVERIFY2(row(0).contains("Remove: beta") && row(0).endsWith("(3 entries)"), qPrintable(row(0)));
        const QString removal = run.difference(w);
        QVERIFY(removal.contains("-ID=0000000002\n-Title=beta\n-Flags=80000000H\n"
                                 "+;ID=0000000002\n+;Title=beta\n+;Flags=80000000H\n"));
        bool waited = false;
        QVERIFY(Walk().on("CleanUpFORM", [&](QWidget* c) {
            waited = !w->isEnabled();
            Click(c, "OkBUTTON");
        }).run(run, "CleanUpMENU"));
        QVERIFY(waited && w->isEnabled());
        QCOMPARE(versions->count(), 2);
        QVERIFY(row(1).contains("Remove: beta") && versions->currentRow() == 1);  // still the chosen one
        QVERIFY(run.difference(w) != removal);                                    // against the cleaned file
        Click(w, "RestoreBUTTON");
        QCOMPARE(run.file(), kIni);
        QCOMPARE(versions->count(), 3);
        QCOMPARE(versions->currentRow(), 2);
        QCOMPARE(run.difference(w), QString("No line differs."));  // the chosen version is the file now
        run.undo()->trigger();                                     // Undo reaches the companion too
        QVERIFY(run.file() != kIni && versions->count() == 4 && run.difference(w) != QString("No line differs."));
        versions->setCurrentRow(0);  // the newest: the file before the Undo
        Click(w, "RestoreBUTTON");
        QVERIFY(run.file() == kIni && versions->count() == 5);
        Click(w, "CloseBUTTON");
        QTRY_VERIFY(!TopLevel("HistoryFORM"));
    }

    // When the chosen version is the oldest and the next change drops it from the history, the
    // oldest left is chosen; a chosen version that stays in the history stays chosen.
    void theChosenVersionFollowsTheHistoryAsItIsCut() {
        Kept run;
        kChanges[0].change(run);
        run.trigger("HistoryMENU");
        QWidget* w = TopLevel("HistoryFORM");
        auto* versions = Find<QListWidget>(w, "VersionLIST");
        const int kept = static_cast<int>(kKeptVersions);
        for (int k = 1; k < kept; ++k) run.undo()->trigger();  // each Undo is a change of its own
        QCOMPARE(versions->count(), kept);
        for (const int chosen : {kept - 1, kept - 2}) {
            versions->setCurrentRow(chosen);
            const QString action = versions->item(kept - 2)->text().section("   ", 1, 1);  // next to last
            run.undo()->trigger();
            QCOMPARE(versions->count(), kept);
            QCOMPARE(versions->currentRow(), kept - 1);
            QCOMPARE(versions->currentItem()->text().section("   ", 1, 1), action);
            QVERIFY(Find(w, "RestoreBUTTON")->isEnabled());
        }
        Click(w, "CloseBUTTON");
    }

    void cleanUpsPreviewIsWhatFinishWrites() {
        Kept run;
        QString preview;
        QVERIFY(Walk()
                    .on("CleanUpFORM", [](QWidget* w) {
                        Click(w, "Check1");
                        Click(w, "PreviewBUTTON");
                    })
                    .on("PreviewFORM", [&](QWidget* w) {
                        preview = run.difference(w);
                        Click(w, "CloseBUTTON");
                    })
                    .on("CleanUpFORM", [&](QWidget* w) {
                        QCOMPARE(run.file(), kIni);  // the preview wrote nothing
                        Click(w, "OkBUTTON");
                    })
                    .run(run, "CleanUpMENU"));
        QVERIFY(preview.contains("-; a note\n"));
        QCOMPARE(preview, QString::fromStdString(LineDifference(kIni.toStdString(), run.file().toStdString())));
    }
};

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
