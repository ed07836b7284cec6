#pragma once
// UpdateFORM offers the update's new entries with a check box each; Finish appends the checked
// ones to bleem!.INI, reloads the game list and can run Clean Up afterwards. It runs blocking
// with the main window hidden, which comes back at Finish and Abort.
#include <string>
#include <vector>

#include "app/host/toolwindow.h"
#include "app/platform/widgetsfwd.h"
#include "core/update/update_processing.h"

class QListWidgetItem;

namespace tolva {

class MainHost;

class UpdateFORM : public ToolWindow {
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

protected:
    void abort() override { AbortBUTTON_Click(); }

private:
    void setAllRows(bool checked);

    MainHost& main_;
    UpdateData update_;
    std::vector<bool> checked_;  // mirrors the rows' check boxes
    int checkedCount_ = 0;
    QLabel* PICTUREBOX = nullptr;
    QLabel* EntriesLABEL = nullptr;
    QListWidget* updLIST = nullptr;
    QPushButton *MarkAllBUTTON = nullptr, *MarkNothingBUTTON = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton *PreviewBUTTON = nullptr, *OkBUTTON = nullptr, *AbortBUTTON = nullptr;
};

}  // namespace tolva
