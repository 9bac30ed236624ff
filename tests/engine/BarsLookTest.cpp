// Black bars found on frames spread through a file: the detector's text read, the boxes of its
// stretches weighed, and real films looked at: a letterboxed and a pillarboxed one lose their
// bars; a fade to black, a night and bars in half a film keep the picture whole.
#include "engine/BarsLook.h"

#include "common/CaseName.h"
#include "common/Media.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace reelwright {
namespace {

// ffmpeg 5.1, two stretches at once: their lines interleave, each detector at its own address.
const char* const kTwoStretches =
    "frame=    1 fps=0.0 q=-0.0 size=N/A time=00:00:00.04 bitrate=N/A speed=0.438x    "
    "[Parsed_cropdetect_0 @ 0x565044bdc900] x1:0 x2:639 y1:50 y2:313 w:640 h:264 x:0 y:50 "
    "pts:1024 t:0.080000 crop=640:264:0:50\n"
    "[Parsed_cropdetect_0 @ 0x565044bf0b80] x1:0 x2:639 y1:46 y2:313 w:640 h:268 x:0 y:46 "
    "pts:1024 t:0.080000 crop=640:268:0:46\n"
    "[Parsed_cropdetect_0 @ 0x565044bdc900] x1:0 x2:639 y1:46 y2:313 w:640 h:268 x:0 y:46 "
    "pts:1536 t:0.120000 crop=640:268:0:46\n";

TEST(BarsLook, EachStretchKeepsItsLastBoxAndOneThatSawNothingIsEmpty) {
    const QList<SeenBox> boxes = BoxesFromDetector(kTwoStretches, 3);
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes[0].top, 46);  // its second line, covering both its frames
    EXPECT_EQ(boxes[1].top, 46);
    EXPECT_EQ(boxes[0].bottom, 313);
    EXPECT_LT(boxes[2].right, boxes[2].left);  // told nothing: a black stretch
}

struct BoxesCase {
    const char* name;
    QList<SeenBox> boxes;
    std::optional<Bars> bars;
};

const BoxesCase kBoxes[] = {
    {"letterbox", {{0, 639, 46, 313}, {0, 639, 46, 313}}, Bars{640, 268, 0, 46}},
    {"odd edges kept within", {{1, 638, 45, 314}, {0, 639, 47, 313}}, Bars{640, 272, 0, 44}},
    {"pillarbox", {{80, 559, 0, 359}, {81, 558, 0, 359}}, Bars{480, 360, 80, 0}},
    {"stretches disagree", {{0, 639, 46, 313}, {0, 639, 0, 359}}, std::nullopt},
    {"a stretch saw black", {{0, 639, 46, 313}, {}}, std::nullopt},
    {"bars under 1%", {{0, 639, 2, 357}, {0, 639, 1, 358}}, std::nullopt},
    {"nothing looked at", {}, std::nullopt},
};

class Boxes : public testing::TestWithParam<BoxesCase> {};

TEST_P(Boxes, AgreeOnBarsOrCropNothing) {
    const BoxesCase& c = GetParam();
    const std::optional<Bars> bars = BarsFromBoxes(c.boxes, 640, 360);
    ASSERT_EQ(bars.has_value(), c.bars.has_value());
    if (bars) {
        EXPECT_EQ(*bars, *c.bars) << bars->width << "x" << bars->height << "+" << bars->x << "+"
                                  << bars->y;
    }
}

INSTANTIATE_TEST_SUITE_P(Stretches, Boxes, testing::ValuesIn(kBoxes), test::CaseName<BoxesCase>);

// Films of 4 s, 320x180 (16:9), made by the encoder.
struct FilmCase {
    const char* name;
    const char* graph;  // what the picture is
    std::optional<Bars> bars;
};

const FilmCase kFilms[] = {
    {"letterboxed scope film", "testsrc2=s=320x134:r=25:d=4,pad=320:180:0:23:black",
     Bars{320, 134, 0, 22}},
    {"pillarboxed four by three", "testsrc2=s=240x180:r=25:d=4,pad=320:180:40:0:black",
     Bars{240, 180, 40, 0}},
    {"fade to black", "testsrc2=s=320x134:r=25:d=4,pad=320:180:0:23:black,fade=out:st=2:d=0.8",
     std::nullopt},
    // A dark sky over a dim, grainy street: no line of it is black.
    {"night scene",
     "color=c=0x161616:s=320x180:r=25:d=4,drawbox=y=90:h=90:c=0x303030:t=fill,"
     "noise=alls=12:allf=t",
     std::nullopt},
    {"bars in half of it",
     "testsrc2=s=320x134:r=25:d=2,pad=320:180:0:23:black[a];testsrc2=s=320x180:r=25:d=2[b];"
     "[a][b]concat",
     std::nullopt},
};

class Films : public testing::TestWithParam<FilmCase> {};

TEST_P(Films, LoseTheirBarsOnlyWhenEveryLookAgrees) {
    if (test::SystemEncoder().isEmpty()) {
        GTEST_SKIP() << "ffmpeg is not installed";
    }
    const FilmCase& c = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath("film.mkv");
    QString said;
    ASSERT_EQ(test::RunProgram(test::SystemEncoder(),
                               {"-v", "error", "-f", "lavfi", "-i", c.graph, "-c:v", "libx264",
                                "-preset", "ultrafast", "-pix_fmt", "yuv420p", path},
                               &said),
              0)
        << said.toStdString();
    const std::optional<Bars> bars = LookForBars(path, 0, 320, 180, 4);
    ASSERT_EQ(bars.has_value(), c.bars.has_value())
        << (bars ? QStringLiteral("%1x%2+%3+%4")
                       .arg(bars->width).arg(bars->height).arg(bars->x).arg(bars->y)
                       .toStdString()
                 : std::string("none"));
    if (bars) {
        EXPECT_NEAR(bars->width, c.bars->width, 2);
        EXPECT_NEAR(bars->height, c.bars->height, 2);
        EXPECT_NEAR(bars->x, c.bars->x, 2);
        EXPECT_NEAR(bars->y, c.bars->y, 2);
        EXPECT_EQ(bars->width % 2 + bars->height % 2 + bars->x % 2 + bars->y % 2, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Bars, Films, testing::ValuesIn(kFilms), test::CaseName<FilmCase>);

}  // namespace
}  // namespace reelwright
