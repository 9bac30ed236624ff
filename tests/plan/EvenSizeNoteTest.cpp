// A picture made even by a pixel is said; one kept as it was, or resized on purpose, is not.
#include "plan/EvenSizeNote.h"

#include "SourceTracks.h"
#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

using Kind = MediaTracks::Kind;

struct Picture {
    int width;
    int height;
    double rotation = 0;
    bool empty = false;
};

MediaTracks Pictures(const std::vector<Picture>& pictures) {
    MediaTracks tracks;
    tracks.readable = true;
    int index = 0;
    for (const Picture& picture : pictures) {
        MediaTracks::Track track = test::SourceTrack(index++, Kind::Video, "h264");
        track.look.width = picture.width;
        track.look.height = picture.height;
        track.look.rotation = picture.rotation;
        track.empty = picture.empty;
        tracks.tracks.push_back(track);
    }
    tracks.tracks.push_back(test::SourceTrack(index, Kind::Audio, "aac"));
    return tracks;
}

struct SizeCase {
    const char* name;
    std::vector<Picture> source;
    std::vector<Picture> result;
    const char* note;  // empty: none
};

class TellingEvenSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(TellingEvenSizes, OnlyWhereEvennessChangedThePicture) {
    const SizeCase& c = GetParam();
    const std::optional<QString> note = EvenSizeNote(Pictures(c.source), Pictures(c.result));
    EXPECT_EQ(note.value_or(QString()), QString::fromLatin1(c.note));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TellingEvenSizes,
    testing::Values(
        SizeCase{"ScaledDown",
                 {{721, 405}},
                 {{720, 404}},
                 "The picture was made 720x404 from 721x405: the encoder takes even sizes only."},
        SizeCase{"Padded",
                 {{721, 405}},
                 {{722, 406}},
                 "The picture was made 722x406 from 721x405: the encoder takes even sizes only."},
        SizeCase{"OneSideOdd",
                 {{640, 361}},
                 {{640, 360}},
                 "The picture was made 640x360 from 640x361: the encoder takes even sizes only."},
        // Shown on its side, it is made even on its side.
        SizeCase{"TurnedAQuarter",
                 {{405, 721, -90}},
                 {{720, 404}},
                 "The picture was made 720x404 from 721x405: the encoder takes even sizes only."},
        SizeCase{"KeptAsItWas", {{721, 405}}, {{721, 405}}, ""},
        SizeCase{"EvenAlready", {{1920, 1080}}, {{1920, 1080}}, ""},
        // A preset that makes pictures 720 high resizes on purpose.
        SizeCase{"ResizedOnPurpose", {{1281, 721}}, {{1278, 720}}, ""},
        SizeCase{"EvenSourceResized", {{1920, 1080}}, {{1918, 1078}}, ""},
        SizeCase{"NoPictureKept", {{721, 405}}, {}, ""},
        // Only the main picture was kept: it is the one compared.
        SizeCase{"MainOfTwo",
                 {{720, 404, 0, true}, {721, 405}, {321, 241}},
                 {{720, 404}},
                 "The picture was made 720x404 from 721x405: the encoder takes even sizes only."},
        SizeCase{"SecondOfTwo",
                 {{640, 480}, {321, 241}},
                 {{640, 480}, {320, 240}},
                 "The picture was made 320x240 from 321x241: the encoder takes even sizes only."}),
    test::CaseName<SizeCase>);

}  // namespace
}  // namespace reelwright
