#include "batch/BatchDriver.h"
#include "conversion/OutputNaming.h"
#include "batch/PowerOff.h"
#include "conversion/RunLog.h"
#include "engine/CVideoConv.h"
#include "engine/UnendedProcesses.h"
#include "joblist/JobList.h"

#include "common/CaseName.h"
#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <csignal>

namespace reelwright {
namespace {

const char* kConverts = "print Press [q] to stop, [?] for help\\n\nprint time=1.00 x\noutput 64\n";

// A batch over a job list whose files are scenarios for the scripted encoder.
class BatchDriverTest : public testing::Test {
  protected:
    void SetUp() override {
        list.SetProbe([](const QString&) { return true; });
        list.SetLengthReader([](const QString& path) {
            return path.contains("broken") ? QStringLiteral("01:02")
                   : path.contains("long") ? QStringLiteral("00:10:00")
                                           : QStringLiteral("00:00:02");
        });
        list.InitJobList();
        QDir(folder.Path()).mkpath("out");
    }
    void AddRow(const QString& name, const QString& status, const QString& script = kConverts) {
        QString path = folder.Scenario(name + ".mpg", script);
        ASSERT_TRUE(list.AddFile2Grid(path));
        list.Store()->SetStatus(list.Store()->RecordCount() - 1, status);
    }
    QString Status(int row) const { return list.Store()->Row(row).status; }
    TextColor StatusColor(int row) const {
        return list.Store()->Row(row).textColors[JobRow::Status];
    }

    // Everything in the output folder, hidden files too.
    QStringList OutputFolder() const {
        return QDir(folder.FilePath("out")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    test::FakeEncoderFolder folder;
    test::RecordingNotifier notifier;
    JobList list;
    QStringList skipOutputFor;
    QString outputFolder = folder.FilePath("out");
    std::function<void()> onOutputPath;
    FormatParameters parameters{QStringLiteral("-c:v mpeg4"), QString()};
    BatchDriver batch{list,
                      {[] { return QStringLiteral("avi"); },
                       [this](const QString& input, const QString& type) {
                           if (onOutputPath) {
                               onOutputPath();
                           }
                           if (skipOutputFor.contains(QFileInfo(input).baseName())) {
                               OutputPathResult none;
                               none.problem = OutputPathResult::Problem::NoFreeName;
                               return none;
                           }
                           return ChooseOutputPath(input, type, {false, outputFolder});
                       },
                       [this] { return parameters; }}};
};

TEST_F(BatchDriverTest, ConvertsOnlyWaitingAndCancelledRows) {
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Complete");
    AddRow("c", "Cancelled");
    AddRow("d", "Error");
    AddRow("e", "Unkown Format");
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Complete");
    EXPECT_EQ(StatusColor(0), BatchDriver::kSuccessColor);
    EXPECT_EQ(Status(1), "Complete");
    EXPECT_FALSE(StatusColor(1).has_value());
    EXPECT_EQ(Status(2), "Complete");
    EXPECT_EQ(Status(3), "Error");
    EXPECT_EQ(Status(4), "Unkown Format");
    EXPECT_TRUE(QFileInfo::exists(folder.FilePath("out/a.avi")));
    EXPECT_TRUE(QFileInfo::exists(folder.FilePath("out/c.avi")));
    EXPECT_FALSE(QFileInfo::exists(folder.FilePath("out/b.avi")));
    EXPECT_FALSE(batch.IsConverting());
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

TEST_F(BatchDriverTest, ConvertSelectedTakesOnlyCheckedRows) {
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Waiting Conversion");
    EXPECT_FALSE(batch.RunBatch(true));
    EXPECT_EQ(Status(0), "Waiting Conversion");
    list.Store()->SetCheckBox(1, -1);
    EXPECT_TRUE(batch.RunBatch(true));
    EXPECT_EQ(Status(0), "Waiting Conversion");
    EXPECT_EQ(Status(1), "Complete");
}

TEST_F(BatchDriverTest, ARowWithoutAnOutputNameEndsInErrorAndTheWalkGoesOn) {
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Cancelled");
    AddRow("c", "Waiting Conversion");
    skipOutputFor << "a"
                  << "b";
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Error");
    EXPECT_EQ(StatusColor(0), BatchDriver::kFailureColor);
    EXPECT_FALSE(list.Store()->Row(0).reason.isEmpty());
    EXPECT_EQ(Status(1), "Error");
    EXPECT_EQ(Status(2), "Complete");
    EXPECT_EQ(batch.LastSummary().failed, 2);
    EXPECT_EQ(batch.LastSummary().converted, 1);
}

TEST_F(BatchDriverTest, AnOutputFolderThatCannotBeMadeIsToldOnceAndConvertsNothing) {
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Waiting Conversion");
    outputFolder = folder.FilePath("missing/parent/out");
    test::RecordingPower power;
    EXPECT_FALSE(batch.RunBatch(false));  // nothing reached the encoder: no power-off follows
    EXPECT_EQ(Status(0), "Error");
    EXPECT_EQ(Status(1), "Error");
    EXPECT_EQ(notifier.Texts(), QStringList{"Output Folder is not exist and can not be created."});
}

TEST_F(BatchDriverTest, OptionsThatCannotBeMadeConvertNothingAndAreToldOnce) {
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Waiting Conversion");
    parameters = {std::nullopt, QStringLiteral("The audio bit rate \"x\" is not a number.")};
    EXPECT_FALSE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Error");
    EXPECT_EQ(Status(1), "Error");
    EXPECT_EQ(list.Store()->Row(1).reason, parameters.error);
    EXPECT_EQ(notifier.Texts(),
              QStringList{"Error occured while getting paramters\r\n" + parameters.error});
    EXPECT_TRUE(OutputFolder().isEmpty());
}

TEST_F(BatchDriverTest, AResultAppearsUnderItsNameOnlyWhenWhole) {
    AddRow("a", "Waiting Conversion",
           "print Press [q] to stop, [?] for help\\n\noutput 64\nprint time=00:00:01.00 b\n"
           "sleep 200\nprint time=00:00:02.00 b\n");
    AddRow("b", "Waiting Conversion",
           "print Press [q] to stop, [?] for help\\n\noutput 64\nexit 1\n");
    QStringList duringRun;
    QObject::connect(list.Store(), &QAbstractItemModel::dataChanged, [&] {
        if (Status(0) == "50") {
            duringRun = OutputFolder();
        }
    });
    EXPECT_TRUE(batch.RunBatch(false));
    // While converting, only a hidden file of the same type exists.
    ASSERT_EQ(duringRun.size(), 1);
    EXPECT_TRUE(duringRun[0].startsWith(".reelwright-")) << duringRun[0].toStdString();
    EXPECT_TRUE(duringRun[0].endsWith(".avi"));
    EXPECT_EQ(Status(0), "Complete");
    EXPECT_EQ(list.Store()->Row(0).outputPath, folder.FilePath("out/a.avi"));
    // The failed one leaves nothing behind.
    EXPECT_EQ(Status(1), "Error");
    EXPECT_EQ(OutputFolder(), QStringList{"a.avi"});
}

TEST_F(BatchDriverTest, ANameTakenWhileConvertingIsLeftAloneAndTheNextIsGiven) {
    AddRow("a", "Waiting Conversion");
    QObject::connect(&batch, &BatchDriver::FileStarted, [&] {
        QFile other(folder.FilePath("out/a.avi"));
        other.open(QIODevice::WriteOnly);
        other.write("another program's");
    });
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Complete");
    EXPECT_EQ(list.Store()->Row(0).outputPath, folder.FilePath("out/a_Converted.avi"));
    QFile kept(folder.FilePath("out/a.avi"));
    kept.open(QIODevice::ReadOnly);
    EXPECT_EQ(kept.readAll(), "another program's");
    EXPECT_EQ(OutputFolder(), (QStringList{"a.avi", "a_Converted.avi"}));
}

// A copy still arriving, or a file saved anew, while it converts: the encoder may have read
// half of it, so its result is no result of the file that is there now.
TEST_F(BatchDriverTest, ASourceThatChangesWhileItConvertsLeavesNoResult) {
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Waiting Conversion");
    QObject::connect(&batch, &BatchDriver::FileStarted, [&](int row) {
        if (row == 0) {
            QFile source(list.Store()->Row(row).filePath);
            ASSERT_TRUE(source.open(QIODevice::Append));
            source.write("\n");
        }
    });
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Error");
    EXPECT_TRUE(list.Store()->Row(0).reason.contains("changed while it was converted"))
        << list.Store()->Row(0).reason.toStdString();
    EXPECT_EQ(Status(1), "Complete");
    EXPECT_EQ(OutputFolder(), QStringList{"b.avi"});
}

TEST_F(BatchDriverTest, AFailedFileEndsInRedAndTheNextIsConverted) {
    AddRow("a", "Waiting Conversion", "print no encoding here\\n\nexit 1\n");
    AddRow("b", "Waiting Conversion");
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Error");
    EXPECT_EQ(StatusColor(0), BatchDriver::kFailureColor);
    EXPECT_EQ(Status(1), "Complete");
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("Error converting file: a.mpg\r\n"));
}

TEST_F(BatchDriverTest, ProgressAndStatusEventsAreWrittenIntoTheRow) {
    AddRow("a", "Waiting Conversion",
           "print Press [q] to stop, [?] for help\\n\nprint time=1.00 x\nsleep 300\nprint "
           "size=N/A\noutput 9\n");
    QStringList seen;
    QObject::connect(list.Store(), &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& cell, const QModelIndex&, const QList<int>& roles) {
                         if (cell.column() == JobRow::Status && roles.contains(Qt::DisplayRole)) {
                             seen << list.Store()->Row(cell.row()).status;
                         }
                     });
    batch.RunBatch(false);
    // 1 of 2 seconds is 50 %.
    EXPECT_EQ(seen, (QStringList{"Starting...", "50", "Complete"}));
}

TEST_F(BatchDriverTest, AStopEndsTheFileCancelledAndLeavesTheRestWaiting) {
    AddRow("a", "Waiting Conversion",
           "print Press [q] to stop, [?] for help\\n\nprint time=1.00 x\nsleep 20000\noutput 9\n");
    AddRow("b", "Waiting Conversion");
    QObject::connect(list.Store(), &QAbstractItemModel::dataChanged, [&](const QModelIndex& cell) {
        if (cell.row() == 0 && list.Store()->Row(0).status == "50") {
            batch.RequestStop();
        }
    });
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Cancelled");
    EXPECT_EQ(StatusColor(0), BatchDriver::kFailureColor);
    EXPECT_EQ(Status(1), "Waiting Conversion");
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(BatchDriverTest, AStopWhileTheNextNameIsChosenStartsNoFurtherFile) {
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Waiting Conversion");
    onOutputPath = [&] {
        if (Status(0) == "Complete") {
            batch.RequestStop();
        }
    };
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Complete");
    EXPECT_EQ(Status(1), "Waiting Conversion");
    EXPECT_EQ(OutputFolder(), QStringList{"a.avi"});
}

TEST_F(BatchDriverTest, AStopBeforeTheEncoderStartsIsNeverLost) {
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Waiting Conversion");
    // The second click of a double click arrives in the yield before the encoder starts.
    bool clicked = false;
    test::ScopedYield yield([&] {
        if (!clicked && batch.IsConverting()) {
            clicked = true;
            batch.RequestStop();
        }
    });
    EXPECT_FALSE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Cancelled");
    EXPECT_EQ(Status(1), "Waiting Conversion");
    EXPECT_TRUE(OutputFolder().isEmpty());
    // The stop belonged to that batch: the next one runs.
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(1), "Complete");
}

TEST_F(BatchDriverTest, WithoutAnEncoderTheBatchSaysSoOnceAndLeavesTheList) {
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Waiting Conversion");
    test::ScopedEmptyPath noEncoderOnPath;
    folder.Remove("ffmpeg");
    EXPECT_FALSE(batch.RunBatch(false));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.contains("sudo apt install ffmpeg"));
    EXPECT_EQ(Status(0), "Waiting Conversion");
    EXPECT_EQ(Status(1), "Waiting Conversion");
}

TEST_F(BatchDriverTest, QuietFailuresStayOnTheirRows) {
    AddRow("a", "Waiting Conversion", "print Unknown encoder 'x'\\n\nexit 1\n");
    batch.SetQuietFailures(true);
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Error");
    EXPECT_TRUE(list.Store()->Row(0).reason.startsWith("This ffmpeg has no encoder \"x\""));
    EXPECT_EQ(batch.LastSummary().failedFiles, QStringList{list.Store()->Row(0).filePath});
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(BatchDriverTest, TheTimeLeftFallsAsTheEncoderGoesOnAndEachRunIsLogged) {
    AddRow("a", "Waiting Conversion",
           "print Press [q] to stop, [?] for help\\n\n"
           "print frame=  1 time=00:00:00.50 bitrate=1 speed=0.5x \\r\nsleep 100\n"
           "print frame=  2 time=00:00:01.00 bitrate=1 speed=0.5x \\r\nsleep 100\n"
           "print frame=  3 time=00:00:01.50 bitrate=1 speed=0.5x \\r\noutput 64\n"
           "print frame=  4 time=00:00:02.00 bitrate=1 speed=0.5x \\r\n");
    AddRow("b", "Waiting Conversion");
    double now = 0;
    batch.SetClock([&now] { return now; });
    std::vector<double> batchLeft;
    QStringList notes;
    QObject::connect(&batch, &BatchDriver::Advanced, [&] {
        if (const auto left = batch.Progress().BatchSecondsLeft()) {
            batchLeft.push_back(*left);
        }
        notes << list.Store()->Row(0).progressNote;
    });
    EXPECT_TRUE(batch.RunBatch(false));
    // Two files of 2 s at half speed: 7 s, then 6, then 5 ... of the batch left.
    ASSERT_GE(batchLeft.size(), 3u);
    EXPECT_DOUBLE_EQ(batchLeft.front(), 7);
    EXPECT_TRUE(std::is_sorted(batchLeft.rbegin(), batchLeft.rend()));
    EXPECT_TRUE(notes.contains("0:03 left for this file, 0:07 for the batch, 0.5x real time"))
        << notes.join(" | ").toStdString();
    // Done: the note goes, the log stays.
    const JobRow& row = list.Store()->Row(0);
    EXPECT_TRUE(row.progressNote.isEmpty());
    ASSERT_FALSE(row.logPath.isEmpty());
    EXPECT_TRUE(row.logPath.startsWith(RunLog::Folder()));
    QFile log(row.logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    EXPECT_TRUE(text.contains("Press [q] to stop"));
    EXPECT_TRUE(text.contains("time=00:00:02.00"));
    EXPECT_TRUE(row.outputTail.contains("time=00:00:02.00"));
}

// A machine whose load comes and goes: each second the encoder does 1x, then 0.5x, then 2x,
// ten seconds each, and says so. The row's time left counts down with the work; a halved or
// doubled speed moves it by little more than its second (no 10:00 to 20:00 and back).
TEST_F(BatchDriverTest, TheTimeLeftOfAnEncoderWhoseSpeedHalvesAndDoublesMovesLittle) {
    QString script = "print Press [q] to stop, [?] for help\\n\n";
    std::vector<double> reached{0};  // the video converted by the end of each second
    for (int second = 0; second < 60; ++second) {
        const double speed = std::array{1.0, 0.5, 2.0}[static_cast<std::size_t>(second / 10 % 3)];
        reached.push_back(reached.back() + speed);
        script += QString("print frame=%1 time=00:%2:%3 bitrate=1 speed=%4x \\r\nsleep 5\n")
                      .arg(second)
                      .arg(static_cast<int>(reached.back()) / 60, 2, 10, QChar('0'))
                      .arg(std::fmod(reached.back(), 60.0), 5, 'f', 2, QChar('0'))
                      .arg(speed);
    }
    AddRow("long", "Waiting Conversion", script + "output 64\n");
    // The encoder's own second for what it has converted, however its lines come in: on a busy
    // machine several may arrive at once.
    const auto now = [&] {
        const double converted = batch.Progress().Converted(0).value_or(0);
        return static_cast<double>(std::lower_bound(reached.begin(), reached.end(),
                                                    converted - 1e-6) -
                                   reached.begin());
    };
    batch.SetClock(now);
    std::vector<std::pair<double, int>> shown;  // the clock, and the seconds the row said
    QObject::connect(&batch, &BatchDriver::Advanced, [&] {
        const QRegularExpressionMatch said =
            QRegularExpression("^(\\d+):(\\d\\d) left for this file")
                .match(list.Store()->Row(0).progressNote);
        if (said.hasMatch()) {
            shown.emplace_back(now(), said.captured(1).toInt() * 60 + said.captured(2).toInt());
        }
    });
    EXPECT_TRUE(batch.RunBatch(false));
    ASSERT_GE(shown.size(), 10u);
    for (std::size_t i = 1; i < shown.size(); ++i) {
        const double seconds = shown[i].first - shown[i - 1].first;
        // Two seconds of video a second at most, at the 0.5x believed first; the belief's own
        // change; a second for the clock's rounding.
        const double most = 4 * seconds + shown[i - 1].second * 0.03 * seconds + 1;
        EXPECT_LE(std::abs(shown[i].second - shown[i - 1].second), most)
            << shown[i - 1].second << " then " << shown[i].second;
    }
}

QString LogOf(const JobRow& row) {
    QFile log(row.logPath);
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

// A log tells the whole story: the command to paste, each progress line, and how it ended.
TEST_F(BatchDriverTest, EachLogEndsWithTheOutcomeUnderTheResultsOwnName) {
    AddRow("whole", "Waiting Conversion",
           "print Press [q] to stop, [?] for help\\n\n"
           "print frame=  1 time=00:00:01.00 bitrate=1 \\r\n"
           "print frame=  2 time=00:00:02.00 bitrate=1 \\r\\n\noutput 64\n");
    AddRow("it's wrong", "Waiting Conversion",
           "print Press [q] to stop, [?] for help\\n\nprint No space left on device\\n\nexit 1\n");
    AddRow("stopped", "Waiting Conversion",
           "print Press [q] to stop, [?] for help\\n\nprint frame=  1 time=00:00:01.00 x\n"
           "sleep 20000\n");
    QObject::connect(list.Store(), &QAbstractItemModel::dataChanged, [this] {
        if (Status(2) == "50") {
            batch.RequestStop();
        }
    });
    batch.SetQuietFailures(true);
    batch.RunBatch(false);
    ASSERT_EQ((QStringList{Status(0), Status(1), Status(2)}),
              (QStringList{"Complete", "Error", "Cancelled"}));

    const QStringList whole = LogOf(list.Store()->Row(0)).split('\n');
    // The first line runs as it stands in a shell: quoted only where it must be.
    EXPECT_TRUE(whole[0].startsWith(QDir(folder.Path()).filePath("ffmpeg") + " -i "))
        << whole[0].toStdString();
    EXPECT_TRUE(whole.contains("frame=  1 time=00:00:01.00 bitrate=1 "));
    EXPECT_TRUE(whole.contains("frame=  2 time=00:00:02.00 bitrate=1 "));
    // The outcome, then what became of the tracks (the scripted encoder's input is no media).
    ASSERT_GE(whole.size(), 4);
    EXPECT_EQ(whole.mid(whole.size() - 4, 2),
              (QStringList{"Complete", "Result: " + list.Store()->Row(0).outputPath}));
    EXPECT_TRUE(whole[whole.size() - 2].startsWith("Tracks: Its tracks could not be read"))
        << whole[whole.size() - 2].toStdString();
    EXPECT_FALSE(whole.last(4).join(' ').contains(".reelwright-"));

    const QStringList broken = LogOf(list.Store()->Row(1)).split('\n');
    EXPECT_TRUE(broken[0].contains("'" + folder.FilePath("it'\\''s wrong.mpg") + "'"))
        << broken[0].toStdString();
    EXPECT_EQ(broken.mid(broken.size() - 3),
              (QStringList{"Error", "Reason: " + list.Store()->Row(1).reason, ""}));

    const QStringList stopped = LogOf(list.Store()->Row(2)).split('\n');
    // "Cancelled" on a line of its own, even after a progress line cut short.
    EXPECT_EQ(stopped.mid(stopped.size() - 4),
              (QStringList{"frame=  1 time=00:00:01.00 x", "", "Cancelled", ""}));
}

struct QuoteCase {
    const char* argument;
    const char* quoted;
};

class ShellQuoting : public testing::TestWithParam<QuoteCase> {};

TEST_P(ShellQuoting, GivesAShellTheArgumentBackUnchanged) {
    const QString quoted = RunLog::ShellQuoted(QString::fromUtf8(GetParam().argument));
    EXPECT_EQ(quoted, QString::fromUtf8(GetParam().quoted));
    QString echoed;
    ASSERT_EQ(test::RunProgram("/bin/sh", {"-c", "printf %s " + quoted}, &echoed), 0);
    EXPECT_EQ(echoed, QString::fromUtf8(GetParam().argument));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ShellQuoting,
    testing::Values(QuoteCase{"-c:v", "-c:v"}, QuoteCase{"/tmp/a,b.mkv", "/tmp/a,b.mkv"},
                    QuoteCase{"two words", "'two words'"}, QuoteCase{"it's", "'it'\\''s'"},
                    QuoteCase{"$HOME `x` \\ \"q\" *", "'$HOME `x` \\ \"q\" *'"},
                    QuoteCase{"日本語.mkv", "'日本語.mkv'"}, QuoteCase{"", "''"}),
    REELWRIGHT_NAMED_BY(argument));

TEST_F(BatchDriverTest, OnlyTheNewestLogsAreKept) {
    QDir(RunLog::Folder()).removeRecursively();
    QDir().mkpath(RunLog::Folder());
    for (int i = 0; i < RunLog::kKept + 5; ++i) {
        QFile(QDir(RunLog::Folder())
                  .filePath(QString("2000-01-01 00-00-%1 old.log").arg(i, 3, 10, QChar('0'))))
            .open(QIODevice::WriteOnly);
    }
    AddRow("a", "Waiting Conversion");
    EXPECT_TRUE(batch.RunBatch(false));
    const QStringList logs = QDir(RunLog::Folder()).entryList({"*.log"}, QDir::Files, QDir::Name);
    EXPECT_EQ(logs.size(), RunLog::kKept);
    EXPECT_TRUE(logs.last().endsWith(" a.mpg.log")) << logs.last().toStdString();  // the newest
    EXPECT_FALSE(logs.contains("2000-01-01 00-00-000 old.log"));
    for (const QString& old : logs) {
        QFile::remove(QDir(RunLog::Folder()).filePath(old));
    }
}

TEST_F(BatchDriverTest, ANewBatchIsRefusedWhileOneIsOnTheStack) {
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Waiting Conversion");
    int nested = 0;
    onOutputPath = [&] {
        // A stop and a new start arriving inside the running batch's yields.
        if (nested++ == 0) {
            EXPECT_FALSE(batch.RunBatch(false));
            list.Store()->SetCheckBox(1, 1);
            list.RemoveChecked();  // no row leaves while the batch runs
        }
    };
    EXPECT_TRUE(batch.RunBatch(false));
    ASSERT_EQ(list.Store()->RecordCount(), 2);
    EXPECT_EQ(Status(0), "Complete");
    EXPECT_EQ(Status(1), "Complete");
    list.RemoveChecked();
    EXPECT_EQ(list.Store()->RecordCount(), 1);
}

TEST_F(BatchDriverTest, AnUnreadableLengthEndsTheFileAsErrorAndTheWalkGoesOn) {
    AddRow("broken", "Waiting Conversion");
    AddRow("b", "Waiting Conversion");
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Error");
    EXPECT_EQ(StatusColor(0), BatchDriver::kFailureColor);
    EXPECT_FALSE(QFileInfo::exists(folder.FilePath("out/broken.avi")));
    EXPECT_EQ(Status(1), "Complete");
}

// Converting into a folder without locks: the user hears once what it means, and another
// copy tidying the folder meanwhile leaves the files being written alone.
TEST_F(BatchDriverTest, AFolderWithoutLocksIsToldOnceAndItsFilesAreLeftAlone) {
    test::NoLocks noLocks;
    AddRow("a", "Waiting Conversion");
    AddRow("b", "Waiting Conversion");
    QStringList written;
    QObject::connect(&batch, &BatchDriver::FileStarted, [&](int row) {
        written << list.Store()->Row(row).claim->temporary;
        EXPECT_EQ(noLocks.Pause([&] { return RemoveAbandonedTemporaries(outputFolder); }), 0);
        EXPECT_TRUE(QFileInfo::exists(written.last())) << written.last().toStdString();
    });
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(Status(0), "Complete");
    EXPECT_EQ(Status(1), "Complete");
    EXPECT_EQ(OutputFolder(), (QStringList{"a.avi", "b.avi"}));
    ASSERT_EQ(written.size(), 2);
    for (const QString& file : written) {
        EXPECT_TRUE(QFileInfo(file).fileName().startsWith(".reelwright-nolock-"))
            << file.toStdString();
    }
    ASSERT_EQ(notifier.messages.size(), 1u) << notifier.Texts().join("\n").toStdString();
    EXPECT_TRUE(notifier.messages[0].text.startsWith("The folder " + outputFolder +
                                                     " does not keep file locks"))
        << notifier.messages[0].text.toStdString();
}

struct DurationCase {
    const char* text;
    std::optional<float> seconds;
};

class DurationSeconds : public testing::TestWithParam<DurationCase> {};

TEST_P(DurationSeconds, ReadsHoursMinutesSeconds) {
    EXPECT_EQ(BatchDriver::DurationSeconds(GetParam().text), GetParam().seconds) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DurationSeconds,
    testing::Values(DurationCase{"01:02:03", 3723.0F}, DurationCase{"100:00:00", 360000.0F},
                    DurationCase{"00:00:05", 5.0F}, DurationCase{"Error", 0.0F},
                    DurationCase{"", 0.0F}, DurationCase{"01:02", std::nullopt},
                    DurationCase{"aa:bb:cc", std::nullopt},
                    // From a kept list: no length at all rather than one no video has.
                    DurationCase{"99999999999999999999999999:00:00", 0.0F},
                    DurationCase{"1e300:00:00", 0.0F}, DurationCase{"inf:00:00", 0.0F},
                    DurationCase{"2777:46:40", 1e7F}),
    REELWRIGHT_NAMED_BY(text));

TEST(PowerOff, ModesMapToTheLoginManagersActions) {
    EXPECT_EQ(PowerActionForMode(0), PowerAction::LogOff);
    EXPECT_EQ(PowerActionForMode(1), PowerAction::PowerOff);
    EXPECT_EQ(PowerActionForMode(2), PowerAction::Reboot);
    EXPECT_EQ(PowerActionForMode(8), PowerAction::PowerOff);
    EXPECT_EQ(PowerActionForMode(4), std::nullopt);
    test::RecordingPower power;
    ShutdownSystem(8);
    ShutdownSystem(3);
    EXPECT_EQ(power.actions, std::vector<PowerAction>{PowerAction::PowerOff});
}

}  // namespace
}  // namespace reelwright

namespace reelwright {
namespace {

const char* kSlow =
    "print Press [q] to stop, [?] for help\\n\nsleep 150\nprint time=00:00:01.00 speed=1.0x \\r\n"
    "sleep 150\nprint time=00:00:02.00 speed=1.0x \\r\noutput 64\n";

// Several files at once keep every promise one at a time makes.
class SeveralAtOnceTest : public BatchDriverTest {
  protected:
    void SetUp() override {
        BatchDriverTest::SetUp();
        batch.SetFilesAtOnce(2);
        QObject::connect(&batch, &BatchDriver::FileStarted, [this](int row) {
            running << row;
            most = std::max(most, static_cast<int>(running.size()));
            started << row;
        });
        QObject::connect(&batch, &BatchDriver::FileFinished, [this](int row) {
            running.removeAll(row);
            finished << row;
        });
    }
    QList<int> running;
    QList<int> started;
    QList<int> finished;
    int most = 0;
};

TEST_F(SeveralAtOnceTest, EachRowHasItsOwnStatusAndNoMoreThanTheChosenNumberRun) {
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        AddRow(name, "Waiting Conversion",
               name == QString("c") ? "print Press [q] to stop, [?] for help\\n\n"
                                      "print Unknown encoder 'x'\\n\nexit 1\n"
                                    : kSlow);
    }
    QSet<QString> statusesSeen;
    QObject::connect(list.Store(), &QAbstractItemModel::dataChanged, [&](const QModelIndex& cell) {
        statusesSeen << QString::number(cell.row()) + ":" + Status(cell.row());
    });
    batch.SetQuietFailures(true);
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(most, 2);
    EXPECT_EQ(started, (QList<int>{0, 1, 2, 3, 4}));  // started in the list's order
    EXPECT_EQ(finished.size(), 5);
    EXPECT_EQ((QStringList{Status(0), Status(1), Status(2), Status(3), Status(4)}),
              (QStringList{"Complete", "Complete", "Error", "Complete", "Complete"}));
    // The failure stays on its own row, with its own reason.
    EXPECT_TRUE(list.Store()->Row(2).reason.startsWith("This ffmpeg has no encoder \"x\""));
    for (const int row : {0, 1, 3, 4}) {
        EXPECT_TRUE(list.Store()->Row(row).reason.isEmpty()) << row;
        EXPECT_TRUE(statusesSeen.contains(QString::number(row) + ":50")) << row;
        EXPECT_EQ(StatusColor(row), BatchDriver::kSuccessColor);
    }
    EXPECT_EQ(StatusColor(2), BatchDriver::kFailureColor);
    EXPECT_EQ(OutputFolder(), (QStringList{"a.avi", "b.avi", "d.avi", "e.avi"}));
    EXPECT_EQ(batch.LastSummary().converted, 4);
    EXPECT_EQ(batch.LastSummary().failed, 1);
    EXPECT_FALSE(batch.IsConverting());
}

// Nobody at the machine: the first failure's box stays up, and the batch goes on under it.
TEST_F(SeveralAtOnceTest, AFailuresBoxHoldsNoFileAndTheNextBoxesComeOneAfterAnother) {
    const char* fails =
        "print Press [q] to stop, [?] for help\\n\nprint Unknown encoder 'x'\\n\nexit 1\n";
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        AddRow(name, "Waiting Conversion",
               name == QString("a") || name == QString("c") ? fails : kSlow);
    }
    notifier.holdTold = true;
    int waitedFor = 0;  // boxes that would have held the batch
    notifier.onShow = [&](const QString&) { ++waitedFor; };
    batch.SetFilesAtOnce(3);
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ(waitedFor, 0);
    EXPECT_EQ((QStringList{Status(0), Status(1), Status(2), Status(3), Status(4)}),
              (QStringList{"Error", "Complete", "Error", "Complete", "Complete"}));
    EXPECT_EQ(OutputFolder(), (QStringList{"b.avi", "d.avi", "e.avi"}));
    // The first box is still up; the second failure waits for it, and stays on its row.
    // The two failing files run side by side: either may fail first.
    ASSERT_EQ(notifier.told.size(), 1u);
    EXPECT_TRUE(list.Store()->Row(0).reason.startsWith("This ffmpeg has no encoder \"x\""));
    EXPECT_TRUE(list.Store()->Row(2).reason.startsWith("This ffmpeg has no encoder \"x\""));
    notifier.CloseBox();
    ASSERT_EQ(notifier.told.size(), 2u);
    QStringList named;
    for (const auto& box : notifier.told) {
        named << box.text.section(QStringLiteral("\r\n"), 0, 0);
    }
    named.sort();
    EXPECT_EQ(named, (QStringList{"Error converting file: a.mpg", "Error converting file: c.mpg"}));
    EXPECT_EQ(notifier.told[1].icon, MessageIcon::Error);
    notifier.CloseBox();
    EXPECT_FALSE(notifier.BoxUp());
    EXPECT_EQ(notifier.told.size(), 2u);
}

TEST_F(SeveralAtOnceTest, AStopEndsEveryRunningFileAndStartsNoOther) {
    for (const char* name : {"a", "b", "c"}) {
        AddRow(name, "Waiting Conversion",
               "print Press [q] to stop, [?] for help\\n\nprint time=00:00:01.00 x\n"
               "output 64\nsleep 20000\n");
    }
    QObject::connect(list.Store(), &QAbstractItemModel::dataChanged, [this] {
        if (Status(0) == "50" && Status(1) == "50") {
            batch.RequestStop();
        }
    });
    EXPECT_TRUE(batch.RunBatch(false));
    EXPECT_EQ((QStringList{Status(0), Status(1), Status(2)}),
              (QStringList{"Cancelled", "Cancelled", "Waiting Conversion"}));
    EXPECT_TRUE(OutputFolder().isEmpty()) << OutputFolder().join(", ").toStdString();
    EXPECT_EQ(started, (QList<int>{0, 1}));
    EXPECT_TRUE(notifier.messages.empty());
}

// A row the start check turns away is left as it was, one file at a time or several.
TEST_F(SeveralAtOnceTest, ARowTheStartCheckTurnsAwayIsLeftAsItWas) {
    for (const int atOnce : {1, 2}) {
        list.InitJobList();
        started.clear();
        finished.clear();
        for (const char* name : {"a", "b", "c"}) {
            AddRow(name, "Waiting Conversion", kSlow);
        }
        QStringList asked;
        batch.SetFilesAtOnce(atOnce);
        batch.SetStartCheck([&](int row, const QString& output, const ResultClaim*) {
            asked << QString::number(row) + " " + QFileInfo(output).fileName();
            return row != 1;
        });
        EXPECT_TRUE(batch.RunBatch(false));
        EXPECT_EQ(asked, (QStringList{"0 a.avi", "1 b.avi", "2 c.avi"})) << atOnce;
        EXPECT_EQ((QStringList{Status(0), Status(1), Status(2)}),
                  (QStringList{"Complete", "Waiting Conversion", "Complete"}))
            << atOnce;
        EXPECT_EQ(started, (QList<int>{0, 2})) << atOnce;
        EXPECT_EQ(finished.size(), 2) << atOnce;
        EXPECT_EQ(batch.LastSummary().converted, 2) << atOnce;
        for (const QString& name : OutputFolder()) {
            QFile::remove(folder.FilePath("out/" + name));
        }
    }
}

// Encoders that do not end when stopped (stuck on a hung network share): the batch ends all the
// same, each row says so, and what they half wrote goes once they have ended.
TEST_F(SeveralAtOnceTest, AStopOnEncodersThatDoNotEndLeavesThemAndEndsTheBatch) {
    for (const char* name : {"a", "b"}) {
        AddRow(name, "Waiting Conversion",
               "print Press [q] to stop, [?] for help\\n\nprint time=00:00:01.00 x\n"
               "output 64\nsleep 60000\n");
    }
    const UnendedProcesses::Ender ender = UnendedProcesses::InstallEnder([](QProcess&) {});
    QObject::connect(list.Store(), &QAbstractItemModel::dataChanged, [this] {
        if (Status(0) == "50" && Status(1) == "50") {
            batch.RequestStop();
        }
    });
    EXPECT_TRUE(batch.RunBatch(false));
    UnendedProcesses::InstallEnder(ender);
    QList<pid_t> stuck;
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(Status(row), "Cancelled");
        const QRegularExpressionMatch pid =
            QRegularExpression("\\(process (\\d+)\\) could not be stopped yet")
                .match(list.Store()->Row(row).reason);
        ASSERT_TRUE(pid.hasMatch()) << list.Store()->Row(row).reason.toStdString();
        stuck << static_cast<pid_t>(pid.captured(1).toLongLong());
        // Still running: the batch did not wait for it.
        EXPECT_EQ(::kill(stuck.last(), 0), 0);
    }
    EXPECT_EQ(UnendedProcesses::Count(), 2);
    EXPECT_EQ(OutputFolder().size(), 2) << "half-written files, left to their encoders";
    for (const pid_t pid : stuck) {
        ::kill(pid, SIGKILL);
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return UnendedProcesses::Count() == 0; }, 60000));
    EXPECT_TRUE(QTest::qWaitFor([this] { return OutputFolder().isEmpty(); }, 60000))
        << OutputFolder().join(", ").toStdString();
}

// Two files of one name converting at once are never given the same result's name.
TEST_F(SeveralAtOnceTest, RunningFilesReserveTheirNames) {
    QDir(folder.Path()).mkpath("x");
    QDir(folder.Path()).mkpath("y");
    for (const char* sub : {"x", "y"}) {
        QString path = folder.Scenario(QString(sub) + "/same.mpg", kSlow);
        ASSERT_TRUE(list.AddFile2Grid(path));
    }
    QStringList chosen;
    BatchDriver both{
        list,
        {[] { return QStringLiteral("avi"); },
         [&](const QString& input, const QString& type) {
             const OutputPathResult result = ChooseOutputPath(input, type, {false, outputFolder});
             chosen << QFileInfo(result.path).fileName();
             return result;
         },
         [this] { return parameters; }}};
    both.SetFilesAtOnce(2);
    EXPECT_TRUE(both.RunBatch(false));
    // The second was given its own name at once, not only when the first had taken the file.
    EXPECT_EQ(chosen, (QStringList{"same.avi", "same_Converted.avi"}));
    EXPECT_EQ(OutputFolder(), (QStringList{"same.avi", "same_Converted.avi"}));
    EXPECT_EQ(list.Store()->Row(0).outputPath, folder.FilePath("out/same.avi"));
    EXPECT_EQ(list.Store()->Row(1).outputPath, folder.FilePath("out/same_Converted.avi"));
    // Nothing reserved is left behind.
    EXPECT_FALSE(IsTakenName(folder.FilePath("out/other.avi")));
    QFile::remove(folder.FilePath("out/same.avi"));
    EXPECT_FALSE(IsTakenName(folder.FilePath("out/same.avi")));
}

struct AutoCase {
    const char* name;
    int cores;
    std::vector<double> lengths;
    const char* options;
    int expected;
};

class AutomaticFilesAtOnce : public testing::TestWithParam<AutoCase> {};

TEST_P(AutomaticFilesAtOnce, FollowsTheCoresTheLengthsAndTheEncoder) {
    const AutoCase& c = GetParam();
    EXPECT_EQ(BatchDriver::AutoFilesAtOnce(c.cores, c.lengths, QString::fromLatin1(c.options)),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Batches, AutomaticFilesAtOnce,
    testing::Values(AutoCase{"OneCore", 1, {2, 2, 2}, "-c:v libx264", 1},
                    AutoCase{"OneFile", 4, {2}, "-c:v libx264", 1},
                    AutoCase{"ShortClips", 2, {2, 2, 2, 60}, "-c:v libx264", 3},
                    AutoCase{"ShortClipsManyCores", 16, {2, 2, 2}, "-c:v libx264", 3},
                    AutoCase{"ShortClipsCapped", 32, std::vector<double>(40, 2.0), "-c:v libx264",
                             8},
                    AutoCase{"LongThreaded", 4, {60, 60, 600}, "-vcodec libx264 -acodec aac", 2},
                    AutoCase{"LongVp9", 4, {60, 60}, "-c:v libvpx-vp9 -row-mt 1", 2},
                    AutoCase{"LongSingleThreaded", 4, {60, 60, 60}, "-vcodec mpeg4 -acodec mp2", 3},
                    AutoCase{"UnknownLengths", 4, {0, 0, 0}, "-vcodec mpeg4", 2}),
    test::CaseName<AutoCase>);

}  // namespace
}  // namespace reelwright
