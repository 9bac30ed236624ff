// What the window tells of a batch: the title while it runs, a note at its end, each file's
// reason and output, and the minute before an armed power-off.
#include "keptlist/KeptQueue.h"
#include "batch/PowerOffCountdown.h"
#include "joblist/JobGrid.h"
#include "window/EncoderOutputView.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"

#include "WindowTest.h"
#include "common/Media.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

namespace reelwright {
namespace {

const char* kBegun = "print Press [q] to stop, [?] for help\\n\n";

// The window over scripted encoder runs: each "file" is the scenario the fake encoder plays.
class RunsWindowTest : public test::WindowTest {
  protected:
    RunsWindowTest() {
        folder.AddFakeEncoder();
        window->Jobs().SetProbe([](const QString&) { return true; });
        window->Jobs().SetLengthReader([](const QString&) { return QStringLiteral("00:00:02"); });
        window->txtOutPath->setText(media.filePath("out"));
    }
    void Queue(const QStringList& scripts) {
        QStringList files;
        for (int i = 0; i < scripts.size(); ++i) {
            files << test::WriteFile(media, QString("file %1.mpg").arg(i + 1), scripts[i].toUtf8());
        }
        window->AddVideoFiles(files);
    }
    JobListStore& Store() { return *window->Jobs().Store(); }

    QTemporaryDir media;
    test::RecordingNotifications notifications;
};

// Each position in a read of its own.
const QString kConverts = QString(kBegun) +
                          "sleep 50\nprint time=00:00:01.00 bitrate=1 speed=1.0x \\r\n"
                          "output 64\nsleep 50\nprint time=00:00:02.00 bitrate=1 speed=1.0x \\r\n";

TEST_F(RunsWindowTest, TheTitleTellsTheTimeLeftAndComesBack) {
    Queue({kConverts, kConverts, kConverts});
    window->cmbFilesAtOnce->setCurrentIndex(1);  // one after another, for a time left to follow
    QStringList titles;
    QStringList captions;
    QObject::connect(&Store(), &QAbstractItemModel::dataChanged, window.get(), [&] {
        titles << window->windowTitle();
        captions << window->frMain->Caption();
    });
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_TRUE(titles.contains("16% of 3 files, 0:05 left - Reelwright Video Converter"))
        << titles.join(" | ").toStdString();
    // The window has no frame: the title a taskbar shows, and the caption it draws itself.
    EXPECT_TRUE(captions.contains("Reelwright Video Converter - 16% of 3 files, 0:05 left"))
        << captions.join(" | ").toStdString();
    EXPECT_EQ(window->windowTitle(), "Reelwright Video Converter");
    EXPECT_EQ(window->frMain->Caption(), "Reelwright Video Converter");
    EXPECT_EQ(notifications.notes,
              QStringList{"Conversion finished: 3 files converted, 0 failed."});
}

TEST_F(RunsWindowTest, AFailureIsKeptOnItsRowWithItsOutput) {
    Queue({QString(kBegun) + "print Unknown encoder 'libnothing'\\n\nexit 1\n", kConverts});
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    ASSERT_EQ(notifier.messages.size(), 1u);  // power-off not armed: the box as ever
    const QModelIndex status = window->Grid->model()->index(0, JobRow::Status);
    EXPECT_TRUE(status.data(Qt::ToolTipRole)
                    .toString()
                    .startsWith("This ffmpeg has no encoder \"libnothing\""));
    // Over the window wherever it is, not in a corner of the screen.
    window->move(40, 10);
    window->show();
    auto* view = qobject_cast<EncoderOutputView*>(window->ShowEncoderOutput(0));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->Text().contains("Unknown encoder 'libnothing'"));
    EXPECT_TRUE(view->isVisible());
    // The desktop's frame round it may shift it a little.
    EXPECT_LE((view->frameGeometry().center() - window->geometry().center()).manhattanLength(), 8)
        << view->frameGeometry().x() << "," << view->frameGeometry().y();
    EXPECT_TRUE(window->screen()->availableGeometry().contains(view->frameGeometry()));
    // Its text is named for a screen reader, and Escape closes it.
    const auto* text = view->findChild<QPlainTextEdit*>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->accessibleName(), "What the encoder said");
    const QPointer<QWidget> open(view);
    QTest::keyClick(view->findChild<QPlainTextEdit*>(), Qt::Key_Escape);
    EXPECT_TRUE(open.isNull() || !open->isVisible());
    if (!open.isNull()) {
        open->close();
    }
    EXPECT_EQ(notifications.notes, QStringList{"Conversion finished: 1 file converted, 1 failed."});
}

TEST_F(RunsWindowTest, FilesAtOnceIsChosenBesideConvertAndRemembered) {
    Queue({kConverts, kConverts, kConverts});
    window->cmbFilesAtOnce->setCurrentIndex(2);
    int running = 0;
    int most = 0;
    QStringList captions;
    QObject::connect(&Store(), &QAbstractItemModel::dataChanged, window.get(), [&] {
        int now = 0;
        for (int row = 0; row < Store().RecordCount(); ++row) {
            bool numeric = false;
            Store().Row(row).status.toInt(&numeric);
            now += numeric || Store().Row(row).status == "Starting..." ? 1 : 0;
        }
        running = now;
        most = std::max(most, running);
        captions << window->frMain->Caption();
        // Locked while the batch runs, as the other choices are.
        EXPECT_FALSE(window->cmbFilesAtOnce->isEnabled());
    });
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_EQ(most, 2);
    EXPECT_EQ((QStringList{Store().Row(0).status, Store().Row(1).status, Store().Row(2).status}),
              QStringList(3, "Complete"));
    EXPECT_TRUE(captions.filter(QRegularExpression("% of 3 files")).size() > 0)
        << captions.join(" | ").toStdString();
    EXPECT_TRUE(window->cmbFilesAtOnce->isEnabled());
    // Remembered with the other choices.
    window->cmbFilesAtOnce->setCurrentIndex(0);
    ASSERT_TRUE(window->SaveSettings());
    Restart();
    EXPECT_EQ(window->cmbFilesAtOnce->currentText(), "Auto");
}

TEST_F(RunsWindowTest, TheListComesBackAtTheNextStartAsTrueAsItWas) {
    Queue({kConverts, kConverts, kConverts});
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    ASSERT_EQ(Store().Row(0).status, "Complete");
    QFile::remove(Store().Row(1).outputPath);  // a result deleted meanwhile
    const QString gone = Store().Row(2).filePath;
    QFile::remove(gone);  // an input deleted meanwhile
    const QString first = Store().Row(0).filePath;
    Restart();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !notifier.messages.empty(); }, 30000));
    ASSERT_EQ(Store().RecordCount(), 2);
    EXPECT_EQ(Store().Row(0).filePath, first);
    EXPECT_EQ(Store().Row(0).status, "Complete");
    EXPECT_EQ(Store().Row(0).textColors[JobRow::Status], BatchDriver::kSuccessColor);
    EXPECT_EQ(Store().Row(1).status, "Waiting Conversion");
    EXPECT_EQ(notifier.Texts(),
              QStringList{"One file kept in the list is no longer there and was left out: " +
                          QDir::toNativeSeparators(gone)});
    EXPECT_TRUE(window->frResume->isHidden());  // the batch ended while the program ran
    // Clear Finished takes the converted rows out, and the next start agrees.
    {
        const std::unique_ptr<QMenu> menu = window->GridMenu(0);
        for (QAction* action : menu->actions()) {
            if (action->text() == "Clear Finished") {
                action->trigger();
            }
        }
    }
    ASSERT_EQ(Store().RecordCount(), 1);
    Restart();
    ASSERT_EQ(Store().RecordCount(), 1);
    EXPECT_EQ(Store().Row(0).status, "Waiting Conversion");
}

TEST_F(RunsWindowTest, AnInterruptedBatchIsOfferedToGoOnWithItsOwnFormatAndFolder) {
    Queue({kConverts, kConverts, kConverts});
    const QString kept = media.filePath("kept out");
    QDir().mkpath(kept);
    // As the program left it when it was killed in the second file.
    window->Keeper().BatchStarted({"-c:v mpeg4", "avi", false, kept}, {0, 1, 2});
    Store().SetStatus(0, "Complete");
    Store().SetOutcome(0, QString(), test::WriteFile(media, "kept out/file 1.avi"));
    Store().SetStatus(1, "42");
    test::WriteFile(media, "kept out/.reelwright-k1ll3d00.avi");
    Restart();
    window->txtOutPath->setText(media.filePath("elsewhere"));  // the window's own choice now
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->frResume->isHidden(); }, 30000));
    EXPECT_TRUE(window->lblResume->text().contains("2 files are still to convert"))
        << window->lblResume->text().toStdString();
    EXPECT_TRUE(window->lblResume->text().contains(kept));
    EXPECT_FALSE(QFileInfo::exists(kept + "/.reelwright-k1ll3d00.avi"));
    QTest::mouseClick(window->cmdResume, Qt::LeftButton);
    EXPECT_EQ((QStringList{Store().Row(0).status, Store().Row(1).status, Store().Row(2).status}),
              QStringList(3, "Complete"));
    // Plain names: nothing was ever renamed to them.
    EXPECT_EQ(QDir(kept).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"file 1.avi", "file 2.avi", "file 3.avi"}));
    EXPECT_FALSE(QFileInfo::exists(media.filePath("elsewhere")));
    // Gone on: the next start offers nothing.
    Restart();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->frResume->isHidden());
}

TEST_F(RunsWindowTest, ADamagedListIsSaidOnceAndTheListStartsEmpty) {
    window.reset();
    QDir().mkpath(QFileInfo(KeptQueue::Path()).path());
    QFile list(KeptQueue::Path());
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("\xff\xfe not a list");
    list.close();
    window = std::make_unique<frmMain>();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !notifier.messages.empty(); }, 30000));
    EXPECT_EQ(Store().RecordCount(), 0);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.contains("could not be read"))
        << notifier.messages[0].text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(KeptQueue::Path() + ".damaged"));
    Restart();
    QCoreApplication::processEvents();
    EXPECT_EQ(notifier.messages.size(), 1u);
}

// One bad row of a kept list costs that row, and the user hears of it once.
TEST_F(RunsWindowTest, ABadRowOfTheKeptListIsLeftOutAndSaid) {
    window.reset();
    const QString kept = test::WriteFile(media, "kept.mkv");
    QDir().mkpath(QFileInfo(KeptQueue::Path()).path());
    QFile list(KeptQueue::Path());
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(R"({"kept":"Reelwright job list","version":1,"rows":[{"file":")" + kept.toUtf8() +
               R"(","status":"Waiting Conversion"},{"file":"/x.mkv","status":5}]})");
    list.close();
    window = std::make_unique<frmMain>();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !notifier.messages.empty(); }, 30000));
    ASSERT_EQ(Store().RecordCount(), 1);
    EXPECT_EQ(Store().Row(0).filePath, kept);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith(
        "One row of the list kept from the last run could not be read and was left out."))
        << notifier.messages[0].text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(KeptQueue::AsidePath()));
}

// A file that failed for a reason the user has since put right is tried again from the list.
TEST_F(RunsWindowTest, AFailedRowIsConvertedAgainFromItsContextMenu) {
    Queue({QString(kBegun) + "print Unknown encoder 'libnothing'\\n\nexit 1\n", kConverts});
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    ASSERT_EQ(Store().Row(0).status, "Error");
    ASSERT_EQ(Store().Row(1).status, "Complete");
    notifier.messages.clear();
    // Nothing is waiting: the message says where to look.
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.contains("choose Convert Again"))
        << notifier.messages[0].text.toStdString();

    const auto again = [](QMenu& menu) -> QAction* {
        for (QAction* action : menu.actions()) {
            if (action->text() == "Convert Again") {
                return action;
            }
        }
        return nullptr;
    };
    // The scenario is put right, then the row is tried again.
    QFile script(Store().Row(0).filePath);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(kConverts.toUtf8());
    script.close();
    std::unique_ptr<QMenu> menu = window->GridMenu(0);
    ASSERT_NE(again(*menu), nullptr);
    EXPECT_TRUE(again(*menu)->isEnabled());
    again(*menu)->trigger();
    EXPECT_EQ(Store().Row(0).status, "Waiting Conversion");
    EXPECT_TRUE(Store().Row(0).reason.isEmpty());
    EXPECT_FALSE(Store().Row(0).textColors[JobRow::Status].has_value());
    EXPECT_EQ(Store().Row(1).status, "Complete");  // only the chosen row
    notifier.messages.clear();
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_EQ(Store().Row(0).status, "Complete");
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();

    // Selected rows are taken together; a waiting one is left as it is.
    window->Grid->selectAll();
    const std::unique_ptr<QMenu> all = window->GridMenu(1);
    again(*all)->trigger();
    EXPECT_EQ(Store().Row(0).status, "Waiting Conversion");
    EXPECT_EQ(Store().Row(1).status, "Waiting Conversion");
}

TEST_F(RunsWindowTest, ArmedThePowerOffOpensNoBoxAndWaitsAMinuteThatCanBeCalledOff) {
    Queue({QString(kBegun) + "print Unknown encoder 'libnothing'\\n\nexit 1\n", kConverts});
    QTest::mouseClick(window->chkShutdown, Qt::LeftButton);
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
    EXPECT_EQ(Store().Row(0).status, "Error");
    EXPECT_TRUE(Store().Row(0).reason.startsWith("This ffmpeg has no encoder \"libnothing\""));
    // The panel counts down and names what failed; a key pressed by chance calls it off.
    ASSERT_TRUE(window->Countdown().Running());
    EXPECT_EQ(window->focusWidget(), window->cmdCancelPowerOff);
    EXPECT_FALSE(window->frPowerOff->isHidden());
    EXPECT_TRUE(window->lblPowerOffFailures->text().contains("file 1.mpg"));
    window->Countdown().Tick();
    EXPECT_TRUE(window->lblPowerOff->text().contains("59 seconds"));
    QTest::mouseClick(window->cmdCancelPowerOff, Qt::LeftButton);
    EXPECT_FALSE(window->Countdown().Running());
    for (int second = 0; second < 100; ++second) {
        window->Countdown().Tick();
    }
    EXPECT_TRUE(power.actions.empty());
    // The window is as it was after the batch.
    while (window->Animator().TimerRunning()) {
        window->tmrAnimate_Timer();
    }
    EXPECT_TRUE(window->frPowerOff->isHidden());
    EXPECT_TRUE(window->frMain->isEnabled());
    EXPECT_EQ(Store().Row(1).status, "Complete");
}

TEST_F(RunsWindowTest, PowerOffNowPowersOffOnce) {
    Queue({kConverts});
    window->chkShutdown->setChecked(true);
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    ASSERT_TRUE(window->Countdown().Running());
    QTest::mouseClick(window->cmdPowerOffNow, Qt::LeftButton);
    QTest::mouseClick(window->cmdPowerOffNow, Qt::LeftButton);
    EXPECT_EQ(power.actions, std::vector<PowerAction>{PowerAction::PowerOff});
}

// The real encoder and a preset that names an encoder it does not have.
TEST(RunsWithTheRealEncoder, TheLogHoldsFfmpegsTextAndTheTooltipItsReason) {
    if (test::SystemEncoder().isEmpty()) {
        GTEST_SKIP() << "ffmpeg is not installed";
    }
    QTemporaryDir settings;
    SettingsFolder::Override(settings.path());
    test::TempProgramFolder folder;
    folder.AddShippedCatalogues();
    folder.Write("presets.xml",
                 test::CrLf(test::PresetCatalogueLines(
                     {test::PresetLines("MPEG-4", "-c:v mpeg4 -c:a mp2", "avi", "Mine"),
                      test::PresetLines("Broken", "-c:v libnothing", "mkv", "Mine")})));
    test::RecordingNotifier notifier;
    test::RecordingNotifications notifications;
    QTemporaryDir media;
    const QString clip = media.filePath("clip.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 2));
    frmMain window;
    window.txtOutPath->setText(media.filePath("out"));
    window.AddVideoFiles({clip});
    window.SetCategory("Mine");
    window.SelectListIndex(window.cmbOutVCodec, 0);
    QTest::mouseClick(window.cmdConvert, Qt::LeftButton);
    const JobRow& converted = window.Jobs().Store()->Row(0);
    ASSERT_EQ(converted.status, "Complete");
    QFile log(converted.logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    EXPECT_TRUE(text.contains("Stream mapping:"));
    EXPECT_TRUE(text.contains("Press [q] to stop"));

    window.Jobs().Store()->SetStatus(0, "Waiting Conversion");
    window.SelectListIndex(window.cmbOutVCodec, 1);
    notifier.messages.clear();
    QTest::mouseClick(window.cmdConvert, Qt::LeftButton);
    const QModelIndex status = window.Grid->model()->index(0, JobRow::Status);
    EXPECT_EQ(status.data(Qt::DisplayRole).toString(), "Error");
    const QString cause =
        "This ffmpeg has no encoder \"libnothing\": choose another codec, or "
        "install an ffmpeg that has it.";
    EXPECT_EQ(status.data(Qt::ToolTipRole).toString(), cause);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, "Error converting file: clip.mkv\r\n" + cause);
}

}  // namespace
}  // namespace reelwright
