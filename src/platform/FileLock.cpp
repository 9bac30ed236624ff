#include "platform/FileLock.h"

#include <cerrno>

#include <sys/file.h>

namespace reelwright {
namespace {

FileLock::Function& Installed() {
    static FileLock::Function lock;
    return lock;
}

}  // namespace

FileLock::Result FileLock::TryExclusive(int fd, int* error) {
    const int answer = Installed() ? Installed()(fd, LOCK_EX | LOCK_NB)
                                   : ::flock(fd, LOCK_EX | LOCK_NB);
    if (answer == 0) {
        return Result::Held;
    }
    const int why = errno;
    if (why == EWOULDBLOCK) {
        return Result::HeldElsewhere;
    }
    if (error) {
        *error = why;
    }
    return Result::Unknown;
}

FileLock::Function FileLock::Install(Function lock) {
    Function previous = std::move(Installed());
    Installed() = std::move(lock);
    return previous;
}

}  // namespace reelwright
