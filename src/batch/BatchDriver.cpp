#include "batch/BatchDriver.h"

#include "engine/CVideoConv.h"
#include "engine/Encoder.h"
#include "joblist/JobList.h"
#include "platform/Notifier.h"
#include "platform/PlayLength.h"
#include "platform/Yield.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cmath>

#include <poll.h>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::BatchDriver)
};

// How long one wait for the encoders lasts before the window gets a turn.
constexpr int kWaitSliceMs = 20;

const QString kWaiting = QStringLiteral("Waiting Conversion");
const QString kCancelled = QStringLiteral("Cancelled");
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
        driver_.files_.clear();
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
        const NameReservation reserved(output);
        std::unique_ptr<ResultClaim> claim = ClaimResult(currentFile_);
        if (startCheck_ && !startCheck_(currentRow_, output, claim.get())) {
            continue;
        }
        ConvertFile(currentFile_, output, duration, std::move(claim));
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
            std::unique_ptr<ResultClaim> claim = ClaimResult(file);
            if (startCheck_ && !startCheck_(row, output, claim.get())) {
                continue;
            }
            auto slot = PrepareFile(row, file, output, duration, std::move(claim));
            if (!slot) {
                emit FileFinished(row);
                continue;
            }
            slot->name = std::move(name);
            if (!slot->file->Begin()) {
                FinishFile(*slot);  // ended at its start: stopped, or no encoder to start
                emit FileFinished(row);
                continue;
            }
            places.push_back(std::move(slot));
        }
        GatherAhead(next - 1);
        if (places.empty()) {
            if (AwaitComingRows()) {
                continue;
            }
            break;
        }
        // Wait for any of them to say something, the window getting its turn in between.
        std::vector<pollfd> outputs;
        for (const auto& slot : places) {
            if (const int fd = slot->file->OutputFd(); fd >= 0) {
                outputs.push_back({fd, POLLIN, 0});
            }
        }
        if (!outputs.empty()) {
            ::poll(outputs.data(), outputs.size(), kWaitSliceMs);
        }
        for (auto it = places.begin(); it != places.end();) {
            Slot& slot = **it;
            if (slot.file->Pump()) {
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
                slot->file->Stop();
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
    for (FileConversion* file : files_) {
        file->Stop();
    }
}

void BatchDriver::FindCurrentRow() {
    const JobListStore* store = jobList_.Store();
    currentRow_ = store ? store->FindFilePath(currentFile_) : -1;
}

void BatchDriver::ConvertVideo(const QString& origfile, const QString& outFile,
                               const QString& sDuration) {
    ConvertFile(origfile, outFile, sDuration, nullptr);
}

std::unique_ptr<ResultClaim> BatchDriver::ClaimResult(const QString& input) {
    const QString plain = hooks_.plainOutput ? hooks_.plainOutput(input, hooks_.outputType())
                                             : QString();
    if (plain.isEmpty()) {
        return nullptr;
    }
    auto claim = std::make_unique<ResultClaim>(plain);
    if (!claim->NoLocks().isEmpty()) {
        TellNoLocks(QFileInfo(plain).path(), claim->NoLocks());
    }
    return claim;
}

void BatchDriver::ConvertFile(const QString& origfile, const QString& outFile,
                              const QString& sDuration, std::unique_ptr<ResultClaim> claim) {
    std::unique_ptr<Slot> slot =
        PrepareFile(currentRow_, origfile, outFile, sDuration, std::move(claim));
    if (!slot) {
        return;
    }
    GatherAhead(slot->row);
    slot->file->Run();
    FinishFile(*slot);
}

std::unique_ptr<BatchDriver::Slot> BatchDriver::PrepareFile(int row, const QString& origfile,
                                                            const QString& outFile,
                                                            const QString& sDuration,
                                                            std::unique_ptr<ResultClaim> claim) {
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
    auto slot = std::make_unique<Slot>();
    slot->row = row;
    slot->index = static_cast<int>(taken_.indexOf(row));
    slot->file =
        StartFile(row, origfile, outFile, *length, *parameters.options, std::move(claim));
    FileConversion& file = *slot->file;
    const bool prepared = file.Prepare();
    if (!file.NoLocks().isEmpty()) {
        TellNoLocks(QFileInfo(outFile).path(), file.NoLocks());
    }
    if (!prepared) {
        if (!quietFailures_) {
            Notifier::Current().Show(ConvertingError(origfile, file.Result().reason),
                                     MessageIcon::Error);
        }
        FailRow(row, origfile, file.Result().reason);
        return nullptr;
    }
    files_.push_back(&file);
    if (stop_) {
        file.Stop();
    }
    TellLogTrouble(file.LogProblem());
    timeLeft_.FileStarted(slot->index);
    emit FileStarted(row);
    return slot;
}

FileConversion::Request BatchDriver::RequestFor(int row, const QString& source,
                                                 const QString& output, const QString& options,
                                                 float length) const {
    FileConversion::Request request;
    request.source = source;
    request.output = output;
    request.options = options;
    request.playLength = length;
    if (ValidRow(row)) {
        request.mediaLength = jobList_.Store()->Row(row).lengthSeconds;
    }
    request.tracks = trackChoice_;
    request.checkByDecoding = checkByDecoding_;
    request.keepDates = keepDates_;
    request.loudness = loudness_;
    request.maxSize = maxSize_;
    request.smallerToFit = smallerToFit_;
    request.removeBars = removeBars_;
    request.sidecars = sidecars_;
    request.quiet = quietFailures_;
    return request;
}

std::optional<FileConversion::Request> BatchDriver::RequestFor(int row,
                                                               const QString& output) const {
    const FormatParameters parameters = hooks_.parameters();
    const std::optional<float> length =
        ValidRow(row) ? DurationSeconds(jobList_.Store()->Row(row).duration) : std::nullopt;
    if (!parameters.options || !length) {
        return std::nullopt;
    }
    return RequestFor(row, jobList_.Store()->Row(row).filePath, output, *parameters.options,
                      *length);
}

std::unique_ptr<FileConversion> BatchDriver::StartFile(int row, const QString& origfile,
                                                       const QString& outFile, float length,
                                                       const QString& options,
                                                       std::unique_ptr<ResultClaim> claim) {
    FileConversion::Request request = RequestFor(row, origfile, outFile, options, length);
    request.facts = ahead_.Take(FileConversion::Wanted(request));
    request.nextName = [this, origfile] {
        return hooks_.outputPath(origfile, hooks_.outputType()).path;
    };
    auto file = std::make_unique<FileConversion>(std::move(request), std::move(claim));
    FileConversion* raw = file.get();
    connect(raw, &FileConversion::ResultMade, this, [this, row](const ClaimRecord& claim) {
        if (ValidRow(row)) {
            jobList_.Store()->SetTracks(row, TrackReport());
            jobList_.Store()->SetClaim(row, claim);
            emit ClaimMade(row);
        }
    });
    connect(raw, &FileConversion::CurrentStatus, this, [this, row, raw](const QString& status) {
        cConvert_CurrentStatus(row, raw->Job(), status);
    });
    connect(raw, &FileConversion::Progress, this, [this, row, raw](int percent) {
        if (!raw->MeasuringSound()) {
            cConvert_Progress(row, raw->Job(), percent);
        } else if (converting_) {
            WriteStatus(row, QString::number(percent));  // the note says it is measuring
        }
    });
    connect(raw, &FileConversion::Measuring, this, [this, row] {
        if (ValidRow(row)) {
            jobList_.Store()->SetProgressNote(row, Text::tr("Measuring the sound's loudness"));
        }
    });
    connect(raw, &FileConversion::Checking, this, [this, row] {
        if (ValidRow(row)) {
            jobList_.Store()->SetProgressNote(row, Text::tr("Checking the result by decoding it"));
        }
    });
    return file;
}

void BatchDriver::FinishFile(Slot& slot) {
    FileConversion& file = *slot.file;
    files_.erase(std::remove(files_.begin(), files_.end(), &file), files_.end());
    timeLeft_.FileEnded(slot.index);
    summary_.reachedEncoder = summary_.reachedEncoder || file.ReachedEncoder();
    const FileConversion::Outcome& outcome = file.Finish();
    const int row = slot.row;
    JobListStore* rows = ValidRow(row) ? jobList_.Store() : nullptr;
    switch (outcome.ending) {
        case FileConversion::Ending::Complete:
            ++summary_.converted;
            if (rows) {
                rows->SetTracks(row, outcome.report);
            }
            WriteStatus(row, kComplete);
            Finish(row, kSuccessColor);
            if (rows) {
                rows->SetOutcome(row, QString(), outcome.result, outcome.logPath, outcome.tail);
            }
            break;
        case FileConversion::Ending::Cancelled:
            ++summary_.cancelled;
            WriteStatus(row, kCancelled);
            Finish(row, kFailureColor);
            if (rows) {
                rows->SetOutcome(row, outcome.reason, QString(), outcome.logPath, outcome.tail);
            }
            break;
        case FileConversion::Ending::Failed:
            FailRow(row, file.Given().source, outcome.reason, outcome.logPath, outcome.tail);
            break;
    }
    if (ValidRow(row)) {
        jobList_.Store()->SetClaim(row, std::nullopt);  // the outcome stands in its place
    }
    TellLogTrouble(file.LogProblem());
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

void BatchDriver::TellLogTrouble(const QString& problem) {
    if (!problem.isEmpty() && !logTroubleTold_) {
        logTroubleTold_ = true;
        emit LogsUnwritable(problem);
    }
}

}  // namespace reelwright
