#pragma once

#include <QList>
#include <QString>

#include <atomic>

namespace reelwright {

// Where the key frames before some moments of a file are, in seconds from its start as the
// encoder's -ss counts them. An encode that starts at a key frame decodes nothing it throws
// away: starting anywhere else first decodes from the key frame before, which may be seconds.
// A moment whose key frame cannot be found (no picture, no index, an unreadable file) is given
// back as it was. Gives up after `timeLimitMs`, or as soon as `cancel` is set.
QList<double> KeyFramesBefore(const QString& path, const QList<double>& moments,
                              int timeLimitMs = 5000, const std::atomic<bool>* cancel = nullptr);

// The key frames of a file's picture: how many, and the bytes they take. None of either when
// it has no picture or cannot be read.
struct KeyFrameBytes {
    int count = 0;
    qint64 bytes = 0;
};
KeyFrameBytes KeyFramesIn(const QString& path, int timeLimitMs = 5000);

}  // namespace reelwright
