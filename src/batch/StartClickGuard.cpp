#include "batch/StartClickGuard.h"

#include "batch/TimeLeft.h"

namespace reelwright {

StartClickGuard::StartClickGuard(Clock clock) {
    SetClock(std::move(clock));
}

void StartClickGuard::SetClock(Clock clock) {
    clock_ = clock ? std::move(clock) : Clock(&TimeLeft::SteadySeconds);
}

void StartClickGuard::Started(int doubleClickMs) {
    startedAt_ = clock_();
    interval_ = doubleClickMs / 1000.0;
}

bool StartClickGuard::IsSecondClick() const {
    return startedAt_ && clock_() - *startedAt_ <= interval_;
}

}  // namespace reelwright
