#include "batch/PowerOffCountdown.h"

namespace reelwright {

void PowerOffCountdown::Start() {
    running_ = true;
    secondsLeft_ = kSeconds;
    emit Changed(secondsLeft_);
}

void PowerOffCountdown::Tick() {
    if (!running_) {
        return;
    }
    --secondsLeft_;
    emit Changed(secondsLeft_);
    if (secondsLeft_ <= 0) {
        End(true);
    }
}

void PowerOffCountdown::Cancel() {
    if (running_) {
        End(false);
    }
}

void PowerOffCountdown::PowerOffNow() {
    if (running_) {
        End(true);
    }
}

void PowerOffCountdown::End(bool powerOff) {
    running_ = false;
    emit Ended(powerOff);
}

}  // namespace reelwright
