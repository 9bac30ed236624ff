// Several files at once, against the encoder run bare. One generated set of short clips (60 of
// 2 s at 320x240) and one of long ones (4 of 60 s at 1280x720) are converted with the default
// preset: one by one with bare ffmpeg in a loop, with xargs -P and bare ffmpeg, and with
// reelwright-cli at 1, 2 and Auto files at once; then Auto with each result checked by decoding
// it, against Auto without. All in one run; the ratios are to the loop.
//
//   bench_batch [SHORT_COUNT] [LONG_COUNT]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

const char* const kPreset = "Computer and TV/H.264 / AAC (most players)";
const char* const kOptions =
    "-c:v libx264 -preset medium -crf 21 -pix_fmt yuv420p -vf 'scale=trunc(iw/2)*2:trunc(ih/2)*2' "
    "-c:a aac -b:a 160k -movflags +faststart";

// Runs a shell command to its end; seconds it took, or -1 when it failed.
double Timed(const QString& command, const QMap<QString, QString>& environment = {}) {
    QProcess shell;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (auto it = environment.begin(); it != environment.end(); ++it) {
        env.insert(it.key(), it.value());
    }
    shell.setProcessEnvironment(env);
    shell.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("bash"), {QStringLiteral("-c"), command});
    if (!shell.waitForFinished(-1) || shell.exitCode() != 0) {
        std::fprintf(stderr, "failed: %s\n", qPrintable(command));
        return -1;
    }
    return static_cast<double>(timer.elapsed()) / 1000.0;
}

QString Quoted(const QString& text) {
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

struct Set {
    const char* name;
    int count;
    double seconds;
    const char* size;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString cli = QCoreApplication::applicationDirPath() + "/../src/app/reelwright-cli";
    const int cores = QThread::idealThreadCount();
    const Set sets[] = {
        {"short", argc > 1 ? std::atoi(argv[1]) : 60, 2, "320x240"},
        {"long", argc > 2 ? std::atoi(argv[2]) : 4, 60, "1280x720"},
    };
    std::map<std::string, double> ratios;
    for (const Set& set : sets) {
        QTemporaryDir work;
        const QString in = work.filePath("in");
        QDir().mkpath(in);
        // One clip made, the others copied: the same input for every file.
        const QString first = in + "/clip0.mkv";
        Timed(QStringLiteral("ffmpeg -v error -f lavfi -i testsrc=duration=%1:size=%2:rate=25 -f "
                             "lavfi -i sine=duration=%1 -c:v libx264 -preset ultrafast -c:a aac "
                             "-shortest %3")
                  .arg(set.seconds)
                  .arg(QString::fromLatin1(set.size), Quoted(first)));
        for (int i = 1; i < set.count; ++i) {
            QFile::copy(first, in + QStringLiteral("/clip%1.mkv").arg(i));
        }
        const auto fresh = [&work](const QString& name) {
            const QString out = work.filePath(name);
            QDir(out).removeRecursively();
            QDir().mkpath(out);
            return out;
        };
        std::printf("%s clips: %d of %.0f s at %s, %d cores\n", set.name, set.count, set.seconds,
                    set.size, cores);

        QString out = fresh("loop");
        const double loop = Timed(
            QStringLiteral(
                "for f in %1/*.mkv; do ffmpeg -nostdin -v error -y -i \"$f\" %2 %3/\"$(basename "
                "\"$f\" .mkv)\".mp4 || exit 1; done")
                .arg(Quoted(in), QString::fromLatin1(kOptions), Quoted(out)));
        std::printf("  bare ffmpeg one by one: %.1f s\n", loop);

        out = fresh("xargs");
        const double xargs = Timed(
            QStringLiteral("ls %1/*.mkv | xargs -P %2 -I{} bash -c 'f=\"{}\"; ffmpeg -nostdin -v "
                           "error -y -i \"$f\" %3 %4/\"$(basename \"$f\" .mkv)\".mp4'")
                .arg(Quoted(in))
                .arg(cores)
                .arg(QString(QString::fromLatin1(kOptions)).replace(u'\'', u'"'), Quoted(out)));
        std::printf("  bare ffmpeg, xargs -P %d: %.1f s (%.2f)\n", cores, xargs, xargs / loop);

        double best = 0;
        for (const QString jobs : {"1", "2", "auto"}) {
            out = fresh("program-" + jobs);
            const double program =
                Timed(QStringLiteral("%1 --jobs %2 --preset %3 --output-folder %4 %5/*.mkv")
                          .arg(Quoted(cli), jobs, Quoted(QString::fromLatin1(kPreset)), Quoted(out),
                               Quoted(in)),
                      {{"HOME", work.filePath("home")}});
            std::printf("  reelwright-cli --jobs %s: %.1f s (%.2f)\n", qPrintable(jobs), program,
                        program / loop);
            if (program > 0 && (best == 0 || program < best)) {
                best = program;
            }
            ratios[std::string(set.name) + jobs.toStdString()] = program / loop;
        }
        ratios[set.name] = best / loop;

        // The check by decoding, on top of the same Auto run.
        out = fresh("verify");
        const double verified =
            Timed(QStringLiteral("%1 --jobs auto --verify --preset %2 --output-folder %3 %4/*.mkv")
                      .arg(Quoted(cli), Quoted(QString::fromLatin1(kPreset)), Quoted(out),
                           Quoted(in)),
                  {{"HOME", work.filePath("home")}});
        const double automatic = ratios[std::string(set.name) + "auto"] * loop;
        std::printf("  reelwright-cli --jobs auto --verify: %.1f s (%.2f of the same without)\n",
                    verified, verified / automatic);
        ratios[std::string(set.name) + "verify"] = verified / automatic;
    }
    std::printf("Auto against one at a time: short clips %.2f, long clips %.2f\n",
                ratios["shortauto"] / ratios["short1"], ratios["longauto"] / ratios["long1"]);
    std::printf("files at once, short clips: %.2f of one-by-one bare ffmpeg\n", ratios["short"]);
    std::printf("files at once, long clips: %.2f of one-by-one bare ffmpeg\n", ratios["long"]);
    std::printf("check by decoding: short clips %.2f, long clips %.2f of the run without it\n",
                ratios["shortverify"], ratios["longverify"]);
    return 0;
}
