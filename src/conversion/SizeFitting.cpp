#include "conversion/SizeFitting.h"

#include "formats/SizeLimit.h"
#include "plan/ContainerTable.h"
#include "plan/PicturePlan.h"
#include "plan/SizePlan.h"
#include "platform/CommandLine.h"

#include <QCoreApplication>

#include <cmath>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::SizeFitting)
};

using Kind = MediaTracks::Kind;

}  // namespace

bool SizeFitting::EncodesPicture(const QString& options) {
    const QStringList arguments = SplitArguments(options).value_or(QStringList());
    return CodecIn(arguments, 'v') != QStringLiteral("copy") &&
           !arguments.contains(QStringLiteral("-vn"));
}

bool SizeFitting::CanFit(const QString& options) {
    const QString codec = CodecIn(SplitArguments(options).value_or(QStringList()), 'v');
    return codec != QStringLiteral("copy") &&
           SizePlan::RateControlOf(codec) != SizePlan::RateControl::None;
}

SizeFitting::Fitted SizeFitting::Fit(const SourceFacts& facts, const QString& options,
                                     double seconds, const TrackReport::Counts& kept) {
    Fitted fitted;
    const QStringList arguments = SplitArguments(options).value_or(QStringList());
    const MediaTracks::Track* video = nullptr;
    const MediaTracks::Track* sound = nullptr;
    for (const MediaTracks::Track& track : facts.tracks.tracks) {
        if (track.kind == Kind::Video && !video) {
            video = &track;
        } else if (track.kind == Kind::Audio && !sound) {
            sound = &track;
        }
    }
    QString encoder = CodecIn(arguments, 'v');
    if (encoder == QStringLiteral("copy")) {
        fitted.refusal = Text::tr("A copy keeps its picture as it is, so it cannot be made to fit "
                                  "a size: choose a format that encodes the picture.");
        return fitted;
    }
    if (!video || arguments.contains(QStringLiteral("-vn"))) {
        return fitted;  // sound alone: its own rate decides
    }
    if (encoder.isEmpty()) {
        encoder = RulesFor(type_).videoCodec;
    }
    if (SizePlan::RateControlOf(encoder) == SizePlan::RateControl::None) {
        //: %1 is the picture's encoder, as ffmpeg names it.
        fitted.refusal = Text::tr("This format's picture (%1) keeps a quality of its own that no "
                                  "bit rate changes, so it cannot be made to fit a size: choose a "
                                  "format such as MP4 or WebM.")
                             .arg(encoder);
        return fitted;
    }
    twoPasses_ = SizePlan::RateControlOf(encoder) == SizePlan::RateControl::TwoPasses;
    seconds_ = seconds;
    const SizePlan::Budget budget{
        limit_, seconds,
        SizePlan::SoundBitRate(arguments, kept.audio, sound ? sound->channels : 2),
        SizePlan::OtherBytes(facts.tracks, kept, seconds), type_};
    encoder_ = encoder;
    const std::optional<SizePlan::Picture> picture =
        PictureFor(facts, arguments, budget, *video, &fitted.refusal.emplace());
    if (!picture) {
        return fitted;
    }
    fitted.refusal.reset();
    const SizePlan::Fit fit = SizePlan::FitPicture(budget, *picture);
    kept_ = SizePlan::WithoutRateControl(
        madeSmaller_.isEmpty() ? arguments : SizePlan::ScaledTo(arguments, *picture));
    rate_ = fit.videoBitRate;
    floorRate_ = SizePlan::FloorRate(*picture);
    fitted.options = Options();
    return fitted;
}

std::optional<SizePlan::Picture> SizeFitting::PictureFor(const SourceFacts& facts,
                                                         const QStringList& arguments,
                                                         const SizePlan::Budget& budget,
                                                         const MediaTracks::Track& video,
                                                         QString* refusal) {
    MediaTracks::Picture look = video.look;
    if (const std::optional<Bars> bars = facts.BarsOf(video.index)) {
        look.width = bars->width;
        look.height = bars->height;
    }
    const bool turned = std::fmod(std::abs(look.rotation), 180.0) == 90.0;
    const SizePlan::Picture shown{turned ? look.height : look.width,
                                  turned ? look.width : look.height, look.frameRate, encoder_};
    const SizePlan::Picture encoded = SizePlan::AsEncoded(arguments, shown);
    const SizePlan::Fit fit = SizePlan::FitPicture(budget, encoded);
    if (!fit.refusal) {
        return encoded;
    }
    if (smaller_) {
        if (const std::optional<SizePlan::Picture> smaller =
                SizePlan::Smaller(arguments, budget, encoded)) {
            //: %1 is the picture's new size ("1280x720").
            madeSmaller_ = Text::tr("Picture made smaller to fit: %1.")
                               .arg(QStringLiteral("%1x%2").arg(smaller->width).arg(smaller->height));
            return smaller;
        }
    }
    *refusal = *fit.refusal;
    return std::nullopt;
}

QString SizeFitting::Options() const {
    QStringList quoted;
    for (const QString& argument :
         kept_ + SizePlan::RateOptions(rate_, encoder_, twoPasses_)) {
        quoted << QuoteArgument(argument);
    }
    return quoted.join(u' ');
}

std::optional<QString> SizeFitting::NextOptions(qint64 size, QString* failure) {
    if (size <= limit_ || rate_ <= 0) {
        return std::nullopt;
    }
    const double lowered = SizePlan::Lowered(rate_, size, limit_, seconds_);
    // Below the floor the picture is not worth having, and encoders refuse rates far under it.
    if (lowered < floorRate_) {
        //: %1 is the size the result reached, %2 the limit.
        *failure = Text::tr("The result reached %1, over the limit of %2, and at a lower rate its "
                            "picture would not be worth watching; it was not kept.")
                       .arg(SizeLimit::Text(size), SizeLimit::Text(limit_));
        return std::nullopt;
    }
    if (encodes_ >= SizePlan::kEncodes) {
        //: %1 is the size the result reached, %2 the limit, %3 how many encodes were tried.
        *failure = Text::tr("The result reached %1, over the limit of %2, after %3 encodes; it "
                            "was not kept.")
                       .arg(SizeLimit::Text(size), SizeLimit::Text(limit_))
                       .arg(encodes_);
        return std::nullopt;
    }
    ++encodes_;
    rate_ = lowered;
    return Options();
}

std::optional<QString> SizeFitting::RateGivenUp(const QString& said) const {
    // MPEG-4 Part 2 and MPEG-2's second pass, when even their coarsest quantiser would spend
    // more than the rate allows.
    if (!said.contains(QStringLiteral("bitrate too low for this video"))) {
        return std::nullopt;
    }
    //: %1 is the size limit ("25 MB").
    return Text::tr("This file cannot be made to fit %1 in this format: even at its lowest "
                    "quality its picture needs more. A larger limit, a smaller picture or "
                    "another format would fit.")
        .arg(SizeLimit::Text(limit_));
}

void SizeFitting::OnePass() {
    twoPasses_ = false;
}

QString SizeFitting::WithPass(const QString& options, int pass, const QString& prefix) const {
    QStringList quoted;
    for (const QString& argument : SizePlan::WithPass(
             SplitArguments(options).value_or(QStringList()), encoder_, pass, prefix)) {
        quoted << QuoteArgument(argument);
    }
    return quoted.join(u' ');
}

double SizeFitting::FirstPassShare() const {
    return SizePlan::FirstPassShare(encoder_);
}

QString SizeFitting::Note(qint64 size) const {
    if (rate_ <= 0) {
        return QString();
    }
    //: %1 is the limit, %2 the result's size, %3 how many encodes it took.
    const QString fit = encodes_ == 1 ? Text::tr("Made to fit %1: %2.").arg(SizeLimit::Text(limit_),
                                                               SizeLimit::Text(size))
                         : Text::tr("Made to fit %1: %2, encoded %3 times.")
                               .arg(SizeLimit::Text(limit_), SizeLimit::Text(size))
                               .arg(encodes_);
    return madeSmaller_.isEmpty() ? fit : madeSmaller_ + u' ' + fit;
}

}  // namespace reelwright
