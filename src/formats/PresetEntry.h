#pragma once

#include <QString>

namespace reelwright {

// One ready-made output format, exactly as the catalogue holds it.
struct PresetEntry {
    QString label;      // shown in the video codec list
    QString params;     // the encoder's options, passed unchanged
    QString extension;  // the output file's extension
    QString category;
};

}  // namespace reelwright
