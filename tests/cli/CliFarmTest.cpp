// reelwright-cli where runs overlap, lists come from pipes and programs read what it says: the
// real program with the real encoder on generated media.
#include "CliFixture.h"

#include "cli/CliOptions.h"
#include "cli/WatchedFolder.h"
#include "conversion/ResultClaim.h"
#include "formats/OwnPresets.h"

#include "common/CaseName.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

namespace reelwright {
namespace {

// The objects that tell of files, in the order they came.
QList<QJsonObject> FileObjects(const QList<QJsonObject>& objects) {
    QList<QJsonObject> files;
    for (const QJsonObject& object : objects) {
        if (object.contains("input")) {
            files << object;
        }
    }
    return files;
}

QJsonObject FileObject(const QList<QJsonObject>& objects, const QString& input) {
    for (const QJsonObject& object : FileObjects(objects)) {
        if (object["input"].toString() == input) {
            return object;
        }
    }
    ADD_FAILURE() << "no object for " << input.toStdString();
    return QJsonObject();
}

QJsonObject Summary(const QList<QJsonObject>& objects) {
    return objects.isEmpty() ? QJsonObject() : objects.last()["summary"].toObject();
}

TEST_F(CliTest, EachFileIsTimedFromItsOwnStart) {
    const QString shortClip = Clip("short.mkv", 1);
    const QString middle = Clip("middle.mkv", 2);
    const QString longClip = Clip("long.mkv", 40);
    QElapsedTimer wall;
    wall.start();
    const Result result = Run({"--json", "--jobs", "3", "--preset", kPreset, "--output-folder",
                               "out", shortClip, middle, longClip});
    const double wallSeconds = wall.elapsed() / 1000.0;
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QList<QJsonObject> objects = JsonLines(result.out);
    QHash<QString, double> seconds;
    for (const QJsonObject& file : FileObjects(objects)) {
        EXPECT_EQ(file["status"].toString(), "converted");
        seconds[file["input"].toString()] = file["seconds"].toDouble();
    }
    ASSERT_EQ(seconds.size(), 3);
    for (auto it = seconds.cbegin(); it != seconds.cend(); ++it) {
        EXPECT_GT(it.value(), 0.0) << it.key().toStdString();
        EXPECT_LE(it.value(), wallSeconds) << it.key().toStdString();
    }
    // Started together, the file with forty times the work takes the longest, by far.
    EXPECT_GT(seconds[longClip], seconds[shortClip]);
}

// Three runs of the README's parallel line, started together over one list into one folder.
TEST_F(CliTest, RunsThatOverlapConvertEachFileOnce) {
    QString example = ReadmeExample("| parallel ");
    example.replace("-S host1,host2,:", "-S :");
    example.replace("/shared/", home.filePath("shared") + "/");
    example.replace("reelwright-cli ", QString(REELWRIGHT_CLI_PATH) + " ");
    QDir().mkpath(home.filePath("shared/videos"));
    QStringList expected;
    for (int i = 1; i <= 10; ++i) {
        const QString name = QString("v%1").arg(i, 2, 10, QChar('0'));
        ASSERT_TRUE(test::MakeClip(home.filePath("shared/videos/" + name + ".mkv"), 1));
        expected << name + ".mp4";
    }
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 0; i < 3; ++i) {
        runs.push_back(Program({"-c", example}));
        runs.back()->setProgram("bash");
    }
    for (const auto& run : runs) {
        run->start();
    }
    for (const auto& run : runs) {
        ASSERT_TRUE(run->waitForFinished(300000));
        EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardError().toStdString();
    }
    EXPECT_EQ(Outputs("shared/out"), expected);
    for (const QString& name : expected) {
        EXPECT_TRUE(test::IsReadableMedia(home.filePath("shared/out/" + name)))
            << name.toStdString();
    }
}

TEST_F(CliTest, AFileAnotherRunIsConvertingIsLeftToIt) {
    const QString clip = Clip("clip.mkv");
    const QString plain = home.filePath("out/clip.avi");
    {
        const ResultClaim other(plain);  // this test process plays the other run
        ASSERT_TRUE(other.IsHeld());
        const Result json =
            Run({"--json", "--skip-existing", "--preset", kPreset, "--output-folder", "out", clip});
        EXPECT_EQ(json.status, 0) << json.err.toStdString();
        const QList<QJsonObject> objects = JsonLines(json.out);
        ASSERT_EQ(objects.size(), 2) << json.out.toStdString();
        EXPECT_EQ(objects[0]["status"].toString(), "elsewhere");
        EXPECT_EQ(objects[0]["result"].toString(), plain);
        EXPECT_EQ(Summary(objects)["elsewhere"].toInt(), 1);
        EXPECT_EQ(Summary(objects)["files"].toInt(), 1);

        const Result people =
            Run({"--skip-existing", "--preset", kPreset, "--output-folder", "out", clip});
        EXPECT_EQ(people.status, 0);
        EXPECT_EQ(people.out, clip + ": being converted elsewhere -> " + plain +
                                  "\n1 file: 0 converted, 0 failed, 1 being converted elsewhere\n");
        EXPECT_EQ(Outputs(), QStringList{QFileInfo(ResultClaim::PathFor(plain)).fileName()});

        // Without --skip-existing a result of its own is asked for, and given.
        const Result anyway = Run({"--preset", kPreset, "--output-folder", "out", clip});
        EXPECT_EQ(anyway.status, 0);
        EXPECT_TRUE(anyway.out.contains(": Complete -> " + plain)) << anyway.out.toStdString();
    }
    EXPECT_EQ(Outputs(), QStringList{"clip.avi"});
}

struct OnlyRefusalsCase {
    const char* name;
    QStringList inputs;  // relative to the home folder
    int status;
};

class ExitStatusOfRefusals : public CliTest,
                             public testing::WithParamInterface<OnlyRefusalsCase> {};

// However a refused file was named, a run that could take no file at all ends with 2.
TEST_P(ExitStatusOfRefusals, FollowsTheOneRule) {
    Clip("clip.mkv");
    QDir().mkpath(home.filePath("texts"));
    QDir().mkpath(home.filePath("mixed"));
    for (const char* text : {"notes.txt", "texts/notes.txt", "mixed/notes.txt"}) {
        QFile(home.filePath(text)).open(QIODevice::WriteOnly);
    }
    Clip("mixed/inside.mkv");
    const Result result = Run(QStringList{"--json", "--preset", kPreset, "--output-folder", "out"} +
                              GetParam().inputs);
    EXPECT_EQ(result.status, GetParam().status) << result.out.toStdString();
    EXPECT_EQ(Summary(JsonLines(result.out))["exit"].toInt(), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ExitStatusOfRefusals,
    testing::Values(OnlyRefusalsCase{"NamedTextFile", {"notes.txt"}, 2},
                    OnlyRefusalsCase{"FolderOfATextFile", {"texts"}, 2},
                    OnlyRefusalsCase{"MissingFile", {"gone.mkv"}, 2},
                    OnlyRefusalsCase{"NamedTwiceAndMissing", {"gone.mkv", "notes.txt"}, 2},
                    OnlyRefusalsCase{"NamedTextFileBesideAVideo", {"notes.txt", "clip.mkv"}, 1},
                    OnlyRefusalsCase{"FolderOfATextFileAndAVideo", {"mixed"}, 0}),
    test::CaseName<OnlyRefusalsCase>);

struct PresetCase {
    const char* name;
    const char* given;
    const char* suggested;
};

class UnknownPresets : public CliTest, public testing::WithParamInterface<PresetCase> {};

TEST_P(UnknownPresets, NameTheClosestAcrossCategories) {
    const QString clip = Clip("clip.mkv", 1);
    const Result result = Run({"--preset", GetParam().given, clip});
    EXPECT_EQ(result.status, 2);
    const QStringList lines = result.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2) << result.err.toStdString();
    EXPECT_TRUE(lines.mid(1).contains(QString("  ") + GetParam().suggested))
        << result.err.toStdString();
    EXPECT_TRUE(Outputs().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnknownPresets,
    testing::Values(
        PresetCase{"LabelWord", "VP9", "Web/VP9 / Opus (WebM)"},
        PresetCase{"LabelWordWithoutItsDot", "h264", "Computer and TV/H.264 / AAC, best quality"},
        PresetCase{"PartOfALabel", "prores", "Editing and Archiving/ProRes 422 (MOV)"},
        PresetCase{"ContainerInALabel", "WebM", "Web/VP9 / Opus (WebM)"},
        PresetCase{"WrongCategory", "Phones/VP9 / Opus (WebM)", "Web/VP9 / Opus (WebM)"}),
    test::CaseName<PresetCase>);

TEST_F(CliTest, AListOfNamesComesFromAFileOrAPipe) {
    QDir().mkpath(home.filePath("sub dir"));
    const QString a = Clip("a.mkv", 1);
    const QString b = Clip("sub dir/b c.mkv", 1);
    const QString d = Clip("d.mkv", 1);
    QFile list(home.filePath("list.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    // Relative and full names; blank lines are nothing.
    list.write("a.mkv\n\nsub dir/b c.mkv\n" + QFile::encodeName(d) + "\n");
    list.close();
    const Result fromFile = Run({"--json", "--jobs", "1", "--preset", kPreset, "--output-folder",
                                 "out", "--files-from", "list.txt"});
    EXPECT_EQ(fromFile.status, 0) << fromFile.err.toStdString();
    QStringList inputs;
    for (const QJsonObject& file : FileObjects(JsonLines(fromFile.out))) {
        inputs << file["input"].toString();
    }
    EXPECT_EQ(inputs, (QStringList{a, b, d}));

    // NUL-ended names from the standard input, beside a file named: any name at all.
    const QString odd = Clip("new\nline\tand tab.mkv", 1);
    const Result fromPipe = Run({"--json", "--jobs", "1", "--preset", kPreset, "--output-folder",
                                 "piped", "--files-from=-", "--null", a},
                                QFile::encodeName(odd) + '\0' + "sub dir/b c.mkv" + '\0');
    EXPECT_EQ(fromPipe.status, 0) << fromPipe.err.toStdString();
    const QList<QJsonObject> objects = JsonLines(fromPipe.out);
    EXPECT_EQ(Summary(objects)["converted"].toInt(), 3) << fromPipe.out.toStdString();
    EXPECT_EQ(FileObject(objects, odd)["result"].toString(),
              home.filePath("piped/new\nline\tand tab.avi"));
    EXPECT_EQ(Outputs("piped"), (QStringList{"a.avi", "b c.avi", "new\nline\tand tab.avi"}));

    // An empty list is nothing to convert.
    EXPECT_EQ(Run({"--preset", kPreset, "--files-from", "-"}, "\n\n").status, 2);
}

TEST_F(CliTest, ADryRunTellsWhatWouldBeDoneAndWritesNothing) {
    const QString a = Clip("a.mkv", 1);
    const QString x = Clip("x.mkv", 1);
    const QString xMov = Clip("x.mov", 1);
    const QString junk = home.filePath("junk.avi");
    ASSERT_TRUE(test::MakeRandomFile(junk, 64 * 1024));
    const QString notes = home.filePath("notes.txt");
    QFile(notes).open(QIODevice::WriteOnly);
    const Result result = Run({"--dry-run", "--json", "--preset", kPreset, "--output-folder", "new",
                               a, x, xMov, notes, junk});
    EXPECT_EQ(result.status, 1);  // as the run would: a file named is refused, one unreadable
    const QList<QJsonObject> objects = JsonLines(result.out);
    EXPECT_EQ(FileObject(objects, a)["status"].toString(), "would-convert");
    EXPECT_EQ(FileObject(objects, a)["result"].toString(), home.filePath("new/a.avi"));
    // Two inputs of one name get the names the run would give them.
    EXPECT_EQ(FileObject(objects, x)["result"].toString(), home.filePath("new/x.avi"));
    EXPECT_EQ(FileObject(objects, xMov)["result"].toString(), home.filePath("new/x_Converted.avi"));
    EXPECT_EQ(FileObject(objects, notes)["status"].toString(), "refused");
    EXPECT_EQ(FileObject(objects, junk)["status"].toString(), "unreadable");
    const QJsonObject summary = Summary(objects);
    EXPECT_EQ(summary["would_convert"].toInt(), 3);
    EXPECT_EQ(summary["unreadable"].toInt(), 1);
    EXPECT_EQ(summary["refused"].toInt(), 1);
    EXPECT_EQ(summary["converted"].toInt(), 0);
    // Nothing written: no folder, no logs, no hidden files.
    EXPECT_FALSE(QFileInfo::exists(home.filePath("new")));
    EXPECT_FALSE(QFileInfo::exists(home.filePath(".local")));
    EXPECT_TRUE(
        QDir(home.path()).entryList({".reelwright-*"}, QDir::Files | QDir::Hidden).isEmpty());

    // With --skip-existing: what is there, and what another run holds.
    QFile(home.filePath("out/a.avi")).open(QIODevice::WriteOnly);
    MadeFrom(home.filePath("out/a.avi"), a);
    const ResultClaim other(home.filePath("out/x.avi"));
    ASSERT_TRUE(other.IsHeld());
    const QStringList before = Outputs();
    const Result resumed =
        Run({"--dry-run", "--skip-existing", "--preset", kPreset, "--output-folder", "out", a, x});
    EXPECT_EQ(resumed.status, 0);
    EXPECT_EQ(resumed.out, a + ": already converted -> " + home.filePath("out/a.avi") + "\n" + x +
                               ": being converted elsewhere -> " + home.filePath("out/x.avi") +
                               "\n2 files: 0 would convert, 1 already converted, 1 being "
                               "converted elsewhere\n");
    EXPECT_EQ(Outputs(), before);
}

TEST_F(CliTest, PresetsAreListedAsObjectsForPrograms) {
    const Result text = Run({"--list-presets"});
    const Result json = Run({"--list-presets", "--json"});
    ASSERT_EQ(json.status, 0);
    const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
    const QList<QJsonObject> presets = JsonLines(json.out);
    ASSERT_EQ(presets.size(), lines.size());
    for (qsizetype i = 0; i < presets.size(); ++i) {
        const QJsonObject& preset = presets[i];
        const QStringList extensions = preset["extensions"].toVariant().toStringList();
        EXPECT_EQ(preset["category"].toString() + "/" + preset["label"].toString() + "\t" +
                      extensions.join(','),
                  lines[i]);
        const QJsonObject parameters = preset["parameters"].toObject();
        EXPECT_EQ(parameters.keys().size(), extensions.size()) << lines[i].toStdString();
        for (const QString& extension : extensions) {
            EXPECT_FALSE(parameters[extension].toString().isEmpty()) << lines[i].toStdString();
        }
    }
    const QJsonObject& most = presets[1];
    EXPECT_EQ(most["label"].toString(), "H.264 / AAC (most players)");
    EXPECT_EQ(most["extensions"].toArray(), (QJsonArray{"mp4", "mkv", "mov"}));
    EXPECT_TRUE(most["parameters"]["mov"].toString().contains("-c:v libx264"));
}

// A program can tell the user's own presets from the shipped ones, also a shipped preset the
// user gave a container of their own.
TEST_F(CliTest, PresetsListedAsObjectsSayWhichAreTheUsersOwn) {
    const QString path = home.filePath(".local/share/reelwright/presets.xml");
    for (const PresetEntry& entry :
         {PresetEntry{"Small", "-c:v libx264 -c:a copy", "mkv", "Mine"},
          PresetEntry{"Small", "-c:v libx264 -c:a aac", "mp4", "Mine"},
          PresetEntry{"VP9 / Opus (WebM)", "-c:v libvpx-vp9 -c:a libopus", "mkv", "Web"}}) {
        bool replaced = false;
        QString error;
        ASSERT_TRUE(OwnPresets::Add(path, entry, &replaced, &error)) << error.toStdString();
    }
    const Result result = Run({"--list-presets", "--json"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    QHash<QString, QJsonObject> presets;
    for (const QJsonObject& preset : JsonLines(result.out)) {
        presets.insert(preset["category"].toString() + "/" + preset["label"].toString(), preset);
        EXPECT_TRUE(preset["own"].isBool()) << preset["label"].toString().toStdString();
        EXPECT_TRUE(preset["own_extensions"].isArray()) << preset["label"].toString().toStdString();
    }
    const QJsonObject mine = presets.value("Mine/Small");
    EXPECT_EQ(mine["own"], true);
    EXPECT_EQ(mine["own_extensions"].toArray(), (QJsonArray{"mkv", "mp4"}));
    const QJsonObject mixed = presets.value("Web/VP9 / Opus (WebM)");
    EXPECT_EQ(mixed["extensions"].toArray(), (QJsonArray{"webm", "mkv"}));
    EXPECT_EQ(mixed["own"], false);
    EXPECT_EQ(mixed["own_extensions"].toArray(), QJsonArray{"mkv"});
    const QJsonObject shipped = presets.value("Computer and TV/H.264 / AAC (most players)");
    EXPECT_EQ(shipped["own"], false);
    EXPECT_TRUE(shipped["own_extensions"].toArray().isEmpty());
}

TEST_F(CliTest, ProgressIsToldForProgramsAtMostOnceASecond) {
    const QString clip = home.filePath("long.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 20, "640x480"));
    const Result result =
        Run({"--json", "--progress", "--preset", "Computer and TV/H.264 / AAC, best quality",
             "--output-folder", "out", clip});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QList<QJsonObject> objects = JsonLines(result.out);
    QList<QJsonObject> progress;
    for (const QJsonObject& object : objects) {
        if (object.contains("progress")) {
            EXPECT_EQ(object.keys(), QStringList{"progress"});
            progress << object["progress"].toObject();
        }
    }
    const QJsonObject file = FileObject(objects, clip);
    ASSERT_FALSE(progress.isEmpty()) << result.out.toStdString();
    // One a second, and the one that ends the file.
    EXPECT_LE(progress.size(), static_cast<int>(file["seconds"].toDouble()) + 2);
    EXPECT_EQ(progress.last()["percent"].toDouble(), 100.0);
    for (qsizetype i = 0; i < progress.size(); ++i) {
        const QJsonObject& now = progress[i];
        EXPECT_EQ(now["input"].toString(), clip);
        EXPECT_GE(now["percent"].toDouble(), 0.0);
        EXPECT_LE(now["percent"].toDouble(), 100.0);
        EXPECT_GE(now["done"].toDouble(), 0.0);
        EXPECT_LE(now["done"].toDouble(), 20.5);
        EXPECT_TRUE(now.contains("left") && now.contains("speed"));
        if (i > 0) {
            const QJsonObject& before = progress[i - 1];
            EXPECT_GE(now["percent"].toDouble(), before["percent"].toDouble());
            if (i + 1 < progress.size()) {
                EXPECT_GE(now["seconds"].toDouble() - before["seconds"].toDouble(), 0.99);
            }
        }
    }
    // Progress first, then the file's own object, then the summary.
    EXPECT_TRUE(objects[objects.size() - 2].contains("input"));
}

struct ProgressCase {
    const char* name;
    QStringList options;
    int files;
};

class ProgressEnd : public CliTest, public testing::WithParamInterface<ProgressCase> {};

// Each file's progress ends with one object at 100%, told when the file is done (not when the
// encoder reaches its end, which may be long before a check by decoding is over), and nothing
// of that file follows it.
TEST_P(ProgressEnd, IsOneHundredPercentOnceWhenTheFileIsDone) {
    QStringList clips;
    for (int i = 0; i < GetParam().files; ++i) {
        clips << home.filePath(QString("clip %1.mkv").arg(i));
        ASSERT_TRUE(test::MakeClip(clips.last(), 6, "320x240"));
    }
    const Result result =
        Run(QStringList{"--json", "--progress", "--preset", kPreset, "--output-folder", "out"} +
            GetParam().options + clips);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QList<QJsonObject> objects = JsonLines(result.out);
    for (const QString& clip : clips) {
        QList<QJsonObject> progress;
        QJsonObject file;
        for (const QJsonObject& object : objects) {
            const QJsonObject told = object["progress"].toObject();
            if (told["input"].toString() == clip) {
                EXPECT_TRUE(file.isEmpty()) << "progress after its file's end";
                progress << told;
            } else if (object["input"].toString() == clip) {
                file = object;
            }
        }
        ASSERT_FALSE(progress.isEmpty()) << result.out.toStdString();
        EXPECT_EQ(file["status"].toString(), "converted");
        int hundreds = 0;
        for (const QJsonObject& told : progress) {
            hundreds += told["percent"].toDouble() == 100.0 ? 1 : 0;
        }
        EXPECT_EQ(hundreds, 1) << result.out.toStdString();
        const QJsonObject& last = progress.last();
        EXPECT_EQ(last["percent"].toDouble(), 100.0) << result.out.toStdString();
        EXPECT_EQ(last["left"].toDouble(), 0.0);
        // Told as the file ended, by the file's own clock.
        EXPECT_EQ(last["seconds"].toDouble(), file["seconds"].toDouble());
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, ProgressEnd,
                         testing::Values(ProgressCase{"OneFile", {}, 1},
                                         ProgressCase{"CheckedByDecoding", {"--verify"}, 1},
                                         ProgressCase{"TwoAtOnce", {"--jobs", "2"}, 2}),
                         test::CaseName<ProgressCase>);

TEST_F(CliTest, AWatchedFolderConvertsWhatAppearsOnceItIsWhole) {
    QDir().mkpath(home.filePath("in"));
    const QString source = home.filePath("source.mkv");
    ASSERT_TRUE(test::MakeClip(source, 3));
    const auto watch = Program({"--watch", "in", "--output-folder", "out", "--preset", kPreset});
    QString out;
    const auto said = [&] {
        watch->waitForReadyRead(20);  // QProcess reads the pipe only when asked to wait
        out += QString::fromUtf8(watch->readAllStandardOutput());
        return out;
    };
    watch->start();
    ASSERT_TRUE(watch->waitForStarted(30000));

    // Written slowly, in three pieces with pauses longer than the time a file must stay
    // unchanged, and held open throughout: never taken half-way.
    QFile from(source);
    ASSERT_TRUE(from.open(QIODevice::ReadOnly));
    const QByteArray bytes = from.readAll();
    QFile to(home.filePath("in/slow.mkv"));
    ASSERT_TRUE(to.open(QIODevice::WriteOnly));
    const qsizetype piece = bytes.size() / 3 + 1;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        to.write(bytes.mid(at, piece));
        to.flush();
        QThread::msleep(WatchedFolder::kSettleMs + 3000);
        EXPECT_FALSE(said().contains("slow.mkv")) << out.toStdString();
        EXPECT_TRUE(Outputs().isEmpty()) << Outputs().join(", ").toStdString();
    }
    to.close();
    ASSERT_TRUE(WaitFor([&] { return said().contains("slow.mkv: Complete"); }))
        << out.toStdString();

    // Then more: a video, a text file, and a half-made hidden one.
    ASSERT_TRUE(QFile::copy(source, home.filePath("in/.b.mkv.part")));
    QFile(home.filePath("in/notes.txt")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::copy(source, home.filePath("in/b.mkv")));
    ASSERT_TRUE(WaitFor([&] { return said().contains("b.mkv: Complete"); })) << out.toStdString();

    ::kill(static_cast<pid_t>(watch->processId()), SIGTERM);
    ASSERT_TRUE(watch->waitForFinished(60000));
    EXPECT_EQ(watch->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(watch->exitCode(), 143);
    said();
    EXPECT_EQ(out.count("slow.mkv: converting"), 1) << out.toStdString();
    EXPECT_TRUE(out.contains(home.filePath("in/notes.txt") + ": refused: not a video file (.txt)"));
    EXPECT_FALSE(out.contains(".b.mkv.part")) << out.toStdString();
    EXPECT_TRUE(out.endsWith("3 files: 2 converted, 0 failed, 1 refused\n")) << out.toStdString();
    EXPECT_EQ(Outputs(), (QStringList{"b.avi", "slow.avi"}));
    EXPECT_TRUE(test::IsReadableMedia(home.filePath("out/slow.avi")));
}

// The README's examples for these options, taken from the README itself and run as pasted.
class ReadmeExamples : public CliTest {
  protected:
    // The example's command, with the program that was built and this test's folders.
    QString AsHere(QString example) const {
        example.replace("/shared/", home.filePath("shared") + "/");
        example.replace("reelwright-cli ", QString(REELWRIGHT_CLI_PATH) + " ");
        return example;
    }
    // A folder of holiday videos: one already converted to WebM, a note, one to convert.
    void Holiday(double seconds = 1) const {
        QDir().mkpath(home.filePath("holiday"));
        QDir().mkpath(home.filePath("webm"));
        EXPECT_TRUE(test::MakeClip(home.filePath("holiday/beach.mkv"), seconds));
        EXPECT_TRUE(test::MakeClip(home.filePath("holiday/sunset.mkv"), seconds, "320x240"));
        QFile(home.filePath("holiday/notes.txt")).open(QIODevice::WriteOnly);
        QFile(home.filePath("webm/beach.webm")).open(QIODevice::WriteOnly);
        MadeFrom(home.filePath("webm/beach.webm"), home.filePath("holiday/beach.mkv"));
    }
};

TEST_F(ReadmeExamples, ADryRunSaysWhatTheReadmeShows) {
    Holiday();
    const QStringList block = ReadmeExample("$ reelwright-cli --dry-run", true).split('\n');
    ASSERT_TRUE(block[0].startsWith("$ ")) << block[0].toStdString();
    const Result result = Shell(AsHere(block[0].mid(2)));
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    QString expected = block.mid(1).join('\n') + '\n';
    expected.replace("/home/me/", home.path() + "/");
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(Outputs("webm"), QStringList{"beach.webm"});
}

TEST_F(ReadmeExamples, PresetsAsObjectsGoThroughJq) {
    const Result result = Shell(AsHere(ReadmeExample("--list-presets --json |")));
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(
        result.out.split('\n', Qt::SkipEmptyParts),
        (QStringList{"H.264 / AAC, quick start (MP4)", "H.264 720p / AAC for upload",
                     "VP9 / Opus (WebM)", "AV1 / Opus (WebM)", "VP8 / Vorbis (older browsers)"}));
}

TEST_F(ReadmeExamples, ProgressGoesThroughJqAsItComes) {
    Holiday(6);
    QFile::remove(home.filePath("webm/beach.webm"));
    QString example = ReadmeExample("--json --progress", true);
    example = example.mid(example.indexOf("reelwright-cli --json --progress"));
    const Result result = Shell("set -o pipefail; " + AsHere(example));
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    static const QRegularExpression kLine(
        QString(R"(^[0-9.]+% %1/holiday/(beach|sunset)\.mkv, ([0-9.]+|\?)s left$)")
            .arg(QRegularExpression::escape(home.path())));
    for (const QString& line : lines) {
        EXPECT_TRUE(kLine.match(line).hasMatch()) << line.toStdString();
    }
    EXPECT_EQ(Outputs("webm"), (QStringList{"beach.webm", "sunset.webm"}));
}

TEST_F(ReadmeExamples, FindPipesEveryNameIn) {
    QDir().mkpath(home.filePath("shared/videos/deeper"));
    const QStringList names{"a.mkv", "two words.mkv", "new\nline.mkv", "deeper/b.mkv"};
    for (const QString& name : names) {
        ASSERT_TRUE(test::MakeClip(home.filePath("shared/videos/" + name), 1));
    }
    const QString example = AsHere(ReadmeExample("--files-from - --null", true));
    ASSERT_TRUE(example.startsWith("find ")) << example.toStdString();
    const Result result = Shell(example);
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(Outputs("shared/out"),
              (QStringList{"a.mp4", "b.mp4", "new\nline.mp4", "two words.mp4"}));
    // Once more: everything is there already.
    const Result again = Shell(example);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(Outputs("shared/out").size(), 4);
    EXPECT_EQ(again.out.count(": already converted -> "), 4) << again.out.toStdString();
}

TEST_F(ReadmeExamples, AWatchedFolderRunsUntilStopped) {
    QDir().mkpath(home.filePath("Incoming"));
    const QString example = ReadmeExample("reelwright-cli --watch ");
    const auto watch = Program({"-c", "exec " + AsHere(example)});
    watch->setProgram("bash");
    watch->start();
    ASSERT_TRUE(watch->waitForStarted(30000));
    ASSERT_TRUE(test::MakeClip(home.filePath("Incoming/dropped.mkv"), 2));
    // The result under its name: the claim on that name comes before it and is no result.
    EXPECT_TRUE(WaitFor([&] {
        return Outputs("Incoming/Converted").contains("dropped.mp4") &&
               Temporaries("Incoming/Converted").isEmpty();
    }));
    ::kill(static_cast<pid_t>(watch->processId()), SIGTERM);
    ASSERT_TRUE(watch->waitForFinished(60000));
    EXPECT_EQ(watch->exitCode(), 143) << watch->readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(watch->readAllStandardOutput());
    EXPECT_TRUE(out.endsWith("1 file: 1 converted, 0 failed\n")) << out.toStdString();
    // The format the window saves at first.
    EXPECT_EQ(Outputs("Incoming/Converted"), QStringList{"dropped.mp4"});
}

struct CompletionCase {
    const char* name;
    QStringList words;  // the command line so far, the last word being completed
    QStringList expected;
};

class Completion : public CliTest {
  protected:
    // What the completion offers for the last of `words`, each on a line of `out`.
    Result Complete(const QStringList& words) const {
        // As bash calls it: the words, the one under the cursor (without an opening quote),
        // the one before it.
        return Shell(
            "source \"$1\"; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
            "word=${COMP_WORDS[COMP_CWORD]}; word=${word#[\\\"\\']}; "
            "_reelwright_cli \"$0\" \"$word\" \"${COMP_WORDS[COMP_CWORD - 1]}\"; "
            "printf '%s\\n' \"${COMPREPLY[@]}\"",
            QStringList{COMPLETION_PATH, "reelwright-cli"} + words);
    }
};

class BashCompletion : public Completion, public testing::WithParamInterface<CompletionCase> {};

TEST_P(BashCompletion, OffersWhatFitsTheWord) {
    for (const char* name : {"clip one.mkv", "o.mkv", "--odd.mkv"}) {
        QFile(home.filePath(name)).open(QIODevice::WriteOnly);
    }
    const Result result = Complete(GetParam().words);
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.split('\n', Qt::SkipEmptyParts), GetParam().expected)
        << result.out.toStdString();
}

// An option the program takes and the completion does not offer (or the other way round) is
// found here, from the very tables the command line is read by.
TEST_F(Completion, OffersEveryOptionTheProgramTakes) {
    const Result result = Complete({"--"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    QStringList offered = result.out.split('\n', Qt::SkipEmptyParts);
    QStringList taken = CliOptions::Names() << "--";
    offered.sort();
    taken.sort();
    EXPECT_EQ(offered, taken);
}

INSTANTIATE_TEST_SUITE_P(
    Words, BashCompletion,
    testing::Values(CompletionCase{"Option", {"--pre"}, {"--preset"}},
                    CompletionCase{"Options",
                                   {"--s"},
                                   {"--same-folder", "--skip-existing", "--smaller-to-fit"}},
                    CompletionCase{"Jobs", {"--jobs", "a"}, {"auto"}},
                    CompletionCase{"Tracks", {"--tracks", ""}, {"all", "first"}},
                    CompletionCase{"TracksAfterAnEqualsSign", {"--tracks", "=", "f"}, {"first"}},
                    CompletionCase{"SwitchesOfLate", {"--k"}, {"--keep-dates"}},
                    CompletionCase{"Verify", {"--ve"}, {"--verify", "--version"}},
                    CompletionCase{"PresetQuotedForTheShell",
                                   {"--preset", "Web/VP"},
                                   {"Web/VP9\\ /\\ Opus\\ \\(WebM\\)",
                                    "Web/VP8\\ /\\ Vorbis\\ \\(older\\ browsers\\)"}},
                    CompletionCase{"PresetInAnOpenQuote",
                                   {"--preset", "\"Editing and Archiving/Pro"},
                                   {"Editing and Archiving/ProRes 422 (MOV)",
                                    "Editing and Archiving/ProRes 422 HQ (MOV)"}},
                    CompletionCase{"PresetAfterAnEqualsSign",
                                   {"--preset", "=", "Audio\\ Only/F"},
                                   {"Audio\\ Only/FLAC\\ lossless"}},
                    CompletionCase{"Extension", {"--extension", "mk"}, {"mkv"}},
                    CompletionCase{"FileWithASpace", {"cl"}, {"clip one.mkv"}},
                    CompletionCase{"FileAfterAQuotedSpace", {"clip\\ o"}, {"clip one.mkv"}},
                    CompletionCase{"FoldersOnly", {"--output-folder", "o"}, {"out"}},
                    CompletionCase{"FilesAfterTheDashes", {"--", "--o"}, {"--odd.mkv"}}),
    test::CaseName<CompletionCase>);

}  // namespace
}  // namespace reelwright
