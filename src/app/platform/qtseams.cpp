#include "app/platform/qtseams.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>
#include <QSysInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "app/platform/discimage.h"
#include "app/platform/text.h"
#include "core/files/files.h"

namespace tolva {

MsgAnswer QtPrompter::ask(QWidget* owner, const QString& title, const QString& text, MsgIcon icon,
                          MsgButtons buttons) {
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);  // a path or title is shown as written, never as markup
    box.setText(text);
    switch (icon) {
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (box.exec()) {
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        default: return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    }
}

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tolva!"),
                QStringLiteral("tolva!")) {}

QString QtSettingsStore::read(const QString& key, const QString& fallback) {
    return settings_.value(QStringLiteral("Settings/") + key, fallback).toString();
}

void QtSettingsStore::write(const QString& key, const QString& value) {
    settings_.setValue(QStringLiteral("Settings/") + key, value);
    settings_.sync();  // the program may end at any moment without unwinding
}

QString QtSettingsStore::readWindow(const QString& key) {
    return settings_.value(QStringLiteral("Window/") + key).toString();
}

void QtSettingsStore::writeWindow(const QString& key, const QString& value) {
    settings_.setValue(QStringLiteral("Window/") + key, value);
    settings_.sync();
}

QString QtSettingsStore::readGroup(const QString& group, const QString& key) {
    return settings_.value(group + QLatin1Char('/') + key).toString();
}

void QtSettingsStore::writeGroup(const QString& group, const QString& key, const QString& value) {
    settings_.setValue(group + QLatin1Char('/') + key, value);
    settings_.sync();
}

QString QtSettingsStore::location() const { return settings_.fileName(); }

QtInstanceGuard::QtInstanceGuard(const QString& lockPath) : path_(lockPath) {
    if (path_.isEmpty()) {
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty()) dir = QDir::tempPath();
        path_ = dir + QStringLiteral("/tolva!.lock");
    }
}

// The file stays when its holder ends: removing it would let one copy lock the removed file while
// the next creates and locks a new one.
QtInstanceGuard::~QtInstanceGuard() {
    if (held_ >= 0) ::close(held_);
}

// One open and one flock, where QLockFile (which also takes a flock) wrote, synced and checked its
// file, and on every start after a crash read it back and wrote it again: the lock was a tenth of
// the start-up's own work.
bool QtInstanceGuard::anotherIsRunning() {
    if (held_ >= 0) return false;
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;  // no lock to be had: nothing shows another copy
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held;
    }
    held_ = fd;
    const QByteArray holder = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                              QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' +
                              QSysInfo::machineHostName().toUtf8() + '\n';
    // Only a QLockFile reads the note; the lock holds without it. Written over the last holder's
    // note and then cut to its own length: cutting the file to nothing first freed its block on
    // every start, and a disk that discards freed blocks held the start up for milliseconds.
    const auto length = static_cast<std::size_t>(holder.size());
    [[maybe_unused]] const bool noted =
        ::pwrite(fd, holder.constData(), length, 0) == holder.size() && ::ftruncate(fd, holder.size()) == 0;
    return false;
}

bool QtFileSystem::exists(const QString& path) {
    return LocateFile(QFile::encodeName(path).toStdString()).has_value();
}

QString QtFileChooser::chooseExisting(QWidget* owner, const QString& nameFilters,
                                      const QString& folder) {
    return QFileDialog::getOpenFileName(owner, QString(), folder, nameFilters);
}

QString QtFileChooser::chooseNew(QWidget* owner, const QString& nameFilters, const QString& suggested) {
    return QFileDialog::getSaveFileName(owner, QString(), suggested, nameFilters);
}

QString QtFileChooser::chooseFolder(QWidget* owner, const QString& folder) {
    return QFileDialog::getExistingDirectory(owner, QString(), folder);
}

void QtShell::open(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

QList<Drive> QtDriveQuery::cdromDrives() {
    QList<Drive> drives;
    QStringList mountedDevices;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QByteArray type = volume.fileSystemType().toLower();
        if (type != "iso9660" && type != "udf") continue;
        QString caption = volume.name();
        if (caption.isEmpty()) caption = QDir(volume.rootPath()).dirName();
        drives.append({caption, volume.rootPath()});
        mountedDevices.append(QFileInfo(QString::fromLocal8Bit(volume.device())).canonicalFilePath());
    }
    // Drives whose disc is not mounted are read directly; a mounted one is listed once, by its volume.
    for (const std::string& device : OpticalDrives()) {
        const QString path = FromPath(device);
        if (!mountedDevices.contains(path)) drives.append({QFileInfo(path).fileName(), path});
    }
    return drives;
}

QString QtProgramInfo::folder() { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()); }
QString QtProgramInfo::releaseName() { return QStringLiteral(TOLVA_RELEASE_NAME); }
int QtProgramInfo::revision() { return TOLVA_REVISION; }

void QtTerminator::endProgram() {
    // Ending is immediate: nothing is pending (settings are synced on every write) and the
    // program may be deep inside nested waits, which must not run on.
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace tolva
