#pragma once
// DownloadFORM2 fetches the update file through the platform's HTTP transfer facility, in one
// waited-for request: DownloadText becomes the response's body, or stays empty when the transfer
// fails (which the common error message reports) or stalls.
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
    DownloadFORM2(MainHost& main, QUrl address, std::chrono::milliseconds timeout = kDownloadStall);

    /// Shows the window and returns once the transfer has ended and DownloadText is set.
    void Form_Load();

    void CancelBUTTON_Click() override;
    bool cancelled() const { return closedByUser_; }

private:
    /// The body, or why there is none (ok false).
    struct Fetched {
        bool ok = false;
        std::string body;
        std::string error;
    };
    Fetched fetch();

    QUrl address_;
    std::chrono::milliseconds timeout_;
    QNetworkReply* reply_ = nullptr;
    bool closedByUser_ = false;
    QNetworkAccessManager* MSINET = nullptr;
};

}  // namespace tolva
