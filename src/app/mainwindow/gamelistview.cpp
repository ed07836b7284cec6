#include "app/mainwindow/gamelistview.h"

#include <QItemSelectionModel>
#include <algorithm>

#include "app/platform/controls.h"
#include "app/platform/text.h"

namespace tolva {
namespace {

// A row shows what a screen can; a longer title is whole (up to this much) in the row's tooltip.
constexpr std::size_t kRowBytes = static_cast<std::size_t>(kShownCharacters);
constexpr std::size_t kTipBytes = static_cast<std::size_t>(16 * kShownCharacters);

}  // namespace

void GameTitlesModel::setTitles(const std::vector<std::string>& titles, int count) {
    beginResetModel();
    const auto rows = static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(titles.size())));
    std::size_t size = 0;
    for (std::size_t i = 0; i < rows; ++i) size += std::min(titles[i].size(), kTipBytes);
    bytes_.clear();
    bytes_.reserve(size);
    ends_.clear();
    ends_.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        bytes_.append(titles[i], 0, kTipBytes);
        ends_.push_back(bytes_.size());
    }
    endResetModel();
}

int GameTitlesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ends_.size());
}

std::string_view GameTitlesModel::kept(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    const auto at = static_cast<std::size_t>(row);
    const std::size_t begin = at == 0 ? 0 : ends_[at - 1];
    return std::string_view(bytes_).substr(begin, ends_[at] - begin);
}

QString GameTitlesModel::text(int row) const { return FromFile(kept(row).substr(0, kRowBytes)); }

QVariant GameTitlesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return text(index.row());
    const std::string_view title = kept(index.row());
    // A title shown whole needs no tooltip of its own: the list's is shown.
    if (role != Qt::ToolTipRole || title.size() <= kRowBytes) return {};
    return FromFile(title);
}

Qt::ItemFlags GameTitlesModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

GameListView::GameListView(QWidget* parent) : QListView(parent), titles_(new GameTitlesModel(this)) {
    setModel(titles_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { Q_EMIT currentRowChanged(current.row()); });
}

void GameListView::setTitles(const std::vector<std::string>& titles, int count) { titles_->setTitles(titles, count); }

int GameListView::count() const { return titles_->rowCount(); }

int GameListView::currentRow() const { return currentIndex().row(); }

void GameListView::setCurrentRow(int row) {
    selectionModel()->setCurrentIndex(titles_->index(row), QItemSelectionModel::ClearAndSelect);
}

void GameListView::scrollToRow(int row) { scrollTo(titles_->index(row)); }

QString GameListView::text(int row) const { return titles_->text(row); }

}  // namespace tolva
