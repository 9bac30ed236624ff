#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace reelwright {

// What tells the file at `path` from another put there later, or from itself changed: its
// device, inode, size, modification and change times. Empty when it is not a regular file.
QByteArray FileStamp(const QString& path);

// The same, with when the file was last modified (milliseconds since 1970); none when it is not
// a regular file.
struct StampedFile {
    QByteArray stamp;
    qint64 modifiedMs = 0;
};
std::optional<StampedFile> StampFile(const QString& path);

}  // namespace reelwright
