#include "app/update/updateini.h"

#include <QEventLoop>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include "app/host/mainhost.h"
#include "app/platform/environment.h"
#include "core/state.h"
#include "app/update/downloadform2.h"
#include "app/update/updateform.h"
#include "app/update/updatemessages.h"
#include "core/update/update_limits.h"
#include "core/update/update_processing.h"

namespace tolva {
namespace {

/// Runs the socket route until DownloadDone; the window stays open for the ending.
QWidget* DownloadBySocket(MainHost& main, const Endpoint& server, std::chrono::milliseconds stall) {
    UpdateValues& values = main.state().update;
    auto* form = new DownloadFORM(values, main.platform(), server, stall);
    QEventLoop loop;
    QObject::connect(form, &DownloadFORM::downloadFinished, &loop, &QEventLoop::quit);
    form->Form_Load();
    // The socket's notifications run in this loop; the stall timer guarantees its end.
    while (!values.DownloadDone) loop.exec();
    return form;
}

QWidget* DownloadByTransfer(MainHost& main, const Endpoint& server, std::chrono::milliseconds timeout) {
    const QUrl address(QString::fromStdString(UpdateAddress(server.host, server.port, kUpdatePath)));
    auto* form = new DownloadFORM2(main.state().update, main.platform(), address, timeout);
    form->Form_Load();
    return form;
}

void CloseDownload(QPointer<QWidget>& download) {
    if (!download) return;
    download->hide();
    download->deleteLater();
}

}  // namespace

void UpdateINI(MainHost& main, int mode, std::chrono::milliseconds stall) {
    ProgramState& state = main.state();
    Platform& platform = main.platform();
    if (const auto refused = RefuseUpdateForTable(state.games)) {
        ShowUpdateMessage(platform, main.ownerWindow(), *refused);
        main.ownerWindow()->show();
        return;
    }

    state.update.DownloadText.clear();
    state.update.DownloadDone = false;
    const Endpoint server = UpdateServer();
    QPointer<QWidget> download =
        mode == 1 ? DownloadBySocket(main, server, stall) : DownloadByTransfer(main, server, stall);
    if (platform.ended()) {
        CloseDownload(download);
        return;
    }
    const auto* bySocket = qobject_cast<DownloadFORM*>(download.data());
    const auto* byTransfer = qobject_cast<DownloadFORM2*>(download.data());
    if ((bySocket && bySocket->cancelled()) || (byTransfer && byTransfer->cancelled())) {
        ShowUpdateMessage(platform, main.ownerWindow(), UpdateCancelledMessage());
        main.ownerWindow()->show();
        CloseDownload(download);
        return;
    }

    const UpdateResult result = UpdateINI(state.update.DownloadText, state.games);
    if (result.outcome != UpdateOutcome::NewEntries) {
        ShowUpdateMessage(platform, download ? download.data() : main.ownerWindow(), result.message);
        main.ownerWindow()->show();
        CloseDownload(download);
        return;
    }
    auto* form = new UpdateFORM(main, result.update, result.rows);
    CloseDownload(download);
    ShowUpdateMessage(platform, main.ownerWindow(), result.message);  // the disclaimer
    if (platform.ended()) return;
    form->show();
    form->activateWindow();
}

void RunOnlineUpdate(MainHost& main, int mode, std::chrono::milliseconds stall) {
    main.clearSearch();
    const ToolWindowGuard aside(main, QStringLiteral(" Online Update"), ToolWindowGuard::Main::Hidden);
    UpdateINI(main, mode, stall);
}

}  // namespace tolva
