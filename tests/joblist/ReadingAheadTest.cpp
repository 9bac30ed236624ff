// Adding through the encoder's libraries and reading ahead on threads must give exactly the
// verdicts and rows of asking the encoder itself, one file after another.
#include "engine/CVideoConv.h"
#include "engine/Encoder.h"
#include "engine/EncoderProbe.h"
#include "engine/LibraryProbe.h"
#include "joblist/JobList.h"
#include "joblist/VideoFileAdder.h"

#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace reelwright {
namespace {

class ReadingAheadTest : public testing::Test {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        const QString clip = dir.filePath("it's \"a\" clip ü 日本.mkv");
        ASSERT_TRUE(test::MakeClip(clip, 2));
        const QString sound = dir.filePath("sound only.mka");
        ASSERT_TRUE(test::RunProgram(test::SystemEncoder(), {"-v", "error", "-f", "lavfi", "-i",
                                                             "sine=duration=2", sound}) == 0);
        const QString cut = dir.filePath("cut.mp4");
        ASSERT_TRUE(test::MakeClip(cut, 4));  // its index at the end: cut, it cannot be read
        ASSERT_TRUE(test::Truncate(cut, 0.5));
        const QString cutMkv = dir.filePath("cut.mkv");
        ASSERT_TRUE(test::MakeClip(cutMkv, 4));
        ASSERT_TRUE(test::Truncate(cutMkv, 0.5));
        QFile(dir.filePath("empty.avi")).open(QIODevice::WriteOnly);
        ASSERT_TRUE(test::MakeRandomFile(dir.filePath("random.avi"), 64 * 1024));
        QFile text(dir.filePath("notes renamed.avi"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("These are notes, not a video.\n");
        files = {clip,
                 sound,
                 cut,
                 cutMkv,
                 dir.filePath("empty.avi"),
                 dir.filePath("random.avi"),
                 dir.filePath("notes renamed.avi")};
    }

    QTemporaryDir dir;
    QStringList files;
    test::RecordingNotifier notifier;
};

TEST_F(ReadingAheadTest, TheLibrariesSayWhatTheEncoderSays) {
    const QString encoder = EncoderPath();
    // Debian's ffmpeg runs with the libraries this program is built with: the fast way is
    // the one taken.
    ASSERT_TRUE(LibraryProbe::MatchesEncoder(encoder)) << LibraryProbe::LinkedVersions().toStdString();
    const EncoderProbe library(encoder, 20000);
    ASSERT_TRUE(library.InProcess());
    QStringList verdicts;
    for (const QString& file : files) {
        const ProbeVerdict encoders = CVideoConv().ProbeFile(file);
        const ProbeVerdict libraries = library.Probe(file);
        EXPECT_EQ(libraries.readable, encoders.readable) << file.toStdString();
        // Either way, an unreadable file is told in the same words, naming it.
        EXPECT_EQ(libraries.reason, encoders.reason) << file.toStdString();
        EXPECT_EQ(encoders.reason.contains(QFileInfo(file).fileName()), !encoders.readable);
        EXPECT_EQ(libraries.text.isEmpty(), libraries.readable) << file.toStdString();
        verdicts << (encoders.readable ? "readable" : "unreadable");
    }
    EXPECT_EQ(verdicts, (QStringList{"readable", "readable", "unreadable", "readable", "unreadable",
                                     "unreadable", "unreadable"}));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(ReadingAheadTest, AnotherEncoderIsAskedItself) {
    test::FakeEncoderFolder folder;  // a stand-in "ffmpeg" beside the program
    const EncoderProbe probe(EncoderPath(), 20000);
    EXPECT_FALSE(probe.InProcess());
    const ProbeVerdict unknown =
        probe.Probe(folder.Scenario("x.avi", "print x: Unknown format\\n\nexit 1\n"));
    EXPECT_FALSE(unknown.readable);
    EXPECT_TRUE(unknown.text.contains("x: Unknown format")) << unknown.text.toStdString();
    EXPECT_TRUE(probe.Probe(folder.Scenario("y.avi", "print Input #0, avi\\n\n")).readable);
}

TEST_F(ReadingAheadTest, AFileReadAheadTooSlowlyOnABusyMachineIsAskedAgainNotRefused) {
    test::FakeEncoderFolder folder;
    // The readers ahead run at the lowest priority; on a busy machine their encoder gets
    // almost no time and runs out of it. Asked at the window's priority, it answers at once.
    const QString starved = folder.Scenario(
        "starved.avi",
        "starved 5000\nprint Input #0, avi\\nAt least one output file must be specified\\n\n"
        "exit 1\n");
    const QString stalled = folder.Scenario("stalled.avi", "sleep 5000\n");
    CVideoConv::SetProbeTimeLimit(1000);
    JobList list;
    list.InitJobList();
    VideoFileAdder(list).AddVideoFiles({starved, stalled});
    CVideoConv::SetProbeTimeLimit(CVideoConv::kDefaultProbeTimeLimitMs);
    ASSERT_EQ(list.Store()->RecordCount(), 2);
    EXPECT_EQ(list.Store()->Row(0).status, "Waiting Conversion");
    // One that never answers is still unreadable, and says why.
    EXPECT_EQ(list.Store()->Row(1).status, "Unkown Format");
    EXPECT_TRUE(list.Store()->Row(1).reason.contains("stalled.avi"))
        << list.Store()->Row(1).reason.toStdString();
}

// For a format that keeps pictures, and for one that keeps sound only: the two ways judge each
// file by what it holds alike.
TEST_F(ReadingAheadTest, RowsAndMessagesAreThoseOfTheOneByOneAdd) {
    // A pipe, a missing file, a refused extension and a duplicate among them.
    const QString pipe = dir.filePath("pipe.avi");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QStringList all = files;
    all << pipe << dir.filePath("gone.avi") << dir.filePath("song.mp3") << files[0];
    QFile(dir.filePath("song.mp3")).open(QIODevice::WriteOnly);

    bool soundOnly = false;
    const auto add = [&](JobList& list) {
        list.InitJobList();
        list.SetSoundOnly([&soundOnly] { return soundOnly; });
        VideoFileAdder adder(list);
        notifier.messages.clear();
        adder.AddVideoFiles(all);
        QStringList rows;
        for (int row = 0; row < list.Store()->RecordCount(); ++row) {
            const JobRow& job = list.Store()->Row(row);
            rows << job.filePath + " | " + job.status + " | " + job.duration + " | " + job.fileSize;
        }
        QStringList messages;
        for (const test::Message& message : notifier.messages) {
            messages << message.text + "\n" + message.details;
        }
        return std::pair{rows, messages};
    };
    JobList ahead;  // its own readers: through the libraries, on threads
    JobList oneByOne;
    oneByOne.SetProbe([](const QString& path) { return CVideoConv().IsFileSupported(path); });
    oneByOne.SetLengthReader(&ReadMediaLength);
    for (const bool sound : {false, true}) {
        SCOPED_TRACE(sound ? "sound only" : "pictures");
        soundOnly = sound;
        const auto [aheadRows, aheadMessages] = add(ahead);
        const auto [rows, messages] = add(oneByOne);
        EXPECT_EQ(aheadRows, rows);
        EXPECT_EQ(aheadMessages, messages);
        // For sound, the empty song.mp3 is taken, to be found unreadable.
        EXPECT_EQ(rows.size(), sound ? 8 : 6);
        EXPECT_TRUE(rows[0].endsWith("| Waiting Conversion | 00:00:02 | " +
                                     ahead.Store()->Row(0).fileSize));
        // One warning, with each refused file and its reason.
        ASSERT_EQ(messages.size(), 1);
        const QString soundFile =
            ": a sound file, with no picture: to convert it, choose one of the Audio Only "
            "presets\n";
        EXPECT_EQ(messages[0],
                  "Some files are not supported or already exist and will not be added\n" +
                      (sound ? QString() : files[1] + soundFile) + pipe + ": not a regular file\n" +
                      dir.filePath("gone.avi") + ": not found\n" +
                      (sound ? QString() : dir.filePath("song.mp3") + soundFile) + files[0] +
                      ": already in the list");
    }
}

}  // namespace
}  // namespace reelwright
