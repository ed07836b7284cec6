#pragma once
// The games table: every game of the game table with its compatibility record in sortable,
// filterable columns, the totals of the shown rows with a bar in the status colours, an export
// to CSV and Ctrl+C as tab-separated text. It stands beside the main window as a companion, works
// on a joined copy of the tables (the main window's joins stay as they are), and follows every
// change of the table on a new copy, keeping its sort, filters and selection.
#include <QWidget>
#include <functional>
#include <string>

#include "app/host/toolwindow.h"
#include "app/platform/widgetsfwd.h"
#include "core/database/gamelist.h"

namespace tolva {

class GamesModel;
class GamesProxy;
struct GamesFilter;

/// The three status colours side by side, each as wide as its share of the shown rows; it reads
/// out as "Yes 34.1%, Partial 56.1%, Not Yet 9.8%".
class StatusBarPicture final : public QWidget {
public:
    explicit StatusBarPicture(QWidget* parent);
    void setCounts(const SummaryCounts& counts);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SummaryCounts counts_;
};

/// Writes a table's export to a CSV file the user chooses (name suggested in the home folder),
/// never over bleem!.INI or Compatibility.TXT; what names the table in the messages.
void ExportCsv(MainHost& host, QWidget* owner, const QString& what, const QString& name,
               const std::function<std::string()>& bytes);

class GamesTableFORM final : public ToolWindow {
    Q_OBJECT

public:
    explicit GamesTableFORM(MainHost& host);

    /// A new copy of the tables, joined; the sort, the filters and the selection stay.
    void tableChanged() override;

    void SearchTEXT_Change();
    void Filter_Change();
    void GamesTABLE_Activated(int proxyRow);
    void ExportBUTTON_Click();
    /// The selected rows, in the shown order, as tab-separated text on the clipboard.
    void CopyRows();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    GamesFilter filter() const;
    void fillChoices();
    void restoreSettings();
    void saveFilters();
    /// Shown rows in their order, as indexes of the table.
    std::vector<int> shownRows() const;
    /// The export's header row: the table's column headers, in the user's language.
    std::vector<std::string> header() const;
    std::vector<int> selectedRows() const;

    GamesModel* model_;
    GamesProxy* proxy_;
    QLineEdit* SearchTEXT;
    QComboBox* RegionCOMBO;
    QComboBox* GenreCOMBO;
    QComboBox* Direct3DCOMBO;
    QCheckBox* YesCHECK;
    QCheckBox* PartCHECK;
    QCheckBox* NoCHECK;
    QTableView* GamesTABLE;
    QLabel* YesTEXT;
    QLabel* PartTEXT;
    QLabel* NoTEXT;
    QLabel* TotalTEXT;
    StatusBarPicture* TotalsPICTURE;
    QPushButton* ExportBUTTON;
    QPushButton* CloseBUTTON;
};

}  // namespace tolva
