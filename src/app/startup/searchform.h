#pragma once
// SearchFORM asks for the folder of bleem!.INI, its twin Search2FORM for the folder of
// Compatibility.TXT. OK is available only while the file is in the folder typed. The host runs it
// blocking, in front of the splash at start-up and of the main window from the Settings menu.
#include "app/host/toolwindow.h"
#include "app/platform/widgetsfwd.h"

namespace tolva {

class Dialog;

class SearchFORM : public ToolWindow {
    Q_OBJECT

public:
    enum class Kind { Ini, Txt };

    /// dialog: the program's one shared open-file dialog. OK stores the folder typed, in the folder
    /// variables' one form, into IniPath (Ini) or TxtPath (Txt).
    SearchFORM(MainHost& host, Dialog& dialog, Kind kind = Kind::Ini);

    void PathTEXT_Change();
    void SearchBUTTON_Click();
    void OkBUTTON_Click();
    void AbortBUTTON_Click();

    QString fileName() const;
    QString settingKey() const;

protected:
    /// Abort, also through the frame: the known folder stays; without one start-up cannot go on
    /// and the program ends.
    void abort() override;

private:
    std::string& folderVariable();
    const char* fileNameText() const;
    /// The folder typed, when it holds the file; "" otherwise.
    QString typedFolder() const;

    Dialog& dialog_;
    Kind kind_;
    QLabel* LABEL = nullptr;
    QLineEdit* PathTEXT = nullptr;
    QPushButton* SearchBUTTON = nullptr;
    QPushButton* OkBUTTON = nullptr;
    QCheckBox* SaveCHECK = nullptr;
    QPushButton* AbortBUTTON = nullptr;
    /// Folders holding a bleem!.INI found in the user's Wine prefixes when start-up asks;
    /// choosing one fills PathTEXT. Hidden when there are none.
    QLabel* FoundLABEL = nullptr;
    QListWidget* FoundLIST = nullptr;
};

class Search2FORM : public SearchFORM {
    Q_OBJECT

public:
    Search2FORM(MainHost& host, Dialog& dialog) : SearchFORM(host, dialog, Kind::Txt) {}
};

}  // namespace tolva
