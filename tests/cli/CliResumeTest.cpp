#include "CliFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QMap>
#include <QProcessEnvironment>

#include <csignal>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace reelwright {
namespace {

// Each input's status in a --json run, by the input's file name.
QMap<QString, QString> Statuses(const QList<QJsonObject>& objects) {
    QMap<QString, QString> statuses;
    for (const QJsonObject& object : objects) {
        if (object.contains("input")) {
            statuses[QFileInfo(object["input"].toString()).fileName()] =
                object["status"].toString();
        }
    }
    return statuses;
}

using Map = QMap<QString, QString>;

// Two inputs whose results would share a name, and a file of the name of a third's result that
// this program never made: only a result made from an input counts as that input's, on the
// first run and on every one after.
TEST_F(CliTest, OnlyAResultMadeFromAnInputCountsAsItsOwn) {
    QDir(home.path()).mkpath("in");
    QDir(home.path()).mkpath("out");
    const QString xMkv = Clip("in/x.mkv", 0.4);
    const QString xMp4 = Clip("in/x.mp4", 0.4);
    const QString y = Clip("in/y.mkv", 0.4);
    QFile::copy(y, home.filePath("out/y.avi"));  // someone else's file at y's plain name
    const QStringList run{"--json", "--jobs", "1",  "--skip-existing", "--preset",
                          kPreset,  "--output-folder", "out", xMkv,     xMp4, y};
    const Result first = Run(run);
    EXPECT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_EQ(Statuses(JsonLines(first.out)),
              (Map{{"x.mkv", "converted"}, {"x.mp4", "converted"}, {"y.mkv", "converted"}}));
    const QStringList made = Outputs();
    EXPECT_EQ(made.size(), 4) << made.join(' ').toStdString();
    for (int again = 0; again < 2; ++again) {
        const Result rerun = Run(run);
        EXPECT_EQ(rerun.status, 0) << rerun.err.toStdString();
        EXPECT_EQ(Statuses(JsonLines(rerun.out)),
                  (Map{{"x.mkv", "skipped"}, {"x.mp4", "skipped"}, {"y.mkv", "skipped"}}));
        EXPECT_EQ(Outputs(), made);
    }
    // A source changed since is not the one its result was made from.
    ASSERT_TRUE(test::MakeClip(xMp4, 0.6));
    const Result changed = Run(run);
    EXPECT_EQ(Statuses(JsonLines(changed.out)),
              (Map{{"x.mkv", "skipped"}, {"x.mp4", "converted"}, {"y.mkv", "skipped"}}));
}

// The README's promise: rerun over a folder that gets its results, nothing more is made.
TEST_F(CliTest, RunsIntoTheFolderTheyReadTakeNoResultForANewVideo) {
    QDir(home.path()).mkpath("v");
    Clip("v/clip.mp4", 0.4);
    const QStringList skipping{"--json", "--same-folder", "--skip-existing", "--preset", kPreset,
                               "v"};
    const Result first = Run(skipping);
    EXPECT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_EQ(Statuses(JsonLines(first.out)), (Map{{"clip.mp4", "converted"}}));
    for (int again = 0; again < 2; ++again) {
        const Result rerun = Run(skipping);
        EXPECT_EQ(rerun.status, 0) << rerun.err.toStdString();
        EXPECT_EQ(Statuses(JsonLines(rerun.out)), (Map{{"clip.mp4", "skipped"}}));
    }
    EXPECT_EQ(Outputs("v"), (QStringList{"clip.avi", "clip.mp4"}));
    // Asked to convert again, it converts its input, never its own result.
    const Result anew = Run({"--json", "--same-folder", "--preset", kPreset, "v"});
    EXPECT_EQ(Statuses(JsonLines(anew.out)), (Map{{"clip.mp4", "converted"}}));
    EXPECT_EQ(Outputs("v").size(), 3) << Outputs("v").join(' ').toStdString();
}

struct LocklessCase {
    const char* name;
    const char* preload;
};

class LocklessFolders : public CliTest, public testing::WithParamInterface<LocklessCase> {};

// Three runs of one list at once into a folder where nothing locks (as a network share without
// a lock manager): each input is converted once, nothing hidden is left, the folder is said once
// by each run, and a rerun converts nothing.
TEST_P(LocklessFolders, ConvertEachInputOnceAndLeaveNothingHidden) {
    QDir(home.path()).mkpath("in");
    QStringList inputs;
    QStringList expected;
    for (int i = 1; i <= 5; ++i) {
        inputs << Clip(QString("in/clip%1.mkv").arg(i), 0.4);
        expected << QString("clip%1.avi").arg(i);
    }
    const QStringList arguments = QStringList{"--json", "--jobs", "1", "--skip-existing",
                                              "--preset", kPreset, "--output-folder", "out"} +
                                  inputs;
    const auto lockless = [this, &arguments] {
        std::unique_ptr<QProcess> run = Program(arguments);
        QProcessEnvironment environment = run->processEnvironment();
        environment.insert("LD_PRELOAD", GetParam().preload);
        environment.insert("ASAN_OPTIONS", "verify_asan_link_order=0:" +
                                               environment.value("ASAN_OPTIONS"));
        run->setProcessEnvironment(environment);
        return run;
    };
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 0; i < 3; ++i) {
        runs.push_back(lockless());
        runs.back()->start();
    }
    for (const auto& run : runs) {
        ASSERT_TRUE(run->waitForFinished(300000));
        const QString err = QString::fromUtf8(run->readAllStandardError());
        EXPECT_EQ(run->exitCode(), 0) << err.toStdString();
        EXPECT_LE(err.count("does not keep file locks"), 1) << err.toStdString();
        EXPECT_FALSE(err.contains("claim")) << err.toStdString();
    }
    QStringList results;
    for (const QString& name : Outputs()) {
        EXPECT_FALSE(name.startsWith(".reelwright-claim-") || name.startsWith(".reelwright-held-") ||
                     name.startsWith(".reelwright-nolock-"))
            << name.toStdString();
        if (!name.startsWith('.')) {
            results << name;
        }
    }
    EXPECT_EQ(results, expected);
    std::unique_ptr<QProcess> rerun = lockless();
    rerun->start();
    ASSERT_TRUE(rerun->waitForFinished(300000));
    for (const QString& status :
         Statuses(JsonLines(QString::fromUtf8(rerun->readAllStandardOutput())))) {
        EXPECT_EQ(status, "skipped");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, LocklessFolders,
    testing::Values(LocklessCase{"WithoutLocks", NOLOCKS_PATH},
                    LocklessCase{"WithoutLocksOrAttributes", NOLOCKS_PATH ":" NOATTRIBUTES_PATH}),
    [](const testing::TestParamInfo<LocklessCase>& info) { return info.param.name; });

// A drop folder served by a user with more rights than those who drop: only the regular files
// in it are taken; a link (to a file the dropper could not read, or to any file at all), a pipe
// or a device is said, once, with why, and never opened.
TEST_F(CliTest, AWatchedFolderTakesOnlyTheRegularFilesInIt) {
    QDir(home.path()).mkpath("in");
    QDir(home.path()).mkpath("private");
    const QString secret = Clip("private/secret.mkv", 0.4);
    ASSERT_TRUE(QFile::link(secret, home.filePath("in/link.mkv")));
    ASSERT_TRUE(QFile::link("/etc/passwd", home.filePath("in/passwd.mkv")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(home.filePath("in/pipe.mkv")).constData(), 0644), 0);
    const bool device =
        ::mknod(QFile::encodeName(home.filePath("in/null.mkv")).constData(), S_IFCHR | 0644,
                makedev(1, 3)) == 0;
    Clip("in/clip.mkv", 0.4);
    const auto watch = Program({"--watch", "in", "--output-folder", "out", "--preset", kPreset});
    QString out;
    QString err;
    const auto said = [&] {
        watch->waitForReadyRead(20);  // QProcess reads the pipe only when asked to wait
        out += QString::fromUtf8(watch->readAllStandardOutput());
        err += QString::fromUtf8(watch->readAllStandardError());
        return out;
    };
    watch->start();
    ASSERT_TRUE(watch->waitForStarted(30000));
    ASSERT_TRUE(WaitFor([&] { return said().contains("clip.mkv: Complete"); })) << out.toStdString();
    ASSERT_TRUE(WaitFor([&] {
        said();
        return err.contains("pipe.mkv: not taken") && err.contains("passwd.mkv: not taken");
    })) << err.toStdString();
    ::kill(static_cast<pid_t>(watch->processId()), SIGTERM);
    ASSERT_TRUE(watch->waitForFinished(60000));
    said();
    EXPECT_EQ(watch->exitCode(), 143);
    EXPECT_EQ(err.count("link.mkv: not taken: a link"), 1) << err.toStdString();
    EXPECT_EQ(err.count("pipe.mkv: not taken: not a regular file"), 1) << err.toStdString();
    if (device) {
        EXPECT_EQ(err.count("null.mkv: not taken: not a regular file"), 1) << err.toStdString();
    }
    EXPECT_FALSE(out.contains("link.mkv") || out.contains("passwd") || out.contains("pipe.mkv"))
        << out.toStdString();
    EXPECT_EQ(Outputs(), QStringList{"clip.avi"});
}

}  // namespace
}  // namespace reelwright
