// Bringing a kept list of 10,000 rows back at start: how long it takes, and the longest time
// the event loop goes without a turn meanwhile (a 10 ms timer records its latest tick).
#include "PauseMeter.h"
#include "batch/KeptQueue.h"
#include "batch/QueueKeeper.h"
#include "joblist/JobList.h"
#include "platform/Yield.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace reelwright;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
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
    return 0;
}
