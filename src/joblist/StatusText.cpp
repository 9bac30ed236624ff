#include "joblist/StatusText.h"

#include <QCoreApplication>

namespace reelwright {
namespace {

const char* const kStatuses[] = {
    QT_TRANSLATE_NOOP("reelwright::Status", "Waiting Conversion"),
    QT_TRANSLATE_NOOP("reelwright::Status", "Unkown Format"),
    QT_TRANSLATE_NOOP("reelwright::Status", "Starting..."),
    QT_TRANSLATE_NOOP("reelwright::Status", "Unknown format"),
    QT_TRANSLATE_NOOP("reelwright::Status", "Cancelled"),
    QT_TRANSLATE_NOOP("reelwright::Status", "Error"),
    QT_TRANSLATE_NOOP("reelwright::Status", "Complete"),
    QT_TRANSLATE_NOOP("reelwright::Status", "Waiting Next Batch"),
};

}  // namespace

QString StatusText(const QString& status) {
    for (const char* known : kStatuses) {
        if (status == QLatin1String(known)) {
            return QCoreApplication::translate("reelwright::Status", known);
        }
    }
    return status;
}

}  // namespace reelwright
