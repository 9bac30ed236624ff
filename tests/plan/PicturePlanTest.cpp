// What is done to a picture track for the format chosen: HDR brought to standard range or kept,
// fields made whole or kept for DVD, full range brought to the players' range, and the tags.
#include "plan/PicturePlan.h"
#include "engine/FieldLook.h"
#include "platform/CommandLine.h"

#include "SourceTracks.h"
#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

using Picture = MediaTracks::Picture;

Picture Hd() {
    Picture picture;
    picture.width = 1920;
    picture.height = 1080;
    picture.bitDepth = 8;
    picture.pixelFormat = QStringLiteral("yuv420p");
    picture.fieldOrder = QStringLiteral("progressive");
    return picture;
}

Picture Sd(int height, const char* fields) {
    Picture picture = Hd();
    picture.width = 720;
    picture.height = height;
    picture.fieldOrder = QString::fromLatin1(fields);
    return picture;
}

Picture FullRange() {
    Picture picture = Hd();
    picture.pixelFormat = QStringLiteral("yuvj420p");
    picture.range = QStringLiteral("pc");
    picture.primaries = picture.transfer = picture.matrix = QStringLiteral("bt709");
    return picture;
}

// A phone's HDR: ten bits, BT.2020, with its mastering display where `mastered`.
Picture Hdr(const char* transfer, bool mastered) {
    Picture picture = Hd();
    picture.bitDepth = 10;
    picture.pixelFormat = QStringLiteral("yuv420p10le");
    picture.primaries = QStringLiteral("bt2020");
    picture.matrix = QStringLiteral("bt2020nc");
    picture.range = QStringLiteral("tv");
    picture.transfer = QString::fromLatin1(transfer);
    if (mastered) {
        Picture::Mastering m;
        m.green[0] = 0.265, m.green[1] = 0.69;
        m.blue[0] = 0.15, m.blue[1] = 0.06;
        m.red[0] = 0.68, m.red[1] = 0.32;
        m.white[0] = 0.3127, m.white[1] = 0.329;
        m.maxLuminance = 1000, m.minLuminance = 0.0001;
        picture.mastering = m;
        picture.maxContentLight = 1000;
        picture.maxAverageLight = 400;
    }
    return picture;
}

struct PictureCase {
    const char* name;
    Picture picture;
    const char* options;  // the format's
    const char* looked;   // what a look at the frames finds; nullptr: it cannot tell
    const char* filters;
    const char* planned;  // the options after the format's, for output picture 0
    const char* said;     // the notes, joined by " "
};

const char* const kTonedToSdr =
    "zscale=tin=smpte2084:pin=bt2020:min=bt2020nc:rin=tv:t=linear:p=bt2020:npl=100,"
    "format=gbrpf32le,zscale=p=bt709,tonemap=tonemap=mobius:desat=0,"
    "zscale=t=bt709:m=bt709:r=tv,format=yuv420p";
const char* const kTaggedSdr =
    "-color_primaries:v:0 bt709 -color_trc:v:0 bt709 -colorspace:v:0 bt709 -color_range:v:0 tv";

const PictureCase kPictures[] = {
    {"an untagged HD picture is told BT.709", Hd(), "-c:v libx264 -pix_fmt yuv420p", nullptr,
     "setparams=color_primaries=bt709:color_trc=bt709:colorspace=bt709", kTaggedSdr, ""},
    {"an untagged PAL picture is told BT.601 625", Sd(576, "progressive"), "-c:v libx264", nullptr,
     "setparams=color_primaries=bt470bg:color_trc=smpte170m:colorspace=bt470bg",
     "-color_primaries:v:0 bt470bg -color_trc:v:0 smpte170m -colorspace:v:0 bt470bg "
     "-color_range:v:0 tv",
     ""},
    {"an untagged NTSC picture is told BT.601 525", Sd(480, "progressive"), "-c:v libx264", nullptr,
     "setparams=color_primaries=smpte170m:color_trc=smpte170m:colorspace=smpte170m",
     "-color_primaries:v:0 smpte170m -color_trc:v:0 smpte170m -colorspace:v:0 smpte170m "
     "-color_range:v:0 tv",
     ""},
    {"a full-range picture is brought to the players' range", FullRange(), "-c:v libx264", nullptr,
     "scale=in_range=full:out_range=limited,format=yuv420p", kTaggedSdr,
     "Full-range picture brought to standard range."},
    {"a full-range picture stays full where the encoder keeps it", FullRange(), "-c:v mjpeg",
     nullptr, "", "-color_primaries:v:0 bt709 -color_trc:v:0 bt709 -colorspace:v:0 bt709", ""},
    {"a top-first picture is made progressive", Sd(576, "tt"), "-c:v libx264", nullptr,
     "bwdif=mode=send_frame:parity=auto:deint=all,"
     "setparams=color_primaries=bt470bg:color_trc=smpte170m:colorspace=bt470bg",
     "-color_primaries:v:0 bt470bg -color_trc:v:0 smpte170m -colorspace:v:0 bt470bg "
     "-color_range:v:0 tv",
     "Interlaced picture made progressive."},
    {"an untagged picture found top-first is made progressive with that parity", Sd(576, ""),
     "-c:v libx264", "tt",
     "bwdif=mode=send_frame:parity=tff:deint=all,"
     "setparams=color_primaries=bt470bg:color_trc=smpte170m:colorspace=bt470bg",
     "-color_primaries:v:0 bt470bg -color_trc:v:0 smpte170m -colorspace:v:0 bt470bg "
     "-color_range:v:0 tv",
     "Interlaced picture made progressive."},
    {"an untagged picture found bottom-first", Sd(480, ""), "-c:v mpeg4", "bb",
     "bwdif=mode=send_frame:parity=bff:deint=all,"
     "setparams=color_primaries=smpte170m:color_trc=smpte170m:colorspace=smpte170m",
     "-color_primaries:v:0 smpte170m -color_trc:v:0 smpte170m -colorspace:v:0 smpte170m "
     "-color_range:v:0 tv",
     "Interlaced picture made progressive."},
    {"an untagged picture found progressive is left", Sd(576, ""), "-c:v libx264", "progressive",
     "setparams=color_primaries=bt470bg:color_trc=smpte170m:colorspace=bt470bg",
     "-color_primaries:v:0 bt470bg -color_trc:v:0 smpte170m -colorspace:v:0 bt470bg "
     "-color_range:v:0 tv",
     ""},
    {"an untagged picture that cannot be told is left", Sd(576, ""), "-c:v libx264", nullptr,
     "setparams=color_primaries=bt470bg:color_trc=smpte170m:colorspace=bt470bg",
     "-color_primaries:v:0 bt470bg -color_trc:v:0 smpte170m -colorspace:v:0 bt470bg "
     "-color_range:v:0 tv",
     ""},
    {"a DVD keeps the fields, flagged bottom first", Sd(576, "bb"), "-target pal-dvd", nullptr,
     "setdar=4/3,setfield=bff,setparams=color_primaries=bt470bg:color_trc=smpte170m:colorspace=bt470bg",
     "-flags:v:0 +ilme+ildct -color_primaries:v:0 bt470bg -color_trc:v:0 smpte170m "
     "-colorspace:v:0 bt470bg -color_range:v:0 tv",
     "Interlaced picture kept, bottom field first."},
    {"a DVD keeps the fields, flagged top first", Sd(480, "tt"), "-target ntsc-dvd", nullptr,
     "setdar=4/3,setfield=tff,setparams=color_primaries=smpte170m:color_trc=smpte170m:colorspace=smpte170m",
     "-flags:v:0 +ilme+ildct -color_primaries:v:0 smpte170m -color_trc:v:0 smpte170m "
     "-colorspace:v:0 smpte170m -color_range:v:0 tv",
     "Interlaced picture kept, top field first."},
    {"a Video CD is progressive", Sd(576, "tt"), "-target pal-vcd", nullptr,
     "bwdif=mode=send_frame:parity=auto:deint=all,scale=352:288,setdar=4/3,"
     "setparams=color_primaries=bt470bg:color_trc=smpte170m:colorspace=bt470bg",
     "-color_primaries:v:0 bt470bg -color_trc:v:0 smpte170m -colorspace:v:0 bt470bg "
     "-color_range:v:0 tv",
     "Interlaced picture made progressive."},
    {"PQ into H.264 is brought to standard range", Hdr("smpte2084", true),
     "-c:v libx264 -pix_fmt yuv420p", nullptr, kTonedToSdr, kTaggedSdr,
     "HDR brought to standard range (BT.709)."},
    {"HLG into VP8 is brought to standard range", Hdr("arib-std-b67", false), "-c:v libvpx",
     nullptr,
     "zscale=tin=arib-std-b67:pin=bt2020:min=bt2020nc:rin=tv:t=linear:p=bt2020:npl=100,"
     "format=gbrpf32le,zscale=p=bt709,tonemap=tonemap=mobius:desat=0,"
     "zscale=t=bt709:m=bt709:r=tv,format=yuv420p",
     kTaggedSdr, "HDR brought to standard range (BT.709)."},
    {"PQ into 8-bit 4:2:2 DNxHR ends in its own format", Hdr("smpte2084", false),
     "-c:v dnxhd -profile:v dnxhr_hq -pix_fmt yuv422p", nullptr,
     "zscale=tin=smpte2084:pin=bt2020:min=bt2020nc:rin=tv:t=linear:p=bt2020:npl=100,"
     "format=gbrpf32le,zscale=p=bt709,tonemap=tonemap=mobius:desat=0,"
     "zscale=t=bt709:m=bt709:r=tv,format=yuv422p",
     kTaggedSdr, "HDR brought to standard range (BT.709)."},
    {"PQ into HEVC is kept in ten bits with its metadata", Hdr("smpte2084", true),
     "-c:v libx265 -pix_fmt yuv420p", nullptr, "",
     "-pix_fmt:v:0 yuv420p10le -color_primaries:v:0 bt2020 -color_trc:v:0 smpte2084 "
     "-colorspace:v:0 bt2020nc -color_range:v:0 tv -x265-params:v:0 "
     "repeat-headers=1:master-display=G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)"
     "L(10000000,1):max-cll=1000,400",
     "HDR kept: 10-bit, BT.2020 with PQ, and its mastering display and light levels."},
    {"HLG into HEVC without metadata keeps its tags", Hdr("arib-std-b67", false),
     "-c:v libx265 -pix_fmt yuv420p", nullptr, "",
     "-pix_fmt:v:0 yuv420p10le -color_primaries:v:0 bt2020 -color_trc:v:0 arib-std-b67 "
     "-colorspace:v:0 bt2020nc -color_range:v:0 tv",
     "HDR kept: 10-bit, BT.2020 with HLG."},
    {"PQ into AV1 is kept with SVT's metadata", Hdr("smpte2084", true),
     "-c:v libsvtav1 -pix_fmt yuv420p", nullptr, "",
     "-pix_fmt:v:0 yuv420p10le -color_primaries:v:0 bt2020 -color_trc:v:0 smpte2084 "
     "-colorspace:v:0 bt2020nc -color_range:v:0 tv -svtav1-params:v:0 "
     "mastering-display=G(0.265,0.69)B(0.15,0.06)R(0.68,0.32)WP(0.3127,0.329)L(1000,0.0001):"
     "content-light=1000,400",
     "HDR kept: 10-bit, BT.2020 with PQ, and its mastering display and light levels."},
    {"PQ into ProRes keeps ten bits of its own", Hdr("smpte2084", true),
     "-c:v prores_ks -profile:v 3", nullptr, "",
     "-color_primaries:v:0 bt2020 -color_trc:v:0 smpte2084 -colorspace:v:0 bt2020nc "
     "-color_range:v:0 tv",
     "HDR kept: 10-bit, BT.2020 with PQ."},
    {"an RGB picture gets no matrix of its own",
     [] {
         Picture p = Hd();
         p.pixelFormat = QStringLiteral("rgb24");
         p.matrix = QStringLiteral("gbr");
         p.range = QStringLiteral("pc");
         return p;
     }(),
     "-c:v libx264 -pix_fmt yuv420p", nullptr,
     "scale=in_range=full:out_range=limited,setparams=color_primaries=bt709:color_trc=bt709",
     "-color_primaries:v:0 bt709 -color_trc:v:0 bt709 -color_range:v:0 tv",
     "Full-range picture brought to standard range."},
    {"a colour the options do not know is left to the frames",
     [] {
         Picture p = Hd();
         p.primaries = QStringLiteral("jedec-p22-unknown");
         p.transfer = QStringLiteral("bt709");
         p.matrix = QStringLiteral("bt709");
         return p;
     }(),
     "-c:v libx264", nullptr, "", "-color_trc:v:0 bt709 -colorspace:v:0 bt709 -color_range:v:0 tv",
     ""},
    {"a copied picture is left as it is", Hdr("smpte2084", true), "-c:v copy", "tt", "", "", ""},
    {"an interlaced HDR picture is made whole before it is toned",
     [] {
         Picture p = Hdr("smpte2084", false);
         p.fieldOrder = QStringLiteral("tt");
         return p;
     }(),
     "-c:v libx264", nullptr,
     "bwdif=mode=send_frame:parity=auto:deint=all,"
     "zscale=tin=smpte2084:pin=bt2020:min=bt2020nc:rin=tv:t=linear:p=bt2020:npl=100,"
     "format=gbrpf32le,zscale=p=bt709,tonemap=tonemap=mobius:desat=0,"
     "zscale=t=bt709:m=bt709:r=tv,format=yuv420p",
     kTaggedSdr, "Interlaced picture made progressive. HDR brought to standard range (BT.709)."},
};

class PlanningAPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(PlanningAPicture, AsTheSourceMeantIt) {
    const PictureCase& c = GetParam();
    const QStringList format = SplitArguments(QString::fromLatin1(c.options)).value();
    const PicturePlan::Format planned = PicturePlan::Format::Of(format);
    // The detector is asked only when the plan wants its word, and answers as the case says.
    const bool asked = PicturePlan::WantsFieldLook(c.picture, planned);
    const std::optional<FieldVerdict> looked = asked ? test::Verdict(c.looked) : std::nullopt;
    const PicturePlan plan = PicturePlan::Make(c.picture, planned, 0, looked);
    EXPECT_EQ(plan.filters, QString::fromLatin1(c.filters));
    EXPECT_EQ(plan.options.join(u' '), QString::fromLatin1(c.planned));
    EXPECT_EQ(plan.notes.join(u' '), QString::fromLatin1(c.said));
    // The frames are looked at whenever the picture is encoded.
    EXPECT_EQ(asked, !format.contains(QStringLiteral("copy")));
}

INSTANTIATE_TEST_SUITE_P(Pictures, PlanningAPicture, testing::ValuesIn(kPictures),
                         test::CaseName<PictureCase>);

TEST(PlanningAPicture, NamesOnePictureOfMany) {
    const PicturePlan plan = PicturePlan::Make(
        Sd(576, "tt"),
        PicturePlan::Format::Of({QStringLiteral("-target"), QStringLiteral("pal-dvd")}), 2);
    EXPECT_TRUE(plan.filters.startsWith("setdar=4/3,setfield=tff,setparams="))
        << plan.filters.toStdString();
    EXPECT_EQ(plan.options.mid(0, 2), (QStringList{"-flags:v:2", "+ilme+ildct"}));
}

// A letterboxed film into a DVD: its bars cut off first, and what is left fitted into the
// frame as the wide picture it is, not as the 16:9 frame it came in.
TEST(PlanningAPicture, CutsItsBarsBeforeAnythingElse) {
    Picture film = Hd();
    film.width = 1920;
    film.height = 1080;
    film.frameRate = 25;
    film.fieldOrder = QStringLiteral("progressive");
    const PicturePlan plan = PicturePlan::Make(
        film, PicturePlan::Format::Of({QStringLiteral("-target"), QStringLiteral("pal-dvd")}), 0,
        std::nullopt, Bars{1920, 800, 0, 140});
    EXPECT_TRUE(plan.filters.startsWith("crop=1920:800:0:140,scale=720:")) << plan.filters.toStdString();
    EXPECT_TRUE(plan.filters.contains("pad=720:576:")) << plan.filters.toStdString();
    EXPECT_TRUE(plan.notes.contains("Black bars removed: 1920x800 of 1920x1080."))
        << plan.notes.join('|').toStdString();
}

// A picture of a size, shape, rate and fields, tagged BT.709 so that only what is done to its
// frames is planned.
Picture Shaped(int width, int height, double rate, const char* fields, double sampleAspect = 1,
               double rotation = 0) {
    Picture picture = Hd();
    picture.width = width;
    picture.height = height;
    picture.frameRate = rate;
    picture.fieldOrder = QString::fromLatin1(fields);
    picture.sampleAspect = sampleAspect;
    picture.rotation = rotation;
    return picture;
}

struct FramesCase {
    const char* name;
    Picture picture;
    const char* options;
    const char* looked;  // what the detector saw; nullptr: it was not asked or could not tell
    const char* filters;
    const char* said;  // one of the notes; empty: nothing said of fields or frames
};

const FramesCase kFrames[] = {
    // Whole pictures in an interlaced wrapper (PsF): the detector's word wins, nothing softened.
    {"progressive frames flagged interlaced", Shaped(1920, 1080, 25, "tt"), "-c:v libx264",
     "progressive", "setfield=prog", "Frames flagged interlaced are whole pictures: left as they are."},
    {"a recording that turns interlaced", Shaped(1920, 1080, 25, "progressive"), "-c:v libx264",
     "mixed tt", "idet,bwdif=mode=send_frame:parity=auto:deint=interlaced",
     "Interlaced parts made progressive; whole frames left as they are."},
    {"telecined film", Shaped(720, 480, 30000.0 / 1001, ""), "-c:v libx264", "telecined tt",
     "fieldmatch=order=tff:combmatch=full,bwdif=mode=send_frame:parity=auto:deint=interlaced,"
     "decimate",
     "Film frames put back together (23.976 fps)."},
    {"telecine at 30 frames", Shaped(720, 480, 30, "tt"), "-c:v libx264", "telecined tt",
     "fieldmatch=order=auto:combmatch=full", "Film frames put back together (24 fps)."},
    {"a repeat pattern at PAL's rate is no telecine", Shaped(720, 576, 25, ""), "-c:v libx264",
     "telecined tt", "bwdif=mode=send_frame:parity=tff:deint=all",
     "Interlaced picture made progressive."},
    // DVD: each field scaled on its own; across TV systems made whole, rated and woven again.
    {"1080i into a PAL DVD", Shaped(1920, 1080, 25, "tt"), "-target pal-dvd", nullptr,
     "scale=720:576:interl=1,setdar=16/9,setfield=tff", "Interlaced picture kept, top field first."},
    {"576i into an NTSC DVD", Shaped(720, 576, 25, "bb", 64.0 / 45), "-target ntsc-dvd", nullptr,
     "bwdif=mode=send_field:parity=auto:deint=all,fps=60000/1001,scale=720:480,"
     "interlace=scan=tff:lowpass=complex,setfield=tff,setdar=16/9",
     "Interlaced picture brought to 59.94 fields a second, top field first."},
    {"1080i at NTSC's rate into a PAL DVD", Shaped(1920, 1080, 30000.0 / 1001, "tt"),
     "-target pal-dvd", nullptr,
     "bwdif=mode=send_field:parity=auto:deint=all,fps=50,scale=720:576,"
     "interlace=scan=tff:lowpass=complex,setfield=tff,setdar=16/9",
     "Interlaced picture brought to 50 fields a second, top field first."},
    // Fitted with bars into a frame of a shape players know, never stretched.
    {"a phone held upright onto a DVD", Shaped(1080, 1920, 30, "progressive"), "-target pal-dvd",
     nullptr, "scale=304:576,pad=720:576:208:0:black,setdar=4/3",
     "Picture fitted into 720x576 with black bars, shown at 4:3."},
    {"a turned phone picture onto a DVD", Shaped(1920, 1080, 30, "progressive", 1, 90),
     "-target pal-dvd", nullptr, "scale=304:576,pad=720:576:208:0:black,setdar=4/3",
     "Picture fitted into 720x576 with black bars, shown at 4:3."},
    {"a wide film onto an NTSC DVD", Shaped(1920, 804, 24, "progressive"), "-target ntsc-dvd",
     nullptr, "scale=720:358,pad=720:480:0:60:black,setdar=16/9",
     "Picture fitted into 720x480 with black bars, shown at 16:9."},
    {"a wide interlaced picture keeps its fields apart", Shaped(1920, 804, 25, "tt"),
     "-target pal-dvd", nullptr, "scale=720:428:interl=1,pad=720:576:0:74:black,setdar=16/9",
     "Picture fitted into 720x576 with black bars, shown at 16:9."},
    {"16:9 onto a Video CD", Shaped(1280, 720, 25, "progressive"), "-target pal-vcd", nullptr,
     "scale=352:216,pad=352:288:0:36:black,setdar=4/3",
     "Picture fitted into 352x288 with black bars, shown at 4:3."},
    {"16:9 onto an old phone", Shaped(1280, 720, 25, "progressive"), "-c:v h263 -s qcif", nullptr,
     "scale=176:108,pad=176:144:0:18:black,setdar=4/3",
     "Picture fitted into 176x144 with black bars, shown at 4:3."},
    {"a DVD's own frame untold", Shaped(720, 576, 25, "progressive", 0), "-target pal-dvd",
     nullptr, "setdar=4/3", ""},
};

class FittingFramesAndFields : public testing::TestWithParam<FramesCase> {};

TEST_P(FittingFramesAndFields, AsTheSourceMeantThem) {
    const FramesCase& c = GetParam();
    const PicturePlan plan = PicturePlan::Make(
        c.picture, PicturePlan::Format::Of(SplitArguments(c.options).value()), 0,
        test::Verdict(c.looked));
    EXPECT_TRUE(plan.filters.startsWith(QString::fromLatin1(c.filters) + u','))
        << plan.filters.toStdString();
    if (*c.said) {
        EXPECT_TRUE(plan.notes.contains(QString::fromLatin1(c.said)))
            << plan.notes.join(u' ').toStdString();
    } else {
        EXPECT_TRUE(plan.notes.isEmpty()) << plan.notes.join(u' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, FittingFramesAndFields, testing::ValuesIn(kFrames),
                         test::CaseName<FramesCase>);

struct FormatCase {
    const char* name;
    const char* options;
    const char* codec;
    bool holdsHdr;
    bool keepsFields;
    bool pal;
};

const FormatCase kFormats[] = {
    {"PAL DVD", "-target pal-dvd", "mpeg2video", false, true, true},
    {"NTSC DVD", "-target ntsc-dvd", "mpeg2video", false, true, false},
    {"Super Video CD", "-target pal-svcd", "mpeg2video", false, true, true},
    {"Video CD", "-target ntsc-vcd", "mpeg1video", false, false, false},
    {"HEVC", "-c:v libx265 -crf 26", "libx265", true, false, true},
    {"the old spelling", "-vcodec libvpx-vp9", "libvpx-vp9", true, false, true},
    {"DNxHR HQX", "-c:v dnxhd -profile:v dnxhr_hqx", "dnxhd", true, false, true},
    {"DNxHR HQ", "-c:v dnxhd -profile:v dnxhr_hq", "dnxhd", false, false, true},
    {"H.264", "-c:v libx264", "libx264", false, false, true},
    {"the container's own", "-b:v 800k", "", false, false, true},
};

class ReadingAFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(ReadingAFormat, ForWhatItDoesToPictures) {
    const FormatCase& c = GetParam();
    const auto format = PicturePlan::Format::Of(SplitArguments(c.options).value());
    EXPECT_EQ(format.codec, QString::fromLatin1(c.codec));
    EXPECT_EQ(format.holdsHdr, c.holdsHdr);
    EXPECT_EQ(format.keepsFields, c.keepsFields);
    EXPECT_EQ(format.pal, c.pal);
}

INSTANTIATE_TEST_SUITE_P(Formats, ReadingAFormat, testing::ValuesIn(kFormats),
                         test::CaseName<FormatCase>);

struct DetectorCase {
    const char* name;
    const char* text;
    const char* found;  // nullptr: it cannot tell
};

const DetectorCase kDetector[] = {
    {"mostly top first",
     "[Parsed_idet_0 @ 0x5581] Repeated Fields: Neither: 120 Top: 0 Bottom: 0\n"
     "[Parsed_idet_0 @ 0x5581] Single frame detection: TFF: 70 BFF: 0 Progressive: 10 "
     "Undetermined: 40\n"
     "[Parsed_idet_0 @ 0x5581] Multi frame detection: TFF:   80 BFF:    0 Progressive:    3 "
     "Undetermined:   37\n",
     "tt"},
    {"mostly bottom first", "Multi frame detection: TFF: 2 BFF: 90 Progressive: 5 Undetermined: 23",
     "bb"},
    {"mostly progressive", "Multi frame detection: TFF: 10 BFF: 2 Progressive: 100 Undetermined: 8",
     "progressive"},
    // One summary for each stretch looked at through the file.
    {"a recording that turns interlaced part way",
     "Repeated Fields: Neither: 30 Top: 0 Bottom: 0\n"
     "Multi frame detection: TFF: 0 BFF: 0 Progressive: 30 Undetermined: 0\n"
     "Repeated Fields: Neither: 30 Top: 0 Bottom: 0\n"
     "Multi frame detection: TFF: 0 BFF: 0 Progressive: 30 Undetermined: 0\n"
     "Repeated Fields: Neither: 30 Top: 0 Bottom: 0\n"
     "Multi frame detection: TFF: 28 BFF: 0 Progressive: 2 Undetermined: 0\n"
     "Multi frame detection: TFF: 30 BFF: 0 Progressive: 0 Undetermined: 0\n",
     "mixed tt"},
    {"interlaced in every stretch",
     "Multi frame detection: TFF: 1 BFF: 29 Progressive: 0 Undetermined: 0\n"
     "Multi frame detection: TFF: 0 BFF: 25 Progressive: 5 Undetermined: 0\n",
     "bb"},
    // 3:2 pulldown repeats a field in two frames of five.
    {"telecined film",
     "Repeated Fields: Neither: 18 Top: 6 Bottom: 6\n"
     "Multi frame detection: TFF: 29 BFF: 0 Progressive: 1 Undetermined: 0\n"
     "Repeated Fields: Neither: 19 Top: 6 Bottom: 5\n"
     "Multi frame detection: TFF: 30 BFF: 0 Progressive: 0 Undetermined: 0\n",
     "telecined tt"},
    {"a still picture repeats every field",
     "Repeated Fields: Neither: 0 Top: 15 Bottom: 15\n"
     "Multi frame detection: TFF: 0 BFF: 0 Progressive: 30 Undetermined: 0\n",
     "progressive"},
    {"a stretch too short to tell is not counted",
     "Multi frame detection: TFF: 3 BFF: 0 Progressive: 1 Undetermined: 0\n"
     "Multi frame detection: TFF: 0 BFF: 0 Progressive: 30 Undetermined: 0\n",
     "progressive"},
    {"too few frames to tell",
     "Multi frame detection: TFF: 3 BFF: 0 Progressive: 1 "
     "Undetermined: 0",
     nullptr},
    {"no summary", "Invalid data found when processing input", nullptr},
};

class ReadingTheDetector : public testing::TestWithParam<DetectorCase> {};

TEST_P(ReadingTheDetector, TellsTheFieldsOrNothing) {
    const DetectorCase& c = GetParam();
    const std::optional<FieldVerdict> found = FieldsFromDetector(QString::fromLatin1(c.text));
    EXPECT_EQ(found, test::Verdict(c.found));
}

INSTANTIATE_TEST_SUITE_P(Detector, ReadingTheDetector, testing::ValuesIn(kDetector),
                         test::CaseName<DetectorCase>);

}  // namespace
}  // namespace reelwright
