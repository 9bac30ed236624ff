#include "formats/FormatChoice.h"

#include "platform/CommandLine.h"
#include "platform/Notifier.h"

namespace reelwright {

bool FormatChoice::LoadPresets(const QString& path) {
    QString error;
    const auto outcome = presets_.Load(path, &error);
    if (outcome == PresetCatalogue::Outcome::Failed) {
        Notifier::Current().Show(QStringLiteral("Error Occured while Loading Presets.\r\n") + error,
                                 MessageIcon::None);
        return false;
    }
    if (outcome == PresetCatalogue::Outcome::Loaded) {
        categories_ = presets_.Categories();
        SelectCategory(0);
    }
    return true;
}

bool FormatChoice::LoadCodecs(const QString& path) {
    QString error;
    const auto outcome = codecs_.Load(path, &error);
    if (outcome == CodecCatalogue::Outcome::Empty) {
        return true;
    }
    if (outcome == CodecCatalogue::Outcome::Loaded) {
        videoCodecs_ = codecs_.VideoDescriptions();
        audioCodecs_ = codecs_.AudioDescriptions();
        // The first of each, the video list first: an empty audio list still leaves it chosen.
        if (videoCodecs_.isEmpty()) {
            error = QStringLiteral("The catalogue holds no video codec.");
        } else {
            custom.videoCodec = 0;
            if (audioCodecs_.isEmpty()) {
                error = QStringLiteral("The catalogue holds no audio codec.");
            } else {
                custom.audioCodec = 0;
            }
        }
    }
    if (error.isEmpty()) {
        return true;
    }
    Notifier::Current().Show(QStringLiteral("Error Occured while Loading Codecs.\r\n") + error,
                             MessageIcon::None);
    return false;
}

bool FormatChoice::SelectCategory(int index) {
    if (index < 0 || index >= categories_.size()) {
        return false;
    }
    category_ = index;
    SetCategory(categories_[index]);
    return true;
}

bool FormatChoice::SelectLabel(int index) {
    if (index < 0 || index >= labels_.size()) {
        return false;
    }
    label_ = index;
    SetVideoCodec(labels_[index]);
    return true;
}

bool FormatChoice::SelectExtension(int index) {
    if (index < 0 || index >= extensions_.size()) {
        return false;
    }
    extension_ = index;
    return true;
}

bool FormatChoice::SelectPreset(const QString& category, const QString& label,
                                const QString& extension) {
    if (!SelectCategory(static_cast<int>(categories_.indexOf(category))) ||
        !SelectLabel(static_cast<int>(labels_.indexOf(label)))) {
        return false;
    }
    return extension.isEmpty() || SelectExtension(static_cast<int>(extensions_.indexOf(extension)));
}

void FormatChoice::SetCategory(const QString& sCat) {
    labels_ = presets_.LabelsOf(sCat);
    extensions_ = presets_.ExtensionsOf(sCat);
    label_ = -1;
    extension_ = -1;
    // The first label refills the extensions with its own.
    SelectLabel(0);
    SelectExtension(0);
}

void FormatChoice::SetVideoCodec(const QString& sCodec) {
    extensions_ = presets_.ExtensionsOf(Category(), sCodec);
    extension_ = -1;
    SelectExtension(0);
}

bool FormatChoice::SelectCustom(int Custom::*list, int index) {
    const std::pair<int Custom::*, qsizetype> sizes[] = {
        {&Custom::container, custom::ContainerItems().size()},
        {&Custom::audioCodec, audioCodecs_.size()},
        {&Custom::sampleRate, custom::SampleRateItems().size()},
        {&Custom::videoCodec, videoCodecs_.size()},
        {&Custom::size, custom::SizeItems().size()},
        {&Custom::aspect, custom::AspectItems().size()}};
    for (const auto& [member, size] : sizes) {
        if (member == list) {
            if (index < 0 || index >= size) {
                return false;
            }
            custom.*list = index;
            return true;
        }
    }
    return false;
}

custom::Fields FormatChoice::CustomFields() const {
    custom::Fields fields;
    fields.sampleRate = custom::SampleRateItems().value(custom.sampleRate);
    fields.audioBitrate = custom.audioBitrate;
    fields.audioCodecName = codecs_.GetCodecName(audioCodecs_.value(custom.audioCodec));
    fields.channels = custom.channels;
    fields.videoCodecName = codecs_.GetCodecName(videoCodecs_.value(custom.videoCodec));
    fields.videoBitrate = custom.videoBitrate;
    fields.size = custom::SizeItems().value(custom.size);
    fields.aspect = custom::AspectItems().value(custom.aspect);
    fields.frameRate = custom.frameRate;
    fields.container = custom::ContainerItems().value(custom.container);
    return fields;
}

FormatParameters FormatChoice::Parameters() const {
    if (presetMode) {
        const QString params = presets_.ParamsOf(Extension(), Label(), Category());
        // An open quote would swallow the output's name on the encoder's command line.
        if (!SplitArguments(params)) {
            return {std::nullopt,
                    QStringLiteral("The preset \"%1 / %2\" (%3) has a quote that is not closed in "
                                   "its params: %4")
                        .arg(Category(), Label(), Extension(), params)};
        }
        return {params, QString()};
    }
    QString error;
    const std::optional<QString> params =
        custom::BuildParams(CustomFields(), &error, QLocale(),
                            [this](const QString& name) { return codecs_.DescriptionOf(name); });
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

QString FormatChoice::OutputType() const {
    return presetMode ? Extension() : custom::ContainerItems().value(custom.container);
}

QString FormatChoice::Summary() const {
    if (presetMode) {
        return custom::FormatSummary(true, Category(), Label(), Extension());
    }
    return custom::FormatSummary(false, custom::ContainerItems().value(custom.container),
                                 videoCodecs_.value(custom.videoCodec),
                                 audioCodecs_.value(custom.audioCodec));
}

QString FormatChoice::SaveAndCloseProblem() const {
    const std::pair<const QString*, const char*> required[] = {
        {&custom.channels, "Channels Field in the custom Format can not be empty."},
        {&custom.frameRate, "Frame Rate Field in the custom Format can not be empty."},
        {&custom.audioBitrate, "Audio Bitrate Field in the custom Format can not be empty."},
        {&custom.videoBitrate, "Video Bitrate Field in the custom Format can not be empty."},
    };
    for (const auto& [text, message] : required) {
        if (text->isEmpty()) {
            return QString::fromLatin1(message);
        }
    }
    // Values that cannot work are refused here, not found out file by file.
    const std::pair<const QString*, custom::TextField> values[] = {
        {&custom.channels, custom::TextField::Channels},
        {&custom.frameRate, custom::TextField::FrameRate},
        {&custom.audioBitrate, custom::TextField::AudioBitrate},
        {&custom.videoBitrate, custom::TextField::VideoBitrate},
    };
    for (const auto& [text, rules] : values) {
        if (!custom::ValidValue(rules, *text)) {
            return custom::InvalidValueMessage(rules);
        }
    }
    if (presetMode) {
        return QString();
    }
    const custom::Fields fields = CustomFields();
    return custom::ContainerProblem(
        fields.container, fields.videoCodecName, fields.audioCodecName,
        [this](const QString& name) { return codecs_.DescriptionOf(name); });
}

QString FormatChoice::SaveAndCloseNote() const {
    const QString container = custom::ContainerItems().value(custom.container);
    const custom::ContainerRule* rule = custom::RuleOf(container);
    if (presetMode || !rule || !rule->audioCodecs.isEmpty()) {
        return QString();
    }
    return QStringLiteral("The %1 container holds video only: the sound is left out.")
        .arg(container);
}

}  // namespace reelwright
