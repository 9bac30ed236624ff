// Results that must fit a size, through the real encoder: a limit that fits, one that an
// overshooting encoder misses at first, one it always misses, one too small to be watchable and
// a copy, which cannot be made to fit; two passes of two files at once, a kill in a first pass;
// a picture made smaller to fit, and black bars removed.
#include "CliFixture.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <csignal>

namespace reelwright {
namespace {

const char* const kDefault = "Computer and TV/H.264 / AAC (most players)";
const char* const kCopy =
    "Same Quality, New Container/Copy as it is: no re-encoding, about the same size";

class FitASize : public CliTest {
  protected:
    // A 4 s clip whose picture is hard to squeeze: moving noise over a pattern.
    QString Busy() const {
        const QString path = home.filePath("busy.mkv");
        QString said;
        EXPECT_EQ(test::RunProgram(test::SystemEncoder(),
                                   {"-v", "error", "-y", "-f", "lavfi", "-i",
                                    "testsrc2=s=640x360:r=25:d=4,noise=alls=30:allf=t", "-f",
                                    "lavfi", "-i", "sine=d=4", "-c:v", "libx264", "-preset",
                                    "ultrafast", "-qp", "10", "-c:a", "aac", path},
                                   &said),
                  0)
            << said.toStdString();
        return path;
    }
    // A clip of `seconds` made from `graph`, with a tone.
    QString Made(const QString& name, const QString& graph, double seconds) const {
        const QString path = home.filePath(name);
        QString said;
        EXPECT_EQ(test::RunProgram(test::SystemEncoder(),
                                   {"-v", "error", "-y", "-f", "lavfi", "-i", graph, "-f", "lavfi",
                                    "-i", QString("sine=d=%1").arg(seconds), "-c:v", "libx264",
                                    "-preset", "ultrafast", "-qp", "10", "-c:a", "aac", path},
                                   &said),
                  0)
            << said.toStdString();
        return path;
    }
    // An encoder that notes each run's arguments, a line each, and whose first passes wait
    // while the file "hold" is there.
    void Recording() const {
        QDir().mkpath(home.filePath("wrap"));
        QFile wrapper(home.filePath("wrap/ffmpeg"));
        ASSERT_TRUE(wrapper.open(QIODevice::WriteOnly));
        wrapper.write(QString("#!/bin/bash\n"
                              "echo \"$*\" >> '%2'\n"
                              "case \" $* \" in *' -pass 1 '*|*pass=1:*)\n"
                              "  if [ -e '%3' ]; then touch '%3d'; exec sleep 120; fi ;;\n"
                              "esac\n"
                              "exec '%1' \"$@\"\n")
                          .arg(test::SystemEncoder(), home.filePath("runs"), home.filePath("hold"))
                          .toUtf8());
        wrapper.close();
        wrapper.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QStringList Runs() const {
        QFile runs(home.filePath("runs"));
        return runs.open(QIODevice::ReadOnly) ? QString::fromUtf8(runs.readAll()).split('\n', Qt::SkipEmptyParts)
                                             : QStringList();
    }
    // An encoder whose first `times` results come out at `size` bytes: what an encoder that
    // misses its rate does.
    void Overshooting(int times, int size) const {
        QDir().mkpath(home.filePath("wrap"));
        QFile wrapper(home.filePath("wrap/ffmpeg"));
        ASSERT_TRUE(wrapper.open(QIODevice::WriteOnly));
        wrapper.write(QString("#!/bin/bash\n"
                              "'%1' \"$@\" || exit\n"
                              "out=\"${@: -1}\"\n"
                              "case \"$out\" in /proc/self/fd/*/*) exit 0 ;; /proc/self/fd/*) ;; *) exit 0 ;; esac\n"
                              "n=$(cat '%2' 2>/dev/null || echo 0)\n"
                              "echo $((n + 1)) > '%2'\n"
                              "if [ \"$n\" -lt %3 ]; then truncate -s %4 \"$out\"; fi\n")
                          .arg(test::SystemEncoder(), home.filePath("runs"))
                          .arg(times)
                          .arg(size)
                          .toUtf8());
        wrapper.close();
        wrapper.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    Result Convert(const QStringList& options, const QString& source) const {
        return Shell("PATH=\"$HOME/wrap:$PATH\" \"$0\" \"$@\"",
                     options + QStringList{"--output-folder", "out", source});
    }
    qint64 ResultSize() const {
        return Outputs().size() == 1 ? QFileInfo(home.filePath("out/" + Outputs()[0])).size() : -1;
    }
};

TEST_F(FitASize, ALimitThatFitsIsKeptAndSaid) {
    const QString source = Busy();
    const Result result = Convert({"--preset", kDefault, "--max-size", "400K"}, source);
    ASSERT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_LE(ResultSize(), 400'000);
    EXPECT_GT(ResultSize(), 200'000);  // the room is used, not wasted
    EXPECT_TRUE(result.out.contains("Made to fit 400 KB")) << result.out.toStdString();
}

TEST_F(FitASize, AResultOverTheLimitIsEncodedAgainSmaller) {
    const QString source = Busy();
    Overshooting(1, 430'000);
    const Result result = Convert({"--preset", kDefault, "--max-size", "400K"}, source);
    ASSERT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_LE(ResultSize(), 400'000);
    EXPECT_TRUE(result.out.contains("Made to fit 400 KB")) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains("encoded 2 times")) << result.out.toStdString();
}

TEST_F(FitASize, AResultAlwaysOverTheLimitIsNeverComplete) {
    const QString source = Busy();
    Overshooting(10, 410'000);
    const Result result = Convert({"--preset", kDefault, "--max-size", "400K"}, source);
    EXPECT_NE(result.status, 0);
    EXPECT_TRUE(result.out.contains("over the limit of 400 KB, after 3 encodes"))
        << result.out.toStdString();
    EXPECT_TRUE(Outputs().filter(QRegularExpression("^(?!\\.reelwright-claim-)")).isEmpty())
        << Outputs().join(' ').toStdString();
}

TEST_F(FitASize, ALimitTooSmallOrACopyIsRefusedBeforeAnythingIsWritten) {
    const QString source = Busy();
    for (const char* preset : {kDefault, kCopy}) {
        const Result result = Convert({"--preset", preset, "--max-size", "100K"}, source);
        EXPECT_NE(result.status, 0) << preset;
        EXPECT_TRUE(result.out.contains(preset == kCopy ? "A copy keeps its picture"
                                                        : "it needs at least"))
            << result.out.toStdString();
        EXPECT_TRUE(Outputs().filter(QRegularExpression("^(?!\\.reelwright-claim-)")).isEmpty());
    }
}

TEST_F(FitASize, ASizeWithoutItsUnitIsAUsageError) {
    const QString source = Busy();
    for (const char* bad : {"25", "big", "10K"}) {
        const Result result = Run({"--max-size", bad, source});
        EXPECT_EQ(result.status, 2) << bad;
        EXPECT_TRUE(result.err.contains("--max-size takes a size such as 25M"))
            << result.err.toStdString();
    }
}

// Each file's first pass keeps its log in a folder of its own, so two files at once never
// read each other's; both folders are gone at the end.
TEST_F(FitASize, TwoFilesAtOnceEachHaveTwoPassesOfTheirOwn) {
    const QString first = Busy();
    const QString second = home.filePath("busy2.mkv");
    ASSERT_TRUE(QFile::copy(first, second));
    Recording();
    const Result result = Shell("PATH=\"$HOME/wrap:$PATH\" \"$0\" \"$@\"",
                                {"--preset", kDefault, "--max-size", "400K", "--jobs", "2",
                                 "--output-folder", "out", first, second});
    ASSERT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(Outputs().filter(QRegularExpression("^busy2?\\.mp4$")).size(), 2);
    QSet<QString> logs;
    int firstPasses = 0;
    for (const QString& run : Runs()) {
        const QRegularExpressionMatch log = QRegularExpression("-passlogfile (\\S+)").match(run);
        if (log.hasMatch()) {
            logs << log.captured(1);
            firstPasses += run.contains(" -pass 1 ") ? 1 : 0;
        }
    }
    EXPECT_EQ(firstPasses, 2) << Runs().join('\n').toStdString();
    EXPECT_EQ(logs.size(), 2) << Runs().join('\n').toStdString();
    EXPECT_TRUE(Temporaries().isEmpty()) << Temporaries().join(' ').toStdString();
}

// Killed in a first pass: its hidden result and its log folder are left behind, and the next
// start takes them away.
TEST_F(FitASize, AKillInAFirstPassLeavesNothingOnceStartedAgain) {
    const QString source = Busy();
    Recording();
    QFile(home.filePath("hold")).open(QIODevice::WriteOnly);
    QDir().mkpath(home.filePath("out"));
    std::unique_ptr<QProcess> program = Program(
        {"--preset", kDefault, "--max-size", "400K", "--output-folder", "out", source});
    QProcessEnvironment environment = program->processEnvironment();
    environment.insert("PATH", home.filePath("wrap") + ':' + environment.value("PATH"));
    program->setProcessEnvironment(environment);
    program->start();
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(home.filePath("holdd")); }));
    EXPECT_FALSE(Temporaries().filter(QRegularExpression("\\.passes$")).isEmpty())
        << Temporaries().join(' ').toStdString();
    ::kill(static_cast<pid_t>(program->processId()), SIGKILL);
    ASSERT_TRUE(program->waitForFinished(60000));
    QFile::remove(home.filePath("hold"));
    const Result again = Convert({"--preset", kDefault, "--max-size", "400K"}, source);
    ASSERT_EQ(again.status, 0) << again.out.toStdString() << again.err.toStdString();
    EXPECT_TRUE(Temporaries().isEmpty()) << Temporaries().join(' ').toStdString();
}

// Noise at every pixel: MPEG-4's coarsest quality still spends more than 150 KB on 2 s, and its
// second pass gives up. The row says so in the user's terms, and nothing is left behind.
TEST_F(FitASize, AFormatThatCannotReachTheRateSaysTheFileCannotFit) {
    const QString source = Made("snow.mkv", "testsrc2=s=320x180:r=25:d=2,noise=alls=100:allf=t", 2);
    const Result result = Convert(
        {"--preset", "Computer and TV/MPEG-4 / MP3 (older computers)", "--max-size", "150K"},
        source);
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.contains("This file cannot be made to fit 150 KB in this format"))
        << result.out.toStdString();
    EXPECT_TRUE(Outputs().isEmpty()) << Outputs().join(' ').toStdString();
    EXPECT_TRUE(Temporaries().isEmpty()) << Temporaries().join(' ').toStdString();
}

// 854x480 for 2 s: 105 KB holds it at 640x360, not as it is.
TEST_F(FitASize, APictureIsMadeSmallerOnlyWhenAskedAndSaid) {
    const QString source = Made("wide.mkv", "testsrc2=s=854x480:r=25:d=2,noise=alls=30:allf=t", 2);
    const Result refused = Convert({"--preset", kDefault, "--max-size", "105K"}, source);
    EXPECT_NE(refused.status, 0);
    EXPECT_TRUE(refused.out.contains("at 854x480 it needs at least")) << refused.out.toStdString();
    const Result smaller =
        Convert({"--preset", kDefault, "--max-size", "105K", "--smaller-to-fit"}, source);
    ASSERT_EQ(smaller.status, 0) << smaller.out.toStdString() << smaller.err.toStdString();
    EXPECT_TRUE(smaller.out.contains("Picture made smaller to fit: 640x360."))
        << smaller.out.toStdString();
    EXPECT_LE(ResultSize(), 105'000);
}

TEST_F(FitASize, BlackBarsAreRemovedWhenAskedAndSaid) {
    const QString source =
        Made("scope.mkv", "testsrc2=s=320x134:r=25:d=3,pad=320:180:0:23:black", 3);
    const Result kept = Convert({"--preset", kDefault, "--crop", "none"}, source);
    ASSERT_EQ(kept.status, 0) << kept.out.toStdString();
    EXPECT_FALSE(kept.out.contains("Black bars")) << kept.out.toStdString();
    QDir(home.filePath("out")).removeRecursively();
    const Result cropped = Convert({"--preset", kDefault, "--crop", "auto"}, source);
    ASSERT_EQ(cropped.status, 0) << cropped.out.toStdString();
    EXPECT_TRUE(QRegularExpression("Black bars removed: 320x13\\d of 320x180\\.")
                    .match(cropped.out)
                    .hasMatch())
        << cropped.out.toStdString();
    const Result bad = Run({"--crop", "maybe", source});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains("--crop takes auto or none.")) << bad.err.toStdString();
}

// An estimate converts nothing, and comes near what converting makes (a file this short is
// encoded whole: all but the same); a file that cannot fit has none, and says why.
TEST_F(FitASize, AnEstimateWritesNothingAndComesNearTheResult) {
    const QString source = Busy();
    const Result told = Run({"--estimate", "--json", "--preset", kDefault, "--output-folder",
                             "out", source});
    ASSERT_EQ(told.status, 0) << told.out.toStdString() << told.err.toStdString();
    EXPECT_TRUE(Outputs().isEmpty()) << Outputs().join(' ').toStdString();
    const QList<QJsonObject> lines = JsonLines(told.out);
    ASSERT_EQ(lines.size(), 2);
    const double bytes = lines[0]["estimate"].toObject()["bytes"].toDouble();
    EXPECT_GT(lines[0]["estimate"].toObject()["seconds"].toDouble(), 0);
    EXPECT_GT(lines[1]["estimate"].toObject()["bytes"].toDouble(), 0);
    const Result converted = Convert({"--preset", kDefault}, source);
    ASSERT_EQ(converted.status, 0) << converted.out.toStdString();
    EXPECT_NEAR(bytes, static_cast<double>(ResultSize()), 0.05 * ResultSize());

    const Result plain = Run({"--estimate", "--preset", kDefault, "--max-size", "100K", source});
    EXPECT_EQ(plain.status, 1);
    EXPECT_TRUE(plain.out.contains("it needs at least")) << plain.out.toStdString();
    const Result fits = Run({"--estimate", "--preset", kDefault, "--max-size", "400K", source});
    EXPECT_TRUE(QRegularExpression("would convert -> .*\\(About \\d+(\\.\\d+)? KB, about \\d+ s to "
                                   "convert\\)")
                    .match(fits.out)
                    .hasMatch())
        << fits.out.toStdString();
}

}  // namespace
}  // namespace reelwright
