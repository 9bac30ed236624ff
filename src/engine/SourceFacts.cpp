#include "engine/SourceFacts.h"

#include "engine/FieldLook.h"
#include "platform/Yield.h"

namespace reelwright {

SourceFacts SourceFacts::Read(const QString& path) {
    // Read beside the window: a source on a stalled disk or network folder holds only itself.
    return SourceFacts{Yield::Aside([path] { return MediaTracks::Read(path); }), {}};
}

void SourceFacts::LookForFields(const QString& path, const std::vector<int>& streams) {
    for (const int stream : streams) {
        const double seconds = tracks.end > tracks.start ? tracks.end - tracks.start : tracks.seconds;
        if (const std::optional<FieldVerdict> found =
                reelwright::LookForFields(path, stream, seconds)) {
            fields[stream] = *found;
        }
    }
}

std::optional<FieldVerdict> SourceFacts::FieldsOf(int stream) const {
    const auto found = fields.find(stream);
    if (found == fields.end()) {
        return std::nullopt;
    }
    return found->second;
}

void SourceFacts::LookForBars(const QString& path) {
    const double seconds = tracks.end > tracks.start ? tracks.end - tracks.start : tracks.seconds;
    for (const MediaTracks::Track& track : tracks.tracks) {
        if (track.kind != MediaTracks::Kind::Video || track.empty ||
            track.look.rotation != 0) {
            continue;
        }
        if (const std::optional<Bars> found = reelwright::LookForBars(
                path, track.index, track.look.width, track.look.height, seconds)) {
            bars[track.index] = *found;
        }
    }
}

std::optional<Bars> SourceFacts::BarsOf(int stream) const {
    const auto found = bars.find(stream);
    return found == bars.end() ? std::nullopt : std::optional<Bars>(found->second);
}

}  // namespace reelwright
