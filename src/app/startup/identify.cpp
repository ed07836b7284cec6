#include "app/startup/identify.h"

#include <QDir>
#include <QTextStream>

#include "app/platform/imagereader.h"
#include "app/platform/seams.h"
#include "app/platform/text.h"
#include "core/database/gametable.h"
#include "core/games/discids.h"
#include "core/wizard/identity.h"

namespace tolva {

QString FindFileFolder(Platform& platform, const QString& key, const QString& file) {
    const QString sep = QDir::separator();
    QString program = platform.program->folder();
    if (program.endsWith(sep)) program.chop(1);
    if (platform.files->exists(program + sep + file)) return program;
    QString stored = platform.settings->read(key, QString());
    if (stored.endsWith(sep)) stored.chop(1);
    if (!stored.isEmpty() && platform.files->exists(stored + sep + file)) return stored;
    return {};
}

int IdentifyDiscs(const QStringList& discs, const QString& iniFolder, Platform& platform, QTextStream& out,
                  QTextStream& err) {
    auto state = std::make_unique<ProgramState>();
    InitDiscIDs(state->discIDs);
    const QString iniFile = QStringLiteral("bleem!.INI");
    const QString folder = iniFolder.isEmpty() ? FindFileFolder(platform, QStringLiteral("INI Path"), iniFile) : iniFolder;
    if (folder.isEmpty()) {
        err << "tolva: " << iniFile << " not found beside the program nor in the stored folder; name its folder with --ini\n";
    } else {
        state->folders.IniPath = ToPath(folder);
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
            << (entry < 0 ? QStringLiteral("not in bleem!.INI")
                          : FromFile(state->games.GameTitle[static_cast<std::size_t>(entry)]))
            << '\n';
    }
    out.flush();
    err.flush();
    return status;
}

}  // namespace tolva
