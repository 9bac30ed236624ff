#include "engine/EncoderText.h"

#include <QRegularExpression>
#include <QStringList>

namespace reelwright {
namespace {

bool Contains(const QString& text, QStringView phrase) {
    return text.contains(phrase, Qt::CaseInsensitive);
}

// Moves from `pos` past the next line break, landing on its line feed; without one, the search
// starts over at the beginning of the text.
qsizetype SkipLineBreaks(const QString& text, qsizetype pos, int count) {
    for (int i = 0; i < count; ++i) {
        const qsizetype lineFeed = text.indexOf(u'\n', pos + 1);
        pos = lineFeed < 0 ? 0 : lineFeed;
    }
    return pos;
}

// Today's encoder opens with a version banner: its first line and the indented lines after it.
QString WithoutBanner(const QString& text) {
    if (!text.startsWith(QStringLiteral("ffmpeg version"), Qt::CaseInsensitive)) {
        return text;
    }
    const QStringList lines = text.split(u'\n');
    qsizetype first = 1;
    while (first < lines.size() &&
           (lines[first].startsWith(u' ') || lines[first].startsWith(u'\t'))) {
        ++first;
    }
    return lines.mid(first).join(u'\n');
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
        QStringLiteral("^(-?)(\\d+):(\\d{1,2}):(\\d{1,2})(\\.\\d+)?$"));
    if (kSeconds.match(value).hasMatch()) {
        return TimeValue{value.toDouble(), value};
    }
    const QRegularExpressionMatch clock = kClock.match(value);
    if (!clock.hasMatch()) {
        return std::nullopt;  // N/A, empty, or not a number
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
        if (line.startsWith(QStringLiteral("Error writing trailer"), Qt::CaseInsensitive) ||
            line.startsWith(QStringLiteral("Error closing file"), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

QString ErrorDetailOf(const QString& text) {
    if (text.trimmed().isEmpty()) {
        return QString();
    }
    qsizetype at = text.indexOf(QStringLiteral("Stream mapping:"), 0, Qt::CaseInsensitive);
    if (at >= 0) {
        return text.mid(SkipLineBreaks(text, at, 3));
    }
    at = text.indexOf(QStringLiteral("Input #"), 0, Qt::CaseInsensitive);
    if (at >= 0) {
        return text.mid(SkipLineBreaks(text, at, 4));
    }
    if (Contains(text, u"built on")) {
        return QString();
    }
    // No block to skip: the whole text, minus today's version banner.
    return WithoutBanner(text).trimmed();
}

}  // namespace reelwright
