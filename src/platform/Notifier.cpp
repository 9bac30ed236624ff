#include "platform/Notifier.h"

#include <QDebug>

namespace reelwright {
namespace {

class LogNotifier final : public Notifier {
  public:
    void Show(const QString& text, MessageIcon) override { qWarning().noquote() << text; }
};

LogNotifier g_logNotifier;
Notifier* g_notifier = nullptr;

}  // namespace

Notifier& Notifier::Current() {
    return g_notifier ? *g_notifier : g_logNotifier;
}

Notifier* Notifier::Install(Notifier* notifier) {
    Notifier* previous = g_notifier;
    g_notifier = notifier;
    return previous;
}

}  // namespace reelwright
