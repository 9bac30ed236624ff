#pragma once

#include <QString>

namespace reelwright {

// Where the encoder is: the one in the program's folder, else the first on PATH.
struct EncoderLocation {
    QString path;     // the program to run; the program folder's name when there is none
    QString problem;  // why it cannot be run, for the user; empty when it can
};

EncoderLocation LocateEncoder();

// The encoder program to run. When there is none, the program folder's name is returned so that
// starting it fails as "not found".
QString EncoderPath();

}  // namespace reelwright
