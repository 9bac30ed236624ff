// Files dropped on the list while a batch converts, through the list's own drop handler, with
// real files and the real encoder: they never hold the batch, never take its Stop away, and join
// it or wait for the next one as the batch's kind says.
#include "batch/BatchDriver.h"
#include "joblist/JobGrid.h"
#include "window/MyButton.h"

#include "WindowTest.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace reelwright {
namespace {

class DropsDuringABatch : public test::WindowTest {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        QStringList clips;
        for (int i = 1; i <= 3; ++i) {
            clips << media.filePath(QString("clip %1.mkv").arg(i));
            ASSERT_TRUE(test::MakeClip(clips.last(), 2));
        }
        for (int i = 1; i <= 2; ++i) {
            late << media.filePath(QString("late %1.mkv").arg(i));
            ASSERT_TRUE(test::MakeClip(late.last(), 2));
        }
        window->AddVideoFiles(clips);
        ASSERT_EQ(Store().RecordCount(), 3);
        window->txtOutPath->setText(media.filePath("results"));
        window->cmbFilesAtOnce->setCurrentIndex(1);  // one after another
        window->show();
    }
    JobListStore& Store() { return *window->Jobs().Store(); }
    QString Status(int row) { return Store().Row(row).status; }
    bool Converted(const QString& name) const {
        return QFileInfo::exists(media.filePath("results/" + name + "." + window->OutputType()));
    }

    // As a file manager drops them on the list.
    void Drop(const QStringList& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : files) {
            urls << QUrl::fromLocalFile(file);
        }
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(window->Grid->viewport(), &enter);
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->Grid->viewport(), &drop);
        EXPECT_TRUE(drop.isAccepted());
    }

    // The encoder in the program's folder, whose probes (ffmpeg -i FILE) wait until Release(),
    // as on a slow share; it tells no version, so the program cannot probe in its own process.
    void HoldProbes() {
        const QString script =
            QString(
                "#!/bin/sh\n"
                "if [ \"$1\" = -version ]; then echo 'ffmpeg version held'; exit 0; fi\n"
                "if [ $# -eq 2 ] && [ \"$1\" = -i ]; then\n"
                "  n=0\n"
                "  while [ ! -e '%1' ] && [ $n -lt 1200 ]; do sleep 0.05; n=$((n+1)); done\n"
                "fi\n"
                "exec '%2' \"$@\"\n")
                .arg(release, test::SystemEncoder());
        const QString encoder = folder.Write("ffmpeg", script);
        QFile::setPermissions(encoder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void Release() { QFile(release).open(QIODevice::WriteOnly); }

    QTemporaryDir media;
    QStringList late;
    QString release = media.filePath("release");
};

TEST_F(DropsDuringABatch, JoinABatchOfEveryRowAndNeverHoldIt) {
    HoldProbes();
    QList<int> started;
    bool dropped = false;
    bool released = false;
    bool endedWhileAdding = false;
    bool stopOn = false;
    int keptWithTheBatch = 0;
    QList<int> asked;
    QString title;
    QObject::connect(
        &Store(), &QAbstractItemModel::dataChanged, window.get(), [&](const QModelIndex& cell) {
            const int row = cell.row();
            if (cell.column() != JobRow::Status) {
                return;
            }
            bool numeric = false;
            Status(row).toInt(&numeric);
            if (Status(row) == "Starting..." && !started.contains(row)) {
                started << row;
            }
            if (!dropped && row == 0 && numeric) {
                dropped = true;
                Drop(late);
            }
            if (!released && row == 2 && Status(row) == "Complete") {
                // The batch's own files are done while the dropped ones are probed.
                endedWhileAdding = window->Adder().IsAdding();
                stopOn = window->cmdConvert->text() == "Stop" && window->cmdConvert->isEnabled();
                released = true;
                Release();
            }
            // The dropped files are added one at a time: each is asked once it converts.
            if ((row == 3 || row == 4) && numeric && !asked.contains(row)) {
                asked << row;
                keptWithTheBatch += Store().Row(row).inBatch ? 1 : 0;
            }
            // By the last row's start every dropped file is in: the title counts them all.
            if (row == 4 && numeric && title.isEmpty()) {
                title = window->windowTitle();
            }
        });
    QTest::mouseClick(window->cmdConvert, Qt::LeftButton);
    EXPECT_TRUE(released);
    EXPECT_TRUE(endedWhileAdding) << "the add held the batch";
    EXPECT_TRUE(stopOn) << "the add took the batch's Stop away";
    ASSERT_EQ(Store().RecordCount(), 5);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(Status(row), "Complete") << row;
    }
    EXPECT_EQ(started, (QList<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(keptWithTheBatch, 2) << "a killed batch would not offer them";
    EXPECT_TRUE(title.contains("of 5 files")) << title.toStdString();
    EXPECT_TRUE(Converted("late 1") && Converted("late 2"));
    EXPECT_EQ(window->cmdConvert->text(), "Convert All");
    EXPECT_TRUE(window->cmdAddVideoFile->isEnabled());
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

TEST_F(DropsDuringABatch, WaitForTheNextBatchOfCheckedRowsAndSaySo) {
    Store().SetCheckBox(0, 1);
    bool dropped = false;
    QString said;
    QString tip;
    QObject::connect(
        &Store(), &QAbstractItemModel::dataChanged, window.get(), [&](const QModelIndex& cell) {
            bool numeric = false;
            Status(cell.row()).toInt(&numeric);
            if (dropped || cell.row() != 0 || !numeric) {
                return;
            }
            dropped = true;
            Drop({late[0]});
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return Store().RecordCount() == 4 && !window->Adder().IsAdding(); }, 60000));
            said = Status(3);
            tip = Store().data(Store().index(3, JobRow::Status), Qt::ToolTipRole).toString();
            Store().SetCheckBox(3, 1);  // ticked meanwhile, it still waits
        });
    QTest::mouseClick(window->cmdConvertSelected, Qt::LeftButton);
    EXPECT_EQ(said, "Waiting Next Batch");
    EXPECT_TRUE(tip.contains("the next batch converts it")) << tip.toStdString();
    EXPECT_EQ(Status(0), "Complete");
    EXPECT_EQ(Status(3), "Waiting Conversion");
    EXPECT_FALSE(Converted("late 1"));
    EXPECT_FALSE(Store().Row(3).inBatch);
    // The next batch takes it.
    QTest::mouseClick(window->cmdConvertSelected, Qt::LeftButton);
    EXPECT_EQ(Status(3), "Complete");
    EXPECT_TRUE(Converted("late 1"));
    EXPECT_EQ(Status(1), "Waiting Conversion");
}

}  // namespace
}  // namespace reelwright
