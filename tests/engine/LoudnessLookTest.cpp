// The loudness meter's readings as the encoder prints them (captured from ffmpeg 5.1 and 7.1,
// which print each meter's reading when it ends, in no fixed order), and the measuring run's
// command.
#include "engine/LoudnessLook.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

// ffmpeg 7.1, two tracks: the second meter's reading first.
const char* const kTwoTracks =
    "size=N/A time=00:00:03.00 bitrate=N/A speed=8.31x    \r"
    "[loudnorm@s2 @ 0x564dcca69900] \n"
    "{\n"
    "\t\"input_i\" : \"-7.85\",\n"
    "\t\"input_tp\" : \"-3.93\",\n"
    "\t\"input_lra\" : \"0.00\",\n"
    "\t\"input_thresh\" : \"-17.85\",\n"
    "\t\"output_i\" : \"-24.00\",\n"
    "\t\"output_tp\" : \"-20.08\",\n"
    "\t\"output_lra\" : \"0.10\",\n"
    "\t\"output_thresh\" : \"-34.00\",\n"
    "\t\"normalization_type\" : \"dynamic\",\n"
    "\t\"target_offset\" : \"-0.00\"\n"
    "}\n"
    "[loudnorm@s1 @ 0x564dcca68a40] \n"
    "{\n"
    "\t\"input_i\" : \"-41.75\",\n"
    "\t\"input_tp\" : \"-41.06\",\n"
    "\t\"input_lra\" : \"2.50\",\n"
    "\t\"input_thresh\" : \"-51.75\",\n"
    "\t\"output_i\" : \"-23.95\",\n"
    "\t\"normalization_type\" : \"dynamic\",\n"
    "\t\"target_offset\" : \"-0.05\"\n"
    "}\n"
    "[out#0/null @ 0x55b9518da940] video:0KiB audio:6000KiB subtitle:0KiB other streams:0KiB\n";

// ffmpeg 5.1, a silent track: nothing above the gate.
const char* const kSilent =
    "video:0kB audio:1125kB subtitle:0kB other streams:0kB global headers:0kB\n"
    "[loudnorm@s0 @ 0x563d1cd9e100] \n"
    "{\n"
    "\t\"input_i\" : \"-inf\",\n"
    "\t\"input_tp\" : \"-inf\",\n"
    "\t\"input_lra\" : \"0.00\",\n"
    "\t\"input_thresh\" : \"-70.00\",\n"
    "\t\"output_i\" : \"-inf\",\n"
    "\t\"normalization_type\" : \"dynamic\",\n"
    "\t\"target_offset\" : \"inf\"\n"
    "}\n";

TEST(LoudnessReadings, AreReadByTheStreamEachMeterWasNamedFor) {
    const std::map<int, Loudness> found = LoudnessFromAnalysis(QString::fromLatin1(kTwoTracks));
    ASSERT_EQ(found.size(), 2U);
    EXPECT_EQ(found.at(1), (Loudness{-41.75, -41.06, 2.5, -51.75}));
    EXPECT_EQ(found.at(2), (Loudness{-7.85, -3.93, 0.0, -17.85}));
    EXPECT_TRUE(found.at(1).Audible());

    const std::map<int, Loudness> silent = LoudnessFromAnalysis(QString::fromLatin1(kSilent));
    ASSERT_EQ(silent.size(), 1U);
    EXPECT_FALSE(silent.at(0).Audible());
    EXPECT_FALSE((Loudness{-70.0, -60.0, 0, -80.0}).Audible());
}

TEST(LoudnessReadings, AReadingCutShortOrUnreadableIsNone) {
    QString cut = QString::fromLatin1(kTwoTracks);
    cut.truncate(cut.indexOf("[loudnorm@s1") + 40);  // its block never closes
    EXPECT_EQ(LoudnessFromAnalysis(cut).count(1), 0U);
    EXPECT_EQ(LoudnessFromAnalysis(cut).count(2), 1U);
    QString garbled = QString::fromLatin1(kTwoTracks);
    garbled.replace("\"-41.75\"", "\"nan-ish\"");
    EXPECT_EQ(LoudnessFromAnalysis(garbled).count(1), 0U);
    EXPECT_TRUE(LoudnessFromAnalysis("Conversion failed!\n").empty());
}

// Each meter is named by the stream it reads; measured as encoded, the encoded file's tracks
// are read in their order, already shaped.
TEST(LoudnessReadings, EachMeterIsNamedByItsStream) {
    const std::vector<SoundToMeasure> sounds{{"aformat=channel_layouts=stereo", 3}, {"", 5}};
    EXPECT_EQ(LoudnessLookOptions(sounds),
              "-filter_complex \"[0:3]aformat=channel_layouts=stereo,loudnorm@s3=print_format=json"
              "[m3];[0:5]loudnorm@s5=print_format=json[m5]\" -map [m3] -map [m5] -f null -");
    EXPECT_EQ(LoudnessLookOptions(sounds, true),
              "-filter_complex \"[0:0]loudnorm@s3=print_format=json[m3];[0:1]loudnorm@s5="
              "print_format=json[m5]\" -map [m3] -map [m5] -f null -");
    const LoudnessLook encoded("/films/a b.mkv", sounds, {"-c:a", "aac", "-b:a", "128k"});
    const QStringList commands = encoded.CommandLines();
    ASSERT_EQ(commands.size(), 2);
    EXPECT_TRUE(commands[0].contains(" -vn -sn -dn -i \"/films/a b.mkv\" -map 0:3 -filter:a:0 "
                                     "\"aformat=channel_layouts=stereo,volume=0dB\" -map 0:5 "
                                     "\"-c:a\" \"aac\" \"-b:a\" \"128k\" -f matroska -y "))
        << commands[0].toStdString();
    EXPECT_EQ(LoudnessLook("/films/a.flac", sounds).CommandLines().size(), 1);
}

}  // namespace
}  // namespace reelwright
