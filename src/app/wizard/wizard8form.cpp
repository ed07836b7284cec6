#include "app/wizard/wizard8form.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/host/mainhost.h"
#include "app/platform/controls.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "app/tools/cleanupform.h"
#include "core/database/writer.h"
#include "core/state.h"
#include "core/text/cp1252.h"
#include "core/wizard/pages.h"

namespace tolva {

Wizard8FORM::Wizard8FORM(PageRun& run) : WizardPage(run, 8) {
    addText(tr("The tolva! wizard has now all the information needed to update the bleem! database with "
                           "your game information. Click 'Finish' to complete setup."));
    content()->addSpacing(8);
    LoadLABEL = addText(tr("Loading ..."));
    LoadLABEL->setObjectName(QStringLiteral("LoadLABEL"));
    LoadLABEL->setAlignment(Qt::AlignHCenter);
    LoadLABEL->hide();
    // The page keeps its size when the label shows.
    QSizePolicy keep = LoadLABEL->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    LoadLABEL->setSizePolicy(keep);
    content()->addSpacing(8);
    Check1 = CleanUpFORM::AddAfterwardsOption(this, content());
    content()->addStretch(1);
    ForwardBUTTON->setText(tr("Finish"));
}

void Wizard8FORM::back() { run().goTo(PreviousPage(8, wizard().EditFlags)); }

void Wizard8FORM::next() {
    // From here on the page cannot be left by its buttons: the run always ends below.
    ForwardBUTTON->setEnabled(false);
    BackBUTTON->setEnabled(false);
    AbortBUTTON->setEnabled(false);
    Check1->setEnabled(false);

    WizardState& w = wizard();
    w.EditFlags = SettleStatus(w.EditFlags);

    LoadLABEL->show();
    QCoreApplication::processEvents();  // let the label paint before the file is written
    const bool carryOn = WriteINI(state(), main().selectedRow(), CommonErrorSink(platform(), this)) &&
                         main().reloadAfterChange("GLOBAL.WriteINI");
    LoadLABEL->hide();
    if (!carryOn) return;

    CleanUpFORM::RunAfterwards(main(), this, Check1);

    // The search selects the written game (or the first title that matches it).
    main().showGame(FromFile(UpperCase(w.EditTitle)));
    run().end();
}

}  // namespace tolva
