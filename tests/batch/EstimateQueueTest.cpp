// The background estimates: answered one after another, what was asked before a restart
// dropped (the running one stopped), nothing run while a batch converts, and an end that does
// not wait for an estimate to finish.
#include "batch/EstimateQueue.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

namespace reelwright {
namespace {

class EstimateQueueTest : public testing::Test {
  protected:
    // Each estimate takes until it is stopped, or `slow` is cleared; its size is its row.
    EstimateQueueTest() {
        EstimateQueue::SetEstimator(
            [this](const FileConversion::Request& request, const std::atomic<bool>* stop) {
                ++started;
                while (slow && !*stop) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
                return FileEstimate{request.maxSize, 1, {}};
            });
    }
    ~EstimateQueueTest() override { EstimateQueue::SetEstimator({}); }
    static std::deque<EstimateQueue::Job> Jobs(std::initializer_list<int> rows) {
        std::deque<EstimateQueue::Job> jobs;
        for (const int row : rows) {
            FileConversion::Request request;
            request.maxSize = row;
            jobs.push_back({row, QString::number(row), request});
        }
        return jobs;
    }
    std::atomic<bool> slow = false;
    std::atomic<int> started = 0;
};

TEST_F(EstimateQueueTest, AnswersEachRowAndDropsWhatARestartReplaced) {
    EstimateQueue queue;
    QList<int> answered;
    QObject::connect(&queue, &EstimateQueue::Estimated,
                     [&](int row, const QString&, const FileEstimate& estimate) {
                         EXPECT_EQ(estimate.bytes, row);
                         answered << row;
                     });
    slow = true;
    queue.Restart(Jobs({1, 2}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return started == 1; }, 60000));
    queue.Restart(Jobs({3, 4}));  // 1 is stopped where it is, and never told
    slow = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered.size() == 2; }, 60000));
    EXPECT_EQ(answered, QList<int>({3, 4}));
}

TEST_F(EstimateQueueTest, NothingRunsWhilePausedAndTheRunningOneIsAskedAgain) {
    EstimateQueue queue;
    QList<int> answered;
    QObject::connect(&queue, &EstimateQueue::Estimated,
                     [&](int row, const QString&, const FileEstimate&) { answered << row; });
    slow = true;
    queue.Restart(Jobs({1}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return started == 1; }, 60000));
    queue.SetPaused(true);
    EXPECT_FALSE(queue.Busy());
    slow = false;
    queue.SetPaused(false);
    // The stopped run's end was queued before the new run began: once the new one is told,
    // the stopped one would have been told first, were it told at all.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answered.isEmpty(); }, 60000));
    EXPECT_EQ(answered, QList<int>({1}));
    EXPECT_EQ(started, 2);
}

TEST_F(EstimateQueueTest, AnEndStopsTheRunningEstimate) {
    auto queue = std::make_unique<EstimateQueue>();
    slow = true;
    queue->Restart(Jobs({1}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return started == 1; }, 60000));
    QElapsedTimer clock;
    clock.start();
    queue.reset();  // would hang for ever were it waited for unstopped
    EXPECT_LT(clock.elapsed(), 30000);
}

}  // namespace
}  // namespace reelwright
