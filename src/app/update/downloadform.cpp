#include "app/update/downloadform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QNetworkProxy>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/platform/controls.h"
#include "app/platform/environment.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "app/update/updatemessages.h"
#include "app/host/mainhost.h"
#include "core/state.h"
#include "core/update/update_processing.h"
#include "app/platform/guarded.h"

namespace tolva {

DownloadWindow::DownloadWindow(MainHost& main, const char* name)
    : ToolWindow(main, name, tr(" Online Update")), values_(main.state().update), platform_(main.platform()) {
    Label1 = WrappedLabel(
        this, tr("tolva! will now connect to the server to transfer the latest update information."), "Label1");
    ProgressBar = Uncaptioned<QProgressBar>(this, "ProgressBar", tr("Download progress"));
    ProgressBar->setRange(0, 0);  // busy until the response announces its length
    CancelBUTTON = NamedButton(this, "CancelBUTTON", tr("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar);
    AddButtonRow(layout, {CancelBUTTON});
    setMinimumWidth(360);
    OnSignal(platform_, CancelBUTTON, &QPushButton::clicked, this, [this] { CancelBUTTON_Click(); });
}

void DownloadWindow::showProgress(std::int64_t received, std::int64_t total) {
    if (total <= 0 || total > std::numeric_limits<int>::max()) {
        ProgressBar->setRange(0, 0);
        return;
    }
    if (ProgressBar->maximum() != total) ProgressBar->setRange(0, static_cast<int>(total));
    ProgressBar->setValue(static_cast<int>(std::min(received, total)));
}

DownloadFORM::DownloadFORM(MainHost& main, Endpoint server, std::chrono::milliseconds stall)
    : DownloadWindow(main, "DownloadFORM"), server_(std::move(server)), stall_(stall) {
    MSWINSCK = new QTcpSocket(this);
    MSWINSCK->setObjectName(QStringLiteral("MSWINSCK"));
    connect(MSWINSCK, &QTcpSocket::connected, this, &DownloadFORM::MSWINSCK_Connect);
    connect(MSWINSCK, &QTcpSocket::readyRead, this, &DownloadFORM::MSWINSCK_DataArrival);
    connect(MSWINSCK, &QTcpSocket::disconnected, this, &DownloadFORM::MSWINSCK_Close);
    connect(MSWINSCK, &QTcpSocket::errorOccurred, this, &DownloadFORM::MSWINSCK_Error);

    stallTimer_ = new QTimer(this);
    stallTimer_->setSingleShot(true);
    stallTimer_->setInterval(stall_);
    connect(stallTimer_, &QTimer::timeout, this, &DownloadFORM::stalled);

    deadlineTimer_ = new QTimer(this);
    deadlineTimer_->setSingleShot(true);
    deadlineTimer_->setInterval(stall_ * kDownloadDeadlineStalls);
    connect(deadlineTimer_, &QTimer::timeout, this, &DownloadFORM::tookTooLong);
}

void DownloadFORM::Form_Load() {
    show();
    QCoreApplication::processEvents();  // let it paint once before connecting
    deadlineTimer_->start();
    target_ = {server_.host, server_.port, kUpdatePath};
    connectToTarget();
}

void DownloadFORM::connectToTarget() {
    stallTimer_->start();
    const ProxyEnvironment environment = HttpProxy();
    const auto proxy = ProxyFor(target_, environment.proxy, environment.noProxy);
    throughProxy_ = proxy.has_value();
    const HttpAddress& peer = proxy ? *proxy : target_;
    // Qt would tunnel a raw socket through the environment's proxy with CONNECT, which web
    // proxies refuse for port 80: the request itself goes to the proxy instead.
    MSWINSCK->setProxy(QNetworkProxy::NoProxy);
    MSWINSCK->connectToHost(QString::fromStdString(peer.host), static_cast<quint16>(peer.port));
}

bool DownloadFORM::followRedirect() {
    const RedirectStep step = FollowRedirect(target_, download_.location(), redirects_);
    if (!step.next) {
        download_ = HttpDownload{};  // a redirected download takes no failure: start it afresh
        download_.fail(step.failure);
        return false;
    }
    ++redirects_;
    target_ = *step.next;
    {
        const QSignalBlocker quiet(MSWINSCK);  // this connection's end is not the download's
        MSWINSCK->abort();
    }
    download_ = HttpDownload{};
    connectToTarget();
    return true;
}

void DownloadFORM::MSWINSCK_Connect() {
    download_ = HttpDownload{};
    stallTimer_->start();
    const std::string request = UpdateRequest(target_, throughProxy_);
    MSWINSCK->write(request.data(), static_cast<qint64>(request.size()));
}

void DownloadFORM::MSWINSCK_DataArrival() {
    const QByteArray bytes = MSWINSCK->readAll();
    if (bytes.isEmpty() || announced_) return;
    stallTimer_->start();
    download_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    showProgress(download_.progressPosition(), download_.progressMaximum());
    finishIfDone();
}

void DownloadFORM::MSWINSCK_Close() {
    if (announced_) return;
    if (MSWINSCK->bytesAvailable() > 0) MSWINSCK_DataArrival();
    if (announced_) return;
    download_.closed();
    finishIfDone();
}

void DownloadFORM::MSWINSCK_Error(QAbstractSocket::SocketError error) {
    if (announced_) return;
    // HTTP/1.0 ends a response by closing: for the socket that is an error, for us the end.
    if (error == QAbstractSocket::RemoteHostClosedError) {
        MSWINSCK_Close();
        return;
    }
    download_.fail(ToFile(MSWINSCK->errorString()));
    finishIfDone();
}

void DownloadFORM::stalled() {
    if (announced_) return;
    download_.fail(StalledText(stall_));
    finishIfDone();
}

void DownloadFORM::tookTooLong() {
    if (announced_) return;
    download_.fail(TookTooLongText(stall_));
    finishIfDone();
}

void DownloadFORM::finishIfDone() {
    if (!download_.finished() || announced_) return;
    if (download_.state() == HttpDownload::State::Redirected && followRedirect()) return;
    announced_ = true;
    stallTimer_->stop();
    deadlineTimer_->stop();
    // The socket has nothing more to say to this download; its close must not come back here.
    QObject::disconnect(MSWINSCK, nullptr, this, nullptr);
    MSWINSCK->abort();
    if (download_.state() == HttpDownload::State::Failed && !cancelled_) {
        const std::string source = target_.host + ":" + std::to_string(target_.port);
        ShowUpdateMessage(platform_, this, DownloadErrorMessage(source, download_.failure()));
    }
    StoreDownload(download_, values_);
    Q_EMIT downloadFinished();
}

void DownloadFORM::CancelBUTTON_Click() {
    if (announced_) return;
    cancelled_ = true;
    download_.fail(CancelledText());
    finishIfDone();
}

}  // namespace tolva
