#include "conversion/FileEstimate.h"

#include "engine/DOSOutputs.h"
#include "engine/Encoder.h"
#include "engine/KeyFrames.h"
#include "formats/SizeLimit.h"
#include "plan/PicturePlan.h"
#include "plan/SizePlan.h"
#include "platform/CommandLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::FileEstimate)
};

// The encoding's own time as the encoder tells it with -benchmark ("bench: utime=0.116s
// stime=0.052s rtime=0.114s"): steadier than a clock around the program, whose start varies.
std::optional<double> EncodingTime(const QString& text) {
    static const QRegularExpression kTime(QStringLiteral("bench:.*rtime=(\\d+(?:\\.\\d+)?)s"));
    const QRegularExpressionMatch match = kTime.match(text);
    return match.hasMatch() ? std::optional<double>(match.captured(1).toDouble()) : std::nullopt;
}

// Two passes spend what the limit allows wherever the pictures can use it: a fitted file
// one of whose pieces reached this share of the limit's rate fills the limit as two passes
// commonly do (pieces are a few seconds of it, and a file changes); one none of whose pieces
// did (a still picture) stays near what its pieces showed.
constexpr double kUsesTheRate = 0.5;
constexpr double kTwoPassFill = 0.95;

// y = at + per * x by least squares; a line that does not rise, or starts below nothing (pieces
// too alike, a machine busy meanwhile), gives way to the plain ratio.
struct Line {
    double at = 0;
    double per = 0;
};
Line Through(const QList<double>& x, const QList<double>& y) {
    const double n = static_cast<double>(x.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (qsizetype i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        sxy += x[i] * y[i];
    }
    const Line ratio{0, sx > 0 ? sy / sx : 0};
    const double spread = n * sxx - sx * sx;
    if (n < 2 || spread <= 1e-9 * n * sxx) {
        return ratio;
    }
    const double per = (n * sxy - sx * sy) / spread;
    const double at = (sy - per * sx) / n;
    return per > 0 && at >= 0 ? Line{at, per} : ratio;
}

}  // namespace

EstimatePieces EstimatePieces::For(double seconds) {
    EstimatePieces pieces;
    if (seconds < kWholeBelow) {
        // Pieces of a short file would be mostly their first key frame and the encoder's ramp:
        // it is encoded whole, and its estimate is what its conversion makes.
        pieces.starts = {0};
        pieces.lengths = {seconds};
        return pieces;
    }
    // Alike pieces in three places, so that what a place costs is not taken for what a length
    // costs (a busy scene in the shortest piece would make the file's seconds look cheap); a
    // short one beside the middle tells what every encode costs once.
    const double each = std::clamp(seconds * 0.01, 2.0, 4.0);
    pieces.starts = {0.2 * seconds, 0.5 * seconds, 0.8 * seconds, 0.5 * seconds};
    pieces.lengths = {each, each, each, each / 2};
    return pieces;
}

double PieceMeasures::KeyFrameUnseen() const {
    double bytes = 0;
    int count = 0;
    for (qsizetype i = 0; i < keyBytes.size() && i < keyFrames.size(); ++i) {
        bytes += keyBytes[i];
        count += keyFrames[i];
    }
    // A piece holding more than its first: the file's key frames come at its scene changes, as
    // often in the pieces as in the whole.
    const bool firstsAlone = count > 0 && count == keyFrames.size();
    const double longest =
        lengths.isEmpty() ? 0 : *std::max_element(lengths.begin(), lengths.end());
    return firstsAlone && keyFrameEvery > longest ? bytes / count : 0;
}

double PieceMeasures::Bytes(double length) const {
    const Line line = Through(lengths, bytes);
    const double keyFrame = KeyFrameUnseen();
    const double more = keyFrame > 0 ? std::max(std::ceil(length / keyFrameEvery) - 1, 0.0) : 0;
    return line.at + line.per * length + more * keyFrame;
}

double PieceMeasures::MostBytesASecond() const {
    // The shorter pieces are mostly their first key frame; a longer one's key frame is counted
    // at the rate the whole file has them, which for a still picture is most of what it takes.
    QList<double> sorted = lengths;
    std::sort(sorted.begin(), sorted.end());
    const double longEnough = sorted.isEmpty() ? 0 : sorted[sorted.size() / 2];
    const double keyFrame = KeyFrameUnseen();
    double most = 0;
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        if (lengths[i] >= longEnough && lengths[i] > 0) {
            const double own = keyFrame > 0 && i < keyBytes.size()
                                   ? bytes[i] - keyBytes[i] + lengths[i] * keyFrame / keyFrameEvery
                                   : bytes[i];
            most = std::max(most, own / lengths[i]);
        }
    }
    return most;
}

double PieceMeasures::Seconds(double length) const {
    const Line line = Through(lengths, took);
    return line.at + outside + line.per * length;
}

QString FileEstimate::AboutTime(double seconds) {
    if (seconds < 90) {
        //: A time a conversion takes, in seconds.
        return Text::tr("about %1 s").arg(std::max(1L, std::lround(seconds)));
    }
    const long minutes = std::lround(seconds / 60);
    if (minutes < 90) {
        return Text::tr("about %1 min").arg(minutes);
    }
    return Text::tr("about %1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString FileEstimate::AboutSize(qint64 bytes) {
    if (bytes <= 0) {
        return SizeLimit::Text(0);
    }
    const double step = std::pow(10.0, std::floor(std::log10(static_cast<double>(bytes))) - 1);
    return SizeLimit::Text(static_cast<qint64>(std::llround(bytes / step) * step));
}

QString FileEstimate::Sentence() const {
    //: %1 is a size ("120 MB"), %2 a time ("about 3 min").
    return Text::tr("About %1, %2 to convert").arg(AboutSize(bytes), AboutTime(seconds));
}

QString FileEstimate::Total(qint64 bytes, double seconds) {
    //: A batch's total: %1 is a size ("1.2 GB"), %2 a time ("about 14 min").
    return Text::tr("About %1; %2").arg(AboutSize(bytes), AboutTime(seconds));
}

namespace {

// Runs one piece's command to its end, or until `stop` is set; the encoder's text.
std::optional<QString> RunPiece(DOSOutputs& runner, const QString& command,
                                const std::atomic<bool>* stop) {
    QString text;
    QObject::connect(&runner, &DOSOutputs::ReceiveOutputs,
                     [&text](const QString& piece) { text += piece; });
    if (!runner.Begin(command)) {
        return std::nullopt;
    }
    while (runner.Pump(100)) {
        if (stop && *stop) {
            runner.SetStopConvert(true);
        }
    }
    return stop && *stop ? std::nullopt : std::optional<QString>(text);
}

// What encoding a piece took.
struct Piece {
    qint64 bytes = 0;
    double took = 0;  // the encoding, by the encoder's clock (else by ours)
    double wall = 0;  // the whole run
    KeyFrameBytes keys;
};
struct PieceRun {
    const FileConversion::Request& request;
    bool lowPriority = false;
    const std::atomic<bool>* stop = nullptr;
    QString piece;  // where pieces are written, in a folder of our own

    // `seconds` of the source from `start`, encoded with `options`; none when stopped or when
    // it failed (`problem` says which). A first pass may write nothing but its log: `lastPass`
    // asks for a result besides.
    std::optional<Piece> Encode(double start, double seconds, const QString& options,
                                bool lastPass, QString* problem) const {
        DOSOutputs runner;
        QElapsedTimer clock;
        clock.start();
        const std::optional<QString> text = RunPiece(
            runner,
            (lowPriority ? QStringLiteral("nice -n 19 ") : QString()) + EncoderPath() +
                QStringLiteral(" -nostdin -hide_banner -benchmark -ss %1 -i ")
                    .arg(start, 0, 'f', 3) +
                QuoteArgument(request.source) + u' ' + options +
                QStringLiteral(" -t %1 -y ").arg(seconds, 0, 'f', 3) + QuoteArgument(piece),
            stop);
        Piece made{QFileInfo(piece).size(), 0, clock.elapsed() / 1000.0,
                   lastPass ? KeyFramesIn(piece) : KeyFrameBytes{}};
        QFile::remove(piece);
        if (!text) {
            *problem = Text::tr("Stopped.");
            return std::nullopt;
        }
        if (runner.LastExitCode() != 0 || (lastPass && made.bytes <= 0)) {
            *problem = Text::tr("A piece of it could not be encoded.");
            return std::nullopt;
        }
        made.took = EncodingTime(*text).value_or(made.wall);
        return made;
    }
};

// Seconds between the key frames the plan's encoder puts of its own accord: its interval in
// frames at the source's frame rate; 0 when either is unknown.
double KeyFrameEvery(const FileConversion& file, const QString& source) {
    const QStringList arguments = SplitArguments(file.PlannedOptions()).value_or(QStringList());
    const int frames = SizePlan::KeyFrameInterval(arguments, CodecIn(arguments, 'v'));
    const MediaTracks tracks = frames > 0 ? MediaTracks::Read(source) : MediaTracks();
    const MediaTracks::Track* picture = tracks.Main(MediaTracks::Kind::Video);
    return picture && picture->look.frameRate > 0 ? frames / picture->look.frameRate : 0;
}

// What the pieces of `file` take, each encoded on its own as the conversion encodes it (in two
// passes where it has two), from the key frames before their places: the conversion decodes
// nothing twice, nor must they. None when stopped or when one fails.
std::optional<PieceMeasures> MeasurePieces(const FileConversion& file, const PieceRun& run,
                                           double length, const QString& passLog,
                                           QString* problem) {
    const EstimatePieces pieces = EstimatePieces::For(length);
    const QList<double> starts = KeyFramesBefore(run.request.source, pieces.starts, 5000, run.stop);
    const QStringList passes = file.PlannedPasses(passLog);
    PieceMeasures measures;
    for (qsizetype i = 0; i < starts.size(); ++i) {
        const double each = std::min(pieces.lengths[i], length - starts[i]);
        Piece all;
        for (const QString& options : passes) {
            const std::optional<Piece> piece =
                run.Encode(starts[i], each, options, &options == &passes.back(), problem);
            if (!piece) {
                return std::nullopt;
            }
            all = {piece->bytes, all.took + piece->took, all.wall + piece->wall, piece->keys};
        }
        measures.lengths << each;
        measures.bytes << static_cast<double>(all.bytes);
        measures.took << all.took;
        measures.keyBytes << static_cast<double>(all.keys.bytes);
        measures.keyFrames << all.keys.count;
        measures.outside += std::max(all.wall - all.took, 0.0) / starts.size();
    }
    measures.keyFrameEvery = KeyFrameEvery(file, run.request.source);
    return measures;
}

}  // namespace

FileEstimate FileEstimate::Of(const FileConversion::Request& request, bool lowPriority,
                              const std::atomic<bool>* stop) {
    FileEstimate estimate;
    QElapsedTimer planning;  // the conversion reads and plans the file as much again
    planning.start();
    FileConversion file(request);
    if (!file.Plan()) {
        estimate.problem = file.Result().reason;
        return estimate;
    }
    const double planned = planning.elapsed() / 1000.0;
    const double length = request.mediaLength > 0 ? request.mediaLength : request.playLength;
    QTemporaryDir folder;
    if (length <= 0 || !folder.isValid()) {
        estimate.problem = Text::tr("Its length is not known.");
        return estimate;
    }
    const PieceRun run{request, lowPriority, stop,
                       folder.filePath(QStringLiteral("piece.") +
                                       QFileInfo(request.output).suffix())};
    const std::optional<PieceMeasures> measures = MeasurePieces(
        file, run, length, folder.filePath(QStringLiteral("pass")), &estimate.problem);
    if (!measures) {
        return estimate;
    }
    double bytes = measures->Bytes(length);
    const bool whole = length < EstimatePieces::kWholeBelow;  // encoded as it is converted
    if (request.maxSize > 0 && !whole) {
        const double limit = static_cast<double>(request.maxSize);
        const bool twoPasses = file.EncodingCost() > 1;
        if (twoPasses && measures->MostBytesASecond() >= kUsesTheRate * limit / length) {
            bytes = kTwoPassFill * limit;
        }
        bytes = std::min(bytes, limit);  // it is made to fit
    }
    estimate.bytes = static_cast<qint64>(bytes);
    estimate.seconds = planned + measures->Seconds(length);
    return estimate;
}

}  // namespace reelwright
