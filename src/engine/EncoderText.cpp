#include "engine/EncoderText.h"

#include "engine/EncoderTranscript.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace reelwright {
namespace {

bool Contains(const QString& text, QStringView phrase) {
    return text.contains(phrase, Qt::CaseInsensitive);
}

}  // namespace

std::optional<TimeValue> FindTimeValue(const QString& piece) {
    static const QString kMarker = QStringLiteral("time=");
    const qsizetype at = piece.indexOf(kMarker, 0, Qt::CaseInsensitive);
    if (at < 0) {
        return std::nullopt;
    }
    const qsizetype start = at + kMarker.size();
    const qsizetype blank = piece.indexOf(u' ', at);
    if (blank < 0) {
        return std::nullopt;  // cut off at the end of the piece
    }
    const QString value = piece.mid(start, blank - start);

    static const QRegularExpression kSeconds(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    static const QRegularExpression kClock(
        QStringLiteral("^(-?)(\\d{1,9}):(\\d{1,2}):(\\d{1,2})(\\.\\d+)?$"));
    if (kSeconds.match(value).hasMatch()) {
        const double seconds = value.toDouble();
        if (!std::isfinite(seconds)) {
            return std::nullopt;  // more digits than a number holds
        }
        return TimeValue{seconds, value};
    }
    const QRegularExpressionMatch clock = kClock.match(value);
    if (!clock.hasMatch()) {
        return std::nullopt;  // N/A, empty, not a number, or more hours than any encoder counts
    }
    const bool negative = !clock.captured(1).isEmpty();
    const qint64 whole = clock.captured(2).toLongLong() * 3600 +
                         clock.captured(3).toLongLong() * 60 + clock.captured(4).toLongLong();
    const QString fraction = clock.captured(5);
    const QString text =
        (negative ? QStringLiteral("-") : QString()) + QString::number(whole) + fraction;
    const double magnitude =
        static_cast<double>(whole) + (fraction.isEmpty() ? 0.0 : fraction.toDouble());
    return TimeValue{negative ? -magnitude : magnitude, text};
}

bool IsUnreadableInputText(const QString& text) {
    return Contains(text, u"Unknown format") ||
           Contains(text, u"Invalid data found when processing input");
}

bool HasEncodingBegun(const QString& text) {
    // The older wording continues with " encoding", today's with ", [?] for help".
    return Contains(text, u"press [q] to stop");
}

bool HasLateFailure(const QString& text) {
    if (Contains(text, u"Conversion failed!")) {
        return true;
    }
    static const QRegularExpression kLineBreaks(QStringLiteral("[\r\n]"));
    const QStringList lines = text.split(kLineBreaks, Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        // Today's encoder names the file in front: "[out#0/mp4 @ 0x...] Error writing trailer".
        const QStringView text = EncoderTranscript::WithoutLibraryPrefix(line);
        if (text.startsWith(QStringLiteral("Error writing trailer"), Qt::CaseInsensitive) ||
            text.startsWith(QStringLiteral("Error closing file"), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

bool EndedWellShort(double converted, double length, const QString& options,
                    std::optional<double> frameRate) {
    static const QRegularExpression kCutting(QStringLiteral(
        "(^|\\s)-(t|to|ss|sseof|fs|shortest|vframes|aframes|dframes|frames(:[a-z0-9]+)?)(\\s|$)"));
    if (length <= 0 || kCutting.match(options).hasMatch()) {
        return false;
    }
    // Long files keep 2 s or 2%, for encoders that end a little early; a short file may lose a
    // tenth of itself at most, else a one-second clip could lose nearly all of it unseen.
    double forgiven = std::max(0.02 * length, std::min(2.0, 0.1 * length));
    if (frameRate && *frameRate > 0) {
        // A few frames early, as slide shows end; never half of what there is.
        forgiven = std::max(forgiven, std::min(4.0 / *frameRate, 0.5 * length));
    }
    return converted + forgiven < length;
}

QString ErrorDetailOf(const QString& text) {
    EncoderTranscript transcript;
    transcript.Feed(text);
    transcript.Finish();
    return transcript.ErrorDetail();
}

}  // namespace reelwright
