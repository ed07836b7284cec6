// The Help menu's web links: each opens one fixed address and reports nothing.
#include <QAction>

#include "app/mainwindow/mainform.h"
#include "core/endpoints.h"

namespace tolva {

void MainFORM::connectHelp() {
    const auto link = [this](QAction* item, QString address) {
        connect(item, &QAction::triggered, this, [this, address] { platform_.shell->open(address); });
    };
    const QString site = QString::fromLatin1(kWebSite);
    link(HomepageMENU, site + QStringLiteral("/"));
    link(DownloadMENU, site + QStringLiteral("/download.htm"));
    link(FaqMENU, site + QStringLiteral("/faq.htm"));
    link(SupportMENU, site + QStringLiteral("/support.htm"));
    link(MessageboardMENU, QString::fromLatin1(kMessageBoard) + QStringLiteral("/"));
    link(DravikHpMENU, QString::fromLatin1(kNewsSite) + QStringLiteral("/"));
    link(bleemHpMENU, QString::fromLatin1(kEmulatorMaker) + QStringLiteral("/"));
    link(CheaterMENU, QString::fromLatin1(kCheatTool) + QStringLiteral("/"));
}

}  // namespace tolva
