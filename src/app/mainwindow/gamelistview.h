#pragma once
// The main window's game list: a view over the titles as they were last listed. A reload of
// thousands of games copies their bytes into one buffer and resets the view once; a row becomes
// text only when it is shown, so no row objects are built or torn down.
#include <QAbstractListModel>
#include <QListView>
#include <string>
#include <string_view>
#include <vector>

namespace tolva {

/// The listed titles, each kept up to what its tooltip shows.
class GameTitlesModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    /// Replaces every row in one reset (a screen reader hears one change, not one per row).
    void setTitles(const std::vector<std::string>& titles, int count);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QString text(int row) const;

private:
    std::string_view kept(int row) const;  ///< the row's title as kept ("" past the rows)

    std::string bytes_;
    std::vector<std::size_t> ends_;  // where each row's bytes end in bytes_
};

/// A single-selection list of games, addressed by row as the rest of the program addresses them.
class GameListView final : public QListView {
    Q_OBJECT

public:
    explicit GameListView(QWidget* parent);
    /// Lists titles[0 .. count - 1]; no row is current afterwards, and nothing is announced.
    void setTitles(const std::vector<std::string>& titles, int count);
    int count() const;
    int currentRow() const;
    /// Makes row current and the only one selected (-1: none), as a click on it would.
    void setCurrentRow(int row);
    void scrollToRow(int row);
    /// The row's text as shown.
    QString text(int row) const;

Q_SIGNALS:
    void currentRowChanged(int row);

private:
    GameTitlesModel* titles_;  // the view's child: it outlives the view's own teardown
};

}  // namespace tolva
