#include "engine/DOSOutputs.h"

#include "engine/UnendedProcesses.h"
#include "platform/CommandLine.h"
#include "platform/Notifier.h"
#include "platform/Yield.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::DOSOutputs)
};

// How long one wait for output lasts before the window gets a turn.
constexpr int kWaitSliceMs = 25;

qint64 NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The child writes both its outputs into `writeFd`, reads nothing, keeps `inherited` open, and
// dies with us.
void ConfigureChild(QProcess& process, int writeFd, const std::vector<int>& inherited) {
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent, writeFd, inherited] {
        // Runs in the child after Qt has set its channels: ours replace them.
        ::dup2(writeFd, STDOUT_FILENO);
        ::dup2(writeFd, STDERR_FILENO);
        for (const int fd : inherited) {
            if (fd >= 0) {
                ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) & ~FD_CLOEXEC);
            }
        }
#ifdef Q_OS_LINUX
        // The encoder must not outlive us: the kernel kills it when we die, even by SIGKILL.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) {
            ::_exit(127);
        }
#endif
    });
}

}  // namespace

DOSOutputs::DOSOutputs(QObject* parent) : QObject(parent) {}

DOSOutputs::~DOSOutputs() {
    CleanUp();
}

bool DOSOutputs::Begin(const QString& commandLine) {
    stopConvert_ = false;
    if (!commandLine.isEmpty()) {
        commandLine_ = commandLine;
    }
    if (commandLine_.isEmpty()) {
        Notifier::Current().Show(Text::tr("Command Line is empty"), MessageIcon::Error);
        return false;
    }
    CleanUp();
    exitedNormally_ = false;
    started_ = false;
    timedOut_ = false;
    exitCode_ = -1;
    endSentMs_ = 0;
    unendedPid_ = 0;

    int fds[2] = {-1, -1};
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        const int error = errno;  // before anything else can change it
        //: %1 is the system's error number.
        Notifier::Current().Show(Text::tr("CreatePipe failed. Error: %1").arg(error),
                                 MessageIcon::Error);
        return false;
    }
    const QStringList parts = SplitCommandLine(commandLine_);
    auto process = std::make_unique<QProcess>();
    ConfigureChild(*process, fds[1], inherited_);
    process->setProgram(parts.value(0));
    process->setArguments(parts.mid(1));
    errno = 0;
    process->start(QIODevice::ReadOnly);
    const int startErrno = errno;
    ::close(fds[1]);
    if (!process->waitForStarted(-1)) {
        ::close(fds[0]);
        // A runnable program that did not start ran out of pipes or descriptors before its exec;
        // anything else means the program is missing or cannot be run.
        if (IsRunnableProgram(process->program()) &&
            !process->errorString().startsWith(QStringLiteral("exec"))) {
            //: %1 is the system's error number.
            Notifier::Current().Show(Text::tr("CreatePipe failed. Error: %1").arg(startErrno),
                                     MessageIcon::Error);
        } else {
            Notifier::Current().Show(Text::tr("File or command not found"), MessageIcon::Error);
        }
        return false;
    }
    process_ = std::move(process);
    readFd_ = fds[0];
    started_ = true;
    deadline_ = timeLimitMs_ > 0 ? NowMs() + timeLimitMs_ : 0;
    outputs_.clear();
    // One decoder per run, so a character split between two reads is not garbled.
    decoder_ = QStringDecoder(QStringDecoder::System);
    return true;
}

QString DOSOutputs::ExecuteCommand(const QString& commandLine) {
    if (!Begin(commandLine)) {
        return QString();
    }
    char buffer[kReadSize];
    for (;;) {
        qint64 count = 0;
        const ReadResult result = ReadChunk(buffer, &count);
        if (result == ReadResult::Stopped) {
            return Cancel();
        }
        if (result == ReadResult::TimedOut) {
            timedOut_ = true;
            CleanUp();
            return QString();
        }
        const QString piece = decoder_(QByteArrayView(buffer, count));
        Keep(piece);
        for (int i = 0; i < kYieldsPerRead; ++i) {
            Yield::Run();
        }
        emit ReceiveOutputs(piece);
        if (stopConvert_) {
            return Cancel();
        }
        if (result == ReadResult::End || !process_) {
            // The output has ended; the child is gone or about to be.
            while (process_ && process_->state() != QProcess::NotRunning &&
                   !process_->waitForFinished(kWaitSliceMs)) {
                Yield::Run();
                if (stopConvert_) {
                    return Cancel();
                }
            }
            EndRun();
            return Outputs();
        }
    }
}

void DOSOutputs::EndRun() {
    if (process_) {
        exitedNormally_ = process_->exitStatus() == QProcess::NormalExit;
        exitCode_ = process_->exitCode();
    }
    CleanUp();
}

bool DOSOutputs::Pump(int waitMs) {
    if (!process_) {
        return false;
    }
    if (stopConvert_) {
        Cancel();
        return false;
    }
    if (deadline_ > 0 && NowMs() >= deadline_) {
        timedOut_ = true;
        CleanUp();
        return false;
    }
    if (outputEnded_) {
        // The output has ended; the child is gone or about to be.
        if (process_->state() != QProcess::NotRunning && !process_->waitForFinished(0)) {
            return true;
        }
        emit ReceiveOutputs(QString());
        EndRun();
        return false;
    }
    // What is there now, a bounded amount, so that the other runs and the window get their turn.
    char buffer[kReadSize];
    for (int read = 0; read < kPumpReads; ++read) {
        pollfd wait{readFd_, POLLIN, 0};
        const int ready = ::poll(&wait, 1, read == 0 ? waitMs : 0);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            // A silent child that has gone may have left a child of its own holding the pipe:
            // its end, once all it wrote has been read, is the end of the run.
            if (process_->state() == QProcess::NotRunning || process_->waitForFinished(0)) {
                outputEnded_ = true;
            }
            return true;
        }
        const ssize_t n = ::read(readFd_, buffer, kReadSize);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (n <= 0) {
            outputEnded_ = true;  // every writer has closed its end
            return true;
        }
        const QString piece = decoder_(QByteArrayView(buffer, n));
        Keep(piece);
        emit ReceiveOutputs(piece);
        if (stopConvert_ || !process_) {
            return process_ != nullptr;
        }
    }
    return true;
}

DOSOutputs::ReadResult DOSOutputs::ReadChunk(char* buffer, qint64* count) {
    bool childGone = false;
    for (;;) {
        if (!process_ || readFd_ < 0) {
            return ReadResult::End;  // released meanwhile
        }
        pollfd wait{readFd_, POLLIN, 0};
        const int ready = ::poll(&wait, 1, childGone ? 0 : kWaitSliceMs);
        if (ready > 0) {
            const ssize_t n = ::read(readFd_, buffer, kReadSize);
            if (n > 0) {
                *count = n;
                return ReadResult::Data;
            }
            if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
                continue;
            }
            return ReadResult::End;  // every writer has closed its end
        }
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        // The child is silent. One that has gone may have left a child of its own holding the
        // pipe open: its end, once what it wrote has been read, is the end of the run.
        if (childGone) {
            return ReadResult::End;
        }
        if (process_->state() == QProcess::NotRunning || process_->waitForFinished(0)) {
            childGone = true;
            continue;
        }
        // Keep the window painting and honour a stop at once.
        Yield::Run();
        if (stopConvert_) {
            return ReadResult::Stopped;
        }
        if (deadline_ > 0 && NowMs() >= deadline_) {
            return ReadResult::TimedOut;
        }
    }
}

void DOSOutputs::Keep(const QString& piece) {
    outputs_ += piece;
    if (outputs_.size() > 2 * kKeptOutput) {
        outputs_.remove(0, outputs_.size() - kKeptOutput);
    }
}

QString DOSOutputs::Cancel() {
    CleanUp();
    emit ReceiveOutputs(QStringLiteral("Cancelled"));
    return QString();
}

void DOSOutputs::SetStopConvert(bool bSet) {
    stopConvert_ = bSet;
    // Told at once, so that several runs stopped together are waited for together.
    if (bSet && process_ && process_->state() != QProcess::NotRunning && endSentMs_ == 0) {
        UnendedProcesses::End(*process_);
        endSentMs_ = NowMs();
    }
}

void DOSOutputs::CleanUp() {
    outputEnded_ = false;
    if (readFd_ >= 0) {
        ::close(readFd_);
        readFd_ = -1;
    }
    if (!process_) {
        return;
    }
    // Released first, so a handler that calls in again finds nothing to release.
    std::unique_ptr<QProcess> process = std::move(process_);
    if (process->state() == QProcess::NotRunning) {
        return;
    }
    if (endSentMs_ == 0) {
        UnendedProcesses::End(*process);
        endSentMs_ = NowMs();
    }
    // A bounded wait: the window must not freeze on a child that cannot end now.
    const qint64 left = std::max<qint64>(0, endSentMs_ + kStopWaitMs - NowMs());
    if (!process->waitForFinished(static_cast<int>(left)) &&
        process->state() != QProcess::NotRunning) {
        unendedPid_ = process->processId();
        UnendedProcesses::Keep(std::move(process));
    }
}

}  // namespace reelwright
