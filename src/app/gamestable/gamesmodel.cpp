#include "app/gamestable/gamesmodel.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

#include "app/platform/coretext.h"
#include "app/platform/controls.h"
#include "app/platform/text.h"

namespace tolva {
namespace {

QString Shown(std::string_view cell) { return FromFile(ShownBytes(cell)); }

// Ranks by the user's collation: each distinct text gets one sort key, so that a full column
// costs a key per value rather than a collation per comparison.
std::vector<int> CollatedRanks(const JoinedGames& games, GamesColumn column) {
    std::unordered_map<std::string_view, int> index;
    std::vector<std::string_view> distinct;
    std::vector<int> value(static_cast<std::size_t>(games.count()));
    for (int row = 0; row < games.count(); ++row) {
        const auto [at, added] = index.try_emplace(games.cell(row, column), static_cast<int>(distinct.size()));
        if (added) distinct.push_back(at->first);
        value[static_cast<std::size_t>(row)] = at->second;
    }
    const QCollator collator = GamesCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(distinct.size());
    for (const std::string_view text : distinct) keys.push_back(collator.sortKey(Shown(text)));
    std::vector<int> order(distinct.size());
    std::iota(order.begin(), order.end(), 0);
    const auto key = [&](int k) -> const QCollatorSortKey& { return keys[static_cast<std::size_t>(k)]; };
    std::ranges::sort(order, std::less{}, key);
    std::vector<int> rankOf(distinct.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const bool same = k > 0 && key(order[k]).compare(key(order[k - 1])) == 0;
        rankOf[static_cast<std::size_t>(order[k])] = same ? rankOf[static_cast<std::size_t>(order[k - 1])] : static_cast<int>(k);
    }
    for (int& v : value) v = rankOf[static_cast<std::size_t>(v)];
    return value;
}

}  // namespace

QCollator GamesCollator() {
    const QLocale user;
    QCollator collator(user.language() == QLocale::C ? QLocale(QLocale::English) : user);
    collator.setNumericMode(true);
    return collator;
}

void GamesModel::setGames(JoinedGames games) {
    beginResetModel();
    games_ = std::move(games);
    for (std::vector<int>& column : ranks_) column.clear();
    endResetModel();
}

int GamesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : games_.count(); }

int GamesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGamesColumns; }

QVariant GamesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= games_.count()) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    // A long cell is shown cut at the column's edge, whole in its tooltip.
    const auto column = static_cast<GamesColumn>(index.column());
    const QString shown = Shown(games_.cell(index.row(), column));
    // The words the table itself writes follow the user's language; the files' own texts do not.
    return column == GamesColumn::Status || column == GamesColumn::Direct3D ? CoreText(shown) : shown;
}

QVariant GamesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole) return Qt::AscendingOrder;  // a first click
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kGamesColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return CoreText(QString::fromLatin1(ColumnName(static_cast<GamesColumn>(section))));
}

const std::vector<int>& GamesModel::ranks(int column) const {
    std::vector<int>& ranks = ranks_[static_cast<std::size_t>(column)];
    if (!ranks.empty() || games_.count() == 0) return ranks;
    const auto which = static_cast<GamesColumn>(column);
    if (which == GamesColumn::Title) {
        ranks.resize(static_cast<std::size_t>(games_.count()));
        std::iota(ranks.begin(), ranks.end(), 0);
    } else if (which == GamesColumn::Status) {
        for (int row = 0; row < games_.count(); ++row)
            ranks.push_back(static_cast<int>(StatusOf(games_.tables.games.GameFlags[static_cast<std::size_t>(row)])));
    } else {
        ranks = CollatedRanks(games_, which);
    }
    return ranks;
}

void GamesProxy::setShown(std::vector<char> shown) {
    shown_ = std::move(shown);
    invalidateFilter();
}

bool GamesProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const std::vector<int>& ranks = static_cast<const GamesModel*>(sourceModel())->ranks(left.column());
    const int a = ranks[static_cast<std::size_t>(left.row())], b = ranks[static_cast<std::size_t>(right.row())];
    if (a != b) return a < b;
    // The proxy keeps ties in the order of the previous sort; the table's order decides them
    // instead, in both directions (descending asks for the opposite).
    return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : left.row() > right.row();
}

bool GamesProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return sourceRow >= 0 && static_cast<std::size_t>(sourceRow) < shown_.size() && shown_[static_cast<std::size_t>(sourceRow)];
}

}  // namespace tolva
