// The window's shell: the About panel, the sliding of both panels, drag, help and links.
#include "joblist/JobGrid.h"
#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "platform/ProgramFolder.h"
#include "window/LinkLabel.h"
#include "window/Look.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"
#include "window/Twips.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace reelwright {
namespace {

// The program's picture: a film reel.
QPixmap ReelPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double radius = size / 2.0 - 2;
    painter.setPen(QPen(look::kColorDark, 2));
    painter.setBrush(look::kBodyCornerA);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::white);
    for (int i = 0; i < 6; ++i) {
        const double angle = i * std::numbers::pi / 3;
        painter.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.55,
                            radius * 0.22, radius * 0.22);
    }
    painter.setBrush(look::kColorDark);
    painter.drawEllipse(centre, radius * 0.12, radius * 0.12);
    return pixmap;
}

}  // namespace

const QString frmMain::kEncoderHomePage = QStringLiteral("https://ffmpeg.org/");

QString frmMain::VersionText() {
    return QStringLiteral("%1.%2.0.%3")
        .arg(REELWRIGHT_VERSION_MAJOR)
        .arg(REELWRIGHT_VERSION_MINOR)
        .arg(REELWRIGHT_VERSION_REVISION);
}

void frmMain::BuildAboutPanel() {
    frAbout = new MyFrame(tr("About"), this, 3);
    frAbout->resize(TwipsRect(0, 0, 7245, 3690).size());
    QWidget* p = frAbout;

    auto* picture = Place(new QLabel(p), 300, 675, 1050, 1050);
    picture->setPixmap(ReelPicture(picture->width()));
    setWindowIcon(QIcon(ReelPicture(64)));

    auto* name = new QLabel(QString::fromLatin1(kProductName), p);
    name->setFont(look::CaptionFont());
    PlaceAuto(name, 1560, 675);
    PlaceAuto(new QLabel(tr("Version"), p), 5160, 825);
    lblVer = PlaceAuto(new QLabel(VersionText(), p), 5760, 825);
    auto* description =
        Place(new QLabel(tr("Converts a list of video files, one after another, into the "
                            "format your computer, phone or player needs, with the FFmpeg "
                            "encoder doing the work."),
                         p),
              1560, 1200, 5400, 900);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblWebSite = PlaceAuto(new LinkLabel(QString::fromLatin1(kMakerName), p), 3720, 2280);
    lblFFmpeg = PlaceAuto(new LinkLabel(QStringLiteral("FFmpeg"), p), 4440, 2625);
    // Each caption ends just before its link, so the two read as pairs in any language.
    for (const auto& [caption, link] :
         {std::pair{tr("Made by"), lblWebSite}, std::pair{tr("Converts with"), lblFFmpeg}}) {
        auto* label = new QLabel(caption, p);
        label->adjustSize();
        label->move(std::max(0, link->x() - TwipsToPixels(120) - label->width()), link->y());
    }
    cmdCloseHelp = Place(new MyButton(tr("Close"), p), 3045, 3030, 1140, 390);

    tmrAnimate = new QTimer(this);
    tmrAnimate->setInterval(animator_.TimerInterval());
    connect(tmrAnimate, &QTimer::timeout, this, &frmMain::tmrAnimate_Timer);
    connect(cmdAbout, &QPushButton::clicked, this, [this] {
        OpenPanel(frAbout);
        // Tab goes from the links down to Close; a key pressed at once closes rather than opens
        // a page.
        if (objMovePanel == frAbout) {
            cmdCloseHelp->setFocus(Qt::OtherFocusReason);
        }
    });
    connect(cmdCloseHelp, &QPushButton::clicked, this, &frmMain::ClosePanel);
    connect(EscapeIn(frAbout), &QShortcut::activated, cmdCloseHelp, &QAbstractButton::click);
    connect(cmdMinimize, &QPushButton::clicked, this, &frmMain::Minimize);
    connect(MyButton1, &QPushButton::clicked, this, &frmMain::OpenHelp);
    connect(frMain, &MyFrame::DragStarted, this, &frmMain::DragWindow);
    // The help page from anywhere in the window, as on any desktop.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &frmMain::OpenHelp);
    connect(lblFFmpeg, &LinkLabel::clicked, this,
            [] { Desktop::Current().Open(kEncoderHomePage, QStringLiteral("/")); });
    connect(lblWebSite, &LinkLabel::clicked, this, [] {
        // The maker's page is the About part of the help that comes with the program.
        QUrl page = QUrl::fromLocalFile(ProgramFolder::DataFile(QStringLiteral("Help.html")));
        page.setFragment(QStringLiteral("about"));
        Desktop::Current().Open(page.toString(), QStringLiteral("/"));
    });
}

void frmMain::NameForScreenReaders() {
    for (MyFrame* panel : {frFormats, frAbout, frPowerOff, frResume}) {
        panel->SetPanel(true);
    }
    Grid->setAccessibleName(tr("Files to convert"));
    txtOutPath->setAccessibleName(tr("Output folder"));
    // The two "Bitrate:" fields must be told apart, and the unit said.
    txtCABirate->setAccessibleName(tr("Audio bitrate in kbps"));
    txtChannels->setAccessibleName(tr("Audio channels"));
    txtCVBitrate->setAccessibleName(tr("Video bitrate in kbps"));
    txtFrameRate->setAccessibleName(tr("Frame rate in fps"));
    // A list is named by its caption, not by the item it shows.
    for (QLabel* label : findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy && buddy->accessibleName().isEmpty()) {
            QString name = label->text();
            name.remove(u'&');
            if (name.endsWith(u':')) {
                name.chop(1);
            }
            buddy->setAccessibleName(name.trimmed());
        }
    }
}

QShortcut* frmMain::EscapeIn(QWidget* panel) {
    return new QShortcut(QKeySequence::Cancel, panel, nullptr, nullptr,
                         Qt::WidgetWithChildrenShortcut);
}

void frmMain::OpenPanel(QWidget* panel) {
    if (animator_.TimerRunning()) {
        return;  // one slide at a time
    }
    objMovePanel = panel;
    // A panel that can be opened is parked at the window's height.
    animator_.SetPanelTop(animator_.WindowHeight());
    focusBeforePanel_ = QApplication::focusWidget();
    panel->show();
    panel->raise();
    frMain->setEnabled(false);
    // A raised panel is a modal page: the keyboard goes into it, and stays there, since the main
    // panel is disabled and the other panel hidden.
    for (QWidget* next = panel->nextInFocusChain(); next != panel;
         next = next->nextInFocusChain()) {
        if (panel->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) &&
            next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    AnimatePanel(QStringLiteral("EDIT_FRAME_UP"));
}

void frmMain::ClosePanel() {
    // No test of the timer: a panel still sliding up turns round.
    AnimatePanel(QStringLiteral("EDIT_FRAME_DOWN"));
}

void frmMain::AnimatePanel(const QString& direction) {
    animator_.AnimatePanel(direction);
    tmrAnimate->setInterval(animator_.TimerInterval());
    tmrAnimate->start();
}

void frmMain::tmrAnimate_Timer() {
    animator_.Tick();
    if (objMovePanel) {
        objMovePanel->move(objMovePanel->x(), TwipsToPixels(animator_.PanelTop()));
    }
    tmrAnimate->setInterval(animator_.TimerInterval());
    if (!animator_.TimerRunning()) {
        tmrAnimate->stop();
    }
    if (animator_.MainPanelReleased()) {
        frMain->setEnabled(true);
        ParkPanel(objMovePanel);
    }
}

void frmMain::ParkPanel(QWidget* panel) {
    // Out of sight, out of the keyboard's reach.
    if (panel && !panel->isHidden()) {
        panel->hide();
        if (focusBeforePanel_ && focusBeforePanel_->isEnabled()) {
            focusBeforePanel_->setFocus(Qt::OtherFocusReason);
        }
        focusBeforePanel_.clear();
    }
}

void frmMain::DragWindow() {
    if (QWindow* handle = windowHandle()) {
        handle->startSystemMove();
    }
}

void frmMain::Minimize() {
    // The pointer will not be over the button when the window comes back.
    cmdMinimize->ClearHover();
    showMinimized();
}

void frmMain::OpenHelp() {
    Desktop::Current().Open(ProgramFolder::DataFile(QStringLiteral("Help.html")),
                            QStringLiteral("/"));
}

}  // namespace reelwright
