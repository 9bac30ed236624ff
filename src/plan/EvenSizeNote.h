#pragma once

#include "engine/MediaTracks.h"

#include <QString>

#include <optional>

namespace reelwright {

// What a result's picture size says that the user did not ask for: the encoders of 4:2:0
// pictures take even sizes only, so the presets make 721x405 into 720x404 (or pad it to
// 722x406). One sentence naming both sizes; none when every picture kept its size, or was
// resized on purpose (by more than the one pixel evenness takes).
std::optional<QString> EvenSizeNote(const MediaTracks& source, const MediaTracks& result);

}  // namespace reelwright
