#pragma once

#include "engine/MediaTracks.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace reelwright {

// What one encoded sound track's channels become. Some encoders take a layout they cannot name
// (AAC writes a 5.1 with side speakers, as every DVD's AC-3 has, as "unknown", and players
// guess), some refuse it outright (Opus, WMA): the track is given the layout the encoder holds
// with the same speakers, or mixed down to the largest it holds, and the user is told of a mix.
struct SoundLayout {
    QString filter;               // the track's own filter ("aformat=channel_layouts=5.1"), or none
    std::optional<QString> note;  // said when sound is mixed down

    // For `sound` encoded by the format's `arguments` with `encoder` (empty: the container's own,
    // unknown here, so nothing is done).
    static SoundLayout For(const MediaTracks::Track& sound, const QString& encoder,
                           const QStringList& arguments);
    // The encoder the format's options give sound tracks (a DVD or VCD target brings its own).
    static QString EncoderIn(const QStringList& arguments);
    // The layout a file that gives only a count of channels is played as ("5.1" for six).
    static QString UsualLayout(int channels);
    // An encoder as the user knows its codec: "AAC" for aac.
    static QString EncoderName(const QString& encoder);
};

}  // namespace reelwright
