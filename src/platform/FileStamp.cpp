#include "platform/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

namespace reelwright {

std::optional<StampedFile> StampFile(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    const auto time = [](const timespec& at) {
        return QByteArray::number(qint64{at.tv_sec}) + '.' + QByteArray::number(qint64{at.tv_nsec});
    };
    return StampedFile{QByteArray::number(quint64{info.st_dev}) + ':' +
                           QByteArray::number(quint64{info.st_ino}) + ':' +
                           QByteArray::number(qint64{info.st_size}) + ':' + time(info.st_mtim) +
                           ':' + time(info.st_ctim),
                       qint64{info.st_mtim.tv_sec} * 1000 + info.st_mtim.tv_nsec / 1000000};
}

QByteArray FileStamp(const QString& path) {
    const std::optional<StampedFile> file = StampFile(path);
    return file ? file->stamp : QByteArray();
}

}  // namespace reelwright
