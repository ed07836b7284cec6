#include "app/tools/finishpage.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform/controls.h"
#include "app/tools/cleanupform.h"

namespace tolva {

ToolFinishPage::ToolFinishPage(PageRun& run, const ToolWizard& wizard) : ToolPage(run, wizard, wizard.last) {
    addText(tr("The tolva! wizard has now all the information needed to update the bleem! "
                           "database with your game information. Click 'Finish' to complete setup."),
            "LABEL");
    Check1 = CleanUpFORM::AddAfterwardsOption(this, content(), "LABEL");
    addPageButtons(tr("Finish"));
}

void ToolFinishPage::next() {
    for (QWidget* control : {static_cast<QWidget*>(ForwardBUTTON), static_cast<QWidget*>(BackBUTTON),
                             static_cast<QWidget*>(AbortBUTTON), static_cast<QWidget*>(Check1)})
        control->setEnabled(false);
    if (finishWork()) CleanUpFORM::RunAfterwards(main(), this, Check1);
    run().end();
}

}  // namespace tolva
