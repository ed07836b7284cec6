#pragma once
// The Clean Up window: rewrites bleem!.INI sorted from the game table, optionally with fields of
// the compatibility records as comment lines before or after each entry.
#include "app/host/toolwindow.h"
#include "app/platform/widgetsfwd.h"

class QBoxLayout;

namespace tolva {

class MainHost;
struct CleanUpOptions;

class CleanUpFORM : public ToolWindow {
    Q_OBJECT

public:
    explicit CleanUpFORM(MainHost& main);

    /// From the main window: clears the search box, then runs the window blocking.
    static void RunFromMain(MainHost& main);

    // The finish step of the Add/Edit wizard, the repair and compare wizards and the update list.
    /// Adds the option "Clean Up the ini afterwards" (Check1) with its explanation to layout.
    static QCheckBox* AddAfterwardsOption(QWidget* window, QBoxLayout* layout, const char* labelName = "");
    /// Once the change is written: Clean Up when option is ticked, from `from` (hidden while
    /// Clean Up is open).
    static void RunAfterwards(MainHost& main, QWidget* from, const QCheckBox* option);

    void PreviewBUTTON_Click();
    void OkBUTTON_Click();
    void AbortBUTTON_Click();
    CleanUpOptions options() const;

protected:
    void abort() override { AbortBUTTON_Click(); }

private:
    MainHost& main_;
    QLabel* PICTUREBOX = nullptr;
    QCheckBox *Check1 = nullptr, *Check2 = nullptr, *Check3 = nullptr, *Check4 = nullptr, *Check5 = nullptr,
              *Check6 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    QPushButton *PreviewBUTTON = nullptr, *OkBUTTON = nullptr, *AbortBUTTON = nullptr;
};

}  // namespace tolva
