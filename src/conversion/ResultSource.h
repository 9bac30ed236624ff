#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace reelwright {

// Which input a result was made from, kept with the result: in its extended attributes, or,
// where the folder keeps none (vfat, older network shares), in a small hidden record beside it
// that names the result and holds its size and time. A result is an input's only when it says
// so: a file that merely has the name the input's result would get proves nothing.
class ResultSource {
  public:
    // What tells a source from any other: its name, size and last change. Empty when the source
    // cannot be looked at.
    static QByteArray ProofOf(const QString& source);

    // Writes `proof` onto the result being written; false where the file system keeps no
    // extended attributes (then WriteRecord after the result has its name).
    static bool Write(int fd, const QByteArray& proof);
    // Writes the hidden record for `result`, made from the source `proof` tells.
    static bool WriteRecord(const QString& result, const QByteArray& proof);

    // The proof the regular file at `path` carries (never followed through a link, never
    // waiting on a pipe); none when it is not a result of this program.
    static std::optional<QByteArray> Read(const QString& path);
    static std::optional<QByteArray> Read(const QByteArray& native);
    // Whether the file at `result` was made from `source` as it is now.
    static bool MadeFrom(const QString& result, const QString& source);
    // The first of `candidates` made from `source`, looking no further than the first name that
    // is free (results take the first free one); empty when there is none.
    static QString FindMadeFrom(const QString& source, const QStringList& candidates);

    // The record's name for a result: in the result's folder, named after the result's name.
    static QString RecordPathFor(const QString& result);
    // Removes the records in `folder` whose result is gone or changed. How many.
    static int RemoveStaleRecords(const QString& folder);
};

}  // namespace reelwright
