#pragma once

#include "engine/EncoderTranscript.h"
#include "engine/ProbeVerdict.h"

#include <QString>

#include <optional>

namespace reelwright {

// The files of one conversion as the user knows them, and the hidden one the encoder wrote.
struct ConversionNames {
    QString input;      // the input's path
    QString result;     // the path the result is to have
    QString temporary;  // the hidden path the encoder writes to until the result is whole
    QString options;    // the format's options
};

// How a run of the encoder ended, besides what it said.
struct RunEnd {
    bool started = true;  // false: the encoder could not be started at all
    bool exitedNormally = true;
    int exitCode = 0;
    qint64 outputSize = -1;  // the written file's size; -1 when there is none
    double length = 0;       // the input's length in seconds; 0 when unknown
    double resultLength = 0;  // the written result's own length; 0 when unknown
    bool discarded = false;   // nothing was to be written (a first pass)
};

// Why a run that nobody stopped failed, in the user's words; none when it converted the whole
// input. Holds for the older encoder's text and today's alike.
std::optional<QString> JudgeRun(const EncoderTranscript& transcript, const RunEnd& end,
                                const ConversionNames& names);

// Why a conversion failed, in one plain sentence that names the files as the user knows them.
// A cause it does not know gets a sentence followed by the encoder's own last error lines.
// Never names the hidden temporary file.
QString PlainFailureReason(const EncoderTranscript& transcript, const ConversionNames& names);

// Why a result the encoder called whole holds nothing of what the format keeps (the encoder
// exits 0 after "Output file is empty, nothing was encoded"); none when it holds something.
std::optional<QString> EmptyResultReason(const EncoderTranscript& transcript,
                                         const ConversionNames& names);

// The sentence for a file the encoder cannot read.
QString UnreadableReason(const QString& path);
// The sentence for a name that is no regular file (a pipe, a device), `why` saying what it is.
QString NotAFileReason(const QString& path, const QString& why);
// The sentence for a file the encoder took too long to read.
QString ProbeTooSlowReason(const QString& path, int timeLimitMs);

// The encoder's text with the hidden temporary name replaced by the result's.
QString WithUserNames(QString text, const ConversionNames& names);

}  // namespace reelwright
