// An encoder that floods its console must neither eat the memory nor freeze the window. A
// stand-in writes 50 MB and 300 MB of progress lines through a conversion job, then 100 MB each
// from three files converting at once through a batch; the benchmark reports how far the
// resident memory grew at its peak and after the job, and the longest time the event loop went
// without a turn (a 10 ms timer records its latest tick).
#include "PauseMeter.h"
#include "batch/BatchDriver.h"
#include "engine/CVideoConv.h"
#include "joblist/JobList.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <string>

using reelwright::BatchDriver;
using reelwright::CVideoConv;
using reelwright::JobList;
using reelwright::ProgramFolder;

namespace {

// A field of /proc/self/status in megabytes.
double StatusMegabytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stod(line.substr(line.find(':') + 1)) / 1024.0;
        }
    }
    return 0;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString encoder = folder.filePath("ffmpeg");
    QFile::copy(QCoreApplication::applicationDirPath() + "/bench_flooder", encoder);
    QFile::setPermissions(encoder, QFile::permissions(encoder) | QFile::ExeOwner);
    ProgramFolder::Override(folder.path());

    for (const int megabytes : {50, 300}) {
        qputenv("FLOOD_MB", QByteArray::number(megabytes));
        PauseMeter pauses;
        const double before = StatusMegabytes("VmRSS");
        ResetPeak();
        QElapsedTimer timer;
        timer.start();
        bool converted = false;
        {
            CVideoConv job;
            job.SetInputFile(folder.filePath("input.mkv"));
            job.SetOutputFile(folder.filePath(QString("out%1.mkv").arg(megabytes)));
            job.SetParametrs("-y");
            job.SetFileTimeLength(1.0F);
            QObject::connect(&job, &CVideoConv::CurrentStatus, [&](const QString& status) {
                converted = converted || status == "Starting...";
            });
            pauses.Start();
            job.StartConversion();
            // The tick that waited through whatever the job did after its last yield.
            QCoreApplication::processEvents();
            pauses.Stop();
        }
        const double seconds = static_cast<double>(timer.elapsed()) / 1000.0;
        const double peak = StatusMegabytes("VmHWM");
        const double after = StatusMegabytes("VmRSS");
        std::printf("flood of %d MB: %.1f s, %.0f MB/s\n", megabytes, seconds, megabytes / seconds);
        std::printf("  memory growth at the peak: %.1f MB\n", peak - before);
        std::printf("  memory growth after the job: %.1f MB\n", after - before);
        std::printf("  longest event-loop pause: %lld ms\n",
                    static_cast<long long>(pauses.LongestMs()));
        if (!converted) {
            std::printf("  (the job did not start)\n");
        }
    }

    // Several floods at once, through the batch as the window runs it.
    qputenv("FLOOD_MB", "100");
    JobList list;
    list.SetProbe([](const QString&) { return true; });
    list.SetLengthReader([](const QString&) { return QStringLiteral("00:00:01"); });
    list.InitJobList();
    for (int i = 0; i < 3; ++i) {
        QString input = folder.filePath(QString("input%1.mkv").arg(i));
        QFile(input).open(QIODevice::WriteOnly);
        list.AddFile2Grid(input);
    }
    const QString out = folder.filePath("out");
    QDir().mkpath(out);
    BatchDriver batch(list, {[] { return QStringLiteral("mkv"); },
                             [&out](const QString& input, const QString& type) {
                                 return reelwright::ChooseOutputPath(input, type, {false, out});
                             },
                             [] {
                                 return reelwright::FormatParameters{QStringLiteral("-y"), {}};
                             }});
    batch.SetQuietFailures(true);
    batch.SetFilesAtOnce(3);
    PauseMeter pauses;
    const double before = StatusMegabytes("VmRSS");
    ResetPeak();
    QElapsedTimer timer;
    timer.start();
    pauses.Start();
    batch.RunBatch(false);
    QCoreApplication::processEvents();
    pauses.Stop();
    const double seconds = static_cast<double>(timer.elapsed()) / 1000.0;
    std::printf("three floods of 100 MB at once: %.1f s, %.0f MB/s, %d converted\n", seconds,
                300 / seconds, batch.LastSummary().converted);
    std::printf("  memory growth at the peak: %.1f MB\n", StatusMegabytes("VmHWM") - before);
    std::printf("  memory growth after the batch: %.1f MB\n", StatusMegabytes("VmRSS") - before);
    std::printf("  longest event-loop pause: %lld ms\n",
                static_cast<long long>(pauses.LongestMs()));
    return 0;
}
