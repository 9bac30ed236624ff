// A batch survives the end of the program, however it comes: a real window converting real files
// in a process of its own is killed, terminated or logged out mid-file; the next start gets the
// list back, removes the half-written file, goes on, and every result has its plain name.
#include "keptlist/KeptQueue.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsFolder.h"
#include "settings/CRegister.h"
#include "settings/SettingsKeys.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"
#include "window/frmMain.h"

#include "common/Fakes.h"
#include "common/Media.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

namespace reelwright {
namespace {

enum class Ending { Killed, Terminated, LoggedOut };

struct EndingCase {
    const char* name;
    Ending ending;
};

class KeptAcrossEndings : public testing::TestWithParam<EndingCase> {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        programFolder.AddShippedCatalogues();
        SettingsFolder::Override(settings.path());
        QDir().mkpath(out());
    }
    void TearDown() override { ProgramFolder::Override(QString()); }
    QString out() const { return media.filePath("out"); }
    // What lies in the output folder but the claims on results' names.
    QStringList Outputs() const {
        QStringList names = QDir(out()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        names.removeIf([](const QString& name) { return name.startsWith(".reelwright-claim-"); });
        return names;
    }
    QStringList Claims() const {
        return QDir(out()).entryList({".reelwright-claim-*"}, QDir::Files | QDir::Hidden);
    }
    // The window in its own process, converting `files` into out().
    std::unique_ptr<QProcess> Host(const QStringList& files, const QString& stateFolder = {}) {
        auto host = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        if (!stateFolder.isEmpty()) {
            environment.insert("XDG_STATE_HOME", stateFolder);
        }
        host->setProcessEnvironment(environment);
        host->setProgram(WINDOW_HOST_PATH);
        host->setArguments(QStringList{programFolder.Path(), settings.path(), out()} + files);
        host->start();
        EXPECT_TRUE(host->waitForStarted());
        return host;
    }
    // Until the encoder has written into its hidden file.
    bool WaitForHalfWritten() const {
        for (int i = 0; i < 3000; ++i) {
            for (const QString& name : Outputs()) {
                if (name.startsWith(".reelwright-") && QFileInfo(out() + "/" + name).size() > 0) {
                    return true;
                }
            }
            QThread::msleep(10);
        }
        return false;
    }

    test::TempProgramFolder programFolder;
    QTemporaryDir settings;
    QTemporaryDir media;
    test::RecordingNotifier notifier;
    test::RecordingNotifications notifications;
};

TEST_P(KeptAcrossEndings, TheNextStartGoesOnAndEveryResultHasItsPlainName) {
    QStringList files;
    for (const QString name : {"first.mkv", "second.mkv"}) {
        files << media.filePath(name);
        ASSERT_TRUE(test::MakeClip(files.last(), 20, "640x480"));
    }
    const auto host = Host(files);
    ASSERT_TRUE(WaitForHalfWritten()) << Outputs().join(", ").toStdString();
    switch (GetParam().ending) {
        case Ending::Killed:
            ::kill(static_cast<pid_t>(host->processId()), SIGKILL);
            break;
        case Ending::Terminated:
            ::kill(static_cast<pid_t>(host->processId()), SIGTERM);
            break;
        case Ending::LoggedOut:
            // The session asks, then ends the program without more ado.
            host->write("logout\n");
            ASSERT_TRUE(host->waitForReadyRead(30000));
            ASSERT_EQ(host->readLine(), "kept\n");
            ::kill(static_cast<pid_t>(host->processId()), SIGKILL);
            break;
    }
    ASSERT_TRUE(host->waitForFinished(60000));

    ProgramFolder::Override(programFolder.Path());
    frmMain window;
    const JobListStore& store = *window.Jobs().Store();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.frResume->isHidden(); }, 60000));
    ASSERT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(store.Row(0).filePath, files[0]);
    // Nothing half-written is left of the run that was ended.
    for (const QString& name : Outputs()) {
        EXPECT_FALSE(name.startsWith(".reelwright-")) << name.toStdString();
    }
    ASSERT_FALSE(window.frResume->isHidden()) << "no offer to go on";
    EXPECT_TRUE(window.lblResume->text().contains("2 files are still to convert"))
        << window.lblResume->text().toStdString();
    QTest::mouseClick(window.cmdResume, Qt::LeftButton);
    EXPECT_EQ(store.Row(0).status, "Complete");
    EXPECT_EQ(store.Row(1).status, "Complete");
    EXPECT_EQ(Outputs(), (QStringList{"first.mp4", "second.mp4"}));
    for (const QString& name : Outputs()) {
        EXPECT_TRUE(test::IsReadableMedia(out() + "/" + name)) << name.toStdString();
    }
    // The ended run's claim was cleared at the start, and the new run let go of its own.
    EXPECT_TRUE(Claims().isEmpty()) << Claims().join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Endings, KeptAcrossEndings,
                         testing::Values(EndingCase{"Killed", Ending::Killed},
                                         EndingCase{"Terminated", Ending::Terminated},
                                         EndingCase{"LoggedOut", Ending::LoggedOut}),
                         [](const auto& info) { return std::string(info.param.name); });

// A copy that starts while another converts into the same folder removes only what is dead.
TEST_F(KeptAcrossEndings, TwoCopiesNeverRemoveEachOthersFiles) {
    const QString clip = media.filePath("long.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 20, "640x480"));
    QTemporaryDir otherState;
    const auto other = Host({clip}, otherState.path());
    ASSERT_TRUE(WaitForHalfWritten());
    QStringList written = Outputs();
    ASSERT_EQ(written.size(), 1);
    // This copy's own list names the same folder, with a batch its last run left there.
    KeptQueue kept;
    JobRow row;
    row.filePath = clip;
    row.status = "Waiting Conversion";
    row.inBatch = true;
    kept.rows = {row};
    kept.batch = KeptQueue::Batch{"-c:v mpeg4", "avi", false, out()};
    ASSERT_TRUE(kept.Save());
    QFile(out() + "/.reelwright-d3adc0py.avi").open(QIODevice::WriteOnly);

    ProgramFolder::Override(programFolder.Path());
    {
        frmMain window;
        EXPECT_EQ(window.Restored().temporariesRemoved, 1);
    }
    EXPECT_EQ(Outputs(), written);  // the other copy's file is still there, and still growing
    for (int i = 0; i < 6000 && !Outputs().contains("long.mp4"); ++i) {
        QThread::msleep(10);
    }
    EXPECT_EQ(Outputs(), QStringList{"long.mp4"});
    EXPECT_TRUE(test::IsReadableMedia(out() + "/long.mp4"));
    other->kill();
    other->waitForFinished();
}

// Two files of one stem converting into one folder; the program is killed once the short one's
// result is there. The long one's row must not take that result for its own.
TEST_F(KeptAcrossEndings, AResultOfTheSameStemIsNotTakenForAnotherRows) {
    const QString shortClip = media.filePath("a.mkv");
    const QString longClip = media.filePath("a.avi");
    ASSERT_TRUE(test::MakeClip(shortClip, 1));
    ASSERT_TRUE(test::MakeClip(longClip, 30, "640x480"));
    const auto host = Host({shortClip, longClip});
    ASSERT_TRUE(QTest::qWaitFor([this] { return Outputs().contains("a.mp4"); }, 120000))
        << Outputs().join(", ").toStdString();
    ::kill(static_cast<pid_t>(host->processId()), SIGKILL);
    ASSERT_TRUE(host->waitForFinished(60000));
    ASSERT_FALSE(Outputs().contains("a_Converted.mp4")) << "the long clip ended first";

    ProgramFolder::Override(programFolder.Path());
    frmMain window;
    const JobListStore& store = *window.Jobs().Store();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.frResume->isHidden(); }, 60000))
        << "no offer to go on";
    ASSERT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(store.Row(0).status, "Complete");
    EXPECT_EQ(store.Row(0).outputPath, out() + "/a.mp4");
    EXPECT_EQ(store.Row(1).status, "Waiting Conversion");
    EXPECT_TRUE(store.Row(1).outputPath.isEmpty());
    EXPECT_TRUE(window.lblResume->text().contains("1 file is still to convert"))
        << window.lblResume->text().toStdString();
    QTest::mouseClick(window.cmdResume, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return store.Row(1).status == "Complete"; }, 300000));
    EXPECT_EQ(store.Row(1).outputPath, out() + "/a_Converted.mp4");
    EXPECT_EQ(Outputs(), (QStringList{"a.mp4", "a_Converted.mp4"}));
}

// A kill in the first moments of a start, when the list has just been read, loses no row, however
// often it comes.
TEST_F(KeptAcrossEndings, AKillEarlyInAStartNeverLosesARow) {
    constexpr int kRows = 200;
    KeptQueue kept;
    for (int i = 0; i < kRows; ++i) {
        JobRow row;
        row.filePath = test::WriteFile(media, QString("v%1.mkv").arg(i, 3, 10, QChar('0')));
        row.status = i < 20 ? "Complete" : "Waiting Conversion";
        row.duration = "00:00:02";
        row.fileSize = "4 Bytes";
        row.inBatch = i >= 20;
        kept.rows.push_back(row);
    }
    kept.batch = KeptQueue::Batch{"-c:v mpeg4", "avi", false, out(), 1};
    ASSERT_TRUE(kept.Save());
    QRandomGenerator random(20261208);
    for (int start = 0; start < 15; ++start) {
        const auto host = Host({});
        // Anywhere in the first second and a half: before, during and after the list is read.
        QThread::msleep(random.bounded(1500));
        ::kill(static_cast<pid_t>(host->processId()), SIGKILL);
        ASSERT_TRUE(host->waitForFinished(60000));
        QFile file(KeptQueue::Path());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "start " << start;
        QString error;
        const std::optional<KeptQueue> after = KeptQueue::FromBytes(file.readAll(), &error);
        ASSERT_TRUE(after) << "start " << start << ": " << error.toStdString();
        ASSERT_EQ(after->rows.size(), std::size_t{kRows})
            << "start " << start << " "
            << QDir(QFileInfo(KeptQueue::Path()).path()).entryList().join(",").toStdString() << " "
            << host->readAllStandardError().toStdString();
        EXPECT_TRUE(after->batch) << "start " << start;
    }
}

// Whether a process has its handler for `signal` installed.
bool Catches(qint64 pid, int signal) {
    QFile file(QString("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            return ((line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1) != 0;
        }
    }
    return false;
}

// A SIGTERM (a logout, a shutdown) at any moment of the start, the kept list of 3,000 rows being
// read or not yet: the program ends at once, loses none of the choices, and leaves the list whole.
TEST_F(KeptAcrossEndings, ASigtermEarlyInAStartEndsItAndLeavesTheListWhole) {
    QTemporaryDir home;
    const QString state = home.filePath(".local/state/Fennick Reelwright/list.json");
    QDir().mkpath(QFileInfo(state).path());
    qputenv("XDG_STATE_HOME", QFile::encodeName(home.filePath(".local/state")));
    KeptQueue kept;
    for (int i = 0; i < 3000; ++i) {
        JobRow row;
        row.filePath = test::WriteFile(media, QString("v%1.mkv").arg(i, 4, 10, QChar('0')));
        row.status = i % 2 == 0 ? "Complete" : "Waiting Conversion";
        row.duration = "00:00:02";
        row.inBatch = i % 2 == 1;
        kept.rows.push_back(row);
    }
    kept.batch = KeptQueue::Batch{"-c:v mpeg4", "avi", false, out(), 1};
    ASSERT_TRUE(kept.Save());
    qunsetenv("XDG_STATE_HOME");
    QFile list(state);
    // The user's choices from an earlier run: whenever the signal lands, they are still there.
    const QString choices = home.filePath(".config/Fennick Reelwright");
    SettingsFolder::Override(choices);
    ASSERT_TRUE(CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, settings::kSection,
                                           "txtOutPath", "/srv/chosen/Converted"));
    SettingsFolder::Override(settings.path());
    QRandomGenerator random(20260301);
    for (int start = 0; start < 6; ++start) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.remove("XDG_CONFIG_HOME");
        environment.remove("XDG_STATE_HOME");
        program.setProcessEnvironment(environment);
        program.start(REELWRIGHT_APP_PATH, {});
        ASSERT_TRUE(program.waitForStarted());
        ASSERT_TRUE(QTest::qWaitFor([&] { return Catches(program.processId(), SIGTERM); }, 30000));
        // As soon as it is caught, then later and later into the start.
        QThread::msleep(start == 0 ? 0 : random.bounded(60 * start));
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(60000)) << "start " << start << ": still running";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 128 + SIGTERM) << "start " << start;
        QFile ini(choices + "/HKEY_LOCAL_MACHINE.ini");
        EXPECT_TRUE(ini.open(QIODevice::ReadOnly) &&
                    ini.readAll().contains("txtOutPath=/srv/chosen/Converted"))
            << "start " << start << ": the choices were lost";
        ASSERT_TRUE(list.open(QIODevice::ReadOnly));
        QString error;
        const std::optional<KeptQueue> after = KeptQueue::FromBytes(list.readAll(), &error);
        list.close();
        ASSERT_TRUE(after) << error.toStdString();
        EXPECT_EQ(after->rows.size(), 3000u) << "start " << start;
        EXPECT_TRUE(after->batch) << "start " << start;
    }
}

// The most memory a process has held, in MiB; -1 when it cannot be told.
qint64 PeakMemoryMiB(qint64 pid) {
    QFile file(QString("/proc/%1/status").arg(pid));
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

// A kept list with a 50 MB path and a 50 MB encoder text: the window starts with the good row,
// sets the others aside, and never holds more than a row of the list in memory.
TEST_F(KeptAcrossEndings, OversizedFieldsOfAKeptListAreSetAsideUnread) {
    QTemporaryDir state;
    const QString path = state.filePath("Fennick Reelwright/list.json");
    QDir().mkpath(QFileInfo(path).path());
    const QString good = test::WriteFile(media, "good.mkv");
    {
        QFile list(path);
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write(R"({"kept":"Reelwright job list","version":1,"rows":[{"file":")");
        list.write(QByteArray(50 << 20, 'p'));
        list.write(R"(","status":"Waiting Conversion"},{"file":")" + good.toUtf8() +
                   R"(","status":"Waiting Conversion"},{"file":"/v/b.mkv","status":"Error",)"
                   R"("said":")");
        list.write(QByteArray(50 << 20, 's'));
        list.write(R"("}]})");
    }
    const auto host = Host({}, state.path());
    // Once the list is read, the window keeps it without the rows it set aside.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(path).size() < 1024 * 1024; }, 60000))
        << host->readAllStandardError().toStdString();
    const qint64 peak = PeakMemoryMiB(host->processId());
    host->kill();
    host->waitForFinished();
    // The window itself takes some tens of MiB; the list's 100 MB, read whole, took four times
    // as much again.
    EXPECT_GT(peak, 0);
#ifndef __SANITIZE_ADDRESS__  // the address checker's own shadow memory is counted too
    EXPECT_LT(peak, 200) << "MiB at most while the list was read";
#endif
    QFile list(path);
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    QString error;
    const std::optional<KeptQueue> kept = KeptQueue::FromBytes(list.readAll(), &error);
    ASSERT_TRUE(kept) << error.toStdString();
    ASSERT_EQ(kept->rows.size(), 1u);
    EXPECT_EQ(kept->rows[0].filePath, good);
    EXPECT_GT(QFileInfo(path + ".damaged").size(), 100 << 20);
}

// A second window, started while the first converts, gives it its file and ends: no batch is
// offered twice, no file converted twice, and the first window's list keeps every row.
TEST_F(KeptAcrossEndings, ASecondWindowHandsItsFilesToTheFirst) {
    QStringList files;
    for (const QString name : {"v01.mkv", "v02.mkv", "late.mkv"}) {
        files << media.filePath(name);
        ASSERT_TRUE(test::MakeClip(files.last(), name == "late.mkv" ? 2 : 8, "320x240"));
    }
    const auto first = Host(files.mid(0, 2));
    ASSERT_TRUE(WaitForHalfWritten());
    const auto second = Host({files[2]});
    ASSERT_TRUE(second->waitForFinished(60000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(second->readAllStandardOutput(), "handed\n");
    // The first window lists it and converts it with the others.
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return Outputs() == QStringList{"late.mp4", "v01.mp4", "v02.mp4"};
        },
        300000))
        << Outputs().join(", ").toStdString();
    ASSERT_TRUE(QTest::qWaitFor(
        [] {
            QFile file(KeptQueue::Path());
            QString error;
            const std::optional<KeptQueue> kept = file.open(QIODevice::ReadOnly)
                                                      ? KeptQueue::FromBytes(file.readAll(), &error)
                                                      : std::nullopt;
            return kept && kept->rows.size() == 3 && !kept->batch;
        },
        60000));
    first->kill();
    first->waitForFinished();
}

// The state folder on a full disk: the list on it stays whole, the user is told once, and the
// files convert all the same.
TEST_F(KeptAcrossEndings, AFullStateFolderKeepsTheOldListAndConvertingGoesOn) {
    test::SmallDisk disk(256);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why().toStdString();
    }
    qputenv("XDG_STATE_HOME", QFile::encodeName(disk.Path()));
    KeptQueue kept;
    JobRow old;
    old.filePath = test::WriteFile(media, "old.mkv");
    old.status = "Complete";
    kept.rows = {old};
    ASSERT_TRUE(kept.Save());
    const QByteArray before = [] {
        QFile file(KeptQueue::Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    disk.Fill();
    QStringList files;
    for (const QString name : {"x.mkv", "y.mkv"}) {
        files << media.filePath(name);
        ASSERT_TRUE(test::MakeClip(files.last(), 2));
    }
    const auto host = Host(files, disk.Path());
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return Outputs() == QStringList{"x.mp4", "y.mp4"};
        },
        300000))
        << Outputs().join(", ").toStdString();
    host->kill();
    host->waitForFinished();
    QFile file(KeptQueue::Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    const QString said = QString::fromLocal8Bit(host->readAllStandardError());
    EXPECT_EQ(said.count("The list of files cannot be kept"), 1) << said.toStdString();
    EXPECT_EQ(said.count("cannot be kept in logs"), 1) << said.toStdString();
    qunsetenv("XDG_STATE_HOME");
}

}  // namespace
}  // namespace reelwright
