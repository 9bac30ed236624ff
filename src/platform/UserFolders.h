#pragma once

#include <QString>

namespace reelwright {

// The user's home folder: $HOME when it names a folder, else the one the account database
// gives (a service or a "env -i" start may come without HOME), else the temporary folder.
QString HomeFolder();

// The folder offered for converted files until the user picks one: "Converted Files" in the
// user's videos folder, or in the home folder when there is no videos folder, so the one level
// it needs can be made.
QString DefaultOutputFolder();

// Where the program keeps what it writes for itself (the encoder's logs): $XDG_STATE_HOME, else
// ~/.local/state, in a "Fennick Reelwright" folder.
QString StateFolder();

}  // namespace reelwright
