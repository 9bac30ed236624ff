// The output-format half of the window: the format panel, the preset cascade, the custom fields.
#include "conversion/SizeFitting.h"
#include "formats/CustomFormat.h"
#include "formats/LoudnessTarget.h"
#include "formats/SizeLimit.h"
#include "formats/OwnPresets.h"
#include "platform/Dialogs.h"
#include "platform/Notifier.h"
#include "platform/ProgramFolder.h"
#include "window/CustomFieldGuard.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"
#include "window/ShortComboBox.h"
#include "window/Twips.h"
#include "window/frmMain.h"

#include "formats/LoudnessTarget.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>

#include <algorithm>

namespace reelwright {
namespace {

// Shows a list of the format's model without running its selection handling.
QStringList ItemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

// However narrow the box, its open list is as wide as its longest item, and each item and the
// box itself show the whole text in a tooltip.
void ShowWholeItems(QComboBox* list) {
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) {
        list->setItemData(i, list->itemText(i), Qt::ToolTipRole);
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    }
    list->view()->setMinimumWidth(widest + list->view()->verticalScrollBar()->sizeHint().width() +
                                  Zoomed(24));
    list->setToolTip(list->currentText());
}

// Shows a position of the model without running the list's selection handling.
void ShowIndex(QComboBox* list, int current) {
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(current);
    list->setToolTip(list->currentText());
}

void Fill(QComboBox* list, const QStringList& items, int current) {
    if (ItemsOf(list) != items) {
        const QSignalBlocker blocker(list);
        list->clear();
        list->addItems(items);
        ShowWholeItems(list);
    }
    ShowIndex(list, current);
}

QWidget* WithUnit(QLineEdit* edit, const QString& unit) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    edit->setFixedWidth(Zoomed(60));
    layout->addWidget(edit);
    if (!unit.isEmpty()) {
        layout->addWidget(new QLabel(unit));
    }
    layout->addStretch();
    return row;
}

QFormLayout* Form(QWidget* parent) {
    auto* form = new QFormLayout(parent);
    form->setContentsMargins(Zoomed(8), Zoomed(4), Zoomed(8), Zoomed(6));
    form->setVerticalSpacing(Zoomed(4));
    form->setLabelAlignment(Qt::AlignLeft);
    return form;
}

}  // namespace

void frmMain::BuildFormatPanel() {
    frFormats = new MyFrame(tr("Output Video Formats"), this, 3);
    frFormats->resize(TwipsRect(0, 0, 8280, 5655).size());
    QWidget* p = frFormats;
    optFormat[0] = PlaceAuto(new QRadioButton(tr("Presets"), p), 315, 510);
    optFormat[1] = PlaceAuto(new QRadioButton(tr("Custom (Advanced)"), p), 2190, 540);
    optFormat[0]->setChecked(true);
    frFormatStack = Place(new QStackedWidget(p), 195, 825, 7890, 2985);
    frFormat[0] = BuildPresetFrame();
    frFormat[1] = BuildCustomFrame();
    for (QWidget* frame : frFormat) {
        frFormatStack->addWidget(frame);
    }
    // What a conversion keeps and checks, whichever format is chosen.
    chkKeepEveryTrack =
        PlaceAuto(new QCheckBox(tr("Keep every audio and subtitle track"), p), 315, 3900);
    chkKeepEveryTrack->setToolTip(tr(
        "Every sound and subtitle track of a file goes into its result, as far as the format can\n"
        "hold them; what it cannot hold is named on the file's row. Off: one of each kind."));
    chkKeepDates = PlaceAuto(new QCheckBox(tr("Keep the original's date"), p), 4560, 3900);
    chkKeepDates->setToolTip(
        tr("Each result takes the date and time its original was last changed."));
    chkCheckByDecoding =
        PlaceAuto(new QCheckBox(tr("Check results by decoding them"), p), 315, 4215);
    chkCheckByDecoding->setToolTip(
        tr("Each result is played through once, as fast as the computer can, before it takes its\n"
           "name; a result with a fault fails instead. Converting takes longer."));
    BuildLoudnessChoice(p);
    BuildSizeChoice(p);
    cmdHide = Place(new MyButton(tr("Save && Close"), p), 2265, 5190, 1605, 375);
    cmdDefaults = Place(new MyButton(tr("Restore Defaults"), p), 4035, 5190, 1605, 375);
    cmdSavePreset = Place(new MyButton(tr("Save as Preset..."), p), 5805, 5190, 1605, 375);
    cmdSavePreset->setToolTip(tr(
        "Keeps the custom format as a preset of your own, listed with the others. Your presets\n"
        "live in your own folder, where installing or upgrading the program never touches them."));
    connect(cmdSavePreset, &QPushButton::clicked, this, &frmMain::cmdSavePreset_Click);

    for (int i = 0; i < 2; ++i) {
        connect(optFormat[i], &QRadioButton::clicked, this, [this, i] { ShowFormatFrame(i); });
        // A screen reader's toggle checks the option without a click.
        connect(optFormat[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked && frFormats->isVisible()) {
                ShowFormatFrame(i);
            }
        });
    }
    connect(cmdHide, &QPushButton::clicked, this, &frmMain::cmdHide_Click);
    // Escape closes the panel as Save & Close does, checks and all.
    connect(EscapeIn(frFormats), &QShortcut::activated, cmdHide, &QAbstractButton::click);
    connect(cmdDefaults, &QPushButton::clicked, this, &frmMain::cmdDefaults_Click);
    // The lists and fields tell the format's model of every change; the model decides the rest.
    connect(optFormat[0], &QRadioButton::toggled, this, [this](bool presets) {
        format_.presetMode = presets;
        cmdSavePreset->setEnabled(!presets);  // it keeps the custom format
        UpdateSizeChoice();
    });
    cmdSavePreset->setEnabled(!optFormat[0]->isChecked());
    for (QComboBox* list : {cmbCategory, cmbOutVCodec, cmbOutFormat, cmbCustContainer, cmbCACodec,
                            cmbCASmapleRate, cmbCVCodec, cmbCVSize, cmbCVAspect}) {
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, list](int index) { ListSelectionChanged(list, index); });
        connect(list, &QComboBox::currentTextChanged, list, &QWidget::setToolTip);
    }
    const std::pair<QLineEdit*, QString FormatChoice::Custom::*> texts[] = {
        {txtCABirate, &FormatChoice::Custom::audioBitrate},
        {txtChannels, &FormatChoice::Custom::channels},
        {txtCVBitrate, &FormatChoice::Custom::videoBitrate},
        {txtFrameRate, &FormatChoice::Custom::frameRate}};
    for (const auto& [field, member] : texts) {
        connect(field, &QLineEdit::textChanged, this,
                [this, member](const QString& text) { format_.custom.*member = text; });
    }
}

QWidget* frmMain::BuildPresetFrame() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    QFormLayout* form = Form(frame);
    form->setContentsMargins(Zoomed(24), Zoomed(24), Zoomed(24), Zoomed(12));
    form->setVerticalSpacing(Zoomed(18));
    cmbCategory = new ShortComboBox;
    cmbOutVCodec = new ShortComboBox;
    cmbOutFormat = new ShortComboBox;
    for (QComboBox* list : {cmbCategory, cmbOutVCodec}) {
        list->setMinimumWidth(Zoomed(280));
    }
    cmbOutFormat->setMinimumWidth(Zoomed(120));
    form->addRow(tr("Output Category:"), cmbCategory);
    form->addRow(tr("Output Video Codec:"), cmbOutVCodec);
    form->addRow(tr("Output File Format (Container):"), cmbOutFormat);
    cmdRemovePreset = new QPushButton(tr("Remove Preset"));
    cmdRemovePreset->setToolTip(tr("Removes the chosen preset of your own."));
    cmdRemovePreset->setEnabled(false);
    auto* removeRow = new QHBoxLayout;
    removeRow->addWidget(cmdRemovePreset);
    removeRow->addStretch();
    form->addRow(QString(), removeRow);
    connect(cmdRemovePreset, &QPushButton::clicked, this, &frmMain::cmdRemovePreset_Click);
    return frame;
}

QWidget* frmMain::BuildCustomFrame() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QGridLayout(frame);
    layout->setContentsMargins(Zoomed(6), Zoomed(4), Zoomed(6), Zoomed(4));
    layout->setVerticalSpacing(Zoomed(2));

    auto* containerRow = new QHBoxLayout;
    cmbCustContainer = new ShortComboBox;
    cmbCustContainer->addItems(custom::ContainerItems());
    containerRow->addWidget(new QLabel(tr("Output Format(Container):")));
    containerRow->addWidget(cmbCustContainer);
    containerRow->addStretch();
    layout->addLayout(containerRow, 0, 0, 1, 2);

    auto* audio = new QGroupBox(tr("Output Audio Options"));
    QFormLayout* audioForm = Form(audio);
    cmbCACodec = new ShortComboBox;
    cmbCASmapleRate = new ShortComboBox;
    cmbCASmapleRate->addItems(custom::SampleRateItems());
    txtCABirate = new QLineEdit(QStringLiteral("64"));
    txtChannels = new QLineEdit(QStringLiteral("2"));
    audioForm->addRow(tr("Output Audio Codec:"), cmbCACodec);
    audioForm->addRow(tr("Sampling Rate:"), cmbCASmapleRate);
    audioForm->addRow(tr("Bitrate:"), WithUnit(txtCABirate, QStringLiteral("kbps")));
    audioForm->addRow(tr("Channels:"), WithUnit(txtChannels, QString()));

    auto* video = new QGroupBox(tr("Output Video Options"));
    QFormLayout* videoForm = Form(video);
    cmbCVCodec = new ShortComboBox;
    txtCVBitrate = new QLineEdit(QStringLiteral("196"));
    cmbCVSize = new ShortComboBox;
    cmbCVSize->addItems(custom::SizeItems());
    cmbCVAspect = new ShortComboBox;
    cmbCVAspect->addItems(custom::AspectItems());
    // The lists are read by position: their first item may be said in the user's language.
    for (QComboBox* list : {cmbCVSize, cmbCVAspect}) {
        //: The first item of the picture size and aspect lists: what the source has.
        list->setItemText(0, tr("[As Input]"));
    }
    txtFrameRate = new QLineEdit(QStringLiteral("25"));
    videoForm->addRow(tr("Output Video Codec:"), cmbCVCodec);
    videoForm->addRow(tr("Bitrate:"), WithUnit(txtCVBitrate, QStringLiteral("kbps")));
    videoForm->addRow(tr("Video Size:"), cmbCVSize);
    videoForm->addRow(tr("Aspect Ratio:"), cmbCVAspect);
    videoForm->addRow(tr("Frame rate:"), WithUnit(txtFrameRate, QStringLiteral("fps")));

    // The codec lists give way to their captions; the open list shows the whole description.
    for (QComboBox* list : {cmbCACodec, cmbCVCodec}) {
        list->setMinimumContentsLength(6);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    for (QComboBox* list : {cmbCustContainer, cmbCASmapleRate, cmbCVSize, cmbCVAspect}) {
        ShowWholeItems(list);
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
    format_.LoadPresets(ProgramFolder::DataFile(QStringLiteral("presets.xml")));
    format_.LoadOwnPresets(OwnPresets::DefaultPath());
    MirrorPresetLists();
}

void frmMain::LoadCodecs() {
    format_.LoadCodecs(ProgramFolder::DataFile(QStringLiteral("codecs.xml")));
    Fill(cmbCVCodec, format_.VideoCodecs(), format_.custom.videoCodec);
    Fill(cmbCACodec, format_.AudioCodecs(), format_.custom.audioCodec);
}

void frmMain::MirrorPresetLists() {
    Fill(cmbCategory, format_.Categories(), format_.CategoryIndex());
    Fill(cmbOutVCodec, format_.Labels(), format_.LabelIndex());
    Fill(cmbOutFormat, format_.Extensions(), format_.ExtensionIndex());
    cmdRemovePreset->setEnabled(format_.ChosenPresetIsOwn());
}

void frmMain::MirrorCustomFields() {
    const FormatChoice::Custom& fields = format_.custom;
    const std::pair<QComboBox*, int> lists[] = {{cmbCustContainer, fields.container},
                                                {cmbCACodec, fields.audioCodec},
                                                {cmbCASmapleRate, fields.sampleRate},
                                                {cmbCVCodec, fields.videoCodec},
                                                {cmbCVSize, fields.size},
                                                {cmbCVAspect, fields.aspect}};
    for (const auto& [list, index] : lists) {
        ShowIndex(list, index);
    }
    ShowCopiedFields();
}

void frmMain::ShowCopiedFields() {
    const std::pair<bool, std::vector<QWidget*>> groups[] = {
        {format_.CopiesAudio(), {cmbCASmapleRate, txtCABirate, txtChannels}},
        {format_.CopiesVideo(), {txtCVBitrate, cmbCVSize, cmbCVAspect, txtFrameRate}}};
    bool video = false;
    for (const auto& [copies, fields] : groups) {
        for (QWidget* field : fields) {
            field->setEnabled(!copies);
            const auto* list = qobject_cast<QComboBox*>(field);
            field->setToolTip(copies ? custom::CopiedFieldReason(video)
                              : list ? list->currentText()
                                     : QString());
        }
        video = true;
    }
}

void frmMain::cmdSavePreset_Click() {
    QString category = format_.Category();
    QString label;
    QStringList categories = format_.Categories();
    categories.removeAll(QString());
    while (Dialogs::Current().AskPresetName(this, categories, &category, &label)) {
        QString note;
        const QString problem = format_.SaveOwnPreset(category, label, &note);
        if (problem.isEmpty()) {
            MirrorPresetLists();
            Notifier::Current().Show(note, MessageIcon::Information);
            return;
        }
        // Asked again with what was typed, so a name can be put right.
        Notifier::Current().Show(problem, MessageIcon::Warning);
    }
}

void frmMain::cmdRemovePreset_Click() {
    //: %1 is a preset's name, %2 its category.
    const QString question = tr("Remove your preset \"%1\" from \"%2\"? This cannot be undone.")
                                 .arg(format_.Label(), format_.Category());
    if (!Dialogs::Current().Confirm(this, tr("Remove Preset"), question)) {
        return;
    }
    if (const QString problem = format_.RemoveChosenPreset(); !problem.isEmpty()) {
        Notifier::Current().Show(problem, MessageIcon::Warning);
    }
    MirrorPresetLists();
}

bool frmMain::SelectListIndex(QComboBox* list, int index) {
    if (index < 0 || index >= list->count()) {
        return false;
    }
    // The handling runs whether or not the index changed, as a click would run it.
    ListSelectionChanged(list, index);
    return true;
}

void frmMain::ListSelectionChanged(QComboBox* list, int index) {
    FormatChoice::Custom& fields = format_.custom;
    if (list == cmbCategory) {
        format_.SelectCategory(index);
    } else if (list == cmbOutVCodec) {
        format_.SelectLabel(index);
    } else if (list == cmbOutFormat) {
        format_.SelectExtension(index);
    } else if (list == cmbCustContainer) {
        fields.container = index;
    } else if (list == cmbCACodec) {
        fields.audioCodec = index;
    } else if (list == cmbCASmapleRate) {
        fields.sampleRate = index;
    } else if (list == cmbCVCodec) {
        fields.videoCodec = index;
    } else if (list == cmbCVSize) {
        fields.size = index;
    } else if (list == cmbCVAspect) {
        fields.aspect = index;
    }
    MirrorPresetLists();
    MirrorCustomFields();
    UpdateSizeChoice();
}

void frmMain::SetCategory(const QString& sCat) {
    SelectListIndex(cmbCategory, static_cast<int>(format_.Categories().indexOf(sCat)));
}

void frmMain::SetVideoCodec(const QString& sCodec) {
    SelectListIndex(cmbOutVCodec, static_cast<int>(format_.Labels().indexOf(sCodec)));
}

bool frmMain::PresetMode() const {
    return format_.presetMode;
}

QString frmMain::OutputType() const {
    return resumed_ ? resumed_->type : format_.OutputType();
}

QString frmMain::GetParamaters() {
    const FormatParameters parameters = format_.Parameters();
    if (!parameters.options) {
        Notifier::Current().Show(
            tr("Error occured while getting paramters") + QStringLiteral("\r\n") + parameters.error,
            MessageIcon::Error);
        return QString();
    }
    return *parameters.options;
}

FormatParameters frmMain::ChosenParameters() const {
    if (resumed_) {
        return {resumed_->options, QString()};
    }
    return format_.Parameters();
}

void frmMain::UpdateFormatLabel() {
    lblFormat->setText(format_.Summary());
    UpdateSizeChoice();
}

void frmMain::ShowFormatFrame(int index) {
    frFormatStack->setCurrentIndex(index);
}

int frmMain::FrontFormatFrame() const {
    return frFormatStack->currentIndex();
}

void frmMain::cmdHide_Click() {
    if (const QString problem = format_.SaveAndCloseProblem(); !problem.isEmpty()) {
        Notifier::Current().Show(problem, MessageIcon::Warning);
        return;
    }
    if (const QString note = format_.SaveAndCloseNote(); !note.isEmpty()) {
        Notifier::Current().Show(note, MessageIcon::Information);
    }
    ClosePanel();
    UpdateFormatLabel();
}

void frmMain::BuildLoudnessChoice(QWidget* p) {
    auto* label = PlaceAuto(new QLabel(tr("Even loudness:"), p), 4560, 4245);
    cmbEvenLoudness = Place(new QComboBox(p), 5760, 4185, 2325, 330);
    cmbEvenLoudness->addItem(tr("Off"));
    cmbEvenLoudness->addItem(tr("Broadcast (-23 LUFS)"), LoudnessTarget::kBroadcast);
    cmbEvenLoudness->addItem(tr("Web and podcasts (-16 LUFS)"), LoudnessTarget::kWeb);
    cmbEvenLoudness->addItem(tr("Streaming (-14 LUFS)"), LoudnessTarget::kStreaming);
    label->setBuddy(cmbEvenLoudness);
    // The label as long as its language needs; the list takes what is left up to the edge.
    const int edge = cmbEvenLoudness->geometry().right();
    const int from = std::max(cmbEvenLoudness->x(), label->geometry().right() + 6);
    cmbEvenLoudness->setGeometry(from, cmbEvenLoudness->y(), edge - from + 1,
                                 cmbEvenLoudness->height());
    cmbEvenLoudness->setAccessibleName(tr("Even loudness"));
    cmbEvenLoudness->setToolTip(
        tr("Every result's sound is measured and brought to the same loudness, so that no file\n"
           "plays much louder or softer than the others; its peaks stay below -1 dBTP. Measuring\n"
           "adds a short pass before each file. A copy's sound is encoded to be evened."));
}

void frmMain::BuildSizeChoice(QWidget* p) {
    chkLimitSize = PlaceAuto(new QCheckBox(tr("Largest result:"), p), 315, 4530);
    spnMaxSize = Place(new QDoubleSpinBox(p), 2400, 4485, 1100, 330);
    spnMaxSize->setRange(0.1, 9999);
    spnMaxSize->setDecimals(1);
    spnMaxSize->setAccessibleName(tr("Largest result, in the unit beside it"));
    cmbSizeUnit = Place(new QComboBox(p), 3570, 4485, 900, 330);
    cmbSizeUnit->addItem(tr("MB"), QStringLiteral("MB"));
    cmbSizeUnit->addItem(tr("GB"), QStringLiteral("GB"));
    cmbSizeUnit->setAccessibleName(tr("Unit of the largest result"));
    const int right = chkLimitSize->geometry().right() + 6;
    for (QWidget* field : {static_cast<QWidget*>(spnMaxSize), static_cast<QWidget*>(cmbSizeUnit)}) {
        field->move(std::max(field->x(), right + (field == cmbSizeUnit ? spnMaxSize->width() + 4 : 0)),
                    field->y());
    }
    // Beside the size, what the picture may lose: its bars; and, under the size, its size.
    chkRemoveBars = PlaceAuto(new QCheckBox(tr("Remove black bars"), p), 4560, 4530);
    chkSmallerToFit =
        PlaceAuto(new QCheckBox(tr("Make the picture smaller when needed"), p), 555, 4845);
    chkSmallerToFit->setToolTip(
        tr("A picture too large for the size at a watchable quality is made smaller\n"
           "(1080p, 720p, 480p, then 360p) until it fits, and the row says to what."));
    const auto follow = [this] {
        spnMaxSize->setEnabled(chkLimitSize->isEnabled() && chkLimitSize->isChecked());
        cmbSizeUnit->setEnabled(spnMaxSize->isEnabled());
        chkSmallerToFit->setEnabled(spnMaxSize->isEnabled());
    };
    connect(chkLimitSize, &QCheckBox::toggled, this, follow);
    follow();
}

void frmMain::UpdateSizeChoice() {
    if (!chkLimitSize) {
        return;  // the panel is still being built
    }
    // A copy keeps its pictures as they are: nothing about it can be made smaller or cropped;
    // a lossless picture keeps its quality whatever the rate.
    const QString options = format_.Parameters().options.value_or(QString());
    const bool encodes = SizeFitting::EncodesPicture(options);
    const bool fits = SizeFitting::CanFit(options);
    chkLimitSize->setEnabled(fits);
    chkLimitSize->setToolTip(
        !encodes ? tr("A copy keeps its pictures as they are, so it cannot be made to fit a size.")
        : !fits  ? tr("This format keeps a quality of its own that no bit rate changes, so it\n"
                      "cannot be made to fit a size.")
                 : tr("Each result is made to fit this size: the picture's bit rate is worked out\n"
                      "from it, and a result over it is encoded again smaller. A limit too small\n"
                      "for a watchable picture is refused before anything is written."));
    spnMaxSize->setEnabled(fits && chkLimitSize->isChecked());
    cmbSizeUnit->setEnabled(spnMaxSize->isEnabled());
    chkSmallerToFit->setEnabled(spnMaxSize->isEnabled());
    chkRemoveBars->setEnabled(encodes);
    chkRemoveBars->setToolTip(
        encodes ? tr("Black bars around the picture (a letterbox, a pillarbox) are cut off where\n"
                     "the whole file has them; a dark scene or a fade to black is never cut.")
                : tr("A copy keeps its pictures as they are, so their black bars stay."));
    EstimateSoon();  // each file's size follows the format
}

void frmMain::SelectMaxSize(bool on, const QString& size) {
    chkLimitSize->setChecked(on);
    const qint64 bytes = SizeLimit::Parse(size).value_or(25'000'000);
    const bool giga = bytes >= 1'000'000'000;
    cmbSizeUnit->setCurrentIndex(giga ? 1 : 0);
    spnMaxSize->setValue(static_cast<double>(bytes) / (giga ? 1e9 : 1e6));
    UpdateSizeChoice();
}

QString frmMain::ChosenMaxSize() const {
    return QString::number(spnMaxSize->value(), 'f', 1) + cmbSizeUnit->currentData().toString();
}

qint64 frmMain::MaxSizeToFit() const {
    if (!chkLimitSize->isEnabled() || !chkLimitSize->isChecked()) {
        return 0;
    }
    return SizeLimit::Parse(ChosenMaxSize()).value_or(0);
}

void frmMain::SelectLoudness(std::optional<double> lufs) {
    if (!lufs) {
        cmbEvenLoudness->setCurrentIndex(0);
        return;
    }
    int found = cmbEvenLoudness->findData(*lufs);
    if (found < 0) {
        // A loudness of its own, written in the settings by hand.
        cmbEvenLoudness->addItem(tr("%1 LUFS").arg(*lufs), *lufs);
        found = cmbEvenLoudness->count() - 1;
    }
    cmbEvenLoudness->setCurrentIndex(found);
}

std::optional<double> frmMain::ChosenLoudness() const {
    const QVariant data = cmbEvenLoudness->currentData();
    return data.isValid() ? std::optional<double>(data.toDouble()) : std::nullopt;
}

}  // namespace reelwright
