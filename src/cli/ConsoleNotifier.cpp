#include "cli/ConsoleNotifier.h"

namespace reelwright {

void ConsoleNotifier::Show(const QString& text, MessageIcon icon) {
    QString line = BoundedMessage(text);
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n  "));
    err_ << "reelwright-cli: " << (icon == MessageIcon::Error ? "error: " : "") << line << '\n';
    err_.flush();
}

}  // namespace reelwright
