#include "joblist/VideoFileAdder.h"

#include "joblist/JobList.h"

#include "common/Fakes.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace reelwright {
namespace {

using test::RecordingNotifier;

const char* kRefusal = "Some files are not supported or already exist and will not be added";

class VideoFileAdderTest : public testing::Test {
  protected:
    void SetUp() override {
        list.SetProbe([](const QString&) { return true; });
        list.SetLengthReader([](const QString&) { return QStringLiteral("00:00:01"); });
        list.InitJobList();
    }
    QString File(const QString& name) const { return test::WriteFile(dir, name); }
    QStringList Paths() const {
        QStringList paths;
        for (int i = 0; i < list.Store()->RecordCount(); ++i) {
            paths << list.Store()->Row(i).filePath;
        }
        return paths;
    }

    QTemporaryDir dir;
    JobList list;
    VideoFileAdder adder{list};
    RecordingNotifier notifier;
};

TEST_F(VideoFileAdderTest, ChosenFilesAreQueuedInTheirOrder) {
    const QStringList chosen{File("a.avi"), File("b.mp4"), File("c.mkv")};
    adder.AddVideoFiles(chosen);
    EXPECT_EQ(Paths(), chosen);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST(VideoFileAdderFilter, TheOpenDialogHasItsSixFiltersInBothLetterCases) {
    const QStringList filters = VideoFileAdder::OpenDialogFilter().split(";;");
    ASSERT_EQ(filters.size(), 6);
    EXPECT_TRUE(filters[0].startsWith("Common Video Files (*.wmv *.WMV *.asf"));
    EXPECT_TRUE(filters[1].startsWith("MPEG Files(.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) ("));
    EXPECT_TRUE(filters[3].startsWith("AVI Files(*.avi) (*.avi *.AVI)"));
    EXPECT_EQ(filters[5], "All Files(*.*) (*)");
    EXPECT_TRUE(filters[0].contains("*.DIVX)"));
}

TEST_F(VideoFileAdderTest, ABatchWithARefusalAddsTheOthersThenWarnsOnce) {
    const QString queued = File("a.avi");
    adder.AddVideoFiles({queued});
    adder.AddVideoFiles({queued, File("b.avi"), File("notes.txt"), File("c.avi")});
    EXPECT_EQ(Paths(), (QStringList{queued, dir.filePath("b.avi"), dir.filePath("c.avi")}));
    EXPECT_EQ(notifier.Texts(), QStringList{kRefusal});
    EXPECT_EQ(notifier.messages[0].icon, MessageIcon::Warning);
}

TEST_F(VideoFileAdderTest, AFolderQueuesOnlyTheFilesDirectlyInsideIt) {
    File("b.avi");
    File(".hidden.mp4");
    File("A.mkv");
    QDir(dir.path()).mkpath("sub.avi/deeper");
    File("sub.avi/inner.avi");
    adder.AddFolder(dir.path());
    EXPECT_EQ(Paths(), (QStringList{dir.filePath(".hidden.mp4"), dir.filePath("A.mkv"),
                                    dir.filePath("b.avi")}));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(VideoFileAdderTest, AFolderOfRefusedFilesWarnsOfRefusalNotOfEmptiness) {
    File("song.mp3");
    File("notes.txt");
    adder.AddFolder(dir.path());
    EXPECT_EQ(list.Store()->RecordCount(), 0);
    EXPECT_EQ(notifier.Texts(), QStringList{kRefusal});
}

TEST_F(VideoFileAdderTest, AFolderWithOnlySubfoldersIsEmpty) {
    QDir(dir.path()).mkpath("one/two");
    adder.AddFolder(dir.path());
    EXPECT_EQ(notifier.Texts(), QStringList{"Selected Folder is empty."});
    EXPECT_EQ(notifier.messages[0].icon, MessageIcon::Warning);
}

TEST_F(VideoFileAdderTest, TheRootFolderJoinsWithoutADoubledSeparator) {
    const QStringList names = VideoFileAdder::GetFolderFiles("/");
    if (names.isEmpty()) {
        GTEST_SKIP() << "no files in /";
    }
    list.SetProbe([](const QString& path) {
        EXPECT_FALSE(path.startsWith("//")) << path.toStdString();
        return true;
    });
    adder.AddFolder("/");
}

TEST_F(VideoFileAdderTest, DropsQueueVideosAndStaySilentAboutTheRest) {
    adder.AddDropped({File("a.avi"), File("readme.txt"), File("b.mp4")});
    EXPECT_EQ(Paths(), (QStringList{dir.filePath("a.avi"), dir.filePath("b.mp4")}));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(VideoFileAdderTest, AStopRequestEndsTheBatchAfterTheCurrentFile) {
    list.SetProbe([this](const QString&) {
        adder.RequestStop();
        return true;
    });
    adder.AddVideoFiles({File("a.avi"), File("b.avi")});
    EXPECT_EQ(Paths(), QStringList{dir.filePath("a.avi")});
}

TEST_F(VideoFileAdderTest, AFolderWithANameThatIsNotUtf8AddsTheRestAndSaysWhy) {
    const QString folder = dir.filePath("mixed");
    QDir().mkpath(folder);
    const test::NativeNamedFile bad(QFile::encodeName(folder) + "/bad\xff\xfe.avi");
    ASSERT_TRUE(bad.Created());
    ::mkfifo(QFile::encodeName(folder + "/pipe.avi").constData(), 0600);
    QFile(folder + "/good.avi").open(QIODevice::WriteOnly);
    adder.AddFolder(folder);
    EXPECT_EQ(Paths(), QStringList{folder + "/good.avi"});
    // One warning; its details name the file and say why.
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, kRefusal);
    EXPECT_TRUE(notifier.messages[0].details.contains("not valid UTF-8")) << notifier.messages[0].details.toStdString();
    EXPECT_TRUE(notifier.messages[0].details.contains(folder + "/bad"));
}

TEST_F(VideoFileAdderTest, FilesGivenByNameAreAddedAsADropAndTheirRefusalsToldWithReasons) {
    const QString folder = dir.filePath("given");
    QDir().mkpath(folder);
    QFile(folder + "/inside.avi").open(QIODevice::WriteOnly);
    QFile(folder + "/notes.txt").open(QIODevice::WriteOnly);
    const QString missing = dir.filePath("missing.mkv");
    adder.AddGiven({File("a.avi"), missing, folder, File("a.avi")});
    EXPECT_EQ(Paths(), (QStringList{dir.filePath("a.avi"), folder + "/inside.avi"}));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, kRefusal);
    EXPECT_EQ(notifier.messages[0].details,
              missing + ": not found\n" + folder + "/notes.txt: not a video file (.txt)\n" +
                  dir.filePath("a.avi") + ": already in the list");
    ASSERT_EQ(adder.LastRefusals().size(), 3);
    EXPECT_EQ(adder.LastRefusals()[0].path, missing);
}

TEST_F(VideoFileAdderTest, ADroppedFolderBringsTheFilesDirectlyInsideIt) {
    const QString folder = dir.filePath("dropped");
    QDir().mkpath(folder + "/inner");
    for (const char* name : {"b.mkv", "a.avi", "inner/c.avi"}) {
        QFile(folder + "/" + name).open(QIODevice::WriteOnly);
    }
    const QString loose = File("loose.mp4");
    adder.AddDropped({folder, loose});
    EXPECT_EQ(Paths(), (QStringList{folder + "/a.avi", folder + "/b.mkv", loose}));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(VideoFileAdderTest, WithoutAnEncoderAnAddSaysSoOnceAndAddsNothing) {
    test::TempProgramFolder emptyProgramFolder;
    test::ScopedEmptyPath noEncoderOnPath;
    const QStringList files{File("a.avi"), File("b.avi"), File("c.avi")};
    adder.AddVideoFiles(files);
    adder.AddDropped(files);
    EXPECT_EQ(list.Store()->RecordCount(), 0);
    ASSERT_EQ(notifier.messages.size(), 2u);  // once per add
    EXPECT_TRUE(notifier.messages[0].text.contains("ffmpeg was not found"));
    EXPECT_TRUE(notifier.messages[0].text.contains(emptyProgramFolder.Path()));
    EXPECT_TRUE(notifier.messages[0].text.contains("sudo apt install ffmpeg"));
}

TEST_F(VideoFileAdderTest, AnEncoderBesideTheProgramThatCannotRunIsReported) {
    test::TempProgramFolder programFolder;
    programFolder.Write("ffmpeg", "not a program");
    adder.AddVideoFiles({File("a.avi")});
    EXPECT_EQ(list.Store()->RecordCount(), 0);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.contains("not executable"));
    EXPECT_TRUE(notifier.messages[0].text.contains(programFolder.FilePath("ffmpeg")));
}

}  // namespace
}  // namespace reelwright
