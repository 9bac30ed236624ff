#include "cli/CliFormat.h"

#include "formats/OwnPresets.h"
#include "platform/ProgramFolder.h"
#include "settings/RememberedSettings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <utility>
#include <vector>

namespace reelwright {
namespace {

// Letters to change, add or drop to turn one text into the other, letter case aside.
int Distance(const QString& a, const QString& b) {
    const QString x = a.toCaseFolded();
    const QString y = b.toCaseFolded();
    std::vector<int> row(static_cast<std::size_t>(y.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j) {
        row[j] = static_cast<int>(j);
    }
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[static_cast<std::size_t>(j)];
            row[static_cast<std::size_t>(j)] =
                std::min({above + 1, row[static_cast<std::size_t>(j - 1)] + 1,
                          diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// The distance to the nearest word of a label, letters and digits only: "h264" is one of
// "H.264 / AAC".
int WordDistance(const QString& wanted, const QString& label) {
    const auto bare = [](const QString& text) {
        QString kept;
        for (const QChar c : text) {
            if (c.isLetterOrNumber()) {
                kept += c;
            }
        }
        return kept;
    };
    int nearest = Distance(bare(wanted), bare(label));
    for (const QString& word : label.split(u' ', Qt::SkipEmptyParts)) {
        nearest = std::min(nearest, Distance(bare(wanted), bare(word)));
    }
    return nearest;
}

// Every preset as "CATEGORY/LABEL".
QStringList AllPresets(const PresetCatalogue& presets) {
    QStringList all;
    for (const QString& category : presets.Categories()) {
        for (const QString& label : presets.LabelsOf(category)) {
            all << category + u'/' + label;
        }
    }
    return all;
}

}  // namespace

// The texts below were the converter's before this class took them over: they keep its
// translation context, on which the catalogues key.

CliFormat::CliFormat(QTextStream& err) : err_(err) {}

bool CliFormat::LoadPresets() {
    const bool loaded = format_.LoadPresets(ProgramFolder::DataFile(QStringLiteral("presets.xml")));
    format_.LoadOwnPresets(OwnPresets::DefaultPath());
    return loaded;
}

bool CliFormat::LoadCodecs() {
    return format_.LoadCodecs(ProgramFolder::DataFile(QStringLiteral("codecs.xml")));
}

QStringList CliFormat::ClosestPresets(const QString& wanted, const QStringList& presets,
                                      bool withCategory) {
    std::vector<std::pair<int, QString>> scored;
    // What was typed of the label; without a category, all of it.
    const QString label = withCategory ? wanted.section(u'/', 1) : wanted;
    for (const QString& preset : presets) {
        // A label that holds what was typed is as close as a slip of a letter or two.
        const bool holds = !label.isEmpty() && preset.contains(label, Qt::CaseInsensitive);
        scored.emplace_back(holds ? 1
                            : withCategory
                                ? Distance(wanted, preset)
                                : std::min(Distance(wanted, preset.section(u'/', 1)),
                                           1 + WordDistance(wanted, preset.section(u'/', 1))),
                            preset);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList closest;
    for (std::size_t i = 0; i < scored.size() && i < 3; ++i) {
        closest << scored[i].second;
    }
    return closest;
}

void CliFormat::ListPresets(QTextStream& out, bool json) const {
    const PresetCatalogue& presets = format_.Presets();
    for (const QString& category : presets.Categories()) {
        for (const QString& label : presets.LabelsOf(category)) {
            const QStringList extensions = presets.ExtensionsOf(category, label);
            if (!json) {
                out << category << u'/' << label << u'\t' << extensions.join(u',') << u'\n';
                continue;
            }
            // A label's extensions may each have options of their own, and a shipped preset
            // may have been given a container of the user's own.
            QJsonObject parameters;
            QStringList own;
            for (const QString& extension : extensions) {
                parameters.insert(extension, presets.ParamsOf(extension, label, category));
                if (presets.IsOwn(extension, label, category)) {
                    own << extension;
                }
            }
            const QJsonObject preset{
                {QStringLiteral("category"), category},
                {QStringLiteral("label"), label},
                {QStringLiteral("extensions"), QJsonArray::fromStringList(extensions)},
                {QStringLiteral("parameters"), parameters},
                {QStringLiteral("own"), own.size() == extensions.size()},
                {QStringLiteral("own_extensions"), QJsonArray::fromStringList(own)}};
            out << QString::fromUtf8(QJsonDocument(preset).toJson(QJsonDocument::Compact)) << u'\n';
        }
    }
    out.flush();
}

bool CliFormat::Choose(const CliOptions& options, const RememberedSettings& saved) {
    const QString lostCodec = Restore(saved);
    if (options.custom) {
        format_.presetMode = false;
    }
    if (!lostCodec.isEmpty() && !format_.presetMode && options.presetLabel.isEmpty()) {
        err_ << "reelwright-cli: " << lostCodec << u'\n';
    }
    if (!options.presetLabel.isEmpty() && !ChoosePreset(options)) {
        return false;
    }
    return Usable();
}

QString CliFormat::Restore(const RememberedSettings& saved) {
    format_.presetMode = saved.optFormat.value_or(0) == 0;
    if (saved.cmbCategory) {
        format_.SelectCategory(*saved.cmbCategory);
    }
    if (saved.cmbOutVCodec) {
        format_.SelectLabel(*saved.cmbOutVCodec);
    }
    if (saved.cmbOutFormat) {
        format_.SelectExtension(*saved.cmbOutFormat);
    }
    using Custom = FormatChoice::Custom;
    // A stored position outside its list leaves the design's, as the window's lists do.
    const std::pair<const std::optional<int>&, int Custom::*> lists[] = {
        {saved.cmbCustContainer, &Custom::container},
        {saved.cmbCACodec, &Custom::audioCodec},
        {saved.cmbCASmapleRate, &Custom::sampleRate},
        {saved.cmbCVCodec, &Custom::videoCodec},
        {saved.cmbCVSize, &Custom::size},
        {saved.cmbCVAspect, &Custom::aspect}};
    for (const auto& [stored, list] : lists) {
        if (stored) {
            format_.SelectCustom(list, *stored);
        }
    }
    const QString lostCodec = format_.RestoreCodecs(saved.cmbCVCodec, saved.CVCodecName,
                                                    saved.cmbCACodec, saved.CACodecName);
    Custom& custom = format_.custom;
    custom.audioBitrate = saved.txtCABirate;
    custom.channels = saved.txtChannels;
    custom.videoBitrate = saved.txtCVBitrate;
    custom.frameRate = saved.txtFrameRate;
    return lostCodec;
}

bool CliFormat::ChoosePreset(const CliOptions& options) {
    format_.presetMode = true;
    if (!format_.SelectPreset(options.presetCategory, options.presetLabel)) {
        TellClosest(options);
        return false;
    }
    return options.extension.isEmpty() || ChooseExtension(options.extension);
}

void CliFormat::TellClosest(const CliOptions& options) {
    const bool withCategory = !options.presetCategory.isEmpty();
    const QString wanted =
        withCategory ? options.presetCategory + u'/' + options.presetLabel : options.presetLabel;
    err_ << "reelwright-cli: "
         << (withCategory ? QCoreApplication::translate(
                                "reelwright::CommandLineConverter",
                                "no preset \"%1\"; --list-presets shows them all. The closest:")
                          : QCoreApplication::translate(
                                "reelwright::CommandLineConverter",
                                "no preset \"%1\" (--preset takes \"CATEGORY/LABEL\"); "
                                "--list-presets shows them all. The closest:"))
                .arg(wanted)
         << u'\n';
    for (const QString& close :
         ClosestPresets(wanted, AllPresets(format_.Presets()), withCategory)) {
        err_ << "  " << close << u'\n';
    }
}

bool CliFormat::ChooseExtension(const QString& extension) {
    // The preset's own spelling: "--extension MKV" means its mkv.
    const QStringList& offered = format_.Extensions();
    const auto found =
        std::find_if(offered.begin(), offered.end(), [&extension](const QString& type) {
            return type.compare(extension, Qt::CaseInsensitive) == 0;
        });
    if (found != offered.end() &&
        format_.SelectExtension(static_cast<int>(found - offered.begin()))) {
        return true;
    }
    err_ << "reelwright-cli: "
         << QCoreApplication::translate("reelwright::CommandLineConverter",
                                        "the preset offers %1, not %2.")
                .arg(offered.join(u','), extension)
         << u'\n';
    return false;
}

bool CliFormat::Usable() const {
    const FormatParameters parameters = format_.Parameters();
    if (!parameters.options) {
        err_ << "reelwright-cli: "
             << QCoreApplication::translate("reelwright::CommandLineConverter",
                                            "the format cannot be used: %1")
                    .arg(parameters.error)
             << u'\n';
        return false;
    }
    if (OutputType().isEmpty()) {
        err_ << "reelwright-cli: "
             << QCoreApplication::translate(
                    "reelwright::CommandLineConverter",
                    "no output format is chosen; give --preset or --custom.")
             << u'\n';
        return false;
    }
    return true;
}

}  // namespace reelwright
