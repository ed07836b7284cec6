#include "app/host/online.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <mutex>

#include <dlfcn.h>

namespace tolva {
namespace {

constexpr char kEntryPoint[] = "tolva_online_windows";

}  // namespace

const OnlineWindows* OpenOnlineModule(const QString& programFolder, QString* error) {
    // Beside the program as it is built, where the package installs it, or else by its bare
    // name on the library path of whoever links the windows, as the window tests do. A copy that
    // cannot be loaded is reported, not passed over for another that may be of another build.
    const QDir program(programFolder);
    QString path = program.filePath(QStringLiteral(TOLVA_ONLINE_MODULE));
    if (!QFile::exists(path))
        path = QDir::cleanPath(program.filePath(QStringLiteral(TOLVA_ONLINE_MODULE_DIR "/" TOLVA_ONLINE_MODULE)));
    if (!QFile::exists(path)) path = QStringLiteral(TOLVA_ONLINE_MODULE);
    void* module = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    void* entry = module ? dlsym(module, kEntryPoint) : nullptr;
    if (!entry) {
        if (error) *error = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    return reinterpret_cast<const OnlineWindows* (*)()>(entry)();
}

const OnlineWindows* OnlineModule(QString* error) {
    static const OnlineWindows* windows = nullptr;
    static QString why;
    static std::once_flag once;
    std::call_once(once, [] { windows = OpenOnlineModule(QCoreApplication::applicationDirPath(), &why); });
    if (!windows && error) *error = why;
    return windows;
}

}  // namespace tolva
