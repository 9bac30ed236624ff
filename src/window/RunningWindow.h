#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

#include <functional>

namespace reelwright {

// The window that keeps the list takes the files of windows started after it, as desktop
// programs do: a second start hands its files over and ends, so that one list has one owner
// and no file is converted twice. Windows meet through a local socket named after the state
// folder, reachable only by the same user.
class RunningWindow : public QObject {
    Q_OBJECT

  public:
    explicit RunningWindow(QObject* parent = nullptr);

    // Starts taking files from later windows; false when the socket cannot be made.
    bool Listen();

    // Hands `files` to the window that keeps the list, waiting up to `waitMs` for it to answer
    // (it may be starting itself), or until `abandon` answers true. True when it took them.
    static bool HandTo(const QStringList& files, int waitMs = kWaitMs,
                       const std::function<bool()>& abandon = {});
    static constexpr int kWaitMs = 10000;
    // The socket's name for the current state folder.
    static QString SocketName();

  signals:
    // A later window's files (perhaps none: it only asked to be shown).
    void FilesHanded(const QStringList& files);

  private:
    void Take();

    QLocalServer server_;
};

}  // namespace reelwright
