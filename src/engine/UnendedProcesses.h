#pragma once

#include <QString>

#include <functional>
#include <memory>

class QProcess;

namespace reelwright {

// Encoders that did not end when they were stopped (a process in uninterruptible I/O on a hung
// network share ends only when the system lets it): kept here until they end, so that nobody
// waits for them, and let go of then.
class UnendedProcesses {
  public:
    static void Keep(std::unique_ptr<QProcess> process);
    // Removes `file` (its half-written result) once the process has ended: it may lie on the
    // share that holds it.
    static void RemoveWhenEnded(qint64 pid, const QString& file);
    // How many have not ended yet.
    static int Count();
    // What a row says of such an encoder.
    static QString Reason(qint64 pid);

    // Ends a child process (SIGKILL); a test replaces it with one that leaves it running.
    using Ender = std::function<void(QProcess& process)>;
    static void End(QProcess& process);
    static Ender InstallEnder(Ender ender);
};

}  // namespace reelwright
