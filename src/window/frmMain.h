#pragma once

#include "batch/BatchDriver.h"
#include "batch/EstimateQueue.h"
#include "batch/PowerOffCountdown.h"
#include "keptlist/QueueKeeper.h"
#include "batch/StartClickGuard.h"
#include "formats/FormatChoice.h"
#include "joblist/JobList.h"
#include "joblist/VideoFileAdder.h"
#include "platform/NamedLock.h"
#include "settings/RememberedSettings.h"
#include "window/PanelAnimator.h"
#include "window/RunningWindow.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QShortcut;
class QStackedWidget;
class QTimer;

namespace reelwright {

class JobGrid;
class LinkLabel;
class MyButton;
class MyFrame;

// The program's one window. It wires the controls to the job list, the formats, the batch and
// the settings; the work itself is done by those.
class frmMain : public QWidget {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);
    // A window whose start gives up reading the kept list as soon as `endingAsked` answers true
    // (a signal or the session's end has come meanwhile), so the program can end at once.
    explicit frmMain(std::function<bool()> endingAsked, QWidget* parent = nullptr);
    // The zoom the next window is drawn at (a test's screen); none: the one its screen needs.
    static void OverrideZoom(std::optional<double> zoom);
    ~frmMain() override;

    // The job list.
    bool AddFile2Grid(QString& sFilePath);
    void AddVideoFiles(const QStringList& fileList = {});
    // Files and folders given on the command line, added as a drop on the list is, with the
    // files refused (or missing) told with their reasons. With `verbose`, each row's path and
    // status is told on the error output.
    void AddGivenFiles(const QStringList& paths, bool verbose);
    void PlaySelectedFile();
    void PlayFile(const QString& sFilePath);
    // The ten controls that change the list, the format or the output folder.
    void EnableControls(bool enabled);
    JobList& Jobs() { return jobList_; }
    const VideoFileAdder& Adder() const { return adder_; }

    // The output format.
    void LoadPresets();
    void LoadCodecs();
    void SetCategory(const QString& sCat);
    void SetVideoCodec(const QString& sCodec);
    QString GetCodecName(const QString& sDesc) const {
        return format_.Codecs().GetCodecName(sDesc);
    }
    const FormatChoice& Format() const { return format_; }
    // The encoder options of the current choice; empty (after a message) when they cannot be made.
    QString GetParamaters();
    // The same, or why they cannot be made, without a message.
    reelwright::FormatParameters ChosenParameters() const;
    // The output file's extension: the preset's format or the custom container.
    QString OutputType() const;
    bool PresetMode() const;
    void UpdateFormatLabel();
    // Selects a list item so that its selection handling runs, as a click would; false when the
    // list has no such item.
    bool SelectListIndex(QComboBox* list, int index);
    void BuildLoudnessChoice(QWidget* p);
    void BuildSizeChoice(QWidget* p);
    // The size choice follows the format: a copy cannot be made to fit.
    void UpdateSizeChoice();
    void SelectMaxSize(bool on, const QString& size);
    // The batch given the choices of the panel and the main frame.
    void ApplyChoices();
    // Sizes before converting (frmMainEstimates.cpp).
    void BuildEstimates();
    void EstimateSoon();
    void RestartEstimates();
    void EstimateArrived(int row, const QString& source, const FileEstimate& estimate);
    void UpdateEstimateTotal();
    void PauseEstimates(bool paused);
    QString ChosenMaxSize() const;
    // The bytes each result may take, as chosen (0: any).
    qint64 MaxSizeToFit() const;
    void SelectLoudness(std::optional<double> lufs);
    std::optional<double> ChosenLoudness() const;
    // Brings the presets (0) or the custom (1) frame to the front.
    void ShowFormatFrame(int index);
    int FrontFormatFrame() const;
    // The sliding panels.
    void OpenPanel(QWidget* panel);
    // Escape pressed anywhere in a panel.
    static QShortcut* EscapeIn(QWidget* panel);
    void ClosePanel();
    void AnimatePanel(const QString& direction);
    const PanelAnimator& Animator() const { return animator_; }
    // One tick of the slide, as the timer gives it.
    void tmrAnimate_Timer();

    // The list kept between runs, and the batch it may offer to go on with.
    QueueKeeper& Keeper() { return keeper_; }
    const QueueKeeper::Restored& Restored() const { return restored_; }
    // Whether the start was cut short by an ending asked meanwhile: the program is to end now.
    bool StartAbandoned() const { return restored_.abandoned; }
    // Goes on with the batch the program last ended in, with its format and output folder.
    void ResumeBatch();
    // The session is ending (logout, shutdown): the choices and the list are kept now.
    void SessionEnding();

    // A read-only view of a row's last encoder output; the view, or none for no such row.
    QWidget* ShowEncoderOutput(int row);
    // The list's context menu for a click on `row`: what it offers, before it is shown.
    std::unique_ptr<QMenu> GridMenu(int row);
    // The rows a context-menu command acts on: the selected rows when `row` is one of them,
    // else `row` alone.
    QList<int> ChosenRows(int row) const;
    PowerOffCountdown& Countdown() { return countdown_; }
    // Tells the second click of a double click on a start button from a Stop.
    StartClickGuard& StartClick() { return startClick_; }

    // The window's own commands.
    void DragWindow();
    void Minimize();
    void OpenHelp();
    static QString VersionText();
    static const QString kEncoderHomePage;

    // The remembered choices.
    void LoadSettings();
    // False, after telling the user once (in a box when `tell`), when they could not be saved.
    bool SaveSettings(bool tell = true);
    // The program is being ended from outside (a signal, the session's end): the choices are
    // kept, a running batch or add is stopped, and the event loop ends with `exitCode`.
    void EndProgram(int exitCode);
    void ApplySettings(const RememberedSettings& values);
    RememberedSettings CurrentSettings() const;

    // The batch: the output path of one input, by the folder option and folder of the window.
    QString GetOutputPath(const QString& input, const QString& type);
    OutputPathResult ChooseOutputPath(const QString& input, const QString& type) const;
    // Where results go: the resumed batch's choice, else the window's.
    OutputFolderChoice OutputChoice() const;

    // The controls, by their design names.
    MyFrame* frMain = nullptr;
    MyButton* cmdAbout = nullptr;
    MyButton* MyButton1 = nullptr;
    MyButton* cmdMinimize = nullptr;
    MyButton* cmdClose = nullptr;
    MyFrame* MyFrame1 = nullptr;
    MyButton* cmdAddVideoFile = nullptr;
    MyButton* cmdAddFolder = nullptr;
    QLabel* Label9 = nullptr;
    JobGrid* Grid = nullptr;
    QCheckBox* chkSelectAll = nullptr;
    MyButton* cmdRemove = nullptr;
    MyButton* cmdPlay = nullptr;
    QRadioButton* optSameFolder = nullptr;
    QRadioButton* optOtherFolder = nullptr;
    QLineEdit* txtOutPath = nullptr;
    MyButton* cmdBrowse = nullptr;
    QLabel* lblFormat = nullptr;
    MyButton* cmdChangeFormat = nullptr;
    QComboBox* cmbFilesAtOnce = nullptr;
    QComboBox* cmbEvenLoudness = nullptr;  // "Off", then the loudnesses offered
    QCheckBox* chkLimitSize = nullptr;
    QDoubleSpinBox* spnMaxSize = nullptr;
    QCheckBox* chkSmallerToFit = nullptr;
    QLabel* lblEstimate = nullptr;  // the batch's expected size and time
    QCheckBox* chkRemoveBars = nullptr;
    QComboBox* cmbSizeUnit = nullptr;      // MB, GB  // "Auto", then 1 to 8 files at once
    MyButton* cmdConvertSelected = nullptr;
    MyButton* cmdConvert = nullptr;
    QCheckBox* chkShutdown = nullptr;

    MyFrame* frFormats = nullptr;
    QRadioButton* optFormat[2] = {};
    QStackedWidget* frFormatStack = nullptr;
    QWidget* frFormat[2] = {};
    QComboBox* cmbCategory = nullptr;
    QComboBox* cmbOutVCodec = nullptr;
    QComboBox* cmbOutFormat = nullptr;
    QComboBox* cmbCustContainer = nullptr;
    QComboBox* cmbCACodec = nullptr;
    QComboBox* cmbCASmapleRate = nullptr;
    QLineEdit* txtCABirate = nullptr;
    QLineEdit* txtChannels = nullptr;
    QComboBox* cmbCVCodec = nullptr;
    QLineEdit* txtCVBitrate = nullptr;
    QComboBox* cmbCVSize = nullptr;
    QComboBox* cmbCVAspect = nullptr;
    QLineEdit* txtFrameRate = nullptr;
    QCheckBox* chkKeepEveryTrack = nullptr;
    QCheckBox* chkCheckByDecoding = nullptr;
    QCheckBox* chkKeepDates = nullptr;
    MyButton* cmdHide = nullptr;
    MyButton* cmdDefaults = nullptr;
    MyButton* cmdSavePreset = nullptr;       // "Save as Preset..."
    QPushButton* cmdRemovePreset = nullptr;  // "Remove Preset", for one's own

    MyFrame* frAbout = nullptr;
    MyFrame* frPowerOff = nullptr;
    MyFrame* frResume = nullptr;
    QLabel* lblResume = nullptr;
    MyButton* cmdResume = nullptr;
    MyButton* cmdNotNow = nullptr;
    QLabel* lblPowerOff = nullptr;
    QLabel* lblPowerOffFailures = nullptr;
    MyButton* cmdPowerOffNow = nullptr;
    MyButton* cmdCancelPowerOff = nullptr;
    QLabel* lblVer = nullptr;
    LinkLabel* lblWebSite = nullptr;
    LinkLabel* lblFFmpeg = nullptr;
    MyButton* cmdCloseHelp = nullptr;
    QTimer* tmrAnimate = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    static std::optional<double>& ZoomOverride();
    void LayoutWindow();
    // What a screen reader says of each control that shows no text of its own.
    void NameForScreenReaders();
    // Hides a panel that has slid down and gives the focus back.
    void ParkPanel(QWidget* panel);
    // Every text button's caption at the one size at which all of them fit.
    void FitButtonCaptions();
    void BuildMainPanel();
    // The main panel's parts, each placed on `p`, in the order they are made.
    void BuildCornerButtons(QWidget* p);
    void BuildAddStep(QWidget* p);
    void BuildOutputStep(QWidget* p);
    void BuildConvertStep(QWidget* p);
    void SetMainTabOrder();
    void BuildFormatPanel();
    void BuildAboutPanel();
    void BuildPowerOffPanel();
    void BuildResumePanel();
    // After the start: what became of the kept list, and the offer to go on.
    void TellRestored();
    // Wires the kept list: claims written before their encoders start, what cannot be kept told
    // once, and the files of windows started later taken in.
    void KeepTheList();
    // Adds the files later windows handed over, once no other add runs.
    void TakeHandedFiles();
    // The title tells how far the batch has come; at its end the title comes back, a note goes
    // to the desktop, and an armed power-off begins its countdown.
    void ShowBatchProgress();
    void BatchEnded(bool taken);
    QWidget* BuildPresetFrame();
    QWidget* BuildCustomFrame();
    void SetupGrid();
    // A list's selection handling: the format's model takes the choice, the lists mirror it.
    void ListSelectionChanged(QComboBox* list, int index);
    void MirrorPresetLists();
    void MirrorCustomFields();
    // The fields a copying codec does not use are off, with why in their tooltips.
    void ShowCopiedFields();
    void cmdSavePreset_Click();
    void cmdRemovePreset_Click();
    void cmdHide_Click();
    void BuildOutputControls();
    void StartButton_Click(MyButton* button, MyButton* other, const QString& restCaption,
                           bool selectedOnly);
    // Runs a batch of the rows `take` names, `button` reading "Stop" meanwhile.
    void RunBatchFrom(MyButton* button, MyButton* other, const QString& restCaption,
                      BatchDriver::Take take);
    void cmdBrowse_Click();
    void FolderOptionChanged();
    void cmdDefaults_Click();
    std::vector<std::pair<QComboBox*, std::optional<int> RememberedSettings::*>> Lists() const;
    std::vector<std::pair<QLineEdit*, QString RememberedSettings::*>> Texts() const;

    // While files are probed the window stays live; the list's commands wait for the add.
    // During a batch they are off already, and its Stop stays on.
    void AddingStarted();
    void AddingFinished();
    void HoldControlsForAdding();

    NamedLock lock_;
    PanelAnimator animator_;
    FormatChoice format_;
    PowerOffCountdown countdown_;
    QTimer* countdownTimer_ = nullptr;
    QWidget* objMovePanel = nullptr;
    JobList jobList_;
    BatchDriver batch_;
    std::unique_ptr<EstimateQueue> estimates_;
    QTimer* estimateSoon_ = nullptr;
    StartClickGuard startClick_;
    VideoFileAdder adder_;
    QueueKeeper keeper_;
    QueueKeeper::Restored restored_;
    RunningWindow running_;
    QStringList handedFiles_;
    // While an interrupted batch goes on: its own format and folder, not the window's.
    std::optional<KeptQueue::Batch> resumed_;
    bool saveFailureTold_ = false;
    QPointer<QWidget> focusBeforePanel_;
    bool ending_ = false;
    bool closeAfterAdding_ = false;
    std::vector<std::pair<QWidget*, bool>> enabledBeforeAdding_;
};

}  // namespace reelwright
