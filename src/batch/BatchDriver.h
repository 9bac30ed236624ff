#pragma once

#include "batch/OutputNaming.h"
#include "batch/TimeLeft.h"
#include "formats/FormatChoice.h"
#include "joblist/JobRow.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace reelwright {

class CVideoConv;
class JobList;

// Converts the eligible rows of the job list one after another and writes each job's events
// into its row. The walk itself knows nothing of the window; it asks for the format and the
// output names through the hooks.
class BatchDriver : public QObject {
    Q_OBJECT

  public:
    static constexpr quint32 kSuccessColor = Rgb(113, 177, 98);
    static constexpr quint32 kFailureColor = Rgb(220, 10, 10);

    struct Hooks {
        std::function<QString()> outputType;  // the chosen format's file extension
        std::function<OutputPathResult(const QString& input, const QString& type)> outputPath;
        std::function<FormatParameters()> parameters;
    };

    // What became of the rows a batch took.
    struct Summary {
        int converted = 0;
        int failed = 0;
        int cancelled = 0;
        QStringList failedFiles;
        bool reachedEncoder = false;
    };

    BatchDriver(JobList& jobList, Hooks hooks, QObject* parent = nullptr);
    ~BatchDriver() override;

    // Converts the rows waiting or cancelled (and checked, with `selectedOnly`). True when at
    // least one file reached the encoder.
    bool RunBatch(bool selectedOnly);
    // Ends the batch: no further file starts, and the one converting stops.
    void RequestStop();
    bool StopRequested() const { return stop_; }
    // True from the start of RunBatch until it ends.
    bool IsConverting() const { return converting_; }
    // True while a batch is on the stack, also while a stopped one unwinds.
    bool IsRunning() const { return running_; }
    // The rows a batch would take now.
    int EligibleRows(bool selectedOnly) const;
    // What the last batch did.
    const Summary& LastSummary() const { return summary_; }

    // Failures are kept on their rows instead of being shown one by one in message boxes.
    void SetQuietFailures(bool quiet) { quietFailures_ = quiet; }
    // How far the running batch has come and when it will end.
    const TimeLeft& Progress() const { return timeLeft_; }
    // The clock the time left is measured by (a test's).
    void SetClock(TimeLeft::Clock clock) { timeLeft_ = TimeLeft(std::move(clock)); }

    // Seconds of an "hours:minutes:seconds" text; 0 (unknown) without a ":"; none when the text
    // has fewer than three parts or a part is not a number.
    static std::optional<float> DurationSeconds(const QString& sDuration);

    // Converts one file and leaves its final status and colour in the current row.
    void ConvertVideo(const QString& origfile, const QString& outFile, const QString& sDuration);

  signals:
    // A row's file is about to be converted, and has been (or has failed before it started).
    void FileStarted(int row);
    void FileFinished(int row);
    // The running file moved on: Progress() has news.
    void Advanced();

  private:
    class Running;

    // Whether a batch takes this row.
    static bool Eligible(const JobRow& job, bool selectedOnly);

    void FindCurrentRow();
    void cConvert_CurrentStatus(const QString& sStatus);
    void cConvert_Progress(int iProgress);
    void WriteStatus(const QString& status);
    void Finish(quint32 color);
    // Ends the current row as failed, with the reason (and the run's text) kept on it.
    void FailRow(const QString& reason, const QString& logPath = QString(),
                 const QString& tail = QString());
    void ShowOnce(bool& shown, const QString& text);
    // The position of the running job, for the time left and the row's tooltip.
    void TellProgress();
    QString OutputName(const QString& input);

    JobList& jobList_;
    Hooks hooks_;
    bool converting_ = false;
    bool stop_ = false;
    bool running_ = false;
    bool quietFailures_ = false;
    bool folderReported_ = false;
    bool parametersReported_ = false;
    QString currentFile_;
    int currentRow_ = -1;
    std::shared_ptr<CVideoConv> cConvert;
    Summary summary_;
    TimeLeft timeLeft_;
    QList<int> taken_;  // the rows the batch set out to convert, in order
};

}  // namespace reelwright
