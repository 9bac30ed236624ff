#include "batch/EstimateQueue.h"

namespace reelwright {
namespace {

FileEstimate Encoded(const FileConversion::Request& request, const std::atomic<bool>* stop) {
    return FileEstimate::Of(request, true, stop);
}

EstimateQueue::Estimator& CurrentEstimator() {
    static EstimateQueue::Estimator estimator = Encoded;
    return estimator;
}

}  // namespace

void EstimateQueue::SetEstimator(Estimator estimator) {
    CurrentEstimator() = estimator ? std::move(estimator) : Estimator(Encoded);
}

EstimateQueue::EstimateQueue(QObject* parent) : QObject(parent) {}

EstimateQueue::~EstimateQueue() {
    jobs_.clear();
    StopRunning();
}

void EstimateQueue::Restart(std::deque<Job> jobs) {
    ++generation_;  // what the running one answers is dropped
    jobs_ = std::move(jobs);
    StopRunning();
    StartNext();
}

void EstimateQueue::SetPaused(bool paused) {
    paused_ = paused;
    if (paused) {
        StopRunning();
    } else {
        StartNext();
    }
}

void EstimateQueue::StopRunning() {
    if (!running_) {
        return;
    }
    *stop_ = true;
    running_->wait();
    running_.reset();
}

void EstimateQueue::StartNext() {
    if (running_ || paused_ || jobs_.empty()) {
        return;
    }
    const Job job = jobs_.front();
    auto result = std::make_shared<FileEstimate>();
    stop_ = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> stop = stop_;
    const Estimator estimator = CurrentEstimator();
    running_.reset(QThread::create(
        [job, result, stop, estimator] { *result = estimator(job.request, stop.get()); }));
    const quint64 generation = generation_;
    connect(running_.get(), &QThread::finished, this, [this, job, result, stop, generation] {
        if (!running_ || *stop) {
            return;  // stopped: asked again later, or dropped
        }
        running_->wait();  // it says it has finished a moment before it has
        running_.reset();
        if (generation == generation_) {
            jobs_.pop_front();
            emit Estimated(job.row, job.source, *result);
        }
        StartNext();
    });
    running_->start(QThread::LowestPriority);
}

}  // namespace reelwright
