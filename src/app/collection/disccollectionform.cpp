#include "app/collection/disccollectionform.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "app/gamestable/gamestableform.h"
#include "app/host/mainhost.h"
#include "app/platform/access.h"
#include "app/platform/controls.h"
#include "app/platform/guarded.h"
#include "app/platform/imagereader.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"

namespace tolva {
namespace {

const char* const kContext = "DiscCollectionFORM";
// How long found discs wait to be shown together.
constexpr std::chrono::milliseconds kRowBatch{100};
const QString kGroup = QStringLiteral("DiscCollection");

// The headers as the window shows them (the exports keep the English names).
const std::array<const char*, kDiscColumns> kHeaders = {
    QT_TRANSLATE_NOOP("DiscCollectionFORM", "File"),   QT_TRANSLATE_NOOP("DiscCollectionFORM", "Product Code"),
    QT_TRANSLATE_NOOP("DiscCollectionFORM", "Disc ID"), QT_TRANSLATE_NOOP("DiscCollectionFORM", "Title"),
    QT_TRANSLATE_NOOP("DiscCollectionFORM", "Source"), QT_TRANSLATE_NOOP("DiscCollectionFORM", "Status"),
    QT_TRANSLATE_NOOP("DiscCollectionFORM", "Reason")};

bool Missing(const DiscRow& row) { return row.entry < 0 && row.reason.empty(); }

}  // namespace

class DiscsModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kDiscColumns; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
        return cells[std::size_t(index.row())][index.column()];
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return QCoreApplication::translate(kContext, kHeaders[std::size_t(section)]);
    }

    void clear() {
        beginResetModel();
        discs.clear();
        rows.clear();
        cells.clear();
        endResetModel();
    }
    /// New discs, described against state, as rows at the end.
    void append(std::vector<ScannedDisc> found, const ProgramState& state) {
        if (found.empty()) return;
        const TxtByCode txt = IndexTxt(state.txt);
        beginInsertRows({}, rowCount(), rowCount() + int(found.size()) - 1);
        for (ScannedDisc& disc : found) {
            discs.push_back(std::move(disc));
            rows.push_back(DescribeDisc(discs.back().disc, discs.back().identity, state, txt, true));
            cells.push_back(Cells(rows.back()));
        }
        endInsertRows();
    }
    void describe(const ProgramState& state) {
        const TxtByCode txt = IndexTxt(state.txt);
        for (std::size_t k = 0; k < discs.size(); ++k) {
            rows[k] = DescribeDisc(discs[k].disc, discs[k].identity, state, txt, true);
            cells[k] = Cells(rows[k]);
        }
        if (!rows.empty()) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kDiscColumns - 1));
    }

    std::vector<ScannedDisc> discs;
    std::vector<DiscRow> rows;

private:
    static QStringList Cells(const DiscRow& row) {
        QStringList shown;
        for (const std::string& cell : DiscCells(row)) shown << QString::fromStdString(cell);
        return shown;
    }
    std::vector<QStringList> cells;  // what the view shows, made once per row
};

namespace {

// Shows every row, or only the discs bleem!.INI lacks.
class MissingProxy final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setOnlyMissing(bool only) {
        only_ = only;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override {
        return !only_ || Missing(static_cast<const DiscsModel*>(sourceModel())->rows[std::size_t(row)]);
    }

private:
    bool only_ = false;
};

}  // namespace

DiscCollectionFORM::DiscCollectionFORM(MainHost& host)
    : ToolWindow(host, "DiscCollectionFORM", tr(" Disc Collection")),
      reader_(std::make_shared<ImageReader>(host.platform().images->command())),
      model_(new DiscsModel(this)),
      proxy_(new MissingProxy(this)) {
    proxy_->setSourceModel(model_);
    auto* content = new QVBoxLayout(this);

    auto* folderRow = new QHBoxLayout;
    FolderTEXT = Named<QLineEdit>(this, "FolderTEXT");
    FolderTEXT->setText(host.platform().settings->readGroup(kGroup, QStringLiteral("Folder")));
    auto* folderLabel = new QLabel(tr("&Folder:"), this);
    folderLabel->setBuddy(FolderTEXT);
    BrowseBUTTON = NamedButton(this, "BrowseBUTTON", tr("&Browse..."));
    ScanBUTTON = NamedButton(this, "ScanBUTTON", tr("&Scan"));
    ScanBUTTON->setToolTip(tr("Read every disc image of the folder and its subfolders."));
    CancelBUTTON = NamedButton(this, "CancelBUTTON", tr("Cancel"));
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(FolderTEXT, 1);
    for (QPushButton* button : {BrowseBUTTON, ScanBUTTON, CancelBUTTON}) folderRow->addWidget(button);
    content->addLayout(folderRow);

    ScanPROGRESS = Named<QProgressBar>(this, "ScanPROGRESS");
    ScanPROGRESS->setAccessibleName(tr("Discs read"));
    ScanPROGRESS->setFormat(tr("%v of %m discs read"));
    ScanPROGRESS->setRange(0, 1);
    ScanPROGRESS->setValue(0);
    content->addWidget(ScanPROGRESS);

    MissingCHECK = Named<QCheckBox>(this, "MissingCHECK", tr("&Only discs not in bleem!.INI"));
    content->addWidget(MissingCHECK);

    DiscsTABLE = Named<QTableView>(this, "DiscsTABLE");
    DiscsTABLE->setAccessibleName(tr("Discs"));
    DiscsTABLE->setModel(proxy_);
    DiscsTABLE->setSelectionBehavior(QAbstractItemView::SelectRows);
    DiscsTABLE->setSelectionMode(QAbstractItemView::SingleSelection);
    DiscsTABLE->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DiscsTABLE->setWordWrap(false);
    DiscsTABLE->setTabKeyNavigation(false);
    DiscsTABLE->verticalHeader()->hide();
    DiscsTABLE->horizontalHeader()->setStretchLastSection(true);
    DiscsTABLE->setSortingEnabled(true);
    DiscsTABLE->sortByColumn(0, Qt::AscendingOrder);
    content->addWidget(DiscsTABLE, 1);

    TotalsTEXT = Named<QLabel>(this, "TotalsTEXT");
    ExposeValue(TotalsTEXT, tr("Totals"));
    content->addWidget(TotalsTEXT);

    AddBUTTON = NamedButton(this, "AddBUTTON", tr("&Add..."));
    AddBUTTON->setToolTip(tr("Give the selected disc its entry in bleem!.INI with the wizard."));
    ExportBUTTON = NamedButton(this, "ExportBUTTON", tr("&Export..."));
    ExportBUTTON->setToolTip(tr("Write the shown discs, in the shown order, to a CSV file."));
    CloseBUTTON = NamedButton(this, "CloseBUTTON", tr("&Close"));
    AddButtonRow(content, {AddBUTTON, ExportBUTTON, CloseBUTTON});

    Platform& platform = host.platform();
    OnSignals(platform, this, &QPushButton::clicked,
              {{BrowseBUTTON, &DiscCollectionFORM::BrowseBUTTON_Click},
               {ScanBUTTON, &DiscCollectionFORM::ScanBUTTON_Click},
               {CancelBUTTON, &DiscCollectionFORM::CancelBUTTON_Click},
               {AddBUTTON, &DiscCollectionFORM::AddBUTTON_Click},
               {ExportBUTTON, &DiscCollectionFORM::ExportBUTTON_Click}});
    OnSignal(platform, MissingCHECK, &QCheckBox::toggled, this, [this] { Filter_Change(); });
    connect(CloseBUTTON, &QPushButton::clicked, this, &QWidget::close);
    connect(DiscsTABLE->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { enableButtons(); });
    connect(&watcher_, &QFutureWatcher<ScannedDisc>::resultsReadyAt, this, [this](int first, int last) { scanned(first, last); });
    connect(&watcher_, &QFutureWatcher<ScannedDisc>::progressRangeChanged, ScanPROGRESS, &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcher<ScannedDisc>::progressValueChanged, ScanPROGRESS, &QProgressBar::setValue);
    connect(&watcher_, &QFutureWatcher<ScannedDisc>::finished, this, [this] { scanEnded(); });
    flush_.setSingleShot(true);
    flush_.setInterval(kRowBatch);
    connect(&flush_, &QTimer::timeout, this, [this] { showPending(); });
    showTotals();
    enableButtons();
    resize(900, 560);
}

DiscCollectionFORM::~DiscCollectionFORM() {
    // The scan ends after its current image; its reader goes with it.
    watcher_.cancel();
}

void DiscCollectionFORM::BrowseBUTTON_Click() {
    const QString folder = host().platform().chooser->chooseFolder(this, FolderTEXT->text());
    if (!folder.isEmpty()) FolderTEXT->setText(folder);
}

void DiscCollectionFORM::ScanBUTTON_Click() {
    const QString folder = FolderTEXT->text();
    if (!QFileInfo(folder).isDir()) {
        host().platform().prompter->ask(this, kTitle, tr("There is no folder %1.").arg(folder), MsgIcon::Exclamation,
                                        MsgButtons::Ok);
        return;
    }
    host().platform().settings->writeGroup(kGroup, QStringLiteral("Folder"), folder);
    model_->clear();
    pending_.clear();
    readsBefore_ = reader_->reads();
    scanning_ = true;  // until its end is delivered here, however soon the worker is done
    ScanPROGRESS->setRange(0, 0);
    // The scan works on copies: the table and the cache stay this thread's.
    watcher_.setFuture(QtConcurrent::run(
        [reader = reader_, table = host().state().discIDs, cache = host().kept<DiscCache>(), path = ToPath(folder)](
            QPromise<ScannedDisc>& promise) {
            const std::vector<DiscFile> discs = FindDiscFiles(path);
            promise.setProgressRange(0, int(discs.size()));
            int done = 0;
            for (const DiscFile& disc : discs) {
                if (promise.isCanceled()) return;
                const DiscIdentity* kept = cache.find(disc);
                promise.addResult(ScannedDisc{disc, kept ? *kept : ReadDiscFile(*reader, disc, table)});
                promise.setProgressValue(++done);
            }
        }));
    enableButtons();
}

void DiscCollectionFORM::CancelBUTTON_Click() {
    watcher_.cancel();
    showPending();  // what was read stays
    enableButtons();
}

void DiscCollectionFORM::scanned(int first, int last) {
    if (watcher_.isCanceled()) return;
    for (int k = first; k < last; ++k) {
        pending_.push_back(watcher_.resultAt(k));
        host().kept<DiscCache>().keep(pending_.back().disc, pending_.back().identity);
    }
    // Rows come in batches: a row at a time would keep the window from the user's keys.
    if (!flush_.isActive()) flush_.start();
}

void DiscCollectionFORM::showPending() {
    flush_.stop();
    model_->append(std::exchange(pending_, {}), host().state());
    showTotals();
}

void DiscCollectionFORM::scanEnded() {
    scanning_ = false;
    if (!watcher_.isCanceled()) showPending();
    imagesRead_ = reader_->reads() - readsBefore_;
    if (ScanPROGRESS->maximum() == 0) ScanPROGRESS->setRange(0, 1);  // cancelled before the count
    showTotals();
    enableButtons();
}

void DiscCollectionFORM::tableChanged() {
    model_->describe(host().state());
    proxy_->invalidate();
    showTotals();
    enableButtons();
}

void DiscCollectionFORM::Filter_Change() {
    static_cast<MissingProxy*>(proxy_)->setOnlyMissing(MissingCHECK->isChecked());
    showTotals();
}

void DiscCollectionFORM::showTotals() {
    std::map<std::string, int> counts;
    for (const DiscRow& row : model_->rows) ++counts[row.reason.empty() ? row.status : std::string()];
    const auto count = [&](const char* status) { return counts[status]; };
    TotalsTEXT->setText(tr("Yes: %1, Partial: %2, Not Yet: %3, not in bleem!.INI: %4, cannot be read: %5; %6 discs")
                            .arg(count("Yes"))
                            .arg(count("Partial"))
                            .arg(count("Not Yet"))
                            .arg(count(kNotInIni))
                            .arg(count(""))
                            .arg(model_->rows.size()));
}

int DiscCollectionFORM::currentRow() const {
    const QModelIndex at = proxy_->mapToSource(DiscsTABLE->currentIndex());
    return at.isValid() ? at.row() : -1;
}

void DiscCollectionFORM::enableButtons() {
    ScanBUTTON->setEnabled(!scanning_);
    CancelBUTTON->setEnabled(scanning_ && !watcher_.isCanceled());
    const int row = currentRow();
    AddBUTTON->setEnabled(row >= 0 && Missing(model_->rows[std::size_t(row)]));
}

void DiscCollectionFORM::AddBUTTON_Click() {
    const int row = currentRow();
    if (row < 0 || !Missing(model_->rows[std::size_t(row)])) return;
    host().addGame(FromPath(model_->discs[std::size_t(row)].disc.path));
}

void DiscCollectionFORM::ExportBUTTON_Click() {
    ExportCsv(host(), this, tr("disc collection"), tr("Disc Collection.csv"), [this] {
        std::vector<DiscRow> shown;
        for (int k = 0; k < proxy_->rowCount(); ++k) shown.push_back(model_->rows[std::size_t(proxy_->mapToSource(proxy_->index(k, 0)).row())]);
        return DiscsCsv(shown);
    });
}

}  // namespace tolva
