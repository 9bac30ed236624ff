#include "window/frmMain.h"

#include "batch/ClosePolicy.h"
#include "joblist/JobGrid.h"
#include "plan/ContainerTable.h"
#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Notifier.h"
#include "window/Accessibility.h"
#include "window/Look.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"
#include "window/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDebug>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace reelwright {
namespace {

// The design size of the main panel.
constexpr int kMainWidthTwips = 10920;
constexpr int kMainHeightTwips = 8655;

QLabel* StepNumber(const QString& digit, QWidget* parent) {
    auto* label = new QLabel(digit, parent);
    label->setFont(look::StepNumberFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look::kStepNumberColor);
    label->setPalette(palette);
    return label;
}

// A thin rule from the end of a step's heading to the panel's right edge.
void StepRule(QLabel* heading) {
    auto* line = new QFrame(heading->parentWidget());
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    const int left = heading->geometry().right() + Zoomed(8);
    line->setGeometry(left, heading->geometry().center().y() - 1, TwipsToPixels(10680) - left, 3);
}

}  // namespace

frmMain::frmMain(QWidget* parent) : frmMain(std::function<bool()>(), parent) {}

frmMain::frmMain(std::function<bool()> endingAsked, QWidget* parent)
    : QWidget(parent),
      // Held for the life of the window and never examined: other programs may look for it.
      lock_(QStringLiteral("Fennickreelwright")),
      animator_(kMainHeightTwips),
      batch_(jobList_, {[this] { return OutputType(); },
                        [this](const QString& input, const QString& type) {
                            return ChooseOutputPath(input, type);
                        },
                        [this] { return ChosenParameters(); },
                        [this](const QString& input, const QString& type) {
                            return PlainOutputPath(input, type, OutputChoice());
                        }}),
      adder_(jobList_),
      keeper_(jobList_) {
    InstallAccessibility();
    setWindowTitle(QString::fromLatin1(kProductName));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // The whole design, drawn smaller when the screen cannot hold it.
    const QSize design = TwipsRect(0, 0, kMainWidthTwips, kMainHeightTwips).size();
    const QScreen* display = QGuiApplication::primaryScreen();
    SetDesignZoom(ZoomOverride().value_or(
        display ? FitZoom(design, display->availableGeometry().size()) : 1.0));
    setFont(look::WindowFont());
    LayoutWindow();
    LoadPresets();
    LoadCodecs();
    LoadSettings();
    // The list comes back before any file given on the command line is added.
    restored_ = keeper_.Restore(endingAsked);
    if (restored_.abandoned) {
        ending_ = true;  // nothing more starts: the program ends
        return;
    }
    KeepTheList();
    BuildEstimates();
    QTimer::singleShot(0, this, &frmMain::TellRestored);
}

void frmMain::KeepTheList() {
    connect(&batch_, &BatchDriver::ClaimMade, &keeper_, &QueueKeeper::SaveNowKeepingTurns);
    connect(&batch_, &BatchDriver::Joined, &keeper_, &QueueKeeper::JoinBatch);
    // Said once each, in a box that does not hold the batch.
    connect(&keeper_, &QueueKeeper::CannotKeep, this, [](const QString& why) {
        Notifier::Current().Tell(
            tr("The list of files cannot be kept for the next start (%1). Converting "
               "goes on, but the list will be lost when Reelwright ends.")
                .arg(why),
            MessageIcon::Warning);
    });
    connect(&batch_, &BatchDriver::LogsUnwritable, this, [](const QString& why) {
        Notifier::Current().Tell(tr("The encoder's output cannot be kept in logs (%1). "
                                    "Converting goes on.")
                                     .arg(why),
                                 MessageIcon::Warning);
    });
    if (restored_.guest) {
        return;
    }
    connect(&running_, &RunningWindow::FilesHanded, this, [this](const QStringList& files) {
        showNormal();
        raise();
        activateWindow();
        handedFiles_ << files;
        TakeHandedFiles();
    });
    if (!running_.Listen()) {
        Notifier::Current().Tell(tr("Reelwright windows started later cannot hand their files "
                                    "to this one (%1). They open windows of their own.")
                                     .arg(running_.ListenFailure()),
                                 MessageIcon::Warning);
    }
}

void frmMain::TakeHandedFiles() {
    if (handedFiles_.isEmpty() || adder_.IsAdding()) {
        return;  // AddingFinished comes back here
    }
    AddGivenFiles(std::exchange(handedFiles_, {}), false);
}

frmMain::~frmMain() = default;

std::optional<double>& frmMain::ZoomOverride() {
    static std::optional<double> zoom;
    return zoom;
}

void frmMain::OverrideZoom(std::optional<double> zoom) {
    ZoomOverride() = zoom;
}

void frmMain::LayoutWindow() {
    BuildMainPanel();
    BuildFormatPanel();
    BuildAboutPanel();
    BuildPowerOffPanel();
    BuildResumePanel();
    frMain->move(0, 0);
    setFixedSize(frMain->size());
    NameForScreenReaders();
    // The sliding panels wait just below the visible area, hidden, so the keyboard cannot
    // reach them either.
    for (QWidget* panel :
         std::initializer_list<QWidget*>{frFormats, frAbout, frPowerOff, frResume}) {
        panel->move((width() - panel->width()) / 2, height());
        panel->hide();
    }
    SetupGrid();
    FitButtonCaptions();
    // The free fonts are wider than the design's: the check box's caption must not run under
    // the button beside it.
    QFont boxFont = chkSelectAll->font();
    const double smallest = boxFont.pointSizeF() * 0.85;
    const auto boxRight = [this] { return chkSelectAll->x() + chkSelectAll->sizeHint().width(); };
    while (boxFont.pointSizeF() > smallest && boxRight() > cmdRemove->x() - Zoomed(4)) {
        boxFont.setPointSizeF(boxFont.pointSizeF() - 0.25);
        chkSelectAll->setFont(boxFont);
    }
    chkSelectAll->adjustSize();
    if (boxRight() > cmdRemove->x() - Zoomed(4)) {
        cmdRemove->move(boxRight() + Zoomed(4), cmdRemove->y());  // there is room to its right
    }
    // Where the screen has room for it, in its middle.
    if (const QScreen* display = QGuiApplication::primaryScreen()) {
        const QRect area = display->availableGeometry();
        move(area.center() - rect().center());
    }
}

void frmMain::BuildMainPanel() {
    frMain = new MyFrame(QString::fromLatin1(kProductName), this, 2);
    frMain->setGeometry(TwipsRect(0, 0, kMainWidthTwips, kMainHeightTwips));
    QWidget* p = frMain;

    BuildCornerButtons(p);
    MyFrame1 = Place(new MyFrame(tr("Three easy steps to convert your video files."), p, 1), 165,
                     540, 10515, 345);

    BuildAddStep(p);
    BuildOutputStep(p);
    BuildConvertStep(p);
    SetMainTabOrder();

    connect(cmdAddVideoFile, &QPushButton::clicked, this, [this] { AddVideoFiles(); });
    connect(cmdAddFolder, &QPushButton::clicked, this, [this] {
        adder_.AddFolder(Dialogs::Current().BrowseForFolder(this, tr("Select folder to add")));
    });
    connect(chkSelectAll, &QCheckBox::clicked, this,
            [this](bool checked) { jobList_.SelectAll(checked); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { jobList_.RemoveChecked(); });
    connect(cmdPlay, &QPushButton::clicked, this, &frmMain::PlaySelectedFile);
    connect(cmdChangeFormat, &QPushButton::clicked, this, [this] { OpenPanel(frFormats); });
    BuildOutputControls();
}

void frmMain::BuildCornerButtons(QWidget* p) {
    cmdAbout = Place(new MyButton("!", p, MyButton::kCornerFace), 9435, 90, 315, 315);
    MyButton1 = Place(new MyButton("?", p, MyButton::kCornerFace), 9795, 90, 315, 315);
    cmdMinimize = Place(new MyButton(QStringLiteral("\u0640\u0640"), p, MyButton::kCornerFace),
                        10147, 90, 315, 315);
    cmdClose = Place(new MyButton("X", p, MyButton::kCloseFace), 10500, 90, 315, 315);
    // A batch's progress joins the caption; it must not run under the buttons.
    frMain->SetCaptionRight(cmdAbout->x() - Zoomed(6));
    // Named for screen readers; reached with Tab after the steps' controls (and F1 for help).
    const std::pair<MyButton*, QString> corners[] = {{cmdAbout, tr("About")},
                                                     {MyButton1, tr("Help")},
                                                     {cmdMinimize, tr("Minimize")},
                                                     {cmdClose, tr("Close")}};
    for (const auto& [corner, name] : corners) {
        corner->setToolTip(corner == MyButton1 ? tr("%1 (F1)").arg(name) : name);
        corner->setAccessibleName(name);
    }
}

void frmMain::BuildAddStep(QWidget* p) {
    PlaceAuto(StepNumber("1", p), 135, 870);
    StepRule(PlaceAuto(new QLabel(tr("  - Add Video Files/Folders"), p), 210, 945));
    cmdAddVideoFile = Place(new MyButton(tr("Add Video File..."), p), 450, 1320, 1320, 420);
    cmdAddFolder = Place(new MyButton(tr("Add Folder..."), p), 1920, 1320, 1335, 420);
    Label9 = PlaceAuto(
        new QLabel(tr("For Quick Adding:You can drag and drop video files into the below list"), p),
        3600, 1425);
    Grid = Place(new JobGrid(p), 165, 1920, 10530, 3420);
    chkSelectAll = PlaceAuto(new QCheckBox(tr("Select/Unselect All"), p), 135, 5475);
    cmdRemove = Place(new MyButton(tr("Remove Selected"), p), 1815, 5385, 1500, 360);
    cmdPlay = Place(new MyButton(tr("Play Highlighted File"), p), 8835, 5400, 1890, 330);
}

void frmMain::BuildOutputStep(QWidget* p) {
    PlaceAuto(StepNumber("2", p), 120, 5700);
    StepRule(PlaceAuto(new QLabel(tr("  - Select Output Folder and Format"), p), 180, 5790));
    PlaceAuto(new QLabel(tr("Output Folder:"), p), 375, 6150);
    optSameFolder = PlaceAuto(new QRadioButton(tr("Same folder as input file"), p), 495, 6405);
    optOtherFolder = PlaceAuto(new QRadioButton(tr("Other folder"), p), 495, 6690);
    txtOutPath = Place(new QLineEdit(p), 690, 6990, 4725, 315);
    cmdBrowse = Place(new MyButton(tr("Browse..."), p), 5460, 6945, 945, 360);
    PlaceAuto(new QLabel(tr("Output Format:"), p), 6750, 6135);
    // Three lines of room, so a long summary wraps instead of being cut.
    lblFormat = Place(new QLabel(p), 6855, 6405, 3900, 600);
    lblFormat->setWordWrap(true);
    lblFormat->setTextFormat(Qt::PlainText);
    lblFormat->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdChangeFormat = Place(new MyButton(tr("Change..."), p), 8295, 7035, 945, 300);
}

void frmMain::BuildConvertStep(QWidget* p) {
    PlaceAuto(StepNumber("3", p), 105, 7530);
    StepRule(PlaceAuto(new QLabel(tr("- Click Convert to start conversion"), p), 360, 7575));
    auto* filesAtOnce = PlaceAuto(new QLabel(tr("Files at once:"), p), 450, 8070);
    cmbFilesAtOnce = Place(new QComboBox(p), 1560, 8010, 900, 345);
    cmbFilesAtOnce->addItem(tr("Auto"));
    for (int count = 1; count <= RememberedSettings::kMostFilesAtOnce; ++count) {
        cmbFilesAtOnce->addItem(QString::number(count));
    }
    cmbFilesAtOnce->setCurrentIndex(0);
    filesAtOnce->setBuddy(cmbFilesAtOnce);
    cmbFilesAtOnce->setAccessibleName(tr("Files at once"));
    cmbFilesAtOnce->setToolTip(
        tr("How many files convert at the same time. Auto converts several short files at once,\n"
           "and long ones one at a time when their encoder already keeps every core busy."));
    cmdConvertSelected = Place(new MyButton(tr("Convert Selected"), p), 3255, 7890, 1995, 450);
    cmdConvert = Place(new MyButton(tr("Convert All"), p), 5520, 7890, 1905, 450);
    // Under the buttons: what the files waiting will take, once estimated.
    lblEstimate = Place(new QLabel(p), 3255, 8370, 4170, 255);
    lblEstimate->setAlignment(Qt::AlignCenter);
    lblEstimate->setAccessibleName(tr("Expected size and time of the batch"));
    chkShutdown = PlaceAuto(new QCheckBox(tr("Shutdown after conversion complete"), p), 7590, 8115);
}

void frmMain::SetMainTabOrder() {
    // The steps in order, then the corner buttons.
    QWidget* const order[] = {cmdAddVideoFile,
                              cmdAddFolder,
                              Grid,
                              chkSelectAll,
                              cmdRemove,
                              cmdPlay,
                              optSameFolder,
                              optOtherFolder,
                              txtOutPath,
                              cmdBrowse,
                              cmdChangeFormat,
                              cmbFilesAtOnce,
                              cmdConvertSelected,
                              cmdConvert,
                              chkShutdown,
                              cmdAbout,
                              MyButton1,
                              cmdMinimize,
                              cmdClose};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    cmdAddVideoFile->setFocus();
}

void frmMain::SetupGrid() {
    Grid->SetColours(look::kColorLight, look::kColorDark);
    connect(&jobList_, &JobList::StoreReplaced, Grid, &JobGrid::Bind);
    connect(&jobList_, &JobList::SelectAllCleared, chkSelectAll,
            [this] { chkSelectAll->setChecked(false); });
    jobList_.InitJobList();
    // Sound files are taken for the Audio Only presets, videos for the others.
    jobList_.SetSoundOnly([this] {
        return KeepsSoundOnly(OutputType(), ChosenParameters().options.value_or(QString()));
    });
    Grid->SetDropGate([this] { return !adder_.IsAdding(); });
    // Files dropped during a batch are added beside it, never inside its own turn.
    adder_.SetStepwise([this] { return batch_.IsRunning(); });
    batch_.SetRowsComing([this] { return adder_.IsAdding(); });
    // Dropped files are added once the drop itself has finished.
    connect(Grid, &JobGrid::FilesDropped, &adder_, &VideoFileAdder::AddDropped,
            Qt::QueuedConnection);
    connect(&adder_, &VideoFileAdder::AddingStarted, this, &frmMain::AddingStarted);
    connect(&adder_, &VideoFileAdder::AddingFinished, this, &frmMain::AddingFinished);
    connect(Grid, &QAbstractItemView::doubleClicked, this, [this] {
        if (cmdPlay->isEnabled()) {
            PlaySelectedFile();
        }
    });
}

bool frmMain::AddFile2Grid(QString& sFilePath) {
    return jobList_.AddFile2Grid(sFilePath);
}

void frmMain::AddVideoFiles(const QStringList& fileList) {
    QStringList files = fileList;
    if (files.isEmpty() && !adder_.IsAdding()) {
        files = Dialogs::Current().OpenFiles(this, tr("Select one or more video files"),
                                             VideoFileAdder::OpenDialogFilter(), true);
    }
    adder_.AddVideoFiles(files);
}

void frmMain::AddGivenFiles(const QStringList& paths, bool verbose) {
    adder_.AddGiven(paths);
    if (verbose) {
        const JobListStore& store = *jobList_.Store();
        for (int row = 0; row < store.RecordCount(); ++row) {
            qInfo().noquote() << "reelwright:" << store.Row(row).filePath + u':'
                              << store.Row(row).status;
        }
    }
}

void frmMain::AddingStarted() {
    if (batch_.IsRunning()) {
        return;  // the batch's end holds them if the add still runs then
    }
    HoldControlsForAdding();
}

void frmMain::HoldControlsForAdding() {
    enabledBeforeAdding_.clear();
    for (QWidget* control :
         std::initializer_list<QWidget*>{cmdAddVideoFile, cmdAddFolder, cmdRemove, chkSelectAll,
                                         cmdConvert, cmdConvertSelected}) {
        enabledBeforeAdding_.emplace_back(control, control->isEnabled());
        control->setEnabled(false);
    }
}

void frmMain::AddingFinished() {
    for (const auto& [control, enabled] : enabledBeforeAdding_) {
        control->setEnabled(enabled);
    }
    enabledBeforeAdding_.clear();
    EstimateSoon();
    if (closeAfterAdding_) {
        closeAfterAdding_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    if (!handedFiles_.isEmpty()) {
        QTimer::singleShot(0, this, &frmMain::TakeHandedFiles);
    }
}

void frmMain::FitButtonCaptions() {
    QList<MyButton*> buttons = findChildren<MyButton*>();
    buttons.removeIf([](const MyButton* button) { return button->width() < button->height() * 2; });
    QFont font = look::ButtonFont();
    const auto fits = [&](const MyButton* button) {
        return QFontMetrics(font).size(Qt::TextShowMnemonic, button->text()).width() <=
               button->width() - 4;
    };
    while (font.pointSizeF() > 6.0 && !std::all_of(buttons.begin(), buttons.end(), fits)) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    for (MyButton* button : buttons) {
        button->setFont(font);
    }
}

void frmMain::PlaySelectedFile() {
    const int row = Grid->LowestHighlightedRow();
    JobListStore* store = jobList_.Store();
    if (row < 0 || !store || row >= store->RecordCount()) {
        return;
    }
    PlayFile(store->Row(row).filePath);
}

void frmMain::PlayFile(const QString& sFilePath) {
    Desktop::Current().Open(sFilePath, QStringLiteral("/"));
}

void frmMain::EnableControls(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             cmdChangeFormat, cmdRemove, cmdPlay, cmdBrowse, optSameFolder, optOtherFolder,
             chkSelectAll, cmdAddFolder, cmdAddVideoFile, cmdAbout, cmbFilesAtOnce}) {
        control->setEnabled(enabled);
    }
    // Browse and the path box follow the folder option; during a batch the path is locked, or a
    // folder typed meanwhile would send the later files elsewhere.
    if (enabled && optSameFolder->isChecked()) {
        cmdBrowse->setEnabled(false);
    }
    txtOutPath->setEnabled(enabled && !optSameFolder->isChecked());
}

void frmMain::closeEvent(QCloseEvent* event) {
    switch (DecideClose(batch_.IsConverting(), adder_.IsAdding())) {
        case CloseAnswer::Refuse:
            Notifier::Current().Show(tr("Please Stop Conversion first."), MessageIcon::Warning);
            event->ignore();
            break;
        case CloseAnswer::AfterAdding:
            closeAfterAdding_ = true;
            adder_.RequestStop();
            event->ignore();
            break;
        case CloseAnswer::Close:
            SaveSettings();
            keeper_.SaveNow();
            event->accept();
            break;
    }
}

}  // namespace reelwright
