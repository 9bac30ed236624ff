#pragma once

#include <QString>

namespace reelwright {

// The encoder's writer for a file of this name, as it would choose it by the extension ("mp4"
// for clip.mp4); empty when it knows none.
QString MuxerFor(const QString& fileName);

}  // namespace reelwright
