#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace reelwright {

// A result that must fit a size: the picture's bit rate worked out from the limit, what the
// rest of the file takes and its length; the format's own rate control (CRF, a quality, a fixed
// rate) replaced by it, everything else of the format kept; and, after the encode, the rate
// lowered by what the result went over.
namespace SizePlan {

// What a result holds beside its pictures.
struct Budget {
    qint64 limit = 0;            // bytes
    double seconds = 0;          // how long it plays
    double soundBitRate = 0;     // bits a second, every kept sound track together
    qint64 otherBytes = 0;       // subtitles, attachments, a cover
    QString container;           // the result's extension, for its overhead
};

// The picture as encoded: its size, rate and encoder.
struct Picture {
    int width = 0;
    int height = 0;
    double frameRate = 0;
    QString encoder;
};

// The least bits a pixel of a frame may have for a picture still worth watching, by encoder:
// the newer codecs need about half what MPEG-4 Part 2 and MPEG-2 need.
double FloorBitsPerPixel(const QString& encoder);

struct Fit {
    double videoBitRate = 0;  // bits a second
    QStringList options;      // go after the format's options, its rate control taken out
    std::optional<QString> refusal;  // the limit cannot hold the file: why, and the way out
};
Fit FitPicture(const Budget& budget, const Picture& picture);

// The format's options without its own rate control.
QStringList WithoutRateControl(const QStringList& arguments);
// The sound's bits a second, for `tracks` kept sound tracks encoded by the format's options.
double SoundBitRate(const QStringList& arguments, int tracks, int channels);
// The rate for the next encode after one at `rate` reached `reached` bytes over `limit`: lowered
// by the overshoot and a margin.
double Lowered(double rate, qint64 reached, qint64 limit, double seconds);
// The options that encode pictures at `rate` bits a second, the rate held within a buffer.
QStringList RateOptions(double rate);
// How many encodes a file may have to fit: the first and two more.
constexpr int kEncodes = 3;

}  // namespace SizePlan

}  // namespace reelwright
