// The window as a keyboard or mouse user meets it: what Tab reaches, what Enter and Space do,
// when the window follows the pointer, and whether everything fits and reads.
#include "joblist/JobGrid.h"
#include "platform/SystemDesktop.h"
#include "window/LinkLabel.h"
#include "window/Look.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"
#include "window/ShortComboBox.h"
#include "window/Twips.h"

#include "WindowTest.h"
#include "common/CaseName.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

namespace reelwright {
namespace {

class KeyboardAndPointerTest : public test::WindowTest {
  protected:
    void SetUp() override {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // Runs the panel's slide to its end, as the timer would.
    void Settle() {
        for (int tick = 0; tick < 200 && window->Animator().TimerRunning(); ++tick) {
            window->tmrAnimate_Timer();
        }
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    // The widgets Tab reaches from the focused one, in order, `presses` times.
    QList<QWidget*> TabWalk(int presses) {
        QList<QWidget*> reached;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(Focused(), Qt::Key_Tab);
            reached << Focused();
        }
        return reached;
    }
    JobListStore& Store() { return *window->Jobs().Store(); }
};

TEST_F(KeyboardAndPointerTest, TabReachesNoParkedPanelAndEveryCornerButton) {
    window->Jobs().SetProbe([](const QString&) { return true; });
    window->Jobs().SetLengthReader([](const QString&) { return QStringLiteral("00:00:03"); });
    QTemporaryDir media;
    QStringList files;
    for (int i = 0; i < 20; ++i) {
        files << test::WriteFile(media, QString("%1.avi").arg(i));
    }
    window->AddVideoFiles(files);
    window->cmdAddVideoFile->setFocus();
    // Once round the window.
    QList<QWidget*> reached;
    while (reached.size() < 100 && (reached.isEmpty() || Focused() != window->cmdAddVideoFile)) {
        reached += TabWalk(1);
    }
    EXPECT_EQ(reached.last(), window->cmdAddVideoFile);
    for (QWidget* widget : reached) {
        EXPECT_FALSE(window->frFormats->isAncestorOf(widget)) << widget->metaObject()->className();
        EXPECT_FALSE(window->frAbout->isAncestorOf(widget)) << widget->metaObject()->className();
    }
    EXPECT_FALSE(window->frFormats->isVisible());
    // The grid is one stop, however many rows.
    EXPECT_EQ(reached.count(window->Grid), 1);
    for (QWidget* corner :
         {static_cast<QWidget*>(window->cmdAbout), static_cast<QWidget*>(window->MyButton1),
          static_cast<QWidget*>(window->cmdMinimize), static_cast<QWidget*>(window->cmdClose)}) {
        EXPECT_TRUE(reached.contains(corner));
        EXPECT_FALSE(corner->accessibleName().isEmpty());
    }
    EXPECT_EQ(window->MyButton1->accessibleName(), "Help");
}

TEST_F(KeyboardAndPointerTest, ARaisedPanelKeepsTheKeyboardAndGivesItBack) {
    window->cmdChangeFormat->setFocus();
    QTest::keyClick(window->cmdChangeFormat, Qt::Key_Return);  // Enter presses a focused button
    QTest::qWait(300);  // the press is shown before it clicks
    Settle();
    ASSERT_TRUE(window->frFormats->isVisible());
    EXPECT_TRUE(window->frFormats->isAncestorOf(Focused()));
    for (QWidget* widget : TabWalk(30)) {
        EXPECT_TRUE(window->frFormats->isAncestorOf(widget)) << widget->metaObject()->className();
    }
    window->cmdHide->setFocus();
    QTest::keyClick(window->cmdHide, Qt::Key_Space);
    Settle();
    EXPECT_FALSE(window->frFormats->isVisible());
    EXPECT_EQ(Focused(), window->cmdChangeFormat);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(KeyboardAndPointerTest, EscapeClosesOnlyTheRaisedPanelAsItsCloseButtonDoes) {
    // Left blank, Channels is refused by Save & Close.
    window->txtChannels->clear();
    const QString summary = window->lblFormat->text();
    QTest::keyClick(Focused(), Qt::Key_Escape);  // no panel raised
    QTest::mouseClick(window->cmdAbout, Qt::LeftButton);
    Settle();
    ASSERT_TRUE(window->frAbout->isAncestorOf(Focused()));
    QTest::keyClick(Focused(), Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(window->frAbout->isHidden());
    EXPECT_TRUE(window->frMain->isEnabled());
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();

    QWidget* const before = Focused();
    QTest::mouseClick(window->cmdChangeFormat, Qt::LeftButton);
    Settle();
    QTest::mouseClick(window->optFormat[1], Qt::LeftButton);
    window->txtFrameRate->setFocus();
    QTest::keyClick(Focused(), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(notifier.Texts(),
              QStringList{"Channels Field in the custom Format can not be empty."});
    EXPECT_FALSE(window->frFormats->isHidden());  // it stays up, as for its button
    EXPECT_FALSE(window->frMain->isEnabled());
    QTest::keyClicks(window->txtChannels, "2");
    QTest::keyClick(window->txtChannels, Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(window->frFormats->isHidden());
    EXPECT_NE(window->lblFormat->text(), summary);  // saved, as Save & Close saves
    EXPECT_TRUE(window->lblFormat->text().startsWith("Container:"));
    EXPECT_EQ(Focused(), before);
    EXPECT_EQ(notifier.messages.size(), 1u);
}

TEST_F(KeyboardAndPointerTest, TheAboutLinksAreReachedByTabShownAndOpenedByKey) {
    QTest::mouseClick(window->cmdAbout, Qt::LeftButton);
    Settle();
    EXPECT_EQ(Focused(), window->cmdCloseHelp);
    EXPECT_EQ(TabWalk(3),
              (QList<QWidget*>{window->lblWebSite, window->lblFFmpeg, window->cmdCloseHelp}));
    // The focus is drawn around the link in the window's green.
    const auto drawn = [](QWidget* focus, QWidget* link) {
        focus->setFocus();
        QApplication::processEvents();
        return link->grab().toImage();
    };
    const QImage focused = drawn(window->lblFFmpeg, window->lblFFmpeg);
    const QImage unfocused = drawn(window->cmdCloseHelp, window->lblFFmpeg);
    ASSERT_EQ(focused.size(), unfocused.size());
    QSet<QString> sides;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (focused.pixelColor(x, y) != unfocused.pixelColor(x, y)) {
                EXPECT_EQ(focused.pixelColor(x, y), look::kColorDark) << x << "," << y;
                sides << (y == 0                      ? "top"
                          : y == focused.height() - 1 ? "bottom"
                          : x == 0                    ? "left"
                          : x == focused.width() - 1  ? "right"
                                                      : "inside");
            }
        }
    }
    EXPECT_EQ(sides, (QSet<QString>{"top", "bottom", "left", "right"}));

    const struct {
        LinkLabel* link;
        Qt::Key key;
    } presses[] = {{window->lblWebSite, Qt::Key_Return},
                   {window->lblFFmpeg, Qt::Key_Enter},
                   {window->lblFFmpeg, Qt::Key_Space},
                   {window->lblWebSite, Qt::Key_A}};
    for (const auto& press : presses) {
        press.link->setFocus();
        QTest::keyClick(press.link, press.key);
    }
    const QString about = "file://" + folder.FilePath("Help.html") + "#about";
    EXPECT_EQ(desktop.targets,
              (QStringList{about, frmMain::kEncoderHomePage, frmMain::kEncoderHomePage}));
    EXPECT_FALSE(window->frAbout->isHidden());
}

TEST_F(KeyboardAndPointerTest, TheGridShowsTheKeyboardFocusEmptyOrNot) {
    window->Jobs().SetProbe([](const QString&) { return true; });
    window->Jobs().SetLengthReader([](const QString&) { return QStringLiteral("00:00:03"); });
    QTemporaryDir media;
    // The frame, both of its lines, all round.
    const auto frame = [](const QImage& image) {
        QList<QColor> colours;
        for (int line = 0; line < JobGrid::kFrameWidth; ++line) {
            for (int x = line; x < image.width() - line; ++x) {
                colours << image.pixelColor(x, line)
                        << image.pixelColor(x, image.height() - 1 - line);
            }
            for (int y = line; y < image.height() - line; ++y) {
                colours << image.pixelColor(line, y)
                        << image.pixelColor(image.width() - 1 - line, y);
            }
        }
        return colours;
    };
    for (const int rows : {0, 2}) {
        if (rows > 0) {
            window->AddVideoFiles(
                {test::WriteFile(media, "a.avi"), test::WriteFile(media, "b.avi")});
            ASSERT_EQ(Store().RecordCount(), rows);
        }
        window->cmdAddFolder->setFocus();
        const QImage away = window->Grid->grab().toImage();
        QTest::keyClick(Focused(), Qt::Key_Tab);
        ASSERT_EQ(Focused(), window->Grid);
        const QImage focused = window->Grid->grab().toImage();
        for (const QColor& colour : frame(focused)) {
            ASSERT_EQ(colour, look::kColorDark) << rows << " rows";
        }
        for (const QColor& colour : frame(away)) {
            ASSERT_NE(colour, look::kColorDark) << rows << " rows";
        }
    }
}

// The current row's tick cell holds its tick and nothing else: no empty focus square beside it.
TEST_F(KeyboardAndPointerTest, NoGhostSquareBesideTheCurrentTick) {
    window->Jobs().SetProbe([](const QString&) { return true; });
    window->Jobs().SetLengthReader([](const QString&) { return QStringLiteral("00:00:03"); });
    QTemporaryDir media;
    window->AddVideoFiles({test::WriteFile(media, "a.avi"), test::WriteFile(media, "b.avi")});
    window->Grid->setFocus();
    for (const bool selected : {true, false}) {
        window->Grid->clearSelection();
        window->Grid->selectionModel()->setCurrentIndex(
            Store().index(1, JobRow::CheckBox),
            selected ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                     : QItemSelectionModel::NoUpdate);
        const QRect cell = window->Grid->visualRect(Store().index(1, JobRow::CheckBox));
        const QImage image = window->Grid->viewport()->grab().toImage();
        // Right of the tick, inside the cell's edges: one colour.
        const QRect beside(cell.left() + cell.width() * 2 / 3, cell.top() + 3,
                           cell.width() / 3 - 4, cell.height() - 6);
        ASSERT_TRUE(beside.isValid());
        const QColor first = image.pixelColor(beside.topLeft());
        for (int y = beside.top(); y <= beside.bottom(); ++y) {
            for (int x = beside.left(); x <= beside.right(); ++x) {
                ASSERT_EQ(image.pixelColor(x, y), first) << x << "," << y << " selected " << selected;
            }
        }
    }
}

TEST_F(KeyboardAndPointerTest, InTheGridArrowsMoveSpaceTicksAndTabLeaves) {
    window->Jobs().SetProbe([](const QString&) { return true; });
    window->Jobs().SetLengthReader([](const QString&) { return QStringLiteral("00:00:03"); });
    QTemporaryDir media;
    window->AddVideoFiles({test::WriteFile(media, "a.avi"), test::WriteFile(media, "b.avi")});
    window->Grid->setFocus();
    window->Grid->setCurrentIndex(Store().index(0, 2));
    QTest::keyClick(window->Grid, Qt::Key_Down);
    EXPECT_EQ(window->Grid->currentIndex().row(), 1);
    QTest::keyClick(window->Grid, Qt::Key_Space);
    EXPECT_TRUE(Store().Row(1).IsChecked());
    EXPECT_FALSE(Store().Row(0).IsChecked());
    QTest::keyClick(window->Grid, Qt::Key_Space);
    EXPECT_FALSE(Store().Row(1).IsChecked());
    QTest::keyClick(window->Grid, Qt::Key_Tab);
    EXPECT_NE(Focused(), window->Grid);
}

TEST_F(KeyboardAndPointerTest, F1OpensTheHelpPage) {
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(desktop.targets, QStringList{folder.FilePath("Help.html")});
}

TEST_F(KeyboardAndPointerTest, OnlyALeftDragOnTheBackgroundMovesTheWindow) {
    QSignalSpy drags(window->frMain, &MyFrame::DragStarted);
    const QPoint at(300, 570);
    const QPoint far = at + QPoint(QApplication::startDragDistance() + 2, 0);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(window->frMain, button, {}, at);
        QMouseEvent move(QEvent::MouseMove, far, window->frMain->mapToGlobal(far), Qt::NoButton,
                         button, {});
        QApplication::sendEvent(window->frMain, &move);
        QTest::mouseRelease(window->frMain, button, {}, far);
    }
    // A plain click is a click.
    QTest::mouseClick(window->frMain, Qt::LeftButton, {}, at);
    EXPECT_EQ(drags.count(), 0);
    QTest::mousePress(window->frMain, Qt::LeftButton, {}, at);
    QMouseEvent move(QEvent::MouseMove, far, window->frMain->mapToGlobal(far), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(window->frMain, &move);
    QApplication::sendEvent(window->frMain, &move);
    EXPECT_EQ(drags.count(), 1);
}

TEST_F(KeyboardAndPointerTest, TheMinimizeButtonForgetsTheHoverOnceMinimized) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5),
                      window->cmdMinimize->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(window->cmdMinimize, &enter);
    ASSERT_TRUE(window->cmdMinimize->Hovered());
    QTest::mouseClick(window->cmdMinimize, Qt::LeftButton);
    EXPECT_FALSE(window->cmdMinimize->Hovered());
}

TEST_F(KeyboardAndPointerTest, TheOutputFolderHasADialogOfItsOwn) {
    dialogs.folderAnswers << "/srv/out";
    QTest::mouseClick(window->cmdBrowse, Qt::LeftButton);
    EXPECT_EQ(dialogs.titles, QStringList{"Select the output folder"});
    EXPECT_EQ(window->txtOutPath->text(), "/srv/out");
}

TEST_F(KeyboardAndPointerTest, ListsShowTheirWholeEntries) {
    for (QComboBox* list : {window->cmbCVCodec, window->cmbCACodec, window->cmbCategory}) {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i) {
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
            EXPECT_EQ(list->itemData(i, Qt::ToolTipRole).toString(), list->itemText(i));
        }
        EXPECT_GE(list->view()->minimumWidth(), widest);
        EXPECT_EQ(list->toolTip(), list->currentText());
    }
    window->cmbCVCodec->setCurrentIndex(1);
    EXPECT_EQ(window->cmbCVCodec->toolTip(), "MPEG-4 Part 2 (DivX and Xvid compatible)");
    // Closed, a chosen item wider than its list is drawn cut with an ellipsis, never cut off
    // without a sign; one that fits is drawn whole.
    auto* codecs = qobject_cast<ShortComboBox*>(window->cmbCVCodec);
    ASSERT_NE(codecs, nullptr);
    codecs->resize(codecs->fontMetrics().horizontalAdvance("MPEG-4 Part 2") + 40, codecs->height());
    const QString shown = codecs->ShownText();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(codecs->currentText().startsWith(shown.chopped(1))) << shown.toStdString();
    codecs->resize(codecs->fontMetrics().horizontalAdvance(codecs->currentText()) + 60,
                   codecs->height());
    EXPECT_EQ(codecs->ShownText(), codecs->currentText());
}

TEST_F(KeyboardAndPointerTest, EveryCaptionIsDrawnAtTheSizeOfItsNeighbours) {
    std::set<double> sizes;
    for (const MyButton* button : window->findChildren<MyButton*>()) {
        if (button->width() < button->height() * 2) {
            continue;  // the corner buttons
        }
        sizes.insert(button->font().pointSizeF());
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text().replace("&&", "&")),
                  button->width() - 4)
            << button->text().toStdString();
    }
    ASSERT_EQ(sizes.size(), 1u);
    // The fonts the set-up installs let them keep the design's size.
    EXPECT_DOUBLE_EQ(*sizes.begin(), look::ButtonFont().pointSizeF());
}

TEST_F(KeyboardAndPointerTest, NamesInChineseJapaneseAndKoreanHaveAFont) {
    for (const auto system :
         {QFontDatabase::SimplifiedChinese, QFontDatabase::Japanese, QFontDatabase::Korean}) {
        EXPECT_FALSE(QFontDatabase::families(system).isEmpty()) << static_cast<int>(system);
    }
}

TEST_F(KeyboardAndPointerTest, ALongPathShowsWholeInItsTooltip) {
    window->Jobs().SetProbe([](const QString&) { return true; });
    window->Jobs().SetLengthReader([](const QString&) { return QStringLiteral("00:00:03"); });
    QTemporaryDir media;
    const QString deep = media.filePath(QString(100, 'd') + "/" + QString(100, 'e'));
    QDir().mkpath(deep);
    const QString path =
        test::WriteFile(media, QString(100, 'd') + "/" + QString(100, 'e') + "/clip.avi");
    window->AddVideoFiles({path});
    EXPECT_EQ(window->Grid->model()->index(0, 2).data(Qt::ToolTipRole).toString(), path);
}

struct ScaleCase {
    double scale;
    double zoom;  // at least
};

class AtEveryScale : public testing::TestWithParam<ScaleCase> {};

TEST_P(AtEveryScale, TheWindowFitsA1280By800Screen) {
    // The screen's room in the window's own pixels, a 40-pixel panel taken off.
    const QSize available(qRound(1280 / GetParam().scale), qRound(760 / GetParam().scale));
    const QSize design(728, 577);
    const double zoom = FitZoom(design, available);
    EXPECT_GE(zoom, GetParam().zoom);
    frmMain::OverrideZoom(zoom);
    test::TempProgramFolder folder;
    folder.AddShippedCatalogues();
    test::RecordingNotifier notifier;
    {
        frmMain window;
        EXPECT_LE(window.width(), available.width());
        EXPECT_LE(window.height(), available.height());
        for (QWidget* control :
             std::initializer_list<QWidget*>{window.cmdConvert, window.cmdConvertSelected,
                                             window.chkShutdown, window.cmdClose}) {
            const QRect inWindow(control->mapTo(&window, QPoint(0, 0)), control->size());
            EXPECT_TRUE(window.rect().contains(inWindow)) << control->metaObject()->className();
        }
        // A long batch's caption is shown whole, left of the corner buttons; a longer one is cut.
        window.frMain->SetCaption("Reelwright Video Converter - 100% of 999 files, 10:00:00 left");
        EXPECT_EQ(window.frMain->ShownCaption(), window.frMain->Caption());
        EXPECT_LT(window.frMain->CaptionRect().right(), window.cmdAbout->x());
        EXPECT_LE(QFontMetrics(look::CaptionFont()).horizontalAdvance(window.frMain->Caption()),
                  window.frMain->CaptionRect().width());
        window.frMain->SetCaption(window.frMain->Caption() + QString(40, u'x'));
        EXPECT_TRUE(window.frMain->ShownCaption().endsWith(QChar(0x2026)));
        EXPECT_LE(
            QFontMetrics(look::CaptionFont()).horizontalAdvance(window.frMain->ShownCaption()),
            window.frMain->CaptionRect().width());
    }
    frmMain::OverrideZoom(std::nullopt);
    SetDesignZoom(1.0);
}

INSTANTIATE_TEST_SUITE_P(Scales, AtEveryScale,
                         testing::Values(ScaleCase{1.0, 1.0}, ScaleCase{1.5, 0.8},
                                         ScaleCase{2.0, 0.6}),
                         [](const auto& info) {
                             return "Screen" + std::to_string(int(info.param.scale * 100)) +
                                    "Percent";
                         });

struct PlaceCase {
    const char* name;
    QRect owner;
    QSize size;
    QPoint at;
};

class ASecondWindow : public testing::TestWithParam<PlaceCase> {};

TEST_P(ASecondWindow, OpensCentredOverItsOwnerAndOnTheScreen) {
    const QRect screen(0, 0, 1280, 800);
    EXPECT_EQ(CentredOver(GetParam().owner, GetParam().size, screen), GetParam().at);
}

INSTANTIATE_TEST_SUITE_P(
    Places, ASecondWindow,
    testing::Values(PlaceCase{"centred", {276, 111, 728, 577}, {720, 480}, {280, 159}},
                    PlaceCase{"owner off the right", {1000, 300, 728, 577}, {720, 480}, {560, 320}},
                    PlaceCase{"owner off the top left", {-300, -200, 728, 577}, {720, 480}, {0, 0}},
                    PlaceCase{"larger than the screen", {0, 0, 728, 577}, {1400, 900}, {0, 0}}),
    test::CaseName<PlaceCase>);

TEST(SystemDesktopTest, AFailureToOpenIsSaidByWhatXdgOpenAnswered) {
    QTemporaryDir bin;
    const QString opener = bin.filePath("xdg-open");
    const QString existing = test::WriteFile(bin, "clip.avi");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + path);
    const auto restore = qScopeGuard([&path] { qputenv("PATH", path); });
    const struct {
        int exit;
        QString target;
        const char* why;
    } cases[] = {{3, existing, "no program on this computer could open it."},
                 {4, "https://ffmpeg.org/", "no program on this computer could open it."},
                 {2, "/nowhere/clip.avi", "the file is missing."},
                 {3, "/nowhere/clip.avi", "the file is missing."}};
    for (const auto& c : cases) {
        {
            QFile script(opener);
            ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
            script.write(QString("#!/bin/sh\nexit %1\n").arg(c.exit).toUtf8());
        }
        QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        test::RecordingNotifier notifier;
        SystemDesktop().Open(c.target, "/");
        for (int i = 0; i < 200 && notifier.messages.empty(); ++i) {
            QTest::qWait(10);
        }
        ASSERT_EQ(notifier.messages.size(), 1u) << c.exit;
        EXPECT_TRUE(
            notifier.messages[0].text.startsWith(c.target + " could not be opened: " + c.why))
            << notifier.messages[0].text.toStdString();
        EXPECT_FALSE(notifier.messages[0].text.contains("xdg-utils"));
    }
}

}  // namespace
}  // namespace reelwright
