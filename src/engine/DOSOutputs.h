#pragma once

#include <QObject>
#include <QString>
#include <QStringDecoder>

#include <memory>
#include <vector>

class QProcess;

namespace reelwright {

// Runs one console command line with its output captured and hands the text to its owner while
// the child runs. It blocks its caller but keeps the window alive through the yield.
class DOSOutputs : public QObject {
    Q_OBJECT

  public:
    static constexpr int kReadSize = 512;
    static constexpr int kYieldsPerRead = 12;
    // Reads a Pump takes at most before it returns.
    static constexpr int kPumpReads = 16;
    // The captured text kept for Outputs() and the result: its last characters, so a flooding
    // child cannot grow the memory.
    static constexpr qsizetype kKeptOutput = 1024 * 1024;

    explicit DOSOutputs(QObject* parent = nullptr);
    ~DOSOutputs() override;

    void SetCommandLine(const QString& commandLine) { commandLine_ = commandLine; }
    // Descriptors of ours the program is given open, as the same numbers (-1 is passed over).
    void SetInheritedDescriptors(std::vector<int> fds) { inherited_ = std::move(fds); }
    QString CommandLine() const { return commandLine_; }
    // What was captured during the current or last run (its last kKeptOutput characters).
    QString Outputs() const { return outputs_.right(kKeptOutput); }

    // Runs the command (the argument replaces CommandLine when not empty) to its end and returns
    // the captured text; empty on every failure and when stopped.
    QString ExecuteCommand(const QString& commandLine = QString());
    // Ends and releases the current run, if any. Safe to call at any time, any number of times.
    void CleanUp();

    // The same run without blocking, for several at once: Begin starts the child (false, after
    // the same messages, when it cannot); each Pump hands over what the child has written,
    // waiting at most `waitMs` for it, and answers whether the run goes on. The run ends as
    // ExecuteCommand's does: an empty piece at the end, "Cancelled" when stopped.
    bool Begin(const QString& commandLine = QString());
    bool Pump(int waitMs);
    // The child's output, for waiting on several runs at once; -1 when none runs.
    int ReadFd() const { return readFd_; }

    // Setting it ends the child at once; the run itself ends at its next read.
    void SetStopConvert(bool bSet);
    bool StopConvert() const { return stopConvert_; }
    // How long the end of a stopped child is waited for before it is left to end on its own
    // (a child in uninterruptible I/O on a hung network share ends only when the system lets it).
    static constexpr int kStopWaitMs = 1000;
    // The last run's child that had not ended when its run was released; 0 when none.
    qint64 UnendedPid() const { return unendedPid_; }

    // How the last child ended: only a child that exited by itself has an exit code.
    bool LastRunExitedNormally() const { return exitedNormally_; }
    int LastExitCode() const { return exitCode_; }
    // Whether the last child started at all.
    bool LastRunStarted() const { return started_; }

    // A run that lasts longer than this many milliseconds is ended (0: no limit).
    void SetTimeLimit(int milliseconds) { timeLimitMs_ = milliseconds; }
    // Whether the last run was ended by the time limit.
    bool TimedOut() const { return timedOut_; }

  signals:
    // One piece of text per read; an empty piece at the end; "Cancelled" when stopped.
    void ReceiveOutputs(const QString& CommandOutputs);

  private:
    enum class ReadResult { Data, End, Stopped, TimedOut };
    ReadResult ReadChunk(char* buffer, qint64* count);
    QString Cancel();
    void Keep(const QString& piece);
    // Takes how the child ended, and releases the run.
    void EndRun();

    QString commandLine_;
    QString outputs_;
    std::unique_ptr<QProcess> process_;
    // Our end of the child's output pipe; read here directly, a piece at a time, so the child
    // waits when we are slower than it instead of filling our memory.
    int readFd_ = -1;
    std::vector<int> inherited_;
    QStringDecoder decoder_;
    bool outputEnded_ = false;
    bool stopConvert_ = false;
    bool exitedNormally_ = false;
    bool started_ = false;
    bool timedOut_ = false;
    int exitCode_ = -1;
    int timeLimitMs_ = 0;
    qint64 deadline_ = 0;
    qint64 endSentMs_ = 0;  // when the child was told to end; 0 before
    qint64 unendedPid_ = 0;
};

}  // namespace reelwright
