#include "window/RunningWindow.h"

#include "platform/OwnFolder.h"
#include "platform/PeerUser.h"
#include "platform/UserFolders.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
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

constexpr char kTaken[] = "taken\n";
constexpr qint64 kSliceMs = 100;

bool SameUser(const QLocalSocket& socket) {
    return PeerUser(socket.socketDescriptor()) == ::geteuid();
}

// Nothing more of it is read, and nothing of what it said is used.
void Drop(QLocalSocket* socket) {
    socket->abort();
    socket->deleteLater();
}

QByteArray Message(const QStringList& files) {
    QJsonArray list;
    for (const QString& file : files) {
        list.append(file);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("files"), list}})
               .toJson(QJsonDocument::Compact) +
           '\n';
}

QStringList FilesOf(const QByteArray& line) {
    QStringList files;
    const QJsonObject message = QJsonDocument::fromJson(line).object();
    for (const QJsonValue& file : message.value(QStringLiteral("files")).toArray()) {
        if (file.isString() && !file.toString().isEmpty()) {
            files << file.toString();
        }
    }
    return files;
}

}  // namespace

RunningWindow::RunningWindow(QObject* parent) : QObject(parent) {
    connect(&server_, &QLocalServer::newConnection, this, &RunningWindow::Take);
}

std::optional<QString> RunningWindow::SocketName(QString* why) {
    const std::optional<QString> folder = OwnRuntimeFolder(why);
    if (!folder) {
        return std::nullopt;
    }
    const QByteArray state =
        QCryptographicHash::hash(QFile::encodeName(StateFolder()), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(*folder).filePath(QStringLiteral("reelwright-%1").arg(QString::fromLatin1(state)));
}

bool RunningWindow::Listen() {
    QString why;
    if (const std::optional<QString> name = SocketName(&why)) {
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        if (server_.listen(*name)) {
            return true;
        }
        // Left by a window that died: only the window that keeps the list listens, and that is
        // this one; the folder is ours alone, so nobody else's socket is removed.
        QLocalServer::removeServer(*name);
        if (server_.listen(*name)) {
            return true;
        }
        why = tr("%1 cannot be listened on: %2").arg(*name, server_.errorString());
    }
    listenFailure_ = why;
    qWarning().noquote() << "reelwright: windows started later cannot hand their files to this one:"
                         << why;
    return false;
}

void RunningWindow::Take() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        // Another user's program is dropped unread; past a few connections at once, any is.
        if (!SameUser(*socket) || held_ >= kMostHeld) {
            Drop(socket);
            continue;
        }
        Hold(socket);
    }
}

void RunningWindow::Hold(QLocalSocket* socket) {
    ++held_;
    connect(socket, &QObject::destroyed, this, [this] { --held_; });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // What is past the bound stays unread in the system, and the connection is dropped.
    socket->setReadBufferSize(kLongestMessage);
    auto* silence = new QTimer(socket);
    silence->setSingleShot(true);
    connect(silence, &QTimer::timeout, socket, [socket] {
        // What came while the window was busy counts as said in time.
        if (!socket->waitForReadyRead(0)) {
            Drop(socket);
        }
    });
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket, silence] {
        silence->start(kSilentMs);
        Read(socket);
    });
    silence->start(kSilentMs);
    Read(socket);
}

void RunningWindow::Read(QLocalSocket* socket) {
    if (socket->state() != QLocalSocket::ConnectedState) {
        return;
    }
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() >= kLongestMessage) {
            Drop(socket);
        }
        return;
    }
    const QStringList files = FilesOf(socket->readLine(kLongestMessage + 1));
    if (auto* silence = socket->findChild<QTimer*>()) {
        silence->stop();
    }
    socket->write(kTaken);
    socket->flush();
    socket->disconnectFromServer();
    // After the answer: the other window need not wait for the files to be probed.
    QTimer::singleShot(0, this, [this, files] { emit FilesHanded(files); });
}

RunningWindow::Handing RunningWindow::HandTo(const QStringList& files, int waitMs,
                                             const std::function<bool()>& abandon) {
    QString why;
    const std::optional<QString> name = SocketName(&why);
    if (!name) {
        return {false, tr("The files are not handed to the Reelwright window open, and this "
                          "window opens on its own: %1.")
                           .arg(why)};
    }
    const QByteArray message = Message(files);
    if (message.size() > kLongestMessage) {
        return {false, tr("Too many files to hand to the Reelwright window open; this window "
                          "opens on its own.")};
    }
    const QDeadlineTimer deadline(waitMs);
    // Waits in short slices: an ending asked meanwhile is not kept waiting.
    const auto slice = [&deadline] {
        return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 1, kSliceMs));
    };
    const auto over = [&deadline, &abandon] {
        return deadline.hasExpired() || (abandon && abandon());
    };
    while (!over()) {
        QLocalSocket socket;
        socket.connectToServer(*name);
        if (!socket.waitForConnected(slice())) {
            // Not listening yet: the window that keeps the list may still be reading it.
            QThread::msleep(kSliceMs);
            continue;
        }
        if (!SameUser(socket)) {
            return {false, tr("The files are not handed to the window at %1: it belongs to "
                              "another user. This window opens on its own.")
                               .arg(*name)};
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
        return {answer == kTaken, {}};
    }
    return {};
}

}  // namespace reelwright
