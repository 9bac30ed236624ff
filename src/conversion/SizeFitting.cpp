#include "conversion/SizeFitting.h"

#include "formats/SizeLimit.h"
#include "plan/ContainerTable.h"
#include "plan/PicturePlan.h"
#include "plan/SizePlan.h"
#include "platform/CommandLine.h"

#include <QCoreApplication>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::SizeFitting)
};

using Kind = MediaTracks::Kind;

}  // namespace

bool SizeFitting::CanFit(const QString& options) {
    return CodecIn(SplitArguments(options).value_or(QStringList()), 'v') != QStringLiteral("copy");
}

SizeFitting::Fitted SizeFitting::Fit(const SourceFacts& facts, const QString& options,
                                     double seconds, int soundTracks) {
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
    if (!CanFit(options)) {
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
    seconds_ = seconds;
    const SizePlan::Budget budget{limit_, seconds,
                                  SizePlan::SoundBitRate(arguments, soundTracks,
                                                         sound ? sound->channels : 2),
                                  0, type_};
    const SizePlan::Fit fit = SizePlan::FitPicture(
        budget, {video->look.width, video->look.height, video->look.frameRate, encoder});
    if (fit.refusal) {
        fitted.refusal = fit.refusal;
        return fitted;
    }
    kept_ = SizePlan::WithoutRateControl(arguments);
    rate_ = fit.videoBitRate;
    fitted.options = Options();
    return fitted;
}

QString SizeFitting::Options() const {
    QStringList quoted;
    for (const QString& argument : kept_ + SizePlan::RateOptions(rate_)) {
        quoted << QuoteArgument(argument);
    }
    return quoted.join(u' ');
}

std::optional<QString> SizeFitting::NextOptions(qint64 size, QString* failure) {
    if (size <= limit_ || rate_ <= 0) {
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
    rate_ = SizePlan::Lowered(rate_, size, limit_, seconds_);
    return Options();
}

QString SizeFitting::Note(qint64 size) const {
    if (rate_ <= 0) {
        return QString();
    }
    //: %1 is the limit, %2 the result's size, %3 how many encodes it took.
    return encodes_ == 1 ? Text::tr("Made to fit %1: %2.").arg(SizeLimit::Text(limit_),
                                                               SizeLimit::Text(size))
                         : Text::tr("Made to fit %1: %2, encoded %3 times.")
                               .arg(SizeLimit::Text(limit_), SizeLimit::Text(size))
                               .arg(encodes_);
}

}  // namespace reelwright
