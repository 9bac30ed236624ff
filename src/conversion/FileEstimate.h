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
    // "about 3 min", "about 40 s", "about 2 h 10 min".
    static QString AboutTime(double seconds);

    // `lowPriority` runs the pieces niced, so that the machine hardly notices them; `stop`,
    // when set meanwhile (from any thread), ends it soon with no estimate.
    static FileEstimate Of(const FileConversion::Request& request, bool lowPriority = false,
                           const std::atomic<bool>* stop = nullptr);
};

// The pieces' places and length for a file of `seconds`: three spread through it, about 1%
// of it each, or one at its start for a short file.
struct EstimatePieces {
    QList<double> starts;
    double each = 0;
    static EstimatePieces For(double seconds);
};

}  // namespace reelwright
