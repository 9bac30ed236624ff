#include "conversion/ResultMark.h"

#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace reelwright {
namespace {

constexpr char kAttribute[] = "user.reelwright.mark";
constexpr int kMarkBytes = 16;

}  // namespace

QByteArray ResultMark::Make() {
    QByteArray bytes(kMarkBytes, '\0');
    QRandomGenerator::system()->generate(bytes.begin(), bytes.end());
    return bytes.toHex();
}

bool ResultMark::Write(int fd, const QByteArray& mark) {
    return fd >= 0 && ::fsetxattr(fd, kAttribute, mark.constData(), mark.size(), 0) == 0;
}

std::optional<QByteArray> ResultMark::Read(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<QByteArray> mark;
    struct stat info {};
    char value[2 * kMarkBytes + 1] = {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const ssize_t length = ::fgetxattr(fd, kAttribute, value, sizeof value);
        if (length > 0) {
            mark = QByteArray(value, static_cast<qsizetype>(length));
        }
    }
    ::close(fd);
    return mark;
}

}  // namespace reelwright
