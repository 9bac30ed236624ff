#pragma once

#include "cli/CliOptions.h"
#include "formats/FormatChoice.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace reelwright {

struct RememberedSettings;

// The format reelwright-cli converts to: the window's saved choice over the shipped catalogues
// and the user's own presets, as the options override it. What will not do is said on `err`.
class CliFormat {
  public:
    explicit CliFormat(QTextStream& err);

    // The shipped presets and the user's own; false when the shipped ones cannot be read.
    bool LoadPresets();
    bool LoadCodecs();
    // Takes the saved choice, then the options' preset, extension or custom format; false, once
    // said why, when the format they make cannot be used.
    bool Choose(const CliOptions& options, const RememberedSettings& saved);
    // One line per preset: CATEGORY/LABEL, a tab, its extensions; or a JSON object per preset.
    void ListPresets(QTextStream& out, bool json) const;

    FormatParameters Parameters() const { return format_.Parameters(); }
    // The results' extension: in lower case, as the presets give it, also for a custom format.
    QString OutputType() const { return format_.OutputType().toLower(); }

    // The presets whose "CATEGORY/LABEL" is nearest to `wanted`, nearest first; `wanted`
    // without a category is looked for among the labels of all of them.
    static QStringList ClosestPresets(const QString& wanted, const QStringList& presets,
                                      bool withCategory = true);

  private:
    // The window's saved choice; answers what to tell of a saved codec no longer listed.
    QString Restore(const RememberedSettings& saved);
    // The preset named by the options, and its extension when one is given.
    bool ChoosePreset(const CliOptions& options);
    // Says that the preset named is not there, and the nearest ones that are.
    void TellClosest(const CliOptions& options);
    // The chosen preset's extension, spelled as the preset spells it.
    bool ChooseExtension(const QString& extension);
    // Whether the chosen format makes options and names an extension.
    bool Usable() const;

    QTextStream& err_;
    FormatChoice format_;
};

}  // namespace reelwright
