#include "app/platform/environment.h"

#include "app/platform/text.h"

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

ProxyEnvironment AllProxy() {
    return {qEnvironmentVariable("all_proxy").toStdString(), qEnvironmentVariable("no_proxy").toStdString()};
}

WineHome WineHomeFolders() {
    return {ToPath(qEnvironmentVariable("HOME")), ToPath(qEnvironmentVariable("WINEPREFIX")),
            ToPath(qEnvironmentVariable("XDG_DATA_HOME"))};
}

QString ScreenshotFile() { return qEnvironmentVariable("TOLVA_SCREENSHOT"); }

bool EndWhenShown() { return qEnvironmentVariableIsSet("TOLVA_END_WHEN_SHOWN"); }

}  // namespace tolva
