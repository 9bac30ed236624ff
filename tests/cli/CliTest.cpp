// The real reelwright-cli with the real encoder on generated media.
#include "CliFixture.h"

#include "formats/OwnPresets.h"
#include "platform/SettingsFolder.h"
#include "settings/CRegister.h"
#include "settings/RememberedSettings.h"

#include "common/Media.h"
#include "common/QtPrinting.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimeZone>

#include <csignal>

namespace reelwright {
namespace {

TEST_F(CliTest, APresetConvertsEveryFileAndSaysWhereItWent) {
    const QString a = Clip("a clip.mkv");
    const QString b = Clip("b.mp4");
    const Result result = Run({"--jobs", "1", "--preset", kPreset, "--output-folder", "out", a, b});
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
    // The container's extension in lower case, as the presets give theirs.
    EXPECT_EQ(Outputs(), QStringList{"clip.mp4"});
    EXPECT_TRUE(test::IsReadableMedia(home.filePath("out/clip.mp4")));
    // A folder given on the command line wins, and is made when missing.
    EXPECT_EQ(Run({"--custom", "--output-folder", "other", clip}).status, 0);
    EXPECT_TRUE(QFileInfo::exists(home.filePath("other/clip.mp4")));
}

// A preset of one's own, in the user's data folder, is listed and used by name; the copy
// presets are there for it too.
TEST_F(CliTest, OwnPresetsAndCopyPresetsAreUsedByName) {
    const QString clip = Clip("clip.mkv");
    bool replaced = false;
    QString error;
    ASSERT_TRUE(OwnPresets::Add(
        home.filePath(".local/share/reelwright/presets.xml"),
        {"Small/sound copied", "-c:v libx264 -preset ultrafast -c:a copy", "mkv", "Mine"},
        &replaced, &error))
        << error.toStdString();
    const Result listed = Run({"--list-presets"});
    EXPECT_TRUE(listed.out.contains("Mine/Small/sound copied\tmkv")) << listed.out.toStdString();
    const Result own = Run({"--preset", "Mine/Small/sound copied", "--output-folder", "out", clip});
    EXPECT_EQ(own.status, 0) << own.err.toStdString();
    EXPECT_TRUE(QFile::exists(home.filePath("out/clip.mkv")));
    const Result copied =
        Run({"--preset",
             "Same Quality, New Container/Copy as it is: no re-encoding, about the "
             "same size",
             "--extension", "mp4", "--output-folder", "out", clip});
    EXPECT_EQ(copied.status, 0) << copied.err.toStdString();
    const QList<test::ProbedTrack> tracks = test::ProbeTracks(home.filePath("out/clip.mp4"));
    ASSERT_FALSE(tracks.isEmpty());
    EXPECT_EQ(tracks[0].codec, test::ProbeTracks(clip)[0].codec);
}

// A shared preset of one's own that would write a second output is left out: not listed, not
// usable by name, and said once on stderr with its reason.
TEST_F(CliTest, APresetThatWouldWriteASecondOutputIsLeftOutAndSaid) {
    const QString path = home.filePath(".local/share/reelwright/presets.xml");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(OwnPresets::Text(
        {{"Shared", "-c:v libx264 -c:a aac " + home.filePath("important.mkv") + " -c:v libx264",
          "mkv", "Mine"}}));
    file.close();
    const Result listed = Run({"--list-presets"});
    EXPECT_EQ(listed.status, 0) << listed.err.toStdString();
    EXPECT_FALSE(listed.out.contains("Mine/Shared")) << listed.out.toStdString();
    EXPECT_EQ(listed.err.count("\"Mine / Shared\" (mkv)"), 1) << listed.err.toStdString();
    EXPECT_TRUE(listed.err.contains("\"" + home.filePath("important.mkv") + "\" is not an option"))
        << listed.err.toStdString();
    const Result used = Run({"--preset", "Mine/Shared", "--output-folder", "out", Clip("a.mkv")});
    EXPECT_NE(used.status, 0);
    EXPECT_FALSE(QFileInfo::exists(home.filePath("important.mkv")));
}

// A saved codec no longer in the list is said, and no other is used in its place.
TEST_F(CliTest, ASavedCodecNoLongerListedIsSaidAndNotReplaced) {
    const QString clip = Clip("clip.mkv");
    RememberedSettings saved = RememberedSettings::Defaults();
    saved.optFormat = 1;
    saved.cmbCustContainer = 2;  // AVI
    saved.cmbCVCodec = 99;       // no such codec
    saved.cmbCACodec = 0;
    saved.txtOutPath = home.filePath("out");
    const QString previous = SettingsFolder::Path();
    SettingsFolder::Override(home.filePath(".config/Fennick Reelwright"));
    ASSERT_TRUE(saved.Save(CRegister()));
    SettingsFolder::Override(previous);

    const Result result = Run({"--custom", clip});
    EXPECT_NE(result.status, 0);
    EXPECT_TRUE(
        result.err.contains("no longer in the codec list (the video codec at position "
                            "100)"))
        << result.err.toStdString();
    EXPECT_FALSE(QFile::exists(home.filePath("out/clip.avi")));
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
    EXPECT_TRUE(result.out.endsWith("3 files: 1 converted, 1 failed, 1 unreadable\n"))
        << result.out.toStdString();
    EXPECT_EQ(Outputs(), QStringList{"whole.avi"});
}

// A container whose header claims a length no video has (years, or 1e300 ms) converts as a
// file of unknown length, instead of being judged short of it.
TEST_F(CliTest, AContainerClaimingYearsConvertsAsOneOfUnknownLength) {
    const QString years = Clip("years.mkv");
    ASSERT_TRUE(test::ClaimLength(years, 1e12));
    const QString absurd = Clip("absurd.mkv");
    ASSERT_TRUE(test::ClaimLength(absurd, 1e300));
    const Result result =
        Run({"--jobs", "1", "--preset", kPreset, "--output-folder", "out", years, absurd});
    EXPECT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(Outputs(), (QStringList{"absurd.avi", "years.avi"}));
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
        {"--preset", kPreset, home.filePath("empty")},
        {"-h=1"},
        {"--help=x"},
        {"--version=3"},
        {"--output-folder=", clip},
        {"--output-folder", "", clip},
        {"--json=yes", clip},
        {"-o", "out", clip},
        {"--preset", kPreset, ""},  // a job-array task past the end of its list
        {"--jobs", "0", clip},
        {"--jobs=nine", clip},
        {"--jobs", "99", clip},
        {"--null", clip},
        {"--progress", clip},
        {"--files-from", "no-such-list.txt"},
        {"--files-from", "a", "--files-from", "b"},
        {"--watch", "out", clip},
        {"--watch", "out", "--dry-run"},
        {"--watch", "no-such-folder", "--output-folder", "elsewhere"},
        {"--watch", "out", "--output-folder", "out"},
        {"--watch", "out", "--same-folder"},
    };
    for (const QStringList& arguments : cases) {
        const Result result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty()) << arguments.join(' ').toStdString();
    }
    EXPECT_TRUE(Outputs().isEmpty());
    EXPECT_EQ(Run({"--help"}).status, 0);
}

// Every file named, and every file of a folder named, gets a line with what became of it.
TEST_F(CliTest, EveryNamedInputIsAccountedFor) {
    const QString good = Clip("good.mkv");
    const QString missing = home.filePath("missing.mkv");
    const QString song = home.filePath("song.flac");
    QFile(song).open(QIODevice::WriteOnly);
    QDir().mkpath(home.filePath("folder"));
    const QString inside = Clip("folder/inside.mkv");
    QFile(home.filePath("folder/notes.txt")).open(QIODevice::WriteOnly);
    const Result result = Run({"--jobs", "1", "--preset", kPreset, "--output-folder", "out",
                               missing, good, song, "folder", good});
    EXPECT_EQ(result.status, 1) << result.err.toStdString();  // a file named was not taken
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines, (QStringList{
                         missing + ": refused: not found",
                         song + ": refused: a sound file, with no picture: to convert it, "
                                "choose one of the Audio Only presets",
                         home.filePath("folder/notes.txt") + ": refused: not a video file (.txt)",
                         good + ": refused: already in the list", "[1/2] " + good + ": converting",
                         "[1/2] " + good + ": Complete -> " + home.filePath("out/good.avi"),
                         "[2/2] " + inside + ": converting",
                         "[2/2] " + inside + ": Complete -> " + home.filePath("out/inside.avi"),
                         "6 files: 2 converted, 0 failed, 4 refused"}));

    // A folder's files that are not video are told, and are no failure.
    const Result folder = Run({"--preset", kPreset, "--output-folder", "again", "folder"});
    EXPECT_EQ(folder.status, 0) << folder.out.toStdString();
    EXPECT_TRUE(folder.out.endsWith("2 files: 1 converted, 0 failed, 1 refused\n"))
        << folder.out.toStdString();
}

// Files are read a few dozen at a time while the first ones convert: a name given again long
// after its first mention is still refused, not lost.
TEST_F(CliTest, ANameRepeatedFarDownAListIsAccountedFor) {
    const QString good = Clip("good.mkv");
    QStringList arguments{"--jobs", "1", "--preset", kPreset, "--output-folder", "out", good};
    for (int i = 0; i < 40; ++i) {
        arguments << home.filePath(QStringLiteral("missing%1.mkv").arg(i));
    }
    arguments << good;
    const Result result = Run(arguments);
    EXPECT_EQ(result.status, 1) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(good + ": refused: already in the list\n"))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.endsWith("42 files: 1 converted, 0 failed, 41 refused\n"))
        << result.out.toStdString();
}

TEST_F(CliTest, AnOutputFolderThatCannotBeMadeIsNamedOnEachFilesLine) {
    const QString clip = Clip("clip.mkv");
    const QString folder = home.filePath("no/parent");
    const Result result = Run({"--preset", kPreset, "--output-folder", folder, clip});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.contains("[1/1] " + clip + ": Error: The output folder " + folder +
                                    " does not exist and cannot be made: its parent folder does "
                                    "not exist"))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.endsWith("1 file: 0 converted, 1 failed\n")) << result.out.toStdString();
}

TEST_F(CliTest, JsonGivesOneObjectPerInputAndNamesStaySafe) {
    const QString odd = Clip("new\nline\tand tab.mkv");
    const QString missing = home.filePath("gone.mkv");
    const Result result =
        Run({"--json", "--preset", kPreset, "--output-folder", "out", odd, missing});
    EXPECT_EQ(result.status, 1);
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << result.out.toStdString();
    QList<QJsonObject> objects;
    for (const QString& line : lines) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        objects << document.object();
    }
    EXPECT_EQ(objects[0]["input"].toString(), missing);
    EXPECT_EQ(objects[0]["status"].toString(), "refused");
    EXPECT_EQ(objects[0]["reason"].toString(), "not found");
    EXPECT_TRUE(objects[0]["result"].isNull());
    EXPECT_EQ(objects[1]["input"].toString(), odd);
    EXPECT_EQ(objects[1]["status"].toString(), "converted");
    EXPECT_EQ(objects[1]["result"].toString(), home.filePath("out/new\nline\tand tab.avi"));
    EXPECT_GT(objects[1]["seconds"].toDouble(), 0.0);
    const QJsonObject summary = objects[2]["summary"].toObject();
    EXPECT_EQ(summary["files"].toInt(), 2);
    EXPECT_EQ(summary["converted"].toInt(), 1);
    EXPECT_EQ(summary["refused"].toInt(), 1);
    EXPECT_EQ(summary["exit"].toInt(), 1);
}

TEST_F(CliTest, SkipExistingResumesWithoutConvertedCopies) {
    const QString a = Clip("a.mkv");
    const QString b = Clip("b.mkv");
    ASSERT_EQ(Run({"--preset", kPreset, "--output-folder", "out", a}).status, 0);
    const Result again =
        Run({"--skip-existing", "--preset", kPreset, "--output-folder", "out", a, b});
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains(a + ": already converted -> " + home.filePath("out/a.avi")))
        << again.out.toStdString();
    EXPECT_TRUE(again.out.endsWith("2 files: 1 converted, 0 failed, 1 already converted\n"));
    EXPECT_EQ(Outputs(), (QStringList{"a.avi", "b.avi"}));

    // Beside an input of the format's own type, the input is not its own result.
    const QString avi = home.filePath("out/b.avi");
    const Result beside = Run({"--skip-existing", "--preset", kPreset, "--same-folder", avi});
    EXPECT_EQ(beside.status, 0);
    EXPECT_TRUE(QFileInfo::exists(home.filePath("out/b_Converted.avi")));
    const Result twice = Run({"--skip-existing", "--preset", kPreset, "--same-folder", avi});
    EXPECT_TRUE(twice.out.contains("already converted")) << twice.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home.filePath("out/b_Converted_0.avi")));
}

TEST_F(CliTest, AReaderThatGoesAwayEndsTheRunAndLeavesNothingHalfWritten) {
    const QString first = home.filePath("long 1.mkv");
    const QString second = home.filePath("long 2.mkv");
    ASSERT_TRUE(test::MakeClip(first, 30, "640x480"));
    ASSERT_TRUE(QFile::copy(first, second));
    // As a user would pipe it: "| head -1" reads the first line and goes.
    const auto program = Program({"-c",
                                  "\"$0\" --preset 'Computer and TV/H.264 / AAC, best quality' "
                                  "--output-folder out \"$1\" \"$2\" | head -1; "
                                  "exit ${PIPESTATUS[0]}",
                                  REELWRIGHT_CLI_PATH, first, second});
    program->setProgram("bash");
    program->start();
    ASSERT_TRUE(program->waitForFinished(60000));
    EXPECT_EQ(program->exitCode(), 141);
    EXPECT_EQ(QString::fromUtf8(program->readAllStandardOutput()),
              "[1/2] " + first + ": converting\n");
    EXPECT_TRUE(Outputs().isEmpty()) << Outputs().join(", ").toStdString();
}

TEST_F(CliTest, UsageIsAsAScriptWriterExpects) {
    const QString clip = Clip("-dash.mkv");
    const Result help = Run({"-h"});
    EXPECT_EQ(help.status, 0);
    for (const char* part :
         {"--skip-existing", "--json", "  --  ", "--output-folder=out", "HKEY_LOCAL_MACHINE.ini",
          "logs/", "Exit status", "141", "143", "Converted Files"}) {
        EXPECT_TRUE(help.out.contains(part)) << part;
    }
    // The container in any letter case; a file that begins with a dash after "--".
    const Result upper = Run({"--preset", "Computer and TV/H.264 / AAC (most players)",
                              "--extension", "MKV", "--output-folder=out", "--", clip});
    EXPECT_EQ(upper.status, 0) << upper.err.toStdString();
    EXPECT_EQ(Outputs(), QStringList{"-dash.mkv"});
    // An unknown preset names the closest.
    const Result close = Run({"--preset", "Web/VP9 Opus", clip});
    EXPECT_EQ(close.status, 2);
    EXPECT_TRUE(close.err.contains("Web/VP9 / Opus (WebM)")) << close.err.toStdString();
}

// The README's example, taken from the README itself, run as pasted with this machine as the
// only host.
TEST_F(CliTest, TheReadmesParallelExampleWorksAsWritten) {
    QFile readme(README_PATH);
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype at = text.indexOf("| parallel ");
    ASSERT_GE(at, 0) << "no parallel example in the README";
    const qsizetype start = text.lastIndexOf('\n', at) + 1;
    const qsizetype end = text.indexOf("\n```", at);
    QString example = text.mid(start, end - start);
    ASSERT_TRUE(example.contains("-S host1,host2,:")) << example.toStdString();
    example.replace("-S host1,host2,:", "-S :");
    example.replace("/shared/", home.filePath("shared") + "/");
    example.replace("reelwright-cli ", QString(REELWRIGHT_CLI_PATH) + " ");
    QDir().mkpath(home.filePath("shared/videos"));
    QStringList names{"a.mkv", "two words.mkv", "it's (3).mkv"};
    for (const QString& name : names) {
        ASSERT_TRUE(test::MakeClip(home.filePath("shared/videos/" + name), 1));
    }
    const auto program = Program({"-c", example});
    program->setProgram("bash");
    program->start();
    ASSERT_TRUE(program->waitForFinished(120000));
    EXPECT_EQ(program->exitCode(), 0) << program->readAllStandardError().toStdString();
    EXPECT_EQ(QDir(home.filePath("shared/out")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"a.mp4", "it's (3).mp4", "two words.mp4"}));
    // Run again, it finds everything done and makes no copies.
    program->start();
    ASSERT_TRUE(program->waitForFinished(120000));
    EXPECT_EQ(program->exitCode(), 0);
    EXPECT_EQ(QDir(home.filePath("shared/out")).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST_F(CliTest, SeveralFilesAtOnceAccountForEachAsOneAtATimeDoes) {
    QStringList files;
    for (const QString name : {"a.mkv", "b.mkv", "c.mkv", "d.mkv"}) {
        files << Clip(name);
    }
    for (const QString jobs : {"3", "auto"}) {
        const QString out = "out-" + jobs;
        const Result result =
            Run(QStringList{"--jobs", jobs, "--preset", kPreset, "--output-folder", out} + files);
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_TRUE(result.out.endsWith("4 files: 4 converted, 0 failed\n"))
            << result.out.toStdString();
        for (const QString& file : files) {
            const QString result_ = home.filePath(out + "/" + QFileInfo(file).baseName() + ".avi");
            EXPECT_TRUE(result.out.contains(file + ": Complete -> " + result_))
                << jobs.toStdString();
            EXPECT_TRUE(test::IsReadableMedia(result_));
        }
    }
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
    const char* name;
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
    // Once the encoder runs (its temporary file is there, beside the claim), the signal comes.
    ASSERT_TRUE(WaitFor([&] { return !Temporaries().isEmpty(); }));
    QThread::msleep(300);
    ::kill(static_cast<pid_t>(program->processId()), GetParam().signal);
    ASSERT_TRUE(program->waitForFinished(60000));
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), GetParam().status);
    EXPECT_TRUE(Outputs().isEmpty()) << Outputs().join(", ").toStdString();
    const QString out = QString::fromUtf8(program->readAllStandardOutput());
    EXPECT_TRUE(out.contains(": Cancelled")) << out.toStdString();
}

TEST_F(CliTest, AKilledRunsHalfWrittenFileGoesAtTheNextRun) {
    const QString clip = home.filePath("long.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 30, "640x480"));
    const QStringList arguments{"--jobs",
                                "1",
                                "--skip-existing",
                                "--preset",
                                "Computer and TV/H.264 / AAC, best quality",
                                "--output-folder",
                                "out",
                                clip};
    const auto program = Program(arguments);
    program->start();
    ASSERT_TRUE(WaitFor([&] { return !Temporaries().isEmpty(); }));
    ::kill(static_cast<pid_t>(program->processId()), SIGKILL);
    ASSERT_TRUE(program->waitForFinished(60000));
    // Left behind, the half-written file and the claim: nobody could remove them.
    ASSERT_EQ(Outputs().size(), 2) << Outputs().join(", ").toStdString();
    ASSERT_EQ(Outputs().filter(".reelwright-claim-").size(), 1);
    const Result again = Run(arguments);
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(Outputs(), QStringList{"long.mp4"});
}

INSTANTIATE_TEST_SUITE_P(Signals, StoppingTheCli,
                         testing::Values(StopCase{"Interrupted", SIGINT, 130},
                                         StopCase{"Terminated", SIGTERM, 143}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliProgram, RunsWithoutQtGuiOrWidgets) {
    QString libraries;
    ASSERT_EQ(test::RunProgram("ldd", {REELWRIGHT_CLI_PATH}, &libraries), 0);
    EXPECT_TRUE(libraries.contains("libQt6Core"));
    EXPECT_FALSE(libraries.contains("libQt6Gui")) << libraries.toStdString();
    EXPECT_FALSE(libraries.contains("libQt6Widgets")) << libraries.toStdString();
}

// Every track, or one of each kind; what was kept and left out for programs to read.
TEST_F(CliTest, TracksAreKeptAsAskedAndToldInJson) {
    const QString film = home.filePath("film.mkv");
    ASSERT_TRUE(test::MakeFilmLikeSource(film));
    const QString preset = "Computer and TV/H.264 / AAC (most players)";
    const Result every = Run({"--json", "--preset", preset, "--output-folder", "every", film});
    ASSERT_EQ(every.status, 0) << every.err.toStdString();
    const QJsonObject kept = JsonLines(every.out).value(0);
    EXPECT_EQ(kept.value("tracks").toObject(),
              (QJsonObject{{"video", 1}, {"audio", 2}, {"subtitle", 2}, {"cover", 1}, {"font", 0}}));
    const QJsonArray leftOut = kept.value("left_out").toArray();
    ASSERT_EQ(leftOut.size(), 2);
    EXPECT_EQ(leftOut[0].toObject(),
              (QJsonObject{{"kind", "picture subtitle"},
                           {"language", "eng"},
                           {"reason", "MP4 cannot hold picture subtitles"}}));
    EXPECT_EQ(leftOut[1].toObject().value("kind"), "font");
    EXPECT_TRUE(leftOut[1].toObject().value("language").isNull());

    // As the encoder always did: one sound, at most one subtitle.
    const Result first =
        Run({"--tracks", "first", "--preset", preset, "--output-folder", "first", film});
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains("1 audio track (fra): one track of each kind is kept"))
        << first.out.toStdString();
    const QList<test::ProbedTrack> tracks = test::ProbeTracks(home.filePath("first/film.mp4"));
    EXPECT_EQ(test::CountTracks(tracks, "video"), 1);
    EXPECT_EQ(test::CountTracks(tracks, "audio"), 1);
    EXPECT_LE(test::CountTracks(tracks, "subtitle"), 1);
    EXPECT_EQ(Run({"--tracks", "some", film}).status, 2);
}

TEST_F(CliTest, VerifyAndKeepDatesAreTakenAtTheirWord) {
    const QString clip = Clip("clip.mkv");
    const QDateTime old(QDate(1999, 12, 31), QTime(23, 59, 58), QTimeZone::utc());
    QFile source(clip);
    ASSERT_TRUE(source.open(QIODevice::ReadWrite));
    ASSERT_TRUE(source.setFileTime(old, QFileDevice::FileModificationTime));
    source.close();
    const Result result =
        Run({"--verify", "--keep-dates", "--preset", kPreset, "--output-folder", "out", clip});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(QFileInfo(home.filePath("out/clip.avi")).lastModified().toUTC(), old);
    EXPECT_EQ(Outputs(), QStringList{"clip.avi"});
}

}  // namespace
}  // namespace reelwright
