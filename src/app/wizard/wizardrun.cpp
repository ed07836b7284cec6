#include "app/wizard/wizardrun.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include "app/host/mainhost.h"
#include "app/wizard/wizard1form.h"
#include "app/wizard/wizard2form.h"
#include "app/wizard/wizard3form.h"
#include "app/wizard/wizard4form.h"
#include "app/wizard/wizard5form.h"
#include "app/wizard/wizard6form.h"
#include "app/wizard/wizard7form.h"
#include "app/wizard/wizard8form.h"
#include "app/platform/messages.h"
#include "app/platform/waiting.h"
#include "core/state.h"

namespace tolva {

WizardRun::WizardRun(MainHost& main) : main_(main) {}

WizardRun::~WizardRun() {
    // No page may outlive the run it refers to: one still standing (the program ended under it)
    // or left but not yet deleted goes now, when none of its handlers can be running.
    retire(current_);
    for (const QPointer<WizardPage>& page : std::as_const(retired_)) delete page.data();
}

void WizardRun::retire(WizardPage* page) {
    if (!page) return;
    page->hide();
    page->deleteLater();  // its own click may still be on the way back through it
    retired_.append(page);
}

ProgramState& WizardRun::state() { return main_.state(); }
Platform& WizardRun::platform() { return main_.platform(); }

WizardPage* WizardRun::create(int page) {
    WizardPage* created = nullptr;
    switch (page) {
        case 1: created = new Wizard1FORM(*this); break;
        case 2: created = new Wizard2FORM(*this); break;
        case 3: created = new Wizard3FORM(*this); break;
        case 4: created = new Wizard4FORM(*this); break;
        case 5: created = new Wizard5FORM(*this); break;
        case 6: created = new Wizard6FORM(*this); break;
        case 7: created = new Wizard7FORM(*this); break;
        default: created = new Wizard8FORM(*this); break;
    }
    current_ = created;
    created->Form_Load();
    created->adjustSize();
    return created;
}

void WizardRun::Start() {
    WizardState& wizard = state().wizard;
    WizardPage* first = create(1);
    if (platform().ended()) return;
    // Page 1 always opens in the middle of the screen.
    const QRect screen = main_.ownerWindow()->screen()->geometry();
    first->move(screen.x() + screen.width() / 2 - first->width() / 2,
                screen.y() + screen.height() / 2 - first->height() / 2);
    first->show();
    const ToolWindowGuard aside(main_, first->windowTitle().mid(kTitle.size()));
    wizard.WizardActive = true;

    const FrontKeeper keeper(main_.ownerWindow(), [this]() -> QWidget* {
        return state().wizard.WizardActive ? current_.data() : nullptr;
    });
    while (wizard.WizardActive && !platform().ended()) loop_.exec();
    if (platform().ended()) return;

    main_.ownerWindow()->activateWindow();
    main_.ownerWindow()->setFocus(Qt::OtherFocusReason);
}

void WizardRun::switchTo(WizardPage* from, int page) {
    const QPoint place = from->pos();  // a page the user has moved is replaced where it stands
    WizardPage* target = create(page);
    if (platform().ended()) {
        retire(from);
        end();
        return;
    }
    target->move(place);
    target->show();
    target->raise();
    target->activateWindow();
    retire(from);
}

void WizardRun::end() {
    state().wizard.WizardActive = false;
    main_.ownerWindow()->setEnabled(true);
    retire(current_);
    current_ = nullptr;
    loop_.quit();
}

}  // namespace tolva
