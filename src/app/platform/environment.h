#pragma once
// The one place that reads the environment's overrides (README, Environment), at each use, so a
// server started after the program (as the tests start theirs) is found. The core takes the values
// as parameters.
#include <string>

#include "core/endpoints.h"

namespace tolva {

/// The update's server: TOLVA_UPDATE_SERVER ("host[:port]") when set, else the maintainers'.
Endpoint UpdateServer();

/// The mail server: TOLVA_MAIL_SERVER ("host[:port]") when set, else the maintainers'.
Endpoint MailServer();

/// The maintainers' mailbox: TOLVA_MAILBOX when set, else theirs.
std::string MaintainersMailbox();

}  // namespace tolva
