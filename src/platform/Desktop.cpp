#include "platform/Desktop.h"

#include <QCoreApplication>
#include <QDebug>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::Desktop)
};

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
        //: Why a file or page could not be opened.
        why = Text::tr("the file is missing.");
    } else if (!openerExit) {
        //: Why a file or page could not be opened.
        why = Text::tr(
            "the desktop has no program for it. Installing xdg-utils (sudo apt install "
            "xdg-utils) and a player or browser helps.");
    } else {
        // Installed, xdg-utils has found nothing that opens it, or what it found failed.
        //: Why a file or page could not be opened.
        why = Text::tr(
            "no program on this computer could open it. Install a player or browser, "
            "or choose one as the desktop's default for it.");
    }
    //: %1 is a file or web address, %2 why it could not be opened.
    return Text::tr("%1 could not be opened: %2").arg(target, why);
}

}  // namespace reelwright
