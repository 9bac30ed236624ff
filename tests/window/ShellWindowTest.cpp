#include "joblist/JobGrid.h"
#include "joblist/ProgressCellDelegate.h"
#include "platform/NamedLock.h"
#include "settings/CRegister.h"
#include "window/LinkLabel.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"

#include "WindowTest.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace reelwright {
namespace {

class ShellWindowTest : public test::WindowTest {
  protected:
    // Runs the slide to its end by hand, tick by tick.
    void RunSlide() {
        for (int i = 0; i < 100 && window->tmrAnimate->isActive(); ++i) {
            window->tmrAnimate_Timer();
        }
    }
};

TEST_F(ShellWindowTest, TheWindowIsFramelessAndAsLargeAsItsMainPanel) {
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->size(), QSize(728, 577));
    EXPECT_EQ(window->frMain->geometry(), QRect(0, 0, 728, 577));
    EXPECT_EQ(window->frFormats->geometry(), QRect(88, 577, 552, 377));
    EXPECT_EQ(window->frAbout->geometry(), QRect(122, 577, 483, 246));
    EXPECT_EQ(window->Grid->geometry(), QRect(11, 128, 702, 228));
    EXPECT_EQ(window->lblVer->text(), "1.0.0.0");
}

TEST_F(ShellWindowTest, StartingHoldsTheNamedLockAndSelectsInFilledLists) {
    const int fd =
        ::open(QFile::encodeName(NamedLock::PathFor("Fennickreelwright")).constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    EXPECT_NE(::flock(fd, LOCK_EX | LOCK_NB), 0);  // held, shared, by the window
    ::close(fd);

    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE,
                               "Software\\Fennick Reelwright\\Settings", "cmbOutVCodec", "3");
    Restart();
    EXPECT_EQ(window->cmbOutVCodec->currentIndex(), 3);
}

TEST_F(ShellWindowTest, APanelSlidesUpOverADisabledMainPanelAndBackDown) {
    QTest::mouseClick(window->cmdChangeFormat, Qt::LeftButton);
    EXPECT_TRUE(window->tmrAnimate->isActive());
    EXPECT_FALSE(window->frMain->isEnabled());
    // A second open while sliding is refused.
    window->OpenPanel(window->frAbout);
    RunSlide();
    EXPECT_EQ(window->frFormats->y(), 2715 / 15);
    EXPECT_EQ(window->frAbout->y(), 577);
    EXPECT_FALSE(window->frMain->isEnabled());

    window->ClosePanel();
    RunSlide();
    EXPECT_EQ(window->frFormats->y(), 577);
    EXPECT_TRUE(window->frMain->isEnabled());
}

TEST_F(ShellWindowTest, CloseWhileSlidingUpTurnsTheAboutPanelRound) {
    QTest::mouseClick(window->cmdAbout, Qt::LeftButton);
    for (int i = 0; i < 5; ++i) {
        window->tmrAnimate_Timer();
    }
    QTest::mouseClick(window->cmdCloseHelp, Qt::LeftButton);
    EXPECT_EQ(window->Animator().MoveObject(), "Edit Frame 2 Down");
    RunSlide();
    EXPECT_EQ(window->frAbout->y(), 577);
    EXPECT_TRUE(window->frMain->isEnabled());
}

TEST_F(ShellWindowTest, HelpAndLinksOpenThroughTheDesktop) {
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    QTest::mouseClick(window->MyButton1, Qt::LeftButton);
    QDir::setCurrent(before);
    QTest::mouseClick(window->lblFFmpeg, Qt::LeftButton);
    QTest::mouseClick(window->lblWebSite, Qt::LeftButton);
    EXPECT_EQ(desktop.targets, (QStringList{folder.FilePath("Help.html"), "https://ffmpeg.org/",
                                            "file://" + folder.FilePath("Help.html") + "#about"}));
    EXPECT_EQ(desktop.workingFolders, (QStringList{"/", "/", "/"}));
    EXPECT_TRUE(QFileInfo(folder.FilePath("Help.html")).isFile());
}

TEST_F(ShellWindowTest, TheMinimizeButtonMinimizes) {
    window->show();
    QTest::mouseClick(window->cmdMinimize, Qt::LeftButton);
    EXPECT_TRUE(window->windowState() & Qt::WindowMinimized);
}

// A near match: the gradients and text are smoothed.
bool Near(const QColor& a, const QColor& b, int tolerance = 12) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The colour a four-corner gradient (top left, top right, bottom left, bottom right) has at a
// point of an area.
QColor Bilinear(const QColor (&corners)[4], const QPoint& at, const QSize& size) {
    const double u = at.x() / double(size.width() - 1);
    const double v = at.y() / double(size.height() - 1);
    const auto channel = [&](auto get) {
        const double left = get(corners[0]) * (1 - v) + get(corners[2]) * v;
        const double right = get(corners[1]) * (1 - v) + get(corners[3]) * v;
        return static_cast<int>(left * (1 - u) + right * u + 0.5);
    };
    return QColor(channel([](const QColor& c) { return c.red(); }),
                  channel([](const QColor& c) { return c.green(); }),
                  channel([](const QColor& c) { return c.blue(); }));
}

TEST_F(ShellWindowTest, TheLookIsDrawnWithItsColours) {
    JobListStore& store = *window->Jobs().Store();
    const QStringList names{"/videos/Holiday 2026/beach.mkv", "/videos/Holiday 2026/sunset.mp4",
                            "/videos/interview take 3.avi"};
    const QStringList statuses{"Complete", "45", "Waiting Conversion"};
    const QStringList sizes{"312.4 MB", "1.2 GB", "88.53 MB"};
    for (int i = 0; i < 3; ++i) {
        JobRow row;
        row.filePath = names[i];
        row.status = statuses[i];
        row.duration = QString("00:0%1:1%1").arg(i + 2);
        row.fileSize = sizes[i];
        store.Append(row);
    }
    store.SetTextColor(0, JobRow::Status, BatchDriver::kSuccessColor);
    store.SetCheckBox(2, 1);
    window->txtOutPath->setText("/home/alex/Videos/Converted Files");
    window->show();
    QApplication::processEvents();
    const QImage shot = window->grab().toImage();
    // The header's four-corner gradient and the body's, checked where the formula puts them.
    const QColor header[] = {QColor(179, 247, 206), Qt::white, QColor(0, 128, 0), Qt::white};
    for (const QPoint& at : {QPoint(12, 3), QPoint(40, 27), QPoint(364, 15), QPoint(723, 20)}) {
        EXPECT_TRUE(Near(shot.pixelColor(at), Bilinear(header, at, QSize(728, 30)), 6))
            << at.x() << "," << at.y() << " " << shot.pixelColor(at).name().toStdString();
    }
    const QColor body[] = {QColor(192, 233, 143), Qt::white, QColor(241, 255, 232),
                           QColor(192, 233, 143)};
    for (const QPoint& at : {QPoint(4, 572), QPoint(720, 570), QPoint(5, 200)}) {
        EXPECT_TRUE(Near(shot.pixelColor(at), Bilinear(body, at, QSize(728, 577)), 6))
            << at.x() << "," << at.y() << " " << shot.pixelColor(at).name().toStdString();
    }
    // The border.
    EXPECT_TRUE(Near(shot.pixelColor(0, 300), QColor(96, 128, 88), 30))
        << shot.pixelColor(0, 300).name().toStdString();
    // The converting row's bar, at the left of its status cell.
    const QRect cell = window->Grid->visualRect(store.index(1, JobRow::Status))
                           .translated(window->Grid->viewport()->mapTo(window.get(), QPoint(0, 0)));
    EXPECT_EQ(shot.pixelColor(cell.left() + 2, cell.top() + 2), ProgressCellDelegate::kBarColor);
    EXPECT_NE(shot.pixelColor(cell.right() - 2, cell.top() + 2), ProgressCellDelegate::kBarColor);
}

}  // namespace
}  // namespace reelwright
