#pragma once

#include "formats/PresetEntry.h"

#include <QString>

namespace reelwright {

// A preset left out of the lists when its catalogue was read, and why.
struct RefusedPreset {
    PresetEntry entry;
    QString reason;  // what PresetParams found, in the user's language
};

}  // namespace reelwright
