// Results that must fit a size, through the real encoder: a limit that fits, one that an
// overshooting encoder misses at first, one it always misses, one too small to be watchable and
// a copy, which cannot be made to fit.
#include "CliFixture.h"

#include <QFileInfo>

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
    // An encoder that writes `extra` bytes after the result of its first `times` runs: what an
    // encoder that misses its rate does.
    void Overshooting(int times, int extra) const {
        QDir().mkpath(home.filePath("wrap"));
        QFile wrapper(home.filePath("wrap/ffmpeg"));
        ASSERT_TRUE(wrapper.open(QIODevice::WriteOnly));
        wrapper.write(QString("#!/bin/bash\n"
                              "'%1' \"$@\" || exit\n"
                              "out=\"${@: -1}\"\n"
                              "case \"$out\" in /proc/self/fd/*) ;; *) exit 0 ;; esac\n"
                              "n=$(cat '%2' 2>/dev/null || echo 0)\n"
                              "echo $((n + 1)) > '%2'\n"
                              "if [ \"$n\" -lt %3 ]; then head -c %4 /dev/zero >> \"$out\"; fi\n")
                          .arg(test::SystemEncoder(), home.filePath("runs"))
                          .arg(times)
                          .arg(extra)
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
    Overshooting(1, 300'000);
    const Result result = Convert({"--preset", kDefault, "--max-size", "400K"}, source);
    ASSERT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_LE(ResultSize(), 400'000);
    EXPECT_TRUE(result.out.contains("Made to fit 400 KB")) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains("encoded 2 times")) << result.out.toStdString();
}

TEST_F(FitASize, AResultAlwaysOverTheLimitIsNeverComplete) {
    const QString source = Busy();
    Overshooting(10, 600'000);
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

}  // namespace
}  // namespace reelwright
