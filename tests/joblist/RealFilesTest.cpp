#include "joblist/DurationText.h"
#include "joblist/JobList.h"

#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The media library opens by name: given a pipe it would wait for a writer for ever. A name
// that became a pipe after it was listed has no length, at once.
TEST_F(RealFilesTest, APipeHasNoLengthAndIsNotWaitedOn) {
    const QString pipe = dir.filePath("clip.mp4");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    auto reading = std::async(std::launch::async, [&pipe] { return ReadMediaLength(pipe); });
    const bool answered = reading.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    if (!answered) {
        // Lets a waiting open go, so the test ends instead of hanging.
        const int writer = ::open(QFile::encodeName(pipe).constData(), O_RDWR | O_NONBLOCK);
        if (writer >= 0) {
            ::close(writer);
        }
    }
    const MediaLength length = reading.get();
    ASSERT_TRUE(answered) << "the media library waited on the pipe";
    EXPECT_EQ(length.text, "");
    EXPECT_EQ(length.seconds, 0);
}

// It reads the file opened, by a name of the descriptor's: a link and a name that is not
// ASCII read as any other.
TEST_F(RealFilesTest, ALengthIsReadThroughALinkAndAnyName) {
    const QString clip = dir.filePath("clip ü $x.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 3));
    const QString link = dir.filePath("link.mkv");
    ASSERT_TRUE(QFile::link(clip, link));
    for (const QString& path : {clip, link}) {
        const MediaLength length = ReadMediaLength(path);
        EXPECT_EQ(length.text, "00:00:03") << path.toStdString();
        EXPECT_NEAR(length.seconds, 3, 0.2) << path.toStdString();
    }
}

struct LengthCase {
    const char* name;
    const char* file;
    QStringList options;  // how it is written
    const char* text;     // its length as the list shows it
};

class LengthsOfContainers : public RealFilesTest, public testing::WithParamInterface<LengthCase> {};

// Matroska's length is read from its header alone; whichever way a file was written, the list
// shows the length of what it holds, and a Matroska file read before changes nothing of how the
// next one is read (a raw stream's length needs the library's usual look through it).
TEST_P(LengthsOfContainers, AreThoseOfWhatTheyHold) {
    const LengthCase& c = GetParam();
    const QString source = dir.filePath("source.mkv");
    ASSERT_TRUE(test::MakeClip(source, 3));
    ASSERT_EQ(ReadMediaLength(source).text, "00:00:03");
    const QString file = dir.filePath(QString::fromUtf8(c.file));
    ASSERT_EQ(test::RunProgram(test::SystemEncoder(),
                               QStringList{"-v", "error", "-y", "-i", source, "-c", "copy"} +
                                   c.options + QStringList{file}),
              0);
    const MediaLength length = ReadMediaLength(file);
    EXPECT_EQ(length.text, c.text);
    if (length.text != "Error") {
        EXPECT_NEAR(length.seconds, 3, 0.2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Containers, LengthsOfContainers,
    testing::Values(LengthCase{"Matroska", "a.mkv", {}, "00:00:03"},
                    LengthCase{"MatroskaLiveWithoutLength", "c.mkv", {"-live", "1"}, "Error"},
                    LengthCase{"Mp4", "d.mp4", {}, "00:00:03"},
                    LengthCase{"RawH264", "e.h264", {"-an", "-c:v", "libx264"}, "00:00:03"}),
    [](const testing::TestParamInfo<LengthCase>& info) { return info.param.name; });

struct HeldCase {
    const char* name;
    const char* file;
    std::function<bool(const QString&)> make;
    const char* forPictures;  // why a format with pictures refuses it; empty: taken
    const char* forSound;     // the same for one that keeps sound only
};

const char* const kSoundFile =
    "a sound file, with no picture: to convert it, choose one of the Audio Only presets";
const char* const kNoSound = "it has no sound, and the chosen format keeps sound only";

std::function<bool(const QString&)> Sound(const char* codec) {
    return [codec](const QString& path) { return test::MakeSound(path, codec); };
}

class RealFilesHeld : public RealFilesTest, public testing::WithParamInterface<HeldCase> {};

// Made by the encoder, read by the libraries: each file is taken for what it holds.
TEST_P(RealFilesHeld, AreTakenForWhatTheyHold) {
    const HeldCase& c = GetParam();
    const QString file = dir.filePath(QString::fromUtf8(c.file));
    ASSERT_TRUE(c.make(file)) << c.file;
    for (const bool soundOnly : {false, true}) {
        SCOPED_TRACE(soundOnly ? "sound only" : "pictures");
        list.InitJobList();
        list.SetSoundOnly([soundOnly] { return soundOnly; });
        list.SetRefusalsCollected(true);
        QString added = file;
        const QString refusal = QString::fromUtf8(soundOnly ? c.forSound : c.forPictures);
        EXPECT_EQ(list.AddFile2Grid(added), refusal.isEmpty());
        EXPECT_EQ(list.LastRefusal(), refusal);
        if (refusal.isEmpty()) {
            EXPECT_EQ(list.Store()->Row(0).status, "Waiting Conversion");
        }
    }
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, RealFilesHeld,
    testing::Values(
        HeldCase{"Flac", "song.flac", Sound("flac"), kSoundFile, ""},
        HeldCase{"Wav", "song.wav", Sound("pcm_s16le"), kSoundFile, ""},
        HeldCase{"OggVorbis", "song.ogg", Sound("libvorbis"), kSoundFile, ""},
        HeldCase{"Opus", "song.opus", Sound("libopus"), kSoundFile, ""},
        HeldCase{"SongInMatroska", "song.mka", Sound("flac"), kSoundFile, ""},
        HeldCase{"FlacWithItsCover", "cover.flac",
                 [](const QString& path) { return test::MakeSongWithCover(path); }, kSoundFile, ""},
        HeldCase{"TheoraInOgg", "film.ogg",
                 [](const QString& path) {
                     return test::MakeClip(path, 1, "160x120",
                                           {"-c:v", "libtheora", "-c:a", "libvorbis"});
                 },
                 "", ""},
        HeldCase{"Film", "film.mkv", [](const QString& path) { return test::MakeClip(path, 1); },
                 "", ""},
        HeldCase{"SilentFilm", "silent.mp4",
                 [](const QString& path) { return test::MakeClip(path, 1, "160x120", {"-an"}); },
                 "", kNoSound},
        HeldCase{"AnnouncedSoundNeverCarried", "receiver.ts",
                 [](const QString& path) { return test::MakeEmptyDeclaredSound(path); }, "",
                 kNoSound}),
    [](const testing::TestParamInfo<HeldCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace reelwright
