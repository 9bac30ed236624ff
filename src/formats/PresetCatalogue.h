#pragma once

#include "formats/CatalogueScanner.h"
#include "formats/PresetEntry.h"
#include "formats/RefusedPreset.h"

#include <QStringList>

#include <vector>

namespace reelwright {

// The presets of presets.xml, read by a line scanner as rigid as the file format: CR LF lines,
// six lines to an entry, one field to a line.
class PresetCatalogue {
  public:
    using Outcome = catalogue::Outcome;

    // Scans catalogue text. A failure leaves the catalogue empty and says why in `error`.
    Outcome Scan(const QString& text, QString* error);
    // Reads and scans a catalogue file.
    Outcome Load(const QString& path, QString* error);

    const std::vector<PresetEntry>& Entries() const { return entries_; }

    // Leaves out the presets whose params are more than options for the one output the program
    // names (PresetParams), and returns them with the reason. Scan keeps them, as it always did.
    std::vector<RefusedPreset> LeaveOutRefused();

    // The user's own presets, listed after the file's (so the file's keep their places).
    void SetOwn(const std::vector<PresetEntry>& own);
    // Whether the first entry of this extension, label and category is one of the user's own.
    bool IsOwn(const QString& extension, const QString& label, const QString& category) const;

    // Distinct values in the order of their first appearance.
    QStringList Categories() const;
    QStringList LabelsOf(const QString& category) const;
    QStringList ExtensionsOf(const QString& category) const;
    QStringList ExtensionsOf(const QString& category, const QString& label) const;

    // The options of the first entry with this extension, label and category; empty if none.
    QString ParamsOf(const QString& extension, const QString& label, const QString& category) const;

  private:
    std::vector<PresetEntry> entries_;
    std::size_t shipped_ = 0;  // the entries of the file; the user's own follow
};

}  // namespace reelwright
