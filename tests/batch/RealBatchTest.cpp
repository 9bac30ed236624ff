// The whole road of a file with the real encoder and the real media library: added, probed,
// named and converted, with the status the list would show.
#include "batch/BatchDriver.h"
#include "conversion/OutputNaming.h"
#include "joblist/JobList.h"
#include "plan/ContainerTable.h"

#include "common/CaseName.h"
#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace reelwright {
namespace {

class RealBatchTest : public testing::Test {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        list.InitJobList();
        // As the window wires it: sound files are taken for a format that keeps sound only.
        list.SetSoundOnly([this] { return KeepsSoundOnly(type, options); });
        QObject::connect(list.Store(), &QAbstractItemModel::dataChanged, [this] {
            for (int row = 0; row < list.Store()->RecordCount(); ++row) {
                seen << list.Store()->Row(row).status;
            }
        });
    }
    // Adds the files, converts them into out/ and answers the statuses.
    QStringList AddAndConvert(const QStringList& files) {
        for (QString file : files) {
            EXPECT_TRUE(list.AddFile2Grid(file)) << file.toStdString();
        }
        batch.RunBatch(false);
        QStringList statuses;
        for (int row = 0; row < list.Store()->RecordCount(); ++row) {
            statuses << list.Store()->Row(row).status;
        }
        return statuses;
    }
    const JobRow& Row(int row) const { return list.Store()->Row(row); }

    QTemporaryDir dir;
    test::RecordingNotifier notifier;
    JobList list;
    QString options = QStringLiteral("-c:v mpeg4 -q:v 5 -c:a mp2");
    QStringList seen;
    QString type = QStringLiteral("avi");
    BatchDriver batch{list,
                      {[this] { return type; },
                       [this](const QString& input, const QString& type) {
                           return ChooseOutputPath(input, type, {false, dir.filePath("out")});
                       },
                       [this] {
                           return FormatParameters{options, QString()};
                       }}};
};

TEST_F(RealBatchTest, NamesAShellWouldMangleReachTheEncoderUnchanged) {
    QString deep = dir.filePath("deep");
    while (deep.size() < 1200) {
        deep += "/" + QString(60, 'd');
    }
    ASSERT_TRUE(QDir().mkpath(deep));
    QStringList files;
    for (const QString& name :
         {deep + "/long.mkv", dir.filePath("it's \"q\" $HOME; `x` & y.mp4"),
          dir.filePath("-dash.mkv"), dir.filePath("back\\slash\\\".avi"),
          dir.filePath("日本語 ünïcödé.mkv"), dir.filePath("  spaced  .mp4")}) {
        ASSERT_TRUE(test::MakeClip(name, 2)) << name.toStdString();
        files << name;
    }
    EXPECT_EQ(AddAndConvert(files), QStringList(files.size(), "Complete"));
    for (int row = 0; row < files.size(); ++row) {
        EXPECT_EQ(Row(row).filePath, files[row]);
        EXPECT_EQ(Row(row).duration, "00:00:02");
        EXPECT_TRUE(test::IsReadableMedia(Row(row).outputPath))
            << Row(row).outputPath.toStdString();
    }
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

TEST_F(RealBatchTest, ATruncatedFileIsAnErrorAndAWholeOneIsComplete) {
    QStringList files;
    for (const QString type : {"mkv", "mp4", "avi"}) {
        const QString whole = dir.filePath("whole." + type);
        const QString cut = dir.filePath("cut." + type);
        // The index in front, so that a cut mp4 can still be read.
        ASSERT_TRUE(test::MakeClip(whole, 6.3, "320x240", {"-movflags", "+faststart"}));
        ASSERT_TRUE(test::MakeClip(cut, 6.3, "320x240", {"-movflags", "+faststart"}));
        ASSERT_TRUE(test::Truncate(cut, 0.5));
        files << whole << cut;
    }
    batch.SetQuietFailures(true);
    EXPECT_EQ(AddAndConvert(files),
              (QStringList{"Complete", "Error", "Complete", "Error", "Complete", "Error"}));
    for (int row = 1; row < files.size(); row += 2) {
        EXPECT_EQ(Row(row).duration, "00:00:06");  // the cut file still claims the whole length
        EXPECT_TRUE(Row(row).reason.contains("ended early")) << Row(row).reason.toStdString();
        EXPECT_TRUE(Row(row).outputPath.isEmpty());
    }
    // Nothing that looks like a result is left for the failed ones.
    EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"whole.avi", "whole_Converted.avi", "whole_Converted_0.avi"}));
}

TEST_F(RealBatchTest, ASlideShowAndASoundFileConvertWhole) {
    const QString slides = dir.filePath("slides.avi");
    const QString sound = dir.filePath("sound.mka");
    ASSERT_TRUE(test::RunProgram(test::SystemEncoder(), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                         "testsrc=size=320x240:rate=1:duration=10",
                                                         "-c:v", "mpeg4", slides}) == 0);
    ASSERT_TRUE(test::RunProgram(test::SystemEncoder(),
                                 {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=duration=7.3",
                                  "-c:a", "libvorbis", sound}) == 0);
    // B-frames: the encoder's last position is three slides short of the end.
    options = "-c:v libx264 -preset medium -c:a aac";
    QString added = slides;
    ASSERT_TRUE(list.AddFile2Grid(added));
    // The sound file was added while an Audio Only preset was chosen, the picture format after.
    list.SetSoundOnly([] { return true; });
    EXPECT_EQ(AddAndConvert({sound}), QStringList(2, "Complete"));
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

TEST_F(RealBatchTest, APhraseInAFileNameOrADamagedPacketIsNotAnUnreadableFile) {
    QStringList files;
    for (const QString name :
         {"Unknown format sample.mp4", "Invalid data found when processing input.mp4"}) {
        ASSERT_TRUE(test::MakeClip(dir.filePath(name), 2));
        files << dir.filePath(name);
    }
    const QString damaged = dir.filePath("damaged.mkv");
    ASSERT_TRUE(test::RunProgram(test::SystemEncoder(),
                                 {"-v", "error", "-y", "-f", "lavfi", "-i",
                                  "testsrc=size=320x240:rate=25:duration=6", "-f", "lavfi", "-i",
                                  "sine=duration=6", "-c:v", "libx264", "-g", "25", "-c:a", "aac",
                                  "-shortest", damaged}) == 0);
    ASSERT_TRUE(test::Damage(damaged));
    files << damaged;
    EXPECT_EQ(AddAndConvert(files), QStringList(3, "Complete"));
    EXPECT_FALSE(seen.contains("Unknown format"));
    EXPECT_FALSE(seen.contains("-1"));
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

TEST_F(RealBatchTest, AFailureShowsItsCauseNotTheStreamListing) {
    const QString clip = dir.filePath("clip.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 2));
    options = "-c:v libnothing";
    EXPECT_EQ(AddAndConvert({clip}), QStringList{"Error"});
    const QString cause =
        "This ffmpeg has no encoder \"libnothing\": choose another codec, or "
        "install an ffmpeg that has it.";
    EXPECT_EQ(Row(0).reason, cause);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, "Error converting file: clip.mkv\r\n" + cause);
}

struct CauseCase {
    const char* name;
    const char* options;
    const char* type;
    const char* reason;  // a part of the row's reason
};

class RealFailureCauses : public RealBatchTest, public testing::WithParamInterface<CauseCase> {};

// What real files and real formats make the encoder fail with, told as a user understands it.
TEST_P(RealFailureCauses, AreToldInPlainWordsThatNameTheFiles) {
    const CauseCase& c = GetParam();
    const QString name = QString::fromLatin1(c.name);
    const QString input = dir.filePath(name + ".mp4");
    if (name == "EmptyRecording") {
        ASSERT_TRUE(test::MakeEmptyMp4(input, false));
    } else if (name == "NoFramesAtAll") {
        ASSERT_TRUE(test::MakeEmptyMp4(input, true));
    } else if (name == "SilentVideo") {
        ASSERT_TRUE(test::MakeClip(input, 2, "160x120", {"-an"}));
    } else if (name == "TooSmallForSvtAv1") {
        ASSERT_TRUE(test::MakeClip(input, 1, "48x40"));
    } else {
        ASSERT_TRUE(test::MakeClip(input, 2));
    }
    options = QString::fromLatin1(c.options);
    type = QString::fromLatin1(c.type);
    batch.SetQuietFailures(true);
    if (name == "SilentVideo") {
        // Added while a picture format was chosen (for sound, it is refused as it is added).
        list.SetSoundOnly([] { return false; });
    }
    QString added = input;
    ASSERT_TRUE(list.AddFile2Grid(added));
    if (name == "GoneBeforeItsTurn") {
        QFile::remove(input);
    }
    batch.RunBatch(false);
    EXPECT_EQ(Row(0).status, "Error");
    EXPECT_TRUE(Row(0).reason.contains(QString::fromUtf8(c.reason))) << Row(0).reason.toStdString();
    EXPECT_FALSE(Row(0).reason.contains(".reelwright-")) << Row(0).reason.toStdString();
    EXPECT_TRUE(Row(0).outputPath.isEmpty());
    // Nothing is left behind, not even the hidden file.
    EXPECT_TRUE(QDir(dir.filePath("out")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    // The encoder's own words stay in the log.
    QFile log(Row(0).logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_FALSE(log.readAll().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Causes, RealFailureCauses,
    testing::Values(
        // ffmpeg exits 0 and leaves a result of a few hundred bytes that does not play.
        CauseCase{"EmptyRecording", "-vn -acodec libmp3lame -ab 192k", "mp3",
                  "Nothing was converted: EmptyRecording.mp4 holds no picture frames or sound"},
        CauseCase{"NoFramesAtAll", "-c:v mpeg4 -c:a mp2", "avi",
                  "Nothing was converted: NoFramesAtAll.mp4 holds no picture frames or sound"},
        CauseCase{"SilentVideo", "-vn -acodec libmp3lame -ab 192k", "mp3",
                  "SilentVideo.mp4 has no sound to convert."},
        CauseCase{"MissingEncoder", "-c:v libnothing", "avi",
                  "This ffmpeg has no encoder \"libnothing\""},
        CauseCase{"UnknownOption", "-c:v mpeg4 -nosuchoption 1", "avi",
                  "This ffmpeg does not know the option -nosuchoption"},
        CauseCase{"RefusedValue", "-c:v mpeg4 -b:v abc", "avi",
                  "The encoder refused the value \"abc\" of the option -b"},
        CauseCase{"RefusedSampleRate", "-vn -acodec libmp3lame -ar 12345", "mp3",
                  "refused the chosen format's settings for RefusedSampleRate.mp4: Specified "
                  "sample rate 12345 is not supported"},
        CauseCase{"GoneBeforeItsTurn", "-c:v mpeg4 -c:a mp2", "avi",
                  "GoneBeforeItsTurn.mp4 is not there any more"},
        // The wrapper says "bad parameter (0x80001005)"; the encoder itself says why.
        CauseCase{"TooSmallForSvtAv1", "-c:v libsvtav1 -c:a libopus", "mkv",
                  "The encoder refused the chosen format's settings for TooSmallForSvtAv1.mp4: "
                  "Source Width must be at least 64."}),
    test::CaseName<CauseCase>);

TEST_F(RealBatchTest, TheEncodersAdviceOnOurOwnOptionsIsNoFailure) {
    const QString clip = dir.filePath("clip.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 2));
    // As the custom fields write it: ffmpeg says "-b is ambiguous" and converts.
    options = "-ar 22050 -ab 64000 -acodec mp2 -ac 2 -vcodec mpeg4 -b 320000 -r 25";
    EXPECT_EQ(AddAndConvert({clip}), QStringList{"Complete"});
    EXPECT_TRUE(Row(0).reason.isEmpty()) << Row(0).reason.toStdString();
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

TEST_F(RealBatchTest, AnOutputFolderThatCannotBeMadeIsNamedOnTheRow) {
    const QString clip = dir.filePath("clip.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 2));
    const QString folder = dir.filePath("no/such/parent");
    BatchDriver elsewhere{list,
                          {[] { return QStringLiteral("avi"); },
                           [&folder](const QString& input, const QString& t) {
                               return ChooseOutputPath(input, t, {false, folder});
                           },
                           [this] {
                               return FormatParameters{options, QString()};
                           }}};
    QString added = clip;
    ASSERT_TRUE(list.AddFile2Grid(added));
    elsewhere.RunBatch(false);
    EXPECT_EQ(Row(0).status, "Error");
    EXPECT_TRUE(Row(0).reason.contains(folder)) << Row(0).reason.toStdString();
    EXPECT_TRUE(Row(0).reason.contains("parent folder does not exist"))
        << Row(0).reason.toStdString();
    // The box keeps its own words, once.
    EXPECT_EQ(notifier.Texts(), QStringList{"Output Folder is not exist and can not be created."});
}

}  // namespace
}  // namespace reelwright

namespace reelwright {
namespace {

TEST_F(RealBatchTest, SeveralAtOnceGiveEveryFileItsOwnWholeResult) {
    QStringList files;
    for (const QString sub : {"a", "b", "c"}) {
        QDir().mkpath(dir.filePath(sub));
        files << dir.filePath(sub + "/clip.mkv");
        ASSERT_TRUE(test::MakeClip(files.last(), 3));
    }
    files << dir.filePath("other.mkv");
    ASSERT_TRUE(test::MakeClip(files.last(), 2));
    batch.SetFilesAtOnce(3);
    EXPECT_EQ(AddAndConvert(files), QStringList(4, "Complete"));
    EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"clip.avi", "clip_Converted.avi", "clip_Converted_0.avi", "other.avi"}));
    for (int row = 0; row < files.size(); ++row) {
        EXPECT_TRUE(test::IsReadableMedia(Row(row).outputPath))
            << Row(row).outputPath.toStdString();
        QFile log(Row(row).logPath);
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        EXPECT_TRUE(log.readAll().endsWith("Result: " + Row(row).outputPath.toUtf8() +
                                           "\nTracks: Kept 1 video and 1 audio tracks.\n"));
    }
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

TEST_F(RealBatchTest, AStopWithSeveralRunningStopsThemAllAndLeavesNothing) {
    QStringList files;
    for (const QString name : {"one.mkv", "two.mkv", "three.mkv"}) {
        files << dir.filePath(name);
        ASSERT_TRUE(test::MakeClip(files.last(), 30, "640x480"));
    }
    options = "-c:v libx264 -preset slow -c:a aac";
    type = "mp4";
    QObject::connect(list.Store(), &QAbstractItemModel::dataChanged, [this] {
        bool both = true;
        for (const int row : {0, 1}) {
            bool numeric = false;
            both = both && Row(row).status.toInt(&numeric) >= 1 && numeric;
        }
        if (both) {
            batch.RequestStop();
        }
    });
    batch.SetFilesAtOnce(2);
    EXPECT_EQ(AddAndConvert(files), (QStringList{"Cancelled", "Cancelled", "Waiting Conversion"}));
    EXPECT_TRUE(QDir(dir.filePath("out")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(notifier.messages.empty());
}

}  // namespace
}  // namespace reelwright
