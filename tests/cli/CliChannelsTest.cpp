// Surround sound through the shipped presets with the real encoder: each result's layout read
// back with ffprobe, and what was mixed down said.
#include "CliFixture.h"

#include "common/CaseName.h"

#include <QStandardPaths>

namespace reelwright {
namespace {

struct ChannelsCase {
    const char* name;
    const char* layout;  // the source's
    const char* codec;   // the source's sound encoder
    const char* preset;
    const char* extension;
    const char* expected;  // channels,layout as ffprobe reads the result's sound
    const char* said;      // in the file's line; empty for no mix said
};

const ChannelsCase kChannels[] = {
    {"DVD sound into the default MP4", "5.1(side)", "ac3",
     "Computer and TV/H.264 / AAC (most players)", "mp4", "6,5.1", ""},
    {"DVD sound into the default MKV", "5.1(side)", "ac3",
     "Computer and TV/H.264 / AAC (most players)", "mkv", "6,5.1", ""},
    {"DVD sound into HEVC", "5.1(side)", "ac3", "Computer and TV/H.265 / AAC, smaller files",
     "mp4", "6,5.1", ""},
    {"DVD sound into VP9", "5.1(side)", "ac3", "Web/VP9 / Opus (WebM)", "webm", "2,stereo",
     "5.1 sound mixed down to stereo"},
    {"DVD sound into FFV1", "5.1(side)", "ac3", "Editing and Archiving/FFV1 lossless (MKV)",
     "mkv", "6,5.1(side)", ""},
    {"wide 7.1 into the default MP4", "7.1(wide)", "flac",
     "Computer and TV/H.264 / AAC (most players)", "mp4", "8,7.1", ""},
    {"6.1 into the default MP4", "6.1", "flac", "Computer and TV/H.264 / AAC (most players)",
     "mp4", "6,5.1", "6.1 sound mixed down to 5.1: AAC cannot hold 6.1."},
    {"mono into the default MP4", "mono", "aac", "Computer and TV/H.264 / AAC (most players)",
     "mp4", "1,mono", ""},
};

class SurroundSound : public CliTest, public testing::WithParamInterface<ChannelsCase> {};

TEST_P(SurroundSound, KeepsItsSpeakersOrSaysTheMix) {
    const ChannelsCase& c = GetParam();
    const QString source = home.filePath("film.mkv");
    QString said;
    ASSERT_EQ(test::RunProgram(test::SystemEncoder(),
                               {"-v", "error", "-y", "-f", "lavfi", "-i",
                                "testsrc2=s=64x48:r=25:d=0.5", "-f", "lavfi", "-i",
                                "sine=d=0.5", "-filter_complex",
                                QString("[1]aformat=channel_layouts=%1[a]").arg(c.layout),
                                "-map", "0:v", "-map", "[a]", "-c:v", "mpeg2video", "-c:a",
                                c.codec, source},
                               &said),
              0)
        << said.toStdString();
    const Result result = Run({"--preset", c.preset, "--extension", c.extension,
                               "--output-folder", "out", source});
    ASSERT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    ASSERT_EQ(Outputs().size(), 1);
    QString probed;
    test::RunProgram(QStandardPaths::findExecutable("ffprobe"),
                     {"-v", "error", "-select_streams", "a:0", "-show_entries",
                      "stream=channels,channel_layout", "-of", "csv=p=0",
                      home.filePath("out/" + Outputs()[0])},
                     &probed);
    EXPECT_EQ(probed.trimmed(), QString::fromLatin1(c.expected));
    if (*c.said) {
        EXPECT_TRUE(result.out.contains(QString::fromUtf8(c.said))) << result.out.toStdString();
    } else {
        EXPECT_FALSE(result.out.contains("mixed down")) << result.out.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Presets, SurroundSound, testing::ValuesIn(kChannels),
                         test::CaseName<ChannelsCase>);

}  // namespace
}  // namespace reelwright
