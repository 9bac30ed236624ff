#include "formats/SizeLimit.h"

#include "platform/LocalNumber.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace reelwright::SizeLimit {
namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(reelwright::SizeLimit)
};

double UnitOf(const QString& unit) {
    const QString u = unit.toLower();
    if (u == "k" || u == "kb") return 1e3;
    if (u == "m" || u == "mb") return 1e6;
    if (u == "g" || u == "gb") return 1e9;
    if (u == "kib") return 1024.0;
    if (u == "mib") return 1024.0 * 1024.0;
    if (u == "gib") return 1024.0 * 1024.0 * 1024.0;
    return 0;
}

}  // namespace

std::optional<qint64> Parse(const QString& text) {
    static const QRegularExpression kForm(
        QStringLiteral("^\\s*(\\d+(?:[.,]\\d+)?)\\s*([kmg](?:i?b)?)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = kForm.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    QString number = match.captured(1);
    number.replace(u',', u'.');
    const double bytes = number.toDouble() * UnitOf(match.captured(2));
    // Less than a hundred kilobytes holds no picture worth the name; more than a petabyte is a
    // slip of the finger.
    if (!(bytes >= 1e5 && bytes <= 1e15)) {
        return std::nullopt;
    }
    return static_cast<qint64>(std::llround(bytes));
}

QString Forms() {
    return Words::tr("a size such as 25M, 25MB, 1.5G or 700MiB (K, M and G count by thousands, "
                     "KiB, MiB and GiB by 1024), of 100K or more");
}

QString Text(qint64 bytes) {
    const double value = static_cast<double>(bytes);
    // The units as the list's file sizes say them, in the user's language.
    const auto said = [](const char* unit, double number) {
        return QCoreApplication::translate("reelwright::FileSize", unit)
            .arg(LocalNumber(number, 'g', 4));
    };
    if (value >= 1e9) {
        return said(QT_TRANSLATE_NOOP("reelwright::FileSize", "%1 GB"), value / 1e9);
    }
    if (value >= 1e6) {
        return said(QT_TRANSLATE_NOOP("reelwright::FileSize", "%1 MB"), value / 1e6);
    }
    return said(QT_TRANSLATE_NOOP("reelwright::FileSize", "%1 KB"), value / 1e3);
}

}  // namespace reelwright::SizeLimit
