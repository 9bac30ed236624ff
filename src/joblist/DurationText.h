#pragma once

#include <QString>

namespace reelwright {

// Turns the media library's play length ("1h 2mn", "45s 120ms", or today's "1 h 2 min",
// "5 s 16 ms") into hours:minutes:seconds with at least two digits each; "Error" when empty.
QString DurationTextFromLength(const QString& lengthText);

// The play length of a media file as hours:minutes:seconds; empty when the file cannot be opened.
QString GetDurationText(const QString& path);

// A file's play length: the text the list shows and, when known, the exact seconds.
struct MediaLength {
    MediaLength() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): a text alone is a length of unknown seconds.
    MediaLength(QString lengthText, double exactSeconds = 0)
        : text(std::move(lengthText)), seconds(exactSeconds) {}
    QString text;
    double seconds = 0;
};

// The play length through the media library, with its exact seconds.
MediaLength ReadMediaLength(const QString& path);

}  // namespace reelwright
