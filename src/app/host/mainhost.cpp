#include "app/host/mainhost.h"

#include <QWidget>

namespace tolva {

ToolWindowGuard::ToolWindowGuard(MainHost& host, const QString& suffix, Main how) : host_(host), how_(how) {
    if (how_ == Main::Hidden)
        host_.ownerWindow()->hide();
    else
        host_.ownerWindow()->setEnabled(false);
    host_.setCaptionSuffix(suffix);
}

ToolWindowGuard::~ToolWindowGuard() {
    if (host_.ended()) return;  // nothing is restored for a program that is over
    host_.setCaptionSuffix(QString());
    if (how_ == Main::Disabled) host_.ownerWindow()->setEnabled(true);
}

}  // namespace tolva
