#include "engine/DOSOutputs.h"

#include "platform/CommandLine.h"
#include "platform/Notifier.h"
#include "platform/Yield.h"

#include <QProcess>
#include <QStringDecoder>

#include <cerrno>
#include <csignal>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace reelwright {
namespace {

// How long one wait for output lasts before the window gets a turn.
constexpr int kWaitSliceMs = 25;

void ConfigureChild(QProcess& process) {
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_LINUX
    // The encoder must not outlive us: the kernel kills it when we die, even by SIGKILL.
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) {
            ::_exit(127);
        }
    });
#endif
}

}  // namespace

DOSOutputs::DOSOutputs(QObject* parent) : QObject(parent) {}

DOSOutputs::~DOSOutputs() {
    CleanUp();
}

QString DOSOutputs::ExecuteCommand(const QString& commandLine) {
    stopConvert_ = false;
    if (!commandLine.isEmpty()) {
        commandLine_ = commandLine;
    }
    if (commandLine_.isEmpty()) {
        Notifier::Current().Show(QStringLiteral("Command Line is empty"), MessageIcon::Error);
        return QString();
    }
    CleanUp();
    exitedNormally_ = false;
    exitCode_ = -1;

    const QStringList parts = SplitCommandLine(commandLine_);
    auto process = std::make_unique<QProcess>();
    ConfigureChild(*process);
    process->setProgram(parts.value(0));
    process->setArguments(parts.mid(1));
    errno = 0;
    process->start(QIODevice::ReadOnly);
    const int startErrno = errno;
    if (!process->waitForStarted(-1)) {
        // A runnable program that did not start ran out of pipes or descriptors before its exec;
        // anything else means the program is missing or cannot be run.
        if (IsRunnableProgram(process->program()) &&
            !process->errorString().startsWith(QStringLiteral("exec"))) {
            Notifier::Current().Show(
                QStringLiteral("CreatePipe failed. Error: ") + QString::number(startErrno),
                MessageIcon::Error);
        } else {
            Notifier::Current().Show(QStringLiteral("File or command not found"),
                                     MessageIcon::Error);
        }
        return QString();
    }
    process_ = std::move(process);
    outputs_.clear();

    // One decoder per run, so a character split between two reads is not garbled.
    QStringDecoder decoder(QStringDecoder::System);
    char buffer[kReadSize];
    for (;;) {
        qint64 count = 0;
        const ReadResult result = ReadChunk(buffer, &count);
        if (result == ReadResult::Stopped) {
            return Cancel();
        }
        const QString piece = decoder(QByteArrayView(buffer, count));
        outputs_ += piece;
        for (int i = 0; i < kYieldsPerRead; ++i) {
            Yield::Run();
        }
        emit ReceiveOutputs(piece);
        if (stopConvert_) {
            return Cancel();
        }
        if (result == ReadResult::End || !process_) {
            if (process_) {
                exitedNormally_ = process_->exitStatus() == QProcess::NormalExit;
                exitCode_ = process_->exitCode();
            }
            CleanUp();
            return outputs_;
        }
    }
}

DOSOutputs::ReadResult DOSOutputs::ReadChunk(char* buffer, qint64* count) {
    for (;;) {
        if (!process_) {
            return ReadResult::End;  // released meanwhile
        }
        if (process_->bytesAvailable() > 0) {
            *count = process_->read(buffer, kReadSize);
            return ReadResult::Data;
        }
        if (process_->state() == QProcess::NotRunning) {
            return ReadResult::End;
        }
        if (process_->waitForReadyRead(kWaitSliceMs)) {
            continue;
        }
        // The child is silent: keep the window painting and honour a stop at once.
        Yield::Run();
        if (stopConvert_) {
            return ReadResult::Stopped;
        }
    }
}

QString DOSOutputs::Cancel() {
    CleanUp();
    emit ReceiveOutputs(QStringLiteral("Cancelled"));
    return QString();
}

void DOSOutputs::CleanUp() {
    if (!process_) {
        return;
    }
    // Released first, so a handler that calls in again finds nothing to release.
    const std::unique_ptr<QProcess> process = std::move(process_);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(-1);
    }
}

}  // namespace reelwright
