// Copying without encoding, with the real encoder: the copy presets rewrite a file into a new
// container in moments, give a track the container cannot hold its usual codec, refuse what
// cannot be copied at all, and keep a source's length however odd its timestamps.
#include "batch/BatchDriver.h"
#include "conversion/OutputNaming.h"
#include "formats/PresetCatalogue.h"
#include "joblist/JobList.h"

#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace reelwright {
namespace {

// The options of the shipped copy preset for a container.
QString CopyPreset(const QString& extension) {
    PresetCatalogue presets;
    QString error;
    presets.Load(QStringLiteral(SOURCE_DATA_DIR "/presets.xml"), &error);
    const QString category = QStringLiteral("Same Quality, New Container");
    const QString label = presets.LabelsOf(category).value(0);
    return presets.ParamsOf(extension, label, category);
}

// Seconds of a file as ffprobe reads its container.
double ProbedSeconds(const QString& path) {
    QString output;
    test::RunProgram(QStringLiteral("ffprobe"),
                     {"-v", "error", "-show_entries", "format=duration", "-of",
                      "default=noprint_wrappers=1:nokey=1", path},
                     &output);
    return output.trimmed().toDouble();
}

class Copying : public testing::Test {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        list.InitJobList();
        batch.SetQuietFailures(true);
    }
    // A source of six seconds: 320x240 pictures of `video` and a sine of `audio`, with more
    // options before its name.
    QString Make(const QString& name, const QString& video, const QString& audio,
                 const QStringList& more = {}) {
        const QString path = sources.filePath(name);
        const QStringList arguments = QStringList{"-v",
                                                  "error",
                                                  "-y",
                                                  "-f",
                                                  "lavfi",
                                                  "-i",
                                                  "testsrc=size=320x240:rate=25:duration=6",
                                                  "-f",
                                                  "lavfi",
                                                  "-i",
                                                  "sine=duration=6",
                                                  "-c:v",
                                                  video,
                                                  "-preset",
                                                  "ultrafast",
                                                  "-c:a",
                                                  audio} +
                                      more + QStringList{path};
        EXPECT_EQ(test::RunProgram(test::SystemEncoder(), arguments), 0) << name.toStdString();
        return path;
    }
    const JobRow& Convert(const QString& source, const QString& options, const QString& type) {
        options_ = options;
        type_ = type;
        QString file = source;
        EXPECT_TRUE(list.AddFile2Grid(file));
        const int row = list.Store()->RecordCount() - 1;
        // Every share the row shows while it converts.
        QObject::connect(list.Store(), &QAbstractItemModel::dataChanged, list.Store(), [this, row] {
            bool number = false;
            const int percent = list.Store()->Row(row).status.toInt(&number);
            if (number) {
                shares.push_back(percent);
            }
        });
        batch.RunBatch(false);
        return list.Store()->Row(row);
    }
    QStringList Outputs() const {
        return QDir(out.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir sources;
    QTemporaryDir out;
    test::RecordingNotifier notifier;
    JobList list;
    QString options_;
    QString type_;
    std::vector<int> shares;
    BatchDriver batch{list,
                      {[this] { return type_; },
                       [this](const QString& input, const QString& type) {
                           return ChooseOutputPath(input, type, {false, out.path()});
                       },
                       [this] {
                           return FormatParameters{options_, QString()};
                       }}};
};

// H.264 is copied into each container; Vorbis, which MP4 and MOV players do not take, becomes
// AAC there and stays Vorbis in MKV, and the row says so.
TEST_F(Copying, TheCopyPresetsRewriteTheContainerAndMendWhatItCannotHold) {
    const QString source = Make("phone.mkv", "libx264", "libvorbis");
    const struct {
        const char* type;
        const char* audio;
    } cases[] = {{"mp4", "aac"}, {"mov", "aac"}, {"mkv", "vorbis"}};
    for (const auto& c : cases) {
        const QString options = CopyPreset(c.type);
        ASSERT_FALSE(options.isEmpty()) << c.type;
        const JobRow& row = Convert(source, options, c.type);
        ASSERT_EQ(row.status, "Complete") << c.type << ": " << row.reason.toStdString();
        const QString result = out.filePath(QStringLiteral("phone.") + c.type);
        const QList<test::ProbedTrack> tracks = test::ProbeTracks(result);
        ASSERT_EQ(tracks.size(), 2) << c.type;
        EXPECT_EQ(tracks[0].codec, "h264");
        EXPECT_EQ(tracks[1].codec, c.audio);
        EXPECT_NEAR(ProbedSeconds(result), ProbedSeconds(source), 0.1) << c.type;
        EXPECT_EQ(row.tracks.Sentence().contains("it was encoded as AAC"),
                  QString(c.audio) == "aac")
            << row.tracks.Sentence().toStdString();
        // The bar only goes forward and never past the end.
        EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end())) << c.type;
        EXPECT_LE(shares.empty() ? 0 : shares.back(), 100);
        shares.clear();
        list.InitJobList();
    }
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

// HEVC copied into AVI would be written as raw video no player shows: the row ends in Error
// with a sentence naming both, and nothing is left behind.
TEST_F(Copying, AContainerThatCannotHoldACopiedCodecEndsInError) {
    const QString source =
        Make("camera.mkv", "libx265", "aac", {"-x265-params", "log-level=error"});
    const JobRow& row = Convert(source, "-acodec copy -vcodec copy", "avi");
    EXPECT_EQ(row.status, "Error");
    EXPECT_EQ(row.reason,
              "AVI cannot hold HEVC (H.265) video copied as it is, so nothing was written: choose "
              "a preset that encodes it, or a container that holds HEVC (H.265) (MKV holds any).");
    EXPECT_EQ(Outputs(), QStringList());
    // The same file goes into MP4 as it is.
    list.InitJobList();
    EXPECT_EQ(Convert(source, CopyPreset("mp4"), "mp4").status, "Complete");
}

// Timestamps that start late (a recording cut from its middle claims its length from zero) or
// jump: the copy still ends Complete, as long as what the source plays, its bar going forward.
TEST_F(Copying, OddTimestampsStillGiveAWholeResult) {
    const struct {
        const char* name;
        QStringList options;
        double plays;
    } cases[] = {
        {"late.mkv", {"-output_ts_offset", "10"}, 6.0},
        {"jump.mkv",
         {"-vf", "setpts='if(gte(N,75),PTS+20/TB,PTS)'", "-af",
          "asetpts='if(gte(T,3),PTS+20/TB,PTS)'"},
         26.0},
    };
    for (const auto& c : cases) {
        const QString source = Make(c.name, "libx264", "aac", c.options);
        const JobRow& row = Convert(source, CopyPreset("mp4"), "mp4");
        ASSERT_EQ(row.status, "Complete") << c.name << ": " << row.reason.toStdString();
        const QString result = out.filePath(QFileInfo(c.name).completeBaseName() + ".mp4");
        EXPECT_NEAR(ProbedSeconds(result), c.plays, 0.15) << c.name;
        EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end())) << c.name;
        EXPECT_LE(shares.empty() ? 0 : shares.back(), 100);
        shares.clear();
        list.InitJobList();
    }
}

}  // namespace
}  // namespace reelwright
