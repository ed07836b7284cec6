// Removing the selected game, and the maintenance tools of the Tools menu.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "app/collection/disccollectionform.h"
#include "app/gamestable/gamestableform.h"
#include "app/mainwindow/mainform.h"
#include "app/platform/coretext.h"
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
    if (why) platform_.prompter->ask(this, kTitle, CoreText(FromFile(*why)), MsgIcon::Exclamation, MsgButtons::Ok);
    return why.has_value();
}

void MainFORM::RemoveBUTTON_Click() {
    if (refusedBeforeChange("Cannot remove the game from")) return;
    const MsgAnswer answer =
        platform_.prompter->ask(this, kTitle, tr("Are you sure that the game should be removed ?"),
                                MsgIcon::Question, MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes) {
        const char* const module = "GLOBAL.RemoveGame";
        bool removed = false;
        whileBusy([&] { removed = RemoveGame(state_, selectedRow(), sinkFor(module)) && reloadAfterChange(module); });
        if (!removed) return;
    }
    SearchTEXT->setText(QString());
    SearchTEXT_Change();  // an already empty box still selects the first game
}

void MainFORM::CleanUpBUTTON_Click() { CleanUpFORM::RunFromMain(*this); }

void MainFORM::RepairMENU_Click() { RunToolWizard<RepairWizard>(*this); }

void MainFORM::CompareMENU_Click() { RunToolWizard<CompareWizard>(*this); }

void MainFORM::GamesTableMENU_Click() { runWindow(new GamesTableFORM(*this), WindowMode::Companion); }

void MainFORM::DiscCollectionMENU_Click() { runWindow(new DiscCollectionFORM(*this), WindowMode::Companion); }

void MainFORM::connectTools() {
    OnSignal(platform_, CleanUpBUTTON, &QPushButton::clicked, this, [this] { CleanUpBUTTON_Click(); });
    // Repair and Compare stay unavailable as the menu creates them; the handlers work all the same.
    OnSignals(platform_, this, &QAction::triggered,
              {{CleanUpMENU, &MainFORM::CleanUpBUTTON_Click},
               {RepairMENU, &MainFORM::RepairMENU_Click},
               {CompareMENU, &MainFORM::CompareMENU_Click},
               {GamesTableMENU, &MainFORM::GamesTableMENU_Click},
               {DiscCollectionMENU, &MainFORM::DiscCollectionMENU_Click}});
}

}  // namespace tolva
