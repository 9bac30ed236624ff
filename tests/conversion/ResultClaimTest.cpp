#include "conversion/ResultClaim.h"

#include "common/CaseName.h"
#include "common/Fakes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <functional>
#include <future>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

// Another process holding a claim's file, as another run does: a shell locks it with flock(1)
// and becomes a sleep that keeps the lock until it ends, however it ends.
class OtherProcess {
  public:
    explicit OtherProcess(const QString& result) {
        process_.start("bash", {"-c", "exec 9<>\"$1\" && flock --exclusive 9 && exec sleep 600",
                                "bash", ResultClaim::PathFor(result)});
        holding_ = process_.waitForStarted(30000) &&
                   Wait([&] { return ResultClaim::HeldElsewhere(result); });
    }
    ~OtherProcess() { Kill(); }
    bool Holding() const { return holding_; }
    // As a run killed mid-file: nothing of it tidies up.
    void Kill() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(30000);
        }
    }
    static bool Wait(const std::function<bool()>& condition) {
        QElapsedTimer waited;
        waited.start();
        while (!condition()) {
            if (waited.elapsed() > 30000) {
                return false;
            }
            QThread::msleep(10);
        }
        return true;
    }

  private:
    QProcess process_;
    bool holding_ = false;
};

// Whether a process other than this one could lock the claim's file now.
bool FreeForOthers(const QString& result) {
    return QProcess::execute("flock", {"--nonblock", ResultClaim::PathFor(result), "true"}) == 0;
}

class ResultClaims : public testing::Test {
  protected:
    QString Result(const QString& name) const { return dir.filePath(name); }
    QStringList Hidden() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    QTemporaryDir dir;
};

TEST_F(ResultClaims, AHeldClaimKeepsOtherProcessesOutUntilReleased) {
    const QString result = Result("clip.mp4");
    auto claim = std::make_unique<ResultClaim>(result);
    ASSERT_EQ(claim->Status(), ResultClaim::State::Held) << claim->Problem().toStdString();
    EXPECT_TRUE(QFileInfo::exists(ResultClaim::PathFor(result)));
    EXPECT_FALSE(FreeForOthers(result));
    // This process already holds it: not somebody else's work.
    EXPECT_FALSE(ResultClaim::HeldElsewhere(result));
    EXPECT_EQ(ResultClaim(result).Status(), ResultClaim::State::Here);

    claim.reset();
    EXPECT_FALSE(QFileInfo::exists(ResultClaim::PathFor(result)));
    EXPECT_EQ(ResultClaim(result).Status(), ResultClaim::State::Held);
    EXPECT_TRUE(Hidden().isEmpty()) << Hidden().join(", ").toStdString();
}

TEST_F(ResultClaims, AClaimHeldByAnotherProcessIsElsewhereAndFreeOnceItIsKilled) {
    const QString result = Result("two words (1).mkv");
    OtherProcess other(result);
    ASSERT_TRUE(other.Holding());
    EXPECT_EQ(ResultClaim(result).Status(), ResultClaim::State::Elsewhere);
    // Another result in the same folder is nobody's.
    EXPECT_EQ(ResultClaim(Result("other.mkv")).Status(), ResultClaim::State::Held);

    other.Kill();
    // Its file stays, as a killed run leaves it, but blocks nobody.
    EXPECT_TRUE(QFileInfo::exists(ResultClaim::PathFor(result)));
    EXPECT_FALSE(ResultClaim::HeldElsewhere(result));
    ResultClaim taken(result);
    EXPECT_EQ(taken.Status(), ResultClaim::State::Held);
    taken.Release();
    EXPECT_FALSE(QFileInfo::exists(ResultClaim::PathFor(result)));
}

TEST_F(ResultClaims, LookingWhetherAClaimIsHeldMakesNothing) {
    const QString result = Result("clip.mp4");
    EXPECT_FALSE(ResultClaim::HeldElsewhere(result));
    EXPECT_TRUE(Hidden().isEmpty());
}

TEST_F(ResultClaims, EachResultNameHasAClaimOfItsOwnInItsFolder) {
    const QString longName = QString(250, u'x') + ".mp4";
    const QStringList results{Result("a.mp4"), Result("a.mkv"), Result("A.mp4"), Result(longName),
                              Result("sub/a.mp4")};
    QStringList paths;
    for (const QString& result : results) {
        paths << ResultClaim::PathFor(result);
        EXPECT_EQ(QFileInfo(paths.back()).absolutePath(), QFileInfo(result).absolutePath());
        EXPECT_LE(QFileInfo(paths.back()).fileName().size(), 60);
    }
    paths.removeDuplicates();
    EXPECT_EQ(paths.size(), results.size());
    ResultClaim claim(Result(longName));
    EXPECT_TRUE(claim.IsHeld()) << claim.Problem().toStdString();
}

TEST_F(ResultClaims, NoClaimCanBeMadeInAFolderThatIsNotThere) {
    ResultClaim claim(Result("missing/clip.mp4"));
    EXPECT_EQ(claim.Status(), ResultClaim::State::Unavailable);
    EXPECT_TRUE(claim.Problem().contains("cannot be made")) << claim.Problem().toStdString();
}

TEST_F(ResultClaims, OnlyTheClaimsNobodyHoldsAreTidiedAway) {
    const QString abandoned = Result("abandoned.mp4");
    const QString elsewhere = Result("elsewhere.mp4");
    const QString here = Result("here.mp4");
    {
        OtherProcess killed(abandoned);
        ASSERT_TRUE(killed.Holding());
    }
    OtherProcess other(elsewhere);
    ASSERT_TRUE(other.Holding());
    const ResultClaim ours(here);
    ASSERT_TRUE(ours.IsHeld());
    // Not claims, though they look a little like them.
    for (const char* name : {".reelwright-claim-notadigest", ".reelwright-abcdefgh.mp4", "x.mp4"}) {
        QFile(Result(name)).open(QIODevice::WriteOnly);
    }

    EXPECT_EQ(ResultClaim::RemoveAbandoned(dir.path()), 1);
    EXPECT_FALSE(QFileInfo::exists(ResultClaim::PathFor(abandoned)));
    EXPECT_TRUE(ResultClaim::HeldElsewhere(elsewhere));
    EXPECT_TRUE(QFileInfo::exists(ResultClaim::PathFor(here)));
    EXPECT_FALSE(FreeForOthers(here));  // still ours
    for (const char* name : {".reelwright-claim-notadigest", ".reelwright-abcdefgh.mp4", "x.mp4"}) {
        EXPECT_TRUE(QFileInfo::exists(Result(name))) << name;
    }
    EXPECT_EQ(ResultClaim::RemoveAbandoned(dir.path()), 0);
}

// A pipe planted at a claim's name in a shared folder: opening it must not wait for a writer,
// it is taken for no claim, not held elsewhere, and not removed as an abandoned one.
TEST_F(ResultClaims, APipeAtAClaimsNameIsNoClaimAndIsLeftAlone) {
    const QString result = Result("clip.mp4");
    const QByteArray pipe = QFile::encodeName(ResultClaim::PathFor(result));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    struct Seen {
        bool heldElsewhere = true;
        int removed = -1;
        ResultClaim::State state = ResultClaim::State::Held;
        QString problem;
    };
    auto looking = std::async(std::launch::async, [&result, this] {
        Seen seen;
        seen.heldElsewhere = ResultClaim::HeldElsewhere(result);
        seen.removed = ResultClaim::RemoveAbandoned(dir.path());
        const ResultClaim claim(result);
        seen.state = claim.Status();
        seen.problem = claim.Problem();
        return seen;
    });
    const bool answered = looking.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    if (!answered) {
        // Lets a waiting open go, so the test ends instead of hanging.
        for (int i = 0; i < 3; ++i) {
            const int writer = ::open(pipe.constData(), O_RDWR | O_NONBLOCK);
            if (writer >= 0) {
                ::close(writer);
            }
        }
    }
    const Seen seen = looking.get();
    ASSERT_TRUE(answered) << "opening the pipe waited";
    EXPECT_FALSE(seen.heldElsewhere);
    EXPECT_EQ(seen.removed, 0);
    EXPECT_EQ(seen.state, ResultClaim::State::Unavailable);
    EXPECT_EQ(seen.problem,
              "the claim file cannot be made: it is a named pipe, not a regular file");
    struct stat info {};
    ASSERT_EQ(::lstat(pipe.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
}  // namespace reelwright

namespace reelwright {
namespace {

// A claim file as a run that cannot lock leaves it: its machine and process.
void WriteHolder(const QString& path, const QByteArray& holder) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(holder);
}

QByteArray ThisMachine() {
    return QSysInfo::machineHostName().toUtf8();
}

// The number of a process that has ended.
QByteArray EndedProcess() {
    QProcess ended;
    ended.start("true");
    const qint64 pid = ended.waitForStarted(30000) ? ended.processId() : 0;
    ended.waitForFinished(30000);
    return QByteArray::number(pid);
}

struct HolderCase {
    const char* name;
    std::function<QByteArray()> holder;
    bool takenBack;
};

class ClaimsWithoutLocks : public ResultClaims, public testing::WithParamInterface<HolderCase> {
  protected:
    test::NoLocks noLocks;
};

// Where nothing locks, a claim is a file made exclusively that names its holder: one whose
// holder is still there (or on another machine, where nothing here can tell) keeps others
// out; one a killed run of this machine left is taken back, and tidied away.
TEST_P(ClaimsWithoutLocks, AreHeldByTheirHolderWhileItRuns) {
    const QString result = Result("clip.mp4");
    WriteHolder(ResultClaim::HeldPathFor(result), GetParam().holder());
    EXPECT_EQ(ResultClaim::HeldElsewhere(result), !GetParam().takenBack);
    {
        ResultClaim claim(result);
        EXPECT_FALSE(claim.NoLocks().isEmpty());
        EXPECT_EQ(claim.IsHeld(), GetParam().takenBack);
        EXPECT_EQ(claim.Status() == ResultClaim::State::Elsewhere, !GetParam().takenBack);
        EXPECT_FALSE(QFileInfo::exists(ResultClaim::PathFor(result)));
    }
    // Let go, or left as it was; never a file more.
    EXPECT_EQ(QFileInfo::exists(ResultClaim::HeldPathFor(result)), !GetParam().takenBack);
    WriteHolder(ResultClaim::HeldPathFor(result), GetParam().holder());
    EXPECT_EQ(ResultClaim::RemoveAbandoned(dir.path()), GetParam().takenBack ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Holders, ClaimsWithoutLocks,
    testing::Values(
        HolderCase{"ARunStillGoing", [] { return ThisMachine() + " 1\n"; }, false},
        HolderCase{"ARunThatWasKilled", [] { return ThisMachine() + ' ' + EndedProcess(); }, true},
        HolderCase{"ARunOnAnotherMachine", [] { return QByteArray("elsewhere.example 42\n"); },
                   false},
        HolderCase{"OneBeingWritten", [] { return QByteArray(); }, false}),
    test::CaseName<HolderCase>);

TEST_F(ResultClaims, AClaimWithoutLocksIsMadeOnceAndGoesWithItsHolder) {
    test::NoLocks noLocks;
    const QString result = Result("clip.mp4");
    {
        ResultClaim claim(result);
        ASSERT_TRUE(claim.IsHeld());
        EXPECT_EQ(Hidden(), QStringList{QFileInfo(ResultClaim::HeldPathFor(result)).fileName()});
        EXPECT_EQ(ResultClaim(result).Status(), ResultClaim::State::Here);
        EXPECT_EQ(ResultClaim::RemoveAbandoned(dir.path()), 0);
    }
    EXPECT_TRUE(Hidden().isEmpty()) << Hidden().join(' ').toStdString();
}

}  // namespace
}  // namespace reelwright
