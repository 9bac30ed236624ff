#include "joblist/FileSizeText.h"

#include <QCoreApplication>

namespace reelwright {

QString GetFileSizeText(qint64 bytes, const QLocale& locale) {
    struct Unit {
        qint64 size;
        const char* name;  // %1 is the number
    };
    static constexpr Unit kUnits[] = {
        {1LL << 30, QT_TRANSLATE_NOOP("reelwright::FileSize", "%1 GB")},
        {1LL << 20, QT_TRANSLATE_NOOP("reelwright::FileSize", "%1 MB")},
        {1LL << 10, QT_TRANSLATE_NOOP("reelwright::FileSize", "%1 KB")}};
    if (bytes < 1024) {
        return QCoreApplication::translate("reelwright::FileSize", "%1 Bytes").arg(bytes);
    }
    for (const Unit& unit : kUnits) {
        if (bytes < unit.size) {
            continue;
        }
        // Hundredths in exact integer arithmetic, so ties are found exactly.
        const qint64 rest = (bytes % unit.size) * 100;
        qint64 hundredths = bytes / unit.size * 100 + rest / unit.size;
        const qint64 twiceLeft = (rest % unit.size) * 2;
        if (twiceLeft > unit.size || (twiceLeft == unit.size && hundredths % 2 == 1)) {
            ++hundredths;
        }
        const qint64 whole = hundredths / 100;
        const int fraction = static_cast<int>(hundredths % 100);
        QString text = QString::number(whole);
        if (fraction != 0) {
            QString digits = QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
            if (digits.endsWith(u'0')) {
                digits.chop(1);
            }
            text += locale.decimalPoint() + digits;
        }
        return QCoreApplication::translate("reelwright::FileSize", unit.name).arg(text);
    }
    return QString();
}

}  // namespace reelwright
