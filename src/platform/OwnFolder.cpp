#include "platform/OwnFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::OwnFolder)
};

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

QString WhyNotOwnFolder(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return Text::tr("%1 cannot be looked at: %2").arg(path, SystemError(errno));
    }
    if (S_ISLNK(status.st_mode)) {
        return Text::tr("%1 is a link, not a folder").arg(path);
    }
    if (!S_ISDIR(status.st_mode)) {
        return Text::tr("%1 is not a folder").arg(path);
    }
    if (status.st_uid != ::geteuid()) {
        return Text::tr("%1 belongs to another user (uid %2)")
            .arg(path)
            .arg(static_cast<qulonglong>(status.st_uid));
    }
    if ((status.st_mode & 0777) != 0700) {
        return Text::tr("%1 has mode %2, not 0700: other users could reach into it")
            .arg(path, QString::number(status.st_mode & 0777, 8).rightJustified(4, u'0'));
    }
    return {};
}

QString WhyNotMadeOwnFolder(const QString& path) {
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST) {
        return Text::tr("%1 cannot be made: %2").arg(path, SystemError(errno));
    }
    return WhyNotOwnFolder(path);
}

std::optional<QString> OwnRuntimeFolder(QString* why) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && WhyNotOwnFolder(runtime).isEmpty()) {
        return QDir::cleanPath(runtime);
    }
    const QString own =
        QDir(QDir::tempPath())
            .filePath(QStringLiteral("reelwright-%1").arg(static_cast<qulonglong>(::geteuid())));
    const QString whyNot = WhyNotMadeOwnFolder(own);
    if (!whyNot.isEmpty()) {
        if (why) {
            *why = whyNot;
        }
        return std::nullopt;
    }
    return own;
}

}  // namespace reelwright
