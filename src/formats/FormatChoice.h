#pragma once

#include "formats/CodecCatalogue.h"
#include "formats/CustomFormat.h"
#include "formats/PresetCatalogue.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace reelwright {

// The encoder options of a choice, or why there are none.
struct FormatParameters {
    std::optional<QString> options;
    QString error;
};

// The output format the user has chosen, without a widget: the three linked preset lists and
// the custom fields, each list by position as the settings store it, and which of the two is
// used. The window's controls mirror it.
class FormatChoice {
  public:
    // Reads a catalogue; a failure (reported with the catalogue's message) leaves its lists
    // empty. False when it failed.
    bool LoadPresets(const QString& path);
    bool LoadCodecs(const QString& path);
    const PresetCatalogue& Presets() const { return presets_; }
    const CodecCatalogue& Codecs() const { return codecs_; }

    // The preset lists, as they read now.
    const QStringList& Categories() const { return categories_; }
    const QStringList& Labels() const { return labels_; }
    const QStringList& Extensions() const { return extensions_; }
    int CategoryIndex() const { return category_; }
    int LabelIndex() const { return label_; }
    int ExtensionIndex() const { return extension_; }
    QString Category() const { return categories_.value(category_); }
    QString Label() const { return labels_.value(label_); }
    QString Extension() const { return extensions_.value(extension_); }
    // Choosing a category refills the labels and the extensions and chooses the first of each;
    // choosing a label refills the extensions. False, with nothing changed, outside the list.
    bool SelectCategory(int index);
    bool SelectLabel(int index);
    bool SelectExtension(int index);
    // A preset by category and label (and extension, when it offers several); false when the
    // catalogue has none such.
    bool SelectPreset(const QString& category, const QString& label,
                      const QString& extension = QString());

    // The custom fields.
    const QStringList& VideoCodecs() const { return videoCodecs_; }
    const QStringList& AudioCodecs() const { return audioCodecs_; }
    // Positions in the lists (the fixed ones of custom::, the codec lists above) and the texts
    // of the four typed fields; the values of the panel's design until the settings load.
    struct Custom {
        int container = 0;
        int audioCodec = -1;
        int sampleRate = 0;
        int videoCodec = -1;
        int size = 0;
        int aspect = 0;
        QString audioBitrate = QStringLiteral("64");
        QString channels = QStringLiteral("2");
        QString videoBitrate = QStringLiteral("196");
        QString frameRate = QStringLiteral("25");
    };
    Custom custom;
    // Sets one of the custom lists' positions (&Custom::container, ...); false, with nothing
    // changed, outside its list, as a list control would do.
    bool SelectCustom(int Custom::*list, int index);

    bool presetMode = true;

    // What the encoder gets: the preset's params, or the options the custom fields make.
    FormatParameters Parameters() const;
    // The output file's extension.
    QString OutputType() const;
    // The one-line summary under "Output Format".
    QString Summary() const;
    // Why "Save & Close" must keep the panel open, in the order the fields are checked; empty
    // when it may close.
    QString SaveAndCloseProblem() const;
    // What the user is told, when the panel closes, about a custom choice that leaves
    // something out; empty when nothing is left out.
    QString SaveAndCloseNote() const;

  private:
    void SetCategory(const QString& sCat);
    void SetVideoCodec(const QString& sCodec);
    custom::Fields CustomFields() const;

    PresetCatalogue presets_;
    CodecCatalogue codecs_;
    QStringList categories_;
    QStringList labels_;
    QStringList extensions_;
    int category_ = -1;
    int label_ = -1;
    int extension_ = -1;
    QStringList videoCodecs_;
    QStringList audioCodecs_;
};

}  // namespace reelwright
