#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::SafeFile)
};

QString KindReason(mode_t mode) {
    if (S_ISFIFO(mode)) {
        //: Why a file is not read.
        return Text::tr("it is a named pipe, not a regular file");
    }
    if (S_ISDIR(mode)) {
        //: Why a file is not read.
        return Text::tr("it is a folder, not a regular file");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        //: Why a file is not read.
        return Text::tr("it is a device, not a regular file");
    }
    if (S_ISSOCK(mode)) {
        //: Why a file is not read.
        return Text::tr("it is a socket, not a regular file");
    }
    //: Why a file is not read.
    return Text::tr("it is not a regular file");
}

}  // namespace

SafeFile SafeFile::OpenForReading(const QByteArray& native, Links links) {
    return Open(native, O_RDONLY, 0, links);
}

SafeFile SafeFile::OpenForReading(const QString& path, Links links) {
    return OpenForReading(QFile::encodeName(path), links);
}

SafeFile SafeFile::OpenForLocking(const QByteArray& native, bool create, mode_t mode) {
    return Open(native, O_RDWR | (create ? O_CREAT : 0), mode, Links::Refuse);
}

SafeFile SafeFile::CreateExclusive(const QByteArray& native, mode_t mode) {
    // O_EXCL takes no link, no pipe, nothing that is there: what opens is new and ours.
    SafeFile file;
    file.fd_ = ::open(native.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode);
    if (file.fd_ < 0) {
        file.Fail(errno);
    }
    return file;
}

bool SafeFile::IsRegularFile(const QString& path) {
    return IsRegularFile(QFile::encodeName(path));
}

bool SafeFile::IsRegularFile(const QByteArray& native) {
    struct stat info {};
    return ::lstat(native.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

SafeFile SafeFile::Open(const QByteArray& native, int flags, mode_t mode, Links links) {
    SafeFile file;
    // Without O_NONBLOCK, opening a pipe waits for a writer, and nothing interrupts the wait.
    const int always = O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    file.fd_ = ::open(native.constData(),
                      flags | always | (links == Links::Refuse ? O_NOFOLLOW : 0), mode);
    if (file.fd_ < 0) {
        file.Fail(errno);
        return file;
    }
    if (!file.CheckRegular()) {
        return file;
    }
    // Reads of a regular file never wait anyway; the flag goes so nobody later is surprised
    // by EAGAIN.
    const int status = ::fcntl(file.fd_, F_GETFL);
    if (status < 0 || ::fcntl(file.fd_, F_SETFL, status & ~O_NONBLOCK) != 0) {
        file.Fail(errno);
    }
    return file;
}

bool SafeFile::CheckRegular() {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        Fail(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        notRegular_ = true;
        problem_ = KindReason(info.st_mode);
        return false;
    }
    return true;
}

void SafeFile::Fail(int error) {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    error_ = error;
    if (error == ELOOP) {
        // O_NOFOLLOW's answer for a link.
        notRegular_ = true;
        //: Why a file is not read.
        problem_ = Text::tr("it is a link, not a regular file");
        return;
    }
    if (error == EISDIR) {
        notRegular_ = true;
        problem_ = KindReason(S_IFDIR);
        return;
    }
    problem_ = QString::fromLocal8Bit(std::strerror(error)).toLower();
}

SafeFile::~SafeFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

SafeFile::SafeFile(SafeFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      error_(other.error_),
      notRegular_(other.notRegular_),
      problem_(std::move(other.problem_)) {}

SafeFile& SafeFile::operator=(SafeFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        error_ = other.error_;
        notRegular_ = other.notRegular_;
        problem_ = std::move(other.problem_);
    }
    return *this;
}

int SafeFile::Release() {
    return std::exchange(fd_, -1);
}

QByteArray SafeFile::ProcPath() const {
    return fd_ < 0 ? QByteArray() : "/proc/self/fd/" + QByteArray::number(fd_);
}

}  // namespace reelwright
