// reelwright-cli as the user's service that watches a folder: what it says when the folder is
// not there, and the unit that runs it. The real program with the real encoder.
#include "CliFixture.h"

#include "common/CaseName.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <csignal>

namespace reelwright {
namespace {

struct UnwatchableCase {
    const char* name;
    const char* folder;  // relative to the home folder
    const char* why;
};

class UnwatchableFolders : public CliTest, public testing::WithParamInterface<UnwatchableCase> {};

// The service's journal is its error output: it names the folder and why, and the run ends as a
// failure, which the unit retries a few times.
TEST_P(UnwatchableFolders, AreNamedWithTheReasonAndFail) {
    QFile(home.filePath("notes.txt")).open(QIODevice::WriteOnly);
    const QString folder = home.filePath(GetParam().folder);
    const Result result =
        Run({"--watch", folder, "--output-folder", home.filePath("out"), "--preset", kPreset});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "reelwright-cli: " + folder + ": " + GetParam().why + "\n");
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UnwatchableFolders,
    testing::Values(UnwatchableCase{"Missing", "Incoming", "no such folder to watch"},
                    UnwatchableCase{"MissingWithItsParent", "gone/Incoming",
                                    "no such folder to watch"},
                    UnwatchableCase{"AFile", "notes.txt", "not a folder, so it cannot be watched"},
                    UnwatchableCase{"UnderAFile", "notes.txt/Incoming", "no such folder to watch"}),
    test::CaseName<UnwatchableCase>);

// A watched folder that goes (a disk unmounted) is said once and waited for; back, it is
// watched as before.
TEST_F(CliTest, AWatchedFolderThatGoesIsSaidAndWaitedFor) {
    const QString watched = home.filePath("Incoming");
    ASSERT_TRUE(QDir().mkpath(watched));
    const auto drop = [&](const QString& name) {
        return test::MakeClip(home.filePath("made.mkv"), 0.5, "64x48") &&
               QFile::rename(home.filePath("made.mkv"), watched + "/" + name);
    };
    ASSERT_TRUE(drop("first.mkv"));
    const auto watch = Program({"--watch", watched, "--output-folder", "out", "--preset", kPreset});
    QString out;
    QString err;
    const auto heard = [&] {
        watch->waitForReadyRead(20);  // QProcess reads the pipes only when asked to wait
        out += QString::fromUtf8(watch->readAllStandardOutput());
        err += QString::fromUtf8(watch->readAllStandardError());
        return true;
    };
    watch->start();
    ASSERT_TRUE(watch->waitForStarted(30000));
    // Once a file is converted the watch is under way.
    ASSERT_TRUE(WaitFor([&] { return heard() && out.contains("first.mkv: Complete"); }))
        << out.toStdString() << err.toStdString();
    ASSERT_TRUE(QDir(watched).removeRecursively());
    const QString gone =
        "reelwright-cli: " + watched + ": no such folder to watch; waiting for it to come back\n";
    ASSERT_TRUE(WaitFor([&] { return heard() && err.contains(gone); })) << err.toStdString();
    ASSERT_TRUE(QDir().mkpath(watched));
    const QString back = "reelwright-cli: " + watched + ": the watched folder is back\n";
    ASSERT_TRUE(WaitFor([&] { return heard() && err.contains(back); })) << err.toStdString();
    ASSERT_TRUE(drop("dropped.mkv"));
    ASSERT_TRUE(WaitFor([&] { return heard() && out.contains("dropped.mkv: Complete"); }))
        << out.toStdString() << err.toStdString();
    ::kill(static_cast<pid_t>(watch->processId()), SIGTERM);
    ASSERT_TRUE(watch->waitForFinished(60000));
    EXPECT_EQ(watch->exitCode(), 143);
    heard();
    EXPECT_EQ(err, gone + back);
}

// The unit as shipped: a folder that stays missing gets a few tries, not tries for ever.
TEST(WatchUnit, GivesUpAfterAFewTries) {
    QFile file(UNIT_PATH);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString unit = QString::fromUtf8(file.readAll());
    const QString section = unit.section("[Service]", 0, 0);  // [Unit] and what comes before
    const auto value = [](const QString& text, const QString& key) {
        const QRegularExpression line("^" + key + "=(.*)$", QRegularExpression::MultilineOption);
        return line.match(text).captured(1);
    };
    EXPECT_EQ(value(unit, "Restart"), "on-failure");
    bool burst = false;
    EXPECT_GE(value(section, "StartLimitBurst").toInt(&burst), 2);
    EXPECT_LE(value(section, "StartLimitBurst").toInt(), 10);
    EXPECT_TRUE(burst) << "StartLimitBurst belongs in [Unit]";
    // The tries must fall within the interval for the limit to be reached at all.
    const QRegularExpression minutes("^(\\d+)min$");
    const QRegularExpression seconds("^(\\d+)s$");
    const int interval = minutes.match(value(section, "StartLimitIntervalSec")).captured(1).toInt();
    const int pause = seconds.match(value(unit, "RestartSec")).captured(1).toInt();
    ASSERT_GT(interval, 0) << "StartLimitIntervalSec in minutes, in [Unit]";
    ASSERT_GT(pause, 0) << "RestartSec in seconds";
    EXPECT_LT(pause * value(section, "StartLimitBurst").toInt(), interval * 60);

    const QString analyze = QStandardPaths::findExecutable("systemd-analyze");
    if (analyze.isEmpty()) {
        GTEST_SKIP() << "systemd-analyze is not installed: the unit's syntax is not checked";
    }
    QTemporaryDir dir;
    const QString instance = dir.filePath("reelwright-cli-watch@home-me-Incoming.service");
    QFile written(instance);
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write(QString(unit).replace("@REELWRIGHT_CLI@", REELWRIGHT_CLI_PATH).toUtf8());
    written.close();
    QProcess verify;
    verify.setProcessChannelMode(QProcess::MergedChannels);
    verify.start(analyze, {"verify", "--man=no", instance});
    ASSERT_TRUE(verify.waitForFinished(60000));
    const QString said = QString::fromUtf8(verify.readAll());
    EXPECT_EQ(verify.exitCode(), 0) << said.toStdString();
    EXPECT_TRUE(said.isEmpty()) << said.toStdString();
}

}  // namespace
}  // namespace reelwright
