#include "app/wizard/wizardpage.h"

#include <QPushButton>

#include "app/wizard/wizard1form.h"
#include "app/wizard/wizard2form.h"
#include "app/wizard/wizard3form.h"
#include "app/wizard/wizard4form.h"
#include "app/wizard/wizard5form.h"
#include "app/wizard/wizard6form.h"
#include "app/wizard/wizard7form.h"
#include "app/wizard/wizard8form.h"
#include "core/state.h"
#include "core/wizard/pages.h"

namespace tolva {
namespace {

// The texts wrap at one width on every page, so a page's size does not depend on its words.
constexpr int kColumnWidth = 440;

Page* MakePage(PageRun& run, int number) {
    switch (number) {
        case 1: return new Wizard1FORM(run);
        case 2: return new Wizard2FORM(run);
        case 3: return new Wizard3FORM(run);
        case 4: return new Wizard4FORM(run);
        case 5: return new Wizard5FORM(run);
        case 6: return new Wizard6FORM(run);
        case 7: return new Wizard7FORM(run);
        default: return new Wizard8FORM(run);
    }
}

}  // namespace

WizardPage::WizardPage(PageRun& run, int number)
    : Page(run, QString::fromLatin1(PageName(number).data()), number,
              tr(" Wizard [%1/%2]").arg(number).arg(kLastPage), QStringLiteral("WIZARD"), kColumnWidth) {
    addPageButtons(tr("Next >"));
}

WizardState& WizardPage::wizard() { return state().wizard; }

WizardRun::WizardRun(MainHost& main, QString image)
    : PageRun(main, [this](int number) { return MakePage(*this, number); }), image(std::move(image)) {}

}  // namespace tolva
