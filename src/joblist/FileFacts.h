#pragma once

#include "engine/MediaTracks.h"
#include "engine/ProbeVerdict.h"
#include "joblist/DurationText.h"

namespace reelwright {

// What a file holds that a conversion can make something of, as its tracks tell it.
struct FileContent {
    bool known = false;    // its tracks could be read
    bool picture = false;  // a picture that is not empty (a cover is none)
    bool sound = false;    // a sound that is not empty

    static FileContent Of(const MediaTracks& tracks) {
        return {tracks.readable, tracks.HoldsPicture(), tracks.HoldsSound()};
    }
};

// What the list needs to know of a file before it becomes a row.
struct FileFacts {
    ProbeVerdict probe;  // whether the encoder can read it
    MediaLength length;
    FileContent content;
};

}  // namespace reelwright
