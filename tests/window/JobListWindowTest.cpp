#include "joblist/JobGrid.h"
#include "window/MyButton.h"

#include "WindowTest.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace reelwright {
namespace {

class JobListWindowTest : public test::WindowTest {
  protected:
    void SetUp() override {
        window->Jobs().SetProbe([this](const QString& path) {
            if (duringProbe) {
                duringProbe();
            }
            return !path.contains("unreadable");
        });
        window->Jobs().SetLengthReader([](const QString&) { return QStringLiteral("00:00:03"); });
    }
    QString File(const QString& name) const { return test::WriteFile(dir, name); }
    QStringList Files(int count) const {
        QStringList files;
        for (int i = 1; i <= count; ++i) {
            files << File(QString("%1.avi").arg(i));
        }
        return files;
    }
    JobListStore& Store() { return *window->Jobs().Store(); }
    QStringList Paths() {
        QStringList paths;
        for (int i = 0; i < Store().RecordCount(); ++i) {
            paths << Store().Row(i).filePath;
        }
        return paths;
    }

    QTemporaryDir dir;
    std::function<void()> duringProbe;
};

TEST_F(JobListWindowTest, FilesOnTheCommandLineThatAreRefusedOrMissingAreNamedWithTheirReasons) {
    const QString missing = dir.filePath("missing.mkv");
    const QString unreadable = File("unreadable.avi");
    window->AddGivenFiles({File("a.avi"), missing, File("notes.txt"), unreadable}, false);
    EXPECT_EQ(Paths(), (QStringList{dir.filePath("a.avi"), unreadable}));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text,
              "Some files are not supported or already exist and will not be added");
    EXPECT_EQ(notifier.messages[0].details,
              missing + ": not found\n" + dir.filePath("notes.txt") + ": not a video file (.txt)");
    // A file the encoder cannot read is listed, and keeps the probe's reason.
    EXPECT_EQ(Store().Row(1).status, "Unkown Format");
}

TEST_F(JobListWindowTest, TheAddButtonQueuesTheChosenFiles) {
    dialogs.fileAnswers.push_back(Files(2));
    QTest::mouseClick(window->cmdAddVideoFile, Qt::LeftButton);
    EXPECT_EQ(Paths(), Files(2));
    EXPECT_EQ(window->Grid->model()->rowCount(), 2);
}

TEST_F(JobListWindowTest, SelectAllTicksAndClearsEveryRow) {
    window->AddVideoFiles(Files(3));
    QTest::mouseClick(window->chkSelectAll, Qt::LeftButton);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(Store().Row(i).IsChecked());
    }
    QTest::mouseClick(window->chkSelectAll, Qt::LeftButton);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(Store().Row(i).IsChecked());
    }
}

TEST_F(JobListWindowTest, RemoveDropsTheCheckedRowsAndUnchecksSelectAll) {
    const QStringList files = Files(3);
    window->AddVideoFiles(files);
    Store().SetCheckBox(0, 1);
    Store().SetCheckBox(2, 1);
    window->chkSelectAll->setChecked(true);
    QTest::mouseClick(window->cmdRemove, Qt::LeftButton);
    EXPECT_EQ(Paths(), QStringList{files[1]});
    EXPECT_FALSE(window->chkSelectAll->isChecked());
    EXPECT_EQ(window->Grid->model(), window->Jobs().Store());
    EXPECT_TRUE(window->Grid->isColumnHidden(0));
}

TEST_F(JobListWindowTest, AnAddUnchecksSelectAllWithoutClearingTheTicks) {
    window->AddVideoFiles(Files(1));
    QTest::mouseClick(window->chkSelectAll, Qt::LeftButton);
    window->AddVideoFiles({File("new.avi")});
    EXPECT_FALSE(window->chkSelectAll->isChecked());
    EXPECT_TRUE(Store().Row(0).IsChecked());
}

TEST_F(JobListWindowTest, PlayOpensTheLowestHighlightedRowFromTheRootFolder) {
    const QStringList files = Files(4);
    window->AddVideoFiles(files);
    window->PlaySelectedFile();
    EXPECT_TRUE(desktop.targets.isEmpty());  // nothing highlighted

    QItemSelectionModel* selection = window->Grid->selectionModel();
    selection->select(Store().index(1, 2), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->select(Store().index(3, 2), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::mouseClick(window->cmdPlay, Qt::LeftButton);
    EXPECT_EQ(desktop.targets, QStringList{files[3]});
    EXPECT_EQ(desktop.workingFolders, QStringList{"/"});

    selection->clear();
    window->Grid->setCurrentIndex(Store().index(1, 2));
    selection->clearSelection();
    window->PlaySelectedFile();
    EXPECT_EQ(desktop.targets.last(), files[1]);
}

TEST_F(JobListWindowTest, ADoubleClickPlaysOnlyWhilePlayIsEnabled) {
    window->AddVideoFiles(Files(2));
    window->show();
    const QRect cell = window->Grid->visualRect(Store().index(1, 2));
    window->EnableControls(false);
    QTest::mouseDClick(window->Grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(desktop.targets.isEmpty());
    window->EnableControls(true);
    QTest::mouseDClick(window->Grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(desktop.targets, QStringList{Files(2)[1]});
}

TEST_F(JobListWindowTest, EnableControlsSwitchesTheTenControls) {
    window->EnableControls(false);
    for (QWidget* control : std::initializer_list<QWidget*>{
             window->cmdChangeFormat, window->cmdRemove, window->cmdPlay, window->cmdBrowse,
             window->optSameFolder, window->optOtherFolder, window->chkSelectAll,
             window->cmdAddFolder, window->cmdAddVideoFile, window->cmdAbout}) {
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    }
    EXPECT_TRUE(window->Grid->isEnabled());
    EXPECT_TRUE(window->cmdConvert->isEnabled());
}

TEST_F(JobListWindowTest, ADropQueuesTheVideosSilently) {
    window->show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(File("a.avi")), QUrl::fromLocalFile(File("notes.txt")),
                  QUrl::fromLocalFile(File("b.mp4")), QUrl("https://example.com/c.avi")});
    // A drop goes to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->Grid->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->Grid->viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    QApplication::processEvents();  // the add runs once the drop has returned
    EXPECT_EQ(Paths(), (QStringList{dir.filePath("a.avi"), dir.filePath("b.mp4")}));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(JobListWindowTest, AFolderOfSubfoldersIsReportedEmpty) {
    QDir(dir.path()).mkpath("x/y");
    dialogs.folderAnswers << dir.path();
    QTest::mouseClick(window->cmdAddFolder, Qt::LeftButton);
    EXPECT_EQ(notifier.Texts(), QStringList{"Selected Folder is empty."});
}

TEST_F(JobListWindowTest, WhileFilesAreProbedTheListCannotBeChangedAndCloseWaits) {
    window->AddVideoFiles(Files(1));
    Store().SetCheckBox(0, 1);
    window->show();
    bool checked = false;
    duringProbe = [&] {
        if (checked) {
            return;
        }
        checked = true;
        // Everything that changes the list is out of reach while the add runs.
        EXPECT_FALSE(window->cmdAddVideoFile->isEnabled());
        EXPECT_FALSE(window->cmdAddFolder->isEnabled());
        EXPECT_FALSE(window->cmdRemove->isEnabled());
        EXPECT_FALSE(window->chkSelectAll->isEnabled());
        EXPECT_FALSE(window->cmdConvert->isEnabled());
        window->Jobs().RemoveChecked();
        EXPECT_FALSE(window->close());  // refused for now
    };
    window->AddVideoFiles({File("b.avi"), File("c.avi")});
    EXPECT_EQ(Paths(), (QStringList{dir.filePath("1.avi"), dir.filePath("b.avi")}));
    EXPECT_TRUE(window->cmdAddVideoFile->isEnabled());
    EXPECT_TRUE(window->isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible());  // the close request is carried out afterwards
}

}  // namespace
}  // namespace reelwright
