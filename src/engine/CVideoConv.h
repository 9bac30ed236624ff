#pragma once

#include "engine/EncoderTranscript.h"
#include "engine/ProbeVerdict.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace reelwright {

class DOSOutputs;
struct MediaTracks;

// One conversion of one file by the encoder, with its progress told through two events. The same
// class answers whether the encoder can read a file.
class CVideoConv : public QObject {
    Q_OBJECT

  public:
    // How the last conversion ended.
    enum class Result { NotRun, Converted, Failed, Cancelled };

    // A probe that takes longer than this counts as unreadable (a pipe or a dead network share
    // would otherwise hold the list for ever).
    static constexpr int kDefaultProbeTimeLimitMs = 20000;
    static void SetProbeTimeLimit(int milliseconds);
    static int ProbeTimeLimit();

    explicit CVideoConv(QObject* parent = nullptr);
    ~CVideoConv() override;

    void SetInputFile(const QString& path) { inputFile_ = path; }
    QString InputFile() const { return inputFile_; }
    void SetOutputFile(const QString& path) { outputFile_ = path; }
    // The output file, already open as `fd`: the encoder writes through the descriptor, never
    // through a name another user could swap for a link meanwhile.
    void SetOutputDescriptor(int fd) { outputFd_ = fd; }
    QString OutputFile() const { return outputFile_; }
    // A folder the encoder reaches through its descriptor `fd` (a first pass's log files), so
    // that nobody can swap a link in for any name in it meanwhile.
    void SetReachedFolder(int fd) { folderFd_ = fd; }
    // The run writes nothing to keep (a first pass): no result to judge it by.
    void SetDiscardsOutput(bool discards) { discardsOutput_ = discards; }
    // Seconds; 0 means unknown.
    void SetFileTimeLength(float seconds) { fileTimeLength_ = seconds; }
    // The input's exact length in seconds, when known, for judging whether all of it was
    // converted; without it the whole seconds of FileTimeLength serve.
    void SetMediaLength(double seconds) { mediaLength_ = seconds; }
    // The path the result is to have once whole, when the encoder writes it under another name:
    // reasons name this one.
    void SetResultName(const QString& path) { resultName_ = path; }
    // Options placed between the input and the output.
    void SetParametrs(const QString& options) { parametrs_ = options; }
    // Failures are kept in Reason() instead of being shown in a message box.
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    // Receives every piece of the encoder's text as it arrives (a log file, say).
    void SetTextSink(std::function<void(const QString&)> sink) { textSink_ = std::move(sink); }

    // Runs the encoder to its end; results arrive through the events and the final status.
    void StartConversion();
    // Asks a running conversion to stop; one asked before it starts never starts.
    void StopConversion();
    // The same conversion without blocking, for several at once: Begin starts the encoder (false
    // when the conversion has already ended, before or at its start); each Pump hands over what
    // the encoder wrote, waiting at most `waitMs`, and answers whether it goes on. When it has
    // ended, LastResult and Reason tell how, as after StartConversion.
    bool Begin();
    bool Pump(int waitMs);
    // The encoder's output while it runs, for waiting on several at once; -1 otherwise.
    int OutputFd() const;
    // False when the encoder says it cannot read the file, or takes too long to say anything.
    bool IsFileSupported(const QString& sMediaFile);
    // The same, with why not and what the encoder said.
    ProbeVerdict ProbeFile(const QString& sMediaFile);

    QString BuildCommandLine() const;
    static QString GetErrorDetail(const QString& text);

    Result LastResult() const { return result_; }
    // Whether the last conversion got as far as starting the encoder.
    bool EncoderStarted() const;
    // Why the last conversion failed, in a few lines, or, for one stopped, why its encoder has
    // not ended yet; empty otherwise.
    QString Reason() const { return reason_; }
    // The encoder of the last conversion when it did not end once stopped; 0 otherwise.
    qint64 UnendedPid() const;
    // What the encoder said during the last run, kept within bounds.
    const EncoderTranscript& Transcript() const { return transcript_; }
    // The result as read back once the last run ended, when its end asked for a reading (its
    // length untold by the encoder); null otherwise.
    const MediaTracks* ResultReading() const { return resultReading_.get(); }

  signals:
    // Percent converted (not clamped), or -1 for an unreadable input.
    void Progress(int iProgress);
    void CurrentStatus(const QString& sStatus);

  private:
    void objDOS_ReceiveOutputs(const QString& CommandOutputs);
    DOSOutputs& Runner();
    static QString DescriptorPath(int fd);
    // The command line as it runs: the output given by its descriptor when it has one.
    QString RunCommandLine() const;
    // The steps before the encoder starts; false when the conversion has already ended.
    bool Prepare();
    // How the run that has ended went.
    void Judge();
    // Why a run that was not stopped failed (possibly in no words); none when it converted the
    // whole input.
    std::optional<QString> FailureOf(const DOSOutputs& runner);
    void Fail(const QString& reason);
    void ReportUnexpectedFailure(const std::exception& failure);

    std::unique_ptr<DOSOutputs> objDOS;
    QString inputFile_;
    QString outputFile_;
    int outputFd_ = -1;
    int folderFd_ = -1;
    bool discardsOutput_ = false;
    QString resultName_;
    float fileTimeLength_ = 0.0F;
    double mediaLength_ = 0.0;
    std::shared_ptr<const MediaTracks> resultReading_;
    QString parametrs_;
    bool quiet_ = false;
    bool stopRequested_ = false;
    std::function<void(const QString&)> textSink_;
    EncoderTranscript transcript_;
    Result result_ = Result::NotRun;
    QString reason_;
};

}  // namespace reelwright
