// Taking the last change of bleem!.INI back from its kept versions.
#include <QAction>
#include <QEvent>
#include <QMenu>

#include "app/mainwindow/mainform.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "core/history/restore.h"

namespace tolva {

namespace {

std::vector<IniVersion> KeptVersions(const Folders& folders) {
    if (folders.HistoryPath.empty()) return {};
    return HistoryOf(folders).Versions();
}

}  // namespace

void MainFORM::refreshUndo() {
    const std::vector<IniVersion> versions = KeptVersions(state_.folders);
    UndoMENU->setEnabled(!versions.empty());
    UndoMENU->setText(versions.empty() ? QStringLiteral("Undo") : QStringLiteral("Undo ") + FromFile(versions.front().action));
}

void MainFORM::UndoMENU_Click() {
    const char* const module = "MainFORM.UndoMENU_Click";
    const std::vector<IniVersion> versions = KeptVersions(state_.folders);
    if (versions.empty()) return;
    const IniVersion& last = versions.front();
    if (ChangedOutside(state_.folders)) {
        const QString question =
            QStringLiteral("bleem!.INI was changed by another program since tolva! last wrote it. Replace it "
                           "all the same with the version before \"%1\"?")
                .arg(FromFile(last.action));
        if (platform_.prompter->ask(this, kTitle, question, MsgIcon::Exclamation, MsgButtons::YesNo) != MsgAnswer::Yes)
            return;
    }
    if (!RestoreVersion(state_, last, "Undo " + last.action, module, sinkFor(module)) || ended()) return;
    reloadAfterChange(module);
}

void MainFORM::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled() && UndoMENU) refreshUndo();
}

void MainFORM::connectHistory() {
    connect(UndoMENU, &QAction::triggered, this, &MainFORM::UndoMENU_Click);
    // Read afresh whenever the menu opens, whatever changed the history meanwhile.
    connect(FileMENU, &QMenu::aboutToShow, this, &MainFORM::refreshUndo);
}

}  // namespace tolva
