#pragma once

#include <QString>

namespace reelwright {

// The folder of the running executable: the encoder, the catalogues and the help page live there.
class ProgramFolder {
  public:
    static QString Path();
    // Points the program at another folder (tests); an empty path restores the real one.
    static void Override(const QString& folder);
    // The folder joined with a file name by the native separator.
    static QString File(const QString& name);
    // A data file (a catalogue, the help page): beside the program (a build), else in
    // ../share/reelwright/ beside it (an install), else in the desktop's data folders
    // ($XDG_DATA_HOME, $XDG_DATA_DIRS) under reelwright/. When none exists, the one beside the
    // program, so a message names where it was looked for first.
    static QString DataFile(const QString& name);
};

}  // namespace reelwright
