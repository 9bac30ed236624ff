#include "settings/SettingsKeys.h"

namespace reelwright::settings {

QString FromBool(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> ToBool(const QString& text) {
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return std::nullopt;
}

std::optional<int> ToListIndex(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < -1 || value > 32767) {
        return std::nullopt;
    }
    return value;
}

}  // namespace reelwright::settings
