#include "batch/BatchDriver.h"

#include "engine/CVideoConv.h"
#include "joblist/JobList.h"

#include <QLocale>
#include <QScopedValueRollback>
#include <QStringList>

namespace reelwright {
namespace {

const QString kWaiting = QStringLiteral("Waiting Conversion");
const QString kCancelled = QStringLiteral("Cancelled");
const QString kError = QStringLiteral("Error");
const QString kComplete = QStringLiteral("Complete");

class Flag {
  public:
    explicit Flag(bool& flag) : flag_(flag) { flag_ = true; }
    ~Flag() { flag_ = false; }

  private:
    bool& flag_;
};

}  // namespace

const QColor BatchDriver::kSuccessColor(113, 177, 98);
const QColor BatchDriver::kFailureColor(220, 10, 10);

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

bool BatchDriver::RunBatch(bool selectedOnly) {
    if (running_) {
        return false;  // one batch at a time, also while a stopped one unwinds
    }
    const QScopedValueRollback<bool> running(running_, true);
    // Rows leave the list only through a removal, which waits for the batch.
    jobList_.SetLocked(true);
    converting_ = true;
    bool taken = false;
    currentRow_ = -1;
    for (int row = 0; jobList_.Store() && row < jobList_.Store()->RecordCount(); ++row) {
        if (stop_) {
            break;
        }
        const JobRow& job = jobList_.Store()->Row(row);
        if (job.status != kWaiting && job.status != kCancelled) {
            continue;
        }
        if (selectedOnly && job.checkBox == 0) {
            continue;
        }
        currentFile_ = job.filePath;
        const QString duration = job.duration;
        FindCurrentRow();
        taken = true;
        const QString output = hooks_.outputPath(currentFile_, hooks_.outputType());
        if (output.isEmpty()) {
            continue;  // no output name: the row keeps its status
        }
        ConvertVideo(currentFile_, output, duration);
    }
    converting_ = false;
    stop_ = false;
    jobList_.SetLocked(false);
    return taken;
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
        WriteStatus(kError);
        Finish(kFailureColor);
        return;
    }
    // Held here as well, so the job outlives its own StartConversion whatever replaces it.
    const auto job = std::make_shared<CVideoConv>();
    cConvert = job;
    connect(job.get(), &CVideoConv::CurrentStatus, this, &BatchDriver::cConvert_CurrentStatus);
    connect(job.get(), &CVideoConv::Progress, this, &BatchDriver::cConvert_Progress);
    job->SetInputFile(origfile);
    job->SetOutputFile(outFile);
    job->SetParametrs(hooks_.parameters() + QStringLiteral(" -y"));
    job->SetFileTimeLength(*length);
    job->StartConversion();

    const JobListStore* store = jobList_.Store();
    if (!store || currentRow_ < 0 || currentRow_ >= store->RecordCount()) {
        return;
    }
    const QString status = store->Row(currentRow_).status;
    if (status != kCancelled && status != kError) {
        WriteStatus(kComplete);
        Finish(kSuccessColor);
    } else {
        Finish(kFailureColor);
    }
}

void BatchDriver::cConvert_CurrentStatus(const QString& sStatus) {
    if (converting_) {
        WriteStatus(sStatus);
    }
}

void BatchDriver::cConvert_Progress(int iProgress) {
    if (converting_) {
        WriteStatus(QString::number(iProgress));
    }
}

void BatchDriver::WriteStatus(const QString& status) {
    JobListStore* store = jobList_.Store();
    if (store && currentRow_ >= 0 && currentRow_ < store->RecordCount()) {
        store->SetStatus(currentRow_, status);
    }
}

void BatchDriver::Finish(const QColor& color) {
    JobListStore* store = jobList_.Store();
    if (store && currentRow_ >= 0 && currentRow_ < store->RecordCount()) {
        store->SetTextColor(currentRow_, JobRow::Status, color);
    }
}

}  // namespace reelwright
