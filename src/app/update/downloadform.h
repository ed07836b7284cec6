#pragma once
// DownloadFORM fetches the update file over a plain TCP socket: it sends the hand-written
// HTTP/1.0 request once connected, feeds every byte that arrives and the close to the download
// machine, and shows the progress. It follows redirects by the rule both routes share, and goes
// through the web proxy that http_proxy names (unless no_proxy spares the host) with a request
// that names the whole address; otherwise it connects directly, never through a tunnel. A
// socket error, a failed response, a redirect not followed or a stall shows its cause and ends
// the download with an empty DownloadText, which the update processing reports as a failed
// connection.
#include <QAbstractSocket>
#include <chrono>

#include "app/host/toolwindow.h"
#include "app/platform/widgetsfwd.h"
#include "core/endpoints.h"
#include "core/update/http_download.h"

class QTcpSocket;
class QTimer;

namespace tolva {

struct Platform;
struct UpdateValues;

/// How long the download may go without a connection or a byte before it gives up.
inline constexpr std::chrono::milliseconds kDownloadStall{kDownloadStallSeconds * 1000};

/// What both download windows share: Label1 at the top of a column layout, the progress bar
/// (busy until a length is known) and CancelBUTTON below it, which the frame's close button
/// clicks too; the update values the download fills.
class DownloadWindow : public ToolWindow {
    Q_OBJECT

public:
    /// Ends the download at once; the update then says it was cancelled. Closing the window too.
    virtual void CancelBUTTON_Click() = 0;

protected:
    DownloadWindow(MainHost& main, const char* name);
    void abort() override { CancelBUTTON_Click(); }
    /// Shows a download's progress: busy while the total is unknown.
    void showProgress(std::int64_t received, std::int64_t total);

    UpdateValues& values_;
    Platform& platform_;

private:
    QLabel* Label1;
    QProgressBar* ProgressBar;
    QPushButton* CancelBUTTON;
};

class DownloadFORM : public DownloadWindow {
    Q_OBJECT

public:
    /// stall: the wait without progress that ends the download (tests shorten it).
    DownloadFORM(MainHost& main, Endpoint server, std::chrono::milliseconds stall = kDownloadStall);

    /// Shows the window and connects; the download then runs on the socket's notifications.
    void Form_Load();

    void MSWINSCK_Connect();
    void MSWINSCK_DataArrival();
    void MSWINSCK_Close();
    void MSWINSCK_Error(QAbstractSocket::SocketError error);

    const HttpDownload& download() const { return download_; }

    void CancelBUTTON_Click() override;
    bool cancelled() const { return cancelled_; }

Q_SIGNALS:
    /// DownloadDone has been set: DownloadText holds the body, or is empty after a failure.
    void downloadFinished();

private:
    /// Connects to target_, directly or through the proxy the environment names for it.
    void connectToTarget();
    /// Follows a redirect on a new connection; false when it may not be followed.
    bool followRedirect();
    void stalled();
    void tookTooLong();
    /// Once the download has ended: its reason shown when it failed, then DownloadText and
    /// DownloadDone set and the end announced (once).
    void finishIfDone();

    Endpoint server_;
    std::chrono::milliseconds stall_;
    HttpAddress target_;
    bool throughProxy_ = false;
    int redirects_ = 0;
    HttpDownload download_;
    QTimer* stallTimer_ = nullptr;
    QTimer* deadlineTimer_ = nullptr;  // the whole download's limit
    bool announced_ = false;
    bool cancelled_ = false;
    QTcpSocket* MSWINSCK = nullptr;
};

}  // namespace tolva
