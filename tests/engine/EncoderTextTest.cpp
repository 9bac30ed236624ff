#include "engine/CVideoConv.h"
#include "engine/EncoderText.h"
#include "engine/EncoderTranscript.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

#include <optional>

namespace reelwright {
namespace {

struct TimeCase {
    const char* piece;
    bool found;
    double seconds;
    const char* text;
};

class ReadingTheTimeValue : public testing::TestWithParam<TimeCase> {};

TEST_P(ReadingTheTimeValue, TakesOnlyCompleteNumbers) {
    const TimeCase& c = GetParam();
    const auto value = FindTimeValue(QString::fromUtf8(c.piece));
    ASSERT_EQ(value.has_value(), c.found) << c.piece;
    if (c.found) {
        EXPECT_DOUBLE_EQ(value->seconds, c.seconds) << c.piece;
        EXPECT_EQ(value->secondsText, QString::fromUtf8(c.text)) << c.piece;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, ReadingTheTimeValue,
    testing::Values(
        TimeCase{"frame=  12 q=2.0 size= 100kB time=12.40 bitrate= 1.2", true, 12.40, "12.40"},
        TimeCase{"size=N/A time=00:01:02.50 bitrate=N/A speed=2x\r", true, 62.5, "62.50"},
        TimeCase{"TIME=5 ", true, 5.0, "5"},
        TimeCase{"time=10:00:00.00 bitrate", true, 36000.0, "36000.00"},
        TimeCase{"time=-00:00:00.04 bitrate", true, -0.04, "-0.04"},
        TimeCase{"time=01:02:03 x", true, 3723.0, "3723"},
        // Only the first value of a piece counts.
        TimeCase{"time=1.00 a\rtime=2.00 b", true, 1.0, "1.00"},
        TimeCase{"time=N/A bitrate=N/A", false, 0, ""}, TimeCase{"time= bitrate", false, 0, ""},
        TimeCase{"time=00:00:0", false, 0, ""},  // cut off by the read's end
        TimeCase{"time=1,5 x", false, 0, ""}, TimeCase{"time=12abc x", false, 0, ""},
        TimeCase{"no position here", false, 0, ""},
        // More hours than an encoder counts, or digits than a number holds: no position.
        TimeCase{"time=999999999999999999:00:00.00 x", false, 0, ""},
        TimeCase{"time=99999999999999999999:00:00.00 x", false, 0, ""},
        TimeCase{"time=999999999:59:59 x", true, 3599999999999.0, "3599999999999"},
        TimeCase{"time=1000000000000000000000000000000000000000000000000000000000000000000000000000"
                 "00000000000000000000000000000000000000000000000000000000000000000000000000000000"
                 "00000000000000000000000000000000000000000000000000000000000000000000000000000000"
                 "00000000000000000000000000000000000000000000000000000000000000000000000000000000"
                 " x",
                 false, 0, ""}),
    REELWRIGHT_NAMED_BY(piece));

TEST(EncoderPhrases, RecogniseTheOlderAndTodaysWording) {
    EXPECT_TRUE(HasEncodingBegun("Press [q] to stop, [?] for help"));
    EXPECT_TRUE(HasEncodingBegun("press [q] to stop encoding"));
    EXPECT_TRUE(HasEncodingBegun("PRESS [Q] TO STOP ENCODING"));
    EXPECT_FALSE(HasEncodingBegun("Stream mapping:\n  Stream #0:0 -> #0:0"));

    EXPECT_TRUE(IsUnreadableInputText("x.avi: Unknown format"));
    EXPECT_TRUE(IsUnreadableInputText("x.avi: unknown FORMAT"));
    EXPECT_TRUE(IsUnreadableInputText("x.bin: Invalid data found when processing input"));
    EXPECT_FALSE(IsUnreadableInputText("Input #0, avi, from 'x.avi':"));
}

TEST(EncoderPhrases, LateFailuresAreFoundAtTheStartOfALine) {
    EXPECT_TRUE(HasLateFailure("frame= 10\rConversion failed!\n"));
    EXPECT_TRUE(HasLateFailure("video:1kB\nError writing trailer of out.mp4: No space left\n"));
    EXPECT_TRUE(HasLateFailure("x\r\nError closing file out.mp4: Input/output error\r\n"));
    EXPECT_FALSE(HasLateFailure("muxing overhead: 0.1%\n"));
    EXPECT_FALSE(HasLateFailure("title : Error writing trailer is a song\n"));
}

struct DetailCase {
    const char* name;
    const char* text;
    const char* detail;
};

class ErrorDetail : public testing::TestWithParam<DetailCase> {};

TEST_P(ErrorDetail, IsTheEncodersOwnLastErrorLines) {
    const DetailCase& c = GetParam();
    EXPECT_EQ(CVideoConv::GetErrorDetail(QString::fromUtf8(c.text)), QString::fromUtf8(c.detail))
        << c.name;
}

// What ffmpeg 5.1 prints before it gives up on an unknown encoder.
const char* kListingThenCause =
    "ffmpeg version 5.1.9 Copyright (c) 2000-2026\n  built with gcc 12\n"
    "  configuration: --prefix=/usr\n  libavutil      57. 28.100 / 57. 28.100\n"
    "Input #0, matroska,webm, from 'in.mkv':\n  Metadata:\n    ENCODER         : Lavf59\n"
    "  Duration: 00:00:06.01, start: 0.000000, bitrate: 706 kb/s\n"
    "  Stream #0:0: Video: mpeg4 (Simple Profile), yuv420p, 320x240, 25 fps\n"
    "  Stream #0:1: Audio: mp2, 44100 Hz, mono, s16p, 384 kb/s\n"
    "Unknown encoder 'libnothing'\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, ErrorDetail,
    testing::Values(
        DetailCase{"empty", "", ""}, DetailCase{"blanks", "   ", ""},
        DetailCase{"listing then cause", kListingThenCause, "Unknown encoder 'libnothing'"},
        DetailCase{
            "mapping, CR LF",
            "Input #0\r\nStream mapping:\r\n  #0:0 -> #0:0\r\n  #0:1 -> #0:1\r\nBad thing\r\n",
            "Bad thing"},
        DetailCase{"library line, generic last line dropped",
                   "Stream mapping:\n  a\nPress [q] to stop, [?] for help\n"
                   "[libx264 @ 0x55d1c0] height not divisible by 2 (160x121)\n"
                   "Error initializing output stream 0:0 -- Error while opening encoder\n"
                   "Conversion failed!\n",
                   "[libx264] height not divisible by 2 (160x121)\r\n"
                   "Error initializing output stream 0:0 -- Error while opening encoder"},
        DetailCase{"statistics are not errors",
                   "[libx264 @ 0x55] frame I:1     Avg QP:16.89  size:  4536\n"
                   "[aac @ 0x55] Qavg: 102.420\nvideo:58kB audio:25kB subtitle:0kB\n"
                   "frame=  73 fps=0.0 q=-1.0 Lsize=      87kB time=00:00:02.92 bitrate=\r",
                   ""},
        DetailCase{"only the last few",
                   "one\ntwo\nthree\nfour\nfive\nsix\n", "three\r\nfour\r\nfive\r\nsix"},
        DetailCase{"older banner", "FFmpeg version SVN, built on Jan 1 2008\n  configuration\n",
                   ""},
        DetailCase{"today's banner",
                   "ffmpeg version 5.1 Copyright\n  built with gcc 12\n  libavutil 57\n"
                   "/v/x.avi: Invalid data found when processing input\n",
                   "/v/x.avi: Invalid data found when processing input"}),
    test::CaseName<DetailCase>);

TEST(EncoderTranscriptTest, KeepsAFewKilobytesWhateverTheEncoderWrites) {
    EncoderTranscript transcript;
    const QString progress = "frame=  10 fps=0.0 q=2.0 size=  1kB time=00:00:01.00 bitrate= 1 "
                             "speed=2.5x    \r";
    const QString warning = "[mpeg4 @ 0x55] ac-tex damaged at 18 9\n";
    const QString endless(100000, u'x');  // one line that never ends
    for (int i = 0; i < 2000; ++i) {
        transcript.Feed(progress);
        transcript.Feed(warning);
    }
    transcript.Feed(endless);
    transcript.Feed(endless);
    transcript.Feed(QStringLiteral("\nConversion failed!\n"));
    transcript.Finish();
    EXPECT_LE(transcript.Tail().size(), EncoderTranscript::kTailLength);
    EXPECT_EQ(transcript.ErrorLines().size(), EncoderTranscript::kKeptErrorLines);
    for (const QString& line : transcript.ErrorLines()) {
        EXPECT_LE(line.size(), EncoderTranscript::kMaxLineLength);
    }
    EXPECT_EQ(transcript.LastTime(), 1.0);
    EXPECT_EQ(transcript.LastSpeed(), 2.5);
    EXPECT_TRUE(transcript.ErrorLines().last() == "Conversion failed!");
}

TEST(EncoderTranscriptTest, APhraseSplitBetweenPiecesIsStillFound) {
    EncoderTranscript transcript;
    transcript.SetEchoedPaths({"/v/x.bin"});
    EXPECT_FALSE(transcript.Feed(QStringLiteral("/v/x.bin: Invalid data fo")));
    EXPECT_TRUE(transcript.Feed(QStringLiteral("und when processing input\n")));
    EXPECT_TRUE(transcript.Unreadable());
}

TEST(EncoderTranscriptTest, AnUnreadableInputIsToldOnceThoughSaidTwice) {
    // ffmpeg 7.1 on a file it cannot read.
    EncoderTranscript transcript;
    EXPECT_TRUE(transcript.Feed(
        QStringLiteral("[in#0 @ 0x55af] Error opening input: Invalid data found when processing "
                       "input\nError opening input file /v/x.avi.\n")));
    EXPECT_FALSE(
        transcript.Feed(QStringLiteral("Error opening input files: Invalid data found when ")));
    EXPECT_FALSE(transcript.Feed(QStringLiteral("processing input\n")));
    EXPECT_FALSE(transcript.Finish());
    EXPECT_TRUE(transcript.Unreadable());
}

TEST(EncoderPhrases, AConversionThatEndsShortIsToldFromOneThatCutsOnPurpose) {
    EXPECT_FALSE(EndedWellShort(5.92, 6, "-c:v libx264"));
    EXPECT_TRUE(EndedWellShort(2.9, 6, "-c:v libx264"));
    EXPECT_FALSE(EndedWellShort(7150, 7200, ""));  // 2% of two hours
    EXPECT_TRUE(EndedWellShort(6000, 7200, ""));
    for (const char* cutting : {"-t 2", "-to 3", "-ss 1 -c copy", "-frames:v 10", "-vframes 5",
                                "-fs 1M", "-shortest"}) {
        EXPECT_FALSE(EndedWellShort(1, 6, cutting)) << cutting;
    }
    EXPECT_TRUE(EndedWellShort(1, 6, "-metadata title=-t"));
}

struct ShortfallCase {
    const char* name;
    double converted;
    double length;
    std::optional<double> frameRate;
    bool endedShort;
};

class Shortfalls : public testing::TestWithParam<ShortfallCase> {};

// Long files are forgiven 2 s or 2%; short ones a share of themselves or a few frames.
TEST_P(Shortfalls, AreForgivenByTheFilesLengthAndFrames) {
    const ShortfallCase& c = GetParam();
    EXPECT_EQ(EndedWellShort(c.converted, c.length, "-c:v libx264", c.frameRate), c.endedShort);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Shortfalls,
    testing::Values(
        // A slide show at one frame a second ends up to four frames early.
        ShortfallCase{"SlidesThreeFramesEarly", 7, 10, 1.0, false},
        ShortfallCase{"SlidesFiveFramesEarly", 5, 10, 1.0, true},
        // Ten frames in 1.02 s of which one came out.
        ShortfallCase{"ShortClipLeftWithOneFrame", 0.10, 1.02, 10.0, true},
        ShortfallCase{"ShortClipAFrameEarly", 0.92, 1.02, 10.0, false},
        ShortfallCase{"ShortSoundHalfGone", 0.5, 1.0, std::nullopt, true},
        ShortfallCase{"ShortSoundItsPaddingShort", 0.96, 1.0, std::nullopt, false},
        ShortfallCase{"TenSecondsLosingOneAndAHalf", 8.5, 10, 25.0, true},
        ShortfallCase{"TwentySecondsKeepTwo", 18.1, 20, 25.0, false},
        ShortfallCase{"TwoFramesAtOneASecondLosingOne", 1, 2, 1.0, false}),
    [](const testing::TestParamInfo<ShortfallCase>& info) { return info.param.name; });

TEST(EncoderTranscriptTest, TheInputsFrameRateIsReadFromItsListingOnly) {
    EncoderTranscript transcript;
    transcript.Feed(QStringLiteral(
        "Input #0, avi, from 'slides.avi':\n  Duration: 00:00:10.00, start: 0.000000\n"
        "  Stream #0:0: Video: mpeg4 (Simple Profile), yuv420p, 320x240, 1 fps, 1 tbr, 1 tbn\n"
        "  Stream #0:1: Video: mjpeg, yuvj420p, 320x240, 2.50 fps, 2.50 tbr\n"
        "Stream mapping:\n  Stream #0:0 -> #0:0 (mpeg4 (native) -> h264 (libx264))\n"
        "Output #0, mp4, to 'out.mp4':\n"
        "  Stream #0:0: Video: h264, yuv420p, 320x240, q=2-31, 0.5 fps, 16384 tbn\n"));
    EXPECT_EQ(transcript.InputFrameRate(), 1.0);
}

}  // namespace
}  // namespace reelwright
