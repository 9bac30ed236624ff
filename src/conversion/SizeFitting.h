#pragma once

#include "engine/SourceFacts.h"
#include "plan/SizePlan.h"

#include <QString>

#include <optional>

namespace reelwright {

// One file made to fit a size: the format's options with the picture's rate worked out from the
// limit, then, while the result is over it, a lower rate for each further encode.
class SizeFitting {
  public:
    // With `smaller`, a picture that cannot fit as it is is made smaller until it can.
    SizeFitting(qint64 limit, QString type, bool smaller = false)
        : limit_(limit), type_(std::move(type)), smaller_(smaller) {}

    // Whether a format's `options` encode the picture (not a copy of it, not sound alone).
    static bool EncodesPicture(const QString& options);
    // Whether they can be made to fit a size: the picture encoded at a rate that can be set.
    static bool CanFit(const QString& options);

    // The format's `options` made to fit, for a source of `seconds` keeping the `kept` tracks
    // (their sizes taken from the limit first); or why the file cannot fit (a copy, or a limit
    // too small to be watchable).
    struct Fitted {
        QString options;
        std::optional<QString> refusal;
    };
    Fitted Fit(const SourceFacts& facts, const QString& options, double seconds,
               const TrackReport::Counts& kept);

    // After an encode that made `size` bytes: none when it fits; else the options of the next
    // encode, or, when no encode is left, why the file failed (`failure`).
    std::optional<QString> NextOptions(qint64 size, QString* failure);
    // What the row says of a result that fit.
    QString Note(qint64 size) const;
    // Why an encode failed whose encoder gave the rate up: `said` is its reason. None when it
    // failed for another cause.
    std::optional<QString> RateGivenUp(const QString& said) const;
    qint64 Limit() const { return limit_; }

    // Whether the picture is encoded in two passes; OnePass() makes it one, its rate capped (no
    // place for the first pass's log).
    bool TwoPasses() const { return twoPasses_; }
    void OnePass();
    // The encoding's `options` for pass `pass` of two, the log files named from `prefix`.
    QString WithPass(const QString& options, int pass, const QString& prefix) const;
    // What the first pass takes of both passes' time.
    double FirstPassShare() const;

    // The format's options as fitted now.
    QString Options() const;

  private:
    // The picture to fit at: as the format encodes it, or smaller when it must and may be.
    std::optional<SizePlan::Picture> PictureFor(const SourceFacts& facts,
                                                const QStringList& arguments,
                                                const SizePlan::Budget& budget,
                                                const MediaTracks::Track& video, QString* refusal);

    qint64 limit_;
    QString type_;
    bool smaller_ = false;
    QString madeSmaller_;  // what the picture was made smaller to, when it was
    QStringList kept_;   // the format's options without its rate control
    QString encoder_;
    bool twoPasses_ = false;
    double rate_ = 0;    // the picture's bits a second
    double floorRate_ = 0;  // the least it may be
    double seconds_ = 0;
    int encodes_ = 1;
};

}  // namespace reelwright
