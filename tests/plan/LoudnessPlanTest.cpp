// Even loudness planned from what the meter read: one gain where the peaks allow it, a limiter
// whose settings are tried where they do not, silence left alone, copies encoded, and the
// measuring run encoding the sound as the result will.
#include "SourceTracks.h"
#include "common/CaseName.h"
#include "formats/LoudnessTarget.h"
#include "plan/LoudnessPlan.h"
#include "plan/TrackPlan.h"
#include "platform/CommandLine.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

using Kind = MediaTracks::Kind;
namespace LP = LoudnessPlan;

MediaTracks::Track Sound(int index, const char* layout, int channels, int rate = 48000) {
    MediaTracks::Track track = test::SourceTrack(index, Kind::Audio, "pcm_s16le");
    track.channelLayout = QString::fromLatin1(layout);
    track.channels = channels;
    track.sampleRate = rate;
    return track;
}

Loudness Read(double integrated, double truePeak) {
    return {integrated, truePeak, 6.0, integrated - 10.0};
}

struct TargetCase {
    const char* name;
    const char* text;
    bool taken;
    std::optional<double> target;
};

const TargetCase kTargets[] = {
    {"plain", "-16", true, -16.0},         {"with its unit", "-23 LUFS", true, -23.0},
    {"a fraction", "-18.5", true, -18.5},  {"the loudest", "-5", true, -5.0},
    {"the softest", "-31", true, -31.0},   {"off", "Off", true, std::nullopt},
    {"too soft", "-32", false, {}},        {"too loud", "-4", false, {}},
    {"positive", "16", false, {}},         {"a word", "loud", false, {}},
    {"an option after", "-16 -f null", false, {}},
};

class Targets : public testing::TestWithParam<TargetCase> {};

TEST_P(Targets, AreTakenOnlyWithinTheirRange) {
    const TargetCase& c = GetParam();
    std::optional<double> target = -99.0;
    EXPECT_EQ(LoudnessTarget::Parse(QString::fromLatin1(c.text), &target), c.taken);
    if (c.taken) {
        EXPECT_EQ(target, c.target);
        EXPECT_TRUE(LoudnessTarget::Parse(LoudnessTarget::Text(target), &target));
        EXPECT_EQ(target, c.target);
    }
}

INSTANTIATE_TEST_SUITE_P(Loudness, Targets, testing::ValuesIn(kTargets),
                         test::CaseName<TargetCase>);

struct EvenCase {
    const char* name;
    std::optional<Loudness> measured;
    double target;
    int number;
    const char* filter;  // the start of the filter; empty: none
    const char* note;    // a part of the note
};

const EvenCase kEvens[] = {
    {"a quiet track raised by one gain", Read(-31.2, -20.0), -16, 0, "volume=15.20dB",
     "Loudness -31.2 LUFS → -16.0 LUFS."},
    {"a loud track lowered by one gain", Read(-8.0, 0.0), -23, 2, "volume=-15.00dB",
     "Sound track 2: loudness -8.0 LUFS → -23.0 LUFS."},
    {"peaks that one gain would raise over the limit", Read(-20.5, -1.7), -14, 0,
     "volume=6.50dB,aresample=192000,alimiter=limit=0.7943:",
     "→ about -14.0 LUFS, through a limiter: one gain would have taken its peaks above -1 dBTP."},
    {"just room for one gain", Read(-20.0, -5.4), -16, 0, "volume=4.00dB", "→ -16.0 LUFS."},
    {"silence", Read(-INFINITY, -INFINITY), -16, 1, "",
     "Sound track 1: silent or nearly so: its loudness was left as it is."},
    {"nothing above the gate", Read(-70.0, -60.0), -16, 0, "", "silent or nearly so"},
    {"not measured", std::nullopt, -16, 0, "", "could not be measured"},
};

class Evening : public testing::TestWithParam<EvenCase> {};

TEST_P(Evening, GivesOneGainALimiterOrNothing) {
    const EvenCase& c = GetParam();
    const LP::Evened evened = LP::Even(c.measured, nullptr, c.target, "stereo", 44100, c.number);
    if (*c.filter) {
        EXPECT_TRUE(evened.filter.startsWith(QString::fromLatin1(c.filter)))
            << evened.filter.toStdString();
    } else {
        EXPECT_TRUE(evened.filter.isEmpty()) << evened.filter.toStdString();
    }
    EXPECT_TRUE(evened.note.contains(QString::fromUtf8(c.note))) << evened.note.toStdString();
    if (evened.filter.contains("alimiter")) {
        // Back at the track's own rate and layout, in step with the pictures.
        EXPECT_TRUE(evened.filter.endsWith("aformat=sample_rates=44100:channel_layouts=stereo"));
        EXPECT_TRUE(evened.filter.contains("latency=1"));
        ASSERT_TRUE(evened.limiter.has_value());
        EXPECT_FALSE(evened.limiter->gave.has_value());
    } else {
        EXPECT_FALSE(evened.limiter.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(Loudness, Evening, testing::ValuesIn(kEvens), test::CaseName<EvenCase>);

// The limiter's settings move toward the target and under the peak limit; the best tried under
// the limit is kept when none settles, and what it gave is said as measured.
TEST(LimiterTrials, MoveTowardTheTargetAndKeepTheBestUnderTheLimit) {
    LimiterTrial first;
    first.gain = 6.5;
    first.ceiling = -2.0;
    // Too soft and peaks over: more gain, a lower ceiling.
    const LimiterTrial second = LP::NextTrial(first, Read(-14.8, 0.3), -14.0);
    EXPECT_DOUBLE_EQ(second.gain, 7.3);
    EXPECT_NEAR(second.ceiling, -3.5, 1e-9);  // 0.3 over, less 1.2 dB of room
    EXPECT_FALSE(second.gave.has_value());
    EXPECT_FALSE(second.bestGave.has_value());  // its peaks were over
    // Under the limit but short of the target: the best so far, not settled.
    const LimiterTrial third = LP::NextTrial(second, Read(-14.6, -1.4), -14.0);
    EXPECT_FALSE(third.gave.has_value());
    ASSERT_TRUE(third.bestGave.has_value());
    EXPECT_DOUBLE_EQ(third.bestGain, 7.3);
    // Trials over: the best is kept, with what it gave.
    const LimiterTrial kept = LP::Kept(third);
    EXPECT_DOUBLE_EQ(kept.gain, 7.3);
    ASSERT_TRUE(kept.gave.has_value());
    const LP::Evened evened = LP::Even(Read(-20.5, -1.7), &kept, -14.0, "stereo", 48000, 0);
    EXPECT_TRUE(evened.note.contains("→ -14.6 LUFS, through a limiter")) << evened.note.toStdString();
    // Close enough and under the limit: settled as it is.
    const LimiterTrial settled = LP::NextTrial(second, Read(-14.2, -1.3), -14.0);
    ASSERT_TRUE(settled.gave.has_value());
    EXPECT_DOUBLE_EQ(settled.gain, second.gain);
    EXPECT_TRUE(LP::Settled(*settled.gave, -14.0));
    EXPECT_FALSE(LP::Settled(Read(-14.2, -0.9), -14.0));
}

struct EncodingCase {
    const char* name;
    const char* options;
    const char* type;
    const char* encoding;  // the measuring run's options; empty: measured as it is
};

const EncodingCase kEncodings[] = {
    {"AAC of the format", "-c:v libx264 -crf 23 -c:a aac -b:a 160k -ac 2", "mp4",
     "-c:a aac -b:a 160k"},
    {"MP3 with a quality", "-vn -c:a libmp3lame -q:a 2 -ar 44100", "mp3",
     "-c:a libmp3lame -q:a 2 -ar 44100"},
    {"no codec named: the container's", "-c:v libx264", "mp4", "-c:a aac"},
    {"a DVD's own", "-target pal-dvd", "mpg", "-c:a ac3 -b:a 448k"},
    {"a copy into MP4: AAC", "-c copy", "mp4", "-c:a aac -b:a 192k"},
    {"a copy into AVI: a codec it holds", "-c copy", "avi", "-c:a aac -b:a 192k"},
    {"lossless FLAC", "-c:v ffv1 -c:a flac", "mkv", ""},
    {"PCM", "-c:v ffv1 -c:a pcm_s24le", "mov", ""},
};

class MeasuringEncoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(MeasuringEncoding, IsTheResultsOwn) {
    const EncodingCase& c = GetParam();
    const QStringList arguments = SplitArguments(QString::fromLatin1(c.options)).value();
    const LP::Encoding encoding =
        LP::EncodingOf(arguments, RulesFor(QString::fromLatin1(c.type)),
                       QString::fromLatin1(c.options) == "-c copy", 2);
    EXPECT_EQ(encoding.options.join(u' '), QString::fromLatin1(c.encoding));
}

INSTANTIATE_TEST_SUITE_P(Loudness, MeasuringEncoding, testing::ValuesIn(kEncodings),
                         test::CaseName<EncodingCase>);

struct ShapingCase {
    const char* name;
    const char* layout;
    int channels;
    const char* options;
    const char* layoutFilter;
    const char* shaping;
};

const ShapingCase kShapings[] = {
    {"the format's own filter", "stereo", 2, "-c:a aac -af highpass=f=80", "", "highpass=f=80"},
    {"the encoder's layout", "5.1(side)", 6, "-c:a aac", "aformat=channel_layouts=5.1",
     "aformat=channel_layouts=5.1"},
    {"the format's stereo from 5.1", "5.1", 6, "-c:a libopus -ac 2", "",
     "aformat=channel_layouts=stereo"},
    {"stereo already", "stereo", 2, "-c:a libopus -ac 2", "", ""},
    {"as it is", "stereo", 2, "-c:a aac", "", ""},
};

class Shaping : public testing::TestWithParam<ShapingCase> {};

// The sound is measured as the encoder is to be given it: mixed down first.
TEST_P(Shaping, IsWhatTheEncoderIsGiven) {
    const ShapingCase& c = GetParam();
    const QStringList arguments = SplitArguments(QString::fromLatin1(c.options)).value();
    EXPECT_EQ(LP::Shaping(Sound(1, c.layout, c.channels), arguments,
                          QString::fromLatin1(c.layoutFilter)),
              QString::fromLatin1(c.shaping));
}

INSTANTIATE_TEST_SUITE_P(Loudness, Shaping, testing::ValuesIn(kShapings),
                         test::CaseName<ShapingCase>);

MediaTracks Film() {
    MediaTracks source;
    source.readable = true;
    source.tracks = {test::SourceTrack(0, Kind::Video, "h264"), Sound(1, "stereo", 2),
                     Sound(2, "5.1(side)", 6), Sound(3, "mono", 1, 44100)};
    return source;
}

// Each kept track is measured, then evened by its own number, each in its own way.
TEST(EvenLoudness, EachKeptTrackIsMeasuredThenEvenedOnItsOwn) {
    SourceFacts facts{Film(), {}};
    const TrackPlan before = TrackPlan::Make(facts, "mp4", "-c:v libx264 -c:a aac",
                                             TrackPlan::Choice::Every, -16.0);
    ASSERT_EQ(before.SoundsToMeasure().size(), 3U);
    EXPECT_EQ(before.SoundsToMeasure()[1], (SoundToMeasure{"aformat=channel_layouts=5.1", 2}));
    EXPECT_EQ(before.MeasuringEncoding(), QStringList({"-c:a", "aac"}));
    EXPECT_FALSE(before.Options().contains("volume"));
    facts.loudness = std::map<int, Loudness>{
        {1, Read(-30.0, -20.0)}, {2, Read(-20.0, -1.0)}, {3, Read(-INFINITY, -INFINITY)}};
    const TrackPlan after = TrackPlan::Make(facts, "mp4", "-c:v libx264 -c:a aac",
                                            TrackPlan::Choice::Every, -16.0);
    const QString options = after.Options();
    EXPECT_TRUE(options.contains("-filter:a:0 volume=14.00dB")) << options.toStdString();
    EXPECT_TRUE(options.contains("-filter:a:1 aformat=channel_layouts=5.1,volume=4.00dB,"
                                 "aresample=192000,alimiter"))
        << options.toStdString();
    EXPECT_FALSE(options.contains("-filter:a:2")) << options.toStdString();
    ASSERT_EQ(after.SoundsToTry().size(), 1U);
    EXPECT_EQ(after.SoundsToTry()[0].stream, 2);
    const QString said = after.Report().notes.join(u' ');
    EXPECT_TRUE(said.contains("Sound track 1: loudness -30.0 LUFS → -16.0 LUFS.")) << said.toStdString();
    EXPECT_TRUE(said.contains("Sound track 3: silent or nearly so")) << said.toStdString();
}

// A copy's sound must be encoded to change: with the container's codec, the picture still
// copied, and said; a format that filters its sound itself is left alone, and said.
TEST(EvenLoudness, ACopysSoundIsEncodedAndSaid) {
    SourceFacts facts{Film(), {}};
    facts.loudness = std::map<int, Loudness>{
        {1, Read(-30.0, -20.0)}, {2, Read(-30.0, -20.0)}, {3, Read(-30.0, -20.0)}};
    const TrackPlan copy =
        TrackPlan::Make(facts, "mkv", "-c copy", TrackPlan::Choice::Every, -16.0);
    const QString options = copy.Options();
    EXPECT_TRUE(options.contains("-c:a:0 aac -b:a:0 192k")) << options.toStdString();
    EXPECT_TRUE(options.contains("-c:a:1 aac -b:a:1 576k")) << options.toStdString();
    EXPECT_FALSE(options.contains("-c:v:0")) << options.toStdString();
    EXPECT_TRUE(copy.Report().notes.contains(
        "Picture copied, sound encoded to even its loudness (AAC)."));
    EXPECT_EQ(copy.MeasuringEncoding(), QStringList({"-c:a", "aac", "-b:a", "192k"}));

    const TrackPlan own = TrackPlan::Make(facts, "mkv", "-filter_complex [0:a]volume=2[a] -map [a]",
                                          TrackPlan::Choice::Every, -16.0);
    EXPECT_TRUE(own.SoundsToMeasure().empty());
    const TrackPlan lavfi =
        TrackPlan::Make(facts, "mkv", "-c:v libx264 -lavfi [0:a:0]volume=2", TrackPlan::Choice::Every, -16.0);
    EXPECT_TRUE(lavfi.SoundsToMeasure().empty());
    EXPECT_TRUE(lavfi.Report().notes.contains(LP::FiltersItselfNote()));
}

}  // namespace
}  // namespace reelwright
