#include "engine/FieldLook.h"

#include "engine/DOSOutputs.h"
#include "engine/Encoder.h"
#include "platform/CommandLine.h"

#include <QRegularExpression>
#include <QStringList>

namespace reelwright {
namespace {

// Stretches looked at, spread through the file, the frames of each, and how long the look may
// take. Five stretches of 30 frames find a recording that turns interlaced part way and still
// cost a small share of a conversion (decoding 150 frames).
constexpr double kStretches[] = {0.05, 0.25, 0.45, 0.65, 0.85};
constexpr int kFramesEach = 30;
constexpr int kFramesAtStart = 120;
constexpr int kTimeLimitMs = 30000;
constexpr int kFewestFrames = 10;

// What one stretch's frames are.
struct Stretch {
    bool known = false;
    bool interlaced = false;
    bool telecined = false;
    bool topFirst = true;
};

Stretch StretchFrom(const QRegularExpressionMatch& repeated, const QRegularExpressionMatch& multi) {
    Stretch stretch;
    const int top = multi.captured(1).toInt();
    const int bottom = multi.captured(2).toInt();
    const int progressive = multi.captured(3).toInt();
    const int frames = top + bottom + progressive + multi.captured(4).toInt();
    if (top + bottom + progressive < kFewestFrames) {
        return stretch;
    }
    stretch.known = true;
    stretch.topFirst = top >= bottom;
    stretch.interlaced = top + bottom > 2 * progressive;
    // Telecine repeats a field in two frames of five; plain fields or frames repeat none (a
    // still picture repeats every one).
    const int repeats = repeated.hasMatch()
                            ? repeated.captured(1).toInt() + repeated.captured(2).toInt()
                            : 0;
    stretch.telecined = frames > 0 && repeats * 100 >= frames * 28 && repeats * 100 <= frames * 52;
    return stretch;
}

FieldVerdict VerdictOf(const QList<Stretch>& stretches) {
    int interlaced = 0;
    int telecined = 0;
    int top = 0;
    for (const Stretch& stretch : stretches) {
        telecined += stretch.telecined ? 1 : 0;
        interlaced += stretch.interlaced && !stretch.telecined ? 1 : 0;
        top += (stretch.interlaced || stretch.telecined) && stretch.topFirst ? 1 : 0;
    }
    const int known = static_cast<int>(stretches.size());
    const int fielded = interlaced + telecined;
    FieldVerdict verdict;
    verdict.topFirst = 2 * top >= fielded;
    if (fielded == 0) {
        verdict.kind = FieldVerdict::Kind::Progressive;
    } else if (telecined * 2 > known) {
        verdict.kind = FieldVerdict::Kind::Telecined;
    } else if (fielded == known) {
        verdict.kind = FieldVerdict::Kind::Interlaced;
    } else {
        verdict.kind = FieldVerdict::Kind::Mixed;
    }
    return verdict;
}

}  // namespace

std::optional<FieldVerdict> FieldsFromDetector(const QString& text) {
    // "Repeated Fields: Neither:    72 Top:    24 Bottom:    24", then
    // "Multi frame detection: TFF:   80 BFF:    0 Progressive:    3 Undetermined:   37"
    static const QRegularExpression kRepeated(QStringLiteral(
        "Repeated Fields: Neither:\\s*\\d+\\s+Top:\\s*(\\d+)\\s+Bottom:\\s*(\\d+)"));
    static const QRegularExpression kMulti(
        QStringLiteral("Multi frame detection: TFF:\\s*(\\d+)\\s+BFF:\\s*(\\d+)\\s+"
                       "Progressive:\\s*(\\d+)(?:\\s+Undetermined:\\s*(\\d+))?"));
    QList<Stretch> stretches;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = kMulti.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch multi = it.next();
        // The repeats a stretch's summary gives come just before its frame counts.
        QRegularExpressionMatch repeated;
        for (QRegularExpressionMatchIterator r = kRepeated.globalMatch(text, from); r.hasNext();) {
            const QRegularExpressionMatch candidate = r.next();
            if (candidate.capturedStart() < multi.capturedStart()) {
                repeated = candidate;
            }
        }
        from = multi.capturedEnd();
        const Stretch stretch = StretchFrom(repeated, multi);
        if (stretch.known) {
            stretches << stretch;
        }
    }
    if (stretches.isEmpty()) {
        return std::nullopt;
    }
    return VerdictOf(stretches);
}

std::optional<FieldVerdict> LookForFields(const QString& path, int stream, double seconds) {
    // One encoder reads every stretch: each is an input of its own, sought to, with an output
    // of its own through the detector.
    QStringList inputs;
    QStringList outputs;
    const bool spread = seconds > 0;
    const int stretches = spread ? static_cast<int>(std::size(kStretches)) : 1;
    for (int i = 0; i < stretches; ++i) {
        if (spread) {
            inputs << QStringLiteral("-ss %1").arg(kStretches[i] * seconds, 0, 'f', 3);
        }
        inputs << QStringLiteral("-i ") + QuoteArgument(path);
        outputs << QStringLiteral("-map %1:%2 -frames:v %3 -vf idet -an -sn -f null -")
                       .arg(i)
                       .arg(stream)
                       .arg(spread ? kFramesEach : kFramesAtStart);
    }
    DOSOutputs runner;
    runner.SetTimeLimit(kTimeLimitMs);
    const QString text =
        runner.ExecuteCommand(EncoderPath() + QStringLiteral(" -nostdin -hide_banner ") +
                              inputs.join(u' ') + u' ' + outputs.join(u' '));
    return FieldsFromDetector(text);
}

}  // namespace reelwright
