#include "cli/ConsoleNotifier.h"

namespace reelwright {

void ConsoleNotifier::Show(const QString& text, MessageIcon icon, const QString& details) {
    QString line = BoundedMessage(text);
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n  "));
    err_ << "reelwright-cli: " << (icon == MessageIcon::Error ? "error: " : "") << line << '\n';
    if (!details.isEmpty()) {
        err_ << "  " << QString(BoundedDetails(details)).replace(u'\n', QStringLiteral("\n  "))
             << '\n';
    }
    err_.flush();
}

}  // namespace reelwright
