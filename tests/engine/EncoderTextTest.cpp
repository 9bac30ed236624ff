#include "engine/CVideoConv.h"
#include "engine/EncoderText.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

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
        TimeCase{"no position here", false, 0, ""}),
    test::CaseName<TimeCase>);

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

TEST_P(ErrorDetail, FollowsTheLastInformationalBlock) {
    const DetailCase& c = GetParam();
    EXPECT_EQ(CVideoConv::GetErrorDetail(QString::fromUtf8(c.text)), QString::fromUtf8(c.detail))
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ErrorDetail,
    testing::Values(
        DetailCase{"empty", "", ""}, DetailCase{"blanks", "   ", ""},
        DetailCase{
            "mapping, CR LF",
            "Input #0\r\nStream mapping:\r\n  #0:0 -> #0:0\r\n  #0:1 -> #0:1\r\nBad thing\r\n",
            "\nBad thing\r\n"},
        DetailCase{"mapping, LF", "Stream mapping:\n  a\n  b\nError while opening encoder\n",
                   "\nError while opening encoder\n"},
        DetailCase{
            "input",
            "Input #0, avi, from 'a':\n  Duration: 1\n  Stream #0:0\n  Stream #0:1\nNo way\n",
            "\nNo way\n"},
        DetailCase{"older banner", "FFmpeg version SVN, built on Jan 1 2008\n  configuration\n",
                   ""},
        DetailCase{"no marker", "  x.avi: No such file or directory\n",
                   "x.avi: No such file or directory"},
        DetailCase{"today's banner",
                   "ffmpeg version 5.1 Copyright\n  built with gcc 12\n  libavutil 57\n"
                   "/v/x.avi: Invalid data found when processing input\n",
                   "/v/x.avi: Invalid data found when processing input"},
        // Too few lines after the marker: the search starts over from the top.
        DetailCase{"short mapping", "Stream mapping:\n  a\n", "Stream mapping:\n  a\n"}),
    test::CaseName<DetailCase>);

}  // namespace
}  // namespace reelwright
