#pragma once

#include "batch/BatchDriver.h"
#include "conversion/OutputNaming.h"
#include "conversion/ResultClaim.h"
#include "cli/CliFormat.h"
#include "cli/CliInput.h"
#include "cli/CliInputs.h"
#include "cli/CliOptions.h"
#include "cli/CliReport.h"
#include "cli/StandIns.h"
#include "joblist/JobList.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTextStream>
#include <QTimer>

#include <map>
#include <memory>

class QEventLoop;

namespace reelwright {

// The converter without a window: the window's probe, naming, temporary names and judgement,
// over the window's saved choices and catalogues, with one line per file on the output.
class CommandLineConverter : public QObject {
    Q_OBJECT

  public:
    // `progress` receives a live percentage (a terminal), or nothing when null.
    CommandLineConverter(QTextStream& out, QTextStream& err, QTextStream* progress);
    ~CommandLineConverter() override;

    // Runs the options to their end and answers the exit status.
    int Run(const CliOptions& options);
    // Ends the run (a signal): the file converting stops, no other starts, and Run answers
    // 128 + the signal's number.
    void Stop(int signal);

    // Stops the run as soon as whoever reads `fd` (a pipe) goes away, not only at the next line.
    void WatchOutput(int fd);
    // The signal that ended the run, or 0.
    int StoppedBy() const { return signal_; }

  private:
    // The window's saved choices and the options over them: the format, where the results go
    // and how the batch runs; false, once said why, when the format cannot be used.
    bool Choose(const CliOptions& options);
    QString OutputType() const { return format_.OutputType(); }
    // Adds the files and tells what became of those that will not be converted.
    void AddInputs(const QList<CliInput>& inputs);
    // Queues a file added, or tells why it is not to be converted (unreadable, or done).
    void Enqueue(int row, CliReport::Entry entry);
    // Tells what a run would do with the files added, and does none of it.
    void DryRun();
    // With --estimate: the size and time of a row's conversion into `output`, in its entry (a
    // failed one, saying why, when there is none).
    void Estimate(int row, const QString& output, CliReport::Entry* entry);
    // Converts the files added, and tells of those the batch did not reach.
    void Convert();
    // Adds `inputs` a few at a time while the first ones convert; those a stop leaves unread
    // are told as stopped.
    void ConvertAsAdded(const QList<CliInput>& inputs);
    // The next few inputs still to be read, added; none while an add is under way.
    void AddSome();
    // Between the batch's turns: the next few inputs read ahead, and added once read.
    void FeedSome();
    // Takes the live percentage off the terminal's last line, before a line is told.
    void ClearProgressLine();
    // Converts what appears in a folder until the run is stopped.
    int Watch(const QString& watched);
    // Waits, the signals being heard meanwhile, unless the run is stopped.
    void Pause(int ms);
    // A new, empty list for the next files.
    void StartAfresh();
    // Removes what killed runs left in the output folder.
    void Tidy();
    int Finish();

    // Whether a row's file starts, by the claim the batch took on its plain result name.
    bool MayStart(int row, const ResultClaim* claim);
    // The result already made from `input` into the output folder, if there is one.
    QByteArray ConvertedResult(const QString& input) const;
    // With --skip-existing, ends the row as done when its input's result is there.
    bool SkipConverted(int row, CliReport::Entry entry);
    void TellNoClaims(const QString& folder, const QString& problem);
    static QList<CliInput> WithoutResults(const QList<CliInput>& inputs);
    void FileStarted(int row);
    void FileFinished(int row);
    void StatusChanged(const QModelIndex& cell);
    // Progress objects for the running files, each at most once a second, never at 100%.
    void TellProgress();
    // The one progress object at 100% that ends a file converted.
    void TellDone(int row, qint64 elapsed);
    // How far a running file has come, once the encoder has said; `elapsed` since its start.
    std::optional<CliReport::Progress> ProgressOf(int row, qint64 elapsed) const;
    // A file's length in seconds, 0 when unknown.
    static double LengthOf(const JobRow& job);
    QString Counter(int row) const;
    int ExitStatus() const;
    // A write to a closed output ends the run as a signal would (SIGPIPE).
    void CheckOutput();
    void Tell(int row, CliReport::Entry entry);
    // An entry for the file a path of the list names, as the user named it.
    CliReport::Entry EntryOf(const QString& path) const;
    // The name of the result `input`'s conversion would take if nothing but the input were in
    // the way; empty when there is none.
    QByteArray PlainResult(const QString& input) const;
    // A converted file's result under its own name, if its input's name is not UTF-8.
    void GiveOwnName(const QString& input, CliReport::Entry* entry);

    QTextStream& out_;
    QTextStream& err_;
    QTextStream* progress_;
    JobList jobList_;
    StandIns standIns_;  // the names that are not UTF-8, which the list holds as links
    CliInputs inputs_;
    CliFormat format_;
    OutputFolderChoice folder_;
    BatchDriver batch_;
    std::unique_ptr<CliReport> report_;
    bool skipExisting_ = false;
    bool estimate_ = false;
    bool tellProgress_ = false;
    QList<CliInput> pending_;  // inputs not yet read, for a batch that has begun
    bool adding_ = false;
    QStringList readingAhead_;  // the next inputs' names, read ahead before they are added
    QList<int> queue_;  // the rows to convert, in order
    QList<int> taken_;  // the rows the batch takes, in its order
    QSet<int> told_;    // the rows whose line has been written
    QHash<int, QElapsedTimer> clocks_;  // each running file's own, from its start
    QHash<int, qint64> lastTold_;       // when each running file's progress was last told
    QSet<QString> claimsUnavailable_;  // folders where no claim can be made, told once
    QEventLoop* pause_ = nullptr;
    QTimer* outputWatch_ = nullptr;
    int signal_ = 0;
};

}  // namespace reelwright
