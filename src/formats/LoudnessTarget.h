#pragma once

#include <QString>

#include <optional>

namespace reelwright::LoudnessTarget {

// The loudness every result's sound may be evened to, in LUFS (EBU R 128).
constexpr double kLowest = -31.0;
constexpr double kHighest = -5.0;
// The choices offered by name: broadcast (EBU R 128), web and podcasts, streaming.
constexpr double kBroadcast = -23.0;
constexpr double kWeb = -16.0;
constexpr double kStreaming = -14.0;

// A target as the user writes it: "-16", "-16.5", "-16 LUFS"; "off" for none. False when it is
// neither, or out of kLowest..kHighest.
bool Parse(const QString& text, std::optional<double>* target);
// The same as stored: "Off" or the number ("-16").
QString Text(std::optional<double> target);

}  // namespace reelwright::LoudnessTarget
