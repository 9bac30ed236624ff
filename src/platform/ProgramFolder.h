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
};

}  // namespace reelwright
