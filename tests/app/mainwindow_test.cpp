// The real main window on temporary folders and scripted settings: start-up, the other folders,
// the list, the search box and the details, the menus, removing and cleaning up.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTranslator>

#include "app/host/toolwindow.h"
#include "app/mainwindow/mainform.h"
#include "app/platform/access.h"
#include "app/platform/coretext.h"
#include "app/platform/resources.h"
#include "app/platform/style.h"
#include "app/platform/text.h"
#include "app/startup/commandline.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kHeader = "; my games\r\n; keep this\r\n\r\n";
/// A companion of the test's own: counts how often the host told it that the table changed.
class Companion final : public ToolWindow {
public:
    explicit Companion(MainHost& host) : ToolWindow(host, "CompanionFORM", QStringLiteral(" Companion")) {}
    void tableChanged() override { ++told; }
    int told = 0;
};

const QByteArray kIni = kHeader + "Version=2001-03-04\r\n\r\n" + Entry("0000000002", "beta", "80000000H") +
                        "; a note\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H") + "\r\n" +
                        Entry("0000000003", "Gamma", "01211010H");

// Disc ID 0172831837 stands in the disc ID table with SLPS-00982.
const QByteArray kDetailsIni = "Version=3\r\n" + Entry("0172831837", "Ocean Odyssey", "01211010H") +
                               Entry("1111111111", "Final Quest VII", "80005000H") +
                               Entry("2222222222", "Final Fury", "40000000H") +
                               Entry("3333333333", "Zebra Zone", "80000000H") + Entry("4444444444", "Fin", "07000000H");
const QByteArray kDetailsTxt =
    "Header|Title|Publisher|Product Code|Region|x|Status|D3D|Details|\r\n"
    "|Deep Sea Trip (JP)|Wave Works|SLPS-00982|J|x|Partially|yes|Minor glitches in the menus|\r\n"
    "|FINAL QUEST VII|Big Square|SLUS-90010|U/C|x|Yes!||Runs fine|\r\n"
    "|Final Fury Special|Fury Inc|SLUS-90011|PAL|x|Yes!|yes|wrong status, never joined|\r\n";

QString Sep() { return QDir::separator(); }
QString IniPath(const LoadedMain& run) { return QString::fromStdString(run.state.folders.IniPath); }
QString TxtPath(const LoadedMain& run) { return QString::fromStdString(run.state.folders.TxtPath); }
bool Hidden(const LoadedMain& run, const char* name) { return run.get(name)->isHidden(); }
/// The fields of a game's Compatibility.TXT record, hidden while the file is switched off.
const QList<const char*> kRecordFields = {"PublisherLABEL", "PublisherTEXT", "CountryLABEL", "CountryTEXT", "DetailsLABEL",
                                          "DetailsTEXT", "ProductCodeLABEL", "ProductCodeTEXT"};
qsizetype HiddenRecordFields(const LoadedMain& run) {
    return std::count_if(kRecordFields.begin(), kRecordFields.end(), [&](const char* name) { return Hidden(run, name); });
}

/// What a caption shows: a label with a buddy, a button and a group box take "&" as a mnemonic.
QString Shown(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->buddy() ? WithoutAccessKey(label->text()) : label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return WithoutAccessKey(button->text());
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return WithoutAccessKey(frame->title());
    return {};
}

/// Every caption, label and the title of a window, as shown, must hold each of texts.
void ExpectCaptions(QWidget* window, const QStringList& texts) {
    QStringList shown = {window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) shown << Shown(w);
    for (const QString& text : texts) QVERIFY2(shown.contains(text), qPrintable(window->objectName() + ": " + text));
}

/// Types text key by key, as a keyboard of any layout would (keyClicks sends Latin-1 only).
void Type(QWidget* w, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLine() {
        QCoreApplication::setApplicationVersion("9.8.7");
        const struct {
            QStringList arguments;
            bool finish;
            int exitCode;
            QString output;  // the start of it
        } cases[] = {
            {{"tolva"}, false, 0, ""},
            {{"tolva", "--version"}, true, 0, "tolva! 9.8.7\n"},
            {{"tolva", "-h"}, true, 0, "Usage: "},
            {{"tolva", "--nonsense"}, true, 2, "tolva: Unknown option 'nonsense'."},
            {{"tolva", "--identify", "a.iso", "-x"}, true, 2, "tolva: Unknown option 'x'."},
            {{"tolva", "a", "b"}, true, 2, "tolva: one FOLDER at most, not 2"},
            {{"tolva", "--txt=x"}, true, 2, "tolva: --txt goes with --identify"},
            {{"tolva", "--identify"}, true, 2, "tolva: --identify needs at least one disc image, drive or folder"},
            {{"tolva", "--identify", "a", "--format", "xml"}, true, 2, "tolva: --format takes tsv or json, not 'xml'"},
            {{"tolva", "--identify", "a", "--ini"}, true, 2, "tolva: Missing value after '--ini'."},
            {{"tolva", "--identify", "a.iso", "b.cue", "--ini", "x"}, false, 0, ""},
        };
        for (const auto& c : cases) {
            const CommandLine line = ParseCommandLine(c.arguments);
            QCOMPARE(line.finish, c.finish);
            QCOMPARE(line.exitCode, c.exitCode);
            QCOMPARE(line.output.left(c.output.size()), c.output);
        }
        for (const char* option : {"[FOLDER", "--identify", "--ini <folder>", "--txt <folder>", "--format <tsv|json>",
                                   "Example: tolva --identify", "--version"})
            QVERIFY2(ParseCommandLine({"tolva", "-h"}).output.contains(option), option);
        const IdentifyOptions identify =
            ParseCommandLine({"tolva", "--identify", "a.iso", "--txt=y", "b.cue", "--ini", "x", "--format", "json", "--", "-c"}).identify;
        QCOMPARE(identify.discs, QStringList({"a.iso", "b.cue", "-c"}));
        QVERIFY(identify.iniFolder == "x" && identify.txtFolder == "y" && identify.json);
        QCOMPARE(ParseCommandLine({"tolva", "x/../data/"}).options.folder,
                 QDir::toNativeSeparators(QDir::currentPath() + "/data"));
    }

    void aStartFolderServesThisRunOnly() {
        for (bool holdsIni : {true, false}) {
            LoadedMain run;
            run.prepare(kIni);
            if (holdsIni) run.t.write("given/BLEEM!.ini", Entry("0000000009", "Zeta", "80000000H"));
            run.t.write("given/Compatibility.TXT", kTxt);
            run.t.settings.values["INI Path"] = run.t.path("program") + Sep();  // a trailing separator is dropped
            const auto stored = run.t.settings.values;
            UseStartFolder({run.t.path("given")}, run.state.folders, run.t.platform);
            QVERIFY(run.start());
            QCOMPARE(run.t.settings.values, stored);
            const QString used = run.t.path(holdsIni ? "given" : "program");
            QCOMPARE(IniPath(run), used);
            QCOMPARE(TxtPath(run), used);
            QCOMPARE(run.list()->count(), holdsIni ? 1 : 3);
            const Message absent{"tolva!", "There is no bleem!.INI in " + run.t.path("given") +
                                               ".\n\ntolva! looks for it where it usually does.", MsgIcon::Exclamation};
            QCOMPARE(run.t.prompter.shown, holdsIni ? Said({}) : Said({absent}));
        }
    }

    void filesBesideTheProgramNeedNoSettings() {
        LoadedMain run(kIni);
        QCOMPARE(IniPath(run), run.t.program.dir);
        QCOMPARE(TxtPath(run), run.t.program.dir);
        QVERIFY(!run.t.settings.reads.contains("INI Path") && !run.t.settings.reads.contains("TXT Path"));
        QCOMPARE(Rows(run.list()), QStringList({"Alpha", "beta", "Gamma"}));
        QCOMPARE(run.list()->currentRow(), 0);
        QStringList counts;
        for (const char* name : {"versionTEXT", "YesTEXT", "NoTEXT", "PartTEXT", "TotalTEXT"})
            counts << Text(run.main.get(), name);
        QCOMPARE(counts, QStringList({"2001-03-04", "1 (33.3%)", "1 (33.3%)", "1 (33.3%)", "3"}));
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
        QVERIFY(run.t.prompter.shown.isEmpty());
        for (const char* name : {"RepairMENU", "CompareMENU"}) QVERIFY2(!run.get<QAction>(name)->isEnabled(), name);
    }

    // Asked for at start-up, the folder may be typed or taken from the wine prefixes' bleem! folders.
    // Folders stored by an earlier run are used, with or without a trailing separator.
    void storedFoldersAreUsed() {
        LoadedMain run;
        run.t.write("stored/bleem!.INI", kIni);
        run.t.write("other/Compatibility.TXT", kTxt);
        run.t.settings.values["INI Path"] = run.t.path("stored");
        run.t.settings.values["TXT Path"] = run.t.path("other") + Sep();
        QVERIFY(run.start());
        QCOMPARE(IniPath(run), run.t.path("stored"));
        QCOMPARE(TxtPath(run), run.t.path("other"));
        QCOMPARE(run.list()->count(), 3);
    }

    void aStaleStoredPathAsksForTheFolderAndSavesIt() {
        LoadedMain run;
        run.t.write("program/Compatibility.TXT", kTxt);
        run.t.write("home/.wine/drive_c/Program Files/bleem/bleem!.INI", kIni);
        run.t.settings.values["INI Path"] = run.t.path("gone") + Sep();
        const QString found = run.t.path("home/.wine/drive_c/Program Files/bleem");
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", run.t.path("home").toLocal8Bit());
        bool started = false;
        QVERIFY(Walk().on("SearchFORM", [&](QWidget* search) {
            QCOMPARE(search->windowTitle(), QString("tolva!"));
            QCOMPARE(Text(search, "PathTEXT"), QString());
            QVERIFY(!Find(search, "OkBUTTON")->isEnabled());
            QVERIFY(Checked(search, "SaveCHECK"));  // saving is the default
            auto* offered = Find<QListWidget>(search, "FoundLIST");
            QVERIFY(offered->isVisible());
            QCOMPARE(Rows(offered), QStringList{found});
            offered->setCurrentRow(0);
            QCOMPARE(Text(search, "PathTEXT"), found);
            QVERIFY(Find(search, "OkBUTTON")->isEnabled());
            Click(search, "OkBUTTON");
        }).run([&] { started = run.start(); }));
        qputenv("HOME", home);
        QVERIFY(started);
        QCOMPARE(IniPath(run), found);
        QCOMPARE(run.t.settings.values["INI Path"], found);
        QCOMPARE(run.list()->count(), 3);
    }

    void abortOrFrameCloseAtStartUpEndsTheProgram() {
        for (bool frame : {false, true}) {
            LoadedMain run;
            run.t.write("program/Compatibility.TXT", kTxt);
            bool started = true;
            QVERIFY(Walk().on("SearchFORM", [frame](QWidget* search) { Leave(search, frame); }).run([&] {
                started = run.start();
            }));
            QVERIFY(!started && run.t.terminator.ended());
            QCOMPARE(run.t.prompter.shown,
                     Said({{"Aborted by user", "tolva! could not be started.", MsgIcon::Critical}}));
        }
    }

    // Asked for when not found, the folder serves this run only unless Save is ticked.
    void theCompatibilityFolderIsAskedForAndStoredWhenTicked() {
        LoadedMain run;
        run.writeFile(kIni);
        run.t.write("elsewhere/Compatibility.TXT", kTxt);
        run.t.write("second/Compatibility.TXT", kTxt);
        const auto choose = [&run](const char* folder, bool save) {
            return Walk().on("Search2FORM", [&run, folder, save](QWidget* search) {
                QVERIFY(Text(search, "LABEL").contains("\"compatiblity.txt\""));
                Find<QLineEdit>(search, "PathTEXT")->setText(run.t.path(folder) + Sep());
                Find<QCheckBox>(search, "SaveCHECK")->setChecked(save);
                Click(search, "OkBUTTON");
            });
        };
        bool started = false;
        QVERIFY(choose("elsewhere", false).run([&] { started = run.start(); }));
        QVERIFY(started);
        QCOMPARE(TxtPath(run), run.t.path("elsewhere"));  // kept without the separator typed
        QVERIFY(!run.t.settings.values.contains("TXT Path"));
        QVERIFY(choose("second", true).run(run, "OtherTxtMENU"));
        QVERIFY(run.back());
        QCOMPARE(TxtPath(run), run.t.path("second"));
        QCOMPARE(run.t.settings.values["TXT Path"], run.t.path("second") + Sep());
        QCOMPARE(run.list()->count(), 3);
    }

    void otherFolderMenusReloadOnlyOnChange() {
        LoadedMain run(kIni);
        run.t.write("second/bleem!.INI", Entry("0000000009", "Zeta", "80000000H"));
        run.t.write("picked/bleem!.INI", kIni);
        run.t.write("picked/other.txt", "x");
        run.t.chooser.picks << run.t.path("picked/other.txt") << QString();  // the second cancelled
        for (bool frame : {false, true}) {
            QVERIFY(Walk().on("SearchFORM", [&](QWidget* search) {
                QVERIFY(!run.main->isEnabled());
                QCOMPARE(Text(search, "PathTEXT"), run.t.program.dir);
                if (frame) return (void)search->close();
                for (int pick = 0; pick < 2; ++pick) {  // the second pick is cancelled
                    Click(search, "SearchBUTTON");
                    QCOMPARE(Text(search, "PathTEXT"), run.t.path("picked") + Sep());
                }
                Click(search, "AbortBUTTON");
            }).run(run, "OtherIniMENU"));
            QCOMPARE(IniPath(run), run.t.program.dir);  // left without OK: the old folder
            QVERIFY(run.back() && !run.t.terminator.ended());
        }
        QCOMPARE(run.t.chooser.folders.value(0), run.t.program.dir + Sep());
        QVERIFY(run.t.chooser.filters.value(0).startsWith("bleem!.INI (bleem!.INI"));
        QVERIFY(Walk().on("SearchFORM", [&](QWidget* search) {
            Find<QLineEdit>(search, "PathTEXT")->setText(run.t.path("second"));
            Click(search, "OkBUTTON");
        }).run(run, "OtherIniMENU"));
        QVERIFY(run.back());
        QCOMPARE(Rows(run.list()), QStringList{"Zeta"});
    }

    void txtUpdateSettingAtStartUp() {
        const QList<QPair<QString, bool>> cases = {{"FALSE", false}, {"False", false}, {"True", true}, {"no", true}, {"", true}};
        for (const auto& [stored, on] : cases) {
            LoadedMain run;
            run.prepare(kIni);
            if (!stored.isEmpty()) run.t.settings.values["TxtUpdate"] = stored;
            QVERIFY(run.start());
            QCOMPARE(run.get<QAction>("AcuMENU")->isChecked(), on);
            QCOMPARE(run.state.txt.TxtCount > 0, on);  // switched off, the file is not even read
            QCOMPARE(HiddenRecordFields(run), on ? 0 : kRecordFields.size());
            // Alpha's product code comes from Compatibility.TXT alone.
            QCOMPARE(Text(run.main.get(), "ProductCodeTEXT"), on ? QString("SLUS-90001") : QString());
        }
    }

    // Off hides the record's fields; on reads the file again with the main window disabled only
    // meanwhile, keeps every join, frees the records the joins consumed and shows the game anew.
    void switchingCompatibilityOffAndOn() {
        LoadedMain run(kDetailsIni, kDetailsTxt);
        run.select("Final Quest VII");  // joined to record 2 by its title, which consumes it
        const int row = run.list()->currentRow();
        QCOMPARE(run.state.txt.TxtTitleUpper[2], std::string("***clear***"));
        run.trigger("AcuMENU");
        QVERIFY(!run.get<QAction>("AcuMENU")->isChecked());
        QCOMPARE(run.t.settings.values["TxtUpdate"], QString("False"));
        run.select("Ocean Odyssey");
        QVERIFY(HiddenRecordFields(run) == kRecordFields.size() && !run.get("d3dPICTURE")->isVisible());
        run.trigger("AcuMENU");
        QVERIFY(run.get<QAction>("AcuMENU")->isChecked());
        QCOMPARE(run.t.settings.values["TxtUpdate"], QString("True"));
        QVERIFY(run.main->isEnabled());
        QCOMPARE(HiddenRecordFields(run), 0);
        QCOMPARE(Text(run.main.get(), "PublisherTEXT"), QString("Wave Works"));
        QCOMPARE(run.state.games.GameTxtIndex[row], 2);
        QCOMPARE(run.state.txt.TxtTitleUpper[2], std::string("FINAL QUEST VII"));
    }

    void aSecondCopyOrAnEmptyDatabaseEndsTheProgram() {
        const struct {
            bool running;
            QByteArray ini;
            Message said;
        } cases[] = {{true, kIni, {"tolva!", "tolva! is already in use", MsgIcon::Critical}},
                     {false, "Version=1\r\n; nothing else\r\n",
                      {"tolva! Error", "bleem!'s game compatibility database is missing!", MsgIcon::Critical}}};
        for (const auto& c : cases) {
            LoadedMain run;
            run.t.instance.running = c.running;
            run.prepare(c.ini);
            QVERIFY(!run.start());
            QVERIFY(run.t.terminator.ended());
            QCOMPARE(run.t.prompter.shown, Said({c.said}));
        }
    }

    // At start-up and in the writers: bleem!.INI that cannot be read, Cancel, the program ends.
    void cancelInTheCommonErrorMessageEnds() {
        LoadedMain run;
        run.prepare("Title=Orphan\r\n" + Entry("0000000001", "Alpha", "80000000H"));
        run.t.prompter.answers.enqueue(MsgAnswer::Cancel);
        QVERIFY(!run.start());
        QVERIFY(run.t.terminator.ended());
        const QString text = run.t.prompter.shown.value(0).text;
        QVERIFY(text.startsWith("Description : "));
        QVERIFY(text.endsWith("\r\nModul : GLOBAL.ReadINI\r\n\r\nplease contact me : tolva@tolva.example\r\n\r\nResume?"));
        for (const QString module : {"GLOBAL.RemoveGame", "GLOBAL.CleanUpINI"}) {
            LoadedMain writer(kIni);
            QFile::remove(writer.t.path("program/bleem!.INI"));
            QDir().mkpath(writer.t.path("program/bleem!.INI"));  // a folder in the file's place
            writer.t.prompter.answers << MsgAnswer::Yes << MsgAnswer::Cancel;
            if (module.endsWith("RemoveGame")) {
                writer.trigger("RemoveMENU");
            } else {
                QVERIFY(Walk().on("CleanUpFORM", [](QWidget* w) {
                    Click(w, "OkBUTTON");
                    w->close();  // the ended program's windows go with it
                }).run(writer, "CleanUpMENU"));
            }
            QVERIFY(writer.t.terminator.ended());
            QVERIFY2(writer.t.prompter.shown.last().text.contains("\r\nModul : " + module + "\r\n"), qPrintable(module));
        }
    }

    // One end-to-end test of the table's limit: the core proves the rest.
    void aTableCutAtItsLimitIsNeverWrittenBack() {
        QByteArray ini;  // several games of many entries each: more than the table holds
        for (int i = 0; i < 4100; ++i)
            ini += Entry(QByteArray::number(1000000000 + i), "Game " + QByteArray::number(i), "80000000H");
        LoadedMain run(ini);
        QCOMPARE(run.list()->count(), 4096);
        QVERIFY(Walk().press("CleanUpFORM", "OkBUTTON").run(run, "CleanUpMENU"));
        LoopbackServer server;
        qputenv("TOLVA_UPDATE_SERVER", server.endpoint());
        run.trigger("UpdateMENU");
        qunsetenv("TOLVA_UPDATE_SERVER");
        const QList<Message>& shown = run.t.prompter.shown;
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].title, QString("tolva! Critical Error"));
        QVERIFY(shown[0].text.contains("Modul : GLOBAL.ReadINI"));
        QVERIFY(shown[1].text.contains("GLOBAL.CleanUpINI"));
        QCOMPARE(shown[2].title, QString("tolva! Online Update"));
        QVERIFY(shown[2].text.contains("nothing was changed"));
        QCOMPARE(server.connections, 0);
        // Add/Edit is refused before page 1 and Remove before its question, each once, saying why.
        run.trigger("NewMENU");
        run.trigger("RemoveMENU");
        QCOMPARE(shown.size(), 5);
        for (const int k : {3, 4})
            QVERIFY(shown[k].text.startsWith(k == 3 ? "Cannot add or change a game in " : "Cannot remove ") && shown[k].text.contains("not read whole"));
        QCOMPARE(run.file(), ini);
        QVERIFY(run.back());
    }

    void theDetailsShowTheJoinedRecord() {
        LoadedMain run(kDetailsIni, kDetailsTxt);
        // Per game, in turn: "name=text", "name~picture" ("" hidden), "checks#" the four boxes.
        const QList<QPair<QString, QStringList>> games = {
            {"Ocean Odyssey",
             {"titleTEXT=Ocean Odyssey", "idTEXT=0172831837", "ProductCodeTEXT=SLPS-00982", "PublisherTEXT=Wave Works",
              "CountryTEXT=J", "DetailsTEXT=Minor glitches in the menus", "OtherTEXT=Some Video Sequences do not display",
              "MemCardTEXT=Game Saves can be loaded, but not saved", "SoundTEXT=No sound effects and/or music will be heard",
              "GraphicsTEXT=Some graphics may exhibit minor flaws", "StatusPICTURE~PART", "d3dPICTURE~D3D", "checks#1000"}},
            // Works; its record says "Yes!" with an empty D3D field. Nothing of the last game stays.
            {"Final Quest VII",
             {"PublisherTEXT=Big Square", "ProductCodeTEXT=SLUS-90010", "d3dPICTURE~NOD3D", "StatusPICTURE~YES",
              "SoundTEXT=Some sound effects and/or music may exhibit flaws (Minor choppiness)", "OtherTEXT=", "checks#0000"}},
            {"Final Fury", {"PublisherTEXT=", "StatusPICTURE~NO", "d3dPICTURE~NOD3D"}},  // the only prefix says "Yes!"
            {"Zebra Zone", {"StatusPICTURE~YES", "d3dPICTURE~"}},  // works, unjoined: no Direct3D picture
            {"", {"titleTEXT=", "ProductCodeTEXT=", "SoundTEXT=", "StatusPICTURE~", "d3dPICTURE~", "checks#0000"}},  // none
            {"Fin", {"checks#0011", "Check3=Alternate Display Mode :\r\nSoftware Mode = On, D3D = Off"}}};
        for (const auto& [title, facts] : games) {
            title.isEmpty() ? run.list()->setCurrentRow(-1) : run.select(title);
            for (const QString& fact : facts) {
                const qsizetype at = fact.indexOf(QRegularExpression("[=~#]"));
                const QString name = fact.left(at);
                QString got;
                if (fact[at] == '=') got = Text(run.main.get(), name);
                if (fact[at] == '~') got = run.get(name)->isVisible() ? run.get(name)->property("picture").toString() : "";
                if (fact[at] == '#')
                    for (const char* box : {"Check1", "Check2", "Check3", "Check4"}) got += Checked(run.main.get(), box) ? "1" : "0";
                QVERIFY2(got == fact.mid(at + 1), qPrintable(title + ": " + name + " is " + got));
            }
        }
        QVERIFY(!run.get<QLabel>("StatusPICTURE")->pixmap().isNull());
        QVERIFY(run.get("frameLABEL")->font().bold());
    }

    // A field's text is selected as a label's is, however the user first reaches the field: Tab
    // and the keyboard, a click, or a click sent by another program (which gives no focus). The
    // field shows the same before and after, and the next game's value is selectable at once.
    void aFieldsTextIsSelectedHoweverTheUserReachesIt_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("way");
        for (const char* field : {"PublisherTEXT", "DetailsTEXT", "YesTEXT"})
            for (const char* way : {"tab", "click", "sent click"}) QTest::newRow((QString(field) + ", " + way).toUtf8()) << field << way;
    }
    void aFieldsTextIsSelectedHoweverTheUserReachesIt() {
        QFETCH(QString, field);
        QFETCH(QString, way);
        LoadedMain run(kDetailsIni, kDetailsTxt);
        run.select("Ocean Odyssey");
        QVERIFY(QTest::qWaitForWindowExposed(run.main.get()));
        auto* label = run.get<QLabel>(field);
        const QPoint onFirstWord(label->contentsRect().left() + 2 * label->fontMetrics().horizontalAdvance('x'), label->height() / 2);
        const QImage before = label->grab().toImage();
        if (way == "tab") {
            QWidget* from = label->previousInFocusChain();
            while (from->focusPolicy() == Qt::NoFocus) from = from->previousInFocusChain();
            from->setFocus();
            QTest::keyClick(from, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), label);
            QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(label->selectedText(), label->text());
        } else if (way == "click") {
            QTest::mouseDClick(label, Qt::LeftButton, {}, onFirstWord);
            QVERIFY(label->hasFocus());
        } else {
            const QPointF at(onFirstWord), global(label->mapToGlobal(onFirstWord));
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                      QEvent::MouseButtonRelease}) {
                QMouseEvent click(type, at, global, Qt::LeftButton, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
                QApplication::sendEvent(label, &click);
            }
            QVERIFY(!label->hasFocus());
        }
        QVERIFY2(label->hasSelectedText() && label->text().contains(label->selectedText()), qPrintable(label->selectedText()));
        label->setSelection(0, 0);
        run.get("SearchTEXT")->setFocus();
        QCOMPARE(label->grab().toImage(), before);
        run.select("Final Quest VII");
        QTest::mouseDClick(label, Qt::LeftButton, {}, onFirstWord);
        QVERIFY(label->hasSelectedText() || label->text().isEmpty());
    }

    void theSearchBoxSelectsColoursAndKeepsTheSelection() {
        LoadedMain run(kDetailsIni, kDetailsTxt);
        auto* search = run.get<QLineEdit>("SearchTEXT");
        QTest::keyClicks(search, "fin");
        QCOMPARE(search->text(), QString("FIN"));
        QCOMPARE(run.selected(), QString("Fin"));  // "FIN " before "FINAL..."
        QCOMPARE(search->palette().color(QPalette::Text), QColor(0, 0, 255));
        QTest::keyClicks(search, "al Q");
        QCOMPARE(run.selected(), QString("Final Quest VII"));
        QTest::keyClicks(search, "x");
        QCOMPARE(search->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(run.selected(), QString("Final Quest VII"));
        QTest::keyClick(search, Qt::Key_Escape);
        QCOMPARE(search->text(), QString());
        QCOMPARE(run.list()->currentRow(), 0);
        run.list()->setFocus();
        QTest::keyClicks(run.list(), "z");  // typing in the list moves to the search box
        QCOMPARE(run.main->focusWidget(), static_cast<QWidget*>(search));
        QTest::keyClicks(search, "e");
        QCOMPARE(search->text(), QString("ZE"));
        QCOMPARE(run.selected(), QString("Zebra Zone"));
        run.list()->setFocus();
        QTest::keyClick(run.list(), Qt::Key_Escape);
        QCOMPARE(search->text(), QString());
        QCOMPARE(run.list()->currentRow(), 0);
        QCOMPARE(run.main->focusWidget(), static_cast<QWidget*>(run.list()));
    }

    // Upper case as the code page has it (µ and ß stay); what it lacks is refused and named.
    void typedLettersTakeTheCodePagesUpperCaseAndOthersAreRefused() {
        LoadedMain run(kIni);
        auto* search = run.get<QLineEdit>("SearchTEXT");
        Type(search, QString::fromUtf8("\u00b5\u00df\u00e0\u00fe\u00ff\u0153\u0161\u00f7"));
        QCOMPARE(search->text(), QString::fromUtf8("\u00b5\u00df\u00c0\u00de\u0178\u0152\u0160\u00f7"));
        QVERIFY(run.t.prompter.shown.isEmpty());
        search->clear();
        run.list()->setFocus();
        Type(run.list(), QString::fromUtf8("\u00e0"));  // typed in the list, upper case in the box
        search->insert(QString::fromUtf8("\u03a9\u65e5A"));  // pasted: Ω and 日 are not in the code page
        QCOMPARE(search->text(), QString::fromUtf8("\u00c0A"));
        QCOMPARE(run.t.prompter.shown,
                 Said({{"tolva!", OutsideCp1252Text(QString::fromUtf8("\u03a9\u65e5")), MsgIcon::Exclamation}}));
    }

    void moreInformationOpensTheGamePage() {
        LoadedMain run(kDetailsIni, kDetailsTxt);
        const QString page = "http://games.psxinfo.example/cgi-bin/detailed2.cgi?prodcode=";
        for (const char* title : {"Ocean Odyssey", "Final Quest VII", "Zebra Zone"}) {
            run.select(title);
            run.trigger("GotoBleemMENU");
        }
        QCOMPARE(run.t.shell.opened, QStringList({page + "SLPS-00982", page + "SLUS-90010"}));
        QCOMPARE(run.t.prompter.shown.size(), 1);  // Zebra Zone has no known code
        QCOMPARE(run.t.prompter.shown[0].icon, MsgIcon::Information);
        QVERIFY(run.t.prompter.shown[0].text.startsWith("Tolva! needs the region code of this game"));
    }

    void everyWebLinkOpensItsAddressAndSaysNothing() {
        LoadedMain run(kIni);
        run.list()->setCurrentRow(-1);  // with no game selected as well
        for (const char* name : {"HomepageMENU", "DownloadMENU", "FaqMENU", "SupportMENU", "MessageboardMENU",
                                 "DravikHpMENU", "bleemHpMENU", "CheaterMENU"})
            run.trigger(name);
        QCOMPARE(run.t.shell.opened,
                 QStringList({"http://www.tolva.example/", "http://www.tolva.example/download.htm",
                              "http://www.tolva.example/faq.htm", "http://www.tolva.example/support.htm",
                              "http://board.dravik.example/", "http://www.dravik.example/", "http://www.bleem.example/",
                              "http://www.cheatpal.example/"}));
        QVERIFY(run.t.prompter.shown.isEmpty());
        QVERIFY(run.back());
    }

    void aboutHidesTheMainWindowUntilTheSplashIsClickedAway() {
        for (const QString how : {"window", "label", "frame"}) {
            LoadedMain run(kIni);
            QVERIFY(Walk().on("SplashFORM", [&](QWidget* splash) {
                QVERIFY(!run.main->isVisible());
                auto* label = Find<QLabel>(splash, "VersionLABEL");
                QCOMPARE(label->text(), QString("Release 5\nBuild 118"));  // the test platform's build
                QVERIFY(label->alignment() & Qt::AlignRight);
                // As far from the right as from the top.
                QCOMPARE(splash->width() - label->geometry().right() - 1, label->geometry().top());
                if (how == "window") QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(5, splash->height() - 5));
                if (how == "label") QTest::mouseClick(label, Qt::LeftButton);
                if (how == "frame") splash->close();
            }).run(run, "AboutMENU"));
            QVERIFY2(run.back(), qPrintable(how));
            QVERIFY(run.t.prompter.shown.isEmpty());
        }
    }

    void theKeptLogoIsTheLogoAsDrawnAndADamagedCopyIsDrawnAgain() {
        for (const qreal density : {1.0, 2.0}) {
            QTemporaryDir folder;
            const QImage drawn = Picture("LOGO", density).toImage();
            QVERIFY(!drawn.isNull());
            const auto kept = [&] { return KeptPicture("LOGO", density, folder.path()); };
            QCOMPARE(kept().toImage(), drawn);  // drawn, then kept
            const QStringList files = QDir(folder.path()).entryList(QDir::Files);
            QCOMPARE(files.size(), 1);
            QFile copy(folder.filePath(files.first()));
            // Read back, not drawn again: a pixel changed in the copy shows.
            QVERIFY(copy.open(QIODevice::ReadWrite) && copy.seek(copy.size() - 4) && copy.write("\x01\x02\x03\x04", 4) == 4);
            copy.close();
            QVERIFY(kept().toImage() != drawn);
            // Then cut into its head, cut short after it, one byte too long: drawn again.
            for (const qint64 damage : {qint64(3), qint64(12), qint64(9 + drawn.sizeInBytes())}) {
                QVERIFY(copy.resize(damage));
                const QPixmap again = kept();
                QCOMPARE(again.toImage(), drawn);
                QCOMPARE(again.devicePixelRatio(), density);
            }
            QCOMPARE(copy.size(), 8 + drawn.sizeInBytes());  // kept whole again
            for (const QSize size : {QSize(), QSize(16, 16), QSize(64, 64)})  // the icon as the window system asks
                QCOMPARE(CachedPicture("ICON2", density, size).toImage(), Picture("ICON2", density, size).toImage());
        }
    }

    void removeAsksAndDisablesTheEntry() {
        for (MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
            LoadedMain run(kIni);
            run.get<QLineEdit>("SearchTEXT")->setText("BE");
            QCOMPARE(run.list()->currentRow(), 1);
            run.t.prompter.answers << answer;
            bool enabledMeanwhile = false;
            run.t.prompter.onShow = [&](const Message&) { enabledMeanwhile = run.main->isEnabled(); };
            Click(run.main.get(), "RemoveBUTTON");
            QCOMPARE(run.t.prompter.shown, Said({{"tolva!", "Are you sure that the game should be removed ?",
                                                  MsgIcon::Question, MsgButtons::YesNo}}));
            QVERIFY(enabledMeanwhile);
            QByteArray expected = kIni;
            if (answer == MsgAnswer::Yes)
                expected.replace(Entry("0000000002", "beta", "80000000H"), ";ID=0000000002\r\n;Title=beta\r\n;Flags=80000000H\r\n");
            QCOMPARE(run.file(), expected);
            QCOMPARE(run.list()->count(), answer == MsgAnswer::Yes ? 2 : 3);
            QCOMPARE(run.list()->currentRow(), 0);
            QVERIFY(run.back());  // the search box emptied either way
        }
    }

    void cleanUpWritesWhatItsOptionsSay() {
        LoadedMain run(kIni);
        run.get<QLineEdit>("SearchTEXT")->setText("AL");  // shows Alpha, which joins it to its record
        QVERIFY(Walk().on("CleanUpFORM", [&](QWidget* form) {
            // Run in German as well: the caption follows the language, the bytes written do not.
            const QString caption = "tolva!" + QCoreApplication::translate("tolva::CleanUpFORM", " Clean Up");
            QCOMPARE(run.main->windowTitle(), caption);
            QCOMPARE(form->windowTitle(), caption);
            QVERIFY(!run.main->isEnabled());
            QCOMPARE(Text(run.main.get(), "SearchTEXT"), QString());
            QVERIFY(Checked(form, "Option1"));
            for (const char* button : {"Check1", "Check4", "Option2", "OkBUTTON"}) Click(form, button);
        }).run([&] { Click(run.main.get(), "CleanUpBUTTON"); }));
        QVERIFY(run.back());
        QCOMPARE(run.file(), kHeader + "Version=2001-03-04\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H") +
                                 "; Nowhere Soft\r\n; Not Yet\r\n\r\n" + Entry("0000000002", "beta", "80000000H") +
                                 "\r\n" + Entry("0000000003", "Gamma", "01211010H"));
        for (bool frame : {false, true}) {
            run.writeFile(kIni);
            QVERIFY(Walk().on("CleanUpFORM", [frame](QWidget* form) {
                Click(form, "Check1");
                Leave(form, frame);
            }).run(run, "CleanUpMENU"));
            QCOMPARE(run.file(), kIni);
            QVERIFY(run.back());
        }
    }

    void everyCaptionShowsAsTheSystemNamesIt() {
        LoadedMain run(kIni);
        ExpectCaptions(run.main.get(),
                       {"tolva!", "Game Title :", "Disc ID :", "Status :", "Product Code :", "Publisher :", "Region :",
                        "Details :", "Graphics", "Sound", "Memory Cards", "Other (MDEC and CD-ROM)",
                        "Advanced Graphics Settings", "Alternate Display Mode on", "Enable Frame Skip off",
                        "Alternate Display Mode :\r\nSoftware Mode = On, D3D = Off",
                        "Frame Skip :\r\nSoftware Mode = Off, D3D = On", "Yes :", "Not Yet :", "Partial :", "Total :",
                        "Database Version :"});
        QVERIFY(Walk().on("MailFORM", [](QWidget* mail) {
            ExpectCaptions(mail, {"tolva! Mail", "Name :", "E-Mail :", "Comments & Suggestions :", "Finish", "Abort",
                                  "This wizard allows you to send your bleem!.ini, your comments and your bug reports "
                                  "regarding tolva! directly to the tolva! team."});
            Click(mail, "AbortBUTTON");
        }).press("Mail2FORM", "OkBUTTON").run(run, "MailMENU"));
    }

    // The core's messages in German: by their pattern, the parts put back whole (a part holding
    // "%1" included), a part that is a message itself translated too; others pass unchanged, and
    // in English nothing changes.
    void theCoresMessagesAreTranslatedByTheirPattern() {
        const QList<std::pair<QString, QString>> rows = {
            {"cannot open /x/%1.ini: no such file", "/x/%1.ini kann nicht geöffnet werden: die Datei existiert nicht"},
            {"Cannot remove the game from /b/bleem!.INI: it was not read whole when last loaded (more than 4096 entries, "
             "or a read error), and writing now could lose what was not read; the file was left unchanged",
             "Das Spiel kann nicht aus /b/bleem!.INI entfernt werden: sie wurde beim letzten Laden nicht vollständig gelesen "
             "(mehr als 4096 Einträge oder ein Lesefehler), und Schreiben könnte jetzt verlieren, was nicht gelesen wurde; "
             "die Datei blieb unverändert"},
            {"Caf\u00e9 %2 (Partially)", "Caf\u00e9 %2 (Teilweise)"},
            {"Minor Sound Problems", "Kleine Tonprobleme"},
            {"no pattern holds this", "no pattern holds this"}};
        QTranslator german;
        QVERIFY(german.load("tolva_de", ":/i18n"));
        for (const auto& [english, translated] : rows) {
            QCOMPARE(CoreText(english), english);
            QCoreApplication::installTranslator(&german);
            const QString shown = CoreText(english);
            QCoreApplication::removeTranslator(&german);
            QCOMPARE(shown, translated);
        }
    }

    // The program's style draws the overflow buttons' icons as the style beneath it does, in
    // either direction, though it reads them only when drawn; other icons it passes through.
    void theProgramStyleDrawsEveryIconAsTheStyleBeneathIt() {
        const std::unique_ptr<QStyle> style(ProgramStyle());
        QStyle* base = static_cast<QProxyStyle*>(style.get())->baseStyle();
        for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
                                 QStyle::SP_MessageBoxWarning}) {
            for (const auto direction : {Qt::LeftToRight, Qt::RightToLeft}) {
                QStyleOption option;
                option.direction = direction;
                const QIcon icon = style->standardIcon(which, &option), expected = base->standardIcon(which, &option);
                QCOMPARE(icon.availableSizes(), expected.availableSizes());
                for (const int size : {16, 32}) QCOMPARE(icon.pixmap(size).toImage(), expected.pixmap(size).toImage());
            }
        }
    }

    // A companion opens beside a main window that stays usable, once per kind; it hears of every
    // reload, and its frame ends it so that the kind may open again.
    void aCompanionStandsBesideAUsableMainWindowOncePerKind() {
        LoadedMain run(kIni);
        MainHost& host = *run.main;
        QPointer<Companion> first = new Companion(host);
        host.runWindow(first, WindowMode::Companion);  // returns at once
        QVERIFY(first->isVisible() && run.main->isEnabled());
        QCOMPARE(run.main->windowTitle(), QString("tolva!"));
        QPointer<Companion> second = new Companion(host);
        host.runWindow(second, WindowMode::Companion);
        QVERIFY(!second && first->isVisible());  // the open one stands in for it
        run.select("beta");
        run.t.prompter.answers << MsgAnswer::Yes;
        Click(run.main.get(), "RemoveBUTTON");
        QCOMPARE(run.list()->count(), 2);
        QCOMPARE(first->told, 1);
        first->close();  // through its frame
        QTRY_VERIFY(!first);
        QVERIFY(run.back());
        QPointer<Companion> again = new Companion(host);
        host.runWindow(again, WindowMode::Companion);
        QVERIFY(again && again->isVisible() && again->told == 0);
        again->close();
    }

    void aLongValueIsShownCutAndNeverWidensTheWindow() {
        const QByteArray title = "Zz" + QByteArray(5000, 'W');
        LoadedMain run(kIni + Entry("0000000008", "Zy" + QByteArray(1022, 'W'), "80000000H") + Entry("0000000009", title, "80000000H"));
        run.list()->setCurrentRow(4);
        QCoreApplication::processEvents();
        QVERIFY(run.main->width() <= 1280 && run.main->minimumSizeHint().width() <= 1280);
        QVERIFY(Text(run.main.get(), "titleTEXT").size() < title.size());
        QVERIFY(run.get("titleTEXT")->toolTip().endsWith(title));
        const QAbstractItemModel* rows = run.list()->model();  // the list's row too: cut, whole in its tooltip
        QVERIFY(rows->index(4, 0).data().toString().size() == 1024 && rows->index(4, 0).data(Qt::ToolTipRole).toString() == title);
        QVERIFY(rows->index(3, 0).data(Qt::ToolTipRole).isNull());  // exactly a row's length: shown whole
        run.select("Alpha");
        QCoreApplication::processEvents();
        QVERIFY(run.main->width() <= 1280);
        QCOMPARE(run.get("titleTEXT")->toolTip(), QString("The name of the game."));
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
