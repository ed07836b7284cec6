#include "app/history/historyform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/history/previewform.h"
#include "app/host/mainhost.h"
#include "app/platform/coretext.h"
#include "app/platform/controls.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "core/database/iniline.h"
#include "core/database/writer.h"
#include "core/tools/restore.h"
#include "app/platform/guarded.h"

namespace tolva {

bool PutBack(MainHost& main, QWidget* owner, const KeptVersion& version, const std::string& label, const char* module) {
    ProgramState& state = main.state();
    if (ChangedOutside(state.folders)) {
        const QString question =
            QCoreApplication::translate("tolva::HistoryFORM", "bleem!.INI was changed by another program since tolva! last wrote it. Replace it "
                           "all the same with the version before \"%1\"?")
                .arg(FromFile(version.action));
        if (main.platform().prompter->ask(owner, kTitle, question, MsgIcon::Exclamation, MsgButtons::YesNo) !=
            MsgAnswer::Yes)
            return false;
    }
    if (!RestoreVersion(state, version, label, module, main.sinkFor(module))) return false;
    return main.reloadAfterChange(module);
}

HistoryFORM::HistoryFORM(MainHost& main) : ToolWindow(main, "HistoryFORM", tr(" History")), main_(main) {
    auto* content = new QVBoxLayout(this);
    QLabel* listLabel = WrappedLabel(this, tr("Versions of bleem!.INI kept before each change, newest first:"));
    VersionLIST = new QListWidget(this);
    VersionLIST->setObjectName(QStringLiteral("VersionLIST"));
    listLabel->setBuddy(VersionLIST);
    VersionLIST->setAccessibleName(tr("Versions"));  // a list takes no name from its buddy
    QLabel* differenceLabel =
        WrappedLabel(this, tr("What the current file adds (+) and removes (-) against the chosen version:"));
    DifferenceTEXT = DifferenceView(this);
    differenceLabel->setBuddy(DifferenceTEXT);
    content->addWidget(listLabel);
    content->addWidget(VersionLIST, 1);
    content->addWidget(differenceLabel);
    content->addWidget(DifferenceTEXT, 2);
    RestoreBUTTON = NamedButton(this, "RestoreBUTTON", tr("Restore"));
    RestoreBUTTON->setToolTip(tr("Put the chosen version back into bleem!.INI."));
    CloseBUTTON = NamedButton(this, "CloseBUTTON", tr("Close"));
    AddButtonRow(content, {RestoreBUTTON, CloseBUTTON});

    connect(VersionLIST, &QListWidget::currentRowChanged, this, [this](int) { VersionLIST_Click(); });
    OnSignal(main_.platform(), RestoreBUTTON, &QPushButton::clicked, this, [this] { RestoreBUTTON_Click(); });
    connect(CloseBUTTON, &QPushButton::clicked, this, &QWidget::close);
    resize(760, 560);
    fill();
}

void HistoryFORM::tableChanged() { fill(); }

void HistoryFORM::fill() {
    const int row = std::max(0, VersionLIST->currentRow());
    const std::string chosen = row < static_cast<int>(versions_.size()) ? versions_[static_cast<std::size_t>(row)].file : std::string();
    versions_ = KeptVersions(main_.state().folders);
    const auto same = std::find_if(versions_.begin(), versions_.end(), [&](const KeptVersion& v) { return v.file == chosen; });
    const int choose = same != versions_.end() ? static_cast<int>(same - versions_.begin()) : row;
    const QSignalBlocker quiet(VersionLIST);
    VersionLIST->clear();
    for (const KeptVersion& version : versions_) {
        const FileBytes kept = ReadWholeFile(version.file);
        const QString entries = kept.ok ? tr("%n entries", nullptr, ActiveEntries(kept.bytes))
                                        : tr("cannot be read");
        VersionLIST->addItem(QStringLiteral("%1   %2   (%3)")
                                 .arg(QDateTime::fromSecsSinceEpoch(version.time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                      FromFile(version.action), entries));
    }
    VersionLIST->setCurrentRow(std::min(choose, VersionLIST->count() - 1));
    VersionLIST_Click();
}

void HistoryFORM::VersionLIST_Click() {
    const int row = VersionLIST->currentRow();
    RestoreBUTTON->setEnabled(row >= 0);
    if (row < 0) {
        DifferenceTEXT->setPlainText(tr("No version is kept yet."));
        return;
    }
    const FileBytes kept = ReadWholeFile(versions_[static_cast<std::size_t>(row)].file);
    const FileBytes current = ReadWholeFile(IniFilePath(main_.state().folders));
    DifferenceTEXT->setPlainText(!kept.ok      ? CoreText(FromFile(kept.error))
                                 : !current.ok ? CoreText(FromFile(current.error))
                                               : DifferenceShown(kept.bytes, current.bytes));
}

void HistoryFORM::RestoreBUTTON_Click() {
    const int row = VersionLIST->currentRow();
    if (row < 0) return;
    const KeptVersion version = versions_[static_cast<std::size_t>(row)];
    // A restore that reloaded has refilled the list already (the chosen version moved down a row
    // under the restore's own); one that stopped before shows the file as it is.
    if (!PutBack(main_, this, version, "Restore: before " + version.action, "HistoryFORM.RestoreBUTTON_Click")) fill();
}

void HistoryFORM::RunFromMain(MainHost& main) {
    main.runWindow(new HistoryFORM(main), WindowMode::Companion);
}

}  // namespace tolva
