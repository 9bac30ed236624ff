#include "conversion/PassLogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::PassLogs)
};

constexpr char kSuffix[] = ".passes";

QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Empties a folder of ours reached as `fd` (only files: we make nothing else in it) and
// removes it from `parent` under `name`, while that name is still this folder.
void RemoveFolder(int fd, int parent, const QByteArray& name) {
    struct stat own {};
    if (::fstat(fd, &own) != 0) {
        return;
    }
    if (DIR* entries = ::fdopendir(::dup(fd))) {
        ::rewinddir(entries);
        while (const dirent* entry = ::readdir(entries)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
                ::unlinkat(fd, entry->d_name, 0);
            }
        }
        ::closedir(entries);
    }
    struct stat named {};
    if (::fstatat(parent, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == own.st_dev && named.st_ino == own.st_ino) {
        ::unlinkat(parent, name.constData(), AT_REMOVEDIR);
    }
}

int OpenFolder(const QByteArray& path) {
    return ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Whether the folder open as `fd` is one of ours: our own, for nobody else.
bool IsOurs(int fd) {
    struct stat made {};
    return ::fstat(fd, &made) == 0 && S_ISDIR(made.st_mode) && made.st_uid == ::geteuid() &&
           (made.st_mode & 0077) == 0;
}

}  // namespace

QString PassLogs::NameFor(const QString& hidden) {
    return hidden + QLatin1String(kSuffix);
}

std::unique_ptr<PassLogs> PassLogs::Beside(const QString& hidden, QString* error) {
    const QString path = NameFor(hidden);
    const QByteArray native = QFile::encodeName(path);
    int fd = -1;
    if (::mkdir(native.constData(), 0700) == 0) {
        fd = OpenFolder(native);
    }
    // Another user may have put a folder of theirs under the name between the two steps.
    if (fd >= 0 && IsOurs(fd)) {
        return std::unique_ptr<PassLogs>(new PassLogs(path, fd));
    }
    const int why = fd >= 0 ? EPERM : errno;
    if (fd >= 0) {
        ::close(fd);
    }
    if (error) {
        //: %1 is a folder's path, %2 the system's reason.
        *error = Text::tr("No folder for the first pass's log can be made as %1: %2")
                     .arg(path, ErrnoText(why));
    }
    return nullptr;
}

PassLogs::~PassLogs() {
    const int parent = OpenFolder(QFile::encodeName(QFileInfo(path_).absolutePath()));
    if (parent >= 0) {
        RemoveFolder(fd_, parent, QFile::encodeName(QFileInfo(path_).fileName()));
        ::close(parent);
    }
    ::close(fd_);
}

QString PassLogs::Prefix() const {
    return QStringLiteral("/proc/self/fd/%1/pass").arg(fd_);
}

int RemoveAbandonedPassLogs(const QString& folder) {
    static const QRegularExpression kLogs(
        QStringLiteral("^(\\.reelwright-[a-z0-9]{8}(\\..*)?)\\.passes$"));
    const int parent = OpenFolder(QFile::encodeName(folder));
    if (parent < 0) {
        return 0;
    }
    int removed = 0;
    const QStringList names = QDir(folder).entryList({QStringLiteral(".reelwright-*.passes")},
                                                     QDir::Dirs | QDir::Hidden);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = kLogs.match(name);
        struct stat result {};
        // A hidden result still there is a conversion going on, or one its tidying kept.
        if (!match.hasMatch() ||
            ::fstatat(parent, QFile::encodeName(match.captured(1)).constData(), &result,
                      AT_SYMLINK_NOFOLLOW) == 0) {
            continue;
        }
        const QByteArray native = QFile::encodeName(name);
        const int fd = ::openat(parent, native.constData(),
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0 && IsOurs(fd)) {
            RemoveFolder(fd, parent, native);
            removed += ::fstatat(parent, native.constData(), &result, AT_SYMLINK_NOFOLLOW) != 0;
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    ::close(parent);
    return removed;
}

}  // namespace reelwright
