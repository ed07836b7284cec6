#pragma once
// The games table's model over the joined copy, and the proxy that sorts and filters it. Sorting
// compares ranks worked out once per column and copy: a click then sorts integers, not texts.
// Ties keep the table's order in both directions.
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <array>
#include <vector>

#include "core/database/gamestable.h"

class QCollator;

namespace tolva {

/// The games table's order of texts: the user's locale, numbers read as numbers. Qt orders the C
/// locale by code points alone, without numbers, so there it takes the common collation.
QCollator GamesCollator();

class GamesModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    /// Shows a new copy in one reset.
    void setGames(JoinedGames games);
    const JoinedGames& games() const { return games_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    /// Each row's place in column's order: table order for Title; Yes, Partial, Not Yet for
    /// Status; the user's locale with numbers read as numbers for the rest. Equal texts rank equal.
    const std::vector<int>& ranks(int column) const;

private:
    JoinedGames games_;
    mutable std::array<std::vector<int>, kGamesColumns> ranks_;
};

class GamesProxy final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    /// Rows shown from now on, one flag per row of the source.
    void setShown(std::vector<char> shown);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::vector<char> shown_;
};

}  // namespace tolva
