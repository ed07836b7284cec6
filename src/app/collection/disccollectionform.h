#pragma once
// The disc collection: a folder tree of disc images scanned into one row per disc, with what
// bleem!.INI and Compatibility.TXT say about each, sortable, filterable to the discs bleem!.INI
// lacks, exported as the games table exports, and "Add..." to give such a disc its entry
// through the wizard. The scan runs on a worker thread over a reader of its own (discscan.h);
// the rows are described on this thread from what it read, and again after every change of
// the table.
#include <QFutureWatcher>
#include <QTimer>
#include <memory>
#include <vector>

#include "app/collection/discscan.h"
#include "app/host/toolwindow.h"
#include "app/platform/widgetsfwd.h"

class QSortFilterProxyModel;

namespace tolva {

class DiscsModel;

/// One disc the scan met: the file and what it is.
struct ScannedDisc {
    DiscFile disc;
    DiscIdentity identity;
};

class DiscCollectionFORM final : public ToolWindow {
    Q_OBJECT

public:
    explicit DiscCollectionFORM(MainHost& host);
    ~DiscCollectionFORM() override;

    /// The rows are described again: titles and statuses follow the table.
    void tableChanged() override;

    void BrowseBUTTON_Click();
    void ScanBUTTON_Click();
    void CancelBUTTON_Click();
    void AddBUTTON_Click();
    void ExportBUTTON_Click();
    void Filter_Change();

    /// Images the last scan read through its reader; discs kept from earlier scans read none.
    int imagesRead() const { return imagesRead_; }

private:
    void scanned(int first, int last);
    void scanEnded();
    void showPending();
    void showTotals();
    void enableButtons();
    int currentRow() const;

    std::shared_ptr<ImageReader> reader_;  ///< shared with the scan that may outlive the window
    QFutureWatcher<ScannedDisc> watcher_;
    std::vector<ScannedDisc> pending_;  ///< read, not shown yet
    QTimer flush_;
    bool scanning_ = false;
    int readsBefore_ = 0;
    int imagesRead_ = 0;
    DiscsModel* model_;
    QSortFilterProxyModel* proxy_;
    QLineEdit* FolderTEXT;
    QPushButton* BrowseBUTTON;
    QPushButton* ScanBUTTON;
    QPushButton* CancelBUTTON;
    QProgressBar* ScanPROGRESS;
    QCheckBox* MissingCHECK;
    QTableView* DiscsTABLE;
    QLabel* TotalsTEXT;
    QPushButton* AddBUTTON;
    QPushButton* ExportBUTTON;
    QPushButton* CloseBUTTON;
};

}  // namespace tolva
