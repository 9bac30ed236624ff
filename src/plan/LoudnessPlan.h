#pragma once

#include "engine/LoudnessLook.h"
#include "engine/MediaTracks.h"
#include "engine/SourceFacts.h"
#include "plan/ContainerTable.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace reelwright {

// Even loudness: each kept sound track brought to one loudness (EBU R 128), measured first,
// then corrected by one gain where that keeps its true peak under the limit, by the meter's own
// limiter where it would not.
namespace LoudnessPlan {

// The true peak no result passes (dBTP).
constexpr double kPeakLimit = -1.0;

// What a sound track is encoded with, as the measuring run encodes it too: the loudness a
// player hears is the encoded sound's, which a lossy encoder lowers by cutting what it thinks
// goes unheard (up to 2 LU of noise) and whose peaks it raises.
struct Encoding {
    QString encoder;      // empty: unknown, or lossless: the sound is measured as it is
    QStringList options;  // for the measuring run: codec, rate and the like
};
// For a track of `channels` encoded by the format's `arguments` into a container of `rules`;
// `copies` when the format copies sound and it must be encoded to be evened.
Encoding EncodingOf(const QStringList& arguments, const ContainerRules& rules, bool copies,
                    int channels);
// The encoder a copied track is encoded with to be evened, as the container holds it (empty:
// none can be).
QString CopyEncoder(const ContainerRules& rules);

// The filters that make `sound` what the encoder is given before its loudness is set: the
// format's own sound filter, the layout the encoder holds (`layoutFilter`), or the format's
// count of channels; empty when it goes as it is.
QString Shaping(const MediaTracks::Track& sound, const QStringList& arguments,
                const QString& layoutFilter);
// Whether the format filters its sound in a way the plan cannot add to.
bool FiltersItself(const QStringList& arguments);

// How one track is evened, and what is said of it.
struct Evened {
    QString filter;  // follows the track's shaping; empty: left as it is
    QString note;
    std::optional<LimiterTrial> limiter;  // the limiter's settings, when it goes through one
};
// For a track measured as `measured` (none: it was not), to `target`; it reaches the encoder
// with `layout` at `rate` Hz. `tried` is the limiter's last settings on it, if any. `number`
// names it among several (0: the result's only one).
Evened Even(const std::optional<Loudness>& measured, const LimiterTrial* tried, double target,
            const QString& layout, int rate, int number);

// Whether what a limiter gave is close enough to `target`, under the peak limit.
bool Settled(const Loudness& gave, double target);
// The settings to try after `trial` gave `gave`: the gain moved by what the loudness missed,
// the ceiling lowered by what the encoder raised the peaks over the limit. `trial` with what it
// gave, when that settled.
LimiterTrial NextTrial(const LimiterTrial& trial, const Loudness& gave, double target);
// The settings kept once the trials are over: the last, when they settled, else the best tried
// under the peak limit, else the last.
LimiterTrial Kept(const LimiterTrial& trial);
// How many times the limiter's settings are tried before Kept ones are used.
constexpr int kTrials = 3;

// The layout and rate a track reaches the encoder with after `shaping`.
QString LayoutAfter(const MediaTracks::Track& sound, const QString& shaping);
int RateFor(const MediaTracks::Track& sound, const QStringList& arguments);

// The bit rate a copied track of `channels` is encoded at to be evened.
QString CopyRate(int channels);

// One kept track's evening: what it is measured as, its whole filter chain (empty: only its
// layout's, if any) and what is said, once `readings` (by stream) are known.
struct TrackEvening {
    SoundToMeasure measure;
    QString filter;
    QString note;
    std::optional<LimiterTrial> limiter;  // as in Evened
};
TrackEvening ForTrack(const MediaTracks::Track& sound, const QStringList& arguments,
                      const QString& layoutFilter, double target, const SourceFacts& facts,
                      int number);

// Said of a copy whose sound is encoded to be evened with `encoder` (empty: none the container
// holds can be), or left as it is.
QString CopiedNote(const ContainerRules& rules, const QString& encoder, bool pictureCopied);
// Said when the format's own filters leave no place for evening.
QString FiltersItselfNote();

}  // namespace LoudnessPlan

}  // namespace reelwright
