#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace reelwright {

// A random mark written into a hidden result's extended attributes when it is made, and kept
// with its claim: a file found later under a result's name is that result only when it carries
// the same mark. Its device and inode alone prove nothing, since a file system hands a freed
// inode straight out again.
class ResultMark {
  public:
    // A new random mark.
    static QByteArray Make();
    // Writes `mark` on the open file; false where the file system keeps no extended attributes.
    static bool Write(int fd, const QByteArray& mark);
    // The mark of the regular file at `path` (never followed through a link, never waiting on a
    // pipe); none when it has none or is not a regular file.
    static std::optional<QByteArray> Read(const QString& path);
};

}  // namespace reelwright
