#pragma once
// The main window: the game list with its counts and search, the details of the selected game,
// the buttons and the menu bar. Its handlers keep the names the module line of the common error
// message shows ("MainFORM.gameLIST_Click"); the logic behind them lives in the core.
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "app/host/mainhost.h"
#include "app/platform/widgetsfwd.h"
#include "core/state.h"

class QAction;
class QMenu;

namespace tolva {

class Dialog;
struct OnlineWindows;
class SearchFORM;
enum class WatchedFile;

class MainFORM : public QMainWindow, public MainHost {
    Q_OBJECT

public:
    MainFORM(ProgramState& state, Platform& platform, QWidget* parent = nullptr);
    ~MainFORM() override;

    /// The start-up sequence. Returns false when the program has ended during it, or when a
    /// file could not be read (the program then ends too).
    bool Form_Load();

    // Game list, counts and search.
    void WriteList();
    void SearchTEXT_Change();
    // Details view.
    void gameLIST_Click();
    // Buttons and menus.
    void ExitBUTTON_Click();
    void OtherIniMENU_Click();
    void OtherTxtMENU_Click();
    void AcuMENU_Click();
    void AboutMENU_Click();
    void GotoBleemMENU_Click();
    void RemoveBUTTON_Click();
    // Taking a change of bleem!.INI back (mainform_history.cpp).
    void UndoMENU_Click();
    void HistoryMENU_Click();

    // Add/Edit wizard (mainform_wizard.cpp).
    void NewBUTTON_Click();
    // Tools: Clean Up, Repair, Compare (mainform_tools.cpp).
    void CleanUpBUTTON_Click();
    void RepairMENU_Click();
    void CompareMENU_Click();
    void GamesTableMENU_Click();
    void DiscCollectionMENU_Click();
    // Online update (mainform_update.cpp).
    void UpdateMENU_Click();
    void Update2MENU_Click();
    void MergeUpdateMENU_Click();
    void ServersMENU_Click();
    // Mail (mainform_mail.cpp).
    void MailMENU_Click();

    // The host the secondary windows receive.
    ProgramState& state() override { return state_; }
    Platform& platform() override { return platform_; }
    QWidget* dialogParent() override { return this; }
    int selectedRow() const override;
    void showGame(const QString& title) override;
    void clearSearch() override;
    void selectRow(int row) override;
    void addGame(const QString& image) override;
    FailureSink sinkFor(const char* module) override;
    /// ReadINI, ReloadTXT (when switched on), WriteList: the program's one reload.
    bool reloadAfterChange(const char* module) override;
    bool reloadIfChangedElsewhere(QWidget* owner) override;

    /// The program's one open-file dialog, made on first use.
    Dialog& FileDialog();

protected:
    QWidget* mainWindow() override;
    void showCaption(const QString& caption) override { setWindowTitle(caption); }
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void blockingEnded() override;

private:
    bool startUp();
    /// The windows that reach the network, their module opened on first use; nullptr after
    /// telling the user why it could not be opened (mainform_update.cpp).
    const OnlineWindows* online();
    /// Refuses a change at its start, once and saying why, when the last load did not read
    /// bleem!.INI whole; whether it refused.
    bool refusedBeforeChange(const char* refusal);
    void buildControls();
    void buildMenus();
    // Each subsystem wires its own buttons and menu entries, in its own file.
    void connectWizard();
    void connectTools();
    void connectUpdate();
    void connectMail();
    void addHelpLinks();  // the Help menu's web links (mainform_help.cpp)
    void connectHistory();
    // Another program's changes of bleem!'s files (mainform_watch.cpp).
    void buildWatch();
    void reloadChangedFile(WatchedFile file);
    /// "Undo <the newest kept version's action>", unavailable when nothing is kept.
    void refreshUndo();
    void showCompatibilityControls(bool visible, bool includingProductCode);
    bool SearchTEXT_KeyPress(QKeyEvent* event);
    bool gameLIST_KeyPress(QKeyEvent* event);
    void clearDetails();
    void chooseAnotherFolder(bool ini);

    ProgramState& state_;
    Platform& platform_;
    QPointer<class SplashFORM> splash_;
    std::unique_ptr<Dialog> fileDialog_;
    class ChangeWatch* watch_ = nullptr;
    QLabel* ChangedLABEL = nullptr;  // the status line saying that another program changed a file

    // Controls, named as the program names them (also their objectName).
    class GameListView* GameLIST = nullptr;
    QLineEdit* SearchTEXT = nullptr;
    QLabel* versionTEXT = nullptr;
    QLabel* YesTEXT = nullptr;
    QLabel* NoTEXT = nullptr;
    QLabel* PartTEXT = nullptr;
    QLabel* TotalTEXT = nullptr;

    QLabel* TitleLABEL = nullptr;
    QLabel* titleTEXT = nullptr;
    QLabel* IDLABEL = nullptr;
    QLabel* idTEXT = nullptr;
    QLabel* StatusLABEL = nullptr;
    QLabel* StatusPICTURE = nullptr;
    QLabel* d3dPICTURE = nullptr;
    QLabel* ProductCodeLABEL = nullptr;
    QLabel* ProductCodeTEXT = nullptr;
    QLabel* PublisherLABEL = nullptr;
    QLabel* PublisherTEXT = nullptr;
    QLabel* CountryLABEL = nullptr;
    QLabel* CountryTEXT = nullptr;
    QLabel* DetailsLABEL = nullptr;
    QLabel* DetailsTEXT = nullptr;
    QLabel* frameLABEL = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QLabel* GraphicsTEXT = nullptr;
    QLabel* SoundTEXT = nullptr;
    QLabel* MemCardTEXT = nullptr;
    QLabel* OtherTEXT = nullptr;

    QPushButton* NewBUTTON = nullptr;
    QPushButton* RemoveBUTTON = nullptr;
    QPushButton* CleanUpBUTTON = nullptr;
    QPushButton* ExitBUTTON = nullptr;

    // The menus, then their entries a menu a line (the Help menu's links are its own, see
    // addHelpLinks).
    QMenu *FileMENU = nullptr, *FormatMENU = nullptr, *SettingsMENU = nullptr, *HelpMENU = nullptr;
    QAction *NewMENU = nullptr, *RemoveMENU = nullptr, *ExitMENU = nullptr, *UndoMENU = nullptr, *HistoryMENU = nullptr;
    QAction *CleanUpMENU = nullptr, *RepairMENU = nullptr, *CompareMENU = nullptr, *GamesTableMENU = nullptr,
            *DiscCollectionMENU = nullptr,
            *UpdateMENU = nullptr, *Update2MENU = nullptr, *MergeUpdateMENU = nullptr, *MailMENU = nullptr, *GotoBleemMENU = nullptr;
    QAction *OtherIniMENU = nullptr, *OtherTxtMENU = nullptr, *AcuMENU = nullptr, *ServersMENU = nullptr;
    QAction* AboutMENU = nullptr;
};

}  // namespace tolva
