#include "formats/LoudnessTarget.h"

#include <QRegularExpression>

namespace reelwright::LoudnessTarget {

bool Parse(const QString& text, std::optional<double>* target) {
    static const QRegularExpression kForm(
        QStringLiteral("^\\s*([-+]?\\d+(?:\\.\\d+)?)\\s*(?:lufs|lkfs)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    if (text.trimmed().compare(QStringLiteral("off"), Qt::CaseInsensitive) == 0) {
        *target = std::nullopt;
        return true;
    }
    const QRegularExpressionMatch match = kForm.match(text);
    if (!match.hasMatch()) {
        return false;
    }
    const double value = match.captured(1).toDouble();
    if (value < kLowest || value > kHighest) {
        return false;
    }
    *target = value;
    return true;
}

QString Text(std::optional<double> target) {
    return target ? QString::number(*target) : QStringLiteral("Off");
}

}  // namespace reelwright::LoudnessTarget
