#include "batch/StartClickGuard.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

struct ClickCase {
    const char* name;
    double after;  // seconds from the start
    bool secondClick;
};

class AClickAfterTheStart : public testing::TestWithParam<ClickCase> {};

TEST_P(AClickAfterTheStart, BelongsToTheStartOnlyWithinTheDoubleClickInterval) {
    double now = 50;
    StartClickGuard guard([&now] { return now; });
    guard.Started(400);
    now += GetParam().after;
    EXPECT_EQ(guard.IsSecondClick(), GetParam().secondClick);
}

INSTANTIATE_TEST_SUITE_P(Clicks, AClickAfterTheStart,
                         testing::Values(ClickCase{"at once", 0, true},
                                         ClickCase{"within", 0.25, true},
                                         ClickCase{"at the interval", 0.4, true},
                                         ClickCase{"just after", 0.401, false},
                                         ClickCase{"much later", 30, false}),
                         test::CaseName<ClickCase>);

TEST(StartClickGuardTest, OnlyAStartedBatchHasASecondClickAndTheLatestStartCounts) {
    double now = 0;
    StartClickGuard guard([&now] { return now; });
    EXPECT_FALSE(guard.IsSecondClick());
    guard.Started(500);
    now = 10;
    EXPECT_FALSE(guard.IsSecondClick());
    guard.Started(500);
    now = 10.3;
    EXPECT_TRUE(guard.IsSecondClick());
    // The desktop's interval as it is at each start.
    guard.Started(100);
    now = 10.5;
    EXPECT_FALSE(guard.IsSecondClick());
}

TEST(StartClickGuardTest, WithoutAClockItReadsTheSteadyOne) {
    StartClickGuard guard;
    guard.Started(60'000);
    EXPECT_TRUE(guard.IsSecondClick());
    guard.Started(-1);
    EXPECT_FALSE(guard.IsSecondClick());
}

}  // namespace
}  // namespace reelwright
