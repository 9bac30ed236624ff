#include "engine/UnendedProcesses.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <vector>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::UnendedProcesses)
};

struct Unended {
    QProcess* process;
    QStringList files;
};

// Never destroyed: a QProcess destroyed while its child runs waits for it, and the program's
// end must not.
std::vector<Unended>& Held() {
    static auto* held = new std::vector<Unended>;
    return *held;
}

UnendedProcesses::Ender& Installed() {
    static UnendedProcesses::Ender ender;
    return ender;
}

}  // namespace

void UnendedProcesses::Keep(std::unique_ptr<QProcess> process) {
    QProcess* held = process.release();
    Held().push_back({held, {}});
    QObject::connect(held, &QProcess::finished, held, [held] {
        const auto it = std::find_if(Held().begin(), Held().end(),
                                     [held](const Unended& unended) { return unended.process == held; });
        if (it != Held().end()) {
            for (const QString& file : it->files) {
                QFile::remove(file);
            }
            Held().erase(it);
        }
        held->deleteLater();
    });
}

void UnendedProcesses::RemoveWhenEnded(qint64 pid, const QString& file) {
    for (Unended& unended : Held()) {
        if (unended.process->processId() == pid && unended.process->state() != QProcess::NotRunning) {
            unended.files << file;
            return;
        }
    }
    QFile::remove(file);  // it has ended meanwhile
}

int UnendedProcesses::Count() {
    return static_cast<int>(std::count_if(Held().begin(), Held().end(), [](const Unended& unended) {
        return unended.process->state() != QProcess::NotRunning;
    }));
}

QString UnendedProcesses::Reason(qint64 pid) {
    //: %1 is a process number.
    return Text::tr(
               "Stopped, but the encoder (process %1) could not be stopped yet: it does not "
               "answer, as when a network folder it reads or writes no longer responds. It "
               "ends as soon as the system lets it, and its half-written file is removed "
               "then.")
        .arg(pid);
}

void UnendedProcesses::End(QProcess& process) {
    if (Installed()) {
        Installed()(process);
    } else {
        process.kill();
    }
}

UnendedProcesses::Ender UnendedProcesses::InstallEnder(Ender ender) {
    Ender previous = std::move(Installed());
    Installed() = std::move(ender);
    return previous;
}

}  // namespace reelwright
