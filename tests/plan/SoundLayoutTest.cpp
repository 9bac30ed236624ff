// What each encoded sound track's channels become, for every encoder the catalogue uses.
#include "plan/SoundLayout.h"
#include "plan/TrackPlan.h"
#include "platform/CommandLine.h"

#include "SourceTracks.h"
#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

using Kind = MediaTracks::Kind;

MediaTracks::Track Sound(const char* layout, int channels) {
    MediaTracks::Track sound = test::SourceTrack(1, Kind::Audio, "ac3");
    sound.channelLayout = QString::fromLatin1(layout);
    sound.channels = channels;
    return sound;
}

struct LayoutCase {
    const char* name;
    const char* layout;  // the source's, empty when the file gives a count only
    int channels;
    const char* options;
    const char* filter;  // the track's own filter, empty for none
    const char* note;    // what is said, empty for nothing
};

const LayoutCase kLayouts[] = {
    // Every DVD's and most Blu-ray rips' sound: AAC would write it as "unknown".
    {"5.1 side into AAC", "5.1(side)", 6, "-c:a aac -b:a 160k", "aformat=channel_layouts=5.1",
     ""},
    {"5.1 back into AAC is held", "5.1", 6, "-c:a aac", "", ""},
    {"5.0 side into AAC", "5.0(side)", 5, "-c:a aac", "aformat=channel_layouts=5.0", ""},
    {"7.1 wide into AAC", "7.1(wide)", 8, "-c:a aac", "aformat=channel_layouts=7.1", ""},
    {"6.1 into AAC is mixed down", "6.1", 7, "-c:a aac", "aformat=channel_layouts=5.1",
     "6.1 sound mixed down to 5.1: AAC cannot hold 6.1."},
    {"mono into AAC", "mono", 1, "-c:a aac", "", ""},
    {"a count alone into AAC", "", 6, "-c:a aac", "", ""},
    // Opus refuses these outright: the file would fail.
    {"5.1 side into Opus", "5.1(side)", 6, "-c:a libopus -b:a 128k",
     "aformat=channel_layouts=5.1", ""},
    {"2.1 into Opus", "2.1", 3, "-c:a libopus", "aformat=channel_layouts=stereo",
     "2.1 sound mixed down to stereo: Opus cannot hold 2.1."},
    {"7.1 wide into Opus", "7.1(wide)", 8, "-c:a libopus", "aformat=channel_layouts=7.1", ""},
    {"6.1 back into Opus", "6.1(back)", 7, "-c:a libopus", "aformat=channel_layouts=6.1", ""},
    {"5.1 into AC-3 keeps its speakers", "5.1", 6, "-c:a ac3",
     "aformat=channel_layouts=5.1(side)", ""},
    {"7.1 onto a DVD", "7.1", 8, "-target pal-dvd", "aformat=channel_layouts=5.1(side)",
     "7.1 sound mixed down to 5.1: AC-3 cannot hold 7.1."},
    {"5.1 into MP3", "5.1(side)", 6, "-c:a libmp3lame -b:a 192k",
     "aformat=channel_layouts=stereo", "5.1 sound mixed down to stereo: MP3 cannot hold 5.1."},
    {"5.1 onto a Video CD", "5.1", 6, "-target pal-vcd", "aformat=channel_layouts=stereo",
     "5.1 sound mixed down to stereo: MPEG audio cannot hold 5.1."},
    // WMA fails above two channels.
    {"5.1 into WMA", "5.1", 6, "-c:a wmav2", "aformat=channel_layouts=stereo",
     "5.1 sound mixed down to stereo: WMA cannot hold 5.1."},
    {"stereo into WMA", "stereo", 2, "-c:a wmav2", "", ""},
    // FLAC and PCM hold any layout.
    {"5.1 side into FLAC", "5.1(side)", 6, "-c:a flac", "", ""},
    {"5.1 side into PCM", "5.1(side)", 6, "-c:a pcm_s16le", "", ""},
    // The format's own channels are its choice, and a mix down is said.
    {"the format's stereo", "5.1(side)", 6, "-c:a libopus -ac 2", "",
     "5.1 sound mixed down to stereo: the format is stereo."},
    {"the format's mono", "stereo", 2, "-c:a aac -ac 1", "",
     "stereo sound mixed down to mono: the format is mono."},
    {"the format's four channels", "7.1", 8, "-c:a aac -ac 4", "",
     "7.1 sound mixed down to quad: the format keeps 4 channels."},
    {"mono given two channels", "mono", 1, "-c:a aac -ac 2", "", ""},
    {"the format's own filter", "5.1(side)", 6, "-c:a aac -af volume=2", "", ""},
    // The container's own encoder is not known here: left to the encoder.
    {"no codec named", "5.1(side)", 6, "-b:a 128k", "", ""},
};

class SoundLayouts : public testing::TestWithParam<LayoutCase> {};

TEST_P(SoundLayouts, AreNamedAsTheEncoderNamesThemOrMixedDownAndSaid) {
    const LayoutCase& c = GetParam();
    const QStringList arguments = SplitArguments(QString::fromLatin1(c.options)).value();
    const SoundLayout layout = SoundLayout::For(Sound(c.layout, c.channels),
                                                SoundLayout::EncoderIn(arguments), arguments);
    EXPECT_EQ(layout.filter, QString::fromLatin1(c.filter));
    EXPECT_EQ(layout.note.value_or(QString()), QString::fromLatin1(c.note));
}

INSTANTIATE_TEST_SUITE_P(Encoders, SoundLayouts, testing::ValuesIn(kLayouts),
                         test::CaseName<LayoutCase>);

// Each track by its own number; a copy the container holds is left as it is, one it cannot hold
// is encoded with the container's codec and named so too.
TEST(SoundLayouts, GoToEachEncodedTrackByItsNumber) {
    MediaTracks source;
    source.readable = true;
    source.tracks = {test::SourceTrack(0, Kind::Video, "h264"), Sound("stereo", 2),
                     Sound("5.1(side)", 6)};
    source.tracks[1].index = 1;
    source.tracks[2].index = 2;
    const TrackPlan encoded =
        TrackPlan::Make({source, {}}, "mp4", "-c:v libx264 -c:a aac", TrackPlan::Choice::Every);
    EXPECT_TRUE(encoded.Options().endsWith("-filter:a:1 aformat=channel_layouts=5.1"))
        << encoded.Options().toStdString();
    EXPECT_FALSE(encoded.Options().contains("-filter:a:0"));

    const TrackPlan copied =
        TrackPlan::Make({source, {}}, "mkv", "-c copy", TrackPlan::Choice::Every);
    EXPECT_FALSE(copied.Options().contains("-filter:a")) << copied.Options().toStdString();

    source.tracks[2].codec = "truehd";  // MP4 cannot hold it: encoded as AAC
    const TrackPlan recoded =
        TrackPlan::Make({source, {}}, "mp4", "-c copy", TrackPlan::Choice::Every);
    EXPECT_TRUE(recoded.Options().contains("-filter:a:1 aformat=channel_layouts=5.1"))
        << recoded.Options().toStdString();
}

}  // namespace
}  // namespace reelwright
