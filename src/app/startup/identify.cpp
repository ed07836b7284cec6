#include "app/startup/identify.h"

#include <QTextStream>

#include "app/platform/imagereader.h"
#include "app/platform/seams.h"
#include "app/platform/text.h"
#include "app/startup/folders.h"
#include "core/database/gametable.h"
#include "core/files/folders.h"
#include "core/games/discids.h"
#include "core/wizard/identity.h"

namespace tolva {

int IdentifyDiscs(const QStringList& discs, const QString& iniFolder, Platform& platform, QTextStream& out,
                  QTextStream& err) {
    auto state = std::make_unique<ProgramState>();
    InitDiscIDs(state->discIDs);
    const QString folder =
        iniFolder.isEmpty() ? FindStartFolder(platform, kIniFileName, QStringLiteral("INI Path")) : iniFolder;
    if (folder.isEmpty()) {
        err << "tolva: " << kIniFileName << " not found beside the program nor in the stored folder; name its folder with --ini\n";
    } else {
        state->folders.IniPath = NormalFolder(ToPath(folder));
        ReadINI(*state, [&err](const Failure& failure) {
            err << "tolva: " << QString::fromUtf8(failure.description) << '\n';
            return Resolution::Cancel;
        });
    }

    int status = 0;
    for (const QString& disc : discs) {
        const DiscIdentity identity = ReadDiscOrImage(*platform.images, ToPath(disc), state->discIDs);
        if (identity.result != DiscRead::Found && identity.result != DiscRead::NotInTable) {
            err << "tolva: " << QString::fromUtf8(identity.description) << '\n';
            status = 1;
            continue;
        }
        const int entry = identity.discID.empty() ? -1 : FindDiscIDUser(state->games, identity.discID);
        out << disc << '\t' << FromFile(identity.productCode) << '\t'
            << (identity.discID.empty() ? QStringLiteral("not in the disc ID table") : FromFile(identity.discID)) << '\t'
            << (entry < 0 ? QStringLiteral("not in %1").arg(QLatin1String(kIniFileName))
                          : FromFile(state->games.GameTitle[static_cast<std::size_t>(entry)]))
            << '\n';
    }
    out.flush();
    err.flush();
    return status;
}

}  // namespace tolva
