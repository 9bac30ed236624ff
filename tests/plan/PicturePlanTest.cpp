// What is done to a picture track for the format chosen: HDR brought to standard range or kept,
// fields made whole or kept for DVD, full range brought to the players' range, and the tags.
#include "plan/PicturePlan.h"
#include "engine/FieldLook.h"
#include "platform/CommandLine.h"

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
     "setfield=bff,setparams=color_primaries=bt470bg:color_trc=smpte170m:colorspace=bt470bg",
     "-flags:v:0 +ilme+ildct -color_primaries:v:0 bt470bg -color_trc:v:0 smpte170m "
     "-colorspace:v:0 bt470bg -color_range:v:0 tv",
     "Interlaced picture kept, bottom field first."},
    {"a DVD keeps the fields, flagged top first", Sd(480, "tt"), "-target ntsc-dvd", nullptr,
     "setfield=tff,setparams=color_primaries=smpte170m:color_trc=smpte170m:colorspace=smpte170m",
     "-flags:v:0 +ilme+ildct -color_primaries:v:0 smpte170m -color_trc:v:0 smpte170m "
     "-colorspace:v:0 smpte170m -color_range:v:0 tv",
     "Interlaced picture kept, top field first."},
    {"a Video CD is progressive", Sd(576, "tt"), "-target pal-vcd", nullptr,
     "bwdif=mode=send_frame:parity=auto:deint=all,"
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
    const std::optional<QString> looked =
        asked && c.looked ? std::optional<QString>(QString::fromLatin1(c.looked)) : std::nullopt;
    const PicturePlan plan = PicturePlan::Make(c.picture, planned, 0, looked);
    EXPECT_EQ(plan.filters, QString::fromLatin1(c.filters));
    EXPECT_EQ(plan.options.join(u' '), QString::fromLatin1(c.planned));
    EXPECT_EQ(plan.notes.join(u' '), QString::fromLatin1(c.said));
    // The frames are looked at only when the file does not say.
    const bool copied = format.contains(QStringLiteral("copy"));
    EXPECT_EQ(asked, c.picture.fieldOrder.isEmpty() && !copied);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PlanningAPicture, testing::ValuesIn(kPictures),
                         test::CaseName<PictureCase>);

TEST(PlanningAPicture, NamesOnePictureOfMany) {
    const PicturePlan plan = PicturePlan::Make(
        Sd(576, "tt"),
        PicturePlan::Format::Of({QStringLiteral("-target"), QStringLiteral("pal-dvd")}), 2);
    EXPECT_TRUE(plan.filters.startsWith("setfield=tff,setparams=")) << plan.filters.toStdString();
    EXPECT_EQ(plan.options.mid(0, 2), (QStringList{"-flags:v:2", "+ilme+ildct"}));
}

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
    {"the last summary counts",
     "Multi frame detection: TFF: 0 BFF: 0 Progressive: 100 Undetermined: 0\n"
     "Multi frame detection: TFF: 100 BFF: 0 Progressive: 0 Undetermined: 0",
     "tt"},
    {"too few frames to tell",
     "Multi frame detection: TFF: 3 BFF: 0 Progressive: 1 "
     "Undetermined: 0",
     nullptr},
    {"no summary", "Invalid data found when processing input", nullptr},
};

class ReadingTheDetector : public testing::TestWithParam<DetectorCase> {};

TEST_P(ReadingTheDetector, TellsTheFieldsOrNothing) {
    const DetectorCase& c = GetParam();
    const std::optional<QString> found = FieldsFromDetector(QString::fromLatin1(c.text));
    if (!c.found) {
        EXPECT_FALSE(found.has_value()) << found.value_or(QString()).toStdString();
    } else {
        EXPECT_EQ(found.value_or(QStringLiteral("nothing")), QString::fromLatin1(c.found));
    }
}

INSTANTIATE_TEST_SUITE_P(Detector, ReadingTheDetector, testing::ValuesIn(kDetector),
                         test::CaseName<DetectorCase>);

}  // namespace
}  // namespace reelwright
