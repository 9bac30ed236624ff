#pragma once

#include <QString>

#include <optional>

namespace reelwright {

// Whether a picture track whose file does not say so is interlaced: the encoder's field
// detector looks at its first frames. "tt" or "bb" when most are interlaced, "progressive"
// when most are not, none when it cannot tell (too few frames, or the encoder fails).
std::optional<QString> LookForFields(const QString& path, int stream);

// The same, read from the detector's summary line.
std::optional<QString> FieldsFromDetector(const QString& text);

}  // namespace reelwright
