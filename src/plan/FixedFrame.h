#pragma once

#include "engine/MediaTracks.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace reelwright {

// The one frame a disc or an old phone's format writes (DVD, Video CD, 3GP's QCIF): its size,
// its rate and the shapes its players show. Pictures of any other shape are fitted into it
// with black bars and told the shape it holds, never stretched.
struct FixedFrame {
    int width = 0;
    int height = 0;
    double rate = 0;    // frames a second; 0 where the format keeps the source's
    bool wide = false;  // whether it may be shown at 16:9 as well as at 4:3

    // The frame the format's options fix, if they fix one.
    static std::optional<FixedFrame> Of(const QStringList& arguments);

    // How a picture of `picture`'s size and shape is put into the frame: its scaling (of each
    // field on its own when `fields`), bars and shape, as filters; and what is said.
    struct Fit {
        QStringList filters;
        QString note;
    };
    Fit FitOf(const MediaTracks::Picture& picture, bool fields) const;
};

}  // namespace reelwright
