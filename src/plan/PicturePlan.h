#pragma once

#include "engine/BarsLook.h"
#include "engine/FieldLook.h"
#include "engine/MediaTracks.h"
#include "plan/FixedFrame.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace reelwright {

// The codec the options give tracks of a kind ('v' or 'a'): the last option that reaches them, as
// the encoder takes it; empty when none does.
QString CodecIn(const QStringList& arguments, char kind);
// The value of the last of `names` among the arguments, as the encoder takes it; empty when none
// is there.
QString OptionValue(const QStringList& arguments, const QStringList& names);

// How one picture track is shown as its source meant it, in the format chosen: HDR brought to
// standard range for a format whose players expect it (or kept, 10-bit with its metadata, where
// the format holds it), interlaced fields made whole frames for a progressive format (or kept,
// flagged, for DVD), colours tagged as they are and full-range pictures not crushed. The
// format's own options still decide the codec, the size and the rate.
struct PicturePlan {
    // What the format's options make of pictures, read from them.
    struct Format {
        QString codec;          // the video encoder; empty: the container's own
        bool copies = false;    // pictures copied as they are: nothing can be done to them
        bool holdsHdr = false;  // an encoder that writes 10-bit HDR (HEVC, AV1, VP9, ProRes, FFV1)
        bool keepsFields = false;     // interlaced by nature (DVD)
        bool keepsFullRange = false;  // an encoder that keeps the picture's full range
        QString pixelFormat;          // as -pix_fmt sets it; empty when the encoder chooses
        bool pal = true;              // for a format of one TV system: PAL or NTSC
        std::optional<FixedFrame> frame;  // the one frame it writes (DVD, VCD, 3GP)

        static Format Of(const QStringList& arguments);
    };

    QString filters;      // the chain that goes before the format's own filter; empty: none
    QStringList options;  // what goes after the format's options, for output picture `stream`
    QStringList notes;    // what is said of it on the row and in the log

    // Whether the plan can use the field detector's word on this picture: the format encodes it.
    // (Whether the file's word may be wrong is the track's to tell.)
    static bool WantsFieldLook(const MediaTracks::Picture& picture, const Format& format);
    // `looked` is what the field detector saw, when it was asked: it sees the frames, where a
    // flag may be the wrapper's alone, so its word wins.
    // With `bars`, the picture inside them is cut out first, before any scaling: what follows
    // sees a picture of its size.
    static PicturePlan Make(const MediaTracks::Picture& picture, const Format& format, int stream,
                            const std::optional<FieldVerdict>& looked = std::nullopt,
                            const std::optional<Bars>& bars = std::nullopt);
};

}  // namespace reelwright
