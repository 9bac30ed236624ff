#include "formats/FormatChoice.h"

#include "formats/OwnPresets.h"
#include "formats/PresetParams.h"

#include "platform/CommandLine.h"
#include "platform/Notifier.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::FormatChoice)
};

QString PresetName(const PresetEntry& entry) {
    //: A preset as the user is told of it: its category, its name and its container.
    return Text::tr("\"%1 / %2\" (%3)").arg(entry.category, entry.label, entry.extension);
}

// Says once for a read of a catalogue which presets were left out, and why.
void TellRefused(const std::vector<RefusedPreset>& refused, const QString& path) {
    const QString file = QDir::toNativeSeparators(path);
    if (refused.size() == 1) {
        //: %1 is a preset, %2 the file it is in, %3 why it was left out.
        Notifier::Current().Show(Text::tr("The preset %1 in %2 was left out.\r\nIt holds more "
                                          "than options for the file being converted: %3.")
                                     .arg(PresetName(refused[0].entry), file, refused[0].reason),
                                 MessageIcon::Warning);
        return;
    }
    QStringList names;
    QStringList details;
    for (const RefusedPreset& preset : refused) {
        names << PresetName(preset.entry);
        details << PresetName(preset.entry) + QStringLiteral(": ") + preset.reason;
    }
    if (!names.isEmpty()) {
        //: %1 is a file of presets, %2 the presets left out of it, one a line.
        Notifier::Current().Show(Text::tr("These presets in %1 were left out, since they hold "
                                          "more than options for the file being converted:\r\n%2")
                                     .arg(file, names.join(QStringLiteral("\r\n"))),
                                 MessageIcon::Warning, details.join(u'\n'));
    }
}

}  // namespace

bool FormatChoice::LoadPresets(const QString& path) {
    QString error;
    const auto outcome = presets_.Load(path, &error);
    if (outcome == PresetCatalogue::Outcome::Failed) {
        Notifier::Current().Show(
            Text::tr("Error Occured while Loading Presets.") + QStringLiteral("\r\n") + error,
            MessageIcon::None);
        return false;
    }
    if (outcome == PresetCatalogue::Outcome::Loaded) {
        // Presets are data people share: a preset that is more than options is left out.
        TellRefused(presets_.LeaveOutRefused(), path);
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
            error = Text::tr("The catalogue holds no video codec.");
        } else {
            custom.videoCodec = 0;
            if (audioCodecs_.isEmpty()) {
                error = Text::tr("The catalogue holds no audio codec.");
            } else {
                custom.audioCodec = 0;
            }
        }
    }
    if (error.isEmpty()) {
        // An older catalogue still offers copying.
        if (codecs_.AddCopy()) {
            videoCodecs_ = codecs_.VideoDescriptions();
            audioCodecs_ = codecs_.AudioDescriptions();
        }
        return true;
    }
    Notifier::Current().Show(
        Text::tr("Error Occured while Loading Codecs.") + QStringLiteral("\r\n") + error,
        MessageIcon::None);
    return false;
}

void FormatChoice::LoadOwnPresets(const QString& path) {
    ownPath_ = path;
    const OwnPresets::Read read = OwnPresets::Load(path);
    if (!read.problem.isEmpty()) {
        Notifier::Current().Show(read.problem, MessageIcon::Warning);
    }
    TellRefused(read.refused, path);
    presets_.SetOwn(read.entries);
    RelistPresets();
}

void FormatChoice::RelistPresets() {
    const QString category = Category();
    const QString label = Label();
    const QString extension = Extension();
    categories_ = presets_.Categories();
    labels_.clear();
    extensions_.clear();
    category_ = label_ = extension_ = -1;
    if (!SelectPreset(category, label, extension) && !SelectPreset(category, label)) {
        if (!SelectCategory(static_cast<int>(categories_.indexOf(category)))) {
            SelectCategory(0);
        }
    }
}

QString FormatChoice::SaveOwnPreset(const QString& category, const QString& label, QString* note) {
    if (ownPath_.isEmpty()) {
        return Text::tr("There is no folder for your own presets.");
    }
    const QString extension = custom::ContainerItems().value(custom.container).toLower();
    if (const QString problem = OwnPresets::NameProblem(category, label, extension);
        !problem.isEmpty()) {
        return problem;
    }
    if (presets_.ExtensionsOf(category, label).contains(extension) &&
        !presets_.IsOwn(extension, label, category)) {
        return Text::tr(
                   "\"%1\" in \"%2\" (%3) is a preset that comes with the program; "
                   "choose another name.")
            .arg(label, category, extension);
    }
    const bool wasPresetMode = presetMode;
    presetMode = false;
    const FormatParameters parameters = Parameters();
    presetMode = wasPresetMode;
    if (!parameters.options) {
        return parameters.error;
    }
    if (parameters.options->contains(u'<') || parameters.options->contains(u'\r') ||
        parameters.options->contains(u'\n')) {
        return Text::tr("The custom format's options cannot be kept in a preset: %1")
            .arg(*parameters.options);
    }
    bool replaced = false;
    QString error;
    if (!OwnPresets::Add(ownPath_, {label, *parameters.options, extension, category}, &replaced,
                         &error)) {
        return Text::tr("The preset could not be saved in %1: %2")
            .arg(QDir::toNativeSeparators(ownPath_), error);
    }
    const OwnPresets::Read read = OwnPresets::Load(ownPath_);
    presets_.SetOwn(read.entries);
    RelistPresets();
    *note = (replaced ? Text::tr("The preset \"%1\" was replaced under \"%2\" with the presets, "
                                 "kept in %3.")
                      : Text::tr("The preset \"%1\" is listed under \"%2\" with the presets, "
                                 "kept in %3."))
                .arg(label, category, QDir::toNativeSeparators(ownPath_));
    return QString();
}

bool FormatChoice::ChosenPresetIsOwn() const {
    return category_ >= 0 && presets_.IsOwn(Extension(), Label(), Category());
}

QString FormatChoice::RemoveChosenPreset() {
    if (!ChosenPresetIsOwn()) {
        return Text::tr("Only presets of your own can be removed.");
    }
    QString error;
    if (!OwnPresets::Remove(ownPath_, {Label(), QString(), Extension(), Category()}, &error)) {
        return Text::tr("The preset could not be removed from %1: %2")
            .arg(QDir::toNativeSeparators(ownPath_), error);
    }
    // The one that followed it in its category is chosen next (the one before, when it was
    // the last); another category only when none is left in this one.
    const QString category = Category();
    const int position = label_;
    presets_.SetOwn(OwnPresets::Load(ownPath_).entries);
    RelistPresets();
    if (Category() == category && !labels_.isEmpty()) {
        SelectLabel(std::clamp(position, 0, static_cast<int>(labels_.size()) - 1));
    }
    return QString();
}

QString FormatChoice::RestoreCodecs(std::optional<int> video, const QString& videoName,
                                    std::optional<int> audio, const QString& audioName,
                                    int firstStart) {
    QStringList lost;
    const auto restore = [this, &lost, firstStart](const QStringList& list,
                                                   std::optional<int> index, const QString& name,
                                                   int* chosen, bool isVideo) {
        const auto nameAt = [&](int i) { return codecs_.GetCodecName(list.value(i)); };
        if (list.isEmpty()) {
            return;  // no catalogue: nothing to choose from or tell
        }
        if (!name.isEmpty()) {
            if (index && *index >= 0 && *index < list.size() && nameAt(*index) == name) {
                *chosen = *index;
                return;
            }
            for (int i = 0; i < list.size(); ++i) {
                if (nameAt(i) == name) {
                    *chosen = i;
                    return;
                }
            }
            lost << (isVideo ? Text::tr("the video codec \"%1\"")
                             : Text::tr("the audio codec \"%1\""))
                        .arg(name);
        } else if (!index) {
            return;  // a stored value that broke its rule leaves the list
        } else if (*index >= 0 && *index < list.size()) {
            *chosen = *index;
            return;
        } else if (*index == firstStart) {
            *chosen = 0;
            return;
        } else if (*index >= 0) {
            lost << (isVideo ? Text::tr("the video codec at position %1")
                             : Text::tr("the audio codec at position %1"))
                        .arg(*index + 1);
        }
        *chosen = -1;
    };
    restore(videoCodecs_, video, videoName, &custom.videoCodec, true);
    restore(audioCodecs_, audio, audioName, &custom.audioCodec, false);
    if (lost.isEmpty()) {
        return QString();
    }
    return Text::tr(
               "A codec saved for the custom format is no longer in the codec list "
               "(%1), so none is chosen in its place: choose one in the format panel "
               "before converting with the custom format.")
        .arg(lost.join(QStringLiteral(", ")));
}

QString FormatChoice::VideoCodecName() const {
    return codecs_.GetCodecName(videoCodecs_.value(custom.videoCodec));
}

QString FormatChoice::AudioCodecName() const {
    return codecs_.GetCodecName(audioCodecs_.value(custom.audioCodec));
}

bool FormatChoice::CopiesVideo() const {
    return VideoCodecName() == custom::kCopyName;
}

bool FormatChoice::CopiesAudio() const {
    return AudioCodecName() == custom::kCopyName;
}

QString FormatChoice::UnchosenCodecProblem() const {
    if (custom.videoCodec < 0 && !videoCodecs_.isEmpty()) {
        return Text::tr(
            "No video codec is chosen in the custom format: choose one in the "
            "format panel.");
    }
    if (custom.audioCodec < 0 && !audioCodecs_.isEmpty()) {
        return Text::tr(
            "No audio codec is chosen in the custom format: choose one in the "
            "format panel.");
    }
    return QString();
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
                    Text::tr("The preset \"%1 / %2\" (%3) has a quote that is not closed in "
                             "its params: %4")
                        .arg(Category(), Label(), Extension(), params)};
        }
        if (const std::optional<QString> problem = PresetParams::Problem(params)) {
            return {std::nullopt, Text::tr("The preset \"%1 / %2\" (%3) cannot be used: %4")
                                      .arg(Category(), Label(), Extension(), *problem)};
        }
        return {params, QString()};
    }
    if (const QString unchosen = UnchosenCodecProblem(); !unchosen.isEmpty()) {
        return {std::nullopt, unchosen};
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
                Text::tr("A codec name of the custom format has a quote that is not closed: %1")
                    .arg(*params)};
    }
    // A codec name of an edited catalogue could hold more than a name.
    if (const std::optional<QString> problem = PresetParams::Problem(*params)) {
        return {std::nullopt,
                Text::tr("The custom format's options cannot be used: %1").arg(*problem)};
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
        {&custom.channels,
         QT_TRANSLATE_NOOP("reelwright::FormatChoice",
                           "Channels Field in the custom Format can not be empty.")},
        {&custom.frameRate,
         QT_TRANSLATE_NOOP("reelwright::FormatChoice",
                           "Frame Rate Field in the custom Format can not be empty.")},
        {&custom.audioBitrate,
         QT_TRANSLATE_NOOP("reelwright::FormatChoice",
                           "Audio Bitrate Field in the custom Format can not be empty.")},
        {&custom.videoBitrate,
         QT_TRANSLATE_NOOP("reelwright::FormatChoice",
                           "Video Bitrate Field in the custom Format can not be empty.")},
    };
    // Fields a copy does not use are off, and cannot be put right there.
    const auto applies = [this](const QString* text) {
        return !(CopiesAudio() && (text == &custom.channels || text == &custom.audioBitrate)) &&
               !(CopiesVideo() && (text == &custom.frameRate || text == &custom.videoBitrate));
    };
    for (const auto& [text, message] : required) {
        if (applies(text) && text->isEmpty()) {
            return Text::tr(message);
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
        if (applies(text) && !custom::ValidValue(rules, *text)) {
            return custom::InvalidValueMessage(rules);
        }
    }
    if (presetMode) {
        return QString();
    }
    if (const QString unchosen = UnchosenCodecProblem(); !unchosen.isEmpty()) {
        return unchosen;
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
    return Text::tr("The %1 container holds video only: the sound is left out.").arg(container);
}

}  // namespace reelwright
