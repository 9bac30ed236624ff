// Sound in the plan: which formats keep sound alone, what the MP3 writer keeps beside it, and
// tracks a file declares but holds nothing of, which are left out and said instead of stopping
// the encoder.
#include "plan/ContainerTable.h"
#include "plan/TrackPlan.h"

#include "SourceTracks.h"
#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

using Kind = MediaTracks::Kind;

using test::SourceTrack;

struct SoundOnlyCase {
    const char* name;
    const char* type;
    const char* options;
    bool soundOnly;
};

class KeepingSoundOnly : public testing::TestWithParam<SoundOnlyCase> {};

TEST_P(KeepingSoundOnly, IsToldByTheContainerOrByTheOptions) {
    EXPECT_EQ(KeepsSoundOnly(QString::fromLatin1(GetParam().type),
                             QString::fromLatin1(GetParam().options)),
              GetParam().soundOnly);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, KeepingSoundOnly,
    testing::Values(SoundOnlyCase{"Mp3Preset", "mp3", "-vn -c:a libmp3lame -b:a 192k", true},
                    SoundOnlyCase{"FlacWithoutVn", "flac", "-c:a flac", true},
                    SoundOnlyCase{"WavInCapitals", "WAV", "", true},
                    SoundOnlyCase{"OggVorbis", "ogg", "-vn -c:a libvorbis -q:a 6", true},
                    SoundOnlyCase{"Mp4DroppingThePicture", "mp4", "-vn -c:a aac", true},
                    SoundOnlyCase{"Mp4", "mp4", "-c:v libx264 -c:a aac", false},
                    SoundOnlyCase{"MkvCopy", "mkv", "-c copy", false},
                    // A -vn inside a value is no option of its own.
                    SoundOnlyCase{"QuotedVn", "mp4", "-metadata \"title=-vn\" -c:v libx264", false},
                    // Pictures alone: no sound to keep at all.
                    SoundOnlyCase{"Gif", "gif", "", false},
                    SoundOnlyCase{"RawYuv", "yuv", "-vn", false}),
    test::CaseName<SoundOnlyCase>);

// What a transport stream from a receiver or a camera may bring: streams it announces in its
// table and never carries.
struct EmptyCase {
    const char* name;
    std::vector<MediaTracks::Track> tracks;
    const char* type;
    const char* options;
    TrackPlan::Choice choice;
    const char* maps;  // the tracks mapped; empty: the plan keeps nothing
    const char* said;
};

// The tracks an option text maps, in its order: "0:0 0:2".
QString Maps(const QString& options) {
    QStringList maps;
    const QStringList words = options.split(u' ');
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == QStringLiteral("-map")) {
            maps << words[i + 1];
        }
    }
    return maps.join(u' ');
}

MediaTracks::Track Empty(MediaTracks::Track track, bool isDefault = false) {
    track.empty = true;
    track.isDefault = isDefault;
    return track;
}

class PlanningEmptyTracks : public testing::TestWithParam<EmptyCase> {};

TEST_P(PlanningEmptyTracks, LeavesThemOutAndSaysSo) {
    const EmptyCase& c = GetParam();
    MediaTracks source;
    source.readable = true;
    source.tracks = c.tracks;
    const TrackPlan plan = TrackPlan::Make({source, {}}, c.type, c.options, c.choice);
    EXPECT_EQ(plan.Chose(), !QString::fromLatin1(c.maps).isEmpty());
    EXPECT_EQ(Maps(plan.Options()), QString::fromLatin1(c.maps));
    EXPECT_FALSE(plan.Refusal());
    TrackReport report = plan.Report();
    report.kept = plan.Promised();
    EXPECT_EQ(report.Sentence(), QString::fromLatin1(c.said));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, PlanningEmptyTracks,
    testing::Values(
        EmptyCase{
            "AnnouncedSound",
            {SourceTrack(0, Kind::Video, "mpeg2video"), Empty(SourceTrack(1, Kind::Audio, "aac"))},
            "mkv",
            "-c:v mpeg4 -c:a mp2",
            TrackPlan::Choice::Every,
            "0:0",
            "Kept 1 video track. Left out: 1 audio track: the file declares it but holds no "
            "sound in it."},
        // Marked default, it is still nobody's first: the sound that is there is kept.
        EmptyCase{"EmptyDefaultBesideARealSound",
                  {SourceTrack(0, Kind::Video, "mpeg4"),
                   Empty(SourceTrack(1, Kind::Audio, "ac3", "eng"), true),
                   SourceTrack(2, Kind::Audio, "mp2", "deu")},
                  "avi",
                  "-c:v mpeg4 -c:a mp2",
                  TrackPlan::Choice::First,
                  "0:0 0:2",
                  "Kept 1 video and 1 audio tracks. Left out: 1 audio track (eng): the file "
                  "declares it but holds no sound in it. AVI keeps no languages: deu left out."},
        EmptyCase{
            "EmptyPictureInASoundFormat",
            {Empty(SourceTrack(0, Kind::Video, "mpeg2video")), SourceTrack(1, Kind::Audio, "mp2")},
            "mp3",
            "-vn -c:a libmp3lame",
            TrackPlan::Choice::Every,
            "0:1",
            "Kept 1 audio track. Left out: 1 video track: the file declares it but holds "
            "no picture in it."},
        // Nothing left to keep: the encoder is left to say so (and the list refuses such a file
        // for this format before it comes to that).
        EmptyCase{"NothingButAnEmptySound",
                  {SourceTrack(0, Kind::Video, "h264"), Empty(SourceTrack(1, Kind::Audio, "aac"))},
                  "mp3",
                  "-vn -c:a libmp3lame",
                  TrackPlan::Choice::Every,
                  "",
                  "Left out: 1 video track: the chosen format keeps no picture; 1 audio track: "
                  "the file declares it but holds no sound in it."}),
    test::CaseName<EmptyCase>);

struct CoverCase {
    const char* name;
    const char* type;
    const char* options;
    const char* expected;
    int covers;
};

class KeepingTheCoverOfASong : public testing::TestWithParam<CoverCase> {};

// A song as FLAC brings it: its sound and its cover picture.
TEST_P(KeepingTheCoverOfASong, AsTheSoundFormatHoldsIt) {
    const CoverCase& c = GetParam();
    MediaTracks song;
    song.readable = true;
    song.tracks = {SourceTrack(0, Kind::Audio, "flac"), SourceTrack(1, Kind::Cover, "mjpeg")};
    song.tracks[1].picture = QByteArray("\xff\xd8\xff", 3);
    const TrackPlan plan = TrackPlan::Make({song, {}}, c.type, c.options, TrackPlan::Choice::Every);
    EXPECT_EQ(plan.Options(), QString::fromLatin1(c.expected));
    EXPECT_EQ(plan.Promised().cover, c.covers);
    EXPECT_EQ(plan.Promised().audio, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, KeepingTheCoverOfASong,
    testing::Values(
        CoverCase{"Mp3", "mp3", "-vn -c:a libmp3lame -b:a 192k -ac 2",
                  "-map 0:0 -map 0:1 -c:a libmp3lame -b:a 192k -ac 2 -c:v:0 copy "
                  "-tag:v:0 0 -disposition:v:0 attached_pic",
                  1},
        CoverCase{"M4a", "m4a", "-vn -c:a aac -b:a 192k", "-map 0:0 -vn -c:a aac -b:a 192k", 0},
        CoverCase{"Wav", "wav", "-vn -c:a pcm_s16le", "-map 0:0 -vn -c:a pcm_s16le", 0}),
    test::CaseName<CoverCase>);

}  // namespace
}  // namespace reelwright
