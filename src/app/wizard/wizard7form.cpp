#include "app/wizard/wizard7form.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "app/platform/controls.h"
#include "core/games/flags.h"
#include "core/state.h"
#include "core/wizard/pages.h"

namespace tolva {
namespace {

constexpr std::array<std::uint8_t, 4> kBits = {kCheck1, kCheck2, kCheck3, kCheck4};

}  // namespace

Wizard7FORM::Wizard7FORM(PageRun& run) : WizardPage(run, 7) {
    QLabel* heading = addText(tr("Here you will have to configure the Advanced Graphics Settings, in "
                                             "order to have a optimal graphics display result :"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    content()->addSpacing(8);

    auto box = [this](const char* name, const QString& caption, const QString& note) {
        auto* check = Named<QCheckBox>(this, name, caption);
        content()->addWidget(check);
        if (!note.isEmpty()) {
            QLabel* text = addText(note);
            text->setContentsMargins(20, 0, 0, 6);  // under its box's caption
            check->setAccessibleDescription(note);
            check->setToolTip(note);
        }
        return check;
    };
    Check1 = box("Check1", tr("Alternate Display Mode on"),
                 tr("Some games don't display properly when you have this option off. If the game has "
                                "major graphic errors, check this option to see if your game requires this."));
    Check2 = box("Check2", tr("\"Enable Frame Skip\" off"),
                 tr("A game is built of 'frames' - image after image, and the more images per second, the "
                                "more fluent the game runs, but often slower. With frameskip, it skips some of these "
                                "frames, making it go faster, but less fluently."));
    Check3 = box("Check3", tr("Alternate Display Mode : On in Software Mode, Off in D3D"), {});
    Check4 = box("Check4", tr("Frame Skip : Off in Software Mode / On in D3D"), {});
    content()->addStretch(1);

    const std::array<QCheckBox*, 4> checks = {Check1, Check2, Check3, Check4};
    const std::array<const char*, 4> handlers = {"Check1_Click", "Check2_Click", "Check3_Click", "Check4_Click"};
    for (int k = 0; k < 4; ++k) {
        // clicked: the user's change only, so clearing a box by the rule does not run it again.
        const auto index = static_cast<std::size_t>(k);
        on(checks[index], &QCheckBox::clicked, handlers[index], [this, k] { Check_Click(k + 1); });
    }
}

std::uint8_t Wizard7FORM::boxes() const {
    const std::array<const QCheckBox*, 4> checks = {Check1, Check2, Check3, Check4};
    std::uint8_t bits = 0;
    for (std::size_t k = 0; k < checks.size(); ++k) {
        if (checks[k]->isChecked()) bits |= kBits[k];
    }
    return bits;
}

void Wizard7FORM::setBoxes(std::uint8_t bits) {
    const std::array<QCheckBox*, 4> checks = {Check1, Check2, Check3, Check4};
    for (std::size_t k = 0; k < checks.size(); ++k) checks[k]->setChecked((bits & kBits[k]) != 0);
}

void Wizard7FORM::Check_Click(int box) {
    if (box < 1 || box > 4) return;
    setBoxes(ExcludeGraphicsBoxes(boxes(), kBits[static_cast<std::size_t>(box - 1)]));
}

void Wizard7FORM::load() { setBoxes(GraphicsBoxesOf(wizard().EditFlags)); }

void Wizard7FORM::store() { wizard().EditFlags = StoreGraphicsBoxes(wizard().EditFlags, boxes()); }

void Wizard7FORM::next() {
    store();
    run().goTo(8);
}

void Wizard7FORM::back() {
    store();
    run().goTo(6);
}

}  // namespace tolva
