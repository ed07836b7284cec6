#include "app/platform/environment.h"

namespace tolva {

Endpoint UpdateServer() {
    return ParseEndpoint(qEnvironmentVariable("TOLVA_UPDATE_SERVER").toStdString(), kUpdateHost, kUpdatePort);
}

Endpoint MailServer() {
    return ParseEndpoint(qEnvironmentVariable("TOLVA_MAIL_SERVER").toStdString(), kMailHost, kMailPort);
}

std::string MaintainersMailbox() {
    const QString mailbox = qEnvironmentVariable("TOLVA_MAILBOX");
    return mailbox.isEmpty() ? std::string(kMailbox) : mailbox.toStdString();
}

ProxyEnvironment HttpProxy() {
    return {qEnvironmentVariable("http_proxy").toStdString(), qEnvironmentVariable("no_proxy").toStdString()};
}

QString ScreenshotFile() { return qEnvironmentVariable("TOLVA_SCREENSHOT"); }

bool EndWhenShown() { return qEnvironmentVariableIsSet("TOLVA_END_WHEN_SHOWN"); }

}  // namespace tolva
