#include "batch/BatchDriver.h"

#include "batch/RunLog.h"
#include "engine/CVideoConv.h"
#include "engine/Encoder.h"
#include "joblist/JobList.h"
#include "platform/Notifier.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

namespace reelwright {
namespace {

const QString kWaiting = QStringLiteral("Waiting Conversion");
const QString kCancelled = QStringLiteral("Cancelled");
const QString kError = QStringLiteral("Error");
const QString kComplete = QStringLiteral("Complete");

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
        driver_.cConvert.reset();
        driver_.converting_ = false;
        driver_.stop_ = false;
        driver_.jobList_.SetLocked(false);
        driver_.running_ = false;
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

  private:
    BatchDriver& driver_;
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
    return static_cast<float>(seconds);
}

bool BatchDriver::Eligible(const JobRow& job, bool selectedOnly) {
    return (job.status == kWaiting || job.status == kCancelled) &&
           (!selectedOnly || job.checkBox != 0);
}

int BatchDriver::EligibleRows(bool selectedOnly) const {
    const JobListStore* store = jobList_.Store();
    int count = 0;
    for (int row = 0; store && row < store->RecordCount(); ++row) {
        count += Eligible(store->Row(row), selectedOnly) ? 1 : 0;
    }
    return count;
}

bool BatchDriver::RunBatch(bool selectedOnly) {
    if (running_) {
        return false;  // one batch at a time, also while a stopped one unwinds
    }
    const Running running(*this);
    summary_ = Summary();
    folderReported_ = false;
    parametersReported_ = false;
    currentRow_ = -1;
    if (EligibleRows(selectedOnly) == 0) {
        return false;
    }
    // What it sets out to convert, for the time left; ticks changed meanwhile may change it.
    taken_.clear();
    std::vector<double> lengths;
    for (int row = 0; row < jobList_.Store()->RecordCount(); ++row) {
        const JobRow& job = jobList_.Store()->Row(row);
        if (Eligible(job, selectedOnly)) {
            taken_ << row;
            lengths.push_back(job.lengthSeconds > 0 ? job.lengthSeconds
                                                    : DurationSeconds(job.duration).value_or(0));
        }
    }
    timeLeft_.Start(std::move(lengths));
    // Looked for once: without it every file would fail the same way.
    const EncoderLocation encoder = LocateEncoder();
    if (!encoder.problem.isEmpty()) {
        Notifier::Current().Show(encoder.problem, MessageIcon::Error);
        return false;
    }
    for (int row = 0; jobList_.Store() && row < jobList_.Store()->RecordCount(); ++row) {
        if (stop_) {
            break;
        }
        const JobRow& job = jobList_.Store()->Row(row);
        if (!Eligible(job, selectedOnly)) {
            continue;
        }
        currentFile_ = job.filePath;
        const QString duration = job.duration;
        FindCurrentRow();
        const QString output = OutputName(currentFile_);
        if (output.isEmpty()) {
            emit FileFinished(currentRow_);  // failed before it could start
            continue;
        }
        if (stop_) {
            break;  // a stop while the name was chosen
        }
        ConvertVideo(currentFile_, output, duration);
        emit FileFinished(currentRow_);
    }
    return summary_.reachedEncoder;
}

QString BatchDriver::OutputName(const QString& input) {
    const OutputPathResult result = hooks_.outputPath(input, hooks_.outputType());
    switch (result.problem) {
        case OutputPathResult::Problem::None:
            return result.path;
        case OutputPathResult::Problem::FolderUnavailable:
            ShowOnce(folderReported_, OutputFolderMessage());
            FailRow(result.Reason());
            break;
        case OutputPathResult::Problem::NoFreeName:
            FailRow(result.Reason());
            break;
    }
    return QString();
}

void BatchDriver::RequestStop() {
    stop_ = true;
    if (cConvert) {
        cConvert->StopConversion();
    }
}

void BatchDriver::FindCurrentRow() {
    const JobListStore* store = jobList_.Store();
    currentRow_ = store ? store->FindFilePath(currentFile_) : -1;
}

void BatchDriver::ConvertVideo(const QString& origfile, const QString& outFile,
                               const QString& sDuration) {
    const std::optional<float> length = DurationSeconds(sDuration);
    if (!length) {
        FailRow(QStringLiteral("The play length \"%1\" cannot be read.").arg(sDuration));
        return;
    }
    const FormatParameters parameters = hooks_.parameters();
    if (!parameters.options) {
        ShowOnce(parametersReported_,
                 QStringLiteral("Error occured while getting paramters\r\n") + parameters.error);
        FailRow(parameters.error);
        return;
    }
    QString error;
    // The result is written under a name of its own and named only once it is whole, so a
    // stopped or failed run leaves nothing that looks like a result.
    const QString temporary = CreateTemporaryOutput(outFile, &error);
    if (temporary.isEmpty()) {
        if (!quietFailures_) {
            Notifier::Current().Show(QStringLiteral("Error converting file: ") +
                                         QFileInfo(origfile).fileName() + QStringLiteral("\r\n") +
                                         error,
                                     MessageIcon::Error);
        }
        FailRow(error);
        return;
    }
    // Held here as well, so the job outlives its own StartConversion whatever replaces it.
    const auto job = std::make_shared<CVideoConv>();
    cConvert = job;
    connect(job.get(), &CVideoConv::CurrentStatus, this, &BatchDriver::cConvert_CurrentStatus);
    connect(job.get(), &CVideoConv::Progress, this, &BatchDriver::cConvert_Progress);
    job->SetInputFile(origfile);
    job->SetOutputFile(temporary);
    job->SetResultName(outFile);
    job->SetParametrs(*parameters.options + QStringLiteral(" -y"));
    job->SetFileTimeLength(*length);
    job->SetQuiet(quietFailures_);
    const JobListStore* store = jobList_.Store();
    if (store && currentRow_ >= 0 && currentRow_ < store->RecordCount()) {
        job->SetMediaLength(store->Row(currentRow_).lengthSeconds);
    }
    if (stop_) {
        job->StopConversion();
    }
    // The whole text goes to a log as it arrives; the row keeps a tail of it.
    RunLog log(origfile, job->BuildCommandLine());
    job->SetTextSink([&log](const QString& text) { log.Append(text); });
    timeLeft_.FileStarted(static_cast<int>(taken_.indexOf(currentRow_)));
    emit FileStarted(currentRow_);
    job->StartConversion();
    cConvert.reset();  // the job's text is not kept beyond its file
    timeLeft_.FileEnded();
    const QString tail = job->Transcript().Tail();
    summary_.reachedEncoder = summary_.reachedEncoder || job->EncoderStarted();

    switch (job->LastResult()) {
        case CVideoConv::Result::Converted: {
            const QString given = ClaimOutput(
                temporary, outFile,
                [this, &origfile] { return hooks_.outputPath(origfile, hooks_.outputType()).path; },
                &error);
            if (given.isEmpty()) {
                // A file under a hidden name is no result anybody would find.
                QFile::remove(temporary);
                log.Finish(kError, QString(), error);
                FailRow(error, log.Path(), tail);
                break;
            }
            log.Finish(kComplete, given, QString());
            ++summary_.converted;
            WriteStatus(kComplete);
            Finish(kSuccessColor);
            if (JobListStore* rows = jobList_.Store(); rows && currentRow_ >= 0) {
                rows->SetOutcome(currentRow_, QString(), given, log.Path(), tail);
            }
            break;
        }
        case CVideoConv::Result::Cancelled:
            QFile::remove(temporary);
            log.Finish(kCancelled, QString(), QString());
            ++summary_.cancelled;
            WriteStatus(kCancelled);
            Finish(kFailureColor);
            if (JobListStore* rows = jobList_.Store(); rows && currentRow_ >= 0) {
                rows->SetOutcome(currentRow_, QString(), QString(), log.Path(), tail);
            }
            break;
        case CVideoConv::Result::Failed:
        case CVideoConv::Result::NotRun:
            QFile::remove(temporary);
            log.Finish(kError, QString(), job->Reason());
            FailRow(job->Reason(), log.Path(), tail);
            break;
    }
}

void BatchDriver::FailRow(const QString& reason, const QString& logPath, const QString& tail) {
    ++summary_.failed;
    summary_.failedFiles << currentFile_;
    WriteStatus(kError);
    Finish(kFailureColor);
    JobListStore* store = jobList_.Store();
    if (store && currentRow_ >= 0 && currentRow_ < store->RecordCount()) {
        store->SetOutcome(currentRow_, reason, QString(), logPath, tail);
    }
}

void BatchDriver::ShowOnce(bool& shown, const QString& text) {
    if (!shown && !quietFailures_) {
        Notifier::Current().Show(text, MessageIcon::Error);
    }
    shown = true;
}

void BatchDriver::cConvert_CurrentStatus(const QString& sStatus) {
    if (converting_) {
        WriteStatus(sStatus);
        TellProgress();
    }
}

void BatchDriver::cConvert_Progress(int iProgress) {
    if (converting_) {
        WriteStatus(QString::number(iProgress));
        TellProgress();
    }
}

void BatchDriver::TellProgress() {
    const CVideoConv* job = cConvert.get();
    JobListStore* store = jobList_.Store();
    if (!job || !store || currentRow_ < 0 || currentRow_ >= store->RecordCount()) {
        return;
    }
    if (const std::optional<double> position = job->Transcript().LastTime()) {
        timeLeft_.Position(*position, job->Transcript().LastSpeed());
    }
    QStringList note;
    if (const std::optional<double> left = timeLeft_.FileSecondsLeft()) {
        note << TimeLeft::ClockText(*left) + QStringLiteral(" left for this file");
    }
    if (const std::optional<double> left = timeLeft_.BatchSecondsLeft();
        left && timeLeft_.FileCount() > 1) {
        note << TimeLeft::ClockText(*left) + QStringLiteral(" for the batch");
    }
    if (const std::optional<double> speed = timeLeft_.Speed()) {
        note << QStringLiteral("%1x real time").arg(*speed, 0, 'f', 1);
    }
    store->SetProgressNote(currentRow_, note.join(QStringLiteral(", ")));
    emit Advanced();
}

void BatchDriver::WriteStatus(const QString& status) {
    JobListStore* store = jobList_.Store();
    if (store && currentRow_ >= 0 && currentRow_ < store->RecordCount()) {
        store->SetStatus(currentRow_, status);
    }
}

void BatchDriver::Finish(quint32 color) {
    JobListStore* store = jobList_.Store();
    if (store && currentRow_ >= 0 && currentRow_ < store->RecordCount()) {
        store->SetTextColor(currentRow_, JobRow::Status, color);
    }
}

}  // namespace reelwright
