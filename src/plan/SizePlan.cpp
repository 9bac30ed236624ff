#include "plan/SizePlan.h"

#include "formats/SizeLimit.h"
#include "plan/FixedFrame.h"
#include "plan/PicturePlan.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace reelwright::SizePlan {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::SizePlan)
};

// What a container adds to what it holds (headers, indexes, packet framing), and a margin for
// what an encoder misses its rate by: the check after the encode catches the rest.
double Overhead(const QString& container) {
    static const QStringList kTransport{"mpg", "mpeg", "vob", "ts", "m2ts", "mts"};
    if (kTransport.contains(container.toLower())) {
        return 0.06;
    }
    return container.compare(QStringLiteral("avi"), Qt::CaseInsensitive) == 0 ? 0.02 : 0.015;
}
constexpr double kMargin = 0.015;

// "128k" and the like in bits a second; 0 when it is not a rate.
double RateOf(const QString& text) {
    static const QRegularExpression kRate(QStringLiteral("^(\\d+(?:\\.\\d+)?)([kKmM]?)$"));
    const QRegularExpressionMatch match = kRate.match(text.trimmed());
    if (!match.hasMatch()) {
        return 0;
    }
    const QString unit = match.captured(2).toLower();
    return match.captured(1).toDouble() * (unit == "k" ? 1e3 : unit == "m" ? 1e6 : 1.0);
}

// Whether an option sets the picture's rate control: "-crf", "-b:v", "-q:v:0" and the like.
bool IsRateControl(const QString& argument) {
    static const QRegularExpression kRateControl(QStringLiteral(
        "^-(crf|cq|qp|global_quality|b:v|vb|q:v|qscale:v|qscale|q|maxrate|minrate|bufsize)"
        "(:v)?(:\\d+)?$"));
    return kRateControl.match(argument).hasMatch();
}

// What the limit leaves for the pictures, bits a second.
double PictureRate(const Budget& budget) {
    const double share = 1.0 - Overhead(budget.container) - kMargin;
    return (static_cast<double>(budget.limit) * 8.0 * share -
            static_cast<double>(budget.otherBytes) * 8.0) /
               std::max(budget.seconds, 0.1) -
           budget.soundBitRate;
}


int Even(double value) {
    return std::max(2, static_cast<int>(std::lround(value / 2.0)) * 2);
}

// The picture with its shorter side `side` long, its shape kept.
Picture WithShorterSide(const Picture& picture, int side) {
    Picture smaller = picture;
    if (picture.width >= picture.height) {
        smaller.width = Even(static_cast<double>(picture.width) * side / picture.height);
        smaller.height = side;
    } else {
        smaller.height = Even(static_cast<double>(picture.height) * side / picture.width);
        smaller.width = side;
    }
    return smaller;
}

// The names a format gives its picture's own filters.
const QStringList& PictureFilterNames() {
    static const QStringList kNames{"-vf", "-filter:v", "-filter:v:0"};
    return kNames;
}

}  // namespace

Picture AsEncoded(const QStringList& arguments, Picture shown) {
    if (const std::optional<FixedFrame> frame = FixedFrame::Of(arguments)) {
        shown.width = frame->width;
        shown.height = frame->height;
        shown.frameRate = frame->rate > 0 ? frame->rate : shown.frameRate;
        return shown;
    }
    // "scale=-2:'min(720,trunc(ih/2)*2)'": the height kept within 720.
    static const QRegularExpression kAtMost(QStringLiteral("scale=-2:'?min\\((\\d+),"));
    const QRegularExpressionMatch most =
        kAtMost.match(OptionValue(arguments, PictureFilterNames()));
    if (const int height = most.captured(1).toInt(); height > 0 && shown.height > height) {
        shown.width = Even(static_cast<double>(shown.width) * height / shown.height);
        shown.height = height;
    }
    return shown;
}

std::optional<Picture> Smaller(const QStringList& arguments, const Budget& budget,
                               const Picture& picture) {
    if (FixedFrame::Of(arguments) || picture.width <= 0 || picture.height <= 0) {
        return std::nullopt;
    }
    for (const int side : kSmallerSides) {
        if (side >= std::min(picture.width, picture.height)) {
            continue;
        }
        if (const Picture smaller = WithShorterSide(picture, side); Watchable(budget, smaller)) {
            return smaller;
        }
    }
    return std::nullopt;
}

QStringList ScaledTo(QStringList arguments, const Picture& picture) {
    const QString scale = QStringLiteral("scale=%1:%2").arg(picture.width).arg(picture.height);
    for (const QString& name : PictureFilterNames()) {
        if (const qsizetype at = arguments.indexOf(name); at >= 0 && at + 1 < arguments.size()) {
            arguments[at + 1] += u',' + scale;
            return arguments;
        }
    }
    return arguments << QStringLiteral("-vf") << scale;
}

double FloorRate(const Picture& picture) {
    return FloorBitsPerPixel(picture.encoder) * picture.width * picture.height *
           (picture.frameRate > 0 ? picture.frameRate : 25.0);
}

bool Watchable(const Budget& budget, const Picture& picture) {
    return PictureRate(budget) >= FloorRate(picture);
}

double FloorBitsPerPixel(const QString& encoder) {
    static const QStringList kNewer{"libx264", "libx265", "libvpx-vp9", "libaom-av1",
                                    "libsvtav1", "librav1e", "h264", "hevc"};
    if (kNewer.contains(encoder) || encoder.startsWith(QStringLiteral("h264_")) ||
        encoder.startsWith(QStringLiteral("hevc_"))) {
        return 0.03;
    }
    return encoder == QStringLiteral("libvpx") ? 0.05 : 0.08;
}

Fit FitPicture(const Budget& budget, const Picture& picture) {
    Fit fit;
    const double share = 1.0 - Overhead(budget.container) - kMargin;
    const double seconds = std::max(budget.seconds, 0.1);
    fit.videoBitRate = PictureRate(budget);
    const double floor = FloorRate(picture);
    if (fit.videoBitRate < floor) {
        const double smallest =
            ((floor + budget.soundBitRate) * seconds / 8.0 + static_cast<double>(budget.otherBytes)) /
            share;
        //: %1 is the limit, %2 the smallest size that holds the file, %3 and %4 the picture's
        //: width and height.
        fit.refusal =
            Text::tr("The file cannot fit in %1 and still be worth watching: at %3x%4 it needs "
                     "at least %2. Choose a smaller picture, a shorter file or a larger limit.")
                .arg(SizeLimit::Text(budget.limit),
                     SizeLimit::Text(static_cast<qint64>(std::ceil(smallest))))
                .arg(picture.width)
                .arg(picture.height);
        return fit;
    }
    fit.options = RateOptions(fit.videoBitRate, picture.encoder,
                              RateControlOf(picture.encoder) == RateControl::TwoPasses);
    return fit;
}

QStringList WithoutRateControl(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (IsRateControl(arguments[i]) && i + 1 < arguments.size()) {
            ++i;  // and its value
            continue;
        }
        kept << arguments[i];
    }
    return kept;
}

namespace {

// What a track of `kind` holds when its file does not say: a text subtitle a few hundred bytes
// a minute, a picture subtitle (PGS, DVD) tens of kilobits a second at its busiest.
qint64 UsualBytes(const MediaTracks::Track& track, double seconds) {
    if (track.bytes > 0) {
        return track.bytes;
    }
    if (track.kind != MediaTracks::Kind::Subtitle) {
        return 0;
    }
    return static_cast<qint64>(seconds * (track.pictureSubtitle ? 5000.0 : 100.0));
}

qint64 Largest(const MediaTracks& source, MediaTracks::Kind kind, int count, double seconds) {
    std::vector<qint64> sizes;
    for (const MediaTracks::Track& track : source.tracks) {
        if (track.kind == kind) {
            sizes.push_back(UsualBytes(track, seconds));
        }
    }
    std::sort(sizes.rbegin(), sizes.rend());
    qint64 sum = 0;
    for (std::size_t i = 0; i < sizes.size() && i < static_cast<std::size_t>(std::max(count, 0));
         ++i) {
        sum += sizes[i];
    }
    return sum;
}

}  // namespace

qint64 OtherBytes(const MediaTracks& source, const TrackReport::Counts& kept, double seconds) {
    using Kind = MediaTracks::Kind;
    return Largest(source, Kind::Subtitle, kept.subtitle, seconds) +
           Largest(source, Kind::Font, kept.font, seconds) +
           Largest(source, Kind::Cover, kept.cover, seconds) +
           Largest(source, Kind::Data, source.Count(Kind::Data), seconds);
}

double SoundBitRate(const QStringList& arguments, int tracks, int channels) {
    if (tracks <= 0 || arguments.contains(QStringLiteral("-an"))) {
        return 0;
    }
    const double given = RateOf(OptionValue(arguments, {"-b:a", "-ab", "-b:a:0"}));
    if (given > 0) {
        return given * tracks;
    }
    // What the encoders choose by themselves, a stereo track; copies are unknown here and
    // counted generously.
    const QString codec = CodecIn(arguments, 'a');
    const double stereo = codec == QStringLiteral("libopus")     ? 96e3
                          : codec == QStringLiteral("libvorbis") ? 128e3
                          : codec == QStringLiteral("ac3")       ? 448e3
                          : codec == QStringLiteral("copy")      ? 640e3
                                                                 : 192e3;
    return stereo * std::max(1.0, channels / 2.0) * tracks;
}

double Lowered(double rate, qint64 reached, qint64 limit, double seconds) {
    const double over = static_cast<double>(reached - limit) * 8.0 / std::max(seconds, 0.1);
    const double byShare = rate * static_cast<double>(limit) / static_cast<double>(reached);
    return std::max(1000.0, std::min(byShare, rate - over) * (1.0 - kMargin));
}

RateControl RateControlOf(const QString& encoder) {
    // ffmpeg's own rate control keeps a first pass's log for all its encoders.
    static const QStringList kTwoPasses{
        "libx264",   "libx264rgb", "libx265",    "libvpx",   "libvpx-vp9", "libaom-av1",
        "mpeg4",     "libxvid",    "mpeg2video", "mpeg1video", "msmpeg4",  "msmpeg4v2",
        "msmpeg4v3", "wmv1",       "wmv2",       "flv",      "h263",       "h263p",
        "mjpeg",     "libtheora",  "h261",       "rv10",     "rv20"};
    // Lossless, or a quality of their own that no rate changes.
    static const QStringList kNone{"ffv1",  "huffyuv", "ffvhuff", "utvideo", "rawvideo", "png",
                                   "qtrle", "v210",    "v410",    "r210",    "magicyuv", "dnxhd",
                                   "prores", "prores_ks", "prores_aw", "cfhd", "libopenjpeg",
                                   "jpeg2000", "tiff",  "apng",    "gif"};
    if (kNone.contains(encoder)) {
        return RateControl::None;
    }
    return kTwoPasses.contains(encoder) ? RateControl::TwoPasses : RateControl::OnePass;
}

QStringList RateOptions(double rate, const QString& encoder, bool twoPasses) {
    const QString bits = QString::number(static_cast<qint64>(rate));
    // SVT-AV1 refuses a ceiling equal to its target; two passes spend the average where the
    // first found it was needed, and a ceiling would only take that freedom away.
    if (twoPasses || encoder == QStringLiteral("libsvtav1")) {
        return {QStringLiteral("-b:v"), bits};
    }
    return {QStringLiteral("-b:v"), bits, QStringLiteral("-maxrate"), bits,
            QStringLiteral("-bufsize"), QString::number(static_cast<qint64>(rate * 2))};
}

QStringList WithPass(QStringList arguments, const QString& encoder, int pass,
                     const QString& prefix) {
    if (encoder == QStringLiteral("libx265")) {
        // ffmpeg hands x265 no pass of its own: x265 is told through its parameters.
        const QString own = QStringLiteral("pass=%1:stats=%2.x265").arg(pass).arg(prefix);
        const qsizetype at = arguments.indexOf(QStringLiteral("-x265-params"));
        if (at >= 0 && at + 1 < arguments.size()) {
            arguments[at + 1] += u':' + own;
        } else {
            arguments << QStringLiteral("-x265-params") << own;
        }
    } else {
        arguments << QStringLiteral("-pass") << QString::number(pass) << QStringLiteral("-passlogfile")
                  << prefix;
    }
    if (pass == 1) {
        // A filter graph of the whole file may feed the sound too: it is left as it is.
        static const QStringList kWhole{"-filter_complex", "-lavfi", "-filter_complex_script"};
        const bool whole = std::any_of(kWhole.begin(), kWhole.end(),
                                       [&](const QString& name) { return arguments.contains(name); });
        if (!whole) {
            arguments << QStringLiteral("-an") << QStringLiteral("-sn") << QStringLiteral("-dn");
        }
    }
    return arguments;
}

double FirstPassShare(const QString& encoder) {
    // Measured on 640x360 clips (first pass against second): VP9 and AV1 look ahead cheaply at
    // first, VP8 at a third of the cost; x264's quick first pass takes nearly as long as the
    // second on busy pictures, which the bar would rather overrate than underrate.
    if (encoder == QStringLiteral("libvpx-vp9")) {
        return 0.1;
    }
    if (encoder == QStringLiteral("libvpx") || encoder == QStringLiteral("libaom-av1")) {
        return 0.2;
    }
    return encoder == QStringLiteral("libx264") ? 0.45 : 0.5;
}

int KeyFrameInterval(const QStringList& arguments, const QString& encoder) {
    for (const QString& name : {QStringLiteral("-g"), QStringLiteral("-g:v")}) {
        const qsizetype at = arguments.indexOf(name);
        if (at >= 0 && at + 1 < arguments.size()) {
            return std::max(0, arguments[at + 1].toInt());
        }
    }
    static const QRegularExpression kOwn(QStringLiteral("(?:^|:)keyint=(\\d+)"));
    for (const QString& name : {QStringLiteral("-x264-params"), QStringLiteral("-x265-params"),
                                QStringLiteral("-x264opts")}) {
        const qsizetype at = arguments.indexOf(name);
        const QRegularExpressionMatch own =
            at >= 0 && at + 1 < arguments.size() ? kOwn.match(arguments[at + 1])
                                                 : QRegularExpressionMatch();
        if (own.hasMatch()) {
            return own.captured(1).toInt();
        }
    }
    // Measured with today's libraries: x264 and x265 every 250 frames, libvpx every 128, AV1's
    // encoders at scene changes or seldom, ffmpeg's own encoders every 12.
    if (encoder.startsWith(QStringLiteral("libx26"))) {
        return 250;
    }
    if (encoder == QStringLiteral("libvpx") || encoder == QStringLiteral("libvpx-vp9")) {
        return 128;
    }
    if (encoder.startsWith(QStringLiteral("lib")) || encoder.contains(u'_') || encoder.isEmpty()) {
        return 0;
    }
    return 12;
}

}  // namespace reelwright::SizePlan
