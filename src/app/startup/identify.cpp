#include "app/startup/identify.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "app/collection/discscan.h"
#include "app/platform/imagereader.h"
#include "app/platform/seams.h"
#include "app/platform/text.h"
#include "app/startup/folders.h"
#include "core/database/compatibility.h"
#include "core/database/gametable.h"
#include "core/files/folders.h"
#include "core/games/discids.h"

namespace tolva {
namespace {

// A folder is a mounted disc when it holds SYSTEM.CNF, else a collection to walk.
std::vector<DiscFile> DiscsNamedBy(const QString& given) {
    const QFileInfo info(given);
    if (!info.isDir() || !QDir(given).entryList({QStringLiteral("SYSTEM.CNF")}, QDir::Files).isEmpty())
        return {DiscFileAt(ToPath(given))};
    std::vector<DiscFile> discs = FindDiscFiles(ToPath(given));
    const std::string prefix = ToPath(given.endsWith(QLatin1Char('/')) ? given : given + QLatin1Char('/'));
    for (DiscFile& disc : discs) disc.relative = prefix + disc.relative;
    return discs;
}

}  // namespace

int IdentifyDiscs(const IdentifyOptions& options, Platform& platform, QTextStream& out, QTextStream& err) {
    auto state = std::make_unique<ProgramState>();
    InitDiscIDs(state->discIDs);
    const auto say = [&err](const Failure& failure) {
        err << "tolva: " << QString::fromUtf8(failure.description) << '\n';
        return Resolution::Cancel;
    };
    const QString iniFolder =
        options.iniFolder.isEmpty() ? FindStartFolder(platform, kIniFileName, QStringLiteral("INI Path")) : options.iniFolder;
    bool iniRead = false;
    if (iniFolder.isEmpty()) {
        err << "tolva: " << kIniFileName
            << " not found beside the program nor in the stored folder, so its columns stay empty; name its folder "
               "with --ini\n";
    } else {
        state->folders.IniPath = NormalFolder(ToPath(iniFolder));
        iniRead = ReadINI(*state, say);
    }
    const QString txtFolder = options.txtFolder.isEmpty()
                                  ? FindStartFolder(platform, kTxtFileName, QStringLiteral("TXT Path"), iniFolder)
                                  : options.txtFolder;
    if (!txtFolder.isEmpty()) {
        state->folders.TxtPath = NormalFolder(ToPath(txtFolder));
        ReadTXT(*state, say);
    }

    int status = 0;
    std::vector<DiscRow> rows;
    const TxtByCode txt = IndexTxt(state->txt);
    for (const QString& given : options.discs) {
        for (const DiscFile& disc : DiscsNamedBy(given)) {
            rows.push_back(DescribeDisc(disc, ReadDiscFile(*platform.images, disc, state->discIDs), *state, txt, iniRead));
            if (!rows.back().reason.empty()) status = 1;
        }
    }
    out << QString::fromStdString(options.json ? DiscsJson(rows) : DiscsTsv(rows));
    out.flush();
    err.flush();
    return status;
}

}  // namespace tolva
