#pragma once

#include <QByteArray>
#include <QString>

namespace reelwright {

// A file to account for: named on the command line or in a list, or found in a folder.
struct CliInput {
    QString path;
    QByteArray native;  // its name as the file system has it
    bool inFolder = false;
};

}  // namespace reelwright
