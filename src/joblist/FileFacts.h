#pragma once

#include "joblist/DurationText.h"

namespace reelwright {

// What the list needs to know of a file before it becomes a row.
struct FileFacts {
    bool supported = true;  // the encoder can read it
    MediaLength length;
};

}  // namespace reelwright
