#pragma once

#include "conversion/FileEstimate.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>

namespace reelwright {

// The list's files estimated one after another in the background, at low priority: each on a
// thread of its own, so adding, converting and closing never wait for it. What was asked
// before the last Restart is dropped; nothing runs while paused (a batch converting).
class EstimateQueue : public QObject {
    Q_OBJECT

  public:
    struct Job {
        int row = 0;
        QString source;  // the row's file, to tell the row is still the same when answered
        FileConversion::Request request;
    };

    explicit EstimateQueue(QObject* parent = nullptr);
    // Stops the running estimate and waits for it, which takes a moment at most.
    ~EstimateQueue() override;

    // Drops what was asked and not answered (the running one is stopped), then estimates these.
    void Restart(std::deque<Job> jobs);
    // While paused, the running estimate is stopped and asked again later; none starts.
    void SetPaused(bool paused);
    bool Busy() const { return running_ != nullptr; }

    // How estimates are made: by encoding pieces of each file, unless a test has said how (an
    // empty one goes back to that).
    using Estimator =
        std::function<FileEstimate(const FileConversion::Request&, const std::atomic<bool>*)>;
    static void SetEstimator(Estimator estimator);

  signals:
    void Estimated(int row, const QString& source, const FileEstimate& estimate);

  private:
    void StartNext();
    void StopRunning();

    std::deque<Job> jobs_;
    bool paused_ = false;
    quint64 generation_ = 0;
    std::unique_ptr<QThread> running_;
    std::shared_ptr<std::atomic<bool>> stop_;
};

}  // namespace reelwright
