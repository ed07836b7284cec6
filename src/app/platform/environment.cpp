#include "app/platform/environment.h"

#include <QString>

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

}  // namespace tolva
