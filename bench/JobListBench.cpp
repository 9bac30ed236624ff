// Measures what adding a file costs beyond the probe itself:
//  1. AddFile2Grid on generated clips against a bare "ffmpeg -i" of the same files, alternated;
//  2. the duplicate scan over 10,000 rows.
#include "joblist/JobList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

using reelwright::JobList;
using reelwright::JobRow;

namespace {

double Seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void Probe(const QString& ffmpeg, const QString& file) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ffmpeg, {"-i", file});
    process.waitForFinished(-1);
    process.readAll();
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg.isEmpty()) {
        std::fprintf(stderr, "ffmpeg is not installed\n");
        return 1;
    }
    QTemporaryDir dir;
    const int count = 20;
    QStringList clips;
    for (int i = 0; i < count; ++i) {
        const QString clip = dir.filePath(QString("clip%1.mp4").arg(i));
        QProcess::execute(ffmpeg, {"-v", "error", "-y", "-f", "lavfi", "-i",
                                   "testsrc=duration=2:size=320x240:rate=25", "-f", "lavfi", "-i",
                                   "sine=duration=2", "-c:v", "mpeg4", "-c:a", "aac", clip});
        clips << clip;
    }

    double addSeconds = 0;
    double probeSeconds = 0;
    for (int round = 0; round < 3; ++round) {
        JobList list;
        list.InitJobList();
        for (const QString& clip : clips) {
            QElapsedTimer timer;
            timer.start();
            QString path = clip;
            list.AddFile2Grid(path);
            addSeconds += Seconds(timer);
            timer.restart();
            Probe(ffmpeg, clip);
            probeSeconds += Seconds(timer);
        }
    }
    const double perAdd = addSeconds / (3 * count) * 1000;
    const double perProbe = probeSeconds / (3 * count) * 1000;
    std::printf("adding %d generated clips, 3 rounds, alternated\n", count);
    std::printf("  AddFile2Grid         %.1f ms per file\n", perAdd);
    std::printf("  bare ffmpeg -i       %.1f ms per file\n", perProbe);
    std::printf("  ratio                %.3f\n", perAdd / perProbe);

    JobList big;
    big.InitJobList();
    for (int i = 0; i < 10000; ++i) {
        JobRow row;
        row.filePath = QString("/videos/folder %1/clip number %2.avi").arg(i / 100).arg(i);
        big.Store()->Append(row);
    }
    const int scans = 200;
    QElapsedTimer timer;
    timer.start();
    int found = 0;
    for (int i = 0; i < scans; ++i) {
        found += big.FileExistsInGrid("/videos/folder 99/clip number 9999.mkv") ? 1 : 0;
    }
    const double perScan = Seconds(timer) / scans * 1000;
    std::printf("duplicate scan over 10,000 rows (a path of the same length, not in the list)\n");
    std::printf("  %.3f ms per scan, %.4f of one probe\n", perScan, perScan / perProbe);
    return found;
}
