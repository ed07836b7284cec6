#pragma once
// DownloadFORM2 fetches the update file through the platform's HTTP transfer facility, in one
// waited-for request: DownloadText becomes the response's body, or stays empty when the transfer
// fails (which the common error message reports) or stalls.
// The same window fetches the update from the user's own web address: then https is checked
// against the system's certificates (or one the user trusted), proxies come from the
// environment, and redirects follow the web address's own rule.
#include <QUrl>
#include <chrono>

#include "app/update/downloadform.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace tolva {

class DownloadFORM2 : public DownloadWindow {
    Q_OBJECT

public:
    /// timeout: the wait without a byte that aborts the transfer (tests shorten it).
    /// webAddress: the user's own address rather than the maintainers' server.
    DownloadFORM2(MainHost& main, QUrl address, std::chrono::milliseconds timeout = kDownloadStall,
                  bool webAddress = false);

    /// Shows the window and returns once the transfer has ended and DownloadText is set.
    void Form_Load();

    void CancelBUTTON_Click() override;
    bool cancelled() const { return closedByUser_; }

    /// The body, or why there is none (ok false).
    struct Fetched {
        bool ok = false;
        std::string body;
        std::string error;
    };
    /// The transfer itself, waited for; the window need not be shown.
    Fetched fetch();

private:
    /// Where a redirect leads, or why it is not followed (empty address).
    QUrl redirected(const QUrl& from, const std::string& location, int followed, std::string& why) const;

    QUrl address_;
    std::chrono::milliseconds timeout_;
    bool webAddress_ = false;
    QNetworkReply* reply_ = nullptr;
    bool closedByUser_ = false;
    QNetworkAccessManager* MSINET = nullptr;
};

}  // namespace tolva
