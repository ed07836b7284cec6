#include "app/tools/compare1form.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "app/tools/finishpage.h"

namespace tolva {

namespace {

/// Pages 2 and 3: only their buttons.
class CompareMiddlePage final : public ToolPage {
public:
    CompareMiddlePage(PageRun& run, int number) : ToolPage(run, kCompareWizard, number) {
        addPageButtons(QCoreApplication::translate("tolva::ToolPage", "Next >"));
        BackBUTTON->setEnabled(number > 2);
    }
};

}  // namespace

CompareWizard::CompareWizard(MainHost& main)
    : PageRun(main, PagesInOrder({[this] { return new Compare1FORM(*this); },
                                  [this] { return new CompareMiddlePage(*this, 2); },
                                  [this] { return new CompareMiddlePage(*this, 3); },
                                  [this] { return new ToolFinishPage(*this, kCompareWizard); }})) {}

Compare1FORM::Compare1FORM(PageRun& run) : ToolPage(run, kCompareWizard, 1) {
    LABEL[0] = addText(QStringLiteral("Dieser Wizard hilft Ihnen, zwei INI-Dateien mit einander zu verbinden."), "LABEL");
    LABEL[5] = addText(QStringLiteral("Klicken Sie auf Start, um den Vorgang zu starten."), "LABEL");
    LABEL[0]->setProperty("index", 0);
    LABEL[5]->setProperty("index", 5);
    addStartButtons();
}

}  // namespace tolva
