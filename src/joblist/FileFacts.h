#pragma once

#include "engine/ProbeVerdict.h"
#include "joblist/DurationText.h"

namespace reelwright {

// What the list needs to know of a file before it becomes a row.
struct FileFacts {
    ProbeVerdict probe;  // whether the encoder can read it
    MediaLength length;
};

}  // namespace reelwright
