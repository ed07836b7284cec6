#include "app/startup/searchform.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/platform/controls.h"
#include "app/platform/environment.h"
#include "app/platform/messages.h"
#include "app/platform/seams.h"
#include "app/platform/text.h"
#include "app/host/mainhost.h"
#include "app/startup/dialog.h"
#include "app/startup/folders.h"
#include "core/files/folders.h"
#include "core/startup/wineprefixes.h"
#include "core/state.h"
#include "app/platform/guarded.h"

namespace tolva {
namespace {

/// The folders of bleem!.INI in the user's Wine prefixes, as the environment names them.
QStringList FoldersInWinePrefixes() {
    QStringList folders;
    for (const std::string& folder : FindBleemInPrefixes(WinePrefixes(WineHomeFolders())).folders)
        folders.append(FromPath(folder));
    return folders;
}

}  // namespace

SearchFORM::SearchFORM(MainHost& host, Dialog& dialog, Kind kind)
    : ToolWindow(host, kind == Kind::Ini ? "SearchFORM" : "Search2FORM", QString()), dialog_(dialog), kind_(kind) {
    Platform& platform = host.platform();

    LABEL = new QLabel(kind == Kind::Ini
                           ? tr("Please enter the name of the folder where bleem! or the \"bleem!.ini\" is located.")
                           : tr("Please enter the name of the folder where bleem! or the \"compatiblity.txt\" is located."),
                       this);
    LABEL->setObjectName(QStringLiteral("LABEL"));
    LABEL->setWordWrap(true);
    PathTEXT = new QLineEdit(this);
    PathTEXT->setObjectName(QStringLiteral("PathTEXT"));
    LABEL->setBuddy(PathTEXT);
    PathTEXT->setAccessibleName(tr("Folder"));
    PathTEXT->setMinimumWidth(380);
    SearchBUTTON = NamedButton(this, "SearchBUTTON", QStringLiteral("..."));
    SearchBUTTON->setAccessibleName(tr("Browse"));
    SearchBUTTON->setToolTip(tr("Pick the file"));
    // Made in reading order, which Tab follows: the folder, the folders found, then the last row.
    FoundLABEL = new QLabel(tr("Found in Wine prefixes:"), this);
    FoundLABEL->setObjectName(QStringLiteral("FoundLABEL"));
    FoundLIST = new QListWidget(this);
    FoundLIST->setObjectName(QStringLiteral("FoundLIST"));
    FoundLIST->setToolTip(tr("Choose a folder to put it into the field above"));
    FoundLABEL->setBuddy(FoundLIST);
    FoundLIST->setAccessibleName(tr("Found in Wine prefixes"));  // a list takes no name from its buddy
    SaveCHECK = Named<QCheckBox>(this, "SaveCHECK", tr("Save"));
    SaveCHECK->setChecked(true);
    OkBUTTON = NamedButton(this, "OkBUTTON", QStringLiteral("OK"));
    OkBUTTON->setDefault(true);
    AbortBUTTON = NamedButton(this, "AbortBUTTON", tr("Abort"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(LABEL, 0, 0, 1, 3);
    grid->addWidget(PathTEXT, 1, 0, 1, 2);
    grid->addWidget(SearchBUTTON, 1, 2);
    grid->addWidget(FoundLABEL, 2, 0, 1, 3);
    grid->addWidget(FoundLIST, 3, 0, 1, 3);
    grid->addWidget(SaveCHECK, 4, 0);
    grid->addWidget(OkBUTTON, 4, 1, Qt::AlignRight);
    grid->addWidget(AbortBUTTON, 4, 2);
    grid->setColumnStretch(0, 1);

    connect(PathTEXT, &QLineEdit::textChanged, this, &SearchFORM::PathTEXT_Change);
    OnSignals(platform, this, &QPushButton::clicked,
              {{SearchBUTTON, &SearchFORM::SearchBUTTON_Click},
               {OkBUTTON, &SearchFORM::OkBUTTON_Click},
               {AbortBUTTON, &SearchFORM::AbortBUTTON_Click}});
    // A folder chosen (clicked, or reached with the arrow keys) fills the field; Tab passing through
    // the list makes its first folder current without choosing it, and leaves what was typed.
    connect(FoundLIST, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = FoundLIST->selectedItems();
        if (!chosen.isEmpty()) PathTEXT->setText(chosen.first()->text());
    });

    // Form_Load
    PathTEXT->setText(FromPath(folderVariable()));
    PathTEXT_Change();

    // Only start-up, which knows no folder yet, searches: the Settings menu opens at the known one.
    const QStringList found = kind == Kind::Ini && folderVariable().empty() ? FoldersInWinePrefixes() : QStringList();
    {
        const QSignalBlocker quiet(FoundLIST);  // the field starts empty whatever the list does
        FoundLIST->addItems(found);
        FoundLIST->setCurrentRow(-1);
    }
    FoundLABEL->setVisible(!found.isEmpty());
    FoundLIST->setVisible(!found.isEmpty());
}

QString SearchFORM::fileName() const {
    return QLatin1String(fileNameText());
}

QString SearchFORM::settingKey() const {
    return kind_ == Kind::Ini ? tr("INI Path") : tr("TXT Path");
}

std::string& SearchFORM::folderVariable() {
    Folders& folders = host().state().folders;
    return kind_ == Kind::Ini ? folders.IniPath : folders.TxtPath;
}

const char* SearchFORM::fileNameText() const { return kind_ == Kind::Ini ? kIniFileName : kTxtFileName; }

QString SearchFORM::typedFolder() const { return FindFolder(host().platform(), {PathTEXT->text()}, fileNameText()); }

void SearchFORM::PathTEXT_Change() { OkBUTTON->setEnabled(!typedFolder().isEmpty()); }

void SearchFORM::SearchBUTTON_Click() {
    const QString filter = fileName() + QLatin1Char('|') + fileName();
    const QString chosen = dialog_.OpenFile(filter, FromPath(host().state().folders.AppPath));
    if (chosen.isEmpty()) return;
    const qsizetype cut = chosen.lastIndexOf(QDir::separator());
    if (cut >= 0) PathTEXT->setText(chosen.left(cut + 1));
}

void SearchFORM::OkBUTTON_Click() {
    const QString folder = typedFolder();
    if (folder.isEmpty()) return;  // Enter while the folder does not hold the file
    folderVariable() = ToPath(folder);
    if (SaveCHECK->isChecked()) host().platform().settings->write(settingKey(), PathTEXT->text());
    finish();
}

void SearchFORM::AbortBUTTON_Click() { abort(); }

void SearchFORM::abort() {
    if (folderVariable().empty()) {
        host().platform().prompter->ask(this, tr("Aborted by user"),
                                        tr("%1 could not be started.").arg(kTitle), MsgIcon::Critical, MsgButtons::Ok);
        EndProgram();
    }
    finish();
}

}  // namespace tolva
