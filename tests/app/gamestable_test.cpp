// The games table as the user meets it: opened from Tools beside a usable main window, sorted by
// header clicks, filtered by its controls with totals and bar, copied, exported, leading back to
// the main window's very row, following each change, remembering its settings, and leaving the
// main window exactly as it would be without it.
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QTableView>

#include "app/platform/text.h"
#include "core/database/gamestable.h"
#include "core/tools/cleanup.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

// In table order: A Alpha, N and P the twins Beta (Not Yet, Partial), D Delta, G Gamma (no record).
const QByteArray kIni = "Version=1\r\n\r\n" + Entry("0000000001", "Alpha", "80000000H") +
                        Entry("0000000002", "Beta", "40000000H") + Entry("0000000002", "Beta", "20000000H") +
                        Entry("0000000004", "Delta", "80000000H") + Entry("0000000003", "Gamma", "40000000H");
const QByteArray kRecords = "No|Title|Publisher|Code|Region|Genre|Status|D3D|Details|\r\n"
                            "1|Alpha|Kestrel 10|SLUS-00010|USA|Action|Yes!|Yes|Fine|\r\n"
                            "2|Beta|Kestrel 9|SLUS-00009|Europe|Action|Not Yet||Slow|\r\n"
                            "3|Beta|Kestrel 9|SLUS-00011|Europe|Puzzle|Partially|Yes|Fine|\r\n"
                            "4|Delta|Blue|SLUS-00100|USA|Puzzle|Yes!|Yes|Fine|\r\n";

QWidget* Open(const LoadedMain& run) {
    run.main->activateWindow();
    if (!QTest::qWaitForWindowActive(run.main.get())) qFatal("the main window never became active");
    QTest::keyClick(run.main.get(), Qt::Key_T, Qt::ControlModifier);
    QWidget* window = TopLevel("GamesTableFORM");
    if (!window) qFatal("Ctrl+T opened no games table");
    return window;
}

QTableView* Table(QWidget* window) { return Find<QTableView>(window, "GamesTABLE"); }

/// The shown rows as their letters, in the shown order.
QString Letters(QWidget* window) {
    const QAbstractItemModel* m = Table(window)->model();
    QString letters;
    for (int r = 0; r < m->rowCount(); ++r) {
        const QString title = m->index(r, 0).data().toString(), status = m->index(r, 2).data().toString();
        letters += title == "Beta" ? (status == "Partial" ? 'P' : 'N') : title[0];
    }
    return letters;
}

void ClickHeader(QWidget* window, int column) {
    QHeaderView* header = Table(window)->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(column) + 4, 4));
}

int RowOf(QWidget* window, QChar letter) { return static_cast<int>(Letters(window).indexOf(letter)); }

void Choose(QWidget* window, const char* combo, const QString& text) {
    auto* box = Find<QComboBox>(window, combo);
    box->setCurrentIndex(box->findText(text));
}

}  // namespace

class GamesTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensFromToolsBesideAUsableMainWindow() {
        LoadedMain run(kIni, kRecords);
        const QList<QAction*> tools = run.get<QMenu>("FormatMENU")->actions();
        QCOMPARE(tools.last()->objectName(), QString("DiscCollectionMENU"));  // the disc collection after it
        QCOMPARE(tools[tools.size() - 2]->objectName(), QString("GamesTableMENU"));
        QVERIFY(tools[tools.size() - 3]->isSeparator());
        QWidget* window = Open(run);
        QCOMPARE(window->windowTitle(), QString("tolva! Games Table"));
        QVERIFY(run.main->isEnabled() && window->isVisible());
        QCOMPARE(Letters(window), QString("ANPDG"));
    }

    // Groups of equal cells in ascending order; descending reverses the groups, never a group.
    void sortsEachColumnBothWaysWithTiesInTableOrder_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("groups");
        for (const auto& [column, groups] : std::initializer_list<std::pair<GamesColumn, const char*>>{
                 {GamesColumn::Title, "A N P D G"}, {GamesColumn::DiscID, "A NP G D"}, {GamesColumn::Status, "AD P NG"},
                 {GamesColumn::ProductCode, "G N A P D"}, {GamesColumn::Publisher, "G D NP A"},
                 {GamesColumn::Region, "G NP AD"}, {GamesColumn::Genre, "G AN PD"},
                 {GamesColumn::Direct3D, "NG APD"}, {GamesColumn::Details, "G APD N"}})
            QTest::newRow(ColumnName(column)) << int(column) << QString(groups);
    }
    void sortsEachColumnBothWaysWithTiesInTableOrder() {
        QFETCH(int, column);
        QFETCH(QString, groups);
        LoadedMain run(kIni, kRecords);
        QWidget* window = Open(run);
        ClickHeader(window, column == 0 ? 1 : 0);  // another column first: the first click is ascending
        ClickHeader(window, column);
        QStringList reversed = groups.split(' ');
        QCOMPARE(Letters(window), reversed.join(""));
        std::reverse(reversed.begin(), reversed.end());
        ClickHeader(window, column);
        QCOMPARE(Letters(window), reversed.join(""));
    }

    void filtersAddUpWithTotalsAndABarInProportion() {
        LoadedMain run(kIni, kRecords);
        QWidget* window = Open(run);
        const auto totals = [&] {
            return QStringList{Text(window, "YesTEXT"), Text(window, "PartTEXT"), Text(window, "NoTEXT"),
                               Text(window, "TotalTEXT"), Find(window, "TotalsPICTURE")->accessibleName()}
                .join(" | ");
        };
        QCOMPARE(totals(), QString("2 (40%) | 1 (20%) | 2 (40%) | 5 | Yes 40%, Partial 20%, Not Yet 40%"));
        QWidget* bar = Find(window, "TotalsPICTURE");
        bar->resize(200, 10);
        const QImage picture = bar->grab().toImage();
        QMap<QRgb, int> widths;
        for (int x = 0; x < picture.width(); ++x) ++widths[picture.pixel(x, 5)];
        QCOMPARE(widths.size(), 3);
        QCOMPARE((QList<int>{widths[qRgb(0, 153, 0)], widths[qRgb(230, 172, 0)], widths[qRgb(204, 0, 0)]}),
                 (QList<int>{80, 40, 80}));

        const struct {
            std::function<void()> change;
            const char *letters, *totals;
        } steps[] = {
            {[&] { Choose(window, "RegionCOMBO", "Europe"); }, "NP", "0 (0%) | 1 (50%) | 1 (50%) | 2 | Yes 0%, Partial 50%, Not Yet 50%"},
            {[&] { Find<QCheckBox>(window, "NoCHECK")->click(); }, "P", "0 (0%) | 1 (100%) | 0 (0%) | 1 | Yes 0%, Partial 100%, Not Yet 0%"},
            {[&] { Choose(window, "RegionCOMBO", "(any)"); }, "APD", "2 (66.7%) | 1 (33.3%) | 0 (0%) | 3 | Yes 66.7%, Partial 33.3%, Not Yet 0%"},
            {[&] { Choose(window, "GenreCOMBO", "Puzzle"); }, "PD", "1 (50%) | 1 (50%) | 0 (0%) | 2 | Yes 50%, Partial 50%, Not Yet 0%"},
            {[&] { QTest::keyClicks(Find(window, "SearchTEXT"), "slus00100"); }, "D", "1 (100%) | 0 (0%) | 0 (0%) | 1 | Yes 100%, Partial 0%, Not Yet 0%"},
            {[&] { Choose(window, "Direct3DCOMBO", "No"); }, "", "0 (0%) | 0 (0%) | 0 (0%) | 0 | No game shown"},
        };
        for (const auto& step : steps) {
            step.change();
            QCOMPARE(Letters(window), QString(step.letters));
            QCOMPARE(totals(), QString(step.totals));
        }
        QCOMPARE(Find<QComboBox>(window, "RegionCOMBO")->count(), 4);  // (any), (none), Europe, USA
    }

    void copiesTabSeparatedRowsAndExportsTheShownOnes() {
        LoadedMain run(kIni, kRecords);
        QWidget* window = Open(run);
        ClickHeader(window, int(GamesColumn::Publisher));  // G D N P A
        QTableView* table = Table(window);
        table->selectRow(1);
        table->selectionModel()->select(table->model()->index(4, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("Delta\t0000000004\tYes\tSLUS-00100\tBlue\tUSA\tPuzzle\tYes\tFine\n"
                         "Alpha\t0000000001\tYes\tSLUS-00010\tKestrel 10\tUSA\tAction\tYes\tFine\n"));

        Choose(window, "RegionCOMBO", "USA");
        run.t.chooser.picks << run.t.path("out/games.csv") << run.t.path("program/BLEEM!.ini");
        QDir().mkpath(run.t.path("out"));
        Click(window, "ExportBUTTON");
        // Run in German as well: the header row is for people and follows the language, the rows do not.
        QStringList header;
        for (const char* name : {"Title", "Disc ID", "Status", "Product Code", "Publisher", "Region", "Genre", "Direct3D", "Details"})
            header << QCoreApplication::translate("Database", name);
        QCOMPARE(run.t.read("out/games.csv"), "\xEF\xBB\xBF" + header.join(',').toUtf8() +
                                              "\r\nDelta,0000000004,Yes,SLUS-00100,Blue,USA,Puzzle,Yes,"
                                              "Fine\r\nAlpha,0000000001,Yes,SLUS-00010,Kestrel 10,USA,Action,Yes,Fine\r\n");
        const QByteArray ini = run.file();
        // Never over the game database, whatever its spelling, nor through a link to it.
        QVERIFY(QFile::link(run.t.path("program/bleem!.INI"), run.t.path("out/link.csv")));
        run.t.chooser.picks << run.t.path("out/link.csv");
        for (int k = 1; k <= 2; ++k) {
            Click(window, "ExportBUTTON");
            QCOMPARE(run.file(), ini);
            QCOMPARE(run.t.prompter.shown.size(), k);
            QCOMPARE(run.t.prompter.shown.last().text,
                     QCoreApplication::translate("tolva::ExportCsv", "The %1 is never written over bleem!.INI or "
                                                                     "Compatibility.TXT. Please choose another file.")
                         .arg(QCoreApplication::translate("tolva::GamesTableFORM", "games table")));
        }
        QVERIFY(!QFile::exists(run.t.path("program/BLEEM!.ini")));
        const QByteArray csv = run.t.read("out/games.csv");
        QVERIFY(QFile::resize(run.t.path("out/games.csv"), 3));
        run.t.chooser.picks << run.t.path("out/games.csv");  // a file of the user's own is written over
        Click(window, "ExportBUTTON");
        QCOMPARE(run.t.read("out/games.csv"), csv);
        QCOMPARE(run.t.prompter.shown.size(), 2);
    }

    // Double-click or Enter selects that very entry, a twin its own row; a Remove refreshes the
    // table on a new copy with its sort, filter and selection kept.
    void leadsToTheMainWindowsRowAndFollowsEveryChange() {
        LoadedMain run(kIni, kRecords);
        QWidget* window = Open(run);
        QTableView* table = Table(window);
        const auto at = [&](QChar letter) {
            return table->visualRect(table->model()->index(RowOf(window, letter), 0)).center();
        };
        // A click, then the second press that the platform reports as a double-click.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at('P'));
        QMouseEvent twice(QEvent::MouseButtonDblClick, at('P'), table->viewport()->mapToGlobal(at('P')), Qt::LeftButton,
                          Qt::LeftButton, {});
        QCoreApplication::sendEvent(table->viewport(), &twice);
        QCOMPARE(run.list()->currentRow(), 2);
        QCOMPARE(Text(run.main.get(), "ProductCodeTEXT"), QString("SLUS-00011"));
        table->setCurrentIndex(table->model()->index(RowOf(window, 'N'), 0));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(run.list()->currentRow(), 1);
        QCOMPARE(Text(run.main.get(), "ProductCodeTEXT"), QString("SLUS-00009"));
        table->setCurrentIndex(table->model()->index(RowOf(window, 'A'), 0));  // the first row too
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(run.list()->currentRow(), 0);

        ClickHeader(window, int(GamesColumn::Publisher));
        ClickHeader(window, int(GamesColumn::Publisher));  // A NP D G
        Find<QCheckBox>(window, "YesCHECK")->click();
        table->selectRow(RowOf(window, 'P'));
        run.select("Alpha");
        run.main->RemoveBUTTON_Click();
        QCOMPARE(Rows(run.list()), (QStringList{"Beta", "Beta", "Delta", "Gamma"}));
        QCOMPARE(Letters(window), QString("NPG"));
        QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(table->selectionModel()->selectedRows()[0].row(), RowOf(window, 'P'));
        QTest::keyClick(table, Qt::Key_Return);  // the kept selection is current
        QCOMPARE(run.list()->currentRow(), 1);
    }

    void remembersSortFiltersAndColumnWidths() {
        LoadedMain run(kIni, kRecords);
        QWidget* window = Open(run);
        ClickHeader(window, int(GamesColumn::Genre));
        ClickHeader(window, int(GamesColumn::Genre));
        Choose(window, "RegionCOMBO", "USA");
        Find<QCheckBox>(window, "NoCHECK")->click();
        QTest::keyClicks(Find(window, "SearchTEXT"), "D");
        Table(window)->setColumnWidth(3, 77);
        Click(window, "CloseBUTTON");
        QVERIFY(QTest::qWaitFor([&] { return !TopLevel("GamesTableFORM"); }));
        window = Open(run);
        QCOMPARE(Letters(window), QString("D"));
        QCOMPARE(Text(window, "SearchTEXT"), QString("D"));
        QCOMPARE(Table(window)->horizontalHeader()->sortIndicatorSection(), int(GamesColumn::Genre));
        QCOMPARE(Table(window)->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(Table(window)->columnWidth(3), 77);
        QVERIFY(!Checked(window, "NoCHECK") && Checked(window, "PartCHECK"));
        Choose(window, "GenreCOMBO", "(none)");  // kept apart from "(any)"
        Click(window, "CloseBUTTON");
        QVERIFY(QTest::qWaitFor([&] { return !TopLevel("GamesTableFORM"); }));
        QCOMPARE(Find<QComboBox>(Open(run), "GenreCOMBO")->currentText(), QString("(none)"));
    }

    // A stored choice that is damaged or out of range gives way to the default, each on its own:
    // sort column and order, the three status boxes, Direct3D, a column's width.
    void damagedStoredChoicesFallBackToTheDefaults() {
        const QList<std::pair<QStringList, QString>> rows = {
            {{}, "0 0 111 0 1 77"}, {{"sort", "8,1"}, "8 1 111 0 1 77"}, {{"sort", "9,1"}, "0 1 111 0 1 77"},
            {{"sort", "-1,0"}, "0 0 111 0 1 77"}, {{"statuses", "10"}, "0 0 111 0 1 77"},
            {{"statuses", "001", "direct3d", "7"}, "0 0 001 2 1 77"}, {{"direct3d", "-3"}, "0 0 111 0 1 77"}};
        int fits = 0;  // the first column's width by default
        for (const auto& [stored, expected] : rows) {
            LoadedMain run(kIni, kRecords);
            run.t.settings.windows["GamesTableFORM/columns"] = "0,abc,-5,,77";
            for (qsizetype k = 0; k + 1 < stored.size(); k += 2) run.t.settings.windows["GamesTableFORM/" + stored[k]] = stored[k + 1];
            QWidget* window = Open(run);
            const QHeaderView* header = Table(window)->horizontalHeader();
            fits = fits ? fits : Table(window)->columnWidth(0);
            QString boxes;
            for (const char* box : {"YesCHECK", "PartCHECK", "NoCHECK"}) boxes += Checked(window, box) ? '1' : '0';
            QCOMPARE(QString("%1 %2 %3 %4 %5 %6").arg(header->sortIndicatorSection()).arg(int(header->sortIndicatorOrder()))
                         .arg(boxes).arg(Find<QComboBox>(window, "Direct3DCOMBO")->currentIndex())
                         .arg(Table(window)->columnWidth(0) == fits && fits > 0).arg(Table(window)->columnWidth(3)),
                     expected);
            window->close();
        }
    }

    // With and without the table having joined everything: the same joins and consumed keys, the
    // same details for every row clicked from the bottom up, the same Clean Up with all six boxes.
    void leavesTheMainWindowByteForByteAsItWas() {
        QStringList seen[2];
        for (const bool withTable : {false, true}) {
            // Alpha and Alpha 2 race for one record: the order of the joins decides which gets it.
            LoadedMain run(kIni + Entry("0000000005", "Alpha 2", "80000000H"), kRecords);
            if (withTable) QCOMPARE(Table(Open(run))->model()->rowCount(), 6);
            QStringList& out = seen[withTable];
            for (int i = 0; i < run.state.games.count(); ++i) out << QString::number(run.state.games.GameTxtIndex[i]);
            for (int j = 0; j < run.state.txt.TxtCount; ++j) out << FromFile(run.state.txt.TxtTitleUpper[j]);
            for (int row = run.list()->count() - 1; row >= 0; --row) {
                run.list()->setCurrentRow(row);
                for (const char* field : {"titleTEXT", "idTEXT", "ProductCodeTEXT", "PublisherTEXT", "CountryTEXT",
                                          "DetailsTEXT", "GraphicsTEXT", "SoundTEXT", "MemCardTEXT", "OtherTEXT"})
                    out << Text(run.main.get(), field);
                out << run.get("StatusPICTURE")->property("picture").toString()
                    << run.get("d3dPICTURE")->property("picture").toString();
            }
            const EditedText cleaned = CleanUpText(run.file().toStdString(), run.state.games, run.state.txt,
                                                   {true, true, true, true, true, true, CommentPlace::Before});
            out << FromFile(cleaned.bytes);
        }
        QCOMPARE(seen[1], seen[0]);
        QVERIFY(seen[0].last().contains("Kestrel 9"));
        QVERIFY(seen[0].contains("SLUS-00010"));
    }
};

QTEST_MAIN(GamesTableTest)
#include "gamestable_test.moc"
