#pragma once

#include "conversion/FileConversion.h"
#include "conversion/OutputNaming.h"
#include "batch/TimeLeft.h"
#include "plan/TrackPlan.h"
#include "formats/FormatChoice.h"
#include "joblist/JobRow.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace reelwright {

class CVideoConv;
class JobList;

// Converts the eligible rows of the job list one after another and writes each job's events
// into its row. The walk itself knows nothing of the window; it asks for the format and the
// output names through the hooks.
class BatchDriver : public QObject {
    Q_OBJECT

  public:
    // Darker than the design's green (113, 177, 98): 4.6:1 against white, where that was 2.6:1.
    static constexpr quint32 kSuccessColor = Rgb(76, 129, 64);
    static constexpr quint32 kLightSuccessColor = Rgb(113, 177, 98);  // in lists kept before
    static constexpr quint32 kFailureColor = Rgb(220, 10, 10);

    struct Hooks {
        std::function<QString()> outputType;  // the chosen format's file extension
        std::function<OutputPathResult(const QString& input, const QString& type)> outputPath;
        std::function<FormatParameters()> parameters;
        // The name a file's result takes when nothing but its own input is in the way: claimed
        // while the file converts, so that other runs into the same folder see it. None: no
        // claims.
        std::function<QString(const QString& input, const QString& type)> plainOutput = {};
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

    // Which of the waiting or cancelled rows a batch takes: all, the checked ones, or those of
    // the batch the program last ended in.
    enum class Take { All, Checked, Interrupted };
    // Converts the rows waiting or cancelled (and checked, with `selectedOnly`). True when at
    // least one file reached the encoder.
    bool RunBatch(bool selectedOnly) { return RunBatch(selectedOnly ? Take::Checked : Take::All); }
    bool RunBatch(Take take);
    // Ends the batch: no further file starts, and the one converting stops.
    void RequestStop();
    bool StopRequested() const { return stop_; }
    // True from the start of RunBatch until it ends.
    bool IsConverting() const { return converting_; }
    // True while a batch is on the stack, also while a stopped one unwinds.
    bool IsRunning() const { return running_; }
    // The rows a batch would take now.
    int EligibleRows(bool selectedOnly) const {
        return EligibleRows(selectedOnly ? Take::Checked : Take::All);
    }
    int EligibleRows(Take take) const;
    // Those rows, in order.
    QList<int> EligibleRowList(Take take) const;
    // Whether a batch takes this row.
    static bool Eligible(const JobRow& job, Take take);
    // What the last batch did.
    const Summary& LastSummary() const { return summary_; }

    // How many files convert at once: 1 is one after another, 0 lets the batch choose from the
    // cores, the lengths and the format (AutoFilesAtOnce).
    void SetFilesAtOnce(int count) { filesAtOnce_ = std::max(0, count); }
    int FilesAtOnce() const { return filesAtOnce_; }
    static constexpr int kMostFilesAtOnce = 8;
    // Files this short convert several at once even with an encoder that works on threads.
    static constexpr double kShortFileSeconds = 20;
    // How many files at once are fastest: one more than the cores for short files, as many as
    // the cores for an encoder that keeps to one core, two otherwise; one on one core.
    static int AutoFilesAtOnce(int cores, const std::vector<double>& lengths,
                               const QString& options);

    // Failures are kept on their rows instead of being shown one by one in message boxes.
    void SetQuietFailures(bool quiet) { quietFailures_ = quiet; }
    // Every audio and subtitle track of a source is kept, or one of each kind.
    void SetTrackChoice(TrackPlan::Choice choice) { trackChoice_ = choice; }
    TrackPlan::Choice TrackChoice() const { return trackChoice_; }
    // Each result is decoded end to end before it takes its name, and fails on any error.
    void SetCheckByDecoding(bool check) { checkByDecoding_ = check; }
    // Each result takes its source's modification time.
    void SetKeepDates(bool keep) { keepDates_ = keep; }
    // Every kept sound track evened to this loudness (LUFS); none: left as it is.
    void SetLoudness(std::optional<double> lufs) { loudness_ = lufs; }
    // The most bytes each result may take (0: any).
    void SetMaxSize(qint64 bytes) { maxSize_ = bytes; }
    // A picture that cannot fit as it is made smaller in steps until it can.
    void SetSmallerToFit(bool smaller) { smallerToFit_ = smaller; }
    // Black bars around the picture removed, where every look through the file agrees on them.
    void SetRemoveBars(bool remove) { removeBars_ = remove; }
    // Subtitle files beside each video join its result (film.en.srt beside film.mkv).
    void SetSidecars(bool join) { sidecars_ = join; }
    // What a row's file would be converted with, its result named `output`: none when the
    // format's options or the row's length cannot be had.
    std::optional<FileConversion::Request> RequestFor(int row, const QString& output) const;
    // Asked just before a row's file starts, with the name its result is given and the claim on
    // its plain name (none without claims): false leaves the row as it is, to whoever said so
    // (another run is converting that file, say).
    using StartCheck =
        std::function<bool(int row, const QString& output, const ResultClaim* claim)>;
    void SetStartCheck(StartCheck check) { startCheck_ = std::move(check); }

    // Rows added while a batch runs: one that takes every waiting row takes them too, after the
    // others, timed and kept with it (Joined); one of the checked rows, or one resumed, leaves
    // them for the next batch, their rows saying so until it ends. While `coming` answers true
    // (an add is still bringing rows), a batch of every row that has run out of rows waits for
    // them.
    void SetRowsComing(std::function<bool()> coming) { rowsComing_ = std::move(coming); }
    static const QString kWaitingNextBatch;
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
    // A row's claim on its result's name has been made, before its encoder starts: whoever
    // keeps the list writes it now, so that after a crash the result can be told for its own.
    void ClaimMade(int row);
    // The encoder's text cannot be kept in a log (told once; the conversions go on).
    void LogsUnwritable(const QString& why);
    // The running file moved on: Progress() has news.
    void Advanced();
    // A row added meanwhile has joined the running batch: whoever keeps the list keeps it so.
    void Joined(int row);

  private:
    class Running;
    // One file on its way: its row, its place among the files taken, its name and its life.
    struct Slot {
        int row = -1;
        int index = -1;  // among the files the batch set out to convert
        std::unique_ptr<FileConversion> file;
        std::unique_ptr<NameReservation> name;  // kept from the name's choice to the file's end
    };

    static double LengthOf(const JobRow& job);
    bool ValidRow(int row) const;

    // Several files at once, each starting as a place comes free.
    void RunSeveral(Take take, int atOnce);
    // Everything before the encoder starts; none when the row has already ended (failed).
    std::unique_ptr<Slot> PrepareFile(int row, const QString& origfile, const QString& outFile,
                                      const QString& sDuration,
                                      std::unique_ptr<ResultClaim> claim = nullptr);
    // The file's life for a row, its events written into the row.
    FileConversion::Request RequestFor(int row, const QString& source, const QString& output,
                                       const QString& options, float length) const;
    std::unique_ptr<FileConversion> StartFile(int row, const QString& origfile,
                                              const QString& outFile, float length,
                                              const QString& options,
                                              std::unique_ptr<ResultClaim> claim);
    // The claim on a file's plain result name; none without claims.
    std::unique_ptr<ResultClaim> ClaimResult(const QString& input);
    // Converts one file with its claim, its final status and colour left in its row.
    void ConvertFile(const QString& origfile, const QString& outFile, const QString& sDuration,
                     std::unique_ptr<ResultClaim> claim);
    // The row's final status, result and log, once its file has ended.
    void FinishFile(Slot& slot);

    void FindCurrentRow();
    void cConvert_CurrentStatus(int row, const CVideoConv* job, const QString& sStatus);
    void cConvert_Progress(int row, const CVideoConv* job, int iProgress);
    void WriteStatus(int row, const QString& status);
    void Finish(int row, quint32 color);
    // Ends a row as failed, with the reason (and the run's text) kept on it.
    void FailRow(int row, const QString& file, const QString& reason,
                 const QString& logPath = QString(), const QString& tail = QString());
    void ShowOnce(bool& shown, const QString& text);
    // Says once, for the program's life, that the encoder's text cannot be kept.
    void TellLogTrouble(const QString& problem);
    // Says once, in a box that does not hold the batch, what a folder without locks means.
    void TellNoLocks(const QString& folder, const QString& why);
    // A running job's position, for the time left and its row's tooltip.
    void TellProgress(int row, const CVideoConv* job);
    QString OutputName(int row, const QString& input);
    // Rows the list gained while the batch runs.
    void RowsAdded(int first, int last);
    // The rows left for the next batch are waiting again.
    void ReleaseHeldRows();
    // Whether a batch that has run out of rows is to wait for those an add still brings; after
    // one wait.
    bool AwaitComingRows();
    // Reads ahead the facts of the first row after `row` the batch will take, while encoders
    // work.
    void GatherAhead(int row);

    JobList& jobList_;
    Hooks hooks_;
    bool converting_ = false;
    bool stop_ = false;
    bool running_ = false;
    bool quietFailures_ = false;
    bool folderReported_ = false;
    bool logTroubleTold_ = false;
    TrackPlan::Choice trackChoice_ = TrackPlan::Choice::Every;
    bool checkByDecoding_ = false;
    bool keepDates_ = false;
    std::optional<double> loudness_;
    qint64 maxSize_ = 0;
    bool smallerToFit_ = false;
    bool removeBars_ = false;
    bool sidecars_ = true;
    bool noLocksTold_ = false;
    bool parametersReported_ = false;
    QString currentFile_;
    int currentRow_ = -1;
    std::vector<FileConversion*> files_;  // every file converting
    int filesAtOnce_ = 1;
    StartCheck startCheck_;
    Summary summary_;
    TimeLeft timeLeft_;
    QList<int> taken_;  // the rows the batch set out to convert, in order
    Take take_ = Take::All;
    QList<int> held_;  // rows added meanwhile that wait for the next batch
    QMetaObject::Connection watchingRows_;
    std::function<bool()> rowsComing_;
    SourceAhead ahead_;
};

}  // namespace reelwright
