// The program's own cost per file, apart from the encoder's: reelwright-cli converts 200 tiny
// clips one at a time with a stand-in encoder that costs next to nothing (it copies its input),
// three runs; the program's CPU is what the whole run cost less the stand-ins' own, which they
// report. Also the same files through a dry run (the add and the plans alone).
//
//   bench_standin [FILES]
#include "Timed.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The seconds the stand-ins reported, the file emptied.
double StandInCpu(const QString& file) {
    QFile report(file);
    double seconds = 0;
    if (report.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : report.readAll().split('\n')) {
            seconds += line.toDouble() / 1e6;
        }
    }
    QFile::remove(file);
    return seconds;
}

bool Run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 200;
    const QString here = QCoreApplication::applicationDirPath();
    const QString cli = here + "/../src/app/reelwright-cli";
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) {
        std::fprintf(stderr, "ffmpeg is not installed\n");
        return 1;
    }
    QTemporaryDir work;
    const QString in = work.filePath("in");
    const QString tools = work.filePath("tools");
    QDir().mkpath(in);
    QDir().mkpath(tools);
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    Run(ffmpeg,
        {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=0.5:size=64x48:rate=25", "-f",
         "lavfi", "-i", "sine=duration=0.5", "-c:v", "libx264", "-c:a", "aac", "-shortest",
         in + "/clip0.mp4"},
        system);
    for (int i = 1; i < count; ++i) {
        QFile::copy(in + "/clip0.mp4", in + QStringLiteral("/clip%1.mp4").arg(i));
    }
    // The stand-in answers -version as the real encoder does, so the libraries are trusted
    // as they are with it.
    QProcess version;
    version.start(ffmpeg, {"-version"});
    version.waitForFinished(-1);
    QFile text(work.filePath("version.txt"));
    text.open(QIODevice::WriteOnly);
    text.write(version.readAllStandardOutput());
    text.close();
    QFile::copy(here + "/bench_standin_encoder", tools + "/ffmpeg");
    QProcessEnvironment env = system;
    env.insert("PATH", tools + ':' + system.value("PATH"));
    env.insert("HOME", work.filePath("home"));
    env.insert("XDG_STATE_HOME", work.filePath("state"));
    env.insert("XDG_CACHE_HOME", work.filePath("cache"));
    env.insert("STANDIN_VERSION", text.fileName());
    env.insert("STANDIN_CPU", work.filePath("cpu.txt"));
    const QString out = work.filePath("out");
    QStringList inputs;
    for (const QString& name : QDir(in).entryList({"*.mp4"}, QDir::Files, QDir::Name)) {
        inputs << in + '/' + name;
    }
    std::vector<double> perFile;
    for (int round = 1; round <= 3; ++round) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        const QStringList arguments = QStringList{"--jobs", "1", "--output-folder", out} + inputs;
        const double before = bench::ChildrenCpu();
        QElapsedTimer timer;
        timer.start();
        const bool ok = Run(cli, arguments, env);
        const double wall = static_cast<double>(timer.elapsed()) / 1000;
        const double all = bench::ChildrenCpu() - before;
        const double standIns = StandInCpu(env.value("STANDIN_CPU"));
        const int made = static_cast<int>(QDir(out).entryList(QDir::Files).size());
        std::printf(
            "  round %d: %s, %d results, %.2f s, CPU %.2f s of which the stand-ins %.2f s\n", round,
            ok ? "ended well" : "FAILED", made, wall, all, standIns);
        perFile.push_back((all - standIns) / count * 1000);
    }
    std::sort(perFile.begin(), perFile.end());
    std::printf("the program's own CPU per file, %d files one at a time: %.1f ms (median of 3)\n",
                count, perFile[1]);
    const double before = bench::ChildrenCpu();
    Run(cli, QStringList{"--dry-run", "--output-folder", out} + inputs, env);
    std::printf(
        "a dry run over the same files: %.1f ms of CPU per file\n",
        (bench::ChildrenCpu() - before - StandInCpu(env.value("STANDIN_CPU"))) / count * 1000);
    return 0;
}
