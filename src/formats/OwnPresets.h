#pragma once

#include "formats/PresetEntry.h"
#include "formats/RefusedPreset.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace reelwright {

// The presets the user saved: a catalogue of their own in their data folder, in the shipped
// file's format. It lives where no package install or upgrade writes, and holds data only the
// user may take away: it is written whole or not at all, and never with less than it held.
class OwnPresets {
  public:
    // $XDG_DATA_HOME/reelwright/presets.xml.
    static QString DefaultPath();

    // What reading the file found.
    struct Read {
        std::vector<PresetEntry> entries;
        // Set when the file could not be read (it is left as it is, and nothing is written
        // over it) or was damaged (it is set aside, and the shipped presets go on alone).
        QString problem;
        bool unreadable = false;
        // Presets left out of `entries`, since their params are more than options for the one
        // output (PresetParams). The file keeps them: they are the user's to take away.
        std::vector<RefusedPreset> refused;
    };
    // A missing file holds no presets. A damaged one is renamed `presets.xml.damaged` (or
    // `.damaged-2`, ... without replacing an earlier one).
    static Read Load(const QString& path);

    // Why a category, a label and an extension cannot be a preset's: the catalogue's lines
    // must hold them, and the command line must find them again; empty when they can.
    static QString NameProblem(const QString& category, const QString& label,
                               const QString& extension);

    // Adds `entry` to the file as it is on the disk now, in place of one with its category,
    // label and extension; or removes that one. False, with `error`, when the file was not
    // written (it is then as it was). `replaced` tells whether an earlier one went.
    static bool Add(const QString& path, const PresetEntry& entry, bool* replaced, QString* error);
    static bool Remove(const QString& path, const PresetEntry& which, QString* error);

    // The catalogue text of these entries: CR LF lines, six to an entry.
    static QByteArray Text(const std::vector<PresetEntry>& entries);
};

}  // namespace reelwright
