#include "batch/BatchDriver.h"

#include "batch/RunLog.h"
#include "engine/CVideoConv.h"
#include "engine/DecodeCheck.h"
#include "engine/FieldLook.h"
#include "engine/MediaTracks.h"
#include "engine/Encoder.h"
#include "engine/UnendedProcesses.h"
#include "joblist/JobList.h"
#include "platform/Notifier.h"
#include "platform/PlayLength.h"
#include "platform/Yield.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cmath>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::BatchDriver)
};

// How long one wait for the encoders lasts before the window gets a turn.
constexpr int kWaitSliceMs = 20;

const QString kWaiting = QStringLiteral("Waiting Conversion");
const QString kCancelled = QStringLiteral("Cancelled");
const QString kError = QStringLiteral("Error");
const QString kComplete = QStringLiteral("Complete");

QString ConvertingError(const QString& file, const QString& reason) {
    //: %1 is the file's name; %2, on the next line, why it failed.
    return Text::tr("Error converting file: %1\r\n%2").arg(QFileInfo(file).fileName(), reason);
}

}  // namespace

// Holds the batch's state for exactly as long as it runs, however it ends.
class BatchDriver::Running {
  public:
    explicit Running(BatchDriver& driver) : driver_(driver) {
        driver_.running_ = true;
        driver_.converting_ = true;
        // Rows leave the list only through a removal, which waits for the batch.
        driver_.jobList_.SetLocked(true);
    }
    ~Running() {
        QObject::disconnect(driver_.watchingRows_);
        driver_.ReleaseHeldRows();
        driver_.cConvert.reset();
        driver_.jobs_.clear();
        driver_.converting_ = false;
        driver_.stop_ = false;
        driver_.jobList_.SetLocked(false);
        driver_.running_ = false;
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

  private:
    BatchDriver& driver_;
    // A failure's box holds no file: the others go on while it is up.
    Notifier::Unattended unattended_;
};

BatchDriver::BatchDriver(JobList& jobList, Hooks hooks, QObject* parent)
    : QObject(parent), jobList_(jobList), hooks_(std::move(hooks)) {}

BatchDriver::~BatchDriver() = default;

std::optional<float> BatchDriver::DurationSeconds(const QString& sDuration) {
    if (!sDuration.contains(u':')) {
        return 0.0F;
    }
    const QStringList parts = sDuration.split(u':');
    if (parts.size() < 3) {
        return std::nullopt;
    }
    double seconds = 0;
    const double weights[] = {3600, 60, 1};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const double value = QLocale::c().toDouble(parts[i].trimmed(), &ok);
        if (!ok) {
            return std::nullopt;
        }
        seconds += value * weights[i];
    }
    // A length no video has (or more than a float holds) is as good as none.
    if (!(std::fabs(seconds) <= kLongestPlaySeconds)) {
        return 0.0F;
    }
    return static_cast<float>(seconds);
}

bool BatchDriver::Eligible(const JobRow& job, Take take) {
    return (job.status == kWaiting || job.status == kCancelled) &&
           (take == Take::All || (take == Take::Checked && job.checkBox != 0) ||
            (take == Take::Interrupted && job.inBatch));
}

int BatchDriver::EligibleRows(Take take) const {
    return static_cast<int>(EligibleRowList(take).size());
}

QList<int> BatchDriver::EligibleRowList(Take take) const {
    QList<int> rows;
    const JobListStore* store = jobList_.Store();
    for (int row = 0; store && row < store->RecordCount(); ++row) {
        if (Eligible(store->Row(row), take)) {
            rows << row;
        }
    }
    return rows;
}

bool BatchDriver::RunBatch(Take take) {
    if (running_) {
        return false;  // one batch at a time, also while a stopped one unwinds
    }
    const Running running(*this);
    summary_ = Summary();
    folderReported_ = false;
    parametersReported_ = false;
    currentRow_ = -1;
    // What it sets out to convert, for the time left; ticks changed meanwhile may change it.
    take_ = take;
    taken_ = EligibleRowList(take);
    if (taken_.isEmpty()) {
        return false;
    }
    std::vector<double> lengths;
    for (const int row : taken_) {
        lengths.push_back(LengthOf(jobList_.Store()->Row(row)));
    }
    timeLeft_.Start(lengths);
    watchingRows_ =
        connect(jobList_.Store(), &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int first, int last) { RowsAdded(first, last); });
    // Looked for once: without it every file would fail the same way.
    const EncoderLocation encoder = LocateEncoder();
    if (!encoder.problem.isEmpty()) {
        Notifier::Current().Show(encoder.problem, MessageIcon::Error);
        return false;
    }
    const FormatParameters parameters = hooks_.parameters();
    const int atOnce = filesAtOnce_ > 0 ? filesAtOnce_
                                        : AutoFilesAtOnce(QThread::idealThreadCount(), lengths,
                                                          parameters.options.value_or(QString()));
    if (atOnce > 1) {
        RunSeveral(take, atOnce);
        return summary_.reachedEncoder;
    }
    for (int row = 0;; ++row) {
        if (stop_ || !jobList_.Store()) {
            break;
        }
        if (row >= jobList_.Store()->RecordCount()) {
            if (AwaitComingRows()) {
                --row;  // the same place again, once rows have come
                continue;
            }
            break;
        }
        const JobRow& job = jobList_.Store()->Row(row);
        if (!Eligible(job, take)) {
            continue;
        }
        currentFile_ = job.filePath;
        const QString duration = job.duration;
        FindCurrentRow();
        const QString output = OutputName(currentRow_, currentFile_);
        if (output.isEmpty()) {
            emit FileFinished(currentRow_);  // failed before it could start
            continue;
        }
        if (stop_) {
            break;  // a stop while the name was chosen
        }
        if (startCheck_ && !startCheck_(currentRow_, output)) {
            continue;
        }
        const NameReservation reserved(output);
        ConvertVideo(currentFile_, output, duration);
        emit FileFinished(currentRow_);
    }
    return summary_.reachedEncoder;
}

double BatchDriver::LengthOf(const JobRow& job) {
    return job.lengthSeconds > 0 ? job.lengthSeconds : DurationSeconds(job.duration).value_or(0);
}

int BatchDriver::AutoFilesAtOnce(int cores, const std::vector<double>& lengths,
                                 const QString& options) {
    if (cores < 2 || lengths.size() < 2) {
        return 1;
    }
    const int files = static_cast<int>(lengths.size());
    std::vector<double> sorted = lengths;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    // A short file's encoder spends much of its time starting and ending with a core idle: one
    // more file than cores keeps them all busy.
    if (median > 0 && median <= kShortFileSeconds) {
        return std::min({cores + 1, kMostFilesAtOnce, files});
    }
    // An encoder that works on threads still leaves a core idle now and then (its look-ahead,
    // the sound): a second file fills it, and more would only share the same cores. One that
    // keeps to a single core leaves the others to the next files.
    static const QRegularExpression kThreaded(QStringLiteral(
        "(libx264|libx265|libvpx-vp9|libaom-av1|libsvtav1|librav1e|h264_|hevc_|-row-mt)"));
    if (median <= 0 || kThreaded.match(options).hasMatch()) {
        return std::min(2, files);
    }
    return std::min({cores, kMostFilesAtOnce, files});
}

void BatchDriver::RunSeveral(Take take, int atOnce) {
    std::vector<std::unique_ptr<Slot>> places;
    int next = 0;  // the next row to look at, in display order
    for (;;) {
        // Fill the free places, in the list's order.
        while (static_cast<int>(places.size()) < atOnce && !stop_ && jobList_.Store() &&
               next < jobList_.Store()->RecordCount()) {
            const int row = next++;
            const JobRow& job = jobList_.Store()->Row(row);
            if (!Eligible(job, take)) {
                continue;
            }
            const QString file = job.filePath;
            const QString duration = job.duration;
            const QString output = OutputName(row, file);
            if (output.isEmpty()) {
                emit FileFinished(row);
                continue;
            }
            auto name = std::make_unique<NameReservation>(output);
            if (stop_) {
                break;
            }
            if (startCheck_ && !startCheck_(row, output)) {
                continue;
            }
            auto slot = PrepareFile(row, file, output, duration);
            if (!slot) {
                emit FileFinished(row);
                continue;
            }
            slot->name = std::move(name);
            if (!slot->job->Begin()) {
                FinishFile(*slot);  // ended at its start: stopped, or no encoder to start
                emit FileFinished(row);
                continue;
            }
            places.push_back(std::move(slot));
        }
        if (places.empty()) {
            if (AwaitComingRows()) {
                continue;
            }
            break;
        }
        // Wait for any of them to say something, the window getting its turn in between.
        std::vector<pollfd> outputs;
        for (const auto& slot : places) {
            if (const int fd = slot->check ? slot->check->OutputFd() : slot->job->OutputFd();
                fd >= 0) {
                outputs.push_back({fd, POLLIN, 0});
            }
        }
        if (!outputs.empty()) {
            ::poll(outputs.data(), outputs.size(), kWaitSliceMs);
        }
        for (auto it = places.begin(); it != places.end();) {
            Slot& slot = **it;
            const bool goesOn =
                slot.check ? slot.check->Pump(0) : slot.job->Pump(0) || BeginCheck(slot, false);
            if (goesOn) {
                ++it;
                continue;
            }
            const int row = slot.row;
            FinishFile(slot);
            it = places.erase(it);
            emit FileFinished(row);
        }
        Yield::Run();
        if (stop_) {
            for (const auto& slot : places) {
                slot->job->StopConversion();
                if (slot->check) {
                    slot->check->Stop();
                }
            }
        }
    }
}

QString BatchDriver::OutputName(int row, const QString& input) {
    const OutputPathResult result = hooks_.outputPath(input, hooks_.outputType());
    switch (result.problem) {
        case OutputPathResult::Problem::None:
            return result.path;
        case OutputPathResult::Problem::FolderUnavailable:
            ShowOnce(folderReported_, OutputFolderMessage());
            FailRow(row, input, result.Reason());
            break;
        case OutputPathResult::Problem::NoFreeName:
            FailRow(row, input, result.Reason());
            break;
    }
    return QString();
}

const QString BatchDriver::kWaitingNextBatch = QStringLiteral("Waiting Next Batch");

void BatchDriver::RowsAdded(int first, int last) {
    JobListStore* store = jobList_.Store();
    for (int row = first; store && row <= last && row < store->RecordCount(); ++row) {
        const JobRow& job = store->Row(row);
        if (!Eligible(job, Take::All) || taken_.contains(row)) {
            continue;
        }
        if (take_ == Take::All) {
            // Planned, timed and kept like the others, and converted after them.
            taken_ << row;
            timeLeft_.AddFile(LengthOf(job));
            emit Joined(row);
            emit Advanced();
            continue;
        }
        held_ << row;
        store->SetStatus(row, kWaitingNextBatch);
        store->SetProgressNote(row, Text::tr("Added while a batch of chosen files converts: the "
                                             "next batch converts it."));
    }
}

void BatchDriver::ReleaseHeldRows() {
    JobListStore* store = jobList_.Store();
    for (const int row : std::exchange(held_, {})) {
        if (store && row < store->RecordCount() && store->Row(row).status == kWaitingNextBatch) {
            store->SetStatus(row, kWaiting);
            store->SetProgressNote(row, QString());
        }
    }
}

bool BatchDriver::AwaitComingRows() {
    if (take_ != Take::All || stop_ || !rowsComing_ || !rowsComing_()) {
        return false;
    }
    Yield::Run();
    ::poll(nullptr, 0, kWaitSliceMs);
    return true;
}

void BatchDriver::RequestStop() {
    stop_ = true;
    if (waitingCheck_) {
        waitingCheck_->Stop();
    }
    for (const std::weak_ptr<CVideoConv>& running : jobs_) {
        if (const std::shared_ptr<CVideoConv> job = running.lock()) {
            job->StopConversion();
        }
    }
}

void BatchDriver::FindCurrentRow() {
    const JobListStore* store = jobList_.Store();
    currentRow_ = store ? store->FindFilePath(currentFile_) : -1;
}

void BatchDriver::ConvertVideo(const QString& origfile, const QString& outFile,
                               const QString& sDuration) {
    std::unique_ptr<Slot> slot = PrepareFile(currentRow_, origfile, outFile, sDuration);
    if (!slot) {
        return;
    }
    slot->job->StartConversion();
    BeginCheck(*slot, true);
    FinishFile(*slot);
}

std::unique_ptr<BatchDriver::Slot> BatchDriver::PrepareFile(int row, const QString& origfile,
                                                            const QString& outFile,
                                                            const QString& sDuration) {
    const std::optional<float> length = DurationSeconds(sDuration);
    if (!length) {
        //: %1 is a play length as the list shows it.
        FailRow(row, origfile, Text::tr("The play length \"%1\" cannot be read.").arg(sDuration));
        return nullptr;
    }
    const FormatParameters parameters = hooks_.parameters();
    if (!parameters.options) {
        //: %1, on the next line, is what is wrong with the format.
        ShowOnce(parametersReported_,
                 Text::tr("Error occured while getting paramters\r\n%1").arg(parameters.error));
        FailRow(row, origfile, parameters.error);
        return nullptr;
    }
    // Which of the source's tracks go in, and how: the format still decides the codecs.
    const QString type = QFileInfo(outFile).suffix();
    const MediaTracks tracks = MediaTracks::Read(origfile);
    TrackPlan plan =
        TrackPlan::Make(tracks, type, *parameters.options, trackChoice_,
                        [&origfile](int index) { return LookForFields(origfile, index); });
    if (const std::optional<QString>& refusal = plan.Refusal()) {
        if (!quietFailures_) {
            Notifier::Current().Show(ConvertingError(origfile, *refusal), MessageIcon::Error);
        }
        FailRow(row, origfile, *refusal);
        return nullptr;
    }
    QString error;
    // The result is written under a name of its own and named only once it is whole, so a
    // stopped or failed run leaves nothing that looks like a result.
    int lock = -1;
    QString noLock;
    const QString temporary = CreateTemporaryOutput(outFile, &error, &lock, &noLock);
    if (!noLock.isEmpty()) {
        TellNoLocks(QFileInfo(temporary).path(), noLock);
    }
    if (temporary.isEmpty()) {
        if (!quietFailures_) {
            Notifier::Current().Show(ConvertingError(origfile, error), MessageIcon::Error);
        }
        FailRow(row, origfile, error);
        return nullptr;
    }
    // The claim is on the disk before the encoder starts: the result is the row's only if the
    // file made here is found under a name the row may give it.
    if (ValidRow(row)) {
        ClaimRecord claim{temporary, outFile, {}, QDateTime::currentMSecsSinceEpoch()};
        struct stat made {};
        if ((lock >= 0 ? ::fstat(lock, &made) : ::stat(QFile::encodeName(temporary), &made)) == 0) {
            claim.identity = {static_cast<quint64>(made.st_dev), static_cast<quint64>(made.st_ino)};
        }
        jobList_.Store()->SetTracks(row, TrackReport());
        jobList_.Store()->SetClaim(row, claim);
        emit ClaimMade(row);
    }
    auto slot = std::make_unique<Slot>();
    slot->lock = lock;
    slot->row = row;
    slot->file = origfile;
    slot->output = outFile;
    slot->temporary = temporary;
    slot->index = static_cast<int>(taken_.indexOf(row));
    // Held here as well, so the job outlives its own StartConversion whatever replaces it.
    const auto job = std::make_shared<CVideoConv>();
    slot->job = job;
    jobs_.push_back(job);
    if (row == currentRow_) {
        cConvert = job;
    }
    CVideoConv* raw = job.get();
    connect(raw, &CVideoConv::CurrentStatus, this,
            [this, row, raw](const QString& status) { cConvert_CurrentStatus(row, raw, status); });
    connect(raw, &CVideoConv::Progress, this,
            [this, row, raw](int percent) { cConvert_Progress(row, raw, percent); });
    slot->options = *parameters.options;
    slot->length = *length;
    slot->plan = std::move(plan);
    QStringList attached;
    if (!slot->plan.Attachments().empty()) {
        slot->attachments = std::make_unique<QTemporaryDir>();
        for (const TrackPlan::Attachment& attachment : slot->plan.Attachments()) {
            QFile file(slot->attachments->filePath(QString::number(attached.size()) + u'-' +
                                                   attachment.fileName));
            if (file.open(QIODevice::WriteOnly) && file.write(attachment.bytes) == attachment.bytes.size() &&
                file.flush()) {
                attached << file.fileName();
            }
        }
    }
    job->SetInputFile(origfile);
    job->SetOutputFile(temporary);
    job->SetResultName(outFile);
    job->SetParametrs(slot->plan.Options(attached) + QStringLiteral(" -y"));
    job->SetFileTimeLength(*length);
    job->SetQuiet(quietFailures_);
    const JobListStore* store = jobList_.Store();
    if (store && row >= 0 && row < store->RecordCount()) {
        job->SetMediaLength(store->Row(row).lengthSeconds);
        slot->length = LengthOf(store->Row(row));
    }
    // A source that begins late may claim its length from zero; the encoder's clock starts at
    // its first picture, so what it plays is the length to reach (else a whole copy of a cut
    // recording ends as "ended early", and its bar stops short).
    const double plays = tracks.end - tracks.start;
    if (tracks.start > 0 && plays > 0 && plays + 1.0 < slot->length) {
        job->SetFileTimeLength(static_cast<float>(plays));
        job->SetMediaLength(plays);
        slot->length = plays;
    }
    if (stop_) {
        job->StopConversion();
    }
    // The whole text goes to a log as it arrives; the row keeps a tail of it.
    slot->log = std::make_unique<RunLog>(origfile, job->BuildCommandLine());
    RunLog* log = slot->log.get();
    TellLogTrouble(*log);
    job->SetTextSink([log](const QString& text) { log->Append(text); });
    timeLeft_.FileStarted(slot->index);
    emit FileStarted(row);
    return slot;
}

void BatchDriver::FinishFile(Slot& slot) {
    CVideoConv& job = *slot.job;
    jobs_.erase(std::remove_if(jobs_.begin(), jobs_.end(),
                               [&slot](const std::weak_ptr<CVideoConv>& running) {
                                   const auto held = running.lock();
                                   return !held || held == slot.job;
                               }),
                jobs_.end());
    if (cConvert == slot.job) {
        cConvert.reset();  // the job's text is not kept beyond its file
    }
    timeLeft_.FileEnded(slot.index);
    const QString tail = job.Transcript().Tail();
    summary_.reachedEncoder = summary_.reachedEncoder || job.EncoderStarted();
    RunLog& log = *slot.log;
    const int row = slot.row;

    switch (job.LastResult()) {
        case CVideoConv::Result::Converted: {
            if (slot.check && (slot.check->Stopped() || stop_)) {
                // Stopped while it was being checked: nothing unchecked takes a name.
                QFile::remove(slot.temporary);
                log.Finish(kCancelled, QString(), QString());
                ++summary_.cancelled;
                WriteStatus(row, kCancelled);
                Finish(row, kFailureColor);
                if (JobListStore* rows = jobList_.Store(); rows && row >= 0) {
                    rows->SetOutcome(row, QString(), QString(), log.Path(), tail);
                }
                break;
            }
            if (slot.failure.isEmpty() && slot.check) {
                slot.failure = slot.check->Failure(slot.output, slot.length, slot.options)
                                   .value_or(QString());
            }
            if (!slot.failure.isEmpty()) {
                QFile::remove(slot.temporary);
                log.Finish(kError, QString(), slot.failure);
                FailRow(row, slot.file, slot.failure, log.Path(), tail);
                break;
            }
            QString error;
            const QString given = ClaimOutput(
                slot.temporary, slot.output,
                [this, &slot] { return hooks_.outputPath(slot.file, hooks_.outputType()).path; },
                &error);
            if (given.isEmpty()) {
                // A file under a hidden name is no result anybody would find.
                QFile::remove(slot.temporary);
                log.Finish(kError, QString(), error);
                FailRow(row, slot.file, error, log.Path(), tail);
                break;
            }
            if (keepDates_) {
                KeepDate(slot.file, given);
            }
            log.Finish(kComplete, given, QString(), slot.report.Sentence());
            ++summary_.converted;
            if (JobListStore* rows = jobList_.Store(); rows && row >= 0) {
                rows->SetTracks(row, slot.report);
            }
            WriteStatus(row, kComplete);
            Finish(row, kSuccessColor);
            if (JobListStore* rows = jobList_.Store(); rows && row >= 0) {
                rows->SetOutcome(row, QString(), given, log.Path(), tail);
            }
            break;
        }
        case CVideoConv::Result::Cancelled:
            // An encoder that has not ended may still write, on a share that may not answer.
            if (const qint64 pid = job.UnendedPid()) {
                UnendedProcesses::RemoveWhenEnded(pid, slot.temporary);
            } else {
                QFile::remove(slot.temporary);
            }
            log.Finish(kCancelled, QString(), job.Reason());
            ++summary_.cancelled;
            WriteStatus(row, kCancelled);
            Finish(row, kFailureColor);
            if (JobListStore* rows = jobList_.Store(); rows && row >= 0) {
                rows->SetOutcome(row, job.Reason(), QString(), log.Path(), tail);
            }
            break;
        case CVideoConv::Result::Failed:
        case CVideoConv::Result::NotRun:
            QFile::remove(slot.temporary);
            log.Finish(kError, QString(), job.Reason());
            FailRow(row, slot.file, job.Reason(), log.Path(), tail);
            break;
    }
    if (ValidRow(row)) {
        jobList_.Store()->SetClaim(row, std::nullopt);  // the outcome stands in its place
    }
    TellLogTrouble(log);
}

bool BatchDriver::BeginCheck(Slot& slot, bool wait) {
    if (slot.job->LastResult() != CVideoConv::Result::Converted || slot.check) {
        return false;
    }
    // Before it takes its name: the tracks promised are there, of the right kinds.
    const MediaTracks result = MediaTracks::Read(slot.temporary);
    if (const std::optional<QString> problem = slot.plan.Check(result, slot.output)) {
        slot.failure = *problem;
        return false;
    }
    slot.report = slot.plan.ReportFor(result);
    if (!checkByDecoding_ || stop_) {
        return false;
    }
    slot.check = std::make_unique<DecodeCheck>();
    if (stop_) {
        slot.check->Stop();
    }
    if (JobListStore* store = jobList_.Store(); store && ValidRow(slot.row)) {
        store->SetProgressNote(slot.row, Text::tr("Checking the result by decoding it"));
    }
    if (wait) {
        waitingCheck_ = slot.check.get();
        slot.check->Run(slot.temporary);
        waitingCheck_ = nullptr;
        return false;
    }
    return slot.check->Begin(slot.temporary);
}

void BatchDriver::KeepDate(const QString& source, const QString& result) {
    struct stat original {};
    if (::stat(QFile::encodeName(source).constData(), &original) != 0) {
        return;
    }
    const timespec times[2] = {original.st_atim, original.st_mtim};
    ::utimensat(AT_FDCWD, QFile::encodeName(result).constData(), times, 0);
}

void BatchDriver::TellNoLocks(const QString& folder, const QString& why) {
    if (noLocksTold_) {
        return;  // once: every folder without locks means the same
    }
    noLocksTold_ = true;
    Notifier::Current().Tell(
        //: %1 is a folder, %2 the system's reason. Keep the file name .reelwright-nolock-...
        Text::tr("The folder %1 does not keep file locks (%2). Converting into it goes on, but "
                 "another copy of Reelwright cannot tell whether the hidden file being written "
                 "there is still being written, so it never removes it: should a copy be ended "
                 "while it converts into this folder, remove the hidden .reelwright-nolock-... "
                 "file it leaves by hand, once no copy is converting there.")
            .arg(QDir::toNativeSeparators(folder), why),
        MessageIcon::Warning);
}

void BatchDriver::TellLogTrouble(const RunLog& log) {
    if (!log.Problem().isEmpty() && !logTroubleTold_) {
        logTroubleTold_ = true;
        emit LogsUnwritable(log.Problem());
    }
}

BatchDriver::Slot::~Slot() {
    if (lock >= 0) {
        ::close(lock);
    }
}

bool BatchDriver::ValidRow(int row) const {
    const JobListStore* store = jobList_.Store();
    return store && row >= 0 && row < store->RecordCount();
}

void BatchDriver::FailRow(int row, const QString& file, const QString& reason,
                          const QString& logPath, const QString& tail) {
    ++summary_.failed;
    summary_.failedFiles << file;
    WriteStatus(row, kError);
    Finish(row, kFailureColor);
    if (ValidRow(row)) {
        jobList_.Store()->SetOutcome(row, reason, QString(), logPath, tail);
    }
}

void BatchDriver::ShowOnce(bool& shown, const QString& text) {
    if (!shown && !quietFailures_) {
        Notifier::Current().Show(text, MessageIcon::Error);
    }
    shown = true;
}

void BatchDriver::cConvert_CurrentStatus(int row, const CVideoConv* job, const QString& sStatus) {
    if (converting_) {
        WriteStatus(row, sStatus);
        TellProgress(row, job);
    }
}

void BatchDriver::cConvert_Progress(int row, const CVideoConv* job, int iProgress) {
    if (converting_) {
        WriteStatus(row, QString::number(iProgress));
        TellProgress(row, job);
    }
}

void BatchDriver::TellProgress(int row, const CVideoConv* job) {
    JobListStore* store = jobList_.Store();
    if (!job || !ValidRow(row)) {
        return;
    }
    const int index = static_cast<int>(taken_.indexOf(row));
    if (const std::optional<double> position = job->Transcript().LastTime()) {
        timeLeft_.Position(index, *position, job->Transcript().LastSpeed());
    }
    QString note;
    const auto add = [&note](const QString& part) {
        //: Joins the parts of a note on a converting file: "1:20 left for this file, 2.5x real
        //: time".
        note = note.isEmpty() ? part : Text::tr("%1, %2").arg(note, part);
    };
    if (const std::optional<double> left = timeLeft_.FileSecondsLeft(index)) {
        //: %1 is a time, such as 1:20.
        add(Text::tr("%1 left for this file").arg(TimeLeft::ClockText(*left)));
    }
    if (const std::optional<double> left = timeLeft_.BatchSecondsLeft();
        left && timeLeft_.FileCount() > 1) {
        // A file that has only just started has no time of its own yet; the batch's is said.
        const QString clock = TimeLeft::ClockText(*left);
        if (note.isEmpty()) {
            //: %1 is a time, such as 1:20.
            add(Text::tr("%1 left for the batch").arg(clock));
        } else {
            //: Follows "1:20 left for this file, ": %1 is a time, such as 12:40.
            add(Text::tr("%1 for the batch").arg(clock));
        }
    }
    if (const std::optional<double> speed = timeLeft_.Speed(index)) {
        //: %1 is how many times faster than playing the file converts, such as 2.5.
        add(Text::tr("%1x real time").arg(*speed, 0, 'f', 1));
    }
    store->SetProgressNote(row, note);
    emit Advanced();
}

void BatchDriver::WriteStatus(int row, const QString& status) {
    if (ValidRow(row)) {
        jobList_.Store()->SetStatus(row, status);
    }
}

void BatchDriver::Finish(int row, quint32 color) {
    if (ValidRow(row)) {
        jobList_.Store()->SetTextColor(row, JobRow::Status, color);
    }
}

}  // namespace reelwright
