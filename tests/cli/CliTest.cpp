// The real reelwright-cli with the real encoder on generated media.
#include "platform/SettingsFolder.h"
#include "settings/CRegister.h"
#include "settings/RememberedSettings.h"

#include "common/Media.h"
#include "common/QtPrinting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

namespace reelwright {
namespace {

const char* kPreset = "Computer and TV/MPEG-4 / MP3 (older computers)";

class CliTest : public testing::Test {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        QDir().mkpath(home.filePath("out"));
    }
    // A copy of the program with a home of its own, not yet started.
    std::unique_ptr<QProcess> Program(const QStringList& arguments) const {
        auto program = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.remove("XDG_CONFIG_HOME");
        program->setProcessEnvironment(environment);
        program->setWorkingDirectory(home.path());
        program->setProgram(REELWRIGHT_CLI_PATH);
        program->setArguments(arguments);
        return program;
    }
    struct Result {
        int status = -1;
        QString out;
        QString err;
    };
    Result Run(const QStringList& arguments) const {
        const auto program = Program(arguments);
        program->start();
        program->waitForFinished(120000);
        return {program->exitStatus() == QProcess::NormalExit ? program->exitCode() : -1,
                QString::fromUtf8(program->readAllStandardOutput()),
                QString::fromUtf8(program->readAllStandardError())};
    }
    QString Clip(const QString& name, double seconds = 2) const {
        const QString path = home.filePath(name);
        EXPECT_TRUE(test::MakeClip(path, seconds));
        return path;
    }
    QStringList Outputs() const {
        return QDir(home.filePath("out")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir home;
};

TEST_F(CliTest, APresetConvertsEveryFileAndSaysWhereItWent) {
    const QString a = Clip("a clip.mkv");
    const QString b = Clip("b.mp4");
    const Result result = Run({"--preset", kPreset, "--output-folder", "out", a, b});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(Outputs(), (QStringList{"a clip.avi", "b.avi"}));
    EXPECT_TRUE(test::IsReadableMedia(home.filePath("out/b.avi")));
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines, (QStringList{"[1/2] " + a + ": converting",
                                  "[1/2] " + a + ": Complete -> " + home.filePath("out/a clip.avi"),
                                  "[2/2] " + b + ": converting",
                                  "[2/2] " + b + ": Complete -> " + home.filePath("out/b.avi"),
                                  "2 files: 2 converted, 0 failed"}));
    // The window's settings are read, never written.
    EXPECT_FALSE(QFileInfo::exists(home.filePath(".config/Fennick Reelwright")));
}

TEST_F(CliTest, TheSavedCustomFormatAndFolderAreUsed) {
    const QString clip = Clip("clip.mkv");
    RememberedSettings saved = RememberedSettings::Defaults();
    saved.optFormat = 1;
    saved.cmbCustContainer = 7;  // MP4
    saved.cmbCVCodec = 1;        // MPEG-4 Part 2
    saved.cmbCACodec = 0;        // AAC
    saved.optSameFolder = false;
    saved.optOtherFolder = true;
    saved.txtOutPath = home.filePath("out");
    const QString previous = SettingsFolder::Path();
    SettingsFolder::Override(home.filePath(".config/Fennick Reelwright"));
    ASSERT_TRUE(saved.Save(CRegister()));
    SettingsFolder::Override(previous);

    const Result result = Run({"--custom", clip});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(Outputs(), QStringList{"clip.MP4"});
    EXPECT_TRUE(test::IsReadableMedia(home.filePath("out/clip.MP4")));
    // A folder given on the command line wins, and is made when missing.
    EXPECT_EQ(Run({"--custom", "--output-folder", "other", clip}).status, 0);
    EXPECT_TRUE(QFileInfo::exists(home.filePath("other/clip.MP4")));
}

TEST_F(CliTest, ASavedListPositionOutsideItsListLeavesTheFirst) {
    const QString clip = Clip("clip.mkv");
    RememberedSettings saved = RememberedSettings::Defaults();
    saved.optFormat = 1;
    saved.cmbCustContainer = 2;  // AVI, whose own default would be MPEG-4 Part 2
    saved.cmbCVCodec = 99;       // no such codec: the first (H.264), as the window's list keeps
    saved.cmbCACodec = 0;
    saved.txtOutPath = home.filePath("out");
    const QString previous = SettingsFolder::Path();
    SettingsFolder::Override(home.filePath(".config/Fennick Reelwright"));
    ASSERT_TRUE(saved.Save(CRegister()));
    SettingsFolder::Override(previous);

    const Result result = Run({"--custom", clip});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    QString listing;
    test::RunProgram(test::SystemEncoder(), {"-hide_banner", "-i", home.filePath("out/clip.AVI")},
                     &listing);
    EXPECT_TRUE(listing.contains("Video: h264")) << listing.toStdString();
}

TEST_F(CliTest, AFailedFileGivesItsReasonAndExitStatusOne) {
    const QString whole = Clip("whole.mkv", 6);
    const QString cut = Clip("cut.mkv", 6);
    ASSERT_TRUE(test::Truncate(cut, 0.5));
    const QString junk = home.filePath("junk.avi");
    ASSERT_TRUE(test::MakeRandomFile(junk, 64 * 1024));
    const Result result = Run({"--preset", kPreset, "--output-folder", "out", whole, cut, junk});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.contains(junk + ": Unkown Format")) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains("[2/2] " + cut + ": Error: The input file ended early"))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.endsWith("3 files: 1 converted, 2 failed\n")) << result.out.toStdString();
    EXPECT_EQ(Outputs(), QStringList{"whole.avi"});
}

TEST_F(CliTest, BadUsageOrNothingToConvertIsExitStatusTwo) {
    const QString clip = Clip("clip.mkv");
    QDir().mkpath(home.filePath("empty"));
    const QList<QStringList> cases{
        {},
        {"--frobnicate", clip},
        {"--preset", "No/Such preset", clip},
        {"--preset", kPreset, "--extension", "mkv", clip},
        {"--preset", kPreset, "--custom", clip},
        {"--same-folder", "--output-folder", "out", clip},
        {"--preset", kPreset, home.filePath("notes.txt")},
        {"--preset", kPreset, home.filePath("empty")},
    };
    for (const QStringList& arguments : cases) {
        const Result result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty()) << arguments.join(' ').toStdString();
    }
    EXPECT_TRUE(Outputs().isEmpty());
    EXPECT_EQ(Run({"--help"}).status, 0);
}

TEST_F(CliTest, TwoCopiesOnTheSameInputAndFolderGiveTwoResults) {
    const QString clip = Clip("clip.mkv", 4);
    const auto first = Program({"--preset", kPreset, "--output-folder", "out", clip});
    const auto second = Program({"--preset", kPreset, "--output-folder", "out", clip});
    first->start();
    second->start();
    ASSERT_TRUE(first->waitForFinished(120000));
    ASSERT_TRUE(second->waitForFinished(120000));
    EXPECT_EQ(first->exitCode(), 0);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(Outputs(), (QStringList{"clip.avi", "clip_Converted.avi"}));
    for (const QString& output : Outputs()) {
        EXPECT_TRUE(test::IsReadableMedia(home.filePath("out/" + output))) << output.toStdString();
    }
}

struct StopCase {
    int signal;
    int status;
};

class StoppingTheCli : public CliTest, public testing::WithParamInterface<StopCase> {};

TEST_P(StoppingTheCli, MidFileLeavesNothingBehind) {
    const QString clip = home.filePath("long.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 60, "640x480"));
    const auto program = Program(
        {"--preset", "Computer and TV/H.264 / AAC, best quality", "--output-folder", "out", clip});
    program->start();
    // Once the encoder runs (its temporary file is there), the signal comes.
    for (int i = 0; i < 2000 && Outputs().isEmpty(); ++i) {
        QThread::msleep(10);
    }
    ASSERT_EQ(Outputs().size(), 1);
    QThread::msleep(300);
    ::kill(static_cast<pid_t>(program->processId()), GetParam().signal);
    ASSERT_TRUE(program->waitForFinished(60000));
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), GetParam().status);
    EXPECT_TRUE(Outputs().isEmpty()) << Outputs().join(", ").toStdString();
    const QString out = QString::fromUtf8(program->readAllStandardOutput());
    EXPECT_TRUE(out.contains(": Cancelled")) << out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Signals, StoppingTheCli,
                         testing::Values(StopCase{SIGINT, 130}, StopCase{SIGTERM, 143}));

TEST(CliProgram, RunsWithoutQtGuiOrWidgets) {
    QString libraries;
    ASSERT_EQ(test::RunProgram("ldd", {REELWRIGHT_CLI_PATH}, &libraries), 0);
    EXPECT_TRUE(libraries.contains("libQt6Core"));
    EXPECT_FALSE(libraries.contains("libQt6Gui")) << libraries.toStdString();
    EXPECT_FALSE(libraries.contains("libQt6Widgets")) << libraries.toStdString();
}

}  // namespace
}  // namespace reelwright
