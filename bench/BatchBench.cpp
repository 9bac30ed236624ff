// Several files at once, against the encoder run bare. One generated set of short clips (60 of
// 2 s at 320x240) and one of long ones (4 of 60 s at 1280x720) are converted with the default
// preset: one by one with bare ffmpeg in a loop, with xargs -P and bare ffmpeg, and with
// reelwright-cli at 1, 2 and Auto files at once; then Auto with each result checked by decoding
// it, against Auto without. All in one run; the ratios are to the loop. Then the copy case: the
// four long clips rewritten into MP4 by the copy preset, against bare "ffmpeg -map 0 -c copy" in a
// loop and against the default preset, one file at a time each. Last, what is done to pictures:
// long HDR (PQ) and interlaced (576i) clips through the default preset, the program (tone
// mapping, deinterlacing) against bare ffmpeg given the preset's options alone.
//
//   bench_batch [SHORT_COUNT] [LONG_COUNT] [PICTURE_COUNT]     (a count of 0 leaves a set out)
//   bench_batch copy        the copy case alone, four long files and a hundred small ones
//   bench_batch pairs [N]   N pairs (5) of the short clips, bare and the program in turn: the
//                           medians of wall time and CPU, one at a time and at Auto
#include "Timed.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

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

// Long clips of one picture kind, each converted by bare ffmpeg with the preset's options and
// by the program, which adds what the pictures need; answers the program's time over ffmpeg's.
double PictureCost(const QString& cli, const char* kind, const QString& make, int count) {
    QTemporaryDir work;
    const QString in = work.filePath("in");
    QDir().mkpath(in);
    const QString first = in + "/clip0.mkv";
    if (Timed(make.arg(Quoted(first))) < 0) {
        return -1;
    }
    for (int i = 1; i < count; ++i) {
        QFile::copy(first, in + QStringLiteral("/clip%1.mkv").arg(i));
    }
    QDir().mkpath(work.filePath("bare"));
    QDir().mkpath(work.filePath("program"));
    const double bare =
        Timed(QStringLiteral("for f in %1/*.mkv; do ffmpeg -nostdin -v error -y -i \"$f\" %2 "
                             "%3/\"$(basename \"$f\" .mkv)\".mp4 || exit 1; done")
                  .arg(Quoted(in), QString::fromLatin1(kOptions), Quoted(work.filePath("bare"))));
    const double program =
        Timed(QStringLiteral("%1 --jobs 1 --preset %2 --output-folder %3 %4/*.mkv")
                  .arg(Quoted(cli), Quoted(QString::fromLatin1(kPreset)),
                       Quoted(work.filePath("program")), Quoted(in)),
              {{"HOME", work.filePath("home")}});
    std::printf("%s clips: %d of 60 s, bare ffmpeg %.1f s, reelwright-cli --jobs 1 %.1f s (%.2f)\n",
                kind, count, bare, program, program / bare);
    return program / bare;
}

const char* const kCopyPreset =
    "Same Quality, New Container/Copy as it is: no re-encoding, about the same size";

struct Set {
    const char* name;
    int count;
    double seconds;
    const char* size;
};

// The copy preset against bare "ffmpeg -map 0 -c copy" in a loop over the files of `in`, one at
// a time each, the best of three rounds; the program's time.
double CopiedAgainstBare(const QString& cli, QTemporaryDir& work, const QString& in,
                         const char* label) {
    const auto fresh = [&work](const QString& name) {
        const QString out = work.filePath(name);
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        return out;
    };
    const QMap<QString, QString> home{{"HOME", work.filePath("home")}};
    // A job of a second is at the mercy of the machine: the best of three of each.
    double bare = 0;
    double copied = 0;
    for (int round = 0; round < 3; ++round) {
        QString out = fresh("bare-copy");
        const double b = Timed(
            QStringLiteral("for f in %1/*.mkv; do ffmpeg -nostdin -v error -y -i \"$f\" -map 0 -c "
                           "copy %2/\"$(basename \"$f\" .mkv)\".mp4 || exit 1; done")
                .arg(Quoted(in), Quoted(out)));
        out = fresh("program-copy");
        const double p =
            Timed(QStringLiteral("%1 --jobs 1 --preset %2 --extension mp4 --output-folder %3 "
                                 "%4/*.mkv")
                      .arg(Quoted(cli), Quoted(QString::fromLatin1(kCopyPreset)), Quoted(out),
                           Quoted(in)),
                  home);
        std::printf("  round %d: bare ffmpeg copying %.2f s, reelwright-cli copy preset %.2f s\n",
                    round + 1, b, p);
        bare = round == 0 ? b : std::min(bare, b);
        copied = round == 0 ? p : std::min(copied, p);
    }
    std::printf("copy preset, %s: %.2f of bare ffmpeg copying\n", label, copied / bare);
    return copied;
}

// The copy preset's cost over the encoder's own copying: four long files, then a hundred small
// ones; with `againstEncoding`, its time against the default preset's too.
void CopyCase(const QString& cli, bool againstEncoding) {
    QTemporaryDir work;
    const QString in = work.filePath("in");
    QDir().mkpath(in);
    const QString first = in + "/clip0.mkv";
    // Grain, so the pictures cost what a phone's do (about 8 Mbit/s): a copy then moves what a
    // real one moves, where a clean test pattern would be a few hundred kbit/s.
    Timed(
        QStringLiteral("ffmpeg -v error -f lavfi -i testsrc=duration=60:size=1280x720:rate=30 -f "
                       "lavfi -i sine=duration=60 -vf noise=alls=12:allf=t -c:v libx264 -preset "
                       "ultrafast -b:v 8M -maxrate 8M -bufsize 16M -c:a aac -b:a 128k -shortest %1")
            .arg(Quoted(first)));
    std::printf("copy case: 4 clips of 60 s at 1280x720, H.264/AAC in MKV (%.0f MB each), to MP4\n",
                static_cast<double>(QFileInfo(first).size()) / 1e6);
    for (int i = 1; i < 4; ++i) {
        QFile::copy(first, in + QStringLiteral("/clip%1.mkv").arg(i));
    }
    const double copied = CopiedAgainstBare(cli, work, in, "4 long files");
    if (againstEncoding) {
        const QString out = work.filePath("program-default");
        QDir().mkpath(out);
        const double encoded = Timed(
            QStringLiteral("%1 --jobs 1 --preset %2 --output-folder %3 %4/*.mkv")
                .arg(Quoted(cli), Quoted(QString::fromLatin1(kPreset)), Quoted(out), Quoted(in)),
            {{"HOME", work.filePath("home")}});
        std::printf("  reelwright-cli default preset: %.1f s\n", encoded);
        std::printf("copy preset: %.3f of the default preset\n", copied / encoded);
    }
    // A hundred files of about a megabyte: the first second of the long clip.
    const QString small = work.filePath("small");
    QDir().mkpath(small);
    Timed(QStringLiteral("ffmpeg -v error -i %1 -t 1 -map 0 -c copy %2/small0.mkv")
              .arg(Quoted(first), Quoted(small)));
    std::printf("copy case: 100 clips of 1 s (%.1f MB each)\n",
                static_cast<double>(QFileInfo(small + "/small0.mkv").size()) / 1e6);
    for (int i = 1; i < 100; ++i) {
        QFile::copy(small + "/small0.mkv", small + QStringLiteral("/small%1.mkv").arg(i));
    }
    CopiedAgainstBare(cli, work, small, "100 small files");
}

// Short clips converted by bare ffmpeg and by the program in turn, `pairs` times over: the
// medians of the program's wall time and CPU over the bare loop's, one at a time and at Auto
// (against xargs -P).
void Pairs(const QString& cli, int pairs) {
    QTemporaryDir work;
    const QString in = work.filePath("in");
    QDir().mkpath(in);
    Timed(QStringLiteral("ffmpeg -v error -f lavfi -i testsrc=duration=2:size=320x240:rate=25 -f "
                         "lavfi -i sine=duration=2 -c:v libx264 -preset ultrafast -c:a aac "
                         "-shortest %1/clip0.mkv")
              .arg(Quoted(in)));
    for (int i = 1; i < 60; ++i) {
        QFile::copy(in + "/clip0.mkv", in + QStringLiteral("/clip%1.mkv").arg(i));
    }
    const QString out = work.filePath("out");
    const QString bare = QStringLiteral(
                             "for f in %1/*.mkv; do ffmpeg -nostdin -v error -y -i \"$f\" %2 "
                             "%3/\"$(basename \"$f\" .mkv)\".mp4 || exit 1; done")
                             .arg(Quoted(in), QString::fromLatin1(kOptions), Quoted(out));
    const QString xargs =
        QStringLiteral(
            "ls %1/*.mkv | xargs -P %2 -I{} bash -c 'f=\"{}\"; ffmpeg -nostdin -v "
            "error -y -i \"$f\" %3 %4/\"$(basename \"$f\" .mkv)\".mp4'")
            .arg(Quoted(in))
            .arg(QThread::idealThreadCount())
            .arg(QString(QString::fromLatin1(kOptions)).replace(u'\'', u'"'), Quoted(out));
    const auto program = [&](const char* jobs) {
        return QStringLiteral("%1 --jobs %2 --preset %3 --output-folder %4 %5/*.mkv")
            .arg(Quoted(cli), QString::fromLatin1(jobs), Quoted(QString::fromLatin1(kPreset)),
                 Quoted(out), Quoted(in));
    };
    const QMap<QString, QString> home{{"HOME", work.filePath("home")}};
    const auto run = [&](const QString& command, double* cpu) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        const double before = bench::ChildrenCpu();
        const double wall = Timed(command, home);
        *cpu = bench::ChildrenCpu() - before;
        return wall;
    };
    std::vector<double> wall1, cpu1, wallAuto, cpuAuto;
    for (int pair = 0; pair < pairs; ++pair) {
        double bareCpu = 0, cpu = 0;
        const double b = run(bare, &bareCpu);
        const double p = run(program("1"), &cpu);
        wall1.push_back(p / b);
        cpu1.push_back(cpu / bareCpu);
        const double x = run(xargs, &bareCpu);
        const double a = run(program("auto"), &cpu);
        wallAuto.push_back(a / x);
        cpuAuto.push_back(cpu / bareCpu);
        std::printf(
            "  pair %d: one at a time %.1f s against %.1f s; auto %.1f s against xargs "
            "%.1f s\n",
            pair + 1, p, b, a, x);
    }
    std::printf(
        "60 clips of 2 s, medians of %d pairs: one at a time %.3f wall, %.3f CPU; auto "
        "%.3f wall, %.3f CPU of xargs\n",
        pairs, bench::Median(wall1), bench::Median(cpu1), bench::Median(wallAuto),
        bench::Median(cpuAuto));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString cli = QCoreApplication::applicationDirPath() + "/../src/app/reelwright-cli";
    const int cores = QThread::idealThreadCount();
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("copy")) {
        CopyCase(cli, false);
        return 0;
    }
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("pairs")) {
        Pairs(cli, argc > 2 ? std::atoi(argv[2]) : 5);
        return 0;
    }
    const Set sets[] = {
        {"short", argc > 1 ? std::atoi(argv[1]) : 60, 2, "320x240"},
        {"long", argc > 2 ? std::atoi(argv[2]) : 4, 60, "1280x720"},
    };
    std::map<std::string, double> ratios;
    for (const Set& set : sets) {
        if (set.count <= 0) {
            continue;
        }
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
        const double verified = Timed(
            QStringLiteral("%1 --jobs auto --verify --preset %2 --output-folder %3 %4/*.mkv")
                .arg(Quoted(cli), Quoted(QString::fromLatin1(kPreset)), Quoted(out), Quoted(in)),
            {{"HOME", work.filePath("home")}});
        const double automatic = ratios[std::string(set.name) + "auto"] * loop;
        std::printf("  reelwright-cli --jobs auto --verify: %.1f s (%.2f of the same without)\n",
                    verified, verified / automatic);
        ratios[std::string(set.name) + "verify"] = verified / automatic;
    }
    const int pictures = argc > 3 ? std::atoi(argv[3]) : 4;
    if (pictures > 0) {
        const double toned = PictureCost(
            cli, "HDR10 (PQ, 10-bit HEVC, 1280x720)",
            QStringLiteral(
                "ffmpeg -v error -f lavfi -i testsrc2=duration=60:size=1280x720:rate=25 -f lavfi "
                "-i sine=duration=60 -vf format=yuv420p10le -c:v libx265 -preset ultrafast "
                "-x265-params log-level=error:colorprim=bt2020:transfer=smpte2084:colormatrix="
                "bt2020nc -color_primaries bt2020 -color_trc smpte2084 -colorspace bt2020nc -c:a "
                "aac -shortest %1"),
            pictures);
        const double made = PictureCost(
            cli, "interlaced (576i MPEG-2, top first)",
            QStringLiteral(
                "ffmpeg -v error -f lavfi -i testsrc2=duration=60:size=720x576:rate=50 -f lavfi "
                "-i sine=duration=60 -vf tinterlace=interleave_top -c:v mpeg2video -b:v 8M "
                "-flags +ilme+ildct -top 1 -c:a mp2 -shortest %1"),
            pictures);
        std::printf("tone mapping: %.2f, deinterlacing: %.2f of the same conversion without\n",
                    toned, made);
    }
    if (sets[0].count <= 0 || sets[1].count <= 0) {
        return 0;
    }
    std::printf("Auto against one at a time: short clips %.2f, long clips %.2f\n",
                ratios["shortauto"] / ratios["short1"], ratios["longauto"] / ratios["long1"]);
    std::printf("files at once, short clips: %.2f of one-by-one bare ffmpeg\n", ratios["short"]);
    std::printf("files at once, long clips: %.2f of one-by-one bare ffmpeg\n", ratios["long"]);
    std::printf("check by decoding: short clips %.2f, long clips %.2f of the run without it\n",
                ratios["shortverify"], ratios["longverify"]);
    CopyCase(cli, true);
    return 0;
}
