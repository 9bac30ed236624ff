#pragma once

#include <QString>

namespace reelwright {

// The encoder program: the one in the program's folder, else the first on PATH. When neither
// exists, the program folder's name is returned so that starting it fails as "not found".
QString EncoderPath();

}  // namespace reelwright
