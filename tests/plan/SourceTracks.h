#pragma once

#include "engine/FieldLook.h"
#include "engine/MediaTracks.h"

#include <cstring>
#include <optional>

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

// What the field detector saw, by a word: "tt", "bb" (interlaced), "progressive", "mixed tt",
// "telecined tt"; none for nullptr.
inline std::optional<FieldVerdict> Verdict(const char* word) {
    if (!word) {
        return std::nullopt;
    }
    using Kind = FieldVerdict::Kind;
    const bool bottom = std::strstr(word, "bb") != nullptr;
    if (std::strcmp(word, "progressive") == 0) {
        return FieldVerdict{Kind::Progressive, true};
    }
    if (std::strncmp(word, "mixed", 5) == 0) {
        return FieldVerdict{Kind::Mixed, !bottom};
    }
    if (std::strncmp(word, "telecined", 9) == 0) {
        return FieldVerdict{Kind::Telecined, !bottom};
    }
    return FieldVerdict{Kind::Interlaced, !bottom};
}

}  // namespace reelwright::test
