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
    EXPECT_NEAR(roomy.videoBitRate, 2.667e6 * 0.97 - 128e3, 1e3);
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

// How each encoder is held to its rate, and the options each pass is given.
struct PassCase {
    const char* name;
    const char* encoder;
    SizePlan::RateControl control;
    const char* format;  // the encoding's options
    int pass;
    const char* expected;
};

const PassCase kPasses[] = {
    {"x264 first pass", "libx264", SizePlan::RateControl::TwoPasses, "-c:v libx264 -b:v 1000",
     1, "-c:v libx264 -b:v 1000 -pass 1 -passlogfile L -an -sn -dn"},
    {"x264 second pass", "libx264", SizePlan::RateControl::TwoPasses, "-c:v libx264 -b:v 1000",
     2, "-c:v libx264 -b:v 1000 -pass 2 -passlogfile L"},
    {"x265 told through its own parameters", "libx265", SizePlan::RateControl::TwoPasses,
     "-c:v libx265 -x265-params hdr10=1", 2,
     "-c:v libx265 -x265-params hdr10=1:pass=2:stats=L.x265"},
    {"x265 without parameters", "libx265", SizePlan::RateControl::TwoPasses, "-c:v libx265", 1,
     "-c:v libx265 -x265-params pass=1:stats=L.x265 -an -sn -dn"},
    {"a whole-file graph keeps its sound", "libvpx-vp9", SizePlan::RateControl::TwoPasses,
     "-filter_complex [0:a]volume=2[a] -map [a]", 1,
     "-filter_complex [0:a]volume=2[a] -map [a] -pass 1 -passlogfile L"},
    {"MPEG-4", "mpeg4", SizePlan::RateControl::TwoPasses, "-c:v mpeg4", 2,
     "-c:v mpeg4 -pass 2 -passlogfile L"},
    {"SVT-AV1 has one pass", "libsvtav1", SizePlan::RateControl::OnePass, "", 0, ""},
    {"ProRes keeps its own quality", "prores_ks", SizePlan::RateControl::None, "", 0, ""},
    {"FFV1 is lossless", "ffv1", SizePlan::RateControl::None, "", 0, ""},
};

class Passes : public testing::TestWithParam<PassCase> {};

TEST_P(Passes, AreGivenAsEachEncoderTakesThem) {
    const PassCase& c = GetParam();
    EXPECT_EQ(SizePlan::RateControlOf(c.encoder), c.control);
    if (c.pass > 0) {
        EXPECT_EQ(SizePlan::WithPass(SplitArguments(c.format).value(), c.encoder, c.pass, "L")
                      .join(' '),
                  c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Encoders, Passes, testing::ValuesIn(kPasses), test::CaseName<PassCase>);

TEST(SizePlan, CapsTheRateOnlyWhereThereIsNoFirstPass) {
    EXPECT_EQ(SizePlan::RateOptions(1e6, "libx264", true).join(' '), "-b:v 1000000");
    EXPECT_EQ(SizePlan::RateOptions(1e6, "libx264", false).join(' '),
              "-b:v 1000000 -maxrate 1000000 -bufsize 2000000");
    // SVT-AV1 refuses a ceiling equal to its target.
    EXPECT_EQ(SizePlan::RateOptions(1e6, "libsvtav1", false).join(' '), "-b:v 1000000");
}

TEST(SizePlan, KnowsHowOftenAnEncoderPutsAKeyFrame) {
    const struct {
        const char* options;
        const char* encoder;
        int frames;
    } cases[] = {
        {"-c:v libx264 -crf 23", "libx264", 250},
        {"-c:v libx264 -g 60 -crf 23", "libx264", 60},
        {"-c:v libx265 -x265-params min-keyint=12:keyint=120", "libx265", 120},
        {"-c:v libx264 -x264opts keyint=48", "libx264", 48},
        {"-c:v libvpx-vp9 -b:v 1M", "libvpx-vp9", 128},
        {"-c:v mpeg4 -q:v 4", "mpeg4", 12},
        {"-c:v libaom-av1", "libaom-av1", 0},  // at scene changes
        {"-c:v h264_nvenc", "h264_nvenc", 0},  // the hardware's own
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SizePlan::KeyFrameInterval(SplitArguments(c.options).value(), c.encoder),
                  c.frames)
            << c.options;
    }
}

// The picture the floor is judged at, and the smaller pictures tried when it cannot fit.
struct PictureCase {
    const char* name;
    const char* format;
    int width, height;  // the source, as shown
    qint64 limit;       // over 60 s, 128 kb/s of sound
    int encodedWidth, encodedHeight;  // as the format encodes it
    int smallerWidth, smallerHeight;  // what it is made smaller to; 0: none will do
};

const PictureCase kPictures[] = {
    {"as it is", "-c:v libx264", 1920, 1080, 8'000'000, 1920, 1080, 1280, 720},
    {"within the format's height", "-c:v libx264 -vf scale=-2:'min(720,trunc(ih/2)*2)'", 1920,
     1080, 4'000'000, 1280, 720, 854, 480},
    {"a smaller source is not made larger", "-c:v libx264 -vf scale=-2:'min(720,trunc(ih/2)*2)'",
     640, 360, 4'000'000, 640, 360, 0, 0},
    {"a DVD's frame is fixed", "-target pal-dvd", 1920, 1080, 2'000'000, 720, 576, 0, 0},
    {"upright", "-c:v libx264", 1080, 1920, 3'000'000, 1080, 1920, 360, 640},
    {"nothing small enough", "-c:v libx264", 1920, 1080, 300'000, 1920, 1080, 0, 0},
};

class Pictures : public testing::TestWithParam<PictureCase> {};

TEST_P(Pictures, AreJudgedAtTheFormatsSizeAndMadeSmallerInSteps) {
    const PictureCase& c = GetParam();
    const QStringList format = SplitArguments(c.format).value();
    const SizePlan::Picture encoded =
        SizePlan::AsEncoded(format, {c.width, c.height, 25, "libx264"});
    EXPECT_EQ(encoded.width, c.encodedWidth);
    EXPECT_EQ(encoded.height, c.encodedHeight);
    const SizePlan::Budget budget{c.limit, 60, 128e3, 0, "mp4"};
    const std::optional<SizePlan::Picture> smaller = SizePlan::Smaller(format, budget, encoded);
    EXPECT_EQ(smaller ? smaller->width : 0, c.smallerWidth);
    EXPECT_EQ(smaller ? smaller->height : 0, c.smallerHeight);
    if (smaller) {
        EXPECT_TRUE(SizePlan::Watchable(budget, *smaller));
        EXPECT_FALSE(SizePlan::Watchable(budget, encoded));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, Pictures, testing::ValuesIn(kPictures),
                         test::CaseName<PictureCase>);

TEST(SizePlan, ScalesAfterTheFormatsOwnFilters) {
    const SizePlan::Picture small{1280, 720, 25, "libx264"};
    EXPECT_EQ(SizePlan::ScaledTo(SplitArguments("-c:v libx264 -vf yadif").value(), small).join(' '),
              "-c:v libx264 -vf yadif,scale=1280:720");
    EXPECT_EQ(SizePlan::ScaledTo(SplitArguments("-c:v libx264").value(), small).join(' '),
              "-c:v libx264 -vf scale=1280:720");
}

TEST(SizePlan, TakesTheKeptSubtitlesAndAttachmentsFromTheLimit) {
    using Kind = MediaTracks::Kind;
    MediaTracks source;
    const auto add = [&source](Kind kind, qint64 bytes, bool pictures = false) {
        MediaTracks::Track track;
        track.kind = kind;
        track.bytes = bytes;
        track.pictureSubtitle = pictures;
        source.tracks.push_back(track);
    };
    add(Kind::Video, 0);
    add(Kind::Subtitle, 40'000);           // tagged by its muxer
    add(Kind::Subtitle, 0);                // text, untold: a few hundred bytes a minute
    add(Kind::Subtitle, 0, true);          // pictures, untold: tens of kilobits a second
    add(Kind::Font, 300'000);
    add(Kind::Font, 90'000);
    add(Kind::Cover, 120'000);
    const struct {
        TrackReport::Counts kept;
        qint64 bytes;
    } cases[] = {
        {{1, 0, 0, 0, 0}, 0},
        {{1, 0, 1, 0, 0}, 500'000},                  // the largest subtitle: the picture one
        {{1, 0, 2, 0, 0}, 540'000},
        {{1, 0, 3, 0, 0}, 550'000},
        {{1, 0, 0, 1, 1}, 420'000},                  // the larger font, and the cover
        {{1, 0, 3, 1, 2}, 550'000 + 510'000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SizePlan::OtherBytes(source, c.kept, 100), c.bytes)
            << c.kept.subtitle << " subtitles, " << c.kept.font << " fonts";
    }
}

}  // namespace
}  // namespace reelwright
