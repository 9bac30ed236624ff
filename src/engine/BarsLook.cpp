#include "engine/BarsLook.h"

#include "engine/DOSOutputs.h"
#include "engine/Encoder.h"
#include "platform/CommandLine.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace reelwright {
namespace {

// Ten stretches spread through the file (from 5% to 85%, so the last still has frames after
// it), a few frames each: a film's bars are where they are from start to end, so every stretch
// must see the same.
constexpr int kStretches = 10;
constexpr double kFirst = 0.05;
constexpr double kSpread = 0.8;
constexpr int kFramesEach = 6;
constexpr int kTimeLimitMs = 30000;
// How far the stretches may disagree on an edge (the detector's own rounding, noise at an
// edge), and the least bars worth removing.
constexpr int kAgreement = 4;
constexpr double kLeastShare = 0.01;

bool Empty(const SeenBox& box) {
    return box.right < box.left || box.bottom < box.top;
}

}  // namespace

QList<SeenBox> BoxesFromDetector(const QString& text, int stretches) {
    // "[Parsed_cropdetect_0 @ 0x5650…] x1:0 x2:639 y1:46 y2:313 w:640 …", one detector for each
    // stretch, told apart by its address; its last line covers all its frames.
    static const QRegularExpression kLine(QStringLiteral(
        "\\[Parsed_cropdetect_\\d+ @ (0x[0-9a-f]+)\\] x1:(-?\\d+) x2:(-?\\d+) y1:(-?\\d+) "
        "y2:(-?\\d+)"));
    QStringList order;
    QList<SeenBox> boxes;
    for (QRegularExpressionMatchIterator it = kLine.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch line = it.next();
        qsizetype at = order.indexOf(line.captured(1));
        if (at < 0) {
            order << line.captured(1);
            boxes << SeenBox{};
            at = boxes.size() - 1;
        }
        boxes[at] = {line.captured(2).toInt(), line.captured(3).toInt(), line.captured(4).toInt(),
                     line.captured(5).toInt()};
    }
    while (boxes.size() < stretches) {
        boxes << SeenBox{};  // saw nothing it could tell from black
    }
    return boxes;
}

std::optional<Bars> BarsFromBoxes(const QList<SeenBox>& boxes, int width, int height) {
    if (boxes.isEmpty() || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    SeenBox all = boxes.first();
    for (const SeenBox& box : boxes) {
        if (Empty(box) || std::abs(box.left - all.left) > kAgreement ||
            std::abs(box.right - all.right) > kAgreement ||
            std::abs(box.top - all.top) > kAgreement ||
            std::abs(box.bottom - all.bottom) > kAgreement) {
            return std::nullopt;
        }
    }
    // What any stretch saw of the picture is kept: the box around them all.
    for (const SeenBox& box : boxes) {
        all = {std::min(all.left, box.left), std::max(all.right, box.right),
               std::min(all.top, box.top), std::max(all.bottom, box.bottom)};
    }
    Bars bars;
    bars.x = std::max(0, all.left) / 2 * 2;
    bars.y = std::max(0, all.top) / 2 * 2;
    bars.width = std::min(width - bars.x, (std::min(all.right, width - 1) + 2 - bars.x) / 2 * 2);
    bars.height =
        std::min(height - bars.y, (std::min(all.bottom, height - 1) + 2 - bars.y) / 2 * 2);
    if (width - bars.width < width * kLeastShare && height - bars.height < height * kLeastShare) {
        return std::nullopt;
    }
    return bars;
}

std::optional<Bars> LookForBars(const QString& path, int stream, int width, int height,
                                double seconds) {
    if (seconds <= 0) {
        return std::nullopt;  // nowhere to spread the stretches
    }
    // One encoder reads every stretch: each an input of its own, sought to, through a detector
    // of its own. Only what is as dark as black itself counts as a bar (a dark sky is not one);
    // the limit is a share, so that ten-bit black counts as black too.
    QStringList inputs;
    QStringList outputs;
    for (int i = 0; i < kStretches; ++i) {
        const double at = kFirst + kSpread * i / (kStretches - 1);
        inputs << QStringLiteral("-ss %1 -i ").arg(at * seconds, 0, 'f', 3) +
                      QuoteArgument(path);
        outputs << QStringLiteral("-map %1:%2 -frames:v %3 -vf cropdetect=limit=0.07:round=2 "
                                  "-an -sn -dn -f null -")
                       .arg(i)
                       .arg(stream)
                       .arg(kFramesEach);
    }
    DOSOutputs runner;
    runner.SetTimeLimit(kTimeLimitMs);
    const QString text =
        runner.ExecuteCommand(EncoderPath() + QStringLiteral(" -nostdin -hide_banner ") +
                              inputs.join(u' ') + u' ' + outputs.join(u' '));
    return BarsFromBoxes(BoxesFromDetector(text, kStretches), width, height);
}

}  // namespace reelwright
