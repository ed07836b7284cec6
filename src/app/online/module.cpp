// The entry point of the module that holds the windows reaching the network.
#include "app/host/online.h"
#include "app/mail/mailform.h"
#include "app/servers/serversform.h"
#include "app/update/updateini.h"

extern "C" Q_DECL_EXPORT const tolva::OnlineWindows* tolva_online_windows() {
    using namespace tolva;
    static const OnlineWindows windows{
        [](MainHost& main) -> ToolWindow* { return new MailFORM(main); },
        [](MainHost& main) -> ToolWindow* { return new ServersFORM(main); },
        [](MainHost& main, int mode) { UpdateINI(main, mode); },
        [](MainHost& main, const QString& path) { MergeUpdateFile(main, path); },
    };
    return &windows;
}
