#pragma once

#include "engine/MediaTracks.h"
#include "plan/TrackReport.h"

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

// The picture as the format encodes it: the frame a disc format fixes, or the source's shown
// size within the height the format's own scaling allows ("min(720,ih)").
Picture AsEncoded(const QStringList& arguments, Picture shown);

// The shorter sides a picture is made smaller to, in turn, when it cannot fit as it is.
inline constexpr int kSmallerSides[] = {1080, 720, 480, 360};
// The picture at the first of those sides under its own at which the limit holds it; none
// when no step does, or when the format fixes its frame.
std::optional<Picture> Smaller(const QStringList& arguments, const Budget& budget,
                               const Picture& picture);
// The format's options with the picture made `picture`'s size after the format's own scaling.
QStringList ScaledTo(QStringList arguments, const Picture& picture);

// The least bits a pixel of a frame may have for a picture still worth watching, by encoder:
// the newer codecs need about half what MPEG-4 Part 2 and MPEG-2 need.
double FloorBitsPerPixel(const QString& encoder);

struct Fit {
    double videoBitRate = 0;  // bits a second
    QStringList options;      // go after the format's options, its rate control taken out
    std::optional<QString> refusal;  // the limit cannot hold the file: why, and the way out
};
Fit FitPicture(const Budget& budget, const Picture& picture);
// The least bits a second `picture` may have.
double FloorRate(const Picture& picture);
// Whether `picture` can hold the limit's share of pictures at the floor.
bool Watchable(const Budget& budget, const Picture& picture);

// The format's options without its own rate control.
QStringList WithoutRateControl(const QStringList& arguments);
// What the kept subtitles, fonts, covers and other attachments take in a result of `seconds`:
// the largest `kept` of each kind, by their own sizes where the source tells them, else by
// what such a track usually holds. Errs large: the pictures lose little by it.
qint64 OtherBytes(const MediaTracks& source, const TrackReport::Counts& kept, double seconds);
// The sound's bits a second, for `tracks` kept sound tracks encoded by the format's options.
double SoundBitRate(const QStringList& arguments, int tracks, int channels);
// The rate for the next encode after one at `rate` reached `reached` bytes over `limit`: lowered
// by the overshoot and a margin.
double Lowered(double rate, qint64 reached, qint64 limit, double seconds);
// How an encoder can be held to a rate: two passes (the first learns where the bits are
// needed), one pass with the rate capped, or not at all (lossless, or a quality of its own).
enum class RateControl { TwoPasses, OnePass, None };
RateControl RateControlOf(const QString& encoder);
// The options that encode pictures at `rate` bits a second: the average alone for two passes,
// else held within a buffer.
QStringList RateOptions(double rate, const QString& encoder, bool twoPasses);
// The encoding's options for pass `pass` (1 or 2) of two, its log files named from `prefix`.
// The first pass leaves out what the pictures do not need. It writes into the result's own
// container all the same: the container decides whether frames are repeated to keep the rate,
// and both passes must see the same frames (else x264 stops at an "incomplete MB-tree").
QStringList WithPass(QStringList arguments, const QString& encoder, int pass,
                     const QString& prefix);
// What the first pass takes of both passes' time, as measured by encoder.
double FirstPassShare(const QString& encoder);
// How many frames apart the encoder puts key frames of its own accord, as `arguments` ask
// (-g, keyint= in x264's and x265's parameters) or as it does by default; 0 when unknown or
// when it puts none but at scene changes.
int KeyFrameInterval(const QStringList& arguments, const QString& encoder);
// How many encodes a file may have to fit: the first and two more.
constexpr int kEncodes = 3;

}  // namespace SizePlan

}  // namespace reelwright
