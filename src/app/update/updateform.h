#pragma once
// UpdateFORM offers the update's new entries with a check box each; Finish appends the checked
// ones to bleem!.INI, reloads the game list and can run Clean Up afterwards. The main window
// stays hidden while it is open and comes back at Finish and Abort.
#include <QWidget>
#include <string>
#include <vector>

#include "core/update/update_processing.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tolva {

class MainHost;

class UpdateFORM : public QWidget {
    Q_OBJECT

public:
    /// rows: the texts of the update list, row r showing entry update.UpdRow[r].
    UpdateFORM(MainHost& main, UpdateData update, const std::vector<std::string>& rows);

    void MarkAllBUTTON_Click();
    void MarkNothingBUTTON_Click();
    void updLIST_ItemCheck(QListWidgetItem* item);
    void PreviewBUTTON_Click();
    void OkBUTTON_Click();
    void AbortBUTTON_Click();

    /// The rows checked now, in row order.
    std::vector<bool> checkedRows() const;
    const UpdateData& update() const { return update_; }

    QLabel* PICTUREBOX = nullptr;
    QLabel* EntriesLABEL = nullptr;
    QListWidget* updLIST = nullptr;
    QPushButton* MarkAllBUTTON = nullptr;
    QPushButton* MarkNothingBUTTON = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* PreviewBUTTON = nullptr;
    QPushButton* OkBUTTON = nullptr;
    QPushButton* AbortBUTTON = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setAllRows(bool checked);
    /// Shows the main window again and closes this one (Finish's end, and Abort).
    void finishWindow();
    void backToMain();

    MainHost& main_;
    UpdateData update_;
    std::vector<bool> checked_;  // mirrors the rows' check boxes
    int checkedCount_ = 0;
    bool closing_ = false;
};

}  // namespace tolva
