#include "platform/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

namespace reelwright {

QByteArray FileStamp(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return QByteArray();
    }
    return QByteArray::number(quint64{info.st_dev}) + ':' +
           QByteArray::number(quint64{info.st_ino}) + ':' +
           QByteArray::number(qint64{info.st_size}) + ':' +
           QByteArray::number(qint64{info.st_mtim.tv_sec}) + '.' +
           QByteArray::number(qint64{info.st_mtim.tv_nsec}) + ':' +
           QByteArray::number(qint64{info.st_ctim.tv_sec}) + '.' +
           QByteArray::number(qint64{info.st_ctim.tv_nsec});
}

}  // namespace reelwright
