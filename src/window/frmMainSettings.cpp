// The remembered half of the window: the twenty-one values saved when the program ends and loaded
// at start. Which value is stored how lives in the settings library; here they meet the controls.
#include "platform/Notifier.h"
#include "settings/CRegister.h"
#include "settings/RememberedSettings.h"
#include "window/MyButton.h"
#include "window/frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QLineEdit>
#include <QRadioButton>

namespace reelwright {

// The remembered lists in the order they are applied: each preset list after the one before
// has refilled it.
std::vector<std::pair<QComboBox*, std::optional<int> RememberedSettings::*>> frmMain::Lists()
    const {
    return {{cmbCategory, &RememberedSettings::cmbCategory},
            {cmbOutVCodec, &RememberedSettings::cmbOutVCodec},
            {cmbOutFormat, &RememberedSettings::cmbOutFormat},
            {cmbCustContainer, &RememberedSettings::cmbCustContainer},
            {cmbCACodec, &RememberedSettings::cmbCACodec},
            {cmbCASmapleRate, &RememberedSettings::cmbCASmapleRate},
            {cmbCVCodec, &RememberedSettings::cmbCVCodec},
            {cmbCVSize, &RememberedSettings::cmbCVSize},
            {cmbCVAspect, &RememberedSettings::cmbCVAspect}};
}

std::vector<std::pair<QLineEdit*, QString RememberedSettings::*>> frmMain::Texts() const {
    return {{txtCABirate, &RememberedSettings::txtCABirate},
            {txtChannels, &RememberedSettings::txtChannels},
            {txtCVBitrate, &RememberedSettings::txtCVBitrate},
            {txtFrameRate, &RememberedSettings::txtFrameRate}};
}

void frmMain::ApplySettings(const RememberedSettings& values) {
    // Each value on its own: one that is none, or cannot be applied, leaves its control.
    if (values.optOtherFolder) {
        optOtherFolder->setChecked(*values.optOtherFolder);
    }
    if (values.optSameFolder) {
        optSameFolder->setChecked(*values.optSameFolder);
    }
    txtOutPath->setText(values.txtOutPath);
    if (optSameFolder->isChecked()) {
        txtOutPath->setEnabled(false);
        cmdBrowse->setEnabled(false);
    }
    if (values.optFormat) {
        optFormat[*values.optFormat]->setChecked(true);
        ShowFormatFrame(*values.optFormat);
    }
    for (const auto& [list, member] : Lists()) {
        if (const std::optional<int> index = values.*member) {
            SelectListIndex(list, *index);
        }
    }
    for (const auto& [field, member] : Texts()) {
        field->setText(values.*member);
    }
    // A codec no longer in the list is said, and left for the user to choose.
    if (const QString lost = format_.RestoreCodecs(values.cmbCVCodec, values.CVCodecName,
                                                   values.cmbCACodec, values.CACodecName);
        !lost.isEmpty()) {
        Notifier::Current().Show(lost, MessageIcon::Warning);
    }
    MirrorCustomFields();
    if (values.FilesAtOnce) {
        cmbFilesAtOnce->setCurrentIndex(*values.FilesAtOnce);  // the index is the count
    }
    const std::pair<QCheckBox*, std::optional<bool>> boxes[] = {
        {chkKeepEveryTrack, values.KeepEveryTrack},
        {chkCheckByDecoding, values.CheckByDecoding},
        {chkKeepDates, values.KeepDates},
        {chkSmallerToFit, values.SmallerToFit},
        {chkRemoveBars, values.RemoveBlackBars}};
    for (const auto& [box, value] : boxes) {
        if (value) {
            box->setChecked(*value);
        }
    }
    SelectLoudness(values.EvenLoudness);
    SelectMaxSize(values.LimitSize.value_or(false), values.MaxSize);
    UpdateFormatLabel();
}

RememberedSettings frmMain::CurrentSettings() const {
    RememberedSettings values;
    values.optOtherFolder = optOtherFolder->isChecked();
    values.optSameFolder = optSameFolder->isChecked();
    values.txtOutPath = txtOutPath->text();
    values.optFormat = optFormat[0]->isChecked() ? 0 : 1;
    for (const auto& [list, member] : Lists()) {
        values.*member = list->currentIndex();
    }
    for (const auto& [field, member] : Texts()) {
        values.*member = field->text();
    }
    values.FilesAtOnce = cmbFilesAtOnce->currentIndex();
    values.KeepEveryTrack = chkKeepEveryTrack->isChecked();
    values.CheckByDecoding = chkCheckByDecoding->isChecked();
    values.KeepDates = chkKeepDates->isChecked();
    values.EvenLoudness = ChosenLoudness();
    values.LimitSize = chkLimitSize->isChecked();
    values.MaxSize = ChosenMaxSize();
    values.SmallerToFit = chkSmallerToFit->isChecked();
    values.RemoveBlackBars = chkRemoveBars->isChecked();
    values.CVCodecName = format_.VideoCodecName();
    values.CACodecName = format_.AudioCodecName();
    return values;
}

void frmMain::LoadSettings() {
    ApplySettings(RememberedSettings::Load(CRegister()));
}

bool frmMain::SaveSettings(bool tell) {
    QString error;
    if (CurrentSettings().Save(CRegister(), &error)) {
        return true;
    }
    qWarning().noquote() << "Your choices could not be saved:" << error;
    // Said once: a second failure has nothing new to tell.
    if (tell && !saveFailureTold_) {
        saveFailureTold_ = true;
        Notifier::Current().Show(
            tr("Your choices (output folder and format) could not be saved, so the next start "
               "will not show them:") +
                QStringLiteral("\r\n") + error,
            MessageIcon::Warning);
    }
    return false;
}

void frmMain::SessionEnding() {
    SaveSettings(false);
    keeper_.SaveNow();
}

void frmMain::EndProgram(int exitCode) {
    ending_ = true;
    SaveSettings(false);
    keeper_.SaveNow();  // with the batch as it runs: the next start offers to go on
    adder_.RequestStop();
    if (batch_.IsRunning()) {
        // The encoder is ended and its partial result removed as the batch unwinds.
        batch_.RequestStop();
    }
    QCoreApplication::exit(exitCode);
}

void frmMain::cmdDefaults_Click() {
    RememberedSettings::Forget(CRegister());
    LoadSettings();
}

}  // namespace reelwright
