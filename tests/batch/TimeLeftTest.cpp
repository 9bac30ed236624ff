#include "batch/PowerOffCountdown.h"
#include "batch/TimeLeft.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <cmath>

namespace reelwright {
namespace {

TEST(TimeLeftTest, FallsAsThePositionRises) {
    double now = 100;
    TimeLeft left([&now] { return now; });
    left.Start({10, 20});
    left.FileStarted(0);
    EXPECT_EQ(left.FileSecondsLeft(), std::nullopt);  // nothing to go by yet
    left.Position(2, 2.0);
    EXPECT_DOUBLE_EQ(*left.FileSecondsLeft(), 4);
    EXPECT_DOUBLE_EQ(*left.BatchSecondsLeft(), 14);
    EXPECT_EQ(left.Percent(), 6);
    left.Position(6, 2.0);
    EXPECT_DOUBLE_EQ(*left.FileSecondsLeft(), 2);
    EXPECT_DOUBLE_EQ(*left.BatchSecondsLeft(), 12);
    left.FileEnded();
    left.FileStarted(1);
    EXPECT_EQ(left.Percent(), 33);
    // Without the encoder's speed, as measured by the clock; the batch's over its last seconds:
    // 12 seconds of video in 4.
    now += 4;
    left.Position(8, std::nullopt);
    EXPECT_DOUBLE_EQ(*left.Speed(), 2);
    EXPECT_DOUBLE_EQ(*left.BatchSecondsLeft(), 4);
}

TEST(TimeLeftTest, AJitteryEncoderDoesNotMakeItJumpAndANewFileKeepsIt) {
    double now = 0;
    TimeLeft left([&now] { return now; });
    left.Start({60, 60});
    left.FileStarted(0);
    std::vector<double> seen;
    for (int second = 1; second <= 30; ++second) {
        now = second;
        // Two seconds of video each second, whatever the encoder says of the moment.
        left.Position(0, 2.0 * second, second % 2 ? 1.0 : 3.0);
        ASSERT_TRUE(left.BatchSecondsLeft()) << second;
        if (second > TimeLeft::kShortestMeasure) {
            seen.push_back(*left.BatchSecondsLeft());
        }
    }
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_NEAR(seen[i], seen[i - 1] - 1, 1e-9) << i;
    }
    left.FileEnded(0);
    left.FileStarted(1);
    now += 1;
    // The new file has said nothing yet: the batch's speed stands for it.
    ASSERT_TRUE(left.BatchSecondsLeft());
    EXPECT_NEAR(*left.BatchSecondsLeft(), 30, 1e-9);
    EXPECT_EQ(left.ProgressText(), "50% of 2 files, 0:30 left");
    left.Position(1, 0, std::nullopt);
    EXPECT_TRUE(left.BatchSecondsLeft());
}

// A machine whose load comes and goes: the encoder's speed halves and doubles back every few
// seconds. Between two readings a second apart, the times left count down by that second and
// move by no more than the believed speed may change in it; once the speed holds, they come
// to the truth.
TEST(TimeLeftTest, ASpeedThatHalvesAndDoublesMovesTheTimeLeftLittle) {
    const struct {
        int period;  // seconds at each speed
        double slow, fast;
    } loads[] = {{2, 0.5, 1.0}, {5, 1.0, 2.0}, {15, 0.5, 2.0}};
    for (const auto& load : loads) {
        double now = 0;
        TimeLeft left([&now] { return now; });
        left.Start({900, 900});
        left.FileStarted(0);
        double converted = 0;
        double convertedBefore = 0;
        std::optional<double> fileBefore, batchBefore;
        const double most = 1.03;  // a second's change of the believed speed, at most
        for (int second = 1; second <= 120; ++second) {
            const double speed = (second - 1) / load.period % 2 ? load.fast : load.slow;
            now = second;
            converted += speed;
            left.Position(0, converted, speed);
            const auto file = left.FileSecondsLeft();
            const auto batch = left.BatchSecondsLeft();
            ASSERT_TRUE(file && batch) << second;
            if (second > TimeLeft::kShortestMeasure + 1) {
                // Down by the share of the work done, give or take the belief's change.
                const double fileWork = (900 - converted) / (900 - convertedBefore);
                const double batchWork = (1800 - converted) / (1800 - convertedBefore);
                EXPECT_LE(*file / *fileBefore, fileWork * most + 1e-9) << second;
                EXPECT_GE(*file / *fileBefore, fileWork / most - 1e-9) << second;
                EXPECT_LE(*batch / *batchBefore, batchWork * most + 1e-9) << second;
                EXPECT_GE(*batch / *batchBefore, batchWork / most - 1e-9) << second;
            }
            fileBefore = file;
            batchBefore = batch;
            convertedBefore = converted;
        }
        // The load settles: within a minute both tell the truth.
        for (int second = 121; second <= 180; ++second) {
            now = second;
            converted += 1.5;
            left.Position(0, converted, 1.5);
        }
        EXPECT_NEAR(*left.FileSecondsLeft(), (900 - converted) / 1.5, 1e-6) << load.period;
        EXPECT_NEAR(*left.BatchSecondsLeft(), (1800 - converted) / 1.5, 1e-6) << load.period;
    }
}

TEST(TimeLeftTest, NothingIsGuessedWithoutALength) {
    double now = 0;
    TimeLeft left([&now] { return now; });
    left.Start({0, 20});
    left.FileStarted(0);
    left.Position(5, 1.5);
    EXPECT_EQ(left.FileSecondsLeft(), std::nullopt);
    EXPECT_EQ(left.BatchSecondsLeft(), std::nullopt);
    EXPECT_EQ(left.Percent(), std::nullopt);
    EXPECT_DOUBLE_EQ(*left.Speed(), 1.5);
}

TEST(TimeLeftTest, SeveralRunningFilesGoTogether) {
    double now = 0;
    TimeLeft left([&now] { return now; });
    left.Start({10, 10, 20});
    left.FileStarted(0);
    left.FileStarted(1);
    left.Position(0, 4, 1.0);
    EXPECT_EQ(left.BatchSecondsLeft(), std::nullopt);  // the second has said nothing yet
    left.Position(1, 2, 1.0);
    // Each file's own position; none for one not yet started.
    EXPECT_EQ(left.Converted(0), 4);
    EXPECT_EQ(left.Converted(1), 2);
    EXPECT_EQ(left.Converted(2), std::nullopt);
    EXPECT_EQ(left.Converted(7), std::nullopt);
    // 8 + 6 + 20 seconds of video left, at 2x real time together.
    EXPECT_DOUBLE_EQ(*left.BatchSecondsLeft(), 17);
    EXPECT_DOUBLE_EQ(*left.FileSecondsLeft(0), 6);
    EXPECT_DOUBLE_EQ(*left.FileSecondsLeft(1), 8);
    EXPECT_EQ(left.Percent(), 15);
    left.FileEnded(0);
    left.FileStarted(2);  // the first is done; the second still runs
    left.Position(2, 0, 1.0);
    EXPECT_EQ(left.Percent(), 30);
    EXPECT_DOUBLE_EQ(*left.BatchSecondsLeft(), 14);
    EXPECT_EQ(left.ProgressText(), "30% of 3 files, 0:14 left");
}

TEST(TimeLeftTest, ReadsAsAClock) {
    EXPECT_EQ(TimeLeft::ClockText(0), "0:00");
    EXPECT_EQ(TimeLeft::ClockText(130), "2:10");
    EXPECT_EQ(TimeLeft::ClockText(129.2), "2:10");
    EXPECT_EQ(TimeLeft::ClockText(3730), "1:02:10");
}

// Lengths from a crafted list or container, and speeds from an encoder's text, that no video
// has: no wild guess, and never a number cast out of range.
struct AbsurdCase {
    const char* name;
    double length;
    double converted;
    double speed;
    const char* said;
};

class AbsurdProgress : public testing::TestWithParam<AbsurdCase> {};

TEST_P(AbsurdProgress, GivesNoWildGuess) {
    const AbsurdCase& c = GetParam();
    double now = 0;
    TimeLeft left([&now] { return now; });
    left.Start({c.length});
    left.FileStarted(0);
    left.Position(c.converted, c.speed);
    EXPECT_EQ(left.ProgressText(), c.said);
    if (const std::optional<double> seconds = left.FileSecondsLeft()) {
        EXPECT_LE(*seconds, TimeLeft::kLongestWait);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, AbsurdProgress,
    testing::Values(AbsurdCase{"length of 1e300 seconds", 1e300, 5, 2.0, "File 1 of 1"},
                    AbsurdCase{"length of years", 1e9, 5, 2.0, "File 1 of 1"},
                    AbsurdCase{"length not a number", std::nan(""), 5, 2.0, "File 1 of 1"},
                    AbsurdCase{"infinite length", INFINITY, 5, 2.0, "File 1 of 1"},
                    AbsurdCase{"speed of 1e-300", 130, 0, 1e-300, "0% of 1 file"},
                    AbsurdCase{"speed of 1e300", 130, 0, 1e300, "0% of 1 file"},
                    AbsurdCase{"position of 1e300", 130, 1e300, 1.0, "100% of 1 file, 0:00 left"},
                    AbsurdCase{"position not a number", 130, std::nan(""), 1.0,
                               "0% of 1 file, 2:10 left"}),
    test::CaseName<AbsurdCase>);

TEST(TimeLeftTest, AClockOfAnyNumberIsAClock) {
    EXPECT_EQ(TimeLeft::ClockText(1e300), "277777:46:40");
    EXPECT_EQ(TimeLeft::ClockText(INFINITY), "0:00");
    EXPECT_EQ(TimeLeft::ClockText(std::nan("")), "0:00");
    EXPECT_EQ(TimeLeft::ClockText(-1e300), "0:00");
}

TEST(TimeLeftTest, TellsTheBatchInAFewWords) {
    double now = 0;
    TimeLeft left([&now] { return now; });
    left.Start({10, 20, 30});
    left.FileStarted(1);
    EXPECT_EQ(left.ProgressText(), "16% of 3 files");  // no speed yet: no time left
    left.Position(5, 2.0);
    EXPECT_EQ(left.ProgressText(), "25% of 3 files, 0:23 left");
    TimeLeft one([&now] { return now; });
    one.Start({130});
    one.FileStarted(0);
    one.Position(0, 1.0);
    EXPECT_EQ(one.ProgressText(), "0% of 1 file, 2:10 left");
    TimeLeft unknown([&now] { return now; });
    unknown.Start({10, 0, 30});
    unknown.FileStarted(1);
    unknown.Position(5, 2.0);
    EXPECT_EQ(unknown.ProgressText(), "File 2 of 3");
}

TEST(PowerOffCountdownTest, CancelledItEndsWithoutPowerAndOnlyOnce) {
    PowerOffCountdown countdown;
    QSignalSpy ended(&countdown, &PowerOffCountdown::Ended);
    countdown.Start();
    countdown.Tick();
    EXPECT_EQ(countdown.SecondsLeft(), PowerOffCountdown::kSeconds - 1);
    countdown.Cancel();
    countdown.Cancel();
    countdown.Tick();
    ASSERT_EQ(ended.count(), 1);
    EXPECT_FALSE(ended[0][0].toBool());
}

TEST(PowerOffCountdownTest, ItsEndOrPowerOffNowPowersOffOnce) {
    PowerOffCountdown countdown;
    QSignalSpy ended(&countdown, &PowerOffCountdown::Ended);
    countdown.Start();
    for (int second = 0; second < PowerOffCountdown::kSeconds * 2; ++second) {
        countdown.Tick();
    }
    countdown.PowerOffNow();
    ASSERT_EQ(ended.count(), 1);
    EXPECT_TRUE(ended[0][0].toBool());
    countdown.Start();
    countdown.PowerOffNow();
    EXPECT_EQ(ended.count(), 2);
}

}  // namespace
}  // namespace reelwright
