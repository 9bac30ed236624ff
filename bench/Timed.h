#pragma once

// What the benchmarks that run whole programs share: a median, a program timed to its end, and
// the CPU its children used.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

// The CPU seconds the children waited for have used so far.
inline double ChildrenCpu() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs a program to its end, with `home` as its home when given; seconds it took, or -1 when it
// failed.
inline double Timed(const QString& program, const QStringList& arguments,
                    const QString& home = {}) {
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
        std::fprintf(stderr, "failed: %s %s\n", qPrintable(program),
                     qPrintable(arguments.join(u' ')));
        return -1;
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

}  // namespace bench
