// Which tracks of a source go into a result, and what is said of the rest: the plan made from
// the source's tracks, the container's row of the table and the format's options.
#include "formats/CustomFormat.h"
#include "formats/PresetCatalogue.h"
#include "plan/ContainerTable.h"
#include "plan/TrackPlan.h"

#include "SourceTracks.h"
#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

using Kind = MediaTracks::Kind;

using test::SourceTrack;

// A film as a disc or a download brings it: the same tracks the real-encoder tests make.
MediaTracks Film() {
    MediaTracks film;
    film.readable = true;
    film.tracks = {SourceTrack(0, Kind::Video, "h264"),
                   SourceTrack(1, Kind::Audio, "aac", "eng"),
                   SourceTrack(2, Kind::Audio, "aac", "fra"),
                   SourceTrack(3, Kind::Subtitle, "subrip", "eng"),
                   SourceTrack(4, Kind::Subtitle, "subrip", "deu"),
                   SourceTrack(5, Kind::Subtitle, "hdmv_pgs_subtitle", "eng"),
                   SourceTrack(6, Kind::Font, "ttf"),
                   SourceTrack(7, Kind::Cover, "png")};
    film.tracks[1].isDefault = true;
    film.tracks[3].textSubtitle = film.tracks[4].textSubtitle = true;
    film.tracks[4].forced = true;
    film.tracks[5].pictureSubtitle = true;
    film.tracks[7].picture = QByteArray("\x89PNG", 4);
    film.tracks[7].fileName = QStringLiteral("cover.png");
    film.tracks[7].mimeType = QStringLiteral("image/png");
    return film;
}

struct PlanCase {
    const char* name;
    const char* type;
    const char* options;
    TrackPlan::Choice choice;
    const char* expected;  // the whole option text, the attachment at "COVER"
    TrackReport::Counts promised;
    const char* said;  // what the report says
};

class PlanningAFilm : public testing::TestWithParam<PlanCase> {};

TEST_P(PlanningAFilm, KeepsWhatTheContainerHoldsAndSaysWhatNot) {
    const PlanCase& c = GetParam();
    const TrackPlan plan = TrackPlan::Make({Film(), {}}, c.type, c.options, c.choice);
    EXPECT_TRUE(plan.Chose());
    EXPECT_EQ(plan.Options({"COVER"}), QString::fromUtf8(c.expected));
    EXPECT_EQ(plan.Promised(), c.promised);
    TrackReport report = plan.Report();
    report.kept = plan.Promised();
    EXPECT_EQ(report.Sentence(), QString::fromUtf8(c.said));
}

INSTANTIATE_TEST_SUITE_P(
    Containers, PlanningAFilm,
    testing::Values(
        PlanCase{"Mp4",
                 "mp4",
                 "-c:v libx264 -vf scale=trunc(iw/2)*2:trunc(ih/2)*2 -c:a aac",
                 TrackPlan::Choice::Every,
                 "-map 0:0 -map 0:1 -map 0:2 -map 0:3 -map 0:4 -map 0:7 -c:v libx264 "
                 "-filter:v:0 "
                 "setparams=color_primaries=bt709:color_trc=bt709:colorspace=bt709,scale=trunc(iw/"
                 "2)*2:trunc(ih/2)*2 -c:a aac"
                 " -color_primaries:v:0 bt709 -color_trc:v:0 bt709 -colorspace:v:0 bt709 "
                 "-color_range:v:0 tv -c:s:0 mov_text "
                 "-c:s:1 mov_text -c:v:1 copy -tag:v:1 0 -disposition:v:1 attached_pic",
                 {1, 2, 2, 1, 0},
                 "Kept 1 video, 2 audio and 2 subtitle tracks, with the cover art. Left out: 1 "
                 "picture subtitle track (eng): MP4 cannot hold picture subtitles; 1 font: MP4 "
                 "cannot hold fonts."},
        PlanCase{"Mkv",
                 "MKV",
                 "-c:v ffv1 -c:a flac",
                 TrackPlan::Choice::Every,
                 "-map 0:0 -map 0:1 -map 0:2 -map 0:3 -map 0:4 -map 0:5 -map 0:6 -c:v ffv1 -c:a "
                 "flac"
                 " -filter:v:0 setparams=color_primaries=bt709:color_trc=bt709:colorspace=bt709 "
                 "-color_primaries:v:0 bt709 -color_trc:v:0 bt709 -colorspace:v:0 bt709 -color_range:v:0 tv -c:s:0 "
                 "copy -c:s:1 copy -c:s:2 copy -attach COVER -metadata:s:t:1 "
                 "mimetype=image/png -metadata:s:t:1 filename=cover.png",
                 {1, 2, 3, 1, 1},
                 "Kept 1 video, 2 audio and 3 subtitle tracks, with the cover art and 1 font."},
        PlanCase{"WebM",
                 "webm",
                 "-c:v libvpx-vp9 -c:a libopus",
                 TrackPlan::Choice::Every,
                 "-map 0:0 -map 0:1 -map 0:2 -map 0:3 -map 0:4 -c:v libvpx-vp9 -c:a libopus"
                 " -filter:v:0 setparams=color_primaries=bt709:color_trc=bt709:colorspace=bt709 "
                 "-color_primaries:v:0 bt709 -color_trc:v:0 bt709 -colorspace:v:0 bt709 "
                 "-color_range:v:0 tv -c:s:0 webvtt -c:s:1 webvtt",
                 {1, 2, 2, 0, 0},
                 "Kept 1 video, 2 audio and 2 subtitle tracks. Left out: 1 picture subtitle track "
                 "(eng): WebM cannot hold picture subtitles; 1 font: WebM cannot hold fonts; the "
                 "cover art: WebM cannot hold cover art."},
        PlanCase{"Dvd",
                 "mpg",
                 "-target pal-dvd",
                 TrackPlan::Choice::Every,
                 "-map 0:0 -map 0:1 -map 0:2 -target pal-dvd"
                 " -filter:v:0 setparams=color_primaries=bt709:color_trc=bt709:colorspace=bt709 "
                 "-color_primaries:v:0 bt709 -color_trc:v:0 bt709 -colorspace:v:0 bt709 "
                 "-color_range:v:0 tv",
                 {1, 2, 0, 0, 0},
                 // A Blu-ray's subtitle pictures would land unscaled and recoloured.
                 "Kept 1 video and 2 audio tracks. Left out: 2 subtitle tracks (eng, deu): MPEG "
                 "cannot hold text subtitles; 1 picture subtitle track (eng): MPEG holds DVD "
                 "subtitles only, and these pictures cannot become them without being misplaced "
                 "and recoloured; 1 font: MPEG cannot hold fonts; the cover art: MPEG cannot hold "
                 "cover art. MPEG keeps no languages: eng, fra left out."},
        PlanCase{"FlashVideo",
                 "flv",
                 "-c:v flv -c:a libmp3lame",
                 TrackPlan::Choice::Every,
                 "-map 0:0 -map 0:1 -c:v flv -c:a libmp3lame"
                 " -filter:v:0 setparams=color_primaries=bt709:color_trc=bt709:colorspace=bt709 "
                 "-color_primaries:v:0 bt709 -color_trc:v:0 bt709 -colorspace:v:0 bt709 "
                 "-color_range:v:0 tv",
                 {1, 1, 0, 0, 0},
                 "Kept 1 video and 1 audio tracks. Left out: 1 audio track (fra): FLV holds one "
                 "sound track: the default one is kept; 2 subtitle tracks (eng, deu): FLV cannot "
                 "hold subtitles; 1 picture subtitle track (eng): FLV cannot hold picture "
                 "subtitles; 1 font: FLV cannot hold fonts; the cover art: FLV cannot hold cover "
                 "art. FLV keeps no languages: eng left out."},
        PlanCase{"Mp3",
                 "mp3",
                 "-vn -c:a libmp3lame",
                 TrackPlan::Choice::Every,
                 // ID3 holds the cover; -vn would drop it with the pictures, which the maps
                 // leave out already.
                 "-map 0:1 -map 0:7 -c:a libmp3lame -c:v:0 copy -tag:v:0 0 -disposition:v:0 "
                 "attached_pic",
                 {0, 1, 0, 1, 0},
                 "Kept 1 audio track, with the cover art. Left out: 1 video track: the chosen "
                 "format keeps no picture; 1 audio track (fra): MP3 holds one sound track: the "
                 "default one is kept; 2 subtitle tracks (eng, deu): MP3 cannot hold subtitles; 1 "
                 "picture subtitle track (eng): MP3 cannot hold picture subtitles; 1 font: MP3 "
                 "cannot hold fonts. MP3 keeps no languages: eng left out."},
        // One of each kind: the default sound and the first subtitle a player would show.
        PlanCase{"Mp4OneOfEach",
                 "mp4",
                 "-c:v libx264 -c:a aac",
                 TrackPlan::Choice::First,
                 "-map 0:0 -map 0:1 -map 0:3 -map 0:7 -c:v libx264 -c:a aac"
                 " -filter:v:0 setparams=color_primaries=bt709:color_trc=bt709:colorspace=bt709 "
                 "-color_primaries:v:0 bt709 -color_trc:v:0 bt709 -colorspace:v:0 bt709 "
                 "-color_range:v:0 tv -c:s:0 mov_text "
                 "-c:v:1 copy -tag:v:1 0 -disposition:v:1 attached_pic",
                 {1, 1, 1, 1, 0},
                 "Kept 1 video, 1 audio and 1 subtitle tracks, with the cover art. Left out: 1 "
                 "audio track (fra): one track of each kind is kept (Keep every audio and "
                 "subtitle track is off); 1 subtitle track (deu): one track of each kind is kept "
                 "(Keep every audio and subtitle track is off); 1 picture subtitle track (eng): "
                 "MP4 cannot hold picture subtitles; 1 font: MP4 cannot hold fonts."},
        // A format that keeps no subtitles keeps none, whatever the container holds.
        PlanCase{"NoSubtitlesAsked",
                 "mkv",
                 "-c:v libx264 -c:a aac -sn",
                 TrackPlan::Choice::Every,
                 "-map 0:0 -map 0:1 -map 0:2 -map 0:6 -c:v libx264 -c:a aac -sn"
                 " -filter:v:0 setparams=color_primaries=bt709:color_trc=bt709:colorspace=bt709 "
                 "-color_primaries:v:0 bt709 -color_trc:v:0 bt709 -colorspace:v:0 bt709 "
                 "-color_range:v:0 tv -attach COVER "
                 "-metadata:s:t:1 mimetype=image/png -metadata:s:t:1 filename=cover.png",
                 {1, 2, 0, 1, 1},
                 "Kept 1 video and 2 audio tracks, with the cover art and 1 font. Left out: 2 "
                 "subtitle tracks (eng, deu): the chosen format keeps no subtitles; 1 picture "
                 "subtitle track (eng): the chosen format keeps no subtitles."}),
    test::CaseName<PlanCase>);

TEST(TrackPlan, ATrackWithoutAnythingToKeepLeavesTheChoiceToTheEncoder) {
    MediaTracks unreadable;
    unreadable.problem = QStringLiteral("Invalid data found when processing input");
    const TrackPlan plan =
        TrackPlan::Make({unreadable, {}}, "mp4", "-c:v libx264 -c:a aac", TrackPlan::Choice::Every);
    EXPECT_FALSE(plan.Chose());
    EXPECT_EQ(plan.Options(), "-c:v libx264 -c:a aac");
    EXPECT_EQ(plan.Report().Sentence(),
              "Its tracks could not be read (Invalid data found when processing input), so the "
              "encoder chose one of each kind.");
    // A format that picks its own tracks is left to do so.
    const TrackPlan own =
        TrackPlan::Make({Film(), {}}, "mkv", "-map 0:v -c:v libx264", TrackPlan::Choice::Every);
    EXPECT_FALSE(own.Chose());
    EXPECT_EQ(own.Options(), "-map 0:v -c:v libx264");
}

// A name that had become a pipe or a device by the time the file's turn came: the encoder would
// wait on it for ever, so nothing is run, and the reason says what the name is.
TEST(TrackPlan, ASourceThatIsNoFileIsRefusedWithWhatItIs) {
    MediaTracks pipe;
    pipe.notAFile = true;
    pipe.problem = QStringLiteral("it is a named pipe, not a regular file");
    const TrackPlan plan =
        TrackPlan::Make({pipe, {}}, "mp4", "-c:v libx264", TrackPlan::Choice::Every);
    ASSERT_TRUE(plan.Refusal());
    EXPECT_EQ(*plan.Refusal(),
              "The source was not read: it is a named pipe, not a regular file, so nothing was "
              "converted.");
    // Unreadable as media is another matter: the encoder is left to say what is wrong.
    MediaTracks damaged;
    damaged.problem = QStringLiteral("Invalid data found when processing input");
    EXPECT_FALSE(
        TrackPlan::Make({damaged, {}}, "mp4", "-c:v libx264", TrackPlan::Choice::Every).Refusal());
}

TEST(TrackPlan, SoundAloneGivenAPictureFormatKeepsItsSoundAndSaysSo) {
    MediaTracks sound;
    sound.readable = true;
    sound.tracks = {SourceTrack(0, Kind::Audio, "aac", "eng")};
    const TrackPlan plan =
        TrackPlan::Make({sound, {}}, "mp4", "-c:v libx264 -c:a aac", TrackPlan::Choice::Every);
    EXPECT_EQ(plan.Options(), "-map 0:0 -c:v libx264 -c:a aac");
    EXPECT_EQ(plan.Promised(), (TrackReport::Counts{0, 1, 0, 0, 0}));
    EXPECT_EQ(plan.Report().notes,
              QStringList{"The source has no picture: only its sound was kept."});
}

struct CheckCase {
    const char* name;
    TrackReport::Counts held;
    const char* said;  // empty: the result passes
};

class CheckingAResult : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckingAResult, FailsAResultThatLacksAPromisedTrack) {
    const TrackPlan plan =
        TrackPlan::Make({Film(), {}}, "mkv", "-c:v ffv1 -c:a flac", TrackPlan::Choice::Every);
    MediaTracks result;
    result.readable = true;
    const TrackReport::Counts& held = GetParam().held;
    const std::pair<Kind, int> kinds[] = {{Kind::Video, held.video},
                                          {Kind::Audio, held.audio},
                                          {Kind::Subtitle, held.subtitle},
                                          {Kind::Cover, held.cover},
                                          {Kind::Font, held.font}};
    for (const auto& [kind, count] : kinds) {
        for (int i = 0; i < count; ++i) {
            result.tracks.push_back(SourceTrack(static_cast<int>(result.tracks.size()), kind, "x"));
        }
    }
    const std::optional<QString> problem = plan.Check(result, "/out/film.mkv");
    if (*GetParam().said == '\0') {
        EXPECT_FALSE(problem) << problem->toStdString();
        EXPECT_EQ(plan.ReportFor(result).kept, held);
    } else {
        ASSERT_TRUE(problem);
        EXPECT_EQ(*problem, QString::fromUtf8(GetParam().said));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Results, CheckingAResult,
    testing::Values(
        CheckCase{"Whole", {1, 2, 3, 1, 1}, ""},
        CheckCase{"OneSoundMissing",
                  {1, 1, 3, 1, 1},
                  "The converted file /out/film.mkv lacks 1 of the 2 audio tracks it was to "
                  "keep, so it was not kept."},
        CheckCase{"NoPictureAndNoFont",
                  {0, 2, 3, 1, 0},
                  "The converted file /out/film.mkv lacks the video track and the font it was to "
                  "keep, so it was not kept."},
        CheckCase{"ThreeKindsShort",
                  {1, 0, 1, 0, 1},
                  "The converted file /out/film.mkv lacks 2 of the 2 audio tracks, 2 of the 3 "
                  "subtitle tracks and the cover picture it was to keep, so it was not kept."}),
    test::CaseName<CheckCase>);

TEST(TrackPlan, AResultThatCannotBeReadBackIsNoResult) {
    const TrackPlan plan =
        TrackPlan::Make({Film(), {}}, "mp4", "-c:v libx264 -c:a aac", TrackPlan::Choice::Every);
    MediaTracks unreadable;
    unreadable.problem = QStringLiteral("End of file");
    EXPECT_EQ(plan.Check(unreadable, "/out/film.mp4"),
              "The converted file /out/film.mp4 cannot be read back (End of file), so it was not "
              "kept.");
}

// Every container a shipped preset or the custom format writes has its row in the table, so no
// format falls to the guess for containers it does not know.
TEST(ContainerTable, KnowsEveryContainerTheProgramWrites) {
    PresetCatalogue presets;
    QString error;
    presets.Load(QStringLiteral(SOURCE_DATA_DIR "/presets.xml"), &error);
    ASSERT_FALSE(presets.Entries().empty()) << error.toStdString();
    QStringList types;
    for (const PresetEntry& preset : presets.Entries()) {
        types << preset.extension;
    }
    types << custom::ContainerItems();
    for (const QString& type : types) {
        const ContainerRules rules = RulesFor(type);
        EXPECT_TRUE(std::any_of(
            ContainerTable().begin(), ContainerTable().end(),
            [&](const ContainerRules& row) { return row.extensions.contains(type.toLower()); }))
            << type.toStdString();
        EXPECT_FALSE(rules.name.isEmpty());
    }
}

// Tracks copied as they are: kept where the container holds their codec, made into its own
// codec where it has one, and the copy refused, naming both, where it has none.
struct CopyCase {
    const char* name;
    const char* type;
    const char* options;
    std::vector<const char*> codecs;   // the picture's first, then the sounds'
    std::vector<const char*> present;  // parts of the option text
    std::vector<const char*> absent;
    const char* refusal;  // a part of it; empty: none
};

class CopyingTracks : public testing::TestWithParam<CopyCase> {};

TEST_P(CopyingTracks, CopiesWhatTheContainerHoldsAsItIs) {
    const CopyCase& c = GetParam();
    MediaTracks source;
    source.readable = true;
    for (std::size_t i = 0; i < c.codecs.size(); ++i) {
        source.tracks.push_back(SourceTrack(static_cast<int>(i), i == 0 ? Kind::Video : Kind::Audio,
                                            c.codecs[i], i == 0 ? "" : "eng"));
    }
    const TrackPlan plan =
        TrackPlan::Make({source, {}}, c.type, c.options, TrackPlan::Choice::Every);
    if (*c.refusal) {
        ASSERT_TRUE(plan.Refusal());
        EXPECT_TRUE(plan.Refusal()->contains(QString::fromUtf8(c.refusal)))
            << plan.Refusal()->toStdString();
        return;
    }
    EXPECT_FALSE(plan.Refusal()) << plan.Refusal().value_or(QString()).toStdString();
    const QString options = plan.Options();
    for (const char* part : c.present) {
        EXPECT_TRUE(options.contains(QString::fromUtf8(part)))
            << part << " in " << options.toStdString();
    }
    for (const char* part : c.absent) {
        EXPECT_FALSE(options.contains(QString::fromUtf8(part)))
            << part << " in " << options.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Containers, CopyingTracks,
    testing::Values(CopyCase{"H264AndAacIntoMp4AsTheyAre",
                             "mp4",
                             "-c copy",
                             {"h264", "aac"},
                             {"-map 0:0 -map 0:1 -c copy"},
                             {"-c:a:0", "-c:v:0", "-color"},
                             ""},
                    CopyCase{"VorbisAndOpusIntoMp4BecomeAac",
                             "mp4",
                             "-c copy",
                             {"h264", "vorbis", "opus"},
                             {"-c:a:0 aac -c:a:1 aac"},
                             {"-c:v:0"},
                             ""},
                    CopyCase{"HevcIntoMp4IsTaggedForPlayers",
                             "mp4",
                             "-c copy",
                             {"hevc", "aac"},
                             {"-tag:v:0 hvc1"},
                             {"-c:v:0"},
                             ""},
                    CopyCase{"Vp8IntoMovIsEncoded",
                             "mov",
                             "-c copy",
                             {"vp8", "vorbis"},
                             {"-c:v:0 libx264", "-c:a:0 aac"},
                             {},
                             ""},
                    CopyCase{"AnythingIntoMkvAsItIs",
                             "mkv",
                             "-c copy",
                             {"vp8", "truehd", "opus"},
                             {"-c copy"},
                             {"-c:a:", "-c:v:"},
                             ""},
                    CopyCase{"OnlyTheSoundCopied",
                             "mp4",
                             "-vcodec libx264 -acodec copy",
                             {"theora", "vorbis"},
                             {"-c:a:0 aac"},
                             {"-c:v:0"},
                             ""},
                    CopyCase{"TheLastCodecOptionDecides",
                             "mp4",
                             "-c copy -c:a aac",
                             {"h264", "vorbis"},
                             {},
                             {"-c:a:0"},
                             ""},
                    CopyCase{"HevcIntoAviIsRefused",
                             "avi",
                             "-vcodec copy -acodec copy",
                             {"hevc", "aac"},
                             {},
                             {},
                             "AVI cannot hold HEVC (H.265) video copied as it is"},
                    CopyCase{"OpusIntoFlvIsRefused",
                             "flv",
                             "-c copy",
                             {"h264", "opus"},
                             {},
                             {},
                             "FLV cannot hold Opus sound"},
                    CopyCase{"NothingCopiedIntoRawYuv",
                             "yuv",
                             "-vcodec copy -an -f yuv4mpegpipe",
                             {"h264"},
                             {},
                             {},
                             "raw YUV cannot hold H.264 video"}),
    [](const testing::TestParamInfo<CopyCase>& info) { return std::string(info.param.name); });

// A copy that has to change the subtitles' format says so; one that keeps them, or a format
// that encodes anyway, does not.
TEST(CopyingTracks, SubtitlesMadeIntoTheContainersOwnAreSaid) {
    const struct {
        const char* type;
        const char* options;
        const char* note;  // empty: no note on subtitles
    } cases[] = {
        {"mp4", "-c copy", "MP4 cannot hold SRT subtitles as they are: they were converted to MP4 timed text."},
        {"mov", "-vcodec copy -acodec copy", "MOV cannot hold SRT subtitles as they are: they were converted to MP4 timed text."},
        {"mkv", "-c copy", ""},
        {"mp4", "-vcodec libx264 -acodec aac", ""},
    };
    for (const auto& c : cases) {
        const TrackPlan plan =
            TrackPlan::Make({Film(), {}}, c.type, c.options, TrackPlan::Choice::Every);
        const QStringList notes = plan.Report().notes;
        const QStringList onSubtitles = notes.filter("subtitles as they are");
        if (*c.note) {
            EXPECT_EQ(onSubtitles, QStringList{c.note}) << c.type << " " << c.options;
        } else {
            EXPECT_TRUE(onSubtitles.isEmpty()) << onSubtitles.join('|').toStdString();
        }
    }
}

TEST(CopyingTracks, ARefusalSuggestsAnEncodingPreset) {
    MediaTracks source;
    source.readable = true;
    source.tracks = {SourceTrack(0, Kind::Video, "hevc")};
    const TrackPlan plan =
        TrackPlan::Make({source, {}}, "avi", "-c copy", TrackPlan::Choice::Every);
    ASSERT_TRUE(plan.Refusal());
    EXPECT_EQ(*plan.Refusal(),
              "AVI cannot hold HEVC (H.265) video copied as it is, so nothing was written: choose "
              "a preset that encodes it, or a container that holds HEVC (H.265) (MKV holds any).");
}

}  // namespace
}  // namespace reelwright
