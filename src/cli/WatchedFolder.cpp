#include "cli/WatchedFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <iterator>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

// Whether two folders are one, also when one of them is not there yet.
bool SameFolder(const QString& a, const QString& b) {
    const QString first = QFileInfo(a).canonicalFilePath();
    const QString second = QFileInfo(b).canonicalFilePath();
    if (!first.isEmpty() && !second.isEmpty()) {
        return first == second;
    }
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

// Whether some process holds the file open for writing: a read lease is refused then. Where
// the lease cannot be had (another user's file, a network folder) nothing is known here.
bool OpenForWriting(const QByteArray& path) {
    const int fd =
        ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    bool writing = false;
    if (::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) {
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
    } else {
        writing = errno == EAGAIN;
    }
    ::close(fd);
    return writing;
}

// Every name in the folder, whatever it is: what is not taken is said, never opened.
QList<QByteArray> EveryName(const QByteArray& folder) {
    QList<QByteArray> names;
    DIR* listing = ::opendir(folder.constData());
    if (!listing) {
        return names;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") {
            names << name;
        }
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

QString WatchedFolder::Unwatchable(const QString& folder) {
    const QByteArray native = QFile::encodeName(folder);
    const auto said = [&folder](const QString& why) { return folder + QStringLiteral(": ") + why; };
    const auto unreadable = [&said] {
        return said(QCoreApplication::translate("reelwright::WatchedFolder",
                                                "the folder to watch cannot be read: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno))));
    };
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) {
        // The text keeps the converter's translation context, where it was first said.
        return errno == ENOENT || errno == ENOTDIR
                   ? said(QCoreApplication::translate("reelwright::CommandLineConverter",
                                                      "no such folder to watch"))
                   : unreadable();
    }
    if (!S_ISDIR(info.st_mode)) {
        return said(QCoreApplication::translate("reelwright::WatchedFolder",
                                                "not a folder, so it cannot be watched"));
    }
    // Looked at as the watch looks at it: a folder it may not read would show it nothing.
    DIR* listing = ::opendir(native.constData());
    if (!listing) {
        return unreadable();
    }
    ::closedir(listing);
    return QString();
}

QString WatchedFolder::Problem(const QString& folder, const OutputFolderChoice& results) {
    if (const QString problem = Unwatchable(folder); !problem.isEmpty()) {
        return problem;
    }
    // Results beside their inputs would be taken for new videos, and so on for ever.
    if (results.sameFolder || SameFolder(results.otherFolder, folder)) {
        return QCoreApplication::translate(
                   "reelwright::CommandLineConverter",
                   "the results would land in the watched folder %1; give --output-folder with "
                   "another folder")
            .arg(folder);
    }
    return QString();
}

WatchedFolder::WatchedFolder(const QString& folder) : folder_(folder) {
    clock_.start();
    events_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (events_ >= 0 &&
        ::inotify_add_watch(events_, QFile::encodeName(folder_).constData(),
                            IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE |
                                IN_MOVED_FROM | IN_ONLYDIR) < 0) {
        ::close(events_);
        events_ = -1;  // the size and time alone tell
    }
}

WatchedFolder::~WatchedFolder() {
    if (events_ >= 0) {
        ::close(events_);
    }
}

void WatchedFolder::ReadEvents() {
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t length = events_ < 0 ? -1 : ::read(events_, buffer, sizeof buffer);
        if (length <= 0) {
            return;
        }
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                writing_.clear();  // some were missed: the size and time alone tell
                continue;
            }
            const QByteArray name(event->len > 0 ? event->name : "");
            if (event->mask & IN_MODIFY) {
                writing_.insert(name);
            } else {
                writing_.remove(name);  // closed, moved in whole, or gone
            }
        }
    }
}

void WatchedFolder::SetAside(const QByteArray& name, mode_t mode) {
    if (setAside_.contains(name)) {
        return;  // said once while it is there
    }
    setAside_.insert(name);
    const QString path = QDir(folder_).filePath(QFile::decodeName(name));
    //: Why a watched folder's entry is not converted.
    refusals_ << path + QStringLiteral(": ") +
                     (S_ISLNK(mode) ? QCoreApplication::translate(
                                          "reelwright::WatchedFolder",
                                          "not taken: a link, which a watched folder never follows")
                                    : QCoreApplication::translate(
                                          "reelwright::WatchedFolder",
                                          "not taken: not a regular file (a pipe, a device or a "
                                          "socket)"));
}

QStringList WatchedFolder::TakeRefusals() {
    return std::exchange(refusals_, {});
}

QList<CliInput> WatchedFolder::Settled() {
    ReadEvents();
    QList<CliInput> settled;
    QSet<QByteArray> present;
    const QByteArray native = QFile::encodeName(folder_);
    for (const QByteArray& name : EveryName(native)) {
        // Hidden files are half-made ones (rsync's, a browser's, ours): their final name comes.
        // Others write here: only a regular file is taken, never a link, a pipe or a device.
        struct stat info {};
        if (name.startsWith('.') || ::lstat((native + '/' + name).constData(), &info) != 0) {
            continue;
        }
        present.insert(name);
        if (S_ISDIR(info.st_mode)) {
            continue;  // only what is directly inside is watched (the results' subfolder too)
        }
        if (!S_ISREG(info.st_mode)) {
            SetAside(name, info.st_mode);
            continue;
        }
        const qint64 modified =
            static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        const qint64 now = clock_.elapsed();
        Sighting& seen = sightings_[name];
        if (seen.size != info.st_size || seen.modified != modified || seen.inode != info.st_ino) {
            // New, or still being written (or replaced): it has to stay so a while first.
            seen = {info.st_size, modified, static_cast<quint64>(info.st_ino), now, false};
            continue;
        }
        // Still open for writing here, however long its writer pauses.
        if (writing_.contains(name)) {
            seen.since = now;
            continue;
        }
        if (!seen.taken && now - seen.since >= kSettleMs) {
            // A writer that began before the watch did, and pauses.
            if (OpenForWriting(native + '/' + name)) {
                seen.since = now;
                continue;
            }
            seen.taken = true;
            settled.push_back(
                {QDir(folder_).filePath(QFile::decodeName(name)), native + '/' + name, true});
        }
    }
    // A file that goes and comes back is a new one.
    for (auto it = sightings_.begin(); it != sightings_.end();) {
        it = present.contains(it.key()) ? std::next(it) : sightings_.erase(it);
    }
    setAside_.intersect(present);
    return settled;
}

}  // namespace reelwright
