// Adding a folder of 1,000 files (generated clips, unreadable ones and ones the list refuses),
// measured side by side in one run:
//  1. the bare "ffmpeg -i" of each file, one after another: what any probing add costs at least
//     when it asks the encoder;
//  2. the add as it was, one file after another, the encoder asked for each;
//  3. the add as it is: the encoder's libraries, read ahead on threads.
// The rows of 2 and 3 must be the same. A 5 ms timer records the longest time the event loop went
// without a turn while adding. Also: the duplicate scan over 10,000 rows.
#include "engine/CVideoConv.h"
#include "joblist/JobList.h"
#include "joblist/VideoFileAdder.h"
#include "platform/Notifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace reelwright;

namespace {

constexpr int kFiles = 1000;

double Seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

bool Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(-1);
    process.readAll();
    return process.exitCode() == 0;
}

// Messages are counted, not shown.
class CountingNotifier final : public Notifier {
  public:
    void Show(const QString&, MessageIcon, const QString&) override { ++count; }
    int count = 0;
};

struct Added {
    double seconds = 0;
    qint64 longestPause = 0;
    QStringList rows;
    int messages = 0;
};

Added AddFolder(JobList& list, const QString& folder) {
    CountingNotifier notifier;
    Notifier* previous = Notifier::Install(&notifier);
    list.InitJobList();
    VideoFileAdder adder(list);
    Added added;
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        added.longestPause = std::max(added.longestPause, sinceTick.restart() - 5);
    });
    QElapsedTimer timer;
    timer.start();
    sinceTick.start();
    tick.start();
    adder.AddFolder(folder);
    QCoreApplication::processEvents();
    tick.stop();
    added.seconds = Seconds(timer);
    for (int row = 0; row < list.Store()->RecordCount(); ++row) {
        const JobRow& job = list.Store()->Row(row);
        added.rows << job.filePath + u'|' + job.status + u'|' + job.duration + u'|' + job.fileSize;
    }
    added.messages = notifier.count;
    Notifier::Install(previous);
    return added;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg.isEmpty()) {
        std::fprintf(stderr, "ffmpeg is not installed\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString folder = dir.filePath("videos");
    QDir().mkpath(folder);
    // A few real clips, copied under many names; unreadable files; files the list refuses.
    QStringList clips;
    for (const char* type : {"mkv", "mp4", "avi"}) {
        const QString clip = dir.filePath(QStringLiteral("clip.") + type);
        Run(ffmpeg,
            {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=3:size=160x120:rate=25", "-f",
             "lavfi", "-i", "sine=duration=3", "-c:v", "mpeg4", "-c:a", "aac", "-shortest", clip});
        clips << clip;
    }
    QByteArray noise(48 * 1024, '\0');
    for (char& c : noise) {
        c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    }
    QStringList names;
    for (int i = 0; i < kFiles; ++i) {
        QString name;
        if (i % 20 == 7) {
            name = QString("broken %1.avi").arg(i, 4, 10, QChar('0'));
            QFile file(QDir(folder).filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write(noise);
        } else if (i % 25 == 3) {
            name = QString("notes %1.txt").arg(i, 4, 10, QChar('0'));
            QFile(QDir(folder).filePath(name)).open(QIODevice::WriteOnly);
        } else {
            const QString& clip = clips[i % clips.size()];
            name = QString("video %1.%2").arg(i, 4, 10, QChar('0')).arg(QFileInfo(clip).suffix());
            QFile::copy(clip, QDir(folder).filePath(name));
        }
        names << QDir(folder).filePath(name);
    }

    QElapsedTimer timer;
    timer.start();
    for (const QString& name : names) {
        Run(ffmpeg, {"-i", name});
    }
    const double bare = Seconds(timer);

    JobList asItWas;
    asItWas.SetProbe([](const QString& path) { return CVideoConv().IsFileSupported(path); });
    asItWas.SetLengthReader(&ReadMediaLength);
    const Added oneByOne = AddFolder(asItWas, folder);
    JobList asItIs;
    const Added ahead = AddFolder(asItIs, folder);
    if (ahead.rows != oneByOne.rows || ahead.messages != oneByOne.messages) {
        std::fprintf(stderr, "the rows differ from the one-by-one add\n");
        return 1;
    }

    // The duplicate scan over a long list.
    JobList longList;
    longList.SetProbe([](const QString&) { return true; });
    longList.SetLengthReader([](const QString&) { return QStringLiteral("00:00:01"); });
    longList.InitJobList();
    QFile(dir.filePath("row.avi")).open(QIODevice::WriteOnly);
    JobRow row;
    for (int i = 0; i < 10000; ++i) {
        row.filePath = QString("/videos/%1.avi").arg(i);
        longList.Store()->Append(row);
    }
    timer.restart();
    for (int i = 0; i < 100; ++i) {
        longList.FileExistsInGrid(QString("/videos/missing %1.avi").arg(i));
    }
    const double scan = Seconds(timer) / 100;

    std::printf("%d files (%lld rows, %d messages), one after another:\n", kFiles,
                static_cast<long long>(ahead.rows.size()), ahead.messages);
    std::printf("  bare \"ffmpeg -i\" of each file          %7.2f s\n", bare);
    std::printf("  the add as it was (encoder per file)   %7.2f s, longest pause %lld ms\n",
                oneByOne.seconds, static_cast<long long>(oneByOne.longestPause));
    std::printf("  the add as it is (libraries, ahead)    %7.2f s, longest pause %lld ms\n",
                ahead.seconds, static_cast<long long>(ahead.longestPause));
    std::printf("the add as it was: %.3f of one-by-one bare probes\n", oneByOne.seconds / bare);
    std::printf("duplicate scan over 10,000 rows: %.4f ms\n", scan * 1000);
    std::printf("adding %d files: %.3f of one-by-one bare probes\n", kFiles, ahead.seconds / bare);
    std::printf("longest event-loop pause: %lld ms\n", static_cast<long long>(ahead.longestPause));
    return 0;
}
