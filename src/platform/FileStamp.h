#pragma once

#include <QByteArray>
#include <QString>

namespace reelwright {

// What tells the file at `path` from another put there later, or from itself changed: its
// device, inode, size, modification and change times. Empty when it is not a regular file.
QByteArray FileStamp(const QString& path);

}  // namespace reelwright
