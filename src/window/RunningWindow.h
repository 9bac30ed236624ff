#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QLocalSocket;

namespace reelwright {

// The window that keeps the list takes the files of windows started after it, as desktop
// programs do: a second start hands its files over and ends, so that one list has one owner
// and no file is converted twice. Windows meet through a local socket named after the state
// folder, in a folder of the user's own; each end makes sure the other is the same user.
class RunningWindow : public QObject {
    Q_OBJECT

  public:
    explicit RunningWindow(QObject* parent = nullptr);

    // Starts taking files from later windows; false when the socket cannot be made, and
    // ListenFailure() says why.
    bool Listen();
    const QString& ListenFailure() const { return listenFailure_; }

    struct Handing {
        bool taken = false;  // the window that keeps the list took the files
        QString refused;     // why they were not even offered (a sentence), when so
    };
    // Hands `files` to the window that keeps the list, waiting up to `waitMs` for it to answer
    // (it may be starting itself), or until `abandon` answers true. A window of another user is
    // never handed anything.
    static Handing HandTo(const QStringList& files, int waitMs = kWaitMs,
                          const std::function<bool()>& abandon = {});
    static constexpr int kWaitMs = 10000;
    // The socket's path for the current state folder; none when there is no folder of the
    // user's own to put it in (`why` says why).
    static std::optional<QString> SocketName(QString* why = nullptr);

    // What one connection may send: far more than any list of names a command line can hold.
    static constexpr qint64 kLongestMessage = 8LL * 1024 * 1024;
    // How long a connection may say nothing before it is dropped.
    static constexpr int kSilentMs = 5000;
    // Connections held at once; more are dropped as they come.
    static constexpr int kMostHeld = 4;
    int ConnectionsHeld() const { return held_; }

  signals:
    // A later window's files (perhaps none: it only asked to be shown).
    void FilesHanded(const QStringList& files);

  private:
    void Take();
    void Hold(QLocalSocket* socket);
    void Read(QLocalSocket* socket);

    QString listenFailure_;
    int held_ = 0;  // before the server: its connections count down as it ends
    QLocalServer server_;
};

}  // namespace reelwright
