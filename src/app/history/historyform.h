#pragma once
// The history window: the kept versions of bleem!.INI, newest first, each with its time, the
// change that replaced it and its entry count; the lines the current file adds and removes
// against the chosen one; and Restore, which puts the chosen one back as Undo does. It stands
// beside the main window as a companion and follows every change of the file, keeping the chosen
// version chosen.
#include <string>
#include <vector>

#include "app/host/toolwindow.h"
#include "app/platform/widgetsfwd.h"
#include "core/history/history.h"

namespace tolva {

class MainHost;

/// Puts version back into bleem!.INI as a change of its own (kept under label, so that it can be
/// taken back in turn) and reloads. When the file changed since tolva! last wrote it, the user
/// is asked first. False when the user said no or the change failed.
bool PutBack(MainHost& main, QWidget* owner, const KeptVersion& version, const std::string& label, const char* module);

class HistoryFORM : public ToolWindow {
    Q_OBJECT

public:
    explicit HistoryFORM(MainHost& main);

    /// Opens the window beside the main window, or brings the open one to the front.
    static void RunFromMain(MainHost& main);

    /// The file changed (a change, Undo, Restore, a reload): the list and the difference follow.
    void tableChanged() override;

    void VersionLIST_Click();
    void RestoreBUTTON_Click();

private:
    /// Lists the versions afresh; the chosen one stays chosen where it is still kept, else the
    /// row it stood in.
    void fill();

    MainHost& main_;
    std::vector<KeptVersion> versions_;
    QListWidget* VersionLIST = nullptr;
    QPlainTextEdit* DifferenceTEXT = nullptr;
    QPushButton* RestoreBUTTON = nullptr;
    QPushButton* CloseBUTTON = nullptr;
};

}  // namespace tolva
