// Each kept track's title, language and marks as far as the container keeps them, and a word
// for each kind it drops.
#include "plan/TrackPlan.h"

#include "SourceTracks.h"
#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

using Kind = MediaTracks::Kind;
using test::SourceTrack;

// A commentary first and the film's own sound, marked default, second; a forced subtitle.
MediaTracks Described() {
    MediaTracks source;
    source.readable = true;
    source.tracks = {SourceTrack(0, Kind::Video, "h264"), SourceTrack(1, Kind::Audio, "aac", "fra"),
                     SourceTrack(2, Kind::Audio, "aac", "eng"),
                     SourceTrack(3, Kind::Subtitle, "subrip", "deu")};
    source.tracks[1].title = QStringLiteral("Director's commentary");
    source.tracks[1].commentary = true;
    source.tracks[2].title = QStringLiteral("English 5.1");
    source.tracks[2].isDefault = true;
    source.tracks[3].textSubtitle = true;
    source.tracks[3].forced = true;
    return source;
}

struct MarksCase {
    const char* name;
    const char* type;
    const char* options;
    const char* maps;     // the order the tracks go in
    const char* titles;   // the options that carry titles; empty: none
    const char* dropped;  // what is said of the descriptions dropped, joined by " "
};

const MarksCase kMarks[] = {
    {"MP4 keeps everything, titles as handler names", "mp4", "-c:v libx264 -c:a aac",
     "-map 0:0 -map 0:1 -map 0:2 -map 0:3",
     "-metadata:s:a:0 \"handler_name=Director's commentary\" -metadata:s:a:1 "
     "\"handler_name=English 5.1\"",
     ""},
    {"MOV drops the forced and commentary marks", "mov", "-c:v libx264 -c:a aac",
     "-map 0:0 -map 0:1 -map 0:2 -map 0:3", "handler_name=English 5.1",
     "MOV keeps no forced marks: deu no longer marked so. MOV keeps no commentary marks: "
     "\u201cDirector's commentary\u201d no longer marked so."},
    {"WebM drops the commentary mark", "webm", "-c:v libvpx-vp9 -c:a libopus", "", "",
     "WebM keeps no commentary marks: \u201cDirector's commentary\u201d no longer marked so."},
    {"MKV keeps everything as it is", "mkv", "-c:v libx264 -c:a aac", "", "", ""},
    // No default mark: players play the first sound, so the film's own goes first.
    {"a DVD puts the default sound first", "mpg", "-target pal-dvd", "-map 0:0 -map 0:2 -map 0:1",
     "",
     "MPEG keeps no track titles: \u201cEnglish 5.1\u201d, \u201cDirector's commentary\u201d left "
     "out. MPEG keeps no languages: eng, fra left out. MPEG keeps no commentary marks: "
     "\u201cDirector's commentary\u201d no longer marked so."},
    {"AVI keeps titles but no languages", "avi", "-c:v mpeg4 -c:a libmp3lame",
     "-map 0:0 -map 0:2 -map 0:1", "",
     "AVI keeps no languages: eng, fra left out. AVI keeps no commentary marks: "
     "\u201cDirector's commentary\u201d no longer marked so."},
};

class DescribingTracks : public testing::TestWithParam<MarksCase> {};

TEST_P(DescribingTracks, KeepsWhatTheContainerKeepsAndSaysTheRest) {
    const MarksCase& c = GetParam();
    const TrackPlan plan = TrackPlan::Make({Described(), {}}, QString::fromLatin1(c.type),
                                           QString::fromLatin1(c.options),
                                           TrackPlan::Choice::Every);
    const QString options = plan.Options();
    EXPECT_TRUE(options.startsWith(QString::fromLatin1(c.maps))) << options.toStdString();
    if (*c.titles) {
        EXPECT_TRUE(options.contains(QString::fromUtf8(c.titles))) << options.toStdString();
    } else {
        EXPECT_FALSE(options.contains("handler_name")) << options.toStdString();
    }
    QStringList dropped;
    for (const QString& note : plan.Report().notes) {
        if (note.contains(" keeps no ")) {
            dropped << note;
        }
    }
    EXPECT_EQ(dropped.join(u' '), QString::fromUtf8(c.dropped));
}

INSTANTIATE_TEST_SUITE_P(Containers, DescribingTracks, testing::ValuesIn(kMarks),
                         test::CaseName<MarksCase>);

}  // namespace
}  // namespace reelwright
