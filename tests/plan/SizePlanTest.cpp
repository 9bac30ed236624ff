// A size asked for, read as the user writes it; the picture's rate worked out from the limit;
// the format's own rate control taken out; a limit too small to be watchable refused with the
// smallest size that would do; and the rate lowered after an encode that went over.
#include "common/CaseName.h"
#include "formats/SizeLimit.h"
#include "plan/SizePlan.h"
#include "platform/CommandLine.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

struct SizeCase {
    const char* name;
    const char* text;
    qint64 bytes;  // 0: refused
};

const SizeCase kSizes[] = {
    {"mail limit", "25M", 25'000'000},        {"with its B", "25MB", 25'000'000},
    {"spaced", "25 MB", 25'000'000},          {"gigabytes", "1.5G", 1'500'000'000},
    {"binary", "700MiB", 734'003'200},        {"kilobytes", "500k", 500'000},
    {"a comma", "1,5 GB", 1'500'000'000},     {"small letters", "2gib", 2'147'483'648},
    {"no unit", "25", 0},                     {"too small", "10K", 0},
    {"a word", "big", 0},                     {"negative", "-25M", 0},
    {"an option after", "25M -f null", 0},    {"terabytes", "1T", 0},
};

class Sizes : public testing::TestWithParam<SizeCase> {};

TEST_P(Sizes, AreReadAsWritten) {
    const SizeCase& c = GetParam();
    EXPECT_EQ(SizeLimit::Parse(QString::fromLatin1(c.text)).value_or(0), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Limits, Sizes, testing::ValuesIn(kSizes), test::CaseName<SizeCase>);

TEST(SizePlan, TakesOutTheFormatsRateControlAndKeepsTheRest) {
    const QStringList arguments =
        SplitArguments("-c:v libx264 -preset medium -crf 23 -pix_fmt yuv420p -c:a aac -b:a 160k "
                       "-q:v:0 3 -maxrate 5M -bufsize 10M")
            .value();
    EXPECT_EQ(SizePlan::WithoutRateControl(arguments).join(' '),
              "-c:v libx264 -preset medium -pix_fmt yuv420p -c:a aac -b:a 160k");
    const QStringList vp9 =
        SplitArguments("-c:v libvpx-vp9 -crf 33 -b:v 0 -row-mt 1 -c:a libopus").value();
    EXPECT_EQ(SizePlan::WithoutRateControl(vp9).join(' '), "-c:v libvpx-vp9 -row-mt 1 -c:a libopus");
}

TEST(SizePlan, CountsEveryKeptSoundTrack) {
    EXPECT_DOUBLE_EQ(SizePlan::SoundBitRate(SplitArguments("-c:a aac -b:a 160k").value(), 2, 2),
                     320e3);
    EXPECT_DOUBLE_EQ(SizePlan::SoundBitRate(SplitArguments("-c:a libopus").value(), 1, 6), 288e3);
    EXPECT_DOUBLE_EQ(SizePlan::SoundBitRate(SplitArguments("-c:a aac -an").value(), 1, 2), 0);
    EXPECT_DOUBLE_EQ(SizePlan::SoundBitRate(SplitArguments("-c:a aac").value(), 0, 2), 0);
}

// Ten minutes of 1080p in 200 MB leaves room for the picture; in 5 MB it does not, and the
// refusal names the smallest size that would do.
TEST(SizePlan, FitsWhatTheLimitCanHoldAndRefusesWhatItCannot) {
    const SizePlan::Picture film{1920, 1080, 25, "libx264"};
    const SizePlan::Fit roomy =
        SizePlan::FitPicture({200'000'000, 600, 128e3, 0, "mp4"}, film);
    ASSERT_FALSE(roomy.refusal.has_value());
    // 200 MB over 600 s is 2.67 Mb/s; less the container's share, the margin and the sound.
    EXPECT_NEAR(roomy.videoBitRate, 2.667e6 * 0.955 - 128e3, 1e3);
    EXPECT_EQ(roomy.options.mid(0, 2), QStringList({"-b:v", QString::number(
                                                              static_cast<qint64>(roomy.videoBitRate))}));
    const SizePlan::Fit tight = SizePlan::FitPicture({5'000'000, 600, 128e3, 0, "mp4"}, film);
    ASSERT_TRUE(tight.refusal.has_value());
    EXPECT_TRUE(tight.refusal->contains("5 MB")) << tight.refusal->toStdString();
    EXPECT_TRUE(tight.refusal->contains("at 1920x1080 it needs at least 1")) << tight.refusal->toStdString();
    EXPECT_TRUE(tight.options.isEmpty());
    // The older codecs need more of each pixel.
    EXPECT_GT(SizePlan::FloorBitsPerPixel("mpeg4"), SizePlan::FloorBitsPerPixel("libx265"));
}

TEST(SizePlan, LowersTheRateByWhatTheResultWentOver) {
    // 10% over: at least 10% lower, and a margin besides.
    const double lowered = SizePlan::Lowered(1e6, 11'000'000, 10'000'000, 100);
    EXPECT_LT(lowered, 1e6 / 1.1);
    EXPECT_GT(lowered, 0.8e6);
    EXPECT_GT(SizePlan::Lowered(1e5, 100'000'000, 10'000'000, 10), 0);
}

}  // namespace
}  // namespace reelwright
