// What looking for interlacing and telecine through a file costs, against its whole conversion:
// a 60 s 720p recording (MPEG-2 in MPEG-TS, told progressive from its start, so it is looked
// at) converted by reelwright-cli with the default preset, and the look alone (five stretches
// of 30 frames, as the conversion runs it). Three rounds; medians.
//
//   bench_fields [SECONDS]
#include "engine/FieldLook.h"

#include "Timed.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    const QString cli = QCoreApplication::applicationDirPath() + "/../src/app/reelwright-cli";
    QTemporaryDir work;
    const QString source = work.filePath("recording.ts");
    if (bench::Timed("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
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
        conversions.push_back(bench::Timed(cli,
                                    {"--jobs", "1", "--preset",
                                     "Computer and TV/H.264 / AAC (most players)",
                                     "--output-folder", out, source},
                                    work.filePath("home")));
        std::printf("round %d: look %.2f s (%s), conversion %.1f s\n", round + 1, looks.back(),
                    verdict ? "told" : "could not tell", conversions.back());
    }
    const double look = bench::Median(looks);
    const double conversion = bench::Median(conversions);
    std::printf("looking through the file: %.3f of the whole conversion (%.2f s of %.1f s)\n",
                look / conversion, look, conversion);
    return 0;
}
