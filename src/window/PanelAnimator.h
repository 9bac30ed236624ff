#pragma once

#include <QString>

namespace reelwright {

// The slide of a panel up over the window and back down, one timer tick at a time. Positions
// are in twips. It only computes: the window moves the panel and runs the timer as told.
class PanelAnimator {
  public:
    static constexpr int kShownTop = 2715;
    static constexpr int kSettleBelow = 2650;
    static constexpr int kSlowDownAbove = 3100;

    explicit PanelAnimator(int windowHeight) : windowHeight_(windowHeight) {}

    // "EDIT_FRAME_UP" or "EDIT_FRAME_DOWN" set the step and the pace; anything else only starts
    // the timer again with the previous settings. The first tick comes after the interval the
    // timer last had.
    void AnimatePanel(const QString& direction);
    // One timer tick.
    void Tick();
    void MovePanelUp();
    void MovePanelDown();

    int PanelTop() const { return top_; }
    void SetPanelTop(int top) { top_ = top; }
    int WindowHeight() const { return windowHeight_; }

    bool TimerRunning() const { return timerRunning_; }
    int TimerInterval() const { return timerInterval_; }
    // The main panel is enabled again once a panel is parked after sliding down.
    bool MainPanelReleased() const { return released_; }

    QString MoveObject() const { return sMoveObject; }
    int MoveStep() const { return lMoveStep; }

  private:
    int windowHeight_;
    int top_ = 0;
    bool timerRunning_ = false;
    int timerInterval_ = 10;
    bool released_ = false;
    QString sMoveObject;
    int lMoveStep = 0;
    int lMoveInterval = 0;
};

}  // namespace reelwright
