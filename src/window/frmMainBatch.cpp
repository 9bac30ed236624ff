// The batch half of the window: the start buttons, the output folder, the close guard.
#include "conversion/OutputNaming.h"
#include "platform/Dialogs.h"
#include "platform/Notifier.h"
#include "window/MyButton.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyleHints>

namespace reelwright {

void frmMain::BuildOutputControls() {
    txtOutPath->setText(DefaultOutputFolder());
    optOtherFolder->setChecked(true);
    connect(optSameFolder, &QRadioButton::toggled, this, &frmMain::FolderOptionChanged);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmMain::cmdBrowse_Click);
    connect(cmdConvert, &QPushButton::clicked, this, [this] {
        StartButton_Click(cmdConvert, cmdConvertSelected, tr("Convert All"), false);
    });
    connect(cmdConvertSelected, &QPushButton::clicked, this, [this] {
        StartButton_Click(cmdConvertSelected, cmdConvert, tr("Convert Selected"), true);
    });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void frmMain::FolderOptionChanged() {
    const bool other = !optSameFolder->isChecked();
    cmdBrowse->setEnabled(other);
    txtOutPath->setEnabled(other);
}

void frmMain::cmdBrowse_Click() {
    const QString folder = Dialogs::Current().BrowseForFolder(this, tr("Select the output folder"));
    if (!folder.isEmpty()) {
        txtOutPath->setText(folder);
    }
}

QString frmMain::GetOutputPath(const QString& input, const QString& type) {
    return reelwright::GetOutputPath(input, type, {optSameFolder->isChecked(), txtOutPath->text()});
}

OutputFolderChoice frmMain::OutputChoice() const {
    if (resumed_) {
        return {resumed_->sameFolder, resumed_->folder};
    }
    return {optSameFolder->isChecked(), txtOutPath->text()};
}

OutputPathResult frmMain::ChooseOutputPath(const QString& input, const QString& type) const {
    return reelwright::ChooseOutputPath(input, type, OutputChoice());
}

void frmMain::StartButton_Click(MyButton* button, MyButton* other, const QString& restCaption,
                                bool selectedOnly) {
    if (!jobList_.Store() || jobList_.Store()->RecordCount() == 0) {
        Notifier::Current().Show(tr("The list is empty, Please add Video files from step 1"),
                                 MessageIcon::Information);
        return;
    }
    if (button->text() == tr("Stop")) {
        if (startClick_.IsSecondClick()) {
            return;  // the second half of the double click that started the batch
        }
        // The batch is still on the stack: its own click restores the controls once it ends.
        batch_.RequestStop();
        return;
    }
    if (batch_.IsRunning()) {
        return;  // a stopped batch is still unwinding
    }
    if (batch_.EligibleRows(selectedOnly) == 0) {
        const QString nothing = selectedOnly
                                    ? tr("No checked file is waiting for conversion. Tick the "
                                         "files to convert, or use Convert All.")
                                    : tr("No file is waiting for conversion: every file in the "
                                         "list has been converted or cannot be read.");
        const QString again = jobList_.HasStatus(QStringLiteral("Error"))
                                  ? tr(" To try a file that failed again, right-click "
                                       "it and choose Convert Again.")
                                  : QString();
        Notifier::Current().Show(nothing + again, MessageIcon::Information);
        return;
    }
    RunBatchFrom(button, other, restCaption,
                 selectedOnly ? BatchDriver::Take::Checked : BatchDriver::Take::All);
}

void frmMain::RunBatchFrom(MyButton* button, MyButton* other, const QString& restCaption,
                           BatchDriver::Take take) {
    // The focus comes back where it was, not to whichever control is enabled first.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    button->setText(tr("Stop"));
    EnableControls(false);
    other->setEnabled(false);
    ApplyChoices();
    PauseEstimates(true);  // the batch has the machine to itself
    startClick_.Started(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    // Kept before the first file starts: whatever ends the program, the batch can go on.
    keeper_.BatchStarted({ChosenParameters().options.value_or(QString()), OutputType(),
                          resumed_ ? resumed_->sameFolder : optSameFolder->isChecked(),
                          resumed_ ? resumed_->folder : txtOutPath->text()},
                         batch_.EligibleRowList(take));
    const bool taken = batch_.RunBatch(take);
    if (!ending_) {
        keeper_.BatchEnded();  // it ended here, not with the program
    }
    button->setText(restCaption);
    EnableControls(true);
    other->setEnabled(true);
    if (adder_.IsAdding()) {
        HoldControlsForAdding();  // an add begun during the batch goes on: its end frees them
    }
    if (focused && focused->isEnabled()) {
        focused->setFocus(Qt::OtherFocusReason);
    }
    PauseEstimates(false);
    BatchEnded(taken);
    EstimateSoon();  // what was converted drops out of the total
}

void frmMain::ApplyChoices() {
    batch_.SetQuietFailures(chkShutdown->isChecked());
    batch_.SetFilesAtOnce(cmbFilesAtOnce->currentIndex());  // the index is the count, 0 Auto
    batch_.SetTrackChoice(chkKeepEveryTrack->isChecked() ? TrackPlan::Choice::Every
                                                         : TrackPlan::Choice::First);
    batch_.SetCheckByDecoding(chkCheckByDecoding->isChecked());
    batch_.SetKeepDates(chkKeepDates->isChecked());
    batch_.SetLoudness(ChosenLoudness());
    batch_.SetMaxSize(MaxSizeToFit());
    batch_.SetSmallerToFit(chkSmallerToFit->isEnabled() && chkSmallerToFit->isChecked());
    batch_.SetRemoveBars(chkRemoveBars->isEnabled() && chkRemoveBars->isChecked());
}

void frmMain::ResumeBatch() {
    const std::optional<KeptQueue::Batch> interrupted = keeper_.InterruptedBatch();
    if (!interrupted || batch_.IsRunning() || adder_.IsAdding() ||
        batch_.EligibleRows(BatchDriver::Take::Interrupted) == 0) {
        return;
    }
    resumed_ = interrupted;
    RunBatchFrom(cmdConvert, cmdConvertSelected, tr("Convert All"), BatchDriver::Take::Interrupted);
    resumed_.reset();
}

}  // namespace reelwright
