#include "window/PanelAnimator.h"

#include <gtest/gtest.h>

#include <vector>

namespace reelwright {
namespace {

struct Step {
    int top;
    int interval;  // the timer's interval after the tick
};

std::vector<Step> RunToRest(PanelAnimator& animator) {
    std::vector<Step> steps;
    for (int i = 0; i < 100 && animator.TimerRunning(); ++i) {
        animator.Tick();
        steps.push_back({animator.PanelTop(), animator.TimerInterval()});
    }
    return steps;
}

TEST(PanelAnimator, SlidesUpAsTheWorkedExampleSays) {
    PanelAnimator animator(8655);
    animator.SetPanelTop(8655);
    animator.AnimatePanel("EDIT_FRAME_UP");
    EXPECT_EQ(animator.TimerInterval(), 10);  // the first tick comes after the design interval
    const std::vector<Step> steps = RunToRest(animator);
    ASSERT_EQ(steps.size(), 24u);
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(steps[i].top, 8655 - 300 * (i + 1)) << "tick " << i + 1;
        EXPECT_EQ(steps[i].interval, 10);
    }
    EXPECT_EQ(steps[18].top, 2955);
    EXPECT_EQ(steps[19].top, 2805);  // step halved to 150
    EXPECT_EQ(steps[19].interval, 10);
    EXPECT_EQ(steps[20].top, 2730);  // halved again to 75; the 20 ms of the last tick now apply
    EXPECT_EQ(steps[20].interval, 20);
    EXPECT_EQ(steps[21].top, 2655);
    EXPECT_EQ(steps[21].interval, 40);
    EXPECT_EQ(steps[22].top, 2580);
    EXPECT_EQ(steps[23].top, 2715);  // below 2650: stop and settle
    EXPECT_FALSE(animator.TimerRunning());
    EXPECT_FALSE(animator.MainPanelReleased());
}

TEST(PanelAnimator, SlidesDownAndParksExactlyAtTheWindowsHeight) {
    PanelAnimator animator(8655);
    animator.SetPanelTop(2715);
    animator.AnimatePanel("EDIT_FRAME_DOWN");
    const std::vector<Step> steps = RunToRest(animator);
    ASSERT_EQ(steps.size(), 13u);
    EXPECT_EQ(steps[11].top, 8715);
    EXPECT_EQ(steps[12].top, 8655);
    EXPECT_EQ(steps[0].interval, 5);
    EXPECT_TRUE(animator.MainPanelReleased());
    EXPECT_FALSE(animator.TimerRunning());
}

TEST(PanelAnimator, ACloseDuringTheSlideUpTurnsItRound) {
    PanelAnimator animator(8655);
    animator.SetPanelTop(8655);
    animator.AnimatePanel("EDIT_FRAME_UP");
    for (int i = 0; i < 5; ++i) {
        animator.Tick();
    }
    EXPECT_EQ(animator.PanelTop(), 7155);
    animator.AnimatePanel("EDIT_FRAME_DOWN");
    EXPECT_EQ(animator.TimerInterval(), 10);  // the interval the last tick left
    animator.Tick();
    EXPECT_EQ(animator.PanelTop(), 7655);
    RunToRest(animator);
    EXPECT_EQ(animator.PanelTop(), 8655);
    EXPECT_TRUE(animator.MainPanelReleased());
}

TEST(PanelAnimator, AnOpenAfterACloseStartsAtTheCloseInterval) {
    PanelAnimator animator(8655);
    animator.SetPanelTop(2715);
    animator.AnimatePanel("EDIT_FRAME_DOWN");
    RunToRest(animator);
    animator.AnimatePanel("EDIT_FRAME_UP");
    EXPECT_EQ(animator.TimerInterval(), 5);
    animator.Tick();
    EXPECT_EQ(animator.TimerInterval(), 10);
    EXPECT_EQ(animator.PanelTop(), 8355);
}

TEST(PanelAnimator, AnyOtherDirectionOnlyRestartsTheTimer) {
    PanelAnimator animator(8655);
    animator.SetPanelTop(8655);
    animator.AnimatePanel("EDIT_FRAME_UP");
    animator.Tick();
    animator.AnimatePanel("sideways");
    EXPECT_TRUE(animator.TimerRunning());
    EXPECT_EQ(animator.MoveObject(), "Edit Frame 2 Up");
    EXPECT_EQ(animator.MoveStep(), 300);
}

}  // namespace
}  // namespace reelwright
