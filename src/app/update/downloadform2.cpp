#include "app/update/downloadform2.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "app/update/updatemessages.h"
#include "core/state.h"
#include "core/update/http_download.h"

namespace tolva {

DownloadFORM2::DownloadFORM2(UpdateValues& values, Platform& platform, QUrl address,
                             std::chrono::milliseconds timeout, QWidget* parent)
    : QWidget(parent, Qt::Window),
      values_(values),
      platform_(platform),
      address_(std::move(address)),
      timeout_(timeout) {
    Label1 = SetUpDownloadWindow(this, "DownloadFORM2");
    MSINET = new QNetworkAccessManager(this);
    MSINET->setObjectName(QStringLiteral("MSINET"));
}

void DownloadFORM2::Form_Load() {
    show();
    QCoreApplication::processEvents();  // let it paint once before the transfer
    const Fetched fetched = fetch();
    if (fetched.ok) {
        values_.DownloadText = fetched.body;
        return;
    }
    if (closedByUser_) return;
    // OK goes on with DownloadText as it stands (empty: "failed to connect"); Cancel ends.
    ShowCommonError(platform_, this, Failure{fetched.error, "DownloadFORM2.Form_Load"});
}

DownloadFORM2::Fetched DownloadFORM2::fetch() {
    QNetworkRequest request(address_);
    request.setTransferTimeout(static_cast<int>(timeout_.count()));
    QNetworkReply* reply = MSINET->get(request);
    reply_ = reply;
    bool tooLong = false;
    connect(reply, &QNetworkReply::downloadProgress, this, [reply, &tooLong](qint64 received, qint64) {
        if (received > kMaxBodyBytes && !tooLong) {
            tooLong = true;
            reply->abort();
        }
    });
    // The transfer's own time-out waits for a byte only: a byte now and then would hold it open.
    bool tooSlow = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, [reply, &tooSlow] {
        tooSlow = true;
        reply->abort();
    });
    deadline.start(timeout_ * kDownloadDeadlineStalls);
    if (!reply->isFinished()) {
        QEventLoop loop;
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    reply_ = nullptr;
    reply->deleteLater();

    Fetched fetched;
    const std::string address = ToFile(address_.toString());
    if (reply->error() == QNetworkReply::NoError) {
        const QByteArray body = reply->readAll();
        // A close before the announced length ends the transfer without an error, and the update
        // would be read cut short. (A compressed body's length is not the announced one.)
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (announced.isValid() && reply->rawHeader("Content-Encoding").isEmpty() &&
            announced.toLongLong() != body.size()) {
            fetched.error = "cannot download " + address + ": the server closed the connection after " +
                            std::to_string(body.size()) + " of " + std::to_string(announced.toLongLong()) + " bytes";
            return fetched;
        }
        fetched.ok = true;
        fetched.body.assign(body.constData(), static_cast<std::size_t>(body.size()));
        return fetched;
    }
    std::string why = ToFile(reply->errorString());
    if (tooLong)
        why = "the server sent more than " + std::to_string(kMaxBodyBytes) + " bytes, more than an update can be";
    else if (tooSlow)
        why = "the server took longer than " + WaitText(timeout_ * kDownloadDeadlineStalls) + " to send the update";
    else if (reply->error() == QNetworkReply::OperationCanceledError && !closedByUser_)
        why = "no answer from the server for " + WaitText(timeout_);
    fetched.error = "cannot download " + address + ": " + why;
    return fetched;
}

void DownloadFORM2::closeEvent(QCloseEvent* event) {
    // Closing the window gives the transfer up; the processing then reports the failed connection.
    if (reply_ && !reply_->isFinished()) {
        closedByUser_ = true;
        reply_->abort();
    }
    event->accept();
}

}  // namespace tolva
