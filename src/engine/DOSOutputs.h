#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QProcess;

namespace reelwright {

// Runs one console command line with its output captured and hands the text to its owner while
// the child runs. It blocks its caller but keeps the window alive through the yield.
class DOSOutputs : public QObject {
    Q_OBJECT

  public:
    static constexpr int kReadSize = 512;
    static constexpr int kYieldsPerRead = 12;

    explicit DOSOutputs(QObject* parent = nullptr);
    ~DOSOutputs() override;

    void SetCommandLine(const QString& commandLine) { commandLine_ = commandLine; }
    QString CommandLine() const { return commandLine_; }
    // Everything captured during the current or last run.
    QString Outputs() const { return outputs_; }

    // Runs the command (the argument replaces CommandLine when not empty) to its end and returns
    // the captured text; empty on every failure and when stopped.
    QString ExecuteCommand(const QString& commandLine = QString());
    // Ends and releases the current run, if any. Safe to call at any time, any number of times.
    void CleanUp();

    void SetStopConvert(bool bSet) { stopConvert_ = bSet; }
    bool StopConvert() const { return stopConvert_; }

    // How the last child ended: only a child that exited by itself has an exit code.
    bool LastRunExitedNormally() const { return exitedNormally_; }
    int LastExitCode() const { return exitCode_; }

  signals:
    // One piece of text per read; an empty piece at the end; "Cancelled" when stopped.
    void ReceiveOutputs(const QString& CommandOutputs);

  private:
    enum class ReadResult { Data, End, Stopped };
    ReadResult ReadChunk(char* buffer, qint64* count);
    QString Cancel();

    QString commandLine_;
    QString outputs_;
    std::unique_ptr<QProcess> process_;
    bool stopConvert_ = false;
    bool exitedNormally_ = false;
    int exitCode_ = -1;
};

}  // namespace reelwright
