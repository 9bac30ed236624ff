#include "engine/DOSOutputs.h"

#include "common/Fakes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QThread>

#include <sys/resource.h>
#include <csignal>

namespace reelwright {
namespace {

using test::FakeEncoderFolder;
using test::RecordingNotifier;
using test::ScopedYield;

class DOSOutputsTest : public testing::Test {
  protected:
    QString Command(const QString& scenario) const {
        return QDir(folder.Path()).filePath("ffmpeg") + " -i \"" + scenario + "\"";
    }
    QStringList Run(DOSOutputs& runner, const QString& script, QString* result = nullptr) {
        QStringList pieces;
        QObject::connect(&runner, &DOSOutputs::ReceiveOutputs,
                         [&](const QString& piece) { pieces << piece; });
        const QString text = runner.ExecuteCommand(Command(folder.Scenario("s.txt", script)));
        if (result) {
            *result = text;
        }
        return pieces;
    }

    FakeEncoderFolder folder;
    RecordingNotifier notifier;
};

TEST_F(DOSOutputsTest, ASilentChildGivesOneEmptyPieceAndAnEmptyResult) {
    DOSOutputs runner;
    QString result = "unset";
    const QStringList pieces = Run(runner, "exit 0\n", &result);
    EXPECT_EQ(pieces, QStringList{""});
    EXPECT_EQ(result, "");
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(DOSOutputsTest, LongOutputArrivesInPiecesOfAtMost512WhoseSumIsTheResult) {
    DOSOutputs runner;
    QString result;
    const QStringList pieces =
        Run(runner, "bytes 1300 a\nstderr \\r\\nerror side\nbytes 700 b\n", &result);
    ASSERT_GE(pieces.size(), 5);
    for (const QString& piece : pieces) {
        EXPECT_LE(piece.size(), DOSOutputs::kReadSize);
    }
    EXPECT_EQ(pieces.last(), "");
    EXPECT_EQ(pieces.join(QString()), result);
    EXPECT_EQ(result, runner.Outputs());
    // Standard error arrives through the same channel.
    EXPECT_EQ(result, QString(1300, 'a') + "\r\nerror side" + QString(700, 'b'));
}

TEST_F(DOSOutputsTest, AFloodingChildLeavesOnlyTheLastMegabyteInMemory) {
    DOSOutputs runner;
    qint64 seen = 0;
    QObject::connect(&runner, &DOSOutputs::ReceiveOutputs,
                     [&](const QString& piece) { seen += piece.size(); });
    const QString text = runner.ExecuteCommand(
        Command(folder.Scenario("s.txt", "bytes 8000000 a\nprint the end\n")));
    EXPECT_EQ(seen, 8000000 + 7);
    EXPECT_EQ(text.size(), DOSOutputs::kKeptOutput);
    EXPECT_TRUE(text.endsWith("athe end"));
    EXPECT_EQ(runner.Outputs(), text);
}

TEST_F(DOSOutputsTest, TwelveYieldsFollowEveryReadBeforeItsPiece) {
    DOSOutputs runner;
    QStringList trace;
    ScopedYield yield([&] { trace << "y"; });
    QObject::connect(&runner, &DOSOutputs::ReceiveOutputs, [&](const QString&) { trace << "E"; });
    runner.ExecuteCommand(Command(folder.Scenario("s.txt", "bytes 1200 a\n")));
    const QString joined = trace.join(QString());
    int events = 0;
    for (qsizetype at = joined.indexOf('E'); at >= 0; at = joined.indexOf('E', at + 1)) {
        ++events;
        ASSERT_GE(at, 12);
        EXPECT_EQ(joined.mid(at - 12, 12), QString(12, 'y'));
    }
    EXPECT_GE(events, 4);  // three reads of 512, 512, 176 and the final empty read
}

TEST_F(DOSOutputsTest, AStopEndsTheChildAfterTheNextReadWithCancelledLast) {
    DOSOutputs runner;
    QStringList pieces;
    QObject::connect(&runner, &DOSOutputs::ReceiveOutputs, [&](const QString& piece) {
        pieces << piece;
        if (piece.contains("first")) {
            runner.SetStopConvert(true);
        }
    });
    const QString result = runner.ExecuteCommand(
        Command(folder.Scenario("s.txt", "print first\nsleep 20000\nprint never\n")));
    EXPECT_EQ(result, "");
    EXPECT_EQ(pieces, (QStringList{"first", "Cancelled"}));
    EXPECT_FALSE(runner.LastRunExitedNormally());
}

TEST_F(DOSOutputsTest, AStopWhileTheChildIsSilentEndsItWithoutWaitingForOutput) {
    DOSOutputs runner;
    bool printed = false;
    ScopedYield yield([&] {
        if (printed) {
            runner.SetStopConvert(true);
        }
    });
    QStringList pieces;
    QObject::connect(&runner, &DOSOutputs::ReceiveOutputs, [&](const QString& piece) {
        pieces << piece;
        printed = true;
    });
    const QString result = runner.ExecuteCommand(
        Command(folder.Scenario("s.txt", "print first\nsleep 20000\nprint never\n")));
    EXPECT_EQ(result, "");
    EXPECT_EQ(pieces, (QStringList{"first", "Cancelled"}));
}

TEST_F(DOSOutputsTest, ExecuteWithoutArgumentReusesTheCommandLineAndRecordsTheExitCode) {
    DOSOutputs runner;
    runner.SetCommandLine(Command(folder.Scenario("s.txt", "print hello\nexit 3\n")));
    EXPECT_EQ(runner.ExecuteCommand(), "hello");
    EXPECT_TRUE(runner.LastRunExitedNormally());
    EXPECT_EQ(runner.LastExitCode(), 3);
    EXPECT_EQ(runner.ExecuteCommand(), "hello");
}

TEST_F(DOSOutputsTest, FailuresToStartAreReportedAndGiveEmptyText) {
    DOSOutputs runner;
    EXPECT_EQ(runner.ExecuteCommand(), "");
    EXPECT_EQ(runner.ExecuteCommand(QDir(folder.Path()).filePath("missing") + " -i x"), "");
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_EQ(notifier.messages[0].text, "Command Line is empty");
    EXPECT_EQ(notifier.messages[1].text, "File or command not found");
    EXPECT_EQ(notifier.messages[1].icon, MessageIcon::Error);
    // Nothing is held after a failed start.
    runner.CleanUp();
    runner.CleanUp();
}

TEST_F(DOSOutputsTest, APipeThatCannotBeMadeIsReportedWithItsErrorCode) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizers need descriptors of their own for their checks";
#endif
    DOSOutputs runner;
    const QString command = Command(folder.Scenario("s.txt", "print x\n"));
    rlimit saved{};
    getrlimit(RLIMIT_NOFILE, &saved);
    // Leave no room for new descriptors.
    rlimit tight = saved;
    tight.rlim_cur = 3;
    setrlimit(RLIMIT_NOFILE, &tight);
    const QString result = runner.ExecuteCommand(command);
    setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(result, "");
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("CreatePipe failed. Error: "))
        << notifier.messages[0].text.toStdString();
}

TEST_F(DOSOutputsTest, DestroyingARunnerFromItsOwnEventEndsTheRunSafely) {
    auto runner = std::make_unique<DOSOutputs>();
    QStringList pieces;
    QObject::connect(runner.get(), &DOSOutputs::ReceiveOutputs, [&](const QString& piece) {
        pieces << piece;
        runner->CleanUp();  // the run is released from inside its own event
    });
    const QString result =
        runner->ExecuteCommand(Command(folder.Scenario("s.txt", "print one\nsleep 20000\n")));
    EXPECT_EQ(result, "one");
    EXPECT_EQ(pieces, QStringList{"one"});
}

TEST_F(DOSOutputsTest, TheChildDiesWithItsParent) {
    QProcess host;
    host.setProcessChannelMode(QProcess::MergedChannels);
    host.start(RUNNER_HOST_PATH, {Command(folder.Scenario("s.txt", "pid\nsleep 60000\n"))});
    ASSERT_TRUE(host.waitForStarted());
    QByteArray seen;
    while (!seen.contains("pid=") || !seen.contains('\n')) {
        ASSERT_TRUE(host.waitForReadyRead(20000)) << seen.constData();
        seen += host.readAll();
    }
    const qsizetype at = seen.indexOf("pid=") + 4;
    const int childPid = seen.mid(at, seen.indexOf('\n', at) - at).trimmed().toInt();
    ASSERT_GT(childPid, 0);
    ASSERT_EQ(::kill(childPid, 0), 0);
    ::kill(static_cast<pid_t>(host.processId()), SIGKILL);
    host.waitForFinished();
    // The kernel ends the orphan; it may take a moment to be reaped.
    const auto alive = [childPid] {
        QFile stat(QString("/proc/%1/stat").arg(childPid));
        return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z");
    };
    bool gone = !alive();
    for (int i = 0; i < 400 && !gone; ++i) {
        QThread::msleep(25);
        gone = !alive();
    }
    EXPECT_TRUE(gone);
}

}  // namespace
}  // namespace reelwright
