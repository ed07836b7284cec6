// Another program's changes of bleem!.INI and Compatibility.TXT: the watch, the reload that keeps
// the selected game, and the line at the bottom of the window that tells of it.
#include <QAccessible>
#include <QLabel>
#include <QStatusBar>
#include <tuple>

#include "app/host/changewatch.h"
#include "app/mainwindow/gamelistview.h"
#include "app/mainwindow/mainform.h"
#include "app/platform/access.h"
#include "app/platform/messages.h"
#include "core/database/compatibility.h"
#include "core/database/gametable.h"
#include "core/database/writer.h"
#include "core/files/files.h"

namespace tolva {

void MainFORM::buildWatch() {
    ChangedLABEL = new QLabel(this);
    ChangedLABEL->setObjectName(QStringLiteral("ChangedLABEL"));
    ChangedLABEL->setTextFormat(Qt::PlainText);
    ExposeValue(ChangedLABEL, tr("File changes"));
    statusBar()->addWidget(ChangedLABEL, 1);
    statusBar()->hide();  // until there is something to say
    watch_ = new ChangeWatch(state_, platform_, this);
    watch_->held = [this] { return blocking(); };
    watch_->reload = [this](WatchedFile file) { reloadChangedFile(file); };
}

void MainFORM::blockingEnded() { watch_->resume(); }

void MainFORM::reloadChangedFile(WatchedFile file) {
    // The selected game is found again by disc ID and title, its place in the file telling twins apart.
    const GameTable& games = state_.games;
    const auto identity = [&games](int i) {
        const auto k = static_cast<std::size_t>(i);
        return std::tie(games.GameID[k], games.GameTitle[k], games.GameTwin[k]);
    };
    const int row = selectedRow();
    const bool had = row >= 0 && row <= games.GameLast;
    const auto selected = had ? std::tuple<std::string, std::string, int>(identity(row))
                              : std::tuple<std::string, std::string, int>();

    const bool ini = file == WatchedFile::Ini;
    if (ini) {
        if (!reloadAfterChange(kReadINIModule)) return;
    } else {
        // Read as a start reads it: the joins begin afresh.
        if (!ReadTXT(state_, sinkFor("GLOBAL.ReadTXT"))) return;
        WriteList();
        tellCompanions();
    }
    for (int i = 0; had && i <= games.GameLast; ++i) {
        if (identity(i) == selected) {
            GameLIST->setCurrentRow(i);
            GameLIST->scrollToRow(i);
            break;
        }
    }

    const QString text = ini ? tr("bleem!.INI was changed by another program and has been reloaded.")
                             : tr("Compatibility.TXT was changed by another program and has been read again.");
    ChangedLABEL->setText(text);
    statusBar()->show();
    QAccessibleValueChangeEvent told(ChangedLABEL, text);
    QAccessible::updateAccessibility(&told);
}

bool MainFORM::reloadIfChangedElsewhere(QWidget* owner) {
    const FileBytes now = ReadWholeFile(IniFilePath(state_.folders));
    // A file that cannot be read fails the write itself, with the write's own message.
    if (!now.ok || !state_.seen.ini || now.bytes == *state_.seen.ini) return false;
    reloadChangedFile(WatchedFile::Ini);
    platform_.prompter->ask(owner, kTitle,
                            tr("bleem!.INI was changed by another program since it was read. It has been "
                                           "reloaded, and nothing was written, so that change is not lost.\r\n\r\n"
                                           "Check the list, then try again."),
                            MsgIcon::Information, MsgButtons::Ok);
    return true;
}

}  // namespace tolva
