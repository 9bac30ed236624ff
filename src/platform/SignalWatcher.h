#pragma once

#include <QList>
#include <QObject>

class QSocketNotifier;

namespace reelwright {

// Turns SIGTERM, SIGHUP and SIGINT (or the signals given) into a Qt signal on the thread's event
// loop. The handler only writes the signal's number into a pipe; everything else happens when the
// loop reads it.
class SignalWatcher : public QObject {
    Q_OBJECT

  public:
    explicit SignalWatcher(QObject* parent = nullptr);
    // SIGPIPE among them turns a write to a closed output into an ending like any other.
    explicit SignalWatcher(QList<int> watched, QObject* parent = nullptr);
    ~SignalWatcher() override;

    // Exit status that tells the shell a process ended by this signal (128 + its number).
    static int ExitStatusFor(int signal) { return 128 + signal; }

    // The first of its signals that has arrived, whether or not its event has been handled yet
    // (while the program starts, nothing may be connected); 0 when none has.
    int Caught() const;

  signals:
    void Received(int signal);

  private:
    void Read();

    QSocketNotifier* notifier_ = nullptr;
    QList<int> signals_;
};

}  // namespace reelwright
