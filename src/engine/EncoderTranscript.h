#pragma once

#include "engine/EncoderText.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace reelwright {

// Reads the encoder's text as it arrives and keeps only what judging the run needs: whether
// encoding began, the phrases that tell of a failure, the last position and speed, the encoder's
// own error lines and a bounded tail. However much the encoder writes, it holds a few kilobytes.
class EncoderTranscript {
  public:
    static constexpr qsizetype kMaxLineLength = 2048;
    static constexpr qsizetype kTailLength = 16 * 1024;
    static constexpr int kKeptErrorLines = 24;
    static constexpr int kShownErrorLines = 4;

    // Paths the encoder echoes (the input and the output): phrases inside them mean nothing.
    void SetEchoedPaths(const QStringList& paths);

    // Takes one piece of text. True when a line it completed, or the line it leaves open, is the
    // first to say the input cannot be read (7.x says it on more than one line).
    bool Feed(QStringView piece);
    // The text has ended: a last line without a line break still counts. True when that line
    // is the first to say the input cannot be read.
    bool Finish();

    bool EncodingBegun() const { return begun_; }
    // The encoder could not open the input (said before encoding began, never by a decoder).
    bool Unreadable() const { return unreadable_; }
    // The encoder began, then failed while writing.
    bool LateFailure() const { return lateFailure_; }
    // The encoder says the input ended before its stated length.
    bool InputEndedEarly() const { return endedEarly_; }
    std::optional<double> LastTime() const { return lastTime_; }
    // The speed as a multiple of real time, when the encoder has said it.
    std::optional<double> LastSpeed() const { return lastSpeed_; }
    // The lowest frame rate of the input's video streams, as the encoder lists them.
    std::optional<double> InputFrameRate() const { return inputFrameRate_; }
    // The kinds of streams the encoder lists for the input and for the output.
    struct StreamKinds {
        bool listed = false;  // the encoder listed the file at all
        bool video = false;
        bool audio = false;
        bool any = false;
    };
    const StreamKinds& InputStreams() const { return inputStreams_; }
    const StreamKinds& OutputStreams() const { return outputStreams_; }
    // The encoder says it wrote a result with nothing in it (it exits 0 all the same).
    bool NothingEncoded() const { return nothingEncoded_; }
    // The encoder's own error lines, oldest first, at most kKeptErrorLines.
    const QStringList& ErrorLines() const { return errorLines_; }
    // The last lines of the text, at most kTailLength characters.
    QString Tail() const { return tail_.right(kTailLength); }

    // The cause of a failure in a few lines: the last error lines, without the closing
    // "Conversion failed!" when there is more to say.
    QString ErrorDetail() const;

    enum class LineKind { Information, Progress, Error };
    // Whether a line is the encoder's banner, its stream listing or statistics, a progress
    // line, or something it says about this run.
    static LineKind Classify(const QString& line);
    // A line without the "[library @ 0x...]" or "[tag]" that today's encoder puts in front.
    static QStringView WithoutLibraryPrefix(const QString& line);

  private:
    bool TakeLine(const QString& line);
    void ReadListing(const QString& line);
    bool SaysInputIsUnreadable(const QString& line, LineKind kind) const;
    QString WithoutEchoedPaths(const QString& line) const;
    void AddToTail(QStringView text);
    bool FirstTelling(bool unreadable);

    QStringList echoedPaths_;
    QString partial_;
    bool skippingOverlong_ = false;
    bool partialTold_ = false;  // the open line has already been told as unreadable
    bool told_ = false;         // some line has been told as unreadable
    bool begun_ = false;
    bool unreadable_ = false;
    bool lateFailure_ = false;
    bool endedEarly_ = false;
    std::optional<double> lastTime_;
    std::optional<double> lastSpeed_;
    std::optional<double> inputFrameRate_;
    enum class Listing { None, Input, Output };
    Listing listing_ = Listing::None;
    StreamKinds inputStreams_;
    StreamKinds outputStreams_;
    bool nothingEncoded_ = false;
    QStringList errorLines_;
    QString tail_;
};

}  // namespace reelwright
