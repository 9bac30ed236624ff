#include "batch/BatchDriver.h"
#include "batch/PowerOffCountdown.h"
#include "window/MyButton.h"

#include "WindowTest.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

namespace reelwright {
namespace {

// The real window converting generated clips with the real encoder.
class BatchWindowTest : public test::WindowTest {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        for (int i = 1; i <= 3; ++i) {
            const QString clip = media.filePath(QString("clip %1.mkv").arg(i));
            ASSERT_TRUE(test::MakeClip(clip, 2));
            clips << clip;
        }
        window->AddVideoFiles(clips);
        ASSERT_EQ(Store().RecordCount(), 3);
        // A folder of its own: names taken by an earlier test would make the naming yield.
        window->txtOutPath->setText(media.filePath("results"));
        // Time moves only when a test says so.
        window->StartClick().SetClock([this] { return now; });
    }
    JobListStore& Store() { return *window->Jobs().Store(); }
    QString Status(int row) { return Store().Row(row).status; }
    TextColor StatusColor(int row) { return Store().Row(row).textColors[JobRow::Status]; }
    // Runs `action` once, the first time row `row` shows a percentage.
    void OnProgress(int row, std::function<void()> action) {
        QObject::connect(&Store(), &QAbstractItemModel::dataChanged, window.get(),
                         [this, row, action, done = false](const QModelIndex& cell) mutable {
                             bool numeric = false;
                             Store().Row(row).status.toInt(&numeric);
                             if (!done && cell.row() == row && numeric) {
                                 done = true;
                                 action();
                             }
                         });
    }
    QString Output(int i) const {
        return media.filePath(QString("clip %1.%2").arg(i).arg(window->OutputType()));
    }

    QTemporaryDir media;
    QStringList clips;
    double now = 0;  // seconds
};

TEST_F(BatchWindowTest, ConvertAllConvertsEveryRowBesideItsInput) {
    QTest::mouseClick(window->optSameFolder, Qt::LeftButton);
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Status(row), "Complete");
        EXPECT_EQ(StatusColor(row), BatchDriver::kSuccessColor);
        EXPECT_TRUE(test::IsReadableMedia(Output(row + 1))) << Output(row + 1).toStdString();
    }
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
    EXPECT_EQ(window->cmdConvert->text(), "Convert All");
    EXPECT_TRUE(window->cmdAddVideoFile->isEnabled());
    EXPECT_FALSE(window->cmdBrowse->isEnabled());  // still the same-folder option

    // Nothing is left to convert the second time.
    const int files = QDir(media.path()).entryList(QDir::Files).size();
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_EQ(QDir(media.path()).entryList(QDir::Files).size(), files);
    EXPECT_TRUE(power.actions.empty());
}

// Each waiting file learns its result's size and time before converting; the line under the
// buttons adds them up; a changed choice asks again; what was converted drops out.
TEST_F(BatchWindowTest, EachFileIsEstimatedBeforeConvertingAndTheTotalIsSaid) {
    std::atomic<int> asked = 0;
    std::atomic<qint64> limit = 0;
    EstimateQueue::SetEstimator(
        [&](const FileConversion::Request& request, const std::atomic<bool>*) {
            ++asked;
            limit = request.maxSize;
            return FileEstimate{120'000'000, 180, {}};
        });
    window->RestartEstimates();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->lblEstimate->text() == "About 360 MB; about 9 min"; }, 60000))
        << window->lblEstimate->text().toStdString();
    EXPECT_EQ(Store().data(Store().index(1, JobRow::Status), Qt::ToolTipRole).toString(),
              "About 120 MB, about 3 min to convert");
    // The size chosen reaches the estimates.
    window->chkLimitSize->setChecked(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked >= 6 && limit > 0; }, 60000)) << asked;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->lblEstimate->text() == "About 360 MB; about 9 min"; }, 60000));
    window->chkLimitSize->setChecked(false);
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    ASSERT_EQ(Status(2), "Complete");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->lblEstimate->text().isEmpty(); }, 60000))
        << window->lblEstimate->text().toStdString();
    EXPECT_TRUE(Store().data(Store().index(0, JobRow::Status), Qt::ToolTipRole)
                    .toString()
                    .startsWith("Kept"));
}

TEST_F(BatchWindowTest, AnotherFolderIsMadeAndFilledWithTheOutputs) {
    const QString out = media.filePath("converted");
    window->txtOutPath->setText(out);
    QTest::mouseClick(window->cmdConvertSelected, Qt::LeftButton);  // nothing checked
    EXPECT_FALSE(QFileInfo::exists(out));
    Store().SetCheckBox(1, 1);
    QTest::mouseClick(window->cmdConvertSelected, Qt::LeftButton);
    EXPECT_EQ(Status(0), "Waiting Conversion");
    EXPECT_EQ(Status(1), "Complete");
    EXPECT_TRUE(test::IsReadableMedia(out + "/clip 2." + window->OutputType()));
}

TEST_F(BatchWindowTest, StopDuringTheSecondFileCancelsItAndPowersOff) {
    window->cmbFilesAtOnce->setCurrentIndex(1);  // one after another: the third waits
    window->chkShutdown->setChecked(true);
    OnProgress(1, [this] {
        now += 10;
        EXPECT_EQ(window->cmdConvert->text(), "Stop");
        EXPECT_FALSE(window->cmdConvertSelected->isEnabled());
        EXPECT_FALSE(window->cmdRemove->isEnabled());
        QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
        // The batch is still on the stack: it is not over until it has unwound.
        EXPECT_EQ(window->cmdConvert->text(), "Stop");
        EXPECT_FALSE(window->cmdAddVideoFile->isEnabled());
        EXPECT_FALSE(window->txtOutPath->isEnabled());
        // More clicks meanwhile start nothing.
        QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
        QTest::mouseClick(window->cmdConvertSelected, Qt::LeftButton);
    });
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_EQ(Status(0), "Complete");
    EXPECT_EQ(Status(1), "Cancelled");
    EXPECT_EQ(StatusColor(1), BatchDriver::kFailureColor);
    EXPECT_EQ(Status(2), "Waiting Conversion");
    EXPECT_EQ(window->cmdConvert->text(), "Convert All");
    EXPECT_EQ(window->cmdConvertSelected->text(), "Convert Selected");
    // The power-off waits out its minute, then comes once.
    EXPECT_TRUE(power.actions.empty());
    EXPECT_TRUE(window->Countdown().Running());
    for (int second = 0; second < PowerOffCountdown::kSeconds + 5; ++second) {
        window->Countdown().Tick();
    }
    EXPECT_EQ(power.actions, std::vector<PowerAction>{PowerAction::PowerOff});
    while (window->Animator().TimerRunning()) {
        window->tmrAnimate_Timer();
    }
    EXPECT_TRUE(window->cmdConvertSelected->isEnabled());
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(BatchWindowTest, TheSecondClickOfADoubleClickStopsNothing) {
    test::RecordingNotifications notifications;
    // The second click arrives in the first yield of the batch, before the encoder starts, and
    // the interval is the desktop's.
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    bool clicked = false;
    const test::ScopedYield yield([&] {
        if (!clicked && window->cmdConvert->text() == "Stop") {
            clicked = true;
            now += interval / 1000.0;
            QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
        }
    });
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_TRUE(clicked);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Status(row), "Complete");
    }
    EXPECT_EQ(notifications.notes,
              QStringList{"Conversion finished: 3 files converted, 0 failed."});
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

TEST_F(BatchWindowTest, AStopAfterTheIntervalHoldsEvenBeforeTheEncoderStarts) {
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    bool clicked = false;
    const test::ScopedYield yield([&] {
        if (!clicked && window->cmdConvert->text() == "Stop") {
            clicked = true;
            now += interval / 1000.0 + 0.01;
            QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
        }
    });
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(Status(0), "Cancelled");
    EXPECT_EQ(Status(1), "Waiting Conversion");
    EXPECT_EQ(Status(2), "Waiting Conversion");
    EXPECT_EQ(QDir(media.filePath("results")).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(window->cmdConvert->text(), "Convert All");
}

TEST_F(BatchWindowTest, NothingToConvertSaysSo) {
    QTest::mouseClick(window->cmdConvertSelected, Qt::LeftButton);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("No checked file is waiting"));
    EXPECT_EQ(window->cmdConvertSelected->text(), "Convert Selected");
}

TEST_F(BatchWindowTest, AFileThatTurnsUnreadableEndsAsErrorWithAMessage) {
    ASSERT_TRUE(test::MakeRandomFile(clips[0], 64 * 1024));
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_EQ(Status(0), "Error");
    EXPECT_EQ(StatusColor(0), BatchDriver::kFailureColor);
    EXPECT_EQ(Status(1), "Complete");
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("Error converting file: clip 1.mkv\r\n"));
}

TEST_F(BatchWindowTest, ClosingDuringABatchIsRefusedAndTheBatchGoesOn) {
    OnProgress(0, [this] {
        QTest::mouseClick(window->cmdClose, Qt::LeftButton);
        EXPECT_FALSE(window->close());  // as the window manager would ask
    });
    window->show();
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_EQ(notifier.Texts(),
              (QStringList{"Please Stop Conversion first.", "Please Stop Conversion first."}));
    EXPECT_EQ(notifier.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(window->isVisible());
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Status(row), "Complete");
    }
    EXPECT_TRUE(window->close());
}

TEST_F(BatchWindowTest, AnEmptyListSaysSo) {
    Store().SetCheckBox(0, 1);
    Store().SetCheckBox(1, 1);
    Store().SetCheckBox(2, 1);
    QTest::mouseClick(window->cmdRemove, Qt::LeftButton);
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_EQ(notifier.Texts(),
              QStringList{"The list is empty, Please add Video files from step 1"});
    EXPECT_EQ(notifier.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(window->cmdConvert->text(), "Convert All");
}

}  // namespace
}  // namespace reelwright
