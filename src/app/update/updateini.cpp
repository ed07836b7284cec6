#include "app/update/updateini.h"

#include <QTimer>
#include <QUrl>

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

/// After the transfer: an ending message with the main window coming back, or the list of new
/// entries taking the download window's place.
void AfterDownload(MainHost& main, ToolWindow* download, bool cancelled) {
    ProgramState& state = main.state();
    Platform& platform = main.platform();
    if (cancelled) {
        ShowUpdateMessage(platform, main.dialogParent(), UpdateCancelledMessage());
        download->finish();
        return;
    }
    const UpdateResult result = ReadUpdate(state.update.DownloadText, state.games);
    if (result.outcome != UpdateOutcome::NewEntries) {
        ShowUpdateMessage(platform, download, result.message);
        download->finish();
        return;
    }
    auto* form = new UpdateFORM(main, result.update, result.rows);
    download->hide();
    ShowUpdateMessage(platform, main.dialogParent(), result.message);  // the disclaimer
    download->handOver(form);
}

}  // namespace

void UpdateINI(MainHost& main, int mode, std::chrono::milliseconds stall) {
    main.clearSearch();
    ProgramState& state = main.state();
    if (const auto refused = RefuseUpdateForTable(state.games)) {
        ShowUpdateMessage(main.platform(), main.dialogParent(), *refused);
        return;
    }
    state.update.DownloadText.clear();
    state.update.DownloadDone = false;
    const Endpoint server = UpdateServer();
    ToolWindow* download = nullptr;
    // The transfer starts once the run has shown its window, and ends in AfterDownload.
    if (mode == 1) {
        auto* form = new DownloadFORM(main, server, stall);
        QObject::connect(form, &DownloadFORM::downloadFinished, form, [&main, form] {
            Guarded(main.platform(), [&] { AfterDownload(main, form, form->cancelled()); });
        }, Qt::QueuedConnection);
        QTimer::singleShot(0, form, [&main, form] { Guarded(main.platform(), [form] { form->Form_Load(); }); });
        download = form;
    } else {
        const QUrl address(QString::fromStdString(UpdateAddress(server.host, server.port, kUpdatePath)));
        auto* form = new DownloadFORM2(main, address, stall);
        QTimer::singleShot(0, form, [&main, form] {
            Guarded(main.platform(), [&] {
                form->Form_Load();
                AfterDownload(main, form, form->cancelled());
            });
        });
        download = form;
    }
    main.runWindow(download, WindowMode::BlockingHidden);
}

}  // namespace tolva
