#include "window/PanelAnimator.h"

#include "platform/Rounding.h"

namespace reelwright {

void PanelAnimator::AnimatePanel(const QString& direction) {
    if (direction == u"EDIT_FRAME_UP") {
        lMoveStep = 300;
        lMoveInterval = 10;
        sMoveObject = QStringLiteral("Edit Frame 2 Up");
    } else if (direction == u"EDIT_FRAME_DOWN") {
        lMoveStep = 500;
        lMoveInterval = 5;
        sMoveObject = QStringLiteral("Edit Frame 2 Down");
    }
    released_ = false;
    timerRunning_ = true;
}

void PanelAnimator::Tick() {
    if (sMoveObject == u"Edit Frame 2 Up") {
        MovePanelUp();
    } else if (sMoveObject == u"Edit Frame 2 Down") {
        MovePanelDown();
    }
}

void PanelAnimator::MovePanelUp() {
    timerInterval_ = lMoveInterval;
    if (top_ < kSettleBelow) {
        // It overshoots a little, then settles.
        timerRunning_ = false;
        top_ = kShownTop;
        return;
    }
    if (top_ < kSlowDownAbove && lMoveStep > 100) {
        lMoveStep = static_cast<int>(RoundHalfEven(lMoveStep / 2.0));
        lMoveInterval *= 2;
    }
    top_ -= lMoveStep;
}

void PanelAnimator::MovePanelDown() {
    timerInterval_ = lMoveInterval;
    if (top_ >= windowHeight_) {
        timerRunning_ = false;
        top_ = windowHeight_;
        released_ = true;
        return;
    }
    top_ += lMoveStep;
}

}  // namespace reelwright
