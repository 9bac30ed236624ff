// The kept list of 10,000 rows: bringing it back at start, and keeping it while a batch of 100
// two-second files converts three at once (the list written before each file's encoder starts,
// and as rows finish). For each, how long it takes and the longest time the event loop goes
// without a turn (a 10 ms timer records its latest tick); the batch is run twice, with the list
// written on the window's thread as it once was, and beside it, and the ratio told.
//
//   bench_keptqueue [ROWS] [FILES]
#include "PauseMeter.h"
#include "batch/BatchDriver.h"
#include "keptlist/KeptQueue.h"
#include "conversion/OutputNaming.h"
#include "keptlist/QueueKeeper.h"
#include "joblist/JobList.h"
#include "platform/Yield.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace reelwright;

namespace {

struct BatchRun {
    qint64 ms = 0;
    qint64 longestPause = 0;
    int converted = 0;
    int saves = 0;
};

// A list of `count` rows whose last `files` are the clips, converted three at once with the list
// kept as the window keeps it.
BatchRun ConvertKeeping(int count, const QStringList& clips, const QString& out, bool beside) {
    JobList list;
    list.InitJobList();
    QueueKeeper keeper(list);
    keeper.SetWritingBeside(beside);
    keeper.Restore();
    std::vector<JobRow> rows;
    for (int i = 0; i < count - clips.size(); ++i) {
        JobRow row;
        row.filePath = QStringLiteral("/videos/folder %1/converted clip %2.mkv").arg(i % 50).arg(i);
        row.status = QStringLiteral("Complete");
        row.outputPath = QStringLiteral("/videos/out/converted clip %1.mp4").arg(i);
        row.duration = QStringLiteral("00:01:30");
        row.lengthSeconds = 90.04;
        row.fileSize = QStringLiteral("12.5 MB");
        row.textColors[JobRow::Status] = BatchDriver::kSuccessColor;
        rows.push_back(row);
    }
    for (const QString& clip : clips) {
        JobRow row;
        row.filePath = clip;
        row.status = QStringLiteral("Waiting Conversion");
        row.duration = QStringLiteral("00:00:02");
        row.lengthSeconds = 2;
        row.fileSize = QStringLiteral("40 KB");
        rows.push_back(row);
    }
    list.Store()->AppendRows(std::move(rows));
    const QString options = QStringLiteral("-c:v mpeg4 -q:v 5 -c:a aac");
    BatchDriver batch(list, {[] { return QStringLiteral("mp4"); },
                             [&out](const QString& input, const QString& type) {
                                 return ChooseOutputPath(input, type, {false, out});
                             },
                             [&options] {
                                 return FormatParameters{options, QString()};
                             }});
    batch.SetFilesAtOnce(3);
    batch.SetQuietFailures(true);
    // Wired as the window wires it.
    QObject::connect(&batch, &BatchDriver::ClaimMade, &keeper, [&keeper, beside] {
        beside ? keeper.SaveNowKeepingTurns() : keeper.SaveNow();
    });
    const int before = keeper.SaveCount();
    PauseMeter pauses;
    QElapsedTimer timer;
    timer.start();
    pauses.Start();
    keeper.BatchStarted({options, QStringLiteral("mp4"), false, out},
                        batch.EligibleRowList(BatchDriver::Take::All));
    batch.RunBatch(BatchDriver::Take::All);
    keeper.BatchEnded();
    QCoreApplication::processEvents();
    pauses.Stop();
    BatchRun run;
    run.ms = timer.elapsed();
    run.longestPause = pauses.LongestMs();
    run.converted = batch.LastSummary().converted;
    run.saves = keeper.SaveCount() - before;
    return run;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int files = argc > 2 ? std::atoi(argv[2]) : 100;
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    QTemporaryDir media;
    KeptQueue kept;
    for (int i = 0; i < count; ++i) {
        JobRow row;
        row.filePath = media.filePath(QStringLiteral("folder %1/clip %2.mkv").arg(i % 50).arg(i));
        QDir().mkpath(QFileInfo(row.filePath).path());
        QFile(row.filePath).open(QIODevice::WriteOnly);
        row.status = i % 3 == 0 ? QStringLiteral("Complete") : QStringLiteral("Waiting Conversion");
        row.outputPath = i % 3 == 0 ? row.filePath : QString();
        row.duration = QStringLiteral("00:01:30");
        row.lengthSeconds = 90.04;
        row.fileSize = QStringLiteral("12.5 MB");
        row.inBatch = i % 2 == 0;
        kept.rows.push_back(row);
    }
    kept.batch = KeptQueue::Batch{QStringLiteral("-c:v libx264"), QStringLiteral("mp4"), false,
                                  media.filePath(QStringLiteral("out"))};
    kept.Save();
    std::printf("kept list of %d rows: %.1f MB\n", count,
                static_cast<double>(QFileInfo(KeptQueue::Path()).size()) / 1e6);

    QElapsedTimer reading;
    reading.start();
    const KeptQueue::Loaded loaded = KeptQueue::Load();
    std::printf("  reading and parsing it alone: %lld ms\n",
                static_cast<long long>(reading.elapsed()));

    JobList list;
    list.InitJobList();
    QueueKeeper keeper(list);
    PauseMeter pauses;
    qint64 restoreMs = 0;
    QueueKeeper::Restored restored;
    // Brought back as the window does at its start. Each turn the window is given is timed
    // from the one before, and the first and last from the restore's start and end.
    QElapsedTimer sinceTurn;
    qint64 longestTurn = 0;
    const auto previous = Yield::Install([&] {
        longestTurn = std::max(longestTurn, sinceTurn.restart());
        QCoreApplication::processEvents();
    });
    pauses.Start();
    QElapsedTimer timer;
    timer.start();
    sinceTurn.start();
    restored = keeper.Restore();
    restoreMs = timer.elapsed();
    longestTurn = std::max(longestTurn, sinceTurn.elapsed());
    QCoreApplication::processEvents();
    pauses.Stop();
    Yield::Install(previous);
    std::printf("restoring %d rows: %lld ms (%d rows back, %d left to convert)\n", count,
                static_cast<long long>(restoreMs), restored.rows, restored.left);
    std::printf("longest time between two turns of the event loop: %lld ms\n",
                static_cast<long long>(longestTurn));
    std::printf("longest event-loop pause (a 10 ms timer): %lld ms\n",
                static_cast<long long>(pauses.LongestMs()));

    // A batch over the list.
    QStringList clips;
    for (int i = 0; i < files; ++i) {
        clips << media.filePath(QStringLiteral("clips/clip %1.mkv").arg(i, 3, 10, QChar(u'0')));
    }
    QDir().mkpath(media.filePath(QStringLiteral("clips")));
    QProcess make;
    make.setProcessChannelMode(QProcess::ForwardedChannels);
    make.start(
        QStringLiteral("bash"),
        {QStringLiteral("-c"),
         QStringLiteral("ffmpeg -v error -f lavfi -i testsrc=duration=2:size=160x120:rate=25 "
                        "-f lavfi -i sine=duration=2 -c:v mpeg4 -c:a mp2 -y '%1/first.mkv' "
                        "&& for i in $(seq -f %03g 0 %2); do cp '%1/first.mkv' \"%1/clip "
                        "$i.mkv\"; done && rm '%1/first.mkv'")
             .arg(media.filePath(QStringLiteral("clips")))
             .arg(files - 1)});
    if (!make.waitForFinished(-1) || make.exitCode() != 0) {
        std::fprintf(stderr, "the clips could not be made\n");
        return 1;
    }
    std::printf("a batch of %d two-second files, three at once, in a list of %d rows:\n", files,
                count);
    std::vector<std::pair<const char*, BatchRun>> runs;
    for (const bool beside : {false, true}) {
        QTemporaryDir batchState;
        qputenv("XDG_STATE_HOME", QFile::encodeName(batchState.path()));
        const QString out =
            media.filePath(beside ? QStringLiteral("beside") : QStringLiteral("on"));
        const BatchRun run = ConvertKeeping(count, clips, out, beside);
        const char* how = beside ? "the list written beside the window"
                                 : "the list written on the window's thread";
        std::printf("  %s: %lld ms, %d converted, %d writes, longest event-loop pause %lld ms\n",
                    how, static_cast<long long>(run.ms), run.converted, run.saves,
                    static_cast<long long>(run.longestPause));
        runs.emplace_back(how, run);
    }
    std::printf(
        "longest pause during the batch: %lld ms beside, %lld ms on the window's thread "
        "(%.2f)\n",
        static_cast<long long>(runs[1].second.longestPause),
        static_cast<long long>(runs[0].second.longestPause),
        runs[0].second.longestPause > 0 ? static_cast<double>(runs[1].second.longestPause) /
                                              static_cast<double>(runs[0].second.longestPause)
                                        : 0.0);
    return 0;
}
