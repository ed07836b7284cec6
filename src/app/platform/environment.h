#pragma once
// The one place that reads the environment (README, Environment), at each use, so a server
// started after the program (as the tests start theirs) is found. The core takes the values as
// parameters.
#include <QString>
#include <string>

#include "core/endpoints.h"

namespace tolva {

/// The update's server: TOLVA_UPDATE_SERVER ("host[:port]") when set, else the maintainers'.
Endpoint UpdateServer();

/// The mail server: TOLVA_MAIL_SERVER ("host[:port]") when set, else the maintainers'.
Endpoint MailServer();

/// The maintainers' mailbox: TOLVA_MAILBOX when set, else theirs.
std::string MaintainersMailbox();

/// The web proxy as the environment names it for every HTTP client: http_proxy and no_proxy.
struct ProxyEnvironment {
    std::string proxy;
    std::string noProxy;
};
ProxyEnvironment HttpProxy();

/// TOLVA_SCREENSHOT: where to save a picture of the main window once it has painted, then end
/// (scripts/run uses it on machines without a display); empty when unset.
QString ScreenshotFile();

/// TOLVA_END_WHEN_SHOWN: end the moment the main window is first shown (the start-up benchmark).
bool EndWhenShown();

}  // namespace tolva
