// What looking for interlacing and telecine through a file costs, against its whole conversion:
// a 60 s 720p recording (MPEG-2 in MPEG-TS, told progressive from its start, so it is looked
// at) converted by reelwright-cli with the default preset, and the look alone (five stretches
// of 30 frames, as the conversion runs it). Three rounds; medians.
//
//   bench_fields [SECONDS]
#include "engine/FieldLook.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs a program to its end; seconds it took, or -1 when it failed.
double Timed(const QString& program, const QStringList& arguments, const QString& home = {}) {
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        process.setProcessEnvironment(environment);
    }
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::fprintf(stderr, "failed: %s\n", qPrintable(program));
        return -1;
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    const QString cli = QCoreApplication::applicationDirPath() + "/../src/app/reelwright-cli";
    QTemporaryDir work;
    const QString source = work.filePath("recording.ts");
    if (Timed("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                         QStringLiteral("testsrc2=s=1280x720:r=25:d=%1,gblur=sigma=2").arg(seconds),
                         "-f", "lavfi", "-i", QStringLiteral("sine=d=%1").arg(seconds), "-c:v",
                         "mpeg2video", "-b:v", "8M", "-c:a", "mp2", source}) < 0) {
        return 1;
    }
    std::vector<double> looks;
    std::vector<double> conversions;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        const std::optional<reelwright::FieldVerdict> verdict =
            reelwright::LookForFields(source, 0, seconds);
        looks.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        const QString out = work.filePath(QStringLiteral("out%1").arg(round));
        QDir().mkpath(out);
        conversions.push_back(Timed(cli,
                                    {"--jobs", "1", "--preset",
                                     "Computer and TV/H.264 / AAC (most players)",
                                     "--output-folder", out, source},
                                    work.filePath("home")));
        std::printf("round %d: look %.2f s (%s), conversion %.1f s\n", round + 1, looks.back(),
                    verdict ? "told" : "could not tell", conversions.back());
    }
    const double look = Median(looks);
    const double conversion = Median(conversions);
    std::printf("looking through the file: %.3f of the whole conversion (%.2f s of %.1f s)\n",
                look / conversion, look, conversion);
    return 0;
}
