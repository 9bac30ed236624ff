#pragma once

#include "engine/BarsLook.h"
#include "engine/FieldLook.h"
#include "engine/LoudnessLook.h"
#include "engine/MediaTracks.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace reelwright {

// What is known of a source before its conversion is planned, gathered in one place so that the
// plan itself never reads a file or runs a process. What each fact costs: the tracks are read in
// this process through the encoder's libraries (milliseconds); each field look runs the encoder
// over 150 frames spread through a picture track (a second or so).
struct SourceFacts {
    MediaTracks tracks;
    // What the encoder's field detector saw, by stream number, for pictures whose file may not
    // tell the whole truth; a stream missing here was not looked at, or the detector could not
    // tell.
    std::map<int, FieldVerdict> fields;
    // What the loudness meter read of sound tracks, by stream, once they were measured.
    std::optional<std::map<int, Loudness>> loudness = std::nullopt;
    // The limiter's settings tried on tracks one gain cannot even, by stream.
    std::map<int, LimiterTrial> limiterTrials = {};
    // The picture inside black bars, by stream, where the bars are to be removed and were found.
    std::map<int, Bars> bars = {};

    // The tracks of `path`.
    static SourceFacts Read(const QString& path);
    // Runs the field detector over each of `streams` of `path`.
    void LookForFields(const QString& path, const std::vector<int>& streams);
    std::optional<FieldVerdict> FieldsOf(int stream) const;
    // Looks for black bars around every picture track but a cover (one not turned: its bars
    // would be told on its side).
    void LookForBars(const QString& path);
    std::optional<Bars> BarsOf(int stream) const;
};

}  // namespace reelwright
