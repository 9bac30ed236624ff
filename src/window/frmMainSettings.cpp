// The remembered half of the window: the seventeen values saved on close and loaded at start.
#include "batch/OutputNaming.h"
#include "formats/CustomFormat.h"
#include "settings/CRegister.h"
#include "settings/SettingsKeys.h"
#include "window/MyButton.h"
#include "window/frmMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace reelwright {
namespace {

QString Read(const CRegister& reg, const char* name, const QString& fallback) {
    return reg.REGGetSetting(settings::kRoot, settings::kSection, QString::fromLatin1(name),
                             fallback);
}

void Write(const CRegister& reg, const char* name, const QString& value) {
    reg.REGSaveSetting(settings::kRoot, settings::kSection, QString::fromLatin1(name), value);
}

}  // namespace

// The remembered lists in the order they are saved and loaded, with their defaults.
std::vector<frmMain::ListSetting> frmMain::Lists() const {
    return {{cmbCategory, "cmbCategory", "0"},   {cmbOutVCodec, "cmbOutVCodec", "1"},
            {cmbOutFormat, "cmbOutFormat", "0"}, {cmbCustContainer, "cmbCustContainer", "2"},
            {cmbCACodec, "cmbCACodec", "1"},     {cmbCASmapleRate, "cmbCASmapleRate", "4"},
            {cmbCVCodec, "cmbCVCodec", "1"},     {cmbCVSize, "cmbCVSize", "0"},
            {cmbCVAspect, "cmbCVAspect", "0"}};
}

std::vector<frmMain::TextSetting> frmMain::Texts() const {
    return {{txtCABirate, "txtCABirate", "64", custom::TextField::AudioBitrate},
            {txtChannels, "txtChannels", "2", custom::TextField::Channels},
            {txtCVBitrate, "txtCVBitrate", "320", custom::TextField::VideoBitrate},
            {txtFrameRate, "txtFrameRate", "25", custom::TextField::FrameRate}};
}

void frmMain::LoadSettings() {
    const CRegister reg;
    // Each value is applied on its own: one that cannot be applied leaves its control as it was.
    if (const auto other = settings::ToBool(Read(reg, "optOtherFolder", "True"))) {
        optOtherFolder->setChecked(*other);
    }
    if (const auto same = settings::ToBool(Read(reg, "optSameFolder", "False"))) {
        optSameFolder->setChecked(*same);
    }
    txtOutPath->setText(Read(reg, "txtOutPath", DefaultOutputFolder()));
    if (optSameFolder->isChecked()) {
        txtOutPath->setEnabled(false);
        cmdBrowse->setEnabled(false);
    }
    const auto mode = settings::ToListIndex(Read(reg, "optFormat", "0"));
    if (mode == 0 || mode == 1) {
        optFormat[*mode]->setChecked(true);
        ShowFormatFrame(*mode);
    }
    // In this order: each preset list is indexed after the one before has refilled it.
    for (const auto& [list, name, fallback] : Lists()) {
        if (const auto index = settings::ToListIndex(Read(reg, name, fallback))) {
            SelectListIndex(list, *index);
        }
    }
    // Texts go onto the encoder's command line: one that breaks its field's rules gives way to
    // the default.
    for (const auto& [field, name, fallback, rules] : Texts()) {
        const QString text = Read(reg, name, fallback);
        field->setText(custom::ValidValue(rules, text) ? text : QString::fromLatin1(fallback));
    }
    UpdateFormatLabel();
}

void frmMain::SaveSettings() {
    const CRegister reg;
    Write(reg, "optOtherFolder", settings::FromBool(optOtherFolder->isChecked()));
    Write(reg, "optSameFolder", settings::FromBool(optSameFolder->isChecked()));
    Write(reg, "txtOutPath", txtOutPath->text());
    Write(reg, "optFormat", optFormat[0]->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    for (const auto& [list, name, fallback] : Lists()) {
        Write(reg, name, QString::number(list->currentIndex()));
    }
    for (const auto& [field, name, fallback, rules] : Texts()) {
        Write(reg, name, field->text());
    }
}

void frmMain::cmdDefaults_Click() {
    CRegister().REGDeleteSetting(settings::kRoot, settings::kSection, QString());
    LoadSettings();
}

}  // namespace reelwright
