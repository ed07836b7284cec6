#pragma once
// The one place that reads the environment (README, Environment), at each use, so a server
// started after the program (as the tests start theirs) is found. The core takes the values as
// parameters.
#include <QString>
#include <string>

#include "core/endpoints.h"
#include "core/startup/wineprefixes.h"

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

/// The proxy for raw connections such as the mail's: all_proxy and no_proxy.
ProxyEnvironment AllProxy();

/// Where the user's Wine prefixes may be: HOME, WINEPREFIX and XDG_DATA_HOME.
WineHome WineHomeFolders();

/// TOLVA_SCREENSHOT: where to save a picture of the main window once it has painted, then end
/// (scripts/run uses it on machines without a display); empty when unset.
QString ScreenshotFile();

/// TOLVA_END_WHEN_SHOWN: end the moment the main window is first shown (the start-up benchmark).
bool EndWhenShown();

}  // namespace tolva
