#include "plan/FixedFrame.h"

#include "plan/PicturePlan.h"

#include <QCoreApplication>

#include <cmath>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::FixedFrame)
};

constexpr double kNarrow = 4.0 / 3.0;
constexpr double kWide = 16.0 / 9.0;

// Shapes this close are shown as they are: bars of a few lines would be all the difference.
constexpr double kCloseEnough = 1.04;

// A pixel's shape: a TV frame that does not say is 4:3, as TV meant it; any other, square.
double SampleAspect(const MediaTracks::Picture& picture) {
    if (picture.sampleAspect > 0) {
        return picture.sampleAspect;
    }
    const bool tv = (picture.width == 720 || picture.width == 704) &&
                    (picture.height == 576 || picture.height == 480);
    return tv ? (4.0 / 3.0) * picture.height / picture.width : 1.0;
}

int Even(double value, int step) {
    return std::max(step, static_cast<int>(std::lround(value / step)) * step);
}

}  // namespace

std::optional<FixedFrame> FixedFrame::Of(const QStringList& arguments) {
    const QString target = OptionValue(arguments, {QStringLiteral("-target")});
    const bool pal = !target.contains(QStringLiteral("ntsc"));
    const double rate = pal ? 25.0 : 30000.0 / 1001.0;
    if (target.endsWith(QStringLiteral("svcd"))) {
        return FixedFrame{480, pal ? 576 : 480, rate, true};
    }
    if (target.endsWith(QStringLiteral("vcd"))) {
        return FixedFrame{352, pal ? 288 : 240, rate, false};
    }
    if (target.endsWith(QStringLiteral("dvd"))) {
        return FixedFrame{720, pal ? 576 : 480, rate, true};
    }
    // H.263 writes a handful of sizes alone; QCIF is what old phones show.
    if (OptionValue(arguments, {QStringLiteral("-s")}) == QStringLiteral("qcif")) {
        return FixedFrame{176, 144, 0, false};
    }
    return std::nullopt;
}

FixedFrame::Fit FixedFrame::FitOf(const MediaTracks::Picture& picture, bool fields) const {
    Fit fit;
    if (picture.width <= 0 || picture.height <= 0) {
        return fit;  // not known: the format's own scaling stands
    }
    const bool turned = std::fmod(std::abs(picture.rotation), 180.0) == 90.0;
    const double aspect = SampleAspect(picture);
    const double shownWidth =
        (turned ? picture.height : picture.width) * (turned ? 1.0 / aspect : aspect);
    const double shape = shownWidth / (turned ? picture.width : picture.height);
    // A picture between the two shapes goes to the nearer; wider than 16:9 or narrower than
    // 4:3 goes to the one it is nearer to, with bars.
    const double shown = wide && shape >= (kNarrow + kWide) / 2 ? kWide : kNarrow;
    int w = width;
    int h = height;
    if (shape > shown * kCloseEnough) {
        h = std::min(height, Even(height * shown / shape, fields ? 4 : 2));
    } else if (shape < shown / kCloseEnough) {
        w = std::min(width, Even(width * shape / shown, 2));
    }
    const bool sized = (turned ? picture.height : picture.width) == w &&
                       (turned ? picture.width : picture.height) == h;
    if (!sized) {
        fit.filters << QStringLiteral("scale=%1:%2%3").arg(w).arg(h).arg(
            fields ? QStringLiteral(":interl=1") : QString());
    }
    if (w != width || h != height) {
        // Bars at an even line keep each field on its own lines.
        fit.filters << QStringLiteral("pad=%1:%2:%3:%4:black")
                           .arg(width)
                           .arg(height)
                           .arg((width - w) / 4 * 2)
                           .arg((height - h) / 4 * 2);
        //: %1 is the frame's size ("720x576"), %2 its shape ("16:9").
        fit.note = Text::tr("Picture fitted into %1 with black bars, shown at %2.")
                       .arg(QStringLiteral("%1x%2").arg(width).arg(height),
                            shown == kWide ? QStringLiteral("16:9") : QStringLiteral("4:3"));
    }
    fit.filters << (shown == kWide ? QStringLiteral("setdar=16/9") : QStringLiteral("setdar=4/3"));
    return fit;
}

}  // namespace reelwright
