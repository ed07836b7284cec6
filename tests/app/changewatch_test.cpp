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

/// An entry's lines as an argument of printf.
QString Lines(const QString& title) { return "'ID=9\\r\\nTitle=" + title + "\\r\\nFlags=0\\r\\n'"; }

/// The window on kIni, with the watch's reloads and looks counted.
struct Watched : LoadedMain {
    Watched() : LoadedMain(kIni) {}
    ChangeWatch* watch() const { return get<ChangeWatch>("ChangeWatch"); }
    QString ini() const { return t.path(QStringLiteral("program/bleem!.INI")); }
    /// The other program: a shell running script with bleem!.INI as $1.
    void shell(const QString& script) const { QCOMPARE(QProcess::execute("/bin/sh", {"-c", script, "sh", ini()}), 0); }
    void append(const QString& title) const { shell("printf " + Lines(title) + " >> \"$1\""); }
    QSignalSpy reloads{watch(), &ChangeWatch::changed}, looks{watch(), &ChangeWatch::settled};
};

}  // namespace

class ChangeWatchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The selected twin stays though an entry sorted before it moves it down a row; a changed Compatibility.TXT
    // is read as at a start (Alpha joins its new record); a burst of three writes spread in time is one reload.
    void anAppendedEntryAppearsWithinASecondAndTheSelectionStays() {
        Watched run;
        run.list()->setCurrentRow(2);
        const int twin = run.state.games.GameTwin[2];
        run.append("Beta");
        QVERIFY(run.reloads.wait(1000));
        QCOMPARE(Rows(run.list()), QStringList({"Alpha", "Beta", "Gamma", "Gamma"}));
        QVERIFY(run.selected() == "Gamma" && run.state.games.GameTwin[static_cast<std::size_t>(run.list()->currentRow())] == twin);
        QCOMPARE(Text(run.main.get(), "ChangedLABEL"), QString("bleem!.INI was changed by another program and has been reloaded."));
        QVERIFY(run.t.prompter.shown.isEmpty());
        run.select("Alpha");
        QCOMPARE(Text(run.main.get(), "PublisherTEXT"), QString("Nowhere Soft"));
        run.shell("txt=\"${1%/*}/Compatibility.TXT\"; sed 's/Nowhere Soft/Somewhere Else/' \"$txt\" > \"$1.t\" && mv \"$1.t\" \"$txt\"");
        QVERIFY(run.reloads.wait(1000));
        QCOMPARE(run.selected() + Text(run.main.get(), "PublisherTEXT"), QString("AlphaSomewhere Else"));
        QProcess burst;
        burst.start("/bin/sh", {"-c", "for n in 4 5 6; do printf " + Lines("'T$n'") + " >> \"$1\"; sleep 0.03; done", "sh", run.ini()});
        QVERIFY(run.reloads.wait(2000));
        run.append("Omega");
        QVERIFY(run.reloads.wait(1000));
        QCOMPARE(run.reloads.count(), 4);
        QCOMPARE(run.list()->count(), 8);
    }

    // Aborted, the wizard lets the reload in when it closes; a Finish (an Add) writes onto the
    // file as it is now, and its own write then reloads nothing more.
    void aChangeWhileTheWizardIsOpenIsAppliedAfterItCloses() {
        for (const bool finish : {false, true}) {
            Watched run;
            Walk walk;
            walk.on("Wizard1FORM", [&](QWidget* page) {
                run.append("Beta");
                QVERIFY(QSignalSpy(run.watch(), &ChangeWatch::heldBack).wait(2000));
                Click(page, finish ? "ForwardBUTTON" : "AbortBUTTON");
            });
            if (finish) walk.on("Wizard2FORM", [](QWidget* p) {
                Find<QLineEdit>(p, "titleTEXT")->setText("Zeta");
                Find<QLineEdit>(p, "idTEXT")->setText("0000000026");
                Click(p, "ForwardBUTTON");
            });
            for (int page = 3; finish && page <= 8; ++page) walk.press(QStringLiteral("Wizard%1FORM").arg(page), "ForwardBUTTON");
            QVERIFY(walk.run(run, "NewMENU"));
            QVERIFY(run.looks.wait(1000));
            QCOMPARE(run.reloads.count(), finish ? 0 : 1);
            QCOMPARE(Rows(run.list()).filter(QRegularExpression("^(Beta|Zeta)$")), finish ? QStringList({"Beta", "Zeta"}) : QStringList("Beta"));
        }
    }

    // A change seen while a message is open is read once the message is answered, and only then.
    void aChangeWhileAMessageIsOpenIsReadWhenItCloses() {
        Watched run;
        int heldRows = -1;
        run.t.prompter.onShow = [&](const Message&) {
            run.append("Beta");
            QVERIFY(QSignalSpy(run.watch(), &ChangeWatch::heldBack).wait(2000));
            heldRows = run.list()->count();
        };
        run.t.prompter.answers << MsgAnswer::No;
        run.list()->setCurrentRow(0);
        run.trigger("RemoveMENU");
        QVERIFY(run.reloads.wait(1000));
        QCOMPARE(heldRows, 3);
        QCOMPARE(run.list()->count(), 4);
        const qsizetype looked = run.looks.count();  // each file looked at once
        QTest::qWait(3 * ChangeWatch::kSettleMs);  // and a quiet file not again
        QCOMPARE(run.looks.count(), looked);
        QCOMPARE(run.reloads.count(), 1);
    }

    // Another Compatibility.TXT chosen is read at the next start; meanwhile neither it nor the
    // one left is read again when another program changes them.
    void aCompatibilityFileChosenInsteadIsReadOnlyAtTheNextStart() {
        Watched run;
        run.t.write("other/Compatibility.TXT", kTxt);
        QVERIFY(Walk().on("Search2FORM", [&](QWidget* search) {
            Find<QLineEdit>(search, "PathTEXT")->setText(run.t.path("other"));
            Click(search, "OkBUTTON");
        }).run(run, "OtherTxtMENU"));
        run.reloads.clear();
        for (const QString& file : {run.t.path("other/Compatibility.TXT"), run.t.path("program/Compatibility.TXT")})
            QCOMPARE(QProcess::execute("/bin/sh", {"-c", "printf '|Gamma|Far Soft|SLUS-90003|E|x|Yes!||fine|\\r\\n' >> \"$1\"",
                                                   "sh", file}), 0);
        QTest::qWait(3 * ChangeWatch::kSettleMs);
        QCOMPARE(run.reloads.count(), 0);
    }

    // Finish reloads first and writes nothing; pressed again, it cleans the file with the entry.
    void cleanUpAfterAnotherProgramsAppendKeepsThatEntry() {
        Watched run;
        QVERIFY(Walk().on("CleanUpFORM", [&](QWidget* w) {
            run.append("Beta");
            const QByteArray theirs = run.file();
            Click(w, "OkBUTTON");
            QCOMPARE(run.file(), theirs);
            QVERIFY(Rows(run.list()).contains("Beta") && run.saidOnce("bleem!.INI was changed by another program since it was read."));
            Click(w, "OkBUTTON");
        }).run(run, "CleanUpMENU"));
        QVERIFY(run.file().contains("\r\nID=9\r\nTitle=Beta\r\n"));
        QCOMPARE(run.file().count("ID="), 4);
    }

    // Two replacements by rename, a deletion (one message however often the folder changes
    // meanwhile, no file made in its place), the file written back: each is followed.
    void replacementsADeletionAndAWriteBackAreEachFollowed() {
        Watched run;
        for (const char* title : {"Delta", "Omega"}) {
            run.shell("cp \"$1\" \"$1.new\" && printf " + Lines(title) + " >> \"$1.new\" && mv \"$1.new\" \"$1\"");
            QVERIFY(run.reloads.wait(1000) && Rows(run.list()).contains(title));
        }
        const QStringList rows = Rows(run.list());
        for (const char* script : {"rm \"$1\"", "touch \"$1.other\""}) {
            run.shell(script);
            QVERIFY(run.looks.wait(1000));
        }
        QVERIFY(run.saidOnce("bleem!.INI was deleted or cannot be read any more ("));
        QVERIFY(Rows(run.list()) == rows && !QFile::exists(run.ini()));
        run.shell("printf " + Lines("Back") + " > \"$1\"");
        QVERIFY(run.reloads.wait(1000));
        QVERIFY(Rows(run.list()) == QStringList("Back") && run.t.prompter.shown.size() == 1);
    }
};

QTEST_MAIN(ChangeWatchTest)
#include "changewatch_test.moc"
