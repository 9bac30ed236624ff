#include "conversion/FileConversion.h"

#include "conversion/PassLogs.h"
#include "conversion/RunLog.h"
#include "conversion/SizeFitting.h"
#include "engine/CVideoConv.h"

#include <QFileInfo>

#include <sys/stat.h>

// How a file's pictures are encoded: made to fit a size, in one pass or two, and encoded again
// smaller while the result is over the size.
namespace reelwright {

bool FileConversion::FitSize() {
    fitting_ = std::make_unique<SizeFitting>(request_.maxSize, QFileInfo(request_.output).suffix(),
                                             request_.smallerToFit);
    const double seconds = request_.mediaLength > 0  ? request_.mediaLength
                           : request_.playLength > 0 ? request_.playLength
                                                     : facts_.tracks.seconds;
    const SizeFitting::Fitted fitted =
        fitting_->Fit(facts_, request_.options, seconds, plan_.Promised());
    if (fitted.refusal) {
        outcome_ = {Ending::Failed, QString(), *fitted.refusal, QString(), QString(), {}};
        return false;
    }
    if (!fitted.options.isEmpty()) {
        options_ = fitted.options;
        Replan();
    }
    return true;
}

bool FileConversion::EncodeSmaller(bool wait) {
    struct stat made {};
    if (!fitting_ || ResultFd() < 0 || ::fstat(ResultFd(), &made) != 0) {
        return false;
    }
    size_ = made.st_size;
    const std::optional<QString> next = fitting_->NextOptions(size_, &failure_);
    if (!next || stopped_) {
        return false;
    }
    options_ = *next;
    Replan();
    SetEncodeOptions();
    log_->Append(u'\n' + RunLog::ForShell(job_->BuildCommandLine()) + u'\n');
    if (wait) {
        job_->StartConversion();
    } else {
        job_->Begin();  // one that cannot start ends at its next pump, as failed
    }
    return true;
}

void FileConversion::PrepareFirstPass() {
    if (!fitting_ || !fitting_->TwoPasses()) {
        return;
    }
    QString error;
    passLogs_ = PassLogs::Beside(temporary_, &error);
    if (!passLogs_) {
        // One pass, its rate capped, and the size still checked after the encode.
        fitting_->OnePass();
        options_ = fitting_->Options();
        Replan();
        return;
    }
    firstPass_ = std::make_unique<CVideoConv>();
    firstPass_->SetInputFile(request_.source);
    // Into the result's container, whose handling of the frames' rate both passes must share.
    firstPass_->SetOutputFile(passLogs_->Prefix() + QStringLiteral("-first.") +
                              QFileInfo(request_.output).suffix());
    firstPass_->SetDiscardsOutput(true);
    firstPass_->SetReachedFolder(passLogs_->Descriptor());
    firstPass_->SetResultName(request_.output);
    firstPass_->SetFileTimeLength(request_.playLength);
    firstPass_->SetQuiet(request_.quiet);
    firstPass_->SetMediaLength(request_.mediaLength);
    job_->SetReachedFolder(passLogs_->Descriptor());
    connect(firstPass_.get(), &CVideoConv::CurrentStatus, this, &FileConversion::CurrentStatus);
    connect(firstPass_.get(), &CVideoConv::Progress, this,
            [this](int percent) { emit Progress(Overall(percent, true)); });
}

void FileConversion::SetEncodeOptions() {
    const QString options = plan_.Options(attached_, sidecarCopies_);
    if (!firstPass_) {
        job_->SetParametrs(options + QStringLiteral(" -y"));
        return;
    }
    firstPass_->SetParametrs(fitting_->WithPass(options, 1, passLogs_->Prefix()) +
                             QStringLiteral(" -y"));
    job_->SetParametrs(fitting_->WithPass(options, 2, passLogs_->Prefix()) + QStringLiteral(" -y"));
}

QString FileConversion::FirstCommand() const {
    return InFirstPass() ? firstPass_->BuildCommandLine() : job_->BuildCommandLine();
}

int FileConversion::Overall(int percent, bool firstPass) const {
    if (percent < 0) {
        return percent;
    }
    // After the measuring's share, if any; the first pass takes what it costs of the rest.
    double from = measuringShare_;
    double span = 100 - measuringShare_;
    if (firstPass_) {
        const double first = span * fitting_->FirstPassShare();
        from += firstPass ? 0 : first;
        span = firstPass ? first : span - first;
    }
    return static_cast<int>(from + percent * span / 100);
}

bool FileConversion::BeginEncoding() {
    if (InFirstPass()) {
        return firstPass_->Begin() || FirstPassEnded();
    }
    return job_->Begin();
}

bool FileConversion::AfterFirstPass() {
    firstPassDone_ = true;
    switch (firstPass_->LastResult()) {
        case CVideoConv::Result::Converted:
            log_->Append(u'\n' + RunLog::ForShell(job_->BuildCommandLine()) + u'\n');
            return true;
        case CVideoConv::Result::Cancelled:
            job_->StopConversion();  // it ends at its start, as stopped
            return true;
        case CVideoConv::Result::Failed:
        case CVideoConv::Result::NotRun:
            break;
    }
    earlyFailure_ = firstPass_->Reason();
    earlyTail_ = firstPass_->Transcript().Tail();
    return false;
}

bool FileConversion::FirstPassEnded() {
    return AfterFirstPass() && job_->Begin();
}

void FileConversion::StopEncoding() {
    if (firstPass_) {
        firstPass_->StopConversion();
    }
    job_->StopConversion();
}

QString FileConversion::PlannedOptions() const {
    return plan_.Options({}, SidecarsBeside());
}

QStringList FileConversion::SidecarsBeside() const {
    QStringList paths;
    const QDir folder = QFileInfo(request_.source).dir();
    for (const TrackPlan::Sidecar& sidecar : plan_.Sidecars()) {
        paths << folder.filePath(sidecar.name);
    }
    return paths;
}

QStringList FileConversion::PlannedPasses(const QString& prefix) const {
    const QString options = plan_.Options({}, SidecarsBeside());
    if (!fitting_ || !fitting_->TwoPasses()) {
        return {options};
    }
    return {fitting_->WithPass(options, 1, prefix), fitting_->WithPass(options, 2, prefix)};
}

double FileConversion::EncodingCost() const {
    return fitting_ && fitting_->TwoPasses() ? 1.0 / (1.0 - fitting_->FirstPassShare()) : 1.0;
}

}  // namespace reelwright
