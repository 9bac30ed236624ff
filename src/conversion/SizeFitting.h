#pragma once

#include "engine/SourceFacts.h"

#include <QString>

#include <optional>

namespace reelwright {

// One file made to fit a size: the format's options with the picture's rate worked out from the
// limit, then, while the result is over it, a lower rate for each further encode.
class SizeFitting {
  public:
    SizeFitting(qint64 limit, QString type) : limit_(limit), type_(std::move(type)) {}

    // Whether a format's `options` can be made to fit a size: not a copy of the pictures.
    static bool CanFit(const QString& options);

    // The format's `options` made to fit, for a source of `seconds` keeping `soundTracks` sound
    // tracks; or why the file cannot fit (a copy, or a limit too small to be watchable).
    struct Fitted {
        QString options;
        std::optional<QString> refusal;
    };
    Fitted Fit(const SourceFacts& facts, const QString& options, double seconds, int soundTracks);

    // After an encode that made `size` bytes: none when it fits; else the options of the next
    // encode, or, when no encode is left, why the file failed (`failure`).
    std::optional<QString> NextOptions(qint64 size, QString* failure);
    // What the row says of a result that fit.
    QString Note(qint64 size) const;
    qint64 Limit() const { return limit_; }

  private:
    QString Options() const;

    qint64 limit_;
    QString type_;
    QStringList kept_;   // the format's options without its rate control
    double rate_ = 0;    // the picture's bits a second
    double seconds_ = 0;
    int encodes_ = 1;
};

}  // namespace reelwright
