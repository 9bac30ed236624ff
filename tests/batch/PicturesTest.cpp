// Pictures as the source meant them, with the real encoder: HDR sources through every preset,
// interlaced sources through progressive and DVD formats, untagged, full-range and rotated
// sources, each result read back with ffprobe and by decoding its frames.
#include "batch/BatchDriver.h"
#include "conversion/OutputNaming.h"
#include "plan/PicturePlan.h"
#include "formats/CustomFormat.h"
#include "formats/PresetCatalogue.h"
#include "joblist/JobList.h"
#include "platform/CommandLine.h"

#include "common/CaseName.h"
#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <map>

namespace reelwright {
namespace {

const QString kData = QStringLiteral(SOURCE_DATA_DIR);

// Mid-grey as an 8-bit standard-range picture holds it (0x808080 through BT.709).
constexpr int kMidGrey = 126;
constexpr int kGreyTolerance = 12;

QString Ffprobe() {
    return QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
}

bool Encode(const QStringList& arguments) {
    QString said;
    const int code = test::RunProgram(test::SystemEncoder(),
                                      QStringList{"-v", "error", "-y"} + arguments, &said);
    EXPECT_EQ(code, 0) << said.toStdString();
    return code == 0;
}

// A phone's HDR clip: ten-bit HEVC, BT.2020, PQ or HLG, mastering display and light levels in
// its stream; a flat mid-grey picture, so that a tone map's grey can be read back.
bool MakeHdr(const QString& path, const QString& transfer) {
    return Encode(
        {"-f",
         "lavfi",
         "-i",
         "color=c=0x808080:s=256x144:r=25:d=1",
         "-f",
         "lavfi",
         "-i",
         "sine=d=1",
         "-vf",
         "format=gbrp,zscale=tin=bt709:min=gbr:pin=bt709:rin=pc:t=linear:p=bt709:npl=100,"
         "format=gbrpf32le,zscale=p=bt2020:t=" +
             transfer + ":m=bt2020nc:r=tv:npl=100,format=yuv420p10le",
         "-c:v",
         "libx265",
         "-x265-params",
         "log-level=error:colorprim=bt2020:transfer=" + transfer +
             ":colormatrix=bt2020nc:master-display=G(13250,34500)B(7500,3000)R(34000,16000)"
             "WP(15635,16450)L(10000000,1):max-cll=1000,400",
         "-color_primaries",
         "bt2020",
         "-color_trc",
         transfer,
         "-colorspace",
         "bt2020nc",
         "-pix_fmt",
         "yuv420p10le",
         "-c:a",
         "aac",
         "-shortest",
         path});
}

// Two seconds of 576i as DVDs and TV captures hold it: fields of a moving pattern, top or
// bottom first, flagged so in MPEG-2, or in MPEG-4 part 2 that tells nothing of its fields.
bool MakeInterlaced(const QString& path, bool topFirst, bool tagged) {
    const QString order = topFirst ? "top" : "bottom";
    QStringList arguments{"-f", "lavfi",    "-i",  "testsrc2=s=720x576:r=50:d=2",   "-f", "lavfi",
                          "-i", "sine=d=2", "-vf", "tinterlace=interleave_" + order};
    if (tagged) {
        arguments << "-c:v"
                  << "mpeg2video"
                  << "-b:v"
                  << "6M"
                  << "-flags"
                  << "+ilme+ildct"
                  << "-top" << (topFirst ? "1" : "0");
    } else {
        arguments << "-c:v"
                  << "mpeg4"
                  << "-q:v"
                  << "2";
    }
    return Encode(arguments + QStringList{"-c:a", "mp2", "-shortest", path});
}

// A black and a white bar, as a phone's MJPEG (full-range JPEG samples) or a screen recording
// (H.264 flagged full range) holds them.
bool MakeFullRange(const QString& path, bool jpeg) {
    const QString bars = jpeg ? "[0:v][1:v]hstack,format=yuvj420p[v]"
                              : "[0:v][1:v]hstack,scale=out_range=full,format=yuv420p[v]";
    QStringList arguments{"-f",
                          "lavfi",
                          "-i",
                          "color=c=black:s=80x90:r=25:d=1",
                          "-f",
                          "lavfi",
                          "-i",
                          "color=c=white:s=80x90:r=25:d=1",
                          "-f",
                          "lavfi",
                          "-i",
                          "sine=d=1",
                          "-filter_complex",
                          bars,
                          "-map",
                          "[v]",
                          "-map",
                          "2:a"};
    if (jpeg) {
        arguments << "-c:v"
                  << "mjpeg"
                  << "-q:v"
                  << "2";
    } else {
        arguments << "-color_range"
                  << "pc"
                  << "-c:v"
                  << "libx264"
                  << "-qp"
                  << "0";
    }
    return Encode(arguments + QStringList{"-c:a", "aac", "-shortest", path});
}

// A phone held upright: a landscape picture with a quarter turn in its display matrix.
bool MakeRotated(const QString& path) {
    const QString plain = path + ".plain.mp4";
    if (!Encode({"-f", "lavfi", "-i", "testsrc2=s=160x90:r=25:d=1", "-f", "lavfi", "-i", "sine=d=1",
                 "-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", plain})) {
        return false;
    }
    // ffmpeg 5 sets the turn as metadata; from 6 on it is an input option.
    QString said;
    if (test::RunProgram(
            test::SystemEncoder(),
            {"-v", "error", "-y", "-display_rotation", "90", "-i", plain, "-c", "copy", path},
            &said) == 0) {
        return true;
    }
    return Encode({"-i", plain, "-c", "copy", "-metadata:s:v:0", "rotate=90", path});
}

// What ffprobe tells of a file's first picture track.
struct Probed {
    QString codec, pixelFormat, primaries, transfer, matrix, range, fieldOrder;
    int width = 0, height = 0;
    double rotation = 0;
    bool Tagged() const { return !transfer.isEmpty() && transfer != "unknown"; }
};

Probed ProbePicture(const QString& path) {
    QString text;
    test::RunProgram(Ffprobe(),
                     {"-v", "error", "-select_streams", "v:0", "-show_entries",
                      "stream=codec_name,pix_fmt,color_primaries,color_transfer,color_space,"
                      "color_range,field_order,width,height:stream_side_data=rotation",
                      "-of", "json", path},
                     &text);
    const QJsonObject stream =
        QJsonDocument::fromJson(text.toUtf8()).object().value("streams").toArray().at(0).toObject();
    Probed probed;
    probed.codec = stream.value("codec_name").toString();
    probed.pixelFormat = stream.value("pix_fmt").toString();
    probed.primaries = stream.value("color_primaries").toString();
    probed.transfer = stream.value("color_transfer").toString();
    probed.matrix = stream.value("color_space").toString();
    probed.range = stream.value("color_range").toString();
    probed.fieldOrder = stream.value("field_order").toString();
    probed.width = stream.value("width").toInt();
    probed.height = stream.value("height").toInt();
    for (const QJsonValue& data : stream.value("side_data_list").toArray()) {
        probed.rotation = data.toObject().value("rotation").toDouble(probed.rotation);
    }
    return probed;
}

// The side data of the first frame, as a decoder hands it on ("Mastering display metadata"...).
QString FirstFrameSideData(const QString& path) {
    QString text;
    test::RunProgram(
        Ffprobe(),
        {"-v", "error", "-select_streams", "v:0", "-read_intervals", "%+#1", "-show_frames", path},
        &text);
    return text;
}

// The bytes of the first frame, decoded as the encoder's own player would show it.
QByteArray FirstFrame(const QString& path, const QString& filters) {
    QProcess decoder;
    decoder.start(test::SystemEncoder(), {"-v", "error", "-i", path, "-vf", filters, "-frames:v",
                                          "1", "-f", "rawvideo", "-"});
    decoder.waitForFinished(120000);
    return decoder.readAllStandardOutput();
}

// The first frame's mean brightness, in 8-bit samples of its own range, of its middle: a
// fixed frame's bars are not the picture.
int MeanLuma(const QString& path) {
    const QByteArray byte = FirstFrame(path, "crop=iw/2:ih/2,format=gray,scale=1:1:flags=area");
    return byte.size() == 1 ? static_cast<unsigned char>(byte[0]) : -1;
}

// The red of the left and the right half of the first frame, as shown on a screen.
std::pair<int, int> Bars(const QString& path) {
    const QByteArray pixels = FirstFrame(path, "scale=2:1:flags=area,format=rgb24");
    if (pixels.size() != 6) {
        return {-1, -1};
    }
    return {static_cast<unsigned char>(pixels[0]), static_cast<unsigned char>(pixels[3])};
}

// Frames the field detector finds interlaced, and all it looked at.
std::pair<int, int> InterlacedFrames(const QString& path) {
    QString text;
    test::RunProgram(test::SystemEncoder(),
                     {"-hide_banner", "-i", path, "-vf", "idet", "-an", "-f", "null", "-"}, &text);
    static const QRegularExpression kSummary(
        "Multi frame detection: TFF:\\s*(\\d+)\\s+BFF:\\s*(\\d+)\\s+Progressive:\\s*(\\d+)\\s+"
        "Undetermined:\\s*(\\d+)");
    QRegularExpressionMatch last;
    for (auto it = kSummary.globalMatch(text); it.hasNext();) {
        last = it.next();
    }
    if (!last.hasMatch()) {
        return {-1, -1};
    }
    const int interlaced = last.captured(1).toInt() + last.captured(2).toInt();
    return {interlaced, interlaced + last.captured(3).toInt() + last.captured(4).toInt()};
}

bool TenBit(const QString& pixelFormat) {
    return pixelFormat.contains("10") || pixelFormat.contains("12");
}

struct Preset {
    std::string name;
    QString label;
    QString options;
    QString type;
    bool holdsHdr;
    bool copies;
};

// Every shipped preset that writes pictures.
std::vector<Preset> PicturePresets() {
    std::vector<Preset> presets;
    PresetCatalogue catalogue;
    QString error;
    catalogue.Load(kData + "/presets.xml", &error);
    for (const PresetEntry& preset : catalogue.Entries()) {
        const QStringList arguments = SplitArguments(preset.params).value_or(QStringList());
        if (arguments.contains("-vn")) {
            continue;
        }
        // Long labels are cut in names; the container keeps the three copies apart.
        const PicturePlan::Format format = PicturePlan::Format::Of(arguments);
        presets.push_back(
            {test::NameOf((preset.category + ' ' + preset.label).toStdString(), presets.size()) +
                 '_' + preset.extension.toStdString(),
             preset.label, preset.params, preset.extension, format.holdsHdr, format.copies});
    }
    return presets;
}

const std::vector<Preset>& Presets() {
    static const std::vector<Preset> presets = PicturePresets();
    return presets;
}

const Preset& PresetNamed(const QString& label, const QString& type) {
    for (const Preset& preset : Presets()) {
        if (preset.label.startsWith(label) && preset.type == type) {
            return preset;
        }
    }
    ADD_FAILURE() << "no preset " << label.toStdString();
    return Presets().front();
}

// The sources, each made when a case first needs it (every case runs in a process of its own).
struct Sources {
    QTemporaryDir folder;
    std::map<QString, QString> made;

    QString Of(const char* name, const std::function<bool(const QString&)>& make) {
        const QString key = QString::fromLatin1(name);
        if (!made.count(key)) {
            const QString path = folder.filePath(key);
            made[key] = make(path) ? path : QString();
        }
        return made[key];
    }
    QString Pq() {
        return Of("pq.mkv", [](auto& p) { return MakeHdr(p, "smpte2084"); });
    }
    QString Hlg() {
        return Of("hlg.mkv", [](auto& p) { return MakeHdr(p, "arib-std-b67"); });
    }
    QString Interlaced(bool top, bool tagged) {
        if (!tagged) {
            return Of("untagged-top.avi", [](auto& p) { return MakeInterlaced(p, true, false); });
        }
        return top ? Of("top.mkv", [](auto& p) { return MakeInterlaced(p, true, true); })
                   : Of("bottom.mkv", [](auto& p) { return MakeInterlaced(p, false, true); });
    }
    QString Sd() {
        return Of("sd.avi", [](auto& p) { return test::MakeClip(p, 1, "720x576", {"-q:v", "3"}); });
    }
    QString Hd() {
        return Of("hd.avi", [](auto& p) {
            return test::MakeClip(p, 1, "1280x720", {"-q:v", "3"});
        });
    }
    QString FullRange(bool jpeg) {
        return jpeg ? Of("phone.avi", [](auto& p) { return MakeFullRange(p, true); })
                    : Of("screen.mkv", [](auto& p) { return MakeFullRange(p, false); });
    }
    QString Rotated() {
        return Of("upright.mp4", [](auto& p) { return MakeRotated(p); });
    }
};

class ConvertingPictures : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!test::SystemEncoder().isEmpty() && !sources_) {
            sources_ = new Sources;
        }
    }
    static void TearDownTestSuite() {
        delete sources_;
        sources_ = nullptr;
    }
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        ASSERT_TRUE(sources_ && sources_->folder.isValid());
        list.InitJobList();
    }
    // Converts a source with a format; answers its row and its result's path.
    std::pair<JobRow, QString> Convert(const QString& source, const QString& options,
                                       const QString& type) {
        options_ = options;
        type_ = type;
        QString file = source;
        EXPECT_TRUE(list.AddFile2Grid(file));
        batch.SetQuietFailures(true);
        batch.RunBatch(false);
        const JobRow& row = list.Store()->Row(list.Store()->RecordCount() - 1);
        return {row, row.outputPath};
    }
    QString Said() const {
        return list.Store()
            ->data(list.Store()->index(list.Store()->RecordCount() - 1, JobRow::Status),
                   Qt::ToolTipRole)
            .toString();
    }

    static Sources* sources_;
    QTemporaryDir out;
    test::RecordingNotifier notifier;
    JobList list;
    QString options_;
    QString type_;
    BatchDriver batch{list,
                      {[this] { return type_; },
                       [this](const QString& input, const QString& type) {
                           return ChooseOutputPath(input, type, {false, out.path()});
                       },
                       [this] {
                           return FormatParameters{options_, QString()};
                       }}};
};

Sources* ConvertingPictures::sources_ = nullptr;

struct HdrCase {
    std::size_t preset;
    bool pq;
};

class HdrThroughEveryPreset : public ConvertingPictures,
                              public testing::WithParamInterface<HdrCase> {};

TEST_P(HdrThroughEveryPreset, IsToldForItsFormat) {
    const Preset& preset = Presets()[GetParam().preset];
    const bool pq = GetParam().pq;
    const QString transfer = pq ? "smpte2084" : "arib-std-b67";
    const QString source = pq ? sources_->Pq() : sources_->Hlg();
    ASSERT_FALSE(source.isEmpty()) << "the HDR source could not be made";
    const auto [row, result] = Convert(source, preset.options, preset.type);
    ASSERT_EQ(row.status, "Complete") << row.reason.toStdString();
    const Probed probed = ProbePicture(result);
    const QString said = Said();
    if (preset.copies) {
        // Nothing is done to a copied picture: HDR stays HDR.
        EXPECT_TRUE(TenBit(probed.pixelFormat)) << probed.pixelFormat.toStdString();
        EXPECT_EQ(probed.transfer, transfer);
        EXPECT_FALSE(said.contains("HDR")) << said.toStdString();
        return;
    }
    if (preset.holdsHdr) {
        EXPECT_TRUE(TenBit(probed.pixelFormat)) << probed.pixelFormat.toStdString();
        EXPECT_EQ(probed.primaries, "bt2020");
        EXPECT_EQ(probed.transfer, transfer);
        EXPECT_EQ(probed.matrix, "bt2020nc");
        EXPECT_TRUE(said.contains("HDR kept: 10-bit")) << said.toStdString();
        if (preset.options.contains("libx265") || preset.options.contains("libsvtav1")) {
            const QString side = FirstFrameSideData(result);
            EXPECT_TRUE(side.contains("Mastering display metadata")) << side.toStdString();
            EXPECT_TRUE(side.contains("Content light level metadata")) << side.toStdString();
        }
        return;
    }
    EXPECT_FALSE(TenBit(probed.pixelFormat)) << probed.pixelFormat.toStdString();
    // Never told HDR again; told BT.709 wherever the codec or the container keeps tags.
    EXPECT_NE(probed.transfer, transfer);
    if (probed.Tagged()) {
        EXPECT_EQ(probed.transfer, "bt709");
        EXPECT_EQ(probed.primaries, "bt709");
    }
    if (QStringList{"mp4", "mkv", "mov", "webm"}.contains(preset.type) ||
        QStringList{"h264", "hevc", "mpeg2video"}.contains(probed.codec)) {
        EXPECT_EQ(probed.transfer, "bt709") << probed.codec.toStdString();
    }
    const int grey = MeanLuma(result);
    EXPECT_NEAR(grey, kMidGrey, kGreyTolerance) << "mid-grey after the tone map";
    EXPECT_TRUE(said.contains("HDR brought to standard range")) << said.toStdString();
}

std::vector<HdrCase> HdrCases() {
    std::vector<HdrCase> cases;
    for (std::size_t i = 0; i < Presets().size(); ++i) {
        cases.push_back({i, true});
        cases.push_back({i, false});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Presets, HdrThroughEveryPreset, testing::ValuesIn(HdrCases()),
                         [](const testing::TestParamInfo<HdrCase>& info) {
                             return (info.param.pq ? "PQ_" : "HLG_") +
                                    Presets()[info.param.preset].name;
                         });

struct FieldsCase {
    const char* name;
    bool top;
    bool tagged;
    const char* preset;
    const char* type;
    bool keepsFields;
};

const FieldsCase kFields[] = {
    {"top first through the default preset", true, true, "H.264 / AAC (most players)", "mp4",
     false},
    {"bottom first through the default preset", false, true, "H.264 / AAC (most players)", "mp4",
     false},
    {"top first through VP9", true, true, "VP9 / Opus (WebM)", "webm", false},
    {"bottom first through older players MPEG-4", false, true, "DivX and Xvid players", "avi",
     false},
    {"untagged top first through the default preset", true, false, "H.264 / AAC (most players)",
     "mp4", false},
    {"top first onto a PAL DVD", true, true, "DVD video, PAL", "mpg", true},
    {"bottom first onto a PAL DVD", false, true, "DVD video, PAL", "mpg", true},
};

class InterlacedSources : public ConvertingPictures,
                          public testing::WithParamInterface<FieldsCase> {};

TEST_P(InterlacedSources, AreMadeWholeOrKeptFlagged) {
    const FieldsCase& c = GetParam();
    const Preset preset = PresetNamed(c.preset, c.type);
    const QString source = sources_->Interlaced(c.top, c.tagged);
    ASSERT_FALSE(source.isEmpty()) << "the interlaced source could not be made";
    const auto [row, result] = Convert(source, preset.options, preset.type);
    ASSERT_EQ(row.status, "Complete") << row.reason.toStdString();
    const auto [interlaced, frames] = InterlacedFrames(result);
    ASSERT_GT(frames, 40);
    const Probed probed = ProbePicture(result);
    if (c.keepsFields) {
        EXPECT_GT(interlaced, frames * 9 / 10) << "the fields are kept";
        EXPECT_EQ(probed.fieldOrder, c.top ? "tt" : "bb");
        EXPECT_TRUE(Said().contains("Interlaced picture kept")) << Said().toStdString();
    } else {
        // The detector takes a few frames of a moving pattern for combed (4 of 50 here, where
        // the source gives 50 of 50); never more than a tenth.
        EXPECT_LE(interlaced, frames / 10) << interlaced << " of " << frames;
        EXPECT_TRUE(probed.fieldOrder.isEmpty() || probed.fieldOrder == "progressive" ||
                    probed.fieldOrder == "unknown")
            << probed.fieldOrder.toStdString();
        EXPECT_TRUE(Said().contains("Interlaced picture made progressive."))
            << Said().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, InterlacedSources, testing::ValuesIn(kFields),
                         test::CaseName<FieldsCase>);

TEST_F(ConvertingPictures, UntaggedPicturesAreToldAsSdAndHdMeanThem) {
    const Preset preset = PresetNamed("H.264 / AAC (most players)", "mp4");
    const auto sd = Convert(sources_->Sd(), preset.options, preset.type);
    ASSERT_EQ(sd.first.status, "Complete") << sd.first.reason.toStdString();
    const Probed small = ProbePicture(sd.second);
    EXPECT_EQ(small.primaries, "bt470bg");
    EXPECT_EQ(small.matrix, "bt470bg");
    EXPECT_EQ(small.transfer, "smpte170m");
    EXPECT_EQ(small.range, "tv");
    const auto hd = Convert(sources_->Hd(), preset.options, preset.type);
    ASSERT_EQ(hd.first.status, "Complete") << hd.first.reason.toStdString();
    const Probed large = ProbePicture(hd.second);
    EXPECT_EQ(large.primaries, "bt709");
    EXPECT_EQ(large.matrix, "bt709");
    EXPECT_EQ(large.transfer, "bt709");
    EXPECT_EQ(large.range, "tv");
}

// The user's own size and rate go into the same chain as the tone map and the deinterlacer.
TEST_F(ConvertingPictures, CustomFieldsCombineWithWhatIsDoneToPictures) {
    custom::Fields fields;
    fields.sampleRate = "44.1 KHz";
    fields.audioBitrate = "128";
    fields.audioCodecName = "aac";
    fields.channels = "2";
    fields.videoCodecName = "libx264";
    fields.videoBitrate = "800";
    fields.size = "qvga(320x240)";
    fields.aspect = custom::kAsInput;
    fields.frameRate = "15";
    fields.container = "MP4";
    QString error;
    const QString options = custom::BuildParams(fields, &error).value_or(QString());
    ASSERT_FALSE(options.isEmpty()) << error.toStdString();
    for (const QString& source : {sources_->Pq(), sources_->Interlaced(true, true)}) {
        const auto [row, result] = Convert(source, options, "mp4");
        ASSERT_EQ(row.status, "Complete") << row.reason.toStdString();
        const Probed probed = ProbePicture(result);
        EXPECT_EQ(probed.width, 320);
        EXPECT_EQ(probed.height, 240);
        // The PAL source keeps BT.601's transfer; the HDR one is BT.709 now.
        EXPECT_TRUE(probed.transfer == "bt709" || probed.transfer == "smpte170m")
            << probed.transfer.toStdString();
        EXPECT_FALSE(TenBit(probed.pixelFormat));
        QString rate;
        test::RunProgram(Ffprobe(),
                         {"-v", "error", "-select_streams", "v:0", "-show_entries",
                          "stream=avg_frame_rate", "-of", "default=nw=1:nk=1", result},
                         &rate);
        EXPECT_EQ(rate.trimmed(), "15/1");
    }
    EXPECT_NEAR(MeanLuma(out.filePath("pq.mp4")), kMidGrey, kGreyTolerance);
    const auto [interlaced, frames] = InterlacedFrames(out.filePath("top.mp4"));
    EXPECT_LE(interlaced, frames / 10) << interlaced << " of " << frames;
}

struct RangeCase {
    const char* name;
    bool jpeg;
    const char* preset;
    const char* type;
    bool keepsFull;  // a lossless format: the samples stay full range, and are told so
};

const RangeCase kRanges[] = {
    {"a phone's MJPEG through the default preset", true, "H.264 / AAC (most players)", "mp4",
     false},
    {"a phone's MJPEG through VP9", true, "VP9 / Opus (WebM)", "webm", false},
    {"a full-range screen recording through the default preset", false,
     "H.264 / AAC (most players)", "mp4", false},
    {"a full-range screen recording into MPEG-4", false, "DivX and Xvid players", "avi", false},
    {"a phone's MJPEG into FFV1", true, "FFV1 lossless", "mkv", true},
    {"a phone's MJPEG into lossless H.264", true, "H.264 lossless", "mkv", true},
    {"a full-range screen recording into FFV1", false, "FFV1 lossless", "mkv", true},
};

// The stored brightness of the right half's middle, as its samples hold it (no conversion).
int StoredWhite(const QString& path) {
    const QByteArray sample = FirstFrame(path, "crop=2:2:iw*3/4:ih/2");
    return sample.isEmpty() ? -1 : static_cast<unsigned char>(sample[0]);
}

class FullRangeSources : public ConvertingPictures,
                         public testing::WithParamInterface<RangeCase> {};

TEST_P(FullRangeSources, KeepTheirBlackAndWhite) {
    const RangeCase& c = GetParam();
    const Preset preset = PresetNamed(c.preset, c.type);
    const QString source = sources_->FullRange(c.jpeg);
    ASSERT_FALSE(source.isEmpty()) << "the full-range source could not be made";
    const auto [black, white] = Bars(source);
    ASSERT_LE(black, 8);
    ASSERT_GE(white, 247);
    const auto [row, result] = Convert(source, preset.options, preset.type);
    ASSERT_EQ(row.status, "Complete") << row.reason.toStdString();
    const auto [shownBlack, shownWhite] = Bars(result);
    EXPECT_NEAR(shownBlack, black, 8) << "black is not washed out";
    EXPECT_NEAR(shownWhite, white, 8) << "white is not washed out";
    const Probed probed = ProbePicture(result);
    if (c.keepsFull) {
        EXPECT_EQ(probed.range, "pc");
        EXPECT_GE(StoredWhite(result), 250) << "the samples are squeezed";
        EXPECT_FALSE(Said().contains("Full-range")) << Said().toStdString();
        return;
    }
    EXPECT_NE(probed.range, "pc");
    EXPECT_FALSE(probed.pixelFormat.startsWith("yuvj")) << probed.pixelFormat.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ranges, FullRangeSources, testing::ValuesIn(kRanges),
                         test::CaseName<RangeCase>);

class RotatedSources : public ConvertingPictures,
                       public testing::WithParamInterface<const char*> {};

TEST_P(RotatedSources, PlayUpright) {
    const QString rotated = sources_->Rotated();
    ASSERT_FALSE(rotated.isEmpty()) << "the turned source could not be made";
    const Probed source = ProbePicture(rotated);
    ASSERT_EQ(std::abs(source.rotation), 90) << "the source is turned";
    const QStringList label = QString::fromLatin1(GetParam()).split('|');
    const Preset preset = PresetNamed(label[0], label[1]);
    const auto [row, result] = Convert(rotated, preset.options, preset.type);
    ASSERT_EQ(row.status, "Complete") << row.reason.toStdString();
    const Probed probed = ProbePicture(result);
    const bool turned = std::abs(std::lround(probed.rotation)) % 180 == 90;
    const int shownWidth = turned ? probed.height : probed.width;
    const int shownHeight = turned ? probed.width : probed.height;
    EXPECT_GT(shownHeight, shownWidth)
        << probed.width << "x" << probed.height << " turned " << probed.rotation;
}

INSTANTIATE_TEST_SUITE_P(Presets, RotatedSources,
                         testing::Values("H.264 / AAC (most players)|mp4",
                                         "H.265 / AAC, smaller files|mkv", "VP9 / Opus (WebM)|webm",
                                         "ProRes 422 (MOV)|mov", "DivX and Xvid players|avi"),
                         test::CaseName<const char*>);

}  // namespace
}  // namespace reelwright
