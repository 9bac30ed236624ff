#pragma once

#include <QString>

namespace reelwright {

// A row's status as it is shown, in the program's language. The list and its file keep the
// English status; any other text (a percentage) is shown as it is.
QString StatusText(const QString& status);

}  // namespace reelwright
