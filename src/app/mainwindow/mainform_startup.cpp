// Start-up, the Settings menu, About and the end of the program.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>

#include "app/host/changewatch.h"
#include "app/mainwindow/mainform.h"
#include "app/mainwindow/splashform.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "app/platform/text.h"
#include "app/startup/dialog.h"
#include "app/startup/folders.h"
#include "app/startup/searchform.h"
#include "core/database/compatibility.h"
#include "core/database/gametable.h"
#include "core/games/discids.h"

namespace tolva {
namespace {

QString Sep() { return QDir::separator(); }

}  // namespace

Dialog& MainFORM::FileDialog() {
    if (!fileDialog_) fileDialog_ = std::make_unique<Dialog>(*platform_.chooser, this);
    return *fileDialog_;
}

bool MainFORM::Form_Load() {
    bool loaded = false;
    Guarded(platform_, [&] { loaded = startUp(); });
    return loaded;
}

bool MainFORM::startUp() {
    Folders& folders = state_.folders;
    if (platform_.instance->anotherIsRunning()) {
        platform_.prompter->ask(this, kTitle, tr("%1 is already in use").arg(kTitle), MsgIcon::Critical,
                                MsgButtons::Ok);
        EndProgram();
    }
    setWindowIcon(ProgramIcon());

    const bool txtUpdate = platform_.settings->read(QStringLiteral("TxtUpdate"), QString()).toUpper() != QStringLiteral("FALSE");
    folders.TxtUpdate = txtUpdate;
    AcuMENU->setChecked(txtUpdate);
    showCompatibilityControls(txtUpdate, false);

    auto* splash = new SplashFORM(*this);
    splash_ = splash;
    splash->show();
    QCoreApplication::processEvents();  // let it paint once

    Check3->setText(tr("Alternate Display Mode :\r\nSoftware Mode = On, D3D = Off"));
    Check4->setText(tr("Frame Skip :\r\nSoftware Mode = Off, D3D = On"));

    QString appPath = platform_.program->folder();
    if (!appPath.endsWith(Sep())) appPath.append(Sep());
    folders.AppPath = ToPath(appPath);

    // A folder named on the command line has set IniPath (and TxtPath) for this run already.
    if (folders.IniPath.empty())
        folders.IniPath = ToPath(FindStartFolder(platform_, kIniFileName, tr("INI Path")));
    if (folders.IniPath.empty()) runWindow(new SearchFORM(*this, FileDialog()), WindowMode::Blocking);

    if (folders.TxtPath.empty())
        folders.TxtPath =
            ToPath(FindStartFolder(platform_, kTxtFileName, tr("TXT Path"), FromPath(folders.IniPath)));
    if (folders.TxtPath.empty()) runWindow(new Search2FORM(*this, FileDialog()), WindowMode::Blocking);

    setWindowTitle(kTitle);
    InitDiscIDs(state_.discIDs);
    if (!ReadINI(state_, sinkFor("GLOBAL.ReadINI"))) return false;
    if (folders.TxtUpdate && !ReadTXT(state_, sinkFor("GLOBAL.ReadTXT"))) return false;
    WriteList();
    if (splash_) splash_->close();
    splash_ = nullptr;
    watch_->follow();
    return true;
}

QWidget* MainFORM::mainWindow() {
    // Start-up asks for the folders in front of the splash, the main window not shown yet.
    if (splash_) return splash_;
    return this;
}

bool MainFORM::reloadAfterChange(const char* module) {
    if (!ReadINI(state_, sinkFor(module))) return false;
    if (state_.folders.TxtUpdate) ReloadTXT(state_);
    WriteList();
    tellCompanions();
    return true;
}

void MainFORM::chooseAnotherFolder(bool ini) {
    std::string& folder = ini ? state_.folders.IniPath : state_.folders.TxtPath;
    const std::string remembered = folder;
    runWindow(ini ? new SearchFORM(*this, FileDialog()) : new Search2FORM(*this, FileDialog()), WindowMode::Blocking);
    if (folder == remembered) return;
    reloadAfterChange(ini ? "MainFORM.OtherIniMENU_Click" : "MainFORM.OtherTxtMENU_Click");
    watch_->follow();
}

void MainFORM::OtherIniMENU_Click() { chooseAnotherFolder(true); }

void MainFORM::OtherTxtMENU_Click() { chooseAnotherFolder(false); }

void MainFORM::showCompatibilityControls(bool visible, bool includingProductCode) {
    for (QWidget* control : {static_cast<QWidget*>(PublisherLABEL), static_cast<QWidget*>(CountryLABEL),
                             static_cast<QWidget*>(DetailsLABEL), static_cast<QWidget*>(PublisherTEXT),
                             static_cast<QWidget*>(CountryTEXT), static_cast<QWidget*>(DetailsTEXT)})
        control->setVisible(visible);
    if (includingProductCode) {
        ProductCodeLABEL->setVisible(visible);
        ProductCodeTEXT->setVisible(visible);
    }
}

void MainFORM::AcuMENU_Click() {
    if (AcuMENU->isChecked()) {
        platform_.settings->write(QStringLiteral("TxtUpdate"), QStringLiteral("False"));
        AcuMENU->setChecked(false);
        state_.folders.TxtUpdate = false;
        showCompatibilityControls(false, true);
    } else {
        platform_.settings->write(QStringLiteral("TxtUpdate"), QStringLiteral("True"));
        AcuMENU->setChecked(true);
        state_.folders.TxtUpdate = true;
        whileBusy([this] { ReloadTXT(state_); });
        showCompatibilityControls(true, true);
    }
    gameLIST_Click();
    tellCompanions();  // the games table's compatibility columns follow the switch
}

void MainFORM::ExitBUTTON_Click() { EndProgram(); }

void MainFORM::AboutMENU_Click() {
    runWindow(new SplashFORM(*this), WindowMode::BlockingHidden);
}

}  // namespace tolva
