#include "plan/SizePlan.h"

#include "formats/SizeLimit.h"
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
constexpr double kMargin = 0.03;

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

}  // namespace

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
    fit.videoBitRate =
        (static_cast<double>(budget.limit) * 8.0 * share - static_cast<double>(budget.otherBytes) * 8.0) /
            seconds -
        budget.soundBitRate;
    const double pixels = static_cast<double>(picture.width) * picture.height *
                          (picture.frameRate > 0 ? picture.frameRate : 25.0);
    const double floor = FloorBitsPerPixel(picture.encoder) * pixels;
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
    fit.options = RateOptions(fit.videoBitRate);
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

QStringList RateOptions(double rate) {
    const QString bits = QString::number(static_cast<qint64>(rate));
    return {QStringLiteral("-b:v"), bits, QStringLiteral("-maxrate"), bits,
            QStringLiteral("-bufsize"), QString::number(static_cast<qint64>(rate * 2))};
}

}  // namespace reelwright::SizePlan
