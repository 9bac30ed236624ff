#include "platform/LocalNumber.h"

#include <QLocale>

namespace reelwright {

QString LocalNumber(double value, char format, int precision) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

}  // namespace reelwright
