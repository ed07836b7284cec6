// Removing the selected game, and the maintenance tools of the Tools menu.
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include "app/gamestable/gamestableform.h"
#include "app/mainwindow/mainform.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "app/tools/cleanupform.h"
#include "app/tools/compare1form.h"
#include "app/tools/repair1form.h"
#include "core/database/writer.h"
#include "app/platform/guarded.h"

namespace tolva {

bool MainFORM::refusedBeforeChange(const char* refusal) {
    const std::optional<std::string> why = RefuseChange(state_, refusal);
    if (why) platform_.prompter->ask(this, kTitle, FromFile(*why), MsgIcon::Exclamation, MsgButtons::Ok);
    return why.has_value();
}

void MainFORM::RemoveBUTTON_Click() {
    if (refusedBeforeChange("Cannot remove the game from")) return;
    const MsgAnswer answer =
        platform_.prompter->ask(this, kTitle, QStringLiteral("Are you sure that the game should be removed ?"),
                                MsgIcon::Question, MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes) {
        // What the question covered is drawn before the rewrite (no input is taken meanwhile:
        // a second Remove must not start inside this one). The window is disabled after that,
        // not drawn disabled: drawn once more, enabled, with the list as rewritten, it is ready a
        // whole repaint sooner.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        setEnabled(false);
        const char* const module = "GLOBAL.RemoveGame";
        if (!RemoveGame(state_, selectedRow(), sinkFor(module)) || !reloadAfterChange(module)) return;
        setEnabled(true);
    }
    SearchTEXT->setText(QString());
    SearchTEXT_Change();  // an already empty box still selects the first game
}

void MainFORM::CleanUpBUTTON_Click() { CleanUpFORM::RunFromMain(*this); }

void MainFORM::RepairMENU_Click() { Repair1FORM::Start(*this); }

void MainFORM::CompareMENU_Click() { Compare1FORM::Start(*this); }

void MainFORM::GamesTableMENU_Click() { runWindow(new GamesTableFORM(*this), WindowMode::Companion); }

void MainFORM::connectTools() {
    OnSignal(platform_, CleanUpBUTTON, &QPushButton::clicked, this, [this] { CleanUpBUTTON_Click(); });
    OnSignal(platform_, CleanUpMENU, &QAction::triggered, this, [this] { CleanUpBUTTON_Click(); });
    // Both entries stay unavailable as the menu creates them; the handlers work all the same.
    OnSignal(platform_, RepairMENU, &QAction::triggered, this, [this] { RepairMENU_Click(); });
    OnSignal(platform_, CompareMENU, &QAction::triggered, this, [this] { CompareMENU_Click(); });
    OnSignal(platform_, GamesTableMENU, &QAction::triggered, this, [this] { GamesTableMENU_Click(); });
}

}  // namespace tolva
