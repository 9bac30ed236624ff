#include "engine/CVideoConv.h"

#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace reelwright {
namespace {

using test::RecordingNotifier;

class RealEncoderTest : public testing::Test {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        clip = dir.filePath("clip one.mp4");
        ASSERT_TRUE(test::MakeClip(clip, 4, "320x240"));
    }

    QTemporaryDir dir;
    QString clip;
    RecordingNotifier notifier;
};

TEST_F(RealEncoderTest, AConversionReportsRisingProgressAndWritesAPlayableFile) {
    CVideoConv job;
    QStringList statuses;
    QList<int> progress;
    QObject::connect(&job, &CVideoConv::CurrentStatus, [&](const QString& s) { statuses << s; });
    QObject::connect(&job, &CVideoConv::Progress, [&](int p) { progress << p; });
    const QString output = dir.filePath("out \"quoted\".avi");
    job.SetInputFile(clip);
    job.SetOutputFile(output);
    // A short stats period gives several progress lines even for a short clip.
    job.SetParametrs("-stats_period 0.05 -vcodec mpeg4 -acodec libmp3lame -y");
    job.SetFileTimeLength(4.0F);
    job.StartConversion();

    EXPECT_EQ(statuses, QStringList{"Starting..."});
    ASSERT_FALSE(progress.isEmpty());
    for (qsizetype i = 1; i < progress.size(); ++i) {
        EXPECT_GE(progress[i], progress[i - 1]);
    }
    EXPECT_GE(progress.last(), 90);
    EXPECT_LE(progress.last(), 110);
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
    EXPECT_TRUE(test::IsReadableMedia(output));
}

TEST_F(RealEncoderTest, AnUnreadableFileGivesUnknownFormatThenError) {
    const QString junk = dir.filePath("junk.avi");
    ASSERT_TRUE(test::MakeRandomFile(junk, 64 * 1024));
    CVideoConv job;
    QStringList events;
    QObject::connect(&job, &CVideoConv::CurrentStatus, [&](const QString& s) { events << s; });
    QObject::connect(&job, &CVideoConv::Progress, [&](int p) { events << QString::number(p); });
    job.SetInputFile(junk);
    job.SetOutputFile(dir.filePath("junk out.avi"));
    job.SetParametrs("-y");
    job.SetFileTimeLength(10.0F);
    job.StartConversion();

    EXPECT_EQ(events, (QStringList{"Starting...", "Unknown format", "-1", "Error"}));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("Error converting file: junk.avi\r\n"));
    EXPECT_TRUE(notifier.messages[0].text.contains(
        "The encoder cannot read junk.avi: it is not a kind of media file it knows"));
    EXPECT_FALSE(notifier.messages[0].text.contains("configuration:"));
}

TEST_F(RealEncoderTest, TheProbeAcceptsTheClipAndRefusesRandomBytes) {
    const QString junk = dir.filePath("junk.mp4");
    ASSERT_TRUE(test::MakeRandomFile(junk, 64 * 1024));
    CVideoConv job;
    EXPECT_TRUE(job.IsFileSupported(clip));
    EXPECT_FALSE(job.IsFileSupported(junk));
    // The probe never changes the job's own settings.
    EXPECT_EQ(job.InputFile(), "");
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(RealEncoderTest, AStoppedConversionEndsCancelledWithoutAMessage) {
    const QString longClip = dir.filePath("long.mp4");
    ASSERT_TRUE(test::MakeClip(longClip, 60, "640x480"));
    CVideoConv job;
    QStringList statuses;
    QObject::connect(&job, &CVideoConv::CurrentStatus, [&](const QString& s) { statuses << s; });
    QObject::connect(&job, &CVideoConv::Progress, [&](int) { job.StopConversion(); });
    job.SetInputFile(longClip);
    job.SetOutputFile(dir.filePath("long out.mkv"));
    job.SetParametrs("-stats_period 0.05 -vcodec libx264 -preset veryslow -y");
    job.SetFileTimeLength(60.0F);
    job.StartConversion();
    EXPECT_EQ(statuses, (QStringList{"Starting...", "Cancelled"}));
    EXPECT_TRUE(notifier.messages.empty());
}

}  // namespace
}  // namespace reelwright
