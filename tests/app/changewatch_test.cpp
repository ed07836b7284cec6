// Another program changes bleem!'s files while the main window is open: a shell writes them, and
// the window follows, waits for its blocking windows, and never writes the change away.
#include <QSignalSpy>

#include "app/host/changewatch.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kIni = "Version=1\r\n" + Entry("0000000001", "Alpha", "40000000H") +
                        Entry("0000000003", "Gamma", "80000000H") + Entry("0000000003", "Gamma", "80000000H");
const QByteArray kBeta = Entry("0000000002", "Beta", "80000000H");
const QString kReloaded = QStringLiteral("bleem!.INI was changed by another program and has been reloaded.");

/// The window on kIni, with the watch's reloads and looks counted.
struct Watched : LoadedMain {
    Watched() : LoadedMain(kIni) {}
    ChangeWatch* watch() const { return Find<ChangeWatch>(main.get(), QStringLiteral("ChangeWatch")); }
    QString ini() const { return t.path(QStringLiteral("program/bleem!.INI")); }
    /// The other program: a shell running script with bleem!.INI as $1.
    void shell(const QString& script) const {
        QCOMPARE(QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"), ini()}), 0);
    }
    void append(const QByteArray& entry) const { shell("printf '" + QString::fromLatin1(entry).replace("\r\n", "\\r\\n") + "' >> \"$1\""); }
    QSignalSpy reloads{watch(), &ChangeWatch::changed};
    QSignalSpy looks{watch(), &ChangeWatch::settled};
};

}  // namespace

class ChangeWatchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The selected twin stays selected though an entry sorted before it moves it down a row.
    void anAppendedEntryAppearsWithinASecondAndTheSelectionStays() {
        Watched run;
        run.list()->setCurrentRow(2);
        const int twin = run.state.games.GameTwin[2];
        run.append(kBeta);
        QVERIFY(run.reloads.wait(1000));
        QCOMPARE(Rows(run.list()), QStringList({"Alpha", "Beta", "Gamma", "Gamma"}));
        QCOMPARE(run.selected(), QString("Gamma"));
        QCOMPARE(run.state.games.GameTwin[static_cast<std::size_t>(run.list()->currentRow())], twin);
        QCOMPARE(Text(run.main.get(), "ChangedLABEL"), kReloaded);
        QVERIFY(run.t.prompter.shown.isEmpty());
    }

    void twoReplacementsByRenameInARowAreBothSeen() {
        Watched run;
        for (const char* title : {"Delta", "Omega"}) {
            run.shell(QStringLiteral("cp \"$1\" \"$1.new\" && printf 'ID=9\\r\\nTitle=%1\\r\\nFlags=0\\r\\n' >> \"$1.new\" && "
                                     "mv \"$1.new\" \"$1\"").arg(title));
            QVERIFY(run.reloads.wait(1000));
            QVERIFY(Rows(run.list()).contains(title));
        }
    }

    // The shell's writes come apart in time; the reload after a later write counts them.
    void aBurstOfThreeWritesGivesOneReload() {
        Watched run;
        QProcess burst;
        burst.start("/bin/sh", {"-c", "for n in 4 5 6; do printf \"ID=$n\\r\\nTitle=T$n\\r\\nFlags=0\\r\\n\" >> \"$1\"; sleep 0.03; done",
                                "sh", run.ini()});
        QVERIFY(run.reloads.wait(2000));
        burst.waitForFinished();  // false when it has finished already
        QCOMPARE(burst.exitCode(), 0);
        run.append(kBeta);
        QVERIFY(run.reloads.wait(1000));
        QCOMPARE(run.reloads.count(), 2);
        QCOMPARE(run.list()->count(), 7);
    }

    // Aborted, the wizard lets the reload in when it closes; a Finish (an Add) writes onto the
    // file as it is now, and its own write then reloads nothing more.
    void aChangeWhileTheWizardIsOpenIsAppliedAfterItCloses() {
        for (const bool finish : {false, true}) {
            Watched run;
            Walk walk;
            walk.on("Wizard1FORM", [&](QWidget* page) {
                run.append(kBeta);
                QVERIFY(QSignalSpy(run.watch(), &ChangeWatch::heldBack).wait(2000));
                Click(page, finish ? "ForwardBUTTON" : "AbortBUTTON");
            });
            if (finish) {
                walk.on("Wizard2FORM", [](QWidget* p) {
                    Find<QLineEdit>(p, "titleTEXT")->setText("Zeta");
                    Find<QLineEdit>(p, "idTEXT")->setText("0000000026");
                    Click(p, "ForwardBUTTON");
                });
                for (int page = 3; page <= 8; ++page) walk.press(QStringLiteral("Wizard%1FORM").arg(page), "ForwardBUTTON");
            }
            QVERIFY(walk.run(run, "NewMENU"));
            QVERIFY(run.looks.wait(1000));
            QCOMPARE(run.reloads.count(), finish ? 0 : 1);
            QVERIFY(Rows(run.list()).contains("Beta"));
            QCOMPARE(Rows(run.list()).contains("Zeta"), finish);
        }
    }

    // Finish reloads first and writes nothing; pressed again, it cleans the file with the entry.
    void cleanUpAfterAnotherProgramsAppendKeepsThatEntry() {
        Watched run;
        QVERIFY(Walk().on("CleanUpFORM", [&](QWidget* w) {
            run.append(kBeta);
            const QByteArray theirs = run.file();
            Click(w, "OkBUTTON");
            QCOMPARE(run.file(), theirs);
            QVERIFY(Rows(run.list()).contains("Beta"));
            QCOMPARE(run.t.prompter.shown.size(), 1);
            QVERIFY(run.t.prompter.shown[0].text.startsWith("bleem!.INI was changed by another program since it was read."));
            Click(w, "OkBUTTON");
        }).run(run, "CleanUpMENU"));
        QVERIFY(run.file().contains("\r\n" + kBeta));
        QCOMPARE(run.file().count("ID="), 4);
    }

    // One message however often the folder changes meanwhile; no file is made in its place.
    void theFileDeletedThenWrittenBack() {
        Watched run;
        const QStringList rows = Rows(run.list());
        run.shell("rm \"$1\"");
        QVERIFY(run.looks.wait(1000));
        run.shell("touch \"$1.other\"");
        QVERIFY(run.looks.wait(1000));
        QCOMPARE(run.t.prompter.shown.size(), 1);
        QVERIFY(run.t.prompter.shown[0].text.startsWith("bleem!.INI was deleted or cannot be read any more ("));
        QCOMPARE(Rows(run.list()), rows);
        QVERIFY(!QFile::exists(run.ini()));
        run.shell("printf 'ID=7\\r\\nTitle=Back\\r\\nFlags=0\\r\\n' > \"$1\"");
        QVERIFY(run.reloads.wait(1000));
        QCOMPARE(Rows(run.list()), QStringList("Back"));
        QCOMPARE(run.t.prompter.shown.size(), 1);
    }

    // Compatibility.TXT is read again as at a start: Alpha joins the new record.
    void compatibilityTxtChangedIsReadAgain() {
        Watched run;
        run.select("Alpha");
        QCOMPARE(Text(run.main.get(), "PublisherTEXT"), QString("Nowhere Soft"));
        run.shell("txt=\"${1%/*}/Compatibility.TXT\"; sed 's/Nowhere Soft/Somewhere Else/' \"$txt\" > \"$1.t\" && mv \"$1.t\" \"$txt\"");
        QVERIFY(run.reloads.wait(1000));
        QCOMPARE(run.selected(), QString("Alpha"));
        QCOMPARE(Text(run.main.get(), "PublisherTEXT"), QString("Somewhere Else"));
    }
};

QTEST_MAIN(ChangeWatchTest)
#include "changewatch_test.moc"
