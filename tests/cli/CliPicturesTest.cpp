// Fields and frames through the shipped presets with the real encoder: recordings that turn
// interlaced part way, telecined film, whole pictures flagged interlaced, and pictures of any
// shape and rate onto DVD, Video CD and an old phone. Each result is judged by numbers: the
// field detector's counts, frame counts and rates, per-field PSNR against a field-aware
// reference, and the shape the player is told.
#include "CliFixture.h"

#include "common/CaseName.h"

#include <QRegularExpression>
#include <QStandardPaths>

namespace reelwright {
namespace {

const char* const kDefault = "Computer and TV/H.264 / AAC (most players)";
const char* const kPalDvd = "DVD and Older Players/DVD video, PAL (MPEG-2)";
const char* const kNtscDvd = "DVD and Older Players/DVD video, NTSC (MPEG-2)";
const char* const kVcd = "DVD and Older Players/Video CD, PAL (MPEG-1)";
const char* const kPhone = "Phones and Tablets/Old phone (3GP)";

// A moving pattern soft enough for the field detector to tell fields from detail.
QString Pattern(const char* size, const char* rate, double seconds) {
    return QString("testsrc2=s=%1:r=%2:d=%3,gblur=sigma=2").arg(size, rate).arg(seconds);
}

bool Encode(const QStringList& arguments) {
    QString said;
    const int code =
        test::RunProgram(test::SystemEncoder(), QStringList{"-v", "error", "-y"} + arguments, &said);
    EXPECT_EQ(code, 0) << said.toStdString();
    return code == 0;
}

// MPEG-2 fields, woven from a pattern at twice the frame rate, top field first.
QStringList Interlaced(const char* size, const char* fieldRate, double seconds) {
    return {"-f",    "lavfi",      "-i",     Pattern(size, fieldRate, seconds),
            "-vf",   "tinterlace=interleave_top",
            "-c:v",  "mpeg2video", "-b:v",   "20M",
            "-flags", "+ilme+ildct", "-top", "1"};
}

// What the encoder's tools say of a file: the detector's interlaced and all frames, the PSNR
// of two pictures' streams, ffprobe's fields of the picture.
std::pair<int, int> InterlacedFrames(const QString& path) {
    QString text;
    test::RunProgram(test::SystemEncoder(), {"-hide_banner", "-nostdin", "-i", path, "-vf", "idet",
                                             "-an", "-f", "null", "-"},
                     &text);
    static const QRegularExpression kMulti(
        "Multi frame detection: TFF:\\s*(\\d+)\\s+BFF:\\s*(\\d+)\\s+Progressive:\\s*(\\d+)\\s+"
        "Undetermined:\\s*(\\d+)");
    // ffmpeg 7 may give a summary of a first, empty graph before the real one: the last counts.
    QRegularExpressionMatch m;
    for (auto it = kMulti.globalMatch(text); it.hasNext();) {
        m = it.next();
    }
    if (!m.hasMatch()) {
        return {-1, -1};
    }
    const int interlaced = m.captured(1).toInt() + m.captured(2).toInt();
    return {interlaced, interlaced + m.captured(3).toInt() + m.captured(4).toInt()};
}

double Psnr(const QString& result, const QString& reference, const QString& resultChain,
            const QString& referenceChain) {
    QString text;
    test::RunProgram(test::SystemEncoder(),
                     {"-hide_banner", "-nostdin", "-i", result, "-i", reference, "-filter_complex",
                      // Frame by frame: the two files' clocks differ in base and start; and
                      // told alike, or ffmpeg 7 converts one's colours to the other's first.
                      QString("[0:v]%1,%3,setpts=N/(25*TB)[a];[1:v]%2,%3,setpts=N/(25*TB)[b];"
                              "[a][b]psnr")
                          .arg(resultChain, referenceChain,
                               "setparams=range=tv:colorspace=bt709:color_primaries=bt709:"
                               "color_trc=bt709"),
                      "-f", "null", "-"},
                     &text);
    static const QRegularExpression kAverage("PSNR .* average:([0-9.]+|inf)");
    const QRegularExpressionMatch m = kAverage.match(text);
    return !m.hasMatch() ? -1 : m.captured(1) == "inf" ? 99 : m.captured(1).toDouble();
}

QStringList Probe(const QString& path, const QString& entries) {
    QString text;
    test::RunProgram(QStandardPaths::findExecutable("ffprobe"),
                     {"-v", "error", "-select_streams", "v:0", "-count_frames", "-show_entries",
                      "stream=" + entries, "-of", "default=nw=1", path},
                     &text);
    return text.trimmed().split('\n');
}

class FieldsAndFrames : public CliTest {
  protected:
    // Converts one source with a preset; answers the result's path and the file's line.
    std::pair<QString, QString> Convert(const QString& source, const char* preset) {
        const Result result = Run({"--preset", preset, "--output-folder", "out", source});
        EXPECT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
        const QStringList made = Outputs();
        EXPECT_EQ(made.size(), 1);
        return {made.isEmpty() ? QString() : home.filePath("out/" + made[0]), result.out};
    }
};

TEST_F(FieldsAndFrames, ARecordingThatTurnsInterlacedIsMadeProgressiveOnlyWhereItIs) {
    const QString whole = home.filePath("whole.ts");
    const QString fields = home.filePath("fields.ts");
    const QString source = home.filePath("recording.ts");
    ASSERT_TRUE(Encode({"-f", "lavfi", "-i", Pattern("720x576", "25", 2), "-c:v", "mpeg2video",
                        "-b:v", "8M", whole}));
    ASSERT_TRUE(Encode(Interlaced("720x576", "50", 2) << fields));
    ASSERT_TRUE(Encode({"-i", "concat:" + whole + "|" + fields, "-c", "copy", source}));
    ASSERT_EQ(Probe(source, "field_order")[0], "field_order=progressive");  // from its start
    const auto [result, said] = Convert(source, kDefault);
    const auto [interlaced, frames] = InterlacedFrames(result);
    ASSERT_GE(frames, 95);
    EXPECT_LE(interlaced, frames / 10) << interlaced << " of " << frames;
    EXPECT_TRUE(said.contains("Interlaced parts made progressive")) << said.toStdString();
    // The whole frames before the change pass untouched: as close to the source as encoding
    // alone leaves them.
    EXPECT_GT(Psnr(result, whole, "trim=end_frame=45", "trim=end_frame=45"), 40);
}

TEST_F(FieldsAndFrames, TelecinedFilmIsPutBackTogether) {
    const QString film = home.filePath("film.mkv");
    const QString source = home.filePath("telecined.mpg");
    ASSERT_TRUE(Encode({"-f", "lavfi", "-i", Pattern("720x480", "24000/1001", 4), "-c:v",
                        "ffv1", film}));
    ASSERT_TRUE(Encode({"-i", film, "-vf", "telecine=first_field=top:pattern=23", "-c:v",
                        "mpeg2video", "-b:v", "8M", "-flags", "+ilme+ildct", "-top", "1", source}));
    const auto [result, said] = Convert(source, kDefault);
    EXPECT_TRUE(said.contains("Film frames put back together (23.976 fps).")) << said.toStdString();
    const QStringList probed = Probe(result, "avg_frame_rate,nb_read_frames");
    EXPECT_EQ(probed.value(0), "avg_frame_rate=24000/1001");
    EXPECT_NEAR(probed.value(1).section('=', 1).toInt(), 96, 2);
    // Each frame is one of the film's, not two of them woven or one rebuilt from a field.
    EXPECT_GT(Psnr(result, film, "null", "null"), 38);
}

TEST_F(FieldsAndFrames, WholePicturesFlaggedInterlacedAreNotSoftened) {
    const QString source = home.filePath("camcorder.mpg");
    ASSERT_TRUE(Encode({"-f", "lavfi", "-i", Pattern("720x576", "25", 2), "-c:v", "mpeg2video",
                        "-b:v", "15M", "-flags", "+ilme+ildct", "-top", "1", source}));
    ASSERT_EQ(Probe(source, "field_order")[0], "field_order=tt");
    const auto [result, said] = Convert(source, kDefault);
    EXPECT_TRUE(said.contains("Frames flagged interlaced are whole pictures")) << said.toStdString();
    EXPECT_EQ(Probe(result, "field_order")[0], "field_order=progressive");
    // Deinterlacing them would cost several dB; encoding alone leaves them close.
    EXPECT_GT(Psnr(result, source, "null", "null"), 40);
}

struct DiscCase {
    const char* name;
    QStringList source;  // the encoder's arguments that make it, before its name
    const char* preset;
    const char* size;     // "width=720\nheight=576" as ffprobe says it
    const char* shape;    // the display aspect ratio
    const char* fields;   // field order
    const char* rate;
    const char* said;
    double fieldPsnr;     // per field, against the source scaled field by field; 0: not judged
};

const DiscCase kDiscs[] = {
    {"1080i onto a PAL DVD", Interlaced("1920x1080", "50", 1), kPalDvd, "width=720\nheight=576",
     "16:9", "tt", "25/1", "Interlaced picture kept, top field first.", 45},
    {"576i onto an NTSC DVD",
     Interlaced("720x576", "50", 1) << "-aspect" << "16:9", kNtscDvd, "width=720\nheight=480",
     "16:9", "tt", "30000/1001",
     "Interlaced picture brought to 59.94 fields a second, top field first.", 0},
    {"a phone held upright onto a PAL DVD",
     {"-f", "lavfi", "-i", "testsrc2=s=360x640:r=30:d=1", "-c:v", "libx264", "-pix_fmt",
      "yuv420p"},
     kPalDvd, "width=720\nheight=576", "4:3", "progressive", "25/1",
     "Picture fitted into 720x576 with black bars, shown at 4:3.", 0},
    {"16:9 onto a Video CD",
     {"-f", "lavfi", "-i", "testsrc2=s=640x360:r=25:d=1", "-c:v", "libx264", "-pix_fmt",
      "yuv420p"},
     kVcd, "width=352\nheight=288", "4:3", "progressive", "25/1",
     "Picture fitted into 352x288 with black bars, shown at 4:3.", 0},
    {"16:9 onto an old phone",
     {"-f", "lavfi", "-i", "testsrc2=s=640x360:r=15:d=1", "-c:v", "libx264", "-pix_fmt",
      "yuv420p"},
     kPhone, "width=176\nheight=144", "", "", "", "Picture fitted into 176x144 with black bars",
     0},
};

class OntoDiscs : public FieldsAndFrames, public testing::WithParamInterface<DiscCase> {};

TEST_P(OntoDiscs, FitTheFrameAndItsFieldsAndTellALegalShape) {
    const DiscCase& c = GetParam();
    const QString source = home.filePath("source.mkv");
    ASSERT_TRUE(Encode(c.source + QStringList{source}));
    const auto [result, said] = Convert(source, c.preset);
    EXPECT_TRUE(said.contains(c.said)) << said.toStdString();
    const QStringList probed =
        Probe(result, "width,height,display_aspect_ratio,field_order,avg_frame_rate");
    EXPECT_EQ(probed.mid(0, 2).join('\n'), c.size);
    if (*c.shape) {
        // MPEG-1 tells a pixel's shape from a short list: a Video CD's 4:3 comes out near it.
        const QStringList shape = probed.value(2).section('=', 1).split(':');
        const QStringList wanted = QString(c.shape).split(':');
        EXPECT_NEAR(shape.value(0).toDouble() / shape.value(1).toDouble(),
                    wanted[0].toDouble() / wanted[1].toDouble(), 0.01)
            << probed.value(2).toStdString();
        if (QString(c.fields) != "progressive" || probed.value(3) != "field_order=unknown") {
            EXPECT_EQ(probed.value(3), QString("field_order=") + c.fields);
        }
        // ffprobe 7 guesses an MPEG-1 stream's base rate at twice the frames it holds.
        EXPECT_EQ(probed.value(4), QString("avg_frame_rate=") + c.rate);
    }
    if (c.fieldPsnr > 0) {
        // Each field holds one moment: scaled on its own, as the reference is.
        EXPECT_GT(Psnr(result, source, "separatefields",
                       "scale=720:576:interl=1,separatefields"),
                  c.fieldPsnr);
    }
}

INSTANTIATE_TEST_SUITE_P(Presets, OntoDiscs, testing::ValuesIn(kDiscs), test::CaseName<DiscCase>);

}  // namespace
}  // namespace reelwright
