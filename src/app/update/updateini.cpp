#include "app/update/updateini.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include "app/host/mainhost.h"
#include "app/platform/environment.h"
#include "app/platform/seams.h"
#include "app/platform/servers.h"
#include "core/state.h"
#include "app/update/downloadform2.h"
#include "app/update/updateform.h"
#include "app/update/updatemessages.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "core/update/http_download.h"
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
    const Endpoint server = UpdateServer();
    const QString webAddress = ReadServerChoice(*main.platform().settings).updateAddress;
    ToolWindow* download = nullptr;
    // The transfer starts once the run has shown its window, and ends in AfterDownload.
    if (mode == 1 && webAddress.isEmpty()) {
        auto* form = new DownloadFORM(main, server, stall);
        QObject::connect(form, &DownloadFORM::downloadFinished, form, [&main, form] {
            Guarded(main.platform(), [&] { AfterDownload(main, form, form->cancelled()); });
        }, Qt::QueuedConnection);
        QTimer::singleShot(0, form, [&main, form] { Guarded(main.platform(), [form] { form->Form_Load(); }); });
        download = form;
    } else {
        // The user's own web address takes the place of both routes to the maintainers' server.
        const QUrl address(webAddress.isEmpty() ? QString::fromStdString(UpdateAddress(server.host, server.port, kUpdatePath))
                                                : webAddress);
        auto* form = new DownloadFORM2(main, address, stall, !webAddress.isEmpty());
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

void MergeUpdateFile(MainHost& main, const QString& path) {
    main.clearSearch();
    ProgramState& state = main.state();
    Platform& platform = main.platform();
    if (const auto refused = RefuseUpdateForTable(state.games)) {
        ShowUpdateMessage(platform, main.dialogParent(), *refused);
        return;
    }
    QFile file(path);
    const std::string name = ToFile(QFileInfo(path).fileName());
    if (!file.open(QIODevice::ReadOnly)) {
        ShowUpdateMessage(platform, main.dialogParent(), {" Merge Update File", "Cannot read " + name + ": " +
                          ToFile(file.errorString()), UpdateIcon::Critical, UpdateButtons::Ok});
        return;
    }
    // The download's limit: a file larger than any update is not read into memory.
    const QByteArray bytes = file.read(kMaxBodyBytes + 1);
    if (bytes.size() > kMaxBodyBytes) {
        const std::string tooLarge = "the file holds more than " + std::to_string(kMaxBodyBytes) + " bytes, more than an update can be";
        ShowUpdateMessage(platform, main.dialogParent(),
                          {" Merge Update File", name + ": " + tooLarge, UpdateIcon::Exclamation, UpdateButtons::Ok});
        return;
    }
    state.update.DownloadText.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!IsUpdateFile(state.update.DownloadText)) {
        ShowUpdateMessage(platform, main.dialogParent(), NoUpdateFileMessage(name));
        return;
    }
    const UpdateResult result = ReadUpdate(state.update.DownloadText, state.games);
    if (result.outcome != UpdateOutcome::NewEntries) {
        ShowUpdateMessage(platform, main.dialogParent(), result.message);
        return;
    }
    ShowUpdateMessage(platform, main.dialogParent(), result.message);  // the disclaimer
    main.runWindow(new UpdateFORM(main, result.update, result.rows), WindowMode::BlockingHidden);
}

}  // namespace tolva
