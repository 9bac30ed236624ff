#pragma once

#include <QLocale>
#include <QString>

namespace reelwright {

// "512 Bytes", "1.5 KB", "700.33 MB", "4.66 GB": powers of 1,024, two decimals rounded half to
// even, no trailing zeros, the locale's decimal separator.
QString GetFileSizeText(qint64 bytes, const QLocale& locale = QLocale());

}  // namespace reelwright
