// What evening the loudness costs, against the same conversion without it: a 60 s 720p clip
// with stereo sound converted by reelwright-cli with the default preset, and copied with the
// copy preset (whose sound must then be encoded), each with and without --loudness -16, in
// pairs taken in turn. Three pairs each; medians of the ratios.
//
//   bench_loudness [SECONDS]
#include "Timed.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Pairing {
    const char* name;
    const char* preset;
    const char* extension;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    const QString cli = QCoreApplication::applicationDirPath() + "/../src/app/reelwright-cli";
    QTemporaryDir work;
    const QString source = work.filePath("clip.mkv");
    if (bench::Timed("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                         QStringLiteral("testsrc2=s=1280x720:r=25:d=%1").arg(seconds), "-f",
                         "lavfi", "-i",
                         QStringLiteral("anoisesrc=c=pink:a=0.2:d=%1,pan=stereo|c0=c0|c1=c0")
                             .arg(seconds),
                         "-c:v", "libx264", "-preset", "veryfast", "-c:a", "aac", source}) < 0) {
        return 1;
    }
    const Pairing pairings[] = {
        {"the default preset", "Computer and TV/H.264 / AAC (most players)", "mp4"},
        {"a copy", "Same Quality, New Container/Copy as it is: no re-encoding, about the same size",
         "mkv"},
    };
    for (const Pairing& pairing : pairings) {
        std::vector<double> ratios;
        for (int round = 0; round < 3; ++round) {
            double times[2] = {0, 0};
            for (int evened = 0; evened < 2; ++evened) {
                const QString out = work.filePath(QStringLiteral("out%1%2").arg(round).arg(evened));
                QDir().mkpath(out);
                QStringList arguments{"--jobs", "1", "--preset", pairing.preset, "--extension",
                                      pairing.extension, "--output-folder", out, source};
                if (evened == 1) {
                    arguments.prepend("-16");
                    arguments.prepend("--loudness");
                }
                times[evened] = bench::Timed(cli, arguments, work.filePath("home"));
                QDir(out).removeRecursively();
            }
            ratios.push_back(times[1] / times[0]);
            std::printf("%s, round %d: %.2f s, evened %.2f s\n", pairing.name, round + 1, times[0],
                        times[1]);
        }
        std::printf("%s: evened loudness takes %.3f of the time without it\n", pairing.name,
                    bench::Median(ratios));
    }
    return 0;
}
