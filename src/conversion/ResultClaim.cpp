#include "conversion/ResultClaim.h"

#include "platform/FileLock.h"
#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSysInfo>

#include <cerrno>
#include <cstring>

#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::ResultClaim)
};

const QString kPrefix = QStringLiteral(".reelwright-claim-");
// Claims made where the folder keeps no locks.
const QString kHeldPrefix = QStringLiteral(".reelwright-held-");

// The claims this process holds. Where flock is emulated by whole-file fcntl locks (NFS, SMB),
// closing any descriptor of a file drops the process's lock on it: a file held here is never
// opened a second time.
QSet<QByteArray>& HeldHere() {
    static QSet<QByteArray> paths;
    return paths;
}

QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error)).toLower();
}

// Whether the descriptor's file is still the one the path names: a claim let go meanwhile has
// been removed, and its lock means nothing any more.
bool StillNamed(int fd, const QByteArray& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// Who holds a claim, for whoever looks at the folder, and for runs that cannot lock.
QByteArray Holder() {
    return QSysInfo::machineHostName().toUtf8() + ' ' + QByteArray::number(::getpid()) + '\n';
}

// Whether a claim made without locks was left by a run of this machine that has ended. One
// being written, or made on another machine, is held: nothing here can tell when that ends.
bool LeftByTheDead(const QByteArray& path) {
    const SafeFile file = SafeFile::OpenForReading(path);
    char text[512] = {};
    const ssize_t length = file.IsOpen() ? ::read(file.Descriptor(), text, sizeof text - 1) : -1;
    const QList<QByteArray> parts = QByteArray(text, std::max<ssize_t>(length, 0)).trimmed().split(' ');
    bool number = false;
    const qint64 pid = parts.size() == 2 ? parts[1].toLongLong(&number) : 0;
    return number && pid > 0 && parts[0] == QSysInfo::machineHostName().toUtf8() &&
           pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

QString ResultClaim::HeldPathFor(const QString& result) {
    QString path = PathFor(result);
    return path.replace(kPrefix, kHeldPrefix);
}

QString ResultClaim::PathFor(const QString& result) {
    const qsizetype cut = result.lastIndexOf(QDir::separator());
    const QString folder = cut < 0 ? QString() : result.left(cut + 1);
    // A digest keeps the name short whatever the result's length, and apart from any other.
    const QByteArray digest =
        QCryptographicHash::hash(QFile::encodeName(result.mid(cut + 1)), QCryptographicHash::Sha256)
            .toHex()
            .left(32);
    return folder + kPrefix + QString::fromLatin1(digest);
}

ResultClaim::ResultClaim(const QString& result) {
    const QByteArray path = QFile::encodeName(PathFor(result));
    if (HeldHere().contains(path) || HeldHere().contains(QFile::encodeName(HeldPathFor(result)))) {
        state_ = State::Here;
        return;
    }
    for (int attempt = 0; attempt < 20; ++attempt) {
        // Read and write: an exclusive lock emulated over NFS needs a descriptor that writes.
        // Others write in this folder: a pipe planted at the name is refused, not waited on.
        SafeFile file = SafeFile::OpenForLocking(path, true, 0666);
        if (!file.IsOpen()) {
            //: %1 is the system's reason.
            problem_ = Text::tr("the claim file cannot be made: %1").arg(file.Problem());
            return;
        }
        const int fd = file.Release();
        int error = 0;
        const FileLock::Result lock = FileLock::TryExclusive(fd, &error);
        if (lock == FileLock::Result::HeldElsewhere) {
            ::close(fd);
            state_ = State::Elsewhere;
            return;
        }
        if (lock == FileLock::Result::Unknown) {
            // Where nothing locks, a lock file is no claim and would only be left behind; a
            // file made exclusively, naming its holder, is.
            if (StillNamed(fd, path)) {
                ::unlink(path.constData());
            }
            ::close(fd);
            noLocks_ = ErrnoText(error);
            ClaimWithoutLocks(QFile::encodeName(HeldPathFor(result)));
            return;
        }
        if (StillNamed(fd, path)) {
            fd_ = fd;
            path_ = path;
            HeldHere().insert(path_);
            state_ = State::Held;
            const QByteArray holder = Holder();
            if (::ftruncate(fd, 0) == 0) {
                [[maybe_unused]] const ssize_t written = ::write(fd, holder.data(), holder.size());
            }
            return;
        }
        ::close(fd);  // let go and removed between our open and our lock: once more
    }
    problem_ = Text::tr("the claim file keeps changing");
}

void ResultClaim::ClaimWithoutLocks(const QByteArray& path) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        SafeFile file = SafeFile::CreateExclusive(path, 0644);
        if (file.IsOpen()) {
            const QByteArray holder = Holder();
            if (::write(file.Descriptor(), holder.constData(), holder.size()) != holder.size()) {
                ::unlink(path.constData());
                break;
            }
            fd_ = file.Release();
            path_ = path;
            HeldHere().insert(path_);
            state_ = State::Held;
            return;
        }
        if (file.Error() != EEXIST) {
            break;
        }
        if (!LeftByTheDead(path)) {
            state_ = State::Elsewhere;
            return;
        }
        ::unlink(path.constData());  // a run of this machine that has ended left it
    }
    //: %1 is the system's reason.
    problem_ = Text::tr("the folder keeps no locks: %1").arg(noLocks_);
}

ResultClaim::~ResultClaim() {
    Release();
}

void ResultClaim::Release() {
    if (fd_ < 0) {
        return;
    }
    // Removed while still locked, so nobody who waits on it can hold a file without a name.
    if (StillNamed(fd_, path_)) {
        ::unlink(path_.constData());
    }
    ::close(fd_);
    fd_ = -1;
    HeldHere().remove(path_);
}

bool ResultClaim::HeldElsewhere(const QString& result) {
    const QByteArray path = QFile::encodeName(PathFor(result));
    if (HeldHere().contains(path)) {
        return false;
    }
    // Where the folder keeps no locks: a claim file that names a holder still there.
    const QByteArray held = QFile::encodeName(HeldPathFor(result));
    if (!HeldHere().contains(held) && SafeFile::IsRegularFile(held) && !LeftByTheDead(held)) {
        return true;
    }
    // Anything but a regular file there is no claim, and opening a pipe must not wait.
    const SafeFile file = SafeFile::OpenForReading(path);
    if (!file.IsOpen()) {
        return false;
    }
    // A shared lock is refused while anybody holds the exclusive one, and leaves no trace.
    return ::flock(file.Descriptor(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

int ResultClaim::RemoveAbandoned(const QString& folder) {
    static const QRegularExpression kClaim(QStringLiteral("^\\.reelwright-claim-[0-9a-f]{32}$"));
    int removed = 0;
    const QStringList names =
        QDir(folder).entryList({kPrefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
        if (!kClaim.match(name).hasMatch() || HeldHere().contains(path)) {
            continue;
        }
        // Only a regular file is a claim: whatever else has such a name is not ours to remove.
        const SafeFile file = SafeFile::OpenForLocking(path, false);
        if (!file.IsOpen()) {
            continue;
        }
        // Where nothing locks, nobody holds one: what is there was left behind.
        const bool free = FileLock::TryExclusive(file.Descriptor()) != FileLock::Result::HeldElsewhere;
        if (free && StillNamed(file.Descriptor(), path) && ::unlink(path.constData()) == 0) {
            ++removed;
        }
    }
    return removed + RemoveLeftWithoutLocks(folder);
}

int ResultClaim::RemoveLeftWithoutLocks(const QString& folder) {
    static const QRegularExpression kHeld(QStringLiteral("^\\.reelwright-held-[0-9a-f]{32}$"));
    int removed = 0;
    const QStringList names =
        QDir(folder).entryList({kHeldPrefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
        if (kHeld.match(name).hasMatch() && !HeldHere().contains(path) && LeftByTheDead(path) &&
            ::unlink(path.constData()) == 0) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace reelwright
