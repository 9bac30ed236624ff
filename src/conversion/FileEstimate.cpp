#include "conversion/FileEstimate.h"

#include "engine/DOSOutputs.h"
#include "engine/Encoder.h"
#include "formats/SizeLimit.h"
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

// How fast the encoder went over a piece, against playing it ("speed=2.5x"); 0 when untold.
double SpeedOf(const QString& text) {
    static const QRegularExpression kSpeed(QStringLiteral("speed=\\s*(\\d+(?:\\.\\d+)?)x"));
    double speed = 0;
    for (QRegularExpressionMatchIterator it = kSpeed.globalMatch(text); it.hasNext();) {
        speed = it.next().captured(1).toDouble();
    }
    return speed;
}

}  // namespace

EstimatePieces EstimatePieces::For(double seconds) {
    EstimatePieces pieces;
    if (seconds < 12) {
        pieces.starts = {0};
        pieces.each = std::min(seconds, 3.0);
        return pieces;
    }
    pieces.starts = {0.2 * seconds, 0.5 * seconds, 0.8 * seconds};
    pieces.each = std::clamp(seconds * 0.01, 0.6, 4.0);
    return pieces;
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

QString FileEstimate::Sentence() const {
    //: %1 is a size ("120 MB"), %2 a time ("about 3 min").
    return Text::tr("About %1, %2 to convert").arg(SizeLimit::Text(bytes), AboutTime(seconds));
}

QString FileEstimate::Total(qint64 bytes, double seconds) {
    //: A batch's total: %1 is a size ("1.2 GB"), %2 a time ("about 14 min").
    return Text::tr("About %1; %2").arg(SizeLimit::Text(bytes), AboutTime(seconds));
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

}  // namespace

FileEstimate FileEstimate::Of(const FileConversion::Request& request, bool lowPriority,
                              const std::atomic<bool>* stop) {
    FileEstimate estimate;
    FileConversion file(request);
    if (!file.Plan()) {
        estimate.problem = file.Result().reason;
        return estimate;
    }
    const double length = request.mediaLength > 0 ? request.mediaLength : request.playLength;
    QTemporaryDir folder;
    if (length <= 0 || !folder.isValid()) {
        estimate.problem = Text::tr("Its length is not known.");
        return estimate;
    }
    const EstimatePieces pieces = EstimatePieces::For(length);
    const QString piece = folder.filePath(QStringLiteral("piece.") +
                                          QFileInfo(request.output).suffix());
    double bytes = 0;
    double encoded = 0;
    double took = 0;  // seconds of encoding, by the encoder's own speed where it tells it
    for (const double start : pieces.starts) {
        const double each = std::min(pieces.each, length - start);
        DOSOutputs runner;
        QElapsedTimer clock;
        clock.start();
        const std::optional<QString> text = RunPiece(
            runner,
            (lowPriority ? QStringLiteral("nice -n 19 ") : QString()) + EncoderPath() +
                QStringLiteral(" -nostdin -hide_banner -ss %1 -i ").arg(start, 0, 'f', 3) +
                QuoteArgument(request.source) + u' ' + file.PlannedOptions() +
                QStringLiteral(" -t %1 -y ").arg(each, 0, 'f', 3) + QuoteArgument(piece),
            stop);
        const qint64 size = QFileInfo(piece).size();
        if (!text) {
            estimate.problem = Text::tr("Stopped.");
            return estimate;
        }
        if (runner.LastExitCode() != 0 || size <= 0) {
            estimate.problem = Text::tr("A piece of it could not be encoded.");
            return estimate;
        }
        const double speed = SpeedOf(*text);
        bytes += static_cast<double>(size);
        encoded += each;
        took += speed > 0 ? each / speed : clock.elapsed() / 1000.0;
        QFile::remove(piece);
    }
    estimate.bytes = static_cast<qint64>(bytes / encoded * length);
    if (request.maxSize > 0) {
        estimate.bytes = std::min(estimate.bytes, request.maxSize);  // it is made to fit
    }
    estimate.seconds = took / encoded * length * file.EncodingCost();
    return estimate;
}

}  // namespace reelwright
