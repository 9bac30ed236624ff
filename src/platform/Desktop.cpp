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

}  // namespace reelwright
