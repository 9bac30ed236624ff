// Measures what the conversion engine adds on top of the encoder:
//  1. the same conversion through CVideoConv and through ffmpeg run directly, alternated;
//  2. a child writing 50 MB drained by DOSOutputs (with its twelve yields per read) and by a
//     plain reader of the same pipe, set against how much text the encoder itself writes.
#include "engine/CVideoConv.h"
#include "engine/DOSOutputs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using reelwright::CVideoConv;
using reelwright::DOSOutputs;

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// Runs a program to its end with its output drained; returns the seconds taken.
double RunDirect(const QString& program, const QStringList& arguments,
                 qint64* outputBytes = nullptr) {
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    qint64 total = 0;
    while (process.waitForReadyRead(-1) || process.bytesAvailable() > 0) {
        total += process.readAll().size();
    }
    process.waitForFinished(-1);
    if (outputBytes) {
        *outputBytes = total;
    }
    return Seconds(timer);
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
    const QString input = dir.filePath("input.mp4");
    RunDirect(ffmpeg,
              {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=duration=10:size=640x360:rate=25",
               "-f", "lavfi", "-i", "sine=duration=10", "-c:v", "mpeg4", "-c:a", "aac", input});

    const QString options = "-vcodec libx264 -preset medium -acodec libmp3lame -threads 1 -y";
    const int rounds = 5;
    std::vector<double> viaJob;
    std::vector<double> direct;
    qint64 encoderText = 0;
    for (int i = 0; i < rounds; ++i) {
        CVideoConv job;
        job.SetInputFile(input);
        job.SetOutputFile(dir.filePath("job.mkv"));
        job.SetParametrs(options);
        job.SetFileTimeLength(10.0F);
        QElapsedTimer timer;
        timer.start();
        job.StartConversion();
        viaJob.push_back(Seconds(timer));

        QStringList arguments{"-i", input};
        arguments += options.split(' ');
        arguments << dir.filePath("direct.mkv");
        direct.push_back(RunDirect(ffmpeg, arguments, &encoderText));
    }
    const double jobSeconds = Median(viaJob);
    const double directSeconds = Median(direct);
    std::printf("conversion of a 10 s clip (libx264), median of %d alternated rounds\n", rounds);
    std::printf("  through CVideoConv  %.3f s\n", jobSeconds);
    std::printf("  ffmpeg directly     %.3f s\n", directSeconds);
    std::printf("  ratio               %.3f\n", jobSeconds / directSeconds);
    const double encoderRate = static_cast<double>(encoderText) / 1024.0 / directSeconds;
    std::printf("  the encoder wrote %lld bytes of text, %.1f KB/s\n",
                static_cast<long long>(encoderText), encoderRate);

    const qint64 bytes = 50LL * 1024 * 1024;
    const QString head = QStandardPaths::findExecutable("head");
    const QStringList headArguments{"-c", QString::number(bytes), "/dev/zero"};
    std::vector<double> runner;
    std::vector<double> plain;
    for (int i = 0; i < 3; ++i) {
        DOSOutputs dos;
        qint64 seen = 0;
        QObject::connect(&dos, &DOSOutputs::ReceiveOutputs,
                         [&](const QString& piece) { seen += piece.size(); });
        QElapsedTimer timer;
        timer.start();
        dos.ExecuteCommand(head + " " + headArguments.join(' '));
        runner.push_back(Seconds(timer));
        if (seen != bytes) {
            std::fprintf(stderr, "the runner lost data: %lld of %lld bytes\n",
                         static_cast<long long>(seen), static_cast<long long>(bytes));
            return 1;
        }
        plain.push_back(RunDirect(head, headArguments));
    }
    const double mb = static_cast<double>(bytes) / (1024.0 * 1024.0);
    const double runnerRate = mb / Median(runner);
    const double plainRate = mb / Median(plain);
    std::printf("draining 50 MB of child output, median of 3\n");
    std::printf("  DOSOutputs (512-byte reads, 12 yields each)  %.1f MB/s\n", runnerRate);
    std::printf("  plain reader                                 %.1f MB/s\n", plainRate);
    std::printf("  ratio, runner to plain reader                %.3f\n", runnerRate / plainRate);
    std::printf("  ratio, runner to the encoder's text rate     %.0f\n",
                runnerRate * 1024.0 / encoderRate);
    return 0;
}
