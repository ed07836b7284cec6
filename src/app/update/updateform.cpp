#include "app/update/updateform.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "app/history/previewform.h"
#include "app/host/mainhost.h"
#include "core/state.h"
#include "app/platform/coretext.h"
#include "app/platform/access.h"
#include "app/platform/controls.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "app/platform/text.h"
#include "app/tools/cleanupform.h"
#include "app/update/updatemessages.h"
#include "core/database/writer.h"
#include "core/update/update_limits.h"
#include "app/platform/guarded.h"

namespace tolva {
namespace {

constexpr const char* kFinishModule = "UpdateFORM.OkBUTTON_Click";

// Rows no wider than the list: a longer one is cut where the list cuts text, not pushed out of sight.
class RowWithinList final : public QStyledItemDelegate {
public:
    explicit RowWithinList(QListView* list) : QStyledItemDelegate(list), list_(list) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(std::min(size.width(), list_->viewport()->width()));
        return size;
    }

private:
    QListView* list_;
};

}  // namespace

UpdateFORM::UpdateFORM(MainHost& main, UpdateData update, const std::vector<std::string>& rows)
    : ToolWindow(main, "UpdateFORM", tr(" Online Update")), main_(main), update_(std::move(update)) {

    PICTUREBOX = PictureBox(this, tr("Online Update"), QStringLiteral("UPDATE"));

    auto* content = new QVBoxLayout;
    content->addWidget(WrappedLabel(this, tr("The following new entries were found. Mark the entries you want "
                                                 "to add to the bleem!.ini.")));
    auto* countRow = new QHBoxLayout;
    QLabel* countLabel = WrappedLabel(this, tr("New entries :"));
    countLabel->setWordWrap(false);
    EntriesLABEL = new QLabel(this);
    EntriesLABEL->setObjectName(QStringLiteral("EntriesLABEL"));
    countLabel->setBuddy(EntriesLABEL);
    ExposeValue(EntriesLABEL, countLabel->text());  // before its text makes a reader's view of it
    EntriesLABEL->setText(QString::number(update_.UpdCount));
    countRow->addWidget(countLabel);
    countRow->addWidget(EntriesLABEL);
    countRow->addStretch(1);
    content->addLayout(countRow);

    updLIST = Uncaptioned<QListWidget>(this, "updLIST", tr("New entries"));
    updLIST->setToolTip(tr("Mark the entries to add to the bleem!.ini."));
    updLIST->setAccessibleDescription(updLIST->toolTip());
    updLIST->setUniformItemSizes(true);
    // A long title is cut in its middle, so that the status word at the row's end stays in sight;
    // the row's tooltip holds it whole.
    updLIST->setTextElideMode(Qt::ElideMiddle);
    updLIST->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    updLIST->setResizeMode(QListView::Adjust);
    updLIST->setItemDelegate(new RowWithinList(updLIST));
    for (const std::string& row : rows) {
        auto* item = new QListWidgetItem(CoreText(FromFile(row)), updLIST);
        item->setToolTip(item->text());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    checked_.assign(rows.size(), false);
    content->addWidget(updLIST, 1);

    auto* markRow = new QHBoxLayout;
    MarkAllBUTTON = NamedButton(this, "MarkAllBUTTON", tr("Mark all"));
    MarkNothingBUTTON = NamedButton(this, "MarkNothingBUTTON", tr("Unmark all"));
    markRow->addWidget(MarkAllBUTTON);
    markRow->addWidget(MarkNothingBUTTON);
    markRow->addStretch(1);
    content->addLayout(markRow);

    Check1 = CleanUpFORM::AddAfterwardsOption(this, content);

    OkBUTTON = NamedButton(this, "OkBUTTON", tr("Finish"));
    OkBUTTON->setDefault(true);
    OkBUTTON->setEnabled(false);  // nothing is checked yet
    AbortBUTTON = NamedButton(this, "AbortBUTTON", tr("Abort"));
    PreviewBUTTON = NamedButton(this, "PreviewBUTTON", tr("Preview..."));
    PreviewBUTTON->setToolTip(tr("Show the lines Finish would add to bleem!.ini."));
    PreviewBUTTON->setEnabled(false);  // nothing is checked yet
    AddButtonRow(content, {PreviewBUTTON, OkBUTTON, AbortBUTTON});
    PictureBeside(this, PICTUREBOX, content);
    resize(560, 460);

    connect(updLIST, &QListWidget::itemChanged, this, &UpdateFORM::updLIST_ItemCheck);
    OnSignals(main_.platform(), this, &QPushButton::clicked,
              {{MarkAllBUTTON, &UpdateFORM::MarkAllBUTTON_Click},
               {MarkNothingBUTTON, &UpdateFORM::MarkNothingBUTTON_Click},
               {OkBUTTON, &UpdateFORM::OkBUTTON_Click},
               {PreviewBUTTON, &UpdateFORM::PreviewBUTTON_Click},
               {AbortBUTTON, &UpdateFORM::AbortBUTTON_Click}});
}

std::vector<bool> UpdateFORM::checkedRows() const { return checked_; }

void UpdateFORM::setAllRows(bool checked) {
    for (int row = 0; row < updLIST->count(); ++row)
        updLIST->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

// Ticking keeps the current row (or none) as it was: the check boxes are not the selection.
void UpdateFORM::MarkAllBUTTON_Click() { setAllRows(true); }

void UpdateFORM::MarkNothingBUTTON_Click() { setAllRows(false); }

void UpdateFORM::updLIST_ItemCheck(QListWidgetItem* item) {
    const int row = updLIST->row(item);
    if (row < 0 || row >= static_cast<int>(checked_.size())) return;
    const bool now = item->checkState() == Qt::Checked;
    if (checked_[static_cast<std::size_t>(row)] != now) {
        checked_[static_cast<std::size_t>(row)] = now;
        checkedCount_ += now ? 1 : -1;
    }
    OkBUTTON->setEnabled(checkedCount_ > 0);
    PreviewBUTTON->setEnabled(checkedCount_ > 0);
}

void UpdateFORM::PreviewBUTTON_Click() {
    if (checkedCount_ == 0) return;
    PreviewFORM::Run(main_.platform(), this, main_.state(), AppendChange(CheckedEntries(update_, checked_)));
}

void UpdateFORM::OkBUTTON_Click() {
    if (checkedCount_ == 0) return;  // Enter while nothing is checked
    ProgramState& state = main_.state();
    Platform& platform = main_.platform();
    const std::vector<IniEntry> entries = CheckedEntries(update_, checked_);
    // Entries that would not fit on the next load are not written: the user unmarks some.
    if (const auto refused = RefuseAppend(state.games, entries.size())) {
        ShowUpdateMessage(platform, this, *refused);
        return;
    }
    if (!AppendEntries(state, entries, CommonErrorSink(platform, this, kFinishModule))) return;
    hide();
    // Clean Up follows only a reload that worked; the window finishes either way, so that the
    // user never stays without a window.
    if (main_.reloadAfterChange(kFinishModule)) CleanUpFORM::RunAfterwards(main_, this, Check1);
    finish();
}

void UpdateFORM::AbortBUTTON_Click() { finish(); }

}  // namespace tolva
