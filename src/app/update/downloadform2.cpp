#include "app/update/downloadform2.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QSslConfiguration>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QTimer>

#include "app/platform/environment.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "app/host/mainhost.h"
#include "app/update/updatemessages.h"
#include "core/state.h"
#include "core/update/http_download.h"
#include "app/platform/guarded.h"
#include "app/platform/servers.h"

namespace tolva {

namespace {

/// The environment's proxies (http_proxy, https_proxy, no_proxy) as Qt reads them, CONNECT for https.
class EnvironmentProxies final : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override { return systemProxyForQuery(query); }
};

}  // namespace

DownloadFORM2::DownloadFORM2(MainHost& main, QUrl address, std::chrono::milliseconds timeout, bool webAddress)
    : DownloadWindow(main, "DownloadFORM2"), address_(std::move(address)), timeout_(timeout), webAddress_(webAddress) {
    TrustEnvironmentCertificates();
    MSINET = new QNetworkAccessManager(this);
    MSINET->setObjectName(QStringLiteral("MSINET"));
    if (webAddress_) MSINET->setProxyFactory(new EnvironmentProxies);
}

QUrl DownloadFORM2::redirected(const QUrl& from, const std::string& location, int followed, std::string& why) const {
    if (!webAddress_) {
        const RedirectStep step =
            FollowRedirect(ParseHttpAddress(from.toString(QUrl::FullyEncoded).toStdString()), location, followed);
        why = step.failure;
        return step.next ? QUrl(QString::fromStdString(AddressText(*step.next))) : QUrl();
    }
    const QUrl to = from.resolved(QUrl(QString::fromStdString(location)));
    why = WebRedirectRefusal(from.toString(QUrl::FullyEncoded).toStdString(), to.toString(QUrl::FullyEncoded).toStdString(),
                             followed);
    return why.empty() ? to : QUrl();
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
    Fetched fetched;
    // The transfer's own time-out waits for a byte only: a byte now and then would hold it open.
    bool tooSlow = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, [this, &tooSlow] {
        tooSlow = true;
        if (reply_) reply_->abort();
    });
    deadline.start(timeout_ * kDownloadDeadlineStalls);

    QUrl address = address_;
    for (int redirects = 0;; ++redirects) {
        if (closedByUser_) {
            fetched.error = CancelledText();
            return fetched;
        }
        QNetworkRequest request(address);
        request.setTransferTimeout(static_cast<int>(timeout_.count()));
        // Redirects are followed here, by the rules of the socket route.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        QNetworkReply* reply = MSINET->get(request);
        reply_ = reply;
        if (webAddress_)
            connect(reply, &QNetworkReply::sslErrors, this, [this, reply](const QList<QSslError>& errors) {
                Guarded(platform_, [&] {
                    if (TrustCertificate(platform_, this, reply->url().host(), reply->sslConfiguration().peerCertificate(),
                                         errors))
                        reply->ignoreSslErrors(errors);
                });
            });
        bool tooLong = false;
        connect(reply, &QNetworkReply::downloadProgress, this, [this, reply, &tooLong](qint64 received, qint64 total) {
            if (received > kMaxBodyBytes && !tooLong) {
                tooLong = true;
                reply->abort();
            }
            showProgress(received, total);
        });
        if (!reply->isFinished()) {
            QEventLoop loop;
            connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
            loop.exec();
        }
        reply_ = nullptr;
        reply->deleteLater();

        const std::string where = "cannot download " + ToFile(address.toString()) + ": ";
        if (reply->error() != QNetworkReply::NoError) {
            std::string why = ToFile(reply->errorString());
            if (tooLong)
                why = TooLargeText();
            else if (tooSlow)
                why = TookTooLongText(timeout_);
            else if (reply->error() == QNetworkReply::OperationCanceledError && !closedByUser_)
                why = StalledText(timeout_);
            fetched.error = where + why;
            return fetched;
        }
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const std::string location = reply->rawHeader("Location").toStdString();
        if (IsRedirect(status, location)) {
            std::string why;
            address = redirected(address, location, redirects, why);
            if (address.isEmpty()) {
                fetched.error = where + why;
                return fetched;
            }
            continue;
        }
        const QByteArray body = reply->readAll();
        // A close before the announced length ends the transfer without an error, and the update
        // would be read cut short. (A compressed body's length is not the announced one.)
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (announced.isValid() && reply->rawHeader("Content-Encoding").isEmpty() &&
            announced.toLongLong() != body.size()) {
            fetched.error = where + CutShortText(body.size(), announced.toLongLong());
            return fetched;
        }
        fetched.ok = true;
        fetched.body.assign(body.constData(), static_cast<std::size_t>(body.size()));
        return fetched;
    }
}

void DownloadFORM2::CancelBUTTON_Click() {
    closedByUser_ = true;
    if (reply_ && !reply_->isFinished()) reply_->abort();
}

}  // namespace tolva
