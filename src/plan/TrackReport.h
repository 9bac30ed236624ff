#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace reelwright {

// What a conversion kept of its source's tracks and what it left out, and why: for the row's
// tooltip, the log, the command line's report and the kept list.
struct TrackReport {
    struct Counts {
        int video = 0;
        int audio = 0;
        int subtitle = 0;
        int cover = 0;
        int font = 0;
        bool operator==(const Counts&) const = default;
    };
    struct LeftOut {
        QString kind;      // "video", "audio", "subtitle", "picture subtitle", "cover", "font"
        QString language;  // empty when the track has none
        QString reason;    // why, in a few words, without a full stop
        bool operator==(const LeftOut&) const = default;
    };

    Counts kept;
    std::vector<LeftOut> leftOut;
    QStringList notes;  // further sentences ("The source has no picture...")

    // "Kept 1 video, 2 audio and 2 subtitle tracks. Left out: 1 picture subtitle track (eng):
    // MP4 cannot hold picture subtitles." and the notes.
    QString Sentence() const;
    bool IsEmpty() const { return kept == Counts() && leftOut.empty() && notes.isEmpty(); }
    bool operator==(const TrackReport&) const = default;
};

}  // namespace reelwright
