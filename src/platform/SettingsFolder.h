#pragma once

#include <QString>

namespace reelwright {

// Where the program keeps its settings: a "Fennick Reelwright" folder in the user's
// configuration folder. Tests point it at a temporary folder.
class SettingsFolder {
  public:
    static QString Path();
    // Another folder (tests); an empty path restores the real one.
    static void Override(const QString& folder);
};

}  // namespace reelwright
