// The Help menu's web links: each opens one fixed address and reports nothing.
#include <QAction>
#include <QMenu>

#include "app/mainwindow/mainform.h"
#include "core/endpoints.h"

namespace tolva {
namespace {

/// An entry of the Help menu and the page it opens on its site; a row without a caption is a
/// separator of that name. The captions are translated in the main window's own context.
struct HelpLink {
    const char* name;
    const char* caption;
    const char* site;
    const char* page;
};

const HelpLink kHelpLinks[] = {
    {"HomepageMENU", QT_TRANSLATE_NOOP("tolva::MainFORM", "tolva! Homepage"), kWebSite, "/"},
    {"DownloadMENU", QT_TRANSLATE_NOOP("tolva::MainFORM", "Download section"), kWebSite, "/download.htm"},
    {"FaqMENU", QT_TRANSLATE_NOOP("tolva::MainFORM", "Frequently Asked Questions"), kWebSite, "/faq.htm"},
    {"SupportMENU", QT_TRANSLATE_NOOP("tolva::MainFORM", "Support"), kWebSite, "/support.htm"},
    {"MessageboardMENU", QT_TRANSLATE_NOOP("tolva::MainFORM", "Dravik Message Board"), kMessageBoard, "/"},
    {"SEPARATOR3", nullptr, nullptr, nullptr},
    {"DravikHpMENU", QT_TRANSLATE_NOOP("tolva::MainFORM", "Dravik Homepage"), kNewsSite, "/"},
    {"bleemHpMENU", QT_TRANSLATE_NOOP("tolva::MainFORM", "bleem! Homepage"), kEmulatorMaker, "/"},
    {"CheaterMENU", QT_TRANSLATE_NOOP("tolva::MainFORM", "CheatPal! Homepage (cheat codes for bleem!)"), kCheatTool, "/"},
};

}  // namespace

void MainFORM::addHelpLinks() {
    for (const HelpLink& link : kHelpLinks) {
        if (!link.caption) {
            HelpMENU->addSeparator()->setObjectName(QString::fromLatin1(link.name));
            continue;
        }
        QAction* item = HelpMENU->addAction(tr(link.caption));
        item->setObjectName(QString::fromLatin1(link.name));
        const QString address = QString::fromLatin1(link.site) + QString::fromLatin1(link.page);
        connect(item, &QAction::triggered, this, [this, address] { platform_.shell->open(address); });
    }
}

}  // namespace tolva
