#include "joblist/DurationText.h"
#include "joblist/JobList.h"

#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace reelwright {
namespace {

class RealFilesTest : public testing::Test {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        list.InitJobList();
    }
    QTemporaryDir dir;
    JobList list;  // the real probe and the real media library
    test::RecordingNotifier notifier;
};

TEST_F(RealFilesTest, AClipIsQueuedWithItsLengthAndSize) {
    QString clip = dir.filePath("clip ü $x.mp4");
    ASSERT_TRUE(test::MakeClip(clip, 5));
    ASSERT_TRUE(list.AddFile2Grid(clip));
    const JobRow& row = list.Store()->Row(0);
    EXPECT_EQ(row.status, "Waiting Conversion");
    EXPECT_EQ(row.duration, "00:00:05");
    EXPECT_TRUE(row.fileSize.endsWith(" KB")) << row.fileSize.toStdString();
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(RealFilesTest, RandomBytesAreQueuedAsUnknownInRed) {
    QString junk = dir.filePath("junk.avi");
    ASSERT_TRUE(test::MakeRandomFile(junk, 32 * 1024));
    ASSERT_TRUE(list.AddFile2Grid(junk));
    const JobRow& row = list.Store()->Row(0);
    EXPECT_EQ(row.status, "Unkown Format");
    EXPECT_EQ(row.textColors[JobRow::Status], Rgb(220, 10, 10));
    EXPECT_EQ(row.fileSize, "32 KB");
}

TEST_F(RealFilesTest, AFileTheLibraryCannotOpenHasNoLength) {
    EXPECT_EQ(GetDurationText(dir.filePath("missing.avi")), "");
    const QString junk = dir.filePath("junk.bin");
    ASSERT_TRUE(test::MakeRandomFile(junk, 4096));
    // Opened, but no length: the text says so.
    EXPECT_EQ(GetDurationText(junk), "Error");
}

}  // namespace
}  // namespace reelwright
