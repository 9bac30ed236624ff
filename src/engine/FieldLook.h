#pragma once

#include <QString>

#include <optional>

namespace reelwright {

// What the encoder's field detector saw of a picture track, on frames spread through the file:
// whole frames, fields, both (a recording that turns interlaced after its first minutes), or
// film telecined to NTSC's rate (3:2 pulldown: two frames in five woven from two pictures).
struct FieldVerdict {
    enum class Kind { Progressive, Interlaced, Mixed, Telecined };
    Kind kind = Kind::Progressive;
    bool topFirst = true;

    bool operator==(const FieldVerdict&) const = default;
};

// Looks at `stream` of `path`, a file of `seconds` (0 when unknown: its start alone is looked
// at). None when the detector cannot tell (too few frames, or the encoder fails).
std::optional<FieldVerdict> LookForFields(const QString& path, int stream, double seconds);

// The same, read from the detector's summaries, one for each stretch looked at.
std::optional<FieldVerdict> FieldsFromDetector(const QString& text);

}  // namespace reelwright
