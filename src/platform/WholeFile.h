#pragma once

#include <QByteArray>
#include <QString>

namespace reelwright {

// Writes `bytes` to a new file beside `path` that then replaces it, so that a failed write
// (a full disk, a folder made read-only) leaves the old file whole. False, with `error` set to
// why in a few words, when `path` was not replaced.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace reelwright
