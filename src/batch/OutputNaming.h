#pragma once

#include <QString>

namespace reelwright {

// Where converted files go: beside their inputs, or into one folder.
struct OutputFolderChoice {
    bool sameFolder = false;
    QString otherFolder;
};

// The folder offered until the user picks one: "Converted Files" in the user's videos folder
// (in the home folder when there is no videos folder, so the one level it needs can be made).
QString DefaultOutputFolder();

// A path for the converted file that never names an existing file: the input's base name with
// the new type, then "_Converted", then "_Converted_0" up to "_Converted_10000". A missing folder
// is created (one level). Empty, after a message, when the folder cannot be had; empty when every
// name is taken.
QString GetOutputPath(const QString& input, const QString& type, const OutputFolderChoice& choice);

// Whether a candidate name is taken. Folders do not count; any link does, dangling or not, so the
// encoder never writes through one.
bool IsTakenName(const QString& path);

}  // namespace reelwright
