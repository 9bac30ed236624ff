#include "window/RunningWindow.h"

#include "platform/UserFolders.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>

#include <unistd.h>

namespace reelwright {
namespace {

// More than any list of names a command line can hold.
constexpr qint64 kLongestMessage = 64LL * 1024 * 1024;
constexpr char kTaken[] = "taken\n";
constexpr qint64 kSliceMs = 100;

}  // namespace

RunningWindow::RunningWindow(QObject* parent) : QObject(parent) {
    connect(&server_, &QLocalServer::newConnection, this, &RunningWindow::Take);
}

QString RunningWindow::SocketName() {
    const QByteArray state =
        QCryptographicHash::hash(QFile::encodeName(StateFolder()), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    // The user's own runtime folder where there is one; the name stays short enough for a
    // socket's path either way.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder =
        !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
    return QDir(folder).filePath(
        QStringLiteral("reelwright-%1-%2").arg(::getuid()).arg(QString::fromLatin1(state)));
}

bool RunningWindow::Listen() {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = SocketName();
    if (server_.listen(name)) {
        return true;
    }
    // Left by a window that died: only the window that keeps the list listens, and that is
    // this one.
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void RunningWindow::Take() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kLongestMessage) {
                    socket->abort();
                }
                return;
            }
            const QJsonObject message = QJsonDocument::fromJson(socket->readLine()).object();
            QStringList files;
            for (const QJsonValue& file : message.value(QStringLiteral("files")).toArray()) {
                if (file.isString() && !file.toString().isEmpty()) {
                    files << file.toString();
                }
            }
            socket->write(kTaken);
            socket->flush();
            socket->disconnectFromServer();
            // After the answer: the other window need not wait for the files to be probed.
            QTimer::singleShot(0, this, [this, files] { emit FilesHanded(files); });
        });
    }
}

bool RunningWindow::HandTo(const QStringList& files, int waitMs,
                           const std::function<bool()>& abandon) {
    const QDeadlineTimer deadline(waitMs);
    // Waits in short slices: an ending asked meanwhile is not kept waiting.
    const auto slice = [&deadline] {
        return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 1, kSliceMs));
    };
    const auto over = [&deadline, &abandon] {
        return deadline.hasExpired() || (abandon && abandon());
    };
    QJsonArray list;
    for (const QString& file : files) {
        list.append(file);
    }
    const QByteArray message =
        QJsonDocument(QJsonObject{{QStringLiteral("files"), list}}).toJson(QJsonDocument::Compact) +
        '\n';
    const QString name = SocketName();
    while (!over()) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (!socket.waitForConnected(slice())) {
            // Not listening yet: the window that keeps the list may still be reading it.
            QThread::msleep(kSliceMs);
            continue;
        }
        socket.write(message);
        QByteArray answer;
        while (!answer.endsWith('\n') && !over()) {
            if (socket.bytesAvailable() > 0 || socket.waitForReadyRead(slice())) {
                answer += socket.readAll();
            } else if (socket.state() != QLocalSocket::ConnectedState) {
                break;
            }
        }
        return answer == kTaken;
    }
    return false;
}

}  // namespace reelwright
