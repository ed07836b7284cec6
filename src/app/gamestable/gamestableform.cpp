#include "app/gamestable/gamestableform.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QCollator>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "app/gamestable/gamesmodel.h"
#include "app/host/mainhost.h"
#include "app/platform/coretext.h"
#include "app/platform/access.h"
#include "app/platform/controls.h"
#include "app/platform/guarded.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "core/database/compatibility.h"
#include "core/database/writer.h"
#include "core/files/files.h"

namespace tolva {
namespace {

const QColor kYesColour(0, 153, 0);
const QColor kPartColour(230, 172, 0);
const QColor kNoColour(204, 0, 0);

// The choice that filters nothing, and the one for rows without a value.
QString Any() { return QCoreApplication::translate("tolva::GamesTableFORM", "(any)"); }
QString None() { return QCoreApplication::translate("tolva::GamesTableFORM", "(none)"); }

QString Localised(const std::string& core) {
    QString text = QString::fromStdString(core);
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QLabel* Caption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QComboBox* Choice(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    // Whatever the values hold, the box keeps its width.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    return box;
}

// A game's identity across copies: its disc ID, title and place among its twins.
using Identity = std::tuple<std::string, std::string, std::int32_t>;
Identity IdentityOf(const GameTable& games, int row) {
    const auto slot = static_cast<std::size_t>(row);
    return {games.GameID[slot], games.GameTitle[slot], games.GameTwin[slot]};
}

bool IsOneOfTheDatabases(const QString& path, const Folders& folders) {
    const QFileInfo target(path);
    for (const auto& [folder, name] : {std::pair{folders.IniPath, "bleem!.INI"}, std::pair{folders.TxtPath, kTxtFileName}}) {
        if (target.fileName().compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return true;
        const QFileInfo database(QDir(FromPath(folder)).filePath(QLatin1String(name)));
        if (database.exists() && target.exists() && database.canonicalFilePath() == target.canonicalFilePath()) return true;
    }
    return false;
}

}  // namespace

StatusBarPicture::StatusBarPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TotalsPICTURE"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCounts({});
}

void StatusBarPicture::setCounts(const SummaryCounts& counts) {
    counts_ = counts;
    const int total = counts.total();
    const auto share = [&](int n) { return Localised(Percent(n, total)); };
    const QString name = total == 0 ? QCoreApplication::translate("tolva::GamesTableFORM", "No game shown")
                                    : QCoreApplication::translate("tolva::GamesTableFORM", "Yes %1%, Partial %2%, Not Yet %3%")
                                          .arg(share(counts.YesCount), share(counts.PartCount), share(counts.NoCount));
    setAccessibleName(name);
    setToolTip(name);
    update();
}

QSize StatusBarPicture::sizeHint() const { return {240, fontMetrics().height()}; }

QSize StatusBarPicture::minimumSizeHint() const { return {60, fontMetrics().height()}; }

void StatusBarPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int total = counts_.total();
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (total == 0) return;
    // Each edge from the running sum, so the three parts always fill the width exactly.
    int sum = 0, left = 0;
    for (const auto& [n, colour] : {std::pair{counts_.YesCount, kYesColour}, std::pair{counts_.PartCount, kPartColour},
                                    std::pair{counts_.NoCount, kNoColour}}) {
        sum += n;
        const int right = static_cast<int>(static_cast<long long>(width()) * sum / total);
        painter.fillRect(QRect(left, 0, right - left, height()), colour);
        left = right;
    }
}

GamesTableFORM::GamesTableFORM(MainHost& host)
    : ToolWindow(host, "GamesTableFORM", tr(" Games Table")),
      model_(new GamesModel(this)),
      proxy_(new GamesProxy(this)) {
    proxy_->setSourceModel(model_);
    auto* content = new QVBoxLayout(this);

    auto* filters = new QHBoxLayout;
    SearchTEXT = Named<QLineEdit>(this, "SearchTEXT");
    SearchTEXT->setToolTip(tr("Shows the games whose title begins with this text (? any one character, "
                                          "* one or more), or whose disc ID or product code it is."));
    SearchTEXT->setMinimumWidth(120);
    RegionCOMBO = Choice(this, "RegionCOMBO");
    GenreCOMBO = Choice(this, "GenreCOMBO");
    Direct3DCOMBO = Choice(this, "Direct3DCOMBO");
    Direct3DCOMBO->addItems({Any(), tr("Yes"), tr("No")});
    filters->addWidget(Caption(this, tr("&Search:"), SearchTEXT));
    filters->addWidget(SearchTEXT, 1);
    filters->addWidget(Caption(this, tr("&Region:"), RegionCOMBO));
    filters->addWidget(RegionCOMBO);
    filters->addWidget(Caption(this, tr("&Genre:"), GenreCOMBO));
    filters->addWidget(GenreCOMBO);
    filters->addWidget(Caption(this, tr("&Direct3D:"), Direct3DCOMBO));
    filters->addWidget(Direct3DCOMBO);
    content->addLayout(filters);

    auto* statuses = new QHBoxLayout;
    statuses->addWidget(new QLabel(tr("Status shown:"), this));
    YesCHECK = Named<QCheckBox>(this, "YesCHECK", tr("&Yes"));
    PartCHECK = Named<QCheckBox>(this, "PartCHECK", tr("&Partial"));
    NoCHECK = Named<QCheckBox>(this, "NoCHECK", tr("&Not Yet"));
    for (QCheckBox* box : {YesCHECK, PartCHECK, NoCHECK}) {
        box->setChecked(true);
        statuses->addWidget(box);
    }
    statuses->addStretch(1);
    content->addLayout(statuses);

    GamesTABLE = Uncaptioned<QTableView>(this, "GamesTABLE", tr("Games"));
    GamesTABLE->setModel(proxy_);
    GamesTABLE->setSelectionBehavior(QAbstractItemView::SelectRows);
    GamesTABLE->setSelectionMode(QAbstractItemView::ExtendedSelection);
    GamesTABLE->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GamesTABLE->setWordWrap(false);
    GamesTABLE->setTabKeyNavigation(false);  // Tab leaves the table, the arrows move in it
    GamesTABLE->setTextElideMode(Qt::ElideRight);
    GamesTABLE->verticalHeader()->hide();
    GamesTABLE->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GamesTABLE->verticalHeader()->setDefaultSectionSize(GamesTABLE->fontMetrics().height() + 6);
    GamesTABLE->horizontalHeader()->setStretchLastSection(true);
    GamesTABLE->installEventFilter(this);
    content->addWidget(GamesTABLE, 1);

    auto* totals = new QHBoxLayout;
    const auto total = [&](const char* name, const QString& caption) {
        auto* field = new QLabel(this);
        field->setObjectName(QString::fromLatin1(name));
        ExposeValue(field, caption);
        totals->addWidget(new QLabel(caption, this));
        totals->addWidget(field);
        totals->addSpacing(12);
        return field;
    };
    YesTEXT = total("YesTEXT", tr("Yes :"));
    PartTEXT = total("PartTEXT", tr("Partial :"));
    NoTEXT = total("NoTEXT", tr("Not Yet :"));
    TotalTEXT = total("TotalTEXT", tr("Total :"));
    TotalsPICTURE = new StatusBarPicture(this);
    totals->addWidget(TotalsPICTURE, 1);
    content->addLayout(totals);
    content->addWidget(WrappedLabel(
        this, tr("Games not yet shown in the main window were joined to their compatibility records "
                             "in table order, as clicking them from the top down would."),
        "NoteLABEL"));

    ExportBUTTON = NamedButton(this, "ExportBUTTON", tr("&Export..."));
    ExportBUTTON->setToolTip(tr("Write the shown games, in the shown order, to a CSV file."));
    CloseBUTTON = NamedButton(this, "CloseBUTTON", tr("&Close"));
    AddButtonRow(content, {ExportBUTTON, CloseBUTTON});

    restoreSettings();
    tableChanged();
    GamesTABLE->setSortingEnabled(true);  // sorts by the indicator restoreSettings set

    // Every handler the user starts runs behind the program's end boundary.
    Platform& platform = host.platform();
    OnSignal(platform, SearchTEXT, &QLineEdit::textChanged, this, [this] { SearchTEXT_Change(); });
    for (QComboBox* box : {RegionCOMBO, GenreCOMBO, Direct3DCOMBO})
        OnSignal(platform, box, &QComboBox::currentIndexChanged, this, [this] { Filter_Change(); });
    for (QCheckBox* box : {YesCHECK, PartCHECK, NoCHECK})
        OnSignal(platform, box, &QCheckBox::toggled, this, [this] { Filter_Change(); });
    connect(GamesTABLE->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) {
                this->host().platform().settings->writeWindow(objectName() + QStringLiteral("/sort"),
                                                              QStringLiteral("%1,%2").arg(column).arg(int(order)));
            });
    // Enter and a double-click act on the current row, which the click has just made current.
    OnSignal(platform, GamesTABLE, &QAbstractItemView::activated, this,
             [this] { GamesTABLE_Activated(GamesTABLE->currentIndex().row()); });
    OnSignal(platform, ExportBUTTON, &QPushButton::clicked, this, [this] { ExportBUTTON_Click(); });
    connect(CloseBUTTON, &QPushButton::clicked, this, &QWidget::close);
    resize(1000, 600);
}

GamesFilter GamesTableFORM::filter() const {
    GamesFilter f;
    f.search = ToFile(SearchTEXT->text());
    f.statuses = {YesCHECK->isChecked(), PartCHECK->isChecked(), NoCHECK->isChecked()};
    const auto chosen = [](const QComboBox* box) -> std::optional<std::string> {
        if (box->currentIndex() <= 0) return std::nullopt;
        return box->currentData().toByteArray().toStdString();
    };
    f.region = chosen(RegionCOMBO);
    f.genre = chosen(GenreCOMBO);
    f.direct3d = static_cast<GamesFilter::Direct3D>(std::max(0, Direct3DCOMBO->currentIndex()));
    return f;
}

void GamesTableFORM::fillChoices() {
    const JoinedGames& games = model_->games();
    for (const auto& [box, column] : {std::pair{RegionCOMBO, GamesColumn::Region}, std::pair{GenreCOMBO, GamesColumn::Genre}}) {
        std::set<std::string_view> values;
        for (int row = 0; row < games.count(); ++row) values.insert(games.cell(row, column));
        QStringList shown;
        QList<QByteArray> bytes;
        for (const std::string_view value : values) {
            shown << (value.empty() ? None() : FromFile(ShownBytes(value)));
            bytes << QByteArray(value.data(), static_cast<qsizetype>(value.size()));
        }
        // Offered in the user's order; the values filter by their bytes.
        std::vector<int> order(static_cast<std::size_t>(shown.size()));
        for (std::size_t k = 0; k < order.size(); ++k) order[k] = static_cast<int>(k);
        const QCollator collator = GamesCollator();
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return collator.compare(shown[a], shown[b]) < 0; });
        const QByteArray kept = box->currentIndex() > 0 ? box->currentData().toByteArray() : QByteArray();
        const bool anyChosen = box->currentIndex() <= 0;
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItem(Any());
        for (const int k : order) box->addItem(shown[k], bytes[k]);
        const int again = anyChosen ? -1 : box->findData(kept);
        box->setCurrentIndex(std::max(0, again));
    }
}

void GamesTableFORM::tableChanged() {
    std::set<Identity> selected;
    const GameTable& before = model_->games().tables.games;
    for (const int row : selectedRows()) selected.insert(IdentityOf(before, row));

    model_->setGames(JoinEveryGame(host().state()));
    fillChoices();
    Filter_Change();

    if (selected.empty()) return;
    const GameTable& now = model_->games().tables.games;
    QItemSelection rows;
    int top = now.count();  // the topmost row shown, whose cell becomes the current one
    for (int row = 0; row < now.count(); ++row) {
        if (!selected.count(IdentityOf(now, row))) continue;
        const QModelIndex at = proxy_->mapFromSource(model_->index(row, 0));
        if (!at.isValid()) continue;
        rows.select(at, at.siblingAtColumn(kGamesColumns - 1));
        top = std::min(top, at.row());
    }
    if (rows.isEmpty()) return;
    const QModelIndex first = proxy_->index(top, 0);
    GamesTABLE->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    GamesTABLE->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    GamesTABLE->scrollTo(first);
}

void GamesTableFORM::SearchTEXT_Change() {
    // A character the titles cannot hold would become the wildcard "?".
    if (const QString refused = DropOutsideCp1252(SearchTEXT); !refused.isEmpty()) {
        host().platform().prompter->ask(this, kTitle, OutsideCp1252Text(refused), MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    Filter_Change();
}

void GamesTableFORM::Filter_Change() {
    const ShownGames shown = FilterGames(model_->games(), filter());
    proxy_->setShown(shown.shown);
    const int total = shown.counts.total();
    YesTEXT->setText(Localised(CountCaption(shown.counts.YesCount, total)));
    PartTEXT->setText(Localised(CountCaption(shown.counts.PartCount, total)));
    NoTEXT->setText(Localised(CountCaption(shown.counts.NoCount, total)));
    TotalTEXT->setText(QString::number(total));
    TotalsPICTURE->setCounts(shown.counts);
    saveFilters();
}

void GamesTableFORM::GamesTABLE_Activated(int proxyRow) {
    const QModelIndex source = proxy_->mapToSource(proxy_->index(proxyRow, 0));
    if (source.isValid()) host().selectRow(source.row());
}

std::vector<std::string> GamesTableFORM::header() const {
    std::vector<std::string> names;
    for (int c = 0; c < kGamesColumns; ++c) names.push_back(ToFile(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()));
    return names;
}

std::vector<int> GamesTableFORM::shownRows() const {
    std::vector<int> rows;
    for (int row = 0; row < proxy_->rowCount(); ++row) rows.push_back(proxy_->mapToSource(proxy_->index(row, 0)).row());
    return rows;
}

std::vector<int> GamesTableFORM::selectedRows() const {
    QModelIndexList chosen = GamesTABLE->selectionModel() ? GamesTABLE->selectionModel()->selectedRows() : QModelIndexList();
    std::sort(chosen.begin(), chosen.end());  // one column's cells: by row
    std::vector<int> rows;
    for (const QModelIndex& at : chosen) rows.push_back(proxy_->mapToSource(at).row());
    return rows;
}

void GamesTableFORM::CopyRows() {
    const std::vector<int> rows = selectedRows();
    if (!rows.empty()) QGuiApplication::clipboard()->setText(FromFile(GamesTsv(model_->games(), rows)));
}

void GamesTableFORM::ExportBUTTON_Click() {
    ExportCsv(host(), this, tr("games table"), tr("Games Table.csv"),
              [this] { return GamesCsv(model_->games(), shownRows(), header()); });
}

void ExportCsv(MainHost& host, QWidget* owner, const QString& what, const QString& name,
               const std::function<std::string()>& bytes) {
    Platform& platform = host.platform();
    const QString path = platform.chooser->chooseNew(owner, QCoreApplication::translate("tolva::ExportCsv", "CSV files (*.csv)"), QDir::home().filePath(name));
    if (path.isEmpty()) return;
    if (IsOneOfTheDatabases(path, host.state().folders)) {
        platform.prompter->ask(owner, kTitle,
                               QCoreApplication::translate("tolva::ExportCsv", "The %1 is never written over bleem!.INI or "
                                                                           "Compatibility.TXT. Please choose another file.")
                                   .arg(what),
                               MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    const WriteOutcome written = ReplaceFile(ToPath(path), bytes());
    if (!written.ok)
        platform.prompter->ask(owner, kTitle, QCoreApplication::translate("tolva::ExportCsv", "The %1 was not exported: %2")
                                   .arg(what, CoreText(FromPath(written.error))),
                               MsgIcon::Exclamation, MsgButtons::Ok);
}

bool GamesTableFORM::eventFilter(QObject* watched, QEvent* event) {
    if (watched == GamesTABLE && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyRows();  // instead of the view's copy of one cell
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

void GamesTableFORM::restoreSettings() {
    SettingsStore& settings = *host().platform().settings;
    const auto read = [&](const char* key) { return settings.readWindow(objectName() + QLatin1Char('/') + QLatin1String(key)); };
    const QStringList sort = read("sort").split(QLatin1Char(','));
    const int column = sort.value(0).toInt();
    GamesTABLE->horizontalHeader()->setSortIndicator(column >= 0 && column < kGamesColumns ? column : 0,
                                                     sort.value(1) == QLatin1String("1") ? Qt::DescendingOrder
                                                                                         : Qt::AscendingOrder);
    const QStringList widths = read("columns").split(QLatin1Char(','), Qt::SkipEmptyParts);
    // By default each column holds its header, sort mark included, and a typical value whole.
    const std::array<const char*, kGamesColumns> typical = {
        "Atomic Assault Deluxe (Disc 1)", "0000000000", "Not Yet", "SLUS-00000", "Marigold Entertainment",
        "Europe", "Shooter", "Yes", ""};
    QHeaderView* header = GamesTABLE->horizontalHeader();
    for (int c = 0; c < kGamesColumns; ++c) {
        const int width = widths.value(c).toInt();
        const int fits = std::max(header->sectionSizeHint(c),
                                  fontMetrics().horizontalAdvance(QString::fromLatin1(typical[static_cast<std::size_t>(c)])) + 16);
        GamesTABLE->setColumnWidth(c, width > 0 ? width : fits);
    }
    SearchTEXT->setText(read("search"));
    const QString statuses = read("statuses");
    if (statuses.size() == 3)
        for (int k = 0; k < 3; ++k) std::array{YesCHECK, PartCHECK, NoCHECK}[static_cast<std::size_t>(k)]->setChecked(statuses[k] == QLatin1Char('1'));
    Direct3DCOMBO->setCurrentIndex(std::clamp(read("direct3d").toInt(), 0, 2));
    // The choices of values exist once the table is filled: they are kept until then.
    for (QComboBox* box : {RegionCOMBO, GenreCOMBO}) {
        const QString value = read(box == RegionCOMBO ? "region" : "genre");
        if (value.isEmpty()) continue;
        box->addItem(Any());
        box->addItem(value, QByteArray::fromBase64(value.toLatin1()));
        box->setCurrentIndex(1);
    }
}

void GamesTableFORM::saveFilters() {
    SettingsStore& settings = *host().platform().settings;
    const auto write = [&](const char* key, const QString& value) {
        settings.writeWindow(objectName() + QLatin1Char('/') + QLatin1String(key), value);
    };
    write("search", SearchTEXT->text());
    write("statuses", QString(YesCHECK->isChecked() ? '1' : '0') + (PartCHECK->isChecked() ? '1' : '0') +
                          (NoCHECK->isChecked() ? '1' : '0'));
    write("direct3d", QString::number(Direct3DCOMBO->currentIndex()));
    for (QComboBox* box : {RegionCOMBO, GenreCOMBO}) {
        const QByteArray chosen = box->currentData().toByteArray();
        // "(none)" holds no bytes: "=" keeps it apart from "(any)", and decodes to none.
        const QString kept = chosen.isEmpty() ? QStringLiteral("=") : QString::fromLatin1(chosen.toBase64());
        write(box == RegionCOMBO ? "region" : "genre", box->currentIndex() <= 0 ? QString() : kept);
    }
}

void GamesTableFORM::hideEvent(QHideEvent* event) {
    QStringList widths;
    for (int c = 0; c < kGamesColumns; ++c) widths << QString::number(GamesTABLE->columnWidth(c));
    host().platform().settings->writeWindow(objectName() + QStringLiteral("/columns"), widths.join(QLatin1Char(',')));
    ToolWindow::hideEvent(event);
}

}  // namespace tolva
