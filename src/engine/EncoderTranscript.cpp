#include "engine/EncoderTranscript.h"

#include <QRegularExpression>

namespace reelwright {
namespace {

bool StartsWith(const QString& line, QStringView prefix) {
    return line.startsWith(prefix, Qt::CaseInsensitive);
}

// Qt 6.5 gave the view its own name and Qt 6.8 deprecates the old one; 6.4 has only that.
QRegularExpressionMatch MatchView(const QRegularExpression& expression, QStringView text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return expression.matchView(text);
#else
    return expression.match(text);
#endif
}

// "[libx264 @ 0x55d1c0] text" (a library's own line), or today's "[vost#0:0] text" and
// "[out#0/mp4 @ 0x55d1c0] text" (a stream's or a file's): where the text itself begins.
const QRegularExpression& LibraryPrefix() {
    static const QRegularExpression prefix(
        QStringLiteral("^\\[([^\\]@\\s][^\\]@]*?)(?: @ 0x[0-9a-fA-F]+)?\\] ?"));
    return prefix;
}

// What encoders print about themselves while they work or when they are done.
bool IsLibraryStatistics(QStringView text) {
    static const QRegularExpression statistics(QStringLiteral(
        "^(using cpu capabilities|profile |frame [IPB]|mb [IPB]|coded y|i16 |i8c |i8 |i4 |"
        "Weighted P|ref [PB]|kb/s:|Qavg|final ratefactor|direct mvs|consecutive B-frames|"
        "transform intra|8x8 transform|SSIM|PSNR|264 - core|x265 \\[|frame stats|"
        "Lsize|.*\\bMB/s\\b)"));
    return MatchView(statistics, text).hasMatch();
}

// An encoder library that logs in its own style ("Svt[info]: SVT [version]: ..."): what it
// says of itself as it starts, not a cause. Its "[error]" lines are causes.
bool IsOwnLogNotice(QStringView text) {
    static const QRegularExpression notice(QStringLiteral("^\\w+\\[(info|warn|debug)\\]:"));
    return MatchView(notice, text).hasMatch();
}

// What the encoder says about the options we gave it while it goes on converting: advice, not
// the cause of a failure.
bool IsArgumentWarning(QStringView text) {
    static const QRegularExpression warning(
        QStringLiteral(
            "(^Please use -b:a or -b:v|-b is ambiguous|^Codec AVOption .* has not been used|"
            "^Multiple -[a-z:]+ options specified|deprecated, use )"),
        QRegularExpression::CaseInsensitiveOption);
    return MatchView(warning, text).hasMatch();
}

}  // namespace

void EncoderTranscript::SetEchoedPaths(const QStringList& paths) {
    echoedPaths_.clear();
    for (const QString& path : paths) {
        if (!path.isEmpty()) {
            echoedPaths_ << path;
        }
    }
}

EncoderTranscript::LineKind EncoderTranscript::Classify(const QString& line) {
    if (line.trimmed().isEmpty() || line.startsWith(u' ') || line.startsWith(u'\t')) {
        return LineKind::Information;
    }
    if (StartsWith(line, u"frame=") || StartsWith(line, u"size=") ||
        (line.contains(QStringLiteral("time="), Qt::CaseInsensitive) &&
         line.contains(QStringLiteral("bitrate="), Qt::CaseInsensitive))) {
        return LineKind::Progress;
    }
    static const QStringView kInformation[] = {
        u"ffmpeg version",
        u"Input #",
        u"Output #",
        u"Stream mapping:",
        u"Press [q]",
        u"video:",
        u"audio:",
        u"Guessed Channel Layout",
        u"Last message repeated",
        u"[q] command",
        u"Enter command:",
        u"Metadata:",
        u"Duration:",
        u"Stream #",
        u"Side data:",
        u"encoder ",
        // Today's encoder tells of each of its threads as it ends; the cause is said elsewhere.
        u"Task finished with error code",
        u"Terminating thread with return code",
        u"No filtered frames for output stream",
    };
    const QStringView text = WithoutLibraryPrefix(line);
    for (const QStringView prefix : kInformation) {
        if (text.startsWith(prefix, Qt::CaseInsensitive)) {
            return LineKind::Information;
        }
    }
    if ((text.size() != line.size() && IsLibraryStatistics(text)) || IsOwnLogNotice(text)) {
        return LineKind::Information;
    }
    return IsArgumentWarning(text) ? LineKind::Information : LineKind::Error;
}

QStringView EncoderTranscript::WithoutLibraryPrefix(const QString& line) {
    const QRegularExpressionMatch library = LibraryPrefix().match(line);
    return library.hasMatch() ? QStringView(line).mid(library.capturedEnd()) : QStringView(line);
}

QString EncoderTranscript::WithoutEchoedPaths(const QString& line) const {
    QString cleaned = line;
    for (const QString& path : echoedPaths_) {
        cleaned.replace(path, QStringLiteral("<file>"));
    }
    return cleaned;
}

bool EncoderTranscript::Feed(QStringView piece) {
    AddToTail(piece);
    bool unreadable = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < piece.size(); ++i) {
        const QChar c = piece[i];
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        if (!skippingOverlong_) {
            partial_ += piece.mid(start, i - start);
            unreadable = (TakeLine(partial_) && !partialTold_) || unreadable;
        }
        partial_.clear();
        skippingOverlong_ = false;
        partialTold_ = false;
        start = i + 1;
    }
    if (!skippingOverlong_) {
        partial_ += piece.mid(start);
        if (partial_.size() > kMaxLineLength) {
            // A line without end: judge its beginning and skip the rest.
            partial_.truncate(kMaxLineLength);
            unreadable = (TakeLine(partial_) && !partialTold_) || unreadable;
            partial_.clear();
            partialTold_ = false;
            skippingOverlong_ = true;
        } else if (!partialTold_ && SaysInputIsUnreadable(partial_, Classify(partial_))) {
            // The open line is told at once; it is judged for good when it ends.
            partialTold_ = true;
            unreadable = true;
        }
    }
    return FirstTelling(unreadable);
}

bool EncoderTranscript::FirstTelling(bool unreadable) {
    const bool first = unreadable && !told_;
    told_ = told_ || unreadable;
    return first;
}

bool EncoderTranscript::Finish() {
    const bool unreadable =
        !skippingOverlong_ && !partial_.isEmpty() && TakeLine(partial_) && !partialTold_;
    partial_.clear();
    skippingOverlong_ = false;
    partialTold_ = false;
    return FirstTelling(unreadable);
}

void EncoderTranscript::ReadListing(const QString& line) {
    if (StartsWith(line, u"Input #")) {
        listing_ = Listing::Input;
        inputStreams_.listed = true;
        return;
    }
    if (StartsWith(line, u"Output #")) {
        listing_ = Listing::Output;
        outputStreams_.listed = true;
        return;
    }
    if (!line.startsWith(u' ')) {
        listing_ = Listing::None;  // a file's listing is indented under its heading
        return;
    }
    if (listing_ == Listing::None) {
        return;
    }
    static const QRegularExpression kStream(
        QStringLiteral("^\\s*Stream #[^ ]*: (Video|Audio|\\w+):"));
    if (const QRegularExpressionMatch stream = kStream.match(line); stream.hasMatch()) {
        StreamKinds& kinds = listing_ == Listing::Input ? inputStreams_ : outputStreams_;
        kinds.any = true;
        kinds.video = kinds.video || stream.captured(1) == u"Video";
        kinds.audio = kinds.audio || stream.captured(1) == u"Audio";
    }
    static const QRegularExpression kVideoRate(
        QStringLiteral("Stream #.*: Video: .*, ([0-9]+(\\.[0-9]+)?)(k?) fps"));
    const QRegularExpressionMatch rate = kVideoRate.match(line);
    if (listing_ == Listing::Input && rate.hasMatch()) {
        const double fps = rate.captured(1).toDouble() * (rate.captured(3).isEmpty() ? 1 : 1000);
        if (fps > 0 && (!inputFrameRate_ || fps < *inputFrameRate_)) {
            inputFrameRate_ = fps;
        }
    }
}

bool EncoderTranscript::TakeLine(const QString& line) {
    ReadListing(line);
    const LineKind kind = Classify(line);
    if (kind == LineKind::Progress) {
        if (const std::optional<TimeValue> time = FindTimeValue(line + u' ')) {
            lastTime_ = time->seconds;
        }
        static const QRegularExpression kSpeed(QStringLiteral("speed=\\s*([0-9]+(\\.[0-9]+)?)x"));
        const QRegularExpressionMatch speed = kSpeed.match(line);
        if (speed.hasMatch()) {
            lastSpeed_ = speed.captured(1).toDouble();
        }
        return false;
    }
    if (HasEncodingBegun(line)) {
        begun_ = true;
        return false;
    }
    if (line.contains(QStringLiteral("File ended prematurely"), Qt::CaseInsensitive) ||
        line.trimmed().endsWith(QStringLiteral(": partial file"), Qt::CaseInsensitive)) {
        endedEarly_ = true;
    }
    if (line.contains(QStringLiteral("Output file is empty, nothing was encoded"),
                      Qt::CaseInsensitive)) {
        nothingEncoded_ = true;
    }
    if (kind != LineKind::Error) {
        return false;
    }
    if (HasLateFailure(line) ||
        line.contains(QStringLiteral("No space left on device"), Qt::CaseInsensitive)) {
        lateFailure_ = lateFailure_ || begun_;
    }
    QString shown = line.trimmed();
    shown.replace(LibraryPrefix(), QStringLiteral("[\\1] "));
    errorLines_ << shown;
    if (errorLines_.size() > kKeptErrorLines) {
        errorLines_.removeFirst();
    }
    const bool aboutInput = SaysInputIsUnreadable(line, kind);
    if (aboutInput) {
        unreadable_ = true;
    }
    return aboutInput;
}

bool EncoderTranscript::SaysInputIsUnreadable(const QString& line, LineKind kind) const {
    // Only what the encoder says while opening the input is about the input; a decoder's
    // complaint later on is about one damaged packet, and a phrase in a file name is no
    // complaint at all.
    return kind == LineKind::Error && !begun_ && !StartsWith(line, u"Error while decoding") &&
           IsUnreadableInputText(WithoutEchoedPaths(line));
}

void EncoderTranscript::AddToTail(QStringView text) {
    if (text.size() >= kTailLength) {
        tail_ = text.right(kTailLength).toString();
        return;
    }
    tail_ += text;
    if (tail_.size() > 2 * kTailLength) {
        tail_.remove(0, tail_.size() - kTailLength);
    }
}

QString EncoderTranscript::ErrorDetail() const {
    QStringList lines = errorLines_;
    if (lines.size() > 1 &&
        lines.last().compare(QStringLiteral("Conversion failed!"), Qt::CaseInsensitive) == 0) {
        lines.removeLast();
    }
    if (lines.size() > kShownErrorLines) {
        lines = lines.mid(lines.size() - kShownErrorLines);
    }
    return lines.join(QStringLiteral("\r\n"));
}

}  // namespace reelwright
