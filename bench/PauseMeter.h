#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

// The longest time the event loop went without a turn while it ran: a 10 ms timer records how
// late each of its ticks came.
class PauseMeter {
  public:
    PauseMeter() {
        tick_.setInterval(10);
        QObject::connect(&tick_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, sinceTick_.restart() - 10); });
    }
    void Start() {
        longest_ = 0;
        sinceTick_.start();
        tick_.start();
    }
    // The time since the last tick counts too: no tick at all is one long pause.
    void Stop() {
        tick_.stop();
        longest_ = std::max(longest_, sinceTick_.elapsed() - 10);
    }
    qint64 LongestMs() const { return longest_; }

  private:
    QTimer tick_;
    QElapsedTimer sinceTick_;
    qint64 longest_ = 0;
};
