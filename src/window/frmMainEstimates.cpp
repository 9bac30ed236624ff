// Sizes before converting: each waiting row's result estimated in the background, its tooltip
// and the batch's total under the Convert buttons kept up to date.
#include "batch/EstimateQueue.h"
#include "conversion/OutputNaming.h"
#include "window/frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTimer>

namespace reelwright {

void frmMain::BuildEstimates() {
    estimates_ = std::make_unique<EstimateQueue>();
    connect(estimates_.get(), &EstimateQueue::Estimated, this, &frmMain::EstimateArrived);
    // Choices change in bursts (a preset, then its extension): one restart after them.
    estimateSoon_ = new QTimer(this);
    estimateSoon_->setSingleShot(true);
    estimateSoon_->setInterval(400);
    connect(estimateSoon_, &QTimer::timeout, this, &frmMain::RestartEstimates);
    for (QCheckBox* box : {chkLimitSize, chkSmallerToFit, chkRemoveBars, chkKeepEveryTrack}) {
        connect(box, &QCheckBox::toggled, this, &frmMain::EstimateSoon);
    }
    connect(spnMaxSize, &QDoubleSpinBox::valueChanged, this, &frmMain::EstimateSoon);
    for (QComboBox* list : {cmbSizeUnit, cmbEvenLoudness}) {
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::EstimateSoon);
    }
    JobListStore* store = jobList_.Store();
    connect(store, &QAbstractItemModel::rowsRemoved, this, &frmMain::EstimateSoon);
}

void frmMain::EstimateSoon() {
    if (estimateSoon_ && estimates_) {
        estimateSoon_->start();
    }
}

void frmMain::RestartEstimates() {
    if (batch_.IsRunning()) {
        return;  // its end asks again
    }
    JobListStore& store = *jobList_.Store();
    std::deque<EstimateQueue::Job> jobs;
    ApplyChoices();
    for (int row = 0; row < store.RecordCount(); ++row) {
        store.SetEstimate(row, QString(), 0, 0);  // what was said of the last choices is gone
        const JobRow& job = store.Row(row);
        if (!BatchDriver::Eligible(job, BatchDriver::Take::All)) {
            continue;  // converted, failed or unreadable: nothing to foretell
        }
        const OutputPathResult output =
            PreviewOutputPath(job.filePath, OutputType(), OutputChoice());
        if (const std::optional<FileConversion::Request> request =
                batch_.RequestFor(row, output.path.isEmpty() ? job.filePath : output.path)) {
            jobs.push_back({row, job.filePath, *request});
        }
    }
    estimates_->Restart(std::move(jobs));
    UpdateEstimateTotal();
}

void frmMain::EstimateArrived(int row, const QString& source, const FileEstimate& estimate) {
    JobListStore& store = *jobList_.Store();
    if (row >= store.RecordCount() || store.Row(row).filePath != source || !estimate.Known()) {
        return;  // the list changed meanwhile, or there is nothing to say
    }
    store.SetEstimate(row, estimate.Sentence(), estimate.bytes, estimate.seconds);
    UpdateEstimateTotal();
}

void frmMain::UpdateEstimateTotal() {
    const JobListStore& store = *jobList_.Store();
    qint64 bytes = 0;
    double seconds = 0;
    for (int row = 0; row < store.RecordCount(); ++row) {
        bytes += store.Row(row).estimatedBytes;
        seconds += store.Row(row).estimatedSeconds;
    }
    lblEstimate->setText(bytes > 0 ? FileEstimate::Total(bytes, seconds) : QString());
}

void frmMain::PauseEstimates(bool paused) {
    if (estimates_) {
        estimates_->SetPaused(paused);
    }
}

}  // namespace reelwright
