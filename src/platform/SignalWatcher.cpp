#include "platform/SignalWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace reelwright {
namespace {

int g_pipe[2] = {-1, -1};
volatile sig_atomic_t g_caught = 0;

extern "C" void OnSignal(int signal) {
    const int saved = errno;
    if (g_caught == 0) {
        g_caught = signal;
    }
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &number, 1);
    errno = saved;
}

}  // namespace

SignalWatcher::SignalWatcher(QObject* parent) : SignalWatcher({SIGTERM, SIGHUP, SIGINT}, parent) {}

SignalWatcher::SignalWatcher(QList<int> watched, QObject* parent)
    : QObject(parent), signals_(std::move(watched)) {
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    g_caught = 0;
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalWatcher::Read);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : signals_) {
        ::sigaction(signal, &action, nullptr);
    }
}

SignalWatcher::~SignalWatcher() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    for (const int signal : signals_) {
        ::sigaction(signal, &action, nullptr);
    }
}

int SignalWatcher::Caught() const {
    return g_caught;
}

void SignalWatcher::Read() {
    unsigned char number = 0;
    while (::read(g_pipe[0], &number, 1) == 1) {
        emit Received(number);
    }
}

}  // namespace reelwright
