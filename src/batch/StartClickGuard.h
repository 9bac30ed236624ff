#pragma once

#include <functional>
#include <optional>

namespace reelwright {

// A double click on a start button starts the batch with its first click; the second lands on
// the same button, which by then reads Stop. A click that comes within the desktop's
// double-click interval of the start belongs to the start, and is not a Stop.
class StartClickGuard {
  public:
    using Clock = std::function<double()>;  // seconds, from any fixed point

    explicit StartClickGuard(Clock clock = {});
    void SetClock(Clock clock);

    // A click started a batch now; `doubleClickMs` is the desktop's double-click interval.
    void Started(int doubleClickMs);
    // Whether a click now is the second half of the double click that started the last batch.
    bool IsSecondClick() const;

  private:
    Clock clock_;
    std::optional<double> startedAt_;
    double interval_ = 0;
};

}  // namespace reelwright
