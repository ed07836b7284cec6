#include "app/platform/keyring.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace tolva {
namespace {

/// Runs a keychain job to its end without blocking the event loop; whether it succeeded.
bool Run(QKeychain::Job& job) {
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    // Why the keyring failed (never what was kept) helps a user whose keyring is locked or missing.
    if (job.error() != QKeychain::NoError && job.error() != QKeychain::EntryNotFound)
        qWarning("keyring: %s", qPrintable(job.errorString()));
    return job.error() == QKeychain::NoError;
}

}  // namespace

QtKeyring::QtKeyring(QString service) : service_(std::move(service)) {}

std::optional<QString> QtKeyring::read(const QString& account) {
    QKeychain::ReadPasswordJob job(service_);
    job.setKey(account);
    if (!Run(job)) return std::nullopt;
    return job.textData();
}

bool QtKeyring::write(const QString& account, const QString& password) {
    if (password.isEmpty()) {
        QKeychain::DeletePasswordJob job(service_);
        job.setKey(account);
        return Run(job) || job.error() == QKeychain::EntryNotFound;
    }
    QKeychain::WritePasswordJob job(service_);
    job.setKey(account);
    job.setTextData(password);
    return Run(job);
}

}  // namespace tolva
