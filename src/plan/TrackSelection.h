#pragma once

#include "engine/MediaTracks.h"
#include "plan/ContainerTable.h"
#include "plan/TrackReport.h"

#include <QStringList>

#include <vector>

namespace reelwright {

// Which of a source's tracks go into a result, kind by kind, and why each other one is left
// out: the container's row of the table, the format's options (-vn, -an, -sn) and the user's
// choice of every track or one of each kind decide.
struct TrackSelection {
    using Track = MediaTracks::Track;

    std::vector<const Track*> videos;
    std::vector<const Track*> audios;
    std::vector<const Track*> subtitles;
    QStringList subtitleCodecs;  // the encoder for each subtitle kept, in the same order
    std::vector<const Track*> fonts;
    std::vector<const Track*> covers;
    std::vector<TrackReport::LeftOut> leftOut;

    // `every`: every audio and subtitle track, else one of each kind.
    static TrackSelection Make(const MediaTracks& source, const ContainerRules& rules,
                               const QStringList& arguments, bool every);

    bool KeepsNothing() const { return videos.empty() && audios.empty() && subtitles.empty(); }

  private:
    void Leave(const Track& track, const QString& kind, const QString& reason);
    void ChoosePicturesAndSound(const MediaTracks& source, const ContainerRules& rules,
                                const QStringList& arguments, bool every);
    void ChooseSubtitles(const MediaTracks& source, const ContainerRules& rules,
                         const QStringList& arguments, bool every);
    void ChooseAttachments(const MediaTracks& source, const ContainerRules& rules);
};

}  // namespace reelwright
