#include "app/update/updatemessages.h"

#include "app/platform/coretext.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"

namespace tolva {

MsgAnswer ShowUpdateMessage(Platform& platform, QWidget* owner, const UpdateMessage& message) {
    MsgIcon icon = MsgIcon::Information;
    switch (message.icon) {
    case UpdateIcon::Critical: icon = MsgIcon::Critical; break;
    case UpdateIcon::Exclamation: icon = MsgIcon::Exclamation; break;
    case UpdateIcon::Information: icon = MsgIcon::Information; break;
    }
    const MsgButtons buttons = message.buttons == UpdateButtons::YesNo ? MsgButtons::YesNo : MsgButtons::Ok;
    return platform.prompter->ask(owner, kTitle + CoreText(FromFile(message.titleSuffix)), CoreText(FromFile(message.text)), icon,
                                  buttons);
}

}  // namespace tolva
