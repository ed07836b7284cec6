#include "app/tools/compare1form.h"

#include <QLabel>
#include <QPushButton>

#include "app/host/mainhost.h"
#include "app/tools/compare2form.h"
#include "app/tools/compare3form.h"
#include "app/tools/compare4form.h"

namespace tolva {

CompareWizard::CompareWizard(MainHost& main)
    : PageRun(main, [this](int number) -> Page* {
          switch (number) {
              case 1: return new Compare1FORM(*this);
              case 2: return new Compare2FORM(*this);
              case 3: return new Compare3FORM(*this);
              default: return new Compare4FORM(*this);
          }
      }) {}

Compare1FORM::Compare1FORM(PageRun& run)
    : Page(run, QStringLiteral("Compare1FORM"), 1, QStringLiteral(" Compare"), QStringLiteral("COMPARE")) {
    LABEL[0] = addText(QStringLiteral("Dieser Wizard hilft Ihnen, zwei INI-Dateien mit einander zu verbinden."), "LABEL");
    LABEL[5] = addText(QStringLiteral("Klicken Sie auf Start, um den Vorgang zu starten."), "LABEL");
    LABEL[0]->setProperty("index", 0);
    LABEL[5]->setProperty("index", 5);
    addStartButtons();
}

void Compare1FORM::Start(MainHost& main) {
    CompareWizard wizard(main);
    wizard.Run();
    main.clearSearch();
}

}  // namespace tolva
