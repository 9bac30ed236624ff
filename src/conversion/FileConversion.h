#pragma once

#include "conversion/ResultClaim.h"
#include "conversion/SourceAhead.h"
#include "engine/SourceFacts.h"
#include "joblist/JobRow.h"
#include "plan/TrackPlan.h"
#include "plan/TrackReport.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

namespace reelwright {

class CVideoConv;
class DecodeCheck;
class LoudnessLook;
class PassLogs;
class SizeFitting;
class RunLog;

// One file's life, from its source to its named result: the facts about the source gathered,
// the plan made from them, the hidden result made and claimed, the encoder run, the result
// checked against the plan (and decoded, when asked), named, dated and logged. It knows no rows
// and no window: the batch and the command line both drive it, and are told what became of it.
class FileConversion : public QObject {
    Q_OBJECT

  public:
    struct Request {
        QString source;
        QString output;  // the name its result is to take
        QString options;         // the format's
        float playLength = 0;    // seconds, as the list shows them (0: unknown)
        double mediaLength = 0;  // seconds, as the media library reads them (0: unknown)
        TrackPlan::Choice tracks = TrackPlan::Choice::Every;
        bool checkByDecoding = false;
        bool keepDates = false;
        bool quiet = false;  // failures are kept, not shown in boxes
        std::optional<double> loudness;  // LUFS every kept sound track is evened to
        qint64 maxSize = 0;  // bytes the result may take at most (0: any)
        bool smallerToFit = false;  // the picture made smaller when it cannot fit as it is
        bool removeBars = false;    // black bars around the picture removed, when certain
        bool sidecars = true;       // subtitle files beside the source join its result
        // Another name for the result when the one chosen was taken meanwhile.
        std::function<QString()> nextName;
        // The source's facts, read ahead while another file converted; read here when none.
        std::optional<SourceFacts> facts;
    };
    // What the plan of `request` is made from.
    static FactsWanted Wanted(const Request& request);

    enum class Ending { Complete, Failed, Cancelled };
    struct Outcome {
        Ending ending = Ending::Failed;
        QString result;  // the name the result took
        QString reason;  // why it failed or was cancelled
        QString logPath;
        QString tail;  // the last of the encoder's text
        TrackReport report;
    };

    // `claim`, when given, is the claim on the result's plain name (the one nothing but its own
    // input would be in the way of), held while the file converts so that runs beside this one
    // see it is being converted; let go when the file ends.
    explicit FileConversion(Request request, std::unique_ptr<ResultClaim> claim = nullptr,
                            QObject* parent = nullptr);
    ~FileConversion() override;

    // Everything before the encoder starts: the facts, the plan, the hidden result, the job and
    // its log. False when the file has already ended (Result() says why: the format cannot be
    // written, or no hidden file be made).
    bool Prepare();
    // The part of it that writes nothing: the facts and the plan (false when the file is
    // refused; Result() says why). Then the options the encoder would be given, and what the
    // encoding costs against one pass.
    bool Plan();
    QString PlannedOptions() const;
    // The options of each pass, the first pass's log named from `prefix`: the planned options
    // alone when it is encoded in one.
    QStringList PlannedPasses(const QString& prefix) const;
    double EncodingCost() const;
    // The encoder's part, to its end with the window kept alive.
    void Run();
    // The same a piece at a time, beside other files: Begin (false when it ended at its start),
    // then Pump until it answers false; OutputFd is what to wait on meanwhile.
    bool Begin();
    bool Pump();
    int OutputFd() const;
    void Stop();
    // The result checked, named, dated and logged, once the encoder (and the check) ended.
    const Outcome& Finish();
    const Outcome& Result() const { return outcome_; }

    const Request& Given() const { return request_; }
    const CVideoConv* Job() const { return job_.get(); }
    bool ReachedEncoder() const;
    // Whether the sound is being measured, before the encoder starts.
    bool MeasuringSound() const { return look_ && !measured_; }
    // The length the encoder is to reach, seconds.
    double Length() const { return length_; }
    // Why its log could not be written, if it could not.
    QString LogProblem() const;
    // Why the result's folder keeps no locks, when it keeps none.
    const QString& NoLocks() const { return noLock_; }

  signals:
    // The hidden result is made, before the encoder starts: whoever keeps a list writes the
    // claim now, so that after a crash the result can be told for its own.
    void ResultMade(const ClaimRecord& claim);
    void CurrentStatus(const QString& status);
    void Progress(int percent);
    // The result is being decoded to be checked.
    void Checking();
    // The sound is being measured before its loudness is evened.
    void Measuring();

  private:
    // The format's options made to fit the size asked for; false when the file cannot fit.
    bool FitSize();
    // The plan made anew from the facts and options as they now stand.
    void Replan();
    // A result over the size asked for is encoded again at a lower rate while encodes are left
    // (true), or fails.
    bool EncodeSmaller(bool wait);
    // Sets the sound's measuring up when its loudness is to be evened.
    void PrepareMeasuring();
    // The next measuring run, of `sounds`, and its share of the progress.
    void MeasureNext(const std::vector<SoundToMeasure>& sounds);
    void ConnectLog(LoudnessLook& look);
    // Once a measuring run has ended: the plan made again with what was read, then another
    // run (a limiter's settings to try), the encoder, or the end (it could not be measured).
    enum class AfterMeasure { Measure, Encode, End };
    AfterMeasure AfterMeasuring();
    // The same for a run a piece at a time: false when the file has ended.
    bool MeasuringEnded();
    bool MakeResultFile();
    void PrepareJob();
    // A first pass before the encode, when the picture is fitted to a size in two.
    void PrepareFirstPass();
    // The plan's options given to the encode (and its first pass).
    void SetEncodeOptions();
    // The command the encoding starts with: its first pass, when it has one.
    QString FirstCommand() const;
    // Where a percent of an encoding run lands on the file's bar.
    int Overall(int percent, bool firstPass) const;
    bool InFirstPass() const { return firstPass_ && !firstPassDone_; }
    // Starts the encoding (its first pass first); false when the file has ended.
    bool BeginEncoding();
    // Once the first pass has ended: true when the encode is to run (or end at its start, as
    // stopped); false when the pass failed, and the file with it.
    bool AfterFirstPass();
    bool FirstPassEnded();
    void StopEncoding();
    void WriteAttachments(QStringList& paths);
    void WriteSidecars();
    QString WriteAside(const QString& name, const QByteArray& bytes);
    QStringList SidecarsBeside() const;
    // Once the encoder has ended: the result is checked against the plan, and, when asked,
    // decoding it begins. True while that decoding goes on; `wait` runs it to its end instead.
    bool BeginCheck(bool wait);
    void FinishConverted();
    void FinishCancelled();
    void Fail(const QString& reason);
    void KeepDate() const;
    // Removes the hidden result, only while its name is still the file made here.
    void RemoveResult() const;
    // The descriptor the hidden result was made through (-1: none is held).
    int ResultFd() const { return lock_ >= 0 ? lock_ : unlocked_; }

    Request request_;
    std::unique_ptr<ResultClaim> claim_;
    TrackPlan plan_;
    MediaTracks source_;  // what the plan was made from, to tell the result's changes by
    double length_ = 0;
    QString temporary_;
    int lock_ = -1;      // held on the hidden result while it is written
    int unlocked_ = -1;  // the hidden result's descriptor where the folder keeps no locks
    // The same file opened anew for the encoder: it inherits this one, never the one that holds
    // the lock, so the lock ends with this program, not with an encoder that outlives it a moment.
    int encoderFd_ = -1;
    QString noLock_;
    QByteArray sourceProof_;      // which source the result is made from
    bool proofOnResult_ = false;  // kept on the result itself, so no record is needed
    std::shared_ptr<CVideoConv> job_;
    std::unique_ptr<CVideoConv> firstPass_;  // of two, when a size is fitted so
    std::unique_ptr<PassLogs> passLogs_;     // the first pass's log files
    bool firstPassDone_ = false;
    std::unique_ptr<RunLog> log_;
    std::unique_ptr<QTemporaryDir> attachments_;  // files the encoder reads: attachments, sidecars
    TrackReport report_;                          // what the result holds, once checked
    QString failure_;                             // why the result is not whole
    std::unique_ptr<DecodeCheck> check_;          // while it is decoded to be checked
    std::unique_ptr<LoudnessLook> look_;          // the sound's measuring, when it is evened
    SourceFacts facts_;                           // kept to plan again
    QString options_;                             // the format's, made to fit a size if asked
    std::unique_ptr<SizeFitting> fitting_;
    qint64 size_ = 0;                             // the result's, once it is made
    QStringList attached_;                        // the attachments' paths
    QStringList sidecarCopies_;  // the subtitle files beside the source, as the encoder reads them
    bool measured_ = false;
    int trials_ = 0;  // a limiter's settings tried so far
    int measuringShare_ = 0;  // percent of the progress the measuring takes
    QString earlyFailure_;  // why the file ended before its encode: measuring, a first pass
    QString earlyTail_;
    bool stopped_ = false;
    Outcome outcome_;
};

}  // namespace reelwright
