#include "platform/DesktopNotifications.h"

#include <QDebug>

namespace reelwright {
namespace {

class LogNotifications final : public DesktopNotifications {
  public:
    void Notify(const QString& summary, const QString& body) override {
        qInfo().noquote() << summary + QStringLiteral(": ") + body;
    }
};

LogNotifications g_log;
DesktopNotifications* g_notifications = nullptr;

}  // namespace

DesktopNotifications& DesktopNotifications::Current() {
    return g_notifications ? *g_notifications : g_log;
}

DesktopNotifications* DesktopNotifications::Install(DesktopNotifications* notifications) {
    DesktopNotifications* previous = g_notifications;
    g_notifications = notifications;
    return previous;
}

}  // namespace reelwright
