#include "app/tools/cleanupform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/history/previewform.h"
#include "app/host/mainhost.h"
#include "app/platform/controls.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "core/tools/cleanup.h"
#include "app/platform/guarded.h"

namespace tolva {

CleanUpFORM::CleanUpFORM(MainHost& main) : ToolWindow(main, "CleanUpFORM", tr(" Clean Up")), main_(main) {
    PICTUREBOX = PictureBox(this, tr("Clean Up"), QStringLiteral("CLEANUP"));

    auto* content = new QVBoxLayout;
    content->addWidget(WrappedLabel(this, tr("This wizard helps you to clean up the data in the bleem!.ini ! All "
                                                 "comments will be removed and the entries will get sorted.")));
    content->addWidget(WrappedLabel(this, tr("If you want to copy additional information from the compatiblity.txt "
                                                 "into the bleem! ini file, choose it from below :")));
    auto* boxes = new QGridLayout;
    Check1 = Named<QCheckBox>(this, "Check1", tr("Publisher"));
    Check2 = Named<QCheckBox>(this, "Check2", tr("Product Code"));
    Check3 = Named<QCheckBox>(this, "Check3", tr("Country"));
    Check4 = Named<QCheckBox>(this, "Check4", tr("Works?"));
    Check5 = Named<QCheckBox>(this, "Check5", tr("D3D Enhanced?"));
    Check6 = Named<QCheckBox>(this, "Check6", tr("Details"));
    boxes->addWidget(Check1, 0, 0);
    boxes->addWidget(Check2, 0, 1);
    boxes->addWidget(Check3, 1, 0);
    boxes->addWidget(Check4, 1, 1);
    boxes->addWidget(Check5, 2, 0);
    boxes->addWidget(Check6, 2, 1);
    content->addLayout(boxes);

    auto* place = new QHBoxLayout;
    Option1 = Named<QRadioButton>(this, "Option1", tr("before"));
    Option1->setChecked(true);
    Option2 = Named<QRadioButton>(this, "Option2", tr("or after"));
    Option1->setAccessibleName(tr("Add the comments before the entry"));
    Option2->setAccessibleName(tr("Add the comments after the entry"));
    place->addWidget(WrappedLabel(this, tr("Add the comments")));
    place->addWidget(Option1);
    place->addWidget(Option2);
    place->addWidget(WrappedLabel(this, tr("the entry.")));
    place->addStretch(1);
    content->addLayout(place);
    content->addStretch(1);

    OkBUTTON = NamedButton(this, "OkBUTTON", tr("Finish"));
    OkBUTTON->setDefault(true);
    AbortBUTTON = NamedButton(this, "AbortBUTTON", tr("Abort"));
    PreviewBUTTON = NamedButton(this, "PreviewBUTTON", tr("Preview..."));
    PreviewBUTTON->setToolTip(tr("Show the lines Finish would change in bleem!.ini."));
    AddButtonRow(content, {PreviewBUTTON, OkBUTTON, AbortBUTTON});
    PictureBeside(this, PICTUREBOX, content);

    OnSignals(main_.platform(), this, &QPushButton::clicked,
              {{OkBUTTON, &CleanUpFORM::OkBUTTON_Click},
               {AbortBUTTON, &CleanUpFORM::AbortBUTTON_Click},
               {PreviewBUTTON, &CleanUpFORM::PreviewBUTTON_Click}});
}

CleanUpOptions CleanUpFORM::options() const {
    CleanUpOptions options;
    options.Publisher = Check1->isChecked();
    options.ProductCode = Check2->isChecked();
    options.Country = Check3->isChecked();
    options.Works = Check4->isChecked();
    options.D3D = Check5->isChecked();
    options.Details = Check6->isChecked();
    options.Place = Option2->isChecked() ? CommentPlace::After : CommentPlace::Before;
    return options;
}

void CleanUpFORM::PreviewBUTTON_Click() {
    PreviewFORM::Run(main_.platform(), this, main_.state(), CleanUpChange(main_.state(), options()));
}

void CleanUpFORM::OkBUTTON_Click() {
    // The table is written over the file: another program's change is read in first, and the
    // window stays open on the table as it is now.
    if (main_.reloadIfChangedElsewhere(this)) return;
    if (!CleanUpINI(main_.state(), options(), main_.sinkFor("GLOBAL.CleanUpINI"))) return;
    finish();
}

void CleanUpFORM::AbortBUTTON_Click() { finish(); }

void CleanUpFORM::RunFromMain(MainHost& main) {
    main.clearSearch();
    main.runWindow(new CleanUpFORM(main), WindowMode::Blocking);
}

QCheckBox* CleanUpFORM::AddAfterwardsOption(QWidget* window, QBoxLayout* layout, const char* labelName) {
    layout->addWidget(WrappedLabel(
        window, tr("Activate the following option when you want to sort the ini afterwards :"), labelName));
    auto* option = Named<QCheckBox>(window, "Check1", tr("Clean Up the ini afterwards"));
    layout->addWidget(option);
    return option;
}

void CleanUpFORM::RunAfterwards(MainHost& main, QWidget* from, const QCheckBox* option) {
    if (!option->isChecked()) return;
    auto* window = new CleanUpFORM(main);
    window->show();
    from->hide();
    main.runWindow(window, WindowMode::Blocking);
}

}  // namespace tolva
