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

}  // namespace reelwright
