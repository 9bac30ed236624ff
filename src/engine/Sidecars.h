#pragma once

#include "engine/MediaTracks.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace reelwright {

// Subtitle files beside a video, named after it as media players look for them: "film.srt",
// "film.en.srt", "film.de.forced.ass", "film.eng.sdh.vtt". Each becomes a subtitle track of
// the video's own, from an input of its own.
namespace Sidecars {

inline const QStringList kExtensions{"srt", "ass", "ssa", "vtt"};

struct Name {
    QString language;  // ISO 639-2, empty when the name gives none
    bool forced = false;
    bool hearingImpaired = false;
    bool isDefault = false;
};

// What a sidecar's name says of it, when `file` (a name in the video's folder) is one of the
// video's; nothing otherwise.
std::optional<Name> Parse(const QString& videoName, const QString& file);

// A folder's names without the subtitle files named after another of them: those go with
// their video, not into the list as files to convert.
QStringList WithoutSidecars(const QStringList& names);

// The video's sidecars in its folder, read safely (no links, regular files, at most kMostBytes
// each), as subtitle tracks of inputs 1, 2, ... in the order of their names.
std::vector<MediaTracks::Track> Read(const QString& video);
inline constexpr qint64 kMostBytes = 20 * 1024 * 1024;

// ISO 639-2 for a two-letter code or a three-letter one; empty for what is no language code.
QString LanguageCode(const QString& tag);

}  // namespace Sidecars
}  // namespace reelwright
