// The plan as a table: facts about a source in, the encoder's options and the account of what
// is kept out, for every container the table knows and the picture cases. No encoder, no file.
#include "plan/ContainerTable.h"
#include "plan/TrackPlan.h"

#include "SourceTracks.h"
#include "common/CaseName.h"

#include <gtest/gtest.h>

#include <map>

namespace reelwright {
namespace {

using Kind = MediaTracks::Kind;
using Track = MediaTracks::Track;

using test::SourceTrack;

// Every kind of track a source may bring: two pictures, two sounds, text and picture
// subtitles, a font and a cover.
SourceFacts Everything() {
    MediaTracks film;
    film.readable = true;
    film.tracks = {SourceTrack(0, Kind::Video, "h264"),
                   SourceTrack(1, Kind::Video, "h264"),
                   SourceTrack(2, Kind::Audio, "ac3", "eng"),
                   SourceTrack(3, Kind::Audio, "aac", "deu"),
                   SourceTrack(4, Kind::Subtitle, "subrip", "eng"),
                   SourceTrack(5, Kind::Subtitle, "hdmv_pgs_subtitle", "fra"),
                   SourceTrack(6, Kind::Font, "ttf"),
                   SourceTrack(7, Kind::Cover, "mjpeg")};
    film.tracks[0].look.fieldOrder = QStringLiteral("progressive");
    film.tracks[1].look.fieldOrder = QStringLiteral("progressive");
    film.tracks[4].textSubtitle = true;
    film.tracks[5].pictureSubtitle = true;
    film.tracks[7].picture = QByteArray("\xff\xd8\xff", 3);
    return {film, {}};
}

// The kind a left-out track is counted under.
Kind KindOf(const QString& word) {
    static const std::map<QString, Kind> kKinds{
        {"video", Kind::Video},       {"audio", Kind::Audio},
        {"subtitle", Kind::Subtitle}, {"picture subtitle", Kind::Subtitle},
        {"font", Kind::Font},         {"cover", Kind::Cover}};
    return kKinds.at(word);
}

TEST(PlanTable, EveryContainerAccountsForEveryTrackKeptOrLeftOut) {
    const SourceFacts source = Everything();
    for (const ContainerRules& rules : ContainerTable()) {
        for (const QString& type : rules.extensions) {
            SCOPED_TRACE(type.toStdString());
            const TrackPlan plan = TrackPlan::Make(
                source, type, QStringLiteral("-c:v libx264 -c:a aac"), TrackPlan::Choice::Every);
            if (!plan.Chose()) {
                continue;  // nothing of it fits: the encoder is left to say so
            }
            std::map<Kind, int> told;
            for (const TrackReport::LeftOut& left : plan.Report().leftOut) {
                ++told[KindOf(left.kind)];
                EXPECT_FALSE(left.reason.isEmpty());
            }
            const TrackReport::Counts& kept = plan.Promised();
            EXPECT_EQ(kept.video + told[Kind::Video], 2);
            EXPECT_EQ(kept.audio + told[Kind::Audio], 2);
            EXPECT_EQ(kept.subtitle + told[Kind::Subtitle], 2);
            EXPECT_EQ(kept.font + told[Kind::Font], 1);
            EXPECT_EQ(kept.cover + told[Kind::Cover], 1);
            // One map for each track that goes in as a stream (a cover as a file goes attached).
            const int mapped = static_cast<int>(plan.Options().count(QStringLiteral("-map ")));
            const int attached = static_cast<int>(plan.Attachments().size());
            EXPECT_EQ(mapped + attached,
                      kept.video + kept.audio + kept.subtitle + kept.font + kept.cover);
        }
    }
}

TEST(PlanTable, EachContainerKeepsWhatItsRowSays) {
    const SourceFacts source = Everything();
    for (const ContainerRules& rules : ContainerTable()) {
        const QString type = rules.extensions.first();
        SCOPED_TRACE(type.toStdString());
        const TrackPlan plan =
            TrackPlan::Make(source, type, QStringLiteral("-c:v libx264"), TrackPlan::Choice::Every);
        if (!plan.Chose()) {
            continue;
        }
        const auto most = [](ContainerRules::Many many, int all) {
            return many == ContainerRules::Many::All   ? all
                   : many == ContainerRules::Many::One ? 1
                                                       : 0;
        };
        EXPECT_EQ(plan.Promised().video, most(rules.video, 2));
        EXPECT_EQ(plan.Promised().audio, most(rules.audio, 2));
        EXPECT_EQ(plan.Promised().font, rules.fonts ? 1 : 0);
        EXPECT_EQ(plan.Promised().cover, rules.cover == ContainerRules::Cover::None ? 0 : 1);
        // The picture subtitle is a Blu-ray's: only a container that holds it goes on.
        EXPECT_EQ(plan.Promised().subtitle,
                  (rules.HoldsTextSubtitles() ? 1 : 0) +
                      (rules.SubtitleCodec("hdmv_pgs_subtitle", true).isEmpty() ? 0 : 1));
    }
}

// A cover whose bytes are not the picture they claim (tagged JPEG, not a JPEG): mapped, it would
// fail the whole file; it is left out, in every container, and said so.
TEST(PlanTable, ACoverThatCannotBeReadIsLeftOutAndSaidSo) {
    SourceFacts source = Everything();
    source.tracks.tracks[7].coverUnreadable = true;
    for (const ContainerRules& rules : ContainerTable()) {
        const QString type = rules.extensions.first();
        SCOPED_TRACE(type.toStdString());
        const TrackPlan plan =
            TrackPlan::Make(source, type, QStringLiteral("-c:v libx264"), TrackPlan::Choice::Every);
        if (!plan.Chose()) {
            continue;
        }
        EXPECT_FALSE(plan.Refusal());
        EXPECT_EQ(plan.Promised().cover, 0);
        EXPECT_FALSE(plan.Options().contains(QStringLiteral("0:7")));
        EXPECT_TRUE(plan.Attachments().empty());
        int told = 0;
        for (const TrackReport::LeftOut& left : plan.Report().leftOut) {
            if (left.kind == QStringLiteral("cover")) {
                ++told;
                if (rules.cover != ContainerRules::Cover::None) {
                    EXPECT_EQ(left.reason, QStringLiteral("its picture could not be read"));
                }
            }
        }
        EXPECT_EQ(told, 1);
    }
}

struct PictureCase {
    const char* name;
    MediaTracks::Picture picture;
    const char* codec;   // of the source's picture
    const char* looked;  // what the field detector saw; null: it was not asked or could not tell
    const char* type;
    const char* options;
    const char* filter;  // a part of the options the plan must give; empty: no filter at all
    const char* note;    // a note the report must carry; empty: none about the picture
};

MediaTracks::Picture Picture(const char* fields, const char* transfer = "", const char* range = "",
                             double rotation = 0) {
    MediaTracks::Picture picture;
    picture.width = 1920;
    picture.height = 1080;
    picture.pixelFormat = QStringLiteral("yuv420p");
    picture.fieldOrder = QString::fromLatin1(fields);
    picture.transfer = QString::fromLatin1(transfer);
    picture.primaries = picture.IsHdr() ? QStringLiteral("bt2020") : QStringLiteral("bt709");
    picture.matrix = picture.IsHdr() ? QStringLiteral("bt2020nc") : QStringLiteral("bt709");
    picture.range = QString::fromLatin1(range);
    picture.rotation = rotation;
    if (!picture.IsHdr()) {
        picture.transfer = QStringLiteral("bt709");
    }
    return picture;
}

const PictureCase kPictures[] = {
    {"HDR10 into H.264 is brought to standard range", Picture("progressive", "smpte2084"), "hevc",
     nullptr, "mp4", "-c:v libx264 -c:a aac", "tonemap=tonemap=mobius",
     "HDR brought to standard range (BT.709)."},
    {"HLG into HEVC stays HDR", Picture("progressive", "arib-std-b67"), "hevc", nullptr, "mkv",
     "-c:v libx265 -c:a aac", "", "HDR kept: 10-bit, BT.2020 with HLG."},
    {"a picture tagged interlaced is made progressive", Picture("tt"), "h264", nullptr, "mp4",
     "-c:v libx264", "bwdif=mode=send_frame:parity=auto:deint=all",
     "Interlaced picture made progressive."},
    {"an untagged one the detector saw interlaced is too", Picture(""), "mpeg2video", "bb", "mp4",
     "-c:v libx264", "parity=bff", "Interlaced picture made progressive."},
    {"an untagged one the detector saw progressive is left whole", Picture(""), "mpeg2video",
     "progressive", "mp4", "-c:v libx264", "", ""},
    {"an untagged one nobody could tell is left whole", Picture(""), "mpeg2video", nullptr, "mp4",
     "-c:v libx264", "", ""},
    {"interlaced into DVD stays interlaced", Picture("bb"), "mpeg2video", nullptr, "mpg",
     "-target pal-dvd", "setfield=bff", "Interlaced picture kept, bottom field first."},
    {"a full-range picture is brought to the range players expect",
     Picture("progressive", "", "pc"), "mjpeg", nullptr, "mp4", "-c:v libx264",
     "scale=in_range=full:out_range=limited", "Full-range picture brought to standard range."},
    {"a full-range picture into FFV1 keeps its range", Picture("progressive", "", "pc"), "mjpeg",
     nullptr, "mkv", "-c:v ffv1", "", ""},
    {"a turned picture is left to the encoder's own turning", Picture("progressive", "", "", 90),
     "h264", nullptr, "mp4", "-c:v libx264", "", ""},
    {"a copied HDR picture is left as it is", Picture("progressive", "smpte2084"), "hevc", nullptr,
     "mkv", "-c copy", "", ""},
};

class PlanningPictures : public testing::TestWithParam<PictureCase> {};

TEST_P(PlanningPictures, AsTheSourceMeantThem) {
    const PictureCase& c = GetParam();
    MediaTracks source;
    source.readable = true;
    source.tracks = {SourceTrack(0, Kind::Video, c.codec), SourceTrack(1, Kind::Audio, "aac")};
    source.tracks[0].look = c.picture;
    SourceFacts facts{source, {}};
    if (c.looked) {
        facts.fields[0] = *test::Verdict(c.looked);
    }
    const TrackPlan plan =
        TrackPlan::Make(facts, QString::fromLatin1(c.type), QString::fromLatin1(c.options),
                        TrackPlan::Choice::Every);
    const QString options = plan.Options();
    const QString note = QString::fromLatin1(c.note);
    if (*c.filter) {
        EXPECT_TRUE(options.contains(QString::fromLatin1(c.filter))) << options.toStdString();
    } else {
        EXPECT_FALSE(options.contains(QStringLiteral("-filter")) ||
                     options.contains(QStringLiteral("-vf")))
            << options.toStdString();
    }
    const QStringList notes = plan.Report().notes;
    if (note.isEmpty()) {
        for (const QString& said : notes) {
            EXPECT_FALSE(said.contains(QStringLiteral("picture")) ||
                         said.contains(QStringLiteral("HDR")))
                << said.toStdString();
        }
    } else {
        EXPECT_TRUE(notes.contains(note)) << notes.join(u' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PlanningPictures, testing::ValuesIn(kPictures),
                         test::CaseName<PictureCase>);

struct LookCase {
    const char* name;
    const char* codec;
    const char* fields;  // as the file says them
    const char* container;
    const char* type;
    const char* options;
    bool wanted;
};

const LookCase kLooks[] = {
    {"an untagged MPEG-2 picture to be encoded", "mpeg2video", "", "matroska,webm", "mp4",
     "-c:v libx264", true},
    // Whole pictures in an interlaced wrapper are common (PsF camcorders).
    {"a picture whose file says it is interlaced", "mpeg2video", "tt", "matroska,webm", "mp4",
     "-c:v libx264", true},
    {"a phone's picture that says it is progressive", "h264", "progressive",
     "mov,mp4,m4a,3gp,3g2,mj2", "mp4", "-c:v libx264", false},
    // Told from its first frames: a recording turns interlaced around adverts.
    {"a broadcast stream that says it begins progressive", "h264", "progressive", "mpegts",
     "mp4", "-c:v libx264", true},
    {"a codec that is never interlaced", "vp9", "", "matroska,webm", "mp4", "-c:v libx264",
     false},
    {"a picture copied as it is", "h264", "", "mpegts", "mkv", "-c copy", false},
    {"a copy the container cannot hold, encoded after all", "dvvideo", "", "avi", "mp4", "-c copy",
     true},
    {"a format without pictures", "h264", "", "mpegts", "mp4", "-vn -c:a aac", false},
    {"a format that maps its own tracks", "h264", "", "mpegts", "mp4", "-map 0:v -c:v libx264",
     false},
};

class AskingTheFieldDetector : public testing::TestWithParam<LookCase> {};

TEST_P(AskingTheFieldDetector, OnlyWhereThePlanNeedsItsWord) {
    const LookCase& c = GetParam();
    MediaTracks source;
    source.readable = true;
    source.tracks = {SourceTrack(0, Kind::Audio, "aac"), SourceTrack(1, Kind::Video, c.codec)};
    source.tracks[1].look.fieldOrder = QString::fromLatin1(c.fields);
    source.container = QString::fromLatin1(c.container);
    const std::vector<int> wanted = TrackPlan::FieldLooksWanted(source, QString::fromLatin1(c.type),
                                                                QString::fromLatin1(c.options));
    EXPECT_EQ(wanted, c.wanted ? std::vector<int>{1} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, AskingTheFieldDetector, testing::ValuesIn(kLooks),
                         test::CaseName<LookCase>);

}  // namespace
}  // namespace reelwright
