#pragma once

#include "engine/MediaTracks.h"

namespace reelwright::test {

// One track of a made-up source, as the reader would give it.
inline MediaTracks::Track SourceTrack(int index, MediaTracks::Kind kind, const char* codec,
                                      const char* language = "") {
    MediaTracks::Track track;
    track.index = index;
    track.kind = kind;
    track.codec = QString::fromLatin1(codec);
    track.language = QString::fromLatin1(language);
    return track;
}

}  // namespace reelwright::test
