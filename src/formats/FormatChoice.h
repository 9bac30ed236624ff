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
    // Lists the user's own presets after the file's; a damaged file of them is set aside and
    // said. The choice made stays chosen where it still can be.
    void LoadOwnPresets(const QString& path);
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

    // The custom format saved as one of the user's own presets, under this category and label,
    // in the file of LoadOwnPresets; then listed. Returns why not, or empty; `note` says what
    // was done.
    QString SaveOwnPreset(const QString& category, const QString& label, QString* note);
    // Whether the chosen preset is one of the user's own, which can be removed.
    bool ChosenPresetIsOwn() const;
    // Removes the chosen preset of the user's own; returns why not, or empty.
    QString RemoveChosenPreset();

    // Chooses the saved codecs of the custom lists: by the encoder name saved with them, so a
    // catalogue edited since still finds them, else by position. A codec no longer in its list
    // leaves the list without a choice, for the user to make; returns what to tell of it. The
    // first start's position (`firstStart`, with no name) past a short list was never the
    // user's choice: it takes the first codec, as it always did.
    QString RestoreCodecs(std::optional<int> video, const QString& videoName,
                          std::optional<int> audio, const QString& audioName, int firstStart = 1);
    // The encoder names of the chosen codecs, as the settings keep them.
    QString VideoCodecName() const;
    QString AudioCodecName() const;
    // Whether a custom list copies its tracks as they are, so its other fields do not apply.
    bool CopiesVideo() const;
    bool CopiesAudio() const;

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
    // Lists the catalogue anew, keeping the chosen preset where it still is.
    void RelistPresets();
    // Why a list without a choice cannot make a format; empty when both have one.
    QString UnchosenCodecProblem() const;
    void SetVideoCodec(const QString& sCodec);
    custom::Fields CustomFields() const;

    PresetCatalogue presets_;
    QString ownPath_;
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
