#pragma once
// The update's message boxes, as the core words them, through the program's prompter.
#include <chrono>
#include <string>

#include "app/platform/seams.h"
#include "core/update/update_processing.h"

class QWidget;

namespace tolva {

/// Shows the message: title = the program's title + its suffix. Returns the button pressed.
MsgAnswer ShowUpdateMessage(Platform& platform, QWidget* owner, const UpdateMessage& message);

/// A wait as a person reads it: "30 seconds", or "250 milliseconds" when not whole seconds.
std::string WaitText(std::chrono::milliseconds wait);

}  // namespace tolva
