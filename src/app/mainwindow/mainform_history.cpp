// Taking changes of bleem!.INI back from its kept versions: Undo and the history window.
#include <QAction>
#include <QEvent>
#include <QMenu>

#include "app/history/historyform.h"
#include "app/mainwindow/mainform.h"
#include "app/platform/text.h"
#include "core/tools/restore.h"
#include "app/platform/guarded.h"

namespace tolva {

void MainFORM::refreshUndo() {
    const std::vector<KeptVersion> versions = KeptVersions(state_.folders);
    UndoMENU->setEnabled(!versions.empty());
    // A title's "&" is the title's, not a mnemonic.
    UndoMENU->setText(versions.empty() ? tr("Undo")
                                       : tr("Undo %1").arg(FromFile(versions.front().action).replace('&', "&&")));
}

void MainFORM::UndoMENU_Click() {
    const std::vector<KeptVersion> versions = KeptVersions(state_.folders);
    if (versions.empty()) return;
    PutBack(*this, this, versions.front(), "Undo " + versions.front().action, "MainFORM.UndoMENU_Click");
}

void MainFORM::HistoryMENU_Click() { HistoryFORM::RunFromMain(*this); }

void MainFORM::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Enabled again after a tool window: Undo names what the tool may have written.
    if (event->type() == QEvent::EnabledChange && isEnabled() && UndoMENU) refreshUndo();
}

void MainFORM::connectHistory() {
    OnSignal(platform_, UndoMENU, &QAction::triggered, this, [this] { UndoMENU_Click(); });
    OnSignal(platform_, HistoryMENU, &QAction::triggered, this, [this] { HistoryMENU_Click(); });
    // Read afresh whenever the menu opens, whatever changed the history meanwhile.
    connect(FileMENU, &QMenu::aboutToShow, this, &MainFORM::refreshUndo);
}

}  // namespace tolva
