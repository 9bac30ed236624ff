// A later start hands its files only to a window of the same user, through a socket in a folder
// of the user's own; the window reads no other user's connection, and holds none for long or
// large. Another user is played by a small Python program run as nobody through setpriv.
#include "window/RunningWindow.h"

#include "WindowTest.h"
#include "common/CaseName.h"
#include "common/ScopedVariable.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace reelwright {
namespace {

using test::GiveAway;
using test::kOtherUser;
using test::MakeFolder;
constexpr int kBoundMs = 60000;

// Listens at the path given, answers every connection "taken" as a window would, and counts
// what it is sent; once its input ends it says how much that was.
constexpr char kSquatter[] = R"(
import os, select, socket, sys
path = sys.argv[1]
listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
listener.bind(path)
os.chmod(path, 0o777)
listener.listen(16)
listener.setblocking(False)
print("listening", flush=True)
held, received = [], 0
def serve():
    global received
    while True:
        try:
            connection, _ = listener.accept()
        except BlockingIOError:
            break
        print("connected", flush=True)
        try:
            connection.sendall(b"taken\n")
        except OSError:
            pass
        connection.setblocking(False)
        held.append(connection)
    for connection in list(held):
        try:
            data = connection.recv(1 << 16)
        except BlockingIOError:
            continue
        except OSError:
            data = b""
        received += len(data)
        if not data:
            held.remove(connection)
while True:
    ready = select.select([listener, sys.stdin] + held, [], [])[0]
    serve()
    if sys.stdin in ready and not os.read(0, 64):
        break
serve()
print("received", received, flush=True)
)";

// Hands a file list to the socket given, as a later start would, and says what came back.
constexpr char kHander[] = R"(
import socket, sys
client = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
client.connect(sys.argv[1])
print("connected", flush=True)
got = b""
try:
    client.sendall(b'{"files":["/v/theirs.mkv"]}\n')
    client.settimeout(120)
    while True:
        data = client.recv(1 << 16)
        if not data:
            break
        got += data
except OSError:
    pass
print("answer", got.decode(errors="replace").strip() or "none", flush=True)
)";

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// A Python program run as nobody, with setpriv from util-linux.
class OtherUsersProgram {
  public:
    // Why no such program can be run here; empty when it can.
    static QString WhyNot() {
        if (::geteuid() != 0) {
            return "only root may start a program as another user";
        }
        if (Setpriv().isEmpty()) {
            return "setpriv (util-linux) is not installed";
        }
        if (Python().isEmpty()) {
            return "no python3 in /usr/bin or /bin that another user may run";
        }
        return {};
    }

    OtherUsersProgram(const char* script, const QString& argument, const QString& folder) {
        process_.setWorkingDirectory(folder);
        process_.setProgram(Setpriv());
        process_.setArguments({QString("--reuid=%1").arg(kOtherUser),
                               QString("--regid=%1").arg(kOtherUser), "--clear-groups", Python(),
                               "-c", script, argument});
        process_.start();
    }
    ~OtherUsersProgram() {
        process_.kill();
        process_.waitForFinished();
    }

    // Until it has written `text`, or has ended without.
    bool WaitFor(const QByteArray& text) {
        const bool settled = QTest::qWaitFor(
            [&] {
                output_ += process_.readAllStandardOutput();
                return output_.contains(text) || process_.state() == QProcess::NotRunning;
            },
            kBoundMs);
        output_ += process_.readAllStandardOutput();
        EXPECT_TRUE(settled) << "it neither wrote " << text.toStdString() << " nor ended";
        return output_.contains(text);
    }
    bool Running() const { return process_.state() != QProcess::NotRunning; }
    // Its input closed; all it wrote once it has ended.
    std::string Ended() {
        process_.closeWriteChannel();
        if (!QTest::qWaitFor([&] { return !Running(); }, kBoundMs)) {
            return (output_ + "(still running)").toStdString();
        }
        return (output_ + process_.readAllStandardOutput()).toStdString();
    }
    std::string Errors() { return process_.readAllStandardError().toStdString(); }

  private:
    static QString Setpriv() { return QStandardPaths::findExecutable("setpriv"); }
    // The system's own, which nobody may run (a user's Python may lie in a home of its own).
    static QString Python() {
        return QStandardPaths::findExecutable("python3", {"/usr/bin", "/bin"});
    }

    QProcess process_;
    QByteArray output_;
};

// A client of our own user on a thread of its own: it sends `begun`, `bytes` letters and `end`,
// stopping when the window drops it, then waits until it does, counting any answer.
class OwnClient {
  public:
    OwnClient(const QString& path, const QByteArray& begun, qint64 bytes, const QByteArray& end)
        : descriptor_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray native = Native(path);
        std::copy(native.begin(), native.end(), address.sun_path);
        connected_ =
            descriptor_ >= 0 && ::connect(descriptor_, reinterpret_cast<const sockaddr*>(&address),
                                          sizeof address) == 0;
        thread_ = std::thread([this, begun, bytes, end] { Run(begun, bytes, end); });
    }
    ~OwnClient() {
        // Under a fault the window would hold it for ever: let the thread go.
        ::shutdown(descriptor_, SHUT_RDWR);
        thread_.join();
        ::close(descriptor_);
    }
    bool Connected() const { return connected_; }
    bool Ended() const { return ended_; }
    qint64 Answered() const { return answered_; }

  private:
    void Run(const QByteArray& begun, qint64 bytes, const QByteArray& end) {
        static const QByteArray chunk(64 * 1024, 'x');
        bool sending = connected_ && Send(begun.constData(), begun.size());
        for (qint64 sent = 0; sending && sent < bytes; sent += chunk.size()) {
            sending = Send(chunk.constData(), std::min<qint64>(chunk.size(), bytes - sent));
        }
        if (sending) {
            Send(end.constData(), end.size());
        }
        char answer[256];
        ssize_t got = 0;
        while (connected_ && (got = ::recv(descriptor_, answer, sizeof answer, 0)) > 0) {
            answered_ += got;
        }
        ended_ = true;
    }
    bool Send(const char* data, qint64 size) {
        return size == 0 || ::send(descriptor_, data, size, MSG_NOSIGNAL) == size;
    }

    int descriptor_;
    bool connected_ = false;
    std::atomic<bool> ended_{false};
    std::atomic<qint64> answered_{0};
    std::thread thread_;
};

// The most memory this process has held, in MiB.
qint64 PeakMemoryMiB() {
    QFile file("/proc/self/status");
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024;
        }
    }
    return -1;
}

// Hands `files` over from another thread while this one runs the window, as a later start
// would; true when they were taken and the window said so with these very files.
bool HandOver(QSignalSpy& handed, const QStringList& files) {
    std::future<RunningWindow::Handing> handing =
        std::async(std::launch::async, [files] { return RunningWindow::HandTo(files, kBoundMs); });
    if (!QTest::qWaitFor(
            [&] { return handing.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            2 * kBoundMs)) {
        return false;
    }
    return handing.get().taken && QTest::qWaitFor([&] { return handed.count() == 1; }, kBoundMs) &&
           handed.takeFirst().at(0).toStringList() == files;
}

// The temporary folder is one anyone may write into, as /tmp, and there is no runtime folder
// (su, ssh without a login manager, cron): the socket's folder is made in the temporary one.
class RunningWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(base.isValid());
        ASSERT_EQ(::chmod(Native(base.path()).constData(), 0777), 0);
    }
    QString OwnFolder() const { return base.filePath(QString("reelwright-%1").arg(::geteuid())); }
    QString InBase(const QString& name) const { return base.filePath(name); }

    QTemporaryDir base;
    test::ScopedVariable runtime{"XDG_RUNTIME_DIR", QByteArray()};
    test::ScopedVariable temporary{"TMPDIR", Native(base.path())};
};

struct PlantCase {
    const char* name;
    // Plants what is found at our folder's name; the folder another user listens in.
    std::function<QString(const QString& own, const QString& base)> plant;
    const char* said;  // in why the folder is not used
};

class PlantedFolder : public RunningWindowTest, public testing::WithParamInterface<PlantCase> {};

TEST_P(PlantedFolder, NoFileListReachesTheSquatterAndTheWindowSaysWhy) {
    if (const QString why = OtherUsersProgram::WhyNot(); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    const std::optional<QString> ours = RunningWindow::SocketName();
    ASSERT_TRUE(ours);
    ASSERT_TRUE(QDir().rmdir(OwnFolder()));
    const QString folder = GetParam().plant(OwnFolder(), base.path());
    ASSERT_FALSE(folder.isEmpty());
    const QString squatted = QDir(folder).filePath(QFileInfo(*ours).fileName());
    OtherUsersProgram squatter(kSquatter, squatted, base.path());
    ASSERT_TRUE(squatter.WaitFor("listening\n")) << squatter.Errors();

    const RunningWindow::Handing handing = RunningWindow::HandTo({"/v/mine.mkv"}, kBoundMs);
    EXPECT_FALSE(handing.taken);
    EXPECT_TRUE(handing.refused.contains(OwnFolder()) && handing.refused.contains(GetParam().said))
        << handing.refused.toStdString();
    RunningWindow window;
    EXPECT_FALSE(window.Listen());
    EXPECT_TRUE(window.ListenFailure().contains(OwnFolder()) &&
                window.ListenFailure().contains(GetParam().said))
        << window.ListenFailure().toStdString();
    // The squatter's socket is left where it was, and nothing ever reached it.
    EXPECT_TRUE(QFileInfo::exists(squatted));
    EXPECT_EQ(squatter.Ended(), "listening\nreceived 0\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, PlantedFolder,
                         testing::Values(PlantCase{"another user's folder at our folder's name",
                                                   [](const QString& own, const QString&) {
                                                       return MakeFolder(own, 0777) && GiveAway(own)
                                                                  ? own
                                                                  : QString();
                                                   },
                                                   "another user"},
                                         PlantCase{"another user's link at our folder's name",
                                                   [](const QString& own, const QString& base) {
                                                       const QString theirs = base + "/theirs";
                                                       return MakeFolder(theirs, 0777) &&
                                                                      GiveAway(theirs) &&
                                                                      QFile::link(theirs, own) &&
                                                                      GiveAway(own)
                                                                  ? theirs
                                                                  : QString();
                                                   },
                                                   "link"},
                                         PlantCase{"a folder of ours open to everyone",
                                                   [](const QString& own, const QString&) {
                                                       return MakeFolder(own, 0777) ? own
                                                                                    : QString();
                                                   },
                                                   "0777"}),
                         test::CaseName<PlantCase>);

// The other user's socket moved into our folder, as only a mistake or root could: the connection
// is made, and who is at its other end decides.
TEST_F(RunningWindowTest, NoFileListIsHandedToAWindowOfAnotherUser) {
    if (const QString why = OtherUsersProgram::WhyNot(); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    const std::optional<QString> ours = RunningWindow::SocketName();
    ASSERT_TRUE(ours);
    ASSERT_TRUE(MakeFolder(InBase("open"), 0777));
    OtherUsersProgram squatter(kSquatter, InBase("open/s"), base.path());
    ASSERT_TRUE(squatter.WaitFor("listening\n")) << squatter.Errors();
    ASSERT_EQ(::rename(Native(InBase("open/s")).constData(), Native(*ours).constData()), 0);

    const RunningWindow::Handing handing = RunningWindow::HandTo({"/v/mine.mkv"}, kBoundMs);
    EXPECT_FALSE(handing.taken);
    EXPECT_TRUE(handing.refused.contains("another user")) << handing.refused.toStdString();
    EXPECT_EQ(squatter.Ended(), "listening\nconnected\nreceived 0\n");
}

// Our socket moved where another user can reach it: the window drops that user's connection
// unread and unanswered, and goes on taking its own user's files.
TEST_F(RunningWindowTest, TheWindowDropsAConnectionOfAnotherUserUnread) {
    if (const QString why = OtherUsersProgram::WhyNot(); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    RunningWindow window;
    QSignalSpy handed(&window, &RunningWindow::FilesHanded);
    ASSERT_TRUE(window.Listen()) << window.ListenFailure().toStdString();
    const QString ours = RunningWindow::SocketName().value_or(QString());
    const QString reachable = InBase("open/s");
    ASSERT_TRUE(MakeFolder(InBase("open"), 0777));
    ASSERT_EQ(::rename(Native(ours).constData(), Native(reachable).constData()), 0);
    ASSERT_EQ(::chmod(Native(reachable).constData(), 0777), 0);

    OtherUsersProgram hander(kHander, reachable, base.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hander.Running(); }, kBoundMs));
    EXPECT_EQ(hander.Ended(), "connected\nanswer none\n") << hander.Errors();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.ConnectionsHeld() == 0; }, kBoundMs));
    EXPECT_EQ(handed.count(), 0);

    ASSERT_EQ(::rename(Native(reachable).constData(), Native(ours).constData()), 0);
    EXPECT_TRUE(HandOver(handed, {"/v/mine.mkv"}));
}

struct BoundCase {
    const char* name;
    int connections;
    QByteArray begun;  // what each sends first
    qint64 bytes;      // then this many letters
    QByteArray end;    // and last this
};

class BoundedConnection : public RunningWindowTest,
                          public testing::WithParamInterface<BoundCase> {};

TEST_P(BoundedConnection, IsDroppedUnusedAndNotKeptAndTheWindowGoesOn) {
    const BoundCase& given = GetParam();
    RunningWindow window;
    QSignalSpy handed(&window, &RunningWindow::FilesHanded);
    ASSERT_TRUE(window.Listen()) << window.ListenFailure().toStdString();
    const QString path = RunningWindow::SocketName().value_or(QString());
    const qint64 peakBefore = PeakMemoryMiB();

    std::vector<std::unique_ptr<OwnClient>> clients;
    for (int i = 0; i < given.connections; ++i) {
        clients.push_back(std::make_unique<OwnClient>(path, given.begun, given.bytes, given.end));
        ASSERT_TRUE(clients.back()->Connected());
    }
    int mostHeld = 0;
    const auto allEnded = [&] {
        mostHeld = std::max(mostHeld, window.ConnectionsHeld());
        return std::all_of(clients.begin(), clients.end(),
                           [](const auto& c) { return c->Ended(); });
    };
    ASSERT_TRUE(QTest::qWaitFor(allEnded, 2 * kBoundMs));
    EXPECT_LE(mostHeld, RunningWindow::kMostHeld);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.ConnectionsHeld() == 0; }, kBoundMs));
    for (const auto& client : clients) {
        EXPECT_EQ(client->Answered(), 0);
    }
    EXPECT_EQ(handed.count(), 0);
    // Held whole, six connections of 63 MiB took some 400 MiB more.
    EXPECT_LT(PeakMemoryMiB() - peakBefore, 128) << "MiB more at most while they were held";
    EXPECT_TRUE(HandOver(handed, {"/v/mine.mkv"}));
}

// A file list of one name longer than the bound: taken whole it would be handed over.
const QByteArray kListBegun = R"({"files":["/v/)";
const QByteArray kListEnd = ".mkv\"]}\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, BoundedConnection,
    testing::Values(
        BoundCase{"a list past the bound", 1, kListBegun, RunningWindow::kLongestMessage, kListEnd},
        BoundCase{"six lists of 63 MiB", 6, kListBegun, 63LL << 20, kListEnd},
        BoundCase{"a silent connection", 1, {}, 0, {}},
        BoundCase{"a list begun and left", 1, kListBegun, 0, {}},
        BoundCase{
            "more silent connections than are held", RunningWindow::kMostHeld + 3, {}, 0, {}}),
    test::CaseName<BoundCase>);

// The window says it when later starts cannot reach it, instead of leaving them to find out.
class UnreachableWindow : public test::WindowTest {
  protected:
    QTemporaryDir base;
    test::ScopedVariable runtime{"XDG_RUNTIME_DIR", QByteArray()};
    test::ScopedVariable temporary{"TMPDIR", Native(base.path())};
};

TEST_F(UnreachableWindow, AWindowThatCannotListenSaysWhy) {
    const QString own = base.filePath(QString("reelwright-%1").arg(::geteuid()));
    ASSERT_TRUE(MakeFolder(own, 0755));
    notifier.messages.clear();
    Restart();
    const QStringList texts = notifier.Texts().filter("cannot hand their files to this one");
    ASSERT_EQ(texts.size(), 1) << notifier.Texts().join("\n").toStdString();
    EXPECT_TRUE(texts[0].contains(own) && texts[0].contains("0755")) << texts[0].toStdString();
}

}  // namespace
}  // namespace reelwright
