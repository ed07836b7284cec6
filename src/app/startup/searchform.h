#pragma once
// SearchFORM asks for the folder of bleem!.INI, its twin Search2FORM for the folder of
// Compatibility.TXT. OK is available only while the file is in the folder typed.
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tolva {

struct Platform;
struct ProgramState;
class Dialog;

class SearchFORM : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Ini, Txt };

    /// dialog: the program's one shared open-file dialog. OK stores the folder typed, in the folder
    /// variables' one form, into IniPath (Ini) or TxtPath (Txt).
    SearchFORM(ProgramState& state, Platform& platform, Dialog& dialog, Kind kind = Kind::Ini, QWidget* parent = nullptr);

    void PathTEXT_Change();
    void SearchBUTTON_Click();
    void OkBUTTON_Click();
    void AbortBUTTON_Click();

    QString fileName() const;
    QString settingKey() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::string& folderVariable();
    const char* fileNameText() const;
    /// The folder typed, when it holds the file; "" otherwise.
    QString typedFolder() const;
    void Abort();
    QString moduleName(const char* handler) const;

    ProgramState& state_;
    Platform& platform_;
    Dialog& dialog_;
    Kind kind_;
    bool closing_ = false;
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
    Search2FORM(ProgramState& state, Platform& platform, Dialog& dialog, QWidget* parent = nullptr)
        : SearchFORM(state, platform, dialog, Kind::Txt, parent) {}
};

}  // namespace tolva
