// reelwright-cli where names change under it: a source or a claim that has become a named pipe,
// and a cover that is no picture. The real program with the real encoder on generated media.
#include "CliFixture.h"

#include "conversion/ResultClaim.h"

#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcessEnvironment>

#include <csignal>

#include <sys/stat.h>

namespace reelwright {
namespace {

bool MakeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

TEST_F(CliTest, ANamedPipeGivenAsASourceIsRefusedAndTheRunEnds) {
    const QString clip = Clip("clip.mkv", 1);
    const QString pipe = home.filePath("pipe.mkv");
    ASSERT_TRUE(MakeFifo(pipe));
    const Result result =
        Run({"--dry-run", "--preset", kPreset, "--output-folder", "out", clip, pipe});
    EXPECT_EQ(result.status, 1) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(pipe + ": refused: not a regular file"))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(clip + ": would convert")) << result.out.toStdString();
}

// A pipe put at a claim's name in a shared folder: the dry run does not wait on it, the run
// says it can make no claim there and converts all the same, and the pipe stays where it is.
TEST_F(CliTest, ANamedPipeAtAClaimsNameHoldsNoRun) {
    const QString clip = Clip("clip.mkv", 1);
    const QString claim = ResultClaim::PathFor(home.filePath("out/clip.avi"));
    ASSERT_TRUE(QFileInfo(claim).fileName().startsWith(".reelwright-claim-"));
    ASSERT_TRUE(MakeFifo(claim));
    const Result dry =
        Run({"--dry-run", "--skip-existing", "--preset", kPreset, "--output-folder", "out", clip});
    EXPECT_EQ(dry.status, 0) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains(clip + ": would convert -> " + home.filePath("out/clip.avi")))
        << dry.out.toStdString();

    const Result run =
        Run({"--skip-existing", "--preset", kPreset, "--output-folder", "out", clip});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(
        run.err.contains("the claim file cannot be made: it is a named pipe, not a "
                         "regular file"))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(clip + ": Complete -> " + home.filePath("out/clip.avi")))
        << run.out.toStdString();
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(claim).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A watched file that becomes a pipe after it was taken: when its turn comes it is refused with
// the reason, the watch goes on, and a SIGTERM still ends it. An encoder of our own, placed
// first on PATH, swaps the second file for a pipe while the first converts.
TEST_F(CliTest, AWatchedFileThatBecomesAPipeIsRefusedAndTheWatchStillEnds) {
    QDir().mkpath(home.filePath("in"));
    QDir().mkpath(home.filePath("bin"));
    const QString swapped = home.filePath("in/b.mkv");
    const QString wrapper = home.filePath("bin/ffmpeg");
    {
        QFile script(wrapper);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/bash\n"
                                    "for arg; do\n"
                                    "  if [[ \"$arg\" == */in/a.mkv && ! -p '%1' ]]; then\n"
                                    "    rm -f '%1' && mkfifo '%1'\n"
                                    "  fi\n"
                                    "done\n"
                                    "exec '%2' \"$@\"\n")
                         .arg(swapped, test::SystemEncoder())
                         .toUtf8());
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ExeOwner);
    }
    ASSERT_TRUE(test::MakeClip(home.filePath("in/a.mkv"), 2));
    ASSERT_TRUE(test::MakeClip(swapped, 2));
    const auto watch =
        Program({"--watch", "in", "--jobs", "1", "--output-folder", "out", "--preset", kPreset});
    QProcessEnvironment environment = watch->processEnvironment();
    environment.insert("PATH", home.filePath("bin") + ":" + environment.value("PATH"));
    watch->setProcessEnvironment(environment);
    QString out;
    const auto said = [&] {
        watch->waitForReadyRead(20);  // QProcess reads the pipe only when asked to wait
        out += QString::fromUtf8(watch->readAllStandardOutput());
        return out;
    };
    watch->start();
    ASSERT_TRUE(watch->waitForStarted(30000));
    ASSERT_TRUE(WaitFor([&] { return said().contains(swapped + ": Error"); })) << out.toStdString();
    EXPECT_TRUE(said().contains("a.mkv: Complete")) << out.toStdString();
    EXPECT_TRUE(out.contains("it is a named pipe, not a regular file")) << out.toStdString();

    ::kill(static_cast<pid_t>(watch->processId()), SIGTERM);
    ASSERT_TRUE(watch->waitForFinished(60000)) << "SIGTERM did not end the watch";
    EXPECT_EQ(watch->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(watch->exitCode(), 143);
    EXPECT_EQ(Outputs(), QStringList{"a.avi"});
}

// Cover art tagged as a JPEG that is no picture: the cover is left out and said so, and the
// rest of the file converts.
TEST_F(CliTest, ACoverThatIsNoPictureIsLeftOutAndTheFileConverts) {
    const QString film = home.filePath("film.mkv");
    ASSERT_TRUE(test::MakeBrokenCoverSource(film));
    const Result result = Run({"--json", "--preset", "Computer and TV/H.264 / AAC (most players)",
                               "--output-folder", "out", film});
    ASSERT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    const QJsonObject converted = JsonLines(result.out).value(0);
    EXPECT_EQ(converted.value("status"), "converted");
    EXPECT_EQ(converted.value("tracks").toObject().value("cover"), 0);
    EXPECT_EQ(converted.value("left_out").toArray(),
              (QJsonArray{QJsonObject{{"kind", "cover"},
                                      {"language", QJsonValue()},
                                      {"reason", "its picture could not be read"}}}));
    const QList<test::ProbedTrack> tracks = test::ProbeTracks(home.filePath("out/film.mp4"));
    EXPECT_EQ(test::CountTracks(tracks, "video"), 1);
    EXPECT_EQ(test::CountTracks(tracks, "audio"), 1);
}

}  // namespace
}  // namespace reelwright
