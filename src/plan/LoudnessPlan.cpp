#include "plan/LoudnessPlan.h"

#include "plan/PicturePlan.h"
#include "plan/SoundLayout.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace reelwright::LoudnessPlan {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::LoudnessPlan)
};

// What a lossy encoder may add to the peaks it was given (measured: up to 0.9 dB on clipped
// sound through AAC, Opus and Vorbis). The measuring run reads peaks after the encoder, so a
// single gain needs only a little room; the limiter works before it, and needs the whole.
constexpr double kRoomForGain = 0.3;
constexpr double kRoomForLimiter = 1.0;
// A limiter's result is kept within this of the target, this far under the peak limit; its
// ceiling goes no lower than this.
constexpr double kSettledLu = 0.3;
constexpr double kSettledPeakRoom = 0.1;
constexpr double kLowestCeiling = -12.0;

// Options the format gives sound's encoder, taken as they are for the measuring run.
const QStringList kSoundOptions{"-b:a",       "-ab",       "-q:a",        "-aq",
                                "-qscale:a",  "-ar",       "-ar:a",       "-profile:a",
                                "-vbr",       "-application", "-cutoff",  "-aac_coder",
                                "-sample_fmt", "-frame_duration"};

const QStringList kLossless{"flac", "alac", "wavpack", "tta", "truehd", "mlp", "s302m"};

QString Lufs(double value) {
    //: A loudness, such as "-16.0 LUFS".
    return Text::tr("%1 LUFS").arg(value, 0, 'f', 1);
}

// The sentence of the result's only sound track, or of one of several (`number`, from 1).
QString Named(int number, const QString& only, const QString& ofSeveral) {
    if (number <= 0) {
        return only;
    }
    //: %1 is a sound track's number; %2 what was done to it, such as "loudness -31.2 LUFS →
    //: -16.0 LUFS."
    return Text::tr("Sound track %1: %2").arg(number).arg(ofSeveral);
}

QString Number(double value) {
    return QString::number(value, 'f', 2);
}

}  // namespace

QString CopyEncoder(const ContainerRules& rules) {
    if (!rules.audioCodec.isEmpty()) {
        return rules.audioCodec;
    }
    // The encoder of each codec an older writer may hold, best first.
    static const std::pair<const char*, const char*> kTried[] = {
        {"aac", "aac"}, {"ac3", "ac3"}, {"mp3", "libmp3lame"}, {"mp2", "mp2"},
        {"wmav2", "wmav2"}};
    for (const auto& [codec, encoder] : kTried) {
        if (rules.HoldsAsIs(QString::fromLatin1(codec), false)) {
            return QString::fromLatin1(encoder);
        }
    }
    return QString();
}

Encoding EncodingOf(const QStringList& arguments, const ContainerRules& rules, bool copies,
                    int channels) {
    Encoding encoding;
    if (copies) {
        encoding.encoder = CopyEncoder(rules);
        encoding.options = {QStringLiteral("-b:a"), CopyRate(channels)};
    } else {
        encoding.encoder = SoundLayout::EncoderIn(arguments);
        if (encoding.encoder.isEmpty()) {
            encoding.encoder = rules.audioCodec;
        }
        for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
            if (kSoundOptions.contains(arguments[i])) {
                encoding.options << arguments[i] << arguments[i + 1];
            }
        }
        const QString target = OptionValue(arguments, {QStringLiteral("-target")});
        if (!target.isEmpty() && !encoding.options.contains(QStringLiteral("-b:a"))) {
            const bool disc = !target.endsWith(QStringLiteral("vcd"));
            encoding.options << QStringLiteral("-b:a")
                             << QString::fromLatin1(disc ? "448k" : "224k");
        }
    }
    if (encoding.encoder.isEmpty() || encoding.encoder.startsWith(QStringLiteral("pcm_")) ||
        kLossless.contains(encoding.encoder)) {
        return Encoding();
    }
    encoding.options.prepend(encoding.encoder);
    encoding.options.prepend(QStringLiteral("-c:a"));
    return encoding;
}

QString CopyRate(int channels) {
    // Enough that the encoding is not heard: 96 kb/s a channel, within what encoders take.
    return QStringLiteral("%1k").arg(std::clamp(channels, 1, 6) * 96);
}

bool FiltersItself(const QStringList& arguments) {
    static const QStringList kWhole{"-filter_complex", "-lavfi", "-filter_complex_script"};
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const QString& argument) { return kWhole.contains(argument); });
}

QString Shaping(const MediaTracks::Track& sound, const QStringList& arguments,
                const QString& layoutFilter) {
    const QString own =
        OptionValue(arguments, {QStringLiteral("-af"), QStringLiteral("-filter:a")});
    if (!own.isEmpty()) {
        return own;
    }
    if (!layoutFilter.isEmpty()) {
        return layoutFilter;
    }
    // The encoder's own mix down comes after every filter: measured and evened, the sound is
    // mixed down first, as the encoder would.
    const int asked =
        OptionValue(arguments, {QStringLiteral("-ac"), QStringLiteral("-ac:a")}).toInt();
    const QString layout = SoundLayout::UsualLayout(asked);
    if (asked > 0 && asked != sound.channels && !layout.isEmpty()) {
        return QStringLiteral("aformat=channel_layouts=") + layout;
    }
    return QString();
}

QString LayoutAfter(const MediaTracks::Track& sound, const QString& shaping) {
    static const QRegularExpression kLayout(QStringLiteral("channel_layouts=([^:,]+)"));
    const QRegularExpressionMatch match = kLayout.match(shaping);
    if (match.hasMatch()) {
        return match.captured(1);
    }
    return sound.channelLayout.isEmpty() ? SoundLayout::UsualLayout(sound.channels) : sound.channelLayout;
}

int RateFor(const MediaTracks::Track& sound, const QStringList& arguments) {
    const int asked = OptionValue(arguments, {QStringLiteral("-ar"), QStringLiteral("-ar:a")}).toInt();
    if (asked > 0) {
        return asked;
    }
    return sound.sampleRate > 0 ? sound.sampleRate : 48000;
}

namespace {

QString LimiterChain(const LimiterTrial& trial, const QString& layout, int rate) {
    // The limiter works at four times the rate, where it sees the peaks between samples too,
    // and says its delay, so the sound stays in step with the pictures.
    QString chain = QStringLiteral("volume=%1dB,aresample=192000,alimiter=limit=%2:attack=1:"
                                   "release=50:level=false:latency=1,aformat=sample_rates=%3")
                        .arg(Number(trial.gain))
                        .arg(std::pow(10.0, trial.ceiling / 20.0), 0, 'f', 4)
                        .arg(rate);
    if (!layout.isEmpty()) {
        chain += QStringLiteral(":channel_layouts=") + layout;
    }
    return chain;
}

}  // namespace

Evened Even(const std::optional<Loudness>& measured, const LimiterTrial* tried, double target,
            const QString& layout, int rate, int number) {
    Evened evened;
    if (!measured) {
        evened.note =
            Named(number, Text::tr("The sound's loudness could not be measured: it was left as it is."),
                  Text::tr("its loudness could not be measured: it was left as it is."));
        return evened;
    }
    if (!measured->Audible()) {
        evened.note = Named(number, Text::tr("The sound is silent or nearly so: its loudness was "
                                             "left as it is."),
                            Text::tr("silent or nearly so: its loudness was left as it is."));
        return evened;
    }
    const QString before = Lufs(measured->integrated);
    const double gain = target - measured->integrated;
    if (!tried && measured->truePeak + gain <= kPeakLimit - kRoomForGain) {
        // One gain: the sound's dynamics stay as they were.
        evened.filter = QStringLiteral("volume=%1dB").arg(Number(gain));
        evened.note = Named(number,
                            //: %1 and %2 are loudnesses: "-31.2 LUFS → -16.0 LUFS".
                            Text::tr("Loudness %1 → %2.").arg(before, Lufs(target)),
                            //: %1 and %2 are loudnesses: "-31.2 LUFS → -16.0 LUFS".
                            Text::tr("loudness %1 → %2.").arg(before, Lufs(target)));
        return evened;
    }
    // One gain would take the peaks over the limit: a limiter holds them, and its settings are
    // tried until what the encoder makes of them is right.
    LimiterTrial first;
    first.gain = gain;
    first.ceiling = kPeakLimit - kRoomForLimiter;
    const LimiterTrial trial = tried ? *tried : first;
    evened.filter = LimiterChain(trial, layout, rate);
    evened.limiter = trial;
    const QString after = trial.gave ? Lufs(trial.gave->integrated)
                                     //: A loudness that was not measured: "about -16.0 LUFS".
                                     : Text::tr("about %1").arg(Lufs(target));
    const QString limit = QString::number(kPeakLimit, 'f', 0);
    evened.note = Named(
        number,
        //: %1 and %2 are loudnesses; %3 the true-peak limit, such as -1.
        Text::tr("Loudness %1 → %2, through a limiter: one gain would have taken its peaks above "
                 "%3 dBTP.")
            .arg(before, after, limit),
        //: %1 and %2 are loudnesses; %3 the true-peak limit, such as -1.
        Text::tr("loudness %1 → %2, through a limiter: one gain would have taken its peaks above "
                 "%3 dBTP.")
            .arg(before, after, limit));
    return evened;
}

LimiterTrial Kept(const LimiterTrial& trial) {
    if (trial.gave || !trial.bestGave) {
        return trial;
    }
    LimiterTrial kept = trial;
    kept.gain = trial.bestGain;
    kept.ceiling = trial.bestCeiling;
    kept.gave = trial.bestGave;
    return kept;
}

bool Settled(const Loudness& gave, double target) {
    return std::abs(gave.integrated - target) <= kSettledLu &&
           gave.truePeak <= kPeakLimit - kSettledPeakRoom;
}

LimiterTrial NextTrial(const LimiterTrial& trial, const Loudness& gave, double target) {
    LimiterTrial next = trial;
    if (gave.truePeak <= kPeakLimit - kSettledPeakRoom &&
        (!trial.bestGave ||
         std::abs(gave.integrated - target) < std::abs(trial.bestGave->integrated - target))) {
        next.bestGain = trial.gain;
        next.bestCeiling = trial.ceiling;
        next.bestGave = gave;
    }
    if (Settled(gave, target)) {
        next.gave = gave;
        return next;
    }
    next.gave.reset();
    next.gain += std::clamp(target - gave.integrated, -6.0, 6.0);
    const double over = gave.truePeak - (kPeakLimit - kSettledPeakRoom - 0.1);
    if (over > 0) {
        next.ceiling = std::max(next.ceiling - over, kLowestCeiling);
    }
    return next;
}

TrackEvening ForTrack(const MediaTracks::Track& sound, const QStringList& arguments,
                      const QString& layoutFilter, double target, const SourceFacts& facts,
                      int number) {
    TrackEvening evening;
    const QString shaping = Shaping(sound, arguments, layoutFilter);
    evening.measure = {shaping, sound.index};
    if (!facts.loudness) {
        return evening;
    }
    const auto found = facts.loudness->find(sound.index);
    const auto tried = facts.limiterTrials.find(sound.index);
    const Evened evened = Even(
        found == facts.loudness->end() ? std::nullopt : std::optional<Loudness>(found->second),
        tried == facts.limiterTrials.end() ? nullptr : &tried->second, target,
        LayoutAfter(sound, shaping), RateFor(sound, arguments), number);
    if (!evened.filter.isEmpty()) {
        evening.filter = shaping.isEmpty() ? evened.filter : shaping + u',' + evened.filter;
    }
    evening.note = evened.note;
    evening.limiter = evened.limiter;
    return evening;
}

QString CopiedNote(const ContainerRules& rules, const QString& encoder, bool pictureCopied) {
    if (encoder.isEmpty()) {
        //: %1 is a kind of file, such as AVI.
        return Text::tr("%1 holds no sound this program can encode, so its loudness was left as "
                        "it is.")
            .arg(rules.name);
    }
    const QString name = SoundLayout::EncoderName(encoder);
    if (!pictureCopied) {
        //: %1 is an audio codec, such as AAC.
        return Text::tr("The sound was encoded to even its loudness (%1).").arg(name);
    }
    //: %1 is an audio codec, such as AAC.
    return Text::tr("Picture copied, sound encoded to even its loudness (%1).").arg(name);
}

QString FiltersItselfNote() {
    return Text::tr("The format filters its sound itself, so its loudness was left as it is.");
}

}  // namespace reelwright::LoudnessPlan
