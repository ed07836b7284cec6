#include "app/wizard/remarkform.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/platform/coretext.h"
#include "app/platform/controls.h"
#include "core/state.h"
#include "core/wizard/pages.h"

namespace tolva {
namespace {

QString Text(std::string_view text) { return CoreText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))); }

// The pages' numbers come from the wizard's run; a number without a remark page is a programming error.
const RemarkPage& PageData(int number) {
    const RemarkPage* page = FindRemarkPage(number);
    if (!page) qFatal("no remark page %d", number);
    return *page;
}

}  // namespace

RemarkForm::RemarkForm(PageRun& run, int number) : WizardPage(run, number), page_(PageData(number)) {
    QLabel* heading = addText(Text(page_.heading));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    content()->addSpacing(8);

    group_ = new QButtonGroup(this);
    for (std::size_t k = 0; k < page_.options.size(); ++k) {
        const RemarkOption& option = page_.options[k];
        auto* button = Named<QRadioButton>(this, std::string(option.name).c_str(), Text(OptionCaption(page_, option)));
        group_->addButton(button, static_cast<int>(k));
        content()->addWidget(button);
        options.append(button);
        if (!option.note.empty()) {
            QLabel* note = addText(Text(option.note));
            note->setContentsMargins(20, 0, 0, 4);  // under its option's caption
            button->setAccessibleDescription(note->text());
            button->setToolTip(note->text());
        }
        if (k == 0 && !page_.interlude.empty()) {
            content()->addSpacing(6);
            addText(Text(page_.interlude));
        }
    }
    if (page_.preset >= 0) options[page_.preset]->setChecked(true);
    if (!page_.footer.empty()) {
        content()->addSpacing(8);
        addText(Text(page_.footer));
    }
    content()->addStretch(1);
}

void RemarkForm::load() {
    const int selected = PreselectedOption(page_, wizard().EditFlags);
    if (selected >= 0) options[selected]->setChecked(true);
}

void RemarkForm::store() {
    wizard().EditFlags = StoreRemark(page_, wizard().EditFlags, group_->checkedId());
}

void RemarkForm::next() {
    store();
    run().goTo(number() + 1);
}

void RemarkForm::back() {
    store();
    run().goTo(number() - 1);
}

}  // namespace tolva
