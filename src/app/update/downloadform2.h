#pragma once
// DownloadFORM2 fetches the update file through the platform's HTTP transfer facility, in one
// waited-for request: DownloadText becomes the response's body, or stays empty when the transfer
// fails (which the common error message reports) or stalls.
#include <QUrl>
#include <chrono>

#include "app/update/downloadform.h"

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;
class QPushButton;

namespace tolva {

struct Platform;
struct UpdateValues;

class DownloadFORM2 : public ToolWindow {
    Q_OBJECT

public:
    /// timeout: the wait without a byte that aborts the transfer (tests shorten it).
    DownloadFORM2(MainHost& main, QUrl address, std::chrono::milliseconds timeout = kDownloadStall);

    /// Shows the window and returns once the transfer has ended and DownloadText is set.
    void Form_Load();

    /// Ends the transfer at once; the update then says it was cancelled. Closing the window too.
    void CancelBUTTON_Click();
    bool cancelled() const { return closedByUser_; }

protected:
    void abort() override { CancelBUTTON_Click(); }  // the frame's close button is Cancel

private:
    /// The body, or why there is none (ok false).
    struct Fetched {
        bool ok = false;
        std::string body;
        std::string error;
    };
    Fetched fetch();

    UpdateValues& values_;
    Platform& platform_;
    QUrl address_;
    std::chrono::milliseconds timeout_;
    QNetworkReply* reply_ = nullptr;
    bool closedByUser_ = false;
    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPushButton* CancelBUTTON = nullptr;
    QNetworkAccessManager* MSINET = nullptr;
};

}  // namespace tolva
