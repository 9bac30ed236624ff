#include "engine/FieldLook.h"

#include "engine/DOSOutputs.h"
#include "engine/Encoder.h"
#include "platform/CommandLine.h"

#include <QRegularExpression>

namespace reelwright {
namespace {

// Frames looked at, and how long the look may take.
constexpr int kFrames = 120;
constexpr int kTimeLimitMs = 20000;

}  // namespace

std::optional<QString> FieldsFromDetector(const QString& text) {
    // "Multi frame detection: TFF:   80 BFF:    0 Progressive:    3 Undetermined:   37"
    static const QRegularExpression kSummary(QStringLiteral(
        "Multi frame detection: TFF:\\s*(\\d+)\\s+BFF:\\s*(\\d+)\\s+Progressive:\\s*(\\d+)"));
    QRegularExpressionMatch last;
    for (QRegularExpressionMatchIterator it = kSummary.globalMatch(text); it.hasNext();) {
        last = it.next();
    }
    if (!last.hasMatch()) {
        return std::nullopt;
    }
    const int top = last.captured(1).toInt();
    const int bottom = last.captured(2).toInt();
    const int progressive = last.captured(3).toInt();
    if (top + bottom + progressive < 10) {
        return std::nullopt;
    }
    if (top + bottom > 2 * progressive) {
        return top >= bottom ? QStringLiteral("tt") : QStringLiteral("bb");
    }
    return QStringLiteral("progressive");
}

std::optional<QString> LookForFields(const QString& path, int stream) {
    DOSOutputs runner;
    runner.SetTimeLimit(kTimeLimitMs);
    const QString text = runner.ExecuteCommand(
        EncoderPath() + QStringLiteral(" -nostdin -hide_banner -i ") + QuoteArgument(path) +
        QStringLiteral(" -map 0:%1 -frames:v %2 -vf idet -an -sn -f null -")
            .arg(stream)
            .arg(kFrames));
    return FieldsFromDetector(text);
}

}  // namespace reelwright
