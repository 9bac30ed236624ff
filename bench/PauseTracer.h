#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <execinfo.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

// Where the window's thread is when its event loop stalls: with TRACE_PAUSES set, a watcher
// thread finds the loop without a turn for over 35 ms and has that thread print its stack to
// standard error, again every 15 ms while the stall lasts. Link with -rdynamic for names.
namespace pause_tracer {

inline std::atomic<qint64> lastTurn{0};
inline QElapsedTimer clock;
inline pthread_t loopThread;

inline void PrintStack(int) {
    void* frames[64];
    const int count = backtrace(frames, 64);
    backtrace_symbols_fd(frames, count, STDERR_FILENO);
}

inline void StartIfAsked() {
    if (!qEnvironmentVariableIsSet("TRACE_PAUSES")) {
        return;
    }
    clock.start();
    loopThread = pthread_self();
    signal(SIGUSR2, PrintStack);
    auto* turns = new QTimer(QCoreApplication::instance());
    turns->setInterval(5);
    QObject::connect(turns, &QTimer::timeout, [] { lastTurn = clock.elapsed(); });
    turns->start();
    std::thread([] {
        qint64 toldAt = 0;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            const qint64 now = clock.elapsed();
            if (now - lastTurn > 35 && now - toldAt >= 15) {
                toldAt = now;
                std::fprintf(stderr, "---- stalled %lld ms\n",
                             static_cast<long long>(now - lastTurn));
                pthread_kill(loopThread, SIGUSR2);
            }
        }
    }).detach();
}

}  // namespace pause_tracer
