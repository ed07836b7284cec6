#include "app/wizard/wizardrun.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>

#include "app/mainwindow/mainform.h"
#include "app/wizard/wizard1form.h"
#include "app/wizard/wizard2form.h"
#include "app/wizard/wizard3form.h"
#include "app/wizard/wizard4form.h"
#include "app/wizard/wizard5form.h"
#include "app/wizard/wizard6form.h"
#include "app/wizard/wizard7form.h"
#include "app/wizard/wizard8form.h"
#include "core/state.h"

namespace tolva {

WizardRun::WizardRun(MainFORM& main) : main_(main) {}

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
    const QRect screen = main_.screen()->geometry();
    first->move(screen.x() + screen.width() / 2 - first->width() / 2,
                screen.y() + screen.height() / 2 - first->height() / 2);
    first->show();
    main_.setEnabled(false);
    wizard.WizardActive = true;

    main_.installEventFilter(this);
    while (wizard.WizardActive && !platform().ended()) loop_.exec();
    main_.removeEventFilter(this);
    if (platform().ended()) return;

    main_.activateWindow();
    main_.setFocus(Qt::OtherFocusReason);
    main_.setCaptionSuffix(QString());
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
    main_.setEnabled(true);
    retire(current_);
    current_ = nullptr;
    loop_.quit();
}

void WizardRun::setOverlay(QWidget* window) { overlay_ = window; }

void WizardRun::bringToFront() {
    if (!current_ || !current_->isVisible()) return;  // page 8 is hidden while Clean Up is open
    current_->raise();
    if (overlay_ && overlay_->isVisible()) {
        overlay_->raise();
        overlay_->activateWindow();
    } else {
        current_->activateWindow();
    }
}

bool WizardRun::eventFilter(QObject* watched, QEvent* event) {
    // The main window takes no input while a page is open: activating it (from the task bar, say)
    // brings the page back to the front.
    // Queued: the activation of the main window must be complete before another window takes it.
    if (watched == &main_ && event->type() == QEvent::WindowActivate && state().wizard.WizardActive) {
        QTimer::singleShot(0, this, &WizardRun::bringToFront);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tolva
