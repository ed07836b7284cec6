#pragma once
// The update's message boxes, as the core words them, through the program's prompter.
#include <string>

#include "app/platform/seams.h"
#include "core/update/update_processing.h"

class QWidget;

namespace tolva {

/// Shows the message: title = the program's title + its suffix. Returns the button pressed.
MsgAnswer ShowUpdateMessage(Platform& platform, QWidget* owner, const UpdateMessage& message);

}  // namespace tolva
