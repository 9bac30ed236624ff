#pragma once

#include <QString>

namespace reelwright {

// Turns the media library's play length ("1h 2mn", "45s 120ms", or today's "1 h 2 min",
// "5 s 16 ms") into hours:minutes:seconds with at least two digits each; "Error" when empty.
QString DurationTextFromLength(const QString& lengthText);

// The play length of a media file as hours:minutes:seconds; empty when the file cannot be opened.
QString GetDurationText(const QString& path);

}  // namespace reelwright
