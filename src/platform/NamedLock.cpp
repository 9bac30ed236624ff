#include "platform/NamedLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace reelwright {

QString NamedLock::PathFor(const QString& name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(name + QStringLiteral(".lock"));
}

NamedLock::NamedLock(const QString& name) {
    const QByteArray path = QFile::encodeName(PathFor(name));
    fd_ = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_SH | LOCK_NB);
    }
}

NamedLock::~NamedLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

}  // namespace reelwright
