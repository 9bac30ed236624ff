#include "platform/Desktop.h"

#include <QDebug>

namespace reelwright {
namespace {

class LogDesktop final : public Desktop {
  public:
    void Open(const QString& target, const QString&) override {
        qWarning().noquote() << "open:" << target;
    }
};

LogDesktop g_logDesktop;
Desktop* g_desktop = nullptr;

}  // namespace

Desktop& Desktop::Current() {
    return g_desktop ? *g_desktop : g_logDesktop;
}

Desktop* Desktop::Install(Desktop* desktop) {
    Desktop* previous = g_desktop;
    g_desktop = desktop;
    return previous;
}

QString OpenFailureMessage(const QString& target, std::optional<int> openerExit, bool missing) {
    // xdg-open ends with 2 when a file it was given does not exist.
    constexpr int kFileMissing = 2;
    QString why;
    if (missing || openerExit == kFileMissing) {
        why = QStringLiteral("the file is missing.");
    } else if (!openerExit) {
        why = QStringLiteral(
            "the desktop has no program for it. Installing xdg-utils (sudo apt install "
            "xdg-utils) and a player or browser helps.");
    } else {
        // Installed, xdg-utils has found nothing that opens it, or what it found failed.
        why = QStringLiteral(
            "no program on this computer could open it. Install a player or browser, or choose "
            "one as the desktop's default for it.");
    }
    return QStringLiteral("%1 could not be opened: %2").arg(target, why);
}

}  // namespace reelwright
