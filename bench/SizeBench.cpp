// Fitting a size and estimating it, over sources of every kind the benchmark makes (a still
// picture, a slow pan, noise, fast motion, a dark scene; 10 s to 5 min; without sound, with one
// and with three sound tracks), each with a limit from 5 MB to 200 MB, through the default,
// HEVC, VP9 and MPEG-4 presets in turn. It tells: how many results went over their limit (the
// answer must be none), the median fill of the limit, how often a third encode was needed;
// and, for the estimates made before: the median and worst error of the size, the worst error
// of the time, and what estimating cost against converting, for sources of 60 s and more (its own
// cost: beyond reading and planning the file, which converting does as well).
//
//   bench_size [PRESETS_PER_SOURCE]   (1 to 4; 2 at first: each source through two presets)
#include "Timed.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Kind {
    const char* name;
    const char* graph;  // %1: its length in seconds
};

const Kind kKinds[] = {
    {"still", "color=c=0x406080:s=640x360:r=25:d=%1,drawgrid=w=40:h=40:c=white@0.5,"
              "noise=alls=2:allf=u"},
    {"pan", "testsrc2=s=1280x360:r=25:d=%1,crop=640:360:'mod(t*40,640)':0"},
    {"noise", "testsrc2=s=640x360:r=25:d=%1,noise=alls=25:allf=t"},
    {"motion", "life=s=640x360:r=25:mold=8:ratio=0.3:death_color=blue:life_color=yellow,"
               "trim=duration=%1,scale=640:360:flags=neighbor"},
    {"dark", "testsrc2=s=640x360:r=25:d=%1,eq=brightness=-0.35:contrast=0.6,noise=alls=6:allf=t"},
};
const int kLengths[] = {10, 30, 60, 300};
const char* const kPresets[] = {
    "Computer and TV/H.264 / AAC (most players)",
    "Computer and TV/H.265 / AAC, smaller files",
    "Web/VP9 / Opus (WebM)",
    "Computer and TV/MPEG-4 / MP3 (older computers)",
};

struct Source {
    QString path;
    int seconds = 0;
    qint64 limit = 0;
};

bool Make(const QString& path, const Kind& kind, int seconds, int tracks) {
    QStringList arguments{"-v", "error", "-f", "lavfi", "-i", QString(kind.graph).arg(seconds)};
    for (int i = 0; i < tracks; ++i) {
        arguments << "-f" << "lavfi" << "-i"
                  << QStringLiteral("anoisesrc=c=pink:a=0.%1:d=%2,pan=stereo|c0=c0|c1=c0")
                         .arg(i + 1)
                         .arg(seconds);
    }
    for (int i = 0; i <= tracks; ++i) {
        arguments << "-map" << QString::number(i);
    }
    arguments << "-c:v" << "libx264" << "-preset" << "ultrafast" << "-crf" << "12" << "-c:a"
              << "flac" << path;
    return bench::Timed("ffmpeg", arguments) >= 0;
}

// A limit between 5 MB and 200 MB that leaves about 0.5 to 3 Mb/s for a source.
qint64 LimitFor(int index, int seconds) {
    const double rates[] = {0.5e6, 1e6, 2e6, 3e6};
    const double bytes = rates[index % 4] * seconds / 8;
    return static_cast<qint64>(std::clamp(bytes, 5e6, 200e6));
}

QJsonObject LastFileObject(const QString& out) {
    QJsonObject file;
    for (const QString& line : out.split('\n', Qt::SkipEmptyParts)) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        if (object.contains("input")) {
            file = object;
        }
    }
    return file;
}

// Runs reelwright-cli; its output, and the seconds it took (-1: it failed to run).
double Cli(const QString& cli, const QStringList& arguments, QString* out) {
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(cli, arguments);
    if (!process.waitForFinished(-1)) {
        return -1;
    }
    *out = QString::fromUtf8(process.readAllStandardOutput());
    return clock.elapsed() / 1000.0;
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * (values.size() - 1))];
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int perSource = argc > 1 ? std::clamp(std::atoi(argv[1]), 1, 4) : 2;
    const QString cli = QCoreApplication::applicationDirPath() + "/../src/app/reelwright-cli";
    QTemporaryDir work;
    std::vector<Source> sources;
    int index = 0;
    for (const Kind& kind : kKinds) {
        for (const int seconds : kLengths) {
            const int tracks = index % 3 == 0 ? 0 : index % 3 == 1 ? 1 : 3;
            const QString path = work.filePath(QStringLiteral("%1-%2s-%3a.mkv")
                                                   .arg(kind.name).arg(seconds).arg(tracks));
            if (!Make(path, kind, seconds, tracks)) {
                return 1;
            }
            sources.push_back({path, seconds, LimitFor(index, seconds)});
            ++index;
        }
    }
    int over = 0;
    int third = 0;
    int results = 0;
    std::vector<double> fills;
    std::vector<double> sizeErrors;
    std::vector<double> timeErrors;
    std::vector<double> costs;
    for (std::size_t s = 0; s < sources.size(); ++s) {
        const Source& source = sources[s];
        for (int p = 0; p < perSource; ++p) {
            const char* preset = kPresets[(s + p) % std::size(kPresets)];
            const QString limit = QString::number(source.limit);
            const QString out = work.filePath(QStringLiteral("out-%1-%2").arg(s).arg(p));
            QString told;
            const QStringList common{"--json", "--jobs", "1", "--preset", preset,
                                     "--max-size", QString::number(source.limit / 1000) + "K",
                                     "--output-folder", out, source.path};
            // What reading and planning the file takes, as any conversion of it does too.
            QString planned;
            const double reading = Cli(cli, QStringList{"--dry-run"} + common, &planned);
            const double estimating = Cli(cli, QStringList{"--estimate"} + common, &told);
            const QJsonObject estimate = LastFileObject(told)["estimate"].toObject();
            QString converted;
            const double converting = Cli(cli, common, &converted);
            const QJsonObject file = LastFileObject(converted);
            const QString result = file["result"].toString();
            if (converting < 0 || result.isEmpty()) {
                std::printf("%-28s %-45s not converted: %s\n",
                            qPrintable(QFileInfo(source.path).fileName()), preset,
                            qPrintable(file["reason"].toString()));
                continue;
            }
            ++results;
            const qint64 size = QFileInfo(result).size();
            const qint64 bytes = source.limit / 1000 * 1000;
            over += size > bytes ? 1 : 0;
            fills.push_back(static_cast<double>(size) / static_cast<double>(bytes));
            const QString notes = file["notes"].toVariant().toStringList().join(' ');
            third += notes.contains("encoded 3 times") ? 1 : 0;
            if (!estimate.isEmpty()) {
                sizeErrors.push_back(std::abs(estimate["bytes"].toDouble() - size) / size);
                timeErrors.push_back(std::abs(estimate["seconds"].toDouble() - converting) /
                                     converting);
                if (source.seconds >= 60) {
                    costs.push_back(std::max(estimating - reading, 0.0) / converting);
                }
            }
            // A time that counts an encode again is told as such.
            const char* again = notes.contains("encoded 3 times")   ? ", 3 encodes"
                                : notes.contains("encoded 2 times") ? ", 2 encodes"
                                                                    : "";
            std::printf("%-28s %-45s limit %6.1f MB  result %6.1f MB  fill %5.1f%%  "
                        "estimate %6.1f MB, %5.0f s (took %5.1f s%s)\n",
                        qPrintable(QFileInfo(source.path).fileName()), preset, bytes / 1e6,
                        size / 1e6, 100.0 * size / bytes, estimate["bytes"].toDouble() / 1e6,
                        estimate["seconds"].toDouble(), converting, again);
            std::fflush(stdout);
            QDir(out).removeRecursively();
        }
    }
    std::printf("\n%d results from %zu sources: %d over their limit, median fill %.1f%%, "
                "a third encode for %d\n",
                results, sources.size(), over, 100 * Percentile(fills, 0.5), third);
    std::printf("estimates: size error median %.1f%%, worst %.1f%%; time error median %.1f%%, "
                "worst %.1f%%; cost for 60 s and more: median %.1f%%, worst %.1f%%\n",
                100 * Percentile(sizeErrors, 0.5), 100 * Percentile(sizeErrors, 1.0),
                100 * Percentile(timeErrors, 0.5), 100 * Percentile(timeErrors, 1.0),
                100 * Percentile(costs, 0.5), 100 * Percentile(costs, 1.0));
    return over == 0 ? 0 : 1;
}
