#pragma once

#include <QString>

#include <optional>

namespace reelwright {

// What the program reads in the encoder's console text. Phrases are matched without regard to
// letter case; the older encoder's wording and today's are both recognised.

struct TimeValue {
    double seconds = 0.0;
    // The position in seconds as text: the value as printed, or the clock turned into seconds
    // with its fraction kept ("00:01:02.50" gives "62.50").
    QString secondsText;
};

// The first "time=" of a piece, when its value is complete and a number (plain or clock form).
std::optional<TimeValue> FindTimeValue(const QString& piece);

// The input cannot be read: "Unknown format", or today's "Invalid data found when processing
// input".
bool IsUnreadableInputText(const QString& text);

// Encoding has begun: "press [q] to stop encoding", or today's "Press [q] to stop, [?] for help".
bool HasEncodingBegun(const QString& text);

// Today's encoder may exit 0 after a failed write; these lines give it away.
bool HasLateFailure(const QString& text);

// Whether a run that reached `converted` seconds of an input `length` seconds long stopped well
// short of its end. The encoder's last position is often a few frames short of the length (the
// frames it reorders are not counted), and a slide show's frames last a second or more, so two
// seconds, 2% of the length and four frames at the input's frame rate are forgiven. Options that
// cut the input on purpose (-t, -to, -ss, -frames, -fs, -shortest) make no claim.
bool EndedWellShort(double converted, double length, const QString& options,
                    std::optional<double> frameRate = std::nullopt);

// The cause of a failure: the encoder's own last error lines, without its banner, stream
// listing and statistics.
QString ErrorDetailOf(const QString& text);

}  // namespace reelwright
