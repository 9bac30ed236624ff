#pragma once

#include "conversion/FileConversion.h"

#include <QString>

#include <atomic>

namespace reelwright {

// How big a file's result will be and how long its conversion takes, worked out before it is
// converted: the file planned as its conversion would plan it, a few short pieces spread
// through it encoded with the plan's options into a folder of our own, and what they took
// scaled by its length. Nothing is written beside the file.
struct FileEstimate {
    qint64 bytes = 0;
    double seconds = 0;  // to convert it
    QString problem;     // why there is none (the file is refused, or cannot be read)

    bool Known() const { return problem.isEmpty() && bytes > 0; }
    // "About 120 MB, about 3 min to convert".
    QString Sentence() const;
    // A batch's: "About 1.2 GB; about 14 min".
    static QString Total(qint64 bytes, double seconds);
    // A size as closely as an estimate knows it, to two figures: "2.9 MB", "120 MB", "1.2 GB".
    static QString AboutSize(qint64 bytes);
    // "about 3 min", "about 40 s", "about 2 h 10 min".
    static QString AboutTime(double seconds);

    // `lowPriority` runs the pieces niced, so that the machine hardly notices them; `stop`,
    // when set meanwhile (from any thread), ends it soon with no estimate.
    static FileEstimate Of(const FileConversion::Request& request, bool lowPriority = false,
                           const std::atomic<bool>* stop = nullptr);
};

// The pieces' places and lengths for a file of `seconds`: three spread through it, each about
// 1% of it, and half of one in the middle; a short file whole. The short one tells apart
// what each encode costs once (starting, the first key frame, the encoder's ramp) from what
// each second of the file costs.
struct EstimatePieces {
    static constexpr double kWholeBelow = 12;  // seconds
    QList<double> starts;
    QList<double> lengths;
    static EstimatePieces For(double seconds);
};

// What the pieces measured, worked out for the whole file.
struct PieceMeasures {
    QList<double> lengths;  // seconds of the file each piece held
    QList<double> bytes;    // what each piece's result took
    QList<double> took;     // seconds each piece's encoding took (all its passes), by the
                            // encoder's own clock
    double outside = 0;     // seconds a piece's runs take beside their encoding (starting)
    QList<double> keyBytes{};  // what each piece's key frames took (none: not known)
    QList<int> keyFrames{};    // how many each piece held
    // Seconds between the key frames the encoder puts of its own accord; 0 when unknown.
    double keyFrameEvery = 0;
    // The whole file's: what `length` seconds of it would take.
    double Bytes(double length) const;
    double Seconds(double length) const;
    // The most a piece took a second of it, of the pieces not shorter than most (not the short
    // one): its key frames counted as often as the whole file has them.
    double MostBytesASecond() const;

  private:
    // A key frame's bytes, when the whole file has key frames its pieces are too short to show
    // (each piece begins at one; the next is further on than the longest piece); else 0.
    double KeyFrameUnseen() const;
};

}  // namespace reelwright
