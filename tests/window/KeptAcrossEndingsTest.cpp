// A batch survives the end of the program, however it comes: a real window converting real files
// in a process of its own is killed, terminated or logged out mid-file; the next start gets the
// list back, removes the half-written file, goes on, and every result has its plain name.
#include "batch/KeptQueue.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsFolder.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"
#include "window/frmMain.h"

#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
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
    QStringList Outputs() const {
        return QDir(out()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
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
    QCoreApplication::processEvents();
    const JobListStore& store = *window.Jobs().Store();
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
        QCoreApplication::processEvents();
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

}  // namespace
}  // namespace reelwright
