#pragma once

#include "formats/CatalogueScanner.h"
#include "formats/CodecEntry.h"

#include <QStringList>

#include <vector>

namespace reelwright {

// The codecs of codecs.xml, read by a line scanner of the presets' family: five lines to an
// entry, root lines recognised after trimming.
class CodecCatalogue {
  public:
    using Outcome = catalogue::Outcome;

    Outcome Scan(const QString& text, QString* error);
    Outcome Load(const QString& path, QString* error);

    const std::vector<CodecEntry>& Entries() const { return entries_; }
    // Adds the choice that copies tracks as they are to both lists, unless the catalogue has
    // it; false when it had.
    bool AddCopy();

    // Descriptions for each list, in catalogue order; equal descriptions are not merged.
    QStringList VideoDescriptions() const;
    QStringList AudioDescriptions() const;

    // The trimmed name of the first entry with this description; empty when there is none.
    QString GetCodecName(const QString& sDesc) const;
    // The description of the first entry with this (trimmed) name; empty when there is none.
    QString DescriptionOf(const QString& name) const;

  private:
    // The entries of a type, and the general ones, which belong to both lists.
    QStringList DescriptionsOfType(const QString& type) const;

    std::vector<CodecEntry> entries_;
};

}  // namespace reelwright
