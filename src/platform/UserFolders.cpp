#include "platform/UserFolders.h"

#include "platform/AppInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace reelwright {

QString HomeFolder() {
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home) && QFileInfo(home).isDir() && home != u"/") {
        return QDir::cleanPath(home);
    }
    if (const passwd* account = ::getpwuid(::getuid());
        account && account->pw_dir && QFileInfo(QFile::decodeName(account->pw_dir)).isDir()) {
        return QDir::cleanPath(QFile::decodeName(account->pw_dir));
    }
    return QDir::tempPath();
}

QString DefaultOutputFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Converted Files");
#else
    // The videos folder the desktop names (~/Videos, or as user-dirs.dirs says) when $HOME is
    // the real home.
    const QString home = HomeFolder();
    QString base = QDir::cleanPath(qEnvironmentVariable("HOME")) == home
                       ? QStandardPaths::writableLocation(QStandardPaths::MoviesLocation)
                       : QDir(home).filePath(QStringLiteral("Videos"));
    if (base.isEmpty() || !QFileInfo(base).isDir()) {
        base = home;
    }
    return QDir::toNativeSeparators(QDir(base).filePath(QStringLiteral("Converted Files")));
#endif
}

QString StateFolder() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base)) {
        base = QDir(HomeFolder()).filePath(QStringLiteral(".local/state"));
    }
    return QDir(base).filePath(QString::fromLatin1(kMakerName));
}

}  // namespace reelwright
