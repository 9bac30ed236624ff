// The output-format half of the window: the format panel, the preset cascade, the custom fields.
#include "formats/CustomFormat.h"
#include "platform/CommandLine.h"
#include "platform/Notifier.h"
#include "platform/ProgramFolder.h"
#include "window/CustomFieldGuard.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"
#include "window/Twips.h"
#include "window/frmMain.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>

namespace reelwright {
namespace {

// Replaces a list's items without running its selection handling.
void Fill(QComboBox* list, const QStringList& items) {
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
}

QWidget* WithUnit(QLineEdit* edit, const QString& unit) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    edit->setFixedWidth(60);
    layout->addWidget(edit);
    if (!unit.isEmpty()) {
        layout->addWidget(new QLabel(unit));
    }
    layout->addStretch();
    return row;
}

QFormLayout* Form(QWidget* parent) {
    auto* form = new QFormLayout(parent);
    form->setContentsMargins(8, 4, 8, 6);
    form->setVerticalSpacing(4);
    form->setLabelAlignment(Qt::AlignLeft);
    return form;
}

}  // namespace

void frmMain::BuildFormatPanel() {
    frFormats = new MyFrame(QStringLiteral("Output Video Formats"), this, 3);
    frFormats->resize(TwipsRect(0, 0, 8280, 4350).size());
    QWidget* p = frFormats;
    optFormat[0] = PlaceAuto(new QRadioButton(QStringLiteral("Presets"), p), 315, 510);
    optFormat[1] = PlaceAuto(new QRadioButton(QStringLiteral("Custom (Advanced)"), p), 2190, 540);
    optFormat[0]->setChecked(true);
    frFormatStack = Place(new QStackedWidget(p), 195, 825, 7890, 2985);
    frFormat[0] = BuildPresetFrame();
    frFormat[1] = BuildCustomFrame();
    for (QWidget* frame : frFormat) {
        frFormatStack->addWidget(frame);
    }
    cmdHide = Place(new MyButton(QStringLiteral("Save && Close"), p), 2265, 3855, 1605, 375);
    cmdDefaults = Place(new MyButton(QStringLiteral("Restore Defaults"), p), 4035, 3855, 1605, 375);

    for (int i = 0; i < 2; ++i) {
        connect(optFormat[i], &QRadioButton::clicked, this, [this, i] { ShowFormatFrame(i); });
    }
    connect(cmdHide, &QPushButton::clicked, this, &frmMain::cmdHide_Click);
    connect(cmdDefaults, &QPushButton::clicked, this, &frmMain::cmdDefaults_Click);
    for (QComboBox* list : {cmbCategory, cmbOutVCodec}) {
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, list] { ListSelectionChanged(list); });
    }
}

QWidget* frmMain::BuildPresetFrame() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    QFormLayout* form = Form(frame);
    form->setContentsMargins(24, 24, 24, 12);
    form->setVerticalSpacing(18);
    cmbCategory = new QComboBox;
    cmbOutVCodec = new QComboBox;
    cmbOutFormat = new QComboBox;
    for (QComboBox* list : {cmbCategory, cmbOutVCodec}) {
        list->setMinimumWidth(280);
    }
    cmbOutFormat->setMinimumWidth(120);
    form->addRow(QStringLiteral("Output Category:"), cmbCategory);
    form->addRow(QStringLiteral("Output Video Codec:"), cmbOutVCodec);
    form->addRow(QStringLiteral("Output File Format (Container):"), cmbOutFormat);
    return frame;
}

QWidget* frmMain::BuildCustomFrame() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QGridLayout(frame);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(2);

    auto* containerRow = new QHBoxLayout;
    cmbCustContainer = new QComboBox;
    cmbCustContainer->addItems(custom::ContainerItems());
    containerRow->addWidget(new QLabel(QStringLiteral("Output Format(Container):")));
    containerRow->addWidget(cmbCustContainer);
    containerRow->addStretch();
    layout->addLayout(containerRow, 0, 0, 1, 2);

    auto* audio = new QGroupBox(QStringLiteral("Output Audio Options"));
    QFormLayout* audioForm = Form(audio);
    cmbCACodec = new QComboBox;
    cmbCASmapleRate = new QComboBox;
    cmbCASmapleRate->addItems(custom::SampleRateItems());
    txtCABirate = new QLineEdit(QStringLiteral("64"));
    txtChannels = new QLineEdit(QStringLiteral("2"));
    audioForm->addRow(QStringLiteral("Output Audio Codec:"), cmbCACodec);
    audioForm->addRow(QStringLiteral("Sampling Rate:"), cmbCASmapleRate);
    audioForm->addRow(QStringLiteral("Bitrate:"), WithUnit(txtCABirate, QStringLiteral("kbps")));
    audioForm->addRow(QStringLiteral("Channels:"), WithUnit(txtChannels, QString()));

    auto* video = new QGroupBox(QStringLiteral("Output Video Options"));
    QFormLayout* videoForm = Form(video);
    cmbCVCodec = new QComboBox;
    txtCVBitrate = new QLineEdit(QStringLiteral("196"));
    cmbCVSize = new QComboBox;
    cmbCVSize->addItems(custom::SizeItems());
    cmbCVAspect = new QComboBox;
    cmbCVAspect->addItems(custom::AspectItems());
    txtFrameRate = new QLineEdit(QStringLiteral("25"));
    videoForm->addRow(QStringLiteral("Output Video Codec:"), cmbCVCodec);
    videoForm->addRow(QStringLiteral("Bitrate:"), WithUnit(txtCVBitrate, QStringLiteral("kbps")));
    videoForm->addRow(QStringLiteral("Video Size:"), cmbCVSize);
    videoForm->addRow(QStringLiteral("Aspect Ratio:"), cmbCVAspect);
    videoForm->addRow(QStringLiteral("Frame rate:"), WithUnit(txtFrameRate, QStringLiteral("fps")));

    // The codec lists give way to their captions; the open list shows the whole description.
    for (QComboBox* list : {cmbCACodec, cmbCVCodec}) {
        list->setMinimumContentsLength(6);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->view()->setMinimumWidth(260);
    }
    layout->addWidget(audio, 1, 0);
    layout->addWidget(video, 1, 1);

    CustomFieldGuard::Attach(txtCABirate, custom::TextField::AudioBitrate);
    CustomFieldGuard::Attach(txtChannels, custom::TextField::Channels);
    CustomFieldGuard::Attach(txtCVBitrate, custom::TextField::VideoBitrate);
    CustomFieldGuard::Attach(txtFrameRate, custom::TextField::FrameRate);
    return frame;
}

void frmMain::LoadPresets() {
    QString error;
    const auto outcome = presets_.Load(ProgramFolder::File(QStringLiteral("presets.xml")), &error);
    if (outcome == PresetCatalogue::Outcome::Failed) {
        Notifier::Current().Show(QStringLiteral("Error Occured while Loading Presets.\r\n") + error,
                                 MessageIcon::None);
        return;
    }
    if (outcome == PresetCatalogue::Outcome::Empty) {
        return;
    }
    Fill(cmbCategory, presets_.Categories());
    SelectListIndex(cmbCategory, 0);
}

void frmMain::LoadCodecs() {
    QString error;
    const auto outcome = codecs_.Load(ProgramFolder::File(QStringLiteral("codecs.xml")), &error);
    if (outcome == CodecCatalogue::Outcome::Empty) {
        return;
    }
    if (outcome == CodecCatalogue::Outcome::Loaded) {
        Fill(cmbCVCodec, codecs_.VideoDescriptions());
        Fill(cmbCACodec, codecs_.AudioDescriptions());
        if (!SelectListIndex(cmbCVCodec, 0)) {
            error = QStringLiteral("The catalogue holds no video codec.");
        } else if (!SelectListIndex(cmbCACodec, 0)) {
            error = QStringLiteral("The catalogue holds no audio codec.");
        }
    }
    if (!error.isEmpty()) {
        Notifier::Current().Show(QStringLiteral("Error Occured while Loading Codecs.\r\n") + error,
                                 MessageIcon::None);
    }
}

bool frmMain::SelectListIndex(QComboBox* list, int index) {
    if (index < 0 || index >= list->count()) {
        return false;
    }
    {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(index);
    }
    // The handling runs whether or not the index changed, as a click would run it.
    ListSelectionChanged(list);
    return true;
}

void frmMain::ListSelectionChanged(QComboBox* list) {
    if (list == cmbCategory) {
        SetCategory(cmbCategory->currentText());
    } else if (list == cmbOutVCodec) {
        SetVideoCodec(cmbOutVCodec->currentText());
    }
}

void frmMain::SetCategory(const QString& sCat) {
    Fill(cmbOutVCodec, presets_.LabelsOf(sCat));
    Fill(cmbOutFormat, presets_.ExtensionsOf(sCat));
    SelectListIndex(cmbOutVCodec, 0);
    SelectListIndex(cmbOutFormat, 0);
}

void frmMain::SetVideoCodec(const QString& sCodec) {
    Fill(cmbOutFormat, presets_.ExtensionsOf(cmbCategory->currentText(), sCodec));
    SelectListIndex(cmbOutFormat, 0);
}

bool frmMain::PresetMode() const {
    return optFormat[0]->isChecked();
}

QString frmMain::OutputType() const {
    return PresetMode() ? cmbOutFormat->currentText() : cmbCustContainer->currentText();
}

QString frmMain::GetParamaters() {
    const BatchDriver::Parameters parameters = FormatParameters();
    if (!parameters.options) {
        Notifier::Current().Show(
            QStringLiteral("Error occured while getting paramters\r\n") + parameters.error,
            MessageIcon::Error);
        return QString();
    }
    return *parameters.options;
}

BatchDriver::Parameters frmMain::FormatParameters() const {
    if (PresetMode()) {
        const QString params = presets_.ParamsOf(
            cmbOutFormat->currentText(), cmbOutVCodec->currentText(), cmbCategory->currentText());
        // An open quote would swallow the output's name on the encoder's command line.
        if (!SplitArguments(params)) {
            return {std::nullopt,
                    QStringLiteral("The preset \"%1 / %2\" (%3) has a quote that is not closed in "
                                   "its params: %4")
                        .arg(cmbCategory->currentText(), cmbOutVCodec->currentText(),
                             cmbOutFormat->currentText(), params)};
        }
        return {params, QString()};
    }
    custom::Fields fields;
    fields.sampleRate = cmbCASmapleRate->currentText();
    fields.audioBitrate = txtCABirate->text();
    fields.audioCodecName = GetCodecName(cmbCACodec->currentText());
    fields.channels = txtChannels->text();
    fields.videoCodecName = GetCodecName(cmbCVCodec->currentText());
    fields.videoBitrate = txtCVBitrate->text();
    fields.size = cmbCVSize->currentText();
    fields.aspect = cmbCVAspect->currentText();
    fields.frameRate = txtFrameRate->text();
    fields.container = cmbCustContainer->currentText();
    QString error;
    const std::optional<QString> params = custom::BuildParams(
        fields, &error, QLocale(), [this](const QString& name) { return codecs_.DescriptionOf(name); });
    if (!params) {
        return {std::nullopt, error};
    }
    if (!SplitArguments(*params)) {
        return {std::nullopt,
                QStringLiteral("A codec name of the custom format has a quote that is not "
                               "closed: ") +
                    *params};
    }
    return {*params, QString()};
}

void frmMain::UpdateFormatLabel() {
    if (PresetMode()) {
        lblFormat->setText(custom::FormatSummary(true, cmbCategory->currentText(),
                                                 cmbOutVCodec->currentText(),
                                                 cmbOutFormat->currentText()));
    } else {
        lblFormat->setText(custom::FormatSummary(false, cmbCustContainer->currentText(),
                                                 cmbCVCodec->currentText(),
                                                 cmbCACodec->currentText()));
    }
}

void frmMain::ShowFormatFrame(int index) {
    frFormatStack->setCurrentIndex(index);
}

int frmMain::FrontFormatFrame() const {
    return frFormatStack->currentIndex();
}

void frmMain::cmdHide_Click() {
    const std::pair<QLineEdit*, const char*> required[] = {
        {txtChannels, "Channels Field in the custom Format can not be empty."},
        {txtFrameRate, "Frame Rate Field in the custom Format can not be empty."},
        {txtCABirate, "Audio Bitrate Field in the custom Format can not be empty."},
        {txtCVBitrate, "Video Bitrate Field in the custom Format can not be empty."},
    };
    for (const auto& [field, message] : required) {
        if (field->text().isEmpty()) {
            Notifier::Current().Show(QString::fromLatin1(message), MessageIcon::Warning);
            return;
        }
    }
    // Values that cannot work are refused here, not found out file by file.
    const std::pair<QLineEdit*, custom::TextField> values[] = {
        {txtChannels, custom::TextField::Channels},
        {txtFrameRate, custom::TextField::FrameRate},
        {txtCABirate, custom::TextField::AudioBitrate},
        {txtCVBitrate, custom::TextField::VideoBitrate},
    };
    for (const auto& [field, rules] : values) {
        if (!custom::ValidValue(rules, field->text())) {
            Notifier::Current().Show(custom::InvalidValueMessage(rules), MessageIcon::Warning);
            return;
        }
    }
    if (!PresetMode()) {
        const QString container = cmbCustContainer->currentText();
        const QString problem = custom::ContainerProblem(
            container, GetCodecName(cmbCVCodec->currentText()),
            GetCodecName(cmbCACodec->currentText()),
            [this](const QString& name) { return codecs_.DescriptionOf(name); });
        if (!problem.isEmpty()) {
            Notifier::Current().Show(problem, MessageIcon::Warning);
            return;
        }
        const custom::ContainerRule* rule = custom::RuleOf(container);
        if (rule && rule->audioCodecs.isEmpty()) {
            Notifier::Current().Show(
                QStringLiteral("The %1 container holds video only: the sound is left out.")
                    .arg(container),
                MessageIcon::Information);
        }
    }
    ClosePanel();
    UpdateFormatLabel();
}

}  // namespace reelwright
