#pragma once

#include <QString>

namespace reelwright {

// One codec of codecs.xml: the encoder's name, the text shown for it, and which list shows it.
struct CodecEntry {
    QString name;
    QString description;
    QString type;  // "video codec", "audio codec" or "general" (both lists)
};

}  // namespace reelwright
