// The details view of the selected game, and its "More information" web page.
#include <QCoreApplication>
#include <QCheckBox>
#include <QLabel>

#include "app/mainwindow/mainform.h"
#include "app/platform/coretext.h"
#include "app/platform/controls.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "app/platform/text.h"
#include "core/database/compatibility.h"
#include "core/games/discids.h"
#include "core/games/flags.h"

namespace tolva {
namespace {

// What each picture means, as a screen reader says it.
QString Meaning(const QString& picture) {
    if (picture == QLatin1String("YES")) return QCoreApplication::translate("tolva::MainFORM", "Status: works");
    if (picture == QLatin1String("PART")) return QCoreApplication::translate("tolva::MainFORM", "Status: partially works");
    if (picture == QLatin1String("NO")) return QCoreApplication::translate("tolva::MainFORM", "Status: does not work yet");
    if (picture == QLatin1String("D3D")) return QCoreApplication::translate("tolva::MainFORM", "Direct3D supported");
    return QCoreApplication::translate("tolva::MainFORM", "no Direct3D");
}

void ShowPicture(QLabel* picture, const char* name) {
    const QString resource = QString::fromLatin1(name);
    picture->setPixmap(CachedPicture(resource, picture->devicePixelRatioF()));
    picture->setProperty("picture", resource);  // which picture is shown, for tests
    picture->setAccessibleName(Meaning(resource));
}

}  // namespace

void MainFORM::clearDetails() {
    for (QLabel* field : {titleTEXT, idTEXT, ProductCodeTEXT, PublisherTEXT, CountryTEXT, DetailsTEXT,
                          GraphicsTEXT, SoundTEXT, MemCardTEXT, OtherTEXT})
        ShowValue(field, {});
    for (QCheckBox* box : {Check1, Check2, Check3, Check4}) box->setChecked(false);
    StatusPICTURE->clear();
    StatusPICTURE->setProperty("picture", QString());
    d3dPICTURE->hide();
}

void MainFORM::gameLIST_Click() {
    const int i = selectedRow();
    if (i < 0 || i > state_.games.GameLast) {
        clearDetails();  // nothing selected: an empty view rather than another game's details
        return;
    }
    const auto slot = static_cast<std::size_t>(i);
    const GameTable& games = state_.games;
    const CompatibilityTable& txt = state_.txt;
    const bool txtUpdate = state_.folders.TxtUpdate;

    ShowValue(titleTEXT, FromFile(ShownBytes(games.GameTitle[slot])));
    ShowValue(idTEXT, FromFile(ShownBytes(games.GameID[slot])));
    const DecodedFlags flags = DecodeFlags(games.GameFlags[slot]);

    if (state_.games.GameTxtIndex[slot] == 0) JoinGame(state_, i);
    const auto k = static_cast<std::size_t>(state_.games.GameTxtIndex[slot]);

    ShowValue(ProductCodeTEXT, {});
    ShowValue(PublisherTEXT, FromFile(ShownBytes(txt.TxtPublisher[k])));
    if (txtUpdate) ShowValue(ProductCodeTEXT, FromFile(ShownBytes(txt.TxtProductCode[k])));
    ShowValue(CountryTEXT, FromFile(ShownBytes(txt.TxtRegion[k])));
    ShowValue(DetailsTEXT, FromFile(ShownBytes(txt.TxtDetails[k])));
    if (!ProductCodeTEXT->text().isEmpty()) {
        ProductCodeLABEL->show();
        ProductCodeTEXT->show();
    } else if (!txtUpdate) {
        ProductCodeLABEL->hide();
        ProductCodeTEXT->hide();
    }

    for (QCheckBox* box : {Check1, Check2, Check3, Check4}) box->setChecked(false);

    Check1->setChecked(flags.checks[0]);
    Check2->setChecked(flags.checks[1]);
    Check3->setChecked(flags.checks[2]);
    Check4->setChecked(flags.checks[3]);
    ShowPicture(StatusPICTURE, StatusBitmap(flags.status).data());

    const std::string& stored = games.GameFlags[slot];
    if (txtUpdate && !txt.TxtD3D[k].empty()) {
        ShowPicture(d3dPICTURE, txt.TxtD3D[k] == "blank" ? "NOD3D" : "D3D");
        d3dPICTURE->show();
    } else if (txtUpdate && !stored.empty() && stored.front() == '4') {
        ShowPicture(d3dPICTURE, "NOD3D");
        d3dPICTURE->show();
    } else {
        d3dPICTURE->hide();
    }

    ShowValue(GraphicsTEXT, CoreText(FromFile(flags.graphics)));
    ShowValue(SoundTEXT, CoreText(FromFile(flags.sound)));
    ShowValue(MemCardTEXT, CoreText(FromFile(flags.memCard)));
    ShowValue(OtherTEXT, CoreText(FromFile(flags.other)));
}

void MainFORM::GotoBleemMENU_Click() {
    const std::string address = MoreInformationAddress(state_, selectedRow());
    if (!address.empty()) {
        platform_.shell->open(QString::fromStdString(address));
        return;
    }
    platform_.prompter->ask(this, kTitle,
                            tr("Tolva! needs the region code of this game to search for more information. "
                                           "Unfortunately, this game's region code is not known."),
                            MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace tolva
